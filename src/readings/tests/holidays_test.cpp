// Holidays and special days: the rules that move a day with the weekday or the location, and
// every year of 5600-6000 against the observed dates of an independent calendar
// (tests/data/moving_days.txt).

#include <gtest/gtest.h>

#include <optional>

#include "readings/hebrew_calendar.h"
#include "printers.h"
#include "reference_tables.h"

namespace lyrasta {
namespace {

constexpr int kSun = 1, kMon = 2, kTue = 3, kThu = 5, kFri = 6, kSat = 7;
constexpr bool kIsrael = true, kDiaspora = false;
constexpr int kCommon = 4, kDeficientCommon = 2, kLeap = 13;

TEST(HolidayForDate, Rules) {
    struct Row { const char* what; int day, slot, weekday; bool israel; int type; Holiday expected; };
    const Row rows[] = {
        {"Rosh Hashanah day 2", 2, 1, kTue, kDiaspora, kCommon, {"*Rosh Hashanah", "Day 2"}},
        {"3 Tishrei on a Sabbath is no fast", 3, 1, kSat, kDiaspora, kCommon, {}},
        {"the fast moves to Sunday 4 Tishrei", 4, 1, kSun, kDiaspora, kCommon, {"*Fast of Gedalia", ""}},
        {"4 Tishrei on a weekday", 4, 1, kMon, kDiaspora, kCommon, {}},
        {"Succos 16 in Israel", 16, 1, kMon, kIsrael, kCommon, {"*Succos", "intermed. 1"}},
        {"Succos 16 in the Diaspora", 16, 1, kMon, kDiaspora, kCommon, {"*Succos", "Day 2"}},
        {"Succos 20 in Israel", 20, 1, kFri, kIsrael, kCommon, {"*Succos", "intermed. 5"}},
        {"Succos 20 in the Diaspora", 20, 1, kFri, kDiaspora, kCommon, {"*Succos", "intermed. 4"}},
        {"23 Tishrei in Israel", 23, 1, kMon, kIsrael, kCommon, {"Isru chag", ""}},
        {"23 Tishrei in the Diaspora", 23, 1, kMon, kDiaspora, kCommon, {"*Simchas Torah", ""}},
        {"Cheshvan has none", 1, 2, kMon, kDiaspora, kCommon, {}},
        {"Chanukah 30 Kislev", 30, 3, kMon, kDiaspora, kCommon, {"*Chanukah", "Day 6"}},
        {"1 Teves, deficient year", 1, 4, kMon, kDiaspora, kDeficientCommon, {"*Chanukah", "Day 6"}},
        {"1 Teves, other year", 1, 4, kMon, kDiaspora, kCommon, {"*Chanukah", "Day 7"}},
        {"3 Teves, deficient year", 3, 4, kMon, kDiaspora, kDeficientCommon, {"*Chanukah", "Day 8"}},
        {"3 Teves, other year", 3, 4, kMon, kDiaspora, kCommon, {}},
        {"Fast of Teves", 10, 4, kMon, kDiaspora, kCommon, {"*Fast of Teves", ""}},
        {"Esther on Thursday 11 Adar", 11, 6, kThu, kDiaspora, kCommon, {"*Fast of Esther", ""}},
        {"13 Adar on a Sabbath", 13, 6, kSat, kDiaspora, kCommon, {}},
        {"Purim Katan in Adar I", 14, 6, kThu, kDiaspora, kLeap, {"Purim Katan", ""}},
        {"13 Adar I is no fast", 13, 6, kMon, kDiaspora, kLeap, {}},
        {"Purim in Adar II", 14, 7, kSun, kDiaspora, kLeap, {"*Purim", ""}},
        {"Shushan Purim in Adar II", 15, 7, kMon, kDiaspora, kLeap, {"Shushan Purim", ""}},
        {"Pesach 16 in Israel", 16, 8, kMon, kIsrael, kCommon, {"*Pesach", "intermed. 1"}},
        {"Pesach 22 in Israel", 22, 8, kSun, kIsrael, kCommon, {"Isru chag", ""}},
        {"Pesach 22 in the Diaspora", 22, 8, kSun, kDiaspora, kCommon, {"*Pesach", "Day 8"}},
        {"Yom HaShoah moves back from Friday", 26, 8, kThu, kDiaspora, kCommon, {"Yom HaShoah", ""}},
        {"27 Nisan on a Friday", 27, 8, kFri, kDiaspora, kCommon, {}},
        {"Independence Day moves back from the Sabbath", 3, 9, kThu, kDiaspora, kCommon, {"Israel Indep. Day", ""}},
        {"5 Iyar on a Friday", 5, 9, kFri, kDiaspora, kCommon, {}},
        {"Shavuos 7 in Israel", 7, 10, kTue, kIsrael, kCommon, {"Isru chag", ""}},
        {"Shavuos 7 in the Diaspora", 7, 10, kTue, kDiaspora, kCommon, {"*Shavuos", "Day 2"}},
        {"17 Tammuz on a Sabbath", 17, 11, kSat, kDiaspora, kCommon, {}},
        {"the fast moves to Sunday 18 Tammuz", 18, 11, kSun, kDiaspora, kCommon, {"*Fast of Tammuz", ""}},
        {"Tisha B'Av on Sunday 10 Av", 10, 12, kSun, kDiaspora, kCommon, {"*Tisha B'Av", ""}},
        {"29 Elul", 29, 13, kFri, kDiaspora, kCommon, {"Erev Rosh Hashanah", ""}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(HolidayForDate(r.day, r.slot, r.weekday, r.israel, r.type), r.expected) << r.what;
}

// The day of the month slot on which HolidayForDate names `name` (with `sub`), if any.
std::optional<int> DayOf(THebrewCalendar& calendar, std::int32_t year, int slot, const std::string& name,
                         const std::string& sub = "") {
    const int type = calendar.YearType(year);
    const float month = SlotToCalendarMonth(slot, IsLeapYearType(type));
    for (int day = 1; day <= 30; ++day) {
        const Holiday h = HolidayForDate(day, slot, Weekday(calendar.HebrewToDayNumber(day, year, month)), false, type);
        if (h.name == name && h.sub == sub) return day;
    }
    return std::nullopt;
}

std::string Text(std::optional<int> day) { return day ? std::to_string(*day) : "-"; }

// Where the observed day (reference) differs from the day found here, it is the day after
// `day`, and `day` falls on `weekday`.
void ExpectOlderRuleOrSame(THebrewCalendar& calendar, std::int32_t year, int slot, const std::string& name,
                           const std::string& observed, int day, int weekday) {
    if (observed == "-") return;  // not yet instituted that year
    const std::string found = Text(DayOf(calendar, year, slot, name));
    if (found == observed) return;
    const float month = SlotToCalendarMonth(slot, IsLeapYearType(calendar.YearType(year)));
    EXPECT_EQ(found, std::to_string(day)) << name;
    EXPECT_EQ(observed, std::to_string(day + 1)) << name;
    EXPECT_EQ(Weekday(calendar.HebrewToDayNumber(day, year, month)), weekday) << name;
}

// The fasts and the last day of Chanukah fall where they are observed in every year.
TEST(HolidayForDate, MovingDaysMatchObservedDates5600To6000) {
    THebrewCalendar calendar;
    for (const auto& row : testing::ReadTable("moving_days.txt")) {
        const std::int32_t year = std::stoi(row.at(0));
        SCOPED_TRACE(year);
        const int purimSlot = IsLeapYearType(calendar.YearType(year)) ? 7 : 6;
        EXPECT_EQ(Text(DayOf(calendar, year, 1, "*Fast of Gedalia")), row.at(1));
        EXPECT_EQ(Text(DayOf(calendar, year, purimSlot, "*Fast of Esther")), row.at(2));
        EXPECT_EQ(Text(DayOf(calendar, year, 11, "*Fast of Tammuz")), row.at(3));
        EXPECT_EQ(Text(DayOf(calendar, year, 12, "*Tisha B'Av")), row.at(4));
        const std::optional<int> teves = DayOf(calendar, year, 4, "*Chanukah", "Day 8");
        const std::string chanukahEnd = teves ? std::to_string(*teves) + "/4" : Text(DayOf(calendar, year, 3, "*Chanukah", "Day 8")) + "/3";
        EXPECT_EQ(chanukahEnd, row.at(7));
        // Yom HaShoah and Independence Day keep the older rule: only the move back from a
        // Friday or Sabbath. Where observed later they also move forward from a Sunday
        // (Yom HaShoah to Monday 28 Nisan) or a Monday (Independence Day to Tuesday 6 Iyar).
        ExpectOlderRuleOrSame(calendar, year, 8, "Yom HaShoah", row.at(5), 27, kSun);
        ExpectOlderRuleOrSame(calendar, year, 9, "Israel Indep. Day", row.at(6), 5, kMon);
    }
}

}  // namespace
}  // namespace lyrasta
