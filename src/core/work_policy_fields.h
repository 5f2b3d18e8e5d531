#pragma once
// The gradebook's settings for missing work (see work_policy.h for their rules).

namespace marklow {

// An entry worth more than this percentage of its grade (ten thousand times the points,
// curve included) is invalid: no teacher means it, and the sums of such values are noise.
inline constexpr double kMaxEntryPercent = 1e6;

struct TWorkPolicy {
    double MissingPercent = 0;   // what missing work is worth, in percent of the points
    bool BlankIsMissing = false; // a blank counts as missing once its grade's date has passed
    bool operator==(const TWorkPolicy&) const = default;
};

} // namespace marklow
