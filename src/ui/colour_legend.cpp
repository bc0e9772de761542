#include "colour_legend.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "player/colour_names.h"
#include "ui/heb_view.h"
#include "ui/mark_colours.h"

namespace lyrasta::ui {

namespace {

QLabel* Swatch(Rgb fill, const QString& text = {}, Rgb ink = {0, 0, 0}) {
    auto* l = new QLabel(text);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumSize(44, 22);
    l->setStyleSheet(QString("background:rgb(%1,%2,%3); color:rgb(%4,%5,%6); border:1px solid black;")
                         .arg(fill.r).arg(fill.g).arg(fill.b).arg(ink.r).arg(ink.g).arg(ink.b));
    return l;
}

void Fill(QDialog& d, const THebViewClass& view) {
    auto* layout = new QVBoxLayout(&d);
    // The explanations wrap, so that the legend fits a small screen.
    auto text = [](const QString& t) {
        auto* l = new QLabel(t);
        l->setWordWrap(true);
        return l;
    };
    layout->addWidget(text("<b>Trope groups</b> (\"Display color codes for trope groups\"): "
                           "the background of each word shows the group it belongs to."));
    auto* groups = new QGridLayout;
    int row = 0;
    for (const TColourGroup& g : ColourGroups()) {
        const Rgb c = view.GroupColour(g.group);
        groups->addWidget(Swatch(c), row / 2, (row % 2) * 2);
        groups->addWidget(new QLabel(QString::fromUtf8(g.caption.data(), static_cast<int>(g.caption.size()))),
                          row / 2, (row % 2) * 2 + 1);
        ++row;
    }
    layout->addLayout(groups);
    layout->addWidget(text("White groups have no colour of their own; File > Customize changes the colours."));
    layout->addWidget(text("<b>Trope symbols</b> (\"Display color codes on trope symbols\"):"));
    auto* symbols = new QGridLayout;
    const struct {
        int category;
        const char* meaning;
    } kinds[] = {{kSymbolConjunctive, "conjunctive: joins the word to the next one"},
                 {kSymbolMinor, "minor disjunctive: a short pause"},
                 {kSymbolMajor, "major disjunctive: a longer pause"},
                 {kSymbolPositionCopy, "a second copy of a trope that only shows where the word is stressed"}};
    row = 0;
    for (const auto& k : kinds) {
        const Rgb white{255, 255, 255};
        symbols->addWidget(Swatch(white, QString::fromUtf8("\u25CF"), SymbolColourOver(k.category, white)), row, 0);
        symbols->addWidget(text(k.meaning), row, 1);
        ++row;
    }
    layout->addLayout(symbols);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &d, &QDialog::close);
    layout->addWidget(buttons);
}

}  // namespace

void ShowColourLegend(QWidget& parent, const THebViewClass& view) {
    auto* legend = parent.findChild<QDialog*>("ColourLegend");
    if (legend) delete legend;  // drawn anew: the colours may have changed
    legend = new QDialog(&parent);
    legend->setObjectName("ColourLegend");
    legend->setWindowTitle("Color legend");
    legend->setAttribute(Qt::WA_DeleteOnClose);
    Fill(*legend, view);
    legend->show();
    legend->raise();
}

}  // namespace lyrasta::ui
