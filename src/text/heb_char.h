#pragma once
// One letter of a scanned word, with the marks the scanner reads from the book text,
// the sounds and syllable flags the word analysis adds, and the song fields the song
// builder and note placement write. A word is an ordered list of these records.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace lyrasta {

// A note sung on a letter: its pitch in half tones, truncated, and its length as a beat
// divisor, small numbers held in two bytes each.
struct strucNote {
    std::int16_t pitch = 0;
    std::int16_t length = 0;
    bool quarterUp = false;  // the note lies a quarter tone above its pitch
};

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

    // Song fields: the notes sung on this letter, at most kMaxNotes. Most letters carry
    // none or one, so they are kept beside the record rather than in it: a reading has
    // tens of thousands of letter records, each made, copied and freed.
    static constexpr size_t kMaxNotes = 49;
    std::vector<strucNote> notes;

    // Adds a note: its pitch truncated (a quarter tone above it marked) and its length;
    // values beyond what the fields hold (from a broken melody file) are held at their
    // limits. A note beyond kMaxNotes is not kept.
    void AddNote(double pitch, int length) {
        if (notes.size() >= kMaxNotes) return;
        // Room for a few notes at once: the smallest block memory is given in holds four,
        // and a melisma then grows it once rather than at its second and third note.
        if (notes.capacity() == 0) notes.reserve(4);
        constexpr double low = std::numeric_limits<std::int16_t>::min();
        constexpr double high = std::numeric_limits<std::int16_t>::max();
        const double held = pitch >= low && pitch <= high ? pitch : pitch < low ? low : high;
        strucNote& n = notes.emplace_back();
        n.pitch = static_cast<std::int16_t>(held);
        n.quarterUp = held - n.pitch >= 0.25;
        n.length = static_cast<std::int16_t>(std::clamp<int>(length, low, high));
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
