#pragma once
// Printed pages of the text view: which pages the print dialog selects, where the view's
// lines fall on the sheets, and the print colours that replace the screen's light group
// colours and the accent colours over them.

#include <string>

#include "text/word_table.h"

namespace lyrasta {

// The print dialog's choice of pages: all or a range typed as text, then all, odd or
// even pages of those.
struct TPageSelection {
    enum Parity { kAllPages = 0, kOddPages = 1, kEvenPages = 2 };
    bool all = true;
    bool range = false;
    std::string from, to;
    int parity = kAllPages;

    bool PageIsSelected(int page) const;
    // A range is two whole numbers from 1 up, the first not above the second; empty when
    // it is one (or "All" is chosen), else what is wrong with it.
    std::string RangeProblem() const;
};

// Where the view's lines go on the sheets. The view is drawn as laid out on the screen
// (the same line breaks), scaled so that its width fills the sheet between the side
// margins; a page holds whole lines, so no word is cut at a page end.
struct TPageGeometry {
    double scale = 1;     // device pixels per pixel of the view
    int left = 0;         // the view's left edge on the sheet
    int top = 0;          // the top of the first line
    double lineHeight = 1;
    int linesPerPage = 1;
    int pageLineY = 0;    // top of the page line (title and page number) below the text
    int width = 0;        // the sheet's width
    int PageCount(int lineCount) const;
};

// Sheet size and resolution in device pixels; the view's width and line height in its pixels.
TPageGeometry PageGeometry(int sheetWidth, int sheetHeight, int dpiX, int dpiY, int viewWidth,
                           int viewLineHeight);

// The page line under the text of every page but the first.
std::string PageLine(const std::string& title, int page);

// The print colour of a group colour: six light screen colours give way to colours that
// print well; every other colour stays.
Rgb PrintColour(Rgb screen);
// The colour of an accent of a colour category (1 conjunctive, 2 minor and 3 major
// disjunctive, 4 the grey positional copy) over a printed background.
Rgb PrintSymbolColour(int category, Rgb background);

}  // namespace lyrasta
