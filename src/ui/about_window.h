#pragma once
// The splash and about window, and the acknowledgements. At start the window shows for a
// few seconds without its Close button; from Help > About it stays until closed. Both
// show the program's version from the build. The acknowledgements list every source the
// program ships, with its licence, from the data folder's "acknowledgements.txt".

#include <QDialog>

#include <filesystem>
#include <string>
#include <vector>

class QPushButton;
class QTimer;

namespace lyrasta::ui {

class TfrmSplash : public QDialog {
    Q_OBJECT
public:
    static constexpr int kSplashMs = 4000;

    explicit TfrmSplash(QWidget* parent = nullptr);
    // At start: the timer closes the window; no Close button.
    void ShowAsSplash();
    // From Help > About: modal, with the Close button, until closed.
    void ShowAsAbout();
    QString VersionText() const;
    bool TimerRunning() const;

private:
    QPushButton* cmdClose_;
    QTimer* timer_;
};

// The program's version as the build gives it.
QString ProgramVersion();

// The lines of an acknowledgements text: blank lines and "#" comments left out.
std::vector<std::string> AcknowledgementLines(const std::string& text);
// Shows the acknowledgements of the data folder in a box titled "Thank you".
void ShowAcknowledgements(QWidget* parent, const std::filesystem::path& dataDir);

}  // namespace lyrasta::ui
