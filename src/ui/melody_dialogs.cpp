#include "melody_dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cctype>

namespace lyrasta::ui {

namespace {

void Fill(QComboBox& box, const std::vector<std::string>& items, int index) {
    for (const std::string& item : items) box.addItem(QString::fromStdString(item));
    box.setCurrentIndex(index);
}

std::string Upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

}  // namespace

TfrmMelodyHelp::TfrmMelodyHelp(QWidget* parent) : QDialog(parent), txtHelp_(new QPlainTextEdit) {
    setObjectName("frmMelodyHelp");
    setWindowTitle("Melody Help");
    txtHelp_->setObjectName("txtHelp");
    txtHelp_->setReadOnly(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtHelp_);
    auto* close = new QPushButton("&Close");
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(640, 420);
}

void TfrmMelodyHelp::ShowText(const QString& text, const std::string& mainType) {
    setWindowTitle(QString::fromStdString("Melody help - " + mainType));
    txtHelp_->setPlainText(text);
    show();
    raise();
}

QString TfrmMelodyHelp::Text() const { return txtHelp_->toPlainText(); }

std::string TwoMelodiesHelp(const std::string& mainType, const std::string& mainHelp,
                            const std::string& auxType, const std::string& auxHelp) {
    const std::string rule(106, '-');
    std::string text;
    for (const auto& [type, help] : {std::pair{&mainType, &mainHelp}, std::pair{&auxType, &auxHelp}}) {
        if (type->empty()) continue;
        text += rule + "\r\n" + Upper(*type) + " MELODIES\r\n" + rule + "\r\n" + *help;
    }
    return text;
}

TfrmSelectMelodies::TfrmSelectMelodies(const strucMelodyDisplay& display, QWidget* parent)
    : QDialog(parent), cboMelodyMain_(new QComboBox), cboMelodyAux_(new QComboBox) {
    setObjectName("frmSelectMelodies");
    setWindowTitle("Select melodies");
    cboMelodyMain_->setObjectName("cboMelodyMain");
    cboMelodyAux_->setObjectName("cboMelodyAux");
    Fill(*cboMelodyMain_, display.mainItems, display.mainIndex);
    Fill(*cboMelodyAux_, display.auxItems, display.auxIndex);
    auto* form = new QFormLayout;
    auto label = [](const std::string& text, const char* fallback) {
        return new QLabel(QString::fromStdString(text.empty() ? fallback : text));
    };
    form->addRow(label(display.dialogMainLabel, "Main melody:"), cboMelodyMain_);
    form->addRow(label(display.dialogAuxLabel, "Secondary melody:"), cboMelodyAux_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* help = buttons->addButton("Melody &help", QDialogButtonBox::HelpRole);
    connect(help, &QPushButton::clicked, this, [this] { emit HelpRequested(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

}  // namespace lyrasta::ui
