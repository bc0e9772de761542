#pragma once
// Syllable boundaries and stress of an analysed word.

#include <cstddef>
#include <string>

#include "text/heb_char.h"

namespace lyrasta {

// Sets the syllable-start and syllable-end flags of letters [from, to) from their sounds.
void Syllabify(LetterList& word, size_t from, size_t to);

// Marks the primary and secondary stress of letters [from, to) from their accents, and
// the verse end on the word's last accent when it is a sof pasuq or a verse-ending V-mark.
void SetStress(LetterList& word, size_t from, size_t to);

// The word's syllables for a learner: the syllable texts of each syllable joined, the
// syllables joined by "-", the stressed one in capitals.
std::string SyllableSpelling(const LetterList& word);

}  // namespace lyrasta
