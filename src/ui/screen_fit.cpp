#include "screen_fit.h"

#include <QScreen>
#include <QWidget>

namespace lyrasta::ui {

void FitIntoScreen(QWidget& window, const QRect& available) {
    // The window's frame (its title bar and borders, where the window system has told them)
    // must fit too.
    const QSize frame = window.frameGeometry().size() - window.size();
    const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize());
    const QSize fitted = window.size().boundedTo(available.size() - frame).expandedTo(least);
    if (fitted != window.size()) window.resize(fitted);
    QRect place(window.pos(), fitted + frame);
    if (place.right() > available.right()) place.moveRight(available.right());
    if (place.bottom() > available.bottom()) place.moveBottom(available.bottom());
    if (place.left() < available.left()) place.moveLeft(available.left());
    if (place.top() < available.top()) place.moveTop(available.top());
    if (place.topLeft() != window.pos()) window.move(place.topLeft());
}

void FitIntoScreen(QWidget& window) {
    if (const QScreen* screen = window.screen()) FitIntoScreen(window, screen->availableGeometry());
}

}  // namespace lyrasta::ui
