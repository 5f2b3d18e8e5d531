#include "averages.h"
#include "gbook_form.h"
#include "gradebook.h"
#include "page_source.h"
#include "painter.h"
#include "report_pages.h"
#include "report_test_app.h"
#include "sample_builder.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <map>

using namespace marklow;
using namespace marklow::testing;

namespace {

constexpr double kMargin = 20;
constexpr double kFirstLine = kMargin + 19.05 + 32.17; // top of the first detail line
constexpr double kLine = 5.50;

// students named "Student n" with ID "ID-n"; grade c named "Gn"; every entry filled.
std::unique_ptr<TGradebook> Class(int students, int grades, bool entries = true) {
    auto gb = std::make_unique<TGradebook>();
    gb->SetEditMode(false);
    SetStandardLetterTables(*gb);
    gb->Teacher = "Ms. Rivera";
    gb->ClassName = "Algebra I";
    gb->ClassNumber = "Period 3";
    for (int g = 1; g <= grades; ++g)
        AddGrade(*gb, "G" + std::to_string(g), 100);
    for (int s = 1; s <= students; ++s) {
        int r = AddStudent(*gb, "Student " + std::to_string(s), "ID-" + std::to_string(s));
        if (!entries) continue;
        for (int c = 2; c <= gb->LastGradeColumn(); ++c)
            gb->SetCell(c, r, std::to_string(60 + (r * 7 + c) % 40));
    }
    RecomputeAll(*gb);
    return gb;
}

class GBookForm : public ReportTest {
protected:
    std::vector<TReportPage> Print(const TGradebook& gb,
                                   QPageSize::PageSizeId paper = QPageSize::Letter) {
        form.SetSource(gb, options);
        form.Quickxrp1.Page.Paper = paper;
        return AllPages(form.Quickxrp1);
    }
    TGBookForm form;
    PrintOptions options;
};

// The grade headings of a page, left to right (the student average's heading left out).
std::vector<std::string> Headings(const TReportPage& page) {
    std::vector<std::string> out;
    for (const TPlacedText& t : Texts(page))
        if (t.Angle == 90 && t.Text != "Student Average") out.push_back(t.Text.toStdString());
    return out;
}

// The texts of each detail line, left to right: name, average, then the cells.
std::vector<std::vector<std::string>> Lines(const TReportPage& page) {
    std::map<int, std::vector<TPlacedText>> rows;
    for (const TPlacedText& t : Texts(page)) {
        if (t.Angle != 0 || t.Pos.y() < kFirstLine) continue;
        rows[static_cast<int>((t.Pos.y() - kFirstLine) / kLine)].push_back(t);
    }
    std::vector<std::vector<std::string>> out;
    for (auto& [index, texts] : rows) {
        std::sort(texts.begin(), texts.end(),
                  [](const auto& a, const auto& b) { return a.Pos.x() < b.Pos.x(); });
        std::vector<std::string> line;
        for (const auto& t : texts)
            line.push_back(t.Text.toStdString());
        out.push_back(line);
    }
    return out;
}

std::vector<std::string> Names(const TReportPage& page) {
    std::vector<std::string> out;
    for (const auto& line : Lines(page))
        out.push_back(line.front());
    return out;
}

// Rectangles as wide as a grade column in the column header: the printed heading boxes.
int HeadingBoxes(const TReportPage& page) {
    int n = 0;
    for (const TPlacedShape& s : Shapes(page))
        if (s.Kind == TPlacedShape::TKind::Rectangle && !s.Fill.isValid() &&
            s.Rect.top() < kFirstLine - 1 && s.Rect.top() > kMargin + 19)
            ++n;
    return n;
}

} // namespace

TEST_F(GBookForm, TwelveGradesMakeOneColumnPageInLandscapeAndThirteenTwo) {
    options.Orientation = TReportOrientation::Landscape;
    auto gb = Class(3, 12);
    auto pages = Print(*gb);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].PaperMm, QSizeF(279.4, 215.9));
    EXPECT_EQ(Headings(pages[0]).size(), 12u);
    EXPECT_EQ(Headings(pages[0]).back(), "G12");
    EXPECT_EQ(Names(pages[0]),
              (std::vector<std::string>{"Class Average", "Student 1", "Student 2", "Student 3"}));

    gb = Class(3, 13);
    pages = Print(*gb);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(Headings(pages[1]), std::vector<std::string>{"G13"});
    // The second column page repeats every line with its one grade; positions 2 to 12
    // print nothing, boxes included.
    EXPECT_EQ(Names(pages[1]), Names(pages[0]));
    EXPECT_EQ(HeadingBoxes(pages[0]), 1 + 12);
    EXPECT_EQ(HeadingBoxes(pages[1]), 1 + 1);
    auto lines = Lines(pages[1]);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1].size(), 3u); // name, average, one cell
    EXPECT_EQ(lines[1][2], std::string(gb->Cell(14, 2)));
}

TEST_F(GBookForm, EightGradesMakeOneColumnPageInPortraitAndNineTwo) {
    auto gb = Class(2, 8);
    auto pages = Print(*gb);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].PaperMm, QSizeF(215.9, 279.4));
    EXPECT_EQ(Headings(pages[0]),
              (std::vector<std::string>{"G1", "G2", "G3", "G4", "G5", "G6", "G7", "G8"}));
    gb = Class(2, 9);
    pages = Print(*gb);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(Headings(pages[1]), std::vector<std::string>{"G9"});
    EXPECT_EQ(HeadingBoxes(pages[0]), 1 + 8);
}

TEST_F(GBookForm, StudentsRunOnOverPagesAndEachColumnPageStartsWithTheClassAverage) {
    auto gb = Class(60, 9);
    auto pages = Print(*gb);
    // Portrait Letter holds 34 lines below the headings: the class average and 33 students,
    // then 27 more; the same again for the ninth grade.
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(Names(pages[0]).size(), 34u);
    EXPECT_EQ(Names(pages[0]).front(), "Class Average");
    EXPECT_EQ(Names(pages[0]).back(), "Student 33");
    EXPECT_EQ(Names(pages[1]).front(), "Student 34");
    EXPECT_EQ(Names(pages[1]).back(), "Student 60");
    EXPECT_EQ(Headings(pages[1]), Headings(pages[0]));
    EXPECT_EQ(Names(pages[2]).front(), "Class Average");
    EXPECT_EQ(Headings(pages[2]), std::vector<std::string>{"G9"});
    EXPECT_EQ(Headings(pages[3]), std::vector<std::string>{"G9"});
    int averages = 0;
    for (const auto& p : pages)
        for (const auto& n : Names(p))
            averages += n == "Class Average";
    EXPECT_EQ(averages, 2);
    // Every page repeats the page header.
    for (const auto& p : pages)
        EXPECT_TRUE(FindText(p, "Gradebook for Algebra I"));
}

TEST_F(GBookForm, TheClassAverageLineCopiesTheAveragesRow) {
    auto gb = Class(4, 3);
    gb->GradeAt(3)->OmitClassAverage = true;
    RecomputeAll(*gb);
    auto lines = Lines(Print(*gb)[0]);
    ASSERT_GE(lines.size(), 2u);
    // The average cell holds one blank; column 3 has no average.
    EXPECT_EQ(lines[0], (std::vector<std::string>{"Class Average", " ", std::string(gb->Cell(2, 0)),
                                                  std::string(gb->Cell(4, 0))}));
    EXPECT_EQ(lines[1][0], "Student 1");
    EXPECT_EQ(lines[1][1], std::string(gb->Cell(0, 2)));
}

TEST_F(GBookForm, NamesOrIds) {
    auto gb = Class(2, 1);
    options.PrintStudent = TPrintStudent::IDs;
    EXPECT_EQ(Names(Print(*gb)[0]), (std::vector<std::string>{"Class Average", "ID-1", "ID-2"}));
    options.PrintStudent = TPrintStudent::Names;
    EXPECT_EQ(Names(Print(*gb)[0]),
              (std::vector<std::string>{"Class Average", "Student 1", "Student 2"}));
}

TEST_F(GBookForm, PrintedGradesAndShading) {
    auto gb = Class(3, 2, false);
    TGrade& curved = *gb->GradeAt(2);
    curved.Curve = true;
    curved.CurveAmount = 5;
    gb->SetCell(2, 2, "80");
    gb->SetCell(2, 3, "/80");
    gb->SetCell(2, 4, "abc");
    gb->SetCell(3, 2, "B");
    RecomputeAll(*gb);
    options.PrintGrade = TPrintGrade::NumbersOnly;
    options.ShadeCurved = true;
    auto pages = Print(*gb);
    auto lines = Lines(pages[0]);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1],
              (std::vector<std::string>{"Student 1", std::string(gb->Cell(0, 2)), "85", "85"}));
    EXPECT_EQ(lines[2].back(), "80");
    EXPECT_EQ(lines[3].back(), "abc");
    // Only the curved 85 is shaded; the grey never reaches past its cell.
    std::vector<QRectF> grey;
    for (const TPlacedShape& s : Shapes(pages[0]))
        if (s.Fill.isValid() && s.Fill != QColor(Qt::white)) grey.push_back(s.Rect);
    ASSERT_EQ(grey.size(), 1u);
    const double cellLeft = kMargin + 52.49;
    EXPECT_GE(grey[0].left(), cellLeft - 1e-9);
    EXPECT_LE(grey[0].right(), cellLeft + 15.24 + 1e-9);
    EXPECT_GE(grey[0].top(), kFirstLine + kLine);
    EXPECT_LE(grey[0].bottom(), kFirstLine + 2 * kLine);
    options.ShadeCurved = false;
    for (const TPlacedShape& s : Shapes(Print(*gb)[0]))
        EXPECT_TRUE(!s.Fill.isValid() || s.Fill == QColor(Qt::white));
    options.PrintGrade = TPrintGrade::NumbersAndLetters;
    EXPECT_EQ(Lines(Print(*gb)[0])[1].back(), "85=B");
}

TEST_F(GBookForm, OmitLeavesOutTrailingGradesWithoutEntries) {
    auto gb = Class(3, 5, false);
    gb->SetCell(4, 3, "7"); // an entry in G3; G2 stays empty but is kept
    gb->SetEditMode(true);  // the spare row's cells are not a student's
    gb->SetCell(6, gb->LastStudentRow() + 1, "99");
    RecomputeAll(*gb);
    options.OmitAfterLastEntry = true;
    auto pages = Print(*gb);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(Headings(pages[0]), (std::vector<std::string>{"G1", "G2", "G3"}));
    EXPECT_EQ(LastPrintedGradeColumn(*gb, true), 4);
    EXPECT_EQ(LastPrintedGradeColumn(*gb, false), 6);
    // Nothing entered anywhere: no grade columns, the lines still print.
    gb->SetCell(4, 3, "");
    pages = Print(*gb);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(Headings(pages[0]).empty());
    EXPECT_EQ(HeadingBoxes(pages[0]), 1);
    EXPECT_EQ(Names(pages[0]).size(), 4u);
}

TEST_F(GBookForm, NoGradesOrNoStudents) {
    auto gb = Class(2, 0);
    auto pages = Print(*gb);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(Headings(pages[0]).empty());
    EXPECT_EQ(Lines(pages[0])[1], (std::vector<std::string>{"Student 1"}));
    gb = Class(0, 9);
    pages = Print(*gb);
    ASSERT_EQ(pages.size(), 2u);
    for (const auto& p : pages)
        EXPECT_EQ(Names(p), std::vector<std::string>{"Class Average"});
}

TEST_F(GBookForm, HeadingsReadUpwardFromTheBottomOfTheirBox) {
    options.Orientation = TReportOrientation::Landscape;
    auto gb = Class(1, 12);
    auto pages = Print(*gb);
    TTextMeasurer m;
    TFontStyle bold;
    bold.Bold = true;
    const double th = m.Metrics(bold).Height;
    for (int i = 1; i <= 12; ++i) {
        const TPlacedText* t = FindText(pages[0], QString("G%1").arg(i));
        ASSERT_TRUE(t) << i;
        EXPECT_EQ(t->Angle, 90);
        EXPECT_TRUE(t->Font.Bold);
        // The cell's top left corner, turned: at the element's bottom, flush with its right.
        // Within a dot or two: the geometry works in whole report dots.
        EXPECT_NEAR(t->Pos.x(), kMargin + 58.00 + 15.24 * (i - 1) + 4.02 - th, 0.008);
        EXPECT_NEAR(t->Pos.y(), kMargin + 19.05 + 30.48, 0.008);
        EXPECT_FALSE(t->Clipped);
    }
}

TEST_F(GBookForm, TheHeaderCarriesTheDescription) {
    auto gb = Class(1, 1);
    auto page = Print(*gb)[0];
    for (const char* text : {"Gradebook for Algebra I", "Teacher", "Ms. Rivera", "Class Number",
                             "Period 3", "Student Average"})
        EXPECT_TRUE(FindText(page, text)) << text;
    EXPECT_NEAR(FindText(page, "Ms. Rivera")->Pos.x(), kMargin + 22.01, 1e-9);
}

TEST_F(GBookForm, LongTextsStayInTheirBoxes) {
    auto gb = Class(2, 2);
    gb->SetCell(1, 2, "Maximiliana Alexandra Featherstonehaugh-Worthington");
    gb->SetCell(2, 1, "A grade name far longer than its heading can hold upright");
    gb->SetCell(2, 2, "87 handed in late with a long excuse");
    gb->Teacher = "Professor Bartholomew Featherstonehaugh-Worthington the Third";
    RecomputeAll(*gb);
    auto page = Print(*gb)[0];
    TTextMeasurer m;
    for (const TPlacedText& t : Texts(page)) {
        SCOPED_TRACE(t.Text.toStdString());
        EXPECT_FALSE(t.Clipped);
        double w = m.Width(t.Font, t.Text);
        if (t.Angle == 0) {
            EXPECT_LE(t.Pos.x() + w, t.Box.right() + 0.001);
            EXPECT_GE(t.Pos.x(), t.Box.left() - 0.001);
        } else {
            EXPECT_GE(t.Pos.y() - w, t.Box.top() - 0.001);
        }
    }
    // The long name is printed whole, wrapped within its box (see LongNamesAreFittedNotCut).
    EXPECT_FALSE(Names(page)[1].ends_with("\u2026"));
    // The teacher's name stops short of "Class Number".
    const TPlacedText* teacher = nullptr;
    for (const TPlacedText& t : Texts(page))
        if (t.Text.startsWith("Professor")) teacher = &t;
    ASSERT_TRUE(teacher);
    EXPECT_LT(teacher->Pos.x() + m.Width(teacher->Font, teacher->Text), kMargin + 62.02);
}

// On Letter and A4, upright and turned, every mark stays at least 10 mm inside the paper.
TEST_F(GBookForm, EverythingStaysTenMillimetresInsideThePaper) {
    auto gb = Class(80, 12);
    gb->ClassName = std::string(200, 'W');
    gb->ClassNumber = std::string(200, 'N');
    RecomputeAll(*gb);
    for (auto paper : {QPageSize::Letter, QPageSize::A4}) {
        for (auto o : {TReportOrientation::Portrait, TReportOrientation::Landscape}) {
            options.Orientation = o;
            TTextMeasurer m;
            for (const TReportPage& p : Print(*gb, paper)) {
                QRectF inside(10, 10, p.PaperMm.width() - 20, p.PaperMm.height() - 20);
                for (const TPlacedShape& s : Shapes(p)) {
                    QRectF r = s.Kind == TPlacedShape::TKind::Line
                                   ? QRectF(s.Line.p1(), s.Line.p2()).normalized()
                                   : s.Rect;
                    EXPECT_TRUE(inside.contains(r)) << p.Number;
                }
                for (const TPlacedText& t : Texts(p)) {
                    EXPECT_TRUE(inside.contains(t.Box)) << t.Text.toStdString();
                    if (t.Angle == 0) {
                        EXPECT_LE(t.Pos.x() + m.Width(t.Font, t.Text), inside.right());
                    }
                }
            }
        }
    }
}

TEST_F(GBookForm, EachRunReadsTheGradebookAfresh) {
    auto gb = Class(2, 9);
    auto first = Print(*gb);
    gb->SetCell(1, 2, "Renamed");
    options.Orientation = TReportOrientation::Landscape;
    auto second = Print(*gb);
    ASSERT_EQ(first.size(), 2u);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(Names(second[0])[1], "Renamed");
    EXPECT_EQ(Headings(second[0]).size(), 9u);
    EXPECT_EQ(form.FirstGradeColumn, 2);
}

// Painted, every text of a page leaves ink inside its own box, and shaded cells are grey.
TEST_F(GBookForm, PaintedPagesShowEveryText) {
    auto gb = Class(5, 10);
    gb->GradeAt(2)->Curve = true;
    gb->GradeAt(2)->CurveAmount = 2;
    RecomputeAll(*gb);
    options.ShadeCurved = true;
    options.PrintGrade = TPrintGrade::NumbersAndLetters;
    for (const TReportPage& page : Print(*gb)) {
        const double scale = 8; // pixels per mm
        QImage image(
            QSize(qRound(page.PaperMm.width() * scale), qRound(page.PaperMm.height() * scale)),
            QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            PaintPage(p, page, QRectF(0, 0, image.width(), image.height()));
        }
        TTextMeasurer m;
        for (const TPlacedText& t : Texts(page)) {
            if (t.Text.trimmed().isEmpty()) continue;
            double w = m.Width(t.Font, t.Text), h = m.Metrics(t.Font).Height;
            QRectF r = t.Angle == 0 ? QRectF(t.Pos.x(), t.Pos.y(), w, h)
                                    : QRectF(t.Pos.x(), t.Pos.y() - w, h, w);
            QRect px =
                QRectF(r.topLeft() * scale, r.size() * scale).toRect().adjusted(2, 2, -2, -2);
            int ink = 0;
            for (int y = px.top(); y <= px.bottom(); ++y)
                for (int x = px.left(); x <= px.right(); ++x)
                    ink += qGray(image.pixel(x, y)) < 100;
            EXPECT_GT(ink, 3) << t.Text.toStdString() << " on page " << page.Number;
        }
    }
}

// The texts printed in the name box of the line that starts at top, top to bottom.
std::vector<const TPlacedText*> NameTexts(const TReportPage& page, double top, double bottom) {
    std::vector<const TPlacedText*> out;
    for (const TPlacedItem& item : page.Items)
        if (auto t = std::get_if<TPlacedText>(&item); t && t->Angle == 0 &&
                                                      t->Box.left() < kMargin + 2 &&
                                                      t->Pos.y() > top && t->Pos.y() < bottom)
            out.push_back(t);
    std::sort(out.begin(), out.end(), [](auto a, auto b) { return a->Pos.y() < b->Pos.y(); });
    return out;
}

TEST_F(GBookForm, LongNamesAreFittedNotCut) {
    auto gb = Class(3, 3);
    const std::string twenty = "Christopher Johnston"; // 20 characters: a little smaller
    const std::string longest = "Maximiliana Alexandra Worthington-Smythe"; // wraps
    gb->SetCell(1, 2, twenty);
    gb->SetCell(1, 3, longest);
    RecomputeAll(*gb);
    for (auto o : {TReportOrientation::Landscape, TReportOrientation::Portrait}) {
        options.Orientation = o;
        const std::vector<TReportPage> pages = Print(*gb);
        ASSERT_EQ(pages.size(), 1u);
        const TReportPage& page = pages[0];
        TTextMeasurer m;
        // Where each student line starts: the rules of the name boxes.
        std::vector<double> tops;
        for (const TPlacedShape& s : Shapes(page))
            if (s.Kind == TPlacedShape::TKind::Rectangle && !s.Fill.isValid() &&
                std::abs(s.Rect.left() - kMargin) < 0.01 && s.Rect.width() < 38)
                tops.push_back(s.Rect.top());
        std::sort(tops.begin(), tops.end());
        ASSERT_EQ(tops.size(), 4u); // the class average and three students
        tops.push_back(1e9);
        // One line, whole: the font gives a little, down to 8 points.
        auto first = NameTexts(page, tops[1], tops[2]);
        ASSERT_EQ(first.size(), 1u);
        EXPECT_EQ(first[0]->Text.toStdString(), twenty);
        EXPECT_GE(first[0]->Font.PointSize, 8);
        EXPECT_LT(first[0]->Font.PointSize, 10) << "at 10 points it would have been cut";
        EXPECT_LE(first[0]->Pos.x() + m.Width(first[0]->Font, first[0]->Text),
                  first[0]->Box.right() + 0.001);
        // Too long even at 8 points: wrapped over two lines, every word printed.
        auto second = NameTexts(page, tops[2], tops[3]);
        ASSERT_EQ(second.size(), 2u);
        QStringList words;
        for (const TPlacedText* t : second) {
            EXPECT_FALSE(t->Clipped);
            EXPECT_EQ(t->Font.PointSize, 8);
            EXPECT_FALSE(t->Text.contains(QChar(0x2026))) << t->Text.toStdString();
            EXPECT_LE(t->Pos.x() + m.Width(t->Font, t->Text), t->Box.right() + 0.001);
            words << t->Text.trimmed();
        }
        EXPECT_EQ(words.join(' ').toStdString(), longest);
        // Its line grows to hold both, rules and all; the next student follows below it.
        EXPECT_GT(tops[3] - tops[2], kLine + 1);
        EXPECT_NEAR(tops[2] - tops[1], kLine, 0.01);
        EXPECT_LT(second[1]->Pos.y(), tops[3]);
        for (const TPlacedShape& s : Shapes(page)) {
            if (s.Kind == TPlacedShape::TKind::Rectangle && !s.Fill.isValid() &&
                std::abs(s.Rect.top() - tops[2]) < 0.01) {
                EXPECT_NEAR(s.Rect.bottom(), tops[3], 0.01) << s.Rect.left();
            }
        }
    }
}

TEST_F(GBookForm, TallLinesCountedAndLaidOutAlike) {
    // Pages are counted with the tall lines' heights: seeking to a page gives what running on
    // gives, and no line runs past the bottom margin.
    auto gb = Class(120, 3);
    for (int r = 2; r <= gb->LastStudentRow(); r += 3)
        gb->SetCell(1, r, "Wilhelmina Bartholomew-Featherstonehaugh Jr. " + std::to_string(r));
    RecomputeAll(*gb);
    const std::vector<TReportPage> pages = Print(*gb);
    ASSERT_GT(pages.size(), 2u);
    int names = 0;
    for (const TReportPage& p : pages) {
        for (const TPlacedShape& s : Shapes(p))
            EXPECT_LE(s.Rect.bottom(), p.PaperMm.height() - kMargin + 0.01) << p.Number;
        for (const TPlacedText& t : Texts(p))
            if (t.Text.startsWith("Wilhelmina")) ++names;
    }
    EXPECT_EQ(names, 40) << "every student once, none lost at a page break";
    TReportPages again(form.Quickxrp1);
    for (int i = static_cast<int>(pages.size()) - 1; i >= 0; --i)
        EXPECT_EQ(Describe(*again.Page(i)), Describe(pages[static_cast<size_t>(i)])) << i;
}
