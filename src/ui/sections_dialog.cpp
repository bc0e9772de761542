#include "sections_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace lyrasta::ui {

TfrmManageSections::TfrmManageSections(QWidget* parent)
    : QDialog(parent), clbSections_(new QListWidget) {
    setObjectName("frmManageSections");
    setWindowTitle("Manage sections");
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel("Hide sections by unchecking the box next to the section you want to hide. "
                            "You can use this to hide sections you don't want printed.");
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* jump = new QGroupBox("Jump to section");
    auto* j = new QVBoxLayout(jump);
    clbSections_->setObjectName("clbSections");
    j->addWidget(clbSections_);
    layout->addWidget(jump);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                         QDialogButtonBox::Help);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { emit HelpRequested("sections"); });
    layout->addWidget(buttons);
    connect(clbSections_, &QListWidget::itemChanged, this, [this] {
        changed_ = true;
        UpdateOk();
    });
    connect(clbSections_, &QListWidget::itemDoubleClicked, this, [this] { DoubleClicked(); });
}

void TfrmManageSections::SetLines(const std::vector<TSectionLine>& lines) {
    const QSignalBlocker block(clbSections_);
    clbSections_->clear();
    for (const TSectionLine& line : lines) {
        auto* item = new QListWidgetItem(QString::fromStdString(line.Text()), clbSections_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(line.ticked ? Qt::Checked : Qt::Unchecked);
    }
    changed_ = false;
    UpdateOk();
}

std::vector<TSectionLine> TfrmManageSections::Lines() const {
    std::vector<TSectionLine> lines;
    for (int i = 0; i < clbSections_->count(); ++i) {
        const QListWidgetItem* item = clbSections_->item(i);
        const std::string text = item->text().toStdString();
        const size_t colon = text.find(": ");
        lines.push_back({text.substr(0, colon), colon == std::string::npos ? "" : text.substr(colon + 2),
                         item->checkState() == Qt::Checked});
    }
    return lines;
}

int TfrmManageSections::JumpLine() const {
    const int row = clbSections_->currentRow();
    if (row < 0 || !clbSections_->item(row)->isSelected()) return -1;
    return clbSections_->item(row)->checkState() == Qt::Checked ? row : -1;
}

void TfrmManageSections::UpdateOk() {
    bool any = false;
    for (int i = 0; i < clbSections_->count(); ++i) any |= clbSections_->item(i)->checkState() == Qt::Checked;
    ok_->setEnabled(any);
}

void TfrmManageSections::DoubleClicked() {
    if (ok_->isEnabled()) {
        accept();
        return;
    }
    QApplication::beep();
    QMessageBox::information(this, "No sections selected", "Please select a section to display.");
}

}  // namespace lyrasta::ui
