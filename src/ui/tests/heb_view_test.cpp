// The text view with the real fonts on the offscreen platform: clicks, scrolling, the
// three view modes, and what is drawn.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "ui/heb_view.h"
#include "fixture_reading.h"
#include "gui_app.h"

namespace lyrasta::ui {
namespace {

using testing::Fonts;

std::unique_ptr<THebViewClass> GenesisView(int width, int height, int mode = 0) {
    auto view = std::make_unique<THebViewClass>(Fonts());
    view->resize(width, height);
    view->SetRToLWrapping(true);
    testing::FillGenesis(view->Table());
    view->SetViewMode(mode);
    return view;
}

// The index of the first Hebrew word whose text is `text`.
int IndexOf(const THebViewClass& v, const std::string& text) {
    for (int i = 0; i < v.WordCount(); ++i)
        if (v.Table().IsHebrewWord(i) && v.Table().ItemText(i) == text) return i;
    return -1;
}

QPoint CentreOf(const THebViewClass& v, int i, int column = 1) {
    const HxWord& w = *v.Table().Item(i);
    const int lh = v.LayoutState().LineHeight();
    const int x = column == 1 ? w.x1 + w.width1 / 2 : w.x2 + w.width2 / 2;
    return {x, w.y - v.ScrollPosition() * lh + lh / 2};
}

TEST(HebView, ClickSelectsTheWordAndAPairItsFirstItem) {
    auto view = GenesisView(900, 600);
    QSignalSpy mouseUp(view.get(), &THebViewClass::OnimgMouseUp);
    const int word = IndexOf(*view, "תֹ֙הוּ֙");
    QTest::mouseClick(view.get(), Qt::LeftButton, {}, CentreOf(*view, word));
    EXPECT_EQ(view->SelectedWord(), word);
    EXPECT_EQ(mouseUp.count(), 1);

    const int qere = IndexOf(*view, "אֽוֹר׃");
    const int ketiv = view->Table().Item(qere)->pairFirst;
    ASSERT_GE(ketiv, 0);
    ASSERT_NE(ketiv, qere);
    QTest::mouseClick(view.get(), Qt::LeftButton, {}, CentreOf(*view, qere));
    EXPECT_EQ(view->SelectedWord(), ketiv);

    // A verse number is no word: the selection stays.
    const int label = IndexOf(*view, "וְהָאָ֗רֶץ") - 1;
    QTest::mouseClick(view.get(), Qt::LeftButton, {}, CentreOf(*view, label));
    EXPECT_EQ(view->SelectedWord(), ketiv);
    EXPECT_EQ(mouseUp.count(), 3);

    // Below the last line nothing happens, and no event fires.
    QTest::mouseClick(view.get(), Qt::LeftButton, {}, QPoint(450, 590));
    EXPECT_EQ(view->SelectedWord(), ketiv);
    EXPECT_EQ(mouseUp.count(), 3);
}

TEST(HebView, ThreeViewModesLayOutWithoutOverlap) {
    for (int mode : {0, 1, 2}) {
        for (int width : {500, 900, 1920}) {
            auto view = GenesisView(width, 800, mode);
            const THebLayout& layout = view->LayoutState();
            const TWordTable& t = view->Table();
            for (int column : {1, 2}) {
                if (column == 2 && mode != 2) continue;
                int previousLeft = 0, previousY = -1;
                for (int i = 0; i < t.WordCount(); ++i) {
                    const HxWord& w = *t.Item(i);
                    const bool drawn = column == 2 || mode == 0 || w.scroll;
                    if (!drawn) continue;
                    const int x = column == 1 ? w.x1 : w.x2;
                    const int wd = column == 1 ? w.width1 : w.width2;
                    const std::string where = "mode " + std::to_string(mode) + " width " +
                                              std::to_string(width) + " column " +
                                              std::to_string(column) + " item " + std::to_string(i);
                    EXPECT_GE(x, layout.LeftBound(column) - 5) << where;
                    EXPECT_LE(x + wd, layout.RightEdge(column)) << where;
                    if (w.y == previousY) {
                        EXPECT_LE(x + wd, previousLeft) << where << " overlaps";
                    }
                    previousLeft = x;
                    previousY = w.y;
                }
            }
            if (mode == 2) {
                EXPECT_LT(layout.RightEdge(1), layout.LeftBound(2));
            }
        }
    }
}

TEST(HebView, ShowWordBringsItsLineInAsTheSecondLine) {
    auto view = GenesisView(500, 55);
    const THebLayout& layout = view->LayoutState();
    ASSERT_GT(layout.LineCount(), layout.LinesPerPage() + 1) << "the fixture must need scrolling";
    const int last = IndexOf(*view, "אֽוֹר׃");
    const int line = layout.LineOf(*view->Table().Item(last));
    view->ShowWord(last, true);
    EXPECT_EQ(view->SelectedWord(), last);
    EXPECT_EQ(view->ScrollPosition(), line - 1);
    // A word already in view does not scroll.
    const int before = view->ScrollPosition();
    view->ShowWord(last - 1, true);
    EXPECT_EQ(view->ScrollPosition(), before);
    view->ShowWord(9999, true);
    EXPECT_EQ(view->SelectedWord(), -1);
    view->ScrollLineDown();
    EXPECT_LE(view->ScrollPosition(), layout.ScrollMax());
}

// Counts the pixels of a colour in the view's picture.
int CountColour(THebViewClass& view, QColor colour) {
    QImage image(view.SurfaceWidth(), view.SurfaceHeight(), QImage::Format_RGB32);
    QPainter painter(&image);
    view.Paint(painter);
    painter.end();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)) == colour) ++n;
    return n;
}

TEST(HebView, DrawsWordsGroupColoursAndTheSelection) {
    const QColor etnachta(0xFF, 0x70, 0xFF), grey(0x80, 0x80, 0x80), black(0, 0, 0);
    for (int mode : {0, 1, 2}) {
        auto view = GenesisView(900, 600, mode);
        view->SetGroupColour(2, {0xFF, 0x70, 0xFF});
        view->SetSelectedWord(IndexOf(*view, "בָּרָ֣א"));
        EXPECT_GT(CountColour(*view, black), 500) << "words are drawn, mode " << mode;
        EXPECT_EQ(CountColour(*view, etnachta), 0) << "group colours off, mode " << mode;
        EXPECT_GT(CountColour(*view, grey), 100) << "the selection is grey, mode " << mode;
        view->SetShowTropeGroups(true);
        EXPECT_GT(CountColour(*view, etnachta), 1000) << "group colours on, mode " << mode;
    }
}

TEST(HebView, ScrollLettersCarryNoMarks) {
    auto view = GenesisView(900, 600, 1);
    const ShapedText& modern = Fonts().Shape(FontRole::Modern, "בְּרֵאשִׁ֖ית", 30);
    const ShapedText& scroll = Fonts().Shape(FontRole::Scroll, "בְּרֵאשִׁ֖ית", 30);
    EXPECT_EQ(scroll.text, U"בראשית");
    EXPECT_GT(modern.glyphs.size(), scroll.glyphs.size());
    EXPECT_EQ(scroll.glyphs.size(), 6u);
    // Every glyph of the modern word points back at the code point it came from.
    for (const ShapedGlyph& g : modern.glyphs) {
        EXPECT_GE(g.source, 0);
        EXPECT_LT(g.source, static_cast<int>(modern.text.size()));
    }
    EXPECT_TRUE(Fonts().Problems().empty());
}

}  // namespace
}  // namespace lyrasta::ui
