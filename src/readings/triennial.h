#pragma once
// The triennial cycle: which year of the three-year cycle a Hebrew year is, and the key that
// tells, for a portion that is sometimes combined with its neighbour, in which years of the
// current cycle it is read on its own.

#include <cstdint>
#include <string>
#include <string_view>

#include "portion_schedule.h"

namespace lyrasta {

// The stored reference point of the rotation: cycle 1-3 of a base Hebrew year.
struct CycleBase {
    int cycle = 1;
    std::int32_t year = 0;
    bool operator==(const CycleBase&) const = default;
};

// The cycle (1-3) of a Hebrew year, counted on from the base in either direction.
int CycleForYear(const CycleBase& base, std::int32_t year);

// The base cycle that makes `year` come out as `cycle`, keeping the base year.
int BaseFromCycle(const CycleBase& base, int cycle, std::int32_t year);

// The base at start-up, from the stored one: a stored cycle of 0 (never set) makes the
// current year cycle 1; otherwise the current year's cycle is counted on from the stored
// base. The current year becomes the base year.
CycleBase StartCycleBase(const CycleBase& stored, std::int32_t currentYear);

// The triennial key of a portion: the cycle text itself, or for one of the twelve portions
// that are combined in some years, the cycle followed by one letter for each year of the
// current cycle, "S" when it is read separately and "T" when together (for example "2SST").
std::string TriennialKey(THebrewCalendar& calendar, std::string_view portionName, std::string_view cycle,
                         std::int32_t displayedYear, bool israel);

}  // namespace lyrasta
