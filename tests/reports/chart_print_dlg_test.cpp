#include "averages.h"
#include "chart_form.h"
#include "cli.h"
#include "gradebook.h"
#include "gradebook_file.h"
#include "page_source.h"
#include "preview_window.h"
#include "print_chart_dlg.h"
#include "prompts.h"
#include "report_pages.h"
#include "report_test_app.h"
#include "sample_builder.h"
#include "temp_folder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPrinter>
#include <QProcess>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace marklow;
using namespace marklow::testing;

namespace {

std::string Exec(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return p.readAllStandardOutput().toStdString();
}

int PdfPages(const std::string& path) {
    std::string info = Exec("pdfinfo", {QString::fromStdString(path)});
    auto at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

std::string PdfInfo(const std::string& path) {
    return Exec("pdfinfo", {QString::fromStdString(path)});
}

// pdftotext keeps each line's words but may break them apart: compare without blanks.
std::string PdfText(const std::string& path) {
    std::string text = Exec("pdftotext", {QString::fromStdString(path), "-"});
    std::erase_if(text, [](char c) { return c == ' ' || c == '\n'; });
    return text;
}

std::string Squeezed(std::string s) {
    std::erase_if(s, [](char c) { return c == ' '; });
    return s;
}

// Quiz 3 (50 points): Ann 45, Ben 40, Cy 35, Di 30, Ed 25; Bonus (extra credit) empty.
struct Quiz {
    TGradebook gb;
    int quiz, bonus;
    Quiz() {
        gb.SetEditMode(false);
        for (auto [letter, value] : {std::pair{"A", 90}, {"B", 80}, {"C", 70}, {"D", 60}, {"F", 0}})
            gb.NumberToLetter.Add(letter, value);
        quiz = AddGrade(gb, "Quiz 3", 50);
        bonus = AddGrade(gb, "Bonus", 10);
        gb.GradeAt(bonus)->ExtraCredit = true;
        const char* names[] = {"Ann Lee", "Ben Roy", "Cy Dee", "Di Eng", "Ed Fox"};
        const char* scores[] = {"45", "40", "35", "30", "25"};
        for (int i = 0; i < 5; ++i)
            gb.SetCell(quiz, AddStudent(gb, names[i]), scores[i]);
        RecomputeAll(gb);
    }
};

class PrintChart : public ReportTest {
protected:
    PrintChart() { window.Prepare(q.gb, q.quiz, 2); }
    // The printout goes to a PDF file, as "Print to File (PDF)" sets it up.
    void ToFile(bool detail, const std::string& path) {
        QPrinter& printer = controller.Printer(detail);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path));
    }
    // One dialog action: choices, then OK.
    void PressOk(bool detail, bool preview) {
        prompts.Script.DialogActions.push_back([detail, preview](QDialog& d) {
            auto& dlg = static_cast<TPrintChartDlg&>(d);
            dlg.RadioGroup1->SetItemIndex(detail ? 1 : 0);
            dlg.CheckBox1->setChecked(preview);
            dlg.OkButton->click();
        });
    }
    void Print() { controller.PrintChart(window, q.gb, font); }
    void ExpectNothingUnexpected() {
        EXPECT_TRUE(prompts.Script.Unexpected.isEmpty())
            << prompts.Script.Unexpected.join("; ").toStdString();
    }

    Quiz q;
    ScopedPrompts prompts;
    TChartForm window;
    TChartPrintController controller{&window};
    TempFolder folder;
    QFont font{"DejaVu Sans", 13};
};

} // namespace

TEST_F(PrintChart, TheDialogOffersItsTwoPrintoutsAndKeepsItsChoices) {
    TPrintChartDlg& dlg = controller.Dialog();
    EXPECT_EQ(dlg.windowTitle(), "Print Chart");
    EXPECT_EQ(dlg.RadioGroup1->title(), "Option");
    ASSERT_EQ(dlg.RadioGroup1->Count(), 2);
    EXPECT_EQ(dlg.RadioGroup1->Button(0)->text(), "Chart graphic");
    EXPECT_EQ(dlg.RadioGroup1->Button(1)->text(), "Chart description and detail");
    EXPECT_EQ(dlg.CheckBox1->text(), "Preview");
    EXPECT_TRUE(dlg.OkButton->isDefault());
    EXPECT_FALSE(dlg.Detail());
    EXPECT_FALSE(dlg.Preview());

    // Cancel prints nothing; the choices stay for the next time, in the display font.
    prompts.Script.DialogActions.push_back([](QDialog& d) {
        auto& dlg = static_cast<TPrintChartDlg&>(d);
        dlg.RadioGroup1->SetItemIndex(1);
        dlg.CheckBox1->setChecked(true);
        dlg.CancelButton->click();
    });
    Print();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(dlg.font().family(), font.family());
    EXPECT_EQ(dlg.font().pointSize(), 13);
    bool keptDetail = false, keptPreview = false;
    prompts.Script.DialogActions.push_back([&](QDialog& d) {
        auto& dlg = static_cast<TPrintChartDlg&>(d);
        keptDetail = dlg.Detail();
        keptPreview = dlg.Preview();
        dlg.CancelButton->click();
    });
    font.setPointSize(15);
    Print();
    EXPECT_TRUE(keptDetail);
    EXPECT_TRUE(keptPreview);
    EXPECT_EQ(dlg.font().pointSize(), 15);
    EXPECT_TRUE(folder.Names().empty());
    ExpectNothingUnexpected();
    EXPECT_TRUE(prompts.Script.Messages.empty());
}

TEST_F(PrintChart, TheSourceIsTheChartAsTheWindowShowsIt) {
    window.HistoButton->click();
    window.ComboBox2->setCurrentText("3D bar");
    window.CheckBox1->setChecked(true);
    window.InitsButton->click();
    TChartPrintSource s = ChartPrintSourceOf(window);
    EXPECT_TRUE(s.Selection.Histogram);
    EXPECT_EQ(s.Selection.DataType, TDataType::Grade);
    EXPECT_EQ(s.Selection.Entry, 1);
    EXPECT_EQ(s.EntryText, "Quiz 3");
    EXPECT_EQ(s.Look.ChartType, "3D bar");
    EXPECT_TRUE(s.Look.Horizontal);
    EXPECT_TRUE(s.Look.Initials);
    EXPECT_EQ(s.Result.ChartData.size(), 5u);
    EXPECT_EQ(s.Result.LetterBins.size(), 5u);
    EXPECT_EQ(s.Graph.PointCount, 5);
    EXPECT_TRUE(s.Graph.Horizontal);
    EXPECT_EQ(s.Graph.Label(1), "A");
    EXPECT_EQ(ChartMemoLines(s)[0], "A horizontal 3 dimensional bar chart of histogram data "
                                    "derived from 5 valid student results for Quiz 3.");
}

TEST_F(PrintChart, OkPrintsTheGraphicOnALandscapePage) {
    const std::string path = folder / "chart.pdf";
    ToFile(false, path);
    PressOk(false, false);
    Print();
    ExpectNothingUnexpected();
    EXPECT_TRUE(prompts.Script.Messages.empty());
    EXPECT_EQ(controller.Dialog().result(), QDialog::Accepted);
    EXPECT_EQ(PdfPages(path), 1);
    EXPECT_NE(PdfInfo(path).find("792 x 612 pts (letter)"), std::string::npos) << PdfInfo(path);
    const std::string text = PdfText(path);
    EXPECT_NE(text.find("Quiz3"), std::string::npos) << text;
    EXPECT_NE(text.find("Count5,Mean70,StdDev14.1"), std::string::npos) << text;
    // The detail's printer was never used.
    EXPECT_EQ(controller.Printer(true).outputFileName(), QString());
}

TEST_F(PrintChart, TheDetailPreviewsAndPrintsWithTheNames) {
    std::vector<std::string> firstPage;
    int pages = 0;
    PressOk(true, true);
    prompts.Script.DialogActions.push_back([&](QDialog& d) {
        auto& preview = static_cast<TPreviewForm&>(d);
        ASSERT_NE(preview.Pages(), nullptr);
        auto page = preview.Pages()->Page(0);
        ASSERT_TRUE(page);
        firstPage = Strings(*page);
        preview.Pages()->CountAll();
        pages = preview.Pages()->Counted();
        preview.CloseAction->trigger();
    });
    Print();
    ExpectNothingUnexpected();
    EXPECT_EQ(controller.Dialog().result(), QDialog::Accepted);
    EXPECT_EQ(pages, 1);
    ASSERT_FALSE(firstPage.empty());
    EXPECT_EQ(firstPage[0], "A line graph of 5 valid student results for Quiz 3.");
    EXPECT_NE(std::find(firstPage.begin(), firstPage.end(), "Ed Fox"), firstPage.end());
    // The preview has let its pages go.
    EXPECT_EQ(controller.Preview().Pages(), nullptr);

    // Straight to a PDF this time.
    const std::string path = folder / "detail.pdf";
    ToFile(true, path);
    PressOk(true, false);
    Print();
    EXPECT_EQ(PdfPages(path), 1);
    EXPECT_NE(PdfInfo(path).find("612 x 792 pts (letter)"), std::string::npos) << PdfInfo(path);
    const std::string text = PdfText(path);
    EXPECT_NE(text.find(Squeezed("valid student results for Quiz 3.")), std::string::npos);
    for (const char* name : {"Ann Lee", "Ben Roy", "Cy Dee", "Di Eng", "Ed Fox"})
        EXPECT_NE(text.find(Squeezed(name)), std::string::npos) << name;
}

TEST_F(PrintChart, SetupBelongsToTheChosenPrintout) {
    const std::string path = folder / "setup.pdf";
    QPrinter* asked = nullptr;
    prompts.Script.DialogActions.push_back([](QDialog& d) {
        auto& dlg = static_cast<TPrintChartDlg&>(d);
        dlg.RadioGroup1->SetItemIndex(1);
        dlg.CheckBox1->setChecked(false);
        dlg.SetupButton->click();
        dlg.OkButton->click();
    });
    prompts.Script.PrinterSetups.push_back([&](QPrinter& p, int, int) {
        asked = &p;
        p.setPageSize(QPageSize(QPageSize::A4));
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(QString::fromStdString(path));
        return true;
    });
    Print();
    ExpectNothingUnexpected();
    EXPECT_EQ(asked, &controller.Printer(true));
    EXPECT_NE(PdfInfo(path).find("595 x 842 pts (A4)"), std::string::npos) << PdfInfo(path);
    // The graphic keeps its own printer, turned to landscape.
    EXPECT_EQ(controller.Printer(false).pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(controller.Printer(false).outputFileName(), QString());
}

TEST_F(PrintChart, AnEmptyDetailIsToldAndTheDialogStaysOpen) {
    window.GradeCombo->setCurrentIndex(2); // Bonus: extra credit, so no results
    ASSERT_TRUE(window.Result().ChartData.empty());
    const std::string path = folder / "empty.pdf";
    ToFile(true, path);
    PressOk(true, false);
    Print();
    ASSERT_EQ(prompts.Script.Messages.size(), 1u);
    EXPECT_EQ(prompts.Script.Messages[0].Text, "The chart has no data to list.");
    EXPECT_EQ(controller.Dialog().result(), QDialog::Rejected);
    EXPECT_FALSE(std::filesystem::exists(path));
    // The graphic of an empty chart still prints its titles.
    ToFile(false, path);
    PressOk(false, false);
    Print();
    EXPECT_EQ(PdfPages(path), 1);
}

namespace {

int Cli(std::vector<std::string> args, std::string* err = nullptr) {
    std::ostringstream o, e;
    int rc = cli::Run(args, o, e);
    if (err) *err = e.str();
    return rc;
}

} // namespace

TEST_F(PrintChart, MarklowCliPrintsTheChartAndItsDetail) {
    const std::string sample = MARKLOW_DATA_DIR "/sample-class.gbd";
    const std::string graphic = folder / "graphic.pdf";
    std::string err;
    ASSERT_EQ(
        Cli({"print", "chart", sample, "-o", graphic, "--grade", "3", "--paper", "letter"}, &err),
        cli::kShown)
        << err;
    EXPECT_EQ(PdfPages(graphic), 1);
    EXPECT_NE(PdfInfo(graphic).find("792 x 612 pts (letter)"), std::string::npos);
    EXPECT_NE(PdfText(graphic).find("Count24,Mean81.9,StdDev11.6"), std::string::npos);

    const std::string detail = folder / "detail.pdf";
    ASSERT_EQ(Cli({"print", "chart", sample, "-o", detail, "--student", "0", "--histogram",
                   "--single-letter", "--letter-stats", "--detail", "--paper=a4"},
                  &err),
              cli::kShown)
        << err;
    EXPECT_NE(PdfInfo(detail).find("595 x 842 pts (A4)"), std::string::npos);
    const std::string text = PdfText(detail);
    EXPECT_NE(text.find(Squeezed("A 2 dimensional bar chart of histogram data derived from 25 "
                                 "valid weighted averages for students.")),
              std::string::npos)
        << text;
    EXPECT_NE(text.find(Squeezed("Histogram >=80 and <90")), std::string::npos);
    EXPECT_NE(text.find("NoraFischer"), std::string::npos);
    EXPECT_NE(text.find("BenCarter"), std::string::npos);

    // Turned on request.
    ASSERT_EQ(Cli({"print", "chart", sample, "-o", graphic, "--portrait", "--paper", "a4"}),
              cli::kShown);
    EXPECT_NE(PdfInfo(graphic).find("595 x 842 pts (A4)"), std::string::npos);
}

TEST_F(PrintChart, MarklowCliChartUsage) {
    const std::string sample = MARKLOW_DATA_DIR "/sample-class.gbd";
    const std::string out = folder / "x.pdf";
    std::string err;
    EXPECT_EQ(Cli({"print", "chart", sample, "-o", out, "--grade", "both"}, &err), cli::kUsage);
    EXPECT_NE(err.find("entry number"), std::string::npos) << err;
    EXPECT_EQ(Cli({"print", "chart", sample, "-o", out, "--grade", "1", "--student", "1"}, &err),
              cli::kUsage);
    EXPECT_EQ(Cli({"print", "chart", sample, "-o", out, "--letter-stats"}, &err), cli::kUsage);
    EXPECT_NE(err.find("--histogram"), std::string::npos) << err;
    EXPECT_EQ(Cli({"print", "chart", sample, "-o", out, "--grade", "999"}, &err), cli::kUsage);
    EXPECT_NE(err.find("the list ends at"), std::string::npos) << err;
    EXPECT_EQ(Cli({"print", "chart", sample, "-o", out, "--ids"}, &err), cli::kUsage);
    EXPECT_NE(err.find("--ids does not apply to the chart report"), std::string::npos) << err;
    EXPECT_EQ(Cli({"print", "gradebook", sample, "-o", out, "--detail"}, &err), cli::kUsage);
    EXPECT_EQ(Cli({"print", "progress", sample, "-o", out, "--histogram"}, &err), cli::kUsage);
    // The other reports still read --grade as the printed grade and --student as a name.
    EXPECT_EQ(Cli({"print", "gradebook", sample, "-o", out, "--grade", "3"}, &err), cli::kUsage);
    EXPECT_EQ(Cli({"print", "progress", sample, "-o", out, "--student", "Ben Carter", "--grade",
                   "letters"},
                  &err),
              cli::kShown)
        << err;
    // An empty detail writes nothing and says why; its graphic prints.
    Quiz q;
    const std::string quiz = folder / "quiz.gbd";
    std::ofstream(quiz, std::ios::binary) << WriteGradebook(q.gb);
    const std::string empty = folder / "empty.pdf";
    EXPECT_EQ(Cli({"print", "chart", quiz, "-o", empty, "--grade", "2", "--detail"}, &err),
              cli::kUnreadable);
    EXPECT_NE(err.find("The chart has no data to list."), std::string::npos) << err;
    EXPECT_FALSE(std::filesystem::exists(empty));
    EXPECT_EQ(Cli({"print", "chart", quiz, "-o", empty, "--grade", "2"}, &err), cli::kShown) << err;
    EXPECT_EQ(PdfPages(empty), 1);
    std::ostringstream help, e;
    EXPECT_EQ(cli::Run({"print", "--help"}, help, e), cli::kShown);
    EXPECT_NE(help.str().find("marklow-cli print chart FILE"), std::string::npos);
    std::ostringstream general;
    EXPECT_EQ(cli::Run({"--help"}, general, e), cli::kShown);
    EXPECT_NE(general.str().find("--detail"), std::string::npos);
}
