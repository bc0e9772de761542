#pragma once
// The customise dialog: the highlight colour of each trope group, "Restore original
// colors", elision in the melodies (saved at once) and, where the settings allow it,
// speaking the texts instead of singing them.

#include <QDialog>

#include <array>

#include "player/settings_store.h"

class QCheckBox;

namespace lyrasta::ui {

class THebViewClass;
class TColorCombo;

class TfrmAdjustColor : public QDialog {
    Q_OBJECT
public:
    TfrmAdjustColor(THebViewClass& view, TSettingsStore& settings, QWidget* parent = nullptr);

    // Shows the view's colours and the elision setting; then the dialog runs.
    int Run();
    void ShowCurrent();
    // The box of one of the fifteen groups, in the dialog's order.
    TColorCombo& Box(int k) { return *boxes_[k]; }
    QCheckBox& EnableElision() { return *enableElision_; }
    QCheckBox& SpeakTexts() { return *cboSpeak_; }
    bool SpeakChecked() const;
    void RestoreOriginalColours();
    // OK: the chosen colours go to the view and, all fifteen, to the settings file.
    void Apply();

signals:
    void HelpRequested(const QString& context);

private:

    THebViewClass& view_;
    TSettingsStore& settings_;
    std::array<TColorCombo*, 15> boxes_{};
    QCheckBox* enableElision_;
    QCheckBox* cboSpeak_;
};

}  // namespace lyrasta::ui
