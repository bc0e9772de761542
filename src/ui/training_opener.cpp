#include "training_opener.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QRubberBand>

#include <memory>

#include "ui/heb_view.h"
#include "ui/lesson_pane.h"
#include "ui/training_dialog.h"
#include "ui/trope_player.h"

namespace lyrasta::ui {
namespace {

constexpr int kSplitterWidth = 6;

// The bar between the lesson pane and the view. While it is dragged a shadow bar shows where
// the pane's edge will go (as far as `allowed` lets it); the pane and the view move there once,
// when the button is let go, instead of being laid out again at every step of the mouse.
class TSplitter : public QWidget {
public:
    TSplitter(QWidget* parent, std::function<int(int dx)> allowed, std::function<void(int dx)> moved)
        : QWidget(parent), allowed_(std::move(allowed)), moved_(std::move(moved)) {
        setObjectName("pnlSplitter");
        setCursor(Qt::SplitHCursor);
        setAutoFillBackground(true);
        setBackgroundRole(QPalette::Mid);
    }

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) return;
        start_ = e->globalPosition().x();
        shadow_ = std::make_unique<QRubberBand>(QRubberBand::Line, parentWidget());
        shadow_->setObjectName("splitterShadow");
        shadow_->setGeometry(geometry());
        shadow_->show();
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (shadow_) shadow_->move(x() + allowed_(Dx(e)), y());
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (!shadow_ || e->button() != Qt::LeftButton) return;
        shadow_.reset();
        moved_(allowed_(Dx(e)));
    }

private:
    int Dx(const QMouseEvent* e) const { return static_cast<int>(e->globalPosition().x() - start_); }

    std::function<int(int)> allowed_;
    std::function<void(int)> moved_;
    std::unique_ptr<QRubberBand> shadow_;
    double start_ = 0;
};

QPushButton* Button(QGroupBox* box, const QString& caption, const char* name) {
    auto* b = new QPushButton(caption, box);
    b->setObjectName(name);
    box->layout()->addWidget(b);
    return b;
}

}  // namespace

TTrainingOpener::TTrainingOpener(TTropePlayer& window, TReadingSession& session, TTraining& training,
                                 TSettingsStore& settings,
                                 std::function<void(const std::string&, const std::string&)> showStyles,
                                 std::function<void(const std::string&, const std::string&)> message)
    : QObject(&window), window_(window), session_(session), training_(training), settings_(settings),
      showStyles_(std::move(showStyles)), message_(std::move(message)) {
    reText_ = new TLessonPane(&window_);
    // The pane keeps between a quarter and nine tenths of the window.
    const auto allowed = [this](int dx) {
        const int w = window_.width();
        return std::clamp(reText_->width() + dx, w / 4, w * 9 / 10) - reText_->width();
    };
    pnlSplitter_ = new TSplitter(&window_, allowed, [this](int dx) {
        paneWidth_ = reText_->width() + dx;
        window_.ArrangeControls();
        window_.HView().Layout();
    });
    navigator_ = new QGroupBox("Lesson navigator", &window_);
    navigator_->setObjectName("grpNavigator");
    navigator_->setLayout(new QHBoxLayout);
    cmdPrevious_ = Button(navigator_, "<- &Previous", "cmdPrevious");
    cmdNext_ = Button(navigator_, "&Next ->", "cmdNext");
    exercise_ = new QGroupBox("Exercise controls", &window_);
    exercise_->setObjectName("grpExercise");
    exercise_->setLayout(new QHBoxLayout);
    cmdPlay_ = Button(exercise_, "Play", "cmdPlayAnswer");
    cmdNextExercise_ = Button(exercise_, "Next exercise", "cmdNextExercise");
    cmdSingPhrase_ = Button(exercise_, "&Sing phrase", "cmdSingPhrase");
    cmdNextPhrase_ = Button(exercise_, "&Next phrase->", "cmdNextPhrase");
    connect(cmdPrevious_, &QPushButton::clicked, this, [this] { LessonPrev(); });
    connect(cmdNext_, &QPushButton::clicked, this, [this] { LessonNext(); });
    connect(cmdPlay_, &QPushButton::clicked, this, [this] { ShowAnswer(); });
    connect(cmdNextExercise_, &QPushButton::clicked, this, [this] { NextExercise(); });
    connect(cmdSingPhrase_, &QPushButton::clicked, this, [this] { SingPhrase(); });
    connect(cmdNextPhrase_, &QPushButton::clicked, this, [this] { NextPhrase(); });
    Leave();

    for (const char* name : {"mnuOpenTutorial", "cmdTrain"})
        if (QAction* a = window_.findChild<QAction*>(name)) {
            a->setEnabled(training_.Root() != nullptr);
            connect(a, &QAction::triggered, this, [this] { ShowDialog(); });
        }
    window_.SetViewArranger([this](const QRect& area) { return Arrange(area); });
    TPlayerServices& s = window_.Services();
    s.leaveTraining = [this] { Leave(); };
    s.reloadTraining = [this] {
        if (!training_.IsOpen()) return false;
        session_.ReloadDefinitions();
        OpenCurrent();
        return true;
    };
}

TTrainingOpener::~TTrainingOpener() = default;

QWidget& TTrainingOpener::Dialog() {
    if (!dialog_) dialog_ = new TfrmTrainingOpts(training_.Root(), &window_);
    dialog_->Select(training_.SelectionIndex(), training_.OptionIndex());
    dialog_->show();
    return *dialog_;
}

void TTrainingOpener::ShowDialog() {
    Dialog();
    if (dialog_->exec() != QDialog::Accepted) return;
    if (training_.Choose(dialog_->SelectionIndex(), dialog_->OptionIndex())) OpenCurrent();
}

bool TTrainingOpener::OpenNamed(const std::string& path) {
    if (!training_.Choose(path)) {
        message_("Lyrasta", "The training material has no option \"" + path +
                                "\" (give it as SELECTION/OPTION, as lyrasta-cli training lists them).");
        return false;
    }
    OpenCurrent();
    return true;
}

void TTrainingOpener::OpenCurrent() {
    window_.Player().Stop();
    THebViewClass& view = window_.HView();
    view.Clear();
    view_ = training_.Open(session_, view.Table(), window_.SongSettings(), settings_.Bool("ForceWrapping"),
                           settings_.Int("ForceFontSize"));
    view.SetRToLWrapping(view_.rtlWrapping);
    view.SetPreWrapped(view_.preWrapped);
    view.SetBaseFont(view_.textSize > 0 ? view_.textSize : window_.TextSize());
    paneWidth_ = -1;
    reText_->ShowNotes(view_.lessonNotes);
    const bool pane = view_.lessonWindow > 0;
    reText_->setVisible(pane);
    pnlSplitter_->setVisible(pane);
    // A tutorial's pages and the options around it are reached with the navigator.
    navigator_->setVisible(pane || view_.kind == TTrainingKind::Tutorial);
    cmdPrevious_->setEnabled(view_.previousEnabled);
    cmdNext_->setEnabled(view_.nextEnabled);
    exercise_->setVisible(view_.exerciseControls || view_.phraseButtons);
    cmdPlay_->setVisible(view_.exerciseControls);
    cmdNextExercise_->setVisible(view_.exerciseControls && view_.nextExercise);
    cmdSingPhrase_->setVisible(view_.phraseButtons);
    cmdNextPhrase_->setVisible(view_.phraseButtons);
    if (showStyles_) showStyles_(view_.type, view_.typeAux);
    window_.ShowTrainingText(view_.caption, view_.type, view_.typeAux);
    if (!view_.problems.empty()) {
        std::string text;
        for (const std::string& p : view_.problems) text += (text.empty() ? "" : "\n") + p;
        message_("Lyrasta", text);
    }
}

void TTrainingOpener::Leave() {
    training_.Close();
    window_.HView().SetBaseFont(window_.TextSize());
    for (QWidget* w : std::initializer_list<QWidget*>{reText_, pnlSplitter_, navigator_, exercise_}) w->hide();
    window_.ArrangeControls();  // the view takes the whole width again
}

QRect TTrainingOpener::Arrange(const QRect& area) {
    if (!training_.IsOpen()) return area;
    const int navHeight = navigator_->isVisible() ? navigator_->sizeHint().height() : 0;
    const int rowHeight = exercise_->isVisible() ? exercise_->sizeHint().height() : 0;
    QRect viewArea = area;
    if (reText_->isVisible()) {
        const int wanted = paneWidth_ >= 0 ? paneWidth_ : (area.width() * view_.lessonWindow) / 100 - kSplitterWidth;
        const int pane = std::clamp(wanted, 10, std::max(10, area.width() - kSplitterWidth - 20));
        reText_->setGeometry(area.x(), area.y(), pane, area.height() - navHeight);
        navigator_->setGeometry(area.x(), area.bottom() + 1 - navHeight, pane, navHeight);
        pnlSplitter_->setGeometry(area.x() + pane, area.y(), kSplitterWidth, area.height());
        viewArea.setLeft(area.x() + pane + kSplitterWidth);
    } else if (navigator_->isVisible()) {
        // A tutorial: the navigator under the view, at its right.
        const int w = std::min(area.width(), navigator_->sizeHint().width() + 40);
        navigator_->setGeometry(area.right() + 1 - w, area.bottom() + 1 - navHeight, w, navHeight);
        viewArea.setBottom(area.bottom() - navHeight);
    }
    if (rowHeight > 0) {
        exercise_->setGeometry(viewArea.x(), viewArea.bottom() + 1 - rowHeight, viewArea.width(), rowHeight);
        viewArea.setBottom(viewArea.bottom() - rowHeight);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{reText_, pnlSplitter_, navigator_, exercise_}) w->raise();
    return viewArea;
}

void TTrainingOpener::LessonNext() {
    window_.Player().Stop();
    if (training_.LessonNext()) OpenCurrent();
}

void TTrainingOpener::LessonPrev() {
    window_.Player().Stop();
    if (training_.LessonPrev()) OpenCurrent();
}

void TTrainingOpener::ShowExercise() {
    THebViewClass& view = window_.HView();
    view.Layout();
    view.ShowWord(FirstSungWord(view.Table()), true);
}

void TTrainingOpener::NextExercise() {
    window_.Player().Stop();
    window_.HView().Clear();
    training_.NextExercise(session_, window_.HView().Table(), window_.SongSettings());
    ShowExercise();
}

void TTrainingOpener::ShowAnswer() {
    window_.Player().Stop();
    if (training_.TwoLine()) {
        window_.HView().Clear();
        training_.ShowAnswer(session_, window_.HView().Table(), window_.SongSettings());
        ShowExercise();
    }
    window_.Player().PlaySection();
}

void TTrainingOpener::NextPhrase() {
    window_.Player().Stop();
    window_.HView().Clear();
    training_.NextPhrase(session_, window_.HView().Table(), window_.SongSettings());
    ShowExercise();
}

void TTrainingOpener::SingPhrase() { window_.Player().PlayGroup(); }

}  // namespace lyrasta::ui
