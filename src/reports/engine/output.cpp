#include "output.h"

#include "page_source.h"
#include "painter.h"
#include "pdf_writer.h"
#include "report_run.h"
#include "units.h"

#include <QCoreApplication>
#include <QFile>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "output_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

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

namespace {

// Where the pages of a run go: a paint device, or the report's own PDF writer.
class TPageSink {
public:
    virtual ~TPageSink() = default;
    // Before the first page (first true) or another; a message when it cannot go on.
    virtual QString Begin(const TReportPage& page, bool first) = 0;
    virtual void Put(const TReportPage& page) = 0;
    virtual void End() = 0;
};

class TDeviceSink : public TPageSink {
public:
    explicit TDeviceSink(QPagedPaintDevice& device) : device_(device) {}
    QString Begin(const TReportPage& page, bool first) override {
        device_.setPageLayout(LayoutFor(page));
        if (first) {
            if (!painter_.begin(&device_))
                return QCoreApplication::translate("Output", "The printer could not be started.");
        } else if (!device_.newPage()) {
            return QCoreApplication::translate("Output", "A new page could not be started.");
        }
        return {};
    }
    void Put(const TReportPage& page) override {
        const double dpiX = device_.logicalDpiX(), dpiY = device_.logicalDpiY();
        QRectF target(0, 0, page.PaperMm.width() / kMmPerInch * dpiX,
                      page.PaperMm.height() / kMmPerInch * dpiY);
        PaintPage(painter_, page, target);
    }
    void End() override { painter_.end(); }

private:
    QPagedPaintDevice& device_;
    QPainter painter_;
};

class TPdfSink : public TPageSink {
public:
    explicit TPdfSink(TPdfWriter& writer) : writer_(writer) {}
    QString Begin(const TReportPage&, bool) override { return {}; }
    void Put(const TReportPage& page) override { writer_.AddPage(page); }
    void End() override {}

private:
    TPdfWriter& writer_;
};

TOutputStatus StreamRun(TReportRun& run, TPageSink& sink, int lastPage,
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
    if (QString error = sink.Begin(*page, true); !error.isEmpty()) {
        status.Result = TOutputResult::Failed;
        status.Error = error;
        return status;
    }
    for (;;) {
        sink.Put(*page);
        ++status.Pages;
        if (lastPage > 0 && page->Number >= lastPage) break;
        page = run.NextPage();
        if (!page) break;
        if (!carryOn(page->Number)) {
            status.Result = TOutputResult::Cancelled;
            break;
        }
        if (QString error = sink.Begin(*page, false); !error.isEmpty()) {
            status.Result = TOutputResult::Failed;
            status.Error = error;
            break;
        }
    }
    sink.End();
    return status;
}

bool HoldsPictures(const TQRBand* band) {
    for (; band; band = band->Child.get())
        for (const auto& e : band->Elements)
            if (dynamic_cast<const TQRImage*>(e.get())) return true;
    return false;
}

// A report of texts and shapes only goes through the report's own PDF writer.
bool OwnPdf(const TQuickRep& r) {
    return !HoldsPictures(r.PageHeader.get()) && !HoldsPictures(r.Title.get()) &&
           !HoldsPictures(r.ColumnHeader.get()) && !HoldsPictures(r.Detail.get()) &&
           !HoldsPictures(r.PageFooter.get());
}

// Writes through a temporary file: what write returns decides whether the file is kept. A
// device or a pipe (/dev/stdout) is written straight into; a symbolic link is refused, since
// QSaveFile would write the file it points to.
TOutputStatus SaveThrough(const QString& path,
                          const std::function<TOutputStatus(QIODevice&)>& write) {
    TOutputStatus status;
    const TOutputTarget target = CheckOutputTarget(path.toStdString());
    if (target.Kind == TOutputTarget::TKind::Refused) {
        status.Result = TOutputResult::Failed;
        status.Error = QString::fromStdString(target.Error);
        return status;
    }
    if (target.Kind == TOutputTarget::TKind::Stream) {
        // Appending, as the system does it: /dev/stdout redirected into a file keeps what is
        // there, and a pipe is never asked to seek.
        const QByteArray name = QFile::encodeName(path);
        const int fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_NOCTTY | O_CLOEXEC);
        QFile stream;
        if (fd < 0 || !stream.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
            status.Result = TOutputResult::Failed;
            status.Error = QCoreApplication::translate("Output", "Cannot write %1: %2")
                               .arg(path, fd < 0 ? QString::fromLocal8Bit(std::strerror(errno))
                                                 : stream.errorString());
            if (fd >= 0) ::close(fd);
            return status;
        }
        status = write(stream);
        if (status.Result == TOutputResult::Done && !stream.flush()) {
            status.Result = TOutputResult::Failed;
            status.Error = QCoreApplication::translate("Output", "Cannot write %1: %2")
                               .arg(path, stream.errorString());
        }
        return status;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        status.Result = TOutputResult::Failed;
        status.Error = QCoreApplication::translate("Output", "Cannot write %1: %2")
                           .arg(path, file.errorString());
        return status;
    }
    status = write(file);
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

// Puts the pages' run on the range's first page. Gives the number of pages the range holds
// once the pages are all counted (0 until then), or nothing when the range starts past the end.
std::optional<int> SeekToRange(TReportPages& pages, TOutputRange range) {
    int first = std::max(1, range.From) - 1;
    if (!pages.Page(first)) return std::nullopt; // counts up to it
    int total = 0;
    if (pages.CountComplete()) {
        int last = range.To > 0 ? std::min(range.To, pages.Counted()) : pages.Counted();
        total = std::max(0, last - first);
    }
    pages.Run().Seek(*pages.Start(first));
    return total;
}

// The run's pages as a PDF file, from where the run stands to lastPage.
TOutputStatus WriteRunPdf(TReportRun& run, const QString& path, const QString& title, int lastPage,
                          const TOutputProgress& progress, int total) {
    if (!OwnPdf(run.Report()))
        return WritePdf(path, title, [&](QPagedPaintDevice& device) {
            return PaintRun(run, device, lastPage, progress, total);
        });
    return SaveThrough(path, [&](QIODevice& file) {
        TPdfWriter writer(file, title);
        TPdfSink sink(writer);
        TOutputStatus status = StreamRun(run, sink, lastPage, progress, total);
        if (status.Result == TOutputResult::Done && !writer.Finish()) {
            status.Result = TOutputResult::Failed;
            status.Error = QCoreApplication::translate("Output", "Cannot write %1: %2")
                               .arg(path, file.errorString());
        }
        return status;
    });
}

} // namespace

TOutputStatus PaintRun(TReportRun& run, QPagedPaintDevice& device, int lastPage,
                       const TOutputProgress& progress, int total) {
    TDeviceSink sink(device);
    return StreamRun(run, sink, lastPage, progress, total);
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
    const std::optional<int> total = SeekToRange(pages, range);
    if (!total) return Empty();
    return PaintRun(pages.Run(), device, range.To, progress, *total);
}

TOutputStatus WritePdf(const QString& path, const QString& title,
                       const std::function<TOutputStatus(QPagedPaintDevice&)>& paint) {
    return SaveThrough(path, [&](QIODevice& file) {
        QPdfWriter writer(&file);
        writer.setResolution(1200);
        writer.setCreator(QStringLiteral("Marklow"));
        if (!title.isEmpty()) writer.setTitle(title);
        return paint(writer);
    });
}

TOutputStatus WritePdfFile(TQuickRep& report, const QString& path, TOutputRange range,
                           const TOutputProgress& progress, const QString& title) {
    TReportRun run(report);
    for (int n = 1; n < range.From; ++n)
        if (!run.SkipPage()) return Empty();
    return WriteRunPdf(run, path, title, range.To, progress, 0);
}

TOutputStatus WritePdfPages(TReportPages& pages, const QString& path, TOutputRange range,
                            const TOutputProgress& progress, const QString& title) {
    const std::optional<int> total = SeekToRange(pages, range);
    if (!total) return Empty();
    return WriteRunPdf(pages.Run(), path, title, range.To, progress, *total);
}

} // namespace marklow
