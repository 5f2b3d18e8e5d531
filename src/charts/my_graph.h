#pragma once
// TMyGraph: the chart window's graph control. It holds only what its owner hands it, lays
// the picture out when the points, texts or size change, and repaints from that layout.

#include "graph_layout.h"
#include "graph_painter.h"

#include <QWidget>

#include <optional>
#include <string>

namespace marklow {

class TMyGraph final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMyGraph)
public:
    explicit TMyGraph(QWidget* parent = nullptr);

    void ClearPoints();
    void SetPointCount(int n);
    void SetPointLabel(int i, const std::string& text);
    void SetPointValue(int i, double v);
    void SetChartType(int type);
    void SetChartTitle(const std::string& title);
    void SetStatsLine(const std::string& line);
    void SetMedianLine(const std::string& line);
    void SetNote(const std::string& note);
    void SetHorizontal(bool on);

    const TGraphModel& Model() const { return model_; }
    // The fonts of the picture, from the control's own font at the screen's resolution.
    TGraphFonts Fonts() const;
    // The layout of the current size, made when needed and kept until something changes.
    const TGraphLayout& Layout();

    // Paints the graph into a rectangle of any painter, laid out for its proportions.
    void Paint(QPainter& painter, const QRectF& rect) const;
    // Writes the graph at the control's size as PNG or SVG; an error text or empty.
    QString SavePicture(const QString& path) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Changed();

    TGraphModel model_;
    std::optional<TGraphLayout> layout_;
    QSize layoutSize_; // the size layout_ was made for
};

} // namespace marklow
