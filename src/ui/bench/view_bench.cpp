// Speed of the text view on a whole Torah portion (Nasso, Numbers 4:21-7:89, the longest):
// laying it out at 1920 pixels with every word shaped anew, and one full repaint with the
// group and trope symbol colours on.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "text/reading_loader.h"
#include "ui/display_fonts.h"
#include "ui/heb_view.h"
#include "ui/mark_colours.h"

namespace {

using namespace lyrasta;
using namespace lyrasta::ui;

QApplication& App() {
    static int argc = 1;
    static char name[] = "view_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

struct Nasso {
    TDisplayFonts* fonts;
    THebViewClass* view;
    Nasso() {
        App();
        fonts = new TDisplayFonts;
        view = new THebViewClass(*fonts);
        view->resize(1920 + THebViewClass::kScrollBarWidth, 1000);
        view->SetRToLWrapping(true);
        view->SetSymbolColouring(MarkCategories, SymbolColourOver);
        TReadingLoader loader(LYRASTA_DATA_DIR, view->Table());
        TReadingSections sections;
        sections.Kohen = "NUM4:21-7:89";
        loader.LoadReading("Nasso", "", sections);
        view->Layout();
    }
};

Nasso& Reading() {
    static Nasso* n = new Nasso;
    return *n;
}

void BM_LayoutNasso1920(benchmark::State& state) {
    Nasso& n = Reading();
    for (auto _ : state) {
        state.PauseTiming();
        n.fonts->ClearShapeCache();  // a new width shapes every word at its new size
        state.ResumeTiming();
        n.view->Layout();
    }
    state.counters["items"] = n.view->WordCount();
    state.counters["lines"] = n.view->LayoutState().LineCount();
}
BENCHMARK(BM_LayoutNasso1920)->Unit(benchmark::kMillisecond);

// The same layout with the words already shaped at their size (a repeated layout, a
// change of view mode back and forth).
void BM_LayoutNasso1920Shaped(benchmark::State& state) {
    Nasso& n = Reading();
    n.view->Layout();
    for (auto _ : state) n.view->Layout();
}
BENCHMARK(BM_LayoutNasso1920Shaped)->Unit(benchmark::kMillisecond);

void BM_RepaintNasso1920(benchmark::State& state) {
    Nasso& n = Reading();
    n.view->SetShowTropeGroups(true);
    n.view->SetShowTropeColors(true);
    n.view->ShowWord(n.view->WordCount() / 2, true);
    QImage image(n.view->SurfaceWidth(), n.view->SurfaceHeight(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        n.view->Paint(painter);
    }
    // A repaint that draws no letters would be fast for nothing.
    int ink = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) ink += image.pixel(x, y) == qRgb(0, 0, 0);
    if (ink < 1000) state.SkipWithError("the repaint drew no text");
}
BENCHMARK(BM_RepaintNasso1920)->Unit(benchmark::kMillisecond);

}  // namespace
