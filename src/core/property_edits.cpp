#include "property_edits.h"

#include <utility>

namespace marklow {

TGradeDefaults GradeDefaultsOf(const TGradebook& gb) {
    TGradeDefaults d;
    d.PointsAreWeights = gb.PointsAreWeights;
    d.DefaultPoints = gb.Preferences.DefaultPoints;
    d.DefaultWeight = gb.Preferences.DefaultWeight;
    d.OmitZeros = gb.Preferences.OmitZeros;
    return d;
}

void SetGradeDefaults(TGradebook& gb, const TGradeDefaults& d) {
    gb.PointsAreWeights = d.PointsAreWeights;
    gb.Preferences.DefaultPoints = d.DefaultPoints;
    gb.Preferences.DefaultWeight = d.DefaultWeight;
    gb.Preferences.OmitZeros = d.OmitZeros;
}

void ExchangeGradeDefaults(TGradebook& gb, TGradeDefaults& d) {
    TGradeDefaults old = GradeDefaultsOf(gb);
    SetGradeDefaults(gb, d);
    d = old;
}

namespace {

void ExchangeNameCell(TGradebook& gb, int c, int r, std::string& text) {
    std::string old(gb.Cell(c, r));
    gb.SetCell(c, r, text);
    text = std::move(old);
}

} // namespace

void ExchangeStudentEdit(TGradebook& gb, TStudentEdit& edit) {
    TStudent& s = *gb.StudentAt(edit.Row);
    TStudent old;
    CopyStudent(old, s);
    CopyStudent(s, edit.Student);
    CopyStudent(edit.Student, old);
    ExchangeNameCell(gb, 1, edit.Row, edit.NameCell);
}

void InsertStudent(TGradebook& gb, const TStudentEdit& edit) {
    gb.InsertRow(edit.Row);
    auto s = gb.NewStudent();
    CopyStudent(*s, edit.Student);
    gb.AttachStudent(edit.Row, std::move(s));
    gb.SetCell(1, edit.Row, edit.NameCell);
}

void ExchangeGradeEdit(TGradebook& gb, TGradeEdit& edit) {
    TGrade& g = *gb.GradeAt(edit.Column);
    TGrade old;
    CopyGrade(old, g);
    old.Date = g.Date;
    CopyGrade(g, edit.Grade);
    g.Date = edit.Grade.Date;
    CopyGrade(edit.Grade, old);
    edit.Grade.Date = old.Date;
    ExchangeNameCell(gb, edit.Column, 1, edit.NameCell);
    ExchangeGradeDefaults(gb, edit.Defaults);
}

void InsertGrade(TGradebook& gb, TGradeEdit& edit) {
    gb.InsertColumn(edit.Column);
    auto g = gb.NewGrade();
    CopyGrade(*g, edit.Grade);
    g->Date = edit.Grade.Date;
    gb.AttachGrade(edit.Column, std::move(g));
    gb.SetCell(edit.Column, 1, edit.NameCell);
    ExchangeGradeDefaults(gb, edit.Defaults);
}

void RemoveInsertedGrade(TGradebook& gb, TGradeEdit& edit) {
    gb.DeleteColumn(edit.Column);
    ExchangeGradeDefaults(gb, edit.Defaults);
}

} // namespace marklow
