// The calendar window's month grid and what a click on a day selects, on real months.

#include <gtest/gtest.h>

#include "readings/calendar_month.h"

namespace lyrasta {
namespace {

// The cell of a civil day.
const TCalendarCell& Cell(const TCalendarMonth& m, int day) {
    for (const TCalendarCell& c : m.cells)
        if (c.civilDay == day) return c;
    static const TCalendarCell none;
    return none;
}

TEST(CalendarMonth, GridAndHeaders) {
    // December 2024 begins on a Sunday and has 31 days.
    const TCalendarMonth dec = DrawCal(12, 2024, false);
    EXPECT_EQ(dec.cells[0].civilDay, 1);
    EXPECT_EQ(dec.cells[30].civilDay, 31);
    for (int k = 31; k < kCalendarCells; ++k) EXPECT_EQ(dec.cells[k].civilDay, 0) << k;
    EXPECT_EQ(dec.civilHeader, "Dec. 2024");
    EXPECT_EQ(dec.hebrewHeader, "Heshvan 5785/Kislev 5785");
    const TCalendarCell& chanukah = Cell(dec, 28);  // a Sabbath of Chanukah
    EXPECT_EQ(chanukah.weekday, 7);
    EXPECT_EQ(chanukah.hebrewDate, "27 Kislev");
    EXPECT_EQ(chanukah.holiday, "Chanukah Day 3");
    EXPECT_TRUE(chanukah.holidayReading);
    EXPECT_EQ(chanukah.portion, "Mikeitz");

    // A leap year's Adar: the two months by name, the header spanning both.
    const TCalendarMonth march = DrawCal(3, 2024, false);
    EXPECT_EQ(Cell(march, 1).hebrewDate, "21 Adar I");
    EXPECT_EQ(Cell(march, 31).hebrewDate, "21 Adar II");
    EXPECT_EQ(march.hebrewHeader, "Adar I 5784/Adar II 5784");
    EXPECT_EQ(Cell(march, 10).roshChodeshLine, 33);
    // Monday shows the coming Sabbath's portion; the Sabbath its special name.
    EXPECT_EQ(Cell(march, 18).portion, "Vayikra");
    EXPECT_EQ(Cell(march, 23).special, "Shabbas Zachor");
    EXPECT_TRUE(Cell(march, 23).specialReading);
}

TEST(CalendarMonth, OmerCount) {
    struct Row { int day, month, year; const char* omer; };
    const Row rows[] = {{13, 4, 2025, "Eve Omer 1"},  // 15 Nisan
                        {29, 4, 2025, "Eve Omer 17"}, // 1 Iyar
                        {31, 5, 2025, "Eve Omer 49"}, // 4 Sivan
                        {1, 6, 2025, ""},             // 5 Sivan
                        {12, 4, 2025, ""}};           // 14 Nisan
    for (const Row& r : rows) EXPECT_EQ(Cell(DrawCal(r.month, r.year, false), r.day).omer, r.omer) << r.day;
}

TEST(CalendarMonth, WhatAClickSelects) {
    struct Row { const char* what; int day, month, year; bool israel; TDayChoice expected; };
    const Row rows[] = {
        {"a Monday: the coming Sabbath's portion, its weekday reading", 24, 3, 2025, false,
         {"Pekudei", true, false, 5785, "3-24-2025:Pekudei:22"}},
        {"a Sabbath", 29, 3, 2025, false, {"Pekudei", false, false, 5785, "3-29-2025:Pekudei:22"}},
        {"the first day of Pesach", 13, 4, 2025, false, {"Pesach", false, true, 5785, "4-13-2025:Pesach Day 1"}},
        {"the eighth day of Pesach on a Sabbath, Diaspora", 23, 4, 2022, false,
         {"Pesach", false, true, 5782, "4-23-2022:Pesach Day 8"}},
        {"the same Sabbath in Israel reads on", 23, 4, 2022, true,
         {"Acharei", false, false, 5782, "4-23-2022:Acharei:28"}},
        {"a fast named as the holiday tab names it", 10, 1, 2025, false,
         {"Tenth of Teves", false, true, 5785, "1-10-2025:Fast of Teves "}},
        {"a plain Tuesday", 25, 3, 2025, false, {"", false, false, 5785, "3-25-2025"}},
    };
    for (const Row& r : rows) EXPECT_EQ(CalcItemsForDay(r.day, r.month, r.year, r.israel), r.expected) << r.what;
}

}  // namespace
}  // namespace lyrasta
