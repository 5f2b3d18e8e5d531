#pragma once
// Where a line of text rotated by a whole number of degrees lies within its element: the
// rotated box, the element's bounds after auto-sizing and the text's origin. Pure arithmetic
// in whatever unit the lengths are given; rounding is to the nearest whole unit, ties to even.

namespace marklow {

enum class TAnchorStyle { asNone, asTextLeft, asTextCenter, asTextRight };

// 450 gives 90, -90 gives 270: every angle maps to 0..359.
int NormalizeAngle(long long angle);

struct TAngledGeometry {
    int Quadrant = 0;
    double A = 0, B = 0, C = 0, D = 0;
    double BW = 0, BH = 0; // the rotated text's box
    // The element's bounds: changed only by auto-size.
    double Left = 0, Top = 0, Width = 0, Height = 0;
    // The top left corner of the unrotated text cell, relative to the element's top left.
    double OX = 0, OY = 0;
};

// tw and th are the measured text's width and height; left, top, width and height the
// element's bounds before any auto-size. angle must be normalised.
TAngledGeometry AngledGeometry(int angle, TAnchorStyle anchor, bool autoSize, double tw, double th,
                               double left, double top, double width, double height);

} // namespace marklow
