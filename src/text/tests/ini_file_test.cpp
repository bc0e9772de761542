#include "text/ini_file.h"

#include <gtest/gtest.h>

#include <string>

namespace lyrasta {
namespace {

const char* const kSample =
    "\xEF\xBB\xBF; phoneme sets\r\n"
    "[U.S. Sephardi]\r\n"
    "Patach = ~ah|a \r\n"
    "Shin=~sh|sh\r\n"
    "Quoted=\"  spaced  \"\r\n"
    "Half=\"open\r\n"
    "Empty=\r\n"
    "no equals sign here\r\n"
    "Shin=second copy\r\n"
    "[German]\n"
    "Patach=~aa|a\n"
    "[u.s. sephardi]\n"
    "Tav=never read\n";

TEST(IniFile, LooksUpSectionsAndKeysLikeTheClassicReader) {
    const TIniFile ini = TIniFile::Parse(kSample);
    struct Row {
        const char* what;
        const char* section;
        const char* key;
        const char* expected;
    } rows[] = {
        {"blanks around key and value dropped", "U.S. Sephardi", "Patach", "~ah|a"},
        {"names match without regard to case", "u.s. SEPHARDI", "SHIN", "~sh|sh"},
        {"the first of two equal keys wins", "U.S. Sephardi", "Shin", "~sh|sh"},
        {"matching quotes are removed", "U.S. Sephardi", "Quoted", "  spaced  "},
        {"an unmatched quote stays", "U.S. Sephardi", "Half", "\"open"},
        {"an empty value", "U.S. Sephardi", "Empty", ""},
        {"a second section keeps its own keys", "German", "Patach", "~aa|a"},
        {"a repeated section is not read", "U.S. Sephardi", "Tav", "dflt"},
        {"missing key", "German", "Shin", "dflt"},
        {"missing section", "Lithuanian", "Patach", "dflt"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ini.ReadString(r.section, r.key, "dflt"), r.expected) << r.what;
}

TEST(IniFile, KeepsAtMostOneLessThanTheBufferAndStopsAtNul) {
    const std::string longValue(300, 'x');
    const TIniFile ini = TIniFile::Parse("[S]\nLong=" + longValue + "\nNul=ab" +
                                         std::string(1, '\0') + "cd\n");
    EXPECT_EQ(ini.ReadString("S", "Long"), std::string(254, 'x'));
    EXPECT_EQ(ini.ReadString("S", "Long", "", 10), std::string(9, 'x'));
    EXPECT_EQ(ini.ReadString("S", "Nul"), "ab");
    EXPECT_EQ(ini.ReadString("S", "Long", "", 0), "");
}

TEST(IniFile, AnEmptyTextReadsAsDefaults) {
    const TIniFile ini = TIniFile::Parse("");
    EXPECT_EQ(ini.ReadString("U.S. Sephardi", "Patach"), "");
    EXPECT_EQ(ini.ReadString("U.S. Sephardi", "Patach", "dflt"), "dflt");
}

}  // namespace
}  // namespace lyrasta
