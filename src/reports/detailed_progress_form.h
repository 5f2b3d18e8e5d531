#pragma once
// TDetailedProgressForm: a progress report to send home, one student a page. A title, the
// class and the date printed, the student's name and ID, then each category with its share,
// the student's and the class's average, each grade of it with date, points possible, score,
// percentage, letter, class average and comment, and at the end the final average, the
// teacher's comment and a signature line. A longer list continues on further pages under the
// same header. What it prints comes from MakeProgressDetail; this file only lays it out.

#include "progress_detail.h"
#include "report_form.h"

#include <QCoreApplication>
#include <QDate>

#include <optional>
#include <vector>

namespace marklow {

class TDetailedProgressForm final : public TReportForm {
    Q_DECLARE_TR_FUNCTIONS(TDetailedProgressForm)
public:
    TDetailedProgressForm();
    TQuickRep& Report() override { return Quickxrp1; }
    void SetSource(const TGradebook& gb, const PrintOptions& options) override;
    QString DocumentTitle() const override;
    QString NothingToPrint() const override;

    // The date printed in every header; today when not set.
    QDate PrintDate;

    // What one line of a student's report shows.
    enum class TLineKind { Category, Grade, Average, Comment, Signature };
    struct TLine {
        TLineKind Kind;
        int Category = 0; // into the detail's categories
        int Grade = 0;    // into that category's grades
    };

    TQuickRep Quickxrp1;

    // Run state, set up by every BeforePrint.
    bool AllStudents = true;
    int CurrentRow = 2;  // the student being printed
    int Line = 0;        // the next line of that student's report
    int StudentPage = 0; // pages of that student so far
    int LastStudent = 1;
    int LastGrade = 1;

    void Quickxrp1BeforePrint();
    void Quickxrp1NeedData(bool& MoreData);
    void Quickxrp1StartPage();

private:
    void LayOutColumns();
    void LoadStudent();
    void ShowHeader();
    void ShowLine(const TLine& line);
    void Show(TLineKind kind);
    // Fits a caption within width from size down to least, then wraps it; returns its height.
    double FitCell(TQRLabel& label, double width, double size, double least = 7);

    const TGradebook* gb_ = nullptr;
    const PrintOptions* options_ = nullptr;
    // The class's category averages, the same for every student of the source.
    std::optional<std::vector<std::optional<double>>> classCategories_;
    TProgressDetail detail_;
    int detailRow_ = 0;
    std::vector<TLine> lines_;
    TTextMeasurer measure_;
    double width_ = 0;  // printable width
    double lineMm_ = 0; // one line of the table's text

    // The page header.
    TQRLabel *title_, *continued_, *date_;
    TQRLabel *classCaption_, *classLabel_, *teacherCaption_, *teacherLabel_, *numberCaption_,
        *numberLabel_;
    TQRLabel *studentCaption_, *studentLabel_, *idCaption_, *idLabel_;
    TQRBand* headings_ = nullptr; // the table's column headings, on pages of the table
    std::vector<TQRLabel*> headingLabels_;
    // The detail band's groups, one shown per line.
    std::vector<TQRLabel*> cells_; // name, date, possible, score, percent, letter, class, comment
    TQRShape* categoryFill_;
    TQRLabel *categoryName_, *categoryResult_;
    TQRLabel *averageCaption_, *averageLabel_, *invalidNote_;
    TQRLabel *commentCaption_, *commentText_;
    std::vector<TQRShape*> commentRules_;
    TQRLabel *signatureCaption_, *signedCaption_;
    TQRShape *signatureRule_, *signedRule_;
};

} // namespace marklow
