#pragma once
// A scroll area as large as what it holds: a window with one shows all of it where the
// screen has room, and can still be made small enough for a small screen, where it scrolls.

#include <QScrollArea>

namespace lyrasta::ui {

class TFitScrollArea : public QScrollArea {
public:
    explicit TFitScrollArea(QWidget* content, QWidget* parent = nullptr) : QScrollArea(parent) {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setWidget(content);
    }
    QSize sizeHint() const override {
        return widget()->sizeHint() + QSize(2 * frameWidth(), 2 * frameWidth());
    }
};

}  // namespace lyrasta::ui
