#pragma once
// Pieces of the synthesizer's phoneme text for one sung word: a consonant onset, a note
// on a vowel (with a small random variation of length and pitch and an optional ornament
// at the end of a word), the fall at the end of a verse, and the frequency of a pitch.
// Phonemes are written with a leading "~"; a mark "<duration,pitch>" follows a phoneme.
// In a vowel note the pitch field is 5000 + Hz; in an onset a tone digit and the Hz
// written with at least three digits; ornaments and falls use 1000 + / 3000 + Hz or the
// digits "1" / "3" before the Hz.

#include <string>
#include <string_view>
#include <utility>

namespace lyrasta {

// Frequency in whole Hz of a pitch value (half tones, offset included): 13 is C3 (131),
// 34 is A4 (440). Halves round to the even neighbour.
int HzOfPitch(double pitch);
std::string HzText(double pitch);

// The last phoneme of a text: from its last "~" that is not the final character. The view
// points into `text`.
std::string_view LastToken(std::string_view text);

// A vowel sound cut into the part sung at the note's onset and the part it ends on
// (a diphthong such as "~oy~yx" glides into its second phoneme). The views point into
// `vowel` or at constant text, never at a temporary.
std::pair<std::string_view, std::string_view> SplitVowel(std::string_view vowel);

// Appends to `out` the onset of a consonant `text` sung at `hz` (HzOfPitch); nothing when
// the text is already rendered. (`text` must not be part of `out`.)
void AppendConsonant(std::string& out, std::string_view text, std::string_view letter, bool dagesh, int hz);

// Appends to `out` one note on a vowel at `hz` (HzOfPitch): onset part `first`, ending
// part `second`, lasting `durationMs`. (Neither part may be part of `out`.)
void AppendVowelNote(std::string& out, std::string_view first, std::string_view second, int durationMs,
                     bool ornament, int hz);

// The fall of the voice at the end of a verse from `hz`, sung on the vowel's ending part.
std::string VerseFall(std::string_view second, int hz);

}  // namespace lyrasta
