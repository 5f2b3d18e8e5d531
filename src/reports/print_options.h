#pragma once
// The print dialog's choices as the reports read them.

#include "printed_grade.h"

namespace marklow {

enum class TReportType { Gradebook = 0, GradeCriteria = 1, Progress = 2, DetailedProgress = 3 };
enum class TReportOrientation { Portrait = 0, Landscape = 1 };
enum class TPrintStudent { Names = 0, IDs = 1 };

struct PrintOptions {
    TReportType ReportType = TReportType::Gradebook;
    bool Preview = false;
    bool ShadeCurved = false;
    TReportOrientation Orientation = TReportOrientation::Portrait;
    bool OmitAfterLastEntry = false;
    TPrintGrade PrintGrade = TPrintGrade::ExactlyAsEntered;
    TPrintStudent PrintStudent = TPrintStudent::Names;
    bool AllStudents = true;
    // The selected student's place in the list (row - 2); -1 when the list is empty.
    int SelectedStudent = -1;
};

} // namespace marklow
