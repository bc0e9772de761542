#include "portion_schedule.h"

#include <array>
#include <charconv>
#include <vector>

namespace lyrasta {

namespace {

constexpr std::array<std::string_view, kPortionCount> kPortionNames = {
    "Bereishis", "Noach", "Lech Lecha", "Vayeira", "Chayei Sarah", "Toldos", "Vayeitzei",
    "Vayishlach", "Vayeishev", "Mikeitz", "Vayigash", "Vayechi", "Shemos", "Va'eira", "Bo",
    "Beshalach", "Yisro", "Mishpatim", "Terumah", "Tetzaveh", "Ki Sisa", "Vayakhel", "Pekudei",
    "Vayikra", "Tzav", "Shemini", "Tazria", "Metzora", "Acharei", "Kedoshim", "Emor", "Behar",
    "Bechukosai", "Bamidbar", "Nasso", "Beha'aloscha", "Shelach", "Korach", "Chukas", "Balak",
    "Pinchas", "Mattos", "Masei", "Devarim", "Va'Eschanan", "Eikev", "Re'eh", "Shoftim",
    "Ki Seitzei", "Ki Savo", "Nitzavim", "Vayeilech", "Haazinu", "V'zos HaBracha",
    "Vayakhel+Pekudei", "Tazria+Metzora", "Acharei+Kedoshim", "Behar+Bechukosai",
    "Chukas+Balak", "Mattos+Masei", "Nitzavim+Vayeilech"};

// First part of each combined portion 54-60.
constexpr std::array<int, 7> kFirstParts = {21, 26, 28, 31, 38, 41, 50};

constexpr std::array<std::string_view, 12> kSpecialTexts = {
    "", "Shabbat Shuva", "*Shabbas Shekalim", "*Shabbas Zachor", "*Shabbas Parah",
    "*Shabbas HaChodesh", "*Shabbas HaGadol", "Shabbas Chazon", "Shabbas Nachamu",
    "Slichos(A)", "Slichos(S)", "Shabbas Shira"};

// The schedules, Sabbath by Sabbath from the first Saturday on or after 1 Tishrei: a number
// is a portion, p/c a portion with its special-Sabbath code, a-b the run of portions a to b,
// and "-" a Sabbath without portion (a festival day).
constexpr std::string_view kSchedule1D =
    "51/1 52 53 0-14 15/11 16 17/2 18 19/3 20/4 54/5 23 24/6 - 25 55 56 30 57 33 - 34-37 58 40 59 "
    "43/7 44/8 45 46 47/10 48 49 60/9";
constexpr std::string_view kSchedule1I =
    "51/1 52 53 0-14 15/11 16 17/2 18 19/3 20/4 54/5 23 24/6 - 25 55 56 30 57 33-40 59 "
    "43/7 44/8 45 46 47/10 48 49 60/9";
constexpr std::string_view kSchedule4 =
    "52/1 - 53 0-14 15/11 16 17 18/2 19/3 20 21/4 22/5 23 24/6 - 25 55 56 30 57 33-40 59 "
    "43/7 44/8 45 46 47/10 48 49/9 50";
constexpr std::string_view kSchedule5D =
    "52/1 - 53 0-14 15/11 16 17/2 18 19/3 20 54/4 23/5 24/6 - - 25 55 56 30 57 33-40 59 "
    "43/7 44/8 45 46 47/10 48 49/9 50";
constexpr std::string_view kSchedule5I =
    "52/1 - 53 0-14 15/11 16 17/2 18 19/3 20 54/4 23/5 24/6 - 25 55 56 30-40 59 "
    "43/7 44/8 45 46 47/10 48 49/9 50";
constexpr std::string_view kSchedule6 =
    "- 52/1 - 53 0-14 15/11 16 17/2 18 19/3 20/4 54/5 23 24/6 - 25 55 56 30 57 33-40 59 "
    "43/7 44/8 45 46 47/10 48 49 60/9";
constexpr std::string_view kSchedule7 =
    "- 52/1 - 53 0-14 15/11 16 17/2 18/3 19 20/4 54/5 23 24/6 - 25 55 56 30 57 33-40 59 "
    "43/7 44/8 45 46 47/10 48 49/9 50";
constexpr std::string_view kSchedule8D =
    "51/1 52 53 0-14 15/11 16-20 21/2 22 23/3 24 25/4 26/5 27/6 - - 28-40 59 "
    "43/7 44/8 45 46 47/10 48 49/9 50";
constexpr std::string_view kSchedule8I =
    "51/1 52 53 0-14 15/11 16-20 21/2 22 23/3 24 25/4 26/5 27/6 - 28-42 "
    "43/7 44/8 45 46 47/10 48 49/9 50";
constexpr std::string_view kSchedule9D =
    "51/1 52 53 0-14 15/11 16-20 21/2 22 23/3 24/4 25/5 26 27/6 - 28-33 - 34-37 58 40 59 "
    "43/7 44/8 45 46 47/10 48 49 60/9";
constexpr std::string_view kSchedule9I =
    "51/1 52 53 0-14 15/11 16-20 21/2 22 23/3 24/4 25/5 26 27/6 - 28-40 59 "
    "43/7 44/8 45 46 47/10 48 49 60/9";
constexpr std::string_view kSchedule11 =
    "52/1 - 53 0-14 15/11 16-21 22/2 23 24/3 25/4 26/5 27 28/6 - 29-42 "
    "43/7 44/8 45 46 47/10 48 49 60/9";
constexpr std::string_view kSchedule12 =
    "52/1 - 53 0-14 15/11 16-21 22/2 23/3 24 25/4 26/5 27 28/6 - 29-42 "
    "43/7 44/8 45 46 47/10 48 49/9 50";
constexpr std::string_view kSchedule13D =
    "- 52/1 - 53 0-14 15/11 16-20 21/2 22 23/3 24/4 25/5 26 27/6 - 28-33 - 34-37 58 40 59 "
    "43/7 44/8 45 46 47/10 48 49 60/9";
constexpr std::string_view kSchedule13I =
    "- 52/1 - 53 0-14 15/11 16-20 21/2 22 23/3 24/4 25/5 26 27/6 - 28-40 59 "
    "43/7 44/8 45 46 47/10 48 49 60/9";

// The table of each year type 1-14: Diaspora, then Israel.
constexpr std::array<std::array<std::string_view, 2>, 14> kSchedules = {{
    {kSchedule1D, kSchedule1I},   {kSchedule1I, kSchedule1I},   {kSchedule1D, kSchedule1I},
    {kSchedule4, kSchedule4},     {kSchedule5D, kSchedule5I},   {kSchedule6, kSchedule6},
    {kSchedule7, kSchedule7},     {kSchedule8D, kSchedule8I},   {kSchedule9D, kSchedule9I},
    {kSchedule8D, kSchedule8I},   {kSchedule11, kSchedule11},   {kSchedule12, kSchedule12},
    {kSchedule13D, kSchedule13I}, {kSchedule13I, kSchedule13I},
}};

int ParseNumber(std::string_view s) {
    int n = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (ec != std::errc() || end != s.data() + s.size()) throw std::logic_error("bad schedule entry");
    return n;
}

std::vector<ScheduleEntry> ParseSchedule(std::string_view text) {
    std::vector<ScheduleEntry> entries;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find(' ', pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view token = text.substr(pos, end - pos);
        pos = end + 1;
        if (token == "-") {
            entries.push_back(-1);
        } else if (const size_t dash = token.find('-'); dash != std::string_view::npos) {
            for (int p = ParseNumber(token.substr(0, dash)); p <= ParseNumber(token.substr(dash + 1)); ++p)
                entries.push_back(p);
        } else if (const size_t slash = token.find('/'); slash != std::string_view::npos) {
            entries.push_back(ParseNumber(token.substr(0, slash)) | ParseNumber(token.substr(slash + 1)) << 8);
        } else {
            entries.push_back(ParseNumber(token));
        }
    }
    return entries;
}

using ParsedSchedules = std::array<std::array<std::vector<ScheduleEntry>, 2>, 14>;

const ParsedSchedules& Schedules() {
    static const ParsedSchedules parsed = [] {
        ParsedSchedules out;
        for (size_t t = 0; t < kSchedules.size(); ++t)
            for (size_t israel = 0; israel < 2; ++israel) out[t][israel] = ParseSchedule(kSchedules[t][israel]);
        return out;
    }();
    return parsed;
}

// Week index of day number n in a year whose 1 Tishrei is day number r on weekday k: on a
// Saturday the index of that Sabbath, on other days that of the Sabbath just past.
std::int32_t WeekIndex(std::int32_t n, std::int32_t r, int k) {
    return checked::Add(checked::Sub(n, r), k) / 7 - 1;
}

ScheduleEntry EntryAt(std::span<const ScheduleEntry> table, std::int32_t week) {
    if (week < 0 || week >= static_cast<std::int32_t>(table.size()))
        throw CalendarRangeError("week outside the year's schedule");
    return table[week];
}

// The first portion of the next year, read in the week after a year's last Sabbath:
// Vayeilech after a year ending with Nitzavim alone, Haazinu after one ending with both.
std::string_view FirstPortionOfNextYear(int yearType) {
    switch (yearType) {
        case 4: case 5: case 7: case 8: case 10: case 12: return PortionName(51);
        default: return PortionName(52);
    }
}

constexpr int kSaturday = 7;

}  // namespace

std::string_view PortionName(int portion) {
    if (portion < 0 || portion >= kPortionCount) throw CalendarRangeError("portion number out of range");
    return kPortionNames[portion];
}

int PortionNumber(std::string_view name) {
    for (int p = 0; p < kPortionCount; ++p)
        if (kPortionNames[p] == name) return p;
    return -1;
}

int FirstPartOfPortion(int portion) {
    if (portion >= kFirstCombinedPortion && portion < kPortionCount)
        return kFirstParts[portion - kFirstCombinedPortion];
    return portion;
}

std::string_view SpecialSabbathText(int code) {
    if (code < 0 || code >= static_cast<int>(kSpecialTexts.size())) return {};
    return kSpecialTexts[code];
}

std::span<const ScheduleEntry> ScheduleTable(int yearType, bool israel) {
    if (yearType < 1 || yearType > 14) throw CalendarRangeError("year type out of range");
    return Schedules()[yearType - 1][israel ? 1 : 0];
}

int PortionNumberForWeek(int yearType, bool israel, int week) {
    const auto table = ScheduleTable(yearType, israel);
    if (week < 0 || week >= static_cast<int>(table.size())) return -1;
    return table[week] & 0xff;
}

std::bitset<kPortionCount> PortionsReadInYear(int yearType, bool israel) {
    std::bitset<kPortionCount> read;
    for (int w = 0; w <= 54; ++w) {
        const int p = PortionNumberForWeek(yearType, israel, w);
        if (p >= 0 && p < kPortionCount) read.set(p);
    }
    return read;
}

PortionOfDay TPortionSchedule::PortionForDate(std::int32_t day, std::int32_t year, bool israel,
                                              bool lookPastHoliday, int weekday, int slot) {
    const bool sabbath = weekday == kSaturday;
    if (!sabbath && !lookPastHoliday && IsRoshChodesh(day, static_cast<float>(slot))) return {};

    const int type = calendar_.YearType(year);
    const std::int32_t tishrei = calendar_.HebrewToDayNumber(1, year, 1);
    const float month = SlotToCalendarMonth(slot, IsLeapYearType(type));
    const std::int32_t n = calendar_.HebrewToDayNumber(day, year, month);
    std::int32_t week = WeekIndex(n, tishrei, Weekday(tishrei));
    const auto table = ScheduleTable(type, israel);
    const std::int32_t last = static_cast<std::int32_t>(table.size()) - 1;

    if ((sabbath && week > last) || (!sabbath && week >= last))
        return {std::string(FirstPortionOfNextYear(type)), ""};

    // A weekday looks ahead to the coming Sabbath, and past holiday Sabbaths; a Sabbath reads
    // its own entry, or with the flag the next Sabbath that has a portion.
    ScheduleEntry entry = -1;
    for (bool firstPass = true;; firstPass = false) {
        if (!sabbath || (lookPastHoliday && !firstPass)) {
            if (week < last) ++week;
            else if (!firstPass) break;  // no later Sabbath of the year has a portion
        }
        entry = EntryAt(table, week);
        if (entry != -1 || (sabbath && !lookPastHoliday)) break;
    }
    if (entry == -1) return {};

    int portion = entry & 0xff;
    if (!sabbath) portion = FirstPartOfPortion(portion);
    return {std::string(PortionName(portion)), std::string(SpecialSabbathText(entry >> 8 & 0xff))};
}

SabbathDate TPortionSchedule::SabbathOfPortion(std::string_view name, std::int32_t year, int yearType,
                                               bool israel) {
    if (!name.empty() && name.front() == '*') name.remove_prefix(1);
    const auto table = ScheduleTable(yearType, israel);
    for (size_t w = 0; w < table.size(); ++w) {
        if (table[w] == -1 || PortionName(table[w] & 0xff) != name) continue;
        const std::int32_t tishrei = calendar_.HebrewToDayNumber(1, year, 1);
        const std::int32_t sabbath =
            checked::Add(checked::Sub(checked::Add(tishrei, 7 * static_cast<std::int32_t>(w)), Weekday(tishrei)), 7);
        const HebrewCalendarDate h = calendar_.DayNumberToHebrew(sabbath);
        return {h.day, h.month};
    }
    return {};
}

}  // namespace lyrasta
