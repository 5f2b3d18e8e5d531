#pragma once
// TRprogform: a progress report for one student or for every student, each on pages of its
// own: the class and the student at the top, then each grade's name and printed grade in
// three newspaper columns.

#include "report_form.h"

namespace marklow {

class TRprogform final : public TReportForm {
public:
    TRprogform();
    TQuickRep& Report() override { return Quickxrp1; }
    void SetSource(const TGradebook& gb, const PrintOptions& options) override;
    QString DocumentTitle() const override;
    QString NothingToPrint() const override;

    TQuickRep Quickxrp1;
    TQRLabel* TeachLabel = nullptr;
    TQRLabel* ClassLabel = nullptr;
    TQRLabel* CNLabel = nullptr;
    TQRLabel* Studlab = nullptr;
    TQRLabel* AveLabel = nullptr;
    TQRLabel* NameLabel = nullptr;
    TQRLabel* GradeLabel = nullptr;

    // Run state, set up by every BeforePrint.
    bool AllStudents = true;
    int CurrentGrade = 2; // the grade column of the next line
    int CurrentRow = 2;   // the student row being printed
    int LastStudent = 1;
    int LastGrade = 1;

    void Quickxrp1BeforePrint();
    void Quickxrp1NeedData(bool& MoreData);

private:
    void ShowStudent();
    // Names are printed whole: the header grows for a long name, teacher or class, and a
    // detail line for a long grade name.
    void LayOutHeader();
    void LayOutGradeNames();
    void ShowGradeName(int column);

    // How the name of a grade column is printed, the same for every student.
    struct TNameFit {
        double PointSize = 10;
        bool Wrap = false;
        double Height = 4.23;
    };

    const TGradebook* gb_ = nullptr;
    const PrintOptions* options_ = nullptr;
    TQRLabel* studentCaption_ = nullptr;
    TQRLabel* averageCaption_ = nullptr;
    TTextMeasurer measure_;
    std::vector<TNameFit> nameFits_; // by grade column - 2
};

} // namespace marklow
