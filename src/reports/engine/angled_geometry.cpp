#include "angled_geometry.h"

#include <cmath>
#include <numbers>

namespace marklow {

namespace {
// Nearest whole number, ties to even (the default floating-point rounding mode).
double Round(double x) {
    return std::nearbyint(x);
}
} // namespace

int NormalizeAngle(long long angle) {
    long long a = angle % 360;
    if (a < 0) a += 360;
    return static_cast<int>(a);
}

TAngledGeometry AngledGeometry(int angle, TAnchorStyle anchor, bool autoSize, double tw, double th,
                               double left, double top, double width, double height) {
    TAngledGeometry g;
    double rho;
    if (angle < 90) {
        g.Quadrant = 0;
        rho = 90 - angle;
    } else if (angle < 180) {
        g.Quadrant = 1;
        rho = angle - 90;
    } else if (angle < 270) {
        g.Quadrant = 2;
        rho = 270 - angle;
    } else {
        g.Quadrant = 3;
        rho = angle - 270;
    }
    rho = rho * std::numbers::pi / 180;
    g.A = Round(tw * std::sin(rho));
    g.B = Round(tw * std::cos(rho));
    g.C = Round(th * std::cos(rho));
    g.D = Round(th * std::sin(rho));
    g.BW = g.A + g.C;
    g.BH = g.B + g.D;
    g.Left = left;
    g.Top = top;
    g.Width = width;
    g.Height = height;
    const int q = g.Quadrant;
    // Origin of a box placed at the element's top left corner.
    auto boxOrigin = [&] {
        switch (q) {
        case 0:
            g.OX = 0;
            g.OY = g.B;
            break;
        case 1:
            g.OX = g.A;
            g.OY = g.BH;
            break;
        case 2:
            g.OX = g.BW;
            g.OY = g.D;
            break;
        default:
            g.OX = g.C;
            g.OY = 0;
            break;
        }
    };
    if (autoSize) {
        const double w = width, h = height;
        switch (anchor) {
        case TAnchorStyle::asNone:
            break;
        case TAnchorStyle::asTextLeft:
            if (q == 1 || q == 2) g.Left = left + w - g.BW;
            if (q == 0 || q == 1) g.Top = top + h - g.BH;
            break;
        case TAnchorStyle::asTextRight:
            if (q == 0 || q == 3) g.Left = left + w - g.BW;
            if (q == 2 || q == 3) g.Top = top + h - g.BH;
            break;
        case TAnchorStyle::asTextCenter:
            g.Left = left + Round((w - g.BW) / 2);
            g.Top = top + Round((h - g.BH) / 2);
            break;
        }
        g.Width = g.BW;
        g.Height = g.BH;
        boxOrigin();
        return g;
    }
    const double W = width, H = height;
    switch (anchor) {
    case TAnchorStyle::asNone:
        boxOrigin();
        break;
    case TAnchorStyle::asTextLeft:
        switch (q) {
        case 0:
            g.OX = 0;
            g.OY = H - g.D;
            break;
        case 1:
            g.OX = W - g.C;
            g.OY = H;
            break;
        case 2:
            g.OX = W;
            g.OY = g.D;
            break;
        default:
            g.OX = g.C;
            g.OY = 0;
            break;
        }
        break;
    case TAnchorStyle::asTextRight:
        switch (q) {
        case 0:
            g.OX = W - g.A - g.C;
            g.OY = g.B;
            break;
        case 1:
            g.OX = g.A;
            g.OY = g.B + g.D;
            break;
        case 2:
            g.OX = g.A + g.C;
            g.OY = H - g.B;
            break;
        default:
            g.OX = W - g.A;
            g.OY = H - g.B - g.D;
            break;
        }
        break;
    case TAnchorStyle::asTextCenter: {
        double dx = Round((W - g.BW) / 2);
        double dy = Round((H - g.BH) / 2);
        switch (q) {
        case 0:
            g.OX = dx;
            g.OY = dy + g.B;
            break;
        case 1:
            g.OX = dx + g.A;
            g.OY = dy + g.B + g.D;
            break;
        case 2:
            g.OX = dx + g.A + g.C;
            g.OY = dy + g.D;
            break;
        default:
            g.OX = dx + g.C;
            g.OY = dy;
            break;
        }
        break;
    }
    }
    return g;
}

} // namespace marklow
