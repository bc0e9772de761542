// Speed of the calendar window drawing a month, as the month and year buttons do: the day
// cells of the civil month computed (Hebrew dates, Omer, holidays, portions, special
// Sabbaths, Rosh Chodesh) and the whole window painted. December 2025 has Chanukah across
// Rosh Chodesh Teves; April 2025 has Pesach with the Omer count on most of its days.

#include <benchmark/benchmark.h>

#include <QImage>

#include "player/settings_store.h"
#include "readings/catalogue.h"
#include "ui/heb_cal.h"
#include "ui/open_reading_dialog.h"
#include "ui/tests/gui_app.h"

namespace {

using namespace lyrasta;
using namespace lyrasta::ui;

struct Calendar {
    TCatalogue catalogue;
    TSettingsStore settings;
    TfrmOpenReading* dialog;
    TfrmHebCal* window;
    QImage image;
    Calendar() {
        testing::App();
        catalogue.Load(LYRASTA_DATA_DIR);
        dialog = new TfrmOpenReading(catalogue, settings);
        window = new TfrmHebCal(*dialog);
        window->show();
        image = QImage(window->size(), QImage::Format_ARGB32_Premultiplied);
    }
};

Calendar& Shared() {
    static Calendar* c = new Calendar;
    return *c;
}

void DrawMonth(benchmark::State& state, int month, int year) {
    Calendar& c = Shared();
    for (auto _ : state) {
        c.window->DrawCal(1, month, year);
        c.window->render(&c.image);
    }
}

void BM_DrawDecember2025(benchmark::State& state) { DrawMonth(state, 12, 2025); }
void BM_DrawApril2025(benchmark::State& state) { DrawMonth(state, 4, 2025); }
BENCHMARK(BM_DrawDecember2025)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawApril2025)->Unit(benchmark::kMillisecond);

}  // namespace
