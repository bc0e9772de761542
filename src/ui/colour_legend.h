#pragma once
// The colour legend: what each background colour of the text view means (the trope group
// a word belongs to, in the colours the view uses now) and the colours of the trope
// symbols. A small window beside the main window, opened from the View menu.

class QWidget;

namespace lyrasta::ui {

class THebViewClass;

// Shows the legend for the view's current colours (one window, raised when already open).
void ShowColourLegend(QWidget& parent, const THebViewClass& view);

}  // namespace lyrasta::ui
