#include "screen_fit.h"

#include <QScreen>
#include <QWidget>

namespace lyrasta::ui {

void FitIntoScreen(QWidget& window, const QRect& available) {
    // The window's frame (its title bar and borders, where the window system has told them)
    // must fit too.
    const QSize frame = window.frameGeometry().size() - window.size();
    const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize());
    // At least its natural size where the screen has room (the toolkit gives a window at most
    // two thirds of the screen at first, which on a small screen leaves a dialog scrolling in
    // a corner), never more than the screen, never less than its least size.
    const QSize room = available.size() - frame;
    const QSize fitted = window.size().expandedTo(window.sizeHint().boundedTo(room)).boundedTo(room).expandedTo(least);
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
