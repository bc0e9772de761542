#include "chant/sung_text.h"

#include <gtest/gtest.h>

#include "text/random.h"

namespace lyrasta {
namespace {

// Makes every random draw return the same fixed choice for the lifetime of a test.
struct FixedDraws {
    explicit FixedDraws(std::function<int(int)> draw) { SetRandomDraw(std::move(draw)); }
    ~FixedDraws() { SetRandomDraw({}); }
};

// The sung text of one consonant onset or one vowel note on its own.
std::string RenderConsonant(const std::string& text, const std::string& letter, bool dagesh, double pitch) {
    std::string out;
    AppendConsonant(out, text, letter, dagesh, HzOfPitch(pitch));
    return out;
}

std::string RenderVowelNote(const std::string& first, const std::string& second, int durationMs, bool ornament,
                            double pitch) {
    std::string out;
    AppendVowelNote(out, first, second, durationMs, ornament, HzOfPitch(pitch));
    return out;
}

TEST(SungText, HzTextRoundsToWholeHertz) {
    const struct { double pitch; const char* hz; } rows[] = {
        {13, "131"}, {34, "440"}, {0, "62"}, {8, "98"}, {9, "104"}, {-30, "11"}, {13.5, "135"},
    };
    for (const auto& r : rows) EXPECT_EQ(HzText(r.pitch), r.hz) << r.pitch;
}

TEST(SungText, LastTokenIsTheFinalPhoneme) {
    const struct { const char* text; const char* token; } rows[] = {
        {"~m", "~m"},
        {"~ah<50,5131>~sh", "~sh"},
        {"~oy~", "~oy~"},  // a "~" that ends the text does not start a token
        {"~", ""},
        {"abc", ""},
    };
    for (const auto& r : rows) EXPECT_EQ(LastToken(r.text), r.token) << r.text;
}

TEST(SungText, SplitVowelSeparatesTheGlide) {
    const struct { const char* vowel; const char* first; const char* second; } rows[] = {
        {"~ah", "~ah", "~ah"},
        {"~gr_a~gr_j", "~gr_a", "~gr_j"},
        {"~oy~yx", "~oy", "~yx"},
        {"~gr_eu", "~gr_o", "~oy~yx"},
        {"~gr_az", "~eh", "~gr_az"},
        {"~gr_au", "~gr_a", "~gr_au~w"},
    };
    for (const auto& r : rows) {
        const auto [first, second] = SplitVowel(r.vowel);
        EXPECT_EQ(first, r.first) << r.vowel;
        EXPECT_EQ(second, r.second) << r.vowel;
    }
}

TEST(SungText, RenderConsonantWritesToneAndThreeDigitFrequency) {
    const struct { const char* text; const char* letter; bool dagesh; double pitch; const char* out; } rows[] = {
        {"~m", "M", false, 13, "<20,5131>~m<,5131>"},
        {"~k", "K", true, 13, "<20,7131>~k<,7131>"},
        {"~kh", "K", false, 13, "<20,5131>~kh<,5131>"},
        {"~n", "N", false, 0, "<20,7062>~n<,7062>"},
        {"~q", "Q", false, 13, "<20,7131>~q<,7131>"},
        {"~z", "Z", false, 13, "<20,9131>~z<,9131>"},
        {"~m<,5131>", "M", false, 13, ""},  // already rendered
    };
    for (const auto& r : rows)
        EXPECT_EQ(RenderConsonant(r.text, r.letter, r.dagesh, r.pitch), r.out) << r.text << r.letter;
}

TEST(SungText, VowelNoteOfThreeHundredMillisecondsAtC3) {
    FixedDraws noVariation([](int n) { return n == 3 ? 2 : 0; });
    EXPECT_EQ(RenderVowelNote("~ah", "~ah", 300, false, 13), "~ah<50,5131>~ah<250,5131>");
    EXPECT_EQ(RenderVowelNote("~ah", "~ah", 300, true, 13),
              "~ah<50,5131>~ah<250,5131>~ah<30,3127>~ah<30,1125>~ah<3,1131>");
}

TEST(SungText, VowelNoteVariesLengthThenPitchDownward) {
    // The first draw lengthens by up to a tenth, the second lowers by up to 2 Hz.
    std::vector<int> asked;
    FixedDraws highest([&](int n) { asked.push_back(n); return 0; });
    EXPECT_EQ(RenderVowelNote("~ah", "~ah", 300, false, 13), "~ah<50,5129>~ah<250,5129>");
    EXPECT_EQ(asked, (std::vector<int>{30, 3}));
}

TEST(SungText, VowelNoteGlidesIntoTheSecondPhonemeOfADiphthong) {
    FixedDraws noVariation([](int n) { return n == 3 ? 2 : 0; });
    EXPECT_EQ(RenderVowelNote("~oy", "~oy~yx", 100, false, 13), "~oy<50,5131>~oy<50,5131>~yx<50,5131>");
}

TEST(SungText, PhonemesLongerThanUsualAreWrittenWhole) {
    // A pronunciation may spell a sound at any length; the note and the onset keep all of it.
    FixedDraws noVariation([](int n) { return n == 3 ? 2 : 0; });
    const std::string sound = "~" + std::string(300, 'a');
    EXPECT_EQ(RenderVowelNote(sound, sound, 300, true, 13), sound + "<50,5131>" + sound + "<250,5131>" + sound +
                                                                 "<30,3127>" + sound + "<30,1125>" + sound + "<3,1131>");
    EXPECT_EQ(RenderConsonant(sound, "M", false, 13), "<20,5131>" + sound + "<,5131>");
}

TEST(SungText, ShortNoteKeepsTheMinimumLengthAndDrawsNoVariation) {
    FixedDraws longest([](int n) { return n - 1; });
    EXPECT_EQ(RenderVowelNote("~ah", "~ah", 9, false, 13), "~ah<50,5131>~ah<25,5131>");
}

TEST(SungText, VerseFallWritesTheModeDigitBeforeAThreeDigitFrequency) {
    EXPECT_EQ(VerseFall("~ah", 131), "~ah<10,3131>~ah<10,1131>");
    // 62 Hz must read as 062: "<10,362>" would be a fall at 362 Hz.
    EXPECT_EQ(VerseFall("~ah", 62), "~ah<10,3062>~ah<10,1062>");
}

TEST(SungText, SeededGeneratorRepeatsItsDraws) {
    SeedRandom(7);
    const std::string a = RenderVowelNote("~ah", "~ah", 300, false, 13);
    SeedRandom(7);
    EXPECT_EQ(RenderVowelNote("~ah", "~ah", 300, false, 13), a);
}

}  // namespace
}  // namespace lyrasta
