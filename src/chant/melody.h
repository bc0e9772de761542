#pragma once
// A trope's melody: the notes of one variant of a melody style, in singing order
// (upbeats first, then the main notes, then the extras), and the counts the note
// placement fits to a word's syllables. Pitches are written as scale names ("c", "d#",
// "A/" ...) or numbers of half tones; `PitchValue` reads them.

#include <string>
#include <vector>

namespace lyrasta {

struct MelodyNote {
    double pitch = 0;      // half tones, from the note's Pitch text
    int duration = 0;      // divisor of the beat (4 a quarter); 0 when missing or invalid
    bool upbeat = false;   // sung before the stressed syllable
    bool extra = false;    // sung after the main notes (never also an upbeat)
    bool tied = false;     // Continue is set: tied to the next note on the same syllable
    bool tiedTrue = false; // Continue reads "TRUE" (counted as a continued upbeat)
};

using Melody = std::vector<MelodyNote>;

// The beat divisor to use for a note: a missing or zero duration counts as a quarter.
int NoteDivisor(const MelodyNote& note);

// Half tones of a pitch text; 13 is "c" (C3), 34 is "A" (A4). Unknown texts are read as
// a decimal number; text that is no number gives 0.
double PitchValue(const std::string& text);

// The scale name of a whole number of half tones (13 is "c"); other values as a number.
std::string PitchName(double value);

struct strucMelodyCounts {
    int upbeats = 0;     // W
    int extras = 0;      // X
    int continues = 0;   // C
    int main = 0;        // M = total - W - X
    bool highLast = false;  // the last main note is higher than the one before it
};

// Counts of a melody; a missing melody (nullptr) counts as empty.
strucMelodyCounts MelodyCounts(const Melody* melody);

}  // namespace lyrasta
