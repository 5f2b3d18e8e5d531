#pragma once
// What the print dialog and marklow-cli know of a report: its engine report, and the
// gradebook and options it reads while it runs. The gradebook is only read.

#include "print_options.h"
#include "report.h"

#include <memory>

namespace marklow {

class TGradebook;

class TReportForm {
public:
    virtual ~TReportForm() = default;
    virtual TQuickRep& Report() = 0;
    // The gradebook and options of the next runs; both must outlive them.
    virtual void SetSource(const TGradebook& gb, const PrintOptions& options) = 0;
    // The title of a PDF of this report.
    virtual QString DocumentTitle() const = 0;
    // Why a run with the source given would print nothing, or empty text when it prints.
    virtual QString NothingToPrint() const { return {}; }
};

// The report of a type, or null for a type not available in this version.
std::unique_ptr<TReportForm> MakeReportForm(TReportType type);

} // namespace marklow
