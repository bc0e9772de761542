#pragma once
// Readers of the reference tables in tests/data (written by tools/calendar-reference.mjs
// from an independent calendar implementation), and civil dates through std::chrono, which
// serves as the independent reference for the civil calendar.

#include <chrono>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace lyrasta::testing {

// Julian day number of 1 January 1970, the std::chrono epoch.
constexpr std::int32_t kUnixEpochDayNumber = 2440588;

inline std::int32_t DayNumberOf(std::chrono::year_month_day ymd) {
    return static_cast<std::int32_t>(std::chrono::sys_days(ymd).time_since_epoch().count()) + kUnixEpochDayNumber;
}

inline std::chrono::year_month_day CivilOf(std::int32_t dayNumber) {
    return std::chrono::year_month_day(std::chrono::sys_days(std::chrono::days(dayNumber - kUnixEpochDayNumber)));
}

// Day number of "YYYY-MM-DD".
inline std::int32_t DayNumberOfIso(const std::string& iso) {
    int y = 0;
    unsigned m = 0, d = 0;
    char dash1 = 0, dash2 = 0;
    std::istringstream in(iso);
    in >> y >> dash1 >> m >> dash2 >> d;
    if (!in || dash1 != '-' || dash2 != '-') throw std::runtime_error("bad date " + iso);
    return DayNumberOf(std::chrono::year{y} / std::chrono::month{m} / std::chrono::day{d});
}

// The lines of a reference table as words, comment lines skipped.
inline std::vector<std::vector<std::string>> ReadTable(const std::string& name) {
    std::ifstream in(std::string(LYRASTA_TEST_DATA) + "/" + name);
    if (!in) throw std::runtime_error("missing reference table " + name);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::vector<std::string> row;
        for (std::string w; words >> w;) row.push_back(w);
        rows.push_back(row);
    }
    return rows;
}

// First day of each month of the years 5600-6000, in order.
struct MonthStart {
    std::int32_t dayNumber;
    int slot;
    std::int32_t year;
};

inline std::vector<MonthStart> ReadMonthStarts() {
    std::vector<MonthStart> starts;
    for (const auto& row : ReadTable("month_starts.txt")) {
        const std::int32_t year = std::stoi(row.at(0));
        for (int slot = 1; slot <= 13; ++slot)
            if (row.at(slot) != "-") starts.push_back({DayNumberOfIso(row.at(slot)), slot, year});
    }
    return starts;
}

}  // namespace lyrasta::testing
