#pragma once
// One run of a report: lays it out page by page. Any page can be laid out again from the
// checkpoint taken before it, so a preview shows page 1 at once, counts the rest without
// placing their items, and jumps to any page without keeping them all.

#include "fonts.h"
#include "page.h"
#include "report.h"

#include <optional>

namespace marklow {

struct TPageCheckpoint {
    TFormState Form{}; // the report's counters before the page's first record was asked for
    int PagesDone = 0; // pages before this one
    int TitleNext = 0; // title bands already printed
    bool Finished = false;
};

class TReportRun {
public:
    // Starts a run: BeforePrint runs here, nothing else until a page is asked for.
    explicit TReportRun(TQuickRep& report);
    ~TReportRun();
    TReportRun(const TReportRun&) = delete;
    TReportRun& operator=(const TReportRun&) = delete;

    // The next page, or nothing when the report has ended.
    std::optional<TReportPage> NextPage();
    // Runs through the next page without placing its items; false when there was none.
    bool SkipPage();
    bool AtEnd() const { return finished_ && !done_; }
    // Where the next page starts. Seek(Checkpoint()) and NextPage give that page again.
    TPageCheckpoint Checkpoint() const;
    void Seek(const TPageCheckpoint& checkpoint);

    // For the report's events.
    void NewColumn();
    void NewPage();
    int CurrentColumn() const { return column_; }
    int PageNumber() const { return pagesDone_ + 1; }
    bool Counting() const { return counting_; }
    const TQuickRep& Report() const { return rep_; }

private:
    std::optional<TReportPage> Advance(bool place);
    void Step();
    void OpenPage();
    void ClosePage(bool last);
    void NextColumn();
    void PlaceBand(const TQRBand& band, double x, double width);
    void PlaceChain(const TQRBand* band, double x, double width);
    static double ChainHeight(const TQRBand* band);
    double ColumnWidth() const;
    double ColumnX() const;
    TFormState SaveForm() const;

    TQuickRep& rep_;
    TTextMeasurer measure_;
    std::vector<const TQRBand*> title_;
    bool counting_ = false;

    bool pageOpen_ = false;
    TReportPage page_;
    std::optional<TReportPage> done_;
    QSizeF paper_;
    double y_ = 0, bottom_ = 0, columnTop_ = 0;
    int column_ = 0;
    bool columnHasDetail_ = false;
    bool titleOverflow_ = false;

    int pagesDone_ = 0;
    int titleNext_ = 0;
    bool finished_ = false;
    bool pending_ = false; // a record was asked for and waits to be placed
    bool pendingCounted_ = false;
    TFormState preNeed_{};
};

} // namespace marklow
