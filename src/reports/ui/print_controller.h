#pragma once
// The print command: "Print" (TNewPrintDlg), then the preview or the printer. Made once
// with the main window and kept, so the dialog's choices and each report's printer setup
// last until the program ends. Reports only read the gradebook.

#include "print_options.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <memory>

class QPrinter;
class QWidget;

namespace marklow {

class TGradebook;
class TNewPrintDlg;
class TPreviewForm;
class TReportForm;

class TPrintController final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPrintController)
public:
    explicit TPrintController(QWidget* parent = nullptr);
    ~TPrintController() override;

    // File > Print..., the Print tool button and the grid's pop-up Print, after the cell
    // being edited was finished: shows "Print" modally and runs the chosen report.
    void Print1Click(const TGradebook& gb);

    TNewPrintDlg& Dialog() { return *dialog_; }
    TPreviewForm& Preview() { return *preview_; }
    // The printer setup kept for a report type: made on first use with the default
    // printer's paper, or the locale's when there is no printer.
    QPrinter& Printer(TReportType type);
    // The report of a type, made on first use; null for a type not available yet.
    TReportForm* Form(TReportType type);

signals:
    // The dialog's "&Help": the help topic with this keyword.
    void HelpRequested(const QString& keyword);

private:
    bool RunReport();
    void Setup(TReportType type);

    struct TSlot {
        std::unique_ptr<TReportForm> Form;
        bool Tried = false;
        std::unique_ptr<QPrinter> Printer;
        int CountedPages = 0; // by the last preview that counted them all
    };
    TSlot& Slot(TReportType type) { return slots_[static_cast<size_t>(type)]; }

    QWidget* parent_;
    QPointer<TNewPrintDlg> dialog_;
    QPointer<TPreviewForm> preview_;
    std::array<TSlot, 4> slots_;
    const TGradebook* gb_ = nullptr;
    PrintOptions options_; // the options of the report running
};

} // namespace marklow
