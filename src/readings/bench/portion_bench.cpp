// The portion of every Sabbath of the Hebrew years 5600 to 6000, in Israel and in the
// Diaspora: the work of the calendar window and of the headless tool's Sabbath listing.

#include <benchmark/benchmark.h>

#include "readings/portion_schedule.h"

namespace {

void BM_PortionOfEverySabbath5600To6000(benchmark::State& state) {
    using namespace lyrasta;
    TPortionSchedule schedule;
    THebrewCalendar& calendar = schedule.Calendar();
    const std::int32_t first = calendar.HebrewToDayNumber(1, 5600, 1);
    const std::int32_t end = calendar.HebrewToDayNumber(1, 6001, 1);
    const std::int32_t firstSabbath = first + (7 - Weekday(first));
    std::int64_t sabbaths = 0;
    for (auto _ : state) {
        for (bool israel : {false, true}) {
            for (std::int32_t n = firstSabbath; n < end; n += 7) {
                const HebrewDate h = calendar.DayNumberToHebrewDate(n);
                benchmark::DoNotOptimize(schedule.PortionForDate(h.day, h.year, israel, false, 7, h.month));
                ++sabbaths;
            }
        }
    }
    state.SetItemsProcessed(sabbaths);
}
BENCHMARK(BM_PortionOfEverySabbath5600To6000)->Unit(benchmark::kMillisecond);

}  // namespace
