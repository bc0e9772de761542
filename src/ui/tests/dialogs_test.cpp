// The customisation dialogs on the offscreen platform: colours, sections, melody help, and
// the help contexts the Help buttons open.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "player/colour_names.h"
#include "ui/colour_combo.h"
#include "ui/customize_dialog.h"
#include "ui/heb_view.h"
#include "ui/heb_cal.h"
#include "ui/help_window.h"
#include "ui/about_window.h"
#include "ui/colour_legend.h"
#include "ui/debug_window.h"
#include "ui/trope_player.h"
#include "ui/open_reading_dialog.h"
#include "ui/print_dialog.h"
#include "ui/melody_dialogs.h"
#include "ui/sections_dialog.h"
#include "ui/training_dialog.h"
#include "training/training_session.h"
#include "fixture_reading.h"
#include "gui_app.h"
#include "support/read_all.h"
#include "support/temp_path.h"

namespace lyrasta::ui {
namespace {

TEST(Help, EveryContextOpensAPlaceThatExists) {
    const std::filesystem::path help = std::filesystem::path(LYRASTA_DATA_DIR) / "help";
    for (const THelpContext& c : HelpContexts()) {
        const std::string page = c.page;
        const std::string file = page.substr(0, page.find('#'));
        ASSERT_TRUE(std::filesystem::exists(help / file)) << c.name << ": " << file;
        if (page.find('#') == std::string::npos) continue;
        EXPECT_NE(ReadAll(help / file).find("id=\"" + page.substr(page.find('#') + 1) + "\""),
                  std::string::npos) << c.name;
    }
    // The contexts the dialogs' Help buttons and the Help menu name.
    for (const char* named : {"contents", "customize", "sections", "melody", "keys", "tropes"})
        EXPECT_TRUE(std::any_of(HelpContexts().begin(), HelpContexts().end(),
                                [&](const THelpContext& c) { return std::string(c.name) == named; }))
            << named;
    EXPECT_EQ(HelpPage("no such context"), "index.html");
}

TEST(Help, TheWindowShowsThePageOrSaysItIsMissing) {
    testing::App();
    THelpWindow window(std::filesystem::path(LYRASTA_DATA_DIR) / "help");
    window.ShowContext("keys");
    EXPECT_TRUE(window.Browser().toPlainText().contains("Keyboard keys"));
    THelpWindow missing("/nonexistent-help");
    missing.ShowContext("keys");
    EXPECT_TRUE(missing.Browser().toPlainText().contains("missing"));
}

// The trope chart asks the window for each trope's tune, in the style in use when it is shown.
TEST(Help, TheTropeChartDrawsTheTunesOfTheStyleInUse) {
    testing::App();
    THelpWindow window(std::filesystem::path(LYRASTA_DATA_DIR) / "help");
    std::vector<std::string> asked;
    int notes = 1;  // the style's etnachta: this many quarter notes
    window.SetTuneSource([&](const std::string& trope) {
        asked.push_back(trope);
        std::vector<TStaffSymbol> staff;
        if (trope == "ETNACHTA")
            for (int i = 0; i < notes; ++i) staff.push_back({StaffKind::Note, 5, 4, 0, false, Accidental::None, 3});
        return staff;
    });
    const auto etnachta = [&] {
        return window.Browser().document()->resource(QTextDocument::ImageResource, QUrl("tune:ETNACHTA")).value<QImage>();
    };
    window.show();
    window.ShowContext("tropes");
    QCoreApplication::processEvents();  // lays the page out, pictures and all
    for (const char* trope : {"SOF_PASUK", "ETNACHTA", "MUNACH", "SHALSHELET"})
        EXPECT_NE(std::find(asked.begin(), asked.end(), trope), asked.end()) << trope;
    const int oneNote = etnachta().width();
    EXPECT_GT(oneNote, 20);
    const QImage none = window.Browser().loadResource(QTextDocument::ImageResource, QUrl("tune:MUNACH")).value<QImage>();
    EXPECT_EQ(none.width(), 1) << "no tune, no staff";

    notes = 3;  // another style chosen: the chart shown again draws its tune
    window.ShowContext("tropes");
    QCoreApplication::processEvents();
    EXPECT_GT(etnachta().width(), oneNote);
}

// Every Help button opens the guide at a context of its own, whose page is there.
TEST(Help, EveryHelpButtonNamesAContextThatExists) {
    testing::App();
    std::vector<std::string> named;
    const auto record = [&](const QString& context) { named.push_back(context.toStdString()); };
    const auto press = [](QWidget& dialog) {
        QAbstractButton* help = dialog.findChild<QPushButton*>("cmdHelp");
        if (auto* box = dialog.findChild<QDialogButtonBox*>(); !help && box) help = box->button(QDialogButtonBox::Help);
        ASSERT_NE(help, nullptr) << dialog.objectName().toStdString();
        help->click();
    };
    TCatalogue catalogue;
    TSettingsStore settings;
    TfrmOpenReading open(catalogue, settings);
    QObject::connect(&open, &TfrmOpenReading::HelpRequested, record);
    for (int tab = 0; tab < 3; ++tab) {
        open.ShowTab(tab);
        press(open);
    }
    TfrmHebCal calendar(open);
    QObject::connect(&calendar, &TfrmHebCal::HelpRequested, record);
    press(calendar);
    QPrinter printer;
    TfrmPrintDialog print(printer);
    QObject::connect(&print, &TfrmPrintDialog::HelpRequested, record);
    press(print);
    THebViewClass view{testing::Fonts()};
    TfrmAdjustColor customize(view, settings);
    QObject::connect(&customize, &TfrmAdjustColor::HelpRequested, record);
    press(customize);
    TfrmManageSections sections;
    QObject::connect(&sections, &TfrmManageSections::HelpRequested, record);
    press(sections);

    EXPECT_EQ(named, (std::vector<std::string>{"open", "open-holidays", "custom-readings", "calendar", "printing",
                                               "customize", "sections"}));
    for (const std::string& context : named)
        EXPECT_TRUE(std::any_of(HelpContexts().begin(), HelpContexts().end(),
                                [&](const THelpContext& c) { return c.name == context; }))
            << context << " is no help context";
}

// Every window can be made small enough for a 640 x 480 screen: what does not fit scrolls.
TEST(SmallScreen, EveryWindowFitsInto640By480) {
    testing::App();
    TSettingsStore settings;
    TCatalogue catalogue;
    TTropePlayer window(testing::Fonts(), settings);
    TfrmOpenReading open(catalogue, settings);
    TfrmHebCal calendar(open);
    QPrinter printer;
    TfrmPrintDialog print(printer);
    TfrmAdjustColor customize(window.HView(), settings);
    TfrmManageSections sections;
    TfrmSelectMelodies melodies(window.MelodyDisplay());
    THelpWindow help(std::filesystem::path(LYRASTA_DATA_DIR) / "help");
    TfrmSplash about;
    TfrmDebug debug([](const std::string&) {});
    TTraining course(LYRASTA_DATA_DIR, [](const std::string&, const std::string&) {});
    TfrmTrainingOpts training(course.Root());
    ShowColourLegend(window, window.HView());
    QWidget* legend = window.findChild<QDialog*>("ColourLegend");
    const std::vector<std::pair<const char*, QWidget*>> windows = {
        {"main window", &window}, {"open reading", &open}, {"calendar", &calendar}, {"print", &print},
        {"customize", &customize}, {"sections", &sections}, {"melodies", &melodies}, {"help", &help},
        {"about", &about}, {"debug", &debug}, {"training", &training}, {"legend", legend}};
    for (const auto& [name, w] : windows) {
        for (int tab = 0; tab < 3 && w == &open; ++tab) {
            open.ShowTab(tab);
            EXPECT_LE(open.minimumSizeHint().width(), 640) << "open reading, tab " << tab;
            EXPECT_LE(open.minimumSizeHint().height(), 480) << "open reading, tab " << tab;
        }
        const QSize least = w->minimumSizeHint().expandedTo(w->minimumSize());
        EXPECT_LE(least.width(), 640) << name;
        EXPECT_LE(least.height(), 480) << name;
    }
    // A window shown larger than its screen is made to fit it, down to its least size.
    const QRect screen = help.screen()->availableGeometry();
    help.resize(screen.size() + QSize(200, 200));
    help.show();
    EXPECT_TRUE(screen.contains(help.frameGeometry())) << help.width() << "x" << help.height();
    help.hide();
    // The text keeps most of such a screen: several lines of it under the toolbars and the
    // option tabs, with a verse's translation at its longest and the status line shown.
    window.Services().loadReading = [](const TReadingRequest&, TWordTable& table, std::string&) {
        testing::FillGenesis(table);
        return true;
    };
    window.Services().translationLine = [](int) {
        std::string verse;
        for (int i = 0; i < 60; ++i) verse += "and he said unto them ";
        return verse;
    };
    window.resize(640, 480);
    window.show();
    window.OpenReading({"Genesis", "", false, {}, "Torah", ""});
    window.ReportNoSoundDevice();
    QCoreApplication::processEvents();

    EXPECT_GE(window.HView().height(), 200);
}

struct Customize {
    std::filesystem::path ini = ProcessTempPath("lyrasta_dialogs_test") / "customize.ini";
    TSettingsStore settings{ini.string()};
    THebViewClass view{testing::Fonts()};
    std::unique_ptr<TfrmAdjustColor> dialog;
    Customize() {
        std::filesystem::create_directories(ini.parent_path());
        std::ofstream(ini) << "[Options]\nEnableElisions=False\n";
        settings.Load();
        view.SetGroupColour(kGroupSofPasuk, ToRgb(0x00E5C4E9));  // Pink
        view.SetGroupColour(kGroupTevir, ToRgb(0x00123456));     // not a colour of the boxes
        view.SetGroupColour(kGroupEtnachta, ToRgb(0x00FF70FF));  // Fuchsia, its original
        dialog = std::make_unique<TfrmAdjustColor>(view, settings);
        QTimer::singleShot(0, dialog.get(), &QDialog::reject);
        dialog->Run();  // shows the view's colours
    }
    int BoxOf(int group) const {
        for (size_t k = 0; k < ColourGroups().size(); ++k)
            if (ColourGroups()[k].group == group) return static_cast<int>(k);
        return -1;
    }
};

TEST(CustomizeDialog, ColoursGoToTheViewAndTheSettingsOnlyOnOk) {
    struct Case {
        const char* name;
        bool restore;
        bool ok;
        SettingColour sofPasuk, tevir, etnachta;  // the view's colours after
    } cases[] = {
        {"Cancel changes nothing", false, false, 0x00E5C4E9, 0x00123456, 0x00FF70FF},
        {"Restore then Cancel changes nothing", true, false, 0x00E5C4E9, 0x00123456, 0x00FF70FF},
        {"OK keeps a colour no box holds", false, true, 0x00E5C4E9, 0x00123456, 0x00FF70FF},
        {"Restore then OK gives the original colours", true, true, 0x00FFFF70, 0x00FFFFFF, 0x00FF70FF},
    };
    for (const Case& c : cases) {
        Customize f;
        EXPECT_EQ(f.dialog->Box(f.BoxOf(kGroupSofPasuk)).currentText(), "Pink") << c.name;
        EXPECT_EQ(f.dialog->Box(f.BoxOf(kGroupTevir)).currentIndex(), -1) << c.name;
        if (c.restore) f.dialog->RestoreOriginalColours();
        if (c.ok) f.dialog->Apply();
        EXPECT_EQ(ToSettingColour(f.view.GroupColour(kGroupSofPasuk)), c.sofPasuk) << c.name;
        EXPECT_EQ(ToSettingColour(f.view.GroupColour(kGroupTevir)), c.tevir) << c.name;
        EXPECT_EQ(ToSettingColour(f.view.GroupColour(kGroupEtnachta)), c.etnachta) << c.name;
        const std::string written = ReadAll(f.ini);
        EXPECT_EQ(written.find("clSofPasuk=") != std::string::npos, c.ok) << c.name << "\n" << written;
        if (c.ok) {
            TSettingsStore again(f.ini.string());
            again.Load();
            EXPECT_EQ(ParseColourSetting(again.Text("clTevir")), c.tevir) << c.name;
            EXPECT_EQ(ParseColourSetting(again.Text("clSofPasuk")), c.sofPasuk) << c.name;
        }
    }
}

TEST(CustomizeDialog, ElisionIsSavedAtOnceAndSpeakingOnlyWhereAllowed) {
    Customize f;
    f.dialog->EnableElision().click();
    EXPECT_NE(ReadAll(f.ini).find("EnableElisions=TRUE"), std::string::npos);
    EXPECT_FALSE(f.dialog->SpeakTexts().isVisibleTo(f.dialog.get())) << "EnableSpeak is off";
}

TEST(SectionsDialog, TicksHideSectionsAndAHighlightedLineIsJumpedTo) {
    testing::App();
    TReadingSections sections;
    sections.Maftir = "NUM7:84-7:89";
    sections.Kohen = "NUM4:21-4:37";
    sections.R[0] = "JDG13:2-13:25";
    sections.RNote[0] = "Haftarah";
    const std::vector<TSectionLine> lines = SectionLines(sections);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].Text(), "Kohen: NUM4:21-4:37");
    EXPECT_EQ(lines[1].Text(), "Maftir: NUM7:84-7:89");
    EXPECT_EQ(lines[2].Text(), "Reading section 1: JDG13:2-13:25");

    TfrmManageSections dialog;
    dialog.SetLines(lines);
    EXPECT_FALSE(dialog.Changed());
    EXPECT_TRUE(dialog.OkButton().isEnabled());
    dialog.List().item(1)->setCheckState(Qt::Unchecked);
    EXPECT_TRUE(dialog.Changed());
    const TReadingSections ticked = TickedSections(dialog.Lines(), sections);
    EXPECT_EQ(ticked.Kohen, "NUM4:21-4:37");
    EXPECT_EQ(ticked.Maftir, "") << "an unticked section is not loaded";
    EXPECT_EQ(ticked.R[0], "JDG13:2-13:25");
    EXPECT_EQ(ticked.RNote[0], "Haftarah") << "the notes stay";
    dialog.List().setCurrentRow(1);
    EXPECT_EQ(dialog.JumpLine(), -1) << "an unticked line is not jumped to";
    dialog.List().setCurrentRow(2);
    EXPECT_EQ(dialog.JumpLine(), 2);
    for (int i = 0; i < 3; ++i) dialog.List().item(i)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(dialog.OkButton().isEnabled()) << "nothing left to show";

    // The jump goes to the first word whose place begins the line's reference.
    TWordTable table;
    for (int verse : {20, 21}) {
        auto letters = std::make_unique<LetterList>(1);
        (*letters)[0].book = "NUM";
        (*letters)[0].chapter = 4;
        (*letters)[0].verse = verse;
        table.AddWord({.text = "w", .font = "TGBT", .size = 20, .hebrew = true, .scroll = true, .sung = true,
                       .letters = std::move(letters)});
    }
    EXPECT_EQ(JumpTarget(table, lines[0]), 1);
    EXPECT_EQ(JumpTarget(table, lines[1]), -1);
}

TEST(MelodyHelp, BothTypesUnderTheirHeadings) {
    const std::string rule(106, '-');
    EXPECT_EQ(TwoMelodiesHelp("Haftarah", "ASHKENAZI: Eastern European\r\n\r\n", "Eichah", "ASHKENAZI: Lamentations\r\n\r\n"),
              rule + "\r\nHAFTARAH MELODIES\r\n" + rule + "\r\nASHKENAZI: Eastern European\r\n\r\n" +
              rule + "\r\nEICHAH MELODIES\r\n" + rule + "\r\nASHKENAZI: Lamentations\r\n\r\n");
    testing::App();
    TfrmMelodyHelp window;
    window.ShowText("text", "Haftarah");
    EXPECT_EQ(window.windowTitle(), "Melody help - Haftarah");
}

}  // namespace
}  // namespace lyrasta::ui
