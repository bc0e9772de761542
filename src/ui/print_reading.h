#pragma once
// Printing the loaded reading: the text view's lines, as the screen shows them (view
// mode, group colours, accent colours, underlines, rules), scaled to the paper, whole
// lines to a page, the reading's title heading on the first page and a page line with
// the title and the page number under the others. The same pages go to a printer or
// into a PDF file.

#include <QString>

#include <filesystem>
#include <string>

#include "player/print_pages.h"

class QPrinter;

namespace lyrasta::ui {

class THebViewClass;

struct TPrintRequest {
    std::string title;           // the print job's name and the page lines' text
    TPageSelection pages;
    bool colour = true;          // a printer with colours (or colour printing forced)
};

// Prints the view's pages on the printer as one document; the number of pages printed.
// False in `ok` when the printer cannot be started.
int PrintPages(QPrinter& printer, THebViewClass& view, const TPrintRequest& request, bool& ok);

// Writes all pages as a PDF file on A4 paper, through the safe writer: a failure never
// leaves half a file or harms an older one. False with the reason in `error`.
bool ExportPdf(THebViewClass& view, const std::string& title, const std::filesystem::path& file,
               std::string& error);

}  // namespace lyrasta::ui
