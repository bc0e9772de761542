#include "heb_view.h"

#include <QCoreApplication>
#include <QGlyphRun>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <utility>

#include "ui/mark_colours.h"
#include "ui/word_keys.h"

namespace lyrasta::ui {

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

bool IsParagraphMark(const std::string& text) {
    return text == kOpenParagraph || text == kClosedParagraph;
}

class FontMeasure : public TItemMeasure {
public:
    explicit FontMeasure(TDisplayFonts& fonts) : fonts_(fonts) {}
    double Width(FontRole role, const std::string& text, int px) override {
        return fonts_.Shape(role, text, px).width;
    }
    double HeightOfM(FontRole role, int px) override { return fonts_.LineHeight(role, px); }

private:
    TDisplayFonts& fonts_;
};

}  // namespace

THebViewClass::THebViewClass(TDisplayFonts& fonts, QWidget* parent)
    : QWidget(parent), fonts_(fonts), scrollBar_(new QScrollBar(Qt::Vertical, this)) {
    groupColours_.fill(kWhite);
    resize(425, 193);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(scrollBar_, &QScrollBar::valueChanged, this, [this] { update(); });
    scrollBar_->setEnabled(false);
    // A click on the text gives it the keyboard, so that the keys move through the words
    // instead of changing whichever box had them before.
    setFocusPolicy(Qt::StrongFocus);
    scrollBar_->setFocusPolicy(Qt::NoFocus);
}

THebViewClass::~THebViewClass() = default;

void THebViewClass::Clear() {
    table_.Clear();
    scrollBar_->setValue(0);
    Layout();
}

int THebViewClass::SurfaceWidth() const { return std::max(0, width() - kScrollBarWidth); }
int THebViewClass::SurfaceHeight() const { return height(); }

void THebViewClass::Layout() {
    if (const QWidget* w = window(); w && w->logicalDpiX() > 0)
        layout_.options.dpiFactor = 96.0 / w->logicalDpiX();
    FontMeasure measure(fonts_);
    layout_.Layout(table_, measure, SurfaceWidth(), SurfaceHeight());
    categoryCache_.assign(table_.WordCount(), {});
    const QSignalBlocker block(scrollBar_);
    scrollBar_->setEnabled(layout_.ScrollEnabled());
    scrollBar_->setRange(0, layout_.ScrollMax());
    scrollBar_->setSingleStep(1);
    scrollBar_->setPageStep(layout_.LinesPerPage());
    if (!layout_.ScrollEnabled()) scrollBar_->setValue(0);
    update();
}

void THebViewClass::SetViewMode(int mode) {
    layout_.options.viewMode = std::clamp(mode, 0, 2);
    Layout();
}

void THebViewClass::SetBaseFont(int size) {
    layout_.options.baseSize = size;
    Layout();
}

void THebViewClass::SetGroupColour(int group, Rgb colour) {
    if (group >= 0 && group < kGroupCount) groupColours_[group] = colour;
    update();
}

Rgb THebViewClass::GroupColour(int group) const {
    return group >= 0 && group < kGroupCount ? groupColours_[group] : kWhite;
}

void THebViewClass::SetSymbolColouring(SymbolCategories categories, SymbolColourFunction colour) {
    categories_ = std::move(categories);
    symbolColour_ = std::move(colour);
    categoryCache_.assign(table_.WordCount(), {});
    update();
}

void THebViewClass::SetSelectedWord(int i) {
    table_.SetSelectedWord(i);
    update();
}

int THebViewClass::ScrollPosition() const { return scrollBar_->value(); }

void THebViewClass::SetScrollPosition(int pos) {
    scrollBar_->setValue(std::clamp(pos, 0, layout_.ScrollMax()));
    update();
}

void THebViewClass::ScrollLineUp() { SetScrollPosition(ScrollPosition() - 1); }
void THebViewClass::ScrollLineDown() { SetScrollPosition(ScrollPosition() + 1); }

void THebViewClass::ShowWord(int i, bool scroll) {
    const bool valid = i >= 0 && i < WordCount();
    table_.SetSelectedWord(valid ? i : -1);
    if (scroll && valid) {
        const int line = layout_.LineOf(*table_.Item(i));
        const int pos = ScrollPosition();
        // Bring the word's line in as the second line of the window.
        if (line < pos || line + 1 > pos + layout_.LinesPerPage() - 1)
            SetScrollPosition(std::max(0, line - 1));
    }
    repaint();
    emit WordShown(SelectedWord());
    QCoreApplication::processEvents();
}

int THebViewClass::HitTest(QPoint p) const {
    const int n = WordCount();
    if (n == 0 || p.y() < 0) return -1;
    const int line = p.y() / layout_.LineHeight() + ScrollPosition();
    if (line >= layout_.LineCount()) return -1;
    int hit = -1;
    const int end = layout_.LineStart(line + 1, n);
    for (int k = layout_.LineStart(line, n); k < end; ++k) {
        const HxWord& w = *table_.Item(k);
        const bool inMain = w.x1 < p.x() && p.x() < w.x1 + w.width1;
        const bool inModern = ViewMode() == 2 && w.x2 < p.x() && p.x() < w.x2 + w.width2;
        if (!inMain && !inModern) continue;
        hit = k;
        if (w.hebrew) break;
    }
    return hit;
}

void THebViewClass::mouseReleaseEvent(QMouseEvent* e) {
    if (e->position().x() >= SurfaceWidth()) return;
    const int n = WordCount();
    const int line = static_cast<int>(e->position().y()) / layout_.LineHeight() + ScrollPosition();
    if (n == 0 || line >= layout_.LineCount()) return;  // below the text: nothing happens
    const int previous = SelectedWord();
    int hit = HitTest(e->position().toPoint());
    if (hit >= 0 && table_.Item(hit)->pairFirst >= 0) hit = table_.Item(hit)->pairFirst;
    if (hit >= 0 && table_.IsHebrewWord(hit))
        ShowWord(hit, false);
    else
        SetSelectedWord(previous);
    emit OnimgMouseUp();
}

void THebViewClass::mouseDoubleClickEvent(QMouseEvent*) { emit OnimgDblClick(); }

void THebViewClass::wheelEvent(QWheelEvent* e) {
    if (e->angleDelta().y() < 0) ScrollLineDown();
    else if (e->angleDelta().y() > 0) ScrollLineUp();
}

void THebViewClass::keyPressEvent(QKeyEvent* e) {
    static const std::pair<int, WordKey> kKeys[] = {
        {Qt::Key_Left, WordKey::Next},        {Qt::Key_Right, WordKey::Previous},
        {Qt::Key_Up, WordKey::LineUp},        {Qt::Key_Down, WordKey::LineDown},
        {Qt::Key_PageUp, WordKey::PageUp},    {Qt::Key_PageDown, WordKey::PageDown},
        {Qt::Key_Home, WordKey::First},       {Qt::Key_End, WordKey::Last}};
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return QWidget::keyPressEvent(e);
    if (e->key() == Qt::Key_Space) {
        emit SpacePressed();
        return;
    }
    for (const auto& [code, key] : kKeys) {
        if (e->key() != code) continue;
        if (WordCount() > 0) {
            ShowWord(WordAfterKey(table_, layout_, SelectedWord(), key), true);
            emit OnimgMouseUp();
        }
        return;
    }
    QWidget::keyPressEvent(e);
}

void THebViewClass::resizeEvent(QResizeEvent*) {
    scrollBar_->setGeometry(width() - kScrollBarWidth, 0, kScrollBarWidth, height());
    Layout();
}

void THebViewClass::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setClipRect(0, 0, SurfaceWidth(), SurfaceHeight());
    Paint(painter);
}

bool THebViewClass::IsDrawnSelected(int index) const {
    const HxWord& w = *table_.Item(index);
    const int sel = SelectedWord();
    if (!w.hebrew || sel < 0) return false;
    return sel == index || (w.pairFirst >= 0 && w.pairFirst <= sel && sel <= w.pairLast);
}

void THebViewClass::Paint(QPainter& painter) {
    painter.fillRect(0, 0, SurfaceWidth(), SurfaceHeight(), Qt::white);
    const int pos = ScrollPosition();
    PaintLines(painter, pos, std::min(pos + layout_.LinesPerPage() + 1, layout_.LineCount()), TPaintStyle{});
}

void THebViewClass::PaintLines(QPainter& painter, int firstLine, int endLine, const TPaintStyle& style) {
    const int width = SurfaceWidth();
    const int n = WordCount();
    if (n == 0) return;
    const int lh = layout_.LineHeight();
    const int first = layout_.LineStart(firstLine, n);
    const int last = layout_.LineStart(endLine, n);
    for (int i = first; i < last; ++i) {
        const HxWord& w = *table_.Item(i);
        if ((ViewMode() == 0 || w.scroll) && (w.hebrew || !IsParagraphMark(w.text)))
            PaintItem(painter, i, 1, firstLine, style);
        if (w.rule) {
            const int y = w.y - (firstLine - 1) * lh - 2;
            painter.setPen(Qt::black);
            if (ViewMode() == 2) {
                painter.drawLine(10, y, width / 2 - 20, y);
                painter.drawLine(width / 2 - 5, y, width - 20, y);
            } else {
                painter.drawLine(10, y, width - 10, y);
            }
        }
    }
    if (ViewMode() != 2) return;
    for (int i = first; i < last; ++i) {
        const HxWord& w = *table_.Item(i);
        if (w.hebrew || !IsParagraphMark(w.text)) PaintItem(painter, i, 2, firstLine, style);
    }
}

void THebViewClass::PaintItem(QPainter& painter, int index, int column, int topLine,
                              const TPaintStyle& style) {
    const HxWord& w = *table_.Item(index);
    const FontRole role = layout_.ItemRole(w, column);
    const int px = layout_.ItemPixels(w, column);
    const int lh = layout_.LineHeight();
    const double factor =
        layout_.options.lineHeightFactor == 0 ? 1.0 : layout_.options.lineHeightFactor;

    Rgb b = showTropeGroups_ ? GroupColour(w.group) : kWhite;
    if (style.background) b = style.background(b);
    Rgb fill = b, ink = role == FontRole::Scroll || !style.colourInk ? kBlack : w.colour;
    if (style.selection && IsDrawnSelected(index)) {
        fill = kSelectionFill;
        // The group colour becomes the text colour on the highlight, where it reads well
        // enough; black or white otherwise.
        ink = SelectedInk(b, column);
    }
    // Smaller text (verse numbers, labels) sits low in the line.
    int q = 0;
    if (px != layout_.MainPixels(column)) {
        const double m = fonts_.LineHeight(role, px) * (column == 1 ? factor : 1.0);
        q = std::max(0, static_cast<int>((lh - m) * 3 / 4));  // larger text keeps its top
    }
    const int x = column == 1 ? w.x1 : w.x2;
    const int width = column == 1 ? w.width1 : w.width2;
    const int top = w.y - topLine * lh + q;

    if (w.hebrew) painter.fillRect(x, top, width, lh - 4, ToQColor(fill));
    if (w.underline && showUnderlines_) {
        painter.setPen(ToQColor(ink));
        painter.drawLine(x, top + lh - 2, x + width, top + lh - 2);
    }

    const ShapedText& shaped = fonts_.Shape(role, ItemDrawText(w), px);
    if (shaped.glyphs.empty()) return;
    // Each glyph takes the colour of the code point it came from: the trope symbols
    // their category's colour, everything else the text colour.
    // Scroll letters carry no marks; the modern letters' categories are kept per layout.
    static const std::vector<int> kNone;
    const std::vector<int>* categories = &kNone;
    if (role == FontRole::Modern && w.font.rfind("TGB", 0) == 0 && categories_ && symbolColour_ &&
        index < static_cast<int>(categoryCache_.size())) {
        std::vector<int>& cached = categoryCache_[index];
        if (cached.size() != shaped.text.size()) cached = categories_(w, shaped.text);
        categories = &cached;
    }
    struct Run {
        Rgb colour;
        QList<quint32> glyphs;
        QList<QPointF> points;
    };
    std::vector<Run> runs;  // one per colour, a word has few
    for (const ShapedGlyph& g : shaped.glyphs) {
        int category = g.source < static_cast<int>(categories->size()) ? (*categories)[g.source] : 0;
        if (!showTropeColors_ && category != 4) category = 0;
        if (!style.colourInk) category = 0;
        const Rgb c = category == 0            ? ink
                      : style.symbolColour ? style.symbolColour(category, fill)
                                           : symbolColour_(category, fill);
        auto run = std::find_if(runs.begin(), runs.end(), [&](const Run& r) { return r.colour == c; });
        if (run == runs.end()) run = runs.insert(runs.end(), Run{c, {}, {}});
        run->glyphs.push_back(g.glyph);
        run->points.push_back(QPointF(g.x, g.y));
    }
    const QRawFont& raw = fonts_.RawFont(role, px);
    const QPointF origin(x, top + fonts_.Ascent(role, px));
    for (const Run& r : runs) {
        QGlyphRun glyphRun;
        glyphRun.setRawFont(raw);
        glyphRun.setGlyphIndexes(r.glyphs);
        glyphRun.setPositions(r.points);
        painter.setPen(ToQColor(r.colour));
        painter.drawGlyphRun(origin, glyphRun);
    }
}

}  // namespace lyrasta::ui
