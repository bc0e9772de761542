#pragma once
// One letter of a scanned word, with the marks the scanner reads from the book text,
// the sounds and syllable flags the word analysis adds, and the song fields the song
// builder and note placement write. A word is an ordered list of these records.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lyrasta {

struct strucHebChar {
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

    // Song fields: the notes sung on this letter
    static constexpr int kMaxNotes = 49;
    std::array<int, kMaxNotes> pitches{};
    std::array<int, kMaxNotes> lengths{};
    std::array<bool, kMaxNotes> quarterUp{};  // the note lies a quarter tone above its pitch
    int noteCount = 0;

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
