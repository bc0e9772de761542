#include "heb_layout.h"

#include <algorithm>
#include <cmath>

namespace lyrasta::ui {

std::string ItemDrawText(const HxWord& w) {
    if (w.hebrew) return w.text.empty() || w.text.back() != ' ' ? w.text + " " : w.text;
    // A chapter number "(4)" is parted from the verse number ":21" that follows it.
    return w.text.starts_with('(') ? " " + w.text : w.text;
}

int THebLayout::LineStart(int k, int itemCount) const {
    if (k < 0) return 0;
    return k < LineCount() ? lineStarts_[k] : itemCount;
}

FontRole THebLayout::ItemRole(const HxWord& w, int column) const {
    if (RoleOfFont(w.font) == FontRole::Latin) return FontRole::Latin;
    // A word a tutorial writes in scroll letters keeps them in every view.
    if (RoleOfFont(w.font) == FontRole::Scroll) return FontRole::Scroll;
    if (column == 2 || options.viewMode == 0) return FontRole::Modern;
    return FontRole::Scroll;
}

int THebLayout::ItemPoints(const HxWord& w, int column) const {
    const int size = w.font == "TGBS" && w.size == 14 ? options.baseSize : w.size;
    return RoundEven(size * (column == 2 ? m_ : s_));
}

int THebLayout::PointsToPixels(int points) const {
    // Points are scaled by 96 / ppi already, so a point is 96 / 72 pixels of the surface
    // divided back by that factor.
    return RoundEven(points * (96.0 / 72.0) / (options.dpiFactor > 0 ? options.dpiFactor : 1));
}

int THebLayout::ItemPixels(const HxWord& w, int column) const {
    return PointsToPixels(ItemPoints(w, column));
}

FontRole THebLayout::MainRole(int column) const {
    return column == 1 && options.viewMode != 0 ? FontRole::Scroll : FontRole::Modern;
}

int THebLayout::MainPixels(int column) const {
    return PointsToPixels(RoundEven(options.baseSize * (column == 2 ? m_ : s_)));
}

void THebLayout::Scales(int surfaceWidth) {
    const double w = std::max(surfaceWidth, 1);
    const double divisor = options.viewMode == 0 ? 750.0 : 850.0;
    s_ = w / divisor * (options.viewMode == 2 ? 0.5 : 1.0) * options.dpiFactor;
    m_ = w / 750.0 / 1.8 * options.dpiFactor;
    const int margin = RoundEven(options.margin * s_);
    const int gap = RoundEven(options.columnGap * s_);
    if (options.viewMode == 2) {
        const int c = RoundEven((surfaceWidth - (2 * margin + gap) - 25) / 2.0);
        left1_ = margin;
        right1_ = margin + c;
        left2_ = margin + c + gap;
        right2_ = margin + 2 * c + gap;
    } else {
        left1_ = margin;
        right1_ = surfaceWidth - 2 * margin;
        left2_ = left1_;
        right2_ = right1_;
    }
}

void THebLayout::Layout(TWordTable& table, TItemMeasure& measure, int surfaceWidth,
                        int surfaceHeight) {
    // A pre-wrapped reading keeps the scroll's lines, however long: where its widest line
    // does not fit a column, that column's letters are made smaller until it does, so
    // that neither column runs into the other or off the window.
    // Font sizes are whole points: where a smaller scale gave the same size, the next pass
    // goes down further.
    double fit[2] = {1.0, 1.0};
    int before[2] = {0, 0};
    for (int pass = 0; pass < 8; ++pass) {
        LayoutPass(table, measure, surfaceWidth, surfaceHeight, fit);
        if (!options.preWrapped || !options.rtlWrapping) return;
        bool fits = true;
        for (int column = 1; column <= (options.viewMode == 2 ? 2 : 1); ++column) {
            const int room = std::max(1, RightEdge(column) - LeftBound(column));
            int widest = 0;
            for (int k = 0; k < LineCount(); ++k)
                widest = std::max(widest, LineWidth(table, LineStart(k, table.WordCount()),
                                                    LineStart(k + 1, table.WordCount()) - 1, column));
            if (widest > room) {
                const double shrink = 0.98 * room / widest;
                fit[column - 1] *= widest == before[column - 1] ? std::min(shrink, 0.85) : shrink;
                fits = false;
            }
            before[column - 1] = widest;
        }
        if (fits) return;
    }
}

int THebLayout::LineWidth(const TWordTable& table, int a, int b, int column) const {
    int total = 0;
    for (int k = a; k <= b; ++k)
        if (const HxWord& w = *table.Item(k); IsCounted(w, column)) total += column == 1 ? w.width1 : w.width2;
    return total;
}

bool THebLayout::IsCounted(const HxWord& w, int column) const {
    // In the scroll column only what a scroll shows takes room.
    return column == 2 || options.viewMode == 0 || w.scroll;
}

void THebLayout::LayoutPass(TWordTable& table, TItemMeasure& measure, int surfaceWidth,
                            int surfaceHeight, const double fit[2]) {
    Scales(surfaceWidth);
    s_ *= fit[0];
    m_ *= fit[1];
    surfaceHeight_ = surfaceHeight;
    const double factor = options.lineHeightFactor == 0 ? 1.0 : options.lineHeightFactor;
    double mHeight = measure.HeightOfM(MainRole(1), MainPixels(1));
    // The tikkun mode's modern column is the larger script; its lines must fit too.
    if (options.viewMode == 2)
        mHeight = std::max(mHeight, measure.HeightOfM(FontRole::Modern, MainPixels(2)));
    lineHeight_ = std::max(1, static_cast<int>((mHeight + 4) * factor));
    linesPerPage_ = std::max(1, surfaceHeight / lineHeight_);

    lineStarts_.assign(1, 0);
    if (options.rtlWrapping)
        LayoutRightToLeft(table, measure);
    else
        LayoutOwnDirection(table, measure);

    const int lastY = (LineCount() - 1) * lineHeight_;
    scrollEnabled_ = lastY + lineHeight_ >= surfaceHeight;
    scrollMax_ = scrollEnabled_ ? std::max(0, LineCount() - linesPerPage_ / 2) : 0;
}

namespace {

bool IsNumber(const HxWord& w) {
    return !w.hebrew && std::any_of(w.text.begin(), w.text.end(),
                                    [](unsigned char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

void THebLayout::LayoutRightToLeft(TWordTable& table, TItemMeasure& measure) {
    const bool twoColumns = options.viewMode == 2;
    const int n = table.WordCount();
    int x = right1_, x2 = right2_, y = 0;
    auto newLine = [&](int first) {
        x = right1_;
        x2 = right2_;
        y += lineHeight_;
        lineStarts_.push_back(first);
    };
    for (int i = 0; i < n; ++i) {
        HxWord& w = *table.Item(i);
        w.width1 = static_cast<int>(std::lround(
            measure.Width(ItemRole(w, 1), ItemDrawText(w), ItemPixels(w, 1))));
        w.width2 = twoColumns ? static_cast<int>(std::lround(measure.Width(
                                    ItemRole(w, 2), ItemDrawText(w), ItemPixels(w, 2))))
                              : 0;
        // An item that fills a line alone stays on it rather than leave an empty line.
        const bool lineHasItems = lineStarts_.back() < i;
        // Verse numbers go to the next line with the first word of their verse.
        int kept = 0, kept2 = 0;
        if (IsNumber(w)) {
            int j = i + 1;
            while (j < n && IsNumber(*table.Item(j))) ++j;
            if (j < n && table.Item(j)->hebrew)
                for (int k = i + 1; k <= j; ++k) {
                    const HxWord& next = *table.Item(k);
                    kept += static_cast<int>(std::lround(
                        measure.Width(ItemRole(next, 1), ItemDrawText(next), ItemPixels(next, 1))));
                    if (twoColumns)
                        kept2 += static_cast<int>(std::lround(
                            measure.Width(ItemRole(next, 2), ItemDrawText(next), ItemPixels(next, 2))));
                }
        }
        if (!options.preWrapped && lineHasItems &&
            (x - w.width1 - kept < left1_ - 5 || (twoColumns && x2 - w.width2 - kept2 < left2_ - 5)))
            newLine(i);
        x -= w.width1;
        w.x1 = x;
        w.y = y;
        if (twoColumns) {
            x2 -= w.width2;
            w.x2 = x2;
        } else {
            w.x2 = w.x1;
        }
        if (w.lineEnd && (options.preWrapped || !w.scroll) && i + 1 < n) newLine(i + 1);
    }
    for (int k = 0; k + 1 < LineCount(); ++k) {
        const int a = lineStarts_[k], b = lineStarts_[k + 1] - 1;
        Justify(table, a, b, 1);
        if (twoColumns) Justify(table, a, b, 2);
    }
}

void THebLayout::LayoutOwnDirection(TWordTable& table, TItemMeasure& measure) {
    const int n = table.WordCount();
    int x = right1_, y = 0;
    bool directionChosen = false, rtl = true;
    auto newLine = [&](int first) {
        y += lineHeight_;
        lineStarts_.push_back(first);
        directionChosen = false;
    };
    for (int i = 0; i < n; ++i) {
        HxWord& w = *table.Item(i);
        const FontRole role = RoleOfFont(w.font);
        const int px = PointsToPixels(ItemPoints(w, 1));
        w.width1 = static_cast<int>(std::lround(measure.Width(role, ItemDrawText(w), px)));
        w.width2 = 0;
        const bool itemRtl = w.rtl || w.hebrew;
        const bool lineHasItems = lineStarts_.back() < i;
        if (directionChosen && lineHasItems && !options.preWrapped &&
            (rtl ? x - w.width1 < left1_ - 5 : x + w.width1 > right1_ - 5))
            newLine(i);
        if (!directionChosen || (itemRtl && !rtl)) {
            rtl = itemRtl;
            x = rtl ? right1_ : left1_;
            directionChosen = true;
        }
        if (rtl) {
            x -= w.width1;
            w.x1 = x;
        } else {
            w.x1 = x;
            x += w.width1;
        }
        w.x2 = w.x1;
        w.y = y;
        if (w.lineEnd && i + 1 < n) newLine(i + 1);
    }
}

void THebLayout::Justify(TWordTable& table, int a, int b, int column) {
    if (a < b && table.Item(a)->text == kLineStartMark) ++a;
    // Paragraph marks among the line's other items: an open mark ends the search (and
    // counts as closed when it is not the line's last item); at most two closed marks.
    std::vector<int> closed;
    bool endsOpen = false;
    for (int k = a; k <= b && closed.size() < 2; ++k) {
        const HxWord& w = *table.Item(k);
        if (w.hebrew) continue;
        if (w.text == kOpenParagraph) {
            if (k == b) endsOpen = true;
            else closed.push_back(k);
            break;
        }
        if (w.text == kClosedParagraph) closed.push_back(k);
    }
    if (b - a < 3 || endsOpen) return;

    const int left = LeftBound(column), right = RightEdge(column);
    auto counted = [&](const HxWord& w) { return IsCounted(w, column); };
    auto width = [&](const HxWord& w) { return column == 1 ? w.width1 : w.width2; };
    auto place = [&](HxWord& w, int x) { (column == 1 ? w.x1 : w.x2) = x; };

    int n = 0;
    for (int k = a; k <= b; ++k) n += counted(*table.Item(k));
    const int total = LineWidth(table, a, b, column);
    n = std::max(n, 1);
    // An overfull line (a long pre-wrapped line) keeps its items apart rather than overlap.
    const int gap = std::max(0, RoundEven(static_cast<double>(right - left - total) / n));
    const int slackUnits = column == 2 && closed.size() == 1 ? b - a : n;
    const int shift = closed.size() == 1 ? gap * slackUnits
                                         : RoundEven(static_cast<double>(gap) * n / 2);

    int x = right;
    bool first = true;
    size_t nextMark = 0;
    for (int k = a; k <= b; ++k) {
        HxWord& w = *table.Item(k);
        if (!counted(w)) {
            place(w, x);
            continue;
        }
        int pos = x - width(w);
        if (closed.empty()) {
            if (!first) pos -= gap;
        } else if (nextMark < closed.size() && k > closed[nextMark]) {
            pos -= shift;
            ++nextMark;
        }
        place(w, pos);
        x = pos;
        first = false;
    }
}

}  // namespace lyrasta::ui
