#include "print_reading.h"

#include <QPainter>
#include <QPrinter>

#include "text/safe_write.h"
#include "ui/heb_view.h"

namespace lyrasta::ui {

int PrintPages(QPrinter& printer, THebViewClass& view, const TPrintRequest& request, bool& ok) {
    printer.setFullPage(true);
    printer.setDocName(QString::fromStdString(request.title));
    QPainter painter;
    ok = painter.begin(&printer);
    if (!ok) return 0;
    const QRect sheet = printer.paperRect(QPrinter::DevicePixel).toRect();
    const THebLayout& layout = view.LayoutState();
    const TPageGeometry g = PageGeometry(sheet.width(), sheet.height(), printer.resolution(),
                                         printer.resolution(), view.SurfaceWidth(), layout.LineHeight());
    TPaintStyle style;
    style.selection = false;
    style.colourInk = request.colour;
    style.background = [colour = request.colour](Rgb b) { return colour ? PrintColour(b) : Rgb{255, 255, 255}; };
    style.symbolColour = PrintSymbolColour;

    QFont pageLineFont(view.font());
    pageLineFont.setFamily("Liberation Sans");
    pageLineFont.setPointSizeF(10);
    const int lines = layout.LineCount();
    int printed = 0;
    for (int page = 1; page <= g.PageCount(lines); ++page) {
        if (!request.pages.PageIsSelected(page)) continue;
        if (printed++ > 0) printer.newPage();
        painter.save();
        painter.translate(g.left, g.top);
        painter.scale(g.scale, g.scale);
        const int first = (page - 1) * g.linesPerPage;
        view.PaintLines(painter, first, std::min(lines, first + g.linesPerPage), style);
        painter.restore();
        if (page > 1) {
            painter.setFont(pageLineFont);
            painter.setPen(Qt::black);
            const QString text = QString::fromStdString(PageLine(request.title, page));
            const int x = (g.width - painter.fontMetrics().horizontalAdvance(text)) / 2;
            painter.drawText(x, g.pageLineY + painter.fontMetrics().ascent(), text);
        }
    }
    painter.end();
    return printed;
}

bool ExportPdf(THebViewClass& view, const std::string& title, const std::filesystem::path& file,
               std::string& error) {
    if (view.WordCount() == 0) {
        error = "There is no reading to print.";
        return false;
    }
    TSafeFile out;
    if (!out.Open(file.string())) {
        error = out.Error();
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(out.TemporaryPath()));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setCreator("Lyrasta");
    TPrintRequest request;
    request.title = title;
    bool ok = false;
    PrintPages(printer, view, request, ok);
    if (!ok) {
        error = file.string() + ": the PDF could not be written";
        return false;
    }
    if (!out.Commit()) {
        error = out.Error();
        return false;
    }
    return true;
}

}  // namespace lyrasta::ui
