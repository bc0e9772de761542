#include "print_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace lyrasta::ui {

TfrmPrintDialog::TfrmPrintDialog(QPrinter& printer, QWidget* parent) : QDialog(parent), printer_(printer) {
    setWindowTitle("Print");
    auto* layout = new QVBoxLayout(this);

    auto* printerBox = new QGroupBox("Printer", this);
    auto* printerRow = new QHBoxLayout(printerBox);
    lblPrinter = new QLabel(printerBox);
    cmdSetup = new QPushButton("Printer setup ...", printerBox);
    printerRow->addWidget(lblPrinter, 1);
    printerRow->addWidget(cmdSetup);
    layout->addWidget(printerBox);

    auto* copiesBox = new QGroupBox("Copies", this);
    auto* copiesRow = new QHBoxLayout(copiesBox);
    copiesRow->addWidget(new QLabel("Number of copies", copiesBox));
    spinCopies = new QSpinBox(copiesBox);
    spinCopies->setRange(1, 99);
    spinCopies->setValue(1);
    copiesRow->addWidget(spinCopies);
    copiesRow->addStretch();
    layout->addWidget(copiesBox);

    auto* rangeBox = new QGroupBox("Print range", this);
    auto* range = new QGridLayout(rangeBox);
    rbAll = new QRadioButton("All", rangeBox);
    rbRange = new QRadioButton("Range", rangeBox);
    rbAll->setChecked(true);
    lblFrom_ = new QLabel("from:", rangeBox);
    lblTo_ = new QLabel("to:", rangeBox);
    txtFromPage = new QLineEdit(rangeBox);
    txtToPage = new QLineEdit(rangeBox);
    cboOddEvenPages = new QComboBox(rangeBox);
    cboOddEvenPages->addItems({"All selected pages", "Odd numbered pages", "Even numbered pages"});
    range->addWidget(rbAll, 0, 0);
    range->addWidget(rbRange, 1, 0);
    range->addWidget(lblFrom_, 1, 1);
    range->addWidget(txtFromPage, 1, 2);
    range->addWidget(lblTo_, 1, 3);
    range->addWidget(txtToPage, 1, 4);
    range->addWidget(cboOddEvenPages, 2, 0, 1, 5);
    layout->addWidget(rangeBox);
    auto enableRange = [this] {
        lblFrom_->setEnabled(rbRange->isChecked());
        lblTo_->setEnabled(rbRange->isChecked());
    };
    connect(rbAll, &QRadioButton::toggled, this, enableRange);
    enableRange();
    connect(txtFromPage, &QLineEdit::textEdited, this, [this] { rbRange->setChecked(true); });

    auto* orientationBox = new QGroupBox("Orientation", this);
    auto* orientationRow = new QHBoxLayout(orientationBox);
    rbPortrait = new QRadioButton("Portrait", orientationBox);
    rbLandscape = new QRadioButton("Landscape", orientationBox);
    orientationRow->addWidget(rbPortrait);
    orientationRow->addWidget(rbLandscape);
    layout->addWidget(orientationBox);
    connect(rbPortrait, &QRadioButton::clicked, this,
            [this] { printer_.setPageOrientation(QPageLayout::Portrait); });
    connect(rbLandscape, &QRadioButton::clicked, this,
            [this] { printer_.setPageOrientation(QPageLayout::Landscape); });

    lblProblem = new QLabel(this);
    lblProblem->setStyleSheet("color: #c00000");
    lblProblem->setWordWrap(true);
    layout->addWidget(lblProblem);
    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { emit HelpRequested("printing"); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(cmdSetup, &QPushButton::clicked, this, [this] { cmdSetupClick(); });
}

void TfrmPrintDialog::ShowPrinter() {
    const QString name = printer_.outputFormat() == QPrinter::PdfFormat ? "PDF file" : printer_.printerName();
    lblPrinter->setText(name.isEmpty() ? "(no printer)" : name);
    const bool portrait = printer_.pageLayout().orientation() == QPageLayout::Portrait;
    rbPortrait->setChecked(portrait);
    rbLandscape->setChecked(!portrait);
}

void TfrmPrintDialog::showEvent(QShowEvent* e) {
    if (!activated_) {
        activated_ = true;
        cboOddEvenPages->setCurrentIndex(0);
        ShowPrinter();
    }
    QDialog::showEvent(e);
}

void TfrmPrintDialog::cmdSetupClick() {
    QPrintDialog setup(&printer_, this);
    setup.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (setup.exec() != QDialog::Accepted) return;
    ShowPrinter();
    spinCopies->setValue(std::clamp(printer_.copyCount(), 1, 99));
}

TPageSelection TfrmPrintDialog::Selection() const {
    TPageSelection s;
    s.all = rbAll->isChecked();
    s.range = rbRange->isChecked();
    s.from = txtFromPage->text().toStdString();
    s.to = txtToPage->text().toStdString();
    s.parity = cboOddEvenPages->currentIndex();
    return s;
}

int TfrmPrintDialog::Copies() const { return spinCopies->value(); }
bool TfrmPrintDialog::Portrait() const { return rbPortrait->isChecked(); }

void TfrmPrintDialog::accept() {
    const std::string problem = Selection().RangeProblem();
    lblProblem->setText(QString::fromStdString(problem));
    if (problem.empty()) QDialog::accept();
}

}  // namespace lyrasta::ui
