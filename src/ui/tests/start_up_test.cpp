// Start-up: one instance per user, the splash and about window, the acknowledgements,
// the debug window.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocalServer>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QAction>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <vector>

#include "text/data_files.h"
#include "ui/about_window.h"
#include "ui/debug_window.h"
#include "ui/single_instance.h"
#include "ui/greeting.h"
#include "ui/start_up_windows.h"
#include "ui/trope_player.h"
#include "gui_app.h"

namespace lyrasta::ui {
namespace {

QString UniqueName(const char* what) {
    return QString("lyrasta-test-%1-%2").arg(what).arg(QCoreApplication::applicationPid());
}

TEST(SingleInstance, ASecondStartHandsItsCommandLineToTheFirst) {
    testing::App();
    struct Case {
        const char* name;
        bool staleSocketFile;  // a program that ended without closing left its socket file
    } cases[] = {{"clean start", false}, {"stale socket file", true}};
    for (const Case& c : cases) {
        const QString name = UniqueName(c.staleSocketFile ? "stale" : "clean");
        if (c.staleSocketFile) {
            QFile stale(QDir::tempPath() + "/" + name);
            ASSERT_TRUE(stale.open(QIODevice::WriteOnly)) << c.name;
        }
        TSingleInstance first(name);
        ASSERT_TRUE(first.Start({"--title", "First"})) << c.name;
        QSignalSpy activated(&first, &TSingleInstance::Activated);
        TSingleInstance second(name);
        EXPECT_FALSE(second.Start({"--title", "Ki Tisa", "--section", "Kohen=EXO30:11-31:17"})) << c.name;
        ASSERT_TRUE(activated.count() > 0 || activated.wait(3000)) << c.name;
        EXPECT_EQ(activated.at(0).at(0).toStringList(),
                  QStringList({"--title", "Ki Tisa", "--section", "Kohen=EXO30:11-31:17"}))
            << c.name;
    }
}

TEST(SingleInstance, EveryUserHasTheirOwnName) {
    qunsetenv("LYRASTA_INSTANCE");
    EXPECT_TRUE(TSingleInstance::SocketName().startsWith("ReusableObjectsApp-"));
    EXPECT_NE(TSingleInstance::SocketName(), "ReusableObjectsApp-");
}

TEST(Splash, TheStartShowingClosesByItselfAndShowsTheVersion) {
    testing::App();
    TfrmSplash splash;
    splash.ShowAsSplash();
    EXPECT_TRUE(splash.TimerRunning());
    EXPECT_FALSE(splash.findChild<QPushButton*>()->isVisible()) << "no Close button at start";
    EXPECT_EQ(splash.VersionText(), "Version " + ProgramVersion());
    EXPECT_FALSE(ProgramVersion().isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !splash.isVisible(); }, TfrmSplash::kSplashMs + 3000));
}

TEST(Acknowledgements, EveryShippedSourceIsNamedWithItsLicence) {
    const std::vector<std::string> lines =
        AcknowledgementLines(ReadDataFile(LYRASTA_DATA_DIR, "acknowledgements.txt"));
    std::string all;
    for (const std::string& l : lines) {
        EXPECT_NE(l[0], '#') << "comments are left out";
        all += l + "\n";
    }
    for (const char* source : {"Open Scriptures Hebrew Bible", "CC BY 4.0", "tikkun-lines", "MIT",
                               "Westminster Leningrad Codex", "World English Bible", "Ezra SIL",
                               "Stam Ashkenaz CLM", "Liberation Sans"})
        EXPECT_NE(all.find(source), std::string::npos) << source;
}

TEST(DebugWindow, LogsAndSpeaksItsText) {
    testing::App();
    std::string spoken;
    TfrmDebug debug([&](const std::string& text) { spoken = text; });
    debug.Log("~b<20>~ah<60>");
    debug.Log("[[GEN01:01]]");
    EXPECT_EQ(debug.Memo1().toPlainText().toStdString(), "~b<20>~ah<60>\n[[GEN01:01]]");
    debug.Memo2().setPlainText("~sh<40>~a<50>");
    debug.SpeakButton().click();
    EXPECT_EQ(spoken, "~sh<40>~a<50>");
}

// Records every object given a parent, to see which windows are made and in what order.
class TChildLog : public QObject {
public:
    std::vector<QObject*> added;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::ChildAdded) added.push_back(static_cast<QChildEvent*>(e)->child());
        return false;
    }
};

TEST(StartUp, WindowsAreMadeInTheirOrderAndTheOthersWhenFirstShown) {
    testing::App();
    TSettingsStore settings;
    TTropePlayer window(testing::Fonts(), settings);
    TChildLog log;
    qApp->installEventFilter(&log);
    std::vector<std::string> messages;
    TStartUpWindows windows(window, settings, LYRASTA_DATA_DIR, {},
                            [&](const std::string&, const std::string& text) { messages.push_back(text); });
    qApp->removeEventFilter(&log);
    // An object's class is known once it is made: the log is read after start-up, passing
    // over what was made and freed again.
    const QList<QObject*> made = window.findChildren<QObject*>();
    std::vector<std::string> windowsMade;
    for (QObject* o : log.added)
        if (made.contains(o) && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow() &&
            QString(o->metaObject()->className()).startsWith("lyrasta::"))  // not a box's drop-down
            windowsMade.push_back(o->metaObject()->className());
    EXPECT_EQ(windowsMade, (std::vector<std::string>{"lyrasta::ui::TfrmDebug", "lyrasta::ui::TfrmSplash",
                                                     "lyrasta::ui::TfrmOpenReading", "lyrasta::ui::TfrmHebCal"}));
    EXPECT_TRUE(messages.empty()) << messages.front();
}

TEST(Greeting, ANewStudentIsGreetedOnceAndOfferedTheTutorial) {
    testing::App();
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("lyrasta_greeting_" + std::to_string(QCoreApplication::applicationPid()));
    std::filesystem::create_directories(dir);
    struct Case {
        const char* name;
        const char* settings;  // the file at the first start; none: no file yet
        bool greeted;
    } cases[] = {{"no settings file", nullptr, true},
                 {"settings of other windows", "[Options]\nSpeed=80\n", true},
                 {"a student who opened readings before", "[Options]\nLastReading=Noach\n", false},
                 {"greeted before", "[Options]\nGreeted=TRUE\n", false}};
    for (const Case& c : cases) {
        const std::string ini = (dir / "config.ini").string();
        std::filesystem::remove(ini);
        if (c.settings) std::ofstream(ini) << c.settings;
        for (int start = 1; start <= 2; ++start) {
            TSettingsStore settings(ini);
            settings.Load();
            TTropePlayer window(testing::Fonts(), settings);
            const bool greet = IsNewStudent(settings);
            EXPECT_EQ(greet, c.greeted && start == 1) << c.name << ", start " << start;
            if (!greet) {
                settings.Save();
                continue;
            }
            QAction* tutorial = window.findChild<QAction*>("mnuOpenTutorial");
            tutorial->setEnabled(true);
            QSignalSpy opened(tutorial, &QAction::triggered);
            QPointer<TfrmGreeting> greeting = GreetNewStudent(window, settings);
            EXPECT_TRUE(greeting->isVisible() && !greeting->isModal()) << c.name;
            settings.Save();
            greeting->findChild<QPushButton*>("cmdmnuOpenTutorial")->click();
            EXPECT_EQ(opened.count(), 1) << c.name;
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_TRUE(greeting.isNull()) << c.name << ": the greeting goes once it has been answered";
        }
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace lyrasta::ui
