// The main window's melody choice for readings sung in two melody types, and the melody
// help window.

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/melody_dialogs.h"
#include "ui/trope_player.h"

namespace lyrasta::ui {

void TTropePlayer::BuildMelodyChoice(QHBoxLayout& page) {
    lblMelodyMain_ = new QLabel;
    lblMelodyMain_->setObjectName("lblMelodyMain");
    lblMelodyAux_ = new QLabel;
    lblMelodyAux_->setObjectName("lblMelodyAux");
    cmdChangeMelodies_ = new QPushButton("Change");
    cmdChangeMelodies_->setObjectName("cmdChangeMelodies");
    for (QWidget* w : {static_cast<QWidget*>(lblMelodyMain_), static_cast<QWidget*>(lblMelodyAux_),
                       static_cast<QWidget*>(cmdChangeMelodies_)}) {
        page.addWidget(w);
        w->hide();
    }
    connect(cmdChangeMelodies_, &QPushButton::clicked, this, [this] { SelectMelodies(); });
}

void TTropePlayer::SetSecondMelody(const strucMelodyDisplay& display, const std::string& auxType,
                                   const std::string& auxHelp) {
    melodyDisplay_ = display;
    auxType_ = auxType;
    auxHelp_ = auxHelp;
    const bool two = display.twoMelodies;
    lblNiggun_->setVisible(!two);
    cboNiggun_->setVisible(!two);
    lblMelodyMain_->setText(QString::fromStdString(display.lblMelodyMain));
    lblMelodyAux_->setText(QString::fromStdString(display.lblMelodyAux));
    for (QWidget* w : {static_cast<QWidget*>(lblMelodyMain_), static_cast<QWidget*>(lblMelodyAux_),
                       static_cast<QWidget*>(cmdChangeMelodies_)})
        w->setVisible(two);
}

QString TTropePlayer::MelodyMainLabel() const { return lblMelodyMain_->isVisibleTo(this) ? lblMelodyMain_->text() : QString(); }
QString TTropePlayer::MelodyAuxLabel() const { return lblMelodyAux_->isVisibleTo(this) ? lblMelodyAux_->text() : QString(); }

void TTropePlayer::SelectMelodies() {
    TfrmSelectMelodies dialog(melodyDisplay_, this);
    connect(&dialog, &TfrmSelectMelodies::HelpRequested, this, [this, &dialog] {
        if (dialog.Main().currentIndex() < 0) return;
        ShowMelodyHelp(QString::fromStdString(TwoMelodiesHelp(reading_.type, melodyHelp_.toStdString(),
                                                              auxType_, auxHelp_)));
    });
    if (dialog.exec() != QDialog::Accepted) return;
    // Each type keeps its own choice; the labels show them; the song is sung anew.
    const struct {
        const std::string& type;
        QComboBox& box;
        std::vector<std::string>& items;
        int& index;
        std::string& label;
        QLabel* shown;
    } choices[] = {
        {reading_.type, dialog.Main(), melodyDisplay_.mainItems, melodyDisplay_.mainIndex,
         melodyDisplay_.lblMelodyMain, lblMelodyMain_},
        {auxType_, dialog.Aux(), melodyDisplay_.auxItems, melodyDisplay_.auxIndex,
         melodyDisplay_.lblMelodyAux, lblMelodyAux_}};
    for (const auto& c : choices) {
        const int index = c.box.currentIndex();
        if (index < 0 || index >= static_cast<int>(c.items.size())) continue;
        c.index = index;
        if (ReadingTypeIndex(c.type) >= 0) melodies_[c.type] = c.items[index];
        if (services_.chooseStyle) services_.chooseStyle(c.type, index);
        c.label = c.type + ": " + c.items[index];
        c.shown->setText(QString::fromStdString(c.label));
    }
    ResetSong();
    player_.MarkSongStale();
}

void TTropePlayer::ShowMelodyHelp(const QString& text) {
    auto* help = findChild<TfrmMelodyHelp*>();
    if (!help) help = new TfrmMelodyHelp(this);
    help->ShowText(text, reading_.type);
}

}  // namespace lyrasta::ui
