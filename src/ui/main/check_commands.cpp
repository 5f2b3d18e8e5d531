#include "check_commands.h"

#include "check.h"
#include "main_window.h"

#include <QAction>

namespace marklow {

TCheckCommands::TCheckCommands(TSDIAppForm& form) : QObject(&form), CheckForm(&form), form_(form) {
    form.CheckAllEntries1->setEnabled(true);
    connect(form.CheckAllEntries1, &QAction::triggered, this,
            &TCheckCommands::CheckAllEntries1Click);
    CheckForm.SetGoTo([this](const TErrorFinder& place) { GoTo(place); });
    connect(&form, &TSDIAppForm::displayFontChanged, this,
            [this](const QFont& font) { CheckForm.setFont(font); });
}

void TCheckCommands::CheckAllEntries1Click() {
    form_.FinishCellEdit();
    // Indexes beyond the list already count as the first category; saying so in the
    // gradebook changes nothing a teacher sees, so it is no step and no modification.
    RepairCategoryIndexes(form_.Gradebook());
    CheckForm.ShowResults(form_.Gradebook());
}

void TCheckCommands::GoTo(const TErrorFinder& place) {
    switch (place.Kind) {
    case TErrorFinder::EntryCell:
        form_.GradeBook->MoveCurrent(place.X, place.Y);
        break;
    case TErrorFinder::Grade:
        if (GradeProperties) GradeProperties(place.X);
        break;
    case TErrorFinder::Student:
        if (StudentProperties) StudentProperties(place.X);
        break;
    case TErrorFinder::CategoryField:
        if (CategoryOptions) CategoryOptions(place.X, place.Y);
        break;
    default:
        break;
    }
}

} // namespace marklow
