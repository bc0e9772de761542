#include "triennial.h"

#include <algorithm>
#include <array>

namespace lyrasta {

namespace {

// The portions that some years combine with their neighbour.
constexpr std::array<std::string_view, 12> kCombinable = {
    "Vayakhel", "Pekudei", "Tazria", "Metzora", "Acharei", "Kedoshim",
    "Behar", "Bechukosai", "Chukas", "Balak", "Mattos", "Masei"};

}  // namespace

int CycleForYear(const CycleBase& base, std::int32_t year) {
    const std::int32_t offset = checked::Add(checked::Sub(base.cycle, 1), checked::Sub(year, base.year) % 3);
    return checked::FloorMod(offset, 3) + 1;
}

int BaseFromCycle(const CycleBase& base, int cycle, std::int32_t year) {
    const std::int32_t offset = checked::Sub(checked::Sub(cycle, 1), checked::Sub(year, base.year) % 3);
    return checked::FloorMod(offset, 3) + 1;
}

CycleBase StartCycleBase(const CycleBase& stored, std::int32_t currentYear) {
    const int cycle = stored.cycle == 0 ? 1 : CycleForYear(stored, currentYear);
    return {cycle, currentYear};
}

std::string TriennialKey(THebrewCalendar& calendar, std::string_view portionName, std::string_view cycle,
                         std::int32_t displayedYear, bool israel) {
    std::string key(cycle);
    if (portionName.find('+') != std::string_view::npos) return key;
    if (cycle != "1" && cycle != "2" && cycle != "3") return key;
    if (std::find(kCombinable.begin(), kCombinable.end(), portionName) == kCombinable.end()) return key;

    const int portion = PortionNumber(portionName);
    const std::int32_t firstYear = checked::Add(checked::Sub(displayedYear, cycle[0] - '0'), 1);
    for (std::int32_t i = 0; i < 3; ++i)
        key += PortionsReadInYear(calendar.YearType(checked::Add(firstYear, i)), israel).test(portion) ? 'S' : 'T';
    return key;
}

}  // namespace lyrasta
