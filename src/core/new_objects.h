#pragma once
// How a name typed into the spare row or column of edit mode becomes a student or a grade.

#include <string_view>

namespace marklow {

class TGradebook;

enum class TNewObject { None, Student, Grade };

// After text was typed into (c, r) in edit mode: a name typed into the spare row or column
// gives it a new student or grade and appends the next spare row or column. Only a row or
// column without an object is the spare one, so a real student or grade whose name was
// cleared keeps its object and scores. The new object comes last in the teacher's order;
// while the class stands sorted the sort stays in effect (switching "by User Input" on here
// would lose the recorded order at the next sort).
TNewObject AddObjectForName(TGradebook& gb, int c, int r, std::string_view text);

} // namespace marklow
