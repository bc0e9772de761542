// The desktop program writing a reading's printed pages as a PDF file, with no window and
// no display. The pages are checked with the poppler tools: count and size (pdfinfo), the
// text on them (pdftotext), the fonts they use (pdffonts) and their colours (pdftoppm).

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "ui/tests/pdf_check.h"
#include "support/temp_path.h"

namespace {

namespace fs = std::filesystem;
using namespace lyrasta::pdf_check;
const fs::path kOut = lyrasta::ProcessTempPath("lyrasta_pdf_test");

// Writes the PDF of a reading with a settings file and more options; the PDF's path.
fs::path Pdf(const std::string& name, const std::string& settings, const std::string& options) {
    fs::create_directories(kOut);
    const fs::path ini = kOut / (name + ".ini"), pdf = kOut / (name + ".pdf");
    std::ofstream(ini) << settings;
    fs::remove(pdf);
    // No display and no platform chosen: the program needs neither for a PDF.
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" LYRASTA_DESKTOP
                                "' --settings '" + ini.string() + "' --data '" LYRASTA_DATA_DIR "' " + options +
                                " --pdf '" + pdf.string() + "' 2>/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return pdf;
}

// Hebrew letters (U+05D0..U+05EA) and points or accents (U+0591..U+05C7) in UTF-8 text.
std::pair<int, int> HebrewLettersAndMarks(const std::string& text) {
    int letters = 0, marks = 0;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        const unsigned code = (static_cast<unsigned char>(text[i]) & 0x1F) << 6 | (static_cast<unsigned char>(text[i + 1]) & 0x3F);
        if ((static_cast<unsigned char>(text[i]) & 0xE0) != 0xC0) continue;
        if (code >= 0x05D0 && code <= 0x05EA) ++letters;
        if (code >= 0x0591 && code <= 0x05C7) ++marks;
    }
    return {letters, marks};
}

// The printed etnachta group colour (its screen colour $00FF70FF prints lighter).
const QRgb kPrintedEtnachta = qRgb(0xFF, 0xCF, 0xFF);
const char* kGenesis = "--title Bereshit --section Kohen=GEN1:1-3:24";

TEST(DesktopPdf, ALongReadingFillsNumberedA4PagesWithItsHebrewText) {
    const fs::path pdf = Pdf("modern", "[Options]\nShowTropeGroups=TRUE\nColorTropes=TRUE\n", kGenesis);
    const int pages = Pages(pdf);
    EXPECT_GE(pages, 3);
    EXPECT_NE(Info(pdf).find("595 x 842 pts (A4)"), std::string::npos);
    const std::string first = Text(pdf, 1);
    EXPECT_NE(first.find("Bereshit"), std::string::npos) << "the title heads the first page";
    EXPECT_EQ(first.find("Bereshit - 1"), std::string::npos) << "the first page has no page line";
    const auto [letters, marks] = HebrewLettersAndMarks(first);
    EXPECT_GT(letters, 500) << "the Hebrew words are text";
    EXPECT_GT(marks, 500) << "with their points and accents";
    for (int page = 2; page <= pages; ++page)
        EXPECT_NE(Text(pdf, page).find("Bereshit - " + std::to_string(page)), std::string::npos) << page;
    EXPECT_GT(CountPixels(Picture(pdf, 1), kPrintedEtnachta), 200) << "group colours in their print colours";
}

TEST(DesktopPdf, EveryViewModePrintsItsLetters) {
    const std::string plain = "[Options]\nShowTropeGroups=FALSE\n";
    const struct {
        const char* view;
        bool modern, scroll;
    } cases[] = {
        {"modern", true, false},
        {"stam", false, true},
        {"tikkun", true, true},
    };
    for (const auto& c : cases) {
        const fs::path pdf = Pdf(std::string("view-") + c.view, plain,
                                 std::string("--title Bereshit --section Kohen=GEN1:1-1:13 --view ") + c.view);
        const std::string fonts = CommandOutput("pdffonts '" + pdf.string() + "'");
        EXPECT_EQ(fonts.find("EzraSIL") != std::string::npos, c.modern) << c.view << "\n" << fonts;
        EXPECT_EQ(fonts.find("Stam") != std::string::npos, c.scroll) << c.view << "\n" << fonts;
        EXPECT_EQ(CountPixels(Picture(pdf, 1), kPrintedEtnachta), 0) << c.view << ": no group colours when off";
    }
}

TEST(DesktopPdf, AFileThatCannotBeWrittenIsReportedAndNothingIsLeft) {
    const fs::path dir = kOut / "missing-folder";
    fs::remove_all(dir);
    const std::string command = "QT_QPA_PLATFORM=offscreen '" LYRASTA_DESKTOP "' --data '" LYRASTA_DATA_DIR
                                "' --section Kohen=GEN1:1-1:5 --pdf '" + (dir / "out.pdf").string() + "' 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
    EXPECT_FALSE(fs::exists(dir));
}

}  // namespace
