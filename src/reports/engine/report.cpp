#include "report.h"

#include "report_run.h"

#include <stdexcept>

namespace marklow {

TQRBand& TQRBand::AddChild(double height) {
    TQRBand* last = this;
    while (last->Child)
        last = last->Child.get();
    last->Child = std::make_unique<TQRBand>(TBandKind::Child, height);
    return *last->Child;
}

QSizeF TPageSetup::PaperMm() const {
    QSizeF s = QPageSize(Paper).size(QPageSize::Millimeter);
    if (Orientation == QPageLayout::Landscape) s.transpose();
    return s;
}

TQRBand& TQuickRep::MakeBand(TBandKind kind, double height) {
    auto band = std::make_unique<TQRBand>(kind, height);
    TQRBand& ref = *band;
    switch (kind) {
    case TBandKind::PageHeader:
        PageHeader = std::move(band);
        break;
    case TBandKind::Title:
        Title = std::move(band);
        break;
    case TBandKind::ColumnHeader:
        ColumnHeader = std::move(band);
        break;
    case TBandKind::Detail:
        Detail = std::move(band);
        break;
    case TBandKind::PageFooter:
        PageFooter = std::move(band);
        break;
    case TBandKind::Child:
        // Children hang on a band of their own: TQRBand::AddChild.
        throw std::invalid_argument("a child band needs a parent band");
    }
    return ref;
}

void TQuickRep::NewColumn() {
    if (run_) run_->NewColumn();
}

void TQuickRep::NewPage() {
    if (run_) run_->NewPage();
}

int TQuickRep::CurrentColumn() const {
    return run_ ? run_->CurrentColumn() : 0;
}
int TQuickRep::PageNumber() const {
    return run_ ? run_->PageNumber() : 0;
}
bool TQuickRep::Counting() const {
    return run_ && run_->Counting();
}

} // namespace marklow
