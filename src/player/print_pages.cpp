#include "print_pages.h"

#include "trope_groups.h"

#include <algorithm>
#include <charconv>

namespace lyrasta {

namespace {

// A whole number from 1 up, or 0.
int PageNumber(const std::string& text) {
    const size_t a = text.find_first_not_of(' '), b = text.find_last_not_of(' ');
    if (a == std::string::npos) return 0;
    int n = 0;
    const auto [end, error] = std::from_chars(text.data() + a, text.data() + b + 1, n);
    return error == std::errc() && end == text.data() + b + 1 && n >= 1 ? n : 0;
}

}  // namespace

bool TPageSelection::PageIsSelected(int page) const {
    bool inRange = all;
    if (!all && range) {
        const int first = PageNumber(from), last = PageNumber(to);
        inRange = first >= 1 && first <= page && page <= last;
    }
    if (!inRange) return false;
    if (parity == kOddPages) return page % 2 == 1;
    if (parity == kEvenPages) return page % 2 == 0;
    return true;
}

std::string TPageSelection::RangeProblem() const {
    if (all || !range) return {};
    const int first = PageNumber(from), last = PageNumber(to);
    if (!first || !last) return "The pages \"from:\" and \"to:\" must be whole numbers from 1 up.";
    if (first > last) return "The first page of the range comes after its last page.";
    return {};
}

int TPageGeometry::PageCount(int lineCount) const {
    return std::max(1, (lineCount + linesPerPage - 1) / linesPerPage);
}

TPageGeometry PageGeometry(int sheetWidth, int sheetHeight, int dpiX, int dpiY, int viewWidth,
                           int viewLineHeight) {
    TPageGeometry g;
    const int side = static_cast<int>(0.75 * dpiX);
    g.top = static_cast<int>(0.5 * dpiY);
    g.left = side;
    g.width = sheetWidth;
    g.scale = static_cast<double>(std::max(1, sheetWidth - 2 * side)) / std::max(1, viewWidth);
    g.lineHeight = std::max(1, viewLineHeight) * g.scale;
    const int usable = sheetHeight - 2 * g.top;
    int n = static_cast<int>(usable / g.lineHeight);
    // The page line needs half a line below the last one.
    if (usable < static_cast<int>(g.lineHeight * (n + 0.5))) --n;
    g.linesPerPage = std::max(1, n);
    g.pageLineY = static_cast<int>((g.linesPerPage + 0.5) * g.lineHeight) + g.top;
    return g;
}

std::string PageLine(const std::string& title, int page) { return title + " - " + std::to_string(page); }

Rgb PrintColour(Rgb screen) {
    // Colours as the settings write them ($00BBGGRR).
    static const std::pair<SettingColour, SettingColour> kPrint[] = {
        {0x02FFFF70, 0x00FFFFCF}, {0x00FF70FF, 0x00FFCFFF}, {0x0070FFFF, 0x00CFFFFF},
        {0x00FF7070, 0x00FFCFCF}, {0x00A040FF, 0x00FF00FF}, {0x0070A0FF, 0x000060E0},
    };
    for (const auto& [from, to] : kPrint)
        if (ToRgb(from) == screen) return ToRgb(to);
    return screen;
}

Rgb PrintSymbolColour(int category, Rgb background) {
    const auto on = [&](SettingColour c) { return background == ToRgb(c); };
    switch (category) {
        case kSymbolConjunctive:
            return ToRgb(0x0000C000);
        case kSymbolMinor:
            if (on(0x000060E0)) return ToRgb(0x0070FFFF);
            if (on(0x00FF70FF) || on(0x02FFFF70)) return ToRgb(0x00C0E0FF);
            return ToRgb(0x000060E0);
        case kSymbolMajor:
            return ToRgb(on(0x00FF70FF) ? 0x000000FF : 0x00FF00FF);
        case kSymbolPositionCopy:
            return ToRgb(0x00808080);
        default:
            return {0, 0, 0};
    }
}

}  // namespace lyrasta
