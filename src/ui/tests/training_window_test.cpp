// Training in the main window on the offscreen platform: the lesson pane with its
// navigator at the left, the exercise controls under the view, the caption, Reload, and
// the reading that ends training.

#include <gtest/gtest.h>

#include <fstream>

#include <QAction>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRubberBand>
#include <QTextBlock>
#include <QTextDocument>

#include "player/reading_session.h"
#include "training/training_session.h"
#include "ui/heb_view.h"
#include "ui/lesson_pane.h"
#include "ui/training_opener.h"
#include "ui/trope_player.h"
#include "fixture_reading.h"
#include "gui_app.h"
#include "support/temp_path.h"

namespace lyrasta::ui {
namespace {

// The course of the training library's tests: a tutorial, lessons, flash cards, a Hebrew
// text and a phrase drill.
const std::filesystem::path kCourse = LYRASTA_TRAINING_TEST_DATA;

// A settings file with the Torah melody chosen, as a student who has sung before has it.
std::string SettingsFile() {
    const auto path = ProcessTempPath("lyrasta_training_window.ini");
    std::ofstream(path) << "[Options]\nTorah=Ashkenazi\n";
    return path.string();
}

struct TrainingWindow {
    TSettingsStore settings{SettingsFile()};
    std::vector<std::string> messages;
    TReadingSession session{LYRASTA_DATA_DIR, [this](const std::string&, const std::string& m) { messages.push_back(m); }};
    TTraining training{kCourse, [this](const std::string&, const std::string& m) { messages.push_back(m); }};
    std::unique_ptr<TTropePlayer> window;
    std::unique_ptr<TTrainingOpener> opener;

    TrainingWindow() {
        TPlayerServices services;
        services.loadReading = [](const TReadingRequest&, TWordTable& table, std::string&) {
            testing::FillGenesis(table);
            return true;
        };
        window = std::make_unique<TTropePlayer>(testing::Fonts(), settings, std::move(services));
        window->SetMessageSink([this](const std::string&, const std::string& text) { messages.push_back(text); });
        window->resize(1000, 700);
        window->show();
        opener = std::make_unique<TTrainingOpener>(*window, session, training, settings, nullptr,
                                                   [this](const std::string&, const std::string& m) { messages.push_back(m); });
    }
    template <typename T>
    T* Find(const char* name) { return window->findChild<T*>(name); }
};

TEST(TrainingWindow, ALessonHasItsPaneAndNavigatorAndAReadingEndsTraining) {
    TrainingWindow w;
    ASSERT_TRUE(w.Find<QAction>("cmdTrain")->isEnabled());
    ASSERT_TRUE(w.opener->OpenNamed("Course/Segol"));
    EXPECT_EQ(w.window->windowTitle(), "Lyrasta(tm) - Course: Segol");
    auto* pane = w.Find<TLessonPane>("reText");
    auto* navigator = w.Find<QGroupBox>("grpNavigator");
    ASSERT_TRUE(pane && navigator);
    EXPECT_TRUE(pane->isVisible());
    EXPECT_NE(pane->toPlainText().indexOf("Segol is sung"), -1) << pane->toPlainText().toStdString();
    EXPECT_EQ(pane->textCursor().position(), 0) << "notes longer than the pane are shown from their beginning";
    // 40 percent of the width, the navigator below the pane, the view right of the splitter.
    EXPECT_NEAR(pane->width(), w.window->HView().width() * 40 / 60, 30);
    EXPECT_GE(navigator->y(), pane->geometry().bottom());
    EXPECT_GT(w.window->HView().x(), pane->geometry().right());
    EXPECT_TRUE(w.Find<QPushButton>("cmdPrevious")->isEnabled());
    EXPECT_FALSE(w.Find<QGroupBox>("grpExercise")->isVisible());
    EXPECT_TRUE(w.window->HView().Table().IsSung(w.window->HView().SelectedWord()));

    // Reload opens the option again; a reading then takes the whole width back.
    pane->clear();
    for (QAction* a : w.window->findChildren<QAction*>())
        if (a->text() == "&Reload <F9>") a->trigger();
    EXPECT_EQ(w.window->windowTitle(), "Lyrasta(tm) - Course: Segol");
    EXPECT_NE(pane->toPlainText().indexOf("Segol is sung"), -1);
    ASSERT_TRUE(w.window->OpenReading({"Bereshit", "", false, {}, "Torah", ""}));
    EXPECT_FALSE(pane->isVisible());
    EXPECT_FALSE(navigator->isVisible());
    EXPECT_EQ(w.window->HView().x(), 0);
    EXPECT_TRUE(w.messages.empty()) << w.messages.front();
}

// The splitter is dragged as a shadow bar; the pane and the view move when the button is let go,
// and never past a quarter of the window.
TEST(TrainingWindow, TheSplitterDragsAShadowBarAndMovesThePaneWhenLetGo) {
    TrainingWindow w;
    ASSERT_TRUE(w.opener->OpenNamed("Course/Segol"));
    auto* pane = w.Find<TLessonPane>("reText");
    auto* bar = w.Find<QWidget>("pnlSplitter");
    const int before = pane->width();
    const auto mouse = [&](QEvent::Type type, int dx, Qt::MouseButton button, Qt::MouseButtons held) {
        const QPointF at(2 + dx, 10);
        QMouseEvent e(type, at, bar->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(bar, &e);
    };
    const auto shadow = [&] { return w.window->findChild<QRubberBand*>("splitterShadow"); };
    mouse(QEvent::MouseButtonPress, 0, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, -10000, Qt::NoButton, Qt::LeftButton);
    ASSERT_TRUE(shadow() && shadow()->isVisible());
    EXPECT_EQ(shadow()->x() - bar->x(), w.window->width() / 4 - before);
    mouse(QEvent::MouseMove, 60, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(shadow()->x(), bar->x() + 60);
    EXPECT_EQ(pane->width(), before) << "the pane waits for the button to be let go";
    mouse(QEvent::MouseButtonRelease, 60, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(pane->width(), before + 60);
    EXPECT_EQ(shadow(), nullptr);
}

// A list item of the notes stands indented under its paragraph, with the notes' spacing.
TEST(LessonPane, ParagraphsKeepTheNotesSpacingAndIndent) {
    testing::App();
    QTextDocument document;
    FillLessonDocument(document, "\\pard\\sa120 Its group.\\par\\pard\\li360\\sa60 Mercha\\par");
    const QTextBlockFormat paragraph = document.firstBlock().blockFormat();
    const QTextBlockFormat item = document.firstBlock().next().blockFormat();
    EXPECT_EQ(paragraph.leftMargin(), 0);
    EXPECT_GT(item.leftMargin(), 0);
    EXPECT_DOUBLE_EQ(paragraph.bottomMargin(), 2 * item.bottomMargin());
    EXPECT_DOUBLE_EQ(item.leftMargin(), 3 * paragraph.bottomMargin());
}

TEST(TrainingWindow, FlashCardsAndDrillsHaveTheirControlsUnderTheView) {
    TrainingWindow w;
    ASSERT_TRUE(w.opener->OpenNamed("Course/Cards"));
    auto* controls = w.Find<QGroupBox>("grpExercise");
    EXPECT_TRUE(controls->isVisible());
    EXPECT_GE(controls->y(), w.window->HView().geometry().bottom());
    EXPECT_TRUE(w.Find<QPushButton>("cmdNextExercise")->isVisible());
    EXPECT_FALSE(w.Find<QPushButton>("cmdSingPhrase")->isVisible());
    EXPECT_FALSE(w.Find<TLessonPane>("reText")->isVisible());
    w.Find<QPushButton>("cmdNextExercise")->click();
    EXPECT_GT(w.window->HView().WordCount(), 0);

    ASSERT_TRUE(w.opener->OpenNamed("Course/Drill"));
    EXPECT_TRUE(w.Find<QPushButton>("cmdSingPhrase")->isVisible());
    EXPECT_FALSE(w.Find<QPushButton>("cmdPlayAnswer")->isVisible());
    EXPECT_FALSE(w.Find<QPushButton>("cmdNext")->isEnabled());  // the selection's last option
    EXPECT_EQ(w.window->HView().Table().ItemText(0), "Chant this phrase:");

    EXPECT_FALSE(w.opener->OpenNamed("Course/No such option"));
    ASSERT_EQ(w.messages.size(), 1u);
    EXPECT_NE(w.messages[0].find("No such option"), std::string::npos);
}

}  // namespace
}  // namespace lyrasta::ui
