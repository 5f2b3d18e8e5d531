#include "report_form.h"

#include "gbook_form.h"

namespace marklow {

std::unique_ptr<TReportForm> MakeReportForm(TReportType type) {
    switch (type) {
    case TReportType::Gradebook:
        return std::make_unique<TGBookForm>();
    case TReportType::GradeCriteria:
    case TReportType::Progress:
        break;
    }
    return nullptr;
}

} // namespace marklow
