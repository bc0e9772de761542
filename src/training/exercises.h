#pragma once
// Exercise files, tutorial pages and the random choices of the drills.
//
// An exercise file holds one exercise per line (lines end in CR LF), each in the word
// format of the book texts. A tutorial text is a book text divided into pages by markers
// "~1", "~2", ...; on a page, a Hebrew word stands in braces (modern letters) or angle
// brackets (scroll letters) and everything else is English.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/book_index.h"

namespace lyrasta {

// The index of an exercise text: segment k + 1 is line k (it begins after the k-th CR and
// the LF that follows it, line 0 at the start); each line is a verse of its own, all in
// one chapter.
BookIndex IndexExerciseText(std::string_view text);

// The number of exercise lines: one per CR, and one more when text follows the last CR
// (a file whose last line has no line end).
int ExerciseLineCount(std::string_view text);

// A uniform whole number from 0 to n - 1 (the program's random generator; tests give
// their own).
using RandomDraw = std::function<int(int n)>;

// The next flash card: with at least 3 lines a random line from 1 to the last that
// differs from `current`, in two-line mode (question and answer) rounded down to an even
// line and never 0; with fewer lines line 0. When no other line can be drawn, `current`.
int NextExerciseLine(int lineCount, int current, bool twoLine, const RandomDraw& draw);

// The segment a phrase drill starts from: uniformly from first + 1 to end - 1 (the range
// of a reference: first segment and the segment after its last verse); `first` when that
// span is empty.
int PickPhraseSegment(int first, int end, const RandomDraw& draw);

// The text of tutorial page `page`: from the end of its marker "~" + page number to the
// next "~" (or the end of the text); none when the text has no such page.
std::optional<std::string_view> TutorialPage(std::string_view text, int page);

// One word of a tutorial page.
struct TTutorialWord {
    enum Script { English, Modern, Scroll };
    std::string text;   // the word's bytes (a Hebrew word in the book-text letters)
    Script script = English;
    bool lineEnd = false;  // the word ends its line
    bool heading = false;  // the word is on the page's first line
};

// The words of a page: blanks end a word; CR or LF ends the word and the line; "{" starts
// a word in modern letters and "<" one in scroll letters, which "}" or ">" ends together
// with the line (a blank inside them starts the next word in the same letters).
std::vector<TTutorialWord> TutorialWords(std::string_view page);

}  // namespace lyrasta
