// Printing the text view into PDF files: the pages chosen, the page lines, the colours
// of a colour printer and of one without, and the print dialog's controls.

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QTest>

#include <filesystem>
#include <memory>

#include "fixture_reading.h"
#include "gui_app.h"
#include "pdf_check.h"
#include "support/temp_path.h"
#include "ui/heb_view.h"
#include "ui/print_dialog.h"
#include "ui/print_reading.h"

namespace lyrasta::ui {
namespace {

namespace fs = std::filesystem;

// The fixture's verses many times over: a text of several pages.
std::unique_ptr<THebViewClass> LongView() {
    auto view = std::make_unique<THebViewClass>(testing::Fonts());
    view->resize(700, 400);
    view->SetRToLWrapping(true);
    for (int i = 0; i < 40; ++i) testing::FillGenesis(view->Table());
    view->SetGroupColour(2, {0xFF, 0x70, 0xFF});
    view->SetShowTropeGroups(true);
    view->SetViewMode(0);
    return view;
}

struct Printed {
    int sheets = 0;
    fs::path pdf;
    std::string Text(int sheet) const { return pdf_check::Text(pdf, sheet); }
    int Pages() const { return pdf_check::Pages(pdf); }
};

Printed Print(THebViewClass& view, const std::string& name, const TPageSelection& pages, bool colour = true) {
    Printed p;
    p.pdf = ProcessTempPath("print_reading_test_" + name + ".pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(p.pdf.string()));
    printer.setPageSize(QPageSize(QPageSize::A4));
    bool ok = false;
    p.sheets = PrintPages(printer, view, {"Reading", pages, colour}, ok);
    EXPECT_TRUE(ok);
    return p;
}

TEST(PrintReading, OnlyTheChosenPagesArePrintedEachWithItsPageLine) {
    auto view = LongView();
    const Printed all = Print(*view, "all", {});
    ASSERT_GE(all.sheets, 5);
    EXPECT_EQ(all.Pages(), all.sheets);
    EXPECT_EQ(all.Text(1).find("Reading - "), std::string::npos) << "the first page has no page line";
    EXPECT_NE(all.Text(2).find("Reading - 2"), std::string::npos);

    // Pages 2 to 3: page 2 on the first sheet, no empty sheet for page 1.
    const Printed range = Print(*view, "range", {false, true, "2", "3"});
    EXPECT_EQ(range.sheets, 2);
    EXPECT_EQ(range.Pages(), 2);
    EXPECT_NE(range.Text(1).find("Reading - 2"), std::string::npos);
    EXPECT_NE(range.Text(2).find("Reading - 3"), std::string::npos);

    const Printed even = Print(*view, "even", {true, false, "", "", TPageSelection::kEvenPages});
    EXPECT_EQ(even.sheets, all.sheets / 2);
    for (int sheet = 1; sheet <= even.sheets; ++sheet)
        EXPECT_NE(even.Text(sheet).find("Reading - " + std::to_string(2 * sheet)), std::string::npos) << sheet;
}

TEST(PrintReading, APrinterWithoutColoursPrintsInBlackOnWhite) {
    auto view = LongView();
    view->SetShowTropeColors(true);
    for (const bool colour : {true, false}) {
        const Printed p = Print(*view, colour ? "colour" : "black", {false, true, "1", "1"}, colour);
        const QImage image = pdf_check::Picture(p.pdf, 1);
        ASSERT_FALSE(image.isNull());
        int printedEtnachta = 0, coloured = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                printedEtnachta += c == QColor(0xFF, 0xCF, 0xFF);
                coloured += c.red() != c.green() || c.green() != c.blue();
            }
        if (colour) {
            EXPECT_GT(printedEtnachta, 500) << "the etnachta group in its print colour";
        } else {
            EXPECT_EQ(coloured, 0) << "grey levels only";
        }
    }
}

TEST(PrintReading, TheDialogKeepsItsChoicesAndSetsTheOrientationAtOnce) {
    testing::App();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageOrientation(QPageLayout::Landscape);
    TfrmPrintDialog dialog(printer);
    dialog.show();
    EXPECT_TRUE(dialog.rbLandscape->isChecked()) << "the printer's orientation";
    EXPECT_EQ(dialog.lblPrinter->text(), "PDF file");
    EXPECT_TRUE(dialog.rbAll->isChecked());

    QTest::keyClicks(dialog.txtFromPage, "2");
    EXPECT_TRUE(dialog.rbRange->isChecked()) << "typing a first page chooses the range";
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible()) << "a range without its last page is not accepted";
    EXPECT_FALSE(dialog.lblProblem->text().isEmpty());
    QTest::keyClicks(dialog.txtToPage, "4");
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    const TPageSelection s = dialog.Selection();
    EXPECT_EQ(std::vector<bool>({s.PageIsSelected(1), s.PageIsSelected(2), s.PageIsSelected(4), s.PageIsSelected(5)}),
              std::vector<bool>({false, true, true, false}));

    dialog.show();
    EXPECT_EQ(dialog.txtFromPage->text(), "2") << "the choices stay for the next Print";
    dialog.rbPortrait->click();
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
}

}  // namespace
}  // namespace lyrasta::ui
