#pragma once
// The greeting of a new student: on the very first start, a short word over the window
// on what the program does and where to begin, offering the tutorial and the open-reading
// dialog. It is shown once (the settings key "Greeted" remembers it), never modal: the
// reading opened at start is drawn and can be used while it is up.

#include <QDialog>

namespace lyrasta {
class TSettingsStore;
}

namespace lyrasta::ui {

class TTropePlayer;

class TfrmGreeting : public QDialog {
    Q_OBJECT
public:
    // The buttons run the window's "Open tutorial" and "Open reading" and close the greeting.
    explicit TfrmGreeting(TTropePlayer& window);
};

// True for a student who has never been greeted and has never opened a reading (one who
// used the program before greetings came is not greeted). Asked before anything is opened.
bool IsNewStudent(const TSettingsStore& settings);

// Shows the greeting over the window and notes in the settings that the student was
// greeted; the greeting is the window's and goes with it.
TfrmGreeting* GreetNewStudent(TTropePlayer& window, TSettingsStore& settings);

}  // namespace lyrasta::ui
