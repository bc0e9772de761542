#include "training/exercises.h"

#include <gtest/gtest.h>

#include <deque>

namespace lyrasta {
namespace {

// A random source that gives the listed numbers in turn.
RandomDraw Draws(std::deque<int> values) {
    return [values = std::move(values)](int n) mutable {
        EXPECT_FALSE(values.empty()) << "more draws than expected";
        const int v = values.empty() ? 0 : values.front();
        if (!values.empty()) values.pop_front();
        EXPECT_LT(v, n);
        return v;
    };
}

TEST(ExerciseText, EveryLineIsASegmentAndAVerseOfItsOwn) {
    const std::string text = "AB CD\r\nEF\r\nGH\r\n";
    const BookIndex index = IndexExerciseText(text);
    ASSERT_EQ(index.segCount, 4);  // three lines and the empty rest after the last line end
    EXPECT_EQ(index.SegmentStart(1), 0u);
    EXPECT_EQ(text.substr(index.SegmentStart(2), 2), "EF");  // after the CR and its LF
    EXPECT_EQ(text.substr(index.SegmentStart(3), 2), "GH");
    EXPECT_EQ(index.SegmentStart(5), text.size());
    EXPECT_EQ(index.VerseSegment(3), 3);
    EXPECT_EQ(index.chapterCount, 1);
    EXPECT_EQ(ExerciseLineCount(text), 3);
    EXPECT_EQ(ExerciseLineCount("AB\r\nlast line without its end"), 2);
    EXPECT_EQ(ExerciseLineCount(""), 0);
}

TEST(NextExercise, ChoosesAsTheDrillAsks) {
    struct Case {
        const char* what;
        int lines, current;
        bool twoLine;
        std::deque<int> draws;  // each draw gives 1 + draw as the line number
        int expected;
    } cases[] = {
        {"fewer than three lines: always line 0", 2, 0, false, {}, 0},
        {"no lines at all", 0, 0, true, {}, 0},
        {"a random line from 1 to the last", 5, 0, false, {3}, 4},
        {"the line shown now is drawn again", 5, 3, false, {2, 2, 0}, 1},
        {"two lines: rounded down to the question", 6, 0, true, {2}, 2},
        {"two lines: line 1 rounds to 0, which is drawn again", 6, 2, true, {0, 0, 4}, 4},
        {"two lines: the question shown now is drawn again", 6, 2, true, {1, 2, 3}, 4},
        {"two lines: no other question to draw", 3, 2, true, {}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(NextExerciseLine(c.lines, c.current, c.twoLine, Draws(c.draws)), c.expected);
    }
}

TEST(PhraseSegment, DrawnBetweenTheRangesEnds) {
    EXPECT_EQ(PickPhraseSegment(10, 20, Draws({0})), 11);
    EXPECT_EQ(PickPhraseSegment(10, 20, Draws({8})), 19);
    EXPECT_EQ(PickPhraseSegment(10, 11, Draws({})), 10);  // nothing between: the range's first segment
}

TEST(TutorialPages, FoundByTheirExactNumber) {
    const std::string text = "~1\r\nfirst\r\n~10\r\ntenth\r\n~2\r\nsecond";
    EXPECT_EQ(TutorialPage(text, 1), "\r\nfirst\r\n");
    EXPECT_EQ(TutorialPage(text, 10), "\r\ntenth\r\n");
    EXPECT_EQ(TutorialPage(text, 2), "\r\nsecond");
    EXPECT_FALSE(TutorialPage(text, 3));
    EXPECT_FALSE(TutorialPage("", 1));
}

TEST(TutorialPages, WordsByScriptAndLine) {
    // One line per word: text, script (E, M modern, S scroll), $ line end, H heading.
    auto describe = [](std::string_view page) {
        std::string out;
        for (const TTutorialWord& w : TutorialWords(page)) {
            out += w.text + " " + "EMS"[w.script];
            if (w.lineEnd) out += "$";
            if (w.heading) out += "H";
            out += "\n";
        }
        return out;
    };
    struct Case {
        const char* what;
        const char* page;
        const char* words;
    } cases[] = {
        {"the first line with words is the heading", "\r\n\r\nA title\r\nbody text\r\n",
         "A EH\ntitle E$H\nbody E\ntext E$\n"},
        {"braces and angle brackets end the word and the line", "Head\nsee {B.:R}and <)$> more",
         "Head E$H\nsee E\nB.:R M$\nand E\n)$ S$\nmore E$\n"},
        {"a blank inside braces starts the next Hebrew word", "H\n{AB CD}",
         "H E$H\nAB M\nCD M$\n"},
        {"a closing bracket of the other script is part of the word", "H\n{A>B}",
         "H E$H\nA>B M$\n"},
        {"blanks and tabs in a row make no empty words", "H\na  \t b", "H E$H\na E\nb E$\n"},
        {"a page without words", "\r\n \r\n", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(describe(c.page), c.words);
    }
}

}  // namespace
}  // namespace lyrasta
