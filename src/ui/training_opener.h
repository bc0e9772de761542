#pragma once
// Training in the main window: "Open tutorial" and the toolbar's Train button show the
// training dialog; the option chosen is opened by the training model into the text view,
// with the lesson pane at the left (its width dragged with the splitter), the lesson
// navigator (Previous, Next) below it, and under the view the exercise controls (Play,
// Next exercise) or the phrase drill's buttons (Sing phrase, Next phrase).

#include <QObject>

#include <functional>
#include <string>

#include "player/reading_session.h"
#include "player/settings_store.h"
#include "training/training_session.h"

class QGroupBox;
class QPushButton;
class QWidget;

namespace lyrasta::ui {

class TLessonPane;
class TTropePlayer;
class TfrmTrainingOpts;

class TTrainingOpener : public QObject {
    Q_OBJECT
public:
    // `showStyles` fills the window's melody box for the option's melody types once it is
    // loaded; `message` shows what could not be read.
    TTrainingOpener(TTropePlayer& window, TReadingSession& session, TTraining& training, TSettingsStore& settings,
                    std::function<void(const std::string& type, const std::string& typeAux)> showStyles,
                    std::function<void(const std::string& caption, const std::string& text)> message);
    ~TTrainingOpener() override;

    // The training dialog, at the option shown last; OK opens the chosen option.
    void ShowDialog();
    // The dialog filled and shown (not run), for a screenshot.
    QWidget& Dialog();
    // Opens an option by its names "SELECTION/OPTION"; false with a message when there is none.
    bool OpenNamed(const std::string& path);
    // Opens the current option again (a reload, a new melody).
    void OpenCurrent();

    // The navigator and the exercise controls.
    void LessonNext();
    void LessonPrev();
    void NextExercise();
    void ShowAnswer();
    void NextPhrase();
    void SingPhrase();

private:
    QRect Arrange(const QRect& area);
    void Leave();
    void ShowExercise();

    TTropePlayer& window_;
    TReadingSession& session_;
    TTraining& training_;
    TSettingsStore& settings_;
    std::function<void(const std::string&, const std::string&)> showStyles_;
    std::function<void(const std::string&, const std::string&)> message_;
    TTrainingView view_;
    int paneWidth_ = -1;  // dragged by the splitter; -1: the option's percentage
    TfrmTrainingOpts* dialog_ = nullptr;

    TLessonPane* reText_ = nullptr;
    QWidget* pnlSplitter_ = nullptr;
    QGroupBox* navigator_ = nullptr;
    QPushButton* cmdPrevious_ = nullptr;
    QPushButton* cmdNext_ = nullptr;
    QGroupBox* exercise_ = nullptr;
    QPushButton* cmdPlay_ = nullptr;
    QPushButton* cmdNextExercise_ = nullptr;
    QPushButton* cmdSingPhrase_ = nullptr;
    QPushButton* cmdNextPhrase_ = nullptr;
};

}  // namespace lyrasta::ui
