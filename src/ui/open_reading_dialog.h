#pragma once
// TfrmOpenReading: the dialog in which the student chooses what to open: a weekly portion
// (first tab), a holiday, fast or Megillah (second tab), the Hebrew year, Israel or the
// Diaspora, the annual or triennial cycle, and the Torah, Maftir, Haftarah or other reading;
// or a reading of their own (third tab), which opens directly, not from the catalogue.
// A thin view over TOpenReadingModel, which makes every decision.

#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

#include "player/settings_store.h"
#include "readings/custom_readings.h"
#include "readings/open_reading_model.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QWidget;

namespace lyrasta::ui {

class TCustomReadingsTab;

class TfrmOpenReading : public QDialog {
    Q_OBJECT
public:
    // Reads "Triennial", "Cycle" and "Year" from the settings; writes them back on closing.
    TfrmOpenReading(const TCatalogue& catalogue, TSettingsStore& settings, QWidget* parent = nullptr);

    TOpenReadingModel& Model() { return model_; }
    // The open button that closed the dialog.
    TOpenKind OpenKind() const { return kind_; }
    TCustomReadingsTab& CustomTab() { return *custom_; }
    // The custom reading an open button chose on the custom tab (the dialog then closes
    // with Cancel, as the catalogue has nothing to open); taken once.
    std::optional<TCustomOpening> TakeCustomOpening();

    // Choices made from outside (the calendar, start-up, tests); the controls follow.
    bool SelectReading(const std::string& name);
    void SetYear(int year);
    void SetIsrael(bool israel);
    // Selects the first Torah option whose text begins with `text`; false when none does.
    bool SelectTorahOption(const std::string& text);
    void ShowTab(int index);

    // The calendar button; the button is disabled until it is set.
    void SetCalendarHandler(std::function<void()> open);

    // Shows the controls' state from the model.
    void Refresh();

    void done(int result) override;

signals:
    // The Help button: the user guide at the tab's place.
    void HelpRequested(const QString& context);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildStandardTab();
    QWidget* BuildHolidayTab();
    QWidget* BuildToolbar();
    QWidget* BuildOptions();
    QGroupBox* BuildGroup(int group, int columns);
    void Open(TOpenKind kind);
    void TabChanged(int index);
    void ShowOpenButtons();
    bool CustomShown() const;

    TSettingsStore& settings_;
    TOpenReadingModel model_;
    TOpenKind kind_ = TOpenKind::Torah;
    std::function<void()> openCalendar_;
    bool refreshing_ = false;

    std::optional<TCustomOpening> customOpening_;

    QTabWidget* PageControl1_ = nullptr;
    TCustomReadingsTab* custom_ = nullptr;
    QWidget* options_ = nullptr;
    QButtonGroup* readings_ = nullptr;  // every radio item of every group: one selection
    std::vector<std::vector<QRadioButton*>> items_;
    QWidget* toolbar_ = nullptr;
    QSpinBox* seYear_ = nullptr;
    QLabel* lblNextYear_ = nullptr;
    QRadioButton* rbDiaspora_ = nullptr;
    QRadioButton* rbIsrael_ = nullptr;
    QCheckBox* chkTriennial_ = nullptr;
    QLabel* lblCycle_ = nullptr;
    QSpinBox* seCycle_ = nullptr;
    QGroupBox* frames_[4] = {};
    QListWidget* optTorah_ = nullptr;
    QListWidget* optMaftir_ = nullptr;
    QListWidget* optHaftarah_ = nullptr;
    QListWidget* optReading_ = nullptr;
    QPushButton* cmdOpenTorah_ = nullptr;
    QPushButton* cmdOpenHaftarah_ = nullptr;
    QPushButton* cmdOpenReading_ = nullptr;
    QLabel* lblDate_ = nullptr;
    QPushButton* cmdOpenCalendar_ = nullptr;
};

}  // namespace lyrasta::ui
