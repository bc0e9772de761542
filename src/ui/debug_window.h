#pragma once
// The debug window: a log of every command piece handed to the synthesizer, and a box of
// command text that "Speak" hands to it (into the wave file of the settings when one is
// set), for checking what the singer is told. Shown after a reading is loaded when the
// DebugWindow setting is on.

#include <QWidget>

#include <functional>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace lyrasta::ui {

class TfrmDebug : public QWidget {
    Q_OBJECT
public:
    explicit TfrmDebug(std::function<void(const std::string&)> speak, QWidget* parent = nullptr);
    void Log(const std::string& line);
    QPlainTextEdit& Memo1() { return *memo1_; }
    QPlainTextEdit& Memo2() { return *memo2_; }
    QPushButton& SpeakButton() { return *speakButton_; }

private:
    QPlainTextEdit* memo1_;
    QPlainTextEdit* memo2_;
    QPushButton* speakButton_;
};

}  // namespace lyrasta::ui
