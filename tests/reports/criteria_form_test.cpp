#include "averages.h"
#include "criteria_form.h"
#include "gradebook.h"
#include "page_source.h"
#include "report_pages.h"
#include "report_test_app.h"
#include "sample_builder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

using namespace marklow;
using namespace marklow::testing;

namespace {

constexpr double kTitleTop = 10 + 19.05; // the title band, under the page header

// categories named C1..Cn of 10 % each; grades G1..Gm in category m % n.
std::unique_ptr<TGradebook> Class(int categories, int grades) {
    auto gb = std::make_unique<TGradebook>();
    gb->SetEditMode(false);
    for (int k = 1; k <= categories; ++k)
        gb->Categories.Add("C" + std::to_string(k), 10, false);
    for (int g = 1; g <= grades; ++g)
        AddGrade(*gb, "G" + std::to_string(g), 10 * g, categories ? (g - 1) % categories : 0);
    AddStudent(*gb, "Ann");
    RecomputeAll(*gb);
    return gb;
}

class Criteria : public ReportTest {
protected:
    std::vector<TReportPage> Print(const TGradebook& gb) {
        form.SetSource(gb, options);
        return AllPages(form.Quickxrp1);
    }
    TGradeCriForm form;
    PrintOptions options;
};

// The category rows: the texts of each row, left to right.
std::vector<std::vector<std::string>> CategoryRows(const TReportPage& page) {
    std::map<int, std::vector<TPlacedText>> rows;
    for (const TPlacedText& t : Texts(page)) {
        double y = t.Pos.y() - kTitleTop - 8.47;
        if (y < 0 || t.Text == "Grade Name" || t.Text.startsWith("G") || t.Text == "Category")
            continue;
        rows[static_cast<int>(y / 8.47)].push_back(t);
    }
    std::vector<std::vector<std::string>> out;
    for (auto& [i, texts] : rows) {
        std::sort(texts.begin(), texts.end(),
                  [](const auto& a, const auto& b) { return a.Pos.x() < b.Pos.x(); });
        std::vector<std::string> row;
        for (const auto& t : texts)
            row.push_back(t.Text.toStdString());
        out.push_back(row);
    }
    return out;
}

double Y(const TReportPage& page, const char* text) {
    const TPlacedText* t = FindText(page, text);
    return t ? t->Pos.y() : -1;
}

} // namespace

TEST_F(Criteria, FiveCategoriesMakeThreeRowsLeftHalfFirst) {
    auto gb = Class(5, 1);
    auto page = Print(*gb)[0];
    // Only rows above the grade lines.
    auto rows = CategoryRows(page);
    rows.resize(3);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"C1", "10", "20", "C4", "10", "20"}));
    EXPECT_EQ(rows[1], (std::vector<std::string>{"C2", "10", "20", "C5", "10", "20"}));
    EXPECT_EQ(rows[2], (std::vector<std::string>{"C3", "10", "20"}));
    EXPECT_NEAR(FindText(page, "C4")->Pos.x(), 20 + 89.75, 1e-9);
    // Three framed rows and the empty band, then the column headings.
    EXPECT_NEAR(Y(page, "Grade Name"), kTitleTop + 8.47 * 5 + 1.69, 1e-9);
}

TEST_F(Criteria, OneOrNoCategories) {
    auto gb = Class(1, 2);
    auto page = Print(*gb)[0];
    EXPECT_NEAR(Y(page, "Grade Name"), kTitleTop + 8.47 * 3 + 1.69, 1e-9);
    EXPECT_NEAR(Y(page, "C1"), kTitleTop + 8.47 + 1.69, 1e-9);
    // No categories: no rows, no empty band; every grade is in the nameless default.
    gb = Class(0, 2);
    page = Print(*gb)[0];
    EXPECT_TRUE(FindText(page, "% (entered)"));
    EXPECT_NEAR(Y(page, "Grade Name"), kTitleTop + 8.47 + 1.69, 1e-9);
    const TPlacedText* g1 = FindText(page, "G1");
    ASSERT_TRUE(g1);
    for (const TPlacedText& t : Texts(page)) {
        if (std::abs(t.Pos.y() - g1->Pos.y()) < 1e-9) {
            EXPECT_FALSE(t.Pos.x() > 70 && t.Pos.x() < 130) << t.Text.toStdString();
        }
    }
    // Without any grade the category table still prints.
    gb = Class(2, 0);
    auto pages = Print(*gb);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(FindText(pages[0], "C2"));
}

TEST_F(Criteria, GradeLinesAndTheirShares) {
    auto gb = Class(2, 3);
    gb->GradeAt(4)->ExtraCredit = true; // G3
    gb->PointsAreWeights = true;
    auto page = Print(*gb)[0];
    const TPlacedText* g3 = FindText(page, "G3");
    ASSERT_TRUE(g3);
    std::vector<std::string> line;
    for (const TPlacedText& t : Texts(page))
        if (std::abs(t.Pos.y() - g3->Pos.y()) < 1e-9) line.push_back(t.Text.toStdString());
    // G1 and G3 are in C1, where only G1's 10 points of weight count: G3 is extra credit
    // and adds 30 / 10 of the category's half.
    EXPECT_EQ(line, (std::vector<std::string>{"G3", "C1", "30", "30", "150 !"}));
    const TPlacedText* g1 = FindText(page, "G1");
    line.clear();
    for (const TPlacedText& t : Texts(page))
        if (std::abs(t.Pos.y() - g1->Pos.y()) < 1e-9) line.push_back(t.Text.toStdString());
    EXPECT_EQ(line, (std::vector<std::string>{"G1", "C1", "10", "10", "50"}));
    // The extra-credit note at the foot of the page.
    const TPlacedText* note = FindText(
        page,
        "! Extra Credit  - Percent of grade for extra credit is in addition to the total of 100%.");
    ASSERT_TRUE(note);
    EXPECT_NEAR(note->Pos.y(), 279.4 - 10 - 8.5 + 1.69, 1e-9);
}

TEST_F(Criteria, DropLowestMarksAndTheNotesOnEveryPage) {
    auto gb = Class(2, 60);
    gb->Categories.Item(0).DropLowest = true;
    gb->Categories.Item(1).DropLowest = true;
    // C2's grades have equal weights; C1's do not.
    for (int c = 2; c <= gb->LastGradeColumn(); ++c)
        gb->GradeAt(c)->Weight = (c % 2) ? 1 : 1;
    gb->GradeAt(2)->Weight = 3;
    auto pages = Print(*gb);
    ASSERT_GE(pages.size(), 2u);
    auto rows = CategoryRows(pages[0]);
    EXPECT_EQ(rows[0],
              (std::vector<std::string>{"C1", "10", "50", "Yes *", "C2", "10", "50", "Yes"}));
    for (const auto& p : pages) {
        EXPECT_TRUE(FindText(p, "based on the lowest weighted grade")) << p.Number;
        EXPECT_FALSE(FindText(p, "! Extra Credit  - Percent of grade for extra credit is in "
                                 "addition to the total of 100%."));
    }
    // Without the note its band takes no room: more lines fit on a page.
    gb->GradeAt(2)->Weight = 1;
    auto fewer = Print(*gb);
    EXPECT_FALSE(FindText(fewer[0], "based on the lowest weighted grade"));
    EXPECT_LE(fewer.size(), pages.size());
    int linesWith = 0, linesWithout = 0;
    for (const auto& t : Texts(pages[1]))
        linesWith += t.Text.startsWith("G");
    for (const auto& t : Texts(fewer[1]))
        linesWithout += t.Text.startsWith("G");
    if (fewer.size() == pages.size()) {
        EXPECT_LT(linesWith, linesWithout);
    }
}

TEST_F(Criteria, ASecondRunShowsOnlyTheCategoriesOfNow) {
    auto gb = Class(5, 3);
    Print(*gb);
    gb->Categories.Delete(4);
    gb->Categories.Delete(3);
    gb->Categories.Delete(2);
    for (int c = 2; c <= gb->LastGradeColumn(); ++c)
        gb->GradeAt(c)->CategoryIndex = 0;
    auto page = Print(*gb)[0];
    EXPECT_FALSE(FindText(page, "C3"));
    EXPECT_FALSE(FindText(page, "C5"));
    EXPECT_NEAR(Y(page, "Grade Name"), kTitleTop + 8.47 * 3 + 1.69, 1e-9);
}

TEST_F(Criteria, CategoriesAddingUpToNothingGiveZeroShares) {
    auto gb = Class(2, 2);
    gb->Categories.Item(0).Percent = 0;
    gb->Categories.Item(1).Percent = 0;
    auto page = Print(*gb)[0];
    for (const TPlacedText& t : Texts(page)) {
        EXPECT_FALSE(t.Text.contains("nan", Qt::CaseInsensitive)) << t.Text.toStdString();
        EXPECT_FALSE(t.Text.contains("inf", Qt::CaseInsensitive)) << t.Text.toStdString();
    }
    TCriteria c = ComputeCriteria(*gb);
    EXPECT_EQ(c.Categories[0].ScaledPercent, 0);
    EXPECT_EQ(c.Grades[0].EffectiveWeight, 0);
}

// The report computes the shares without touching the gradebook, and they are the ones
// the averages' own computation leaves in the objects.
TEST_F(Criteria, SharesAreTheEffectiveWeights) {
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        TBuildOptions o;
        o.Students = 3;
        o.Grades = 25;
        o.Categories = seed % 5;
        o.Seed = seed;
        auto a = BuildGradebook(o);
        auto b = BuildGradebook(o);
        for (auto* gb : {a.get(), b.get()}) {
            gb->PointsAreWeights = seed % 2 == 0;
            for (int c = 2; c <= gb->LastGradeColumn(); ++c) {
                TGrade& g = *gb->GradeAt(c);
                g.Weight = (c * seed) % 4;
                g.ExtraCredit = (c + seed) % 7 == 0;
                if ((c + seed) % 9 == 0) g.CategoryIndex = 17; // beyond the list
            }
        }
        TCriteria c = ComputeCriteria(*a);
        ComputeEffectiveWeights(*b);
        SCOPED_TRACE(seed);
        EXPECT_EQ(c.TotalPercent, b->Categories.TotalPercent);
        EXPECT_EQ(c.HasExtraCredit, b->Categories.HasExtraCredit);
        ASSERT_EQ(c.Categories.size(), static_cast<size_t>(b->Categories.Count()));
        for (int i = 0; i < b->Categories.Count(); ++i)
            EXPECT_EQ(c.Categories[i].UnequalWeights, b->Categories.Item(i).UnequalWeights);
        for (int col = 2; col <= b->LastGradeColumn(); ++col) {
            EXPECT_DOUBLE_EQ(c.Grades[col - 2].EffectiveWeight, b->GradeAt(col)->EffectiveWeight);
            EXPECT_EQ(a->GradeAt(col)->EffectiveWeight, 0); // untouched
        }
    }
}

TEST_F(Criteria, EverythingStaysInsideTheFramesOnLetterAndA4) {
    auto gb = Class(7, 70);
    gb->GradeAt(2)->ExtraCredit = true;
    for (auto paper : {QPageSize::Letter, QPageSize::A4}) {
        form.Quickxrp1.Page.Paper = paper;
        TTextMeasurer m;
        for (const TReportPage& p : Print(*gb)) {
            QRectF inside(10, 10, p.PaperMm.width() - 20, p.PaperMm.height() - 20);
            double right = 0;
            for (const TPlacedShape& s : Shapes(p)) {
                QRectF r = s.Kind == TPlacedShape::TKind::Line
                               ? QRectF(s.Line.p1(), s.Line.p2()).normalized()
                               : s.Rect;
                EXPECT_TRUE(Inside(inside, r));
                right = std::max(right, r.right());
            }
            for (const TPlacedText& t : Texts(p))
                EXPECT_LE(t.Pos.x() + m.Width(t.Font, t.Text), right + 0.01)
                    << t.Text.toStdString();
        }
    }
}

TEST_F(Criteria, ALongClassNameIsPrintedWholeAndTheTablesMoveDown) {
    auto gb = Class(2, 3);
    const QString name =
        "Advanced Placement Environmental Science and Sustainability Lab"; // 63 characters
    gb->ClassName = name.toStdString();
    gb->Teacher = "Ms. Rivera";
    const std::vector<TReportPage> pages = Print(*gb);
    ASSERT_EQ(pages.size(), 1u);
    const TReportPage& page = pages[0];
    TTextMeasurer m;
    // Every word of it, in lines that stay short of "Class Number", none cut with "…".
    const TPlacedText* caption = FindText(page, "Class Number");
    ASSERT_TRUE(caption);
    QStringList lines;
    double lastLine = 0;
    for (const TPlacedText& t : Texts(page)) {
        if (std::abs(t.Box.left() - (20 + 77.89)) > 0.01) continue;
        EXPECT_FALSE(t.Text.contains(QChar(0x2026)));
        EXPECT_LT(t.Pos.x() + m.Width(t.Font, t.Text), caption->Pos.x());
        EXPECT_GE(t.Font.PointSize, 8);
        lines << t.Text.trimmed();
        lastLine = std::max(lastLine, t.Pos.y());
    }
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines.join(' '), name);
    // The category table starts below the name's last line.
    auto tableTop = [](const TReportPage& p) {
        double y = -1;
        for (const TPlacedText& t : Texts(p))
            if (t.Text == "% (entered)") y = t.Pos.y();
        return y;
    };
    const double top = tableTop(page);
    EXPECT_GT(top, lastLine + 2);
    // A short name keeps the header as it was.
    gb->ClassName = "Biology";
    const double shortTop = tableTop(Print(*gb)[0]);
    EXPECT_GT(shortTop, 0);
    EXPECT_LT(shortTop, top);
    EXPECT_NEAR(shortTop - kTitleTop, 1.69, 1.5);
}
