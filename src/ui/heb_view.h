#pragma once
// THebViewClass: the Hebrew text view in the middle of the main window. It owns the word
// table of the loaded reading, lays it out (THebLayout), draws the visible lines with the
// group colours, the selection, underlines, rules and coloured trope symbols, scrolls by
// whole lines and maps mouse clicks to words.

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

#include "text/word_table.h"
#include "ui/display_fonts.h"
#include "ui/heb_layout.h"

class QScrollBar;

namespace lyrasta::ui {

// The colour category of each code point of an item's shaped text (0 for letters and
// points, 1..3 for conjunctive, minor and major accents, 4 for the grey positional copy
// of a doubled accent), and the colour a category is drawn in on a background.
using SymbolCategories =
    std::function<std::vector<int>(const HxWord& item, const std::u32string& text)>;
using SymbolColourFunction = std::function<Rgb(int category, Rgb background)>;

// How the lines are drawn: on the screen with the selection and the view's colours; on
// paper with print colours, or all in black on a printer without colours.
struct TPaintStyle {
    bool selection = true;                   // draw the selected word highlighted
    std::function<Rgb(Rgb)> background;      // the group colour as drawn; unchanged when empty
    SymbolColourFunction symbolColour;               // accent colours; the view's when empty
    bool colourInk = true;                   // false: text and symbols in black
};

class THebViewClass : public QWidget {
    Q_OBJECT
public:
    static constexpr int kScrollBarWidth = 16;
    static constexpr int kGroupCount = 17;

    explicit THebViewClass(TDisplayFonts& fonts, QWidget* parent = nullptr);
    ~THebViewClass() override;

    TWordTable& Table() { return table_; }
    const TWordTable& Table() const { return table_; }
    THebLayout& LayoutState() { return layout_; }
    const THebLayout& LayoutState() const { return layout_; }

    // Empties the view: items, lines, selection 0, scroll position 0.
    void Clear();
    int WordCount() const { return table_.WordCount(); }
    // Recomputes the geometry of every item for the current size and repaints.
    void Layout();

    int SelectedWord() const { return table_.SelectedWord(); }
    void SetSelectedWord(int i);
    // Selects item i (-1 when outside the table); with `scroll` brings its line into view
    // as the second line of the window when it is not fully visible. Lets pending events run.
    void ShowWord(int i, bool scroll);

    int ViewMode() const { return layout_.options.viewMode; }
    void SetViewMode(int mode);
    bool RToLWrapping() const { return layout_.options.rtlWrapping; }
    void SetRToLWrapping(bool on) { layout_.options.rtlWrapping = on; table_.reverseRtl = on; }
    bool PreWrapped() const { return layout_.options.preWrapped; }
    void SetPreWrapped(bool on) { layout_.options.preWrapped = on; }
    void SetMargin(int margin) { layout_.options.margin = margin; }
    void SetLineHeightFactor(double f) { layout_.options.lineHeightFactor = f; }
    void SetBaseFont(int size);

    bool ShowTropeGroups() const { return showTropeGroups_; }
    void SetShowTropeGroups(bool on) { showTropeGroups_ = on; update(); }
    bool ShowTropeColors() const { return showTropeColors_; }
    void SetShowTropeColors(bool on) { showTropeColors_ = on; update(); }
    bool ShowUnderlines() const { return showUnderlines_; }
    void SetShowUnderlines(bool on) { showUnderlines_ = on; update(); }
    bool ShowExtendedTropeGroups() const { return showExtended_; }  // kept, not used
    void SetShowExtendedTropeGroups(bool on) { showExtended_ = on; }
    void SetGroupColour(int group, Rgb colour);
    Rgb GroupColour(int group) const;
    void SetSymbolColouring(SymbolCategories categories, SymbolColourFunction colour);

    int ScrollPosition() const;
    void SetScrollPosition(int pos);
    void ScrollLineUp();
    void ScrollLineDown();
    // The surface the text is drawn on: the control less the scroll bar.
    int SurfaceWidth() const;
    int SurfaceHeight() const;

    // Maps a point of the surface to an item the way a click does; -1 for none.
    int HitTest(QPoint p) const;
    // Draws the visible lines onto a painter the size of the surface.
    void Paint(QPainter& painter);
    // Draws lines first to end - 1 (0-based), line `first` at the painter's top.
    void PaintLines(QPainter& painter, int first, int end, const TPaintStyle& style);

signals:
    void OnimgMouseUp();
    void OnimgDblClick();
    // ShowWord moved the selection (the highlight that follows the singing).
    void WordShown(int index);
    // The space bar was pressed in the view: play, or stop what is playing.
    void SpacePressed();

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    void PaintItem(QPainter& painter, int index, int column, int topLine, const TPaintStyle& style);
    bool IsDrawnSelected(int index) const;

    TDisplayFonts& fonts_;
    TWordTable table_;
    THebLayout layout_;
    QScrollBar* scrollBar_;
    bool showTropeGroups_ = false, showTropeColors_ = false, showUnderlines_ = false;
    bool showExtended_ = false;
    std::array<Rgb, kGroupCount> groupColours_;
    SymbolCategories categories_;
    SymbolColourFunction symbolColour_;
    // The symbol categories of each item's modern-letter text, worked out once per layout.
    std::vector<std::vector<int>> categoryCache_;
};

}  // namespace lyrasta::ui
