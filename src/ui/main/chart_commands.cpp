#include "chart_commands.h"

#include "averages.h"
#include "chart_curve.h"
#include "commands.h"
#include "main_window.h"
#include "print_chart_dlg.h"

#include <QAction>
#include <QCoreApplication>

namespace marklow {

namespace {

// A grade's curve set from the chart window ("Undo Change Curve").
class TChangeCurveCommand final : public TGradebookCommand {
public:
    TChangeCurveCommand(TGradebookDocument& doc, int column, bool curve, double amount)
        : TGradebookCommand(doc, QCoreApplication::translate("TGradebookCommand", "Change Curve")),
          change_(TCurveChange::For(doc.Gradebook(), column, curve, amount)) {}
    void redo() override {
        averages_.Before(Gb());
        change_.Set(Gb(), true);
        averages_.AfterRedo(Gb());
        Notify();
    }
    void undo() override {
        change_.Set(Gb(), false);
        averages_.AfterUndo(Gb());
        Notify();
    }

private:
    void Notify() {
        emit doc_.averagesChanged();
        emit doc_.widthsChanged(); // curved cells show other texts
    }
    TCurveChange change_;
    TAveragesKeeper averages_; // a curve moves its class average and every student's
};

} // namespace

TChartCommands::TChartCommands(TSDIAppForm& form) : QObject(&form), ChartForm(&form), form_(form) {
    for (QAction* a : {form.ChartsStatistics1, form.ChartStatistics2}) {
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, &TChartCommands::ChartsStatistics1Click);
    }
    ChartForm.ChangeCurve = [this](int column, bool curve, double amount) {
        TGradebookDocument& doc = form_.Document();
        doc.Push(new TChangeCurveCommand(doc, column, curve, amount));
    };
    // "Print Chart" over the chart window, made once and kept with it.
    auto* printing = new TChartPrintController(&ChartForm);
    ChartForm.PrintChart = [this, printing] {
        printing->PrintChart(ChartForm, form_.Gradebook(), form_.font());
    };
}

void TChartCommands::ChartsStatistics1Click() {
    form_.FinishCellEdit();
    TGradebook& gb = form_.Gradebook();
    RecomputeAll(gb); // the chart reads the averages' results
    ChartForm.ShowFor(gb, form_.GradeBook->Col(), form_.GradeBook->Row(), form_.FlatToolBar());
}

} // namespace marklow
