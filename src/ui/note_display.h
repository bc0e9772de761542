#pragma once
// The note panel under the text: the melody of the selected word on a small treble staff,
// drawn with vector graphics, each syllable under its note.

#include <QWidget>

#include <vector>

#include "player/note_staff.h"

namespace lyrasta::ui {

class TNoteDisplay : public QWidget {
    Q_OBJECT
public:
    explicit TNoteDisplay(QWidget* parent = nullptr);
    // Shows the staff of a word's letters to sing (an empty list clears the panel).
    void ShowWord(const LetterList& letters);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::vector<TStaffSymbol> symbols_;
};

}  // namespace lyrasta::ui
