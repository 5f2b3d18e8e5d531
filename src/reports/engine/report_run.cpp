#include "report_run.h"

namespace marklow {

namespace {
constexpr double kSlack = 0.001; // mm
} // namespace

TReportRun::TReportRun(TQuickRep& report) : rep_(report) {
    rep_.run_ = this;
    if (rep_.BeforePrint) rep_.BeforePrint();
    for (const TQRBand* b = rep_.Title.get(); b; b = b->Child.get()) {
        if (!b->Enabled) break;
        title_.push_back(b);
    }
}

TReportRun::~TReportRun() {
    if (rep_.run_ == this) rep_.run_ = nullptr;
}

TFormState TReportRun::SaveForm() const {
    return rep_.SaveState ? rep_.SaveState() : TFormState{};
}

TPageCheckpoint TReportRun::Checkpoint() const {
    TPageCheckpoint cp;
    cp.Form = pending_ ? preNeed_ : SaveForm();
    cp.PagesDone = pagesDone_;
    cp.TitleNext = titleNext_;
    cp.Finished = finished_;
    return cp;
}

void TReportRun::Seek(const TPageCheckpoint& cp) {
    rep_.run_ = this;
    pageOpen_ = false;
    done_.reset();
    pending_ = false;
    pagesDone_ = cp.PagesDone;
    titleNext_ = cp.TitleNext;
    finished_ = cp.Finished;
    column_ = 0;
    if (rep_.RestoreState) rep_.RestoreState(cp.Form);
}

std::optional<TReportPage> TReportRun::NextPage() {
    return Advance(true);
}

bool TReportRun::SkipPage() {
    return Advance(false).has_value();
}

std::optional<TReportPage> TReportRun::Advance(bool place) {
    // Another run of the same report (a print from the preview) may have come in between.
    rep_.run_ = this;
    // A record asked for while counting may lack the captions a placed page needs.
    if (place && pending_ && pendingCounted_) Seek(Checkpoint());
    counting_ = !place;
    while (!done_ && !finished_)
        Step();
    counting_ = false;
    std::optional<TReportPage> page = std::move(done_);
    done_.reset();
    return page;
}

void TReportRun::Step() {
    if (!pending_) {
        preNeed_ = SaveForm();
        bool more = static_cast<bool>(rep_.OnNeedData);
        if (more) rep_.OnNeedData(more);
        if (!more) {
            finished_ = true;
            // A report without records prints nothing, unless it asks for its headings.
            if (!pageOpen_ && pagesDone_ == 0 && rep_.PrintIfEmpty) OpenPage();
            if (pageOpen_) ClosePage(true);
            return;
        }
        pending_ = true;
        pendingCounted_ = counting_;
        // A new column asked for by the event may have ended a page: hand it out first.
        if (done_) return;
    }
    if (!pageOpen_) {
        OpenPage();
        if (titleOverflow_) ClosePage(false);
        return;
    }
    double height = ChainHeight(rep_.Detail.get());
    // A page breaks only when the next record does not fit; one taller than a whole column
    // is printed anyway rather than looping.
    if (columnHasDetail_ && y_ + height > bottom_ + kSlack) {
        if (column_ + 1 < rep_.Columns)
            NextColumn();
        else
            ClosePage(false);
        return;
    }
    PlaceChain(rep_.Detail.get(), ColumnX(), ColumnWidth());
    columnHasDetail_ = true;
    pending_ = false;
}

double TReportRun::ChainHeight(const TQRBand* band) {
    double h = 0;
    for (; band && band->Enabled; band = band->Child.get())
        h += band->Height;
    return h;
}

double TReportRun::ColumnWidth() const {
    double printable = paper_.width() - rep_.Margins.left() - rep_.Margins.right();
    int n = std::max(1, rep_.Columns);
    return (printable - (n - 1) * rep_.ColumnSpace) / n;
}

double TReportRun::ColumnX() const {
    return rep_.Margins.left() + column_ * (ColumnWidth() + rep_.ColumnSpace);
}

void TReportRun::PlaceBand(const TQRBand& band, double x, double width) {
    if (!counting_) {
        TPlaceContext ctx;
        ctx.Page = &page_;
        ctx.Measure = &measure_;
        ctx.Origin = QPointF(x, y_);
        ctx.ParentFont = &rep_.Font;
        page_.Bands.push_back({page_.Items.size(), ctx.Origin});
        for (const auto& e : band.Elements)
            if (e->Enabled) e->Place(ctx);
        PlaceFrame(ctx, QRectF(x, y_, width, band.Height), band.Frame);
    }
    y_ += band.Height;
}

void TReportRun::PlaceChain(const TQRBand* band, double x, double width) {
    for (; band && band->Enabled; band = band->Child.get())
        PlaceBand(*band, x, width);
}

void TReportRun::OpenPage() {
    pageOpen_ = true;
    paper_ = rep_.Page.PaperMm();
    page_ = TReportPage();
    page_.Number = pagesDone_ + 1;
    page_.PaperMm = paper_;
    column_ = 0;
    columnHasDetail_ = false;
    titleOverflow_ = false;
    y_ = rep_.Margins.top();
    bottom_ = paper_.height() - rep_.Margins.bottom() - ChainHeight(rep_.PageFooter.get());
    if (rep_.OnStartPage) rep_.OnStartPage();
    double full = paper_.width() - rep_.Margins.left() - rep_.Margins.right();
    if (pagesDone_ > 0 || rep_.FirstPageHeader)
        PlaceChain(rep_.PageHeader.get(), rep_.Margins.left(), full);
    // The title runs on over pages only when it is longer than a page.
    bool placedTitle = false;
    while (titleNext_ < static_cast<int>(title_.size())) {
        const TQRBand& band = *title_[static_cast<size_t>(titleNext_)];
        if (placedTitle && y_ + band.Height > bottom_ + kSlack) {
            titleOverflow_ = true;
            return;
        }
        PlaceBand(band, rep_.Margins.left(), full);
        placedTitle = true;
        ++titleNext_;
    }
    columnTop_ = y_;
    PlaceChain(rep_.ColumnHeader.get(), ColumnX(), ColumnWidth());
}

void TReportRun::NextColumn() {
    ++column_;
    columnHasDetail_ = false;
    y_ = columnTop_;
    PlaceChain(rep_.ColumnHeader.get(), ColumnX(), ColumnWidth());
}

void TReportRun::ClosePage(bool last) {
    if (rep_.PageFooter && (!last || rep_.LastPageFooter)) {
        double full = paper_.width() - rep_.Margins.left() - rep_.Margins.right();
        y_ = paper_.height() - rep_.Margins.bottom() - ChainHeight(rep_.PageFooter.get());
        PlaceChain(rep_.PageFooter.get(), rep_.Margins.left(), full);
    }
    pageOpen_ = false;
    done_ = std::move(page_);
    page_ = TReportPage();
    ++pagesDone_;
}

void TReportRun::NewColumn() {
    if (!pageOpen_) return;
    if (column_ + 1 < rep_.Columns)
        NextColumn();
    else
        ClosePage(false);
}

void TReportRun::NewPage() {
    if (pageOpen_) ClosePage(false);
}

} // namespace marklow
