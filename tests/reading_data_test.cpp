// Every verse of the books that are read in public (the Torah, the Haftarah books and the
// Megillot) loads from the bundled data with its words, its verse end and its translation.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "text/book_index.h"
#include "text/data_files.h"
#include "text/reading_loader.h"

namespace lyrasta {
namespace {

const std::filesystem::path kData = LYRASTA_DATA_DIR;

struct VerseSeen {
    int words = 0;
    int verseEnds = 0;
    bool endsOnLastWord = false;
    int translation = 0;
};

class BundledBook : public testing::TestWithParam<const char*> {};

TEST_P(BundledBook, EveryVerseLoadsWithWordsVerseEndAndTranslation) {
    const std::string code = GetParam();
    const BookIndex index = IndexBookText(ReadDataFile(kData, "bhs/" + code + ".txt"));
    ASSERT_GT(index.verseCount, 0) << "bhs/" << code << ".txt is missing or empty";
    const bool translated = !ReadDataFile(kData, "hnv/" + code + ".eng").empty();

    TWordTable table;
    TReadingLoader loader(kData, table);
    TReadingSections sections;
    sections.R[0] = code + "1:1-999:999";  // to the end of the book
    loader.LoadReading(code, "", sections);
    EXPECT_TRUE(loader.Problems().empty());

    std::map<std::pair<int, int>, VerseSeen> verses;
    for (int i = 0; i < table.WordCount(); ++i) {
        const HxWord& w = *table.Item(i);
        if (!w.letters || w.letters->empty() || !w.hebrew) continue;
        const strucHebChar& head = w.letters->front();
        VerseSeen& v = verses[{head.chapter, head.verse}];
        ++v.words;
        v.translation = head.translation;
        if (w.verseEnd != 0) ++v.verseEnds;
        v.endsOnLastWord = w.verseEnd != 0;
    }

    EXPECT_EQ(static_cast<int>(verses.size()), index.verseCount) << code;
    for (const auto& [key, v] : verses) {
        const std::string at = code + " " + std::to_string(key.first) + ":" + std::to_string(key.second);
        // The readings count the four short commandments as one verse, which keeps the sof
        // pasuq of each.
        const int sofPasuqs = at == "EXO 20:13" || at == "DEU 5:17" ? 4 : 1;
        EXPECT_EQ(v.verseEnds, sofPasuqs) << at << ": its sof pasuq";
        EXPECT_TRUE(v.endsOnLastWord) << at << ": the verse end is on its last word";
        if (translated) {
            EXPECT_GT(v.translation, 0) << at << ": translation line";
        }
    }
    if (!translated) GTEST_SKIP() << "hnv/" << code << ".eng is not in the data folder yet";
}

INSTANTIATE_TEST_SUITE_P(Torah, BundledBook, testing::Values("GEN", "EXO", "LEV", "NUM", "DEU"));
INSTANTIATE_TEST_SUITE_P(Haftarah, BundledBook,
                         testing::Values("JOS", "JUD", "1SA", "2SA", "1KI", "2KI", "ISA", "JER", "EZE", "HOS",
                                         "JOE", "AMO", "OBA", "JON", "MIC", "HAB", "ZEC", "MAL", "NEH"));
INSTANTIATE_TEST_SUITE_P(Megillot, BundledBook, testing::Values("EST", "RUT", "SOS", "QOH", "LAM"));

}  // namespace
}  // namespace lyrasta
