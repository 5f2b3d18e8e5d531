#include "gbook_form.h"
#include "gradebook.h"
#include "new_print_dlg.h"
#include "paper.h"
#include "preview_window.h"
#include "print_controller.h"
#include "print_progress.h"
#include "prompts.h"
#include "report_test_app.h"
#include "sample_builder.h"
#include "temp_folder.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <fstream>

using namespace marklow;
using marklow::testing::TempFolder;

namespace {

std::unique_ptr<TGradebook> Class(int students, int grades) {
    TBuildOptions o;
    o.Students = students;
    o.Grades = grades;
    return BuildGradebook(o);
}

std::string PdfInfo(const std::string& path) {
    QProcess p;
    p.start("pdfinfo", {QString::fromStdString(path)});
    p.waitForFinished(60000);
    return p.readAllStandardOutput().toStdString();
}

class PrintDialog : public ReportTest {
protected:
    TNewPrintDlg dlg;
};

class Controller : public ReportTest {
protected:
    // The gradebook report goes to a PDF file, as "Print to File (PDF)" sets it up.
    void PrintToFile(TReportType type, const std::string& path) {
        QPrinter& printer = controller.Printer(type);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path));
    }
    // One dialog action: choices, then OK.
    void PressOk(std::function<void(TNewPrintDlg&)> choose = {}) {
        prompts.Script.DialogActions.push_back([choose](QDialog& d) {
            auto& dlg = static_cast<TNewPrintDlg&>(d);
            if (choose) choose(dlg);
            dlg.OkButton->click();
        });
    }
    ScopedPrompts prompts;
    TPrintController controller;
    TempFolder folder;
};

} // namespace

TEST_F(PrintDialog, ChoosingAReportTypeShowsItsOptions) {
    dlg.show();
    auto shown = [](QWidget* w) { return !w->isHidden(); };
    EXPECT_EQ(dlg.windowTitle(), "Print");
    EXPECT_EQ(dlg.RadioGroup1->ItemIndex(), 0);
    EXPECT_TRUE(shown(dlg.OrientGroup));
    dlg.RadioGroup1->SetItemIndex(1); // Grade Criteria
    EXPECT_EQ(dlg.Notebook1->currentWidget()->objectName(), "Criteria");
    for (QWidget* w : std::initializer_list<QWidget*>{dlg.OrientGroup, dlg.OmitBox, dlg.ShadeBox,
                                                      dlg.GradeGroup})
        EXPECT_FALSE(shown(w));
    EXPECT_TRUE(shown(dlg.CheckBox1));
    dlg.RadioGroup1->Button(2)->click(); // Progress Report(s)
    EXPECT_EQ(dlg.Notebook1->currentWidget()->objectName(), "Progress");
    EXPECT_FALSE(shown(dlg.OrientGroup));
    for (QWidget* w : std::initializer_list<QWidget*>{dlg.OmitBox, dlg.ShadeBox, dlg.GradeGroup})
        EXPECT_TRUE(shown(w));
    dlg.RadioGroup1->SetItemIndex(0);
    EXPECT_EQ(dlg.Notebook1->currentWidget()->objectName(), "Gradebook");
    EXPECT_TRUE(shown(dlg.OrientGroup));
    EXPECT_TRUE(dlg.OkButton->isDefault());
    EXPECT_EQ(dlg.GradeGroup->property("HelpContext").toInt(), 66);
}

TEST_F(PrintDialog, ChoosingAReportTypeKeepsTheDialogsSizeAndPlace) {
    dlg.show();
    QTest::qWait(0);
    const QSize size = dlg.size();
    const QPoint place = dlg.pos();
    const QRect ok = dlg.OkButton->geometry();
    const QRect notebook = dlg.Notebook1->geometry();
    for (int type : {1, 2, 3, 0, 2, 1}) {
        dlg.RadioGroup1->SetItemIndex(type);
        QApplication::processEvents();
        SCOPED_TRACE(type);
        EXPECT_EQ(dlg.size(), size);
        EXPECT_EQ(dlg.pos(), place);
        EXPECT_EQ(dlg.OkButton->geometry(), ok);
        EXPECT_EQ(dlg.Notebook1->geometry().topLeft(), notebook.topLeft());
    }
}

TEST_F(PrintDialog, OpeningAgainKeepsTheChoicesButResetsTheStudents) {
    auto gb = Class(5, 3);
    dlg.Open(*gb);
    ASSERT_EQ(dlg.ComboBox2->count(), 5);
    EXPECT_EQ(dlg.ComboBox2->itemText(0).toStdString(), std::string(gb->Cell(1, 2)));
    EXPECT_EQ(dlg.ComboBox2->currentIndex(), 0);
    dlg.RadioGroup1->SetItemIndex(2);
    dlg.CheckBox1->setChecked(true);
    dlg.ShadeBox->setChecked(true);
    dlg.OrientGroup->SetItemIndex(1);
    dlg.OmitBox->setChecked(true);
    dlg.GradeGroup->SetItemIndex(3);
    dlg.StudentGroup->SetItemIndex(1);
    dlg.SelectedButton->setChecked(true);
    dlg.ComboBox2->setCurrentIndex(3);
    PrintOptions o = dlg.Options();
    EXPECT_EQ(o.ReportType, TReportType::Progress);
    EXPECT_TRUE(o.Preview);
    EXPECT_TRUE(o.ShadeCurved);
    EXPECT_EQ(o.Orientation, TReportOrientation::Landscape);
    EXPECT_TRUE(o.OmitAfterLastEntry);
    EXPECT_EQ(o.PrintGrade, TPrintGrade::NumbersAndLetters);
    EXPECT_EQ(o.PrintStudent, TPrintStudent::IDs);
    EXPECT_FALSE(o.AllStudents);
    EXPECT_EQ(o.SelectedStudent, 3);

    gb->SetCell(1, 2, "Renamed");
    dlg.Open(*gb);
    PrintOptions again = dlg.Options();
    EXPECT_TRUE(again.AllStudents);
    EXPECT_EQ(again.SelectedStudent, 0);
    EXPECT_EQ(dlg.ComboBox2->itemText(0), "Renamed");
    again.AllStudents = false;
    again.SelectedStudent = 3;
    EXPECT_EQ(std::tie(again.ReportType, again.Preview, again.ShadeCurved, again.Orientation,
                       again.OmitAfterLastEntry, again.PrintGrade, again.PrintStudent),
              std::tie(o.ReportType, o.Preview, o.ShadeCurved, o.Orientation, o.OmitAfterLastEntry,
                       o.PrintGrade, o.PrintStudent));
}

TEST_F(PrintDialog, WithoutStudentsNothingCanBeSelected) {
    auto gb = Class(0, 3);
    gb->SetEditMode(true); // the spare row is no student
    dlg.Open(*gb);
    EXPECT_EQ(dlg.ComboBox2->count(), 0);
    EXPECT_EQ(dlg.Options().SelectedStudent, -1);
    EXPECT_FALSE(dlg.SelectedButton->isEnabled());
    EXPECT_TRUE(dlg.Options().AllStudents);
    gb = Class(2, 1);
    dlg.Open(*gb);
    EXPECT_TRUE(dlg.SelectedButton->isEnabled());
    EXPECT_FALSE(dlg.ComboBox2->isEnabled());
    dlg.SelectedButton->setChecked(true);
    EXPECT_TRUE(dlg.ComboBox2->isEnabled());
}

TEST_F(PrintDialog, HelpAsksForTheTopic) {
    QString asked;
    QObject::connect(&dlg, &TNewPrintDlg::HelpRequested, [&](const QString& k) { asked = k; });
    dlg.HelpButton->click();
    EXPECT_EQ(asked, "PrintingtheGradebook");
}

TEST_F(Controller, OkPrintsTheGradebookAndClosesTheDialog) {
    auto gb = Class(20, 20);
    std::string path = folder / "out.pdf";
    PrintToFile(TReportType::Gradebook, path);
    PressOk([](TNewPrintDlg& d) { d.OrientGroup->SetItemIndex(1); });
    controller.Print1Click(*gb);
    EXPECT_TRUE(prompts.Script.Unexpected.isEmpty())
        << prompts.Script.Unexpected.join("; ").toStdString();
    EXPECT_TRUE(prompts.Script.Messages.empty());
    EXPECT_EQ(controller.Dialog().result(), QDialog::Accepted);
    // 20 grades in landscape: two column pages of one page each.
    EXPECT_NE(PdfInfo(path).find("Pages:           2"), std::string::npos) << PdfInfo(path);
}

TEST_F(Controller, SetupBelongsToItsReportAndLasts) {
    auto gb = Class(3, 3);
    std::string path = folder / "setup.pdf";
    // A paper other than the one every report starts with.
    const QPageSize::PageSizeId other =
        DefaultPaper() == QPageSize::A4 ? QPageSize::Letter : QPageSize::A4;
    const std::string name = other == QPageSize::A4 ? "(A4)" : "(letter)";
    prompts.Script.DialogActions.push_back([&](QDialog& d) {
        auto& dlg = static_cast<TNewPrintDlg&>(d);
        dlg.SetupButton->click();
        dlg.OkButton->click();
    });
    int minPage = 0, maxPage = 0;
    prompts.Script.PrinterSetups.push_back([&](QPrinter& p, int from, int to) {
        minPage = from;
        maxPage = to;
        p.setPageSize(QPageSize(other));
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(QString::fromStdString(path));
        return true;
    });
    controller.Print1Click(*gb);
    EXPECT_EQ(minPage, 1);
    EXPECT_EQ(maxPage, 9999); // no preview has counted the pages yet
    EXPECT_NE(PdfInfo(path).find(name), std::string::npos) << PdfInfo(path);
    // Another report keeps its own setup.
    EXPECT_EQ(controller.Printer(TReportType::Progress).pageLayout().pageSize().id(),
              DefaultPaper());
    // The next time the setup is still there.
    std::filesystem::remove(path);
    PressOk();
    controller.Print1Click(*gb);
    EXPECT_NE(PdfInfo(path).find(name), std::string::npos);
}

TEST_F(Controller, FailuresAreToldAndTheDialogStaysOpen) {
    // Progress reports of a class without students: nothing to print, and why.
    auto empty = Class(0, 3);
    PressOk([](TNewPrintDlg& d) { d.RadioGroup1->SetItemIndex(2); });
    controller.Print1Click(*empty);
    ASSERT_EQ(prompts.Script.Messages.size(), 1u);
    EXPECT_EQ(prompts.Script.Messages[0].Text,
              "There are no students to print progress reports for.");
    EXPECT_EQ(controller.Dialog().result(), QDialog::Rejected);
    auto gb = Class(3, 3);
    // A PDF that cannot be written: the folder in the way stays a folder.
    std::filesystem::create_directory(folder / "taken.pdf");
    PrintToFile(TReportType::Gradebook, folder / "taken.pdf");
    PressOk([](TNewPrintDlg& d) { d.RadioGroup1->SetItemIndex(0); });
    controller.Print1Click(*gb);
    ASSERT_EQ(prompts.Script.Messages.size(), 2u);
    EXPECT_EQ(prompts.Script.Messages[1].Kind, TMessageKind::Error);
    EXPECT_TRUE(prompts.Script.Messages[1].Text.contains("taken.pdf"));
    EXPECT_EQ(controller.Dialog().result(), QDialog::Rejected);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "taken.pdf"));
    // No printer at all, and no file chosen.
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        controller.Printer(TReportType::Gradebook).setOutputFormat(QPrinter::NativeFormat);
        controller.Printer(TReportType::Gradebook).setOutputFileName(QString());
        PressOk();
        controller.Print1Click(*gb);
        ASSERT_EQ(prompts.Script.Messages.size(), 3u);
        EXPECT_TRUE(prompts.Script.Messages[2].Text.startsWith("No printer is available"));
        EXPECT_EQ(controller.Dialog().result(), QDialog::Rejected);
    }
}

TEST_F(Controller, CancelInThePrintingProgressLeavesTheOldFile) {
    auto gb = Class(300, 40);
    std::string path = folder / "old.pdf";
    std::ofstream(path) << "earlier";
    PrintToFile(TReportType::Gradebook, path);
    PressOk();
    bool pressed = false;
    // Cancel as soon as the progress window shows.
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* p = qobject_cast<TPrintProgress*>(w); p && p->isVisible() && !pressed) {
                EXPECT_EQ(p->windowTitle(), "Printing progress");
                p->CancelButton->click();
                pressed = true;
            }
    });
    timer.start(0);
    controller.Print1Click(*gb);
    EXPECT_TRUE(pressed);
    ASSERT_EQ(prompts.Script.Messages.size(), 1u);
    EXPECT_EQ(prompts.Script.Messages[0].Text, "Printing was cancelled; the file was not written.");
    EXPECT_EQ(controller.Dialog().result(), QDialog::Rejected);
    std::ifstream in(path);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "earlier");
}

TEST_F(Controller, PreviewShowsThePagesThenThePrintButtonPrintsThem) {
    auto gb = Class(100, 30);
    std::string path = folder / "preview.pdf";
    PrintToFile(TReportType::Gradebook, path);
    PressOk([](TNewPrintDlg& d) {
        d.CheckBox1->setChecked(true);
        d.OrientGroup->SetItemIndex(0);
    });
    int counted = 0;
    prompts.Script.DialogActions.push_back([&](QDialog& d) {
        auto& preview = static_cast<TPreviewForm&>(d);
        ASSERT_TRUE(preview.Pages());
        EXPECT_EQ(preview.Pages()->LayoutsMade(), 1);
        while (!preview.Pages()->CountComplete())
            QApplication::processEvents();
        counted = preview.Pages()->Counted();
        EXPECT_EQ(preview.Status->text(), QString("Page 1 of %1").arg(counted));
        preview.PrintAction->trigger();
        preview.CloseAction->trigger();
    });
    controller.Print1Click(*gb);
    EXPECT_TRUE(prompts.Script.Unexpected.isEmpty())
        << prompts.Script.Unexpected.join("; ").toStdString();
    // 30 grades in portrait are 4 column pages; 101 lines take 3 pages each.
    EXPECT_EQ(counted, 12);
    EXPECT_NE(PdfInfo(path).find("Pages:           12"), std::string::npos);
    EXPECT_EQ(controller.Dialog().result(), QDialog::Accepted);
    // The preview let its pages go; the count is the setup's page range now.
    EXPECT_EQ(controller.Preview().Pages(), nullptr);
    int maxPage = 0;
    prompts.Script.DialogActions.push_back(
        [](QDialog& d) { static_cast<TNewPrintDlg&>(d).SetupButton->click(); });
    prompts.Script.PrinterSetups.push_back([&](QPrinter&, int, int to) {
        maxPage = to;
        return false;
    });
    controller.Print1Click(*gb);
    EXPECT_EQ(maxPage, 12);
}

TEST_F(Controller, ProgressOfTheSelectedStudent) {
    auto gb = Class(6, 10);
    std::string path = folder / "one.pdf";
    PrintToFile(TReportType::Progress, path);
    PressOk([](TNewPrintDlg& d) {
        d.RadioGroup1->SetItemIndex(2);
        d.SelectedButton->setChecked(true);
        d.ComboBox2->setCurrentIndex(4);
    });
    controller.Print1Click(*gb);
    EXPECT_TRUE(prompts.Script.Messages.empty());
    EXPECT_NE(PdfInfo(path).find("Pages:           1"), std::string::npos);
    QProcess p;
    p.start("pdftotext", {QString::fromStdString(path), "-"});
    p.waitForFinished(60000);
    EXPECT_NE(p.readAllStandardOutput().toStdString().find(std::string(gb->Cell(1, 6))),
              std::string::npos);
    // Opened again, the dialog is back on "All".
    PressOk();
    controller.Print1Click(*gb);
    EXPECT_NE(PdfInfo(path).find("Pages:           6"), std::string::npos);
}
