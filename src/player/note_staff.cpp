#include "note_staff.h"

#include <array>

namespace lyrasta {

namespace {

constexpr int kLowest = -14, kHighest = 25;

// For positions -11..25: the offset below the staff's reference line, the note letter
// (1 = C .. 7 = B) the position belongs to, and whether it is the flat of that letter.
struct Place {
    int offset;
    int letter;
    bool flat;
};
constexpr std::array<Place, 37> kPlaces = {{
    {28, 1, false},   // -11
    {25, 2, true},  {25, 2, false}, {22, 3, true}, {22, 3, false}, {19, 4, false},
    {16, 5, true},  {16, 5, false}, {13, 6, true}, {13, 6, false}, {11, 7, true},
    {11, 7, false},   // 0
    {8, 1, false},  {5, 2, true},   {5, 2, false}, {3, 3, true},   {3, 3, false},
    {0, 4, false},  {-3, 5, true},  {-3, 5, false}, {-6, 6, true}, {-6, 6, false},
    {-8, 7, true},  {-8, 7, false},   // 12
    {-11, 1, false}, {-13, 2, true}, {-13, 2, false}, {-16, 3, true}, {-16, 3, false},
    {-19, 4, false}, {-21, 5, true}, {-21, 5, false}, {-24, 6, true}, {-24, 6, false},
    {-26, 7, true}, {-26, 7, false}, {-29, 1, false},   // 25
}};

class StaffWriter {
public:
    std::vector<TStaffSymbol> out;

    // A note at staff position p, or with `quarterUp` a quarter tone above it: written as
    // the natural note above with a half flat, or as the natural note itself with a half
    // sharp when the note above is a flat.
    void Add(int lengthCode, const std::string& syllable, int p, bool quarterUp = false) {
        Accidental half = Accidental::None;
        if (quarterUp && p + 1 >= -11 && p + 1 <= kHighest) {
            if (kPlaces[p + 1 + 11].flat) {
                half = Accidental::HalfSharp;
            } else {
                half = Accidental::HalfFlat;
                ++p;
            }
        }
        if (p < kLowest || p > kHighest) return;
        TStaffSymbol s;
        s.position = p;
        s.syllable = syllable;
        if (p == -13) {
            s.kind = StaffKind::Clef;
            inForce_.fill(Accidental::Natural);
        } else if (p == -14 || p == -12) {
            s.kind = StaffKind::Blank;
            s.shortPiece = p == -14;
        } else if (p >= -11) {
            const Place& place = kPlaces[p + 11];
            s.kind = StaffKind::Note;
            NoteValueOf(lengthCode, s.value, s.dots);
            s.stemDown = p > 10;
            s.offset = place.offset;
            // An accidental holds for the rest of the word on its letter.
            Accidental& inForce = inForce_[place.letter - 1];
            const Accidental wanted = half != Accidental::None ? half : place.flat ? Accidental::Flat : Accidental::Natural;
            if (wanted != inForce) s.accidental = wanted;
            inForce = wanted;
        }
        out.push_back(s);
    }

private:
    std::array<Accidental, 7> inForce_ = MakeNaturals();
    static std::array<Accidental, 7> MakeNaturals() {
        std::array<Accidental, 7> a;
        a.fill(Accidental::Natural);
        return a;
    }
};

}  // namespace

void NoteValueOf(int code, int& value, int& dots) {
    struct Row {
        int upTo, value, dots;
    };
    static constexpr Row rows[] = {{1, 1, 0},   {2, 2, 0},   {3, 4, 1},   {4, 4, 0},
                                   {6, 8, 1},   {9, 8, 0},   {14, 16, 1}, {16, 16, 0},
                                   {27, 32, 1}, {32, 32, 0}, {36, 32, 2}, {46, 32, 1}};
    for (const Row& r : rows)
        if (code <= r.upTo) {
            value = r.value;
            dots = r.dots;
            return;
        }
    value = 32;
    dots = 0;
}

std::vector<int> LedgerOffsets(int offset) {
    // C4, A3, F3, D3 below the staff; A5, C6 above it.
    static constexpr int below[] = {8, 13, 19, 25};
    static constexpr int above[] = {-24, -29};
    std::vector<int> out;
    for (int l : below)
        if (offset >= l) out.push_back(l);
    for (int l : above)
        if (offset <= l) out.push_back(l);
    return out;
}

std::vector<TStaffSymbol> StaffSymbols(const LetterList& letters) {
    StaffWriter staff;
    if (letters.empty() || !letters[0].note.empty() || letters[0].letter == "%") return {};
    staff.Add(0, "", -13);
    staff.Add(0, "", -12);
    std::string pending;  // the syllable start waiting for its note
    const int n = static_cast<int>(letters.size());
    for (int i = 0; i < n; ++i) {
        const strucHebChar& c = letters[i];
        if (!c.notes.empty()) {
            // Letters of the same syllable that carry no note of their own are written
            // under this note.
            std::string following;
            if (!c.sylEnd && i + 1 < n) {
                const strucHebChar& next = letters[i + 1];
                if (next.notes.empty()) following += next.syllable;
                if (!next.sylEnd)
                    for (int k = i + 2; k <= i + 3 && k < n; ++k)
                        if (letters[k].notes.empty()) following += letters[k].syllable;
            }
            const strucNote& first = c.notes.front();
            staff.Add(first.length, pending + c.syllable + following, first.pitch - 12, first.quarterUp);
            if (!following.empty()) staff.Add(0, "", -14);
            for (size_t k = 1; k < c.notes.size(); ++k)
                staff.Add(c.notes[k].length, "  -", c.notes[k].pitch - 12, c.notes[k].quarterUp);
            pending.clear();
        } else if (c.sylStart) {
            pending = c.syllable;
        } else {
            pending.clear();
        }
    }
    return staff.out;
}

}  // namespace lyrasta
