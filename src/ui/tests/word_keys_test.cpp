// Moving the selected word with the keys, over a laid-out fixture: a heading, three lines
// of words (seven to a line) and a maqaf pair that is one stop.

#include <gtest/gtest.h>

#include "ui/word_keys.h"
#include "fixed_measure.h"

namespace lyrasta::ui {
namespace {

using testing::FixedMeasure;

// Item 0 is a heading on its own line; items 1..20 words, 7 and 8 a maqaf pair.
struct Fixture {
    TWordTable table;
    THebLayout layout;
    Fixture() {
        table.AddWord({.text = "Heading", .font = "Arial", .size = 20, .lineEnd = true});
        for (int i = 1; i <= 20; ++i)
            table.AddWord({.text = "wwwwwwwww ", .font = "TGBT", .size = 20, .hebrew = true, .scroll = true,
                           .sung = true, .pairing = i == 7 ? kPairOpen : i == 8 ? kPairClose : kPairNone});
        layout.options.rtlWrapping = true;
        FixedMeasure measure;
        layout.Layout(table, measure, 750, 24 * 3);  // three lines to a page
    }
};

TEST(WordKeys, MoveThroughTheWordsInReadingOrder) {
    Fixture f;
    ASSERT_EQ(f.table.Item(8)->pairFirst, 7) << "fixture: a pair";
    ASSERT_EQ(f.layout.LineStart(1, 21), 1);
    ASSERT_EQ(f.layout.LineStart(2, 21), 8);
    struct Case {
        const char* name;
        int from;
        WordKey key;
        int expected;
    } cases[] = {
        {"next word", 2, WordKey::Next, 3},
        {"a pair is one stop", 6, WordKey::Next, 7},
        {"past the pair", 7, WordKey::Next, 9},
        {"from inside the pair", 8, WordKey::Next, 9},
        {"previous word skips the heading", 1, WordKey::Previous, 1},
        {"back onto the pair", 9, WordKey::Previous, 7},
        {"last word stays", 20, WordKey::Next, 20},
        {"nothing selected gives the first word", -1, WordKey::Next, 1},
        {"a heading selected gives the first word", 0, WordKey::Last, 1},
        {"home", 15, WordKey::First, 1},
        {"end", 3, WordKey::Last, 20},
        // Line 1 holds 1..7, line 2 starts with 8, the pair's second part: the word below
        // the first is the nearest stop in x.
        {"line down keeps the column", 1, WordKey::LineDown, 9},
        {"line up from the first line stays", 3, WordKey::LineUp, 3},
        {"page down goes to the last line", 2, WordKey::PageDown, -2},
        {"page up comes back", 20, WordKey::PageUp, -1},
    };
    for (const Case& c : cases) {
        const int got = WordAfterKey(f.table, f.layout, c.from, c.key);
        if (c.expected == -2) {
            EXPECT_EQ(f.layout.LineOf(*f.table.Item(got)), f.layout.LineCount() - 1) << c.name;
        } else if (c.expected == -1) {
            EXPECT_LT(f.layout.LineOf(*f.table.Item(got)), f.layout.LineOf(*f.table.Item(20))) << c.name;
        } else {
            EXPECT_EQ(got, c.expected) << c.name;
        }
    }
}

}  // namespace
}  // namespace lyrasta::ui
