#pragma once
// Colours of the text view that come from the trope groups: each group's background
// colour from the settings (or its default), and the colour category of every accent mark
// in a word's shaped text, found by pairing the marks with the accent codes of the word's
// letters in the order the display form writes them.

#include <array>
#include <string>
#include <vector>

#include "player/settings_store.h"
#include "text/word_table.h"

namespace lyrasta::ui {

// The background colour of every trope group: the setting's colour when it reads as one,
// else the group's default.
std::array<Rgb, 17> GroupColours(const TSettingsStore& settings);

// The colour category of each code point of `text` (the item's shaped text): the accent
// marks, sof pasuq and a silluq meteg get the category of their accent code; everything
// else 0. Items without letters, and words whose marks do not pair up with their letters'
// accents, get 0 throughout.
std::vector<int> MarkCategories(const HxWord& item, const std::u32string& text);

// The contrast ratio of two colours (1 to 21), from their relative luminance in sRGB.
double ContrastRatio(Rgb a, Rgb b);
// The text colour to draw on `fill`: `preferred` when it reads at a contrast of at least
// 4.5:1, else black or white, whichever reads better.
Rgb ReadableInk(Rgb preferred, Rgb fill);

// The highlight of the selected word, and the text colour on it: the word's group colour
// (the end of an aliyah's blue deepened in the modern column) where it reads at 4.5:1,
// else black or white.
inline constexpr Rgb kSelectionFill{0x80, 0x80, 0x80};
Rgb SelectedInk(Rgb groupColour, int column);

// The colour of a symbol category over a background colour: the category's colour, made
// darker or lighter (its hue kept) as little as it takes to stand out from the background
// at 3:1, as a mark must be seen; the faint grey copy of a doubled accent at 1.5:1.
Rgb SymbolColourOver(int category, Rgb background);

}  // namespace lyrasta::ui
