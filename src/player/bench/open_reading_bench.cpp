// Speed of opening a reading from the readings catalogue, as "Open Torah Portion" does it:
// choosing the portion in the open-reading dialog's model (its Sabbath, special keys and four
// option lists), turning the choice into the sections to load, loading them from the text and
// building the song. Noach (153 verses) is a portion of middle length; Nasso (176 verses,
// the longest) bounds it from above; Megillas Esther (167 verses, wrapped) is the longest
// reading of the holiday tab. The choice alone, without loading, is measured apart.

#include <benchmark/benchmark.h>

#include "player/reading_session.h"
#include "readings/open_reading_model.h"
#include "text/random.h"

namespace lyrasta {
namespace {

struct Opening {
    TCatalogue catalogue;
    TReadingSession session{LYRASTA_DATA_DIR, [](const std::string&, const std::string&) {}};
    strucSongSettings settings;
    TWordTable table;
    Opening() { catalogue.Load(LYRASTA_DATA_DIR); }
};

Opening& Shared() {
    static Opening* o = new Opening;  // the catalogue and trope definitions are read once, at start
    return *o;
}

void OpenFromCatalogue(benchmark::State& state, const char* reading, TOpenKind kind) {
    Opening& o = Shared();
    SeedRandom(1);
    int items = 0;
    for (auto _ : state) {
        TOpenReadingModel model(o.catalogue, 5785, {});
        model.SelectReading(reading);
        const TOpenedReading r = model.Open(kind);
        o.session.Open(o.table, r.title, r.subtitle, r.wrapped, r.sections, r.type, r.typeAux, o.settings);
        items = o.table.WordCount();
    }
    state.counters["items"] = items;
}

// The catalogue's own share: the dialog's choice and the sections it opens, nothing loaded.
void BM_ChooseNoach(benchmark::State& state) {
    Opening& o = Shared();
    for (auto _ : state) {
        TOpenReadingModel model(o.catalogue, 5785, {});
        model.SelectReading("Noach");
        benchmark::DoNotOptimize(model.Open(TOpenKind::Torah));
    }
}

void BM_OpenNoach(benchmark::State& state) { OpenFromCatalogue(state, "Noach", TOpenKind::Torah); }
void BM_OpenNasso(benchmark::State& state) { OpenFromCatalogue(state, "Nasso", TOpenKind::Torah); }
void BM_OpenMegillasEsther(benchmark::State& state) {
    OpenFromCatalogue(state, "Megillas Esther", TOpenKind::Reading);
}
BENCHMARK(BM_ChooseNoach)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenNoach)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenNasso)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenMegillasEsther)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lyrasta
