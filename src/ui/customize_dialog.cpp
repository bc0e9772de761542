#include "customize_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "player/colour_names.h"
#include "ui/colour_combo.h"
#include "ui/heb_view.h"

namespace lyrasta::ui {

namespace {

void SaveOrSay(QWidget* parent, const TSettingsStore& settings) {
    std::string error;
    if (!settings.Save(&error)) QMessageBox::warning(parent, "Customize", QString::fromStdString(error));
}

}  // namespace

TfrmAdjustColor::TfrmAdjustColor(THebViewClass& view, TSettingsStore& settings, QWidget* parent)
    : QDialog(parent), view_(view), settings_(settings),
      enableElision_(new QCheckBox("Enable Elision")),
      cboSpeak_(new QCheckBox("Speak texts (disable all melodies)")) {
    setObjectName("frmAdjustColor");
    setWindowTitle("Customize");
    auto* layout = new QVBoxLayout(this);

    auto* colours = new QGroupBox("Select highlight colors for trope groups");
    auto* grid = new QGridLayout(colours);
    for (size_t k = 0; k < ColourGroups().size(); ++k) {
        const std::string_view caption = ColourGroups()[k].caption;
        auto* label = new QLabel(QString::fromUtf8(caption.data(), static_cast<int>(caption.size())));
        boxes_[k] = new TColorCombo(GroupBoxColourNames());
        label->setBuddy(boxes_[k]);
        const int row = static_cast<int>(k) % 8, column = static_cast<int>(k) / 8 * 2;
        grid->addWidget(label, row, column);
        grid->addWidget(boxes_[k], row, column + 1);
    }
    auto* restore = new QPushButton("Restore &original colors");
    connect(restore, &QPushButton::clicked, this, [this] { RestoreOriginalColours(); });
    grid->addWidget(restore, 7, 2, 1, 2);
    layout->addWidget(colours);

    auto* smoothing = new QGroupBox("Melody smoothing");
    auto* s = new QVBoxLayout(smoothing);
    s->addWidget(enableElision_);
    // One sentence in one label, so that it wraps as one paragraph.
    auto* explanation = new QLabel(
        "With elision, the upbeat note of the next word is sung on the last syllable of a word with a joining trope, "
        "as many readers do; the tip line says where it happens (\"Elision\").");
    explanation->setWordWrap(true);
    s->addWidget(explanation);
    layout->addWidget(smoothing);
    // The elision setting follows the box at once and is saved straight away.
    connect(enableElision_, &QCheckBox::clicked, this, [this](bool on) {
        settings_.SetBool("EnableElisions", on);
        SaveOrSay(this, settings_);
    });
    layout->addWidget(cboSpeak_);
    cboSpeak_->setObjectName("cboSpeak");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                         QDialogButtonBox::Help);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        Apply();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { emit HelpRequested("customize"); });
    layout->addWidget(buttons);
}

void TfrmAdjustColor::ShowCurrent() {
    for (size_t k = 0; k < boxes_.size(); ++k)
        boxes_[k]->SelectColor(ToSettingColour(view_.GroupColour(ColourGroups()[k].group)));
    enableElision_->setChecked(settings_.Bool("EnableElisions"));
    cboSpeak_->setVisible(settings_.Bool("EnableSpeak"));
}

int TfrmAdjustColor::Run() {
    ShowCurrent();
    return exec();
}

bool TfrmAdjustColor::SpeakChecked() const { return cboSpeak_->isVisible() && cboSpeak_->isChecked(); }

void TfrmAdjustColor::RestoreOriginalColours() {
    for (size_t k = 0; k < boxes_.size(); ++k) boxes_[k]->SelectColor(OriginalColour(ColourGroups()[k].group));
}

void TfrmAdjustColor::Apply() {
    for (size_t k = 0; k < boxes_.size(); ++k) {
        const SettingColour c = boxes_[k]->SelectedColor();
        if (c == 0) continue;  // no choice: the group keeps its colour
        const int group = ColourGroups()[k].group;
        view_.SetGroupColour(group, ToRgb(c));
        if (group == kGroupEndOfBook) view_.SetGroupColour(kGroupEndOfChapter, ToRgb(c));
    }
    for (const TColourGroup& g : ColourGroups())
        settings_.Set(std::string(TropeGroupInfoOf(g.group).colourKey),
                      SettingColourText(ToSettingColour(view_.GroupColour(g.group))));
    SaveOrSay(this, settings_);
}

}  // namespace lyrasta::ui
