#pragma once
// Sends a report's pages to a paged device (a printer or a PDF writer) one at a time, so
// memory stays flat however many pages there are.

#include "report.h"

#include <QString>

#include <functional>

class QPagedPaintDevice;

namespace marklow {

class TReportPages;
class TReportRun;

enum class TOutputResult { Done, Empty, Cancelled, Failed };

struct TOutputStatus {
    TOutputResult Result = TOutputResult::Done;
    QString Error;
    int Pages = 0; // pages sent
};

struct TOutputRange {
    int From = 1; // first page, counted from 1
    int To = 0;   // last page; 0 for the report's last
};

// Told the page about to go out (from 1) and how many will go in all (0 while unknown);
// returning false cancels.
using TOutputProgress = std::function<bool(int page, int total)>;

// Paints the run's pages from where it stands up to page lastPage (0: to the end), each on
// paper of its own size. total is passed on to progress.
TOutputStatus PaintRun(TReportRun& run, QPagedPaintDevice& device, int lastPage,
                       const TOutputProgress& progress, int total);

// A new run of the report, the pages of range.
TOutputStatus PaintReport(TQuickRep& report, QPagedPaintDevice& device, TOutputRange range = {},
                          const TOutputProgress& progress = {});

// The pages of range from a preview's pages, starting at the checkpoint of the first.
TOutputStatus PaintPages(TReportPages& pages, QPagedPaintDevice& device, TOutputRange range = {},
                         const TOutputProgress& progress = {});

// Writes a PDF file through a temporary file: a failure, a cancel or an empty report leaves
// any earlier file at path as it was. paint draws the pages on the PDF writer.
TOutputStatus WritePdf(const QString& path, const QString& title,
                       const std::function<TOutputStatus(QPagedPaintDevice&)>& paint);

// A PDF file of a new run of the report, written as WritePdf writes (through a temporary
// file). Reports of texts and shapes go through the report's own PDF writer (small and
// quick); reports holding pictures are painted on a PDF writer.
TOutputStatus WritePdfFile(TQuickRep& report, const QString& path, TOutputRange range = {},
                           const TOutputProgress& progress = {}, const QString& title = {});

// The same for the pages of range from a preview's pages.
TOutputStatus WritePdfPages(TReportPages& pages, const QString& path, TOutputRange range = {},
                            const TOutputProgress& progress = {}, const QString& title = {});

} // namespace marklow
