#include "player/print_pages.h"

#include <gtest/gtest.h>

#include <vector>

#include "player/trope_groups.h"

namespace lyrasta {
namespace {

std::vector<int> Selected(const TPageSelection& s) {
    std::vector<int> pages;
    for (int p = 1; p <= 6; ++p)
        if (s.PageIsSelected(p)) pages.push_back(p);
    return pages;
}

TEST(PrintPages, TheDialogsChoiceSelectsPages) {
    using S = TPageSelection;
    const struct {
        const char* name;
        TPageSelection selection;
        std::vector<int> pages;
    } cases[] = {
        {"all", S{}, {1, 2, 3, 4, 5, 6}},
        {"all, even", S{true, false, "", "", S::kEvenPages}, {2, 4, 6}},
        {"range 2 to 3", S{false, true, "2", "3", S::kAllPages}, {2, 3}},
        {"range with blanks, odd", S{false, true, " 2", "5 ", S::kOddPages}, {3, 5}},
        {"range past the end", S{false, true, "5", "99", S::kAllPages}, {5, 6}},
        {"range not a number", S{false, true, "two", "3", S::kAllPages}, {}},
        {"neither all nor range", S{false, false, "1", "3", S::kAllPages}, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(Selected(c.selection), c.pages) << c.name;
}

TEST(PrintPages, ARangeThatIsNotTwoPageNumbersIsExplained) {
    EXPECT_EQ(TPageSelection({false, true, "2", "3"}).RangeProblem(), "");
    EXPECT_EQ(TPageSelection({true, false, "x", ""}).RangeProblem(), "");
    EXPECT_NE(TPageSelection({false, true, "2", ""}).RangeProblem(), "");
    EXPECT_NE(TPageSelection({false, true, "0", "3"}).RangeProblem(), "");
    EXPECT_NE(TPageSelection({false, true, "1.5", "3"}).RangeProblem(), "");
    EXPECT_NE(TPageSelection({false, true, "4", "2"}).RangeProblem(), "");
}

TEST(PrintPages, APageHoldsWholeLinesAndRoomForItsPageLine) {
    // 100 pixels per inch: side margins 75, top and bottom margins 50; the view's width
    // fills the 1000 pixels between the side margins at scale 2.
    const struct {
        int sheetHeight;
        int lines;       // lines per page
        int pageLineY;
    } cases[] = {
        {1100, 9, 1000},   // 10 lines fill the 1000 usable pixels: no room for the page line
        {1160, 10, 1100},  // 10 lines and half a line more fit
        {130, 1, 200},     // a sheet smaller than a line still takes one
    };
    for (const auto& c : cases) {
        const TPageGeometry g = PageGeometry(1150, c.sheetHeight, 100, 100, 500, 50);
        EXPECT_EQ(g.left, 75);
        EXPECT_EQ(g.top, 50);
        EXPECT_DOUBLE_EQ(g.scale, 2.0);
        EXPECT_DOUBLE_EQ(g.lineHeight, 100.0);
        EXPECT_EQ(g.linesPerPage, c.lines) << c.sheetHeight;
        EXPECT_EQ(g.pageLineY, c.pageLineY) << c.sheetHeight;
    }
    const TPageGeometry g = PageGeometry(1150, 1100, 100, 100, 500, 50);
    EXPECT_EQ(g.PageCount(0), 1);
    EXPECT_EQ(g.PageCount(9), 1);
    EXPECT_EQ(g.PageCount(10), 2);
    EXPECT_EQ(PageLine("Nasso", 2), "Nasso - 2");
}

TEST(PrintPages, LightGroupColoursAndAccentsPrintInTheirPrintColours) {
    const struct {
        SettingColour screen, print;
    } backgrounds[] = {
        {0x02FFFF70, 0x00FFFFCF}, {0x00FF70FF, 0x00FFCFFF}, {0x0070FFFF, 0x00CFFFFF},
        {0x00FF7070, 0x00FFCFCF}, {0x00A040FF, 0x00FF00FF}, {0x0070A0FF, 0x000060E0},
        {0x00FFFFFF, 0x00FFFFFF}, {0x00C0C0C0, 0x00C0C0C0},
    };
    for (const auto& c : backgrounds) EXPECT_EQ(PrintColour(ToRgb(c.screen)), ToRgb(c.print)) << std::hex << c.screen;

    const struct {
        int category;
        SettingColour background, colour;
    } symbols[] = {
        {kSymbolConjunctive, 0x00FFFFFF, 0x0000C000}, {kSymbolMinor, 0x000060E0, 0x0070FFFF},
        {kSymbolMinor, 0x00FF70FF, 0x00C0E0FF},       {kSymbolMinor, 0x02FFFF70, 0x00C0E0FF},
        {kSymbolMinor, 0x00FFFFFF, 0x000060E0},
        {kSymbolMajor, 0x00FF70FF, 0x000000FF},       {kSymbolMajor, 0x00FFFFFF, 0x00FF00FF},
        {kSymbolPositionCopy, 0x00FFFFFF, 0x00808080},
    };
    for (const auto& c : symbols)
        EXPECT_EQ(PrintSymbolColour(c.category, ToRgb(c.background)), ToRgb(c.colour)) << c.category;
}

}  // namespace
}  // namespace lyrasta
