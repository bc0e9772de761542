#pragma once
// Fits the notes of one word's melody (or of its two melodies when the word carries two
// tropes) to the word's syllables: upbeats go to the syllables before the stressed one,
// the main notes to the stressed syllable, the last notes of a word stressed on its
// next-to-last syllable to the syllable after it. Writes the sung text, the note pitches
// and lengths into the letter records and a pause after the word.

#include <functional>
#include <string>

#include "chant/melody.h"
#include "text/heb_char.h"
#include "text/trope_definitions.h"

namespace lyrasta {

struct strucPlacement {
    int pitchOffset = 0;       // half tones added to every note (voice, style, user)
    int elision = 0;           // 0, 1 or 2; cleared here when the next word starts on the same pitch
    double pauseDivisor = 0;   // of the word-end pause; 0 gives the short default pause
    bool adjustHighMileil = true;
    bool rhythmFromPrevious = false, pitchFromPrevious = false;
    bool rhythmFromFirst = false, pitchFromFirst = false;
    const Melody* next = nullptr;      // sung after this word (elision)
    const Melody* previous = nullptr;  // the previous word's main melody
    bool twoTropes = false;            // a first melody is sung before the main one
    const Melody* first = nullptr;
    int firstSyllable = 0;
    const Melody* main = nullptr;
    int mainSyllable = 0;
    int tempo = 80;                    // speed x 12 + 20
    double upbeatFactor = 10;          // setting UpbeatFactor; 0 or less means the default 10
    bool truncateExtraUpbeats = false; // style flag TRUNCATE_EXTRA_UPBEATS
    int wordNumber = 0;                // named in the invalid-syllable message
    MessageFunc message;
};

void PlaceNotes(LetterList& letters, strucPlacement& placement);

// The verse ends on this word: a letter carries the sof pasuq or a verse-end mark.
bool EndsVerse(const LetterList& letters);

// The beat in milliseconds for a tempo value: 120000 / tempo, halves to even.
int BeatLength(int tempo);

}  // namespace lyrasta
