#include "new_objects.h"

#include "gradebook.h"

namespace marklow {

TNewObject AddObjectForName(TGradebook& gb, int c, int r, std::string_view text) {
    if (!gb.EditMode() || text.empty()) return TNewObject::None;
    if (c == 1 && r >= 2 && r == gb.RowCount() - 1 && !gb.StudentAt(r)) {
        const bool first = gb.StudentCount() == 0;
        gb.SetRowCount(gb.RowCount() + 1);
        auto student = gb.NewStudent();
        student->UserOrder = kLastUserOrder;
        gb.AttachStudent(r, std::move(student));
        // With no student before there is no recorded order to lose.
        if (first || gb.StudentsInUserOrder) gb.SetStudentsInUserOrder(true);
        return TNewObject::Student;
    }
    if (r == 1 && c >= 2 && c == gb.ColCount() - 1 && !gb.GradeAt(c)) {
        const bool first = gb.GradeCount() == 0;
        gb.SetColCount(gb.ColCount() + 1);
        auto grade = gb.NewGrade();
        grade->UserOrder = kLastUserOrder;
        gb.AttachGrade(c, std::move(grade));
        if (first || gb.GradesInUserOrder) gb.SetGradesInUserOrder(true);
        return TNewObject::Grade;
    }
    return TNewObject::None;
}

} // namespace marklow
