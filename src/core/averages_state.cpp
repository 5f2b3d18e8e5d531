#include "averages_state.h"

#include "averages.h"
#include "gradebook.h"

namespace marklow {

TAveragesState TAveragesState::Capture(const TGradebook& gb) {
    TAveragesState state;
    state.omitZeros_ = gb.Preferences.OmitZeros;
    state.pointsAreWeights_ = gb.PointsAreWeights;
    state.students_.reserve(static_cast<size_t>(gb.StudentCount()));
    for (int r = 2; r <= gb.LastStudentRow(); ++r) {
        TStudent* s = gb.StudentAt(r);
        state.students_.push_back({s, s->Average, s->HasAverage, s->HasInvalidEntry});
    }
    state.grades_.reserve(static_cast<size_t>(gb.GradeCount()));
    for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
        TGrade* g = gb.GradeAt(c);
        state.grades_.push_back({g, g->ClassAverage, g->HasClassAverage, g->HasInvalidEntry});
    }
    return state;
}

bool TAveragesState::Matches(const TGradebook& gb) const {
    if (gb.Preferences.OmitZeros != omitZeros_ || gb.PointsAreWeights != pointsAreWeights_ ||
        static_cast<int>(students_.size()) != gb.StudentCount() ||
        static_cast<int>(grades_.size()) != gb.GradeCount())
        return false;
    for (size_t i = 0; i < students_.size(); ++i)
        if (gb.StudentAt(static_cast<int>(i) + 2) != students_[i].Student) return false;
    for (size_t i = 0; i < grades_.size(); ++i)
        if (gb.GradeAt(static_cast<int>(i) + 2) != grades_[i].Grade) return false;
    return true;
}

void TAveragesState::Restore(TGradebook& gb) const {
    if (!Matches(gb)) {
        RecomputeAll(gb);
        return;
    }
    const bool anyGrade = gb.GradeCount() > 0;
    for (size_t i = 0; i < students_.size(); ++i) {
        const TStudentResult& k = students_[i];
        k.Student->Average = k.Average;
        k.Student->HasAverage = k.HasAverage;
        k.Student->HasInvalidEntry = k.HasInvalidEntry;
        gb.SetCell(0, static_cast<int>(i) + 2,
                   anyGrade ? AverageText(gb, k.HasInvalidEntry, k.HasAverage, k.Average)
                            : std::string());
    }
    if (gb.StudentCount() > 0) gb.SetCell(0, 1, OverallStudentAverage(gb));
    const bool anyStudent = gb.StudentCount() > 0;
    for (size_t i = 0; i < grades_.size(); ++i) {
        const TGradeResult& k = grades_[i];
        k.Grade->ClassAverage = k.ClassAverage;
        k.Grade->HasClassAverage = k.HasClassAverage;
        k.Grade->HasInvalidEntry = k.HasInvalidEntry;
        std::string text;
        if (anyStudent && !k.Grade->ExtraCredit && !k.Grade->OmitClassAverage)
            text = AverageText(gb, k.HasInvalidEntry, k.HasClassAverage, k.ClassAverage);
        gb.SetCell(static_cast<int>(i) + 2, 0, std::move(text));
    }
    if (anyGrade) gb.SetCell(1, 0, OverallColumnAverage(gb));
}

} // namespace marklow
