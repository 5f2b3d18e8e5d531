#pragma once
// Report units. Positions are millimetres on the paper. Text is measured and drawn in dots
// of a fixed high resolution, so where a line breaks never depends on the screen or zoom.

namespace marklow {

inline constexpr double kMmPerInch = 25.4;
inline constexpr double kDotsPerInch = 7200; // 100 dots per point
inline constexpr double kDotsPerMm = kDotsPerInch / kMmPerInch;
inline constexpr double kMmPerDot = kMmPerInch / kDotsPerInch;
// A pen width of 1 is one pixel of the screens reports were designed on (1/96 inch).
inline constexpr double kMmPerPenUnit = kMmPerInch / 96;

inline double MmToDots(double mm) {
    return mm * kDotsPerMm;
}
inline double DotsToMm(double dots) {
    return dots * kMmPerDot;
}

} // namespace marklow
