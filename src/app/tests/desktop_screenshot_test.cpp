// The desktop program as a newcomer starts it: a reading from the command line, rendered
// to a picture. Checks the picture's structure (words drawn, group colours present only
// when switched on), not its pixels.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/temp_path.h"
#include "ui/tests/pdf_check.h"

namespace {

using lyrasta::pdf_check::CountPixels;

const std::filesystem::path kOut = lyrasta::ProcessTempPath("lyrasta_screenshot_test");

// Runs the program on Genesis 1:1-5 with a settings file and returns its picture.
QImage Screenshot(const std::string& name, const std::string& settings, const std::string& extra = "") {
    std::filesystem::create_directories(kOut);
    const auto ini = kOut / (name + ".ini");
    const auto png = kOut / (name + ".png");
    std::ofstream(ini) << settings;
    std::filesystem::remove(png);
    const std::string command = "QT_QPA_PLATFORM=offscreen '" LYRASTA_DESKTOP "' --settings '" +
                                ini.string() + "' --data '" LYRASTA_DATA_DIR "' --title Bereshit" +
                                " --section Kohen=GEN1:1-1:5 --size 1100x700 " + extra +
                                " --screenshot '" + png.string() + "' 2>/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    // Read by its bytes: the name need not be UTF-8.
    std::ifstream in(png, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()), "PNG");
}

// Default colours of the etnachta and sof pasuq groups ($00FF70FF, $02FFFF70).
const QRgb kEtnachta = qRgb(0xFF, 0x70, 0xFF);
const QRgb kSofPasuk = qRgb(0x70, 0xFF, 0xFF);

// A margin far out of range once left the view blank (and a huge one overflowed); it is
// brought into range. The picture goes under the very bytes of a name that is not UTF-8.
TEST(DesktopScreenshot, AMarginOutOfRangeStillShowsTheWordsUnderAnyFileName) {
    const QImage image = Screenshot("margin-\xff", "[Options]\nMarginWidth=-100000\n");
    ASSERT_FALSE(image.isNull()) << "written under its own name";
    EXPECT_GT(CountPixels(image, qRgb(0, 0, 0)), 5000) << "the words are drawn";
}

TEST(DesktopScreenshot, OpensTheReadingWithGroupColoursWhenSwitchedOn) {
    const QImage plain = Screenshot("plain", "[Options]\nShowTropeGroups=FALSE\n");
    ASSERT_FALSE(plain.isNull());
    EXPECT_EQ(plain.size(), QSize(1100, 700));
    EXPECT_GT(CountPixels(plain, qRgb(0, 0, 0)), 5000) << "the words are drawn";
    EXPECT_GT(CountPixels(plain, qRgb(0x80, 0x80, 0x80)), 500) << "the first word is selected";
    EXPECT_EQ(CountPixels(plain, kEtnachta), 0);

    const QImage coloured = Screenshot("coloured", "[Options]\nShowTropeGroups=TRUE\n");
    EXPECT_GT(CountPixels(coloured, kEtnachta), 2000);
    EXPECT_GT(CountPixels(coloured, kSofPasuk), 2000);

    const QImage tikkun = Screenshot("tikkun", "[Options]\nShowTropeGroups=TRUE\n", "--view tikkun");
    EXPECT_GT(CountPixels(tikkun, kEtnachta), 2000) << "both columns keep their colours";
}

TEST(DesktopScreenshot, AReadingThatCannotLoadFailsClearly) {
    std::filesystem::create_directories(kOut);
    const std::string command = "QT_QPA_PLATFORM=offscreen '" LYRASTA_DESKTOP "' --data '" +
                                (kOut / "no-data").string() +
                                "' --section Kohen=GEN1:1-1:5 --screenshot '" +
                                (kOut / "none.png").string() + "' 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
    EXPECT_NE(std::system("QT_QPA_PLATFORM=offscreen '" LYRASTA_DESKTOP "' --view sideways 2>/dev/null"), 0);
}

}  // namespace
