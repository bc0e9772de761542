#include "readings/verse_limits.h"

#include <gtest/gtest.h>

namespace lyrasta {
namespace {

using Texts = std::vector<std::string>;

Texts Numbers(int from, int to) {
    Texts out;
    for (int v = from; v <= to; ++v) out.push_back((v < 10 ? "0" : "") + std::to_string(v));
    return out;
}

TEST(VerseLimits, ListsHaveOneEntryPerSelectableChapter) {
    EXPECT_EQ(ReadingLimits(ReadingKind::Torah).size(), 187u);
    EXPECT_EQ(ReadingLimits(ReadingKind::Haftarah).size(), 123u);
    EXPECT_EQ(ReadingLimits(ReadingKind::Megilla).size(), 39u);
    EXPECT_EQ(ReadingLimits(ReadingKind::HighHolidaysTorah).size(), 9u);
    EXPECT_EQ(ReadingLimits(ReadingKind::Torah).front(), "GEN/Genesis:01:31");
    EXPECT_EQ(ReadingLimits(ReadingKind::Torah).back(), "DEU/Deuteronomy:34:12");
    EXPECT_EQ(ReadingLimits(ReadingKind::Haftarah)[3], "1KI/1 Kings:04:01");
}

TEST(VerseLimits, EntriesSplitIntoTheirParts) {
    struct Case {
        const char* entry;
        ReadingLimitParts parts;
    };
    const Case cases[] = {
        {"GEN/Genesis:01:31", {"GEN", "Genesis", "01", "31"}},
        {"SOS/Song of Songs (Shir HaShirim):08:14", {"SOS", "Song of Songs (Shir HaShirim)", "08", "14"}},
        {"GE", {"GE", "", "", ""}},
        {"GEN/Genesis:1", {"GEN", "Genesis", "1", ""}},
    };
    for (const Case& c : cases) {
        const ReadingLimitParts p = GetReadingLimitParts(c.entry);
        EXPECT_EQ(p.code, c.parts.code) << c.entry;
        EXPECT_EQ(p.name, c.parts.name) << c.entry;
        EXPECT_EQ(p.chapter, c.parts.chapter) << c.entry;
        EXPECT_EQ(p.verse, c.parts.verse) << c.entry;
    }
}

TEST(VerseLimits, BookChoicesFollowTheListOrder) {
    EXPECT_EQ(BookChoices(ReadingKind::Haftarah),
              (Texts{"-Select a book-", "1 Kings", "1 Samuel", "2 Kings", "2 Samuel", "Amos", "Ezekial",
                     "Habakkuk", "Hosea", "Isaiah", "Jeremiah", "Joel", "Jonah", "Joshua", "Judges",
                     "Malachi", "Micah", "Nechemiah", "Obadiah", "Zechariah"}));
    EXPECT_EQ(BookChoices(ReadingKind::HighHolidaysTorah),
              (Texts{"-Select a book-", "Genesis", "Numbers", "Leviticus", "Deuteronomy"}));
}

TEST(VerseLimits, ChapterAndVerseChoices) {
    struct Case {
        ReadingKind kind;
        const char* name;
        const char* chapter;
        Texts verses;
    };
    const Case cases[] = {
        {ReadingKind::Haftarah, "Nechemiah", "07", {"72"}},
        {ReadingKind::Haftarah, "Nechemiah", "08", Numbers(1, 10)},
        {ReadingKind::HighHolidaysTorah, "Genesis", "02", Numbers(1, 3)},
        {ReadingKind::Haftarah, "1 Kings", "04", {"01"}},
        {ReadingKind::Haftarah, "1 Kings", "10", {}},
        {ReadingKind::Torah, "Numbers", "07", Numbers(1, 89)},
        {ReadingKind::Torah, "Nechemiah", "07", {}},
        {ReadingKind::Torah, "-Select a book-", "01", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VerseChoices(c.kind, c.name, c.chapter), c.verses) << c.name << " " << c.chapter;
    EXPECT_EQ(ChapterChoices(ReadingKind::Haftarah, "Joel"), (Texts{"02"}));
    EXPECT_EQ(ChapterChoices(ReadingKind::Megilla, "Ruth"), (Texts{"01", "02", "03", "04"}));
    EXPECT_TRUE(ChapterChoices(ReadingKind::Megilla, "-Select a book-").empty());
}

TEST(VerseLimits, ChoiceBecomesAReadingReference) {
    const std::string code = BookCodeFor(ReadingKind::Torah, "Genesis");
    EXPECT_EQ(ReadingReferenceText(code, "01", "01", "02", "03"), "GEN01:01-02:03");
    EXPECT_EQ(BookCodeFor(ReadingKind::Megilla, "Lamentations (Eichah)"), "LAM");
    EXPECT_EQ(BookCodeFor(ReadingKind::Megilla, "Genesis"), "");
}

}  // namespace
}  // namespace lyrasta
