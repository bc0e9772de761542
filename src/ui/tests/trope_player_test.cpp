// The main window on the offscreen platform: settings read at the first showing and
// written at close, the arrangement, the keys, and playing through the synthesizer in
// its fast mode.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QSignalSpy>
#include <QSpinBox>
#include <QLabel>
#include <QTabWidget>
#include <QToolBar>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ui/heb_view.h"
#include "ui/synth_link.h"
#include "ui/trope_player.h"
#include "fixture_reading.h"
#include "gui_app.h"
#include "support/read_all.h"
#include "support/temp_path.h"

namespace lyrasta::ui {
namespace {

using testing::Fonts;

std::string TempIni(const std::string& name, const std::string& text) {
    const auto dir = ProcessTempPath("lyrasta_window_test");
    std::filesystem::create_directories(dir);
    const auto path = (dir / name).string();
    std::ofstream(path) << text;
    return path;
}

struct Window {
    TSettingsStore settings;
    int loads = 0;
    std::vector<std::string> messages;  // what the window would show in message boxes
    std::unique_ptr<TTropePlayer> window;

    explicit Window(const std::string& ini, int width = 1000, int height = 700)
        : settings(ini) {
        TPlayerServices services;
        services.loadReading = [this](const TReadingRequest&, TWordTable& table, std::string&) {
            ++loads;
            testing::FillGenesis(table);
            return true;
        };
        window = std::make_unique<TTropePlayer>(Fonts(), settings, std::move(services));
        window->SetMessageSink([this](const std::string&, const std::string& text) { messages.push_back(text); });
        window->resize(width, height);
        window->show();
        window->activateWindow();
        QCoreApplication::processEvents();
        TReadingRequest request;
        request.title = "Genesis";
        request.sections.R[0] = "GEN1:1-1:3";
        window->OpenReading(request);
    }
    int IndexOf(const std::string& text) const {
        const TWordTable& t = window->HView().Table();
        for (int i = 0; i < t.WordCount(); ++i)
            if (t.IsHebrewWord(i) && t.ItemText(i) == text) return i;
        return -1;
    }
};

TEST(TropePlayer, ReadsSettingsAtFirstShowingAndWritesThemAtClose) {
    const std::string ini = TempIni("window.ini",
                                    "[Options]\nSpeed=80\nVoice=-3\nShowTropeGroups=true\n"
                                    "clEtnachta=$0000FF00\nTorah=Ashkenazi\n[Other]\nKeep=1\n");
    Window w(ini);
    TTropePlayer& p = *w.window;
    EXPECT_EQ(p.Speed(), 5);
    EXPECT_EQ(p.Voice(), 0) << "a negative voice selects the first item";
    ASSERT_EQ(w.messages.size(), 1u);
    EXPECT_NE(w.messages[0].find("Voice=-3"), std::string::npos) << "and the user is told";
    EXPECT_EQ(p.Pronunciation(), 0);
    EXPECT_EQ(p.Volume(), 5);
    EXPECT_TRUE(p.HView().ShowTropeGroups());
    EXPECT_TRUE(p.HView().ShowUnderlines()) << "underlines are on by default";
    EXPECT_EQ(p.HView().GroupColour(2), (Rgb{0, 0xFF, 0})) << "colours are $00BBGGRR";
    EXPECT_EQ(p.HView().GroupColour(1), (Rgb{0x70, 0xFF, 0xFF})) << "the default";
    EXPECT_FALSE(p.Player().SongStale()) << "reading the settings changes no song";
    p.findChild<QComboBox*>("cboPronunciation")->setCurrentIndex(3);
    p.close();
    const std::string written = ReadAll(ini);
    for (const char* line : {"Speed=80", "Voice=0", "Pronunciation=3", "ShowTropeGroups=TRUE",
                             "ColorTropes=FALSE", "ShowUnderlines=TRUE", "Torah=Ashkenazi",
                             "clEtnachta=$0000FF00", "[Other]", "Keep=1", "Location=/"})
        EXPECT_NE(written.find(line), std::string::npos) << line << " in\n" << written;
}

// The toolbars wrap, the option tabs sit beside them where there is room and under them
// where there is not, and the text, its translation and the tip line and staff follow
// below, none over another, from a small screen to a large one.
TEST(TropePlayer, ControlsNeverOverlapFromSmallToLargeWindows) {
    const std::string ini = TempIni("arrange.ini", "");
    const struct {
        int width, height;
        bool tabsBeside;
    } cases[] = {{600, 700, false}, {640, 480, false}, {1000, 700, true}, {2560, 1440, true}};
    for (const auto& c : cases) {
        Window w(ini, c.width, c.height);
        TTropePlayer& p = *w.window;
        const std::string size = std::to_string(c.width) + "x" + std::to_string(c.height);
        const QRect tabs = p.OptionTabs().geometry();
        std::vector<QRect> toolbars;
        for (QToolBar* bar : p.findChildren<QToolBar*>(Qt::FindDirectChildrenOnly)) toolbars.push_back(bar->geometry());
        ASSERT_EQ(toolbars.size(), 4u);
        int bandBottom = 0;
        for (size_t i = 0; i < toolbars.size(); ++i) {
            EXPECT_FALSE(toolbars[i].intersects(tabs)) << size << " toolbar " << i;
            EXPECT_LE(toolbars[i].right(), c.width) << size << " toolbar " << i;
            for (size_t j = 0; j < i; ++j) EXPECT_FALSE(toolbars[i].intersects(toolbars[j])) << size;
            bandBottom = std::max(bandBottom, toolbars[i].bottom());
        }
        EXPECT_EQ(tabs.top() == 0, c.tabsBeside) << size;
        const QRect view = p.HView().geometry();
        const QRect translation = p.findChild<QLabel*>("lblTranslation")->geometry();
        const QRect tips = p.findChild<QLabel*>("lblTips")->geometry();
        EXPECT_GT(view.top(), std::max(bandBottom, tabs.bottom())) << size;
        EXPECT_GT(translation.top(), view.bottom()) << size;
        EXPECT_GT(tips.top(), translation.bottom()) << size;
        EXPECT_LE(tips.bottom(), c.height) << size;
    }
}

TEST(TropePlayer, F9ReloadsKeepingTheSelectedWord) {
    const std::string ini = TempIni("keys.ini", "[Options]\nDebug=False\n");
    Window w(ini);
    int submitted = 0;
    w.window->Services().singRange = [&](int, const TPlayback&) { ++submitted; };
    const int word = w.IndexOf("הָאָֽרֶץ׃");
    w.window->HView().ShowWord(word, true);
    QTest::keyClick(w.window.get(), Qt::Key_F9);
    EXPECT_EQ(w.loads, 2);
    EXPECT_EQ(w.window->HView().SelectedWord(), word);
    QTest::keyClick(w.window.get(), Qt::Key_F5);
    EXPECT_EQ(submitted, 1);
    EXPECT_EQ(w.window->Player().Mode(), kPlaySection);
}

// Clicks a word of the view and returns the widget that has the keyboard then.
QWidget* ClickWord(Window& w, int word) {
    THebViewClass& view = w.window->HView();
    const HxWord& item = *view.Table().Item(word);
    const int line = view.LayoutState().LineOf(item) - view.ScrollPosition();
    const QPoint p(item.x1 + item.width1 / 2, line * view.LayoutState().LineHeight() + 5);
    QTest::mouseClick(&view, Qt::LeftButton, {}, p);
    return QApplication::focusWidget();
}

TEST(TropePlayer, AClickGivesTheTextTheKeysAndTheyNeverReachTheBoxes) {
    const std::string ini = TempIni("focus.ini", "");
    Window w(ini);
    TTropePlayer& p = *w.window;
    int submitted = 0, stopped = 0;
    p.Services().singRange = [&](int, const TPlayback&) { ++submitted; };
    p.Services().resetSynthesizer = [&] { ++stopped; };
    p.SetMelodyStyles({"First", "Second"}, 0, "");
    auto* volume = p.findChild<QSpinBox*>("seVolume");
    auto* melody = p.findChild<QComboBox*>("cboNiggun");
    // The student had used the volume box and the melody box before clicking a word.
    volume->setFocus();
    QTest::keyClick(volume, Qt::Key_Up);
    ASSERT_EQ(volume->value(), 6) << "fixture: the box had the keys";
    const int first = w.IndexOf("בְּרֵאשִׁ֖ית");
    ASSERT_EQ(ClickWord(w, first), &p.HView());
    // The reading's last word is the second part of a maqaf pair: End selects its first part.
    const int lastWord = p.HView().Table().Item(w.IndexOf("אֽוֹר׃"))->pairFirst;
    ASSERT_GE(lastWord, 0) << "fixture: the last word is a pair";
    struct Step {
        Qt::Key key;
        int selected;  // the selected word after the key
        int submitted;
    } steps[] = {
        {Qt::Key_Left, w.IndexOf("בָּרָ֣א"), 0},
        {Qt::Key_Right, first, 0},
        {Qt::Key_Up, first, 0},  // the first line: nowhere further up
        {Qt::Key_End, lastWord, 0},
        {Qt::Key_Home, first, 0},
        {Qt::Key_Space, first, 1},  // sings
        {Qt::Key_Space, first, 1},  // and stops
    };
    for (const Step& s : steps) {
        QTest::keyClick(QApplication::focusWidget(), s.key);
        EXPECT_EQ(p.HView().SelectedWord(), s.selected) << QTest::toString(QKeySequence(s.key));
        EXPECT_EQ(submitted, s.submitted);
    }
    EXPECT_GE(stopped, 1) << "the second Space stopped the singing";
    EXPECT_EQ(volume->value(), 6);
    EXPECT_EQ(melody->currentIndex(), 0);
    p.close();
    EXPECT_EQ(ReadAll(ini).find("Torah="), std::string::npos) << "no melody was chosen";
}

TEST(TropePlayer, TheNextStartComesBackToTheSameWordViewAndSize) {
    const std::string ini = TempIni("memory.ini", "");
    int word = -1;
    {
        Window w(ini);
        word = w.IndexOf("הַשָּׁמַ֖יִם");
        w.window->HView().ShowWord(word, true);
        w.window->Zoom(4);
        w.window->HView().SetViewMode(2);
        w.window->close();
    }
    const std::string written = ReadAll(ini);
    for (const char* line : {"ViewMode=2", "TextSize=24", "SelectedWord=", "WindowGeometry="})
        EXPECT_NE(written.find(line), std::string::npos) << line << " in\n" << written;
    Window again(ini);
    EXPECT_EQ(again.window->HView().SelectedWord(), word);
    EXPECT_EQ(again.window->HView().ViewMode(), 2);
    EXPECT_EQ(again.window->TextSize(), 24);
    again.window->Zoom(0);
    EXPECT_EQ(again.window->TextSize(), 20);
}

TEST(TropePlayer, ExportAudioWaitsForAReading) {
    TSettingsStore settings(TempIni("export.ini", ""));
    TTropePlayer p(Fonts(), settings);
    p.show();
    QAction* exportAudio = nullptr;
    for (QAction* a : p.findChildren<QAction*>())
        if (a->text() == "Export audio...") exportAudio = a;
    ASSERT_NE(exportAudio, nullptr);
    EXPECT_FALSE(exportAudio->isEnabled());
    Window w(TempIni("export2.ini", ""));
    for (QAction* a : w.window->findChildren<QAction*>())
        if (a->text() == "Export audio...") {
            EXPECT_TRUE(a->isEnabled());
        }
}

// Plays a command through the synthesizer in fast mode and returns the highlight path.
struct Singing {
    Window w{TempIni("play.ini", "")};
    TSynthLink link{*w.window, w.settings, true};
    std::vector<int> path;
    Singing() {
        QObject::connect(&w.window->HView(), &THebViewClass::WordShown,
                         [this](int i) { path.push_back(i); });
    }
    void Settle() {
        for (int k = 0; k < 5; ++k) {
            link.Engine().WaitUntilIdle();
            QTest::qWait(20);
        }
    }
};

TEST(TropePlayer, PlayingMovesTheHighlightWordByWord) {
    struct Case {
        const char* name;
        const char* start;
        void (TPlayback::*command)();
        std::vector<const char*> path;
        const char* end;
    };
    const std::vector<Case> cases = {
        {"word", "אֱלֹהִ֑ים", &TPlayback::PlayWord, {}, "אֱלֹהִ֑ים"},
        {"verse", "בְּרֵאשִׁ֖ית", &TPlayback::PlayVerse,
         {"בְּרֵאשִׁ֖ית", "בָּרָ֣א", "אֱלֹהִ֑ים", "אֵ֥ת", "הַשָּׁמַ֖יִם", "וְאֵ֥ת", "הָאָֽרֶץ׃",
          "וְהָאָ֗רֶץ"},
         "וְהָאָ֗רֶץ"},
        {"group", "בְּרֵאשִׁ֖ית", &TPlayback::PlayGroup,
         {"בְּרֵאשִׁ֖ית", "בָּרָ֣א", "אֱלֹהִ֑ים", "בְּרֵאשִׁ֖ית"}, "בְּרֵאשִׁ֖ית"},
    };
    for (const Case& c : cases) {
        Singing s;
        s.w.window->HView().ShowWord(s.w.IndexOf(c.start), true);
        s.path.clear();
        (s.w.window->Player().*c.command)();
        s.Settle();
        std::vector<int> expected;
        for (const char* word : c.path) expected.push_back(s.w.IndexOf(word));
        EXPECT_EQ(s.path, expected) << c.name;
        EXPECT_EQ(s.w.window->HView().SelectedWord(), s.w.IndexOf(c.end)) << c.name;
    }
}

TEST(TropePlayer, ReplayLoopsUntilStopped) {
    Singing s;
    const int first = s.w.IndexOf("וַיֹּ֥אמֶר");
    s.w.window->HView().ShowWord(first, true);
    s.path.clear();
    s.w.window->Player().ReplayUntilStopped();
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return std::count(s.path.begin(), s.path.end(), first) >= 3;
    }, 5000)) << "the loop comes back to its first word again and again";
    s.w.window->Player().Stop();
    EXPECT_FALSE(s.w.window->Player().Replaying());
    s.Settle();
    const size_t after = s.path.size();
    s.Settle();
    EXPECT_EQ(s.path.size(), after) << "nothing sings after Stop";
}

TEST(TropePlayer, ExportWritesTheRangeToAWaveFileWithProgress) {
    Singing s;
    const auto wav = ProcessTempPath("lyrasta_window_test") / "export.wav";
    std::filesystem::remove(wav);
    double last = 0;
    std::string error;
    ASSERT_TRUE(s.w.window->Services().exportAudio(wav.string(), [&](double f) { last = f; }, error))
        << error;
    EXPECT_EQ(last, 1.0);
    EXPECT_GT(std::filesystem::file_size(wav), 44u) << "a wave header and sound";

    EXPECT_FALSE(s.w.window->Services().exportAudio("/nonexistent-folder/x.wav", [](double) {}, error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace lyrasta::ui
