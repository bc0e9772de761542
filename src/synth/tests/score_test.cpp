#include "synth/score.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace lyrasta::synth {
namespace {

Score Build(const std::string& text) { return ScoreBuilder().Build(ParseCommandText(text)); }

double Ms(int64_t samples) { return static_cast<double>(samples) * 1000.0 / kSampleRate; }

TEST(Score, SegmentsFollowEachOtherWithTheWrittenDurations) {
    const Score s = Build("[:index mark 1] [~m<20,5131>~ah<50,5131>~ah<250,5131>_<214,>] [:index mark 2] [~l<40,5147>]");
    ASSERT_EQ(s.segments.size(), 5u);
    int64_t at = 0;
    for (const Segment& seg : s.segments) {
        EXPECT_EQ(seg.start, at);
        at += seg.length;
    }
    EXPECT_NEAR(Ms(s.end), 20 + 50 + 250 + 214 + 40, 0.1);
    ASSERT_EQ(s.marks.size(), 2u);
    EXPECT_NEAR(Ms(s.marks[1].sample), 20 + 50 + 250 + 214, 0.1);
}

// A note split into attack and hold is one sung note; ornaments and onsets are not notes.
TEST(Score, HeldVowelRunsAreTheSungNotes) {
    const Score s = Build(
        "[~m<20,5131>~m<,5131>~ah<50,5131>~ah<250,5131>~ah<30,3127>~ah<30,1125>~ah<3,1131>"
        "~eh<50,5147>~eh<100,5147>_<20,>~eh<100,5147>]");
    ASSERT_EQ(s.notes.size(), 3u);
    EXPECT_NEAR(Ms(s.notes[0].length), 300, 0.1);
    EXPECT_EQ(s.notes[0].hz, 131);
    EXPECT_NEAR(Ms(s.notes[1].start), 20 + Ms(s.segments[1].length) + 300 + 63, 0.1);
    EXPECT_NEAR(Ms(s.notes[1].length), 150, 0.1);
    EXPECT_NEAR(Ms(s.notes[2].length), 100, 0.1);  // a pause ends a note
}

TEST(Score, ClosingGlideFallsAwayIntoTheSilenceAfterIt) {
    const Score s = Build("[~ah<300,5098>~ah<10,398>~ah<10,198>_<200,>~ah<10,198>~ah<10,5131>_<200,>]");
    ASSERT_EQ(s.segments.size(), 7u);
    EXPECT_EQ(s.segments[1].mode, 3);
    EXPECT_EQ(s.segments[1].targetHz, 98);  // "398" after a note at 98 Hz is mode 3 at 98 Hz
    EXPECT_EQ(s.segments[2].mode, 1);
    EXPECT_TRUE(s.segments[3].releaseTail);
    EXPECT_FALSE(s.segments[6].releaseTail);  // after a held note the voice simply stops
}

TEST(Score, PhonemesWithoutPitchHoldTheSungPitch) {
    const Score s = Build("[~ah<100,5196>~m~l<50,>]");
    ASSERT_EQ(s.segments.size(), 3u);
    EXPECT_EQ(s.segments[1].targetHz, 196);
    EXPECT_EQ(s.segments[2].targetHz, 196);
}

// Speak mode: no pitch anywhere; stress raises and lengthens a vowel, a pause ends the
// phrase with a fall, and the rate sets the lengths.
TEST(Score, SpeechIntonationAndRate) {
    const std::string words = "[~b ~ah 'l ~ah ~m ~ah ] [ . _<250>] [~b ~ah]";
    const Score s = Build("[:name Paul ] [:rate 180] [:phoneme arpabet speak on] [:pp -500] " + words);
    auto vowel = [&](size_t n) {
        for (const Segment& seg : s.segments)
            if (seg.phoneme && seg.phoneme->isVowel() && n-- == 0) return seg;
        return Segment{};
    };
    EXPECT_GT(vowel(1).targetHz, vowel(0).targetHz * 1.1);  // stressed
    EXPECT_GT(vowel(1).length, vowel(0).length);
    EXPECT_LT(vowel(2).targetHz, vowel(0).targetHz * 0.85);  // before the pause
    const Score slow = Build("[:name Paul ] [:rate 90] [:phoneme arpabet speak on] " + words);
    EXPECT_NEAR(static_cast<double>(slow.segments[0].length), 2.0 * s.segments[0].length, 2);
}

std::vector<double> NoteHz(const Score& s) {
    std::vector<double> hz;
    for (const SungNote& n : s.notes) hz.push_back(n.hz);
    return hz;
}

// Each voice sings in its own register: a tune moves by whole octaves into the voice's range
// (women sing the men's written line an octave up), a note left outside folds by an octave,
// and the three-digit codes are still read against the pitch written before.
TEST(Score, EveryVoiceSingsInItsOwnRegister) {
    struct Case {
        const char* voice;
        const char* notes;
        std::vector<double> sung;
    } cases[] = {
        {"Betty", "~ah<200,5147>~eh<200,5220>~iy<200,5277>", {294, 440, 554}},  // the tenor's line, an octave up
        {"Betty", "~ah<200,5196>~eh<200,5392>~iy<200,5523>", {196, 392, 523}},  // an alto line as written
        {"Rita", "~ah<200,5206>~eh<200,5392>", {412, 784}},
        {"Paul", "~ah<200,5131>~eh<200,5082>~iy<200,5247>", {131, 164, 247}},  // one low note folded up
        {"Harry", "~ah<200,5039>~eh<200,5044>~iy<200,5035>~oh<300,5135>", {78, 88, 70, 270}},  // Eichah in the depths
        {"Dennis", "~ah<200,5196>~eh<200,5494>~iy<200,5262>", {196, 247, 262}},  // one high note folded down
    };
    for (const Case& c : cases) {
        const Score s = Build(std::string("[:name ") + c.voice + " ] [" + c.notes + "]");
        const std::vector<double> sung = NoteHz(s);
        ASSERT_EQ(sung.size(), c.sung.size()) << c.voice << " " << c.notes;
        for (size_t i = 0; i < sung.size(); ++i) EXPECT_NEAR(sung[i], c.sung[i], 0.5) << c.voice << " " << c.notes << " note " << i;
    }
}

// Syllables held longer than the text's usual one sound louder, shorter ones softer, and the
// last vowel before a pause (past its closing consonants) or the end closes the phrase.
TEST(Score, SungSyllablesAreShadedByLengthAndPhrase) {
    const Score s = Build(
        "[~b<20,5131>~ah<150,5131>~l<20,5131>~eh<150,5131>~m<20,5131>~iy<600,5131>~n<40,5131>_<214,>"
        "~d<20,5131>~oh<75,5131>~r<20,5131>~uw<150,5131>_<20,>~ah<150,5131>]");
    auto vowel = [&](const char* name) {
        for (const Segment& seg : s.segments)
            if (seg.phoneme && seg.phoneme->name == name) return seg;
        return Segment{};
    };
    EXPECT_NEAR(20 * std::log10(vowel("eh").accent), 0, 0.01);  // the usual length
    EXPECT_NEAR(20 * std::log10(vowel("iy").accent), 3, 0.01);  // two doublings, at most 3 dB
    EXPECT_NEAR(20 * std::log10(vowel("oh").accent), -2, 0.01);  // half as long
    EXPECT_FALSE(vowel("eh").phraseEnd);
    EXPECT_TRUE(vowel("iy").phraseEnd);   // before the pause, past its closing n
    EXPECT_FALSE(vowel("uw").phraseEnd);  // a short breath does not end the phrase
    EXPECT_TRUE(s.segments.back().phraseEnd);
}

TEST(Score, VoiceAndVolumeApplyToWhatFollows) {
    ScoreBuilder builder;
    const Score a = builder.Build(ParseCommandText("[:volume att 100] [:name Betty :dv f4 4000 ] [~ah<100,5220>]"));
    const Score b = builder.Build(ParseCommandText("[:volume att 70] [~ah<100,5220>]"));
    EXPECT_EQ(a.segments[0].voice->name, "Betty");
    EXPECT_TRUE(a.segments[0].voice->femaleTract);
    EXPECT_EQ(a.segments[0].voice->f4, 4000);
    EXPECT_EQ(b.segments[0].voice->name, "Betty");  // the voice stays from one text to the next
    EXPECT_EQ(b.start, a.end);
    EXPECT_NEAR(20 * std::log10(b.segments[0].gain / a.segments[0].gain), -10, 0.01);
}

}  // namespace
}  // namespace lyrasta::synth
