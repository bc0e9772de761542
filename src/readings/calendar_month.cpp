#include "calendar_month.h"

#include "readings/portion_schedule.h"

namespace lyrasta {

namespace {

constexpr int kSaturday = 7, kMonday = 2, kThursday = 5;

bool TakeStar(std::string& s) {
    if (s.empty() || s.front() != '*') return false;
    s.erase(0, 1);
    return true;
}

std::string OmerText(int day, int slot) {
    int count = 0;
    if (slot == 8 && day >= 15) count = day - 14;
    else if (slot == 9) count = day + 16;
    else if (slot == 10 && day < 5) count = day + 45;
    return count > 0 ? "Eve Omer " + std::to_string(count) : std::string();
}

// The holiday of a day as the cell shows it: name and sub-text, the "*" taken off.
struct DayHoliday {
    std::string name, text;
    bool reading = false;
};

DayHoliday HolidayOf(const HebrewDate& h, int weekday, bool israel, int yearType) {
    const Holiday holiday = HolidayForDate(h.day, h.month, weekday, israel, yearType);
    DayHoliday d{holiday.name, {}, false};
    d.reading = TakeStar(d.name);
    if (!d.name.empty()) d.text = d.name + " " + holiday.sub;
    return d;
}

// The holiday tab's caption of a holiday with its own reading.
std::string HolidayCaption(const std::string& name) {
    if (name == "Fast of Teves") return "Tenth of Teves";
    if (name == "Fast of Tammuz") return "Seventeenth of Tammuz";
    return name;
}

}  // namespace

TCalendarMonth DrawCal(int month, std::int32_t year, bool israel) {
    TCalendarMonth m;
    TPortionSchedule schedule;
    THebrewCalendar& calendar = schedule.Calendar();
    const std::int32_t firstDay = CivilToDayNumber(1, static_cast<float>(month), year);
    const int first = Weekday(firstDay) - 1;
    const int days = DaysInCivilMonth(month, year);
    std::string firstMonth, lastMonth;
    for (int d = 1; d <= days; ++d) {
        TCalendarCell& c = m.cells[first + d - 1];
        c.civilDay = d;
        c.weekday = (first + d - 1) % 7 + 1;
        const HebrewDate h = calendar.DayNumberToHebrewDate(firstDay + d - 1);
        const int type = calendar.YearType(h.year);
        const std::string monthName(HebrewMonthName(h.month, IsLeapYearType(type)));
        c.hebrewDate = std::to_string(h.day) + " " + monthName;
        if (d == 1) firstMonth = monthName + " " + std::to_string(h.year);
        lastMonth = monthName + " " + std::to_string(h.year);
        c.omer = OmerText(h.day, h.month);
        const DayHoliday holiday = HolidayOf(h, c.weekday, israel, type);
        c.holiday = holiday.text;
        c.holidayReading = holiday.reading;
        if (c.weekday == kSaturday || ((c.weekday == kMonday || c.weekday == kThursday) && !holiday.reading)) {
            const PortionOfDay p = schedule.PortionForDate(h.day, h.year, israel, false, c.weekday, h.month);
            if (p.portion != "V'zos HaBracha") c.portion = p.portion;
            c.special = p.special;
            c.specialReading = TakeStar(c.special);
            // Monday and Thursday show the coming Sabbath's portion, not its special name.
            if (c.weekday != kSaturday) c.special.clear();
            if (IsRoshChodesh(h.day, static_cast<float>(h.month)) && !p.special.empty()) {
                if (c.holiday.empty()) c.roshChodeshLine = 44;
                else c.roshChodeshUnplaced = true;
            }
        }
        if (IsRoshChodesh(h.day, static_cast<float>(h.month)) && c.roshChodeshLine == 0 && !c.roshChodeshUnplaced)
            c.roshChodeshLine = 33;
    }
    m.civilHeader = std::string(CivilMonthAbbrev(month)) + " " + std::to_string(year);
    m.hebrewHeader = firstMonth + "/" + lastMonth;
    return m;
}

TDayChoice CalcItemsForDay(int day, int month, std::int32_t year, bool israel) {
    TPortionSchedule schedule;
    THebrewCalendar& calendar = schedule.Calendar();
    const std::int32_t n = CivilToDayNumber(day, static_cast<float>(month), year);
    const HebrewDate h = calendar.DayNumberToHebrewDate(n);
    const int weekday = Weekday(n);
    const int type = calendar.YearType(h.year);
    DayHoliday holiday = HolidayOf(h, weekday, israel, type);
    bool reading = holiday.reading;
    TDayChoice choice;
    choice.hebrewYear = h.year;
    std::string portion;
    if (weekday == kSaturday) {
        PortionOfDay p = schedule.PortionForDate(h.day, h.year, israel, false, weekday, h.month);
        if (p.portion != "V'zos HaBracha") portion = p.portion;
        if (!p.special.empty()) reading = TakeStar(p.special);
    } else if ((weekday == kMonday || weekday == kThursday) && !reading) {
        portion = schedule.PortionForDate(h.day, h.year, israel, false, weekday, h.month).portion;
    }
    const std::string date = std::to_string(month) + "-" + std::to_string(day) + "-" + std::to_string(year);
    if (!portion.empty()) {
        choice.reading = portion;
        choice.weekday = weekday != kSaturday;
        choice.dateInfo = date + ":" + portion + ":" + std::to_string(PortionNumber(portion));
    } else if (reading && !holiday.name.empty()) {
        choice.reading = HolidayCaption(holiday.name);
        choice.holidayTab = true;
        choice.dateInfo = date + ":" + holiday.text;
    } else {
        choice.dateInfo = IsRoshChodesh(h.day, static_cast<float>(h.month)) ? date + ":Rosh Chodesh" : date;
    }
    return choice;
}

}  // namespace lyrasta
