#pragma once
// The results of the averages, kept aside so that undoing or redoing a change that touched
// every average (a deleted grade or student) puts them back in O(students + grades) instead
// of recomputing five million entries.

#include <vector>

namespace marklow {

class TGradebook;
struct TGrade;
struct TStudent;

class TAveragesState {
public:
    // The results as the objects hold them now, in table order.
    static TAveragesState Capture(const TGradebook& gb);
    // Gives the objects these results again and rewrites every average's text (with the
    // letters as shown now). When the table no longer holds the same students and grades
    // in the same order, or the rules of the averages changed, it recomputes everything.
    void Restore(TGradebook& gb) const;

private:
    struct TStudentResult {
        TStudent* Student;
        double Average;
        bool HasAverage;
        bool HasInvalidEntry;
    };
    struct TGradeResult {
        TGrade* Grade;
        double ClassAverage;
        bool HasClassAverage;
        bool HasInvalidEntry;
    };
    bool Matches(const TGradebook& gb) const;

    std::vector<TStudentResult> students_;
    std::vector<TGradeResult> grades_;
    bool omitZeros_ = true;
    bool pointsAreWeights_ = false;
};

} // namespace marklow
