#include "custom_readings_tab.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lyrasta::ui {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

constexpr CustomKind kKinds[4] = {CustomKind::Torah, CustomKind::HiHoliday, CustomKind::Haftarah, CustomKind::Megilla};

void Fill(QComboBox* box, const std::vector<std::string>& items, int current) {
    box->clear();
    for (const std::string& item : items) box->addItem(Q(item));
    box->setCurrentIndex(current);
}

}  // namespace

TCustomReadingsTab::TCustomReadingsTab(std::string path, QWidget* parent) : QWidget(parent), file_(std::move(path)) {
    setObjectName("tabCustom");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildKinds());
    auto* middle = new QHBoxLayout;
    middle->addWidget(BuildRows());
    middle->addWidget(BuildEditBox(), 0, Qt::AlignTop);
    middle->addStretch();
    layout->addLayout(middle);
    layout->addWidget(BuildNameBox());
    layout->addStretch();
    Refresh();
}

QWidget* TCustomReadingsTab::BuildKinds() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    const char* names[4] = {"optCustTorah", "optCustHiHolidaysTorah", "optCustHaftarah", "optCustMegilla"};
    const char* captions[4] = {"Torah", "High Holidays Torah", "Haftarah", "Megilla"};
    for (int i = 0; i < 4; ++i) {
        kinds_[i] = new QRadioButton(captions[i], box);
        kinds_[i]->setObjectName(names[i]);
        connect(kinds_[i], &QRadioButton::clicked, this, [this, i] {
            if (editor_.Kind() == kKinds[i]) return;
            editor_.SetKind(kKinds[i]);
            Changed();
        });
        row->addWidget(kinds_[i]);
    }
    row->addStretch();
    return box;
}

QWidget* TCustomReadingsTab::BuildRows() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < 8; ++i) {
        const QString n = QString::number(i + 1);
        labels_[i] = new QLabel(box);
        labels_[i]->setObjectName("lblR" + n);
        panels_[i] = new QLabel(box);
        panels_[i]->setObjectName("pnlR" + n);
        panels_[i]->setFrameShape(QFrame::StyledPanel);
        panels_[i]->setFrameShadow(QFrame::Sunken);
        panels_[i]->setMinimumWidth(panels_[i]->fontMetrics().horizontalAdvance("GEN00:00-00:00") + 16);
        edits_[i] = new QPushButton("Edit", box);
        edits_[i]->setObjectName("cmdSetR" + n);
        clears_[i] = new QPushButton("Clear", box);
        clears_[i]->setObjectName("cmdClrR" + n);
        connect(edits_[i], &QPushButton::clicked, this, [this, i] {
            editor_.BeginEdit(i);
            Refresh();
        });
        connect(clears_[i], &QPushButton::clicked, this, [this, i] {
            editor_.Clear(i);
            Changed();
        });
        grid->addWidget(labels_[i], i, 0);
        grid->addWidget(panels_[i], i, 1);
        grid->addWidget(edits_[i], i, 2);
        grid->addWidget(clears_[i], i, 3);
    }
    return box;
}

QGroupBox* TCustomReadingsTab::BuildEditBox() {
    gboxEditReading_ = new QGroupBox(this);
    gboxEditReading_->setObjectName("gboxEditReading");
    auto* grid = new QGridLayout(gboxEditReading_);
    auto combo = [this](const char* name) {
        auto* c = new QComboBox(gboxEditReading_);
        c->setObjectName(name);
        c->setMaxVisibleItems(20);
        return c;
    };
    cboBook_ = combo("cboBook");
    cboStartChap_ = combo("cboStartChap");
    cboStartVerse_ = combo("cboStartVerse");
    cboEndChap_ = combo("cboEndChap");
    cboEndVerse_ = combo("cboEndVerse");
    grid->addWidget(new QLabel("Select book:"), 0, 0);
    grid->addWidget(cboBook_, 0, 1, 1, 3);
    grid->addWidget(new QLabel("Starting chapter:"), 1, 0);
    grid->addWidget(cboStartChap_, 1, 1);
    grid->addWidget(new QLabel(":verse"), 1, 2);
    grid->addWidget(cboStartVerse_, 1, 3);
    grid->addWidget(new QLabel("To chapter:"), 2, 0);
    grid->addWidget(cboEndChap_, 2, 1);
    grid->addWidget(new QLabel(":verse"), 2, 2);
    grid->addWidget(cboEndVerse_, 2, 3);
    auto* buttons = new QHBoxLayout;
    cmdSetEditReading_ = new QPushButton("Set", gboxEditReading_);
    cmdSetEditReading_->setObjectName("cmdSetEditReading");
    auto* cancel = new QPushButton("Cancel", gboxEditReading_);
    cancel->setObjectName("cmdCancelEditReading");
    buttons->addStretch();
    buttons->addWidget(cmdSetEditReading_);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 3, 0, 1, 4);

    // Each choice keeps the others sensible; the model decides, the boxes show it.
    auto coupled = [this](QComboBox* box, void (TCustomReadingEditor::*select)(int)) {
        connect(box, &QComboBox::currentIndexChanged, this, [this, select](int i) {
            if (refreshing_ || i < 0) return;
            (editor_.*select)(i);
            Refresh();
        });
    };
    coupled(cboBook_, &TCustomReadingEditor::SelectBook);
    coupled(cboStartChap_, &TCustomReadingEditor::SelectStartChapter);
    coupled(cboStartVerse_, &TCustomReadingEditor::SelectStartVerse);
    coupled(cboEndChap_, &TCustomReadingEditor::SelectEndChapter);
    coupled(cboEndVerse_, &TCustomReadingEditor::SelectEndVerse);
    connect(cmdSetEditReading_, &QPushButton::clicked, this, [this] {
        editor_.Set();
        Changed();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        editor_.Cancel();
        Changed();
    });
    return gboxEditReading_;
}

QWidget* TCustomReadingsTab::BuildNameBox() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel("Custom reading name:"));
    cboCustName_ = new QComboBox(box);
    cboCustName_->setObjectName("cboCustName");
    cboCustName_->setEditable(true);
    cboCustName_->setInsertPolicy(QComboBox::NoInsert);
    cboCustName_->setMinimumContentsLength(24);
    row->addWidget(cboCustName_, 1);
    cmdSave_ = new QPushButton("Save", box);
    cmdSave_->setObjectName("cmdSave");
    cmdDelete_ = new QPushButton("Delete", box);
    cmdDelete_->setObjectName("cmdDelete");
    row->addWidget(cmdSave_);
    row->addWidget(cmdDelete_);
    // A saved reading is loaded when it is chosen from the list (or its name is typed and
    // Enter pressed); merely typing a name, as when saving under a new one, loads nothing.
    connect(cboCustName_, &QComboBox::textActivated, this, [this](const QString& text) {
        if (!refreshing_) Choose(text.toStdString());
    });
    cboCustName_->lineEdit()->installEventFilter(this);
    connect(cboCustName_, &QComboBox::editTextChanged, this, [this] {
        if (!refreshing_) Refresh();
    });
    connect(cmdSave_, &QPushButton::clicked, this, [this] { Save(); });
    connect(cmdDelete_, &QPushButton::clicked, this, [this] { Delete(); });
    return box;
}

bool TCustomReadingsTab::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the name box chooses the reading of that name; it is kept from the dialog,
    // where it would press the default button and close the dialog.
    if (watched == cboCustName_->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Choose(cboCustName_->currentText().trimmed().toStdString());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TCustomReadingsTab::Refresh() {
    refreshing_ = true;
    const int edited = editor_.EditedRow();
    const bool editing = edited >= 0;
    for (int i = 0; i < 4; ++i) {
        kinds_[i]->setChecked(editor_.Kind() == kKinds[i]);
        kinds_[i]->setEnabled(!editing);
    }
    const std::vector<std::string> labels = editor_.RowLabels();
    for (int i = 0; i < 8; ++i) {
        const bool shown = i < editor_.RowCount();
        for (QWidget* w : std::initializer_list<QWidget*>{labels_[i], panels_[i], edits_[i], clears_[i]}) {
            w->setVisible(shown);
            w->setEnabled(!editing);
        }
        labels_[i]->setEnabled(!editing || i == edited);
        labels_[i]->setText(shown ? Q(labels[i]) : QString());
        panels_[i]->setText(Q(editor_.Row(i)));
    }
    gboxEditReading_->setVisible(editing);
    gboxEditReading_->setTitle(Q(editor_.EditCaption()));
    Fill(cboBook_, editor_.Books(), editor_.Book());
    Fill(cboStartChap_, editor_.Chapters(), editor_.StartChapter());
    Fill(cboEndChap_, editor_.Chapters(), editor_.EndChapter());
    Fill(cboStartVerse_, editor_.StartVerses(), editor_.StartVerse());
    Fill(cboEndVerse_, editor_.EndVerses(), editor_.EndVerse());
    cmdSetEditReading_->setEnabled(editor_.CanSet());
    cboCustName_->setEnabled(!editing);
    cmdSave_->setEnabled(!editing);
    cmdDelete_->setEnabled(!editing && file_.Find(cboCustName_->currentText().toStdString()));
    refreshing_ = false;
}

void TCustomReadingsTab::Changed() {
    Refresh();
    emit OpenKindChanged();
}

void TCustomReadingsTab::FillNames(const std::string& text) {
    refreshing_ = true;
    cboCustName_->clear();
    for (const std::string& name : file_.Names()) cboCustName_->addItem(Q(name));
    cboCustName_->setCurrentIndex(-1);
    cboCustName_->setEditText(Q(text));
    refreshing_ = false;
    Refresh();
}

void TCustomReadingsTab::LoadNames() {
    std::string error;
    if (!file_.Load(&error)) Tell("Parse Error", error);
    FillNames(kNamePrompt);
}

bool TCustomReadingsTab::Choose(const std::string& name) {
    if (name.starts_with('-')) return false;
    const TCustomReading* reading = file_.Find(name);
    if (!reading) return false;
    editor_.Load(*reading);
    refreshing_ = true;
    cboCustName_->setEditText(Q(reading->name));
    refreshing_ = false;
    Changed();
    return true;
}

TCustomOpening TCustomReadingsTab::Opening() const {
    return OpeningOf(editor_.Reading(cboCustName_->currentText().toStdString()));
}

void TCustomReadingsTab::Save() {
    const std::string name = TrimmedName(cboCustName_->currentText().toStdString());
    if (name.empty() || name[0] == '-') {
        QApplication::beep();
        Tell("Missing custom name", "Please enter a custom name");
        return;
    }
    std::string error;
    if (file_.Malformed()) {
        if (!Confirmed("Warning: Custom readings file cannot be read",
                       file_.Path() + " cannot be read, so the readings in it cannot be shown. Start a new file with "
                                      "this reading? The old file is kept as " + file_.KeptCopyPath() + "."))
            return;
        if (!file_.StartAfresh(&error)) {
            Tell("Save status", "Custom reading " + name + " was not saved: " + error);
            return;
        }
    }
    if (file_.Find(name) &&
        !Confirmed("Warning: Custom reading already exists!",
                   "Do you want to overwrite the existing custom reading " + name + "?"))
        return;
    if (!file_.Save(editor_.Reading(name), &error)) {
        Tell("Save status", "Custom reading " + name + " was not saved: " + error);
        return;
    }
    FillNames(name);
    Tell("Save status", "Custom reading " + name + " was saved.");
}

void TCustomReadingsTab::Delete() {
    const TCustomReading* reading = file_.Find(cboCustName_->currentText().toStdString());
    if (!reading) return;
    const std::string name = reading->name;
    std::string error;
    if (!file_.Delete(name, &error)) {
        Tell("Delete status", "Custom reading " + name + " was not deleted: " + error);
        return;
    }
    const std::vector<std::string> names = file_.Names();
    FillNames(names.empty() ? kNamePrompt : names.front());
    if (!names.empty()) Choose(names.front());
}

bool TCustomReadingsTab::Confirmed(const std::string& caption, const std::string& question) {
    if (ask) return ask(caption, question);
    return QMessageBox::question(this, Q(caption), Q(question), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void TCustomReadingsTab::Tell(const std::string& caption, const std::string& text) {
    if (message) message(caption, text);
    else QMessageBox::information(this, Q(caption), Q(text));
}

}  // namespace lyrasta::ui
