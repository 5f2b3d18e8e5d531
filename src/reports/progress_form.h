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

    const TGradebook* gb_ = nullptr;
    const PrintOptions* options_ = nullptr;
};

} // namespace marklow
