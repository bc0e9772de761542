#pragma once
// What a word carries for the melody rules: its syllable count and stress, its main
// trope (the last one, sung on its syllable) and the trope before it on the same word,
// each with its syllable number, name, placement and whether it divides the verse.

#include <string>

#include "text/heb_char.h"

namespace lyrasta {

struct strucWordTrope {
    std::string code;        // accents text ("80", "1462", "V:" ...); empty for none
    int syllable = 0;        // 1 at the word's first syllable
    std::string name;        // "ZAKEF_KATON" ...
    std::string placement;   // "LEFT", "RIGHT" or "MED"
    bool disjunctive = false;
};

struct strucWordTropes {
    int syllables = 0;
    bool finalStress = false;  // stressed on the last syllable (milra)
    strucWordTrope main;
    strucWordTrope second;
    std::string third;         // a third accents text, only for the combinations
};

strucWordTropes WordTropes(const LetterList& letters);

// Divisor of the pause after a word ending in this trope (the pause is half a beat over
// the divisor), as a reader breathes: longest at the end of a verse (about four fifths of
// a beat), then etnachta (2), zakef, segol and the other strong dividers (4), the minor
// dividers (6).
double PauseDivisor(const std::string& trope);

}  // namespace lyrasta
