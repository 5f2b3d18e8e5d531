#include "printing.h"

#include "page_source.h"
#include "print_progress.h"
#include "prompts.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>

namespace marklow {

void ApplyPrinterSetup(const QPrinter& printer, TQuickRep& report) {
    QPageLayout layout = printer.pageLayout();
    QPageSize::PageSizeId id = layout.pageSize().id();
    if (id != QPageSize::Custom) report.Page.Paper = id;
    report.Page.Orientation = layout.orientation();
}

QString OutcomeMessage(const TOutputStatus& s, bool toFile) {
    switch (s.Result) {
    case TOutputResult::Done:
        return {};
    case TOutputResult::Empty:
        return QCoreApplication::translate("Printing", "The report has no pages to print.");
    case TOutputResult::Cancelled:
        if (toFile)
            return QCoreApplication::translate("Printing",
                                               "Printing was cancelled; the file was not written.");
        return QCoreApplication::translate("Printing", "Printing was cancelled after %n page(s).",
                                           nullptr, s.Pages);
    case TOutputResult::Failed:
        return s.Error.isEmpty()
                   ? QCoreApplication::translate("Printing", "The report could not be printed.")
                   : s.Error;
    }
    return {};
}

bool PrintReport(TQuickRep& report, TReportPages* pages, QPrinter& printer, const QString& title,
                 QWidget* parent) {
    TOutputRange range;
    if (printer.printRange() == QPrinter::PageRange) {
        range.From = std::max(1, printer.fromPage());
        range.To = std::max(0, printer.toPage());
    }
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    // Without any printer Qt falls back to PDF output, with no file named.
    if (toFile ? printer.outputFileName().isEmpty() : QPrinterInfo::availablePrinters().isEmpty()) {
        Prompts().Message(
            TMessageKind::Error,
            QPrinterInfo::availablePrinters().isEmpty()
                ? QCoreApplication::translate(
                      "Printing", "No printer is available. Choose \"Print to File (PDF)\" in the "
                                  "printer setup to save the report as a PDF file.")
                : QCoreApplication::translate(
                      "Printing", "No file was named for the PDF. Name one in the printer setup."),
            TButtons::Ok);
        return false;
    }
    TPrintProgress progress(parent);
    progress.show();
    TOutputProgress step = [&](int page, int total) { return progress.Step(page, total); };
    auto paint = [&](QPagedPaintDevice& device) {
        return pages ? PaintPages(*pages, device, range, step)
                     : PaintReport(report, device, range, step);
    };
    TOutputStatus status;
    if (toFile) {
        status = pages ? WritePdfPages(*pages, printer.outputFileName(), range, step, title)
                       : WritePdfFile(report, printer.outputFileName(), range, step, title);
    } else {
        printer.setFullPage(true);
        printer.setDocName(title);
        status = paint(printer);
        if (status.Result == TOutputResult::Cancelled) printer.abort();
        if (status.Result == TOutputResult::Done && printer.printerState() == QPrinter::Error) {
            status.Result = TOutputResult::Failed;
            status.Error = QCoreApplication::translate(
                "Printing", "The printer reported an error; the report may not "
                            "have been printed.");
        }
    }
    progress.hide();
    QString message = OutcomeMessage(status, toFile);
    if (!message.isEmpty()) {
        TMessageKind kind = status.Result == TOutputResult::Cancelled ? TMessageKind::Information
                                                                      : TMessageKind::Error;
        Prompts().Message(kind, message, TButtons::Ok);
    }
    return status.Result == TOutputResult::Done;
}

} // namespace marklow
