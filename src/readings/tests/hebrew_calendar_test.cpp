// The Hebrew calendar against independent references: std::chrono for civil dates, the
// month starts of 5600-6000 from an independent implementation of the fixed calendar
// (tests/data/month_starts.txt), and well-known dates.

#include <gtest/gtest.h>

#include <climits>
#include <map>

#include "readings/hebrew_calendar.h"
#include "printers.h"
#include "reference_tables.h"

namespace lyrasta {
namespace {

using testing::DayNumberOf;
using testing::DayNumberOfIso;

TEST(DayNumber, KnownCivilDates) {
    struct Row { int day, month, year; std::int32_t dayNumber; int weekday; };
    const Row rows[] = {
        {1, 1, 2000, 2451545, 7},    // a Saturday
        {11, 9, 1999, 2451433, 7},   // 1 Tishrei 5760, a Saturday
        {2, 9, 1752, 2361221, 4},    // last day of the Julian calendar in Britain, a Wednesday
        {14, 9, 1752, 2361222, 5},   // first Gregorian day, a Thursday
        {29, 2, 2000, 2451604, 3},   // leap day of a century year divisible by 400
        {1, 3, 1900, 2415080, 5},    // 1900 had no 29 February
        {31, 12, 2239, 2539202, 3},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.year) + "-" + std::to_string(r.month) + "-" + std::to_string(r.day));
        EXPECT_EQ(CivilToDayNumber(r.day, static_cast<float>(r.month), r.year), r.dayNumber);
        EXPECT_EQ(Weekday(r.dayNumber), r.weekday);
        if (r.dayNumber > 2361221) {
            EXPECT_EQ(DayNumberToCivil(r.dayNumber), (CivilDate{r.day, r.month, r.year}));
        }
    }
}

// Both directions agree with std::chrono for every day from the calendar reform to 2300.
TEST(DayNumber, AgreesWithChronoSinceTheGregorianReform) {
    using namespace std::chrono;
    const std::int32_t first = DayNumberOf(year{1752} / September / 14);
    const std::int32_t last = DayNumberOf(year{2300} / December / 31);
    for (std::int32_t n = first; n <= last; ++n) {
        const year_month_day ymd = testing::CivilOf(n);
        const CivilDate civil{static_cast<int>(unsigned(ymd.day())), static_cast<int>(unsigned(ymd.month())),
                              static_cast<int>(ymd.year())};
        ASSERT_EQ(DayNumberToCivil(n), civil) << n;
        ASSERT_EQ(CivilToDayNumber(civil.day, static_cast<float>(civil.month), civil.year), n) << n;
        ASSERT_EQ(Weekday(n), static_cast<int>(weekday(ymd).c_encoding()) + 1) << n;
    }
}

TEST(NisanOne, KnownYears) {
    EXPECT_EQ(NisanOneInMarch(5784), 40);  // 9 April 2024
    EXPECT_EQ(NisanOneInMarch(5785), 30);  // 30 March 2025
}

// 1 Nisan of every year of the reference table, as a day of March of its civil year.
TEST(NisanOne, AgreesWithReferenceFor5600To6000) {
    for (const auto& row : testing::ReadTable("month_starts.txt")) {
        const std::int32_t year = std::stoi(row.at(0));
        const std::int32_t nisan = DayNumberOfIso(row.at(8));
        const std::int32_t lastOfFebruary = DayNumberOfIso(std::to_string(year - 3760) + "-03-01") - 1;
        EXPECT_EQ(NisanOneInMarch(year), nisan - lastOfFebruary) << year;
    }
}

TEST(MonthLengths, CheshvanKislevAndAdarFollowTheYearLength) {
    // 5785 is a complete common year (355 days): Cheshvan and Kislev of 30 days.
    const MonthLengthTable after5784 = MonthLengthsFromNisan(5784);
    EXPECT_EQ(after5784[7], 30);
    EXPECT_EQ(after5784[8], 30);
    EXPECT_EQ(after5784[11], 29);
    EXPECT_EQ(after5784[12], 0);
    // 5784 is a deficient leap year (383 days): Cheshvan and Kislev of 29, Adar I of 30.
    const MonthLengthTable after5783 = MonthLengthsFromNisan(5783);
    EXPECT_EQ(after5783[7], 29);
    EXPECT_EQ(after5783[8], 29);
    EXPECT_EQ(after5783[11], 30);
    EXPECT_EQ(after5783[12], 29);
}

TEST(CivilToHebrew, WellKnownDates) {
    struct Row { int day, month, year; HebrewDate hebrew; const char* what; };
    const Row rows[] = {
        {11, 9, 1999, {1, 1, 5760}, "Rosh Hashanah 5760"},
        {14, 3, 2025, {14, 6, 5785}, "Purim 5785"},
        {24, 3, 2024, {14, 7, 5784}, "Purim 5784, in Adar II"},
        {23, 2, 2024, {14, 6, 5784}, "Purim Katan 5784"},
        {23, 4, 2024, {15, 8, 5784}, "Pesach 5784"},
        {15, 12, 2025, {25, 3, 5786}, "Chanukah 5786"},
        {3, 10, 2024, {1, 1, 5785}, "Rosh Hashanah 5785"},
    };
    THebrewCalendar calendar;
    for (const Row& r : rows) EXPECT_EQ(calendar.CivilToHebrew(r.day, r.month, r.year), r.hebrew) << r.what;
}

// Every day of 5600 to 5999 converts to the Hebrew date of the reference table, and back to
// the same day number, including every 30th.
TEST(DayNumberToHebrew, EveryDayOf5600To5999MatchesReferenceAndRoundTrips) {
    const auto starts = testing::ReadMonthStarts();
    THebrewCalendar calendar;
    int thirtieths = 0;
    for (size_t i = 0; i + 1 < starts.size() && starts[i].year < 6000; ++i) {
        const testing::MonthStart& month = starts[i];
        for (std::int32_t n = month.dayNumber; n < starts[i + 1].dayNumber; ++n) {
            const HebrewDate expected{n - month.dayNumber + 1, month.slot, month.year};
            ASSERT_EQ(calendar.DayNumberToHebrewDate(n), expected) << "day number " << n;
            const HebrewCalendarDate h = calendar.DayNumberToHebrew(n);
            ASSERT_EQ(calendar.HebrewToDayNumber(h.day, h.year, h.month), n) << "day number " << n;
            thirtieths += expected.day == 30;
        }
    }
    EXPECT_GT(thirtieths, 2000);
}

// The month starts of the reference table, from the Hebrew side.
TEST(HebrewToDayNumber, FirstOfEveryMonthMatchesReference) {
    const auto starts = testing::ReadMonthStarts();
    std::map<std::int32_t, bool> leap;
    for (const auto& s : starts) leap[s.year] = leap[s.year] || s.slot == 7;
    THebrewCalendar calendar;
    for (const auto& s : starts)
        ASSERT_EQ(calendar.HebrewToDayNumber(1, s.year, SlotToCalendarMonth(s.slot, leap[s.year])), s.dayNumber)
            << s.year << " slot " << s.slot;
}

TEST(YearType, KnownYears) {
    const std::pair<std::int32_t, int> rows[] = {{5760, 13}, {5763, 13}, {5784, 14}, {5785, 4}, {5600, 8}, {6000, 2}};
    THebrewCalendar calendar;
    for (const auto& [year, type] : rows) EXPECT_EQ(calendar.YearType(year), type) << year;
}

// The shape of every year against the reference: Rosh Hashanah never on Sunday, Wednesday
// or Friday, Pesach never on Monday, Wednesday or Friday, a type for every year, leap and
// deficient years as the reference has them, and the year's length.
TEST(YearType, EveryYearOf5600To6000HasTheReferenceShape) {
    const auto rows = testing::ReadTable("month_starts.txt");
    THebrewCalendar calendar;
    for (size_t i = 0; i + 1 < rows.size(); ++i) {
        const std::int32_t year = std::stoi(rows[i][0]);
        SCOPED_TRACE(year);
        const int type = calendar.YearType(year);
        ASSERT_GE(type, 1);
        ASSERT_LE(type, 14);
        const std::int32_t tishrei = DayNumberOfIso(rows[i][1]);
        const std::int32_t length = DayNumberOfIso(rows[i + 1][1]) - tishrei;
        const std::int32_t kislev = DayNumberOfIso(rows[i][4]) - DayNumberOfIso(rows[i][3]);
        const int roshHashanah = Weekday(tishrei), pesach = Weekday(DayNumberOfIso(rows[i][8]) + 14);
        EXPECT_TRUE(roshHashanah == 2 || roshHashanah == 3 || roshHashanah == 5 || roshHashanah == 7);
        EXPECT_TRUE(pesach == 1 || pesach == 3 || pesach == 5 || pesach == 7);
        EXPECT_EQ(IsLeapYearType(type), rows[i][7] != "-");
        EXPECT_EQ(IsDeficientYear(type), kislev == 29);
        EXPECT_EQ(calendar.HebrewToDayNumber(1, year + 1, 1) - calendar.HebrewToDayNumber(1, year, 1), length);
    }
}

TEST(MonthNames, SlotsAndLeapForm) {
    EXPECT_EQ(HebrewMonthName(2), "Heshvan");
    EXPECT_EQ(HebrewMonthName(6), "Adar");
    EXPECT_EQ(HebrewMonthName(6, true), "Adar I");
    EXPECT_EQ(HebrewMonthName(6, false), "Adar");
    EXPECT_EQ(HebrewMonthName(7), "Adar II");
    EXPECT_EQ(HebrewMonthName(9, true), "Iyyar");
    EXPECT_EQ(CivilMonthAbbrev(9), "Sept.");
    EXPECT_EQ(CivilMonthAbbrev(13), "");
}

TEST(CivilMonths, LengthsAndClipping) {
    EXPECT_EQ(DaysInCivilMonth(2, 1900), 28);
    EXPECT_EQ(DaysInCivilMonth(2, 2000), 29);
    EXPECT_EQ(DaysInCivilMonth(2, 2024), 29);
    EXPECT_EQ(DaysInCivilMonth(4, 2024), 30);
    EXPECT_EQ(ClipCivilDate(2023, 2, 31), (CivilDate{28, 2, 2023}));
    EXPECT_EQ(ClipCivilDate(2023, 3, 31), (CivilDate{31, 3, 2023}));
}

TEST(RoshChodesh, FirstAndThirtiethButNotRoshHashanah) {
    EXPECT_TRUE(IsRoshChodesh(1, 2));
    EXPECT_TRUE(IsRoshChodesh(30, 1));
    EXPECT_FALSE(IsRoshChodesh(1, 1));
    EXPECT_FALSE(IsRoshChodesh(29, 5));
    EXPECT_TRUE(IsErevRoshChodesh(29, 12));
    EXPECT_FALSE(IsErevRoshChodesh(29, 13));  // the eve of Rosh Hashanah instead
}

TEST(CalendarErrors, OverflowAndBadIndexesAreReported) {
    THebrewCalendar calendar;
    EXPECT_THROW(CivilToDayNumber(1, 13, 2000), CalendarRangeError);
    EXPECT_THROW(CivilToDayNumber(1, 0.4f, 2000), CalendarRangeError);
    EXPECT_THROW(CivilToDayNumber(1, 1, INT_MAX), CalendarRangeError);
    EXPECT_THROW(CivilToDayNumber(INT_MAX, 12, 2000), CalendarRangeError);
    EXPECT_THROW(DayNumberToCivil(INT_MAX), CalendarRangeError);
    EXPECT_THROW(NisanOneInMarch(INT_MIN), CalendarRangeError);
    EXPECT_THROW(NisanOneInMarch(INT_MAX), CalendarRangeError);
    EXPECT_THROW(calendar.HebrewToDayNumber(1, 5785, 40), CalendarRangeError);
    EXPECT_THROW(calendar.HebrewToDayNumber(1, INT_MAX, 7), CalendarRangeError);
    EXPECT_THROW(calendar.DayNumberToHebrew(INT_MAX), CalendarRangeError);
    EXPECT_THROW(calendar.YearType(INT_MAX), CalendarRangeError);
    EXPECT_THROW(HebrewMonthName(0), CalendarRangeError);
    EXPECT_THROW(HebrewMonthName(14, true), CalendarRangeError);
    EXPECT_THROW(DaysInCivilMonth(13, 2000), CalendarRangeError);
    EXPECT_THROW(ClipCivilDate(2000, 0, 1), CalendarRangeError);
}

}  // namespace
}  // namespace lyrasta
