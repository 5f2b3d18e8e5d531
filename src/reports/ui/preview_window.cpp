#include "preview_window.h"

#include "painter.h"
#include "units.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStatusBar>
#include <QVBoxLayout>

#include <chrono>

namespace marklow {

namespace {
// The paper is white whatever the desktop's theme.
const QColor kPaper(255, 255, 255);
const QColor kDeskColor(128, 128, 128);
} // namespace

TPageView::TPageView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(false);
}

void TPageView::SetImage(const QImage& image) {
    image_ = image;
    UpdateBars();
    viewport()->update();
}

void TPageView::UpdateBars() {
    QSize room = viewport()->size();
    QSize need = image_.size() / image_.devicePixelRatio() + QSize(2 * kDesk, 2 * kDesk);
    horizontalScrollBar()->setRange(0, std::max(0, need.width() - room.width()));
    horizontalScrollBar()->setPageStep(room.width());
    verticalScrollBar()->setRange(0, std::max(0, need.height() - room.height()));
    verticalScrollBar()->setPageStep(room.height());
}

void TPageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateBars();
    emit Resized();
}

void TPageView::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), kDeskColor);
    if (image_.isNull()) return;
    QSize size = image_.size() / image_.devicePixelRatio();
    int x =
        std::max(kDesk, (viewport()->width() - size.width()) / 2) - horizontalScrollBar()->value();
    int y =
        std::max(kDesk, (viewport()->height() - size.height()) / 2) - verticalScrollBar()->value();
    p.fillRect(QRect(x + 3, y + 3, size.width(), size.height()), QColor(64, 64, 64));
    p.drawImage(QPoint(x, y), image_);
}

void TPageView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        emit PageKey(event->key(), event->modifiers());
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

TPreviewForm::TPreviewForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("PreviewWindow", "Print Preview"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    resize(900, 700);
    ToolBar = new QToolBar(this);
    ToolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto add = [this](const QString& text, const QString& hint) {
        QAction* a = ToolBar->addAction(text);
        a->setToolTip(hint);
        a->setStatusTip(hint);
        return a;
    };
    FitAction = add(QCoreApplication::translate("PreviewWindow", "Fit"),
                    QCoreApplication::translate("PreviewWindow", "Zoom to Fit"));
    ZoomAction = add("100 %", QCoreApplication::translate("PreviewWindow", "Zoom to 100%"));
    WidthAction = add(QCoreApplication::translate("PreviewWindow", "Width"),
                      QCoreApplication::translate("PreviewWindow", "Zoom to Width"));
    ToolBar->addSeparator();
    FirstAction = add(QCoreApplication::translate("PreviewWindow", "First"),
                      QCoreApplication::translate("PreviewWindow", "First Page"));
    PrevAction = add(QCoreApplication::translate("PreviewWindow", "Prev"),
                     QCoreApplication::translate("PreviewWindow", "Previous Page"));
    NextAction = add(QCoreApplication::translate("PreviewWindow", "Next"),
                     QCoreApplication::translate("PreviewWindow", "Next Page"));
    LastAction = add(QCoreApplication::translate("PreviewWindow", "Last"),
                     QCoreApplication::translate("PreviewWindow", "Last Page"));
    ToolBar->addSeparator();
    SetupAction = add(QCoreApplication::translate("PreviewWindow", "Setup"),
                      QCoreApplication::translate("PreviewWindow", "Printer Setup"));
    PrintAction = add(QCoreApplication::translate("PreviewWindow", "Print"),
                      QCoreApplication::translate("PreviewWindow", "Print"));
    ToolBar->addSeparator();
    CloseAction = add(QCoreApplication::translate("PreviewWindow", "Close"),
                      QCoreApplication::translate("PreviewWindow", "Close"));
    for (QAction* a : {FitAction, ZoomAction, WidthAction})
        a->setCheckable(true);
    FitAction->setChecked(true);

    View = new TPageView(this);
    View->setAccessibleName(tr("Page"));
    View->setAccessibleDescription(tr("The report's pages as they will be printed"));
    auto* statusBar = new QStatusBar(this);
    Status = new QLabel(statusBar);
    statusBar->addWidget(Status, 1);
    statusBar->setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ToolBar);
    layout->addWidget(View, 1);
    layout->addWidget(statusBar);

    connect(FitAction, &QAction::triggered, this, [this] { SetZoom(TZoom::Fit); });
    connect(ZoomAction, &QAction::triggered, this, [this] { SetZoom(TZoom::Actual); });
    connect(WidthAction, &QAction::triggered, this, [this] { SetZoom(TZoom::Width); });
    connect(FirstAction, &QAction::triggered, this, [this] { GoToPage(0); });
    connect(PrevAction, &QAction::triggered, this, [this] { GoToPage(current_ - 1); });
    connect(NextAction, &QAction::triggered, this, [this] { GoToPage(current_ + 1); });
    connect(LastAction, &QAction::triggered, this, [this] {
        if (!pages_) return;
        pages_->CountAll();
        GoToPage(pages_->Counted() - 1);
    });
    connect(SetupAction, &QAction::triggered, this, [this] {
        if (OnSetup) OnSetup();
    });
    connect(PrintAction, &QAction::triggered, this, [this] {
        if (OnPrint) OnPrint();
    });
    connect(CloseAction, &QAction::triggered, this, &QDialog::accept);
    connect(View, &TPageView::PageKey, this, &TPreviewForm::HandleKey);
    connect(View, &TPageView::Resized, this, [this] {
        if (zoom_ != TZoom::Actual) Render();
    });
    counter_.setInterval(0);
    connect(&counter_, &QTimer::timeout, this, &TPreviewForm::CountSlice);
}

TPreviewForm::~TPreviewForm() = default;

void TPreviewForm::SetPages(std::unique_ptr<TReportPages> pages) {
    pages_ = std::move(pages);
    current_ = 0;
    if (pages_ && !pages_->CountComplete() && !busy_)
        counter_.start();
    else
        counter_.stop();
    Render();
    View->setFocus();
}

void TPreviewForm::SetBusy(bool busy) {
    busy_ = busy;
    if (busy)
        counter_.stop();
    else if (pages_ && !pages_->CountComplete())
        counter_.start();
}

void TPreviewForm::CountSlice() {
    if (!pages_ || busy_) {
        counter_.stop();
        return;
    }
    // A slice short enough that typing and scrolling never wait on it.
    if (pages_->CountFor(std::chrono::milliseconds(20))) counter_.stop();
    UpdateStatus();
}

void TPreviewForm::GoToPage(int index) {
    if (!pages_ || busy_) return;
    index = std::max(0, index);
    // Past the pages counted so far: count up to it, or stop at the last page.
    if (!pages_->Page(index)) index = std::max(0, pages_->Counted() - 1);
    if (index == current_) {
        UpdateStatus();
        return;
    }
    current_ = index;
    Render();
}

void TPreviewForm::SetZoom(TZoom zoom) {
    zoom_ = zoom;
    FitAction->setChecked(zoom == TZoom::Fit);
    ZoomAction->setChecked(zoom == TZoom::Actual);
    WidthAction->setChecked(zoom == TZoom::Width);
    Render();
}

void TPreviewForm::Render() {
    if (busy_) return; // the page shown stays while the report prints
    std::shared_ptr<const TReportPage> page;
    if (pages_) page = pages_->Page(current_);
    if (!page) {
        View->SetImage(QImage());
        UpdateStatus();
        return;
    }
    const QSizeF paper = page->PaperMm;
    const QSize room = View->viewport()->size() - QSize(2 * TPageView::kDesk, 2 * TPageView::kDesk);
    double scale = logicalDpiX() / kMmPerInch; // 100 %
    if (zoom_ == TZoom::Fit)
        scale = std::min(room.width() / paper.width(), room.height() / paper.height());
    else if (zoom_ == TZoom::Width)
        scale = room.width() / paper.width();
    scale = std::max(scale, 0.5);
    const qreal dpr = devicePixelRatioF();
    QImage image(QSize(qRound(paper.width() * scale * dpr), qRound(paper.height() * scale * dpr)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(kPaper);
    {
        QPainter p(&image);
        PaintPage(p, *page, QRectF(0, 0, paper.width() * scale, paper.height() * scale));
    }
    scale_ = scale;
    View->SetImage(image);
    UpdateStatus();
}

void TPreviewForm::UpdateStatus() {
    if (!pages_ || pages_->Counted() == 0) {
        Status->setText(pages_ && pages_->CountComplete()
                            ? QCoreApplication::translate("PreviewWindow", "No pages")
                            : QString());
        return;
    }
    QString text = QString(QCoreApplication::translate("PreviewWindow", "Page %1 of %2"))
                       .arg(current_ + 1)
                       .arg(pages_->Counted());
    if (!pages_->CountComplete()) text += QStringLiteral(" (counting\u2026)");
    Status->setText(text);
    const bool first = current_ == 0;
    const bool last = pages_->CountComplete() && current_ + 1 >= pages_->Counted();
    FirstAction->setEnabled(!first);
    PrevAction->setEnabled(!first);
    NextAction->setEnabled(!last);
    LastAction->setEnabled(!last);
}

void TPreviewForm::HandleKey(int key, Qt::KeyboardModifiers modifiers) {
    const bool ctrl = modifiers & Qt::ControlModifier;
    switch (key) {
    case Qt::Key_PageUp:
        GoToPage(ctrl ? 0 : current_ - 1);
        break;
    case Qt::Key_PageDown:
        if (ctrl)
            LastAction->trigger();
        else
            GoToPage(current_ + 1);
        break;
    case Qt::Key_Home:
        GoToPage(0);
        break;
    case Qt::Key_End:
        LastAction->trigger();
        break;
    }
}

void TPreviewForm::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        HandleKey(event->key(), event->modifiers());
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace marklow
