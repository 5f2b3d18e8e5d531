#include "averages.h"
#include "file_names.h"
#include "gradebook.h"
#include "progress_detail.h"
#include "sample_builder.h"
#include "text.h"

#include <gtest/gtest.h>

#include <random>

using namespace marklow;

namespace {

// Random classes with every rule of the averages in play.
std::unique_ptr<TGradebook> RandomClass(std::mt19937& rng) {
    TBuildOptions o;
    o.Students = 20;
    o.Grades = static_cast<int>(rng() % 9);
    o.Categories = static_cast<int>(rng() % 4);
    o.DropLowest = rng() % 2 == 0;
    o.InvalidShare = 5;
    o.Seed = rng();
    auto gb = BuildGradebook(o);
    gb->PointsAreWeights = rng() % 3 == 0;
    for (int i = 0; i < gb->Categories.Count(); ++i)
        gb->Categories.Item(i).DropLowest = rng() % 2 == 0;
    for (int c = 2; c <= gb->LastGradeColumn(); ++c) {
        TGrade& g = *gb->GradeAt(c);
        g.ExtraCredit = rng() % 6 == 0;
        g.Weight = static_cast<double>(rng() % 4);
        if (rng() % 8 == 0) g.Points = 0;
        g.Curve = rng() % 4 == 0;
        g.CurveAmount = 3;
        g.CategoryIndex = static_cast<int>(rng() % 6) - 1;
    }
    return gb;
}

// A class of one student whose entries the test writes, in a category list of its own.
struct TSmallClass {
    TGradebook gb;
    int Row = 0;
    TSmallClass() {
        gb.SetEditMode(false);
        SetStandardLetterTables(gb);
        gb.Categories.Add("Homework", 30, true);
        gb.Categories.Add("Tests", 70, false);
        Row = AddStudent(gb, "Ann Lee", "A-17");
        AddStudent(gb, "Ben Ode", "B-2");
    }
    int Grade(const std::string& name, double points, int category, const std::string& ann,
              const std::string& ben = "") {
        int c = AddGrade(gb, name, points, category);
        gb.SetCell(c, Row, ann);
        gb.SetCell(c, Row + 1, ben);
        return c;
    }
};

const TDetailGrade* FindGrade(const TProgressDetail& d, int column) {
    for (const TDetailCategory& k : d.Categories)
        for (const TDetailGrade& g : k.Grades)
            if (g.Column == column) return &g;
    return nullptr;
}

} // namespace

TEST(StudentBreakdown, CountsAsTheStudentAverageDoes) {
    // The category averages and the dropped grade are the work fields StudentAverage leaves.
    std::mt19937 rng(11);
    for (int round = 0; round < 40; ++round) {
        auto gb = RandomClass(rng);
        std::vector<std::optional<double>> classAverages = ClassCategoryAverages(*gb);
        const int n = gb->Categories.CategoryCount();
        std::vector<double> sums(static_cast<size_t>(n), 0);
        std::vector<int> counts(static_cast<size_t>(n), 0);
        for (int r = 2; r <= gb->LastStudentRow(); ++r) {
            TStudentBreakdown b = BreakDownStudent(*gb, r);
            StudentAverage(*gb, r);
            const TStudent& s = *gb->StudentAt(r);
            ASSERT_EQ(b.HasAverage, s.HasAverage) << round << " row " << r;
            if (s.HasAverage) {
                ASSERT_EQ(b.Average, s.Average) << round << " row " << r;
            }
            ASSERT_EQ(b.Categories.size(), static_cast<size_t>(n));
            for (int i = 0; i < n; ++i) {
                const TCategory& k = gb->Categories.Category(i);
                const TCategoryResult& res = b.Categories[static_cast<size_t>(i)];
                ASSERT_EQ(res.Counts, k.Count > 0) << round << " row " << r << " category " << i;
                if (!res.Counts) continue;
                EXPECT_EQ(res.Average, k.WeightedSum / k.WeightSum);
                const int dropped = k.DropLowest && k.Count > 1 ? [&] {
                    for (int c = 2; c <= gb->LastGradeColumn(); ++c)
                        if (gb->GradeAt(c) == k.Lowest) return c;
                    return -1;
                }()
                                                                : 0;
                EXPECT_EQ(res.DroppedColumn, dropped) << round << " row " << r;
                sums[static_cast<size_t>(i)] += res.Average;
                ++counts[static_cast<size_t>(i)];
            }
        }
        for (size_t i = 0; i < sums.size(); ++i) {
            ASSERT_EQ(classAverages[i].has_value(), counts[i] > 0);
            if (counts[i]) {
                EXPECT_NEAR(*classAverages[i], sums[i] / counts[i], 1e-9);
            }
        }
    }
}

TEST(ProgressDetail, DropsTheLeftmostLowestAndMarksIt) {
    TSmallClass k;
    int hw1 = k.Grade("HW 1", 100, 0, "70");
    int hw2 = k.Grade("HW 2", 100, 0, "90");
    int hw3 = k.Grade("HW 3", 100, 0, "70");
    k.Grade("Test", 100, 1, "80");
    RecomputeAll(k.gb);
    TProgressDetail d =
        MakeProgressDetail(k.gb, k.Row, k.gb.LastGradeColumn(), ClassCategoryAverages(k.gb));
    ASSERT_EQ(d.Categories.size(), 2u);
    EXPECT_TRUE(FindGrade(d, hw1)->Dropped);
    EXPECT_FALSE(FindGrade(d, hw2)->Dropped);
    EXPECT_FALSE(FindGrade(d, hw3)->Dropped);
    EXPECT_EQ(*d.Categories[0].StudentAverage, 80);
    EXPECT_DOUBLE_EQ(d.Categories[0].Share, 30);
    EXPECT_TRUE(d.Categories[0].DropLowest);
    // The final average is the gradebook's own: (30 x 80 + 70 x 80) / 100.
    ASSERT_TRUE(d.Average);
    EXPECT_EQ(*d.Average, k.gb.StudentAt(k.Row)->Average);
    EXPECT_EQ(d.Letter, LetterOf(k.gb.NumberToLetter, *d.Average));
    EXPECT_EQ(d.Name, "Ann Lee");
    EXPECT_EQ(d.ID, "A-17");
    // Ben has no homework: no average of his own there, and the class's is Ann's alone.
    TProgressDetail ben =
        MakeProgressDetail(k.gb, k.Row + 1, k.gb.LastGradeColumn(), ClassCategoryAverages(k.gb));
    EXPECT_FALSE(ben.Categories[0].StudentAverage);
    EXPECT_EQ(*ben.Categories[0].ClassAverage, 80);
    EXPECT_FALSE(ben.Average);
}

TEST(ProgressDetail, ScoresCurvesLettersAndComments) {
    TSmallClass k;
    // Points 50, curve 5: 45 is 100 %, /45 is 90 % without the curve, B (85) is 95 %.
    int quiz = k.Grade("Quiz", 50, 1, "45 late", "/45");
    k.gb.GradeAt(quiz)->Curve = true;
    k.gb.GradeAt(quiz)->CurveAmount = 5;
    int letter = k.Grade("Essay", 50, 1, "b   retake", "B");
    k.gb.GradeAt(letter)->Curve = true;
    k.gb.GradeAt(letter)->CurveAmount = 5;
    int bonus = k.Grade("Bonus", 10, 1, "10");
    k.gb.GradeAt(bonus)->ExtraCredit = true;
    int bad = k.Grade("Lab", 100, 1, "85% missing");
    int blank = k.Grade("Final", 100, 1, "");
    k.gb.StudentAt(k.Row)->Notes = "Works hard.";
    RecomputeAll(k.gb);
    const auto classes = ClassCategoryAverages(k.gb);
    TProgressDetail d = MakeProgressDetail(k.gb, k.Row, k.gb.LastGradeColumn(), classes);
    EXPECT_EQ(d.Notes, "Works hard.");
    EXPECT_TRUE(d.HasInvalidEntry);

    const TDetailGrade& q = *FindGrade(d, quiz);
    EXPECT_EQ(q.Score, "45");
    EXPECT_TRUE(q.Curved);
    EXPECT_EQ(q.CurveAmount, 5);
    EXPECT_EQ(*q.Percent, 100);
    EXPECT_EQ(q.Letter, LetterOf(k.gb.NumberToLetter, 100));
    EXPECT_EQ(q.Comment, "late");
    EXPECT_EQ(q.Points, 50);
    // The class average of the grade is the column's own: (100 + 90) / 2.
    EXPECT_EQ(*q.ClassAverage, k.gb.GradeAt(quiz)->ClassAverage);
    EXPECT_EQ(*q.ClassAverage, 95);

    TProgressDetail ben = MakeProgressDetail(k.gb, k.Row + 1, k.gb.LastGradeColumn(), classes);
    const TDetailGrade& slash = *FindGrade(ben, quiz);
    EXPECT_EQ(slash.Score, "45");
    EXPECT_FALSE(slash.Curved) << "a leading slash keeps the curve off";
    EXPECT_EQ(*slash.Percent, 90);

    const TDetailGrade& l = *FindGrade(d, letter);
    EXPECT_EQ(l.Kind, EntryKind::Letter);
    EXPECT_EQ(l.Score, "b");
    EXPECT_EQ(*l.Percent, LetterValue(k.gb.LetterToNumber, "B") + 10);
    EXPECT_EQ(l.Comment, "retake");

    const TDetailGrade& e = *FindGrade(d, bonus);
    EXPECT_TRUE(e.ExtraCredit);
    EXPECT_EQ(*e.Percent, 100);
    EXPECT_TRUE(e.Letter.empty()) << "extra points are no grade of their own";
    EXPECT_FALSE(e.ClassAverage);

    const TDetailGrade& i = *FindGrade(d, bad);
    EXPECT_EQ(i.Kind, EntryKind::Invalid);
    EXPECT_EQ(i.Score, "85% missing");
    EXPECT_FALSE(i.Percent);
    EXPECT_TRUE(i.Letter.empty());

    const TDetailGrade& b = *FindGrade(d, blank);
    EXPECT_EQ(b.Kind, EntryKind::Blank);
    EXPECT_TRUE(b.Score.empty());
    EXPECT_FALSE(b.Percent);
}

TEST(ProgressDetail, KeepsTheCategoriesWithGradesInListOrder) {
    TSmallClass k;
    k.gb.Categories.Add("Projects", 0, false);
    int t = k.Grade("Test", 100, 1, "80");
    int h = k.Grade("HW", 100, 0, "60");
    k.Grade("After", 100, 1, "");
    RecomputeAll(k.gb);
    TProgressDetail d = MakeProgressDetail(k.gb, k.Row, h, ClassCategoryAverages(k.gb));
    ASSERT_EQ(d.Categories.size(), 2u) << "no grade, no section; columns after the last left out";
    EXPECT_EQ(d.Categories[0].Name, "Homework");
    EXPECT_EQ(d.Categories[0].Grades[0].Column, h);
    EXPECT_EQ(d.Categories[1].Name, "Tests");
    ASSERT_EQ(d.Categories[1].Grades.size(), 1u);
    EXPECT_EQ(d.Categories[1].Grades[0].Column, t);
    EXPECT_EQ(EntryComment("92 retake "), "retake");
    EXPECT_EQ(EntryComment("92"), "");
}

TEST(SafeFileNames, NothingAFileSystemRefuses) {
    EXPECT_EQ(SafeFileName("Ann Lee"), "Ann Lee");
    EXPECT_EQ(SafeFileName("a/b\\c"), "a_b_c");
    EXPECT_EQ(SafeFileName(std::string("a\0b", 3)), "a_b");
    EXPECT_EQ(SafeFileName("tab\there\nnew"), "tab_here_new");
    EXPECT_EQ(SafeFileName("x<y>z:\"q\"|?*"), "x_y_z__q____");
    EXPECT_EQ(SafeFileName("\xC2\x85next"), "_next") << "a C1 control character";
    EXPECT_EQ(SafeFileName("Zoë Ørsted"), "Zoë Ørsted");
    EXPECT_EQ(SafeFileName("."), "Student");
    EXPECT_EQ(SafeFileName(".."), "Student");
    EXPECT_EQ(SafeFileName("   "), "Student");
    EXPECT_EQ(SafeFileName(""), "Student");
    EXPECT_EQ(SafeFileName("  Ann.  "), "Ann") << "Windows drops trailing dots and blanks";
    EXPECT_EQ(SafeFileName("con"), "_con");
    EXPECT_EQ(SafeFileName("LPT1.txt"), "_LPT1.txt");
    EXPECT_EQ(SafeFileName("Connor"), "Connor");
    // Long names are cut between characters.
    std::string longName;
    for (int i = 0; i < 100; ++i)
        longName += "é";
    std::string cut = SafeFileName(longName, 51);
    EXPECT_EQ(cut.size(), 50u);
    EXPECT_EQ(cut, longName.substr(0, 50));
}

TEST(SafeFileNames, DuplicatesAreNumbered) {
    std::vector<std::string> names = {"Ann", "ann", "Ann (2)", "Ben", "Ann", "", "."};
    EXPECT_EQ(UniqueFileNames(names),
              (std::vector<std::string>{"Ann", "ann (3)", "Ann (2)", "Ben", "Ann (4)", "Student",
                                        "Student (2)"}));
    // A thousand of one name stay quick and distinct.
    std::vector<std::string> many(1000, "Sam");
    auto files = UniqueFileNames(many);
    EXPECT_EQ(files[0], "Sam");
    EXPECT_EQ(files[999], "Sam (1000)");
    // The number fits within the length: the name is cut to make room for it.
    auto cut = UniqueFileNames({std::string(30, 'x'), std::string(30, 'x')}, 20);
    EXPECT_EQ(cut[1], std::string(16, 'x') + " (2)");
}
