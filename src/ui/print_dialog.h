#pragma once
// TfrmPrintDialog: the Print dialog. Chooses the printer (through the printer-setup
// dialog), the number of copies, all pages or a range, all, odd or even pages of them,
// and the orientation, which is set on the printer at once. It keeps its choices for as
// long as the program runs.

#include <QDialog>

#include "player/print_pages.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace lyrasta::ui {

class TfrmPrintDialog : public QDialog {
    Q_OBJECT
public:
    TfrmPrintDialog(QPrinter& printer, QWidget* parent = nullptr);

    // The pages chosen, read from the controls.
    TPageSelection Selection() const;
    int Copies() const;
    bool Portrait() const;

    QLabel* lblPrinter = nullptr;
    QPushButton* cmdSetup = nullptr;
    QSpinBox* spinCopies = nullptr;
    QRadioButton* rbAll = nullptr;
    QRadioButton* rbRange = nullptr;
    QLineEdit* txtFromPage = nullptr;
    QLineEdit* txtToPage = nullptr;
    QComboBox* cboOddEvenPages = nullptr;
    QRadioButton* rbPortrait = nullptr;
    QRadioButton* rbLandscape = nullptr;
    QLabel* lblProblem = nullptr;  // what is wrong with the range typed, under the choices

    // OK: closes the dialog unless the range typed is not two page numbers, which is
    // explained under the choices.
    void accept() override;

signals:
    // The Help button: the user guide's page on printing.
    void HelpRequested(const QString& context);

protected:
    void showEvent(QShowEvent* e) override;

private:
    void ShowPrinter();
    void cmdSetupClick();

    QPrinter& printer_;
    QLabel* lblFrom_ = nullptr;
    QLabel* lblTo_ = nullptr;
    bool activated_ = false;
};

}  // namespace lyrasta::ui
