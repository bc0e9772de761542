#pragma once
// The tip line of a word: the notes the song builder wrote for the student on its letters
// (the trope names, Masoretic notes, special melodies), one after another.

#include <string>

#include "text/heb_char.h"

namespace lyrasta {

// The comments of the letters, each separated from the next by a blank.
std::string TipText(const LetterList& letters);

}  // namespace lyrasta
