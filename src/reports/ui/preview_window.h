#pragma once
// The preview: one page at a time at a chosen zoom, with the tool bar "Fit", "100 %",
// "Width", "First", "Prev", "Next", "Last", "Setup", "Print", "Close" and the status
// "Page n of m". Only the page on screen is laid out and painted; the rest are counted in
// short slices of the event loop, so the first page shows at once however long the report.

#include "page_source.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QTimer>
#include <QToolBar>

#include <functional>
#include <memory>

namespace marklow {

// The page area: paints the current page's image centred on a grey desk.
class TPageView final : public QAbstractScrollArea {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPageView)
public:
    explicit TPageView(QWidget* parent = nullptr);
    void SetImage(const QImage& image);
    static constexpr int kDesk = 12; // pixels of desk around the page

signals:
    void PageKey(int key, Qt::KeyboardModifiers modifiers);
    void Resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateBars();
    QImage image_;
};

class TPreviewForm final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPreviewForm)
public:
    enum class TZoom { Fit, Actual, Width };

    explicit TPreviewForm(QWidget* parent = nullptr);
    ~TPreviewForm() override;

    // The pages to show (null to let them go); starts on the first page.
    void SetPages(std::unique_ptr<TReportPages> pages);
    TReportPages* Pages() const { return pages_.get(); }

    // "Setup" and "Print" are the caller's; Setup may hand new pages through SetPages.
    std::function<void()> OnSetup;
    std::function<void()> OnPrint;

    int CurrentPage() const { return current_; } // 0 for the first
    void GoToPage(int index);
    void SetZoom(TZoom zoom);
    TZoom Zoom() const { return zoom_; }
    // Screen pixels per millimetre of paper at the present zoom.
    double Scale() const { return scale_; }
    // Holds counting and new layouts while the report is being printed from here.
    void SetBusy(bool busy);

    QToolBar* ToolBar;
    QAction *FitAction, *ZoomAction, *WidthAction, *FirstAction, *PrevAction, *NextAction,
        *LastAction, *SetupAction, *PrintAction, *CloseAction;
    TPageView* View;
    QLabel* Status;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void HandleKey(int key, Qt::KeyboardModifiers modifiers);
    void CountSlice();
    void Render();
    void UpdateStatus();

    std::unique_ptr<TReportPages> pages_;
    int current_ = 0;
    TZoom zoom_ = TZoom::Fit;
    bool busy_ = false;
    double scale_ = 0;
    QTimer counter_;
};

} // namespace marklow
