#pragma once
// TTropePlayer: the main window. Toolbars and drop-down menus, the option tabs (melody,
// pronunciation, pitch, speed and volume), the Hebrew text view, the translation line,
// the tip line and the note staff. It reads the settings when first shown, plays through
// TPlayback, and writes the settings back when it closes.

#include <QRect>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "player/note_staff.h"
#include "player/playback.h"
#include "player/settings_store.h"
#include "chant/melody_styles.h"
#include "player/song_steps.h"
#include "text/reading_loader.h"
#include "text/word_table.h"
#include "ui/display_fonts.h"
#include "ui/sections_model.h"
#include "ui/window_memory.h"

class QAction;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QMenu;
class QPrinter;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTabWidget;
class QToolBar;
class QToolButton;

namespace lyrasta::ui {

class THebViewClass;
class TNoteDisplay;
class TfrmPrintDialog;

// A reading as the command line or the open-reading dialog names it.
struct TReadingRequest {
    std::string title, subtitle;
    bool wrapped = false;
    TReadingSections sections;
    std::string type = "Torah", typeAux;
};

// What the window asks of the layers below it. Each may be left empty: the window then
// goes without that function (and says so where the user asks for it).
struct TPlayerServices {
    // Load a reading into the table; false with a message when it cannot be loaded.
    std::function<bool(const TReadingRequest&, TWordTable&, std::string& error)> loadReading;
    // The translation line of a word (its number in the translation list), "" for none.
    std::function<std::string(int line)> translationLine;
    // Build the command text of a range and hand it to the synthesizer.
    std::function<void(int kind, const TPlayback& player)> singRange;
    std::function<void()> resetSynthesizer;
    // Rebuild the song of the loaded reading with the window's current choices.
    std::function<void(const strucSongSettings&)> resetSong;
    // Read the trope definitions and melody styles again (the developer's Reload).
    std::function<void()> reloadDefinitions;
    // The trope chart's tune of a trope in the open reading's melody style.
    std::function<std::vector<TStaffSymbol>(const std::string& trope)> tropeTune;
    // The melody style chosen for a reading type changed (index into its styles).
    std::function<void(const std::string& type, int index)> chooseStyle;
    // Write the range of a play command to a wave file; progress from 0 to 1.
    std::function<bool(const std::string& file, std::function<void(double)> progress,
                       std::string& error)> exportAudio;
    // Training: re-opens the training option shown (Reload); false when none is shown.
    std::function<bool()> reloadTraining;
    // Training: a reading is opened, so the training controls go.
    std::function<void()> leaveTraining;
};

class TTropePlayer : public QWidget, private TPlaybackHost {
    Q_OBJECT
public:
    static constexpr const char* kTitle = "Lyrasta";

    TTropePlayer(TDisplayFonts& fonts, TSettingsStore& settings, TPlayerServices services = {},
                 QWidget* parent = nullptr);
    ~TTropePlayer() override;

    THebViewClass& HView() { return *hview_; }
    TPlayback& Player() { return player_; }
    TNoteDisplay& NoteDisplay() { return *pnlSong_; }
    QTabWidget& OptionTabs() { return *tabs_; }
    TPlayerServices& Services() { return services_; }
    // The data folder, where the acknowledgements and the help pages are.
    void SetDataFolder(std::filesystem::path dir) { dataDir_ = std::move(dir); }

    // Opens a reading: Stop, clear the view, load, lay out right to left (pre-wrapped when
    // the reading asks for it or the ForceWrapping setting is on) and show its first word.
    bool OpenReading(const TReadingRequest& request);
    // Training: shows what the training model loaded into the view's table (a tutorial
    // page, lesson exercises, a flash card, a drill phrase) under the window caption given,
    // sung in the melody types given, and selects its first word to sing. Training lasts
    // until a reading is opened.
    void ShowTrainingText(const std::string& caption, const std::string& type, const std::string& typeAux);
    // Training: places the training controls in the view's area and gives back the part
    // left to the view; empty, the view takes all of it.
    void SetViewArranger(std::function<QRect(const QRect& area)> arrange) { viewArranger_ = std::move(arrange); }
    // Places every control for the window's size.
    void ArrangeControls();
    // Puts the window where it was at the end of the last session; false when nothing
    // was kept (the caller then chooses the size).
    bool RestoreGeometry();
    // Reads the settings and applies them; done once, when the window is first shown.
    void FirstActivation();
    // The synthesizer's notifications, delivered as queued events on this thread.
    void OnIndexNotification(int word);
    void OnEndNotification(int code);

    // The window's controls by the names the settings and tests use.
    int Pronunciation() const;   // item index, -1 with none chosen
    int Voice() const;
    int Speed() const;
    int Pitch() const;
    int Volume() const;
    bool DeveloperControls() const { return developer_; }
    // Fills the melody box with the styles of the open reading's type, the chosen one
    // selected, and keeps the text of its "Melody Help" window.
    void SetMelodyStyles(const std::vector<std::string>& names, int chosen,
                         const std::string& helpText);
    QString MelodyHelpText() const { return melodyHelp_; }
    // A reading sung in two melody types: the Melody tab shows both choices, as
    // type + ": " + style, with a button that changes them; otherwise the melody box.
    void SetSecondMelody(const strucMelodyDisplay& display, const std::string& auxType,
                         const std::string& auxHelp);
    // The melody selection dialog (the Melody tab's "Change" button).
    void SelectMelodies();
    // The melody help window with a text.
    void ShowMelodyHelp(const QString& text);
    const strucMelodyDisplay& MelodyDisplay() const { return melodyDisplay_; }
    QString MelodyMainLabel() const;
    QString MelodyAuxLabel() const;
    // Keeps the style the program chose for a reading type, to be saved with the settings.
    void RememberStyle(const std::string& type, const std::string& name);
    // The status line at the foot of the window (rich text; empty hides it).
    void ShowStatus(const QString& text);
    QString StatusText() const;
    // Says in the status line that nothing can be heard, offering the audio export.
    void ReportNoSoundDevice();
    // Space: sings the rest of the section, or stops what is being sung.
    void PlayOrStop();
    // The text size, by `change` points (0: back to the normal size).
    void Zoom(int change);
    int TextSize() const { return memory_.textSize; }
    // The user guide at a help context ("contents", "customize", ...).
    void ShowHelp(const QString& context);
    // The customise dialog; the sections dialog (hide sections, jump to one).
    void Customize();
    void ManageSections();
    // "Speak texts (disable all melodies)" of the customise dialog.
    bool SpeakTexts() const { return speakTexts_; }
    const std::vector<TSectionLine>& SectionLinesOfReading() const { return sectionLines_; }
    // The settings that shape the song, from the window's boxes and the settings file.
    strucSongSettings SongSettings() const;

    // Where the window's messages go: a message box unless set (a screenshot run writes
    // them to standard error instead, as nobody is there to close a box).
    void SetMessageSink(std::function<void(const std::string& caption, const std::string& text)> sink) {
        messageSink_ = std::move(sink);
    }

protected:
    void showEvent(QShowEvent*) override;
    void closeEvent(QCloseEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // TPlaybackHost
    int WordCount() const override;
    int SelectedWord() const override;
    bool IsHebrewWord(int i) const override;
    bool IsSung(int i) const override;
    int IndexedItemOf(int i) const override;
    void ShowWord(int i, bool scroll) override;
    void SingRange(int kind) override;
    void ResetSynthesizer() override;
    void ResetSong() override;
    void ShowCurrentWord() override;
    void ProcessPendingEvents() override;

    void Message(const std::string& text);
    void BuildMenus();
    void BuildToolbars();
    void BuildTabs();
    void SaveSettings();
    void SetViewMode(int mode);
    void Reload();
    void DumpSelText();
    void ExportAudio();
    // File menu and toolbar "Print": the print dialog, then the pages on the printer.
    void PrintReading();
    // File menu "Export PDF...": the printed pages into a PDF file.
    void ExportPdfFile();
    int TranslationHeight() const;
    void BuildMelodyChoice(QHBoxLayout& melodyPage);
    QAction* AddAction(QMenu* menu, const QString& caption, std::function<void()> run,
                       bool enabled = true);

    TDisplayFonts& fonts_;
    TSettingsStore& settings_;
    TPlayerServices services_;
    TPlayback player_;
    std::function<void(const std::string&, const std::string&)> messageSink_;
    std::function<QRect(const QRect&)> viewArranger_;
    bool activated_ = false;
    bool developer_ = false;
    bool settingsApplied_ = false;
    TReadingRequest reading_;
    bool readingOpen_ = false;
    bool textRunning_ = false;  // a text is being sung
    TWindowMemory memory_;
    std::filesystem::path dataDir_;
    bool speakTexts_ = false;
    std::vector<TSectionLine> sectionLines_;  // of the open reading, with their ticks
    bool keepSectionLines_ = false;            // reloading with sections hidden
    std::map<std::string, std::string> melodies_;  // reading type -> style name
    std::vector<std::string> styles_;  // of the open reading's type
    QString melodyHelp_;
    std::shared_ptr<QPrinter> printer_;  // kept with the dialog's choices while the program runs
    TfrmPrintDialog* printDialog_ = nullptr;

    QToolBar* menuToolbar_ = nullptr;
    QToolBar* fileToolbar_ = nullptr;
    QToolBar* playToolbar_ = nullptr;
    QToolBar* displayToolbar_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QComboBox* cboNiggun_ = nullptr;
    QLabel* lblNiggun_ = nullptr;
    QLabel* lblMelodyMain_ = nullptr;
    QLabel* lblMelodyAux_ = nullptr;
    QPushButton* cmdChangeMelodies_ = nullptr;
    strucMelodyDisplay melodyDisplay_;
    std::string auxType_, auxHelp_;
    QPushButton* cmdMelodyHelp_ = nullptr;
    QComboBox* cboPronunciation_ = nullptr;
    QComboBox* cboPhonemes_ = nullptr;
    QComboBox* cboVoice_ = nullptr;
    QSpinBox* sePitch_ = nullptr;
    QSpinBox* seVolume_ = nullptr;
    QSpinBox* seSpeed_ = nullptr;
    THebViewClass* hview_ = nullptr;
    QLabel* lblTranslation_ = nullptr;
    QLabel* lblTips_ = nullptr;
    TNoteDisplay* pnlSong_ = nullptr;
    QScrollArea* songScroll_ = nullptr;
    QLabel* lblStatus_ = nullptr;
    QAction* exportAudio_ = nullptr;
    QAction* menuViewModes_[3] = {};
    std::vector<QPushButton*> developerButtons_;
    QAction* viewModes_[3] = {};
    QAction* cmdShowTropeColors_ = nullptr;
    QAction* cmdColorTropes_ = nullptr;
    QAction* cmdShowUnderlines_ = nullptr;
};

}  // namespace lyrasta::ui
