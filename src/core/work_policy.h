#pragma once
// How excused and missing work counts: the gradebook's missing score, whether a blank past
// its grade's date is missing work, and the bound beyond which an entry is no score.

#include "entry.h"
#include "gradebook.h"
#include "work_policy_fields.h"

#include <string>
#include <string_view>

namespace marklow {

// The grade's date is set and lies before `today` (both day numbers).
inline bool PastDue(const TGrade& g, double today) {
    return g.Date != 0 && g.Date < today;
}

// ReadEntry with the gradebook's rules for missing work: "M" is worth the missing score, and
// a blank past its grade's date is missing work while BlankIsMissing is on.
TEntry ReadGradeEntry(const TGradebook& gb, const TGrade& g, std::string_view text);

// The gradebook file's "GRAD" section: empty while the policy is the default, so files of
// gradebooks that never use it stay as they were. A short or unknown payload reads as far as
// it goes; the rest keeps its defaults.
std::string WriteWorkPolicy(const TWorkPolicy& policy);
TWorkPolicy ReadWorkPolicy(std::string_view payload);

} // namespace marklow
