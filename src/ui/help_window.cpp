#include "help_window.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace lyrasta::ui {

const std::vector<THelpContext>& HelpContexts() {
    static const std::vector<THelpContext> kContexts = {
        {"contents", "index.html"},
        {"getting-started", "getting-started.html"},
        {"open", "opening.html"},
        {"open-holidays", "opening.html#holidays"},
        {"calendar", "opening.html#calendar"},
        {"views", "views.html"},
        {"sections", "views.html#sections"},
        {"playing", "playing.html"},
        {"colours", "colours.html"},
        {"customize", "settings.html#customize"},
        {"melody", "settings.html#melody"},
        {"custom-readings", "custom-readings.html"},
        {"printing", "printing.html"},
        {"keys", "keys.html"},
        {"tropes", "tropes.html"},
    };
    return kContexts;
}

std::string HelpPage(const std::string& context) {
    for (const THelpContext& c : HelpContexts())
        if (context == c.name) return c.page;
    return "index.html";
}

THelpWindow::THelpWindow(std::filesystem::path helpDir, QWidget* parent)
    : QDialog(parent), helpDir_(std::move(helpDir)), browser_(new QTextBrowser) {
    setObjectName("HelpWindow");
    setWindowTitle("Lyrasta Help");
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({QString::fromStdString(helpDir_.string())});
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    auto* contents = buttons->addButton("&Contents", QDialogButtonBox::ActionRole);
    auto* back = buttons->addButton("&Back", QDialogButtonBox::ActionRole);
    connect(contents, &QPushButton::clicked, this, [this] { ShowContext("contents"); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(browser_);
    layout->addWidget(buttons);
    resize(760, 640);
}

void THelpWindow::ShowContext(const std::string& context) {
    const std::string page = HelpPage(context);
    const std::string file = page.substr(0, page.find('#'));
    const QString path = QString::fromStdString((helpDir_ / file).string());
    if (!QFileInfo::exists(path)) {
        browser_->setHtml("<p>The help page <b>" + QString::fromStdString(file).toHtmlEscaped() +
                          "</b> is missing from " + QString::fromStdString(helpDir_.string()).toHtmlEscaped() +
                          ".</p>");
        return;
    }
    QUrl url = QUrl::fromLocalFile(path);
    if (const size_t hash = page.find('#'); hash != std::string::npos)
        url.setFragment(QString::fromStdString(page.substr(hash + 1)));
    browser_->setSource(url);
}

void ShowHelpAt(QWidget& owner, const std::filesystem::path& dataDir, const std::string& context) {
    // Asked from a dialog that holds the program modal, the help must be that dialog's own
    // window, or it could be seen but neither scrolled nor closed until the dialog is.
    QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : &owner;
    auto* help = parent->findChild<THelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!help) help = new THelpWindow(dataDir / "help", parent);
    help->ShowContext(context);
    help->show();
    help->raise();
    help->activateWindow();
}

}  // namespace lyrasta::ui
