#pragma once
// Grade dates are day numbers: days since 30 December 1899, the fraction the time of day.

#include <chrono>

namespace marklow {

// The day number of a calendar date (time of day 0).
inline double DayNumber(int y, unsigned m, unsigned d) {
    using namespace std::chrono;
    const auto base = sys_days{year{1899} / December / 30};
    return static_cast<double>((sys_days{year{y} / month{m} / day{d}} - base).count());
}

// Whether a grade's Date is a day the teacher gave it. 0 is none: no earlier writer stored a
// date, and a grade read from such a file has none until the teacher sets one. A value no
// calendar shows (not a number, outside the years 100 to 9999) is none as well.
inline bool IsGivenDate(double day) {
    // Day numbers of 0100-01-01 and of the day after 9999-12-31.
    constexpr double kFirstDate = -657434;
    constexpr double kEndDate = 2958466;
    return day != 0 && day >= kFirstDate && day < kEndDate;
}

} // namespace marklow
