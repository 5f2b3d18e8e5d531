#pragma once
// The pages of one run, as a preview needs them: any page on demand, laid out from the
// checkpoint before it; the count made in slices without placing items; only a few laid-out
// pages kept, so memory stays flat whatever the page count.

#include "report_run.h"

#include <chrono>
#include <list>
#include <memory>
#include <vector>

namespace marklow {

class TReportPages {
public:
    // Starts a run of the report (its BeforePrint runs here).
    explicit TReportPages(TQuickRep& report, int cachedPages = 6);

    // Page index (0 for the first), or null past the last page. Counts up to it first when
    // the count has not got there yet.
    std::shared_ptr<const TReportPage> Page(int index);
    // Counts on for about budget; true once every page is counted.
    bool CountFor(std::chrono::milliseconds budget);
    void CountAll();
    int Counted() const { return counted_; }
    bool CountComplete() const { return complete_; }
    // Pages laid out with their items so far (counting does not lay out).
    int LayoutsMade() const { return layouts_; }
    // Where page index starts, for printing a range without laying out what comes before.
    const TPageCheckpoint* Start(int index) const;
    TReportRun& Run() { return run_; }

private:
    void CountOne();

    TReportRun run_;
    // The start of every counted page, then (while counting) the start of the next one.
    std::vector<TPageCheckpoint> starts_;
    int counted_ = 0;
    bool complete_ = false;
    int layouts_ = 0;
    size_t cacheSize_;
    std::list<std::pair<int, std::shared_ptr<const TReportPage>>> cache_; // most recent first
};

} // namespace marklow
