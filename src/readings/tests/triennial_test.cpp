// The triennial cycle: the rotation from a stored base, and the key of the combinable
// portions against the reading cycle as read (tests/data/sabbaths.txt).

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <set>

#include "readings/triennial.h"
#include "reference_tables.h"

namespace lyrasta {
namespace {

TEST(CycleRotation, CountsOnFromTheBaseBothWays) {
    const CycleBase base{2, 5784};
    const std::pair<std::int32_t, int> rows[] = {{5784, 2}, {5785, 3}, {5786, 1}, {5783, 1}, {5782, 3}, {5600, 1}, {6000, 2}};
    for (const auto& [year, cycle] : rows) EXPECT_EQ(CycleForYear(base, year), cycle) << year;
}

TEST(CycleRotation, SettingACycleMovesTheBase) {
    const CycleBase base{2, 5784};
    for (std::int32_t year : {5700, 5783, 5784, 5790}) {
        for (int cycle = 1; cycle <= 3; ++cycle) {
            const CycleBase moved{BaseFromCycle(base, cycle, year), base.year};
            EXPECT_EQ(CycleForYear(moved, year), cycle) << year;
        }
    }
}

TEST(CycleRotation, StartUp) {
    EXPECT_EQ(StartCycleBase({0, 5700}, 5785), (CycleBase{1, 5785}));  // never set
    EXPECT_EQ(StartCycleBase({2, 5784}, 5786), (CycleBase{1, 5786}));
    EXPECT_THROW(CycleForYear({1, INT_MIN}, INT_MAX), CalendarRangeError);
}

TEST(TriennialKey, PlainCycleWhereNoChoiceIsNeeded) {
    THebrewCalendar calendar;
    struct Row { const char* portion; const char* cycle; const char* key; };
    const Row rows[] = {
        {"Vayakhel+Pekudei", "2", "2"},  // combined: one reading whatever the year
        {"Rosh Hashanah", "1", "1"},     // a holiday
        {"Noach", "3", "3"},             // never combined
        {"Vayakhel", "4", "4"},          // not a cycle number
        {"Vayakhel", "", ""},
    };
    for (const Row& r : rows) EXPECT_EQ(TriennialKey(calendar, r.portion, r.cycle, 5785, false), r.key) << r.portion;
}

// For every combinable portion, cycle and year, the letters say in which years of the cycle
// the portion is read on its own, as the reference reads it.
TEST(TriennialKey, LettersFollowTheReadingCycle5600To6000) {
    std::map<std::pair<std::int32_t, bool>, std::set<int>> readAlone;
    for (const auto& row : testing::ReadTable("sabbaths.txt")) {
        auto& portions = readAlone[{std::stoi(row.at(0)), row.at(1) == "I"}];
        for (size_t w = 2; w < row.size(); ++w)
            if (row[w] != "-") portions.insert(std::stoi(row[w]));  // stops at "/"
    }
    const char* combinable[] = {"Vayakhel", "Pekudei", "Tazria", "Metzora", "Acharei", "Kedoshim",
                                "Behar", "Bechukosai", "Chukas", "Balak", "Mattos", "Masei"};
    THebrewCalendar calendar;
    for (std::int32_t year = 5602; year <= 5998; year += 7) {
        for (bool israel : {false, true}) {
            for (const char* portion : combinable) {
                for (int cycle = 1; cycle <= 3; ++cycle) {
                    std::string expected = std::to_string(cycle);
                    for (std::int32_t y = year - cycle + 1; y < year - cycle + 4; ++y)
                        expected += readAlone.at({y, israel}).count(PortionNumber(portion)) ? 'S' : 'T';
                    EXPECT_EQ(TriennialKey(calendar, portion, std::to_string(cycle), year, israel), expected)
                        << portion << " " << year << (israel ? " Israel" : "");
                }
            }
        }
    }
}

}  // namespace
}  // namespace lyrasta
