#pragma once
// The calendar window's content without the window: the day cells of a civil month with
// their Hebrew date, Omer count, holiday, weekly portion and special Sabbath, and Rosh
// Chodesh, the month headers, and what clicking a day selects in the open-reading dialog.

#include <array>
#include <cstdint>
#include <string>

#include "readings/hebrew_calendar.h"

namespace lyrasta {

// One cell of the month grid (column 0 Sunday); civilDay 0 is an empty, hidden cell.
struct TCalendarCell {
    int civilDay = 0;
    int weekday = 0;              // 1 Sunday ... 7 Saturday
    std::string hebrewDate;       // "24 Kislev"
    std::string omer;             // "Eve Omer 3"
    std::string holiday;          // "Chanukah Day 1"
    bool holidayReading = false;  // the holiday has its own reading (purple)
    std::string portion;          // the Sabbath's, or on Monday and Thursday the coming one's
    std::string special;          // the special Sabbath ("Shabbas Shekalim")
    bool specialReading = false;
    int roshChodeshLine = 0;      // 0 none, else the line (33 or 44) "Rosh Chodesh" is drawn at
    bool roshChodeshUnplaced = false;  // Rosh Chodesh with no free line for it
};

constexpr int kCalendarCells = 37;

struct TCalendarMonth {
    std::array<TCalendarCell, kCalendarCells> cells;
    std::string civilHeader;   // "Dec. 2025"
    std::string hebrewHeader;  // "Kislev 5786/Tevet 5786"
};

// The month of a civil date (month 1-12) for Israel or the Diaspora.
TCalendarMonth DrawCal(int month, std::int32_t year, bool israel);

// What clicking a day selects in the open-reading dialog.
struct TDayChoice {
    std::string reading;     // the portion or holiday caption to select; empty: none
    bool weekday = false;    // a Monday or Thursday: its "Weekday" Torah option
    bool holidayTab = false; // the holiday tab rather than the portions
    std::int32_t hebrewYear = 0;
    std::string dateInfo;    // "3-14-2025:Tzav:24", "3-14-2025:Purim ", "3-14-2025"
    bool operator==(const TDayChoice&) const = default;
};
TDayChoice CalcItemsForDay(int day, int month, std::int32_t year, bool israel);

}  // namespace lyrasta
