#include "report_form.h"

#include "criteria_form.h"
#include "detailed_progress_form.h"
#include "gbook_form.h"
#include "progress_form.h"

namespace marklow {

std::unique_ptr<TReportForm> MakeReportForm(TReportType type) {
    switch (type) {
    case TReportType::Gradebook:
        return std::make_unique<TGBookForm>();
    case TReportType::GradeCriteria:
        return std::make_unique<TGradeCriForm>();
    case TReportType::Progress:
        return std::make_unique<TRprogform>();
    case TReportType::DetailedProgress:
        return std::make_unique<TDetailedProgressForm>();
    }
    return nullptr;
}

} // namespace marklow
