#include "word_keys.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace lyrasta::ui {

namespace {

// A stop of the keyboard: a word of the text that is not the second part of a pair.
bool IsStop(const TWordTable& t, int i) {
    if (!t.IsHebrewWord(i)) return false;
    const HxWord* w = t.Item(i);
    return w->pairFirst < 0 || w->pairFirst == i;
}

int Step(const TWordTable& t, int from, int direction) {
    for (int i = from + direction; i >= 0 && i < t.WordCount(); i += direction)
        if (IsStop(t, i)) return i;
    return -1;
}

// The stop of line `line` whose middle is nearest to x; -1 when the line has none.
int NearestOnLine(const TWordTable& t, const THebLayout& layout, int line, double x) {
    const int n = t.WordCount();
    int best = -1;
    double distance = std::numeric_limits<double>::max();
    for (int i = layout.LineStart(line, n); i < layout.LineStart(line + 1, n); ++i) {
        if (!IsStop(t, i)) continue;
        const HxWord* w = t.Item(i);
        const double d = std::abs(w->x1 + w->width1 / 2.0 - x);
        if (d < distance) distance = d, best = i;
    }
    return best;
}

// The nearest stop `lines` lines away (negative: upwards), passing over lines without words;
// when the text ends first, the last line with a word that way.
int LinesAway(const TWordTable& t, const THebLayout& layout, int selected, int lines) {
    const HxWord* w = t.Item(selected);
    const double x = w->x1 + w->width1 / 2.0;
    const int from = layout.LineOf(*w);
    const int direction = lines < 0 ? -1 : 1;
    int target = std::clamp(from + lines, 0, std::max(0, layout.LineCount() - 1));
    for (int line = target; line != from; line -= direction)
        if (int i = NearestOnLine(t, layout, line, x); i >= 0) return i;
    for (int line = target + direction; line >= 0 && line < layout.LineCount(); line += direction)
        if (int i = NearestOnLine(t, layout, line, x); i >= 0) return i;
    return selected;
}

}  // namespace

int WordAfterKey(const TWordTable& t, const THebLayout& layout, int selected, WordKey key) {
    const int first = Step(t, -1, 1);
    if (first < 0) return selected;
    if (selected < 0 || selected >= t.WordCount() || !t.IsHebrewWord(selected)) return first;
    if (const HxWord* w = t.Item(selected); w->pairFirst >= 0) selected = w->pairFirst;
    const int page = std::max(1, layout.LinesPerPage() - 1);
    int to = -1;
    switch (key) {
    case WordKey::Next: to = Step(t, selected, 1); break;
    case WordKey::Previous: to = Step(t, selected, -1); break;
    case WordKey::LineUp: return LinesAway(t, layout, selected, -1);
    case WordKey::LineDown: return LinesAway(t, layout, selected, 1);
    case WordKey::PageUp: return LinesAway(t, layout, selected, -page);
    case WordKey::PageDown: return LinesAway(t, layout, selected, page);
    case WordKey::First: to = first; break;
    case WordKey::Last: to = Step(t, t.WordCount(), -1); break;
    }
    return to >= 0 ? to : selected;
}

}  // namespace lyrasta::ui
