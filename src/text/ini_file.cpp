#include "ini_file.h"

#include <algorithm>
#include <cctype>

namespace lyrasta {

namespace {

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view Unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

}  // namespace

bool IniSameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

std::optional<std::string_view> IniSectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    const size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

std::optional<std::string_view> IniKeyName(std::string_view line) {
    line = Trim(line);
    const size_t eq = line.find('=');
    if (line.empty() || line.front() == ';' || line.front() == '[' || eq == std::string_view::npos)
        return std::nullopt;
    return Trim(line.substr(0, eq));
}

bool IsWideText(std::string_view text) {
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF")) return true;
    // Without a mark: ASCII letters with NUL bytes between them.
    return text.size() >= 2 && ((text[0] == '\0') != (text[1] == '\0'));
}

TIniFile TIniFile::Parse(std::string_view text) {
    TIniFile ini;
    if (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
    Section* current = nullptr;
    while (!text.empty()) {
        const size_t eol = text.find('\n');
        const std::string_view line = text.substr(0, eol);
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
        if (const auto name = IniSectionName(line)) {
            ini.sections_.push_back({std::string(*name), {}});
            current = &ini.sections_.back();
        } else if (const auto key = IniKeyName(line); key && current) {
            const std::string_view t = Trim(line);
            current->keys.emplace_back(std::string(*key), std::string(Unquote(Trim(t.substr(t.find('=') + 1)))));
        }
    }
    return ini;
}

const TIniFile::Section* TIniFile::FindSection(std::string_view name) const {
    for (const Section& s : sections_)
        if (IniSameName(s.name, name)) return &s;
    return nullptr;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view fallback, size_t bufferSize) const {
    std::string_view value = fallback;
    if (const Section* s = FindSection(section)) {
        const auto k = std::find_if(s->keys.begin(), s->keys.end(),
                                    [&](const auto& kv) { return IniSameName(kv.first, key); });
        if (k != s->keys.end()) value = k->second;
    }
    value = value.substr(0, value.find('\0'));
    return std::string(value.substr(0, bufferSize == 0 ? 0 : bufferSize - 1));
}

}  // namespace lyrasta
