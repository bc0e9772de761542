#pragma once
// One letter of a scanned word, with the marks the scanner reads from the book text,
// the sounds and syllable flags the word analysis adds, and the song fields the song
// builder and note placement write. A word is an ordered list of these records.

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace lyrasta {

struct strucHebChar {
    // Every field has its initial value below. The constructor is written out so that a
    // record made in a list (value-initialised) is not first zero-filled whole: a reading
    // makes tens of thousands of them.
    strucHebChar() {}

    // Scanner
    std::string letter;     // consonant code, empty for ketiv/qere and V-mark records
    std::string vowel;      // "A","F","E","\"","I","O","U",":",":A",":F",":E","OW"
    bool dagesh = false;
    bool meteg = false;
    bool maqaf = false;     // the word is joined to the next by a maqaf
    std::string accents;    // two-digit accent codes concatenated, or a V-mark
    std::string bracket;    // character after "]": "S","B","C","+","-"
    int kq = 0;             // 0 ordinary, 1 qere mark, 2 ketiv mark

    // Word analysis
    bool variant = false;   // qamats read short / shva read as a vowel
    bool sylStart = false;
    bool sylEnd = false;
    bool stress = false;
    bool stress2 = false;
    bool initial = false;
    bool final = false;
    bool verseEnd = false;

    // Scanner
    bool query = false;     // a "?" was seen on this record (line end)
    bool exclaim = false;   // a "!" was seen on this record (rule)

    // Word analysis: sounds from the phoneme set
    std::string consonant;
    std::string vowelSound;
    std::string extra;

    std::string dot;        // accent code "52" or "53"
    std::string synth;      // sung text: phonemes with duration and pitch marks
    std::string syllable;   // spelling of this letter's part of its syllable

    // Song fields: the notes sung on this letter. Pitches and lengths are small numbers held
    // in two bytes each: a reading has tens of thousands of letter records.
    static constexpr int kMaxNotes = 49;
    std::array<std::int16_t, kMaxNotes> pitches{};
    std::array<std::int16_t, kMaxNotes> lengths{};
    std::array<bool, kMaxNotes> quarterUp{};  // the note lies a quarter tone above its pitch
    int noteCount = 0;

    // Stores note k: its pitch truncated (a quarter tone above it marked) and its length;
    // values beyond what the fields hold (from a broken melody file) are held at their limits.
    void SetNote(int k, double pitch, int length) {
        constexpr double low = std::numeric_limits<std::int16_t>::min();
        constexpr double high = std::numeric_limits<std::int16_t>::max();
        const double held = pitch >= low && pitch <= high ? pitch : pitch < low ? low : high;
        pitches[k] = static_cast<std::int16_t>(held);
        quarterUp[k] = held - pitches[k] >= 0.25;
        lengths[k] = static_cast<std::int16_t>(std::clamp<int>(length, low, high));
    }

    std::string comment;    // comments in angle brackets, each followed by a blank
    std::string note;       // text in braces: the word is shown as a note, not sung

    // Loader, first record of a word only
    std::string book;
    int chapter = 0;
    int verse = 0;
    std::string section;
    int translation = 0;    // 1-based line of the translation list, 0 for none
};

using LetterList = std::vector<strucHebChar>;

}  // namespace lyrasta
