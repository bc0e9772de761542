#pragma once
// The books a custom reading may be made of and, per kind of reading, which chapters of a
// book may be chosen and the highest verse that may be chosen in each. Static data: one
// entry per selectable chapter, "GEN/Genesis:01:31" (book code, "/", display name, ":",
// two-digit chapter, ":", two-digit verse limit). The custom-reading editor builds its
// book, chapter and verse choices from these lists and a reading reference from a choice.

#include <string>
#include <string_view>
#include <vector>

namespace lyrasta {

enum class ReadingKind { Torah, Haftarah, Megilla, HighHolidaysTorah };

// The entries of a kind: TorahReadingLimits, HaftarahReadingLimits, ReadingReadingLimits
// (the Megillot) or HHReadingLimits. A book's entries stand together, chapters ascending;
// books in the order the editor offers them.
const std::vector<std::string>& ReadingLimits(ReadingKind kind);

struct ReadingLimitParts {
    std::string code;     // "GEN"
    std::string name;     // "Genesis"
    std::string chapter;  // "01"
    std::string verse;    // "31"
};

// Splits an entry into its four parts, without validation (short entries give short parts).
ReadingLimitParts GetReadingLimitParts(std::string_view entry);

// "-Select a book-", then each book's display name in list order.
std::vector<std::string> BookChoices(ReadingKind kind);
// The two-digit chapters of a book; empty for an unknown name or "-Select a book-".
std::vector<std::string> ChapterChoices(ReadingKind kind, std::string_view name);
// "01" up to the verse limit of the chapter. Haftarah, Nechemiah 7 offers only "72".
std::vector<std::string> VerseChoices(ReadingKind kind, std::string_view name, std::string_view chapter);
// The book code of the first entry with that display name; empty when none.
std::string BookCodeFor(ReadingKind kind, std::string_view name);
// The reading reference of a choice: GEN + "01" ":" "01" "-" "02" ":" "03" = GEN01:01-02:03.
std::string ReadingReferenceText(std::string_view code, std::string_view startChapter,
                                 std::string_view startVerse, std::string_view endChapter,
                                 std::string_view endVerse);

}  // namespace lyrasta
