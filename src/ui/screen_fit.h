#pragma once
// Windows on a small screen: a window shown larger than the screen it opens on is made
// smaller, down to its least size (what then does not fit scrolls), and moved onto it.

#include <QRect>

class QWidget;

namespace lyrasta::ui {

// Fits the window into `available`, the part of the screen windows may take.
void FitIntoScreen(QWidget& window, const QRect& available);
// The same on the window's own screen.
void FitIntoScreen(QWidget& window);

}  // namespace lyrasta::ui
