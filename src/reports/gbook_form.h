#pragma once
// TGBookForm: the whole gradebook as a ruled table. Grade columns go in groups of 12
// (landscape) or 8 (portrait), called column pages; each column page starts on a new page
// with the class-average line and then every student, under headings that read upward.

#include "angled_label.h"
#include "report_form.h"

#include <array>
#include <vector>

namespace marklow {

class TGBookForm final : public TReportForm {
public:
    static constexpr int kPositions = 12;

    TGBookForm();
    TQuickRep& Report() override { return Quickxrp1; }
    void SetSource(const TGradebook& gb, const PrintOptions& options) override;
    QString DocumentTitle() const override;

    TQuickRep Quickxrp1;
    TQRLabel* TitleLabel = nullptr;
    TQRLabel* TeachLabel = nullptr;
    TQRLabel* CNLabel = nullptr;
    TQRShape* AverageHeadingBox = nullptr;
    TQRAngledLabel* AverageHeading = nullptr;
    TQRShape* NameBox = nullptr;
    TQRLabel* NameLabel = nullptr;
    TQRShape* AverageBox = nullptr;
    TQRLabel* AverageLabel = nullptr;
    // Position i on the page (0 here is the first position of the layout) shows column FirstGradeColumn + i.
    std::array<TQRShape*, kPositions> HeadingBox{};
    std::array<TQRAngledLabel*, kPositions> Heading{};
    std::array<TQRShape*, kPositions> CellBox{};
    std::array<TQRLabel*, kPositions> CellLabel{};

    // Run state, set up by every BeforePrint.
    int FirstGradeColumn = 2;
    int CurrentLine = 1; // 1 is the class-average line, 2 and up are student rows
    int ColumnsPerPage = 8;
    int LastGrade = 1;
    int LastStudent = 1;
    int ColumnPageCount = 1;
    int CurrentColumnPage = 0;

    void Quickxrp1BeforePrint();
    void Quickxrp1NeedData(bool& MoreData);
    void Quickxrp1StartPage();

private:
    void EnablePosition(int i, bool on);
    QString NameOf(int row) const;
    void LayOutNames();
    void ShowLine(int line);

    const TGradebook* gb_ = nullptr;
    const PrintOptions* options_ = nullptr;
    // How each student's name (or ID) fits its box, worked out once per run: every column
    // page prints the same names, and the pages are counted with these heights too.
    struct TNameFit {
        float PointSize;
        bool Wrap;
        float Height;
    };
    std::vector<TNameFit> nameFits_;
    TTextMeasurer measure_;
};

// The last grade column to print: with omit on, trailing grade columns in which no student
// of rows firstRow..lastRow (all students by default) has an entry are left out (1 when no
// grade column has any).
int LastPrintedGradeColumn(const TGradebook& gb, bool omitAfterLastEntry, int firstRow = 2,
                           int lastRow = -1);

} // namespace marklow
