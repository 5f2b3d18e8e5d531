#include "my_graph.h"

#include <QEvent>
#include <QPainter>

namespace marklow {

TMyGraph::TMyGraph(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(120, 90);
}

void TMyGraph::Changed() {
    layout_.reset();
    update();
}

void TMyGraph::ClearPoints() {
    model_.ClearPoints();
    Changed();
}

void TMyGraph::SetPointCount(int n) {
    model_.SetPointCount(n);
    Changed();
}

void TMyGraph::SetPointLabel(int i, const std::string& text) {
    model_.SetPointLabel(i, text);
    Changed();
}

void TMyGraph::SetPointValue(int i, double v) {
    model_.SetPointValue(i, v);
    Changed();
}

void TMyGraph::SetChartType(int type) {
    model_.ChartType = type;
    Changed();
}

void TMyGraph::SetChartTitle(const std::string& title) {
    model_.ChartTitle = title;
    Changed();
}

void TMyGraph::SetStatsLine(const std::string& line) {
    model_.StatsLine = line;
    Changed();
}

void TMyGraph::SetMedianLine(const std::string& line) {
    model_.MedianLine = line;
    Changed();
}

void TMyGraph::SetNote(const std::string& note) {
    model_.Note = note;
    Changed();
}

void TMyGraph::SetHorizontal(bool on) {
    model_.Horizontal = on;
    Changed();
}

TGraphFonts TMyGraph::Fonts() const {
    return TGraphFonts::For(font(), logicalDpiY());
}

const TGraphLayout& TMyGraph::Layout() {
    // A hidden control gets its resize event only when shown: compare sizes instead.
    if (!layout_ || layoutSize_ != size()) {
        const TGraphFonts fonts = Fonts();
        layoutSize_ = size();
        layout_ = LayoutGraph(model_, width(), height(), TQtTextMeasure(fonts));
    }
    return *layout_;
}

void TMyGraph::Paint(QPainter& painter, const QRectF& rect) const {
    PaintGraph(painter, rect, model_, Fonts(), palette().color(QPalette::WindowText));
}

QString TMyGraph::SavePicture(const QString& path) const {
    return SaveGraphPicture(path, size(), model_, Fonts(), palette().color(QPalette::WindowText),
                            palette().color(QPalette::Window));
}

void TMyGraph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    PaintLayout(painter, Layout(), Fonts(), palette().color(QPalette::WindowText));
}

void TMyGraph::resizeEvent(QResizeEvent* event) {
    layout_.reset();
    QWidget::resizeEvent(event);
}

void TMyGraph::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) Changed();
    QWidget::changeEvent(event);
}

} // namespace marklow
