#include "chant/word_analysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>

#include "book_words.h"
#include "chant/syllables.h"
#include "text/word_scanner.h"

namespace lyrasta {
namespace {

// Scans a word written as in the book texts; blanks between its letters are only for
// reading the test and are dropped.
LetterList Word(std::string text) {
    std::erase(text, ' ');
    bool smallPrint = false;
    return ScanWord(text, 0, text.size() - 1, smallPrint);
}

const TPhonemeSet& Set(const char* pronunciation) {
    static std::map<std::string, TPhonemeSet> sets;
    auto it = sets.find(pronunciation);
    if (it == sets.end()) it = sets.emplace(pronunciation, ShippedPhonemeSet(pronunciation)).first;
    return it->second;
}

std::string Spell(const std::string& word, const char* pronunciation = "U.S. Sephardi") {
    LetterList w = Word(word);
    AnalyzeWord(w, Set(pronunciation));
    return SyllableSpelling(w);
}

TEST(AnalyzeWord, SyllablesAndStressOfRealWords) {
    struct Row {
        const char* what;
        const char* word;
        const char* syllables;
    } rows[] = {
        {"word-initial shva na, silent alef and yod (Gen 1:1)", "B.: R\" ) $I73 Y T", "be-re-SHIT"},
        {"milra with a postpositive pashta (Gen 1:1)", "B.F RF )03", "ba-RA"},
        {"chataf segol, holam, silent yod (Gen 1:1)", "):E LO HI92 Y M", "e-lo-HIM"},
        {"segolate noun, mileil (Gen 1:2)", "W: HF )F73 RE C", "ve-ha-A-retz"},
        {"double pashta, mileil (Gen 1:2)", "TO33 H W.03", "TO-hu"},
        {"furtive patach after a shuruk (Gen 1:2)", "W: R W.80 XA", "ve-RU-ach"},
        {"shva nach after vav with patach, a final yod is sounded (Gen 1:3)", "WA Y: HI74 Y", "vay-HIY"},
        {"maqaf joins two words, holam vav, sof pasuq (Gen 1:3)",
         "WA Y: HI Y- )O75 W R00", "vay-hiy-OR"},
        {"qamats qatan before a maqaf", "K.F L-", "kol"},
        {"qamats qatan before shva nach (chochmah)", "XF K: MF71 H", "choch-MA"},
        {"shva after shva is na", "YI $: M: R W.71", "yish-me-RU"},
        {"a long vowel then shva na (Gen 1:11)", "T.A D: $\"71 ) ", "tad-SHE"},
        // The conjunction "u-" is a full vowel: the shva on the letter after it is vocal, while
        // a shva closing a later syllable stays silent.
        {"u-me-'at (Exo 6:16)", "W. M: )A73 T", "u-me-AT"},
        {"vocal after u-, silent before the tav (Lev 8:35)", "W. $: MA R: T.E91 M", "u-she-mar-TEM"},
        {"vocal after u-, silent in the next syllable", "W. L: MA L: K.F81 H.", "u-le-mal-KAH"},
        {"no shva after u-: the shva of mish- stays silent", "W. MI $: P.F73 +", "u-mish-PAT"},
    };
    for (const Row& r : rows) EXPECT_EQ(Spell(r.word), r.syllables) << r.what;
}

TEST(AnalyzeWord, TheDivineNameIsReadAdonaiOrElohim) {
    struct Row {
        const char* what;
        const char* word;
        const char* syllables;
    } rows[] = {
        {"qamats under the vav: Adonai, final he silent", "Y: H WF80 H", "a-do-NAY"},
        {"with the prefix la-", "LA Y H WF71 H", "la-do-NAY"},
        {"with the prefix ba-", "B.A Y H WF71 H", "ba-do-NAY"},
        {"with the prefix me-", "M\" Y H WF71 H", "me-a-do-NAY"},
        {"with the prefix she-", "$E Y H WF71 H", "she-a-do-NAY"},
        {"chirik under the vav: Elohim", "Y:E HO WI92 H", "e-lo-HIM"},
        {"a prepositive telisha on the name leaves the stress on -nay", "14Y: H WF H", "a-do-NAY"},
        {"sof pasuq on the name", "Y: H WF75 H00", "a-do-NAY"},
        {"other vowels leave the letters to the ordinary rules", "Y: H WU H", ""},
    };
    for (const Row& r : rows) {
        LetterList w = Word(r.word);
        AnalyzeWord(w, Set("U.S. Sephardi"));
        if (*r.syllables) {
            EXPECT_EQ(SyllableSpelling(w), r.syllables) << r.what;
        }
        int stresses = 0;
        for (const strucHebChar& c : w) stresses += c.stress;
        EXPECT_LE(stresses, 1) << r.what;
    }
    // Adonai: the yod of -nay is sung after the qamats, the last he makes no sound.
    LetterList w = Word("Y: H WF80 H");
    AnalyzeWord(w, Set("U.S. Sephardi"));
    EXPECT_EQ(w[2].consonant, "~n");
    EXPECT_EQ(w[2].vowelSound, "~ah");
    EXPECT_EQ(w[2].extra, "~y");
    EXPECT_EQ(w[3].consonant, "");
    EXPECT_TRUE(w[2].stress);
}

TEST(AnalyzeWord, FurtivePatachSingsTheVowelBeforeTheGuttural) {
    LetterList w = Word("W: R W.80 XA");
    AnalyzeWord(w, Set("U.S. Sephardi"));
    EXPECT_EQ(w[3].consonant, "");
    EXPECT_EQ(w[3].vowelSound, "~ah");
    EXPECT_EQ(w[3].extra, "~kh");
    EXPECT_EQ(w[3].syllable, "ach");
}

TEST(AnalyzeWord, VowelVariantsFollowQamatsAndShvaRules) {
    struct Row {
        const char* what;
        const char* word;
        size_t letter;
        bool variant;
        const char* vowelSound;
    } rows[] = {
        {"qamats before shva then shva: qatan", "XF K: MF71 H", 0, true, "~oh"},
        {"accented qamats: gadol", "B.F71 RF )03", 0, false, "~ah"},
        {"bracket minus forces gadol", "XF]- K: MF71 H", 0, false, "~ah"},
        {"bracket plus forces qatan", "B.F]+ RF )03", 0, true, "~oh"},
        {"word-initial shva: na", "B.: R\" ) $I73 Y T", 0, true, "~eh"},
        {"word-final shva: nach", "LE71 K:", 1, false, ""},
        {"shva after shva: na", "YI $: M: R W.71", 2, true, "~eh"},
        {"shva before shva: nach", "YI $: M: R W.71", 1, false, ""},
        {"shuruk after a letter without vowel", "W: R W.80 XA", 2, false, "~uw"},
    };
    for (const Row& r : rows) {
        LetterList w = Word(r.word);
        AnalyzeWord(w, Set("U.S. Sephardi"));
        ASSERT_LT(r.letter, w.size()) << r.what;
        EXPECT_EQ(w[r.letter].variant, r.variant) << r.what;
        EXPECT_EQ(w[r.letter].vowelSound, r.vowelSound) << r.what;
    }
}

// A silent shva between consonants that would run together keeps a trace of a vowel,
// depending on the pronunciation; before a full vowel it stays silent.
TEST(AnalyzeWord, ShvaNachBetweenAssimilatingConsonants) {
    struct Row {
        const char* what;
        const char* word;
        const char* pronunciation;
        const char* shvaSound;
    } rows[] = {
        {"dalet before tav (Num 14:3)", "W: HO W R A D: T.E94 M", "U.S. Sephardi", "~ax"},
        {"dalet before tav without dagesh, Israeli", "L A D: T E94 M", "U.S. Sephardi", "~ax"},
        {"dalet before tav without dagesh, Ashkenazi", "L A D: T E94 M", "U.S. Ashkenazi", ""},
        {"sin before tav, Ashkenazi", "(F& I71 &: T.E M", "U.S. Ashkenazi", "~ax"},
        {"sin before tav, Israeli", "(F& I71 &: T.E M", "U.S. Sephardi", ""},
        {"dalet before tet, before a full vowel", "L A D: +F71 H", "U.S. Sephardi", ""},
    };
    for (const Row& r : rows) {
        LetterList w = Word(r.word);
        AnalyzeWord(w, Set(r.pronunciation));
        const auto shva = std::find_if(w.begin() + 1, w.end(),
                                       [](const strucHebChar& c) { return c.vowel == ":"; });
        ASSERT_NE(shva, w.end()) << r.what;
        EXPECT_EQ(shva->vowelSound, r.shvaSound) << r.what;
        EXPECT_FALSE(shva->variant) << r.what;
    }
}

TEST(AnalyzeWord, SilentLetters) {
    // hi (she): the vav and the alef make no sound.
    LetterList hi = Word("HI71 W )");
    AnalyzeWord(hi, Set("U.S. Sephardi"));
    EXPECT_EQ(hi[1].consonant, "");
    EXPECT_EQ(SyllableSpelling(hi), "HI");
    // -av: the yod between qamats and vav is silent.
    LetterList av = Word("D.: BF RF71 Y W");
    AnalyzeWord(av, Set("U.S. Sephardi"));
    EXPECT_EQ(av[3].consonant, "");
    EXPECT_EQ(SyllableSpelling(av), "de-va-RAV");
}

TEST(AnalyzeWord, PronunciationsChangeTheSounds) {
    struct Row {
        const char* pronunciation;
        const char* syllables;
    } rows[] = {
        {"U.S. Sephardi", "ba-ruch-a-TA"},
        {"U.S. Ashkenazi", "bo-ruch-a-TO"},
        {"Galician", "bo-rich-a-TU"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(Spell("B.F R W.71 K:- )A T.F80 H", r.pronunciation), r.syllables)
            << r.pronunciation;
}

TEST(AnalyzeWord, VerseEndAndStressOfDoubledAccents) {
    LetterList w = Word("WA Y: HI Y- )O75 W R00");
    AnalyzeWord(w, Set("U.S. Sephardi"));
    EXPECT_TRUE(w.back().verseEnd);
    EXPECT_TRUE(w[4].stress);
    EXPECT_TRUE(w[4].initial);
    EXPECT_TRUE(w[3].final);

    // The divine name at a verse end: its letters are read by their own rule, the verse
    // end is still marked.
    LetterList name = Word("Y: H WF75 H00");
    AnalyzeWord(name, Set("U.S. Sephardi"));
    EXPECT_TRUE(name.back().verseEnd);

    // Segol doubled on a mileil word: the stress follows the copy on the stressed syllable.
    LetterList s = Word("ME31 LE K:01");
    AnalyzeWord(s, Set("U.S. Sephardi"));
    EXPECT_EQ(SyllableSpelling(s), "ME-lech");

    // Paseq after a word: the accent before it carries the stress.
    LetterList p = Word("$F74 MF05");
    AnalyzeWord(p, Set("U.S. Sephardi"));
    EXPECT_EQ(SyllableSpelling(p), "SHA-ma");
}

TEST(AnalyzeWord, KetivIsLeftUnreadAndQereIsRead) {
    // Gen 8:17, the written and the read forms of "bring out".
    LetterList ketiv = Word("*H W C )");
    AnalyzeWord(ketiv, Set("U.S. Sephardi"));
    EXPECT_EQ(SyllableSpelling(ketiv), "");
    for (const strucHebChar& c : ketiv) EXPECT_FALSE(c.stress);

    LetterList qere = Word("**H AY: C\"74 )");
    AnalyzeWord(qere, Set("U.S. Sephardi"));
    EXPECT_TRUE(qere[1].initial);
    EXPECT_EQ(SyllableSpelling(qere), "hay-TZE");
}

// The player analyses the same letter lists again whenever the pronunciation changes:
// nothing of the earlier pronunciation may remain.
TEST(AnalyzeWord, AnalysingAgainInAnotherPronunciationLeavesNothingBehind) {
    for (const char* word : {"L AY H WF71 H", "W: R W.80 XA", "W: HO W R A D: T.E94 M",
                             "**H AY: C\"74 )", "B.F R W.71 K:- )A T.F80 H", "HF Y: TF71 H"}) {
        LetterList fresh = Word(word);
        AnalyzeWord(fresh, Set("U.S. Sephardi"));
        LetterList again = Word(word);
        AnalyzeWord(again, Set("Galician"));
        AnalyzeWord(again, Set("U.S. Sephardi"));
        for (size_t i = 0; i < fresh.size(); ++i) {
            const strucHebChar &f = fresh[i], &a = again[i];
            EXPECT_EQ(std::tie(f.variant, f.sylStart, f.sylEnd, f.stress, f.stress2, f.initial,
                               f.final, f.verseEnd, f.consonant, f.vowelSound, f.extra,
                               f.syllable),
                      std::tie(a.variant, a.sylStart, a.sylEnd, a.stress, a.stress2, a.initial,
                               a.final, a.verseEnd, a.consonant, a.vowelSound, a.extra,
                               a.syllable))
                << word << " letter " << i;
        }
    }
}

TEST(AnalyzeWord, WithoutPhonemeSetNothingIsSoundedButSyllablesStayMarked) {
    LetterList w = Word("B.: R\" ) $I73 Y T");
    AnalyzeWord(w, TPhonemeSet());
    for (const strucHebChar& c : w) {
        EXPECT_EQ(c.consonant, "");
        EXPECT_EQ(c.vowelSound, "");
        EXPECT_EQ(c.syllable, "");
    }
    EXPECT_TRUE(w[0].sylStart);
}

}  // namespace
}  // namespace lyrasta
