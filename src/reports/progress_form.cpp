#include "progress_form.h"

#include "gbook_form.h"
#include "gradebook.h"
#include "printed_grade.h"

#include <algorithm>

#include <QCoreApplication>

namespace marklow {

namespace {
// Fixed colours: the desktop's theme must not reach the paper.
const QColor kWhite(255, 255, 255);
const QColor kShade(217, 217, 217);

// The page header's rows and lines, and the smallest size a name may shrink to before it
// wraps.
constexpr double kLine = 4.23;
constexpr double kHeaderTop = 3.39;
constexpr double kRowStep = 10.16 - 3.39;
constexpr double kRowGap = kRowStep - kLine;
constexpr double kHeaderHeight = 15.88;
constexpr double kDetailHeight = 7.20;
constexpr double kNormalSize = 10;
constexpr double kLeastSize = 8;

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Excused and missing work in words; missing work says the points it counted for
// ("missing 25").
QString PrintedCaption(const TPrintedGrade& p) {
    if (p.Kind == EntryKind::Excused) return QCoreApplication::translate("ProgressForm", "excused");
    if (p.Kind == EntryKind::Missing)
        return QCoreApplication::translate("ProgressForm", "missing %1").arg(Q(p.Text));
    return Q(p.Text);
}

TQRLabel& AddLabel(TQRBand& band, double left, double top, const QString& caption = {},
                   bool bold = false, double maxWidth = 0) {
    TQRLabel& l = band.Add<TQRLabel>();
    l.SetBounds(left, top, 0, 4.23);
    l.AutoSize = true;
    l.MaxWidth = maxWidth;
    l.Caption = caption;
    l.Font.Bold = bold;
    return l;
}
} // namespace

TRprogform::TRprogform() {
    TQuickRep& q = Quickxrp1;
    q.Columns = 3;
    q.ColumnSpace = 5;
    q.FirstPageHeader = true;

    // Each label stops short of the caption to its right.
    TQRBand& header = q.MakeBand(TBandKind::PageHeader, 15.88);
    AddLabel(header, 3.39, 3.39, QCoreApplication::translate("ProgressForm", "Teacher"), true);
    TeachLabel = &AddLabel(header, 20.32, 3.39, {}, false, 64.35 - 20.32 - 1);
    AddLabel(header, 64.35, 3.39, QCoreApplication::translate("ProgressForm", "Class"), true);
    ClassLabel = &AddLabel(header, 77.89, 3.39, {}, false, 123.61 - 77.89 - 1);
    AddLabel(header, 123.61, 3.39, QCoreApplication::translate("ProgressForm", "Class Number"),
             true);
    CNLabel = &AddLabel(header, 150.71, 3.39, {}, false, 175.9 - 150.71);
    studentCaption_ = &AddLabel(header, 3.39, 10.16,
                                QCoreApplication::translate("ProgressForm", "Student"), true);
    Studlab = &AddLabel(header, 20.32, 10.16, {}, false, 64.35 - 20.32 - 1);
    averageCaption_ = &AddLabel(header, 64.35, 10.16,
                                QCoreApplication::translate("ProgressForm", "Average"), true);
    AveLabel = &AddLabel(header, 81.28, 10.16, {}, false, 123.61 - 81.28);

    TQRBand& columns = q.MakeBand(TBandKind::ColumnHeader, 8.47);
    columns.Frame.All(true);
    AddLabel(columns, 1.69, 3.39, QCoreApplication::translate("ProgressForm", "Grade Name"), true);
    AddLabel(columns, 40.64, 3.39, QCoreApplication::translate("ProgressForm", "Grade"), true);

    TQRBand& detail = q.MakeBand(TBandKind::Detail, 7.20);
    detail.Frame.All(true);
    NameLabel = &AddLabel(detail, 1.69, 1.69, {}, false, 37.25 - 1.69 - 0.5);
    GradeLabel = &detail.Add<TQRLabel>();
    GradeLabel->SetBounds(37.25, 1.69, 17.99, 4.23);
    GradeLabel->Alignment = TAlignment::Center;
    GradeLabel->Transparent = false;
    GradeLabel->Color = kWhite;

    q.BeforePrint = [this] { Quickxrp1BeforePrint(); };
    q.OnNeedData = [this](bool& more) { Quickxrp1NeedData(more); };
    q.SaveState = [this] { return TFormState{CurrentGrade, CurrentRow}; };
    q.RestoreState = [this](const TFormState& s) {
        CurrentGrade = s[0];
        CurrentRow = s[1];
        ShowStudent();
    };
}

void TRprogform::SetSource(const TGradebook& gb, const PrintOptions& options) {
    gb_ = &gb;
    options_ = &options;
}

QString TRprogform::DocumentTitle() const {
    return QCoreApplication::translate("ProgressForm", "Progress Reports for %1")
        .arg(gb_ ? Q(gb_->ClassName) : QString());
}

QString TRprogform::NothingToPrint() const {
    if (!gb_ || gb_->StudentCount() == 0)
        return QCoreApplication::translate("ProgressForm",
                                           "There are no students to print progress reports for.");
    if (!options_->AllStudents &&
        (options_->SelectedStudent < 0 || options_->SelectedStudent >= gb_->StudentCount()))
        return QCoreApplication::translate("ProgressForm",
                                           "Choose the student to print a progress report for.");
    return {};
}

void TRprogform::ShowStudent() {
    if (CurrentRow < 2 || CurrentRow > LastStudent) return;
    Studlab->Caption = Q(gb_->Cell(1, CurrentRow));
    AveLabel->Caption = Q(gb_->Cell(0, CurrentRow));
    LayOutHeader();
}

void TRprogform::LayOutHeader() {
    auto fit = [this](TQRLabel& l) {
        return FitCaption(l, measure_, l.MaxWidth, kNormalSize, kLeastSize, kLine);
    };
    double first = 0;
    for (TQRLabel* l : {TeachLabel, ClassLabel, CNLabel})
        first = std::max(first, fit(*l));
    // The second row moves down below the first one's lines.
    const double top = kHeaderTop + std::max(kRowStep, first + kRowGap);
    double second = 0;
    for (TQRLabel* l : {Studlab, AveLabel})
        second = std::max(second, fit(*l));
    for (TQRLabel* l : {studentCaption_, Studlab, averageCaption_, AveLabel})
        l->Top = top;
    Quickxrp1.PageHeader->Height =
        std::max(kHeaderHeight, top + second + (kHeaderHeight - kRowStep - kHeaderTop - kLine));
}

void TRprogform::LayOutGradeNames() {
    nameFits_.clear();
    for (int c = 2; c <= LastGrade; ++c) {
        NameLabel->Caption = Q(gb_->Cell(c, 1));
        TNameFit f;
        f.Height =
            FitCaption(*NameLabel, measure_, NameLabel->MaxWidth, kNormalSize, kLeastSize, kLine);
        f.PointSize = NameLabel->Font.PointSize;
        f.Wrap = NameLabel->WordWrap;
        nameFits_.push_back(f);
    }
}

void TRprogform::ShowGradeName(int column) {
    const size_t i = static_cast<size_t>(column - 2);
    if (i >= nameFits_.size()) return;
    const TNameFit& f = nameFits_[i];
    NameLabel->Font.PointSize = f.PointSize;
    NameLabel->WordWrap = f.Wrap;
    NameLabel->Height = f.Height;
    Quickxrp1.Detail->Height = std::max(kDetailHeight, kDetailHeight - kLine + f.Height);
}

void TRprogform::Quickxrp1BeforePrint() {
    const TGradebook& gb = *gb_;
    // Three columns of 55.25 mm: on narrower paper (A4) they take part of the right margin,
    // never less than 10 mm of it, rather than shrink under their grades.
    TQuickRep& q = Quickxrp1;
    const double needed = 3 * 55.25 + 2 * q.ColumnSpace;
    q.Margins.setRight(
        std::clamp(q.Page.PaperMm().width() - q.Margins.left() - needed, 10.0, 20.0));
    TeachLabel->Caption = Q(gb.Teacher);
    ClassLabel->Caption = Q(gb.ClassName);
    CNLabel->Caption = Q(gb.ClassNumber);
    CurrentGrade = 2;
    AllStudents = options_->AllStudents;
    // A selection outside the student rows (an empty list) prints no one, never a heading.
    CurrentRow = AllStudents ? 2 : options_->SelectedStudent + 2;
    if (!AllStudents && (CurrentRow < 2 || CurrentRow > gb.LastStudentRow()))
        CurrentRow = gb.LastStudentRow() + 1;
    LastStudent = gb.LastStudentRow();
    LastGrade = AllStudents ? LastPrintedGradeColumn(gb, options_->OmitAfterLastEntry)
                            : LastPrintedGradeColumn(gb, options_->OmitAfterLastEntry, CurrentRow,
                                                     CurrentRow);
    LayOutGradeNames();
    ShowStudent();
}

void TRprogform::Quickxrp1NeedData(bool& MoreData) {
    const TGradebook& gb = *gb_;
    MoreData = true;
    if (CurrentRow < 2 || CurrentRow > LastStudent) {
        MoreData = false;
        return;
    }
    // A student without grade lines still gets a page: one line that prints nothing.
    const int lastLine = std::max(LastGrade, 2);
    if (CurrentGrade > lastLine) {
        ++CurrentRow;
        if (!AllStudents || CurrentRow > LastStudent) {
            MoreData = false;
            return;
        }
        CurrentGrade = 2;
        ShowStudent();
        // Each student starts on a page of its own.
        Quickxrp1.NewPage();
    }
    const bool line = CurrentGrade <= LastGrade;
    Quickxrp1.Detail->Enabled = line;
    // The line's height counts while pages are only counted too.
    if (line) ShowGradeName(CurrentGrade);
    if (line && !Quickxrp1.Counting()) {
        const int c = CurrentGrade;
        NameLabel->Caption = Q(gb.Cell(c, 1));
        TPrintedGrade p = FormatPrintedEntry(gb, c, CurrentRow, options_->PrintGrade);
        GradeLabel->Color = p.Shade && options_->ShadeCurved ? kShade : kWhite;
        GradeLabel->Caption = PrintedCaption(p);
        // The column is narrow: missing work with its points in the names' smallest size.
        GradeLabel->Font.PointSize = p.Kind == EntryKind::Missing ? kLeastSize : kNormalSize;
    }
    ++CurrentGrade;
}

} // namespace marklow
