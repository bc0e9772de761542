#include "chant/phoneme_set.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace lyrasta {
namespace {

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

}  // namespace
}  // namespace lyrasta
