#pragma once
// Line layout of the Hebrew text view: where each item of the word table stands, in
// modern letters, scroll letters, or both in two columns as in a tikkun. Items run right
// to left, lines break where the next item would pass the left margin (or only at the
// line-end marks of a pre-wrapped reading), and full lines are justified, with the slack
// opening at closed paragraph marks. Sizes scale with the surface width so that a line
// holds the same words at any window size.

#include <string>
#include <vector>

#include "text/text_helpers.h"
#include "text/word_table.h"
#include "ui/display_fonts.h"

namespace lyrasta::ui {

// How the layout measures text; the display fonts in the program, fixed widths in tests.
class TItemMeasure {
public:
    virtual ~TItemMeasure() = default;
    virtual double Width(FontRole role, const std::string& text, int pixelSize) = 0;
    // Height of a line of the font ("M" with its ascent and descent).
    virtual double HeightOfM(FontRole role, int pixelSize) = 0;
};

// Paragraph and reading marks that the loader puts between words as their own items.
inline const std::string kOpenParagraph = " \u05E4";    // petucha
inline const std::string kClosedParagraph = " \u05E1";  // setuma
inline const std::string kLineStartMark = " \u05E9";    // ignored at the start of a line

// The text an item is measured and drawn with: a word carries the blank that parts it
// from the next word (on its left, as the line runs right to left), and so does a
// chapter number.
std::string ItemDrawText(const HxWord& w);


struct LayoutOptions {
    int viewMode = 0;           // 0 modern letters, 1 scroll letters, 2 both (tikkun)
    bool rtlWrapping = false;   // place every item right to left and justify
    bool preWrapped = false;    // break lines only at line-end marks
    int baseSize = 20;
    int margin = 10;
    int columnGap = 10;
    double lineHeightFactor = 1.0;
    double dpiFactor = 1.0;     // 96 / the screen's pixels per inch
    double pixelsPerPoint = 96.0 / 72.0;
};

class THebLayout {
public:
    LayoutOptions options;

    // Recomputes every item's x1, x2, y, width1, width2 and the line table for a surface.
    void Layout(TWordTable& table, TItemMeasure& measure, int surfaceWidth, int surfaceHeight);

    // Results.
    double Scale() const { return s_; }          // main column
    double ModernScale() const { return m_; }    // modern column of the tikkun mode
    int LineHeight() const { return lineHeight_; }
    int LinesPerPage() const { return linesPerPage_; }
    int LineCount() const { return static_cast<int>(lineStarts_.size()); }
    // First item of line k (0-based); the item count past the last line.
    int LineStart(int k, int itemCount) const;
    // The line (0-based) an item stands on, from its y.
    int LineOf(const HxWord& w) const { return lineHeight_ > 0 ? w.y / lineHeight_ : 0; }
    bool ScrollEnabled() const { return scrollEnabled_; }
    int ScrollMax() const { return scrollMax_; }

    // Column bounds: main column (1) and modern column (2, tikkun mode only).
    int LeftBound(int column) const { return column == 1 ? left1_ : left2_; }
    int RightEdge(int column) const { return column == 1 ? right1_ : right2_; }

    // Fonts and sizes an item is measured and drawn with in a column.
    FontRole ItemRole(const HxWord& w, int column) const;
    int ItemPoints(const HxWord& w, int column) const;
    int ItemPixels(const HxWord& w, int column) const;
    // The main font of a column: its role and pixel size (the line height comes from it).
    FontRole MainRole(int column) const;
    int MainPixels(int column) const;
    int PointsToPixels(int points) const;

private:
    void Scales(int surfaceWidth);
    void LayoutPass(TWordTable& table, TItemMeasure& measure, int surfaceWidth, int surfaceHeight,
                    const double fit[2]);
    // The room the items of a line a..b take in a column, and whether an item takes any.
    int LineWidth(const TWordTable& table, int a, int b, int column) const;
    bool IsCounted(const HxWord& w, int column) const;
    void Justify(TWordTable& table, int a, int b, int column);
    void LayoutRightToLeft(TWordTable& table, TItemMeasure& measure);
    void LayoutOwnDirection(TWordTable& table, TItemMeasure& measure);

    double s_ = 1, m_ = 1;
    int lineHeight_ = 1, linesPerPage_ = 1;
    int left1_ = 0, right1_ = 0, left2_ = 0, right2_ = 0;
    bool scrollEnabled_ = false;
    int scrollMax_ = 0;
    int surfaceHeight_ = 0;
    std::vector<int> lineStarts_;
};

}  // namespace lyrasta::ui
