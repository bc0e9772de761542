#pragma once
// Moving the selected word with the keyboard: the arrow keys step through the words in
// reading order (right to left, so Left is the next word) and to the nearest word of the
// line above or below, Page Up and Page Down by a window of lines, Home and End to the
// first and last word. Only words of the text are reached; a maqaf or ketiv/qere pair is
// one stop, at its first item, as a click selects it.

#include "text/word_table.h"
#include "ui/heb_layout.h"

namespace lyrasta::ui {

enum class WordKey { Next, Previous, LineUp, LineDown, PageUp, PageDown, First, Last };

// The word the key moves the selection to from `selected`; `selected` itself when there is
// none further that way (and the first word when nothing is selected).
int WordAfterKey(const TWordTable& table, const THebLayout& layout, int selected, WordKey key);

}  // namespace lyrasta::ui
