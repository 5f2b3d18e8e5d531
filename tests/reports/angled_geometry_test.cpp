#include "angled_geometry.h"
#include "angled_label.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace marklow;

namespace {

struct Box {
    double Left, Top, Right, Bottom;
};

// The bounding box of the text cell (tw by th) turned counter-clockwise by angle about its
// top left corner placed at (ox, oy), in y-down coordinates.
Box RotatedCell(int angle, double tw, double th, double ox, double oy) {
    double a = angle * std::numbers::pi / 180;
    // Along the text and down the text, on the page.
    double ux = std::cos(a), uy = -std::sin(a);
    double vx = std::sin(a), vy = std::cos(a);
    double xs[] = {ox, ox + tw * ux, ox + th * vx, ox + tw * ux + th * vx};
    double ys[] = {oy, oy + tw * uy, oy + th * vy, oy + tw * uy + th * vy};
    return {*std::min_element(xs, xs + 4), *std::min_element(ys, ys + 4),
            *std::max_element(xs, xs + 4), *std::max_element(ys, ys + 4)};
}

constexpr double kTw = 300, kTh = 40;
constexpr double kL = 1000, kT = 2000, kW = 500, kH = 600;
constexpr double kTol = 1.5; // each projection is rounded to a whole unit

const TAnchorStyle kAnchors[] = {TAnchorStyle::asNone, TAnchorStyle::asTextLeft,
                                 TAnchorStyle::asTextCenter, TAnchorStyle::asTextRight};

} // namespace

TEST(AngledGeometry, AnglesAreNormalisedToOneTurn) {
    EXPECT_EQ(NormalizeAngle(450), 90);
    EXPECT_EQ(NormalizeAngle(360), 0);
    EXPECT_EQ(NormalizeAngle(0), 0);
    EXPECT_EQ(NormalizeAngle(-90), 270);
    EXPECT_EQ(NormalizeAngle(-450), 270);
    EXPECT_EQ(NormalizeAngle(-360), 0);
    EXPECT_EQ(NormalizeAngle(719), 359);
    TQRAngledLabel label;
    EXPECT_EQ(label.Angle(), 45);
    label.SetAngle(450);
    EXPECT_EQ(label.Angle(), 90);
    label.SetAngle(-90);
    EXPECT_EQ(label.Angle(), 270);
}

TEST(AngledGeometry, QuadrantsAndProjections) {
    TAngledGeometry g = AngledGeometry(0, TAnchorStyle::asNone, true, kTw, kTh, 0, 0, 1, 1);
    EXPECT_EQ(g.Quadrant, 0);
    EXPECT_EQ(g.BW, kTw);
    EXPECT_EQ(g.BH, kTh);
    g = AngledGeometry(90, TAnchorStyle::asNone, true, kTw, kTh, 0, 0, 1, 1);
    EXPECT_EQ(g.Quadrant, 1);
    EXPECT_EQ(g.BW, kTh);
    EXPECT_EQ(g.BH, kTw);
    EXPECT_EQ(AngledGeometry(179, TAnchorStyle::asNone, true, kTw, kTh, 0, 0, 1, 1).Quadrant, 1);
    EXPECT_EQ(AngledGeometry(180, TAnchorStyle::asNone, true, kTw, kTh, 0, 0, 1, 1).Quadrant, 2);
    EXPECT_EQ(AngledGeometry(270, TAnchorStyle::asNone, true, kTw, kTh, 0, 0, 1, 1).Quadrant, 3);
    // 30 degrees: rho = 60, A = round(300 sin 60) = 260, B = 150, C = 20, D = round(34.64) = 35.
    g = AngledGeometry(30, TAnchorStyle::asNone, true, kTw, kTh, 0, 0, 1, 1);
    EXPECT_EQ(g.A, 260);
    EXPECT_EQ(g.B, 150);
    EXPECT_EQ(g.C, 20);
    EXPECT_EQ(g.D, 35);
    EXPECT_EQ(g.BW, 280);
    EXPECT_EQ(g.BH, 185);
    // Ties round to even: centring 2 in 3 moves by 0.5, which gives 0; in 5 by 1.5, giving 2.
    g = AngledGeometry(0, TAnchorStyle::asTextCenter, true, 2, 2, 0, 0, 3, 5);
    EXPECT_EQ(g.Left, 0);
    EXPECT_EQ(g.Top, 2);
}

// Whatever the angle, the rotated text lies exactly in the element it auto-sized to, and the
// element moved so that the anchored corner or centre stayed where it was.
TEST(AngledGeometry, AutoSizeFitsTheTurnedTextAndKeepsTheAnchor) {
    for (int angle = 0; angle < 360; ++angle) {
        for (TAnchorStyle anchor : kAnchors) {
            TAngledGeometry g = AngledGeometry(angle, anchor, true, kTw, kTh, kL, kT, kW, kH);
            SCOPED_TRACE(testing::Message()
                         << "angle " << angle << " anchor " << static_cast<int>(anchor));
            EXPECT_EQ(g.Width, g.BW);
            EXPECT_EQ(g.Height, g.BH);
            Box b = RotatedCell(angle, kTw, kTh, g.OX, g.OY);
            EXPECT_NEAR(b.Left, 0, kTol);
            EXPECT_NEAR(b.Top, 0, kTol);
            EXPECT_NEAR(b.Right, g.BW, kTol);
            EXPECT_NEAR(b.Bottom, g.BH, kTol);
            const int q = g.Quadrant;
            bool keepRight = false, keepBottom = false;
            switch (anchor) {
            case TAnchorStyle::asNone:
                break;
            case TAnchorStyle::asTextLeft: // the corner where the text starts
                keepRight = q == 1 || q == 2;
                keepBottom = q == 0 || q == 1;
                break;
            case TAnchorStyle::asTextRight: // the corner where it ends
                keepRight = q == 0 || q == 3;
                keepBottom = q == 2 || q == 3;
                break;
            case TAnchorStyle::asTextCenter:
                EXPECT_NEAR(g.Left + g.Width / 2, kL + kW / 2, 1);
                EXPECT_NEAR(g.Top + g.Height / 2, kT + kH / 2, 1);
                continue;
            }
            if (keepRight)
                EXPECT_EQ(g.Left + g.Width, kL + kW);
            else
                EXPECT_EQ(g.Left, kL);
            if (keepBottom)
                EXPECT_EQ(g.Top + g.Height, kT + kH);
            else
                EXPECT_EQ(g.Top, kT);
        }
    }
}

// With a fixed size the element keeps its bounds and the turned text sits in the anchor's
// corner (or the centre, or the top left for none).
TEST(AngledGeometry, FixedSizePlacesTheTurnedTextAtTheAnchor) {
    for (int angle = 0; angle < 360; ++angle) {
        for (TAnchorStyle anchor : kAnchors) {
            TAngledGeometry g = AngledGeometry(angle, anchor, false, kTw, kTh, kL, kT, kW, kH);
            SCOPED_TRACE(testing::Message()
                         << "angle " << angle << " anchor " << static_cast<int>(anchor));
            EXPECT_EQ(g.Left, kL);
            EXPECT_EQ(g.Top, kT);
            EXPECT_EQ(g.Width, kW);
            EXPECT_EQ(g.Height, kH);
            Box b = RotatedCell(angle, kTw, kTh, g.OX, g.OY);
            const int q = g.Quadrant;
            double left = 0, top = 0;
            auto right = [&] { left = kW - g.BW; };
            auto bottom = [&] { top = kH - g.BH; };
            switch (anchor) {
            case TAnchorStyle::asNone:
                break;
            case TAnchorStyle::asTextLeft:
                if (q == 1 || q == 2) right();
                if (q == 0 || q == 1) bottom();
                break;
            case TAnchorStyle::asTextRight:
                if (q == 0 || q == 3) right();
                if (q == 2 || q == 3) bottom();
                break;
            case TAnchorStyle::asTextCenter:
                left = std::nearbyint((kW - g.BW) / 2);
                top = std::nearbyint((kH - g.BH) / 2);
                break;
            }
            EXPECT_NEAR(b.Left, left, kTol);
            EXPECT_NEAR(b.Top, top, kTol);
            EXPECT_NEAR(b.Right, left + g.BW, kTol);
            EXPECT_NEAR(b.Bottom, top + g.BH, kTol);
        }
    }
}

TEST(AngledGeometry, TheCasesReportsUse) {
    // 0 degrees auto-sized: exactly the text, drawn at the element's corner.
    TAngledGeometry g = AngledGeometry(0, TAnchorStyle::asNone, true, kTw, kTh, kL, kT, kW, kH);
    EXPECT_EQ(g.Width, kTw);
    EXPECT_EQ(g.Height, kTh);
    EXPECT_EQ(g.OX, 0);
    EXPECT_EQ(g.OY, 0);
    // The gradebook's headings: the text starts at the bottom edge and reads upward, its
    // cell flush with the right edge.
    g = AngledGeometry(90, TAnchorStyle::asTextLeft, false, kTw, kTh, kL, kT, kW, kH);
    EXPECT_EQ(g.OX, kW - kTh);
    EXPECT_EQ(g.OY, kH);
    // Auto-size at 0 degrees anchored at the text's end keeps the right edge and the top.
    g = AngledGeometry(0, TAnchorStyle::asTextRight, true, kTw, kTh, kL, kT, kW, kH);
    EXPECT_EQ(g.Left + g.Width, kL + kW);
    EXPECT_EQ(g.Top, kT);
    // 270 degrees reads downward from the top left.
    g = AngledGeometry(270, TAnchorStyle::asNone, true, kTw, kTh, kL, kT, kW, kH);
    EXPECT_EQ(g.OX, kTh);
    EXPECT_EQ(g.OY, 0);
}

TEST(AngledLabelFont, TheOutlineCheck) {
    TFontStyle bitmap;
    bitmap.Family = "Fixed";
    TFontStyle parent;
    parent.Family = "Liberation Sans";
    parent.PointSize = 11;
    // An outline font, or no check asked for: nothing happens.
    TTrueTypeCheck c = CheckTrueType(parent, true, TTrueTypeAlert::ttaAbortMessage, nullptr, false);
    EXPECT_EQ(c.Font, parent);
    EXPECT_TRUE(c.Message.isEmpty());
    c = CheckTrueType(bitmap, false, TTrueTypeAlert::ttaNone, &parent, true);
    EXPECT_EQ(c.Font, bitmap);
    EXPECT_TRUE(c.Message.isEmpty());
    // Message: the font stays.
    c = CheckTrueType(bitmap, false, TTrueTypeAlert::ttaMessage, &parent, true);
    EXPECT_EQ(c.Font, bitmap);
    EXPECT_EQ(c.Message, "Font selected is not a TrueType Font and can't be rotated");
    // Abort: the parent's font when it can turn, else Arial; quietly.
    c = CheckTrueType(bitmap, false, TTrueTypeAlert::ttaAbort, &parent, true);
    EXPECT_TRUE(c.UseParentFont);
    EXPECT_EQ(c.Font, parent);
    EXPECT_TRUE(c.Message.isEmpty());
    c = CheckTrueType(bitmap, false, TTrueTypeAlert::ttaAbort, &bitmap, false);
    EXPECT_FALSE(c.UseParentFont);
    EXPECT_EQ(c.Font.Family, "Arial");
    c = CheckTrueType(bitmap, false, TTrueTypeAlert::ttaAbortMessage, &parent, true);
    EXPECT_EQ(c.Message, "Font selected is not a TrueType Font. 'Liberation Sans' was assigned");
}
