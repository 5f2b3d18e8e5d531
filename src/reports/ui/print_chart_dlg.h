#pragma once
// "Print Chart" (TPrintChartDlg): the chart graphic or the chart's description and detail,
// previewed or printed. TChartPrintController is what the chart window's Print calls: made
// once and kept, so the dialog's choices and each printout's printer setup last until the
// program ends. The printouts only read the gradebook.

#include "chart_print_form.h"
#include "radio_group.h"

#include <QCheckBox>
#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QPushButton>

#include <functional>
#include <memory>

class QPrinter;

namespace marklow {

class TChartForm;
class TGradebook;
class TPreviewForm;

class TPrintChartDlg final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPrintChartDlg)
public:
    explicit TPrintChartDlg(QWidget* parent = nullptr);

    // "Chart description and detail" is chosen.
    bool Detail() const { return RadioGroup1->ItemIndex() == 1; }
    bool Preview() const { return CheckBox1->isChecked(); }

    // "&OK" runs the chosen printout through OnRun; the dialog closes with OK when it returns
    // true (the preview was closed or the pages went out) and stays open otherwise.
    std::function<bool()> OnRun;
    // "&Setup": the printer setup of the chosen printout.
    std::function<void()> OnSetup;

    TRadioGroup* RadioGroup1; // "Option"
    QCheckBox* CheckBox1;     // "Preview"
    QPushButton* OkButton;
    QPushButton* CancelButton;
    QPushButton* SetupButton;

protected:
    void showEvent(QShowEvent* event) override;
};

// What the chart window's Print reads of it: selection, series, titles and picture.
TChartPrintSource ChartPrintSourceOf(const TChartForm& chart);

class TChartPrintController final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TChartPrintController)
public:
    // parent: the chart window, over which the dialog and the preview show.
    explicit TChartPrintController(QWidget* parent = nullptr);
    ~TChartPrintController() override;

    // The chart window's "Print": shows "Print Chart" modally in the display font, then
    // previews or prints the chosen printout of the chart as the window shows it. gb is the
    // gradebook the chart was computed from; it is only read.
    void PrintChart(const TChartForm& chart, const TGradebook& gb, const QFont& displayFont);
    void PrintChart(TChartPrintSource source, const TGradebook& gb, const QFont& displayFont);

    TPrintChartDlg& Dialog() { return *dialog_; }
    TPreviewForm& Preview();
    // The printer setup of each printout: made on first use with the default paper, the
    // graphic turned to landscape and the detail portrait.
    QPrinter& Printer(bool detail);
    // The printouts, made when first needed; null before.
    TFormChartPrint* Form() { return form_.get(); }

private:
    bool RunReport();
    void Setup();

    struct TSlot {
        std::unique_ptr<QPrinter> Printer;
        int CountedPages = 0; // by the last preview that counted them all
    };

    QWidget* parent_;
    QPointer<TPrintChartDlg> dialog_;
    QPointer<TPreviewForm> preview_;
    std::unique_ptr<TFormChartPrint> form_;
    TSlot slots_[2]; // graphic, detail
    bool hasSource_ = false;
};

} // namespace marklow
