#include "chant/word_tropes.h"

#include <gtest/gtest.h>

#include "chant/tests/test_words.h"

namespace lyrasta {
namespace {

using namespace testing_words;

TEST(WordTropes, MainAndSecondTropeWithTheirSyllables) {
    // Four open syllables; accents by letter.
    const struct {
        const char* name;
        std::map<int, const char*> accents;
        int stress;
        const char* main; int mainSyl;
        const char* second; int secondSyl;
    } rows[] = {
        {"one trope", {{2, "80"}}, 2, "ZAKEF_KATON", 3, "", 0},
        {"servant and lord", {{0, "74"}, {3, "92"}}, 3, "ETNACHTA", 4, "MUNACH", 1},
        {"pesik after a servant stays", {{1, "74"}, {3, "05"}}, 1, "PESIK", 4, "MUNACH", 2},
        {"pesik with two tropes before it drops", {{0, "70"}, {1, "74"}, {3, "05"}}, 1, "MUNACH", 2, "MAPACH", 1},
        {"azla with paseq on one letter after a mahpach", {{0, "70"}, {2, "6305"}}, 2, "KADMA", 3, "MAPACH", 1},
        {"azla with paseq on one letter alone", {{2, "6305"}}, 2, "PESIK", 3, "KADMA", 3},
        {"pashta over a double pashta after a mahpach", {{0, "70"}, {1, "33"}, {3, "03"}}, 1, "DOUBLE_PASHTA", 2, "MAPACH", 1},
        {"sof pasuk with silluq and tipcha", {{0, "73"}, {1, "75"}, {3, "00"}}, 1, "SILLUQ", 2, "TIPCHA", 1},
        {"sof pasuk with silluq and mercha", {{0, "71"}, {1, "75"}, {3, "00"}}, 1, "SILLUQ", 2, "MERCHA", 1},
        {"sof pasuk with silluq only", {{1, "75"}, {3, "00"}}, 1, "SOF_PASUK", 4, "SILLUQ", 2},
        {"telisha gedola with gershayim on one letter", {{1, "1462"}}, 1, "GERSHAYIM", 2, "TELISHA_GEDOLA", 2},
        {"gershayim after telisha gedola", {{0, "14"}, {2, "62"}}, 2, "GERSHAYIM", 3, "TELISHA_GEDOLA", 3},
        {"azla on a word stressed last", {{3, "61"}}, 3, "AZLA", 4, "", 0},
        {"geresh otherwise", {{2, "61"}}, 2, "GERESH", 3, "", 0},
    };
    for (const auto& r : rows) {
        const strucWordTropes t = WordTropes(OpenSyllables(4, r.accents, r.stress));
        EXPECT_EQ(t.syllables, 4) << r.name;
        EXPECT_EQ(t.main.name, r.main) << r.name;
        EXPECT_EQ(t.main.syllable, r.mainSyl) << r.name;
        EXPECT_EQ(t.second.name, r.second) << r.name;
        EXPECT_EQ(t.second.syllable, r.secondSyl) << r.name;
    }
}

TEST(WordTropes, SyllablesCountBackFromClosedSyllables) {
    // ya-SHAV-ti: the closing consonant of a syllable does not start a new one.
    LetterList w = Word({{"Y", "~y", "~aa", true, true},
                         {"$", "~sh", "~aa", true, false, "80"},
                         {"B", "~v", "", false, true},
                         {"T", "~t", "~iy", true, true}});
    w[1].stress = true;
    const strucWordTropes t = WordTropes(w);
    EXPECT_EQ(t.syllables, 3);
    EXPECT_FALSE(t.finalStress);
    EXPECT_EQ(t.main.syllable, 2);
    EXPECT_EQ(t.main.placement, "MED");
    EXPECT_TRUE(t.main.disjunctive);
}

TEST(WordTropes, PauseDivisors) {
    const struct { const char* trope; double divisor; } rows[] = {
        {"SOF_PASUK", 0.625}, {"ETNACHTA", 2}, {"ZAKEF_GADOL", 4}, {"ZAKEF_KATON", 4}, {"SHALSHELET", 4}, {"PAZER", 4}, {"SEGOL", 4},
        {"Vl", 4}, {"Vl3", 4}, {"V:", 6}, {"TIPCHA", 6}, {"", 6},
    };
    for (const auto& r : rows) EXPECT_EQ(PauseDivisor(r.trope), r.divisor) << r.trope;
}

}  // namespace
}  // namespace lyrasta
