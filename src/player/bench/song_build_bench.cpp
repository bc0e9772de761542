// Speed of the song build over the whole portion Nasso (Numbers 4:21-7:89), the longest
// weekly portion, in the Ashkenazi Torah style: what a change of voice, pitch or speed
// costs before singing starts again.

#include <benchmark/benchmark.h>

#include "chant/melody_styles.h"
#include "chant/song_builder.h"
#include "player/reading_steps.h"
#include "text/data_files.h"
#include "text/random.h"
#include "text/reading_loader.h"

namespace lyrasta {
namespace {

void BM_BuildSongNasso(benchmark::State& state) {
    const std::filesystem::path data = LYRASTA_DATA_DIR;
    TTropeDefinitions docs;
    docs.LoadTropeDefinitions(data, nullptr);
    TMelodyStyles styles(docs, nullptr);
    styles.BuildStyleCatalogue({});
    styles.SetReadingTypes("Torah", "");
    styles.ChooseReadingStyles();
    const TPhonemeSet phonemes = LoadPhonemeSet(ReadDataFile(data, "encodings/phonemes.ini"), "");

    TWordTable table;
    TReadingLoader loader(data, table);
    TAnalysisSteps steps(phonemes);
    loader.SetSteps(&steps);
    TReadingSections sections;
    sections.Set("R1", "NUM4:21-7:89");
    loader.LoadReading("Nasso", "", sections);

    const strucStyleOptions style = ReadStyleOptions(styles.CurrentStyle());
    strucSongParams params;
    params.pitchOffset = -6 + style.pitchBend;
    params.tempo = 140;
    params.assimilateRhythm = style.assimilateRhythm;
    params.assimilatePitch = style.assimilatePitch;
    params.adjustHighMileil = style.adjustHighMileil;
    params.truncateExtraUpbeats = style.truncateExtraUpbeats;
    SeedRandom(1);
    int words = 0;
    for (auto _ : state) {
        state.PauseTiming();
        words = 0;
        for (int i = 0; i < table.WordCount(); ++i) {
            if (LetterList* letters = table.OwnLetters(i)) {
                ++words;
                for (strucHebChar& c : *letters) c.synth.clear(), c.comment.clear();
            }
        }
        state.ResumeTiming();
        BuildSong(table, styles, params, nullptr);
    }
    state.counters["words"] = words;
}
BENCHMARK(BM_BuildSongNasso)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lyrasta
