#include "averages_state.h"

#include "averages.h"
#include "gradebook.h"

namespace marklow {

namespace {

uint64_t Mix(uint64_t hash, const void* object) {
    hash ^= reinterpret_cast<uintptr_t>(object) + 0x9E3779B97F4A7C15ull + (hash << 6) + (hash >> 2);
    return hash;
}

uint8_t Flags(bool has, bool invalid) {
    return static_cast<uint8_t>((has ? 1 : 0) | (invalid ? 2 : 0));
}

} // namespace

TAveragesState::TKey TAveragesState::StudentKey(const TGradebook& gb) {
    TKey key;
    key.Count = gb.StudentCount();
    for (int r = 2; r <= gb.LastStudentRow(); ++r)
        key.Objects = Mix(key.Objects, gb.StudentAt(r));
    return key;
}

TAveragesState::TKey TAveragesState::GradeKey(const TGradebook& gb) {
    TKey key;
    key.Count = gb.GradeCount();
    for (int c = 2; c <= gb.LastGradeColumn(); ++c)
        key.Objects = Mix(key.Objects, gb.GradeAt(c));
    return key;
}

TAveragesState TAveragesState::Capture(const TGradebook& gb, int parts) {
    TAveragesState state;
    state.parts_ = parts;
    state.omitZeros_ = gb.Preferences.OmitZeros;
    state.pointsAreWeights_ = gb.PointsAreWeights;
    state.students_ = StudentKey(gb);
    state.grades_ = GradeKey(gb);
    if (parts & kStudents) {
        state.studentAverages_.reserve(static_cast<size_t>(gb.StudentCount()));
        state.studentFlags_.reserve(static_cast<size_t>(gb.StudentCount()));
        for (int r = 2; r <= gb.LastStudentRow(); ++r) {
            const TStudent& s = *gb.StudentAt(r);
            state.studentAverages_.push_back(s.Average);
            state.studentFlags_.push_back(Flags(s.HasAverage, s.HasInvalidEntry));
        }
    }
    if (parts & kGrades) {
        for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
            const TGrade& g = *gb.GradeAt(c);
            state.gradeAverages_.push_back(g.ClassAverage);
            state.gradeFlags_.push_back(Flags(g.HasClassAverage, g.HasInvalidEntry));
        }
    }
    return state;
}

bool TAveragesState::Matches(const TGradebook& gb) const {
    return gb.Preferences.OmitZeros == omitZeros_ && gb.PointsAreWeights == pointsAreWeights_ &&
           StudentKey(gb) == students_ && GradeKey(gb) == grades_;
}

void TAveragesState::Restore(TGradebook& gb) const {
    if (!Matches(gb)) {
        RecomputeAll(gb);
        return;
    }
    const bool anyGrade = gb.GradeCount() > 0;
    const bool anyStudent = gb.StudentCount() > 0;
    if (parts_ & kStudents) {
        for (size_t i = 0; i < studentAverages_.size(); ++i) {
            const int r = static_cast<int>(i) + 2;
            TStudent& s = *gb.StudentAt(r);
            s.Average = studentAverages_[i];
            s.HasAverage = studentFlags_[i] & 1;
            s.HasInvalidEntry = studentFlags_[i] & 2;
            gb.SetCell(0, r,
                       anyGrade ? AverageText(gb, s.HasInvalidEntry, s.HasAverage, s.Average)
                                : std::string());
        }
    }
    if (parts_ & kGrades) {
        for (size_t i = 0; i < gradeAverages_.size(); ++i) {
            const int c = static_cast<int>(i) + 2;
            TGrade& g = *gb.GradeAt(c);
            g.ClassAverage = gradeAverages_[i];
            g.HasClassAverage = gradeFlags_[i] & 1;
            g.HasInvalidEntry = gradeFlags_[i] & 2;
            std::string text;
            if (anyStudent && !g.ExtraCredit && !g.OmitClassAverage)
                text = AverageText(gb, g.HasInvalidEntry, g.HasClassAverage, g.ClassAverage);
            gb.SetCell(c, 0, std::move(text));
        }
    }
    if (anyStudent) gb.SetCell(0, 1, OverallStudentAverage(gb));
    if (anyGrade) gb.SetCell(1, 0, OverallColumnAverage(gb));
}

} // namespace marklow
