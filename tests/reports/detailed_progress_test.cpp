#include "averages.h"
#include "cli.h"
#include "detailed_progress_form.h"
#include "entry.h"
#include "grade_date.h"
#include "gradebook.h"
#include "gradebook_file.h"
#include "new_print_dlg.h"
#include "page_source.h"
#include "preview_window.h"
#include "print_controller.h"
#include "prompts.h"
#include "report_pages.h"
#include "report_test_app.h"
#include "safe_save.h"
#include "sample_builder.h"
#include "temp_folder.h"
#include "text.h"
#include "translations.h"

#include <QLabel>
#include <QLocale>
#include <QPrinter>
#include <QProcess>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

using namespace marklow;
using namespace marklow::testing;

namespace {

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString Pct(double v) {
    return Q(FormatNumber(v)) + "%";
}

// Two students, two categories (the first dropping its lowest), a curve, a letter entry,
// extra credit, comments, an invalid entry and notes.
std::unique_ptr<TGradebook> Class() {
    auto gb = std::make_unique<TGradebook>();
    TGradebook& b = *gb;
    b.SetEditMode(false);
    SetStandardLetterTables(b);
    b.ClassName = "Algebra I";
    b.Teacher = "Ms. Rivera";
    b.ClassNumber = "Period 3";
    b.Categories.Add("Homework", 40, true);
    b.Categories.Add("Tests", 60, false);
    int ann = AddStudent(b, "Ann Lee", "A-17");
    int ben = AddStudent(b, "Ben Ode", "B-2");
    b.StudentAt(ann)->Notes = "Ann works hard and helps others.";
    auto grade = [&](const char* name, double points, int category, const char* a, const char* bb) {
        int c = AddGrade(b, name, points, category);
        b.GradeAt(c)->Date = 46000; // 9 December 2025
        b.SetCell(c, ann, a);
        b.SetCell(c, ben, bb);
        return c;
    };
    grade("HW 1", 10, 0, "7", "9");
    grade("HW 2", 10, 0, "9 late", "8");
    grade("HW 3", 10, 0, "6", "10");
    int quiz = grade("Quiz", 50, 1, "40 retake", "/40");
    b.GradeAt(quiz)->Curve = true;
    b.GradeAt(quiz)->CurveAmount = 5;
    grade("Essay", 100, 1, "B", "85% oops");
    int bonus = grade("Bonus", 5, 1, "5", "");
    b.GradeAt(bonus)->ExtraCredit = true;
    RecomputeAll(b);
    return gb;
}

class Detailed : public ReportTest {
protected:
    Detailed() { form.PrintDate = QDate(2026, 3, 14); }
    std::vector<TReportPage> Print(const TGradebook& gb) {
        form.SetSource(gb, options);
        return AllPages(form.Quickxrp1);
    }
    TDetailedProgressForm form;
    PrintOptions options;
};

// The texts on the line of a page that starts with first, left to right.
std::vector<QString> LineOf(const TReportPage& page, const QString& first) {
    const TPlacedText* start = FindText(page, first);
    if (!start) return {};
    std::vector<const TPlacedText*> line;
    for (const TPlacedItem& item : page.Items)
        if (auto t = std::get_if<TPlacedText>(&item);
            t && std::abs(t->Pos.y() - start->Pos.y()) < 0.01)
            line.push_back(t);
    std::sort(line.begin(), line.end(),
              [](const TPlacedText* a, const TPlacedText* b) { return a->Pos.x() < b->Pos.x(); });
    std::vector<QString> out;
    for (const TPlacedText* t : line)
        out.push_back(t->Text);
    return out;
}

// What the grade row of column c for row r must show, straight from the core's results.
std::vector<QString> ExpectedRow(const TGradebook& gb, int c, int r, bool dropped) {
    const TGrade& g = *gb.GradeAt(c);
    const std::string_view cell = gb.Cell(c, r);
    std::vector<QString> row = {Q(gb.Cell(c, 1)),
                                QLocale().toString(QDate(2025, 12, 9), QLocale::ShortFormat),
                                Q(FormatNumber(g.Points))};
    const TEntry e = ReadEntry(cell, gb.LetterToNumber);
    const auto pct = EntryPercent(g, e);
    QStringList notes;
    if (dropped) notes << "dropped";
    if (g.ExtraCredit) notes << "extra credit";
    if (e.Kind == EntryKind::Blank) {
        notes << "not graded yet"; // no score beside "Out of": said in words
    } else if (e.Kind == EntryKind::Invalid) {
        row.push_back(Q(cell));
        notes << "not counted";
    } else if (e.Kind != EntryKind::Blank) {
        QString score = Q(EntryCore(cell));
        if (g.Curve && e.Curve) score += " +" + Q(FormatNumber(g.CurveAmount)) + " curve";
        row.push_back(score);
        row.push_back(Pct(*pct));
        if (!g.ExtraCredit) row.push_back(Q(LetterOf(gb.NumberToLetter, *pct)));
        const size_t blank = cell.find(' ');
        if (blank != std::string_view::npos) notes << Q(TrimBlanks(cell.substr(blank + 1)));
    }
    if (g.HasClassAverage) row.push_back(Pct(g.ClassAverage));
    if (!notes.isEmpty()) row.push_back(notes.join("; "));
    return row;
}

std::unique_ptr<TGradebook> LongClass(int students, int grades) {
    auto gb = std::make_unique<TGradebook>();
    gb->SetEditMode(false);
    SetStandardLetterTables(*gb);
    gb->ClassName = "Biology";
    for (int g = 1; g <= grades; ++g)
        AddGrade(*gb, "G" + std::to_string(g), 100);
    for (int s = 1; s <= students; ++s) {
        int r = AddStudent(*gb, "Student " + std::to_string(s), "S" + std::to_string(s));
        for (int c = 2; c <= gb->LastGradeColumn(); ++c)
            gb->SetCell(c, r, std::to_string(50 + (r * 7 + c) % 50));
    }
    RecomputeAll(*gb);
    return gb;
}

} // namespace

TEST_F(Detailed, EveryNumberIsTheGradebooksOwn) {
    auto gb = Class();
    auto pages = Print(*gb);
    ASSERT_EQ(pages.size(), 2u) << "one student a page";
    for (int r = 2; r <= 3; ++r) {
        const TReportPage& page = pages[static_cast<size_t>(r - 2)];
        SCOPED_TRACE(gb->Cell(1, r));
        for (const char* t : {"Progress Report", "Algebra I", "Ms. Rivera", "Period 3"})
            EXPECT_TRUE(FindText(page, t)) << t;
        EXPECT_TRUE(FindText(page, QLocale().toString(QDate(2026, 3, 14), QLocale::LongFormat)));
        EXPECT_TRUE(FindText(page, Q(gb->Cell(1, r))));
        EXPECT_TRUE(FindText(page, Q(gb->StudentAt(r)->ID)));
        EXPECT_FALSE(FindText(page, "(continued)"));

        // The categories' results are the work fields of the student's average.
        StudentAverage(*gb, r);
        std::vector<std::optional<double>> own;
        for (int i = 0; i < 2; ++i) {
            const TCategory& k = gb->Categories.Category(i);
            own.push_back(k.Count > 0 ? std::optional(k.WeightedSum / k.WeightSum) : std::nullopt);
        }
        const int dropped =
            gb->Categories.Category(0).Count > 1
                ? [&] {
                      for (int c = 2; c <= gb->LastGradeColumn(); ++c)
                          if (gb->GradeAt(c) == gb->Categories.Category(0).Lowest) return c;
                      return 0;
                  }()
                : 0;
        RecomputeAll(*gb);
        EXPECT_EQ(
            LineOf(page, "Homework \u2013 40% of the final grade, lowest grade dropped").at(1),
            "Average: " + Pct(*own[0]) + "    Class: " + Pct(*ClassCategoryAverages(*gb)[0]));
        EXPECT_EQ(LineOf(page, "Tests \u2013 60% of the final grade").at(1),
                  "Average: " + Pct(*own[1]) + "    Class: " + Pct(*ClassCategoryAverages(*gb)[1]));

        for (int c = 2; c <= gb->LastGradeColumn(); ++c) {
            const auto row = ExpectedRow(*gb, c, r, c == dropped);
            EXPECT_EQ(LineOf(page, row[0]), row) << "column " << c;
        }
        const TPlacedText* drop = FindText(page, Q(gb->Cell(dropped, 1)));
        ASSERT_TRUE(drop);
        EXPECT_NE(drop->Color, QColor(Qt::black)) << "the dropped grade is set apart";

        const TStudent& s = *gb->StudentAt(r);
        ASSERT_TRUE(s.HasAverage);
        QString average = Pct(s.Average) + "   " + Q(LetterOf(gb->NumberToLetter, s.Average));
        if (s.HasInvalidEntry) average += "*";
        EXPECT_EQ(LineOf(page, "Final average"), (std::vector<QString>{"Final average", average}));
        EXPECT_TRUE(FindText(page, "Teacher's comment"));
        EXPECT_TRUE(FindText(page, "Signature"));
    }
    // Ann's notes are the teacher's comment; Ben has none, so lines to write on.
    EXPECT_TRUE(FindText(pages[0], "Ann works hard and helps others."));
    EXPECT_TRUE(FindText(pages[1], "* An entry that could not be read does not count."));
    EXPECT_FALSE(FindText(pages[0], "* An entry that could not be read does not count."));
}

TEST_F(Detailed, ALongListContinuesUnderTheSameHeaderOnAnyPaper) {
    auto gb = LongClass(2, 90);
    struct TPaper {
        QPageSize::PageSizeId Id;
        QPageLayout::Orientation Orientation;
    };
    for (TPaper paper : {TPaper{QPageSize::Letter, QPageLayout::Portrait},
                         TPaper{QPageSize::A4, QPageLayout::Landscape},
                         TPaper{QPageSize::A5, QPageLayout::Portrait},
                         TPaper{QPageSize::Legal, QPageLayout::Landscape}}) {
        form.Quickxrp1.Page.Paper = paper.Id;
        form.Quickxrp1.Page.Orientation = paper.Orientation;
        SCOPED_TRACE(QPageSize::name(paper.Id).toStdString() + " " +
                     std::to_string(paper.Orientation));
        auto pages = Print(*gb);
        const QSizeF size = form.Quickxrp1.Page.PaperMm();
        const QRectF area(15, 15, size.width() - 30, size.height() - 30);
        std::map<std::string, std::vector<int>> perStudent; // pages of each student
        std::map<std::string, int> gradeNames;
        for (size_t i = 0; i < pages.size(); ++i) {
            const TReportPage& page = pages[i];
            EXPECT_EQ(page.PaperMm, size);
            std::string student = FindText(page, "Student 1") ? "Student 1" : "Student 2";
            EXPECT_FALSE(FindText(page, "Student 1") && FindText(page, "Student 2"));
            perStudent[student].push_back(static_cast<int>(i));
            EXPECT_TRUE(FindText(page, "Progress Report"));
            EXPECT_TRUE(FindText(page, "Biology"));
            for (const TPlacedText& t : Texts(page)) {
                EXPECT_TRUE(Inside(area, t.Box)) << t.Text.toStdString();
                EXPECT_FALSE(t.Clipped) << t.Text.toStdString();
                if (t.Text.startsWith("G") && t.Text != "Grade")
                    ++gradeNames[student + t.Text.toStdString()];
            }
            for (const TPlacedShape& s : Shapes(page))
                EXPECT_TRUE(Inside(area, s.Kind == TPlacedShape::TKind::Line
                                             ? QRectF(s.Line.p1(), s.Line.p2()).normalized()
                                             : s.Rect));
        }
        ASSERT_EQ(perStudent.size(), 2u);
        for (auto& [student, list] : perStudent) {
            ASSERT_GE(list.size(), 2u) << student;
            // Later pages say they continue; the table's headings head every page it is on.
            EXPECT_FALSE(FindText(pages[static_cast<size_t>(list[0])], "(continued)"));
            for (size_t k = 1; k < list.size(); ++k)
                EXPECT_TRUE(FindText(pages[static_cast<size_t>(list[k])], "(continued)"));
            EXPECT_TRUE(FindText(pages[static_cast<size_t>(list[0])], "Out of"));
            EXPECT_TRUE(FindText(pages[static_cast<size_t>(list[1])], "Out of"));
            EXPECT_TRUE(FindText(pages[static_cast<size_t>(list.back())], "Signature"));
        }
        // Every grade once per student, none lost at a break.
        EXPECT_EQ(gradeNames.size(), 180u);
        for (auto& [name, n] : gradeNames)
            EXPECT_EQ(n, 1) << name;

        // Any page laid out on its own is the same page.
        TReportPages again(form.Quickxrp1);
        for (int i = static_cast<int>(pages.size()) - 1; i >= 0; --i)
            EXPECT_EQ(Describe(*again.Page(i)), Describe(pages[static_cast<size_t>(i)])) << i;
    }
}

TEST_F(Detailed, LongNamesArePrintedWhole) {
    auto gb = LongClass(1, 3);
    const std::string name = "Maximiliana Theodora Alexandrina von Hohenzollern-Sigmaringen "
                             "Wittelsbach de la Tour d'Auvergne";
    gb->SetCell(1, 2, name);
    gb->StudentAt(2)->ID = "ID-0000-1111-2222-3333-4444";
    gb->ClassName = "Advanced Placement Environmental Science and Public Policy, Section B";
    auto pages = Print(*gb);
    ASSERT_EQ(pages.size(), 1u);
    QString joined;
    for (const TPlacedText& t : Texts(pages[0])) {
        EXPECT_FALSE(t.Clipped) << t.Text.toStdString();
        EXPECT_FALSE(t.Text.contains(QChar(0x2026))) << t.Text.toStdString();
        joined += t.Text + " ";
    }
    EXPECT_TRUE(joined.contains(Q(name))) << joined.toStdString();
    EXPECT_TRUE(joined.contains("ID-0000-1111-2222-3333-4444"));
    EXPECT_TRUE(joined.contains(Q(gb->ClassName)));
}

TEST_F(Detailed, SelectedStudentAndNothingToPrint) {
    auto gb = Class();
    options.AllStudents = false;
    options.SelectedStudent = 1;
    auto pages = Print(*gb);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(FindText(pages[0], "Ben Ode"));
    EXPECT_EQ(form.DocumentTitle(), "Progress Report for Ben Ode");
    options.SelectedStudent = 5;
    form.SetSource(*gb, options);
    EXPECT_FALSE(form.NothingToPrint().isEmpty());
    EXPECT_TRUE(AllPages(form.Quickxrp1).empty()) << "never a heading row as a student";
    TGradebook empty;
    options.AllStudents = true;
    form.SetSource(empty, options);
    EXPECT_FALSE(form.NothingToPrint().isEmpty());
}

namespace {

std::string Exec(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return p.readAllStandardOutput().toStdString();
}

int Cli(std::vector<std::string> args, std::string* err = nullptr) {
    std::ostringstream o, e;
    int rc = cli::Run(args, o, e);
    if (err) *err = e.str();
    return rc;
}

} // namespace

TEST_F(Detailed, CliWritesOnePdfOrOnePerStudent) {
    TempFolder folder;
    auto gb = Class();
    gb->SetCell(1, 2, "Ann/Lee");    // a folder separator
    AddStudent(*gb, "ann/lee", "C"); // the same file where case does not count
    AddStudent(*gb, "..", "D");
    AddStudent(*gb, "CON", "E");
    RecomputeAll(*gb);
    const std::string file = folder / "class.gbd";
    {
        std::ofstream out(file, std::ios::binary);
        out << WriteGradebook(*gb);
    }
    std::string err;
    const std::string pdf = folder / "all.pdf";
    ASSERT_EQ(Cli({"print", "progress", file, "--detailed", "-o", pdf, "--landscape"}, &err),
              cli::kShown)
        << err;
    EXPECT_NE(Exec("pdfinfo", {QString::fromStdString(pdf)}).find("Pages:           5"),
              std::string::npos);
    std::string text = Exec("pdftotext", {"-layout", QString::fromStdString(pdf), "-"});
    for (const char* t : {"Progress Report", "Ann/Lee", "Ben Ode", "Final average", "+5 curve"})
        EXPECT_NE(text.find(t), std::string::npos) << t;

    const std::string dir = folder / "families";
    ASSERT_EQ(Cli({"print", "progress", file, "--detailed", "--split", dir, "--paper", "a4"}, &err),
              cli::kShown)
        << err;
    std::set<std::string> files;
    for (const auto& f : std::filesystem::directory_iterator(dir))
        files.insert(f.path().filename().string());
    EXPECT_EQ(files, (std::set<std::string>{"Ann_Lee.pdf", "Ben Ode.pdf", "ann_lee (2).pdf",
                                            "Student.pdf", "_CON.pdf"}));
    const std::string ben = dir + "/Ben Ode.pdf";
    EXPECT_NE(Exec("pdfinfo", {QString::fromStdString(ben)}).find("(A4)"), std::string::npos);
    std::string benText = Exec("pdftotext", {QString::fromStdString(ben), "-"});
    EXPECT_NE(benText.find("Ben Ode"), std::string::npos);
    EXPECT_EQ(benText.find("Ann/Lee"), std::string::npos) << "each family its own";

    // With --student, one file.
    const std::string one = folder / "one";
    ASSERT_EQ(
        Cli({"print", "progress", file, "--detailed", "--split", one, "--student", "Ben Ode"}),
        cli::kShown);
    EXPECT_TRUE(std::filesystem::exists(one + "/Ben Ode.pdf"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(one), {}), 1);

    // What does not go together is wrong usage.
    EXPECT_EQ(Cli({"print", "progress", file, "--detailed", "--grade", "both", "-o", pdf}, &err),
              cli::kUsage);
    EXPECT_NE(err.find("does not apply to the detailed progress report"), std::string::npos) << err;
    EXPECT_EQ(Cli({"print", "progress", file, "--detailed", "-o", pdf, "--split", dir}),
              cli::kUsage);
    EXPECT_EQ(Cli({"print", "gradebook", file, "--detailed", "-o", pdf}), cli::kUsage);
    EXPECT_EQ(Cli({"print", "detailed progress", file, "-o", pdf}), cli::kUsage);
}

TEST_F(Detailed, ThePrintDialogOffersItWithPreviewAndPrinting) {
    TNewPrintDlg dlg;
    dlg.show();
    ASSERT_EQ(dlg.RadioGroup1->Count(), 4);
    EXPECT_EQ(dlg.RadioGroup1->Button(3)->text(), "Detailed progress report");
    dlg.RadioGroup1->SetItemIndex(3);
    EXPECT_EQ(dlg.Options().ReportType, TReportType::DetailedProgress);
    EXPECT_EQ(dlg.Notebook1->currentWidget()->objectName(), "Progress");
    EXPECT_FALSE(dlg.OmitBox->isHidden());
    EXPECT_TRUE(dlg.ShadeBox->isHidden());
    EXPECT_TRUE(dlg.GradeGroup->isHidden());
    EXPECT_TRUE(dlg.OrientGroup->isHidden());
    dlg.RadioGroup1->SetItemIndex(2);
    EXPECT_FALSE(dlg.GradeGroup->isHidden()) << "the plain progress report is as it was";

    // The preview counts its pages, and its Print prints them.
    ScopedPrompts prompts;
    TPrintController controller;
    TempFolder folder;
    auto gb = LongClass(3, 70);
    const std::string path = folder / "detailed.pdf";
    QPrinter& printer = controller.Printer(TReportType::DetailedProgress);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    printer.setPageOrientation(QPageLayout::Landscape);
    prompts.Script.DialogActions.push_back([](QDialog& d) {
        auto& dlg = static_cast<TNewPrintDlg&>(d);
        dlg.RadioGroup1->SetItemIndex(3);
        dlg.CheckBox1->setChecked(true);
        dlg.OkButton->click();
    });
    int counted = 0;
    bool continued = false;
    prompts.Script.DialogActions.push_back([&](QDialog& d) {
        auto& preview = static_cast<TPreviewForm&>(d);
        ASSERT_TRUE(preview.Pages());
        while (!preview.Pages()->CountComplete())
            QApplication::processEvents();
        counted = preview.Pages()->Counted();
        auto second = preview.Pages()->Page(1);
        continued = second && FindText(*second, "(continued)");
        EXPECT_GT(second->PaperMm.width(), second->PaperMm.height()) << "the printer's landscape";
        preview.PrintAction->trigger();
        preview.CloseAction->trigger();
    });
    controller.Print1Click(*gb);
    EXPECT_TRUE(prompts.Script.Unexpected.isEmpty())
        << prompts.Script.Unexpected.join("; ").toStdString();
    EXPECT_TRUE(prompts.Script.Messages.empty());
    EXPECT_GE(counted, 6) << "70 grades take more than a landscape page";
    EXPECT_TRUE(continued);
    EXPECT_NE(Exec("pdfinfo", {QString::fromStdString(path)})
                  .find("Pages:           " + std::to_string(counted)),
              std::string::npos);
}

// In German and Spanish the dates are the language's, month names included, and no heading of
// the grade table has a word broken over two lines.
TEST_F(Detailed, DatesAndHeadingsInTheWindowsLanguage) {
    auto gb = Class();
    const struct {
        const char* Language;
        QString PrintDate, GradeDate;
    } cases[] = {{"de", QString::fromUtf8("14. M\u00e4rz 2026"), "09.12.25"},
                 {"es", "14 de marzo de 2026", "9/12/25"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Language);
        ASSERT_EQ(InstallTranslations(c.Language), c.Language);
        for (QPageSize::PageSizeId paper : {QPageSize::Letter, QPageSize::A4, QPageSize::A5}) {
            // Built after the language is chosen, as the program builds it.
            TDetailedProgressForm shown;
            shown.PrintDate = QDate(2026, 3, 14);
            shown.Quickxrp1.Page.Paper = paper;
            shown.SetSource(*gb, options);
            const auto pages = AllPages(shown.Quickxrp1);
            ASSERT_FALSE(pages.empty());
            const TReportPage& page = pages.front();
            // The long date may name the weekday first.
            bool dated = false;
            for (const TPlacedItem& item : page.Items)
                if (auto t = std::get_if<TPlacedText>(&item))
                    dated = dated || t->Text.endsWith(c.PrintDate);
            EXPECT_TRUE(dated) << c.PrintDate.toStdString();
            EXPECT_TRUE(FindText(page, c.GradeDate)) << c.GradeDate.toStdString();
            // Every word of every heading is on the page whole.
            for (const char* h :
                 {"Date", "Out of", "Score", "Percent", "Letter", "Class average"}) {
                const QString heading = QCoreApplication::translate("TDetailedProgressForm", h);
                for (const QString& word : heading.split(' ', Qt::SkipEmptyParts)) {
                    bool whole = false;
                    for (const TPlacedItem& item : page.Items)
                        if (auto t = std::get_if<TPlacedText>(&item))
                            whole = whole || t->Text.split(' ').contains(word);
                    EXPECT_TRUE(whole)
                        << heading.toStdString() << ": " << word.toStdString() << " is broken";
                }
            }
        }
    }
    RemoveTranslations();
}

TEST_F(Detailed, TheSampleClassPrintsTheDaysOfTheTermAndAnUndatedGradeNone) {
    TGradebook sample;
    ReadGradebook(ReadFileBytes(MARKLOW_DATA_DIR "/sample-class.gbd"), sample,
                  [](const std::string&) { return true; });
    RecomputeAll(sample);
    // Real dates across a term, the same whichever day the file is opened.
    double first = 1e9, last = -1e9;
    for (int c = 2; c <= sample.LastGradeColumn(); ++c) {
        const double day = sample.GradeAt(c)->Date;
        ASSERT_TRUE(IsGivenDate(day)) << sample.Cell(c, 1);
        first = std::min(first, day);
        last = std::max(last, day);
    }
    EXPECT_GE(last - first, 60) << "a term, not a week";
    EXPECT_LT(last, TodayDate() + 1) << "given before the class was handed out";

    auto pages = Print(sample);
    ASSERT_FALSE(pages.empty());
    for (int c = 2; c <= sample.LastGradeColumn(); ++c) {
        const std::vector<QString> line = LineOf(pages[0], Q(sample.Cell(c, 1)));
        ASSERT_GE(line.size(), 3u) << sample.Cell(c, 1);
        const QDate day = QDate(1899, 12, 30).addDays(static_cast<qint64>(sample.GradeAt(c)->Date));
        EXPECT_EQ(line[1], QLocale().toString(day, QLocale::ShortFormat));
    }

    // A grade with no date prints none: its line goes from the name straight to the points.
    sample.GradeAt(2)->Date = 0;
    pages = Print(sample);
    const std::vector<QString> line = LineOf(pages[0], Q(sample.Cell(2, 1)));
    ASSERT_GE(line.size(), 2u);
    EXPECT_EQ(line[1], Q(FormatNumber(sample.GradeAt(2)->Points)));
    EXPECT_FALSE(
        FindText(pages[0], QLocale().toString(QDate::currentDate(), QLocale::ShortFormat)));
}
