// Colour categories of the accent marks of scanned words, and the grey copy of a doubled
// accent drawn even with the symbol colours off.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "text/word_display.h"
#include "text/word_scanner.h"
#include "ui/heb_view.h"
#include "ui/mark_colours.h"
#include "player/colour_names.h"
#include "player/trope_groups.h"
#include "gui_app.h"

namespace lyrasta::ui {
namespace {

using testing::Fonts;

std::unique_ptr<LetterList> Scan(const std::string& word) {
    bool smallPrint = false;
    return std::make_unique<LetterList>(ScanWord(word, 0, word.size() - 1, smallPrint));
}

// The categories of the marks of a scanned word, in the order they stand in its text.
std::vector<int> MarkCategoriesOf(const std::string& word) {
    HxWord item;
    item.letters = Scan(word);
    item.text = WordDisplayForm(*item.letters);
    const std::u32string text = Fonts().Shape(FontRole::Modern, item.text, 20).text;
    std::vector<int> marks;
    const std::vector<int> all = MarkCategories(item, text);
    for (size_t k = 0; k < text.size(); ++k)
        if ((text[k] >= 0x0591 && text[k] <= 0x05AF) || text[k] == 0x05BD || text[k] == 0x05C3)
            marks.push_back(all[k]);
    return marks;
}

TEST(MarkColours, EachAccentMarkGetsTheCategoryOfItsCode) {
    struct Case {
        const char* word;
        std::vector<int> categories;
    };
    const std::vector<Case> cases = {
        {"B.FRF74)", {1}},                 // munach: conjunctive
        {"):ELOHI92YM", {3}},              // etnachta: major
        {"W:HF)F81REC", {2}},              // revia: minor
        {"TO33HW.03", {2, 4}},             // doubled pashta: the copy at the end is grey
        {"HF)F75REC00", {3, 3}},           // silluq and sof pasuq
        {"WA75Y:HIY-", {0}},               // a meteg inside the word is no accent
    };
    for (const Case& c : cases) EXPECT_EQ(MarkCategoriesOf(c.word), c.categories) << c.word;
    HxWord label;
    label.text = "1";
    EXPECT_EQ(MarkCategories(label, U"1"), std::vector<int>{0}) << "no letters, no colours";
}

int GreyPixels(const std::string& word, bool symbolColours) {
    THebViewClass view(Fonts());
    view.resize(1200, 240);
    view.SetRToLWrapping(true);
    view.SetSymbolColouring(MarkCategories, SymbolColourOver);
    auto letters = Scan(word);
    const std::string text = WordDisplayForm(*letters);
    view.Table().AddWord({.text = text, .font = "TGBT", .size = 40, .hebrew = true, .scroll = true,
                          .sung = true, .letters = std::move(letters)});
    view.SetSelectedWord(-1);
    view.SetShowTropeColors(symbolColours);
    view.Layout();
    QImage image(view.SurfaceWidth(), view.SurfaceHeight(), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);  // exact colours only
    view.Paint(painter);
    painter.end();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == qRgb(0xC0, 0xC0, 0xC0);
    return n;
}

TEST(MarkColours, TheGreyCopyIsDrawnEvenWithSymbolColoursOff) {
    // A word without a doubled accent shows a stray grey pixel or two at most.
    const int none = GreyPixels("):ELOHI92YM", false);
    EXPECT_LT(none, 5);
    EXPECT_GT(GreyPixels("TO33HW.03", false), none + 20);
    EXPECT_GT(GreyPixels("TO33HW.03", true), none + 20);
}

// Every background a word can have (each group's own colour, every colour of the colour
// boxes, the selected word's highlight): its marks stand out from it, and the selected word's
// text reads on its highlight.
TEST(MarkColours, MarksAndTheSelectedWordReadOnEveryBackground) {
    std::vector<Rgb> backgrounds = {kSelectionFill};
    for (int g = 0; g < kTropeGroupCount; ++g) backgrounds.push_back(ToRgb(TropeGroupInfoOf(g).defaultColour));
    for (const TNamedColour& c : NamedColours()) backgrounds.push_back(ToRgb(c.colour));
    const struct {
        int category;
        double ratio;
    } marks[] = {{kSymbolConjunctive, 3}, {kSymbolMinor, 3}, {kSymbolMajor, 3}, {kSymbolPositionCopy, 1.5}};
    for (const Rgb bg : backgrounds) {
        const std::string where = std::to_string(bg.r) + "," + std::to_string(bg.g) + "," + std::to_string(bg.b);
        for (const auto& m : marks)
            EXPECT_GE(ContrastRatio(SymbolColourOver(m.category, bg), bg), m.ratio)
                << "category " << m.category << " on " << where;
        for (int column : {1, 2}) EXPECT_GE(ContrastRatio(SelectedInk(bg, column), kSelectionFill), 4.5) << where;
    }
    // A colour is only deepened or lightened: a conjunctive mark stays green, a major one red.
    const Rgb green = SymbolColourOver(kSymbolConjunctive, {255, 255, 255});
    EXPECT_TRUE(green.g > green.r && green.g > green.b);
    const Rgb major = SymbolColourOver(kSymbolMajor, {0x70, 0x70, 0xFF});
    EXPECT_TRUE(major.r > major.g);
}

}  // namespace
}  // namespace lyrasta::ui
