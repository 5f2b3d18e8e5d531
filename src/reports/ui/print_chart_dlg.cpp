#include "print_chart_dlg.h"

#include "button_descriptions.h"
#include "chart_form.h"
#include "paper.h"
#include "preview_window.h"
#include "printing.h"
#include "prompts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPrinter>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace marklow {

namespace {
// The help topic of each control, for the context help of the title bar.
void Help(QWidget* w, int context) {
    w->setProperty("HelpContext", context);
}

// Until a preview has counted the pages, any page up to 9999 may be asked for.
constexpr int kUnknownLastPage = 9999;
} // namespace

TPrintChartDlg::TPrintChartDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("PrintChartDialog", "Print Chart"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);

    RadioGroup1 = new TRadioGroup(
        QCoreApplication::translate("PrintChartDialog", "Option"),
        {QCoreApplication::translate("PrintChartDialog", "Chart graphic"),
         QCoreApplication::translate("PrintChartDialog", "Chart description and detail")},
        this);
    Help(RadioGroup1, 45);
    RadioGroup1->Describe(
        {QCoreApplication::translate("PrintChartDialog",
                                     "Print the chart as on screen, on one page"),
         QCoreApplication::translate(
             "PrintChartDialog",
             "Print a description of the chart and a line for every value in it")});
    CheckBox1 = new QCheckBox(QCoreApplication::translate("PrintChartDialog", "Preview"), this);
    Help(CheckBox1, 46);
    CheckBox1->setAccessibleDescription(QCoreApplication::translate(
        "PrintChartDialog", "Show the pages on screen before printing them"));
    OkButton = new QPushButton(QCoreApplication::translate("PrintChartDialog", "&OK"), this);
    Help(OkButton, 47);
    OkButton->setAccessibleDescription(
        QCoreApplication::translate("PrintChartDialog", "Preview or print the chosen printout"));
    OkButton->setDefault(true);
    CancelButton =
        new QPushButton(QCoreApplication::translate("PrintChartDialog", "&Cancel"), this);
    Help(CancelButton, 48);
    DescribeButton(CancelButton, TButtonRole::Cancel);
    // Printing straight to paper needs a way to the printer and to "Print to File (PDF)".
    SetupButton = new QPushButton(QCoreApplication::translate("PrintChartDialog", "&Setup"), this);
    Help(SetupButton, 71);
    SetupButton->setAccessibleDescription(QCoreApplication::translate(
        "PrintChartDialog",
        "Choose the printer, the paper and its orientation, or printing to a PDF file"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    buttons->addWidget(SetupButton);
    buttons->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(RadioGroup1);
    left->addWidget(CheckBox1);
    left->addStretch();
    auto* grid = new QHBoxLayout(this);
    grid->addLayout(left, 1);
    grid->addLayout(buttons);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(OkButton, &QPushButton::clicked, this, [this] {
        if (!OnRun || OnRun()) accept();
    });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(SetupButton, &QPushButton::clicked, this, [this] {
        if (OnSetup) OnSetup();
    });
}

void TPrintChartDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QScreen* s = screen()) {
        QRect area = s->availableGeometry();
        QRect frame = frameGeometry();
        move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
}

TChartPrintSource ChartPrintSourceOf(const TChartForm& chart) {
    TChartPrintSource s;
    s.Selection = chart.Selection();
    s.Result = chart.Result();
    s.EntryText = chart.ChosenEntryText();
    s.Look.ChartType = chart.ComboBox2->currentData().toString().toStdString();
    s.Look.Horizontal = chart.CheckBox1->isChecked();
    s.Look.Initials = chart.InitsButton->isChecked();
    s.Graph = chart.Graph1->Model();
    s.Fonts = chart.Graph1->Fonts();
    return s;
}

TChartPrintController::TChartPrintController(QWidget* parent) : QObject(parent), parent_(parent) {
    dialog_ = new TPrintChartDlg(parent);
    dialog_->OnRun = [this] { return RunReport(); };
    dialog_->OnSetup = [this] { Setup(); };
}

TChartPrintController::~TChartPrintController() {
    delete dialog_.data();
    delete preview_.data();
}

TPreviewForm& TChartPrintController::Preview() {
    if (!preview_) preview_ = new TPreviewForm(parent_);
    return *preview_;
}

QPrinter& TChartPrintController::Printer(bool detail) {
    TSlot& slot = slots_[detail ? 1 : 0];
    if (!slot.Printer) {
        slot.Printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        slot.Printer->setPageSize(QPageSize(DefaultPaper()));
        slot.Printer->setPageOrientation(detail ? QPageLayout::Portrait : QPageLayout::Landscape);
    }
    return *slot.Printer;
}

void TChartPrintController::PrintChart(const TChartForm& chart, const TGradebook& gb,
                                       const QFont& displayFont) {
    PrintChart(ChartPrintSourceOf(chart), gb, displayFont);
}

void TChartPrintController::PrintChart(TChartPrintSource source, const TGradebook& gb,
                                       const QFont& displayFont) {
    if (!form_) form_ = std::make_unique<TFormChartPrint>();
    form_->SetSource(gb, std::move(source));
    hasSource_ = true;
    dialog_->setFont(displayFont);
    Prompts().ExecDialog(*dialog_);
    hasSource_ = false;
}

void TChartPrintController::Setup() {
    const bool detail = dialog_->Detail();
    const TSlot& slot = slots_[detail ? 1 : 0];
    Prompts().PrinterSetup(Printer(detail), 1,
                           slot.CountedPages > 0 ? slot.CountedPages : kUnknownLastPage);
}

bool TChartPrintController::RunReport() {
    if (!form_ || !hasSource_) return false;
    const bool detail = dialog_->Detail();
    TFormChartPrint& form = *form_;
    if (detail) {
        if (QString why = form.DetailNothingToPrint(); !why.isEmpty()) {
            Prompts().Message(TMessageKind::Information, why, TButtons::Ok);
            return false;
        }
    }
    TQuickRep& report = detail ? form.DetailReport : form.GraphicReport;
    const QString title = detail ? form.DetailTitle() : form.GraphicTitle();
    QPrinter& printer = Printer(detail);
    ApplyPrinterSetup(printer, report);
    if (!dialog_->Preview()) return PrintReport(report, nullptr, printer, title, dialog_);

    TSlot& slot = slots_[detail ? 1 : 0];
    TPreviewForm& preview = Preview();
    preview.SetPages(std::make_unique<TReportPages>(report));
    preview.OnSetup = [&preview, &report, &printer, &slot] {
        TReportPages* pages = preview.Pages();
        const bool counted = pages && pages->CountComplete() && pages->Counted() > 0;
        if (counted) slot.CountedPages = pages->Counted();
        if (!Prompts().PrinterSetup(printer, 1, counted ? pages->Counted() : kUnknownLastPage))
            return;
        // Another paper lays the pages out anew.
        ApplyPrinterSetup(printer, report);
        preview.SetPages(std::make_unique<TReportPages>(report));
    };
    preview.OnPrint = [&preview, &report, &printer, title] {
        preview.SetBusy(true);
        PrintReport(report, preview.Pages(), printer, title, &preview);
        preview.SetBusy(false);
    };
    Prompts().ExecDialog(preview);
    if (TReportPages* pages = preview.Pages(); pages && pages->CountComplete())
        slot.CountedPages = pages->Counted();
    preview.OnSetup = nullptr;
    preview.OnPrint = nullptr;
    preview.SetPages(nullptr);
    return true;
}

} // namespace marklow
