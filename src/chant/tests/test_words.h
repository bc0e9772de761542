#pragma once
// Hand-built words and melodies for the chant engine's tests: letters with their sounds
// and syllable flags as the word analysis would leave them, and melodies note by note.

#include <initializer_list>
#include <map>
#include <vector>

#include "chant/melody.h"
#include "text/heb_char.h"

namespace lyrasta::testing_words {

// One letter of a test word: its sounds and where its syllable starts and ends.
struct L {
    const char* letter;
    const char* consonant;
    const char* vowel;
    bool start;
    bool end;
    const char* accents = "";
};

inline LetterList Word(std::initializer_list<L> letters) {
    LetterList w;
    for (const L& l : letters) {
        strucHebChar c;
        c.letter = l.letter;
        c.consonant = l.consonant;
        c.vowelSound = l.vowel;
        c.sylStart = l.start;
        c.sylEnd = l.end;
        c.accents = l.accents;
        w.push_back(c);
    }
    w.front().initial = true;
    w.back().final = true;
    return w;
}

// A word of open syllables "ba ba ba ...", one letter each, with accents by letter index
// and the main stress on letter `stress`.
inline LetterList OpenSyllables(int count, const std::map<int, const char*>& accents, int stress) {
    LetterList w;
    for (int i = 0; i < count; ++i) {
        strucHebChar c;
        c.letter = "B";
        c.consonant = "~b";
        c.vowelSound = "~aa";
        c.sylStart = c.sylEnd = true;
        c.stress = i == stress;
        if (auto it = accents.find(i); it != accents.end()) c.accents = it->second;
        w.push_back(c);
    }
    w.front().initial = true;
    w.back().final = true;
    return w;
}

struct N {
    const char* pitch;
    int duration = 4;
    bool upbeat = false;
    bool extra = false;
    bool tied = false;
};

inline Melody Notes(std::initializer_list<N> notes) {
    Melody m;
    for (const N& n : notes) {
        MelodyNote note;
        note.pitch = PitchValue(n.pitch);
        note.duration = n.duration;
        note.upbeat = n.upbeat;
        note.extra = n.extra;
        note.tied = note.tiedTrue = n.tied;
        m.push_back(note);
    }
    return m;
}

inline std::vector<int> Pitches(const strucHebChar& c) {
    std::vector<int> pitches;
    for (const strucNote& n : c.notes) pitches.push_back(n.pitch);
    return pitches;
}
inline std::vector<int> Lengths(const strucHebChar& c) {
    std::vector<int> lengths;
    for (const strucNote& n : c.notes) lengths.push_back(n.length);
    return lengths;
}

}  // namespace lyrasta::testing_words
