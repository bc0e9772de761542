// lyrasta: the desktop program. Opens the main window, and the reading named on the
// command line (for teachers who script their lessons); with --screenshot it renders the
// window to a PNG after loading and exits.

#include <QApplication>
#include <QMessageBox>
#include <QPixmap>

#include <iostream>

#include "app/desktop_options.h"
#include "player/reading_session.h"
#include "player/settings_store.h"
#include "ui/display_fonts.h"
#include "ui/heb_cal.h"
#include "ui/heb_view.h"
#include "ui/reading_opener.h"
#include "ui/synth_link.h"
#include "ui/trope_player.h"

namespace {

void Usage(std::ostream& out) {
    out << "usage: lyrasta [--section NAME=REF]... [--title T] [--subtitle S] [--wrapped]\n"
           "               [--type TYPE] [--type-aux TYPE] [--settings FILE] [--data DIR]\n"
           "               [--reading NAME [--year Y] [--israel] [--triennial --cycle C]\n"
           "                [--kind Torah|Haftarah|Reading]]\n"
           "               [--view modern|stam|tikkun] [--dialog open-reading|calendar]\n"
           "               [--screenshot FILE.png [--size WxH]]\n";
}

}  // namespace

int main(int argc, char** argv) {
    // The program's own options are taken out before the toolkit reads the command line;
    // whatever the toolkit leaves of the rest is then checked with them.
    const lyrasta::app::SplitArguments split =
        lyrasta::app::SplitDesktopArguments(std::vector<std::string>(argv + 1, argv + argc));
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
    const bool headless = !options.screenshot.empty();
    // Messages go to a box in the window, and to standard error when taking a screenshot.
    auto report = [headless](const std::string& caption, const std::string& text) {
        std::cerr << "lyrasta: " << caption << ": " << text << "\n";
        if (!headless) QMessageBox::warning(nullptr, QString::fromStdString(caption),
                                            QString::fromStdString(text));
    };

    lyrasta::ui::TDisplayFonts fonts((options.dataDir / "fonts").string());
    for (const std::string& problem : fonts.Problems()) report("Fonts", problem);
    lyrasta::TSettingsStore settings(options.settingsFile.empty() ? lyrasta::DefaultSettingsPath()
                                                                  : options.settingsFile);
    lyrasta::TReadingSession session(options.dataDir, report);

    lyrasta::ui::TPlayerServices services;
    services.translationLine = [&session](int n) { return session.TranslationLine(n); };
    lyrasta::ui::TTropePlayer window(fonts, settings, std::move(services));
    if (headless) window.SetMessageSink(report);
    lyrasta::ui::TPlayerServices& s = window.Services();
    s.loadReading = [&](const lyrasta::ui::TReadingRequest& r, lyrasta::TWordTable& table,
                        std::string& error) {
        const auto problems = session.Open(table, r.title, r.subtitle, r.wrapped, r.sections,
                                           r.type, r.typeAux, window.SongSettings());
        for (const std::string& p : problems) error += (error.empty() ? "" : "\n") + p;
        auto& styles = session.Styles();
        window.SetMelodyStyles(styles.StyleNames(r.type), styles.ChosenIndex(r.type),
                               styles.HelpText(r.type));
        for (int i = 0; i < table.WordCount(); ++i)
            if (table.IsHebrewWord(i)) return true;
        // Missing data files read as empty texts: say so rather than show a bare heading.
        error += (error.empty() ? "" : "\n") + std::string("The reading has no words: its book texts were not found under ") +
                 options.dataDir.string() + ".";
        return false;
    };
    s.reloadDefinitions = [&] { session.ReloadDefinitions(); };
    s.resetSong = [&](const lyrasta::strucSongSettings& song) {
        session.ResetSong(window.HView().Table(), song);
    };
    s.chooseStyle = [&](const std::string& type, int index) {
        session.Styles().SetChosenStyle(type, index);
        session.Styles().ChooseReadingStyles();
    };
    lyrasta::ui::TSynthLink singer(window, settings);

    if (options.width > 0) {
        window.resize(options.width, options.height);
        window.show();
    } else {
        window.showMaximized();
    }
    QCoreApplication::processEvents();
    if (options.viewMode) window.HView().SetViewMode(*options.viewMode);
    lyrasta::ui::TReadingOpener opener(window, settings, options.dataDir, report);
    if (options.reading) {
        const lyrasta::cli::ReadingOptions& r = *options.reading;
        if (!window.OpenReading({r.title, r.subtitle, r.wrapped, r.sections, options.type,
                                 options.typeAux}) &&
            headless)
            return 1;
    } else if (const auto& c = options.catalogueReading) {
        const lyrasta::TOpenKind kind = c->kind == "Haftarah" ? lyrasta::TOpenKind::Haftarah
                                        : c->kind == "Reading" ? lyrasta::TOpenKind::Reading
                                                               : lyrasta::TOpenKind::Torah;
        if (!opener.OpenNamed({c->reading, c->year, c->cycle, c->israel, c->triennial, kind}) && headless)
            return 1;
    } else {
        // Never an empty window: the reading opened last, or the coming Sabbath's portion.
        opener.OpenAtStart();
    }
    QWidget* shown = &window;
    if (options.dialog == "open-reading") {
        shown = &opener.Dialog();
        if (!headless) opener.ShowDialog();
        else opener.Dialog().show();
    } else if (options.dialog == "calendar") {
        shown = &opener.Calendar();
        if (!headless) opener.ShowCalendar();
        else shown->show();
    }
    if (headless) {
        QCoreApplication::processEvents();
        if (!shown->grab().save(QString::fromStdString(options.screenshot), "PNG")) {
            std::cerr << "lyrasta: cannot write " << options.screenshot << "\n";
            return 1;
        }
        return 0;
    }
    return app.exec();
}
