#pragma once
// The user guide: HTML pages in the data folder's "help" folder, shown in a browser window
// inside the program. Each dialog's Help button opens the guide at its own place (a help
// context: a page and a place on it).

#include <QDialog>

#include <filesystem>
#include <string>
#include <vector>

class QTextBrowser;

namespace lyrasta::ui {

struct THelpContext {
    const char* name;  // "contents", "customize", ...
    const char* page;  // "index.html", "settings.html#customize", ...
};
// Every help context the program opens.
const std::vector<THelpContext>& HelpContexts();
// The page of a context ("index.html" for an unknown one).
std::string HelpPage(const std::string& context);

class THelpWindow : public QDialog {
    Q_OBJECT
public:
    THelpWindow(std::filesystem::path helpDir, QWidget* parent = nullptr);
    // Shows the page of a help context; a missing page is said in the window.
    void ShowContext(const std::string& context);
    QTextBrowser& Browser() { return *browser_; }

private:
    std::filesystem::path helpDir_;
    QTextBrowser* browser_;
};

// The one help window of a main window, shown at a context.
void ShowHelpAt(QWidget& owner, const std::filesystem::path& dataDir, const std::string& context);

}  // namespace lyrasta::ui
