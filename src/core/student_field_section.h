#pragma once
// A text field of every student, kept in a section of the file's trailer: the students'
// records cannot hold it. Only students whose field is not empty are listed, by their place
// among the records, so a class without such texts writes nothing.

#include <string>
#include <string_view>

namespace marklow {

class TGradebook;
struct TStudent;

using TStudentTextField = std::string TStudent::*;

std::string WriteStudentFieldSection(const TGradebook& gb, TStudentTextField field);
// Gives each listed student its text. Damage ends the reading quietly; a place beyond the
// class is skipped.
void ReadStudentFieldSection(std::string_view payload, TGradebook& gb, TStudentTextField field);

} // namespace marklow
