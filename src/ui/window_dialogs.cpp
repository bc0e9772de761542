// The main window's customisation dialogs: colours and melody smoothing, and the sections
// of the open reading.

#include <QCheckBox>
#include <QListWidget>

#include "ui/customize_dialog.h"
#include "ui/heb_view.h"
#include "ui/sections_dialog.h"
#include "ui/trope_player.h"

namespace lyrasta::ui {

void TTropePlayer::Customize() {
    TfrmAdjustColor dialog(*hview_, settings_, this);
    dialog.SpeakTexts().setChecked(speakTexts_);
    connect(&dialog, &TfrmAdjustColor::HelpRequested, this, [this](const QString& c) { ShowHelp(c); });
    if (dialog.Run() != QDialog::Accepted) return;
    speakTexts_ = dialog.SpeakChecked();
    // Elision shapes the song.
    player_.MarkSongStale();
}

void TTropePlayer::ManageSections() {
    if (!readingOpen_) return;
    TfrmManageSections dialog(this);
    dialog.SetLines(sectionLines_);
    connect(&dialog, &TfrmManageSections::HelpRequested, this, [this](const QString& c) { ShowHelp(c); });
    if (dialog.exec() != QDialog::Accepted) return;
    player_.Stop();
    const std::vector<TSectionLine> lines = dialog.Lines();
    const int jump = dialog.JumpLine();
    if (dialog.Changed()) {
        sectionLines_ = lines;
        TReadingRequest request = reading_;
        request.sections = TickedSections(lines, reading_.sections);
        // The dialog keeps every section, ticked or not, so that a hidden one can come back.
        keepSectionLines_ = true;
        OpenReading(request);
        keepSectionLines_ = false;
    }
    if (jump >= 0) {
        const int word = JumpTarget(hview_->Table(), lines[jump]);
        if (word >= 0) {
            hview_->ShowWord(word, true);
            ShowCurrentWord();
        }
    }
}

}  // namespace lyrasta::ui
