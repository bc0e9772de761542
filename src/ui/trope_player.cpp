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
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cctype>

#include "chant/melody_styles.h"
#include "chant/phoneme_set.h"
#include "player/voices.h"
#include "ui/heb_view.h"
#include "ui/mark_colours.h"
#include "ui/note_display.h"

namespace lyrasta::ui {

namespace {

// Pixel rules of the window's arrangement, at 96 pixels per inch.
constexpr int kToolbarBandWidth = 346;
constexpr int kWideWindow = 634;
constexpr int kTabsTopWhenNarrow = 160;
constexpr int kTranslationAboveTips = 34;
constexpr int kNotePanelHeight = 110;

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
    lblTips_ = new QLabel(this);
    lblTips_->setObjectName("lblTips");
    lblTips_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTips_->setWordWrap(true);
    pnlSong_ = new TNoteDisplay(this);
    pnlSong_->setObjectName("pnlSong");
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
    const std::pair<const char*, const char*> commands[] = {
        {"&Open reading", "mnuOpenReading"}, {"Open &tutorial", "mnuOpenTutorial"},
        {"Open &calendar", "mnuOpenCalendar"}, {"&Print", "mnuPrint"}, {"&Jump", "mnuJump"},
        {"C&ustomize", "mnuCustomize"}};
    for (const auto& [caption, name] : commands) AddAction(file, caption, [] {}, false)->setObjectName(name);
    AddAction(file, "Export audio...", [this] { ExportAudio(); });
    file->addSeparator();
    AddAction(file, "E&xit", [this] { close(); });

    QMenu* play = addMenu("&Play");
    AddAction(play, "Rest of &section <F5>", [this] { player_.PlaySection(); });
    AddAction(play, "Rest of &verse", [this] { player_.PlayVerse(); });
    AddAction(play, "&Trope group", [this] { player_.PlayGroup(); });
    AddAction(play, "&Word", [this] { player_.PlayWord(); });
    AddAction(play, "&Stop <F2>", [this] { player_.Stop(); });

    QMenu* view = addMenu("&View");
    const char* modes[3] = {"&Modern letters with vowels", "&Stam letters", "&Both"};
    for (int m = 0; m < 3; ++m) AddAction(view, modes[m], [this, m] { SetViewMode(m); });

    QMenu* help = addMenu("&Help");
    AddAction(help, "&Contents", [] {}, false);
    AddAction(help, "Acknowledgements", [this] {
        QMessageBox::information(this, "Thank you",
                                 "SIL International, for the Ezra SIL font\n"
                                 "The Culmus project, for the Stam Ashkenaz CLM font\n"
                                 "The translators of the World English Bible\n"
                                 "The keepers of the Westminster Leningrad Codex text\n"
                                 "Hebcal (@hebcal/leyning, @hebcal/triennial; BSD-2-Clause), for the "
                                 "references of the weekly, holiday and triennial readings");
    });
    AddAction(help, "&About", [this] {
        QMessageBox::about(this, "About Lyrasta",
                           "Lyrasta\nA trainer for chanting the Hebrew Bible with its "
                           "cantillation marks.");
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
    addButton(fileToolbar_, "Open training materials", "Train", [] {}, false);
    addButton(fileToolbar_, "Select reading from calendar", "Cal", [] {}, false)->setObjectName("cmdCal");
    addButton(fileToolbar_, "Print", "Print", [] {}, false);
    addButton(fileToolbar_, "Go to or hide section", "Go", [] {}, false);

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
    melody->addWidget(new QLabel("Niggun-song style (not pronunciation) "));
    cboNiggun_ = new QComboBox;
    cboNiggun_->setObjectName("cboNiggun");
    cboNiggun_->setMinimumWidth(160);
    melody->addWidget(cboNiggun_, 1);
    cmdMelodyHelp_ = new QPushButton("Melody Help");
    melody->addWidget(cmdMelodyHelp_);
    connect(cmdMelodyHelp_, &QPushButton::clicked, this, [this] {
        if (cboNiggun_->currentIndex() < 0) return;
        QMessageBox box(this);
        box.setWindowTitle("Melody Help");
        box.setText(MelodyHelpText());
        box.exec();
    });
    connect(cboNiggun_, &QComboBox::activated, this, [this](int index) {
        if (index < 0 || index >= static_cast<int>(styles_.size())) return;
        if (ReadingTypeIndex(reading_.type) >= 0) melodies_[reading_.type] = styles_[index];
        if (services_.chooseStyle) services_.chooseStyle(reading_.type, index);
        ResetSong();
        player_.MarkSongStale();
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
    int y = 0;
    for (QToolBar* bar : {menuToolbar_, fileToolbar_, playToolbar_, displayToolbar_}) {
        bar->setGeometry(0, y, px(kToolbarBandWidth), row);
        y += row;
    }
    const int bandBottom = y;
    const int tabsHeight = std::max(tabs_->sizeHint().height(), px(60));
    int viewTop = 0;
    if (w > px(kWideWindow)) {
        tabs_->setGeometry(px(kToolbarBandWidth), 0, w - px(kToolbarBandWidth) - px(8), tabsHeight);
        viewTop = std::max(bandBottom, tabsHeight);
    } else {
        const int tabsTop = std::max(px(kTabsTopWhenNarrow), bandBottom);
        tabs_->setGeometry(0, tabsTop, w - px(8), tabsHeight);
        viewTop = tabsTop + tabsHeight;
    }
    int x = w - px(8);
    for (auto it = developerButtons_.rbegin(); it != developerButtons_.rend(); ++it) {
        if (!(*it)->isVisible()) continue;
        const int bw = (*it)->sizeHint().width();
        x -= bw;
        (*it)->setGeometry(x, bandBottom - row, bw, row);
    }
    const int tipsTop = h - px(kNotePanelHeight);
    lblTips_->setGeometry(px(4), tipsTop, w / 2 - px(4), px(kNotePanelHeight));
    pnlSong_->setGeometry(w / 2, tipsTop, w / 2 - px(10), px(kNotePanelHeight));
    const int translationTop = tipsTop - px(kTranslationAboveTips);
    lblTranslation_->setGeometry(px(4), translationTop, w - px(10) - px(4), px(kTranslationAboveTips - 4));
    const int available = translationTop - viewTop - px(5);
    hview_->setGeometry(0, viewTop + px(2), w - px(8), std::max(available, px(20)));
}

bool TTropePlayer::eventFilter(QObject* watched, QEvent* event) {
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
    case Qt::Key_Space:
        if (!developer_) return false;
        player_.ToggleSpace();
        return true;
    default: return false;
    }
}

bool TTropePlayer::OpenReading(const TReadingRequest& request) {
    player_.Stop();
    reading_ = request;
    readingOpen_ = false;
    hview_->Clear();
    hview_->SetRToLWrapping(true);
    hview_->SetPreWrapped(request.wrapped || settings_.Bool("ForceWrapping"));
    std::string error;
    const bool ok = services_.loadReading ? services_.loadReading(request, hview_->Table(), error)
                                          : (error = "No reading loader is available.", false);
    if (!ok) {
        hview_->Clear();
        Message(error);
        return false;
    }
    readingOpen_ = true;
    setWindowTitle(QString::fromStdString(request.title.empty() ? std::string(kTitle)
                                                                 : request.title + " - " + kTitle));
    hview_->Layout();
    int first = 0;
    while (first < hview_->WordCount() && !hview_->Table().IsHebrewWord(first)) ++first;
    hview_->ShowWord(first < hview_->WordCount() ? first : 0, true);
    ShowCurrentWord();
    return true;
}

void TTropePlayer::Reload() {
    // Edited melody files take effect: the definitions are read again, the same word stays.
    if (services_.reloadDefinitions) services_.reloadDefinitions();
    const int selected = hview_->SelectedWord();
    if (readingOpen_ && OpenReading(TReadingRequest(reading_)) && selected >= 0 && selected < hview_->WordCount()) {
        hview_->ShowWord(selected, true);
        ShowCurrentWord();
    }
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
}

void TTropePlayer::OnIndexNotification(int word) { player_.OnIndex(word); }
void TTropePlayer::OnEndNotification(int code) { player_.OnEnd(code); }

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
    if (services_.singRange) services_.singRange(kind, player_);
}

void TTropePlayer::ResetSynthesizer() {
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
    std::string tips;
    for (const strucHebChar& c : letters) tips += c.comment + " ";
    lblTips_->setText(QString::fromStdString(tips));
    pnlSong_->ShowWord(letters);
    const LetterList* own = t.OwnLetters(s);
    const int line = own && !own->empty() ? own->front().translation : 0;
    lblTranslation_->setText(line > 0 && services_.translationLine
                                 ? QString::fromStdString(services_.translationLine(line))
                                 : QString());
}

void TTropePlayer::ProcessPendingEvents() { QCoreApplication::processEvents(); }

}  // namespace lyrasta::ui
