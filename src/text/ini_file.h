#pragma once
// A sectioned settings file of "[Section]" headers and "Key=Value" lines, read the way
// the program's settings and phoneme sets have always been read: section and key
// names match without regard to letter case, blanks around names and values are dropped,
// a value in matching quotes loses the quotes, the first of two equal sections or keys wins,
// and a missing section or key (or an empty text, as a missing file reads) gives the default.

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

    // The value of key in section, cut at its first NUL and to bufferSize - 1 characters;
    // fallback when the section or key is missing.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback = {},
                           size_t bufferSize = kDefaultBuffer) const;

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;
    };
    const Section* FindSection(std::string_view name) const;
    std::vector<Section> sections_;
};

}  // namespace lyrasta
