#include "text/data_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/temp_path.h"

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

// Each row makes a data folder (or leaves it out) and reads one file from it: the message
// names the folder or file that stands in the way and why.
TEST(DataFiles, WhatCannotBeReadIsNamedWithItsReason) {
    namespace fs = std::filesystem;
    const fs::path dir = ProcessTempPath("data_files_problems");
    fs::remove_all(dir);
    fs::create_directories(dir / "data" / "bhs" / "GEN.txt");  // a folder where a file should be
    fs::create_directories(dir / "data" / "hnv");
    std::ofstream(dir / "plain-file") << "x";
    fs::resize_file(dir / "plain-file", 1);
    std::ofstream(dir / "data" / "hnv" / "big.eng") << "x";
    fs::resize_file(dir / "data" / "hnv" / "big.eng", kMaxDataFileBytes + 1);  // sparse: no disk used
    struct Row {
        fs::path data;
        const char* file;
        std::string problem;
    };
    const Row rows[] = {
        {dir / "nonexistent", "bhs/GEN.txt",
         "the data folder " + (dir / "nonexistent").string() + " cannot be used: No such file or directory"},
        {dir / "plain-file", "bhs/GEN.txt", "the data folder " + (dir / "plain-file").string() + " is not a folder"},
        {dir / "data", "encodings/phonemes.ini", (dir / "data" / "encodings").string() + " is missing"},
        {dir / "data", "hnv/GEN.eng", (dir / "data" / "hnv" / "GEN.eng").string() + " is missing"},
        {dir / "data", "bhs/GEN.txt", (dir / "data" / "bhs" / "GEN.txt").string() + " is not a file"},
        {dir / "data", "hnv/big.eng",
         (dir / "data" / "hnv" / "big.eng").string() + " is larger than a data file can be (16 MB)"},
    };
    for (const Row& r : rows) {
        std::string problem = "stale";
        EXPECT_EQ(ReadDataFile(r.data, r.file, &problem), "");
        EXPECT_EQ(problem, r.problem);
    }
    std::string problem = "stale";
    EXPECT_FALSE(ReadDataFile(kData, "encodings/tropedef1.xml", &problem).empty());
    EXPECT_EQ(problem, "");
    EXPECT_TRUE(ListDataFiles(dir / "data", "encodings/tropedef*.xml", &problem).empty());
    EXPECT_EQ(problem, (dir / "data" / "encodings").string() + " is missing");
    EXPECT_TRUE(ListDataFiles(dir / "data", "hnv/*.txt", &problem).empty());
    EXPECT_EQ(problem, "no file *.txt in " + (dir / "data" / "hnv").string());
}

// A data folder made of links (to the folder of definitions, or to single files) reads as
// the folder itself: the names listed stay under the data folder.
TEST(DataFiles, LinkedFoldersAndFilesAreListedAndRead) {
    namespace fs = std::filesystem;
    const fs::path dir = ProcessTempPath("data_files_links");
    fs::remove_all(dir);
    fs::create_directories(dir / "linked-folder");
    fs::create_directories(dir / "linked-files" / "encodings");
    fs::create_directory_symlink(fs::absolute(kData / "Encodings"), dir / "linked-folder" / "encodings");
    for (const auto& e : fs::directory_iterator(kData / "Encodings"))
        fs::create_symlink(fs::absolute(e.path()), dir / "linked-files" / "encodings" / e.path().filename());
    for (const char* data : {"linked-folder", "linked-files"}) {
        const auto files = ListDataFiles(dir / data, "encodings/tropedef*.xml");
        ASSERT_EQ(files.size(), 3u) << data;
        for (const std::string& f : files) {
            EXPECT_EQ(f.rfind("encodings/", 0), 0u) << f;
            EXPECT_FALSE(ReadDataFile(dir / data, f).empty()) << f;
        }
    }
}

}  // namespace
}  // namespace lyrasta
