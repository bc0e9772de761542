#include "ini_file.h"

#include <algorithm>
#include <cctype>

namespace lyrasta {

namespace {

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

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

TIniFile TIniFile::Parse(std::string_view text) {
    TIniFile ini;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    Section* current = nullptr;
    while (!text.empty()) {
        const size_t eol = text.find('\n');
        std::string_view line = Trim(text.substr(0, eol));
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const size_t close = line.find(']');
            if (close == std::string_view::npos) continue;
            ini.sections_.push_back({std::string(Trim(line.substr(1, close - 1))), {}});
            current = &ini.sections_.back();
            continue;
        }
        const size_t eq = line.find('=');
        if (!current || eq == std::string_view::npos) continue;
        current->keys.emplace_back(std::string(Trim(line.substr(0, eq))),
                                   std::string(Unquote(Trim(line.substr(eq + 1)))));
    }
    return ini;
}

const TIniFile::Section* TIniFile::FindSection(std::string_view name) const {
    for (const Section& s : sections_)
        if (SameName(s.name, name)) return &s;
    return nullptr;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view fallback, size_t bufferSize) const {
    std::string_view value = fallback;
    if (const Section* s = FindSection(section)) {
        const auto k = std::find_if(s->keys.begin(), s->keys.end(),
                                    [&](const auto& kv) { return SameName(kv.first, key); });
        if (k != s->keys.end()) value = k->second;
    }
    value = value.substr(0, value.find('\0'));
    return std::string(value.substr(0, bufferSize == 0 ? 0 : bufferSize - 1));
}

}  // namespace lyrasta
