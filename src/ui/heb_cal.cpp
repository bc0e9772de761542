#include "heb_cal.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <functional>

#include "ui/open_reading_dialog.h"

namespace lyrasta::ui {

namespace {

constexpr int kCellWidth = 87, kCellHeight = 58, kColumnStep = 89, kRowStep = 60, kGridTop = 65;
const QColor kSilver(192, 192, 192), kPurple(128, 0, 128), kGrey(128, 128, 128);

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

// One day of the grid: its texts drawn on silver, raised or lowered.
class TCalendarDay : public QFrame {
public:
    explicit TCalendarDay(QWidget* parent) : QFrame(parent) {
        setFrameShape(QFrame::Panel);
        setLineWidth(2);
        resize(kCellWidth, kCellHeight);
    }
    void Show(const TCalendarCell& cell, bool lowered) {
        cell_ = cell;
        setFrameShadow(lowered ? QFrame::Sunken : QFrame::Raised);
        update();
    }
    const TCalendarCell& Cell() const { return cell_; }
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && onClick) onClick();
    }
    void paintEvent(QPaintEvent* e) override {
        QPainter p(this);
        p.fillRect(rect(), kSilver);
        auto text = [&](const std::string& s, const QColor& colour, int pixels, int y, bool right = false) {
            if (s.empty()) return;
            QFont f("Liberation Sans");
            f.setPixelSize(pixels);
            p.setFont(f);
            p.setPen(colour);
            const QFontMetrics m(f);
            const int x = right ? width() - m.horizontalAdvance(Q(s)) - 3 : 3;
            p.drawText(x, y + m.ascent(), Q(s));
        };
        constexpr int kSmall = 9, kMedium = 11, kLarge = 22;
        text(std::to_string(cell_.civilDay), Qt::blue, kLarge, 0, true);
        text(cell_.hebrewDate, Qt::black, kMedium, 1);
        text(cell_.omer, kGrey, kSmall, 12);
        text(cell_.portion, kPurple, kSmall, 22);
        text(cell_.special, cell_.specialReading ? kPurple : QColor(Qt::black), kSmall, 33);
        text(cell_.holiday, cell_.holidayReading ? kPurple : QColor(Qt::black), kSmall, 44);
        if (cell_.roshChodeshLine) text("Rosh Chodesh", kPurple, kSmall, cell_.roshChodeshLine);
        p.end();
        QFrame::paintEvent(e);
    }

private:
    TCalendarCell cell_;
};

TfrmHebCal::TfrmHebCal(TfrmOpenReading& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog) {
    setObjectName("frmHebCal");
    setWindowTitle("Lyrasta Calendar");
    const int width = 2 + kColumnStep * 7 + 2;
    setFixedSize(width, kGridTop + kRowStep * 6 + 44);
    lblCMonth_ = new QLabel(this);
    lblCMonth_->setObjectName("lblCMonth");
    lblCMonth_->setGeometry(8, 4, 150, 24);
    QFont big = lblCMonth_->font();
    big.setPixelSize(18);
    big.setBold(true);
    lblCMonth_->setFont(big);
    lblHMonth_ = new QLabel(this);
    lblHMonth_->setObjectName("lblHMonth");
    lblHMonth_->setGeometry(160, 4, 300, 24);
    lblHMonth_->setFont(big);
    auto spin = [this](const char* name, const char* hint, int x, int step) {
        auto* up = new QToolButton(this);
        up->setObjectName(QString(name) + "Up");
        up->setArrowType(Qt::UpArrow);
        up->setToolTip(hint);
        up->setGeometry(x, 2, 20, 13);
        auto* down = new QToolButton(this);
        down->setObjectName(QString(name) + "Down");
        down->setArrowType(Qt::DownArrow);
        down->setToolTip(hint);
        down->setGeometry(x, 16, 20, 13);
        connect(up, &QToolButton::clicked, this, [this, step] { Step(step); });
        connect(down, &QToolButton::clicked, this, [this, step] { Step(-step); });
    };
    spin("spinMonth", "Month", 470, 1);
    spin("spinYear", "Year", 494, 12);
    const char* days[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Shabbas"};
    for (int i = 0; i < 7; ++i) {
        auto* l = new QLabel(days[i], this);
        l->setGeometry(2 + kColumnStep * i, kGridTop - 20, kCellWidth, 18);
        l->setAlignment(Qt::AlignCenter);
    }
    for (int k = 0; k < kCalendarCells; ++k) {
        cells_[k] = new TCalendarDay(this);
        cells_[k]->move(2 + kColumnStep * (k % 7), kGridTop + kRowStep * (k / 7));
        cells_[k]->onClick = [this, k] { ClickDay(cells_[k]->Cell().civilDay); };
    }
    // The last row holds only the 36th and 37th day cells; the controls take the rest.
    const int bottom = kGridTop + kRowStep * 5 + 4;
    auto* location = new QGroupBox("Location", this);
    location->setObjectName("rgIsrael");
    location->setGeometry(2 + kColumnStep * 2 + 4, bottom, 180, 58);
    auto* row = new QHBoxLayout(location);
    auto* diaspora = new QRadioButton("Diaspora", location);
    rbIsrael_ = new QRadioButton("Israel", location);
    row->addWidget(diaspora);
    row->addWidget(rbIsrael_);
    diaspora->setChecked(true);
    connect(rbIsrael_, &QRadioButton::toggled, this, [this](bool israel) {
        if (israel == dialog_.Model().Israel()) return;
        dialog_.SetIsrael(israel);
        if (isVisible()) Redraw();
    });
    int x = width - 3 * 88;
    for (const auto& [caption, name] : {std::pair{"&Open reading", "cmdOpen"}, std::pair{"&Cancel", "cmdCancel"},
                                        std::pair{"&Help", "cmdHelp"}}) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(x, bottom + 14, 84, 28);
        x += 88;
        if (std::string(name) == "cmdOpen") connect(b, &QPushButton::clicked, this, &QDialog::accept);
        else if (std::string(name) == "cmdCancel") connect(b, &QPushButton::clicked, this, &QDialog::reject);
        else connect(b, &QPushButton::clicked, this, [this] { emit HelpRequested("calendar"); });
    }
    lblDateInfo_ = new QLabel(this);
    lblDateInfo_->setObjectName("lblDateInfo");
    lblDateInfo_->hide();
}

void TfrmHebCal::showEvent(QShowEvent* event) {
    rbIsrael_->setChecked(dialog_.Model().Israel());
    if (year_ == 0) {
        const CivilDate today = Today();
        DrawCal(today.day, today.month, today.year);
    } else {
        Redraw();
    }
    QDialog::showEvent(event);
}

void TfrmHebCal::DrawCal(int day, int month, int year) {
    day_ = day;
    monthNumber_ = month;
    year_ = year;
    month_ = lyrasta::DrawCal(month, year, dialog_.Model().Israel());
    bool unplaced = false;
    for (int k = 0; k < kCalendarCells; ++k) {
        const TCalendarCell& c = month_.cells[k];
        cells_[k]->setVisible(c.civilDay != 0);
        cells_[k]->Show(c, c.civilDay == day_);
        unplaced = unplaced || c.roshChodeshUnplaced;
    }
    lblCMonth_->setText(Q(month_.civilHeader));
    lblHMonth_->setText(Q(month_.hebrewHeader));
    if (unplaced && isVisible()) QMessageBox::information(this, "", "Could not write Rosh Chodesh");
}

void TfrmHebCal::Step(int months) {
    int m = monthNumber_ - 1 + months;
    int y = year_ + (m < 0 ? -1 - (-m - 1) / 12 : m / 12);
    m = ((m % 12) + 12) % 12 + 1;
    y = std::clamp(y, 1840, 2239);  // the Hebrew years 5600-6000
    const CivilDate clipped = ClipCivilDate(y, m, day_);
    DrawCal(clipped.day, clipped.month, clipped.year);
}

void TfrmHebCal::ClickDay(int day) {
    if (day <= 0) return;
    for (TCalendarDay* c : cells_) c->Show(c->Cell(), c->Cell().civilDay == day);
    day_ = day;
    CalcItemsForDay();
}

void TfrmHebCal::CalcItemsForDay() {
    const TDayChoice choice = lyrasta::CalcItemsForDay(day_, monthNumber_, year_, dialog_.Model().Israel());
    lblDateInfo_->setText(Q(choice.dateInfo));
    dialog_.SetYear(choice.hebrewYear);
    if (choice.reading.empty()) return;
    dialog_.SelectReading(choice.reading);
    if (choice.weekday) dialog_.SelectTorahOption("Weekday");
    dialog_.ShowTab(choice.holidayTab ? 1 : 0);
}

}  // namespace lyrasta::ui
