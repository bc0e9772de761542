#pragma once
// The program's settings: the "Options" section of config.ini in the user's configuration
// folder. Every key has a default that a missing file or key gives; the window reads the
// keys when it is first shown and writes back only the keys it changed, in place, keeping
// every other line of the file (other sections, comments, keys of other dialogs).

#include <map>
#include <string>
#include <vector>

#include "text/ini_file.h"

namespace lyrasta {

class TSettingsStore {
public:
    static constexpr const char* kSection = "Options";

    // A store over a file; nothing is read until Load.
    explicit TSettingsStore(std::string path = {});

    // Reads the settings file. A missing file leaves every key at its default; so does a
    // file that cannot be read (or is in UTF-16), which is then named in Problems() and never
    // written. Values are cut to 254 characters, as the settings reader always did.
    void Load();
    // What the user should be told about the file read, each a whole sentence: a file that
    // cannot be read, a number that is not one or is out of its range.
    const std::vector<std::string>& Problems() const { return problems_; }
    // Writes the keys given with Set since loading into the file, each replacing its line in
    // the first section of the name or appended to it; creates the file and its folder when
    // missing. The file is read again under a lock just before, so what another window saved
    // meanwhile is kept. Returns false with a message when the file cannot be written.
    bool Save(std::string* error = nullptr) const;

    // The value of a key, or its default (empty for keys without one).
    std::string Text(const std::string& key) const;
    // True when the value, upper-cased, is "TRUE".
    bool Bool(const std::string& key) const;
    // The value as a whole number; the key's default when it is not one. A number out of
    // the key's range (value_ranges.h) is brought to the nearer end; Load names it.
    int Int(const std::string& key) const;
    double Real(const std::string& key) const;
    // Remembers a value to write at close.
    void Set(const std::string& key, const std::string& value);
    void SetBool(const std::string& key, bool on) { Set(key, on ? "TRUE" : "FALSE"); }

    const std::string& Path() const { return path_; }
    // The default of a key ("" for keys without one).
    static std::string Default(const std::string& key);

private:
    void CheckRanges();
    std::string path_;
    TIniFile file_;
    bool readable_ = true;
    std::vector<std::string> problems_;
    std::map<std::string, std::string> changed_;  // keys as given
};

// The settings file: config.ini under $XDG_CONFIG_HOME/lyrasta (or ~/.config/lyrasta).
std::string DefaultSettingsPath();

// The speed box shows trunc((stored - 20) / 12); the store keeps speed x 12 + 20.
int SpeedFromSetting(int stored);
int SpeedToSetting(int speed);

// Replaces or adds keys of one section in an INI text, keeping every other line. A line
// break in a key or value is written as a blank, so that it cannot start another key.
std::string UpdateIniSection(const std::string& text, const std::string& section,
                             const std::map<std::string, std::string>& values);

}  // namespace lyrasta
