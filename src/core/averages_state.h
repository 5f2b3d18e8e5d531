#pragma once
// The results of the averages, kept aside so that undoing or redoing a change that touched
// every average (a deleted grade or student) puts them back in O(students + grades) instead
// of recomputing five million entries. Packed: about 9 bytes a student, so a long history of
// such steps on a class of 10,000 stays small.

#include <cstdint>
#include <vector>

namespace marklow {

class TGradebook;

class TAveragesState {
public:
    // Which results a change moves: removing a student moves no other student's average,
    // removing a grade no other grade's class average.
    enum TParts { kStudents = 1, kGrades = 2, kBoth = 3 };

    // The results as the objects hold them now, in table order.
    static TAveragesState Capture(const TGradebook& gb, int parts = kBoth);
    // Gives the objects these results again and rewrites their averages' texts and both
    // overall cells (with the letters as shown now). When the table no longer holds the same
    // students and grades in the same order, or the rules of the averages changed, it
    // recomputes everything.
    void Restore(TGradebook& gb) const;

private:
    struct TKey {
        int Count = 0;
        uint64_t Objects = 0; // a hash of the objects' addresses, in table order
        bool operator==(const TKey&) const = default;
    };
    static TKey StudentKey(const TGradebook& gb);
    static TKey GradeKey(const TGradebook& gb);
    bool Matches(const TGradebook& gb) const;

    int parts_ = kBoth;
    TKey students_, grades_;
    std::vector<double> studentAverages_, gradeAverages_;
    std::vector<uint8_t> studentFlags_, gradeFlags_; // 1 has an average, 2 invalid entries
    bool omitZeros_ = true;
    bool pointsAreWeights_ = false;
};

} // namespace marklow
