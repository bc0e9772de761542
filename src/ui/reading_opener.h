#pragma once
// The main window's front door: "Open reading" and the toolbar's Open button show the
// open-reading dialog, "Open calendar" and Cal the calendar window; the chosen catalogue reading
// is opened in the window and remembered in the settings, so that the next start opens it
// again (the very first start opens the portion of the coming Sabbath).

#include <QObject>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "readings/catalogue.h"
#include "ui/open_reading_dialog.h"

namespace lyrasta::ui {

class TTropePlayer;
class TfrmHebCal;

// A catalogue reading named on the command line.
struct TCatalogueChoice {
    std::string reading;
    std::optional<int> year, cycle;
    bool israel = false, triennial = false;
    TOpenKind kind = TOpenKind::Torah;
};

class TReadingOpener : public QObject {
    Q_OBJECT
public:
    // Reads the catalogue of the data folder; its problems go to `message`. Enables and
    // wires the window's open commands.
    TReadingOpener(TTropePlayer& window, TSettingsStore& settings, const std::filesystem::path& dataDir,
                   std::function<void(const std::string& caption, const std::string& text)> message);
    ~TReadingOpener() override;

    TfrmOpenReading& Dialog() { return *dialog_; }
    TfrmHebCal& Calendar() { return *calendar_; }

    // Shows the dialog and opens what it chose.
    void ShowDialog();
    // Shows the calendar; a day chosen with its "Open reading" is then shown in the dialog.
    void ShowCalendar();
    // Opens the reading of the dialog's current choice for that open button.
    bool OpenChoice(TOpenKind kind);
    // Opens a reading of the student's own, chosen on the dialog's custom tab.
    bool OpenCustom(const TCustomOpening& opening);
    // Opens a reading named on the command line; false with a message when it cannot.
    bool OpenNamed(const TCatalogueChoice& choice);
    // The developer's batch: opens every reading of "Encodings\torah.xml" in turn and writes
    // the group report files of each into the current folder.
    void GetGroups();
    // At start without a reading on the command line: the reading opened last, or on the
    // very first start the portion of the coming Sabbath.
    bool OpenAtStart();

private:
    void Remember(TOpenKind kind);

    TTropePlayer& window_;
    std::filesystem::path dataDir_;
    TSettingsStore& settings_;
    std::function<void(const std::string&, const std::string&)> message_;
    TCatalogue catalogue_;
    std::unique_ptr<TfrmOpenReading> dialog_;
    std::unique_ptr<TfrmHebCal> calendar_;
};

}  // namespace lyrasta::ui
