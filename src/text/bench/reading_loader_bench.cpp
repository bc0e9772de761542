// Speed of loading readings from the bundled data: a whole weekly portion with its
// aliyot and Maftir, and a whole book.

#include <benchmark/benchmark.h>

#include "text/data_files.h"
#include "text/reading_loader.h"

namespace lyrasta {
namespace {

void LoadAndCount(benchmark::State& state, const TReadingSections& sections) {
    TWordTable table;
    TReadingLoader loader(DefaultDataDir(), table);  // $LYRASTA_DATA or the bundled data
    for (auto _ : state) {
        loader.LoadReading("Benchmark", "", sections);
        benchmark::DoNotOptimize(table.WordCount());
    }
    state.counters["items"] = table.WordCount();
}

void BM_LoadNasso(benchmark::State& state) {
    TReadingSections s;
    s.Kohen = "NUM4:21-4:37";
    s.Levi = "NUM4:38-4:49";
    s.Shlishi = "NUM5:1-5:10";
    s.Revii = "NUM5:11-6:27";
    s.Chamishi = "NUM7:1-7:41";
    s.Shishi = "NUM7:42-7:71";
    s.Shvii = "NUM7:72-7:89";
    s.Maftir = "NUM7:87-7:89";
    LoadAndCount(state, s);
}
BENCHMARK(BM_LoadNasso)->Unit(benchmark::kMillisecond);

void BM_LoadGenesis(benchmark::State& state) {
    TReadingSections s;
    s.R[0] = "GEN1:1-50:26";
    LoadAndCount(state, s);
}
BENCHMARK(BM_LoadGenesis)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lyrasta
