// lyrasta: the desktop program. Opens the main window, and the reading named on the
// command line (for teachers who script their lessons); with --screenshot it renders the
// window to a PNG after loading and exits.

#include <QApplication>
#include <QMessageBox>
#include <QPixmap>

#include <filesystem>
#include <iostream>

#include "app/desktop_options.h"
#include "player/settings_store.h"
#include "ui/display_fonts.h"
#include "ui/heb_view.h"
#include "ui/synth_link.h"
#include "ui/trope_player.h"

namespace {

void Usage(std::ostream& out) {
    out << "usage: lyrasta [--section NAME=REF]... [--title T] [--subtitle S] [--wrapped]\n"
           "               [--type TYPE] [--type-aux TYPE] [--settings FILE] [--data DIR]\n"
           "               [--view modern|stam|tikkun] [--screenshot FILE.png [--size WxH]]\n";
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::vector<std::string> args;
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
    const std::string dataDir = options.dataDir.empty() ? LYRASTA_DATA_DIR : options.dataDir;
    const bool headless = !options.screenshot.empty();

    lyrasta::ui::TDisplayFonts fonts((std::filesystem::path(dataDir) / "fonts").string());
    for (const std::string& problem : fonts.Problems()) {
        std::cerr << "lyrasta: " << problem << "\n";
        if (!headless)
            QMessageBox::warning(nullptr, "Lyrasta", QString::fromStdString(problem));
    }
    lyrasta::TSettingsStore settings(options.settingsFile.empty() ? lyrasta::DefaultSettingsPath()
                                                                  : options.settingsFile);
    lyrasta::ui::TPlayerServices services;
    lyrasta::ui::TTropePlayer window(fonts, settings, std::move(services));
    lyrasta::ui::TSynthLink singer(window, settings);
    if (options.width > 0) {
        window.resize(options.width, options.height);
        window.show();
    } else {
        window.showMaximized();
    }
    QCoreApplication::processEvents();
    if (options.viewMode) window.HView().SetViewMode(*options.viewMode);
    if (!options.sections.empty()) {
        lyrasta::ui::TReadingRequest request{options.title, options.subtitle, options.wrapped,
                                             options.sections, options.type, options.typeAux};
        if (!window.OpenReading(request) && headless) return 1;
    }
    if (headless) {
        QCoreApplication::processEvents();
        if (!window.grab().save(QString::fromStdString(options.screenshot), "PNG")) {
            std::cerr << "lyrasta: cannot write " << options.screenshot << "\n";
            return 1;
        }
        return 0;
    }
    return app.exec();
}
