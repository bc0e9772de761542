#pragma once
// The weekly Torah portion of every Sabbath of a Hebrew year, in Israel and in the Diaspora:
// one schedule table per year type (a separate Israel table for the types in which a second
// festival day of the Diaspora falls on a Sabbath), the special Sabbaths (Shekalim, Zachor,
// Parah, HaChodesh, HaGadol, ...), and where the Sabbath of a chosen portion falls.

#include <bitset>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "hebrew_calendar.h"

namespace lyrasta {

// Portions 0 ("Bereishis") to 53 ("V'zos HaBracha"), then the combined portions 54
// ("Vayakhel+Pekudei") to 60 ("Nitzavim+Vayeilech").
constexpr int kPortionCount = 61;
constexpr int kFirstCombinedPortion = 54;
// PortionNumberForWeek of a Sabbath on which no portion is read (a festival day).
constexpr int kNoPortion = 255;

// The portion's name as the reader sees it; CalendarRangeError outside 0-60.
std::string_view PortionName(int portion);
// The portion numbered by that name, or -1.
int PortionNumber(std::string_view name);
// The first of the two portions of a combined portion (54 -> 21, ...); others unchanged.
int FirstPartOfPortion(int portion);

// Text of a special-Sabbath code 1-11 ("Shabbat Shuva", "*Shabbas Shekalim", ...);
// empty for 0 and unknown codes.
std::string_view SpecialSabbathText(int code);

// One Sabbath of a schedule table: the low byte is the portion, the next byte the
// special-Sabbath code; -1 is a Sabbath without portion.
using ScheduleEntry = std::int32_t;

// The schedule table of a year type 1-14 (CalendarRangeError otherwise), for Israel or the
// Diaspora. Entry w belongs to the w-th Sabbath of the year, week 0 being the first
// Saturday on or after 1 Tishrei.
std::span<const ScheduleEntry> ScheduleTable(int yearType, bool israel);

// Portion number 0-60 of week w, kNoPortion for a Sabbath without portion, -1 when w lies
// outside the year.
int PortionNumberForWeek(int yearType, bool israel, int week);

// The portions read on the Sabbaths of a year of that type.
std::bitset<kPortionCount> PortionsReadInYear(int yearType, bool israel);

// The portion of a Sabbath, or on a weekday the portion of the coming Sabbath (first part of
// a combined one), with its special-Sabbath text. Both empty where no portion applies.
struct PortionOfDay {
    std::string portion, special;
    bool operator==(const PortionOfDay&) const = default;
};

// The Sabbath of a portion in a year, month as a calendar month number; (0, 0) when the
// portion is not read that year.
struct SabbathDate {
    std::int32_t day = 0;
    float month = 0;
    bool operator==(const SabbathDate&) const = default;
};

// Schedule questions that need the calendar conversions; the object holds its own calendar.
class TPortionSchedule {
public:
    // The portion for a Hebrew date (month as slot) with its weekday. On a weekday it is the
    // coming Sabbath's portion, holiday Sabbaths skipped; a weekday Rosh Chodesh gets none.
    // On a Sabbath it is that Sabbath's own entry, or with lookPastHoliday set, when that
    // Sabbath has none, the next Sabbath's portion.
    PortionOfDay PortionForDate(std::int32_t day, std::int32_t year, bool israel, bool lookPastHoliday,
                                int weekday, int slot);

    // The Sabbath on which the named portion is read in the year ("*" before the name is
    // ignored). Combined and single portions are distinct names.
    SabbathDate SabbathOfPortion(std::string_view name, std::int32_t year, int yearType, bool israel);

    THebrewCalendar& Calendar() { return calendar_; }

private:
    THebrewCalendar calendar_;
};

}  // namespace lyrasta
