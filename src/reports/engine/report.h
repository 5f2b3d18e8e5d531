#pragma once
// A band-oriented report: page setup, bands of elements and the events through which a
// report fills its captions while it runs. TReportRun lays it out page by page.

#include "elements.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace marklow {

class TReportRun;

enum class TBandKind { PageHeader, Title, ColumnHeader, Detail, PageFooter, Child };

class TQRBand {
public:
    explicit TQRBand(TBandKind kind, double height = 8.47) : Kind(kind), Height(height) {}
    TBandKind Kind;
    double Height; // mm
    bool Enabled = true;
    TFrame Frame;
    // Drawn in this order.
    std::vector<std::unique_ptr<TQRElement>> Elements;
    // Printed directly after this band.
    std::unique_ptr<TQRBand> Child;

    template <class T> T& Add() {
        auto e = std::make_unique<T>();
        T& ref = *e;
        Elements.push_back(std::move(e));
        return ref;
    }
    // Appends a child band at the end of the chain and returns it.
    TQRBand& AddChild(double height = 8.47);
    void RemoveChildren() { Child.reset(); }
};

struct TPageSetup {
    QPageSize::PageSizeId Paper = QPageSize::Letter;
    QPageLayout::Orientation Orientation = QPageLayout::Portrait;
    // The paper's size in mm, turned by the orientation.
    QSizeF PaperMm() const;
};

// What a report keeps of its own counters at the start of a page, so any page can be laid
// out again without running the report from its first page.
using TFormState = std::array<int, 8>;

class TQuickRep {
public:
    TQuickRep() = default;
    TQuickRep(const TQuickRep&) = delete;
    TQuickRep& operator=(const TQuickRep&) = delete;

    TPageSetup Page;
    QMarginsF Margins{20, 20, 20, 20}; // mm
    int Columns = 1;
    double ColumnSpace = 0;      // mm between columns
    bool FirstPageHeader = true; // the page header also prints on the first page
    bool LastPageFooter = true;  // the page footer also prints on the last page
    // Without any record, one page of headers and title (as much as fits) instead of none.
    bool PrintIfEmpty = false;
    TFontStyle Font; // passed on to elements that take their parent's font

    std::unique_ptr<TQRBand> PageHeader, Title, ColumnHeader, Detail, PageFooter;
    TQRBand& MakeBand(TBandKind kind, double height);

    // Events. BeforePrint runs once per run; OnNeedData before each record (setting
    // MoreData false ends the report); OnStartPage at the start of every page.
    std::function<void()> BeforePrint;
    std::function<void(bool& MoreData)> OnNeedData;
    std::function<void()> OnStartPage;
    // The report's own counters; a report whose events keep state must give both.
    std::function<TFormState()> SaveState;
    std::function<void(const TFormState&)> RestoreState;

    // During a run: ends the current column; after the page's last column the page ends.
    void NewColumn();
    // During a run: ends the current page. Events must not loop waiting for a column to
    // change: a page laid out again starts with its first record's event on a fresh page.
    void NewPage();
    // The column being filled (0 is the first) and the page being laid out (1 is the first).
    int CurrentColumn() const;
    int PageNumber() const;
    // The run only counts pages: captions that do not change the layout may be skipped.
    bool Counting() const;

private:
    friend class TReportRun;
    TReportRun* run_ = nullptr;
};

} // namespace marklow
