#pragma once
// "C&harts/Statistics...": the chart window on the class, a grade or a student, from the menu
// and from the grid's context menu. A curve set from the chart is one undo step.

#include "chart_form.h"

#include <QObject>

namespace marklow {

class TSDIAppForm;

class TChartCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TChartCommands)
public:
    explicit TChartCommands(TSDIAppForm& form);

    void ChartsStatistics1Click();

    TChartForm ChartForm; // created once and reused

private:
    TSDIAppForm& form_;
};

} // namespace marklow
