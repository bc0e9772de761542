#include "debug_window.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lyrasta::ui {

TfrmDebug::TfrmDebug(std::function<void(const std::string&)> speak, QWidget* parent)
    : QWidget(parent, Qt::Window), memo1_(new QPlainTextEdit), memo2_(new QPlainTextEdit),
      speakButton_(new QPushButton("Speak")) {
    setObjectName("frmDebug");
    setWindowTitle("Debug");
    memo1_->setObjectName("Memo1");
    memo1_->setReadOnly(true);
    memo1_->setMaximumBlockCount(5000);  // a long session keeps its latest lines
    memo2_->setObjectName("Memo2");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memo1_, 3);
    layout->addWidget(memo2_, 1);
    layout->addWidget(speakButton_, 0, Qt::AlignRight);
    connect(speakButton_, &QPushButton::clicked, this, [this, speak = std::move(speak)] {
        if (speak) speak(memo2_->toPlainText().toStdString());
    });
    resize(600, 400);
}

void TfrmDebug::Log(const std::string& line) { memo1_->appendPlainText(QString::fromStdString(line)); }

}  // namespace lyrasta::ui
