#include "settings_store.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

namespace lyrasta {

namespace {

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

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

// The section a line opens ("[Name]"), or nothing.
std::optional<std::string> SectionOf(const std::string& line) {
    const std::string t = Trim(line);
    if (t.size() >= 2 && t.front() == '[' && t.back() == ']') return Trim(t.substr(1, t.size() - 2));
    return std::nullopt;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

std::string UpdateIniSection(const std::string& text, const std::string& section,
                             const std::map<std::string, std::string>& values) {
    std::vector<std::string> lines = Lines(text);
    std::map<std::string, std::string> pending;
    for (const auto& [k, v] : values) pending[Upper(k)] = k + "=" + v;
    int sectionEnd = -1;  // index after the last key line of the section
    bool inside = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (auto s = SectionOf(lines[i])) {
            inside = Upper(*s) == Upper(section);
            if (inside) sectionEnd = static_cast<int>(i) + 1;
            continue;
        }
        if (!inside) continue;
        const auto eq = lines[i].find('=');
        if (eq != std::string::npos) {
            const auto it = pending.find(Upper(Trim(lines[i].substr(0, eq))));
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
    std::string out;
    for (const std::string& l : lines) out += l + "\n";
    return out;
}

TSettingsStore::TSettingsStore(std::string path) : path_(std::move(path)) {}

void TSettingsStore::Load() {
    changed_.clear();
    std::ifstream in(path_, std::ios::binary);
    std::ostringstream text;
    if (in) text << in.rdbuf();
    file_ = TIniFile::Parse(text.str());
}

bool TSettingsStore::Save(std::string* error) const {
    if (changed_.empty()) return true;
    std::string text;
    if (std::ifstream in(path_, std::ios::binary); in) {
        std::ostringstream s;
        s << in.rdbuf();
        text = s.str();
    }
    std::error_code ec;
    const auto folder = std::filesystem::path(path_).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);
    // Write beside the file and rename, so a failed write never leaves half a file.
    const std::string temp = path_ + ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << UpdateIniSection(text, kSection, changed_);
        if (!out.flush()) {
            if (error) *error = "The settings file " + path_ + " cannot be written.";
            std::filesystem::remove(temp, ec);
            return false;
        }
    }
    std::filesystem::rename(temp, path_, ec);
    if (ec) {
        if (error) *error = "The settings file " + path_ + " cannot be written: " + ec.message();
        std::filesystem::remove(temp, ec);
        return false;
    }
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
    const auto parse = [](const std::string& s, int& v) {
        const std::string t = Trim(s);
        const char* b = t.data() + (t.size() > 1 && t[0] == '+' ? 1 : 0);
        const auto [p, ec] = std::from_chars(b, t.data() + t.size(), v);
        return ec == std::errc() && p == t.data() + t.size() && !t.empty();
    };
    int v = 0;
    if (parse(Text(key), v)) return v;
    return parse(Default(key), v) ? v : 0;
}

double TSettingsStore::Real(const std::string& key) const {
    const auto parse = [](const std::string& s, double& v) {
        const std::string t = Trim(s);
        char* end = nullptr;
        v = std::strtod(t.c_str(), &end);
        return !t.empty() && end == t.c_str() + t.size();
    };
    double v = 0;
    if (parse(Text(key), v)) return v;
    return parse(Default(key), v) ? v : 0;
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
