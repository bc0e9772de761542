#pragma once
// TfrmHebCal: the calendar window. One civil month as a grid of day cells with the Hebrew
// date, Omer count, holiday, weekly portion, special Sabbath and Rosh Chodesh; month and
// year buttons and the location; clicking a day selects its reading in the open-reading
// dialog, "Open reading" closes the window to open it. A thin view over DrawCal and
// CalcItemsForDay.

#include <QDialog>

#include <array>

#include "readings/calendar_month.h"

class QLabel;
class QRadioButton;

namespace lyrasta::ui {

class TfrmOpenReading;
class TCalendarDay;

class TfrmHebCal : public QDialog {
    Q_OBJECT
public:
    explicit TfrmHebCal(TfrmOpenReading& dialog, QWidget* parent = nullptr);

    // Draws the month of a civil date and makes it the current date.
    void DrawCal(int day, int month, int year);
    // Selects the current day's reading in the open-reading dialog.
    void CalcItemsForDay();
    // Clicks the cell of a civil day of the shown month.
    void ClickDay(int day);

    const TCalendarMonth& Month() const { return month_; }
    int Day() const { return day_; }
    int MonthNumber() const { return monthNumber_; }
    int Year() const { return year_; }

signals:
    // The Help button: the user guide's page on the calendar.
    void HelpRequested(const QString& context);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Step(int months);
    void Redraw() { DrawCal(day_, monthNumber_, year_); }

    TfrmOpenReading& dialog_;
    TCalendarMonth month_;
    int day_ = 0, monthNumber_ = 0, year_ = 0;  // year 0: not set, today is shown
    std::array<TCalendarDay*, kCalendarCells> cells_{};
    QLabel* lblCMonth_ = nullptr;
    QLabel* lblHMonth_ = nullptr;
    QLabel* lblDateInfo_ = nullptr;
    QRadioButton* rbIsrael_ = nullptr;
};

}  // namespace lyrasta::ui
