#include "print_controller.h"

#include "new_print_dlg.h"
#include "paper.h"
#include "preview_window.h"
#include "printing.h"
#include "prompts.h"
#include "report_form.h"

#include <QCoreApplication>
#include <QPrinter>

namespace marklow {

namespace {
QString ReportName(TReportType type) {
    switch (type) {
    case TReportType::Gradebook:
        return QCoreApplication::translate("PrintController", "gradebook");
    case TReportType::GradeCriteria:
        return QCoreApplication::translate("PrintController", "grading criteria");
    case TReportType::Progress:
        return QCoreApplication::translate("PrintController", "progress");
    case TReportType::DetailedProgress:
        return QCoreApplication::translate("PrintController", "detailed progress");
    }
    return QString();
}

// Until a preview has counted the pages, any page up to 9999 may be asked for.
constexpr int kUnknownLastPage = 9999;
} // namespace

TPrintController::TPrintController(QWidget* parent) : QObject(parent), parent_(parent) {
    dialog_ = new TNewPrintDlg(parent);
    preview_ = new TPreviewForm(parent);
    dialog_->OnRun = [this] { return RunReport(); };
    dialog_->OnSetup = [this] { Setup(dialog_->Options().ReportType); };
    connect(dialog_, &TNewPrintDlg::HelpRequested, this, &TPrintController::HelpRequested);
}

TPrintController::~TPrintController() {
    delete dialog_.data();
    delete preview_.data();
}

QPrinter& TPrintController::Printer(TReportType type) {
    TSlot& slot = Slot(type);
    if (!slot.Printer) {
        slot.Printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        slot.Printer->setPageSize(QPageSize(DefaultPaper()));
        slot.Printer->setPageOrientation(QPageLayout::Portrait);
    }
    return *slot.Printer;
}

TReportForm* TPrintController::Form(TReportType type) {
    TSlot& slot = Slot(type);
    if (!slot.Tried) {
        slot.Form = MakeReportForm(type);
        slot.Tried = true;
    }
    return slot.Form.get();
}

void TPrintController::Print1Click(const TGradebook& gb) {
    gb_ = &gb;
    Form(TReportType::Gradebook);
    dialog_->Open(gb);
    Prompts().ExecDialog(*dialog_);
    gb_ = nullptr;
}

void TPrintController::Setup(TReportType type) {
    TSlot& slot = Slot(type);
    int last = slot.CountedPages > 0 ? slot.CountedPages : kUnknownLastPage;
    Prompts().PrinterSetup(Printer(type), 1, last);
}

bool TPrintController::RunReport() {
    if (!gb_) return false;
    options_ = dialog_->Options();
    const TReportType type = options_.ReportType;
    TReportForm* form = Form(type);
    if (!form) {
        Prompts().Message(TMessageKind::Information,
                          QString(QCoreApplication::translate(
                                      "PrintController", "The %1 report is not available yet."))
                              .arg(ReportName(type)),
                          TButtons::Ok);
        return false;
    }
    form->SetSource(*gb_, options_);
    if (QString why = form->NothingToPrint(); !why.isEmpty()) {
        Prompts().Message(TMessageKind::Information, why, TButtons::Ok);
        return false;
    }
    QPrinter& printer = Printer(type);
    ApplyPrinterSetup(printer, form->Report());
    if (!options_.Preview)
        return PrintReport(form->Report(), nullptr, printer, form->DocumentTitle(), dialog_);

    TSlot& slot = Slot(type);
    preview_->SetPages(std::make_unique<TReportPages>(form->Report()));
    preview_->OnSetup = [this, form, &printer, &slot] {
        TReportPages* pages = preview_->Pages();
        int last = pages && pages->CountComplete() && pages->Counted() > 0 ? pages->Counted()
                                                                           : kUnknownLastPage;
        if (pages && pages->CountComplete()) slot.CountedPages = pages->Counted();
        if (!Prompts().PrinterSetup(printer, 1, last)) return;
        // Another paper lays the pages out anew.
        ApplyPrinterSetup(printer, form->Report());
        preview_->SetPages(std::make_unique<TReportPages>(form->Report()));
    };
    preview_->OnPrint = [this, form, &printer] {
        preview_->SetBusy(true);
        PrintReport(form->Report(), preview_->Pages(), printer, form->DocumentTitle(), preview_);
        preview_->SetBusy(false);
    };
    Prompts().ExecDialog(*preview_);
    if (TReportPages* pages = preview_->Pages(); pages && pages->CountComplete())
        slot.CountedPages = pages->Counted();
    preview_->OnSetup = nullptr;
    preview_->OnPrint = nullptr;
    preview_->SetPages(nullptr);
    return true;
}

} // namespace marklow
