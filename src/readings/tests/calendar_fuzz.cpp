// Feeds arbitrary whole numbers and names to every calendar and schedule operation: each
// must give an answer or raise CalendarRangeError, never overflow or index out of bounds.

#include <cstdint>
#include <cstring>
#include <string>

#include "readings/sabbath_keys.h"
#include "readings/triennial.h"

namespace {

struct Input {
    const std::uint8_t* data;
    size_t size;
    std::int32_t Next() {
        std::int32_t v = 0;
        const size_t n = size < sizeof v ? size : sizeof v;
        std::memcpy(&v, data, n);
        data += n;
        size -= n;
        return v;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    using namespace lyrasta;
    Input in{data, size};
    const std::int32_t a = in.Next(), b = in.Next(), c = in.Next(), d = in.Next();
    const std::string name(reinterpret_cast<const char*>(in.data), in.size);
    TPortionSchedule schedule;
    THebrewCalendar& calendar = schedule.Calendar();
    auto attempt = [](auto&& f) {
        try {
            f();
        } catch (const CalendarRangeError&) {
        }
    };
    attempt([&] { NisanOneInMarch(a); });
    attempt([&] { CivilToDayNumber(a, static_cast<float>(b) / 7, c); });
    attempt([&] { DayNumberToCivil(a); });
    attempt([&] { calendar.HebrewToDayNumber(a, b, static_cast<float>(c) / 2); });
    attempt([&] { calendar.DayNumberToHebrewDate(a); });
    attempt([&] { calendar.YearType(a); });
    attempt([&] { HolidayForDate(a, b, c, d & 1, d >> 1); });
    attempt([&] { ClipCivilDate(a, b, c); });
    attempt([&] { HebrewMonthName(a, b & 1); });
    attempt([&] { PortionNumberForWeek(a, b & 1, c); });
    attempt([&] { schedule.PortionForDate(a, b, c & 1, c & 2, d, c >> 2); });
    attempt([&] { schedule.SabbathOfPortion(name, a, b, c & 1); });
    attempt([&] { SabbathKeys(schedule, name, a, b & 1); });
    attempt([&] { TriennialKey(calendar, name, std::string(1, static_cast<char>(c)), a, b & 1); });
    attempt([&] { CycleForYear({a, b}, c); });
    attempt([&] { BaseFromCycle({a, b}, c, d); });
    return 0;
}
