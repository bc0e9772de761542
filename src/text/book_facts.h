#pragma once
// Facts about the books that the reading loader shows: the names of book headings and
// where a verse ends more than a verse (a chapter of a Megillah, a book of the Torah).

#include <string>
#include <string_view>

namespace lyrasta {

// Verse-end kinds carried by each word.
enum VerseEnd { kNotVerseEnd = 0, kVerseEnd = 1, kSectionEnd = 2, kChapterEnd = 3, kBookEnd = 4 };

// The name shown in a book heading ("Genesis ", "Shir HaShirim", ...); a code not in the
// table is shown as the code itself.
std::string BookDisplayName(std::string_view code);

// kBookEnd at the last verse of each book of the Torah; kChapterEnd at the last verse of
// each chapter of the Megillot, where Eichah and Koheles end on the verse that is read
// again after the last (LAM 5:21, QOH 12:13), and only when it ends the range;
// kNotVerseEnd otherwise.
int VerseEndKind(std::string_view code, int chapter, int verse, bool lastInRange);

// The verse read again after a reading ends with the last verse of Eichah or Koheles
// ("LAM5:21-5:21", "QOH12:13-12:13"), for a reading reference such as "LAM1:1-5:22";
// empty for any other reference.
std::string ClosingRepeat(std::string_view reference);

}  // namespace lyrasta
