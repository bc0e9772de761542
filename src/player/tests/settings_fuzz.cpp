// Fuzz target: the settings writer and store. The first line of the bytes is a key, the
// second a value (a vertical tab in it stands for a line break), the rest the text of a
// settings file. The text with the key written by UpdateIniSection must read back the value,
// its line breaks as blanks (and the other keys of the section unchanged), and the store
// must load, clamp and save the file without failing.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "player/settings_store.h"
#include "player/value_ranges.h"
#include "text/ini_file.h"

namespace {

std::string Line(std::string& rest) {
    const size_t lf = rest.find('\n');
    std::string line = rest.substr(0, lf);
    rest.erase(0, lf == std::string::npos ? rest.size() : lf + 1);
    return line;
}

// A key or value as the window writes them: no line breaks, NULs, "=" in keys or blanks
// around, no quotes around a value, and a key that is not a comment or a section header.
bool Plain(const std::string& s, bool key) {
    if (s.empty() || s.size() > 200 || s.front() == ' ' || s.back() == ' ' || s.front() == '\t' || s.back() == '\t')
        return false;
    if (key && (s.front() == ';' || s.front() == '[' || s.find('=') != std::string::npos)) return false;
    if (!key && s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front()) return false;
    return s.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lyrasta;
    std::string rest(reinterpret_cast<const char*>(data), size);
    const std::string key = Line(rest);
    std::string value = Line(rest), expected = value;
    std::replace(value.begin(), value.end(), '\v', '\n');
    std::replace(expected.begin(), expected.end(), '\v', ' ');
    std::replace(expected.begin(), expected.end(), '\r', ' ');
    if (Plain(key, true) && Plain(expected, false) && !IsWideText(rest)) {
        const std::string before = rest;
        const std::string after = UpdateIniSection(before, "Options", {{key, value}});
        const TIniFile ini = TIniFile::Parse(after);
        if (ini.ReadString("Options", key, "", 1000) != expected) std::abort();
        const TIniFile old = TIniFile::Parse(before);
        for (const char* other : {"Speed", "Pitch", "Volume", "Voice"})
            if (!IniSameName(other, key) &&
                old.ReadString("Options", other, "-", 1000) != ini.ReadString("Options", other, "-", 1000))
                std::abort();
    }
    static const std::string path = "/tmp/lyrasta-settings-fuzz-" + std::to_string(getpid()) + ".ini";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << rest;
    TSettingsStore store(path);
    store.Load();
    for (const TValueRange& r : SettingRanges()) {
        const int v = store.Int(std::string(r.name));
        if (v < r.min || v > r.max) std::abort();
        (void)store.Real(std::string(r.name));
    }
    store.Set(key.empty() ? "Speed" : key, value);
    (void)store.Save();
    return 0;
}
