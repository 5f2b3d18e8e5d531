#include "output.h"

#include "page_source.h"
#include "painter.h"
#include "report_run.h"
#include "units.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace marklow {

namespace {

QPageLayout LayoutFor(const TReportPage& page) {
    QSizeF mm = page.PaperMm;
    QPageLayout::Orientation o = QPageLayout::Portrait;
    if (mm.width() > mm.height()) {
        mm.transpose();
        o = QPageLayout::Landscape;
    }
    QPageSize size(mm, QPageSize::Millimeter, QString(), QPageSize::FuzzyOrientationMatch);
    return QPageLayout(size, o, QMarginsF(0, 0, 0, 0));
}

TOutputStatus Empty() {
    TOutputStatus s;
    s.Result = TOutputResult::Empty;
    s.Error = QCoreApplication::translate("Output", "The report has no pages to print.");
    return s;
}

} // namespace

TOutputStatus PaintRun(TReportRun& run, QPagedPaintDevice& device, int lastPage,
                       const TOutputProgress& progress, int total) {
    TOutputStatus status;
    // The progress window lets events through, and a preview may lay out its own pages of
    // the same report meanwhile: each time, come back to where this run stood.
    auto carryOn = [&](int number) {
        if (!progress) return true;
        TPageCheckpoint here = run.Checkpoint();
        bool go = progress(number, total);
        run.Seek(here);
        return go;
    };
    std::optional<TReportPage> page = run.NextPage();
    if (!page) return Empty();
    if (!carryOn(page->Number)) {
        status.Result = TOutputResult::Cancelled;
        return status;
    }
    device.setPageLayout(LayoutFor(*page));
    QPainter painter;
    if (!painter.begin(&device)) {
        status.Result = TOutputResult::Failed;
        status.Error = QCoreApplication::translate("Output", "The printer could not be started.");
        return status;
    }
    for (;;) {
        const double dpiX = device.logicalDpiX(), dpiY = device.logicalDpiY();
        QRectF target(0, 0, page->PaperMm.width() / kMmPerInch * dpiX,
                      page->PaperMm.height() / kMmPerInch * dpiY);
        PaintPage(painter, *page, target);
        ++status.Pages;
        if (lastPage > 0 && page->Number >= lastPage) break;
        page = run.NextPage();
        if (!page) break;
        if (!carryOn(page->Number)) {
            status.Result = TOutputResult::Cancelled;
            break;
        }
        device.setPageLayout(LayoutFor(*page));
        if (!device.newPage()) {
            status.Result = TOutputResult::Failed;
            status.Error =
                QCoreApplication::translate("Output", "A new page could not be started.");
            break;
        }
    }
    painter.end();
    return status;
}

TOutputStatus PaintReport(TQuickRep& report, QPagedPaintDevice& device, TOutputRange range,
                          const TOutputProgress& progress) {
    TReportRun run(report);
    for (int n = 1; n < range.From; ++n)
        if (!run.SkipPage()) return Empty();
    return PaintRun(run, device, range.To, progress, 0);
}

TOutputStatus PaintPages(TReportPages& pages, QPagedPaintDevice& device, TOutputRange range,
                         const TOutputProgress& progress) {
    int first = std::max(1, range.From) - 1;
    if (!pages.Page(first)) return Empty(); // counts up to it
    int total = 0;
    if (pages.CountComplete()) {
        int last = range.To > 0 ? std::min(range.To, pages.Counted()) : pages.Counted();
        total = std::max(0, last - first);
    }
    pages.Run().Seek(*pages.Start(first));
    return PaintRun(pages.Run(), device, range.To, progress, total);
}

TOutputStatus WritePdf(const QString& path, const QString& title,
                       const std::function<TOutputStatus(QPagedPaintDevice&)>& paint) {
    TOutputStatus status;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        status.Result = TOutputResult::Failed;
        status.Error = QCoreApplication::translate("Output", "Cannot write %1: %2")
                           .arg(path, file.errorString());
        return status;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(1200);
        writer.setCreator(QStringLiteral("Marklow"));
        if (!title.isEmpty()) writer.setTitle(title);
        status = paint(writer);
    }
    if (status.Result != TOutputResult::Done) {
        file.cancelWriting();
        return status;
    }
    if (!file.commit()) {
        status.Result = TOutputResult::Failed;
        status.Error = QCoreApplication::translate("Output", "Cannot write %1: %2")
                           .arg(path, file.errorString());
    }
    return status;
}

TOutputStatus WritePdfFile(TQuickRep& report, const QString& path, TOutputRange range,
                           const TOutputProgress& progress, const QString& title) {
    return WritePdf(path, title, [&](QPagedPaintDevice& device) {
        return PaintReport(report, device, range, progress);
    });
}

} // namespace marklow
