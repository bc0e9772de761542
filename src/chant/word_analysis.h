#pragma once
// Reading one word aloud: for each letter the sound of its consonant, of its vowel and of
// any extra sound (a furtive patach's consonant, the yod of Adonai), whether a qamats is
// gadol or qatan and a shva na or nach, where its syllables begin and end, which syllable
// carries the stress and where the verse ends. The sounds and spellings come from the
// phoneme set of the chosen pronunciation.

#include <optional>

#include "chant/phoneme_set.h"
#include "text/heb_char.h"

namespace lyrasta {

// Fills the analysis fields of every letter record of the word (the vowel variant, the
// syllable and stress flags, word-initial and word-final, the verse end, the three sounds
// and the syllable text). The records the scanner filled are only read.
void AnalyzeWord(LetterList& word, const TPhonemeSet& set);

// Index of the first letter of the last "Y","H","W","H" run of letter codes, or none.
std::optional<size_t> FindDivineName(const LetterList& word);

// The entry for a letter's consonant; none when the letter has no consonant sound.
std::optional<Ph> ConsonantEntry(const LetterList& word, size_t i);

// The entry for a letter's vowel with the vowel-variant flag (qamats qatan, shva na);
// entry none means the vowel has no sound; keep means a vowel code the analysis does not
// know, whose earlier sound is left as it was.
struct VowelChoice {
    std::optional<Ph> entry;
    bool variant = false;
    bool keep = false;
};
// accented: the letter that carries the word's accent (the shva rule asks whether the
// previous letter is that one), or none.
VowelChoice VowelEntry(const LetterList& word, size_t i, int pronunciationCode,
                       std::optional<size_t> accented);

// The letter carrying the word's accent, found from the end of the word.
std::optional<size_t> AccentedLetter(const LetterList& word);

}  // namespace lyrasta
