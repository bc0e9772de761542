#include "player/command_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "player/voices.h"

namespace lyrasta {
namespace {

using ::testing::ElementsAre;

const std::string kHeader =
    "[:volume att 80] [:mode email on] [:comma -40] [:name Paul   ] [:rate 95] [:phoneme arpabet speak on] ";
const std::string kShortHeader = "[:name Paul   ] [:rate 95] [:phoneme arpabet speak on] ";

// A word of one letter with the given sung text; `verseEnd` marks the last word of a verse.
std::unique_ptr<LetterList> Letter(const std::string& synth, bool verseEnd = false, int verse = 1,
                                   const std::string& accents = "") {
    auto l = std::make_unique<LetterList>(1);
    strucHebChar& c = l->front();
    c.letter = "B";
    c.synth = synth;
    c.consonant = "~b";
    c.vowelSound = "~ah";
    c.accents = accents;
    c.verseEnd = verseEnd;
    c.book = "GEN";
    c.chapter = 1;
    c.verse = verse;
    c.section = "Kohen";
    return l;
}

void AddWord(TWordTable& t, std::unique_ptr<LetterList> letters, int group = 0) {
    t.AddWord({.text = "w", .font = "TGBT", .size = 20, .hebrew = true, .sung = true,
               .letters = std::move(letters)});
    t.SetTropeGroupOf(t.WordCount() - 1, group);
}

void AddLabel(TWordTable& t) {
    t.AddWord({.text = "1", .font = "Arial", .size = 10});
}

// label 0, verse 1: words 1 2 3, label 4, verse 2: words 5 6
TWordTable TwoVerses() {
    TWordTable t;
    AddLabel(t);
    AddWord(t, Letter("a"), 2);
    AddWord(t, Letter("b"), 1);
    AddWord(t, Letter("c", true), 1);
    AddLabel(t);
    AddWord(t, Letter("d", false, 2), 1);
    AddWord(t, Letter("e", true, 2), 1);
    return t;
}

std::vector<std::string> Texts(const std::vector<TCommandPiece>& pieces) {
    std::vector<std::string> v;
    for (const auto& p : pieces) v.push_back(p.text + (p.final ? "#1" : "#0"));
    return v;
}

TEST(CommandText, OneWordWithTheBaritoneAtSpeedAndVolumeFive) {
    TWordTable t = TwoVerses();
    t.SetSelectedWord(2);  // a word inside its verse
    auto pieces = SingRange(t, kRangeWord, {}, nullptr);
    EXPECT_THAT(Texts(pieces), ElementsAre(kHeader + " [:index mark 2] [b] \t#1"));
    EXPECT_EQ(kHeader, "[:volume att 80] [:mode email on] [:comma -40] [" ":name Paul " " " " ] [:rate " "95"
                       "] [:phoneme arpabet speak on] ");
}

TEST(CommandText, RangesFromTheSelectedWord) {
    const struct { const char* name; SingRangeMode mode; int selected; bool replay; int replayEnd; std::vector<std::string> pieces; } rows[] = {
        {"a label sends the header only", kRangeWord, 0, false, 0, {kHeader + "\t#1"}},
        {"last word of a verse", kRangeVerse, 3, false, 0,
         {kHeader + " [:index mark 3] [c] \tMessage-ID:GEN01:01Kohen|#0", kShortHeader + "\t#1"}},
        {"rest of verse", kRangeVerse, 1, false, 0,
         {kHeader + " [:index mark 1] [a]  [:index mark 2] [b]  [:index mark 3] [c] \tMessage-ID:GEN01:01Kohen|#0",
          kShortHeader + "\t#1"}},
        {"rest of section over two verses", kRangeSection, 2, false, 0,
         {kHeader + " [:index mark 2] [b]  [:index mark 3] [c] \tMessage-ID:GEN01:01Kohen|#0",
          kShortHeader + " [:index mark 5] [d]  [:index mark 6] [e] \tMessage-ID:GEN01:02Kohen|#0",
          kShortHeader + "\t#1"}},
        {"replay ends at its end word", kRangeSection, 1, true, 2,
         {kHeader + " [:index mark 1] [a]  [:index mark 2] [b] \t#1"}},
        {"replay end before the selection", kRangeSection, 5, true, 2, {kHeader + "\t#1"}},
    };
    for (const auto& r : rows) {
        TWordTable t = TwoVerses();
        t.SetSelectedWord(r.selected);
        strucSingOptions o;
        o.replay = r.replay;
        o.replayEnd = r.replayEnd;
        EXPECT_EQ(Texts(SingRange(t, r.mode, o, nullptr)), r.pieces) << r.name;
    }
}

TEST(CommandText, TropeGroupRangeStopsBeforeTheNextGroup) {
    TWordTable t;
    AddWord(t, Letter("a"), 2);
    AddWord(t, Letter("b"), 2);
    AddWord(t, Letter("c"), 1);
    t.SetSelectedWord(0);
    EXPECT_THAT(Texts(SingRange(t, kRangeGroup, {}, nullptr)),
                ElementsAre(kHeader + " [:index mark 0] [a]  [:index mark 1] [b] \t#1"));
    t.SetSelectedWord(2);  // the last group runs to the end
    EXPECT_THAT(Texts(SingRange(t, kRangeGroup, {}, nullptr)), ElementsAre(kHeader + " [:index mark 2] [c] \t#1"));
}

TEST(CommandText, KetivLettersAreNotSent) {
    TWordTable t;
    auto letters = Letter("a");
    letters->front().kq = 2;
    letters->push_back(letters->front());
    AddWord(t, std::move(letters));
    auto pieces = SingRange(t, kRangeWord, {}, nullptr);
    EXPECT_THAT(Texts(pieces), ElementsAre(kHeader + " [:index mark 0] [] \t#1"));
}

TEST(CommandText, SpokenWordsCarryStressAndPausesByTheirDivider) {
    const struct { const char* accents; bool stress; bool stress2; std::string word; } rows[] = {
        {"92", true, false, "'~b ~ah ] [ . _<250>]"},
        {"80", false, true, "`~b ~ah ] [ . _<188>]"},  // 187.5 to even
        {"9261", false, false, "~b ~ah ] "},          // whole accent texts only
        {"", false, false, "~b ~ah ] "},
    };
    for (const auto& r : rows) {
        TWordTable t;
        auto letters = Letter("x", false, 1, r.accents);
        letters->front().stress = r.stress;
        letters->front().stress2 = r.stress2;
        AddWord(t, std::move(letters));
        strucSingOptions o;
        o.speak = true;
        auto pieces = SingRange(t, kRangeWord, o, nullptr);
        ASSERT_EQ(pieces.size(), 1u);
        EXPECT_EQ(pieces[0].text, kHeader + " [:pp -500] [:index mark 0] [" + r.word + "\t") << r.accents;
    }
}

TEST(CommandText, SpokenVerseEndPausesBeforeTheReference) {
    TWordTable t;
    AddWord(t, Letter("x", true, 150));
    t.Item(0)->letters->front().chapter = 150;
    strucSingOptions o;
    o.speak = true;
    auto pieces = SingRange(t, kRangeWord, o, nullptr);
    EXPECT_EQ(pieces[0].text,
              kHeader + " [:pp -500] [:index mark 0] [~b ~ah ] [ . _<800,>]\tMessage-ID:GEN150:150Kohen|");
}

class RecordingOutput : public TSynthOutput {
public:
    void OpenWave(const std::string& name) override { calls.push_back("open " + name); }
    void Speak(const std::string& text, bool final) override {
        calls.push_back(std::string("speak ") + (final ? "1 " : "0 ") + text.substr(text.size() - 1));
    }
    void CloseWave() override { calls.push_back("close"); }
    std::vector<std::string> calls;
};

TEST(CommandText, WaveFileIsOpenedAroundThePiecesAndSongRebuiltFirst) {
    TWordTable t = TwoVerses();
    t.SetSelectedWord(3);
    RecordingOutput out;
    strucSingOptions o;
    o.wavFileName = "out.wav";
    o.songStale = true;
    o.resetSong = [&] { out.calls.push_back("rebuild"); };
    SingRange(t, kRangeVerse, o, &out);
    EXPECT_THAT(out.calls, ElementsAre("rebuild", "open out.wav", "speak 0 |", "speak 1 \t", "close"));

    RecordingOutput none;
    TWordTable empty;
    EXPECT_TRUE(SingRange(empty, kRangeWord, o, &none).empty());
    EXPECT_TRUE(none.calls.empty());
}

TEST(Voices, DefinitionsAndPitchOffsets) {
    EXPECT_EQ(GetVoiceOpt(VoiceIndex("Baritone")), ":name Paul ");
    EXPECT_EQ(GetVoiceOpt(0), ":name Kit :dv sm 0 :dv f4 4000");
    EXPECT_EQ(GetVoiceOpt(-1), "");
    EXPECT_EQ(GetPitchOpt(VoiceIndex("Bass")), -12);
    EXPECT_EQ(GetPitchOpt(VoiceIndex("Soprano")), 6);
    EXPECT_EQ(GetPitchOpt(VoiceIndex("Nobody")), 0);
}

}  // namespace
}  // namespace lyrasta
