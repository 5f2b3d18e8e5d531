#include "gbook_form.h"

#include "gradebook.h"
#include "text.h"

#include <QCoreApplication>

namespace marklow {

namespace {
// Fixed colours: the desktop's theme must not reach the paper.
const QColor kWhite(255, 255, 255);
const QColor kShade(217, 217, 217);

constexpr double kCellStride = 15.24;
constexpr double kDetailHeight = 5.50;
constexpr double kHeaderHeight = 32.17;
// The name label: its width and one line's height, and the smallest size a name may shrink
// to before it wraps.
constexpr double kNameWidth = 35.77;
constexpr double kNameLine = 4.45;
constexpr double kNormalSize = 10;
constexpr double kLeastSize = 8;

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

TFontStyle Arial(double size = 10, bool bold = false) {
    TFontStyle f;
    f.PointSize = size;
    f.Bold = bold;
    return f;
}

TQRLabel& AddLabel(TQRBand& band, double left, double top, double width, double height,
                   const QString& caption = {}, bool bold = false) {
    TQRLabel& l = band.Add<TQRLabel>();
    l.SetBounds(left, top, width, height);
    l.Caption = caption;
    l.Font = Arial(10, bold);
    return l;
}

TQRShape& AddBox(TQRBand& band, double left, double top, double width, double height, double pen) {
    TQRShape& s = band.Add<TQRShape>();
    s.SetBounds(left, top, width, height);
    s.PenWidth = pen;
    return s;
}
} // namespace

int LastPrintedGradeColumn(const TGradebook& gb, bool omitAfterLastEntry, int firstRow,
                           int lastRow) {
    int last = gb.LastGradeColumn();
    if (!omitAfterLastEntry) return last;
    // Only grade columns and student rows count: never the names, nor the spare row.
    firstRow = std::max(firstRow, 2);
    lastRow = lastRow < 0 ? gb.LastStudentRow() : std::min(lastRow, gb.LastStudentRow());
    for (; last >= 2; --last) {
        for (int r = firstRow; r <= lastRow; ++r)
            if (!IsBlank(gb.Cell(last, r))) return last;
    }
    return 1;
}

TGBookForm::TGBookForm() {
    TQuickRep& q = Quickxrp1;
    q.Font = Arial();
    q.FirstPageHeader = true;

    TQRBand& header = q.MakeBand(TBandKind::PageHeader, 19.05);
    TitleLabel = &AddLabel(header, 0, 3.39, 170.39, 5.29);
    TitleLabel->Font = Arial(12, true);
    TitleLabel->Alignment = TAlignment::Center;
    AddLabel(header, 5.08, 11.85, 0, 4.45, QCoreApplication::translate("GBookForm", "Teacher"),
             true)
        .AutoSize = true;
    TeachLabel = &AddLabel(header, 22.01, 11.85, 0, 4.45);
    TeachLabel->AutoSize = true;
    TeachLabel->MaxWidth = 62.02 - 22.01 - 1;
    AddLabel(header, 62.02, 11.85, 0, 4.45,
             QCoreApplication::translate("GBookForm", "Class Number"), true)
        .AutoSize = true;
    CNLabel = &AddLabel(header, 88.90, 11.85, 0, 4.45);
    CNLabel->AutoSize = true;

    TQRBand& columns = q.MakeBand(TBandKind::ColumnHeader, 32.17);
    auto heading = [&](double left) {
        TQRAngledLabel& h = columns.Add<TQRAngledLabel>();
        h.SetBounds(left, 0, 4.02, 30.48);
        h.SetAngle(90);
        h.AnchorStyle = TAnchorStyle::asTextLeft;
        h.AutoSize = false;
        h.Transparent = true;
        h.SetFont(Arial(10, true));
        h.TrueTypeAlert = TTrueTypeAlert::ttaAbort;
        return &h;
    };
    // Every box is exactly as wide as its column and as high as its band: boxes that
    // overlapped their neighbours by a fraction of a millimetre printed doubled rules.
    AverageHeadingBox = &AddBox(columns, 37.25, 0, kCellStride, kHeaderHeight, 2);
    AverageHeading = heading(42.76);
    AverageHeading->Caption = QCoreApplication::translate("GBookForm", "Student Average");
    for (int i = 0; i < kPositions; ++i) {
        HeadingBox[i] = &AddBox(columns, 52.49 + kCellStride * i, 0, kCellStride, kHeaderHeight, 1);
        Heading[i] = heading(58.00 + kCellStride * i);
    }

    TQRBand& detail = q.MakeBand(TBandKind::Detail, kDetailHeight);
    // The cells first, their shading under their rules, and the heavy edge of the average
    // box over the first cell.
    for (int i = 0; i < kPositions; ++i) {
        TQRLabel& l = i == 0 ? AddLabel(detail, 52.49, 0.64, 15.24, 4.23)
                             : AddLabel(detail, 67.95 + kCellStride * (i - 1), 0.64, 14.82, 4.45);
        l.Alignment = TAlignment::Center;
        l.Transparent = false;
        l.Color = kWhite;
        l.WordWrap = true;
        CellLabel[i] = &l;
    }
    for (int i = 0; i < kPositions; ++i)
        CellBox[i] = &AddBox(detail, 52.49 + kCellStride * i, 0, kCellStride, kDetailHeight, 1);
    NameBox = &AddBox(detail, 0, 0, 37.25, kDetailHeight, 1);
    NameLabel = &AddLabel(detail, 0.85, 0.42, kNameWidth, kNameLine, {}, true);
    NameLabel->Alignment = TAlignment::Right;
    NameLabel->WordWrap = true;
    AverageBox = &AddBox(detail, 37.25, 0, kCellStride, kDetailHeight, 2);
    AverageLabel = &AddLabel(detail, 37.25, 0.64, 15.24, 4.45);
    AverageLabel->Alignment = TAlignment::Center;
    AverageLabel->WordWrap = true;

    q.BeforePrint = [this] { Quickxrp1BeforePrint(); };
    q.OnNeedData = [this](bool& more) { Quickxrp1NeedData(more); };
    q.OnStartPage = [this] { Quickxrp1StartPage(); };
    q.SaveState = [this] { return TFormState{FirstGradeColumn, CurrentLine, CurrentColumnPage}; };
    q.RestoreState = [this](const TFormState& s) {
        FirstGradeColumn = s[0];
        CurrentLine = s[1];
        CurrentColumnPage = s[2];
    };
}

void TGBookForm::SetSource(const TGradebook& gb, const PrintOptions& options) {
    gb_ = &gb;
    options_ = &options;
}

QString TGBookForm::DocumentTitle() const {
    return QCoreApplication::translate("GBookForm", "Gradebook for %1")
        .arg(gb_ ? Q(gb_->ClassName) : QString());
}

void TGBookForm::EnablePosition(int i, bool on) {
    HeadingBox[i]->Enabled = on;
    Heading[i]->Enabled = on;
    CellBox[i]->Enabled = on;
    CellLabel[i]->Enabled = on;
}

void TGBookForm::Quickxrp1BeforePrint() {
    const TGradebook& gb = *gb_;
    TeachLabel->Caption = Q(gb.Teacher);
    TitleLabel->Caption =
        QCoreApplication::translate("GBookForm", "Gradebook for %1").arg(Q(gb.ClassName));
    CNLabel->Caption = Q(gb.ClassNumber);
    FirstGradeColumn = 2;
    CurrentLine = 1;
    bool landscape = options_->Orientation == TReportOrientation::Landscape;
    Quickxrp1.Page.Orientation = landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    ColumnsPerPage = landscape ? 12 : 8;
    for (int i = 8; i < kPositions; ++i)
        EnablePosition(i, landscape);
    CNLabel->MaxWidth = Quickxrp1.Page.PaperMm().width() - Quickxrp1.Margins.left() -
                        Quickxrp1.Margins.right() - CNLabel->Left;
    LastGrade = LastPrintedGradeColumn(gb, options_->OmitAfterLastEntry);
    LastStudent = gb.LastStudentRow();
    ColumnPageCount = std::max(1, (LastGrade - 1 + ColumnsPerPage - 1) / ColumnsPerPage);
    CurrentColumnPage = 0;
    LayOutNames();
}

QString TGBookForm::NameOf(int r) const {
    return options_->PrintStudent == TPrintStudent::IDs ? Q(gb_->StudentAt(r)->ID)
                                                        : Q(gb_->Cell(1, r));
}

void TGBookForm::LayOutNames() {
    nameFits_.clear();
    nameFits_.reserve(static_cast<size_t>(std::max(0, LastStudent - 1)));
    for (int r = 2; r <= LastStudent; ++r) {
        NameLabel->Caption = NameOf(r);
        const double h =
            FitCaption(*NameLabel, measure_, kNameWidth, kNormalSize, kLeastSize, kNameLine);
        nameFits_.push_back({static_cast<float>(NameLabel->Font.PointSize), NameLabel->WordWrap,
                             static_cast<float>(h)});
    }
}

void TGBookForm::ShowLine(int line) {
    // A name that needs more lines makes its whole line taller, rules and all.
    double nameHeight = kNameLine;
    NameLabel->Font.PointSize = kNormalSize;
    NameLabel->WordWrap = true;
    const size_t i = static_cast<size_t>(line - 2);
    if (line >= 2 && i < nameFits_.size()) {
        const TNameFit& f = nameFits_[i];
        NameLabel->Font.PointSize = f.PointSize;
        NameLabel->WordWrap = f.Wrap;
        nameHeight = f.Height;
    }
    NameLabel->Height = nameHeight;
    const double height = std::max(kDetailHeight, kDetailHeight - kNameLine + nameHeight);
    Quickxrp1.Detail->Height = height;
    NameBox->Height = height;
    AverageBox->Height = height;
    for (TQRShape* box : CellBox)
        box->Height = height;
}

void TGBookForm::Quickxrp1StartPage() {
    for (int i = 0; i < ColumnsPerPage; ++i) {
        int c = FirstGradeColumn + i;
        bool shown = c <= LastGrade;
        EnablePosition(i, shown);
        if (shown) Heading[i]->Caption = Q(gb_->Cell(c, 1));
    }
}

void TGBookForm::Quickxrp1NeedData(bool& MoreData) {
    const TGradebook& gb = *gb_;
    MoreData = true;
    if (CurrentLine > LastStudent) {
        ++CurrentColumnPage;
        if (CurrentColumnPage >= ColumnPageCount) {
            MoreData = false;
            return;
        }
        CurrentLine = 1;
        FirstGradeColumn += ColumnsPerPage;
        Quickxrp1.NewColumn();
    }
    // Counting pages needs only the counters and the line's height.
    ShowLine(CurrentLine);
    if (!Quickxrp1.Counting()) {
        if (CurrentLine == 1) {
            AverageLabel->Caption = QStringLiteral(" ");
            NameBox->PenWidth = 2;
            NameLabel->Caption = QCoreApplication::translate("GBookForm", "Class Average");
            for (int i = 0; i < ColumnsPerPage; ++i) {
                CellLabel[i]->Color = kWhite;
                CellBox[i]->PenWidth = 2;
                int c = FirstGradeColumn + i;
                if (c <= LastGrade) CellLabel[i]->Caption = Q(gb.Cell(c, 0));
            }
        } else {
            const int r = CurrentLine;
            NameBox->PenWidth = 1;
            for (int i = 0; i < ColumnsPerPage; ++i) {
                CellBox[i]->PenWidth = 1;
                int c = FirstGradeColumn + i;
                if (c > LastGrade) continue;
                TPrintedGrade p = FormatPrintedEntry(gb, c, r, options_->PrintGrade);
                CellLabel[i]->Color = p.Shade && options_->ShadeCurved ? kShade : kWhite;
                // The cells are narrow: the codes a teacher types, missing work with its points.
                if (p.Kind == EntryKind::Excused) p.Text = "EX";
                if (p.Kind == EntryKind::Missing) p.Text = "M " + p.Text;
                CellLabel[i]->Caption = Q(p.Text);
            }
            NameLabel->Caption = NameOf(r);
            AverageLabel->Caption = Q(gb.Cell(0, r));
        }
    }
    ++CurrentLine;
}

} // namespace marklow
