#include "settings_store.h"

#include "text/text_helpers.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cctype>
#include <climits>
#include <optional>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "player/value_ranges.h"
#include "text/safe_write.h"

namespace lyrasta {

namespace {

std::string Trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return {};
    const auto e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

const std::map<std::string, std::string>& Defaults() {
    static const std::map<std::string, std::string> d = {
        {"MARGINWIDTH", "10"},      {"ENABLESPEAK", "False"},   {"ENABLEELISIONS", "False"},
        {"UPBEATFACTOR", "10"},     {"FORCECOLORPRINTING", "False"},
        {"DEBUGWINDOW", "False"},   {"FORCEFONTSIZE", "40"},    {"FORCEWRAPPING", "False"},
        {"SHOWSPLASH", "True"},     {"WAVFILENAME", ""},        {"NOTLEGARMEHBEFOREREVIA", "False"},
        {"SHOWEXTENDEDTROPEGROUPS", "False"}, {"PRONUNCIATION", "0"}, {"PHONEMESET", "0"},
        {"VOICE", "4"},             {"SPEED", "140"},           {"PITCH", "0"},
        {"VOLUME", "5"},            {"SHOWTROPEGROUPS", "FALSE"}, {"COLORTROPES", "FALSE"},
        {"SHOWUNDERLINES", "TRUE"}, {"DEBUG", "False"},
    };
    return d;
}

// A settings line holds one key and its value: a line break inside either (a file name or a
// reading name with one) would start a new line, that is a new key or a new section, so
// each line break is written as a blank.
std::string OneLine(std::string s) {
    std::replace_if(s.begin(), s.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return s;
}

}  // namespace

std::string UpdateIniSection(const std::string& text, const std::string& section,
                             const std::map<std::string, std::string>& values) {
    std::string_view rest = text;
    const bool bom = rest.starts_with(kUtf8Bom);
    if (bom) rest.remove_prefix(kUtf8Bom.size());
    std::vector<std::string> lines;
    bool crlf = false;
    while (!rest.empty()) {
        const size_t eol = rest.find('\n');
        std::string line(rest.substr(0, eol));
        rest.remove_prefix(eol == std::string_view::npos ? rest.size() : eol + 1);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
            crlf = crlf || lines.empty();  // the first line tells the file's line ends
        }
        lines.push_back(std::move(line));
    }
    std::map<std::string, std::string> pending;
    for (const auto& [k, v] : values) pending[Upper(k)] = OneLine(k) + "=" + OneLine(v);
    // Only the first section of the name is edited: it is the one the reader reads.
    int sectionEnd = -1;  // index after the last key line of the section
    bool inside = false, seen = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = IniSectionName(lines[i])) {
            inside = !seen && IniSameName(*name, section);
            seen = seen || inside;
            if (inside) sectionEnd = static_cast<int>(i) + 1;
            continue;
        }
        if (!inside) continue;
        if (const auto key = IniKeyName(lines[i])) {
            const auto it = pending.find(Upper(std::string(*key)));
            if (it != pending.end()) {
                lines[i] = it->second;
                pending.erase(it);
            }
        }
        if (!Trim(lines[i]).empty()) sectionEnd = static_cast<int>(i) + 1;
    }
    std::vector<std::string> added;
    for (const auto& [k, line] : pending) added.push_back(line);
    if (sectionEnd < 0) {
        if (!lines.empty() && !Trim(lines.back()).empty()) lines.push_back("");
        lines.push_back("[" + section + "]");
        lines.insert(lines.end(), added.begin(), added.end());
    } else {
        lines.insert(lines.begin() + sectionEnd, added.begin(), added.end());
    }
    std::string out(bom ? kUtf8Bom : "");
    for (const std::string& l : lines) out += l + (crlf ? "\r\n" : "\n");
    return out;
}

TSettingsStore::TSettingsStore(std::string path) : path_(std::move(path)) {}

namespace {

enum class ReadResult { Read, Missing, Failed };

// A settings file is a few kilobytes; a larger one is not one (or not ours).
constexpr size_t kMaxSettingsBytes = 1 << 20;

// Reads the whole settings file; a message for a file that exists but cannot be read.
ReadResult ReadSettingsText(const std::string& path, std::string& text, std::string& problem) {
    text.clear();
    const auto failed = [&](int err) {
        problem = "The settings file " + path + " cannot be read: " + std::strerror(err);
        return ReadResult::Failed;
    };
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? ReadResult::Missing : failed(errno);
    char buf[16384];
    for (;;) {
        const ssize_t n = read(fd, buf, sizeof buf);
        if (n == 0) break;
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int err = errno;
            close(fd);
            return failed(err);
        }
        text.append(buf, static_cast<size_t>(n));
        if (text.size() > kMaxSettingsBytes) {
            close(fd);
            problem = "The settings file " + path + " is larger than a settings file can be (1 MB)";
            text.clear();
            return ReadResult::Failed;
        }
    }
    close(fd);
    if (IsWideText(text)) {
        problem = "The settings file " + path +
                  " is written in UTF-16, which cannot be read; save it as UTF-8 (or delete it)";
        text.clear();
        return ReadResult::Failed;
    }
    return ReadResult::Read;
}

}  // namespace

void TSettingsStore::Load() {
    changed_.clear();
    problems_.clear();
    std::string text, problem;
    readable_ = ReadSettingsText(path_, text, problem) != ReadResult::Failed;
    if (!readable_)
        problems_.push_back(problem + ". The program starts with its default settings and does not "
                            "change the file.");
    file_ = TIniFile::Parse(text);
    CheckRanges();
}

void TSettingsStore::CheckRanges() {
    static const std::string kMissing = "\x01";
    for (const TValueRange& r : SettingRanges()) {
        const std::string text = file_.ReadString(kSection, r.name, kMissing);
        if (text == kMissing) continue;
        const std::string setting = "The setting " + std::string(r.name) + "=" + text + " in " + path_;
        std::optional<double> value = ParseRealNumber(text);
        if (r.whole) {
            const auto whole = ParseWholeNumber(text);
            value = whole ? std::optional<double>(static_cast<double>(*whole)) : std::nullopt;
        }
        if (!value) {
            problems_.push_back(setting + " is not " + (r.whole ? "a whole number" : "a number") + "; " +
                                Default(std::string(r.name)) + " is used.");
        } else if (*value < static_cast<double>(r.min) || *value > static_cast<double>(r.max)) {
            problems_.push_back(setting + " is out of range (" + RangeText(r) + "); " +
                                std::to_string(*value < static_cast<double>(r.min) ? r.min : r.max) + " is used.");
        }
    }
}

bool TSettingsStore::Save(std::string* error) const {
    if (changed_.empty()) return true;
    const auto fail = [&](const std::string& why) {
        if (error) *error = why + ". The settings of this session are not saved.";
        return false;
    };
    // A file that could not be read is never replaced by one made of defaults.
    if (!readable_) return fail("The settings file " + path_ + " could not be read when the program started");
    std::error_code ec;
    const auto folder = std::filesystem::path(path_).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);
    // Another window saving at the same moment finishes first; the file is then read again,
    // so the keys it saved are kept beside ours.
    TSafeFile file;
    if (!file.Open(path_, TSafeFile::OtherWriters::Wait))
        return fail("The settings file cannot be written: " + file.Error());
    std::string text, problem;
    if (ReadSettingsText(path_, text, problem) == ReadResult::Failed) return fail(problem);
    const std::string updated = UpdateIniSection(text, kSection, changed_);
    if (!file.Write(updated.data(), updated.size()) || !file.Commit())
        return fail("The settings file cannot be written: " + file.Error());
    return true;
}

std::string TSettingsStore::Default(const std::string& key) {
    const auto it = Defaults().find(Upper(key));
    return it == Defaults().end() ? std::string() : it->second;
}

std::string TSettingsStore::Text(const std::string& key) const {
    for (const auto& [k, v] : changed_)
        if (Upper(k) == Upper(key)) return v;
    return file_.ReadString(kSection, key, Default(key));
}

bool TSettingsStore::Bool(const std::string& key) const { return Upper(Text(key)) == "TRUE"; }

int TSettingsStore::Int(const std::string& key) const {
    auto v = ParseWholeNumber(Text(key));
    if (!v) v = ParseWholeNumber(Default(key));
    const TValueRange* r = SettingRange(key);
    return static_cast<int>(std::clamp(v.value_or(0), r ? r->min : INT_MIN, r ? r->max : INT_MAX));
}

double TSettingsStore::Real(const std::string& key) const {
    auto v = ParseRealNumber(Text(key));
    if (!v) v = ParseRealNumber(Default(key));
    const TValueRange* r = SettingRange(key);
    return r ? std::clamp(v.value_or(0), static_cast<double>(r->min), static_cast<double>(r->max)) : v.value_or(0);
}

void TSettingsStore::Set(const std::string& key, const std::string& value) {
    changed_[key] = value;
}

std::string DefaultSettingsPath() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path base;
    if (xdg && *xdg) base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home) base = std::filesystem::path(home) / ".config";
    else base = ".";
    return (base / "lyrasta" / "config.ini").string();
}

int SpeedFromSetting(int stored) { return (stored - 20) / 12; }
int SpeedToSetting(int speed) { return speed * 12 + 20; }

}  // namespace lyrasta
