#pragma once
// The melody of one word as a short line of music: a treble clef, one note per sung note
// of the word with its syllable written below, flats and naturals as a singer reads them
// within the word, and the quarter tones of the eastern modes with a half flat or half
// sharp. This works out what to draw; the window draws it.

#include <string>
#include <vector>

#include "text/heb_char.h"

namespace lyrasta {

enum class StaffKind { Clef, Note, Blank };
enum class Accidental { None, Flat, Natural, HalfFlat, HalfSharp };

struct TStaffSymbol {
    StaffKind kind = StaffKind::Blank;
    int position = 0;        // staff position: pitch - 12 (1 is middle C)
    int value = 4;           // 1 whole, 2 half, 4 quarter, 8, 16, 32
    int dots = 0;
    bool stemDown = false;   // notes above the middle line
    Accidental accidental = Accidental::None;
    int offset = 0;          // pixels below the staff's reference line (E4 = 3, F5 = -19)
    bool shortPiece = false; // the short staff piece after a collected syllable
    std::string syllable;
};

// Note value and dots of a length code.
void NoteValueOf(int lengthCode, int& value, int& dots);

// The five staff lines, as offsets below the reference line (E4 .. F5).
inline constexpr int kStaffLineOffsets[5] = {3, -3, -8, -13, -19};
// The ledger lines a note at an offset needs, from the staff outwards.
std::vector<int> LedgerOffsets(int offset);

// What the staff shows for a word's letters to sing: empty for a word without letters,
// with a note text, or whose first letter is "%"; otherwise the clef, a blank piece and
// the notes. Positions outside -14..25 are left out.
std::vector<TStaffSymbol> StaffSymbols(const LetterList& letters);

}  // namespace lyrasta
