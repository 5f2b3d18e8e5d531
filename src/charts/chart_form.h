#pragma once
// TChartForm, "Chart & Statistics": the class as a chart. It reads the gradebook and never
// changes it; a new curve for a grade goes back through the ChangeCurve hook, which the
// main window turns into an undoable command.

#include "chart_stats.h"
#include "gradebook.h"
#include "my_graph.h"

#include <QDialog>

#include <functional>
#include <string>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QMenu;
class QRadioButton;
class QToolBar;
class QToolButton;

namespace marklow {

class TChartForm final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TChartForm)
public:
    explicit TChartForm(QWidget* parent = nullptr);
    ~TChartForm() override;

    // --- hooks of the main window ---
    // Sets grade column's curve as one undoable step and recomputes every average; the
    // window then shows the column again from the changed gradebook.
    std::function<void(int column, bool curve, double amount)> ChangeCurve;
    // Opens a help topic (50 for this window).
    std::function<void(int topic)> ShowHelp;
    // Opens the chart print dialog; Print is disabled while this is not set.
    std::function<void()> PrintChart;

    // Fills the window for the gradebook with the main grid's current cell and shows it
    // maximised and modally through Prompts(). gb must stay alive until it returns, and
    // hold the averages of a RecomputeAll. Returns the dialog's result.
    int ShowFor(const TGradebook& gb, int currentColumn, int currentRow, bool flatToolbars = true);
    // The same without showing.
    void Prepare(const TGradebook& gb, int currentColumn, int currentRow, bool flatToolbars = true);
    // A curve was changed since the window was last prepared.
    bool CurveChanged() const { return curveChanged_; }

    // --- what the chart printout reads ---
    TChartSelection Selection() const;
    const TChartResult& Result() const { return result_; }
    const TChartLabels& Labels() const { return labels_; }
    // The chosen entry of the visible list ("Class Averages", a grade's or a student's name).
    std::string ChosenEntryText() const;
    // "A 2 dimensional bar chart of " and the like.
    std::string ChartDescriptionText() const;
    // Paints the graph into a rectangle of any painter, laid out for that rectangle.
    void PaintChart(QPainter& painter, const QRectF& rect) const;

    // --- commands, public for tests ---
    void ChangeCurveClick();
    void SavePictureClick();

    // --- components ---
    QToolBar* ToolBar1 = nullptr;
    QToolButton* PrintButton = nullptr;
    QToolButton* CloseButton = nullptr;
    QToolButton* InitsButton = nullptr;
    QToolButton* HistoButton = nullptr;
    QToolButton* SingleButton = nullptr;
    QToolButton* LetterButton = nullptr;
    QToolButton* HelpButton = nullptr;
    QWidget* Panel1 = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QRadioButton* GradeRadio = nullptr;
    QRadioButton* StudentRadio = nullptr;
    QComboBox* GradeCombo = nullptr;
    QComboBox* StudentCombo = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    TMyGraph* Graph1 = nullptr;

    QMenu* PopupMenu1 = nullptr;
    QAction* Print2 = nullptr;
    QAction* SavePicture1 = nullptr;
    QAction* Close2 = nullptr;
    QAction* Help2 = nullptr;
    QAction* Initials1 = nullptr;
    QAction* Histogram1 = nullptr;
    QAction* SingleLetter1 = nullptr;
    QAction* LetterStats1 = nullptr;
    QAction* ChangeCurve1 = nullptr;

private:
    void BuildToolBar();
    void BuildPanel();
    void BuildPopup();
    void PopupMenu1Popup();

    void DataTypeChanged();
    void EntryChosen();
    void Recompute();
    void HandOver();
    void SetTitles();

    void HistoButtonClick();
    void SingleOrLetterClick();
    void InitsButtonClick();

    const TGradebook* gb_ = nullptr;
    TChartLabels labels_;
    TChartResult result_;
    bool curveChanged_ = false;
};

} // namespace marklow
