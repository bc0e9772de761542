// Line layout of the text view with fixed-width text, so that every position is known.

#include <gtest/gtest.h>

#include "ui/heb_layout.h"
#include "fixed_measure.h"

namespace lyrasta::ui {
namespace {

using testing::FixedMeasure;

struct Item {
    std::string text;
    bool hebrew = true;
    bool lineEnd = false;
    bool scroll = true;
};

const std::string kWord = "wwwwwwwww ";  // 100 pixels with the blank after the word

// Lays out items at 750 pixels (scale 1: margin 10, right edge 730) with line breaks
// only at line-end marks, and returns the x1 of every item.
std::vector<int> LayOut(const std::vector<Item>& items, int mode = 0) {
    TWordTable table;
    for (const Item& it : items)
        table.AddWord({.text = it.text, .font = "TGBT", .size = 20, .lineEnd = it.lineEnd, .hebrew = it.hebrew,
                       .scroll = it.scroll, .sung = true});
    THebLayout layout;
    layout.options.rtlWrapping = true;
    layout.options.preWrapped = true;
    layout.options.viewMode = mode;
    FixedMeasure measure;
    layout.Layout(table, measure, 750, 400);
    std::vector<int> x;
    for (int i = 0; i < table.WordCount(); ++i) x.push_back(table.Item(i)->x1);
    return x;
}

Item W(bool lineEnd = false) { return {kWord, true, lineEnd}; }
Item Mark(const std::string& text, bool lineEnd = false) { return {text, false, lineEnd}; }

TEST(HebLayout, JustifiesFullLinesAndOpensSlackAtParagraphMarks) {
    struct Case {
        const char* name;
        std::vector<Item> items;  // the first line; a last line of one word follows
        std::vector<int> expected;
    };
    // 730 - 10 = 720 pixels of line.
    const std::vector<Case> cases = {
        {"three items stay as laid out", {W(), W(), W(true)}, {630, 530, 430}},
        // gap = (720 - 400) / 4 = 80 between the words.
        {"four items spread over the line", {W(), W(), W(), W(true)}, {630, 450, 270, 90}},
        // A mark is 3 bytes, 30 pixels. n = 5, W = 430, gap = 58: all 290 pixels of
        // slack open after the closed mark.
        {"closed mark takes the slack",
         {W(), W(), Mark(kClosedParagraph), W(), W(true)}, {630, 530, 500, 110, 10}},
        {"open mark inside the line counts as closed",
         {W(), W(), Mark(kOpenParagraph), W(), W(true)}, {630, 530, 500, 110, 10}},
        {"open mark at the end keeps the line ragged",
         {W(), W(), W(), W(), Mark(kOpenParagraph, true)}, {630, 530, 430, 330, 300}},
        // n = 6, W = 460, gap = round(260 / 6) = 43; each mark opens round(43 * 6 / 2) = 129.
        {"two closed marks share the slack",
         {W(), Mark(kClosedParagraph), W(), Mark(kClosedParagraph), W(), W(true)},
         {630, 600, 371, 341, 112, 12}},
        // The line-start mark keeps its place; the four words after it are justified.
        {"line-start mark is not counted",
         {Mark(kLineStartMark), W(), W(), W(), W(true)}, {700, 630, 450, 270, 90}},
    };
    for (const Case& c : cases) {
        std::vector<Item> items = c.items;
        items.push_back(W());
        std::vector<int> x = LayOut(items);
        x.pop_back();
        EXPECT_EQ(x, c.expected) << c.name;
    }
}

TEST(HebLayout, WrapsRightToLeftAtTheLeftMargin) {
    TWordTable table;
    for (int i = 0; i < 20; ++i)
        table.AddWord({.text = kWord, .font = "TGBT", .size = 20, .hebrew = true, .scroll = true,
                       .sung = true});
    THebLayout layout;
    layout.options.rtlWrapping = true;
    FixedMeasure measure;
    layout.Layout(table, measure, 750, 400);
    // Seven words of 100 pixels fit in 720 (the seventh ends at 30 > 10 - 5).
    ASSERT_EQ(layout.LineCount(), 3);
    EXPECT_EQ(layout.LineStart(1, 20), 7);
    EXPECT_EQ(layout.LineStart(2, 20), 14);
    EXPECT_EQ(table.Item(7)->y, layout.LineHeight());
    EXPECT_EQ(layout.LineHeight(), 24);
    // Justified lines start at the right edge; the last line stays ragged.
    EXPECT_EQ(table.Item(0)->x1, 630);
    // Gap round(20 / 7) = 3: the seventh word ends 2 pixels past the left bound.
    EXPECT_EQ(table.Item(6)->x1, 730 - 700 - 6 * 3);
    EXPECT_EQ(table.Item(19)->x1, 730 - 600);
}

TEST(HebLayout, TikkunModeHalvesTheScrollScaleAndFillsTheModernColumn) {
    THebLayout layout;
    TWordTable table;
    FixedMeasure measure;
    layout.options.viewMode = 1;
    layout.Layout(table, measure, 1700, 400);
    const double scrollScale = layout.Scale();
    layout.options.viewMode = 2;
    layout.Layout(table, measure, 1700, 400);
    EXPECT_DOUBLE_EQ(layout.Scale(), scrollScale / 2);
    EXPECT_DOUBLE_EQ(layout.ModernScale(), 1700 / 750.0 / 1.8);
    // Main column from the margin, modern column after the gap, both the same width.
    EXPECT_EQ(layout.LeftBound(1), 10);
    EXPECT_EQ(layout.RightEdge(2) - layout.LeftBound(2), layout.RightEdge(1) - layout.LeftBound(1));
    EXPECT_EQ(layout.LeftBound(2) - layout.RightEdge(1), 10);
}

// Widths that follow the font size: a byte is half a pixel per pixel of size.
class ScaledMeasure : public TItemMeasure {
public:
    double Width(FontRole, const std::string& text, int px) override { return text.size() * px / 2.0; }
    double HeightOfM(FontRole, int px) override { return px; }
};

TEST(HebLayout, LongPreWrappedLinesShrinkToTheirColumn) {
    // One scroll line of 14 words and a short one: far too long for either column.
    TWordTable table;
    for (int i = 0; i < 16; ++i)
        table.AddWord({.text = kWord, .font = "TGBT", .size = 20, .lineEnd = i == 13, .hebrew = true,
                       .scroll = true, .sung = true});
    for (int mode : {0, 2}) {
        for (int width : {1000, 1600}) {
            THebLayout layout;
            layout.options.rtlWrapping = true;
            layout.options.preWrapped = true;
            layout.options.viewMode = mode;
            ScaledMeasure measure;
            layout.Layout(table, measure, width, 600);
            SCOPED_TRACE(::testing::Message() << "mode " << mode << " at " << width);
            ASSERT_EQ(layout.LineCount(), 2);
            for (int i = 0; i < table.WordCount(); ++i) {
                const HxWord& w = *table.Item(i);
                EXPECT_GE(w.x1, layout.LeftBound(1) - 1) << i;
                EXPECT_LE(w.x1 + w.width1, layout.RightEdge(1)) << i;
                if (mode != 2) continue;
                EXPECT_GE(w.x2, layout.LeftBound(2) - 1) << i;  // never into the scroll column
                EXPECT_LE(w.x2 + w.width2, layout.RightEdge(2)) << i;
            }
        }
    }
}

TEST(HebLayout, AVerseNumberGoesToTheLineOfItsVerse) {
    // Six words fill most of the line; the number would still fit, its verse's word not.
    TWordTable table;
    for (int i = 0; i < 6; ++i)
        table.AddWord({.text = kWord, .font = "TGBT", .size = 20, .hebrew = true, .scroll = true,
                       .sung = true});
    table.AddWord({.text = ":21", .font = "Arial", .size = 20, .sung = true});
    table.AddWord({.text = "(4)", .font = "Arial", .size = 20, .sung = true});
    table.AddWord({.text = kWord, .font = "TGBT", .size = 20, .hebrew = true, .scroll = true, .sung = true});
    THebLayout layout;
    layout.options.rtlWrapping = true;
    FixedMeasure measure;
    layout.Layout(table, measure, 750, 400);
    ASSERT_EQ(layout.LineCount(), 2);
    EXPECT_EQ(layout.LineStart(1, table.WordCount()), 6) << "both numbers move with the word";
}

}  // namespace
}  // namespace lyrasta::ui
