#pragma once
// The word scanner: turns one word of the book text (consonants, vowels, dagesh ".",
// two-digit accent codes, maqaf "-", ketiv "*" and qere "**" marks, V-marks, brackets,
// comments in angle brackets and notes in braces) into its letter records.

#include <string_view>

#include "heb_char.h"

namespace lyrasta {

// True for the one-character vowel codes "A", "F", "I", "E", the double quote, "U", ":", "O".
bool IsVowelCode(char c);

// Scans the bytes text[first..last] (both inclusive) into a new letter list, one record
// per consonant plus one per ketiv/qere mark and per V-mark or note opening the word.
// `smallPrint` says whether a small-print passage ("@" ... "?") is open before the word
// and is updated to whether it is open after it. Never fails: bytes no state expects
// start a new record as a consonant. Positions outside the text are clipped.
LetterList ScanWord(std::string_view text, size_t first, size_t last, bool& smallPrint);

}  // namespace lyrasta
