#include "chant/song_builder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "chant/sung_text.h"
#include "chant/tests/test_words.h"
#include "text/random.h"

namespace lyrasta {
namespace {

using ::testing::ElementsAre;
using namespace testing_words;
using Notes2 = std::vector<std::vector<int>>;

struct Verse {
    const char* book;
    int chapter;
    int verse;
};

class SongBuilder : public ::testing::Test {
protected:
    void SetUp() override {
        SetRandomDraw([](int n) { return n == 3 ? 2 : 0; });
        docs_.LoadTropeDefinitions(std::string(LYRASTA_TEST_DATA) + "/builder", nullptr);
        styles_.BuildStyleCatalogue({{"Torah", "Test"}, {"Haftarah", "Navi"}, {"Eichah", "Kinah"}});
        styles_.SetReadingTypes("Torah", "");
        ASSERT_TRUE(styles_.ChooseReadingStyles());
    }
    void TearDown() override { SetRandomDraw({}); }

    void Add(LetterList letters, Verse at, int group = 0) {
        letters.front().book = at.book;
        letters.front().chapter = at.chapter;
        letters.front().verse = at.verse;
        table_.AddWord({.text = "w", .font = "TGBT", .size = 20, .hebrew = true, .sung = true,
                        .letters = std::make_unique<LetterList>(std::move(letters))});
        table_.SetTropeGroupOf(table_.WordCount() - 1, group);
    }
    void AddLabel() {
        table_.AddWord({.text = "1", .font = "Arial", .size = 10});
    }

    bool Build(strucSongParams params = {}) {
        return BuildSong(table_, styles_, params, [this](const std::string& c, const std::string& t) {
            shown_.push_back(c + "|" + t);
        });
    }

    const LetterList& Letters(int item) { return *table_.OwnLetters(item); }
    Notes2 NotesOf(int item) {
        Notes2 out;
        for (const strucHebChar& c : Letters(item)) out.push_back(Pitches(c));
        return out;
    }
    // The main melody's note of each sung word (the last note of the word).
    std::vector<int> LastNotes() {
        std::vector<int> out;
        for (int i = 0; i < table_.WordCount(); ++i) {
            const LetterList* l = table_.OwnLetters(i);
            if (!l) continue;
            int last = 0;
            for (const strucHebChar& c : *l)
                if (!c.notes.empty()) last = c.notes.back().pitch;
            out.push_back(last);
        }
        return out;
    }

    TTropeDefinitions docs_;
    std::vector<std::string> shown_;
    TMelodyStyles styles_{docs_, [this](const std::string& c, const std::string& t) { shown_.push_back(c + "|" + t); }};
    TWordTable table_;
};

const Verse kPlain{"GEN", 2, 1};

TEST_F(SongBuilder, WordCasesPlaceTheirMelodiesAndExplainThem) {
    const struct {
        const char* name;
        std::map<int, const char*> accents;
        int stress;
        const char* comment;
        Notes2 notes;
    } rows[] = {
        {"K one trope", {{2, "80"}}, 2, "Zakef Katon.\r\n", {{99}, {99}, {105}}},
        {"D servant and lord", {{0, "74"}, {2, "80"}}, 2, "Shofar Holech with Zakef Katon.\r\n", {{101}, {99}, {105}}},
        {"B sof pasuk sings its silluq", {{1, "75"}, {2, "00"}}, 1, "Sof Pasuk\r\n", {{99}, {103}, {103}}},
        {"C pesik sings the trope before it, by its shown name", {{1, "74"}, {2, "05"}}, 1, "Munach\r\n", {{99}, {101}, {101}}},
        {"F two lords are switched", {{0, "91"}, {2, "81"}}, 2,
         "Revii with Tevir.\r\nNote: The two lord tropes on one word are switched when sung.\r\n", {{106}, {99}, {107}}},
        {"G mayela", {{0, "73"}, {2, "92"}}, 2,
         "Etnachta with Tipcha.\r\nNote: The Tipcha on the same word as Etnachta is called a MAYELA, but is chanted "
         "like a Tipcha.\r\n",
         {{102}, {99}, {104}}},
        {"H silluq with mercha", {{0, "71"}, {2, "75"}}, 2, "Sof Pasuk with Mercha.", {{113}, {99}, {103}}},
        {"I doubled segol", {{1, "31"}, {2, "01"}}, 1,
         "Segol always appears to left of a word. The Segol on the right indicates the syllable where the trope is "
         "sung.\r\n",
         {{99}, {108}, {108}}},
        {"J doubled telisha gedola", {{0, "14"}, {1, "44"}}, 1,
         "Telisha Gedola always appears to right of a word. The Telisha Gedola on the left indicates the syllable "
         "where the trope is sung.\r\n",
         {{99}, {109}, {109}}},
        {"E double pashta", {{1, "33"}, {2, "03"}}, 1, "Double Pashta.\r\n", {{99}, {112}, {110}}},
        {"K a servant written twice is sung once", {{0, "74"}, {2, "74"}}, 2, "Munach.\r\n", {{99}, {99}, {101}}},
        {"L no trope", {}, 1, "", {{}, {}, {}}},
    };
    for (const auto& r : rows) {
        table_.Clear();
        Add(OpenSyllables(3, r.accents, r.stress), kPlain);
        ASSERT_TRUE(Build()) << r.name;
        EXPECT_EQ(Letters(0).back().comment, r.comment) << r.name;
        EXPECT_EQ(NotesOf(0), r.notes) << r.name;
    }
    EXPECT_TRUE(shown_.empty());
}

TEST_F(SongBuilder, WordWithoutSongKeepsNoText) {
    Add(OpenSyllables(2, {}, 1), kPlain);
    ASSERT_TRUE(Build());
    for (const strucHebChar& c : Letters(0)) EXPECT_EQ(c.synth, "");
}

TEST_F(SongBuilder, NeighboursSkipLabelsAndChooseTheServantsVariant) {
    // munach before tipcha, munach before sof pasuk; a verse number between them
    Add(OpenSyllables(2, {{1, "74"}}, 1), kPlain, 1);
    AddLabel();
    Add(OpenSyllables(2, {{1, "73"}}, 1), kPlain, 1);
    Add(OpenSyllables(2, {{1, "74"}}, 1), kPlain, 1);
    Add(OpenSyllables(2, {{0, "75"}, {1, "00"}}, 0), kPlain, 1);
    ASSERT_TRUE(Build());
    EXPECT_THAT(LastNotes(), ElementsAre(111, 102, 101, 103));
    // A servant pauses briefly, a lord by its divisor: 1500 ms / 6 / 2.
    EXPECT_THAT(Letters(0).back().synth, ::testing::EndsWith("_<8,>"));
    EXPECT_THAT(Letters(2).back().synth, ::testing::EndsWith("_<125,>"));
}

TEST_F(SongBuilder, JoinedPairIsSungOnceIntoItsOwnItems) {
    // A maqaf pair: the two items are sung as one word and keep their own letters.
    LetterList first = OpenSyllables(1, {}, -1);
    LetterList second = OpenSyllables(2, {{1, "80"}}, 1);
    first.front().book = "GEN";
    first.front().chapter = 2;
    first.front().verse = 1;
    table_.AddWord({.text = "a", .font = "TGBT", .size = 20, .hebrew = true, .sung = true,
                    .pairing = kPairOpen, .letters = std::make_unique<LetterList>(first)});
    table_.AddWord({.text = "b", .font = "TGBT", .size = 20, .hebrew = true, .sung = true,
                    .pairing = kPairClose, .letters = std::make_unique<LetterList>(second)});
    ASSERT_TRUE(Build());
    EXPECT_EQ(Pitches(Letters(0)[0]), (std::vector<int>{99}));
    EXPECT_EQ(Pitches(Letters(1)[1]), (std::vector<int>{105}));
    EXPECT_EQ(Letters(1).back().comment, "Zakef Katon.\r\n");
}

TEST_F(SongBuilder, WordsWithoutAnAccentLeadIntoTheNextWord) {
    // et-kol-esev: a maqaf chain of three, and a ketiv's qere without an accent of its own
    // before a word with one: the unaccented words are sung as upbeats of the accented
    // word, each into its own item, and the verse ends with the reader's long breath.
    auto add = [&](LetterList letters, int pairing) {
        letters.front().book = "GEN";
        letters.front().chapter = 2;
        letters.front().verse = 1;
        table_.AddWord({.text = "w", .font = "TGBT", .size = 20, .hebrew = true, .sung = true,
                        .pairing = pairing, .letters = std::make_unique<LetterList>(std::move(letters))});
    };
    add(OpenSyllables(1, {}, -1), kPairOpen);
    add(OpenSyllables(1, {}, -1), kPairClose);
    add(OpenSyllables(2, {{1, "80"}}, 1), kPairNone);
    add(OpenSyllables(2, {}, -1), kPairNone);
    add(OpenSyllables(2, {{0, "75"}, {1, "00"}}, 0), kPairNone);
    ASSERT_TRUE(Build());
    for (int item : {0, 1, 3}) {
        bool sung = false;
        for (const strucHebChar& c : Letters(item)) sung = sung || !c.notes.empty();
        EXPECT_TRUE(sung) << "item " << item;
    }
    EXPECT_EQ(NotesOf(2), (Notes2{{99}, {105}}));
    EXPECT_EQ(Letters(2).back().comment, "Zakef Katon.\r\n");
    EXPECT_EQ(Letters(0).back().comment, "");
    // 1500 ms / 0.625 / 2 after the verse; the lead-in word does not pause before its word.
    EXPECT_THAT(Letters(4).back().synth, ::testing::EndsWith("_<1200,>"));
    EXPECT_THAT(Letters(3).back().synth, ::testing::Not(::testing::HasSubstr("_<")));
}

TEST_F(SongBuilder, SpecialMelodyItemsOfAVerse) {
    // Genesis 1:1: word 1 is covered by an attribute item that the next item (out of
    // range) clears again; word 2 gets a tip; word 3 its attribute.
    for (int i = 0; i < 3; ++i) Add(OpenSyllables(2, {{1, "74"}}, 1), {"GEN", 1, 1});
    // Exodus 15:1: the verse's own melody, by word position.
    for (int i = 0; i < 3; ++i) Add(OpenSyllables(2, {{1, "74"}}, 1), {"EXO", 15, 1});
    ASSERT_TRUE(Build());
    EXPECT_THAT(LastNotes(), ElementsAre(101, 101, 121, 201, 202, 101));
    EXPECT_EQ(Letters(0).front().comment, "[Use a melody for this word.]");
    EXPECT_EQ(Letters(1).front().comment, "[In the beginning]");
    EXPECT_EQ(Letters(2).front().comment, "[Use b melody for this word.]");
    EXPECT_EQ(Letters(3).front().comment, "[A special melody is used for this verse.]");
    EXPECT_EQ(Letters(3).back().comment, "");  // row A tells nothing more
    const bool underlined[] = {true, true, true, true, true, false};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(table_.Item(i)->underline, underlined[i]) << i;
}

TEST_F(SongBuilder, EndOfAliyahAndGroupNumbersReachTheRules) {
    Add(OpenSyllables(2, {{0, "75"}, {1, "00"}}, 0), kPlain, 4);
    Add(OpenSyllables(2, {{0, "75"}, {1, "00"}}, 0), kPlain, 1);
    ASSERT_TRUE(Build());
    EXPECT_THAT(LastNotes(), ElementsAre(131, 103));
}

TEST_F(SongBuilder, PesikDecidesLegarmeh) {
    const struct { const char* name; const char* bracket; int group; bool option; int sung; const char* note; } rows[] = {
        {"marked legarmeh", "+", 0, false, 114, "Masoretic note: This munach is Legarmeh\r\n"},
        {"marked plain munach", "-", 7, false, 101, "Masoretic note: This munach is not Legarmeh\r\n"},
        {"before revia", "", 7, false, 114, ""},
        {"before revia, option on", "", 7, true, 101, ""},
        {"elsewhere", "", 3, false, 101, ""},
    };
    for (const auto& r : rows) {
        table_.Clear();
        Add(OpenSyllables(2, {{1, "80"}}, 1), kPlain, 3);
        LetterList pesik = OpenSyllables(2, {{0, "74"}, {1, "05"}}, 0);
        pesik.back().bracket = r.bracket;
        Add(pesik, kPlain, r.group);
        strucSongParams params;
        params.notLegarmehBeforeRevia = r.option;
        ASSERT_TRUE(Build(params));
        EXPECT_THAT(LastNotes(), ElementsAre(105, r.sung)) << r.name;
        EXPECT_EQ(Letters(1).front().comment, r.note) << r.name;
    }
}

TEST_F(SongBuilder, ElisionSingsTheNextUpbeatOnTheLastSyllable) {
    // A munach stressed on its last syllable before a word stressed on its first.
    Add(OpenSyllables(2, {{1, "74"}}, 1), kPlain, 2);
    Add(OpenSyllables(2, {{0, "92"}}, 0), kPlain, 2);
    strucSongParams params;
    params.enableElisions = true;
    ASSERT_TRUE(Build(params));
    EXPECT_EQ(Letters(0).back().comment,
              "Munach.\r\nChant the upbeat note of the next word on the last syllable of this word. (Elision)\r\n");
    EXPECT_EQ(Pitches(Letters(0).back()), (std::vector<int>{101, 99}));

    table_.Clear();  // off by the setting
    Add(OpenSyllables(2, {{1, "74"}}, 1), kPlain, 2);
    Add(OpenSyllables(2, {{0, "92"}}, 0), kPlain, 2);
    ASSERT_TRUE(Build());
    EXPECT_EQ(Letters(0).back().comment, "Munach.\r\n");
}

TEST_F(SongBuilder, IsaiahOneIsChantedInTheSecondMelody) {
    styles_.SetReadingTypes("Haftarah", "Eichah");
    ASSERT_TRUE(styles_.ChooseReadingStyles());
    for (int verse : {1, 2, 26, 27}) Add(OpenSyllables(2, {{1, "73"}}, 1), {"ISA", 1, verse});
    strucSongParams params;
    params.pitchOffset = 2;  // the main style's bend: the voice and the user add nothing
    ASSERT_TRUE(Build(params));
    EXPECT_THAT(LastNotes(), ElementsAre(161, 171, 171, 161));
    // The lament style bends 5 half tones down: its notes sound at 171 - 5.
    EXPECT_NE(Letters(1)[1].synth.find(std::to_string(5000 + HzOfPitch(166))), std::string::npos);
    EXPECT_NE(Letters(3)[1].synth.find(std::to_string(5000 + HzOfPitch(163))), std::string::npos);
}

TEST_F(SongBuilder, FailedSwitchToTheSecondMelodyStopsTheBuild) {
    styles_.SetReadingTypes("Haftarah", "Eichah");
    ASSERT_TRUE(styles_.ChooseReadingStyles());
    styles_.SetReadingTypes("Haftarah", "Tehillim");  // a second type without styles
    for (int verse : {1, 2}) Add(OpenSyllables(2, {{1, "73"}}, 1), {"ISA", 1, verse});
    EXPECT_FALSE(Build());
    EXPECT_THAT(LastNotes(), ElementsAre(161, 0));
    EXPECT_THAT(shown_, ElementsAre(::testing::StartsWith("Parse Error getting style|")));
}

TEST_F(SongBuilder, ForcedVerseOfAnExercise) {
    Add(OpenSyllables(2, {{1, "74"}}, 1), kPlain);
    Add(OpenSyllables(2, {{1, "74"}}, 1), kPlain);
    strucSongParams params;
    params.forceBook = "EXO";
    params.forceChapter = 15;
    params.forceVerse = 1;
    ASSERT_TRUE(Build(params));
    EXPECT_THAT(LastNotes(), ElementsAre(201, 202));
    EXPECT_EQ(Letters(0).front().book, "EXO");
}

TEST(SongOfMoses, MarkersOfTheSongOfTheSea) {
    const struct { int chapter, verse; bool sofPasuk, afterEtnachta; int group; int markers; } rows[] = {
        {15, 3, true, false, 1, 1 | 256},
        {15, 2, true, false, 1, 1 | 4 | 8 | 128},
        {14, 29, true, false, 1, 1 | 2 | 256},
        {14, 31, true, false, 4, 1 | 2 | 128},
        {14, 31, false, true, 3, 1 | 512},
        {15, 1, false, true, 3, 64 | 1 | 4},
        {15, 1, false, false, 2, 32},
        {15, 2, false, true, 3, 512 | 1 | 4 | 8},
        {15, 6, false, false, 3, 16},
        {15, 13, true, false, 1, 1 | 4},
        {15, 20, true, false, 1, 0},
        {16, 1, true, false, 1, 0},
    };
    for (const auto& r : rows)
        EXPECT_EQ(SongOfMosesMarkers(r.chapter, r.verse, r.sofPasuk, r.afterEtnachta, r.group), r.markers)
            << r.chapter << ":" << r.verse;
}

TEST(SongOfMoses, JourneysAndCreationDays) {
    EXPECT_EQ(Journey("NUM", 10, 27), 1);
    EXPECT_EQ(Journey("NUM", 10, 24), 2);
    EXPECT_EQ(Journey("NUM", 33, 46), 2);
    EXPECT_EQ(Journey("NUM", 33, 37), 0);
    EXPECT_EQ(Journey("DEU", 10, 15), 0);
    EXPECT_TRUE(CreationDay("Simchas Torah - Chatan Bereshit", 1, "GEN", 1, 31));
    EXPECT_FALSE(CreationDay("Simchas Torah", 4, "GEN", 1, 31));
    EXPECT_FALSE(CreationDay("Bereshit", 1, "GEN", 1, 31));
    EXPECT_FALSE(CreationDay("Simchas Torah", 1, "GEN", 1, 30));
}

}  // namespace
}  // namespace lyrasta
