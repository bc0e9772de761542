// The custom-readings tab of the open-reading dialog on the offscreen platform: a reading is
// composed row by row, saved (asking before one of the same name is replaced), chosen again,
// deleted and opened directly; a file that cannot be read or written is said, never lost.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "opener_window.h"
#include "ui/custom_readings_tab.h"
#include "ui/open_reading_dialog.h"
#include "support/read_all.h"
#include "support/temp_path.h"

namespace lyrasta::ui {
namespace {

namespace fs = std::filesystem;
using Said = std::pair<std::string, std::string>;  // caption and text

// The dialog on its custom tab, with a file of its own; what it tells and asks is recorded
// and the questions answered with `answer`.
struct CustomTab {
    fs::path path;
    TCatalogue catalogue;
    TSettingsStore settings;
    std::unique_ptr<TfrmOpenReading> dialog;
    std::vector<Said> told, asked;
    bool answer = true;

    explicit CustomTab(const std::string& name, const std::string& content = "") {
        testing::App();
        const fs::path dir = ProcessTempPath("lyrasta_custom_tab_test") / name;
        fs::remove_all(dir);
        fs::create_directories(dir);
        path = dir / "custom sedrot.xml";
        if (!content.empty()) std::ofstream(path) << content;
        catalogue.Load(testing::CatalogueDir(), "encodings/sedrot.xml");
        dialog = std::make_unique<TfrmOpenReading>(catalogue, settings);
        Tab().File() = TCustomReadingsFile(path.string());
        Tab().message = [this](const std::string& c, const std::string& t) { told.emplace_back(c, t); };
        Tab().ask = [this](const std::string& c, const std::string& q) {
            asked.emplace_back(c, q);
            return answer;
        };
        dialog->ShowTab(2);
        dialog->show();
    }
    TCustomReadingsTab& Tab() { return dialog->CustomTab(); }
    template <class T> T* Get(const char* name) { return dialog->findChild<T*>(name); }
    void Click(const char* button) { QTest::mouseClick(Get<QAbstractButton>(button), Qt::LeftButton); }
    void Choose(const char* combo, const QString& text) {
        auto* box = Get<QComboBox>(combo);
        box->setCurrentIndex(box->findText(text));
    }
    // Edits a row: the book and the end chapter and verse (positions in their lists).
    void SetRow(int row, const QString& book, int endChapter, int endVerse) {
        Click(("cmdSetR" + std::to_string(row)).c_str());
        Choose("cboBook", book);
        Get<QComboBox>("cboEndChap")->setCurrentIndex(endChapter);
        Get<QComboBox>("cboEndVerse")->setCurrentIndex(endVerse);
        Click("cmdSetEditReading");
    }
    void Name(const QString& name) {
        auto* edit = Get<QComboBox>("cboCustName")->lineEdit();
        edit->clear();
        QTest::keyClicks(edit, name);
    }
    void PickSaved(const QString& name) {
        Name(name);
        QTest::keyClick(Get<QComboBox>("cboCustName")->lineEdit(), Qt::Key_Return);
    }
    std::string Panel(int row) { return Get<QLabel>(("pnlR" + std::to_string(row)).c_str())->text().toStdString(); }
    // Which of the three open buttons are enabled: "T", "H", "R".
    std::string OpenButtons() {
        std::string on;
        for (auto [name, letter] : {std::pair{"cmdOpenTorah", "T"}, {"cmdOpenHaftarah", "H"}, {"cmdOpenReading", "R"}})
            if (Get<QPushButton>(name)->isEnabled()) on += letter;
        return on;
    }
};

TEST(CustomReadingsTab, ComposeSaveOverwriteChooseAndOpen) {
    CustomTab t("compose");
    EXPECT_EQ(t.OpenButtons(), "") << "nothing to open while every row is empty";
    EXPECT_FALSE(t.dialog->findChild<QWidget*>("seYear")->isVisible()) << "no year or cycle on this tab";

    t.Click("optCustMegilla");
    EXPECT_TRUE(t.Get<QLabel>("lblR2")->isVisible());
    EXPECT_FALSE(t.Get<QLabel>("lblR3")->isVisible());
    t.Click("cmdSetR1");
    EXPECT_EQ(t.Get<QGroupBox>("gboxEditReading")->title(), "Edit Reading 1 reading");
    EXPECT_FALSE(t.Get<QRadioButton>("optCustTorah")->isEnabled()) << "nothing else changes while a row is edited";
    EXPECT_FALSE(t.Get<QPushButton>("cmdSave")->isEnabled());
    EXPECT_FALSE(t.Get<QPushButton>("cmdSetEditReading")->isEnabled()) << "no book chosen yet";
    t.Click("cmdCancelEditReading");
    t.SetRow(1, "Esther", 1, 22);
    EXPECT_FALSE(t.Get<QGroupBox>("gboxEditReading")->isVisible());
    EXPECT_EQ(t.Panel(1), "EST01:01-02:23");
    EXPECT_EQ(t.OpenButtons(), "R");

    t.Name("  Purim  ");
    t.Click("cmdSave");
    EXPECT_EQ(t.told.back(), Said("Save status", "Custom reading Purim was saved."));
    EXPECT_NE(ReadAll(t.path).find(R"(<READING NAME="Purim" TYPE="Reading" WRAPPED="TRUE" R1="EST01:01-02:23")"),
              std::string::npos) << ReadAll(t.path);
    EXPECT_TRUE(t.asked.empty());

    // The same name again: asked first; No keeps the file as it was, Yes replaces it. The
    // edit box starts where the last edit left it (Esther 1:1).
    t.SetRow(2, "Esther", 2, 14);
    const std::string once = ReadAll(t.path);
    t.answer = false;
    t.Click("cmdSave");
    ASSERT_EQ(t.asked.size(), 1u);
    EXPECT_EQ(t.asked[0], Said("Warning: Custom reading already exists!",
                             "Do you want to overwrite the existing custom reading Purim?"));
    EXPECT_EQ(ReadAll(t.path), once);
    t.answer = true;
    t.Click("cmdSave");
    EXPECT_NE(ReadAll(t.path).find(R"(R2="EST01:01-03:15")"), std::string::npos);
    EXPECT_EQ(ReadAll(t.path).find("Purim"), ReadAll(t.path).rfind("Purim")) << "one reading of that name";

    // Another kind empties the rows; choosing the saved name brings it back as it was saved.
    t.Click("optCustHiHolidaysTorah");
    EXPECT_EQ(t.Panel(1), "");
    EXPECT_EQ(t.Get<QLabel>("lblR4")->text(), "Revi'i");
    t.PickSaved("-Purim");
    EXPECT_EQ(t.Panel(1), "") << "a name beginning with \"-\" loads nothing";
    t.PickSaved("Purim");
    EXPECT_TRUE(t.dialog->isVisible()) << "Enter in the name box does not close the dialog";
    EXPECT_TRUE(t.Get<QRadioButton>("optCustMegilla")->isChecked());
    EXPECT_EQ(t.Panel(2), "EST01:01-03:15");
    EXPECT_EQ(t.OpenButtons(), "R");

    t.Click("cmdOpenReading");
    EXPECT_EQ(t.dialog->result(), QDialog::Rejected) << "the catalogue has nothing to open";
    const auto opening = t.dialog->TakeCustomOpening();
    ASSERT_TRUE(opening);
    EXPECT_EQ(opening->title, "Purim");
    EXPECT_EQ(opening->type, "Esther");
    EXPECT_TRUE(opening->wrapped);
    EXPECT_FALSE(t.dialog->TakeCustomOpening()) << "taken once";
}

TEST(CustomReadingsTab, NamesThatAreNoNameAreRefused) {
    CustomTab t("missing");
    t.SetRow(1, "Genesis", 0, 4);
    for (const char* name : {"", "   ", TCustomReadingsTab::kNamePrompt, "-mine"}) {
        t.told.clear();
        t.Name(name);
        t.Click("cmdSave");
        EXPECT_EQ(t.told, (std::vector<Said>{
                              {"Missing custom name", "Please enter a custom name"}}))
            << '"' << name << '"';
    }
    EXPECT_FALSE(fs::exists(t.path));
}

TEST(CustomReadingsTab, DeletingChoosesTheFirstNameLeft) {
    CustomTab t("delete", R"(<CUSTOMSEDROT>
<READING NAME="Chazon" TYPE="Haftarah" R1="ISA01:01-01:27"/>
<READING NAME="Bereshit" TYPE="Torah" KOHEN="GEN01:01-01:05" MAFTIR="GEN02:01-02:03"/>
</CUSTOMSEDROT>)");
    EXPECT_EQ(t.Get<QComboBox>("cboCustName")->currentText(), TCustomReadingsTab::kNamePrompt);
    EXPECT_FALSE(t.Get<QPushButton>("cmdDelete")->isEnabled());
    t.PickSaved("Bereshit");
    EXPECT_EQ(t.Panel(8), "GEN02:01-02:03");
    EXPECT_EQ(t.OpenButtons(), "T");
    t.Click("cmdDelete");
    EXPECT_EQ(ReadAll(t.path).find("Bereshit"), std::string::npos);
    EXPECT_EQ(t.Get<QComboBox>("cboCustName")->currentText(), "Chazon");
    EXPECT_TRUE(t.Get<QRadioButton>("optCustHaftarah")->isChecked());
    EXPECT_EQ(t.Panel(1), "ISA01:01-01:27");
    EXPECT_EQ(t.OpenButtons(), "H");
}

TEST(CustomReadingsTab, AFileThatCannotBeReadIsSaidAndReplacedOnlyWhenTheUserAgrees) {
    // An end tag without its start: the readings after it cannot be trusted.
    const std::string broken = R"(</READING><CUSTOMSEDROT><READING NAME="Mine" TYPE="Torah"/></CUSTOMSEDROT>)";
    CustomTab t("malformed", broken);
    ASSERT_EQ(t.told.size(), 1u);
    EXPECT_EQ(t.told[0].first, "Parse Error");
    EXPECT_NE(t.told[0].second.find(t.path.string()), std::string::npos) << t.told[0].second;
    t.SetRow(1, "Genesis", 0, 4);
    t.Name("New");
    t.answer = false;
    t.Click("cmdSave");
    ASSERT_EQ(t.asked.size(), 1u);
    EXPECT_EQ(t.asked[0].first, "Warning: Custom readings file cannot be read");
    EXPECT_EQ(ReadAll(t.path), broken);
    t.answer = true;
    t.Click("cmdSave");
    EXPECT_NE(ReadAll(t.path).find(R"(NAME="New")"), std::string::npos);
    EXPECT_EQ(ReadAll(t.Tab().File().KeptCopyPath()), broken);
}

TEST(CustomReadingsTab, AFailedWriteIsSaidAndTheOldFileStays) {
    CustomTab t("readonly", R"(<CUSTOMSEDROT><READING NAME="Kept" TYPE="Torah" KOHEN="GEN01:01-01:05"/></CUSTOMSEDROT>)");
    const std::string before = ReadAll(t.path);
    chmod(t.path.c_str(), 0444);
    t.SetRow(1, "Genesis", 0, 4);
    t.Name("Lost?");
    t.Click("cmdSave");
    chmod(t.path.c_str(), 0644);
    ASSERT_FALSE(t.told.empty());
    EXPECT_EQ(t.told.back().first, "Save status");
    EXPECT_TRUE(t.told.back().second.starts_with("Custom reading Lost? was not saved: ")) << t.told.back().second;
    EXPECT_EQ(ReadAll(t.path), before);
    EXPECT_EQ(t.Get<QComboBox>("cboCustName")->count(), 1) << "the list is what the file holds";
}

// The window opens a custom reading directly: its rows as the sections, in its reading type.
TEST(CustomReadingsTab, TheWindowOpensTheRowsWithoutAName) {
    const std::string ini = ProcessTempPath("lyrasta_custom_open_test.ini").string();
    fs::remove(ini);
    testing::OpenerWindow w(ini);
    TfrmOpenReading& dialog = w.opener->Dialog();
    QTimer::singleShot(0, [&] {
        dialog.ShowTab(2);
        QTest::mouseClick(dialog.findChild<QRadioButton*>("optCustHaftarah"), Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdSetR2"), Qt::LeftButton);
        dialog.findChild<QComboBox*>("cboBook")->setCurrentIndex(1);
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdSetEditReading"), Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOpenHaftarah"), Qt::LeftButton);
    });
    w.window->findChild<QAction*>("cmdOpen")->trigger();
    ASSERT_EQ(w.opened.size(), 1u);
    EXPECT_EQ(w.opened[0].title, "Customized reading");
    EXPECT_EQ(w.opened[0].type, "Haftarah");
    EXPECT_FALSE(w.opened[0].wrapped);
    EXPECT_EQ(w.opened[0].sections.R[1], "1KI01:01-01:01");
    EXPECT_EQ(w.opened[0].sections.R[0], "");
}

// A saved reading opened last comes back at the next start; once deleted, the coming
// Sabbath's portion opens instead.
TEST(CustomReadingsTab, ASavedReadingOpenedLastComesBackAtStart) {
    const std::string ini = ProcessTempPath("lyrasta_custom_start_test.ini").string();
    fs::remove(ini);
    testing::App();
    const fs::path file = TCustomReadingsFile::DefaultPath();  // in the tests' own data folder
    fs::create_directories(file.parent_path());
    std::ofstream(file) << R"(<CUSTOMSEDROT><READING NAME="Purim practice" TYPE="Reading" R1="EST01:01-01:08"/></CUSTOMSEDROT>)";
    {
        testing::OpenerWindow w(ini);
        TCustomReadingsTab& tab = w.opener->Dialog().CustomTab();
        tab.LoadNames();
        ASSERT_TRUE(tab.Choose("Purim practice"));
        ASSERT_TRUE(w.opener->OpenCustom(tab.Opening()));
        w.window->close();
        ASSERT_TRUE(w.settings.Save());
    }
    {
        testing::OpenerWindow again(ini);
        ASSERT_TRUE(again.opener->OpenAtStart());
        ASSERT_EQ(again.opened.size(), 1u);
        EXPECT_EQ(again.opened[0].title, "Purim practice");
        EXPECT_EQ(again.opened[0].type, "Esther");
        EXPECT_EQ(again.opened[0].sections.R[0], "EST01:01-01:08");
    }
    fs::remove(file);
    testing::OpenerWindow gone(ini);
    ASSERT_TRUE(gone.opener->OpenAtStart());
    ASSERT_EQ(gone.opened.size(), 1u);
    EXPECT_NE(gone.opened[0].title, "Purim practice");
}

}  // namespace
}  // namespace lyrasta::ui
