#pragma once
// Sends a report's pages to a paged device (a printer or a PDF writer) one at a time, so
// memory stays flat however many pages there are.

#include "report.h"

#include <QString>

#include <functional>

class QPagedPaintDevice;

namespace marklow {

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

// Runs the report and paints the pages of range on device, each on paper of the report's
// size and orientation. total, when above 0, is the number of pages the range holds.
TOutputStatus PaintReport(TQuickRep& report, QPagedPaintDevice& device, TOutputRange range = {},
                          const TOutputProgress& progress = {}, int total = 0);

// Writes the report as a PDF file through a temporary file: a failure or a cancel leaves
// any earlier file at path as it was.
TOutputStatus WritePdfFile(TQuickRep& report, const QString& path, TOutputRange range = {},
                           const TOutputProgress& progress = {}, const QString& title = {});

} // namespace marklow
