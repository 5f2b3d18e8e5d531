#pragma once
// TGradeCriForm: how the final grade is made up. A table of the categories, two to a row,
// then one line per grade column with its category, weight, points and share of the final
// grade; notes at the foot of every page explain "!" and "*".

#include "criteria_data.h"
#include "report_form.h"

namespace marklow {

class TGradeCriForm final : public TReportForm {
public:
    TGradeCriForm();
    TQuickRep& Report() override { return Quickxrp1; }
    void SetSource(const TGradebook& gb, const PrintOptions& options) override;
    QString DocumentTitle() const override;

    TQuickRep Quickxrp1;
    TQRLabel* TeachLabel = nullptr;
    TQRLabel* ClassLabel = nullptr;
    TQRLabel* CNLabel = nullptr;
    TQRLabel* GradeNameLabel = nullptr;
    TQRLabel* CategoryLabel = nullptr;
    TQRLabel* WeightLabel = nullptr;
    TQRLabel* Pointlabel = nullptr;
    TQRLabel* PercentLabel = nullptr;
    TQRBand* ExtraCreditBand = nullptr;
    TQRLabel* ExtraCreditNote = nullptr;
    TQRBand* EstimateBand = nullptr;
    TQRMemo* EstimateNote = nullptr;

    int CurrentGrade = 2; // the grade column of the next line

    void Quickxrp1BeforePrint();
    void Quickxrp1NeedData(bool& MoreData);

private:
    void AddCategoryRow(int k, int half);
    void LayOutHeader();

    const TGradebook* gb_ = nullptr;
    TCriteria criteria_;
    TTextMeasurer measure_;
};

} // namespace marklow
