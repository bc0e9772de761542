#include "text/data_files.h"

#include <gtest/gtest.h>

namespace lyrasta {
namespace {

const std::filesystem::path kData = std::string(LYRASTA_TEST_DATA) + "/trope";

TEST(DataFiles, PathsWithBackslashesAndAnyLetterCaseResolve) {
    for (const char* path : {"ENCODINGS\\tropedef1.XML", "encodings/TropeDef1.xml", "/Encodings//tropeDEF1.xml"}) {
        const auto p = ResolveDataPath(kData, path);
        ASSERT_TRUE(p) << path;
        EXPECT_EQ(*p, kData / "Encodings" / "TropeDef1.xml") << path;
        EXPECT_NE(ReadDataFile(kData, path).find("Ashkenazi"), std::string::npos) << path;
    }
}

TEST(DataFiles, MissingFilesAndEscapesFromTheFolderReadAsEmpty) {
    for (const char* path : {"bhs\\GEN.txt", "encodings", "../trope/encodings/tropedef1.xml", ""}) {
        EXPECT_EQ(ReadDataFile(kData, path), "") << path;
    }
    EXPECT_FALSE(ResolveDataPath(kData, "../trope"));
    EXPECT_EQ(ReadDataFile("/nonexistent/lyrasta", "x.txt"), "");
}

TEST(DataFiles, ListingMatchesPatternsWithoutRegardToCase) {
    EXPECT_EQ(ListDataFiles(kData, "encodings\\TROPEDEF*.xml"),
              (std::vector<std::string>{"Encodings/TropeDef1.xml", "Encodings/tropedef2.xml",
                                        "Encodings/tropedef3.XML"}));
    EXPECT_EQ(ListDataFiles(kData, "encodings/tropenames?.xml").size(), 2u);
    EXPECT_TRUE(ListDataFiles(kData, "exercises/*.xml").empty());
}

}  // namespace
}  // namespace lyrasta
