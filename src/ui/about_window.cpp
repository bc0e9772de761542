#include "about_window.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <sstream>

#include "text/data_files.h"

namespace lyrasta::ui {

QString ProgramVersion() { return QStringLiteral(LYRASTA_VERSION); }

TfrmSplash::TfrmSplash(QWidget* parent)
    : QDialog(parent), cmdClose_(new QPushButton("&Close")), timer_(new QTimer(this)) {
    setObjectName("frmSplash");
    setWindowTitle("About Lyrasta");
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel("<h1>Lyrasta&trade;</h1>");
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    auto* what = new QLabel("A trainer for chanting the Hebrew Bible with its cantillation marks (trope).");
    what->setWordWrap(true);
    what->setAlignment(Qt::AlignCenter);
    layout->addWidget(what);
    auto* version = new QLabel("Version " + ProgramVersion());
    version->setObjectName("lblVersion");
    version->setAlignment(Qt::AlignCenter);
    layout->addWidget(version);
    layout->addWidget(cmdClose_, 0, Qt::AlignCenter);
    connect(cmdClose_, &QPushButton::clicked, this, &QDialog::accept);
    timer_->setSingleShot(true);
    timer_->setInterval(kSplashMs);
    connect(timer_, &QTimer::timeout, this, [this] {
        timer_->stop();
        accept();
    });
}

QString TfrmSplash::VersionText() const { return findChild<QLabel*>("lblVersion")->text(); }
bool TfrmSplash::TimerRunning() const { return timer_->isActive(); }

void TfrmSplash::ShowAsSplash() {
    cmdClose_->hide();
    timer_->start();
    setWindowModality(Qt::ApplicationModal);
    show();
}

void TfrmSplash::ShowAsAbout() {
    timer_->stop();
    cmdClose_->show();
    exec();
}

std::vector<std::string> AcknowledgementLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        lines.push_back(line);
    }
    return lines;
}

void ShowAcknowledgements(QWidget* parent, const std::filesystem::path& dataDir) {
    const std::vector<std::string> lines = AcknowledgementLines(ReadDataFile(dataDir, "acknowledgements.txt"));
    QString text;
    for (const std::string& l : lines) text += QString::fromStdString(l) + "\n";
    if (text.isEmpty()) text = "The list of acknowledgements (acknowledgements.txt) is missing from the data folder.";
    QMessageBox::information(parent, "Thank you", text.trimmed());
}

}  // namespace lyrasta::ui
