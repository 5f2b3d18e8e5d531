#include "options_command.h"

#include <QCoreApplication>

namespace marklow {

namespace {

bool SameCategories(const std::vector<TCategory>& a, const std::vector<TCategory>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].Name != b[i].Name || a[i].Percent != b[i].Percent ||
            a[i].DropLowest != b[i].DropLowest)
            return false;
    return true;
}

} // namespace

TOptionsCommand::TOptionsCommand(TGradebookDocument& doc, TOptionsResult result)
    : TGradebookCommand(doc, QCoreApplication::translate("TGradebookCommand", "Options")),
      new_(std::move(result)), old_(CaptureOptions(doc.Gradebook(), new_)) {}

bool TOptionsCommand::Changes(const TGradebook& gb, const TOptionsResult& r) {
    const TOptionsResult now = CaptureOptions(gb, r);
    // Only the grades whose settings differ are in a result, so any grade is a change.
    return !r.Grades.empty() || !(r.LetterToNumber == now.LetterToNumber) ||
           !(r.NumberToLetter == now.NumberToLetter) || r.ShowLetters != now.ShowLetters ||
           r.PointsAreWeights != now.PointsAreWeights || r.Teacher != now.Teacher ||
           r.ClassName != now.ClassName || r.ClassNumber != now.ClassNumber ||
           !SameCategories(r.Categories, now.Categories);
}

void TOptionsCommand::redo() {
    TGradebook& gb = Gb();
    if (new_.AffectsAverages) averages_.Before(gb);
    ApplyOptions(gb, new_);
    if (new_.AffectsAverages) averages_.AfterRedo(gb);
    Notify();
}

void TOptionsCommand::undo() {
    TGradebook& gb = Gb();
    ApplyOptions(gb, old_);
    if (new_.AffectsAverages) averages_.AfterUndo(gb);
    Notify();
}

void TOptionsCommand::Notify() {
    if (new_.AffectsAverages || new_.CurveChanged) {
        emit doc_.averagesChanged();
        emit doc_.widthsChanged();
    }
    emit doc_.switchesChanged(); // "&Letter Averages" follows ShowLetters
}

} // namespace marklow
