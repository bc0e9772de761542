#include "dialog_screenshot.h"

#include <QCoreApplication>
#include <QDialog>

#include "ui/about_window.h"
#include "ui/colour_legend.h"
#include "ui/customize_dialog.h"
#include "ui/greeting.h"
#include "ui/heb_view.h"
#include "ui/help_window.h"
#include "ui/melody_dialogs.h"
#include "ui/sections_dialog.h"

namespace lyrasta::app {

const std::vector<std::string>& ScreenshotDialogs() {
    static const std::vector<std::string> kNames = {"customize", "sections", "melodies", "legend", "help", "tropes", "about", "greeting"};
    return kNames;
}

std::unique_ptr<QWidget> ShowDialogForScreenshot(const std::string& name, ui::TTropePlayer& window,
                                                 TSettingsStore& settings, const std::filesystem::path& dataDir) {
    std::unique_ptr<QWidget> shown;
    if (name == "customize") {
        auto d = std::make_unique<ui::TfrmAdjustColor>(window.HView(), settings);
        d->ShowCurrent();
        shown = std::move(d);
    } else if (name == "sections") {
        auto d = std::make_unique<ui::TfrmManageSections>();
        d->SetLines(window.SectionLinesOfReading());
        shown = std::move(d);
    } else if (name == "melodies") {
        shown = std::make_unique<ui::TfrmSelectMelodies>(window.MelodyDisplay());
    } else if (name == "legend") {
        ui::ShowColourLegend(window, window.HView());
        auto* legend = window.findChild<QDialog*>("ColourLegend");
        legend->setParent(nullptr);
        shown.reset(legend);
    } else if (name == "help" || name == "tropes") {
        auto d = std::make_unique<ui::THelpWindow>(dataDir / "help");
        d->SetTuneSource(window.Services().tropeTune);
        d->ShowContext(name == "help" ? "getting-started" : "tropes");
        shown = std::move(d);
    } else if (name == "about") {
        shown = std::make_unique<ui::TfrmSplash>();
    } else if (name == "greeting") {
        shown = std::make_unique<ui::TfrmGreeting>(window);
    }
    if (shown) {
        shown->show();
        QCoreApplication::processEvents();
    }
    return shown;
}

}  // namespace lyrasta::app
