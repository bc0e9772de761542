#pragma once
// The user guide: HTML pages in the data folder's "help" folder, shown in a browser window
// inside the program. Each dialog's Help button opens the guide at its own place (a help
// context: a page and a place on it).

#include <QDialog>
#include <QTextBrowser>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "player/note_staff.h"

namespace lyrasta::ui {

struct THelpContext {
    const char* name;  // "contents", "customize", ...
    const char* page;  // "index.html", "settings.html#customize", ...
};
// Every help context the program opens.
const std::vector<THelpContext>& HelpContexts();
// The page of a context ("index.html" for an unknown one).
std::string HelpPage(const std::string& context);

// The staff of a trope's tune in the melody style in use ("ETNACHTA"); empty for none.
using TTuneSource = std::function<std::vector<TStaffSymbol>(const std::string& trope)>;

// The guide's browser: a picture "tune:NAME" of a page is the trope's tune on a staff.
class THelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;
    TTuneSource tunes;
    QVariant loadResource(int type, const QUrl& name) override;
};

class THelpWindow : public QDialog {
    Q_OBJECT
public:
    THelpWindow(std::filesystem::path helpDir, QWidget* parent = nullptr);
    // Where the trope chart's tunes come from (the window's melody style).
    void SetTuneSource(TTuneSource tunes) { browser_->tunes = std::move(tunes); }
    // Shows the page of a help context; a missing page is said in the window.
    void ShowContext(const std::string& context);
    QTextBrowser& Browser() { return *browser_; }

private:
    std::filesystem::path helpDir_;
    THelpBrowser* browser_;
};

// The one help window of a main window, shown at a context.
void ShowHelpAt(QWidget& owner, const std::filesystem::path& dataDir, const std::string& context,
                TTuneSource tunes = {});

}  // namespace lyrasta::ui
