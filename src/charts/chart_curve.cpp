#include "chart_curve.h"

#include "averages.h"
#include "text.h"

#include <charconv>
#include <cmath>

namespace marklow {

std::string CurveAmountText(const TGrade& g) {
    if (!g.Curve) return std::string();
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, g.CurveAmount);
    return std::string(buf, res.ptr);
}

TCurveAnswer ReadCurveAnswer(std::string_view text, const TGrade& g) {
    TCurveAnswer a;
    double amount = 0;
    if (!IsBlank(text)) {
        auto v = ConvertNumber(TrimBlanks(text));
        if (!v || !std::isfinite(*v)) {
            a.Kind = TCurveAnswer::TKind::Invalid;
            return a;
        }
        amount = *v;
    }
    const bool curve = amount != 0;
    if (curve == g.Curve && (!curve || amount == g.CurveAmount)) return a;
    a.Kind = TCurveAnswer::TKind::Set;
    a.Curve = curve;
    a.Amount = amount;
    return a;
}

TCurveChange TCurveChange::For(const TGradebook& gb, int column, bool curve, double amount) {
    const TGrade& g = *gb.GradeAt(column);
    return {column, g.Curve, g.CurveAmount, curve, amount};
}

void TCurveChange::Set(TGradebook& gb, bool forward) const {
    TGrade& g = *gb.GradeAt(Column);
    g.Curve = forward ? NewCurve : OldCurve;
    g.CurveAmount = forward ? NewAmount : OldAmount;
}

void TCurveChange::Redo(TGradebook& gb) const {
    Set(gb, true);
    RecomputeAll(gb);
}

void TCurveChange::Undo(TGradebook& gb) const {
    Set(gb, false);
    RecomputeAll(gb);
}

} // namespace marklow
