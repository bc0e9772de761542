// lyrasta: the desktop program. Opens the main window, and the reading named on the
// command line (for teachers who script their lessons); with --screenshot it renders the
// window to a PNG after loading and exits.

#include <QApplication>
#include <QBuffer>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "app/desktop_options.h"
#include "app/dialog_screenshot.h"
#include "ui/custom_readings_tab.h"
#include "player/reading_session.h"
#include "player/trope_tunes.h"
#include "player/settings_store.h"
#include "text/safe_write.h"
#include "training/training_session.h"
#include "ui/about_window.h"
#include "ui/debug_window.h"
#include "ui/display_fonts.h"
#include "ui/greeting.h"
#include "ui/heb_cal.h"
#include "ui/heb_view.h"
#include "ui/print_reading.h"
#include "ui/reading_opener.h"
#include "ui/screen_fit.h"
#include "ui/single_instance.h"
#include "ui/start_up_windows.h"
#include "ui/synth_link.h"
#include "ui/training_opener.h"
#include "ui/trope_player.h"

namespace {

void Usage(std::ostream& out) {
    out << "usage: lyrasta [--section NAME=REF]... [--title T] [--subtitle S] [--wrapped]\n"
           "               [--type TYPE] [--type-aux TYPE] [--settings FILE] [--data DIR]\n"
           "               [--reading NAME [--year Y] [--israel] [--triennial --cycle C]\n"
           "                [--kind Torah|Haftarah|Reading]]\n"
           "               [--training \"SELECTION/OPTION\"]\n"
           "               [--view modern|stam|tikkun] [--pdf FILE.pdf]\n"
           "               [--screenshot FILE.png [--size WxH] [--dialog NAME]]\n";
}

}  // namespace

int main(int argc, char** argv) {
    // The program's own options are taken out before the toolkit reads the command line;
    // whatever the toolkit leaves of the rest is then checked with them.
    const lyrasta::app::SplitArguments split =
        lyrasta::app::SplitDesktopArguments(std::vector<std::string>(argv + 1, argv + argc));
    // A screenshot or a PDF is drawn off screen, and so is the window where there is no
    // display at all (a server, a container): the toolkit would otherwise stop for want of one.
    auto given = [&split](const char* option) {
        return std::find(split.own.begin(), split.own.end(), option) != split.own.end();
    };
    const bool noDisplay = !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY");
    if ((given("--screenshot") || given("--pdf") || noDisplay) && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::vector<char*> toolkitArgv{argv[0]};
    for (const std::string& a : split.rest) toolkitArgv.push_back(const_cast<char*>(a.c_str()));
    int toolkitArgc = static_cast<int>(toolkitArgv.size());
    toolkitArgv.push_back(nullptr);
    QApplication app(toolkitArgc, toolkitArgv.data());
    std::vector<std::string> args = split.own;
    for (const QString& a : app.arguments().mid(1)) args.push_back(a.toStdString());
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        Usage(std::cout);
        return 0;
    }
    lyrasta::app::DesktopOptions options;
    try {
        options = lyrasta::app::ParseDesktopOptions(args);
    } catch (const lyrasta::cli::UsageError& e) {
        std::cerr << "lyrasta: " << e.what() << "\n";
        Usage(std::cerr);
        return 2;
    }
    const bool headless = !options.screenshot.empty() || !options.pdf.empty();
    // One program per user: a second start hands its command line to the first and ends.
    lyrasta::ui::TSingleInstance instance;
    if (!headless) {
        QStringList handed;
        for (const std::string& a : args) handed << QString::fromStdString(a);
        if (!instance.Start(handed)) {
            std::cerr << "lyrasta: already running; its window is brought to the front\n";
            return 0;
        }
    }
    // Messages go to a box in the window, and to standard error when taking a screenshot.
    // The box comes once the event loop runs, so that a message while a reading loads
    // never keeps its text from being drawn.
    QPointer<QWidget> messageParent;
    auto report = [headless, &messageParent](const std::string& caption, const std::string& text) {
        std::cerr << "lyrasta: " << caption << ": " << text << "\n";
        if (headless) return;
        QTimer::singleShot(0, [parent = messageParent, caption, text] {
            QMessageBox::warning(parent, QString::fromStdString(caption), QString::fromStdString(text));
        });
    };

    lyrasta::ui::TDisplayFonts fonts((options.dataDir / "fonts").string());
    for (const std::string& problem : fonts.Problems()) report("Fonts", problem);
    lyrasta::TSettingsStore settings(options.settingsFile.empty() ? lyrasta::DefaultSettingsPath()
                                                                  : options.settingsFile);
    if (std::error_code ec; !options.settingsFile.empty() && !std::filesystem::exists(options.settingsFile, ec))
        report("Settings", "The settings file " + options.settingsFile +
                               " does not exist; the program starts with its default settings and makes the "
                               "file when the window closes.");
    lyrasta::TReadingSession session(options.dataDir, report);

    lyrasta::ui::TPlayerServices services;
    services.translationLine = [&session](int n) { return session.TranslationLine(n); };
    lyrasta::ui::TTropePlayer window(fonts, settings, std::move(services));
    window.SetDataFolder(options.dataDir);
    messageParent = &window;
    if (headless) window.SetMessageSink(report);
    lyrasta::ui::TPlayerServices& s = window.Services();
    // The melody box and the Melody tab for the melody types of what was opened.
    auto showStyles = [&](const std::string& type, const std::string& typeAux) {
        auto& styles = session.Styles();
        window.SetMelodyStyles(styles.StyleNames(type), styles.ChosenIndex(type), styles.HelpText(type));
        window.SetSecondMelody(styles.Display(), typeAux, styles.HelpText(typeAux));
        for (const std::string& t : {type, typeAux}) {
            const auto& names = styles.StyleNames(t);
            const int chosen = styles.ChosenIndex(t);
            if (chosen >= 0 && chosen < static_cast<int>(names.size())) window.RememberStyle(t, names[chosen]);
        }
    };
    s.loadReading = [&](const lyrasta::ui::TReadingRequest& r, lyrasta::TWordTable& table,
                        std::string& error) {
        const auto problems = session.Open(table, r.title, r.subtitle, r.wrapped, r.sections,
                                           r.type, r.typeAux, window.SongSettings());
        for (const std::string& p : problems) error += (error.empty() ? "" : "\n") + p;
        showStyles(r.type, r.typeAux);
        for (int i = 0; i < table.WordCount(); ++i)
            if (table.IsHebrewWord(i)) return true;
        // Say why rather than show a bare heading: the loader's problems name the book files
        // that are missing or refused; without any, the sections hold no verses.
        error = error.empty() ? "The reading has no words: its sections hold no verses of the book texts under " +
                                    options.dataDir.string() + "."
                              : "The reading has no words:\n" + error;
        return false;
    };
    s.reloadDefinitions = [&] { session.ReloadDefinitions(); };
    s.tropeTune = [&](const std::string& trope) {
        const lyrasta::TXMLelement* style = session.Styles().CurrentStyle();
        return style ? lyrasta::TropeTuneStaff(lyrasta::TStyleIndex(style), trope) : std::vector<lyrasta::TStaffSymbol>{};
    };
    s.resetSong = [&](const lyrasta::strucSongSettings& song) {
        session.ResetSong(window.HView().Table(), song);
    };
    lyrasta::TTraining training(options.dataDir, report);
    lyrasta::ui::TTrainingOpener trainer(window, session, training, settings, showStyles, report);
    s.chooseStyle = [&](const std::string& type, int index) {
        session.Styles().SetChosenStyle(type, index);
        session.Styles().ChooseReadingStyles();
        // In training the option opens again in the new melody, its notes naming the tropes as it does.
        if (training.IsOpen()) QTimer::singleShot(0, &trainer, [&trainer] { trainer.OpenCurrent(); });
    };
    lyrasta::ui::TSynthLink singer(window, settings);
    if (!singer.HasSoundDevice() && !headless) window.ReportNoSoundDevice();
    lyrasta::ui::TStartUpWindows windows(
        window, settings, options.dataDir, [&singer](const std::string& text) { singer.SpeakText(text); }, report);
    lyrasta::ui::TfrmDebug& debug = windows.Debug();
    singer.log = [&debug](const std::string& piece) { debug.Log(piece); };
    lyrasta::ui::TReadingOpener& opener = windows.Opener();
    // The reading named on a command line: by its sections, or from the catalogue; at start
    // without either, never an empty window: the reading opened last, or the coming Sabbath's.
    auto open = [&](const lyrasta::app::DesktopOptions& o, bool atStart) {
        bool ok = true;
        if (!o.training.empty()) {
            ok = trainer.OpenNamed(o.training);
        } else if (o.reading) {
            const lyrasta::cli::ReadingOptions& r = *o.reading;
            ok = window.OpenReading({r.title, r.subtitle, r.wrapped, r.sections, o.type, o.typeAux});
        } else if (const auto& c = o.catalogueReading) {
            const lyrasta::TOpenKind kind = c->kind == "Haftarah" ? lyrasta::TOpenKind::Haftarah
                                            : c->kind == "Reading" ? lyrasta::TOpenKind::Reading
                                                                   : lyrasta::TOpenKind::Torah;
            ok = opener.OpenNamed({c->reading, c->year, c->cycle, c->israel, c->triennial, kind});
        } else if (atStart) {
            opener.OpenAtStart();
        }
        if (ok && !headless && settings.Bool("DebugWindow")) debug.show();
        return ok;
    };
    QObject::connect(&instance, &lyrasta::ui::TSingleInstance::Activated, &window,
                     [&](const QStringList& handed) {
                         lyrasta::ui::BringToFront(window);
                         std::vector<std::string> a;
                         for (const QString& h : handed) a.push_back(h.toStdString());
                         try {
                             open(lyrasta::app::ParseDesktopOptions(a), false);
                         } catch (const lyrasta::cli::UsageError& e) {
                             report("Lyrasta", e.what());
                         }
                     });

    if (options.width > 0) {
        window.resize(options.width, options.height);
        window.show();
    } else if (!headless && window.RestoreGeometry()) {
        window.show();
    } else {
        window.showMaximized();
    }
    QCoreApplication::processEvents();
    // Asked before the first reading is opened and remembered: the greeting comes once the
    // event loop runs, after the text is drawn.
    if (!headless && lyrasta::ui::IsNewStudent(settings))
        QTimer::singleShot(0, &window, [&window, &settings] { lyrasta::ui::GreetNewStudent(window, settings); });
    if (!headless && settings.Bool("ShowSplash")) windows.Splash().ShowAsSplash();
    if (options.viewMode) window.HView().SetViewMode(*options.viewMode);
    if (!open(options, true) && headless) return 1;
    if (options.dialog == "custom-readings") opener.Dialog().ShowTab(2);
    if (!headless && (options.dialog == "open-reading" || options.dialog == "custom-readings")) opener.ShowDialog();
    if (!headless && options.dialog == "calendar") opener.ShowCalendar();
    if (!headless && options.dialog == "training") trainer.ShowDialog();
    if (!options.pdf.empty()) {
        QCoreApplication::processEvents();
        const std::string title = options.reading && !options.reading->title.empty() ? options.reading->title
                                                                                     : window.kTitle;
        std::string error;
        if (!lyrasta::ui::ExportPdf(window.HView(), title, options.pdf, error)) {
            std::cerr << "lyrasta: " << error << "\n";
            return 1;
        }
        return 0;
    }
    if (headless) {
        QCoreApplication::processEvents();
        std::unique_ptr<QWidget> dialog;
        QWidget* shown = &window;
        if (lyrasta::app::IsReadingWindow(options.dialog) || options.dialog == "training") {
            shown = options.dialog == "calendar"   ? static_cast<QWidget*>(&opener.Calendar())
                    : options.dialog == "training" ? &trainer.Dialog()
                                                   : &opener.Dialog();
            shown->show();
            // The picture of the custom tab shows the first reading the student saved.
            lyrasta::ui::TCustomReadingsTab& custom = opener.Dialog().CustomTab();
            if (options.dialog == "custom-readings" && !custom.File().Names().empty())
                custom.Choose(custom.File().Names().front());
            QCoreApplication::processEvents();
        } else if (!options.dialog.empty()) {
            dialog = lyrasta::app::ShowDialogForScreenshot(options.dialog, window, settings, options.dataDir);
            if (!dialog) {
                std::cerr << "lyrasta: --dialog is one of open-reading custom-readings calendar training";
                for (const std::string& n : lyrasta::app::ScreenshotDialogs()) std::cerr << " " << n;
                std::cerr << "\n";
                return 2;
            }
            shown = dialog.get();
        }
        // A dialog is drawn as it fits on a screen of the size given.
        if (shown != &window && options.width > 0) {
            lyrasta::ui::FitIntoScreen(*shown, QRect(0, 0, options.width, options.height));
            QCoreApplication::processEvents();
        }
        // The picture is made in memory and written under the very bytes of the name given
        // (a name need not be UTF-8), through the safe writer.
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        std::string error = "the window cannot be drawn as a PNG picture";
        if (!shown->grab().save(&buffer, "PNG") ||
            !lyrasta::WriteFileSafely(options.screenshot, std::string_view(png.constData(), static_cast<size_t>(png.size())), &error)) {
            std::cerr << "lyrasta: cannot write the screenshot: " << error << "\n";
            return 1;
        }
        return 0;
    }
    return app.exec();
}
