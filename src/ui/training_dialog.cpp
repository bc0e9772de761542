#include "training_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "training/training_document.h"

namespace lyrasta::ui {

TfrmTrainingOpts::TfrmTrainingOpts(const TXMLelement* root, QWidget* parent) : QDialog(parent), root_(root) {
    setWindowTitle("Training");
    setObjectName("frmTrainingOpts");
    auto* lists = new QHBoxLayout;
    auto column = [&](const QString& caption, QListWidget*& list, const char* name) {
        auto* box = new QVBoxLayout;
        box->addWidget(new QLabel(caption));
        list = new QListWidget;
        list->setObjectName(name);
        box->addWidget(list);
        lists->addLayout(box, 1);
    };
    column("Training Selection", optSelection_, "optSelection");
    column("Options", lstOptions_, "lstOptions");
    const std::vector<int> selections = ElementIndexes(root_);
    for (int i : selections) {
        auto* item = new QListWidgetItem(QString::fromStdString(Attribute(root_->ChildByIndex(i), "Name")));
        item->setData(Qt::UserRole, i);
        optSelection_->addItem(item);
    }
    connect(optSelection_, &QListWidget::currentRowChanged, this, [this] { FillOptions(); });
    connect(lstOptions_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addWidget(buttons);
    if (!selections.empty()) optSelection_->setCurrentRow(0);
    resize(620, 380);
}

void TfrmTrainingOpts::FillOptions() {
    lstOptions_->clear();
    const int selection = SelectionIndex();
    if (selection < 0) return;
    for (const TTrainingEntry& e : OptionEntries(root_->ChildByIndex(selection))) {
        auto* item = new QListWidgetItem(QString::fromStdString(e.name));
        item->setData(Qt::UserRole, e.element);
        lstOptions_->addItem(item);
    }
    if (lstOptions_->count() > 0) lstOptions_->setCurrentRow(0);
}

void TfrmTrainingOpts::Select(int selection, int option) {
    for (int r = 0; r < optSelection_->count(); ++r)
        if (optSelection_->item(r)->data(Qt::UserRole).toInt() == selection) optSelection_->setCurrentRow(r);
    for (int r = 0; r < lstOptions_->count(); ++r)
        if (lstOptions_->item(r)->data(Qt::UserRole).toInt() == option) lstOptions_->setCurrentRow(r);
}

int TfrmTrainingOpts::SelectionIndex() const {
    const QListWidgetItem* item = optSelection_->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

int TfrmTrainingOpts::OptionIndex() const {
    const QListWidgetItem* item = lstOptions_->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

}  // namespace lyrasta::ui
