#pragma once
// The Hebrew calendar: conversions between civil dates, day numbers and Hebrew dates, the
// fourteen year types, month names, and the holidays and special days of a Hebrew date.
//
// 1 Nisan of a year comes from Gauss's formula for the date of Passover; the lengths of
// Cheshvan, Kislev and Adar follow from the distance between two consecutive 1 Nisans, and
// months are counted from 1 Nisan. Over the Hebrew years 5600 to 6000 this gives the dates
// of the fixed calendar exactly.
//
// Numbers used throughout:
//  - day number: Julian day number (1 January 2000 is 2451545);
//  - weekday: 1 = Sunday ... 7 = Saturday (Shabbat);
//  - month slot: 1 Tishrei ... 6 Adar (Adar I), 7 Adar II, 8 Nisan ... 13 Elul, the same in
//    every year (slot 7 occurs only in leap years);
//  - calendar month number: Tishrei 1 ... Adar 6, Adar II 6.5, Nisan 7 ... Elul 12, the
//    numbering the conversions work in.
// Arithmetic that would leave the 32-bit range, and table indexes out of bounds, raise
// CalendarRangeError.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "checked_int.h"

namespace lyrasta {

struct CivilDate {
    std::int32_t day = 0, month = 0, year = 0;
    bool operator==(const CivilDate&) const = default;
};

// A Hebrew date with its month as a slot 1-13.
struct HebrewDate {
    std::int32_t day = 0, month = 0, year = 0;
    bool operator==(const HebrewDate&) const = default;
};

// A Hebrew date with its month as a calendar month number (6.5 = Adar II).
struct HebrewCalendarDate {
    std::int32_t day = 0;
    float month = 0;
    std::int32_t year = 0;
    bool operator==(const HebrewCalendarDate&) const = default;
};

// A holiday name ("*" first when the day has its own Torah reading) and its sub-text
// ("Day 2", "intermed. 3", ...); both empty on an ordinary day.
struct Holiday {
    std::string name, sub;
    bool operator==(const Holiday&) const = default;
};

// Day of March of 1 Nisan of a Hebrew year, in the civil calendar then in force; values
// above 31 fall in April (32 = 1 April).
std::int32_t NisanOneInMarch(std::int32_t hebrewYear);

// Day number of a civil date: Julian calendar up to 2 September 1752, Gregorian after.
// The month may be fractional; it is rounded and must then be 1-12.
std::int32_t CivilToDayNumber(std::int32_t day, float month, std::int32_t year);

// Civil date of a day number (Gregorian from 15 October 1582).
CivilDate DayNumberToCivil(std::int32_t dayNumber);

// Weekday 1 (Sunday) to 7 (Saturday) of a day number.
int Weekday(std::int32_t dayNumber);

// Month slot to calendar month number (slot 7 is Adar II in a leap year, Adar otherwise)
// and back.
float SlotToCalendarMonth(int slot, bool leapYear);
int CalendarMonthToSlot(float month);

// Year types 8-14 are leap years; 2, 7, 9, 12 and 14 are deficient (Kislev has 29 days).
bool IsLeapYearType(int yearType);
bool IsDeficientYear(int yearType);

// Rosh Chodesh: the 30th of a month, or the 1st of any month but Tishrei. The month may be
// a slot or a calendar month number: Tishrei is 1 in both.
bool IsRoshChodesh(int day, float month);
// The eve of Rosh Chodesh: the 29th of any month but Elul (whose next day is Rosh Hashanah).
bool IsErevRoshChodesh(int day, int slot);

// "Tishrei" ... "Elul". Slot 7 is "Adar II"; with the leap form, slot 6 of a leap year is
// "Adar I". A slot outside 1-13 raises CalendarRangeError.
std::string_view HebrewMonthName(int slot);
std::string_view HebrewMonthName(int slot, bool leapYear);

// "Jan." ... "Dec." for months 1-12; empty for any other value.
std::string_view CivilMonthAbbrev(int month);

// 28-31 by the Gregorian leap rule; a month outside 1-12 raises CalendarRangeError.
int DaysInCivilMonth(int month, std::int32_t year);

// The date with its day lowered to the month's last day when it lies beyond it.
CivilDate ClipCivilDate(std::int32_t year, std::int32_t month, std::int32_t day);

// The holiday or special day of a Hebrew date (month as slot), given its weekday, whether
// the reader keeps the calendar of Israel, and the year type.
Holiday HolidayForDate(int day, int slot, int weekday, bool israel, int yearType);

// Lengths of the thirteen months counted from 1 Nisan of Hebrew year d: Nisan, Iyar, Sivan,
// Tammuz, Av, Elul, then Tishrei, Cheshvan, Kislev, Teves, Shevat, Adar, Adar II of year
// d + 1 (Adar II is 0 when d + 1 is a common year).
using MonthLengthTable = std::array<std::int32_t, 13>;
MonthLengthTable MonthLengthsFromNisan(std::int32_t hebrewYear);

// The conversions between Hebrew dates and day numbers. They work through a month-length
// table that each conversion fills for the date at hand; every calendar object has its own,
// so separate objects (one per window or thread) never disturb each other. One object is
// not to be shared between threads.
class THebrewCalendar {
public:
    // Day number of a Hebrew date given as day, year and calendar month number. A day
    // beyond the month's end runs on into the next month (30 Cheshvan of a year with a
    // 29-day Cheshvan is 1 Kislev).
    std::int32_t HebrewToDayNumber(std::int32_t day, std::int32_t year, float month);
    // Hebrew date of a day number, month as a calendar month number.
    HebrewCalendarDate DayNumberToHebrew(std::int32_t dayNumber);
    // Hebrew date of a day number or a civil date, month as a slot.
    HebrewDate DayNumberToHebrewDate(std::int32_t dayNumber);
    HebrewDate CivilToHebrew(std::int32_t day, std::int32_t month, std::int32_t year);
    // Year type 1-14 of a Hebrew year, 0 when its shape matches no row of the table.
    int YearType(std::int32_t hebrewYear);

private:
    HebrewCalendarDate EstimateAndCorrect(std::int32_t dayNumber);
    MonthLengthTable monthLengths_{};
};

}  // namespace lyrasta
