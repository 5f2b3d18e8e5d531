#include "options_commands.h"

#include "main_window.h"
#include "options_command.h"

#include <QAction>

namespace marklow {

TOptionsCommands::TOptionsCommands(TSDIAppForm& form)
    : QObject(&form), OptionsDlg(&form), form_(form) {
    for (QAction* a :
         {form.Categories1, form.Weights1, form.Letters1, form.Other1, form.Display1}) {
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, [this, a] { OptionsClick(a->data().toInt()); });
    }
}

TDisplayOptions TOptionsCommands::Display() const {
    TDisplayOptions d;
    d.FlatToolbars = form_.FlatToolBar();
    d.TwoDTables = !form_.GradeBook->ThreeD();
    d.ShowHints = form_.HintsShown();
    d.Font = form_.GradeBook->font();
    d.RecoverySeconds = form_.RecoverySeconds();
    return d;
}

void TOptionsCommands::ApplyDisplay(const TDisplayOptions& d, const TDisplayChanges& changed) {
    if (changed.FlatToolbars) form_.SetFlatToolBar(d.FlatToolbars);
    if (changed.TwoDTables) form_.SetThreeDTables(!d.TwoDTables);
    if (changed.ShowHints) form_.SetShowHints(d.ShowHints);
    if (changed.RecoverySeconds) form_.SetRecoverySeconds(d.RecoverySeconds);
    if (changed.Font) {
        OptionsDlg.setFont(d.Font);
        form_.ApplyDisplayFont(d.Font); // the dialogs that follow it listen to the form
    }
}

void TOptionsCommands::OptionsClick(int page) {
    TOptionsRequest request;
    request.Page = page;
    Run(request);
}

void TOptionsCommands::ShowCategoryField(int category, int field) {
    TOptionsRequest request;
    request.Page = kCategoriesPage;
    request.StartCategoryRow = category;
    request.StartCategoryCol = field;
    Run(request);
}

void TOptionsCommands::Run(TOptionsRequest request) {
    form_.FinishCellEdit();
    TGradebookDocument& doc = form_.Document();
    request.Display = Display();
    request.CurrentColumn = form_.GradeBook->Col();
    const std::optional<TOptionsOutcome> out = OptionsDlg.Run(doc.Gradebook(), request);
    if (!out) return;
    if (TOptionsCommand::Changes(doc.Gradebook(), out->Options))
        doc.Push(new TOptionsCommand(doc, out->Options));
    ApplyDisplay(out->Display, out->DisplayChanged);
}

} // namespace marklow
