#include "hebrew_calendar.h"

#include <cmath>

namespace lyrasta {

using checked::Add;
using checked::Mul;
using checked::Sub;
using checked::Trunc;

namespace {

// Days before the first of each month, in a common and in a leap year.
constexpr std::array<std::int32_t, 12> kCumulativeCommon = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
constexpr std::array<std::int32_t, 12> kCumulativeLeap = {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335};

// Last day number read in the Julian calendar (2 September 1752).
constexpr std::int32_t kLastJulianDay = 2361221;
// First day number written in the Gregorian calendar (15 October 1582).
constexpr std::int32_t kFirstGregorianDay = 2299161;

// Index of a month-length table entry counted from Nisan.
constexpr int kAdarII = 12;

// Length in days of a civil year: Julian rule before 1753, Gregorian from then on.
std::int32_t CivilYearLength(std::int32_t year) {
    std::int32_t days = 365 + (year % 4 == 0 ? 1 : 0);
    if (year >= 1753) days += (year % 400 == 0 ? 1 : 0) - (year % 100 == 0 ? 1 : 0);
    return days;
}

struct YearTypeRow {
    int tishreiWeekday, pesachWeekday, days;
};

// Rows 1-14: weekday of 1 Tishrei, weekday of 15 Nisan, length of the year.
constexpr std::array<YearTypeRow, 14> kYearTypes = {{
    {2, 5, 355}, {2, 3, 353}, {3, 5, 354}, {5, 1, 355}, {5, 7, 354}, {7, 3, 355}, {7, 1, 353},
    {2, 7, 385}, {2, 5, 383}, {3, 7, 384}, {5, 3, 385}, {5, 1, 383}, {7, 5, 385}, {7, 3, 383},
}};

}  // namespace

std::int32_t NisanOneInMarch(std::int32_t hebrewYear) {
    const std::int32_t y = Sub(hebrewYear, 3760);
    const std::int32_t a = Mul(12, Add(y, 1)) % 19;
    const std::int32_t b = y % 4;
    const long double mExtended = 0.25L * b + 13.74L + 1.5542418L * a + (2000.0L - y) / 314.6837L;
    const double m = static_cast<double>(mExtended);
    const std::int32_t mi = Trunc(m);
    const double f = m - mi;
    const std::int32_t c = Add(Add(Add(mi, 1), Mul(3, y)), Mul(5, b)) % 7;
    std::int32_t r = Sub(mi, 14);
    if (y > 1752) r = Add(r, y / 100 - 2 - y / 400);  // Julian-to-Gregorian shift
    if (c == 2 || c == 4 || c == 6 || (c == 0 && a > 11 && f > 0.89772376)) r = Add(r, 1);
    if (c == 1 && a > 6 && f >= 0.63287037) r = Add(r, 2);
    return r;
}

std::int32_t CivilToDayNumber(std::int32_t day, float month, std::int32_t year) {
    if (!(month > 0 && month < 13)) throw CalendarRangeError("civil month out of range");
    const long m = std::lround(month);
    if (m < 1 || m > 12) throw CalendarRangeError("civil month out of range");
    const std::int32_t t = Add(year, 4712);
    std::int32_t base = Add(Mul(365, t), checked::FloorDiv(t, 4));
    const bool leap = t % 4 == 0;
    if (leap) base = Sub(base, 1);
    const auto& cumulative = leap ? kCumulativeLeap : kCumulativeCommon;
    std::int32_t n = Add(Add(base, cumulative[m - 1]), day);
    if (n > kLastJulianDay) {
        std::int32_t y2 = Sub(year, 300);
        if (m <= 2) y2 = Sub(y2, 1);
        n = Sub(n, Add(Mul(3, y2 / 100) / 4, 1));
    }
    return n;
}

CivilDate DayNumberToCivil(std::int32_t dayNumber) {
    const std::int32_t z = dayNumber;
    std::int32_t a = z;
    if (z >= kFirstGregorianDay) {
        const std::int32_t alpha = Trunc((z - 1867216.25) / 36524.25);
        a = Sub(Add(Add(z, 1), alpha), alpha / 4);
    }
    const std::int32_t b = Add(a, 1524);
    const std::int32_t c = Trunc((b - 122.1) / 365.25);
    const std::int32_t d = Trunc(365.25 * c);
    const std::int32_t e = Trunc((static_cast<double>(b) - d) / 30.6001);
    CivilDate out;
    out.day = Sub(Sub(b, d), Trunc(30.6001 * e));
    out.month = e < 14 ? Sub(e, 1) : Sub(e, 13);
    out.year = out.month > 2 ? Sub(c, 4716) : Sub(c, 4715);
    return out;
}

int Weekday(std::int32_t dayNumber) { return checked::FloorMod(dayNumber % 7 + 1, 7) + 1; }

float SlotToCalendarMonth(int slot, bool leapYear) {
    if (slot <= 6) return static_cast<float>(slot);
    if (slot == 7) return leapYear ? 6.5f : 6.0f;
    return static_cast<float>(slot - 1);
}

int CalendarMonthToSlot(float month) {
    if (month == 6.5f) return 7;
    if (month > 6) return static_cast<int>(month) + 1;
    return static_cast<int>(month);
}

bool IsLeapYearType(int yearType) { return yearType >= 8; }

bool IsDeficientYear(int yearType) {
    return yearType == 2 || yearType == 7 || yearType == 9 || yearType == 12 || yearType == 14;
}

bool IsRoshChodesh(int day, float month) { return day == 30 || (day == 1 && month != 1); }

bool IsErevRoshChodesh(int day, int slot) { return day == 29 && slot != 13; }

std::string_view HebrewMonthName(int slot) {
    static constexpr std::array<std::string_view, 13> kNames = {
        "Tishrei", "Heshvan", "Kislev", "Tevet", "Shevat", "Adar", "Adar II",
        "Nisan", "Iyyar", "Sivan", "Tammuz", "Av", "Elul"};
    if (slot < 1 || slot > 13) throw CalendarRangeError("Hebrew month slot out of range");
    return kNames[slot - 1];
}

std::string_view HebrewMonthName(int slot, bool leapYear) {
    if (slot == 6 && leapYear) return "Adar I";
    return HebrewMonthName(slot);
}

std::string_view CivilMonthAbbrev(int month) {
    static constexpr std::array<std::string_view, 12> kAbbrevs = {
        "Jan.", "Feb.", "Mar.", "Apr.", "May", "June", "July", "Aug.", "Sept.", "Oct.", "Nov.", "Dec."};
    if (month < 1 || month > 12) return {};
    return kAbbrevs[month - 1];
}

int DaysInCivilMonth(int month, std::int32_t year) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) throw CalendarRangeError("civil month out of range");
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    return month == 2 && leap ? 29 : kDays[month - 1];
}

CivilDate ClipCivilDate(std::int32_t year, std::int32_t month, std::int32_t day) {
    const int last = DaysInCivilMonth(month, year);
    return {day > last ? last : day, month, year};
}

MonthLengthTable MonthLengthsFromNisan(std::int32_t hebrewYear) {
    const std::int32_t nisan = NisanOneInMarch(hebrewYear);
    const std::int32_t nextNisan = NisanOneInMarch(Add(hebrewYear, 1));
    const std::int32_t nextCivilYear = Add(Sub(hebrewYear, 3760), 1);
    // Last digit of the length of year d + 1: 3 deficient, 4 regular, 5 complete.
    const std::int32_t v = checked::FloorMod(Sub(Add(CivilYearLength(nextCivilYear), nextNisan), nisan), 10);
    const bool adarII = nisan < nextNisan;
    return {30, 29, 30, 29, 30, 29,
            30, v >= 5 ? 30 : 29, v < 4 ? 29 : 30, 29, 30, adarII ? 30 : 29, adarII ? 29 : 0};
}

std::int32_t THebrewCalendar::HebrewToDayNumber(std::int32_t day, std::int32_t year, float month) {
    const int k = month < 7 ? 1 : 0;
    const std::int32_t d = Sub(year, k);
    monthLengths_ = MonthLengthsFromNisan(d);
    const std::int32_t w = NisanOneInMarch(d);
    const std::int32_t civilYear = Sub(d, 3760);
    const std::int32_t nisanOne = w > 31 ? CivilToDayNumber(w - 31, 4, civilYear) : CivilToDayNumber(w, 3, civilYear);
    // Months counted from Nisan = 7; in a leap year Adar II (18.5) is lifted to 19.
    const double monthCount = static_cast<double>(month) + 12 * k + (monthLengths_[kAdarII] / 29) * 0.6;
    const std::int32_t s = Trunc(monthCount);
    if (s - 7 > static_cast<std::int32_t>(monthLengths_.size()))
        throw CalendarRangeError("Hebrew month out of range");
    std::int32_t sum = 0;
    for (std::int32_t i = 0; i < s - 7; ++i) sum += monthLengths_[i];
    return Add(Add(Sub(nisanOne, 1), day), sum);
}

HebrewCalendarDate THebrewCalendar::EstimateAndCorrect(std::int32_t dayNumber) {
    const CivilDate civil = DayNumberToCivil(dayNumber);
    std::int32_t year = Add(Add(civil.year, 3760), civil.month * 100 + civil.day > 915 ? 1 : 0);
    float month = static_cast<float>(((civil.month + 2) % 12) + 1);
    if (civil.day > 15) month = static_cast<float>((static_cast<int>(month) % 12) + 1);
    std::int32_t day = ((civil.day + 14) % 30) + 1;
    for (int pass = 0; pass < 10; ++pass) {
        if (day < 1) {
            day = Add(day, 29 + static_cast<int>(month) % 2);
            month -= 1;
        }
        if (month < 1) {
            year = Sub(year, 1);
            month += 12;
        }
        if (day > 30) {
            day = Sub(day, 29 + static_cast<int>(month) % 2);
            month = month == 6 ? 6.5f : month == 6.5f ? 7.0f : month + 1;
        }
        if (month > 12) {
            year = Add(year, 1);
            month -= 12;
        }
        const std::int32_t result = HebrewToDayNumber(day, year, month);
        if (result < 0) month = 6;
        const std::int32_t diff = Sub(result < 0 ? Sub(0, result) : result, dayNumber);
        if (diff == 0) break;
        day = Sub(day, diff);
    }
    return {day, month, year};
}

HebrewCalendarDate THebrewCalendar::DayNumberToHebrew(std::int32_t dayNumber) {
    const HebrewCalendarDate found = EstimateAndCorrect(dayNumber);
    if (found.day != 30) return found;
    // A 30th that does not exist is the first of the next month.
    const HebrewCalendarDate next = EstimateAndCorrect(Add(dayNumber, 1));
    if (next.day == 1) return found;
    return {1, next.month, next.year};
}

HebrewDate THebrewCalendar::DayNumberToHebrewDate(std::int32_t dayNumber) {
    const HebrewCalendarDate h = DayNumberToHebrew(dayNumber);
    return {h.day, CalendarMonthToSlot(h.month), h.year};
}

HebrewDate THebrewCalendar::CivilToHebrew(std::int32_t day, std::int32_t month, std::int32_t year) {
    return DayNumberToHebrewDate(CivilToDayNumber(day, static_cast<float>(month), year));
}

int THebrewCalendar::YearType(std::int32_t hebrewYear) {
    const std::int32_t tishrei = HebrewToDayNumber(1, hebrewYear, 1);
    const std::int32_t nextTishrei = HebrewToDayNumber(1, Add(hebrewYear, 1), 1);
    const std::int32_t pesach = HebrewToDayNumber(15, hebrewYear, 7);
    const YearTypeRow shape{Weekday(tishrei), Weekday(pesach), Sub(nextTishrei, tishrei)};
    for (size_t i = 0; i < kYearTypes.size(); ++i) {
        const YearTypeRow& row = kYearTypes[i];
        if (row.tishreiWeekday == shape.tishreiWeekday && row.pesachWeekday == shape.pesachWeekday &&
            row.days == shape.days)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

}  // namespace lyrasta
