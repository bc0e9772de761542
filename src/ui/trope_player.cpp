#include "trope_player.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QClipboard>
#include <QProgressDialog>
#include <QScrollArea>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <cctype>

#include "chant/melody_styles.h"
#include "chant/phoneme_set.h"
#include "player/voices.h"
#include "player/word_tip.h"
#include "ui/heb_view.h"
#include "ui/mark_colours.h"
#include "ui/note_display.h"
#include "ui/colour_legend.h"
#include "ui/about_window.h"
#include "ui/help_window.h"
#include "ui/screen_fit.h"

namespace lyrasta::ui {

namespace {

// Pixel rules of the window's arrangement, at 96 pixels per inch.
constexpr int kNotePanelHeight = 110;
constexpr int kNotePanelLeast = 80;

}  // namespace

TTropePlayer::TTropePlayer(TDisplayFonts& fonts, TSettingsStore& settings,
                           TPlayerServices services, QWidget* parent)
    : QWidget(parent), fonts_(fonts), settings_(settings), services_(std::move(services)),
      player_(*this) {
    setWindowTitle(kTitle);
    hview_ = new THebViewClass(fonts_, this);
    hview_->SetSymbolColouring(MarkCategories, SymbolColourOver);
    lblTranslation_ = new QLabel(this);
    lblTranslation_->setObjectName("lblTranslation");
    lblTranslation_->setWordWrap(true);
    lblTranslation_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTips_ = new QLabel(this);
    lblTips_->setObjectName("lblTips");
    lblTips_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTips_->setWordWrap(true);
    pnlSong_ = new TNoteDisplay;
    pnlSong_->setObjectName("pnlSong");
    songScroll_ = new QScrollArea(this);
    songScroll_->setWidget(pnlSong_);
    songScroll_->setWidgetResizable(true);
    songScroll_->setFrameShape(QFrame::NoFrame);
    songScroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The staff's width follows its height: a scroll bar that came and went with a long
    // melisma would change the height, then the width, then the bar again without end.
    songScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    songScroll_->setFocusPolicy(Qt::NoFocus);
    lblStatus_ = new QLabel(this);
    lblStatus_->setObjectName("lblStatus");
    connect(lblStatus_, &QLabel::linkActivated, this, [this] { ExportAudio(); });
    BuildMenus();
    BuildToolbars();
    BuildTabs();
    for (const char* caption : {"Reload", "Get Groups", "Dump SelText"}) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString("cmd") + QString(caption).remove(' '));
        b->hide();
        developerButtons_.push_back(b);
    }
    connect(developerButtons_[0], &QPushButton::clicked, this, [this] { Reload(); });
    connect(developerButtons_[2], &QPushButton::clicked, this, [this] { DumpSelText(); });
    developerButtons_[1]->setEnabled(false);  // the group report batch comes with its files

    connect(hview_, &THebViewClass::OnimgMouseUp, this, [this] { ShowCurrentWord(); });
    connect(hview_, &THebViewClass::OnimgDblClick, this, [this] { player_.PlayWord(); });
    connect(hview_, &THebViewClass::SpacePressed, this, [this] { PlayOrStop(); });
    qApp->installEventFilter(this);
    resize(1000, 700);
}

TTropePlayer::~TTropePlayer() { qApp->removeEventFilter(this); }

QAction* TTropePlayer::AddAction(QMenu* menu, const QString& caption, std::function<void()> run,
                                 bool enabled) {
    QAction* a = menu->addAction(caption);
    a->setEnabled(enabled);
    connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
    return a;
}

void TTropePlayer::Message(const std::string& text) {
    if (messageSink_) messageSink_(kTitle, text);
    else QMessageBox::warning(this, kTitle, QString::fromStdString(text));
}

void TTropePlayer::BuildMenus() {
    menuToolbar_ = new QToolBar(this);
    auto addMenu = [this](const QString& caption) {
        auto* button = new QToolButton(menuToolbar_);
        button->setText(caption);
        button->setPopupMode(QToolButton::InstantPopup);
        auto* menu = new QMenu(button);
        button->setMenu(menu);
        menuToolbar_->addWidget(button);
        return menu;
    };
    QMenu* file = addMenu("&File");
    // Dialogs that come with their own features stay visible but disabled until then.
    // Named so that the features behind them can take them over.
    const std::pair<const char*, const char*> pending[] = {
        {"&Open reading", "mnuOpenReading"}, {"Open &tutorial", "mnuOpenTutorial"},
        {"Open &calendar", "mnuOpenCalendar"}};
    for (const auto& [caption, name] : pending) AddAction(file, caption, [] {}, false)->setObjectName(name);
    AddAction(file, "&Print", [this] { PrintReading(); });
    AddAction(file, "&Jump", [this] { ManageSections(); });
    AddAction(file, "C&ustomize", [this] { Customize(); });
    exportAudio_ = AddAction(file, "Export audio...", [this] { ExportAudio(); }, false);
    AddAction(file, "Export PDF...", [this] { ExportPdfFile(); });
    AddAction(file, "&Reload <F9>", [this] { Reload(); });
    file->addSeparator();
    AddAction(file, "E&xit", [this] { close(); });

    QMenu* play = addMenu("&Play");
    AddAction(play, "Rest of &section <F5>", [this] { player_.PlaySection(); });
    AddAction(play, "Rest of &verse", [this] { player_.PlayVerse(); });
    AddAction(play, "&Trope group <F4>", [this] { player_.PlayGroup(); });
    AddAction(play, "&Word", [this] { player_.PlayWord(); });
    AddAction(play, "&Replay until stopped <F3>", [this] { player_.ReplayUntilStopped(); });
    AddAction(play, "Play or stop <Space>", [this] { PlayOrStop(); });
    AddAction(play, "&Stop <F2>", [this] { player_.Stop(); });

    QMenu* view = addMenu("&View");
    const char* modes[3] = {"&Modern letters with vowels", "&Stam letters", "&Both"};
    auto* menuModes = new QActionGroup(this);
    for (int m = 0; m < 3; ++m) {
        menuViewModes_[m] = AddAction(view, modes[m], [this, m] { SetViewMode(m); });
        menuViewModes_[m]->setCheckable(true);
        menuModes->addAction(menuViewModes_[m]);
    }
    menuViewModes_[0]->setChecked(true);
    view->addSeparator();
    // The text size: real shortcuts, held by the window so that they work from any control.
    const struct {
        const char* caption;
        QList<QKeySequence> keys;
        int change;
    } zooms[] = {{"Zoom &in", {QKeySequence::ZoomIn, QKeySequence("Ctrl+=")}, 2},
                 {"Zoom &out", {QKeySequence::ZoomOut}, -2},
                 {"&Normal size", {QKeySequence("Ctrl+0")}, 0}};
    for (const auto& z : zooms) {
        QAction* a = AddAction(view, z.caption, [this, change = z.change] { Zoom(change); });
        a->setShortcuts(z.keys);
        addAction(a);
    }
    view->addSeparator();
    AddAction(view, "Color &legend", [this] { ShowColourLegend(*this, *hview_); });

    QMenu* help = addMenu("&Help");
    AddAction(help, "&Contents <F1>", [this] { ShowHelp("contents"); });
    AddAction(help, "&Keyboard keys", [this] { ShowHelp("keys"); });
    AddAction(help, "&Trope chart", [this] { ShowHelp("tropes"); });
    AddAction(help, "Acknowledgements", [this] { ShowAcknowledgements(this, dataDir_); });
    AddAction(help, "&About", [this] {
        TfrmSplash about(this);
        about.ShowAsAbout();
    });
}

void TTropePlayer::BuildToolbars() {
    auto addButton = [this](QToolBar* bar, const QString& caption, const QString& label,
                            std::function<void()> run, bool enabled = true) {
        QAction* a = bar->addAction(label);
        a->setToolTip(caption);
        a->setStatusTip(caption);
        a->setEnabled(enabled);
        connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
            return a;
    };
    fileToolbar_ = new QToolBar(this);
    addButton(fileToolbar_, "Open reading", "Open", [] {}, false)->setObjectName("cmdOpen");
    addButton(fileToolbar_, "Open training materials", "Train", [] {}, false)->setObjectName("cmdTrain");
    addButton(fileToolbar_, "Select reading from calendar", "Cal", [] {}, false)->setObjectName("cmdCal");
    addButton(fileToolbar_, "Print", "Print", [this] { PrintReading(); });
    addButton(fileToolbar_, "Go to or hide section", "Go", [this] { ManageSections(); });

    playToolbar_ = new QToolBar(this);
    addButton(playToolbar_, "Play <F5>", "\u25B6", [this] { player_.PlaySection(); })
        ->setObjectName("cmdPlay");
    addButton(playToolbar_, "Play until end of verse", "\u25B6:", [this] { player_.PlayVerse(); })
        ->setObjectName("cmdPlayVerse");
    addButton(playToolbar_, "Play until end of trope group <F4>", "\u25B6\u2040",
              [this] { player_.PlayGroup(); })->setObjectName("cmdPlayTropeGroup");
    addButton(playToolbar_, "Play selected word", "\u25B81", [this] { player_.PlayWord(); })
        ->setObjectName("cmdPlayThis");
    addButton(playToolbar_, "Replay until stopped <F3>", "\u27F3",
              [this] { player_.ReplayUntilStopped(); })->setObjectName("cmdReplayUntilStopped");
    addButton(playToolbar_, "Stop <F2>", "\u25A0", [this] { player_.Stop(); })
        ->setObjectName("cmdStop");

    displayToolbar_ = new QToolBar(this);
    auto* modes = new QActionGroup(this);
    const char* captions[3] = {"Modern letters with vowels and trope",
                               "Stam letters -- no vowels or trope",
                               "Tikkun style--Modern and Stam letters in two columns"};
    const char* labels[3] = {"\u05D0\u05B8", "\u05D0", "\u05D0|\u05D0\u05B8"};
    for (int m = 0; m < 3; ++m) {
        viewModes_[m] = addButton(displayToolbar_, captions[m], labels[m], [this, m] { SetViewMode(m); });
        viewModes_[m]->setCheckable(true);
        modes->addAction(viewModes_[m]);
    }
    viewModes_[0]->setChecked(true);
    displayToolbar_->addSeparator();
    cmdShowTropeColors_ = addButton(displayToolbar_, "Display color codes for trope groups",
                                    "\u25A7", [this] {
                                        hview_->SetShowTropeGroups(cmdShowTropeColors_->isChecked());
                                    });
    cmdColorTropes_ = addButton(displayToolbar_, "Display color codes on trope symbols",
                                "\u25CC\u0591", [this] {
                                    hview_->SetShowTropeColors(cmdColorTropes_->isChecked());
                                });
    cmdShowUnderlines_ = addButton(displayToolbar_, "Show underlines on words with special melodies",
                                   "U\u0332", [this] {
                                       hview_->SetShowUnderlines(cmdShowUnderlines_->isChecked());
                                   });
    for (QAction* a : {cmdShowTropeColors_, cmdColorTropes_, cmdShowUnderlines_}) a->setCheckable(true);
}

void TTropePlayer::BuildTabs() {
    tabs_ = new QTabWidget(this);
    auto page = [this](const QString& caption) {
        auto* w = new QWidget;
        auto* layout = new QHBoxLayout(w);
        layout->setContentsMargins(6, 4, 6, 4);
        tabs_->addTab(w, caption);
        return layout;
    };
    QHBoxLayout* melody = page("Melody");
    lblNiggun_ = new QLabel("Niggun-song style (not pronunciation) ");
    melody->addWidget(lblNiggun_);
    cboNiggun_ = new QComboBox;
    cboNiggun_->setObjectName("cboNiggun");
    cboNiggun_->setMinimumWidth(160);
    melody->addWidget(cboNiggun_, 1);
    BuildMelodyChoice(*melody);
    cmdMelodyHelp_ = new QPushButton("Melody Help");
    melody->addWidget(cmdMelodyHelp_);
    connect(cmdMelodyHelp_, &QPushButton::clicked, this, [this] {
        if (cboNiggun_->currentIndex() < 0) return;
        ShowMelodyHelp(MelodyHelpText());
    });
    connect(cboNiggun_, &QComboBox::activated, this, [this](int index) {
        if (index < 0 || index >= static_cast<int>(styles_.size())) return;
        if (ReadingTypeIndex(reading_.type) >= 0) melodies_[reading_.type] = styles_[index];
        if (services_.chooseStyle) services_.chooseStyle(reading_.type, index);
        ResetSong();
        player_.MarkSongStale();
        hview_->setFocus();  // the keys go back to the text, never on to another melody
    });

    QHBoxLayout* pron = page("Pronunciation/Accent");
    cboPronunciation_ = new QComboBox;
    cboPronunciation_->setObjectName("cboPronunciation");
    for (std::string_view p : kPronunciations)
        cboPronunciation_->addItem(QString::fromUtf8(p.data(), static_cast<int>(p.size())));
    pron->addWidget(cboPronunciation_, 1);
    cboPhonemes_ = new QComboBox;
    cboPhonemes_->addItems({"American", "Western", "Eastern"});
    cboPhonemes_->hide();
    connect(cboPronunciation_, &QComboBox::currentIndexChanged, this, [this] {
        player_.MarkSongStale();
        hview_->update();
    });

    QHBoxLayout* pitch = page("Pitch");
    pitch->addWidget(new QLabel("Range"));
    cboVoice_ = new QComboBox;
    cboVoice_->setObjectName("cboVoice");
    for (const std::string& v : VoiceNames()) cboVoice_->addItem(QString::fromStdString(v));
    pitch->addWidget(cboVoice_);
    pitch->addWidget(new QLabel("Pitch"));
    sePitch_ = new QSpinBox;
    sePitch_->setObjectName("sePitch");
    sePitch_->setRange(-12, 12);
    sePitch_->setToolTip("Increase or decrease pitch by 1/2 tones");
    pitch->addWidget(sePitch_);

    QHBoxLayout* speed = page("Speed/Vol");
    speed->addWidget(new QLabel("Volume"));
    seVolume_ = new QSpinBox;
    seVolume_->setObjectName("seVolume");
    seVolume_->setRange(1, 10);
    seVolume_->setValue(5);
    speed->addWidget(seVolume_);
    speed->addWidget(new QLabel("Speed"));
    seSpeed_ = new QSpinBox;
    seSpeed_->setObjectName("seSpeed");
    seSpeed_->setRange(1, 15);
    seSpeed_->setValue(SpeedFromSetting(140));
    speed->addWidget(seSpeed_);

    // A change of any of these shapes the song: it is rebuilt before the next singing,
    // or at the next word while singing.
    connect(cboVoice_, &QComboBox::currentIndexChanged, this, [this] { player_.MarkSongStale(); });
    for (QSpinBox* box : {sePitch_, seVolume_, seSpeed_})
        connect(box, &QSpinBox::valueChanged, this, [this] { player_.MarkSongStale(); });
}

void TTropePlayer::SetMelodyStyles(const std::vector<std::string>& names, int chosen,
                                   const std::string& helpText) {
    styles_ = names;
    melodyHelp_ = QString::fromStdString(helpText);
    const QSignalBlocker block(cboNiggun_);
    cboNiggun_->clear();
    for (const std::string& n : names) cboNiggun_->addItem(QString::fromStdString(n));
    cboNiggun_->setCurrentIndex(chosen);
}

strucSongSettings TTropePlayer::SongSettings() const {
    // The file's settings (elisions, the legarmeh rule, the upbeat factor), with the
    // window's boxes over them.
    strucSongSettings s = ReadSongSettings(settings_);
    const int p = Pronunciation();
    if (p >= 0 && p < static_cast<int>(kPronunciations.size()))
        s.pronunciation = std::string(kPronunciations[p]);
    s.voice = Voice();
    s.pitch = Pitch();
    s.speed = Speed();
    s.volume = Volume();
    s.styles = melodies_;
    return s;
}

void TTropePlayer::SetViewMode(int mode) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (viewModes_[mode]) viewModes_[mode]->setChecked(true);
    if (menuViewModes_[mode]) menuViewModes_[mode]->setChecked(true);
    hview_->SetViewMode(mode);
    hview_->ShowWord(hview_->SelectedWord(), true);
    QApplication::restoreOverrideCursor();
}

int TTropePlayer::Pronunciation() const { return cboPronunciation_->currentIndex(); }
int TTropePlayer::Voice() const { return cboVoice_->currentIndex(); }
int TTropePlayer::Speed() const { return seSpeed_->value(); }
int TTropePlayer::Pitch() const { return sePitch_->value(); }
int TTropePlayer::Volume() const { return seVolume_->value(); }


void TTropePlayer::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    FirstActivation();
}

void TTropePlayer::FirstActivation() {
    if (activated_) return;
    activated_ = true;
    settings_.Load();
    for (const std::string& problem : settings_.Problems()) Message(problem);
    // Where the program is installed, for tools that look for it (kept in the settings file
    // where the platform without a registry has no other place for it).
    settings_.Set("Location", QCoreApplication::applicationFilePath().toStdString());
    hview_->SetMargin(settings_.Int("MarginWidth"));
    const auto colours = GroupColours(settings_);
    for (int g = 0; g < THebViewClass::kGroupCount; ++g) hview_->SetGroupColour(g, colours[g]);
    auto choose = [](QComboBox* box, int index) {
        box->setCurrentIndex(std::clamp(index, 0, box->count() - 1));
    };
    {
        // Reading the settings is not a change of the song's settings.
        const QSignalBlocker b1(cboPronunciation_), b2(cboVoice_), b3(sePitch_), b4(seVolume_),
            b5(seSpeed_);
        developer_ = settings_.Bool("Debug");
        seSpeed_->setRange(1, developer_ ? 25 : 15);
        choose(cboPronunciation_, settings_.Int("Pronunciation"));
        choose(cboPhonemes_, settings_.Int("PhonemeSet"));
        choose(cboVoice_, settings_.Int("Voice"));
        seSpeed_->setValue(SpeedFromSetting(settings_.Int("Speed")));
        sePitch_->setValue(settings_.Int("Pitch"));
        seVolume_->setValue(settings_.Int("Volume"));
    }
    hview_->SetShowExtendedTropeGroups(settings_.Bool("ShowExtendedTropeGroups"));
    cmdShowTropeColors_->setChecked(settings_.Bool("ShowTropeGroups"));
    cmdColorTropes_->setChecked(settings_.Bool("ColorTropes"));
    cmdShowUnderlines_->setChecked(settings_.Bool("ShowUnderlines"));
    hview_->SetShowTropeGroups(cmdShowTropeColors_->isChecked());
    hview_->SetShowTropeColors(cmdColorTropes_->isChecked());
    hview_->SetShowUnderlines(cmdShowUnderlines_->isChecked());
    for (QPushButton* b : developerButtons_) b->setVisible(developer_);
    player_.SetDeveloperControls(developer_);
    for (const char* type : kReadingTypes)
        if (std::string name = settings_.Text(type); !name.empty()) melodies_[type] = name;
    memory_ = TWindowMemory::Read(settings_);
    hview_->SetBaseFont(memory_.textSize);
    SetViewMode(memory_.viewMode);
    settingsApplied_ = true;
    ArrangeControls();
}

void TTropePlayer::SaveSettings() {
    if (!settingsApplied_) return;
    settings_.Set("UpbeatFactor", settings_.Text("UpbeatFactor"));
    if (Pronunciation() >= 0) settings_.Set("Pronunciation", std::to_string(Pronunciation()));
    settings_.Set("PhonemeSet", std::to_string(std::max(0, cboPhonemes_->currentIndex())));
    if (Voice() >= 0) settings_.Set("Voice", std::to_string(Voice()));
    settings_.Set("Speed", std::to_string(SpeedToSetting(Speed())));
    settings_.Set("Pitch", std::to_string(Pitch()));
    settings_.Set("Volume", std::to_string(Volume()));
    settings_.SetBool("ShowTropeGroups", cmdShowTropeColors_->isChecked());
    settings_.SetBool("ColorTropes", cmdColorTropes_->isChecked());
    settings_.SetBool("ShowUnderlines", cmdShowUnderlines_->isChecked());
    for (const auto& [type, name] : melodies_) settings_.Set(type, name);
    memory_.viewMode = hview_->ViewMode();
    memory_.geometry = saveGeometry().toHex().toStdString();
    if (readingOpen_) {
        memory_.readingKey = ReadingKey(reading_.title, reading_.wrapped, reading_.sections);
        memory_.word = hview_->SelectedWord();
    }
    memory_.Write(settings_);
    std::string error;
    if (!settings_.Save(&error)) Message(error);
}

void TTropePlayer::closeEvent(QCloseEvent* e) {
    player_.Stop();
    SaveSettings();
    e->accept();
}

void TTropePlayer::resizeEvent(QResizeEvent*) { ArrangeControls(); }

void TTropePlayer::ArrangeControls() {
    // The arrangement's pixel rules are for 96 pixels per inch; scale them to the screen.
    const double d = logicalDpiX() > 0 ? logicalDpiX() / 96.0 : 1.0;
    auto px = [d](int v) { return static_cast<int>(v * d + 0.5); };
    const int w = width(), h = height();
    const int row = std::max(menuToolbar_->sizeHint().height(), px(26));
    QToolBar* const bars[] = {menuToolbar_, fileToolbar_, playToolbar_, displayToolbar_};
    int widest = 0;
    for (QToolBar* bar : bars) widest = std::max(widest, bar->sizeHint().width());
    // The text takes what the controls leave: the toolbars run side by side in as few rows as
    // the width allows, and the option tabs sit beside them where there is room, else under them.
    const int tabsWidth = tabs_->sizeHint().width();
    const int tabsHeight = std::max(tabs_->sizeHint().height(), px(60));
    const bool tabsBeside = w - px(8) - tabsWidth >= widest;
    const int bandWidth = tabsBeside ? w - px(8) - tabsWidth : w;
    int x = 0, y = 0, bandRight = 0;
    for (QToolBar* bar : bars) {
        const int bw = std::min(bar->sizeHint().width(), bandWidth);
        if (x > 0 && x + bw > bandWidth) {
            x = 0;
            y += row;
        }
        bar->setGeometry(x, y, bw, row);
        x += bw;
        bandRight = std::max(bandRight, x);
    }
    const int bandBottom = y + row;
    int viewTop = 0;
    if (tabsBeside) {
        tabs_->setGeometry(bandRight, 0, w - bandRight - px(8), tabsHeight);
        viewTop = std::max(bandBottom, tabsHeight);
    } else {
        tabs_->setGeometry(0, bandBottom, w - px(8), tabsHeight);
        viewTop = bandBottom + tabsHeight;
    }
    // The developer's buttons, when shown, have a row of their own at the right.
    x = w - px(8);
    for (auto it = developerButtons_.rbegin(); it != developerButtons_.rend(); ++it) {
        if (!(*it)->isVisible()) continue;
        const int bw = (*it)->sizeHint().width();
        x -= bw;
        (*it)->setGeometry(x, viewTop, bw, row);
    }
    if (x < w - px(8)) viewTop += row;
    const int statusHeight = lblStatus_->text().isEmpty() ? 0 : lblStatus_->sizeHint().height() + px(2);
    lblStatus_->setGeometry(px(4), h - statusHeight, w - px(8), statusHeight);
    // The tip line and the note staff are lower in a low window, down to what still shows a
    // staff with its syllables.
    const int panelHeight = std::clamp(h / 6, px(kNotePanelLeast), px(kNotePanelHeight));
    const int tipsTop = h - statusHeight - panelHeight;
    lblTips_->setGeometry(px(4), tipsTop, w / 2 - px(4), panelHeight);
    songScroll_->setGeometry(w / 2, tipsTop, w / 2 - px(10), panelHeight);
    lblTranslation_->resize(w - px(10) - px(4), lblTranslation_->height());
    const int translationHeight = TranslationHeight();
    const int translationTop = tipsTop - translationHeight - px(4);
    lblTranslation_->setGeometry(px(4), translationTop, w - px(10) - px(4), translationHeight);
    const int available = translationTop - viewTop - px(5);
    const QRect area(0, viewTop + px(2), w - px(8), std::max(available, px(20)));
    hview_->setGeometry(viewArranger_ ? viewArranger_(area) : area);
}

bool TTropePlayer::eventFilter(QObject* watched, QEvent* event) {
    // The wheel over a box that was not chosen scrolls past it: a melody or a volume never
    // changes by a wheel meant for the text.
    if (event->type() == QEvent::Wheel && watched->isWidgetType() &&
        (qobject_cast<QComboBox*>(watched) || qobject_cast<QAbstractSpinBox*>(watched)) &&
        !static_cast<QWidget*>(watched)->hasFocus()) {
        event->ignore();
        return true;
    }
    // Every other window of the program fits the screen it is shown on.
    if (event->type() == QEvent::Show && watched != this && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow())
        FitIntoScreen(*static_cast<QWidget*>(watched));
    if (event->type() != QEvent::KeyPress || !isActiveWindow()) return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
        return false;
    switch (key->key()) {
    case Qt::Key_F5: player_.PlaySection(); return true;
    case Qt::Key_F4: player_.PlayGroup(); return true;
    case Qt::Key_F3: player_.ReplayUntilStopped(); return true;
    case Qt::Key_F2: player_.Stop(); return true;
    case Qt::Key_F9: Reload(); return true;
    case Qt::Key_F1: ShowHelp("contents"); return true;
    case Qt::Key_Space:
        if (!developer_) return false;
        player_.ToggleSpace();
        return true;
    default: return false;
    }
}

bool TTropePlayer::OpenReading(const TReadingRequest& request) {
    player_.Stop();
    if (services_.leaveTraining) services_.leaveTraining();
    reading_ = request;
    readingOpen_ = false;
    hview_->Clear();
    hview_->SetRToLWrapping(true);
    hview_->SetPreWrapped(request.wrapped || settings_.Bool("ForceWrapping"));
    if (!keepSectionLines_) sectionLines_ = SectionLines(request.sections);
    std::string error;
    const bool ok = services_.loadReading ? services_.loadReading(request, hview_->Table(), error)
                                          : (error = "No reading loader is available.", false);
    if (!ok) {
        hview_->Clear();
        exportAudio_->setEnabled(false);
        Message(error);
        return false;
    }
    readingOpen_ = true;
    exportAudio_->setEnabled(true);
    setWindowTitle(QString::fromStdString(request.title.empty() ? std::string(kTitle)
                                                                 : request.title + " - " + kTitle));
    hview_->Layout();
    int first = 0;
    while (first < hview_->WordCount() && !hview_->Table().IsHebrewWord(first)) ++first;
    // The word the student had selected in this reading last time, when it is one.
    const std::string key = ReadingKey(request.title, request.wrapped, request.sections);
    if (memory_.word >= 0 && memory_.readingKey == key && memory_.word < hview_->WordCount() &&
        hview_->Table().IsHebrewWord(memory_.word))
        first = memory_.word;
    memory_.word = -1;  // only once
    hview_->ShowWord(first < hview_->WordCount() ? first : 0, true);
    ShowCurrentWord();
    hview_->setFocus();
    return true;
}

void TTropePlayer::ShowTrainingText(const std::string& caption, const std::string& type,
                                    const std::string& typeAux) {
    readingOpen_ = false;
    reading_ = TReadingRequest{};
    reading_.type = type;
    reading_.typeAux = typeAux;
    sectionLines_.clear();
    exportAudio_->setEnabled(hview_->WordCount() > 0);
    setWindowTitle(QString::fromStdString(caption));
    ArrangeControls();
    hview_->Layout();
    int first = 0;
    while (first < hview_->WordCount() && !(hview_->Table().IsSung(first) && hview_->Table().OwnLetters(first)))
        ++first;
    // The page is read from its top; the word only takes the selection.
    hview_->ShowWord(first < hview_->WordCount() ? first : 0, false);
    ShowCurrentWord();
}

void TTropePlayer::Reload() {
    // In training the option is opened again (its files and the melodies read anew).
    if (services_.reloadTraining && services_.reloadTraining()) return;
    if (!readingOpen_) return;
    // Edited melody files take effect: the definitions are read again, the same word stays.
    if (services_.reloadDefinitions) services_.reloadDefinitions();
    memory_.readingKey = ReadingKey(reading_.title, reading_.wrapped, reading_.sections);
    memory_.word = hview_->SelectedWord();
    OpenReading(TReadingRequest(reading_));
}

void TTropePlayer::ShowHelp(const QString& context) {
    ShowHelpAt(*this, dataDir_, context.toStdString(), services_.tropeTune);
}

void TTropePlayer::PlayOrStop() {
    if (textRunning_) player_.Stop();
    else player_.PlaySection();
}

void TTropePlayer::Zoom(int change) {
    memory_.textSize = change == 0 ? TWindowMemory::kDefaultTextSize
                                   : std::clamp(memory_.textSize + change, TWindowMemory::kMinTextSize,
                                                TWindowMemory::kMaxTextSize);
    hview_->SetBaseFont(memory_.textSize);
    hview_->ShowWord(hview_->SelectedWord(), true);
}

void TTropePlayer::ShowStatus(const QString& text) {
    lblStatus_->setText(text);
    ArrangeControls();
}

QString TTropePlayer::StatusText() const { return lblStatus_->text(); }

bool TTropePlayer::RestoreGeometry() {
    settings_.Load();
    const std::string hex = TWindowMemory::Read(settings_).geometry;
    return !hex.empty() && restoreGeometry(QByteArray::fromHex(QByteArray::fromStdString(hex)));
}

void TTropePlayer::ReportNoSoundDevice() {
    ShowStatus("No sound device was found: the singing cannot be heard. "
               "<a href=\"export\">Export audio...</a> writes it to a wave file instead.");
}

void TTropePlayer::RememberStyle(const std::string& type, const std::string& name) {
    // The style chosen for the student is kept, so that the choice is asked about once.
    if (ReadingTypeIndex(type) >= 0 && !name.empty()) melodies_.emplace(type, name);
}

void TTropePlayer::DumpSelText() {
    // The texts from the last word of the selected word's trope group back to the word.
    const TWordTable& t = hview_->Table();
    const int s = hview_->SelectedWord();
    if (s < 0 || s >= t.WordCount()) return;
    int last = s;
    while (last + 1 < t.WordCount() && t.TropeGroupOf(last + 1) == t.TropeGroupOf(s)) ++last;
    std::string text;
    for (int i = last; i >= s; --i) text += t.ItemText(i);
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

void TTropePlayer::ExportAudio() {
    if (!services_.exportAudio) {
        QMessageBox::information(this, kTitle, "Audio export is not available.");
        return;
    }
    const QString file = QFileDialog::getSaveFileName(this, "Export audio", "reading.wav",
                                                      "Wave files (*.wav)");
    if (file.isEmpty()) return;
    QProgressDialog progress("Writing the sung reading...", QString(), 0, 100, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    std::string error;
    const bool ok = services_.exportAudio(file.toStdString(), [&](double f) {
        progress.setValue(static_cast<int>(f * 100));
        QCoreApplication::processEvents();
    }, error);
    progress.setValue(100);
    if (!ok) Message(error);
    else ShowStatus("The sung reading was written to " + file.toHtmlEscaped() + ".");
}

void TTropePlayer::OnIndexNotification(int word) { player_.OnIndex(word); }
void TTropePlayer::OnEndNotification(int code) {
    // A replay loop submits its text again from here and so runs on.
    if (code == kEndOfText) textRunning_ = false;
    player_.OnEnd(code);
}

int TTropePlayer::WordCount() const { return hview_->WordCount(); }
int TTropePlayer::SelectedWord() const { return hview_->SelectedWord(); }
bool TTropePlayer::IsHebrewWord(int i) const { return hview_->Table().IsHebrewWord(i); }
bool TTropePlayer::IsSung(int i) const { return hview_->Table().IsSung(i); }
int TTropePlayer::IndexedItemOf(int i) const {
    const HxWord* w = hview_->Table().Item(i);
    return w && w->pairFirst >= 0 ? w->pairFirst : i;
}

void TTropePlayer::ShowWord(int i, bool scroll) { hview_->ShowWord(i, scroll); }

void TTropePlayer::SingRange(int kind) {
    textRunning_ = static_cast<bool>(services_.singRange);
    if (services_.singRange) services_.singRange(kind, player_);
}

void TTropePlayer::ResetSynthesizer() {
    textRunning_ = false;
    if (services_.resetSynthesizer) services_.resetSynthesizer();
}

void TTropePlayer::ResetSong() {
    if (hview_->WordCount() == 0) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (services_.resetSong) services_.resetSong(SongSettings());
    player_.SongRebuilt();
    ShowCurrentWord();
    QApplication::restoreOverrideCursor();
}

void TTropePlayer::ShowCurrentWord() {
    const TWordTable& t = hview_->Table();
    const int s = hview_->SelectedWord();
    const LetterList letters = t.SungLetters(s);
    lblTips_->setText(QString::fromStdString(TipText(letters)));
    pnlSong_->ShowWord(letters);
    const LetterList* own = t.OwnLetters(s);
    const int line = own && !own->empty() ? own->front().translation : 0;
    lblTranslation_->setText(line > 0 && services_.translationLine
                                 ? QString::fromStdString(services_.translationLine(line))
                                 : QString());
    lblTranslation_->setToolTip(lblTranslation_->text());
    // A long verse wraps; the line grows when it needs more room than it has.
    if (TranslationHeight() != lblTranslation_->height()) ArrangeControls();
}

int TTropePlayer::TranslationHeight() const {
    // Two lines at least, so that the text does not jump at every verse; four at most, and
    // in a low window the whole lines that fit into a ninth of it, so that the text keeps
    // the room (the whole verse is then in the line's tip).
    const int line = lblTranslation_->fontMetrics().lineSpacing();
    const int wanted = lblTranslation_->heightForWidth(lblTranslation_->width());
    const int most = std::clamp(height() / 9 / std::max(line, 1), 2, 4) * line + 2;
    return std::clamp(wanted, 2 * line + 2, most);
}

void TTropePlayer::ProcessPendingEvents() { QCoreApplication::processEvents(); }

}  // namespace lyrasta::ui
