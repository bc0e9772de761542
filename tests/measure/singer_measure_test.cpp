// The singer measured from outside: its audio is written to wave files and analysed by
// Praat (pitch and formant tracks) and by plain sample statistics (length, onsets, level,
// steps between samples).

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cmath>
#include <string>
#include <vector>

#include "measure/praat_measure.h"
#include "synth/phonemes.h"
#include "synth/sing_text.h"
#include "synth/voice.h"
#include "synth/wave_file.h"

namespace lyrasta::measure {
namespace {

using synth::kSampleRate;
using synth::Score;

double Ms(int64_t samples) { return static_cast<double>(samples) * 1000.0 / kSampleRate; }

std::string Hz(int hz) { return std::to_string(hz); }

// One sung note the way the chant writes it: a consonant onset at the note's pitch, then
// the vowel in a 50 ms attack and the held rest.
std::string Note(const std::string& consonant, const std::string& vowel, int hz, int ms) {
    const std::string code = "5" + (hz < 100 ? "0" + Hz(hz) : Hz(hz));
    return "~" + consonant + "<20," + code + ">~" + consonant + "<," + code + ">~" + vowel + "<50," + code + ">~" +
           vowel + "<" + std::to_string(ms - 50) + "," + code + ">";
}

// "Paul" of ":name Paul :dv sm 40 ".
std::string VoiceName(const std::string& definition) {
    const std::string rest = definition.substr(definition.find("name ") + 5);
    return rest.substr(0, rest.find(' '));
}

std::string Header(const std::string& voice) {
    return "[:volume att 100] [:mode email on] [:comma -40] [" + voice + "  ] [:rate 95] [:phoneme arpabet speak on] ";
}

struct Sung {
    std::vector<int16_t> samples;
    Score score;
    std::string wav;
};

Sung SingToFile(const std::string& text, const std::string& name) {
    Sung s;
    s.score = synth::SingText(text, s.samples);
    s.wav = std::string(LYRASTA_BUILD_DIR) + "/" + name + ".wav";
    synth::WaveFile file;
    EXPECT_TRUE(file.Open(s.wav)) << file.Error();
    file.Write(s.samples.data(), s.samples.size());
    EXPECT_TRUE(file.Close()) << file.Error();
    return s;
}

class SingerMeasure : public testing::Test {
protected:
    void SetUp() override {
        std::string why;
        ASSERT_TRUE(PraatAvailable(why)) << why;
    }
};

struct VoiceRange {
    const char* definition;
    std::vector<int> notes;  // Hz
};

// Pitch of held notes, from 80 ms into each note until 30 ms before its end (the tracker's
// half window): each note's median pitch within 10 cents of the requested frequency; of the
// frames before any vibrato (flutter included) the median within 10 cents and 95% within 30;
// the long notes carry a vibrato of 30 to 70 cents at 5 to 6.5 Hz, the short ones none.
TEST_F(SingerMeasure, HeldNotesAreOnPitchInEveryVoice) {
    const std::vector<VoiceRange> voices = {
        {":name Kit :dv sm 0 :dv f4 4000", {294, 330, 392, 440, 523}},
        {":name Rita :dv sm 30 :dv aguo 3000", {262, 330, 392, 494, 587}},
        {":name Betty :dv sm 20 :dv aguo 3000", {175, 196, 233, 262, 349}},
        {":name Dennis :dv sm 40 ", {131, 147, 196, 220, 262}},
        {":name Paul ", {98, 110, 131, 147, 196}},
        {":name Harry ", {73, 82, 98, 110, 131}},
    };
    const std::vector<std::pair<const char*, const char*>> syllables = {
        {"l", "ah"}, {"m", "eh"}, {"sh", "iy"}, {"v", "oh"}, {"d", "uw"}};
    for (const VoiceRange& v : voices) {
        std::string text = Header(v.definition) + "[";
        for (size_t i = 0; i < v.notes.size(); ++i)
            text += Note(syllables[i].first, syllables[i].second, v.notes[i], i % 2 ? 200 : 700);
        text += "_<100,>]";
        const Sung s = SingToFile(text, "pitch_" + VoiceName(v.definition));
        const auto [lo, hi] = std::minmax_element(v.notes.begin(), v.notes.end());
        const auto track = PraatPitch(s.wav, *lo * 0.7, *hi * 1.5);
        ASSERT_EQ(s.score.notes.size(), v.notes.size()) << v.definition;
        std::vector<double> deviations;  // frames before the vibrato, in cents, unsigned
        double worstNote = 0, narrowest = 1200, widest = 0;
        for (const auto& note : s.score.notes) {
            const NotePitch n = MeasureNote(track, Ms(note.start), Ms(note.length), note.hz);
            ASSERT_GT(n.frames, 10u) << v.definition << " note at " << note.hz << " Hz";
            EXPECT_LE(std::abs(n.centre), 10) << v.definition << " note at " << note.hz << " Hz";
            worstNote = std::max(worstNote, std::abs(n.centre));
            deviations.insert(deviations.end(), n.plain.begin(), n.plain.end());
            EXPECT_EQ(n.vibrato, Ms(note.length) >= 300) << v.definition << " note at " << note.hz << " Hz";
            if (!n.vibrato) continue;
            EXPECT_THAT(n.extent, testing::AllOf(testing::Ge(30), testing::Le(70))) << v.definition << " at " << note.hz;
            EXPECT_THAT(n.rate, testing::AllOf(testing::Ge(5), testing::Le(6.5))) << v.definition << " at " << note.hz;
            narrowest = std::min(narrowest, n.extent);
            widest = std::max(widest, n.extent);
        }
        EXPECT_LE(Median(deviations), 10) << v.definition;
        EXPECT_LE(Percentile(deviations, 95), 30) << v.definition;
        std::printf("pitch %-7s note medians within %.1f cents; plain frames: median %.1f, 95th percentile %.1f cents; "
                    "vibrato %.0f..%.0f cents\n",
                    VoiceName(v.definition).c_str(), worstNote, Median(deviations), Percentile(deviations, 95), narrowest,
                    widest);
    }
}

// Vowel formants of the baritone and the alto against the targets the singer declares. The
// alto is tracked with a ceiling of 6000 Hz, above her highest resonances: with 5500 the
// tracker spends a formant on the deep valley between F1 and F2 of her clean [i].
TEST_F(SingerMeasure, SustainedVowelsHaveTheirDeclaredFormants) {
    struct Case {
        const char* definition;
        int hz;
        double ceiling;
    };
    for (const Case& c : {Case{":name Paul ", 131, 5000}, Case{":name Betty :dv sm 20 :dv aguo 3000", 196, 6000}}) {
        const synth::Voice voice = synth::VoiceFor(VoiceName(c.definition), {});
        std::string text = Header(c.definition) + "[";
        const std::vector<const char*> vowels = {"ah", "eh", "iy", "oh", "uw"};
        for (const char* v : vowels) text += Note("hx", v, c.hz, 700) + "_<150,>";
        text += "]";
        const Sung s = SingToFile(text, std::string("formants_") + voice.name);
        ASSERT_EQ(s.score.notes.size(), vowels.size());
        const auto track = PraatFormants(s.wav, c.ceiling, 0, Ms(static_cast<int64_t>(s.samples.size())) / 1000);
        for (size_t i = 0; i < vowels.size(); ++i) {
            // The middle 400 ms of the vowel.
            const auto& note = s.score.notes[i];
            const double mid = (Ms(note.start) + Ms(note.length) / 2) / 1000;
            std::vector<double> f1, f2;
            for (const FormantFrame& f : track) {
                if (f.t < mid - 0.2 || f.t > mid + 0.2) continue;
                f1.push_back(f.f1);
                f2.push_back(f.f2);
            }
            const synth::Formants target = voice.Target(*synth::FindPhoneme(vowels[i]));
            std::printf("formants %-6s %-3s F1 %4.0f (target %4.0f)  F2 %4.0f (target %4.0f)\n", voice.name.c_str(),
                        vowels[i], Median(f1), target.f1, Median(f2), target.f2);
            EXPECT_NEAR(Median(f1), target.f1, 0.15 * target.f1) << voice.name << " " << vowels[i] << " F1";
            EXPECT_NEAR(Median(f2), target.f2, 0.15 * target.f2) << voice.name << " " << vowels[i] << " F2";
        }
    }
}

// The audio lasts as long as the durations asked for, and every word's sound starts where
// its index mark stands.
TEST(SingerTiming, LengthAndWordOnsetsFollowTheDurations) {
    const std::string text = Header(":name Paul ") +
                             " [:index mark 1] [~m<60,5131>~ah<300,5131>~ah<20,3128>~ah<20,1131>_<200,>]"
                             " [:index mark 2] [~n<70,5147>~iy<250,5147>~s<110,5147>_<180,>]"
                             " [:index mark 3] [~l<40,5165>~oh<50,5165>~oh<400,5165>_<214,>]\tMessage-ID:GEN01:01Kohen|";
    const Sung s = SingToFile(text, "timing");
    const double requested = 60 + 300 + 20 + 20 + 200 + 70 + 250 + 110 + 180 + 40 + 50 + 400 + 214;
    EXPECT_NEAR(Ms(static_cast<int64_t>(s.samples.size())), requested, 10);
    ASSERT_EQ(s.score.marks.size(), 3u);
    // The first sample after each mark's preceding silence that rises above the floor.
    int peak = 0;
    for (int16_t x : s.samples) peak = std::max(peak, std::abs(static_cast<int>(x)));
    const double expected[] = {0, 60 + 300 + 20 + 20 + 200, 60 + 300 + 20 + 20 + 200 + 70 + 250 + 110 + 180};
    for (size_t m = 0; m < 3; ++m) {
        const int64_t mark = s.score.marks[m].sample;
        EXPECT_NEAR(Ms(mark), expected[m], 1) << "mark " << m + 1;
        int64_t i = std::max<int64_t>(0, mark - kSampleRate / 10);  // inside the silence before
        while (i < static_cast<int64_t>(s.samples.size()) && std::abs(s.samples[i]) < peak / 100) ++i;
        EXPECT_NEAR(Ms(i), Ms(mark), 10) << "onset of word " << m + 1;
    }
}

// No sample at or beyond full scale, for the loudest voices and vowels; no step between
// consecutive samples around the boundaries larger than the largest step inside the steady
// middles of the sounds.
TEST(SingerLevel, NoClippingAndNoClicksAtBoundaries) {
    for (const char* voice : {":name Paul ", ":name Harry ", ":name Rita :dv sm 30 :dv aguo 3000", ":name Kit :dv sm 0 :dv f4 4000"}) {
        std::string text = Header(voice) + "[";
        const int hz = voice[6] == 'R' || voice[6] == 'K' ? 523 : 131;
        // Notes too short for vibrato, so that a steady middle is steady.
        for (const char* v : {"ah", "aa", "ao", "ay"}) text += Note("m", v, hz, 280) + "_<40,>";
        text += Note("l", "ah", hz, 280) + Note("sh", "iy", hz * 5 / 4, 280) + Note("z", "oy", hz, 280) +
                Note("kh", "ey", hz * 3 / 2, 280) + Note("r", "uw", hz, 280) + Note("ts", "ow", hz * 4 / 3, 280) +
                "~ow<30," + std::to_string(3000 + hz * 29 / 30) + ">~ow<30," + std::to_string(1000 + hz * 19 / 20) +
                ">~ow<3," + std::to_string(1000 + hz) + ">_<100,>]";
        const Sung s = SingToFile(text, "level_" + VoiceName(voice));
        // A sound runs over consecutive segments of one phoneme (a note's attack and hold).
        int peak = 0, steadyStep = 0, boundaryStep = 0;
        const int64_t margin = 10 * kSampleRate / 1000;
        std::vector<int64_t> boundaries = {0};
        const auto& segs = s.score.segments;
        for (size_t k = 1; k < segs.size(); ++k)
            if (segs[k].phoneme != segs[k - 1].phoneme) boundaries.push_back(segs[k].start);
        boundaries.push_back(static_cast<int64_t>(s.samples.size()));
        for (size_t b = 0; b + 1 < boundaries.size(); ++b) {
            for (int64_t i = std::max<int64_t>(1, boundaries[b]); i < boundaries[b + 1]; ++i) {
                const int step = std::abs(s.samples[i] - s.samples[i - 1]);
                const bool steady = i >= boundaries[b] + margin && i < boundaries[b + 1] - margin;
                int& largest = steady ? steadyStep : boundaryStep;
                largest = std::max(largest, step);
            }
        }
        for (int16_t x : s.samples) peak = std::max(peak, std::abs(static_cast<int>(x)));
        EXPECT_LT(peak, 32767) << voice;
        EXPECT_GT(peak, 8000) << voice << ": sings far below full scale";
        EXPECT_LE(boundaryStep, steadyStep) << voice;
    }
}

}  // namespace
}  // namespace lyrasta::measure
