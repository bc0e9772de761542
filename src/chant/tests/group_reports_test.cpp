// The group report files: verses without a translation line go to the None file from the
// last verse to the first, a batch's first reading makes all fifteen files anew and the
// next ones append, and a verse-ending paseq is looked through.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "chant/group_reports.h"
#include "text/reading_loader.h"
#include "support/temp_path.h"

namespace lyrasta {
namespace {

const std::filesystem::path kBooks = std::filesystem::path(LYRASTA_DATA_DIR) / "../src/text/tests/data/books";

std::string Read(const std::filesystem::path& p) {
    std::ifstream in(p);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::filesystem::path Folder() {
    const auto dir = ProcessTempPath("lyrasta_group_reports_test");
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

TEST(GroupReports, VersesWithoutTranslationFromLastToFirst) {
    TWordTable table;
    TReadingLoader loader(kBooks, table);
    TReadingSections sections;
    sections.Kohen = "NUM1:1-3:2";
    loader.LoadReading("Test", "", sections);
    const auto dir = Folder();
    std::ofstream(dir / "HAFSegol.txt") << "left from an earlier run\n";
    ASSERT_TRUE(WriteGroupReports(table, dir, true));
    const std::string none = Read(dir / "HAFNone.txt");
    // 2:3 ends in the second word of a maqaf pair, which sings nothing of its own: no line.
    EXPECT_EQ(none, "{NUM:3:1}\n{NUM:2:2}\n{NUM:1:4}\n");
    EXPECT_EQ(Read(dir / "HAFSegol.txt"), "") << "the first reading empties every file";
    EXPECT_TRUE(std::filesystem::exists(dir / "HAFShalshelet.txt"));

    // The next reading of the batch appends; a fully translated one adds nothing.
    sections.Kohen = "NUM1:1-1:3";
    loader.LoadReading("Test", "", sections);
    ASSERT_TRUE(WriteGroupReports(table, dir, false));
    EXPECT_EQ(Read(dir / "HAFNone.txt"), none);
    sections.Kohen = "NUM2:2-2:3";
    loader.LoadReading("Test", "", sections);
    ASSERT_TRUE(WriteGroupReports(table, dir, false));
    EXPECT_EQ(Read(dir / "HAFNone.txt"), none + "{NUM:2:2}\n");
}

TEST(GroupReports, AFolderThatCannotBeWrittenIsReported) {
    TWordTable table;
    std::string error;
    EXPECT_FALSE(WriteGroupReports(table, "/proc/no-such-folder", true, &error));
    EXPECT_NE(error.find("HAFNone.txt"), std::string::npos) << error;
}

TEST(GroupReports, LastAccentsLookThroughAPaseq) {
    TWordTable table;
    TReadingLoader loader(kBooks, table);
    TReadingSections sections;
    sections.Kohen = "NUM1:2-1:2";
    loader.LoadReading("Test", "", sections);
    int last = -1;
    for (int i = 0; i < table.WordCount(); ++i)
        if (table.IsHebrewWord(i)) last = i;
    ASSERT_GE(last, 0);
    EXPECT_EQ(LastAccents(table, last), "00");
    EXPECT_EQ(VerseReference(table, last), "") << "the second word of a maqaf pair sings nothing of its own";
    LetterList* letters = table.OwnLetters(last);
    letters->back().accents = "05";
    letters->front().accents = "92";
    for (size_t k = 1; k + 1 < letters->size(); ++k) (*letters)[k].accents.clear();
    EXPECT_EQ(LastAccents(table, last), "92");
}

}  // namespace
}  // namespace lyrasta
