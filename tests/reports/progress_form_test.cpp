#include "averages.h"
#include "gradebook.h"
#include "page_source.h"
#include "progress_form.h"
#include "report_pages.h"
#include "report_test_app.h"
#include "sample_builder.h"

#include <gtest/gtest.h>

using namespace marklow;
using namespace marklow::testing;

namespace {

constexpr double kMargin = 20;
constexpr double kColumn = (175.9 - 10) / 3 + 5; // column width and space

std::unique_ptr<TGradebook> Class(int students, int grades) {
    auto gb = std::make_unique<TGradebook>();
    gb->SetEditMode(false);
    SetStandardLetterTables(*gb);
    gb->ClassName = "Algebra I";
    for (int g = 1; g <= grades; ++g)
        AddGrade(*gb, "G" + std::to_string(g), 100);
    for (int s = 1; s <= students; ++s) {
        int r = AddStudent(*gb, "Student " + std::to_string(s), "ID-" + std::to_string(s));
        for (int c = 2; c <= gb->LastGradeColumn(); ++c)
            gb->SetCell(c, r, std::to_string(50 + (r + c) % 50));
    }
    RecomputeAll(*gb);
    return gb;
}

class Progress : public ReportTest {
protected:
    std::vector<TReportPage> Print(const TGradebook& gb) {
        form.SetSource(gb, options);
        return AllPages(form.Quickxrp1);
    }
    TRprogform form;
    PrintOptions options;
};

// The student a page is about: the text after the "Student" caption.
std::string StudentOf(const TReportPage& page) {
    const TPlacedText* caption = FindText(page, "Student");
    if (!caption) return {};
    for (const TPlacedText& t : Texts(page))
        if (std::abs(t.Pos.y() - caption->Pos.y()) < 1e-6 && std::abs(t.Pos.x() - 40.32) < 1e-6)
            return t.Text.toStdString();
    return {};
}

// Grade names on a page with the column (0 to 2) each stands in.
std::vector<std::pair<std::string, int>> GradeLines(const TReportPage& page) {
    std::vector<std::pair<std::string, int>> out;
    for (const TPlacedText& t : Texts(page)) {
        if (!t.Text.startsWith("G") || t.Text == "Grade" || t.Text == "Grade Name") continue;
        int column = static_cast<int>((t.Pos.x() - kMargin - 1.69 + 1) / kColumn);
        out.emplace_back(t.Text.toStdString(), column);
    }
    return out;
}

} // namespace

TEST_F(Progress, EveryStudentOnPagesOfTheirOwn) {
    auto gb = Class(3, 5);
    auto pages = Print(*gb);
    ASSERT_EQ(pages.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(StudentOf(pages[i]), "Student " + std::to_string(i + 1));
        EXPECT_EQ(GradeLines(pages[i]).size(), 5u);
        EXPECT_TRUE(FindText(pages[i], std::string(gb->Cell(0, i + 2)).c_str()));
    }
    // The average beside "Average", the class in the header.
    EXPECT_TRUE(FindText(pages[0], "Algebra I"));
    // Under IDs the progress report still names the student.
    options.PrintStudent = TPrintStudent::IDs;
    EXPECT_EQ(StudentOf(Print(*gb)[1]), "Student 2");
}

TEST_F(Progress, ThreeColumnsThenTheNextPageUnderTheSameHeader) {
    auto gb = Class(2, 100);
    auto pages = Print(*gb);
    // 29 lines of 7.2 mm fit a column: 87 a page, 13 on the next.
    ASSERT_EQ(pages.size(), 4u);
    auto lines = GradeLines(pages[0]);
    ASSERT_EQ(lines.size(), 87u);
    EXPECT_EQ(lines[0], std::make_pair(std::string("G1"), 0));
    EXPECT_EQ(lines[29], std::make_pair(std::string("G30"), 1));
    EXPECT_EQ(lines[58], std::make_pair(std::string("G59"), 2));
    const TPlacedText* first = FindText(pages[0], "G1");
    const TPlacedText* top2 = FindText(pages[0], "G30");
    EXPECT_NEAR(first->Pos.y(), top2->Pos.y(), 1e-9);
    EXPECT_NEAR(top2->Pos.x(), kMargin + kColumn + 1.69, 1e-6);
    EXPECT_EQ(StudentOf(pages[1]), "Student 1");
    EXPECT_EQ(GradeLines(pages[1]).size(), 13u);
    EXPECT_EQ(GradeLines(pages[1]).front().first, "G88");
    EXPECT_EQ(StudentOf(pages[2]), "Student 2");
    // A column header at the top of each column used, none in the others.
    int headers = 0;
    for (const auto& t : Texts(pages[0]))
        headers += t.Text == "Grade Name";
    EXPECT_EQ(headers, 3);
    headers = 0;
    for (const auto& t : Texts(pages[1]))
        headers += t.Text == "Grade Name";
    EXPECT_EQ(headers, 1);
}

TEST_F(Progress, SelectedWithTheOmitRuleOfThatStudent) {
    auto gb = Class(3, 6);
    gb->SetCell(4, 3, ""); // a gap before the student's last entry stays
    for (int c = 6; c <= 7; ++c)
        gb->SetCell(c, 3, "");
    gb->SetCell(5, 3, "abc"); // printed as typed
    options.AllStudents = false;
    options.SelectedStudent = 1; // row 3
    options.OmitAfterLastEntry = true;
    options.PrintGrade = TPrintGrade::NumbersOnly;
    auto pages = Print(*gb);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(StudentOf(pages[0]), "Student 2");
    std::vector<std::string> names;
    for (const auto& [name, column] : GradeLines(pages[0]))
        names.push_back(name);
    // Others have entries in G5 and G6; this student's last is G4.
    EXPECT_EQ(names, (std::vector<std::string>{"G1", "G2", "G3", "G4"}));
    EXPECT_TRUE(FindText(pages[0], "abc"));
    // With every student, only trailing grades nobody has are left out.
    options.AllStudents = true;
    pages = Print(*gb);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(GradeLines(pages[1]).size(), 4u + 0u + 2u);
}

TEST_F(Progress, EmptyAndCurvedEntries) {
    auto gb = Class(1, 3);
    TGrade& g = *gb->GradeAt(2);
    g.Curve = true;
    g.CurveAmount = 5;
    gb->SetCell(2, 2, "80");
    gb->SetCell(3, 2, "");
    options.ShadeCurved = true;
    options.PrintGrade = TPrintGrade::NumbersOnly;
    auto page = Print(*gb)[0];
    EXPECT_TRUE(FindText(page, "85"));
    int grey = 0, lines = 0;
    for (const TPlacedShape& s : Shapes(page)) {
        if (s.Fill.isValid() && s.Fill != QColor(Qt::white)) ++grey;
        if (s.Fill == QColor(Qt::white)) ++lines;
    }
    EXPECT_EQ(grey, 1); // the curved 85 only; the empty G2 is a white, empty cell
    EXPECT_EQ(lines, 2);
}

TEST_F(Progress, NoGradesNoStudentsOrNoSelection) {
    // Without grades each student still gets a page: the header alone.
    auto gb = Class(2, 0);
    auto pages = Print(*gb);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(StudentOf(pages[1]), "Student 2");
    EXPECT_TRUE(GradeLines(pages[1]).empty());
    EXPECT_TRUE(form.NothingToPrint().isEmpty());
    // Every grade omitted: the same.
    gb = Class(2, 3);
    for (int r = 2; r <= 3; ++r)
        for (int c = 2; c <= 4; ++c)
            gb->SetCell(c, r, "");
    options.OmitAfterLastEntry = true;
    pages = Print(*gb);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(GradeLines(pages[0]).empty());
    // No students: nothing prints, and the reason is told.
    gb = Class(0, 3);
    gb->SetEditMode(true);
    EXPECT_TRUE(Print(*gb).empty());
    EXPECT_EQ(form.NothingToPrint(), "There are no students to print progress reports for.");
    // "Selected" with nobody selected never takes a heading row for a student.
    gb = Class(2, 3);
    options.AllStudents = false;
    options.SelectedStudent = -1;
    EXPECT_TRUE(Print(*gb).empty());
    EXPECT_FALSE(form.NothingToPrint().isEmpty());
}

TEST_F(Progress, PagesLaidOutAgainAreTheSame) {
    auto gb = Class(6, 70);
    options.PrintGrade = TPrintGrade::NumbersAndLetters;
    form.SetSource(*gb, options);
    std::vector<std::string> expected;
    for (const auto& p : AllPages(form.Quickxrp1))
        expected.push_back(Describe(p));
    ASSERT_EQ(expected.size(), 6u);
    TReportPages pages(form.Quickxrp1, 1);
    pages.CountAll();
    ASSERT_EQ(pages.Counted(), 6);
    for (int i : {5, 2, 3, 0, 4, 1})
        EXPECT_EQ(Describe(*pages.Page(i)), expected[i]) << i;
}

// On Letter and A4, upright and turned, every mark stays 10 mm inside the paper and every
// line's grade stays inside its framed column.
TEST_F(Progress, ColumnsKeepTheirGradesOnLetterAndA4) {
    auto gb = Class(2, 120);
    options.ShadeCurved = true;
    for (int c = 2; c <= gb->LastGradeColumn(); ++c) {
        gb->GradeAt(c)->Curve = true;
        gb->GradeAt(c)->CurveAmount = 1;
    }
    options.PrintGrade = TPrintGrade::NumbersAndLetters;
    for (auto paper : {QPageSize::Letter, QPageSize::A4}) {
        for (auto o : {QPageLayout::Portrait, QPageLayout::Landscape}) {
            form.Quickxrp1.Page.Paper = paper;
            form.Quickxrp1.Page.Orientation = o;
            TTextMeasurer m;
            for (const TReportPage& p : Print(*gb)) {
                QRectF inside(10, 10, p.PaperMm.width() - 20, p.PaperMm.height() - 20);
                std::vector<double> rights; // the frames' right edges
                for (const TPlacedShape& s : Shapes(p)) {
                    QRectF r = s.Kind == TPlacedShape::TKind::Line
                                   ? QRectF(s.Line.p1(), s.Line.p2()).normalized()
                                   : s.Rect;
                    EXPECT_TRUE(Inside(inside, r));
                    if (s.Kind == TPlacedShape::TKind::Line && s.Line.x1() == s.Line.x2())
                        rights.push_back(s.Line.x1());
                    if (s.Kind == TPlacedShape::TKind::Rectangle && !s.Fill.isValid())
                        rights.push_back(s.Rect.right());
                }
                for (const TPlacedShape& s : Shapes(p)) {
                    if (!s.Fill.isValid()) continue;
                    // A grade's background ends at or before the first rule to its right.
                    double rule = 1e9;
                    for (double x : rights)
                        if (x > s.Rect.left() + 0.01) rule = std::min(rule, x);
                    EXPECT_LE(s.Rect.right(), rule + 0.01);
                }
                for (const TPlacedText& t : Texts(p))
                    EXPECT_LE(t.Pos.x() + m.Width(t.Font, t.Text), inside.right());
            }
        }
    }
}

namespace {

// The lines printed from x on, from the top of the header down to (not including) y, joined
// by blanks: a wrapped text read back whole.
std::string LinesAt(const TReportPage& page, double x, double yFrom, double yTo) {
    std::string out;
    for (const TPlacedText& t : Texts(page)) {
        if (std::abs(t.Pos.x() - x) > 1e-6 || t.Pos.y() < yFrom - 1e-6 || t.Pos.y() >= yTo)
            continue;
        if (!out.empty()) out += ' ';
        out += t.Text.toStdString();
    }
    return out;
}

const std::string kLongStudent =
    "Maximilian Alexander Fernsworth-Bellingham van der Heijden III"; // 62 characters
const std::string kLongClass = "Advanced Placement Environmental Science and Field Studies";
const std::string kLongTeacher = "Dr. Evangeline Montgomery-Castellanos de la Fuente";
const std::string kLongGrade = "Unit 4 Laboratory Report: Water Quality of the Riverside Creek";

} // namespace

// On a page for parents no name is cut: the header makes room for long names of the student,
// the class and the teacher, and a detail line for a long grade name.
TEST_F(Progress, LongNamesArePrintedWhole) {
    auto gb = Class(2, 40);
    gb->SetCell(1, 2, kLongStudent);
    gb->ClassName = kLongClass;
    gb->Teacher = kLongTeacher;
    gb->ClassNumber = "ENV-SCI 2024 FALL SECTION 07";
    gb->SetCell(3, 1, kLongGrade);
    RecomputeAll(*gb);
    auto pages = Print(*gb);
    ASSERT_EQ(pages.size(), 2u);
    const TReportPage& page = pages[0];
    for (const TPlacedText& t : Texts(page)) {
        EXPECT_FALSE(t.Text.contains(QChar(0x2026))) << t.Text.toStdString();
        EXPECT_FALSE(t.Clipped) << t.Text.toStdString();
        EXPECT_GE(t.Font.PointSize, 8) << t.Text.toStdString();
    }
    const TPlacedText* student = FindText(page, "Student");
    const TPlacedText* columns = FindText(page, "Grade Name");
    ASSERT_TRUE(student && columns);
    const double top = kMargin;
    EXPECT_EQ(LinesAt(page, kMargin + 20.32, top, student->Pos.y()), kLongTeacher);
    EXPECT_EQ(LinesAt(page, kMargin + 77.89, top, student->Pos.y()), kLongClass);
    EXPECT_EQ(LinesAt(page, kMargin + 150.71, top, student->Pos.y()),
              "ENV-SCI 2024 FALL SECTION 07");
    EXPECT_EQ(LinesAt(page, kMargin + 20.32, student->Pos.y(), columns->Pos.y()), kLongStudent);
    // Every header line ends above the column headings' frame.
    TTextMeasurer m;
    double headerBottom = 0;
    for (const TPlacedText& t : Texts(page))
        if (t.Pos.y() < columns->Pos.y() - 3.39 + 1e-6)
            headerBottom = std::max(headerBottom, t.Pos.y() + m.Metrics(t.Font).Height);
    EXPECT_LE(headerBottom, columns->Pos.y() - 3.39);
    // The long grade name takes the lines it needs inside its own framed line; the next
    // grade starts below it.
    const TPlacedText* g1 = FindText(page, "G1");
    const TPlacedText* g3 = FindText(page, "G3");
    ASSERT_TRUE(g1 && g3);
    EXPECT_EQ(LinesAt(page, g1->Pos.x(), g1->Pos.y() + 1, g3->Pos.y()), kLongGrade);
    EXPECT_GT(g3->Pos.y() - g1->Pos.y(), 2 * 7.20);
    // The other student's short name leaves the header shorter.
    EXPECT_EQ(LinesAt(pages[1], kMargin + 20.32, student->Pos.y(), student->Pos.y() + 1),
              "Student 2");
    const TPlacedText* otherColumns = FindText(pages[1], "Grade Name");
    ASSERT_TRUE(otherColumns);
    EXPECT_LT(otherColumns->Pos.y(), columns->Pos.y());
}

TEST_F(Progress, ANameALittleTooLongShrinksOntoItsLine) {
    auto gb = Class(1, 3);
    gb->SetCell(1, 2, "Maximilian Alexander Fernsworth");
    RecomputeAll(*gb);
    auto page = Print(*gb)[0];
    EXPECT_EQ(StudentOf(page), "Maximilian Alexander Fernsworth");
    const TPlacedText* name = FindText(page, "Maximilian Alexander Fernsworth");
    ASSERT_TRUE(name);
    EXPECT_LT(name->Font.PointSize, 10);
    EXPECT_GE(name->Font.PointSize, 8);
    EXPECT_NEAR(name->Pos.y(), FindText(page, "Student")->Pos.y(), 1e-9);
    EXPECT_NEAR(name->Pos.y(), kMargin + 10.16, 1e-9) << "the header keeps its rows";
}

TEST_F(Progress, PagesWithLongNamesAreCountedAsTheyAreLaidOut) {
    auto gb = Class(4, 90);
    for (int c = 2; c <= gb->LastGradeColumn(); c += 3)
        gb->SetCell(c, 1, kLongGrade + " " + std::to_string(c));
    gb->SetCell(1, 3, kLongStudent);
    RecomputeAll(*gb);
    form.SetSource(*gb, options);
    std::vector<std::string> expected;
    for (const auto& p : AllPages(form.Quickxrp1))
        expected.push_back(Describe(p));
    TReportPages pages(form.Quickxrp1, 1);
    pages.CountAll();
    ASSERT_EQ(pages.Counted(), static_cast<int>(expected.size()));
    for (int i = pages.Counted() - 1; i >= 0; --i)
        EXPECT_EQ(Describe(*pages.Page(i)), expected[static_cast<size_t>(i)]) << i;
}
