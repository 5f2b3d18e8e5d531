#include "options_result.h"

#include <cmath>

namespace marklow {

namespace {

bool Same(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

bool SameCategories(const TCategoryList& list, const std::vector<TCategory>& items, bool namesToo) {
    if (list.Count() != static_cast<int>(items.size())) return false;
    for (int i = 0; i < list.Count(); ++i) {
        const TCategory& a = list.Item(i);
        const TCategory& b = items[static_cast<size_t>(i)];
        if (!Same(a.Percent, b.Percent) || a.DropLowest != b.DropLowest) return false;
        if (namesToo && a.Name != b.Name) return false;
    }
    return true;
}

bool AnyCurve(const TGradebook& gb, const TOptionsResult& r) {
    for (int c = 2; c <= gb.LastGradeColumn(); ++c)
        if (const TGrade* g = gb.GradeAt(c); g && g->Curve) return true;
    for (const auto& [c, s] : r.Grades)
        if (s.Curve) return true;
    return false;
}

} // namespace

TGradeSettings SettingsOf(const TGrade& g) {
    return {g.Weight,           g.Points, g.CategoryIndex, g.ExtraCredit,
            g.OmitClassAverage, g.Curve,  g.CurveAmount};
}

void ApplySettings(TGrade& g, const TGradeSettings& s) {
    g.Weight = s.Weight;
    g.Points = s.Points;
    g.CategoryIndex = s.CategoryIndex;
    g.ExtraCredit = s.ExtraCredit;
    g.OmitClassAverage = s.OmitClassAverage;
    g.Curve = s.Curve;
    g.CurveAmount = s.CurveAmount;
}

bool SameSettings(const TGradeSettings& a, const TGradeSettings& b) {
    return Same(a.Weight, b.Weight) && Same(a.Points, b.Points) &&
           a.CategoryIndex == b.CategoryIndex && a.ExtraCredit == b.ExtraCredit &&
           a.OmitClassAverage == b.OmitClassAverage && a.Curve == b.Curve &&
           Same(a.CurveAmount, b.CurveAmount);
}

TOptionsWork MakeOptionsWork(const TGradebook& gb) {
    TOptionsWork w;
    FillLetterTable(w.L2NGrid, TLetterGrid::LettersToNumbers, gb.LetterToNumber);
    FillLetterTable(w.N2LGrid, TLetterGrid::NumbersToLetters, gb.NumberToLetter);
    w.ShowLetters = gb.ShowLetters;
    w.PointsAreWeights = gb.PointsAreWeights;
    w.Teacher = gb.Teacher;
    w.ClassName = gb.ClassName;
    w.ClassNumber = gb.ClassNumber;
    w.Work = gb.Work;
    w.DecimalComma = gb.DecimalComma;
    FillCategoryTable(w.CategoryGrid, gb.Categories);
    w.GradeCopies.reserve(static_cast<size_t>(gb.GradeCount()));
    for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
        TGrade copy;
        if (const TGrade* g = gb.GradeAt(c)) CopyGrade(copy, *g);
        w.GradeCopies.push_back(std::move(copy));
    }
    w.CurrentGradeIndex = -1;
    return w;
}

TOptionsResult MakeOptionsResult(const TGradebook& gb, const TOptionsWork& work) {
    TOptionsResult r;
    r.LetterToNumber = ReadLetterTable(work.L2NGrid, TLetterGrid::LettersToNumbers);
    r.NumberToLetter = ReadLetterTable(work.N2LGrid, TLetterGrid::NumbersToLetters);
    r.ShowLetters = work.ShowLetters;
    r.PointsAreWeights = work.PointsAreWeights;
    r.Teacher = work.Teacher;
    r.ClassName = work.ClassName;
    r.ClassNumber = work.ClassNumber;
    r.Work = work.Work;
    r.DecimalComma = work.DecimalComma;
    r.Categories = ReadCategoryTable(work.CategoryGrid);

    std::vector<TGrade> copies = work.GradeCopies;
    ClampCategoryIndexes(copies, static_cast<int>(r.Categories.size()));
    bool curves = false;
    for (size_t k = 0; k < copies.size(); ++k) {
        const int c = static_cast<int>(k) + 2;
        const TGrade* g = gb.GradeAt(c);
        if (!g) continue;
        const TGradeSettings now = SettingsOf(*g), next = SettingsOf(copies[k]);
        if (SameSettings(now, next)) continue;
        r.Grades.emplace_back(c, next);
        if (now.Curve != next.Curve || !Same(now.CurveAmount, next.CurveAmount)) curves = true;
    }

    const bool lettersChanged = !(r.LetterToNumber == gb.LetterToNumber);
    r.AffectsAverages = lettersChanged || !(r.NumberToLetter == gb.NumberToLetter) ||
                        r.ShowLetters != gb.ShowLetters ||
                        r.PointsAreWeights != gb.PointsAreWeights || !(r.Work == gb.Work) ||
                        r.DecimalComma != gb.DecimalComma ||
                        !SameCategories(gb.Categories, r.Categories, false) || !r.Grades.empty();
    // A curved "8,5" is shown anew when the comma starts or stops counting.
    r.CurveChanged = curves || (lettersChanged && AnyCurve(gb, r)) ||
                     r.DecimalComma != gb.DecimalComma;
    return r;
}

void ApplyOptions(TGradebook& gb, const TOptionsResult& r) {
    gb.LetterToNumber = r.LetterToNumber;
    gb.NumberToLetter = r.NumberToLetter;
    gb.ShowLetters = r.ShowLetters;
    gb.PointsAreWeights = r.PointsAreWeights;
    gb.Teacher = r.Teacher;
    gb.ClassName = r.ClassName;
    gb.ClassNumber = r.ClassNumber;
    gb.Work = r.Work;
    gb.DecimalComma = r.DecimalComma;
    if (!SameCategories(gb.Categories, r.Categories, true))
        gb.Categories.ReplaceItems(r.Categories);
    for (const auto& [c, s] : r.Grades)
        if (TGrade* g = gb.GradeAt(c)) ApplySettings(*g, s);
}

TOptionsResult CaptureOptions(const TGradebook& gb, const TOptionsResult& like) {
    TOptionsResult r;
    r.LetterToNumber = gb.LetterToNumber;
    r.NumberToLetter = gb.NumberToLetter;
    r.ShowLetters = gb.ShowLetters;
    r.PointsAreWeights = gb.PointsAreWeights;
    r.Teacher = gb.Teacher;
    r.ClassName = gb.ClassName;
    r.ClassNumber = gb.ClassNumber;
    r.Work = gb.Work;
    r.DecimalComma = gb.DecimalComma;
    for (int i = 0; i < gb.Categories.Count(); ++i) {
        const TCategory& c = gb.Categories.Item(i);
        TCategory copy;
        copy.Name = c.Name;
        copy.Percent = c.Percent;
        copy.DropLowest = c.DropLowest;
        r.Categories.push_back(std::move(copy));
    }
    r.Grades.reserve(like.Grades.size());
    for (const auto& [c, s] : like.Grades)
        if (const TGrade* g = gb.GradeAt(c)) r.Grades.emplace_back(c, SettingsOf(*g));
    r.AffectsAverages = like.AffectsAverages;
    r.CurveChanged = like.CurveChanged;
    return r;
}

TOptionsResult CaptureOptions(const TGradebook& gb) {
    TOptionsResult all;
    for (int c = 2; c <= gb.LastGradeColumn(); ++c)
        if (gb.GradeAt(c)) all.Grades.emplace_back(c, TGradeSettings{});
    TOptionsResult r = CaptureOptions(gb, all);
    r.AffectsAverages = r.CurveChanged = false;
    return r;
}

} // namespace marklow
