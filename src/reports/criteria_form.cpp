#include "criteria_form.h"

#include "gradebook.h"
#include "text.h"

#include <algorithm>

#include <QCoreApplication>

namespace marklow {

namespace {
QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
QString Number(double v) {
    return QString::fromStdString(FormatNumber(v));
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

TQRLabel& AddBoxed(TQRBand& band, double left, double width, const QString& caption = {},
                   bool bold = false) {
    TQRLabel& l = band.Add<TQRLabel>();
    l.SetBounds(left, 1.69, width, 4.23);
    l.Alignment = TAlignment::Center;
    l.Caption = caption;
    l.Font.Bold = bold;
    return l;
}

void AddDivider(TQRBand& band) {
    TQRShape& line = band.Add<TQRShape>();
    line.SetBounds(87.00, 0, 1.91, 8.68);
    line.Shape = TQRShape::TShapeKind::VertLine;
}

// The two halves of the category table: where each column starts and how wide it is.
struct THalf {
    double Name, Entered, EnteredWidth, Scaled, Drop, DropWidth;
};
constexpr THalf kHalves[2] = {{1.69, 32.17, 20.74, 57.57, 64.35, 21.59},
                              {89.75, 120.86, 19.90, 143.93, 150.71, 21.59}};

// The header's row of teacher, class and class number, and the smallest size a text there
// may shrink to before it wraps.
constexpr double kHeaderHeight = 19.05;
constexpr double kHeaderRowTop = 11.85;
constexpr double kLine = 4.23;
constexpr double kNormalSize = 10;
constexpr double kLeastSize = 8;

const char* kExtraCredit = QT_TRANSLATE_NOOP(
    "CriteriaForm",
    "! Extra Credit  - Percent of grade for extra credit is in addition to the total of 100%.");
} // namespace

TGradeCriForm::TGradeCriForm() {
    TQuickRep& q = Quickxrp1;
    q.Margins = QMarginsF(20, 10, 20, 10);
    q.FirstPageHeader = true;
    q.LastPageFooter = true;
    // The category table prints even for a gradebook without grades.
    q.PrintIfEmpty = true;

    TQRBand& header = q.MakeBand(TBandKind::PageHeader, kHeaderHeight);
    AddLabel(header, 73.66, 5.08, QCoreApplication::translate("CriteriaForm", "Grade Criteria"),
             true)
        .Font.PointSize = 12;
    AddLabel(header, 1.69, 11.85, QCoreApplication::translate("CriteriaForm", "Teacher"), true);
    TeachLabel = &AddLabel(header, 17.78, 11.85, {}, false, 66.04 - 17.78 - 1);
    AddLabel(header, 66.04, 11.85, QCoreApplication::translate("CriteriaForm", "Class"), true);
    ClassLabel = &AddLabel(header, 77.89, 11.85, {}, false, 125.31 - 77.89 - 1);
    AddLabel(header, 125.31, 11.85, QCoreApplication::translate("CriteriaForm", "Class Number"),
             true);
    CNLabel = &AddLabel(header, 152.40, 11.85, {}, false, 175.9 - 152.40);

    TQRBand& title = q.MakeBand(TBandKind::Title, 8.47);
    for (const THalf& h : kHalves) {
        AddLabel(title, h.Name, 1.69, QCoreApplication::translate("CriteriaForm", "Category"),
                 true);
        AddBoxed(title, h.Entered, h.EnteredWidth,
                 QCoreApplication::translate("CriteriaForm", "% (entered)"), true);
        AddLabel(title, h.Scaled, 1.69, "%", true);
        AddBoxed(title, h.Drop, h.DropWidth,
                 QCoreApplication::translate("CriteriaForm", "Drop Lowest"), true)
            .Alignment = TAlignment::Left;
    }
    AddDivider(title);

    TQRBand& columns = q.MakeBand(TBandKind::ColumnHeader, 8.47);
    AddLabel(columns, 1.69, 1.69, QCoreApplication::translate("CriteriaForm", "Grade Name"), true);
    AddLabel(columns, 52.49, 1.69, QCoreApplication::translate("CriteriaForm", "Category"), true);
    AddLabel(columns, 111.76, 1.69, QCoreApplication::translate("CriteriaForm", "Weight"), true);
    AddLabel(columns, 137.16, 1.69, QCoreApplication::translate("CriteriaForm", "Points"), true);
    AddLabel(columns, 154.09, 1.69, QCoreApplication::translate("CriteriaForm", "% of Grade"),
             true);

    TQRBand& detail = q.MakeBand(TBandKind::Detail, 8.47);
    detail.Frame.All(true);
    GradeNameLabel = &AddLabel(detail, 1.69, 1.69, {}, false, 52.49 - 1.69 - 1);
    CategoryLabel = &AddLabel(detail, 52.49, 1.69, {}, false, 110.07 - 52.49 - 1);
    WeightLabel = &AddBoxed(detail, 110.07, 17.14);
    Pointlabel = &AddBoxed(detail, 135.47, 15.45);
    PercentLabel = &AddBoxed(detail, 154.31, 18.63);

    TQRBand& footer = q.MakeBand(TBandKind::PageFooter, 0);
    ExtraCreditBand = &footer.AddChild(0);
    ExtraCreditNote =
        &AddLabel(*ExtraCreditBand, 3.39, 1.69,
                  QCoreApplication::translate("CriteriaForm", kExtraCredit), false, 172.93);
    EstimateBand = &footer.AddChild(0);
    EstimateNote = &EstimateBand->Add<TQRMemo>();
    EstimateNote->SetBounds(3.39, 1.69, 172.93, 8.68);
    // The note's second line starts at "based", as its run of blanks meant it to.
    EstimateNote->Lines = {
        QCoreApplication::translate("CriteriaForm",
                                    "* When dropping the lowest grade in a category with unequal "
                                    "weights, percent of grade values are estimated"),
        QCoreApplication::translate("CriteriaForm", "based on the lowest weighted grade")};

    q.BeforePrint = [this] { Quickxrp1BeforePrint(); };
    q.OnNeedData = [this](bool& more) { Quickxrp1NeedData(more); };
    q.SaveState = [this] { return TFormState{CurrentGrade}; };
    q.RestoreState = [this](const TFormState& s) { CurrentGrade = s[0]; };
}

void TGradeCriForm::SetSource(const TGradebook& gb, const PrintOptions&) {
    gb_ = &gb;
}

QString TGradeCriForm::DocumentTitle() const {
    return QCoreApplication::translate("CriteriaForm", "Grade Criteria for %1")
        .arg(gb_ ? Q(gb_->ClassName) : QString());
}

void TGradeCriForm::AddCategoryRow(int k, int half) {
    TQRBand& row = Quickxrp1.Title->AddChild(8.47);
    row.Frame.All(true);
    AddDivider(row);
    const int count = static_cast<int>(criteria_.Categories.size());
    bool estimate = false;
    for (int side = 0; side < 2; ++side) {
        const int i = side == 0 ? k : k + half;
        if (i >= count) continue;
        const TCategoryRow& c = criteria_.Categories[static_cast<size_t>(i)];
        const THalf& h = kHalves[side];
        AddLabel(row, h.Name, 1.69, Q(c.Name), false, h.Entered - h.Name - 1);
        AddLabel(row, h.Entered, 1.69, Number(c.Percent), false, h.Scaled - h.Entered - 1);
        // The right half shows the rest only for a category with a name.
        if (side == 1 && IsBlank(c.Name)) continue;
        // Up to where "Yes" starts, which sits a third into its column.
        AddLabel(row, h.Scaled, 1.69, Number(c.ScaledPercent), false,
                 h.Drop + h.DropWidth / 3 - h.Scaled - 1);
        if (c.DropLowest) {
            AddLabel(row, h.Drop + h.DropWidth / 3, 1.69,
                     c.UnequalWeights ? QCoreApplication::translate("CriteriaForm", "Yes *")
                                      : QCoreApplication::translate("CriteriaForm", "Yes"));
            estimate = estimate || c.UnequalWeights;
        }
    }
    if (estimate) EstimateNote->Enabled = true;
}

void TGradeCriForm::Quickxrp1BeforePrint() {
    const TGradebook& gb = *gb_;
    // Bands 175.9 mm wide: on narrower paper (A4) they take part of the right margin, never
    // less than 10 mm of it.
    TQuickRep& q = Quickxrp1;
    q.Margins.setRight(std::clamp(q.Page.PaperMm().width() - q.Margins.left() - 175.9, 10.0, 20.0));
    criteria_ = ComputeCriteria(gb);
    EstimateNote->Enabled = false;
    ExtraCreditNote->Enabled = criteria_.HasExtraCredit;
    CurrentGrade = 2;
    TeachLabel->Caption = Q(gb.Teacher);
    ClassLabel->Caption = Q(gb.ClassName);
    CNLabel->Caption = Q(gb.ClassNumber);
    LayOutHeader();
    const int count = static_cast<int>(criteria_.Categories.size());
    const int half = (count + 1) / 2;
    // Rows of an earlier run go; this run's are built from the categories as they are now.
    Quickxrp1.Title->RemoveChildren();
    if (count > 0) {
        for (int k = 0; k < half; ++k)
            AddCategoryRow(k, half);
        Quickxrp1.Title->AddChild(8.47);
    }
    ExtraCreditBand->Height = ExtraCreditNote->Enabled ? 8.5 : 0;
    EstimateBand->Height = EstimateNote->Enabled ? 11.6 : 0;
}

void TGradeCriForm::LayOutHeader() {
    // A long class name (or teacher) is never cut: it shrinks a little, then wraps, and the
    // header grows below it, as on the progress reports.
    double tallest = kLine;
    for (TQRLabel* l : {TeachLabel, ClassLabel, CNLabel})
        tallest = std::max(tallest,
                           FitCaption(*l, measure_, l->MaxWidth, kNormalSize, kLeastSize, kLine));
    Quickxrp1.PageHeader->Height = kHeaderHeight - kLine + tallest;
}

void TGradeCriForm::Quickxrp1NeedData(bool& MoreData) {
    const TGradebook& gb = *gb_;
    if (CurrentGrade > gb.LastGradeColumn()) {
        MoreData = false;
        return;
    }
    MoreData = true;
    if (!Quickxrp1.Counting()) {
        const TGradeRow& g = criteria_.Grades[static_cast<size_t>(CurrentGrade - 2)];
        GradeNameLabel->Caption = Q(gb.Cell(CurrentGrade, 1));
        CategoryLabel->Caption = Q(g.Category);
        WeightLabel->Caption = Number(g.Weight);
        Pointlabel->Caption = Number(g.Points);
        PercentLabel->Caption = Number(g.EffectiveWeight * 100) + (g.ExtraCredit ? " !" : "");
    }
    ++CurrentGrade;
}

} // namespace marklow
