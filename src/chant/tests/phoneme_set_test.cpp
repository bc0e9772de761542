#include "chant/phoneme_set.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "text/ini_file.h"

namespace lyrasta {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(SplitEntry, SeparatesPhonemesFromSpelling) {
    struct Row {
        const char* entry;
        const char* left;
        const char* right;
    } rows[] = {
        {"~ah|a", "~ah", "a"},
        {"a", "", "a"},
        {"|a", "", "a"},
        {"|", "", ""},
        {"", "", ""},
        {"~oy~yx|oy|x", "~oy~yx", "oy|x"},
    };
    for (const Row& r : rows) {
        const EntryParts p = SplitEntry(r.entry);
        EXPECT_EQ(p.left, r.left) << r.entry;
        EXPECT_EQ(p.right, r.right) << r.entry;
    }
    EXPECT_EQ(SplitEntry("~s|" + std::string(120, 's')).right, std::string(99, 's'));
    EXPECT_EQ(SplitEntry(std::string(120, 's')).right, std::string(99, 's'));
}

TEST(LoadPhonemeSet, ReadsTheSectionOfThePronunciation) {
    const std::string file =
        "[U.S. Sephardi]\nPatach=~ah|a\nSav=~t|t\n"
        "[German]\nPatach=~ah|a\nSav=~s|s\nShin=" + std::string(300, 'x') + "\n";
    const TPhonemeSet german = LoadPhonemeSet(file, "German");
    EXPECT_EQ(german.Left(Ph::Sav), "~s");
    EXPECT_EQ(german.Right(Ph::Sav), "s");
    EXPECT_EQ(german.EntryByName("Patach"), "~ah|a");
    EXPECT_EQ(german.Entry(Ph::Shin).size(), 254u);
    EXPECT_EQ(german.Code(), kPronGerman);

    const TPhonemeSet fallback = LoadPhonemeSet(file, "");
    EXPECT_EQ(fallback.Pronunciation(), "U.S. Sephardi");
    EXPECT_EQ(fallback.Left(Ph::Sav), "~t");
    EXPECT_EQ(fallback.Entry(Ph::Shin), "");  // missing key

    const TPhonemeSet none = LoadPhonemeSet("", "Lithuanian");
    for (int i = 0; i < kPhonemeEntries; ++i)
        EXPECT_EQ(none.Entry(static_cast<Ph>(i)), "") << PhonemeKey(static_cast<Ph>(i));
}

TEST(PronunciationCode, GermanHasACodeOfItsOwn) {
    std::set<int> codes;
    for (std::string_view name : kPronunciations) codes.insert(PronunciationCodeOf(name));
    EXPECT_EQ(codes.size(), kPronunciations.size());
    EXPECT_EQ(codes.count(10), 0u);
    EXPECT_EQ(codes.count(kPronUnknown), 0u);
    EXPECT_EQ(PronunciationCodeOf(""), kPronUSSephardi);
    EXPECT_EQ(PronunciationCodeOf("Klingon"), kPronUnknown);
}

// The file shipped with the program: every pronunciation has every key, each phoneme text
// is made of "~" phonemes of the synthesizer's inventory, and the traditions differ where
// they should.
TEST(PhonemesFile, EveryPronunciationHasEveryKeyInTheSingersInventory) {
    const std::string text = ReadFile(LYRASTA_DATA_DIR "/encodings/phonemes.ini");
    ASSERT_FALSE(text.empty());
    const TIniFile ini = TIniFile::Parse(text);
    const std::set<std::string> inventory = {
        "ah", "aa", "eh", "ih", "iy", "ao", "oh", "uh", "uw", "ax", "ey", "ay", "oy", "ow",
        "aw", "b", "v", "g", "d", "z", "t", "k", "l", "m", "n", "p", "f", "s", "hx", "kh",
        "hh", "ain", "q", "ts", "r", "gr_r", "sh", "zh", "ch", "jh", "th", "dh", "y", "w", "yx"};
    for (std::string_view name : kPronunciations) {
        for (int i = 0; i < kPhonemeEntries; ++i) {
            const std::string key(PhonemeKey(static_cast<Ph>(i)));
            const std::string value = ini.ReadString(name, key, "<missing>");
            ASSERT_NE(value, "<missing>") << name << " " << key;
            ASSERT_NE(value.find('|'), std::string::npos) << name << " " << key;
            const std::string left = SplitEntry(value).left;
            if (left.empty()) continue;
            ASSERT_EQ(left[0], '~') << name << " " << key;
            std::istringstream parts(left.substr(1));
            for (std::string ph; std::getline(parts, ph, '~');)
                EXPECT_TRUE(inventory.count(ph)) << name << " " << key << ": ~" << ph;
        }
    }
    const std::string file = text;
    struct Row {
        const char* pronunciation;
        Ph entry;
        const char* spelling;
    } rows[] = {
        {"U.S. Sephardi", Ph::Sav, "t"},       {"U.S. Ashkenazi", Ph::Sav, "s"},
        {"Sephardi", Ph::QamatzGadol, "a"},    {"Galician", Ph::QamatzGadol, "u"},
        {"Lithuanian", Ph::QamatzGadol, "o"},  {"U.S. Ashkenazi", Ph::Holam, "o"},
        {"Galician", Ph::Holam, "oy"},         {"Lithuanian", Ph::Holam, "ey"},
        {"U.S. Sephardi", Ph::Tsere, "e"},     {"German", Ph::Tsere, "ey"},
        {"U.S. Sephardi", Ph::Chet, "ch"},     {"Sephardi", Ph::Ayin, "'"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(LoadPhonemeSet(file, r.pronunciation).Right(r.entry), r.spelling)
            << r.pronunciation << " " << PhonemeKey(r.entry);
}

}  // namespace
}  // namespace lyrasta
