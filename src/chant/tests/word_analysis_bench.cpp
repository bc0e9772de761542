// Speed of the word analysis over all of Genesis (the words scanned beforehand).
#include <benchmark/benchmark.h>

#include "book_words.h"
#include "chant/word_analysis.h"

namespace {

void BM_AnalyzeGenesis(benchmark::State& state) {
    const lyrasta::TPhonemeSet set = lyrasta::ShippedPhonemeSet("U.S. Sephardi");
    std::vector<lyrasta::BookWord> words = lyrasta::ScanBook("GEN");
    for (auto _ : state) {
        for (lyrasta::BookWord& w : words) lyrasta::AnalyzeWord(w.letters, set);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(words.size()));
}
BENCHMARK(BM_AnalyzeGenesis)->Unit(benchmark::kMillisecond);

}  // namespace
