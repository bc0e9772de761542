#include "text/word_display.h"

#include <gtest/gtest.h>

#include "text/word_scanner.h"

namespace lyrasta {
namespace {

// The UTF-8 text of a sequence of code points.
std::string U(std::initializer_list<char32_t> cps) {
    std::string out;
    for (char32_t c : cps) out += Utf8(c);
    return out;
}

LetterList Scan(std::string_view word) {
    bool small = false;
    return ScanWord(word, 0, word.size() - 1, small);
}

TEST(WordDisplayForm, UnicodeTextOfWords) {
    struct Case {
        const char* name;
        const char* word;
        std::string text;
    };
    const Case cases[] = {
        {"letters, dagesh, shin dot, vowels in logical order", "B.:R\")$IYT",
         U({0x05D1, 0x05BC, 0x05B0, 0x05E8, 0x05B5, 0x05D0, 0x05E9, 0x05C1, 0x05B4, 0x05D9, 0x05EA})},
        {"final mem", "(AM", "עַם"},
        {"final form before a maqaf", "MIN-", "מִן־"},
        {"final form before trailing mark records", "K*", "ך"},
        {"holam on the following vav", "LOW", "לוֹ"},
        {"vav with its own vowel is a consonant", "MIC:WOT", "מִצְוֹת"},
        {"sin dot, accent, silluq and sof pasuq", "&F92RF75H00",
         U({0x05E9, 0x05C2, 0x05B8, 0x0591, 0x05E8, 0x05B8, 0x05BD, 0x05D4, 0x05C3})},
        {"paseq follows with a blank", "L05", "ל ׀"},
        {"reduced chataf patach is shown as written", "B.:AR", U({0x05D1, 0x05BC, 0x05B2, 0x05E8})},
        {"upper and lower dots", "L52W53", "לׄוׅ"},
        {"V-mark is a meteg except on the last letter", "BV:RVl", "בֽר"},
        {"ketiv and qere marks draw nothing", "**Y", "י"},
    };
    for (const Case& c : cases) EXPECT_EQ(WordDisplayForm(Scan(c.word)), c.text) << c.name;
}

TEST(WordDisplayForm, VariantQamatsIsQamatsQatan) {
    LetterList l = Scan("K.FL-");
    l[0].variant = true;
    EXPECT_EQ(WordDisplayForm(l), U({0x05DB, 0x05BC, 0x05C7, 0x05DC, 0x05BE}));
}

TEST(WordDisplayForm, RangeOfRecordsTakesFinalFormsWithinTheRange) {
    // The ketiv mark after L marks that record; the ketiv part follows it.
    const LetterList l = Scan("MEL*MELEK");
    ASSERT_EQ(l.size(), 5u);
    EXPECT_EQ(WordDisplayForm(l, 0, 2), "מֶל");
    EXPECT_EQ(WordDisplayForm(l, 2, l.size()), "מֶלֶך");
    EXPECT_EQ(WordDisplayForm(l, 3, 99), "לֶך");
}

TEST(DecodeUtf8, ReadsWholeCharactersAndRefusesStrayOrCutOffBytes) {
    struct Row {
        std::string text;
        size_t at;
        int length;
        char32_t cp;
    } rows[] = {
        {"a", 0, 1, U'a'},
        {U({0x5D0}), 0, 2, 0x5D0},              // alef
        {U({0x591}) + "x", 0, 2, 0x591},         // etnachta, then more text
        {U({0x20AC}), 0, 3, 0x20AC},
        {U({0x1F600}), 0, 4, 0x1F600},
        {U({0x5D0}), 1, 0, 0},                   // a continuation byte alone
        {U({0x20AC}).substr(0, 2), 0, 0, 0},     // cut off at the end of the text
        {"\xC3(", 0, 0, 0},                     // a lead byte without its continuation
        {"\xFF", 0, 0, 0},
    };
    for (const Row& r : rows) {
        char32_t cp = 0;
        EXPECT_EQ(DecodeUtf8(r.text, r.at, cp), r.length) << r.text;
        if (r.length) EXPECT_EQ(cp, r.cp) << r.text;
    }
}

}  // namespace
}  // namespace lyrasta
