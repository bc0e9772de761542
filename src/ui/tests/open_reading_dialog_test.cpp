// The open-reading dialog and the main window's open commands on the offscreen platform:
// clicking a portion fills the lists from the catalogue, a weekday reading disables the
// Maftir and Haftarah, an open button closes the dialog with its kind and the cycle
// settings are written; the window opens the chosen reading, remembers it, and opens it
// again at the next start.

#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTimer>

#include <filesystem>
#include <fstream>

#include "opener_window.h"
#include "ui/heb_cal.h"
#include "ui/open_reading_dialog.h"
#include "ui/reading_opener.h"
#include "ui/trope_player.h"
#include "support/temp_path.h"

namespace lyrasta::ui {
namespace {

using testing::CatalogueDir;
using testing::OpenerWindow;

QRadioButton* Radio(QWidget& dialog, const QString& caption) {
    for (QRadioButton* b : dialog.findChildren<QRadioButton*>())
        if (b->text() == caption) return b;
    return nullptr;
}

QStringList Items(QWidget& dialog, const char* list) {
    QStringList texts;
    auto* l = dialog.findChild<QListWidget*>(list);
    for (int i = 0; i < l->count(); ++i) texts << l->item(i)->text();
    return texts;
}

TEST(OpenReadingDialog, ClickingThroughAChoice) {
    testing::App();
    TCatalogue catalogue;
    ASSERT_TRUE(catalogue.Load(CatalogueDir(), "encodings/sedrot.xml"));
    TSettingsStore settings;
    TfrmOpenReading dialog(catalogue, settings);
    dialog.show();
    dialog.findChild<QSpinBox*>("seYear")->setValue(5780);
    EXPECT_EQ(dialog.findChild<QLabel*>("lblNextYear")->text(), "(2019/2020)");
    EXPECT_FALSE(Radio(dialog, "Pekudei")->isEnabled()) << "read together with Vayakhel in 5780";

    Radio(dialog, "Noach")->click();
    EXPECT_TRUE(Radio(dialog, "Noach")->isChecked());
    EXPECT_EQ(Items(dialog, "optTorah"), (QStringList{"Shabbat", "Weekday"}));
    EXPECT_EQ(Items(dialog, "optHaftarah"), (QStringList{"Haftarah", "Sephardi custom"}));
    EXPECT_EQ(dialog.findChild<QLabel*>("lblDate")->text(), "Nov. 2, 2019 / 4 Heshvan, 5780");

    // A holiday takes the one selection from the portions.
    Radio(dialog, "Yom Kippur")->click();
    EXPECT_FALSE(Radio(dialog, "Noach")->isChecked());
    EXPECT_EQ(dialog.findChild<QLabel*>("lblDate")->text(), "");
    Radio(dialog, "Noach")->click();

    dialog.findChild<QListWidget*>("optTorah")->setCurrentRow(1);
    EXPECT_FALSE(dialog.findChild<QListWidget*>("optMaftir")->parentWidget()->isEnabled());
    EXPECT_FALSE(dialog.findChild<QPushButton*>("cmdOpenHaftarah")->isEnabled());
    dialog.findChild<QListWidget*>("optTorah")->setCurrentRow(0);
    EXPECT_TRUE(dialog.findChild<QPushButton*>("cmdOpenHaftarah")->isEnabled());

    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOpenHaftarah"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.OpenKind(), TOpenKind::Haftarah);
    EXPECT_EQ(dialog.Model().Open(TOpenKind::Haftarah).title, "Noach: Haftarah");
    EXPECT_EQ(settings.Text("Triennial"), "FALSE");
    EXPECT_EQ(settings.Text("Cycle"), "1");
    EXPECT_EQ(settings.Int("Year"), HebrewYearOfToday()) << "the base year of the cycle";

    // Shown again, it brings the chosen reading's tab to the front, unless the student is on
    // the custom readings.
    auto* tabs = dialog.findChild<QTabWidget*>("PageControl1");
    const std::pair<const char*, int> rows[] = {{"Purim", 1}, {"Noach", 0}, {"Megillas Esther", 1}};
    for (const auto& [reading, tab] : rows) {
        ASSERT_TRUE(dialog.SelectReading(reading));
        dialog.show();
        EXPECT_EQ(tabs->currentIndex(), tab) << reading;
        dialog.hide();
    }
    dialog.ShowTab(2);
    dialog.show();
    EXPECT_EQ(tabs->currentIndex(), 2);
}

// The calendar window selects the reading of the day clicked in the dialog.
TEST(CalendarWindow, ClickingADaySelectsItsReading) {
    testing::App();
    TCatalogue catalogue;
    ASSERT_TRUE(catalogue.Load(CatalogueDir(), "encodings/sedrot.xml"));
    TSettingsStore settings;
    TfrmOpenReading dialog(catalogue, settings);
    TfrmHebCal calendar(dialog);
    calendar.show();
    calendar.DrawCal(31, 10, 2024);
    EXPECT_EQ(calendar.findChild<QLabel*>("lblCMonth")->text(), "Oct. 2024");
    EXPECT_EQ(calendar.findChild<QLabel*>("lblHMonth")->text(), "Elul 5784/Tishrei 5785");

    calendar.ClickDay(28);  // a Monday: the coming Sabbath's portion, its weekday reading
    EXPECT_EQ(dialog.Model().ReadingName(), "Noach");
    ASSERT_GE(dialog.Model().Lists().torahIndex, 0);
    EXPECT_EQ(dialog.Model().Lists().torah[dialog.Model().Lists().torahIndex].text, "Weekday");
    EXPECT_FALSE(dialog.Model().MaftirEnabled());

    calendar.DrawCal(14, 3, 2025);
    calendar.ClickDay(14);  // Purim
    EXPECT_EQ(dialog.Model().ReadingName(), "Purim");
    EXPECT_EQ(dialog.findChild<QTabWidget*>("PageControl1")->currentIndex(), 1);
    EXPECT_EQ(calendar.findChild<QLabel*>("lblDateInfo")->text(), "3-14-2025:Purim ");

    // The month buttons keep the day, shortened to the month's length.
    calendar.DrawCal(31, 1, 2025);
    calendar.findChild<QToolButton*>("spinMonthUp")->click();
    EXPECT_EQ(std::tuple(calendar.Day(), calendar.MonthNumber(), calendar.Year()), std::tuple(28, 2, 2025));
    calendar.findChild<QToolButton*>("spinYearDown")->click();
    EXPECT_EQ(std::tuple(calendar.Day(), calendar.MonthNumber(), calendar.Year()), std::tuple(28, 2, 2024));
    calendar.DrawCal(15, 12, 2024);
    calendar.findChild<QToolButton*>("spinMonthUp")->click();
    EXPECT_EQ(std::tuple(calendar.MonthNumber(), calendar.Year()), std::tuple(1, 2025));
}

TEST(ReadingOpener, OpensTheChoiceRemembersItAndOpensItAgainAtStart) {
    const std::string ini = ProcessTempPath("lyrasta_opener_test.ini").string();
    std::filesystem::remove(ini);
    {
        OpenerWindow w(ini);
        QAction* open = w.window->findChild<QAction*>("mnuOpenReading");
        ASSERT_TRUE(open && open->isEnabled());
        ASSERT_TRUE(w.opener->OpenNamed({"Mikeitz", 5786, std::nullopt, false, false, TOpenKind::Haftarah}));
        ASSERT_EQ(w.opened.size(), 1u);
        EXPECT_EQ(w.opened[0].title, "Mikeitz: Haftarah - Shabbas Chanukah");
        EXPECT_EQ(w.opened[0].type, "Haftarah");
        EXPECT_EQ(w.opened[0].sections.R[1], "ISA66:1-66:1");
        EXPECT_FALSE(w.opener->OpenNamed({"Shabbat Nowhere", 5786, std::nullopt, false, false, TOpenKind::Torah}));
        EXPECT_EQ(w.messages.size(), 1u);

        // The toolbar's Open shows the dialog; its open button opens the choice.
        QTimer::singleShot(0, [&] {
            QTest::mouseClick(w.opener->Dialog().findChild<QPushButton*>("cmdOpenTorah"), Qt::LeftButton);
        });
        w.window->findChild<QAction*>("cmdOpen")->trigger();
        ASSERT_EQ(w.opened.size(), 2u);
        EXPECT_EQ(w.opened[1].title, "Mikeitz: Shabbat (Shvi'i:Rosh Chodesh)");
        w.window->close();
        ASSERT_TRUE(w.settings.Save());
    }
    OpenerWindow again(ini);
    ASSERT_TRUE(again.opener->OpenAtStart());
    ASSERT_EQ(again.opened.size(), 1u);
    EXPECT_EQ(again.opened[0].title, "Mikeitz: Shabbat (Shvi'i:Rosh Chodesh)");
    EXPECT_EQ(again.opened[0].sections.Maftir, "NUM7:42-7:47");
}

}  // namespace
}  // namespace lyrasta::ui
