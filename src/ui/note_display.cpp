#include "note_display.h"

#include <QPainter>
#include <QPainterPath>

namespace lyrasta::ui {

TNoteDisplay::TNoteDisplay(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

void TNoteDisplay::ShowWord(const LetterList& letters) {
    symbols_ = StaffSymbols(letters);
    updateGeometry();
    update();
}

namespace {

// One pixel of the staff's offsets: the panel's height holds the staff with room for two
// ledger lines above and four below, and a line of syllables.
double UnitOf(int height) { return height / 75.0; }

// The width of a symbol's piece of staff; `step` is half a staff space.
double PieceWidth(const TStaffSymbol& s, double step) {
    const double note = 10 * step;
    return s.kind == StaffKind::Clef                   ? 6 * step
           : s.shortPiece                              ? 3 * step
           : s.accidental != Accidental::None ? note + 2.5 * step
                                                       : note;
}

constexpr double kStepUnits = 2.75;  // half a staff space, in units

// A treble clef drawn as one stroke around the G line.
void DrawClef(QPainter& p, double x, double gLine, double step) {
    QPainterPath path;
    const double s = step;  // half the distance between two staff lines
    path.moveTo(x + 1.2 * s, gLine + 7 * s);
    path.cubicTo(x + 2.6 * s, gLine + 7 * s, x + 2.6 * s, gLine + 5 * s, x + 1.4 * s, gLine + 5 * s);
    path.moveTo(x + 2.2 * s, gLine + 6.5 * s);
    path.lineTo(x + 1.6 * s, gLine - 7 * s);
    path.cubicTo(x + 3.4 * s, gLine - 5.5 * s, x + 3.2 * s, gLine - 3 * s, x + 0.4 * s, gLine + 0.5 * s);
    path.cubicTo(x - 1 * s, gLine + 2.5 * s, x + 1 * s, gLine + 4.6 * s, x + 2.6 * s, gLine + 3.6 * s);
    path.cubicTo(x + 4.2 * s, gLine + 2.4 * s, x + 3 * s, gLine - 0.6 * s, x + 1.8 * s, gLine - 0.4 * s);
    path.cubicTo(x + 0.8 * s, gLine - 0.2 * s, x + 0.6 * s, gLine + 1.6 * s, x + 1.9 * s, gLine + 2 * s);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(p.pen().color(), std::max(1.0, s * 0.45)));
    p.drawPath(path);
    p.restore();
}

void DrawFlat(QPainter& p, double x, double y, double s) {
    QPainterPath path;
    path.moveTo(x, y - 3.2 * s);
    path.lineTo(x, y + 1 * s);
    path.cubicTo(x + 2.2 * s, y - 0.2 * s, x + 1.8 * s, y - 1.8 * s, x, y - 0.6 * s);
    p.drawPath(path);
}

void DrawNatural(QPainter& p, double x, double y, double s) {
    p.drawLine(QPointF(x, y - 2.6 * s), QPointF(x, y + 1 * s));
    p.drawLine(QPointF(x + 1.4 * s, y - 1 * s), QPointF(x + 1.4 * s, y + 2.6 * s));
    p.drawLine(QPointF(x, y - 0.6 * s), QPointF(x + 1.4 * s, y - 1.2 * s));
    p.drawLine(QPointF(x, y + 1.2 * s), QPointF(x + 1.4 * s, y + 0.6 * s));
}

// A quarter tone down: a flat with a stroke through its stem, as the eastern modes write it.
void DrawHalfFlat(QPainter& p, double x, double y, double s) {
    DrawFlat(p, x, y, s);
    p.drawLine(QPointF(x - 0.8 * s, y - 1.6 * s), QPointF(x + 0.8 * s, y - 2.4 * s));
}

// A quarter tone up: a sharp with a single upright.
void DrawHalfSharp(QPainter& p, double x, double y, double s) {
    p.drawLine(QPointF(x + 0.7 * s, y - 2.6 * s), QPointF(x + 0.7 * s, y + 2.6 * s));
    p.drawLine(QPointF(x - 0.2 * s, y - 0.5 * s), QPointF(x + 1.6 * s, y - 1.1 * s));
    p.drawLine(QPointF(x - 0.2 * s, y + 1.1 * s), QPointF(x + 1.6 * s, y + 0.5 * s));
}

}  // namespace

void TNoteDisplay::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintStaff(p, symbols_, height());
}

void PaintStaff(QPainter& p, const std::vector<TStaffSymbol>& symbols, int height) {
    p.setRenderHint(QPainter::Antialiasing);
    if (symbols.empty()) return;
    const double unit = UnitOf(height);
    const double top = 32 * unit;                  // the reference line (offset 0)
    const double step = kStepUnits * unit;
    auto yOf = [&](int offset) { return top + offset * unit; };
    p.setPen(QPen(Qt::black, std::max(1.0, unit * 0.5)));
    QFont syllableFont("Liberation Sans");
    syllableFont.setPixelSize(std::max(8, static_cast<int>(9 * unit)));
    p.setFont(syllableFont);

    double x = 10 * unit;
    for (const TStaffSymbol& s : symbols) {
        const double width = PieceWidth(s, step);
        for (int line : kStaffLineOffsets) p.drawLine(QPointF(x, yOf(line)), QPointF(x + width, yOf(line)));
        if (s.kind == StaffKind::Clef) DrawClef(p, x + step, yOf(-3), step);
        if (s.kind == StaffKind::Note) {
            double nx = x + 2 * step;
            const double ny = yOf(s.offset);
            p.setBrush(Qt::black);
            if (s.accidental == Accidental::Flat) DrawFlat(p, nx, ny, step);
            if (s.accidental == Accidental::Natural) DrawNatural(p, nx, ny, step);
            if (s.accidental == Accidental::HalfFlat) DrawHalfFlat(p, nx, ny, step);
            if (s.accidental == Accidental::HalfSharp) DrawHalfSharp(p, nx, ny, step);
            if (s.accidental != Accidental::None) nx += 2.5 * step;
            for (int l : LedgerOffsets(s.offset))
                p.drawLine(QPointF(nx - step * 0.8, yOf(l)), QPointF(nx + step * 3.2, yOf(l)));
            // Note head: open for whole and half notes.
            p.save();
            p.translate(nx + 1.2 * step, ny);
            p.rotate(-20);
            p.setBrush(s.value <= 2 ? QBrush(Qt::NoBrush) : QBrush(Qt::black));
            p.drawEllipse(QPointF(0, 0), 1.35 * step, 0.95 * step);
            p.restore();
            if (s.value >= 2) {  // stem, and flags for eighths and shorter
                const double sx = s.stemDown ? nx : nx + 2.4 * step;
                const double dir = s.stemDown ? 1 : -1;
                const double tip = ny + dir * 7 * step;
                p.drawLine(QPointF(sx, ny), QPointF(sx, tip));
                const int flags = s.value >= 8 ? (s.value == 8 ? 1 : s.value == 16 ? 2 : 3) : 0;
                for (int f = 0; f < flags; ++f) {
                    const double fy = tip - dir * f * 1.6 * step;
                    p.drawLine(QPointF(sx, fy), QPointF(sx + 2 * step, fy - dir * -2.4 * step));
                }
            }
            for (int d = 0; d < s.dots; ++d)
                p.drawEllipse(QPointF(nx + 3.6 * step + d * 1.2 * step, ny - 0.6 * step), 0.35 * step,
                              0.35 * step);
            p.setBrush(Qt::NoBrush);
        }
        if (!s.syllable.empty())
            p.drawText(QPointF(x + 2 * step - 4 * unit, height - 4 * unit),
                       QString::fromStdString(s.syllable));
        x += width;
    }
}

int StaffWidth(const std::vector<TStaffSymbol>& symbols, int height) {
    const double unit = UnitOf(height);
    double width = 20 * unit;
    for (const TStaffSymbol& s : symbols) width += PieceWidth(s, kStepUnits * unit);
    return static_cast<int>(width + 0.5);
}

QImage StaffImage(const std::vector<TStaffSymbol>& symbols, int height) {
    QImage image(symbols.empty() ? 1 : StaffWidth(symbols, height), height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    PaintStaff(p, symbols, height);
    return image;
}

QSize TNoteDisplay::minimumSizeHint() const { return QSize(StaffWidth(symbols_, height()), 0); }

}  // namespace lyrasta::ui
