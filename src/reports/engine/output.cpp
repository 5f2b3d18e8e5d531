#include "output.h"

#include "painter.h"
#include "report_run.h"
#include "units.h"

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

} // namespace

TOutputStatus PaintReport(TQuickRep& report, QPagedPaintDevice& device, TOutputRange range,
                          const TOutputProgress& progress, int total) {
    TOutputStatus status;
    TReportRun run(report);
    int from = std::max(1, range.From);
    for (int n = 1; n < from; ++n) {
        if (!run.SkipPage()) {
            status.Result = TOutputResult::Empty;
            return status;
        }
    }
    std::optional<TReportPage> page = run.NextPage();
    if (!page) {
        status.Result = TOutputResult::Empty;
        return status;
    }
    if (progress && !progress(page->Number, total)) {
        status.Result = TOutputResult::Cancelled;
        return status;
    }
    device.setPageLayout(LayoutFor(*page));
    QPainter painter;
    if (!painter.begin(&device)) {
        status.Result = TOutputResult::Failed;
        status.Error = QStringLiteral("The printer could not be started.");
        return status;
    }
    for (;;) {
        const double dpiX = device.logicalDpiX(), dpiY = device.logicalDpiY();
        QRectF target(0, 0, page->PaperMm.width() / kMmPerInch * dpiX,
                      page->PaperMm.height() / kMmPerInch * dpiY);
        PaintPage(painter, *page, target);
        ++status.Pages;
        if (range.To > 0 && page->Number >= range.To) break;
        page = run.NextPage();
        if (!page) break;
        if (progress && !progress(page->Number, total)) {
            status.Result = TOutputResult::Cancelled;
            break;
        }
        device.setPageLayout(LayoutFor(*page));
        if (!device.newPage()) {
            status.Result = TOutputResult::Failed;
            status.Error = QStringLiteral("A new page could not be started.");
            break;
        }
    }
    painter.end();
    return status;
}

TOutputStatus WritePdfFile(TQuickRep& report, const QString& path, TOutputRange range,
                           const TOutputProgress& progress, const QString& title) {
    TOutputStatus status;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        status.Result = TOutputResult::Failed;
        status.Error = QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
        return status;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(1200);
        writer.setCreator(QStringLiteral("Marklow"));
        if (!title.isEmpty()) writer.setTitle(title);
        status = PaintReport(report, writer, range, progress);
    }
    if (status.Result != TOutputResult::Done) {
        file.cancelWriting();
        if (status.Result == TOutputResult::Empty)
            status.Error = QStringLiteral("The report has no pages to print.");
        return status;
    }
    if (!file.commit()) {
        status.Result = TOutputResult::Failed;
        status.Error = QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    }
    return status;
}

} // namespace marklow
