#pragma once
// The index of a book text and the reading references that select ranges of it.
//
// Book text format: lines end in LF (a CR before it belongs to the line). At a line start,
// "~a" + text is the book's title line (its end opens chapter 1, verse 1 on the next
// line), "~x" + digits + blank opens a chapter whose verse 1 follows the blank, and
// "~y" + digits + blank opens a verse. Markers without digits count on.
//
// The text is divided into segments: every line is one, and a line that begins with a
// verse marker is two, one holding only the marker and one for the verse's text. So
// for a verse whose text begins in segment s, segment s - 1 is its marker and s - 2 the
// last line of the verse before.

#include <string>
#include <string_view>
#include <vector>

namespace lyrasta {

// The longest line and word a book text may have. The books' longest verse line is about
// 500 characters and their longest word about 30; a text beyond these limits is not a book
// text, and reading its words would take memory and time out of all proportion.
inline constexpr size_t kMaxBookLineBytes = 16 * 1024;
inline constexpr size_t kMaxBookWordBytes = 256;

// Why a text cannot be read as a book text ("" when it can): a line or word beyond the
// limits, named by its line number.
std::string BookTextProblem(std::string_view text);

struct BookIndex {
    // segStart[s]: the byte offset where segment s begins (1-based); segStart[segCount + 1]
    // is the length of the text. verseSeg[v]: the segment where book-wide verse v's text
    // begins. chapterVerse[c]: the book-wide number of chapter c's first verse. Index 0 of
    // each table is unused; entries outside the tables read as 0.
    std::vector<size_t> segStart;
    std::vector<int> verseSeg;
    std::vector<int> chapterVerse;
    int segCount = 0;
    int verseCount = 0;
    int chapterCount = 0;
    std::string title;  // the text of the "~a" line

    size_t SegmentStart(int s) const { return s >= 0 && s < static_cast<int>(segStart.size()) ? segStart[s] : 0; }
    int VerseSegment(int v) const { return v >= 0 && v < static_cast<int>(verseSeg.size()) ? verseSeg[v] : 0; }
    int ChapterFirstVerse(int c) const {
        return c >= 0 && c < static_cast<int>(chapterVerse.size()) ? chapterVerse[c] : 0;
    }
};

BookIndex IndexBookText(std::string_view text);

// A reading reference "NUM28:9-28:15": three characters of book code, first and last
// chapter:verse, both inclusive, leading zeros allowed ("GEN01:01-02:03").
struct ReadingReference {
    std::string book;
    int startChapter = 0, startVerse = 0, endChapter = 0, endVerse = 0;
};

// Splits a reference into its parts; false when it is not one (a number missing or not
// decimal digits, no ":" or "-"). Blanks around the numbers are allowed.
bool SplitReadingReference(std::string_view text, ReadingReference& out);

// How many verses chapter c of the indexed book has; 0 for a chapter it does not have.
int ChapterVerseCount(const BookIndex& index, int chapter);

// Why a reference names verses its book does not have, or empty when it does not: a chapter
// or verse 0, a start past the book's last chapter or past its chapter's last verse, an end
// verse past its chapter's last verse ("chapter 41 has 57 verses"). An end chapter past the
// book's last chapter is kept: such a range runs to the end of the book. A book without
// verses (its text missing) refuses nothing; the missing text is reported on its own.
std::string ReferenceOutsideBook(const ReadingReference& ref, const BookIndex& index);

struct ReferenceRange {
    bool valid = false;  // the reference has the reference form
    std::string book;
    int firstSeg = 0;    // segment where the first verse's text begins
    int endSeg = 0;      // segment where the verse after the last one's text begins
    // The segments to scan: firstSeg to endSeg - 2.
    int LastSeg() const { return endSeg - 2; }
};

// The segments a reference selects in its own book's index. An end past the book's last
// verse runs to the end of the book (endSeg = segCount + 1, or + 2 when the text does not
// end in LF so that its last line is read too); a start past the book's end gives an
// empty range (firstSeg past the last segment).
ReferenceRange ParseReadingReference(std::string_view reference, const BookIndex& index);

}  // namespace lyrasta
