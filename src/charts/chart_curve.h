#pragma once
// Reading the curve amount typed into the chart window's input box.

#include "gradebook.h"

#include <string>
#include <string_view>

namespace marklow {

// The box's initial text: the amount in full (the shortest text that reads back as the same
// double) when the grade is curved, else empty.
std::string CurveAmountText(const TGrade& g);

struct TCurveAnswer {
    enum class TKind {
        Unchanged, // the grade's curve stays as it is
        Invalid,   // not a number: refused, the old curve kept
        Set        // Curve and Amount are the grade's new curve
    };
    TKind Kind = TKind::Unchanged;
    bool Curve = false;
    double Amount = 0;
};

// Blank text means no curve; 0 switches the curve off. A curve that is off stays off without
// a change whatever amount it kept.
TCurveAnswer ReadCurveAnswer(std::string_view text, const TGrade& g);

// A grade's new curve as one reversible step, for the command that the chart window's
// ChangeCurve hook pushes ("Undo Change Curve"). Both directions recompute every average,
// since a curve moves the column's results and every student's average.
struct TCurveChange {
    int Column = 0;
    bool OldCurve = false;
    double OldAmount = 0;
    bool NewCurve = false;
    double NewAmount = 0;

    static TCurveChange For(const TGradebook& gb, int column, bool curve, double amount);
    // The new (forward) or old curve in the grade, averages left as they are.
    void Set(TGradebook& gb, bool forward) const;
    void Redo(TGradebook& gb) const;
    void Undo(TGradebook& gb) const;
};

} // namespace marklow
