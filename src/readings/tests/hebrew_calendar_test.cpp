// Known answers for the Hebrew calendar. Dates here are well known (Rosh Hashanah, Pesach,
// Purim of recent years) or follow from the fixed calendar's own rules, never from this code.

#include <gtest/gtest.h>

#include "readings/hebrew_calendar.h"

namespace lyrasta {
namespace {

TEST(DayNumber, KnownCivilDates) {
    struct Row { int day, month, year; std::int32_t dayNumber; int weekday; };
    const Row rows[] = {
        {1, 1, 2000, 2451545, 7},    // a Saturday
        {11, 9, 1999, 2451433, 7},   // 1 Tishrei 5760, a Saturday
        {2, 9, 1752, 2361221, 4},    // last Julian day in Britain, a Wednesday
        {14, 9, 1752, 2361222, 5},   // first Gregorian day, a Thursday
        {29, 2, 2000, 2451604, 3},   // leap day of a century divisible by 400
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

}  // namespace
}  // namespace lyrasta
