#include "open_reading_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

#include "ui/custom_readings_tab.h"

namespace lyrasta::ui {

namespace {

constexpr int kGroupId = 100;  // radio id = group x 100 + item

QString Q(const std::string& s) { return QString::fromStdString(s); }

void FillList(QListWidget* list, const std::vector<TOptionItem>& items, int current) {
    list->clear();
    for (const TOptionItem& item : items) list->addItem(Q(item.text));
    list->setCurrentRow(current);
}

}  // namespace

TfrmOpenReading::TfrmOpenReading(const TCatalogue& catalogue, TSettingsStore& settings, QWidget* parent)
    : QDialog(parent), settings_(settings),
      model_(catalogue, HebrewYearOfToday(),
             {settings.Bool("Triennial"), settings.Int("Cycle"), settings.Int("Year")}) {
    setObjectName("frmOpenReading");
    setWindowTitle("Open reading");
    readings_ = new QButtonGroup(this);
    PageControl1_ = new QTabWidget(this);
    PageControl1_->setObjectName("PageControl1");
    PageControl1_->addTab(BuildStandardTab(), "Shabbat && Mon./Thu. readings");
    PageControl1_->addTab(BuildHolidayTab(), "Holiday && special readings");
    custom_ = new TCustomReadingsTab;
    PageControl1_->addTab(custom_, "Custom readings");
    connect(custom_, &TCustomReadingsTab::OpenKindChanged, this, [this] { ShowOpenButtons(); });
    connect(PageControl1_, &QTabWidget::currentChanged, this, [this](int i) { TabChanged(i); });
    connect(readings_, &QButtonGroup::idClicked, this, [this](int id) {
        if (refreshing_) return;
        model_.Select(id / kGroupId, id % kGroupId);
        Refresh();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1_);
    layout->addWidget(BuildToolbar());
    options_ = BuildOptions();
    layout->addWidget(options_);

    auto* bottom = new QHBoxLayout;
    lblDate_ = new QLabel(this);
    lblDate_->setObjectName("lblDate");
    lblDate_->setFrameShape(QFrame::Panel);
    lblDate_->setFrameShadow(QFrame::Sunken);
    lblDate_->setMinimumWidth(260);
    bottom->addWidget(lblDate_);
    cmdOpenCalendar_ = new QPushButton("Calendar...", this);
    cmdOpenCalendar_->setObjectName("cmdOpenCalendar");
    cmdOpenCalendar_->setToolTip("Select reading from calendar");
    cmdOpenCalendar_->setEnabled(false);
    connect(cmdOpenCalendar_, &QPushButton::clicked, this, [this] {
        if (openCalendar_) openCalendar_();
    });
    bottom->addWidget(cmdOpenCalendar_);
    bottom->addStretch();
    auto addButton = [&](QPushButton*& b, const char* name, const char* caption, TOpenKind kind) {
        b = new QPushButton(caption, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, [this, kind] { Open(kind); });
        bottom->addWidget(b);
    };
    addButton(cmdOpenTorah_, "cmdOpenTorah", "Open Torah Portion", TOpenKind::Torah);
    addButton(cmdOpenHaftarah_, "cmdOpenHaftarah", "Open Haftarah", TOpenKind::Haftarah);
    addButton(cmdOpenReading_, "cmdOpenReading", "Open Reading", TOpenKind::Reading);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("CancelBtn");
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    bottom->addWidget(cancel);
    auto* help = new QPushButton("Help", this);
    help->setObjectName("cmdHelp");
    connect(help, &QPushButton::clicked, this, [this] {
        const int tab = PageControl1_->currentIndex();
        emit HelpRequested(tab == 2 ? "custom-readings" : tab == 1 ? "open-holidays" : "open");
    });
    bottom->addWidget(help);
    layout->addLayout(bottom);
    Refresh();
}

QGroupBox* TfrmOpenReading::BuildGroup(int group, int columns) {
    const TReadingGroup& g = ReadingGroups()[group];
    auto* box = new QGroupBox(Q(g.caption));
    box->setObjectName(Q(g.control));
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(1);
    std::vector<QRadioButton*> buttons;
    const int count = static_cast<int>(g.items.size());
    const int rows = (count + columns - 1) / columns;
    for (int i = 0; i < count; ++i) {
        auto* b = new QRadioButton(Q(g.items[i]), box);
        readings_->addButton(b, group * kGroupId + i);
        if (g.items[i].empty()) b->hide();
        grid->addWidget(b, i % rows, i / rows);
        buttons.push_back(b);
    }
    grid->setRowStretch(rows, 1);
    if (static_cast<int>(items_.size()) <= group) items_.resize(group + 1);
    items_[group] = std::move(buttons);
    return box;
}

QWidget* TfrmOpenReading::BuildStandardTab() {
    auto* tab = new QWidget;
    tab->setObjectName("tabStandard");
    auto* row = new QHBoxLayout(tab);
    for (int g = 0; g < 4; ++g) row->addWidget(BuildGroup(g, 1));
    // The last three portions of Deuteronomy stand under the rest of the book.
    auto* deuteronomy = new QVBoxLayout;
    deuteronomy->addWidget(BuildGroup(4, 1));
    deuteronomy->addWidget(BuildGroup(5, 1));
    row->addLayout(deuteronomy);
    return tab;
}

QWidget* TfrmOpenReading::BuildHolidayTab() {
    auto* tab = new QWidget;
    tab->setObjectName("tabHolidays");
    auto* row = new QHBoxLayout(tab);
    row->addWidget(BuildGroup(kHolidayGroup, 2));
    return tab;
}

QWidget* TfrmOpenReading::BuildToolbar() {
    toolbar_ = new QWidget(this);
    auto* row = new QHBoxLayout(toolbar_);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel("Get readings for year:"));
    seYear_ = new QSpinBox;
    seYear_->setObjectName("seYear");
    seYear_->setRange(TOpenReadingModel::kFirstYear, TOpenReadingModel::kLastYear);
    connect(seYear_, &QSpinBox::valueChanged, this, [this](int y) {
        if (refreshing_) return;
        model_.SetYear(y);
        Refresh();
    });
    row->addWidget(seYear_);
    lblNextYear_ = new QLabel;
    lblNextYear_->setObjectName("lblNextYear");
    row->addWidget(lblNextYear_);
    row->addSpacing(12);
    rbDiaspora_ = new QRadioButton("Diaspora");
    rbDiaspora_->setObjectName("rbDiaspora");
    rbIsrael_ = new QRadioButton("Israel");
    rbIsrael_->setObjectName("rbIsrael");
    auto* place = new QButtonGroup(toolbar_);
    place->addButton(rbDiaspora_);
    place->addButton(rbIsrael_);
    connect(rbIsrael_, &QRadioButton::toggled, this, [this](bool israel) {
        if (refreshing_) return;
        model_.SetIsrael(israel);
        Refresh();
    });
    row->addWidget(rbDiaspora_);
    row->addWidget(rbIsrael_);
    row->addSpacing(12);
    chkTriennial_ = new QCheckBox("Use triennial Torah cycle");
    chkTriennial_->setObjectName("chkTriennial");
    chkTriennial_->setToolTip("Check this option if your shul reads 1/3rd of a portion each week.");
    connect(chkTriennial_, &QCheckBox::toggled, this, [this](bool on) {
        if (refreshing_) return;
        model_.SetTriennial(on);
        Refresh();
    });
    row->addWidget(chkTriennial_);
    lblCycle_ = new QLabel;
    lblCycle_->setObjectName("lblCycle");
    row->addWidget(lblCycle_);
    seCycle_ = new QSpinBox;
    seCycle_->setObjectName("seCycle");
    seCycle_->setRange(1, 3);
    seCycle_->findChild<QLineEdit*>()->setReadOnly(true);  // the arrows only
    connect(seCycle_, &QSpinBox::valueChanged, this, [this](int c) {
        if (refreshing_) return;
        model_.SetCycle(c);
        Refresh();
    });
    row->addWidget(seCycle_);
    row->addStretch();
    return toolbar_;
}

QWidget* TfrmOpenReading::BuildOptions() {
    auto* area = new QWidget(this);
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    const char* captions[4] = {"Torah options", "Maftir options", "Haftarah options", "Other readings"};
    const char* names[4] = {"optTorah", "optMaftir", "optHaftarah", "optReading"};
    QListWidget** lists[4] = {&optTorah_, &optMaftir_, &optHaftarah_, &optReading_};
    for (int i = 0; i < 4; ++i) {
        frames_[i] = new QGroupBox(captions[i], area);
        auto* inner = new QVBoxLayout(frames_[i]);
        *lists[i] = new QListWidget(frames_[i]);
        (*lists[i])->setObjectName(names[i]);
        (*lists[i])->setMinimumHeight(90);
        inner->addWidget(*lists[i]);
        row->addWidget(frames_[i]);
    }
    connect(optTorah_, &QListWidget::currentRowChanged, this, [this](int r) {
        if (refreshing_) return;
        model_.SelectTorahOption(r);
        Refresh();
    });
    connect(optMaftir_, &QListWidget::currentRowChanged, this, [this](int r) {
        if (!refreshing_) model_.SelectMaftir(r);
    });
    connect(optHaftarah_, &QListWidget::currentRowChanged, this, [this](int r) {
        if (!refreshing_) model_.SelectHaftarah(r);
    });
    connect(optReading_, &QListWidget::currentRowChanged, this, [this](int r) {
        if (!refreshing_) model_.SelectOther(r);
    });
    connect(optTorah_, &QListWidget::itemDoubleClicked, this, [this] { Open(TOpenKind::Torah); });
    connect(optHaftarah_, &QListWidget::itemDoubleClicked, this, [this] { Open(TOpenKind::Haftarah); });
    connect(optReading_, &QListWidget::itemDoubleClicked, this, [this] { Open(TOpenKind::Reading); });
    return area;
}

void TfrmOpenReading::Refresh() {
    refreshing_ = true;
    readings_->setExclusive(false);
    for (int g = 0; g < static_cast<int>(items_.size()); ++g)
        for (int i = 0; i < static_cast<int>(items_[g].size()); ++i) {
            items_[g][i]->setEnabled(model_.ItemEnabled(g, i));
            items_[g][i]->setChecked(g == model_.Group() && i == model_.Item());
        }
    readings_->setExclusive(true);
    seYear_->setValue(model_.Year());
    lblNextYear_->setText(Q(model_.NextYearLabel()));
    (model_.Israel() ? rbIsrael_ : rbDiaspora_)->setChecked(true);
    chkTriennial_->setChecked(model_.Triennial());
    lblCycle_->setText(Q(model_.CycleLabel()));
    lblCycle_->setEnabled(model_.Triennial());
    seCycle_->setValue(model_.Cycle());
    seCycle_->setEnabled(model_.Triennial());
    const TOptionLists& lists = model_.Lists();
    FillList(optTorah_, lists.torah, lists.torahIndex);
    FillList(optMaftir_, lists.maftir, lists.maftirIndex);
    FillList(optHaftarah_, lists.haftarah, lists.haftarahIndex);
    FillList(optReading_, lists.other, lists.otherIndex);
    frames_[1]->setEnabled(model_.MaftirEnabled());
    frames_[2]->setEnabled(model_.HaftarahEnabled());
    ShowOpenButtons();
    lblDate_->setText(Q(model_.DateLine()));
    refreshing_ = false;
}

bool TfrmOpenReading::CustomShown() const { return PageControl1_->currentWidget() == custom_; }

void TfrmOpenReading::ShowOpenButtons() {
    // On the custom tab the rows decide: the one button of their kind, none while all are empty.
    const auto custom = custom_->OpenKind();
    const bool shown = CustomShown();
    cmdOpenTorah_->setEnabled(shown ? custom == TOpenKind::Torah : model_.OpenTorahEnabled());
    cmdOpenHaftarah_->setEnabled(shown ? custom == TOpenKind::Haftarah : model_.OpenHaftarahEnabled());
    cmdOpenReading_->setEnabled(shown ? custom == TOpenKind::Reading : model_.OpenReadingEnabled());
}

bool TfrmOpenReading::SelectReading(const std::string& name) {
    const bool found = model_.SelectReading(name);
    Refresh();
    return found;
}

void TfrmOpenReading::SetYear(int year) {
    model_.SetYear(year);
    Refresh();
}

void TfrmOpenReading::SetIsrael(bool israel) {
    model_.SetIsrael(israel);
    Refresh();
}

bool TfrmOpenReading::SelectTorahOption(const std::string& text) {
    const auto& torah = model_.Lists().torah;
    for (int i = 0; i < static_cast<int>(torah.size()); ++i)
        if (torah[i].text.starts_with(text)) {
            model_.SelectTorahOption(i);
            Refresh();
            return true;
        }
    return false;
}

void TfrmOpenReading::ShowTab(int index) { PageControl1_->setCurrentIndex(index); }

void TfrmOpenReading::SetCalendarHandler(std::function<void()> open) {
    openCalendar_ = std::move(open);
    cmdOpenCalendar_->setEnabled(static_cast<bool>(openCalendar_));
}

void TfrmOpenReading::TabChanged(int index) {
    // The year and cycle belong to the first two tabs; the date line to the portions.
    // A custom reading has neither: its rows are the whole choice.
    toolbar_->setVisible(index != 2);
    options_->setVisible(index != 2);
    lblDate_->setVisible(index == 0);
    ShowOpenButtons();
}

void TfrmOpenReading::showEvent(QShowEvent* event) {
    custom_->LoadNames();
    ShowOpenButtons();
    QDialog::showEvent(event);
}

std::optional<TCustomOpening> TfrmOpenReading::TakeCustomOpening() {
    return std::exchange(customOpening_, std::nullopt);
}

void TfrmOpenReading::Open(TOpenKind kind) {
    if (CustomShown()) {
        if (custom_->OpenKind() != kind) return;
        customOpening_ = custom_->Opening();
        reject();
        return;
    }
    if (!model_.OpenEnabled(kind)) return;
    kind_ = kind;
    accept();
}

void TfrmOpenReading::done(int result) {
    const TOpenReadingModel::Stored stored = model_.ToStore();
    settings_.SetBool("Triennial", stored.triennial);
    settings_.Set("Cycle", std::to_string(stored.cycle));
    settings_.Set("Year", std::to_string(stored.year));
    QDialog::done(result);
}

}  // namespace lyrasta::ui
