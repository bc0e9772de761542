#include "chant/note_placement.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "chant/tests/test_words.h"
#include "text/random.h"

namespace lyrasta {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using namespace testing_words;

class NotePlacement : public ::testing::Test {
protected:
    NotePlacement() { SetRandomDraw([](int n) { return n == 3 ? 2 : 0; }); }  // no variation
    ~NotePlacement() override { SetRandomDraw({}); }
};

// da-VAR: two syllables, stress on the last.
LetterList Davar() {
    return Word({{"D", "~d", "~ah", true, true}, {"B", "~v", "~ah", true, false}, {"R", "~r", "", false, true}});
}

// ME-lech: stress on the first of two syllables.
LetterList Melech() {
    return Word({{"M", "~m", "~eh", true, true}, {"L", "~l", "~eh", true, false}, {"K", "~kh", "", false, true}});
}

TEST_F(NotePlacement, OneSyllableWordSingsTheMainNotesAndDropsTheUpbeats) {
    LetterList w = Word({{"K", "~k", "~ih", true, true}});
    const Melody m = Notes({{"f", 8, true}, {"g"}, {"a"}});
    strucPlacement p;
    p.main = &m;
    p.mainSyllable = 1;
    PlaceNotes(w, p);
    EXPECT_THAT(Pitches(w[0]), ElementsAre(20, 22));
    EXPECT_THAT(w[0].synth, ::testing::StartsWith("~k<20,5196>~k<,5196>~ih<50,5196>"));
}

TEST_F(NotePlacement, MileilWordPutsTheLastMainNoteOnTheLastSyllable) {
    const Melody rising = Notes({{"g"}, {"a"}});
    const Melody falling = Notes({{"a"}, {"g"}});
    const struct { const char* name; const Melody* melody; bool adjust; std::vector<int> stressed, last; } rows[] = {
        {"falling", &falling, true, {22}, {20}},
        {"rising, not adjusted", &rising, false, {20}, {22}},
        {"rising, adjusted: both on the stress, the high note repeated", &rising, true, {20, 22}, {22}},
    };
    for (const auto& r : rows) {
        LetterList w = Melech();
        strucPlacement p;
        p.main = r.melody;
        p.mainSyllable = 1;
        p.adjustHighMileil = r.adjust;
        PlaceNotes(w, p);
        EXPECT_EQ(Pitches(w[0]), r.stressed) << r.name;
        EXPECT_EQ(Pitches(w[1]), r.last) << r.name;
        // A syllable after the stress that is the word's last is not shortened.
        EXPECT_THAT(Lengths(w[1]), ::testing::Each(4)) << r.name;
    }
}

TEST_F(NotePlacement, SurplusUpbeatsGoToTheLastPretonicSyllableUnlessTruncated) {
    const Melody m = Notes({{"c", 8, true}, {"d", 8, true}, {"e", 8, true}, {"g"}});
    const struct { bool truncate; std::vector<int> pretonic; } rows[] = {
        {false, {13, 15, 17}},
        {true, {17}},
    };
    for (const auto& r : rows) {
        LetterList w = Davar();
        strucPlacement p;
        p.main = &m;
        p.mainSyllable = 2;
        p.truncateExtraUpbeats = r.truncate;
        PlaceNotes(w, p);
        EXPECT_EQ(Pitches(w[0]), r.pretonic) << r.truncate;
        EXPECT_THAT(Pitches(w[1]), ElementsAre(20)) << r.truncate;
    }
}

TEST_F(NotePlacement, PretonicSyllablesRecountFromTheStress) {
    // ve-ha-a-RETS: three pretonic syllables, two upbeats: the first syllables repeat the
    // first upbeat, the syllable before the stress takes the second.
    LetterList w = Word({{"W", "~v", "~eh", true, true},
                         {"H", "~h", "~ah", true, true},
                         {")", "", "~ah", true, true},
                         {"R", "~r", "~eh", true, false},
                         {"C", "~ts", "", false, true}});
    const Melody m = Notes({{"c", 4, true}, {"d", 4, true}, {"e"}});
    strucPlacement p;
    p.main = &m;
    p.mainSyllable = 4;
    PlaceNotes(w, p);
    EXPECT_THAT(Pitches(w[0]), ElementsAre(13));
    EXPECT_THAT(Pitches(w[1]), ElementsAre(13));
    EXPECT_THAT(Pitches(w[2]), ElementsAre(15));
    EXPECT_THAT(Pitches(w[3]), ElementsAre(17));
}

TEST_F(NotePlacement, UpbeatsAreShortenedByTheNumberOfPretonicSyllables) {
    // Three pretonic syllables, factor 10: an upbeat lasts beat / (divisor x 1.2), or
    // x 1.3 when its rhythm follows the previous word.
    const Melody m = Notes({{"c", 10, true}, {"e"}});
    const Melody before = Notes({{"d"}});
    const struct { const char* name; double factor; bool link; int length; const char* ms; } rows[] = {
        {"default factor", 10, false, 12, "<75,"},    // 1500/10 = 150, /1.2 = 125
        {"rhythm linked", 10, true, 13, "<65,"},      // 150 / 1.3 = 115
        {"factor 0 falls back to 10", 0, false, 12, "<75,"},
        {"negative factor falls back to 10", -3, false, 12, "<75,"},
    };
    for (const auto& r : rows) {
        LetterList w = Word({{"W", "~v", "~eh", true, true},
                             {"H", "~h", "~ah", true, true},
                             {"M", "~m", "~ah", true, true},
                             {"R", "~r", "~eh", true, true}});
        strucPlacement p;
        p.main = &m;
        p.mainSyllable = 4;
        p.upbeatFactor = r.factor;
        p.previous = &before;
        p.rhythmFromPrevious = r.link;
        PlaceNotes(w, p);
        EXPECT_THAT(Lengths(w[0]), ElementsAre(r.length)) << r.name;
        EXPECT_THAT(w[0].synth, HasSubstr(r.ms)) << r.name;
    }
}

TEST_F(NotePlacement, TiedUpbeatPushesLaterSyllablesOneNoteOn) {
    LetterList w = Word({{"W", "~v", "~eh", true, true},
                         {"H", "~h", "~ah", true, true},
                         {"M", "~m", "~ah", true, true},
                         {"R", "~r", "~eh", true, true}});
    const Melody m = Notes({{"c", 8, true, false, true}, {"d", 8, true}, {"e", 8, true}, {"g"}});
    strucPlacement p;
    p.main = &m;
    p.mainSyllable = 4;
    PlaceNotes(w, p);
    EXPECT_THAT(Pitches(w[0]), ElementsAre(13, 15));
    EXPECT_THAT(Pitches(w[1]), ElementsAre(15));
    EXPECT_THAT(Pitches(w[2]), ElementsAre(17));
    EXPECT_THAT(Pitches(w[3]), ElementsAre(20));
}

TEST_F(NotePlacement, PitchLinkStartsOnThePreviousWordsLastNote) {
    LetterList w = Davar();
    const Melody m = Notes({{"c", 8, true}, {"g"}});
    const Melody before = Notes({{"a"}, {"e"}});
    strucPlacement p;
    p.main = &m;
    p.mainSyllable = 2;
    p.previous = &before;
    p.pitchFromPrevious = true;
    PlaceNotes(w, p);
    EXPECT_THAT(Pitches(w[0]), ElementsAre(17));
}

TEST_F(NotePlacement, ElisionSingsTheNextWordsFirstNoteUnlessItRepeatsThePitch) {
    const Melody m = Notes({{"g"}, {"a"}});
    const Melody differs = Notes({{"c", 8, true}, {"e"}});
    const Melody same = Notes({{"a", 8, true}, {"e"}});
    const struct { const char* name; const Melody* next; int mode; std::vector<int> last; } rows[] = {
        {"next starts lower", &differs, 1, {20, 22, 13}},
        {"next starts on the same pitch", &same, 0, {20, 22}},
    };
    for (const auto& r : rows) {
        LetterList w = Davar();
        strucPlacement p;
        p.main = &m;
        p.mainSyllable = 2;
        p.elision = 1;
        p.next = r.next;
        PlaceNotes(w, p);
        EXPECT_EQ(p.elision, r.mode) << r.name;
        EXPECT_EQ(Pitches(w[1]), r.last) << r.name;
    }
}

TEST_F(NotePlacement, TwoTropesOnDifferentSyllablesAreSungInTwoPasses) {
    // me-RE-ka: mahpach-like first trope on the first syllable, main on the second.
    LetterList w = Word({{"M", "~m", "~eh", true, true},
                         {"R", "~r", "~eh", true, true},
                         {"K", "~kh", "~ah", true, true}});
    const Melody first = Notes({{"e"}, {"d"}});
    const Melody main = Notes({{"c", 8, true}, {"g"}, {"f"}});
    strucPlacement p;
    p.twoTropes = true;
    p.first = &first;
    p.firstSyllable = 1;
    p.main = &main;
    p.mainSyllable = 2;
    PlaceNotes(w, p);
    EXPECT_THAT(Pitches(w[0]), ElementsAre(17, 15));
    EXPECT_THAT(Pitches(w[1]), ElementsAre(20));
    EXPECT_THAT(Pitches(w[2]), ElementsAre(18));
    EXPECT_THAT(w[0].synth, ::testing::EndsWith("~eh<325,5147>"));  // no ornament mid-word
}

TEST_F(NotePlacement, TwoTropesOnOneSyllableFollowEachOtherOnIt) {
    LetterList w = Davar();
    const Melody first = Notes({{"e"}});
    const Melody main = Notes({{"g"}, {"a"}});
    strucPlacement p;
    p.twoTropes = true;
    p.first = &first;
    p.firstSyllable = 2;
    p.main = &main;
    p.mainSyllable = 2;
    PlaceNotes(w, p);
    EXPECT_THAT(Pitches(w[1]), ElementsAre(17, 20, 22));
    EXPECT_EQ(std::count(w[1].synth.begin(), w[1].synth.end(), 'v'), 2);  // consonant once, bare and marked
}

TEST_F(NotePlacement, VerseEndFallsAfterTheLastNoteThenPauses) {
    LetterList w = Word({{"D", "~d", "~ah", true, true}, {"B", "~v", "~ah", true, false, "00"},
                         {"R", "~r", "", false, true}});
    const Melody m = Notes({{"d"}, {"c"}});
    strucPlacement p;
    p.main = &m;
    p.mainSyllable = 2;
    p.tempo = 140;
    p.pauseDivisor = 6;
    PlaceNotes(w, p);
    EXPECT_THAT(w[1].synth, ::testing::EndsWith("~ah<10,3131>~ah<10,1131>"));
    EXPECT_THAT(w[2].synth, ::testing::EndsWith("_<71,>"));
}

TEST_F(NotePlacement, VerseFallsOnTheLastSungVowelWhenTheMarkStandsOnASilentLetter) {
    // e-RETS: the verse-end mark stands on the tsade, which has no vowel; the fall is sung
    // on the stressed vowel, before the closing consonant, and the pause ends the word.
    LetterList w = Word({{")", "", "~eh", true, true}, {"R", "~r", "~eh", true, false, "75"},
                         {"C", "~ts", "", false, true, "00"}});
    w[1].stress = true;
    const Melody m = Notes({{"d"}, {"c"}});
    strucPlacement p;
    p.main = &m;
    p.mainSyllable = 2;
    p.tempo = 140;
    p.pauseDivisor = 0.625;
    PlaceNotes(w, p);
    EXPECT_THAT(w[1].synth, ::testing::EndsWith("~eh<10,3131>~eh<10,1131>"));
    EXPECT_THAT(w[2].synth, ::testing::Not(HasSubstr("<10,3")));
    EXPECT_THAT(w[2].synth, ::testing::EndsWith("_<686,>"));
}

TEST_F(NotePlacement, ReducedVowelsAreSungAsAThirdOfTheirNote) {
    // be-RE-shit with its vocal shva, and a chataf patach, against a full vowel: the same
    // upbeat (1500 ms / 10 = 150 ms) lasts a third on the reduced vowels.
    const Melody m = Notes({{"c", 10, true}, {"e"}});
    const struct { const char* vowel; bool vocal; int length; const char* ms; } rows[] = {
        {"", false, 10, "<100,"},   // full vowel: 150 ms
        {":", true, 30, "<25,"},    // vocal shva: 50 ms
        {":A", false, 30, "<25,"},  // chataf patach: 50 ms
    };
    for (const auto& r : rows) {
        LetterList w = Word({{"B", "~b", "~eh", true, true}, {"R", "~r", "~ey", true, false}, {"$", "~sh", "", false, true}});
        w[0].vowel = r.vowel;
        w[0].variant = r.vocal;
        strucPlacement p;
        p.main = &m;
        p.mainSyllable = 2;
        PlaceNotes(w, p);
        EXPECT_THAT(Lengths(w[0]), ElementsAre(r.length)) << r.vowel;
        EXPECT_THAT(w[0].synth, HasSubstr(r.ms)) << r.vowel;
    }
}

TEST_F(NotePlacement, WordEndPauseFollowsTheDivisor) {
    const struct { double divisor; const char* pause; } rows[] = {
        {0.625, "_<686,>"}, {2, "_<214,>"}, {0, "_<4,>"}, {6, "_<71,>"}};
    const Melody m = Notes({{"g"}});
    for (const auto& r : rows) {
        LetterList w = Davar();
        strucPlacement p;
        p.main = &m;
        p.mainSyllable = 2;
        p.tempo = 140;  // beat 857 ms
        p.pauseDivisor = r.divisor;
        PlaceNotes(w, p);
        EXPECT_THAT(w[2].synth, ::testing::EndsWith(r.pause)) << r.divisor;
    }
}

TEST_F(NotePlacement, MissingDurationsAndNotesAreGuarded) {
    // A note without a duration sings as a quarter; a missing melody sings nothing but
    // still ends the word with its pause.
    LetterList w = Davar();
    Melody m = Notes({{"g", 0}});
    strucPlacement p;
    p.main = &m;
    p.mainSyllable = 2;
    PlaceNotes(w, p);
    EXPECT_THAT(Lengths(w[1]), ElementsAre(4));
    EXPECT_THAT(w[1].synth, HasSubstr("<325,"));  // 1500/4 = 375 ms

    LetterList silent = Davar();
    strucPlacement none;
    none.mainSyllable = 2;
    PlaceNotes(silent, none);
    for (const strucHebChar& c : silent) EXPECT_TRUE(c.notes.empty());
    EXPECT_THAT(silent[2].synth, ::testing::EndsWith("_<8,>"));
}

TEST_F(NotePlacement, StressBeforeTheFirstTropeIsReportedAndSkipped) {
    // The first of two tropes whose syllable never ends: the letters after it cannot be
    // placed and the user is told which word.
    LetterList w = Word({{"M", "~m", "~eh", true, true}, {"L", "~l", "~eh", true, true}});
    const Melody m = Notes({{"g"}});
    std::vector<std::string> shown;
    strucPlacement p;
    p.main = &m;
    p.mainSyllable = 2;
    p.twoTropes = true;
    p.first = &m;
    p.firstSyllable = 1;
    p.wordNumber = 42;
    w[0].sylEnd = false;  // no syllable end: the first pass runs past its syllable
    p.message = [&](const std::string& caption, const std::string& text) { shown.push_back(caption + "|" + text); };
    PlaceNotes(w, p);
    EXPECT_THAT(shown, ElementsAre("Contact manufacturer.|42: invalid syllable cases: "));
}

TEST_F(NotePlacement, PercentWordIsNotSung) {
    LetterList w = Word({{"%", "", "", true, true}});
    const Melody m = Notes({{"g"}});
    strucPlacement p;
    p.main = &m;
    p.mainSyllable = 1;
    PlaceNotes(w, p);
    EXPECT_EQ(w[0].synth, "");
}

}  // namespace
}  // namespace lyrasta
