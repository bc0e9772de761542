#pragma once
// A sectioned settings file of "[Section]" headers and "Key=Value" lines, read the way
// the program's settings and phoneme sets have always been read: section and key
// names match without regard to letter case, blanks around names and values are dropped,
// a value in matching quotes loses the quotes, the first of two equal sections or keys wins,
// and a missing section or key (or an empty text, as a missing file reads) gives the default.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lyrasta {

// The rules by which a line is read, shared by the reader and by the writer that edits a
// section in place, so that both see the same sections and keys.
// The section a line opens: "[Name]" (blanks around it and anything after the "]" ignored).
std::optional<std::string_view> IniSectionName(std::string_view line);
// The key of a "Key=Value" line, blanks dropped; nothing for other lines and ";" comments.
std::optional<std::string_view> IniKeyName(std::string_view line);
// Section and key names match without regard to letter case.
bool IniSameName(std::string_view a, std::string_view b);
// The mark that may open a UTF-8 file ("\xEF\xBB\xBF"); the reader skips it.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
// True for a text in UTF-16 (or UTF-32): it opens with a byte-order mark or has NUL bytes
// between ASCII letters. Such a file cannot be read as lines of bytes.
bool IsWideText(std::string_view text);

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
