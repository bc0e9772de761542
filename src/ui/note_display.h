#pragma once
// The note panel under the text: the melody of the selected word on a small treble staff,
// drawn with vector graphics, each syllable under its note.

#include <QImage>
#include <QWidget>

#include <vector>

#include "player/note_staff.h"

class QPainter;

namespace lyrasta::ui {

// Draws a staff in a painter, from its left edge, `height` pixels high.
void PaintStaff(QPainter& painter, const std::vector<TStaffSymbol>& symbols, int height);
// The width a staff needs at a height.
int StaffWidth(const std::vector<TStaffSymbol>& symbols, int height);
// The staff as a picture (a trope's tune in the trope chart); empty symbols give a blank one.
QImage StaffImage(const std::vector<TStaffSymbol>& symbols, int height);

class TNoteDisplay : public QWidget {
    Q_OBJECT
public:
    explicit TNoteDisplay(QWidget* parent = nullptr);
    // Shows the staff of a word's letters to sing (an empty list clears the panel).
    void ShowWord(const LetterList& letters);
    // As wide as the staff of the shown word at the panel's height: a long melisma runs past
    // the window, and the scroll area around the panel scrolls to it.
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override { return minimumSizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::vector<TStaffSymbol> symbols_;
};

}  // namespace lyrasta::ui
