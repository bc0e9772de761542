#pragma once
// A sectioned settings file of "[Section]" headers and "Key=Value" lines, read and written
// the way the program's settings and phoneme sets have always been kept: section and key
// names match without regard to letter case, blanks around names and values are dropped,
// a value in matching quotes loses the quotes, the first of two equal sections or keys wins,
// and a missing file, section or key reads as the given default.

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lyrasta {

class TIniFile {
public:
    // The size of the reading buffer of the classic reader: at most 254 characters are kept.
    static constexpr size_t kDefaultBuffer = 255;

    TIniFile() = default;
    // Reads the file's text; lines that are neither headers nor "Key=Value" are ignored.
    static TIniFile Parse(std::string_view text);
    // A missing or unreadable file gives an empty settings file.
    static TIniFile Load(const std::filesystem::path& path);

    // The value of key in section, cut at its first NUL and to bufferSize - 1 characters;
    // fallback when the section or key is missing.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback = {},
                           size_t bufferSize = kDefaultBuffer) const;
    bool HasSection(std::string_view section) const;

    // Sets a value, adding the section or key at the end when missing.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    // The file text: sections in their order, "Key=Value" lines, CR LF line ends.
    std::string Text() const;
    // Writes Text() to path; false when the file cannot be written.
    bool Save(const std::filesystem::path& path) const;

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;
    };
    const Section* FindSection(std::string_view name) const;
    std::vector<Section> sections_;
};

}  // namespace lyrasta
