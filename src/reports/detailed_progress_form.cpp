#include "detailed_progress_form.h"

#include "gbook_form.h"
#include "grade_date.h"
#include "gradebook.h"
#include "text.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace marklow {

namespace {

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString Percent(double v) {
    return Q(FormatNumber(v)) + QLatin1Char('%');
}

// Fixed colours: the desktop's theme must not reach the paper.
const QColor kBlack(0, 0, 0);
const QColor kGrey(110, 110, 110);
const QColor kBand(232, 232, 232);

constexpr double kTableSize = 9;     // points, the grade table
constexpr double kPad = 1;           // mm around a cell's text
constexpr double kRuleGap = 7;       // mm between the comment's writing lines
constexpr double kMostComment = 110; // mm a teacher's comment may take

// Widths of the table's fixed columns in mm: date, possible, score, percent, letter, class.
constexpr double kFixed[] = {21, 13, 24, 14, 11, 15};

TQRLabel& AddLabel(TQRBand& band, double size = 10, bool bold = false) {
    TQRLabel& l = band.Add<TQRLabel>();
    l.Font.PointSize = size;
    l.Font.Bold = bold;
    return l;
}

TQRShape& AddRule(TQRBand& band) {
    TQRShape& s = band.Add<TQRShape>();
    s.Shape = TQRShape::TShapeKind::HorzLine;
    s.PenWidth = 1;
    return s;
}

QString DateText(double day) {
    // A grade without a date prints none.
    if (!IsGivenDate(day)) return {};
    return QLocale().toString(QDate(1899, 12, 30).addDays(static_cast<qint64>(std::floor(day))),
                              QLocale::ShortFormat);
}

} // namespace

TDetailedProgressForm::TDetailedProgressForm() {
    TQuickRep& q = Quickxrp1;
    q.Margins = QMarginsF(15, 15, 15, 15);
    q.FirstPageHeader = true;

    TQRBand& header = q.MakeBand(TBandKind::PageHeader, 30);
    header.Frame.Bottom = true;
    title_ = &AddLabel(header, 16, true);
    title_->Caption = tr("Progress Report");
    continued_ = &AddLabel(header, 10);
    continued_->Font.Italic = true;
    continued_->Caption = tr("(continued)");
    date_ = &AddLabel(header);
    date_->Alignment = TAlignment::Right;
    classCaption_ = &AddLabel(header, 10, true);
    classCaption_->Caption = tr("Class");
    classLabel_ = &AddLabel(header);
    teacherCaption_ = &AddLabel(header, 10, true);
    teacherCaption_->Caption = tr("Teacher");
    teacherLabel_ = &AddLabel(header);
    numberCaption_ = &AddLabel(header, 10, true);
    numberCaption_->Caption = tr("Class Number");
    numberLabel_ = &AddLabel(header);
    studentCaption_ = &AddLabel(header, 10, true);
    studentCaption_->Caption = tr("Student");
    studentLabel_ = &AddLabel(header, 12, true);
    idCaption_ = &AddLabel(header, 10, true);
    idCaption_->Caption = tr("ID");
    idLabel_ = &AddLabel(header, 12);

    headings_ = &header.AddChild(8);
    headings_->Frame.Bottom = true;
    for (const char* h : {QT_TRANSLATE_NOOP("TDetailedProgressForm", "Grade"),
                          QT_TRANSLATE_NOOP("TDetailedProgressForm", "Date"),
                          QT_TRANSLATE_NOOP("TDetailedProgressForm", "Out of"),
                          QT_TRANSLATE_NOOP("TDetailedProgressForm", "Score"),
                          QT_TRANSLATE_NOOP("TDetailedProgressForm", "Percent"),
                          QT_TRANSLATE_NOOP("TDetailedProgressForm", "Letter"),
                          QT_TRANSLATE_NOOP("TDetailedProgressForm", "Class average"),
                          QT_TRANSLATE_NOOP("TDetailedProgressForm", "Comment")}) {
        TQRLabel& l = AddLabel(*headings_, 8.5, true);
        l.Caption = tr(h);
        headingLabels_.push_back(&l);
    }

    TQRBand& detail = q.MakeBand(TBandKind::Detail, 6);
    detail.Frame.PenWidth = 0.5;
    categoryFill_ = &detail.Add<TQRShape>();
    categoryFill_->PenWidth = 0;
    categoryFill_->BrushStyle = Qt::SolidPattern;
    categoryFill_->BrushColor = kBand;
    categoryName_ = &AddLabel(detail, 10, true);
    categoryResult_ = &AddLabel(detail, 9.5);
    categoryResult_->Alignment = TAlignment::Right;
    for (int i = 0; i < 8; ++i)
        cells_.push_back(&AddLabel(detail, kTableSize));
    for (int i : {1, 2, 3, 4, 5, 6})
        cells_[static_cast<size_t>(i)]->Alignment = TAlignment::Center;
    averageCaption_ = &AddLabel(detail, 11, true);
    averageCaption_->Caption = tr("Final average");
    averageLabel_ = &AddLabel(detail, 11, true);
    invalidNote_ = &AddLabel(detail, 8);
    invalidNote_->Font.Italic = true;
    invalidNote_->Caption =
        QStringLiteral("* ") + tr("An entry that could not be read does not count.");
    commentCaption_ = &AddLabel(detail, 10, true);
    commentCaption_->Caption = tr("Teacher's comment");
    commentText_ = &AddLabel(detail, 10);
    for (int i = 0; i < 3; ++i)
        commentRules_.push_back(&AddRule(detail));
    signatureCaption_ = &AddLabel(detail, 10, true);
    signatureCaption_->Caption = tr("Signature");
    signatureRule_ = &AddRule(detail);
    signedCaption_ = &AddLabel(detail, 10, true);
    signedCaption_->Caption = tr("Date");
    signedRule_ = &AddRule(detail);

    q.BeforePrint = [this] { Quickxrp1BeforePrint(); };
    q.OnNeedData = [this](bool& more) { Quickxrp1NeedData(more); };
    q.OnStartPage = [this] { Quickxrp1StartPage(); };
    q.SaveState = [this] { return TFormState{CurrentRow, Line, StudentPage}; };
    q.RestoreState = [this](const TFormState& s) {
        CurrentRow = s[0];
        Line = s[1];
        StudentPage = s[2];
        LoadStudent();
        ShowHeader();
    };
}

void TDetailedProgressForm::SetSource(const TGradebook& gb, const PrintOptions& options) {
    gb_ = &gb;
    options_ = &options;
    classCategories_.reset();
    detailRow_ = 0;
}

QString TDetailedProgressForm::DocumentTitle() const {
    if (gb_ && options_ && !options_->AllStudents && options_->SelectedStudent >= 0 &&
        options_->SelectedStudent < gb_->StudentCount())
        return tr("Progress Report for %1").arg(Q(gb_->Cell(1, options_->SelectedStudent + 2)));
    return tr("Progress Reports for %1").arg(gb_ ? Q(gb_->ClassName) : QString());
}

QString TDetailedProgressForm::NothingToPrint() const {
    if (!gb_ || gb_->StudentCount() == 0)
        return tr("There are no students to print progress reports for.");
    if (!options_->AllStudents &&
        (options_->SelectedStudent < 0 || options_->SelectedStudent >= gb_->StudentCount()))
        return tr("Choose the student to print a progress report for.");
    return {};
}

double TDetailedProgressForm::FitCell(TQRLabel& label, double width, double size, double least) {
    // One line at the full size, whatever size the caption before took.
    TFontStyle font = label.Font;
    font.PointSize = size;
    const double one = measure_.Metrics(font).Height;
    label.Width = width;
    return FitCaption(label, measure_, width, size, std::min(size, least), one);
}

void TDetailedProgressForm::LayOutColumns() {
    // The name and the comment share what the fixed columns leave, on any paper.
    // On narrow paper (A5) the fixed columns give up width too.
    constexpr double kLeastRest = 45;
    double fixed = 0;
    for (double w : kFixed)
        fixed += w;
    const double scale = std::min(1.0, std::max(0.0, width_ - kLeastRest) / fixed);
    const double rest = width_ - fixed * scale;
    std::vector<double> widths = {rest * 0.55};
    for (double w : kFixed)
        widths.push_back(w * scale);
    widths.push_back(rest * 0.45);
    double x = 0, headingHeight = 0;
    for (size_t i = 0; i < cells_.size(); ++i) {
        const double w = widths[i] - 2 * kPad;
        cells_[i]->SetBounds(x + kPad, kPad, w, lineMm_);
        // Centred headings may use their column's padding too.
        TQRLabel& h = *headingLabels_[i];
        h.Alignment = cells_[i]->Alignment;
        const double hw = h.Alignment == TAlignment::Center ? widths[i] - 0.4 : w;
        h.SetBounds(x + (widths[i] - hw) / 2, kPad, hw, 0);
        headingHeight = std::max(headingHeight, FitCell(h, hw, 8.5, 7));
        x += widths[i];
    }
    headings_->Height = headingHeight + 2 * kPad;
}

void TDetailedProgressForm::Quickxrp1BeforePrint() {
    const TGradebook& gb = *gb_;
    TQuickRep& q = Quickxrp1;
    width_ = q.Page.PaperMm().width() - q.Margins.left() - q.Margins.right();
    TFontStyle table;
    table.PointSize = kTableSize;
    lineMm_ = measure_.Metrics(table).Height;
    if (!classCategories_) classCategories_ = ClassCategoryAverages(gb);

    date_->Caption = QLocale().toString(PrintDate.isValid() ? PrintDate : QDate::currentDate(),
                                        QLocale::LongFormat);
    classLabel_->Caption = Q(gb.ClassName);
    teacherLabel_->Caption = Q(gb.Teacher);
    numberLabel_->Caption = Q(gb.ClassNumber);

    AllStudents = options_->AllStudents;
    CurrentRow = AllStudents ? 2 : options_->SelectedStudent + 2;
    LastStudent = gb.LastStudentRow();
    // A selection outside the student rows prints no one, never a heading row.
    if (!AllStudents && (CurrentRow < 2 || CurrentRow > LastStudent)) CurrentRow = LastStudent + 1;
    LastGrade = AllStudents ? LastPrintedGradeColumn(gb, options_->OmitAfterLastEntry)
                            : LastPrintedGradeColumn(gb, options_->OmitAfterLastEntry, CurrentRow,
                                                     CurrentRow);
    Line = 0;
    StudentPage = 0;
    detailRow_ = 0;
    LayOutColumns();
    LoadStudent();
    ShowHeader();
}

void TDetailedProgressForm::LoadStudent() {
    if (CurrentRow < 2 || CurrentRow > LastStudent || detailRow_ == CurrentRow) return;
    detail_ = MakeProgressDetail(*gb_, CurrentRow, LastGrade, *classCategories_);
    detailRow_ = CurrentRow;
    lines_.clear();
    for (size_t k = 0; k < detail_.Categories.size(); ++k) {
        lines_.push_back({TLineKind::Category, static_cast<int>(k)});
        for (size_t g = 0; g < detail_.Categories[k].Grades.size(); ++g)
            lines_.push_back({TLineKind::Grade, static_cast<int>(k), static_cast<int>(g)});
    }
    lines_.push_back({TLineKind::Average});
    lines_.push_back({TLineKind::Comment});
    lines_.push_back({TLineKind::Signature});
}

void TDetailedProgressForm::ShowHeader() {
    if (CurrentRow < 2 || CurrentRow > LastStudent) return;
    const double w = width_;
    const double title = measure_.Metrics(title_->Font).Height;
    title_->SetBounds(0, 0, w * 0.6, title);
    title_->Width = std::min(w * 0.6, measure_.Width(title_->Font, title_->Caption));
    const double small = measure_.Metrics(continued_->Font).Height;
    continued_->SetBounds(title_->Width + 3, title - small - 0.6, w * 0.6 - title_->Width - 3,
                          small);
    date_->SetBounds(w * 0.6, title - small - 0.6, w * 0.4, small);

    // Class, teacher and class number side by side; a long one wraps, never is cut.
    auto field = [this](TQRLabel& caption, TQRLabel& value, double x, double y, double width,
                        double size) {
        const double capWidth = measure_.Width(caption.Font, caption.Caption);
        caption.SetBounds(x, y, capWidth, measure_.Metrics(caption.Font).Height);
        value.Left = x + capWidth + 2;
        value.Top = y;
        return std::max(caption.Height, FitCell(value, std::max(10.0, width - capWidth - 4), size));
    };
    double y = title + 2.5;
    double row = 0;
    // Each field takes what it needs and an equal part of what is left; when the three do
    // not fit, parts in proportion to their needs.
    TQRLabel* const captions[] = {classCaption_, teacherCaption_, numberCaption_};
    TQRLabel* const values[] = {classLabel_, teacherLabel_, numberLabel_};
    double need[3], total = 0;
    for (int i = 0; i < 3; ++i) {
        TFontStyle f = values[i]->Font;
        f.PointSize = 10;
        need[i] = measure_.Width(captions[i]->Font, captions[i]->Caption) +
                  measure_.Width(f, values[i]->Caption) + 6;
        total += need[i];
    }
    double x = 0;
    for (int i = 0; i < 3; ++i) {
        const double part = total <= w ? need[i] + (w - total) / 3 : w * need[i] / total;
        row = std::max(row, field(*captions[i], *values[i], x, y, part, 10));
        x += part;
    }
    y += row + 2;
    studentLabel_->Caption = Q(detail_.Name);
    idLabel_->Caption = Q(detail_.ID);
    row = std::max(field(*studentCaption_, *studentLabel_, 0, y, w * 0.7, 12),
                   field(*idCaption_, *idLabel_, w * 0.75, y, w * 0.25, 12));
    // The captions sit on the names' first line.
    const double shift = measure_.Metrics(studentLabel_->Font).Ascent -
                         measure_.Metrics(studentCaption_->Font).Ascent;
    studentCaption_->Top += shift;
    idCaption_->Top += shift;
    Quickxrp1.PageHeader->Height = y + row + 2.5;
}

void TDetailedProgressForm::Quickxrp1StartPage() {
    ++StudentPage;
    continued_->Enabled = StudentPage > 1;
    // The table's headings head every page the table is on.
    const bool table = Line > 0 && Line <= static_cast<int>(lines_.size()) &&
                       (lines_[static_cast<size_t>(Line - 1)].Kind == TLineKind::Category ||
                        lines_[static_cast<size_t>(Line - 1)].Kind == TLineKind::Grade);
    headings_->Enabled = table;
}

void TDetailedProgressForm::Quickxrp1NeedData(bool& MoreData) {
    MoreData = true;
    if (CurrentRow < 2 || CurrentRow > LastStudent) {
        MoreData = false;
        return;
    }
    LoadStudent();
    if (Line >= static_cast<int>(lines_.size())) {
        ++CurrentRow;
        if (!AllStudents || CurrentRow > LastStudent) {
            MoreData = false;
            return;
        }
        Line = 0;
        StudentPage = 0;
        LoadStudent();
        ShowHeader();
        // Each student starts on a page of its own.
        Quickxrp1.NewPage();
    }
    ShowLine(lines_[static_cast<size_t>(Line)]);
    ++Line;
}

void TDetailedProgressForm::Show(TLineKind kind) {
    const auto on = [kind](TLineKind k) { return k == kind; };
    categoryFill_->Enabled = on(TLineKind::Category);
    categoryName_->Enabled = on(TLineKind::Category);
    categoryResult_->Enabled = on(TLineKind::Category);
    for (TQRLabel* l : cells_)
        l->Enabled = on(TLineKind::Grade);
    averageCaption_->Enabled = averageLabel_->Enabled = on(TLineKind::Average);
    invalidNote_->Enabled = on(TLineKind::Average) && detail_.HasInvalidEntry;
    commentCaption_->Enabled = commentText_->Enabled = on(TLineKind::Comment);
    for (TQRShape* r : commentRules_)
        r->Enabled = on(TLineKind::Comment) && detail_.Notes.empty();
    signatureCaption_->Enabled = signatureRule_->Enabled = on(TLineKind::Signature);
    signedCaption_->Enabled = signedRule_->Enabled = on(TLineKind::Signature);
    Quickxrp1.Detail->Frame.Bottom = on(TLineKind::Grade);
}

void TDetailedProgressForm::ShowLine(const TLine& line) {
    TQRBand& band = *Quickxrp1.Detail;
    const double w = width_;
    Show(line.Kind);
    switch (line.Kind) {
    case TLineKind::Category: {
        const TDetailCategory& k = detail_.Categories[static_cast<size_t>(line.Category)];
        QString name = k.Name.empty()
                           ? (gb_->Categories.Count() == 0 ? tr("All grades") : tr("(no name)"))
                           : Q(k.Name);
        name += QStringLiteral(" \u2013 ") + tr("%1 of the final grade").arg(Percent(k.Share));
        if (k.DropLowest) name += QStringLiteral(", ") + tr("lowest grade dropped");
        categoryName_->Caption = name;
        QString result =
            tr("Average: %1")
                .arg(k.StudentAverage ? Percent(*k.StudentAverage) : QStringLiteral("\u2013"));
        result += QStringLiteral("    ") +
                  tr("Class: %1")
                      .arg(k.ClassAverage ? Percent(*k.ClassAverage) : QStringLiteral("\u2013"));
        categoryResult_->Caption = result;
        const double resultWidth =
            std::min(w * 0.45, measure_.Width(categoryResult_->Font, result));
        const double top = 2.5;
        categoryName_->Left = kPad;
        categoryName_->Top = top + kPad;
        const double h = FitCell(*categoryName_, w - resultWidth - 4 * kPad, 10);
        categoryResult_->SetBounds(w - resultWidth - kPad, top + kPad, resultWidth,
                                   measure_.Metrics(categoryResult_->Font).Height);
        band.Height = top + std::max(h, categoryResult_->Height) + 2 * kPad;
        categoryFill_->SetBounds(0, top, w, band.Height - top);
        return;
    }
    case TLineKind::Grade: {
        const TDetailGrade& g = detail_.Categories[static_cast<size_t>(line.Category)]
                                    .Grades[static_cast<size_t>(line.Grade)];
        std::vector<QString> texts(8);
        texts[0] = Q(g.Name);
        texts[1] = DateText(g.Date);
        texts[2] = Q(FormatNumber(g.Points));
        texts[3] = Q(g.Score);
        if (g.Curved)
            texts[3] +=
                QLatin1Char(' ') + tr("%1 curve")
                                       .arg((g.CurveAmount > 0 ? QStringLiteral("+") : QString()) +
                                            Q(FormatNumber(g.CurveAmount)));
        if (g.Percent) texts[4] = Percent(*g.Percent);
        texts[5] = Q(g.Letter);
        if (g.ClassAverage) texts[6] = Percent(*g.ClassAverage);
        QStringList notes;
        if (g.Dropped) notes << tr("dropped");
        if (g.ExtraCredit) notes << tr("extra credit");
        if (g.Kind == EntryKind::Excused) notes << tr("excused");
        if (g.Kind == EntryKind::Missing && g.Percent)
            notes << tr("missing, counted as %1").arg(Percent(*g.Percent));
        if (g.Kind == EntryKind::Invalid || g.Kind == EntryKind::Excused || !g.Counted)
            notes << tr("not counted");
        // "Out of 100" and nothing else would read as a score still to be filled in wrongly.
        if (g.Kind == EntryKind::Blank) notes << tr("not graded yet");
        if (!g.Comment.empty()) notes << Q(g.Comment);
        texts[7] = notes.join(QStringLiteral("; "));
        double height = lineMm_;
        for (size_t i = 0; i < cells_.size(); ++i) {
            TQRLabel& l = *cells_[i];
            l.Caption = texts[i];
            l.TextColor = g.Dropped ? kGrey : kBlack;
            // Every text is printed whole: smaller, or wrapped, where it does not fit.
            height = std::max(height, FitCell(l, l.Width, kTableSize));
        }
        band.Height = height + 2 * kPad;
        return;
    }
    case TLineKind::Average: {
        const double top = 4;
        const double h = measure_.Metrics(averageCaption_->Font).Height;
        const double capWidth = measure_.Width(averageCaption_->Font, averageCaption_->Caption);
        averageCaption_->SetBounds(kPad, top, capWidth, h);
        QString value = QStringLiteral("\u2013");
        if (detail_.Average) {
            value = Percent(*detail_.Average);
            if (!detail_.Letter.empty()) value += QStringLiteral("   ") + Q(detail_.Letter);
        }
        if (detail_.HasInvalidEntry) value += QLatin1Char('*');
        averageLabel_->Caption = value;
        averageLabel_->SetBounds(kPad + capWidth + 4, top, w - capWidth - 6, h);
        band.Height = top + h + 1;
        if (detail_.HasInvalidEntry) {
            const double nh = measure_.Metrics(invalidNote_->Font).Height;
            invalidNote_->SetBounds(kPad, band.Height, w - 2 * kPad, nh);
            band.Height += nh + 1;
        }
        return;
    }
    case TLineKind::Comment: {
        const double top = 5;
        const double h = measure_.Metrics(commentCaption_->Font).Height;
        commentCaption_->SetBounds(kPad, top, w - 2 * kPad, h);
        double y = top + h + 1.5;
        if (!detail_.Notes.empty()) {
            commentText_->Caption = Q(detail_.Notes);
            commentText_->SetBounds(kPad, y, w - 2 * kPad, 0);
            commentText_->WordWrap = true;
            const auto lines =
                measure_.Wrap(commentText_->Font, commentText_->Caption, w - 2 * kPad);
            commentText_->Height =
                std::min(kMostComment, static_cast<double>(lines.size()) *
                                           measure_.Metrics(commentText_->Font).Height);
            y += commentText_->Height + 1;
        } else {
            commentText_->Caption.clear();
            commentText_->SetBounds(kPad, y, 0, 0);
            for (TQRShape* r : commentRules_) {
                y += kRuleGap;
                r->SetBounds(kPad, y - 0.5, w - 2 * kPad, 1);
            }
            y += 1;
        }
        band.Height = y;
        return;
    }
    case TLineKind::Signature: {
        const double top = 10;
        const double h = measure_.Metrics(signatureCaption_->Font).Height;
        const double sw = measure_.Width(signatureCaption_->Font, signatureCaption_->Caption);
        const double dw = measure_.Width(signedCaption_->Font, signedCaption_->Caption);
        signatureCaption_->SetBounds(kPad, top, sw, h);
        signatureRule_->SetBounds(kPad + sw + 2, top + h - 1, w * 0.62 - sw - 2, 1);
        signedCaption_->SetBounds(w * 0.68, top, dw, h);
        signedRule_->SetBounds(w * 0.68 + dw + 2, top + h - 1, w * 0.32 - dw - 2 - kPad, 1);
        band.Height = top + h + 2;
        return;
    }
    }
}

} // namespace marklow
