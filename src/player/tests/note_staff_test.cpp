// The note staff of a word: clef, notes with accidentals by the letter's flat in force,
// syllables under their notes.

#include <gtest/gtest.h>

#include "player/note_staff.h"

namespace lyrasta {
namespace {

// A letter with its syllable text, syllable flags and notes (pitch, length code).
strucHebChar Letter(const std::string& syllable, bool start, bool end,
                    std::vector<std::pair<int, int>> notes = {}) {
    strucHebChar c;
    c.letter = "B";
    c.syllable = syllable;
    c.sylStart = start;
    c.sylEnd = end;
    for (const auto& [pitch, length] : notes) c.AddNote(pitch, length);
    return c;
}

std::vector<TStaffSymbol> Notes(const std::vector<TStaffSymbol>& all) {
    std::vector<TStaffSymbol> out;
    for (const auto& s : all)
        if (s.kind == StaffKind::Note) out.push_back(s);
    return out;
}

TEST(NoteStaff, LengthCodesGiveNoteValues) {
    struct Row {
        int code, value, dots;
    };
    const Row rows[] = {{1, 1, 0},   {2, 2, 0},   {3, 4, 1},   {4, 4, 0},  {5, 8, 1},
                        {9, 8, 0},   {10, 16, 1}, {16, 16, 0}, {17, 32, 1}, {32, 32, 0},
                        {33, 32, 2}, {46, 32, 1}, {47, 32, 0}};
    for (const Row& r : rows) {
        int value = 0, dots = 0;
        NoteValueOf(r.code, value, dots);
        EXPECT_EQ(value, r.value) << "code " << r.code;
        EXPECT_EQ(dots, r.dots) << "code " << r.code;
    }
}

TEST(NoteStaff, WordGetsClefNotesAndSyllables) {
    // "be-re": b+e carry one syllable with two notes, r has no note and starts the
    // second syllable, whose vowel letter carries its note.
    const LetterList word = {Letter("be", true, true, {{20, 4}, {22, 8}}),
                             Letter("r", true, false), Letter("e", false, true, {{25, 2}})};
    const auto all = StaffSymbols(word);
    ASSERT_GE(all.size(), 2u);
    EXPECT_EQ(all[0].kind, StaffKind::Clef);
    EXPECT_EQ(all[1].kind, StaffKind::Blank);
    const auto notes = Notes(all);
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_EQ(notes[0].syllable, "be");
    EXPECT_EQ(notes[1].syllable, "  -");
    EXPECT_EQ(notes[2].syllable, "re") << "the pending syllable start joins its note";
    EXPECT_EQ(notes[0].position, 8);
    EXPECT_EQ(notes[0].offset, -3);
    EXPECT_EQ(notes[2].value, 2);
    EXPECT_TRUE(notes[2].stemDown) << "position 13 lies above the middle line";
    EXPECT_FALSE(notes[0].stemDown);
}

TEST(NoteStaff, FlatsHoldWithinTheWord) {
    // Positions 2 (D flat), 2 again, 3 (D natural), 7 (G flat): b, nothing, natural, b.
    const LetterList word = {Letter("a", true, true, {{14, 4}, {14, 4}, {15, 4}, {19, 4}})};
    const auto notes = Notes(StaffSymbols(word));
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_EQ(notes[0].accidental, Accidental::Flat);
    EXPECT_EQ(notes[1].accidental, Accidental::None);
    EXPECT_EQ(notes[2].accidental, Accidental::Natural);
    EXPECT_EQ(notes[3].accidental, Accidental::Flat);
}

TEST(NoteStaff, QuarterTonesGetAHalfFlatOrAHalfSharp) {
    // The neutral steps of the eastern modes: a quarter tone above B flat is written as B
    // with a half flat, a quarter tone above A (the note above is a flat) as A with a half
    // sharp; a plain B after the half flat needs its natural again, a second half flat not.
    LetterList word = {Letter("a", true, true, {{23, 4}, {23, 4}, {24, 4}, {22, 4}, {23, 4}})};
    word[0].notes[0].quarterUp = word[0].notes[1].quarterUp = word[0].notes[3].quarterUp = true;
    const auto notes = Notes(StaffSymbols(word));
    ASSERT_EQ(notes.size(), 5u);
    const struct { int position; Accidental accidental; } expected[] = {
        {12, Accidental::HalfFlat}, {12, Accidental::None}, {12, Accidental::Natural},
        {10, Accidental::HalfSharp}, {11, Accidental::Flat}};
    for (size_t k = 0; k < notes.size(); ++k) {
        EXPECT_EQ(notes[k].position, expected[k].position) << k;
        EXPECT_EQ(notes[k].accidental, expected[k].accidental) << k;
    }
}

TEST(NoteStaff, EdgesOfTheRangeAndWordsWithoutMelody) {
    // Position 25 (C6) needs two ledger lines above; -14 and below are left out.
    const LetterList high = {Letter("a", true, true, {{37, 4}, {-2, 4}, {13, 4}})};
    const auto notes = Notes(StaffSymbols(high));
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].position, 25);
    EXPECT_EQ(LedgerOffsets(notes[0].offset), (std::vector<int>{-24, -29}));
    EXPECT_EQ(LedgerOffsets(notes[1].offset), (std::vector<int>{8})) << "middle C";
    EXPECT_TRUE(LedgerOffsets(0).empty());

    LetterList noted = {Letter("a", true, true, {{20, 4}})};
    noted[0].note = "{note}";
    EXPECT_TRUE(StaffSymbols(noted).empty()) << "a word shown as a note has no staff";
    EXPECT_TRUE(StaffSymbols({}).empty());
}

}  // namespace
}  // namespace lyrasta
