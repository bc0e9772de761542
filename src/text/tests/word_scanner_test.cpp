#include "text/word_scanner.h"

#include <gtest/gtest.h>

#include <string>

namespace lyrasta {
namespace {

LetterList Scan(std::string_view word, bool smallPrint = false) {
    return ScanWord(word, 0, word.size() - 1, smallPrint);
}

// One line per record: letter, vowel, then the marks that are set.
std::string Describe(const LetterList& l) {
    std::string out;
    for (const strucHebChar& c : l) {
        out += "[" + c.letter + " " + c.vowel;
        if (c.dagesh) out += " dagesh";
        if (c.meteg) out += " meteg";
        if (c.maqaf) out += " maqaf";
        if (!c.accents.empty()) out += " acc=" + c.accents;
        if (!c.bracket.empty()) out += " br=" + c.bracket;
        if (c.kq) out += " kq=" + std::to_string(c.kq);
        if (!c.dot.empty()) out += " dot=" + c.dot;
        if (c.query) out += " ?";
        if (c.exclaim) out += " !";
        if (!c.comment.empty()) out += " comment=" + c.comment;
        if (!c.note.empty()) out += " note=" + c.note;
        out += "]";
    }
    return out;
}

TEST(ScanWord, RecordsOfWords) {
    struct Case {
        const char* name;
        const char* word;
        const char* records;
    };
    const Case cases[] = {
        {"bereshit", "B.:RF)$IYT", "[B : dagesh][R F][) ][$ I][Y ][T ]"},
        {"ketiv mark", "*W:", "[  kq=2][W :]"},
        {"qere mark", "**Y", "[  kq=1][Y ]"},
        {"meteg before sof pasuq becomes silluq", "HF)F75REC00",
         "[H F][) F acc=75][R E][C  acc=00]"},
        {"silluq on the last letter keeps the verse end", "HF)FREC7500",
         "[H F][) F][R E][C  acc=00]"},
        {"meteg elsewhere is only a flag", "W:HF95)FREC",
         "[W :][H F meteg][) F][R E][C ]"},
        {"chataf patach under a non-guttural reads as shva", "B.:AR", "[B : dagesh br=+][R ]"},
        {"chataf patach under alef stays", "):AR", "[) :A][R ]"},
        {"chataf qamats and segol", "X:FL:E", "[X :F][L :E]"},
        {"prepositive telisha gedola shares the record", "14)",
         "[)  acc=14]"},
        {"prepositive accent does not take a second consonant", "B14)",
         "[B  acc=14][) ]"},
        {"two accents in text order", "BF63R71", "[B F acc=63][R  acc=71]"},
        {"upper dot and maqaf", "L52O-", "[L O maqaf dot=52]"},
        {"comments each gain a blank", "B<abc><abc>", "[B  comment=abc abc ]"},
        {"V-mark replaces the accents", "BA73V:", "[B A acc=V:]"},
        {"bracket mark after the letter", "N:]S", "[N : br=S]"},
        {"line end and rule marks", "B?!", "[B  ? !]"},
        {"a note in braces", "{see below}", "[  note=see below]"},
        {"slashes are ignored", "B/R", "[B ][R ]"},
        {"marks only give no letters", "?!/", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Describe(Scan(c.word)), c.records) << c.name;
}

TEST(ScanWord, SmallPrintStaysOpenUntilAQuestionMark) {
    bool small = false;
    const std::string text = "@B R L? M";
    ScanWord(text, 0, 1, small);
    EXPECT_TRUE(small);
    ScanWord(text, 3, 3, small);
    EXPECT_TRUE(small);
    const LetterList l = ScanWord(text, 5, 6, small);
    EXPECT_FALSE(small);
    EXPECT_TRUE(l[0].query);
}

TEST(ScanWord, LeadingLineFeedAndPositionsPastTheEndAreSafe) {
    bool small = false;
    const std::string text = "\nBF";
    EXPECT_EQ(Describe(ScanWord(text, 0, 2, small)), "[B F]");
    EXPECT_EQ(Describe(ScanWord(text, 1, 99, small)), "[B F]");
    EXPECT_TRUE(ScanWord(text, 5, 9, small).empty());
}

TEST(ScanWord, IsVowelCode) {
    for (char c : std::string("AFIE\"U:O")) EXPECT_TRUE(IsVowelCode(c)) << c;
    for (char c : std::string("BW)-.0 ")) EXPECT_FALSE(IsVowelCode(c)) << c;
}

}  // namespace
}  // namespace lyrasta
