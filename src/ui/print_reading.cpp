#include "print_reading.h"

#include <QPainter>
#include <QPrinter>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

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
    const std::filesystem::path target = std::filesystem::absolute(file);
    std::string temp = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = mkstemp(temp.data());
    if (fd < 0) {
        error = target.string() + ": " + std::strerror(errno);
        return false;
    }
    fchmod(fd, 0644);
    close(fd);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(temp));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setCreator("Lyrasta");
    TPrintRequest request;
    request.title = title;
    bool ok = false;
    PrintPages(printer, view, request, ok);
    if (!ok || std::rename(temp.c_str(), target.c_str()) != 0) {
        error = target.string() + ": " + (ok ? std::strerror(errno) : "the PDF could not be written");
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace lyrasta::ui
