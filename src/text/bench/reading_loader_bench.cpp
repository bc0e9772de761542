// Speed of loading readings from the bundled data: a whole weekly portion with its
// aliyot and Maftir, and a whole book; and the time and memory a malformed book costs
// before it is refused.

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

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

// Peak resident memory of this process so far, in megabytes.
double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// A book text of one 6 MB line without a blank, as a damaged or foreign file may be: the
// loader must refuse it quickly and in little memory. Registered first, so that the peak
// memory is this load's own and not that of the whole books loaded after it.
void BM_LoadMalformedBook(benchmark::State& state) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("lyrasta-malformed-" + std::to_string(getpid()));
    fs::create_directories(dir / "bhs");
    {
        // Written in pieces, so that the peak before loading is not raised by the file's text.
        std::ofstream book(dir / "bhs" / "GEN.txt", std::ios::binary);
        book << "~aGenesis\n~y1 ";
        const std::string piece(1 << 16, 'B');
        for (int i = 0; i < 96; ++i) book << piece;
        book << "\n";
    }
    TWordTable table;
    TReadingLoader loader(dir, table);
    TReadingSections s;
    s.R[0] = "GEN1:1-1:1";
    for (auto _ : state) {
        loader.LoadReading("Malformed", "", s);
        benchmark::DoNotOptimize(table.WordCount());
    }
    if (loader.Problems().empty()) state.SkipWithError("the malformed book was not refused");
    state.counters["peak_MB"] = PeakMegabytes();
    fs::remove_all(dir);
}
BENCHMARK(BM_LoadMalformedBook)->Unit(benchmark::kMillisecond);

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
