// The main window's print commands: Print (through the print dialog) and Export PDF.

#include <QApplication>
#include <QFileDialog>
#include <QPrinter>

#include "ui/heb_view.h"
#include "ui/print_dialog.h"
#include "ui/print_reading.h"
#include "ui/trope_player.h"

namespace lyrasta::ui {

void TTropePlayer::PrintReading() {
    if (hview_->WordCount() == 0) {
        Message("There is no reading to print.");
        return;
    }
    if (!printer_) {
        printer_ = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printDialog_ = new TfrmPrintDialog(*printer_, this);
        connect(printDialog_, &TfrmPrintDialog::HelpRequested, this, &TTropePlayer::ShowHelp);
    }
    const bool accepted = printDialog_->exec() == QDialog::Accepted;
    printer_->setPageOrientation(printDialog_->Portrait() ? QPageLayout::Portrait : QPageLayout::Landscape);
    if (!accepted) return;

    TPrintRequest request;
    request.title = reading_.title.empty() ? kTitle : reading_.title;
    request.pages = printDialog_->Selection();
    request.colour = printer_->colorMode() == QPrinter::Color || settings_.Bool("ForceColorPrinting");
    // Each copy is a document of its own, complete.
    printer_->setCopyCount(1);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool ok = true;
    for (int copy = 1; copy <= printDialog_->Copies() && ok; ++copy) PrintPages(*printer_, *hview_, request, ok);
    QApplication::restoreOverrideCursor();
    if (!ok) Message("The printer \"" + printer_->printerName().toStdString() + "\" cannot be used.");
}

void TTropePlayer::ExportPdfFile() {
    if (hview_->WordCount() == 0) {
        Message("There is no reading to export.");
        return;
    }
    const std::string title = reading_.title.empty() ? kTitle : reading_.title;
    const QString file = QFileDialog::getSaveFileName(this, "Export PDF", QString::fromStdString(title + ".pdf"),
                                                      "PDF files (*.pdf)");
    if (file.isEmpty()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::string error;
    const bool ok = ExportPdf(*hview_, title, file.toStdString(), error);
    QApplication::restoreOverrideCursor();
    if (!ok) Message(error);
}

}  // namespace lyrasta::ui
