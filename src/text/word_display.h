#pragma once
// The display form of a word: its Unicode Hebrew text (UTF-8), ready for shaping with a
// font that carries points and accents. Per letter, in logical order: the letter (final
// form at the word's end), dagesh, shin or sin dot, the vowel point, meteg, the accents,
// the upper or lower dot, then maqaf, paseq and sof pasuq.

#include <string>

#include "heb_char.h"

namespace lyrasta {

// The display text of records [from, to) of `letters` (0-based, `to` exclusive; clipped
// to the list). The vowel-variant flag shows a short qamats as qamats qatan (U+05C7).
std::string WordDisplayForm(const LetterList& letters, size_t from, size_t to);
inline std::string WordDisplayForm(const LetterList& letters) {
    return WordDisplayForm(letters, 0, letters.size());
}
// Appends that display text to `out` (the loader writes it after the word's leading blank).
void AppendWordDisplayForm(std::string& out, const LetterList& letters, size_t from, size_t to);

// The accent code a mark of the display form stands for (sof pasuq "00", a meteg "75", the
// first code of a mark two codes share); empty for any other code point.
std::string AccentCodeOfMark(char32_t cp);

// UTF-8 of one code point.
std::string Utf8(char32_t cp);
// The same, appended to `out` (the display text is written this way, mark by mark).
void AppendUtf8(std::string& out, char32_t cp);

// Reads the UTF-8 character that begins at `at`: its length in bytes, with its code point in
// `cp`; 0 when no well-formed character begins there (a stray or cut-off byte).
int DecodeUtf8(std::string_view text, size_t at, char32_t& cp);

}  // namespace lyrasta
