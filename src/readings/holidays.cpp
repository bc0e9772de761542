// The holidays, fasts and memorial days of the Hebrew year, by month slot and day. Fasts
// that would fall on a Sabbath move (Gedalia, Tammuz and Av to Sunday, Esther to Thursday);
// Israel keeps one festival day where the Diaspora keeps two.

#include "hebrew_calendar.h"

namespace lyrasta {

namespace {

constexpr int kFriday = 6;
constexpr int kSaturday = 7;
constexpr int kSunday = 1;
constexpr int kThursday = 5;

// "Day n" and "intermed. n".
std::string DayText(int n) { return "Day " + std::to_string(n); }
std::string IntermediateText(int n) { return "intermed. " + std::to_string(n); }

// A festival of seven days (Succos from 15 Tishrei, Pesach from 15 Nisan): the first day,
// then in the Diaspora a second festival day, then the intermediate days up to the 20th.
Holiday FestivalWeek(const char* name, int day, bool israel) {
    if (day == 15) return {name, DayText(1)};
    if (israel) return {name, IntermediateText(day - 15)};
    if (day == 16) return {name, DayText(2)};
    return {name, IntermediateText(day - 16)};
}

Holiday Tishrei(int day, int weekday, bool israel) {
    switch (day) {
        case 1: return {"*Rosh Hashanah", DayText(1)};
        case 2: return {"*Rosh Hashanah", DayText(2)};
        case 3: return weekday != kSaturday ? Holiday{"*Fast of Gedalia", ""} : Holiday{};
        case 4: return weekday == kSunday ? Holiday{"*Fast of Gedalia", ""} : Holiday{};
        case 9: return {"Erev Yom Kippur", ""};
        case 10: return {"*Yom Kippur", ""};
        case 14: return {"Erev Succos", ""};
        case 21: return {"*Hoshana Rabbah", ""};
        case 22: return {"*Shemini Atzeres", ""};
        case 23: return israel ? Holiday{"Isru chag", ""} : Holiday{"*Simchas Torah", ""};
        default: break;
    }
    if (day >= 15 && day <= 20) return FestivalWeek("*Succos", day, israel);
    return {};
}

// Chanukah runs from 25 Kislev for eight days; in a deficient year Kislev has no 30th, so
// the days in Teves count one further.
Holiday Chanukah(int day, int slot, int yearType) {
    if (slot == 3) {
        if (day == 24) return {"Erev Chanukah", ""};
        if (day >= 25 && day <= 30) return {"*Chanukah", DayText(day - 24)};
        return {};
    }
    if (day < 1 || day > 3) return {};
    const int kislevDays = IsDeficientYear(yearType) ? 29 : 30;
    const int n = kislevDays - 24 + day;
    if (n <= 8) return {"*Chanukah", DayText(n)};
    return {};
}

// Adar of a common year, Adar II of a leap year: the Fast of Esther on 13 Adar, or on the
// Thursday before when the 13th is a Sabbath; Purim on the 14th, Shushan Purim on the 15th.
Holiday PurimMonth(int day, int weekday) {
    switch (day) {
        case 11:
        case 12: return weekday == kThursday ? Holiday{"*Fast of Esther", ""} : Holiday{};
        case 13:
            return weekday != kFriday && weekday != kSaturday ? Holiday{"*Fast of Esther", ""} : Holiday{};
        case 14: return {"*Purim", ""};
        case 15: return {"Shushan Purim", ""};
        default: return {};
    }
}

Holiday Nisan(int day, int weekday, bool israel) {
    switch (day) {
        case 14: return {"Erev Pesach", ""};
        case 21: return {"*Pesach", DayText(7)};
        case 22: return israel ? Holiday{"Isru chag", ""} : Holiday{"*Pesach", DayText(8)};
        case 26: return weekday == kThursday ? Holiday{"Yom HaShoah", ""} : Holiday{};
        case 27: return weekday != kFriday ? Holiday{"Yom HaShoah", ""} : Holiday{};
        default: break;
    }
    if (day >= 15 && day <= 20) return FestivalWeek("*Pesach", day, israel);
    return {};
}

Holiday Iyar(int day, int weekday) {
    switch (day) {
        case 3:
        case 4: return weekday == kThursday ? Holiday{"Israel Indep. Day", ""} : Holiday{};
        case 5:
            return weekday != kFriday && weekday != kSaturday ? Holiday{"Israel Indep. Day", ""} : Holiday{};
        case 14: return {"Pesach Sheni", ""};
        case 18: return {"Lag B'Omer", ""};
        default: return {};
    }
}

// A fast of 17 Tammuz or 9 Av, kept on Sunday when the date is a Sabbath.
Holiday SummerFast(const char* name, int day, int fastDay, int weekday) {
    if (day == fastDay && weekday != kSaturday) return {name, ""};
    if (day == fastDay + 1 && weekday == kSunday) return {name, ""};
    return {};
}

}  // namespace

Holiday HolidayForDate(int day, int slot, int weekday, bool israel, int yearType) {
    const bool leap = IsLeapYearType(yearType);
    switch (slot) {
        case 1: return Tishrei(day, weekday, israel);
        case 3:
        case 4:
            if (slot == 4 && day == 10) return {"*Fast of Teves", ""};
            return Chanukah(day, slot, yearType);
        case 5: return day == 15 ? Holiday{"Tu B'Shvat", ""} : Holiday{};
        case 6:
            if (leap) return day == 14 ? Holiday{"Purim Katan", ""} : Holiday{};
            return PurimMonth(day, weekday);
        case 7: return PurimMonth(day, weekday);
        case 8: return Nisan(day, weekday, israel);
        case 9: return Iyar(day, weekday);
        case 10:
            if (day == 6) return {"*Shavuos", DayText(1)};
            if (day == 7) return israel ? Holiday{"Isru chag", ""} : Holiday{"*Shavuos", DayText(2)};
            return {};
        case 11: return SummerFast("*Fast of Tammuz", day, 17, weekday);
        case 12:
            if (day == 15) return {"Tu B'Av", ""};
            return SummerFast("*Tisha B'Av", day, 9, weekday);
        case 13: return day == 29 ? Holiday{"Erev Rosh Hashanah", ""} : Holiday{};
        default: return {};
    }
}

}  // namespace lyrasta
