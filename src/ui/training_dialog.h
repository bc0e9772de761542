#pragma once
// The training dialog: the training selections ("Training Selection") and the options of
// the selection clicked ("Options"); OK opens the option chosen, Cancel changes nothing.

#include <QDialog>

#include "text/xml.h"

class QListWidget;

namespace lyrasta::ui {

class TfrmTrainingOpts : public QDialog {
    Q_OBJECT
public:
    // `root` is the training document's root (none: empty lists); it must outlive the dialog.
    TfrmTrainingOpts(const TXMLelement* root, QWidget* parent = nullptr);

    // Selects a selection and option (child indexes), as the dialog shows them next.
    void Select(int selection, int option);
    // The chosen selection and option (child indexes); -1 when nothing is chosen.
    int SelectionIndex() const;
    int OptionIndex() const;

private:
    void FillOptions();

    const TXMLelement* root_;
    QListWidget* optSelection_ = nullptr;
    QListWidget* lstOptions_ = nullptr;
};

}  // namespace lyrasta::ui
