#include "text/word_table.h"

#include <gtest/gtest.h>

#include <limits>

namespace lyrasta {
namespace {

std::unique_ptr<LetterList> Letters(std::initializer_list<const char*> codes, int kqAt = -1) {
    auto l = std::make_unique<LetterList>();
    int i = 0;
    for (const char* c : codes) {
        strucHebChar h;
        h.letter = c;
        if (i++ == kqAt) { h.letter.clear(); h.kq = 2; }
        l->push_back(h);
    }
    return l;
}

void AddHebrew(TWordTable& t, int pairing, std::unique_ptr<LetterList> letters, bool sung = true) {
    t.AddWord({.text = "w", .font = "TGBT", .size = 20, .hebrew = true, .sung = sung, .pairing = pairing,
               .letters = std::move(letters)});
}

TEST(WordTable, PairMembersPointAtTheOpeningAndClosingItems) {
    TWordTable t;
    AddHebrew(t, kPairNone, Letters({"B"}));
    AddHebrew(t, kPairOpen, Letters({"L", "W"}));
    AddHebrew(t, kPairQere, Letters({"", "L", ")"}, 0));
    AddHebrew(t, kPairClose, Letters({"M"}));
    AddHebrew(t, kPairNone, Letters({"T"}));

    EXPECT_EQ(t.Item(0)->pairFirst, -1);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(t.Item(i)->pairFirst, 1) << i;
        EXPECT_EQ(t.Item(i)->pairLast, 3) << i;
    }
    EXPECT_EQ(t.Item(4)->pairFirst, -1);

    // The pair is sung once, at its first item, each part up to its ketiv/qere mark.
    const LetterList sung = t.SungLetters(1);
    ASSERT_EQ(sung.size(), 3u);
    EXPECT_EQ(sung[0].letter, "L");
    EXPECT_EQ(sung[1].letter, "W");
    EXPECT_EQ(sung[2].letter, "M");
    EXPECT_TRUE(t.SungLetters(2).empty());
    EXPECT_TRUE(t.SungLetters(3).empty());
    EXPECT_EQ(t.SungLetters(0).size(), 1u);
}

TEST(WordTable, SungLettersOfAPairAreStoredBackIntoItsItems) {
    TWordTable t;
    AddHebrew(t, kPairOpen, Letters({"L", "W"}));
    AddHebrew(t, kPairQere, Letters({"", "L", ")"}, 0));
    AddHebrew(t, kPairClose, Letters({"M"}));
    LetterList sung = t.SungLetters(0);
    ASSERT_EQ(sung.size(), 3u);
    for (strucHebChar& c : sung) c.synth = "~" + c.letter;
    t.StoreSungLetters(0, sung);
    EXPECT_EQ(t.OwnLetters(0)->at(1).synth, "~W");
    EXPECT_EQ(t.OwnLetters(1)->at(1).synth, "");  // behind the qere mark: not sung
    EXPECT_EQ(t.OwnLetters(2)->at(0).synth, "~M");

    sung.pop_back();  // a list that does not fit changes nothing
    sung[0].synth = "changed";
    t.StoreSungLetters(0, sung);
    EXPECT_EQ(t.OwnLetters(0)->at(0).synth, "~L");
}

TEST(WordTable, AQereClosingAMaqafPairIsSungWithIt) {
    // "et-" joined by maqaf to a ketiv and its qere: the ketiv is silent, the qere sung.
    TWordTable t;
    AddHebrew(t, kPairOpen, Letters({")", "T"}));
    AddHebrew(t, kPairQere, Letters({"", "Y", "(", "W", "$"}, 0), false);
    auto qere = Letters({"", "Y", "(", "W", "$"});
    (*qere)[0].kq = 1;
    (*qere)[0].letter.clear();
    AddHebrew(t, kPairClose, std::move(qere));

    std::string sung;
    for (const strucHebChar& c : t.SungLetters(0)) sung += c.letter.empty() ? "|" : c.letter;
    EXPECT_EQ(sung, ")T|Y(W$");
}

TEST(WordTable, IndexesOutsideTheTableReadAsNothing) {
    TWordTable t;
    AddHebrew(t, kPairNone, Letters({"B"}));
    for (int i : {-1, 1, 1000}) {
        EXPECT_EQ(t.Item(i), nullptr);
        EXPECT_FALSE(t.IsSung(i));
        EXPECT_FALSE(t.IsHebrewWord(i));
        EXPECT_EQ(t.VerseEndKindOf(i), -1);
        EXPECT_EQ(t.TropeGroupOf(i), 0);
        EXPECT_EQ(t.ItemText(i), "");
        EXPECT_EQ(t.OwnLetters(i), nullptr);
        EXPECT_TRUE(t.SungLetters(i).empty());
        t.SetTropeGroupOf(i, 3);  // no effect, no crash
    }
}

TEST(WordTable, RightToLeftLabelsAreReversedByCharacterWhenWrapping) {
    TWordTable t;
    t.reverseRtl = true;
    t.AddWord({.text = "\xd7\x90\xd7\x91 x\x1cy", .font = "TGBT", .size = 10, .rtl = true});
    EXPECT_EQ(t.ItemText(0), "y x \xd7\x91\xd7\x90");
}

TEST(WordTable, ClearEmptiesTheTableAndResetsTheSelection) {
    TWordTable t;
    AddHebrew(t, kPairOpen, Letters({"B"}));
    t.SetSelectedWord(0);
    t.Clear();
    EXPECT_EQ(t.WordCount(), 0);
    EXPECT_EQ(t.SelectedWord(), 0);
    AddHebrew(t, kPairNone, Letters({"B"}));  // the open pair did not survive the clear
    EXPECT_EQ(t.Item(0)->pairFirst, -1);
}

// A note's pitch is kept truncated with a quarter tone above it marked; pitches and lengths
// beyond what a letter record holds (a broken melody file) are held at the limits.
TEST(LetterNotes, StoresPitchQuarterToneAndLength) {
    struct Case {
        double pitch;
        int length;
        int wantPitch;
        bool wantQuarter;
        int wantLength;
    } cases[] = {
        {20.0, 4, 20, false, 4},
        {20.5, 8, 20, true, 8},
        {20.2, 12, 20, false, 12},
        {-3.5, 2, -3, false, 2},
        {1e12, 100000, 32767, false, 32767},
        {-1e12, -100000, -32768, false, -32768},
        {std::numeric_limits<double>::quiet_NaN(), 4, 32767, false, 4},
    };
    for (const Case& c : cases) {
        strucHebChar h;
        h.SetNote(3, c.pitch, c.length);
        EXPECT_EQ(h.pitches[3], c.wantPitch) << c.pitch;
        EXPECT_EQ(h.quarterUp[3], c.wantQuarter) << c.pitch;
        EXPECT_EQ(h.lengths[3], c.wantLength) << c.pitch;
    }
}

}  // namespace
}  // namespace lyrasta
