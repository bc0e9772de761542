#include "player/reading_steps.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "chant/syllables.h"
#include "text/data_files.h"

namespace lyrasta {
namespace {

struct Loaded {
    TWordTable table;
    std::vector<int> verse5;  // items of the words of Gen 2:5, in reading order
};

// Loads Gen 2:4-6 through the loader with the analysis steps.
void LoadGenesis2(Loaded& out, bool notLegarmehBeforeRevia) {
    const std::filesystem::path data = LYRASTA_DATA_DIR;
    const TPhonemeSet set = LoadPhonemeSet(ReadDataFile(data, "encodings/phonemes.ini"), "");
    TAnalysisSteps steps(set, notLegarmehBeforeRevia);
    TReadingLoader loader(data, out.table);
    loader.SetSteps(&steps);
    TReadingSections sections;
    sections.Set("R1", "GEN2:4-2:6");
    loader.LoadReading("Test", "", sections);
    ASSERT_TRUE(loader.Problems().empty());
    for (int i = 0; i < out.table.WordCount(); ++i) {
        const LetterList* l = out.table.OwnLetters(i);
        if (out.table.IsHebrewWord(i) && l && !l->empty() && l->front().verse == 5)
            out.verse5.push_back(i);
    }
}

// Gen 2:5: a munach with paseq before a munach and a revia (read legarmeh), a yetiv
// serving a zakef, a word before a maqaf, telisha ketana and kadma serving a geresh.
TEST(AnalysisSteps, TropeGroupsAcrossARealVerseWithPaseqAndLegarmeh) {
    Loaded g;
    LoadGenesis2(g, true);
    const std::vector<int> expected = {7, 7, 7, 3, 3, 3, 2, 2, 2, 2, 2, 8,
                                       8, 8, 3, 3, 3, 3, 3, 3, 1, 1, 1};
    std::vector<int> groups;
    for (int i : g.verse5) groups.push_back(g.table.TropeGroupOf(i));
    EXPECT_EQ(groups, expected);
    ASSERT_FALSE(g.verse5.empty());
    // Even with the setting, the munach after the paseq makes it a legarmeh.
    EXPECT_TRUE(g.table.Item(g.verse5[0])->legarmeh);
    for (size_t k = 1; k < g.verse5.size(); ++k)
        EXPECT_FALSE(g.table.Item(g.verse5[k])->legarmeh) << k;
}

TEST(AnalysisSteps, WordsAreAnalysedBeforeTheyAreShown) {
    Loaded g;
    LoadGenesis2(g, false);
    ASSERT_FALSE(g.verse5.empty());
    // W:KO74L05: "ve-CHOL" with the stress on the munach's syllable.
    EXPECT_EQ(SyllableSpelling(*g.table.OwnLetters(g.verse5[0])), "ve-CHOL");
    // The last word of the verse carries the verse end.
    EXPECT_TRUE(g.table.OwnLetters(g.verse5.back())->back().verseEnd);
}

}  // namespace
}  // namespace lyrasta
