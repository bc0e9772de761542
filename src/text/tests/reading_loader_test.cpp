#include "text/reading_loader.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "text/book_facts.h"

namespace lyrasta {
namespace {

const std::filesystem::path kData = std::string(LYRASTA_TEST_DATA) + "/books";

// One line per item: font, the letter codes of a word (or the quoted text), size, colour
// when not black, then the flags: E line end, rtl, H Hebrew word, S sung, C scroll script,
// vN verse-end kind, pF-L pair.
std::vector<std::string> Describe(const TWordTable& t) {
    std::vector<std::string> out;
    for (int i = 0; i < t.WordCount(); ++i) {
        const HxWord& w = *t.Item(i);
        std::string d = w.font + " ";
        if (w.letters && w.font == "TGBT") {
            for (const strucHebChar& c : *w.letters) d += c.letter;
        } else {
            d += "'" + w.text + "'";
        }
        d += " " + std::to_string(w.size);
        if (w.colour == Rgb{128, 0, 128}) d += " purple";
        if (w.colour == Rgb{128, 128, 128}) d += " grey";
        if (w.colour == Rgb{0, 0, 255}) d += " blue";
        if (w.colour == Rgb{255, 0, 0}) d += " red";
        if (w.colour == Rgb{0, 128, 0}) d += " green";
        if (w.lineEnd) d += " E";
        if (w.rtl) d += " rtl";
        if (w.hebrew) d += " H";
        if (w.sung) d += " S";
        if (w.scroll) d += " C";
        if (w.verseEnd) d += " v" + std::to_string(w.verseEnd);
        if (w.pairFirst >= 0) d += " p" + std::to_string(w.pairFirst) + "-" + std::to_string(w.pairLast);
        out.push_back(d);
    }
    return out;
}

using Lines = std::vector<std::string>;

TEST(BookIndex, ReferencesSelectTheSegmentsOfTheirVerses) {
    std::string text = "~a Numbers\r\nA\r\n~y2 B\r\n~y3 C\r\nC2\r\n~x2 D\r\n~y2 E\r\n";
    const BookIndex ix = IndexBookText(text);
    EXPECT_EQ(ix.title, " Numbers");
    EXPECT_EQ(ix.verseCount, 5);
    EXPECT_EQ(ix.chapterCount, 2);
    EXPECT_EQ(ix.segCount, 12);  // the empty line after the last LF is a segment
    EXPECT_EQ(text.substr(ix.segStart[6], ix.segStart[7] - ix.segStart[6]), " C\r\n");
    EXPECT_EQ(ix.segStart[12], text.size());

    struct Case {
        const char* reference;
        bool valid;
        int first, last;
    };
    const Case cases[] = {
        {"NUM1:1-1:1", true, 2, 2},
        {"NUM1:2-1:3", true, 4, 7},      // the verse of two lines is read whole
        {"NUM01:03-02:01", true, 6, 9},  // leading zeros
        {"NUM2:2-9:1", true, 11, 11},    // runs to the end of the book
        {"NUM2:1-2:9", true, 9, 11},
        {"NUM3:1-3:2", true, 14, 10},    // starts past the end: nothing
        {"NUM1:9-1:9", true, 14, 0},
        {"NUM1:x-1:2", false, 0, -2},
        {"NUM1:1", false, 0, -2},
        {"NUM1-1:2", false, 0, -2},
        {"", false, 0, -2},
    };
    for (const Case& c : cases) {
        const ReferenceRange r = ParseReadingReference(c.reference, ix);
        EXPECT_EQ(r.valid, c.valid) << c.reference;
        if (!c.valid) continue;
        EXPECT_EQ(r.book, "NUM");
        if (c.first <= c.last) {
            EXPECT_EQ(r.firstSeg, c.first) << c.reference;
            EXPECT_EQ(r.LastSeg(), c.last) << c.reference;
        } else {
            EXPECT_GT(r.firstSeg, std::min(r.LastSeg(), ix.segCount)) << c.reference;
        }
    }
}

TEST(BookIndex, ReferencesToVersesTheBookDoesNotHaveAreRefusedWithTheReason) {
    const BookIndex ix = IndexBookText("~a Numbers\r\nA\r\n~y2 B\r\n~y3 C\r\n~x2 D\r\n~y2 E\r\n");
    const struct {
        const char* reference;
        const char* outside;
    } cases[] = {
        {"NUM1:1-2:2", ""},
        {"NUM2:2-9:1", ""},  // an end past the last chapter runs to the end of the book
        {"NUM1:2-1:9", "chapter 1 has 3 verses"},  // would run on into chapter 2
        {"NUM1:4-2:1", "chapter 1 has 3 verses"},
        {"NUM0:1-1:2", "there is no chapter 0"},
        {"NUM1:1-0:2", "there is no chapter 0"},
        {"NUM1:0-1:2", "there is no verse 0"},
        {"NUM3:1-3:2", "the book has 2 chapters"},
    };
    for (const auto& c : cases) {
        ReadingReference ref;
        ASSERT_TRUE(SplitReadingReference(c.reference, ref)) << c.reference;
        EXPECT_EQ(ReferenceOutsideBook(ref, ix), c.outside) << c.reference;
        EXPECT_EQ(ReferenceOutsideBook(ref, IndexBookText("")), "") << "a missing text refuses nothing";
    }
}

TEST(BookIndex, EmptyAndTruncatedTextsIndexWithoutVerses) {
    for (const char* text : {"", "~", "~a", "~a Title", "~y", "~x12", "no markers\r\n"}) {
        const BookIndex ix = IndexBookText(text);
        EXPECT_EQ(ix.segStart[ix.segCount + 1], std::string_view(text).size()) << text;
        const ReferenceRange r = ParseReadingReference("GEN1:1-1:5", ix);
        EXPECT_GT(r.firstSeg, r.LastSeg()) << text;
    }
}

TEST(BookIndex, LinesAndWordsBeyondTheLimitsAreNamed) {
    const std::string word(kMaxBookWordBytes, 'B'), line = "~y1 " + std::string(kMaxBookLineBytes - 4, ' ');
    struct Row {
        std::string text, problem;
    };
    const Row rows[] = {
        {"~aGenesis\n~y1 " + word + " " + word + "\r\n" + line + "\n", ""},
        {"~aGenesis\n~y1 " + word + "B\n", "has a word longer than 256 characters (line 2)"},
        {"~aGenesis\r\n\r\n" + line + "x\n", "has a line longer than 16384 characters (line 3)"},
        {std::string(1 << 20, 'M'), "has a word longer than 256 characters (line 1)"},
        {word + "\r" + word + "\r", ""},  // lines ended by CR alone
    };
    for (const Row& r : rows) EXPECT_EQ(BookTextProblem(r.text), r.problem) << r.text.substr(0, 40);

    TWordTable table;
    TReadingLoader loader(kData, table);
    loader.SetBookText("GEN", "~aGenesis\n~y1 " + std::string(1 << 20, 'M') + "\n");
    ASSERT_EQ(loader.Problems().size(), 1u);
    EXPECT_EQ(loader.Problems()[0], "the text of GEN has a word longer than 256 characters (line 2); it is not read");
    EXPECT_EQ(loader.Index().verseCount, 0);
}

class ReadingLoaderTest : public testing::Test {
protected:
    TWordTable table;
    TReadingLoader loader{kData, table};
    TReadingSections sections;
};

TEST_F(ReadingLoaderTest, ReadingSectionShowsHeadingsLabelsAndWords) {
    sections.R[0] = "NUM1:1-1:4";
    loader.LoadReading("Test", "Sub", sections);
    EXPECT_EQ(Describe(table), (Lines{
        "Arial '[Test]' 20 purple E",
        "Arial 'Numbers' 20 grey E",
        "Arial '(1)' 14 blue",
        "Arial ' :1' 10",
        "TGBT BR)$YT 20 H S C",
        "TGBT BR) 20 H S C v1",  // the paragraph letter after it is not shown
        "Arial ' :2' 10",
        "TGBT WH)RC 20 H S C",
        "TGBT HYTH 20 H S C",
        "TGBT THW 20 H S C p9-10",
        "TGBT WBHW 20 E H S C v1 p9-10",
        "Arial ' :3' 10",
        "TGBT ' וְיֹאמֶר' 14 red H C",
        "TGBT WY)MR 20 green H S",
        "TGBT )LHYM 20 H S C",
        "TGBT YHY 20 H S C",
        "TGBT )WR 20 H S C v1",
        "Arial ' :4' 10",
        "Arial ' a note' 12",
        "TGBT LMR)H 20 H S C v2",
    }));
    const strucHebChar& head = table.Item(14)->letters->front();
    EXPECT_EQ(head.book, "NUM");
    EXPECT_EQ(head.chapter, 1);
    EXPECT_EQ(head.verse, 3);
    EXPECT_EQ(head.section, "");
    EXPECT_EQ(loader.TranslationLine(head.translation), "01:03 Third.\r");
    EXPECT_EQ(table.Item(18)->letters->front().translation, 0);  // no translation of 1:4
    EXPECT_EQ(loader.CurrentBook(), "NUM");
    EXPECT_TRUE(loader.Problems().empty());
}

TEST_F(ReadingLoaderTest, PreWrappedReadingShowsParagraphLettersAndMarks) {
    loader.wrapped = true;
    sections.R[0] = "NUM1:1-1:1";
    sections.R[1] = "NUM2:1-2:2";  // the line before it ends with an open paragraph
    loader.LoadReading("Test", "", sections);
    EXPECT_EQ(Describe(table), (Lines{
        "Arial '[Test]' 20 purple E",
        "Arial 'Numbers' 20 grey E",
        "Arial '(1)' 14 blue",
        "Arial ' :1' 10",
        "TGBT BR)$YT 20 H S C",
        "TGBT BR) 20 H S C v1",
        "TGBT ' פ' 20",
        "Arial '(2)' 14 blue",
        "Arial ' :1' 10",
        "TGBT WZH 20 H S C",
        "TGBT HDBR 20 H S C v1",
        "TGBT ' פ' 20",
        "Arial ' :2' 10",
        "TGBT Q+NH 16 H S C",  // small print until the line-end mark
        "TGBT GDWLH 16 E H S C v2",
    }));
}

TEST_F(ReadingLoaderTest, TorahSectionsShareVersesWithTheMaftir) {
    sections.Kohen = "NUM1:1-1:2";
    sections.Levi = "NUM1:2-2:1";   // repeats the last verse of Kohen
    sections.Shvii = "NUM2:2-3:2";  // shortened where the Maftir begins
    sections.Maftir = "NUM3:1-3:2";
    loader.LoadReading("Nasso", "Shabbat", sections);
    EXPECT_EQ(Describe(table), (Lines{
        "Arial '[Nasso]' 20 purple E",
        "Arial '[Shabbat]' 20 purple E",
        "Arial 'Numbers' 20 grey E",
        "Arial '(1)' 14 blue",
        "Arial ' :1' 10",
        "TGBT BR)$YT 20 H S C",
        "TGBT BR) 20 H S C v1",
        "Arial ' :2' 10",
        "TGBT WH)RC 20 H S C",
        "TGBT HYTH 20 H S C",
        "TGBT THW 20 H S C p10-11",
        "TGBT WBHW 20 E H S C v2 p10-11",
        "TGBT ' פ' 20 E",
        "Arial '(The last verse of the previous aliyah is repeated as the first verse of this aliyah:)' 12 grey E",
        "TGBI '2' 24 purple rtl",
        "Arial ' :2' 10",
        "TGBT WH)RC 20 H S C",
        "TGBT HYTH 20 H S C",
        "TGBT THW 20 H S C p18-19",
        "TGBT WBHW 20 E H S C v1 p18-19",
        "Arial ' :3' 10",
        "TGBT ' וְיֹאמֶר' 14 red H C",
        "TGBT WY)MR 20 green H S",
        "TGBT )LHYM 20 H S C",
        "TGBT YHY 20 H S C",
        "TGBT )WR 20 H S C v1",
        "Arial ' :4' 10",
        "Arial ' a note' 12",
        "TGBT LMR)H 20 H S C v2",
        "Arial '(2)' 14 blue",
        "Arial ' :1' 10",
        "TGBT WZH 20 H S C",
        "TGBT HDBR 20 H S C v2",
        "TGBI '7' 24 purple rtl",
        "Arial ' :2' 10",
        "TGBT Q+NH 16 H S C",
        "TGBT GDWLH 16 E H S C v1",
        "Arial ' :3' 10",
        "TGBT KL 20 H S C p38-39",
        "TGBT H(M 20 H S C v1 p38-39",  // not a section end: the Shvii was cut short
        "TGBI '8' 24 purple rtl",
        "Arial '(3)' 14 blue",
        "Arial ' :1' 10",
        "TGBT )XD 20 H S C v1",
        "Arial ' :2' 10",
        "TGBT $NYM 20 H S C v3",
    }));
    EXPECT_EQ(table.Item(45)->letters->front().section, "Maftir");
    EXPECT_EQ(table.Item(16)->letters->front().section, "Levi");
}

TEST_F(ReadingLoaderTest, OnlyLeviAndChamishiMarkARepeatedVerse) {
    for (bool levi : {true, false}) {
        sections = {};
        sections.Kohen = "NUM1:1-1:2";
        (levi ? sections.Levi : sections.Shlishi) = "NUM1:2-1:3";
        loader.LoadReading("T", "", sections);
        const Lines d = Describe(table);
        const bool noted = std::any_of(d.begin(), d.end(), [](const std::string& line) {
            return line.find("previous aliyah is repeated") != std::string::npos;
        });
        EXPECT_EQ(noted, levi) << (levi ? "Levi" : "Shlishi");
    }
}

TEST_F(ReadingLoaderTest, MaftirFromAnotherPlaceGetsAHeadingChapterLabelAndClosedParagraph) {
    loader.wrapped = true;
    sections.Kohen = "NUM1:1-1:1";
    sections.Maftir = "NUM3:2-3:2";
    loader.LoadReading("T", "", sections);
    const Lines d = Describe(table);
    const Lines tail(d.end() - 7, d.end());
    EXPECT_EQ(tail, (Lines{
        "Arial '' 20 E",
        "Arial 'Numbers' 20 grey E",
        "TGBI '8' 24 purple rtl",
        "Arial '(3)' 14 blue",
        "TGBT ' ס' 20",
        "Arial ' :2' 10",
        "TGBT $NYM 20 H S C v3",
    }));
}

TEST_F(ReadingLoaderTest, ABookReadAgainWithinAReadingGivesItsWordsAndTranslations) {
    // The Maftir's book is read first (where the Maftir begins), then another book's
    // section, then the Maftir's book again: its words and translation lines are the same
    // as in a reading of the Maftir alone.
    auto maftirWords = [&] {
        Lines words;
        for (int i = 0; i < table.WordCount(); ++i) {
            const HxWord& w = *table.Item(i);
            if (w.text == "8") words.clear();
            if (!w.letters) continue;
            std::string d;
            for (const strucHebChar& c : *w.letters) d += c.letter;
            words.push_back(d + " " + std::to_string(w.size) + " " + loader.TranslationLine(w.letters->front().translation));
        }
        return words;
    };
    sections.Maftir = "NUM1:2-1:2";
    loader.LoadReading("T", "", sections);
    const Lines alone = maftirWords();
    ASSERT_EQ(alone, (Lines{"WH)RC 20 01:02 Second.\r", "HYTH 20 01:02 Second.\r", "THW 20 01:02 Second.\r",
                            "WBHW 20 01:02 Second.\r"}));

    sections.Kohen = "TRN1:1-1:2";
    loader.LoadReading("T", "", sections);
    EXPECT_EQ(maftirWords(), alone);
    EXPECT_TRUE(loader.Problems().empty());
}

TEST_F(ReadingLoaderTest, LongTitleOfAReadingWithoutAliyotIsCutAtItsColon) {
    sections.R[0] = "NUM3:1-3:1";
    sections.RNote[0] = "Read quietly";
    loader.LoadReading("Haftarah for the Sabbath of the New Moon: Isaiah 66", "Sub", sections);
    const Lines d = Describe(table);
    EXPECT_EQ(Lines(d.begin(), d.begin() + 4), (Lines{
        "Arial '[Haftarah for the Sabbath of the New Moon]' 20 purple E",
        "Arial ' Isaiah 66' 14 purple E",
        "Arial 'Numbers' 20 grey E",
        "Arial 'Read quietly' 10 grey E",
    }));
}

TEST_F(ReadingLoaderTest, BadReferencesAndMissingBooksShowLabelsButNoWords) {
    struct Case {
        const char* reference;
        Lines items;
        size_t problems;
    };
    const Case cases[] = {
        {"NUM9:1-9:5", {"Arial '[T]' 20 purple E", "Arial 'Numbers' 20 grey E"}, 1},
        {"NUM1:1-1:9", {"Arial '[T]' 20 purple E", "Arial 'Numbers' 20 grey E"}, 1},
        {"NUMx:1-9:5", {"Arial '[T]' 20 purple E", "Arial 'Numbers' 20 grey E"}, 1},
        {"GEN1:1-1:5", {"Arial '[T]' 20 purple E", "Arial 'Genesis ' 20 grey E"}, 1},
        {"N", {"Arial '[T]' 20 purple E", "Arial 'N' 20 grey E"}, 2},
        {"EMP1:1-1:5", {"Arial '[T]' 20 purple E", "Arial 'EMP' 20 grey E"}, 1},
    };
    for (const Case& c : cases) {
        sections.R[0] = c.reference;
        loader.LoadReading("T", "", sections);
        EXPECT_EQ(Describe(table), c.items) << c.reference;
        EXPECT_EQ(loader.Problems().size(), c.problems) << c.reference;
    }
    sections.R[0] = "NUM1:2-1:9";
    loader.LoadReading("T", "", sections);
    EXPECT_EQ(loader.Problems(),
              std::vector<std::string>{"R1: \"NUM1:2-1:9\" lies outside its book (chapter 1 has 4 verses)"});
}

TEST_F(ReadingLoaderTest, TruncatedBookLoadsWhatItHolds) {
    sections.R[0] = "TRN1:1-9:9";
    loader.LoadReading("T", "", sections);
    EXPECT_EQ(Describe(table), (Lines{
        "Arial '[T]' 20 purple E",
        "Arial 'TRN' 20 grey E",
        "Arial '(1)' 14 blue",
        "Arial ' :1' 10",
        "TGBT BR)$YT 20 H S C",
        "TGBT BR) 20 H S C v1",
        "Arial ' :2' 10",
        "TGBT WH)RC 20 H S C",
        "TGBT HYT 20 H S C",  // the word cut off at the end of the file
    }));
    EXPECT_TRUE(loader.Problems().empty());
}

TEST(ReadingLoader, TranslationKeysPadOneDigitNumbers) {
    TWordTable table;
    TReadingLoader loader(kData, table);
    loader.ReadBook("NUM");
    EXPECT_EQ(loader.FindTranslationLine(2, 1), 1);
    EXPECT_EQ(loader.TranslationLine(1), "02:01 Chapter two.\r");
    EXPECT_EQ(loader.FindTranslationLine(12, 119), 0);
    EXPECT_EQ(loader.FindTranslationLine(1, 1), 2);  // the list grows with every lookup
    EXPECT_EQ(loader.TranslationLine(0), "");
    EXPECT_EQ(loader.TranslationLine(3), "");
}

TEST(ReadingLoader, TranslationKeysAreFoundWhereTheyFirstStand) {
    // A key stands wherever its digits do, also inside a longer number or a line's text.
    struct Case {
        int chapter, verse;
        const char* line;
    };
    const Case cases[] = {
        {1, 2, "01:02 Second.\r"},
        {119, 176, "119:176 and 07:08.\r"},
        {19, 17, "19:176 and 07:08.\r"},
        {119, 17, "119:176 and 07:08.\r"},
        {7, 8, "07:08.\r"},
        {11, 17, nullptr},
        {1, 1760, nullptr},
        {-1, 1, nullptr},
    };
    TWordTable table;
    TReadingLoader loader(kData, table);
    loader.ReadBook("NUM");
    for (const Case& c : cases) {
        const int n = loader.FindTranslationLine(c.chapter, c.verse);
        EXPECT_EQ(n == 0 ? "" : loader.TranslationLine(n), c.line ? c.line : "") << c.chapter << ":" << c.verse;
    }
}

TEST(BookFacts, VerseEndKinds) {
    struct Case {
        const char* book;
        int chapter, verse;
        bool last;
        int kind;
    };
    const Case cases[] = {
        {"GEN", 50, 26, false, kBookEnd},  {"DEU", 34, 12, true, kBookEnd},
        {"GEN", 50, 25, true, 0},          {"EST", 10, 3, false, kChapterEnd},
        {"RUT", 2, 23, false, kChapterEnd}, {"LAM", 5, 21, true, kChapterEnd},
        {"LAM", 5, 21, false, 0},          {"LAM", 5, 22, true, 0},
        {"QOH", 12, 13, true, kChapterEnd}, {"QOH", 12, 13, false, 0},
        {"SOS", 3, 11, false, kChapterEnd}, {"ISA", 66, 24, true, 0},
        {"EST", 11, 1, true, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VerseEndKind(c.book, c.chapter, c.verse, c.last), c.kind) << c.book << c.chapter << ":" << c.verse;
}

TEST(BookFacts, EichahAndKoholesCloseWithTheVerseBeforeTheLast) {
    const struct { const char* reference; const char* repeat; } cases[] = {
        {"LAM1:1-5:22", "LAM5:21-5:21"}, {"lam5:1-5:22", "LAM5:21-5:21"},
        {"QOH1:1-12:14", "QOH12:13-12:13"},
        {"LAM5:21-5:21", ""},   // the repeat itself, or a reading already ending with it
        {"LAM1:1-5:2", ""},     // another verse of the chapter
        {"LAM1:1-15:22", ""},   // not chapter 5
        {"EST1:1-5:22", ""},    // another book
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ClosingRepeat(c.reference), c.repeat) << c.reference;
}

TEST(BookFacts, DisplayNames) {
    EXPECT_EQ(BookDisplayName("GE1"), "Genesis ");
    EXPECT_EQ(BookDisplayName("EZE"), "Ezekial");
    EXPECT_EQ(BookDisplayName("LA1"), "Eichah/Lamentations");
    EXPECT_EQ(BookDisplayName("CLA"), "Te'amim Clause Examples - Academic Trope Names");
    EXPECT_EQ(BookDisplayName("PSA"), "PSA");
    EXPECT_EQ(BookDisplayName("E"), "E");
}

}  // namespace
}  // namespace lyrasta
