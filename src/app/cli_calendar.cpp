// lyrasta-cli calendar ...: the Hebrew calendar and the weekly portion schedule, printed as
// JSON Lines: every civil day of a range with its Hebrew date and holiday, every Sabbath of a
// range of Hebrew years with its portion, the Sabbath of a portion, the special keys of a
// portion's Sabbath, and the triennial key.

#include <cstdio>
#include <iostream>
#include <map>

#include "cli_args.h"
#include "cli_commands.h"
#include "json_line.h"
#include "readings/sabbath_keys.h"
#include "readings/triennial.h"

namespace lyrasta::cli {

namespace {

std::int32_t ParseIsoDate(const std::string& option, const std::string& text) {
    int y = 0, m = 0, d = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d-%d-%d%c", &y, &m, &d, &tail) != 3 || m < 1 || m > 12 || d < 1 ||
        d > DaysInCivilMonth(m, y))
        throw UsageError("--" + option + " needs a date YYYY-MM-DD, not \"" + text + "\"");
    return CivilToDayNumber(d, static_cast<float>(m), y);
}

std::string IsoDate(std::int32_t dayNumber) {
    const CivilDate c = DayNumberToCivil(dayNumber);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", c.year, c.month, c.day);
    return buf;
}

// The Hebrew years whose calendar and reading cycle the program knows.
constexpr std::int32_t kFirstYear = 5600, kLastYear = 6000;

std::string YearRangeText() { return std::to_string(kFirstYear) + "-" + std::to_string(kLastYear); }

std::int32_t RequireYear(const CliArgs& args, const std::string& name) {
    args.Require(name);
    const long year = *args.Number(name);
    if (year < kFirstYear || year > kLastYear)
        throw UsageError("--" + name + " needs a Hebrew year " + YearRangeText() + ", not " + std::to_string(year));
    return static_cast<std::int32_t>(year);
}

// A civil date whose Hebrew year lies in the years the program knows.
std::int32_t RequireDate(const CliArgs& args, const std::string& name, THebrewCalendar& calendar) {
    const std::string text = args.Require(name);
    const std::int32_t n = ParseIsoDate(name, text);
    const std::int32_t year = calendar.DayNumberToHebrewDate(n).year;
    if (year < kFirstYear || year > kLastYear)
        throw UsageError("--" + name + " " + text + " lies in the Hebrew year " + std::to_string(year) +
                         ", outside " + YearRangeText());
    return n;
}

// The name of a weekly portion as the schedule writes it ("Ki Savo", "Vayakhel+Pekudei").
const std::string& CheckPortion(const std::string& option, const std::string& portion) {
    if (PortionNumber(portion) < 0)
        throw UsageError("--" + option + ": \"" + portion + "\" is not the name of a weekly portion (such as \"Ki Savo\")");
    return portion;
}

std::string RequirePortion(const CliArgs& args, const std::string& name) {
    return CheckPortion(name, args.Require(name));
}

// Year types of the Hebrew years met while walking a range, each computed once.
class YearTypes {
public:
    explicit YearTypes(THebrewCalendar& calendar) : calendar_(calendar) {}
    int operator()(std::int32_t year) {
        auto [it, added] = types_.try_emplace(year, 0);
        if (added) it->second = calendar_.YearType(year);
        return it->second;
    }

private:
    THebrewCalendar& calendar_;
    std::map<std::int32_t, int> types_;
};

int Hebrew(const Args& raw) {
    const CliArgs args(raw, {"from", "to"}, {"israel"});
    THebrewCalendar calendar;
    const std::int32_t from = RequireDate(args, "from", calendar);
    const std::int32_t to = RequireDate(args, "to", calendar);
    if (to < from) throw UsageError("--to lies before --from");
    const bool israel = args.Has("israel");
    YearTypes yearType(calendar);
    for (std::int32_t n = from; n <= to; ++n) {
        const HebrewDate h = calendar.DayNumberToHebrewDate(n);
        const int type = yearType(h.year);
        const int weekday = Weekday(n);
        const Holiday holiday = HolidayForDate(h.day, h.month, weekday, israel, type);
        JsonObject line;
        line.Add("date", IsoDate(n))
            .Add("dayNumber", n)
            .Add("weekday", weekday)
            .Add("hday", h.day)
            .Add("hmonth", h.month)
            .Add("hmonthName", HebrewMonthName(h.month, IsLeapYearType(type)))
            .Add("hyear", h.year)
            .Add("yearType", type)
            .Add("holiday", holiday.name)
            .Add("sub", holiday.sub)
            .Add("roshChodesh", IsRoshChodesh(h.day, static_cast<float>(h.month)));
        Emit(std::cout, line);
    }
    return 0;
}

int Sabbaths(const Args& raw) {
    const CliArgs args(raw, {"from-year", "to-year"}, {"israel"});
    const std::int32_t first = RequireYear(args, "from-year");
    const std::int32_t last = RequireYear(args, "to-year");
    if (last < first) throw UsageError("--to-year lies before --from-year");
    const bool israel = args.Has("israel");
    TPortionSchedule schedule;
    THebrewCalendar& calendar = schedule.Calendar();
    const std::int32_t end = calendar.HebrewToDayNumber(1, last + 1, 1);
    constexpr int kSaturday = 7;
    std::int32_t n = calendar.HebrewToDayNumber(1, first, 1);
    for (n += kSaturday - Weekday(n); n < end; n += 7) {
        const HebrewDate h = calendar.DayNumberToHebrewDate(n);
        const PortionOfDay p = schedule.PortionForDate(h.day, h.year, israel, false, kSaturday, h.month);
        JsonObject line;
        line.Add("date", IsoDate(n))
            .Add("hday", h.day)
            .Add("hmonth", h.month)
            .Add("hyear", h.year)
            .Add("portion", p.portion)
            .Add("special", p.special);
        Emit(std::cout, line);
    }
    return 0;
}

int SabbathOf(const Args& raw) {
    const CliArgs args(raw, {"portion", "year"}, {"israel"});
    const std::string portion = RequirePortion(args, "portion");
    const std::int32_t year = RequireYear(args, "year");
    TPortionSchedule schedule;
    THebrewCalendar& calendar = schedule.Calendar();
    const SabbathDate s = schedule.SabbathOfPortion(portion, year, calendar.YearType(year), args.Has("israel"));
    JsonObject line;
    line.Add("hday", s.day).Add("hmonth", static_cast<double>(s.month));
    line.Add("date", s.day == 0 ? std::string() : IsoDate(calendar.HebrewToDayNumber(s.day, year, s.month)));
    Emit(std::cout, line);
    return 0;
}

int Keys(const Args& raw) {
    const CliArgs args(raw, {"reading", "year"}, {"israel"});
    args.Require("reading");
    const std::int32_t year = RequireYear(args, "year");
    const std::vector<std::string> readings = args.All("reading");
    for (const std::string& reading : readings) CheckPortion("reading", reading);
    TPortionSchedule schedule;
    for (const std::string& reading : readings) {  // one line per reading, in order
        const SabbathKeyValues keys = SabbathKeys(schedule, reading, year, args.Has("israel"));
        JsonObject line;
        line.Add("dateLine", keys.dateLine)
            .Add("maftir", keys.maftir)
            .Add("haftarah", keys.haftarah)
            .Add("roshChodesh", keys.roshChodesh)
            .Add("erevRoshChodeshSpecial", keys.erevRoshChodeshSpecial)
            .Add("suffix", keys.suffix);
        Emit(std::cout, line);
    }
    return 0;
}

int Triennial(const Args& raw) {
    const CliArgs args(raw, {"portion", "cycle", "year"}, {"israel"});
    const std::string portion = RequirePortion(args, "portion");
    const std::string cycle = args.Require("cycle");
    const std::int32_t year = RequireYear(args, "year");
    THebrewCalendar calendar;
    JsonObject line;
    line.Add("key", TriennialKey(calendar, portion, cycle, year, args.Has("israel")));
    Emit(std::cout, line);
    return 0;
}

}  // namespace

int CalendarHebrew(const Args& args) { return Hebrew(args); }
int CalendarSabbaths(const Args& args) { return Sabbaths(args); }
int CalendarSabbathOf(const Args& args) { return SabbathOf(args); }
int CalendarKeys(const Args& args) { return Keys(args); }
int CalendarTriennial(const Args& args) { return Triennial(args); }

}  // namespace lyrasta::cli
