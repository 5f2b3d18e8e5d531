#include "view_commands.h"

#include "commands.h"
#include "main_window.h"

#include <QAction>

namespace marklow {

TViewCommands::TViewCommands(TSDIAppForm& form) : QObject(&form), form_(form) {
    auto wire = [this](QAction* a, void (TViewCommands::*handler)()) {
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, handler);
    };
    wire(form.ToolBar2, &TViewCommands::ToolBar2Click);
    wire(form.StatusBar2, &TViewCommands::StatusBar2Click);
    wire(form.ShowAverages, &TViewCommands::ShowAveragesClick);
    wire(form.LetterAverages1, &TViewCommands::LetterAverages1Click);
    wire(form.Curve1, &TViewCommands::Curve1Click);
}

void TViewCommands::ToolBar2Click() {
    form_.SetToolBarShown(form_.ToolBar2->isChecked());
}

void TViewCommands::StatusBar2Click() {
    form_.SetStatusBarShown(form_.StatusBar2->isChecked());
}

void TViewCommands::ShowAveragesClick() {
    form_.SetAveragesShown(form_.ShowAverages->isChecked());
}

void TViewCommands::LetterAverages1Click() {
    TGradebookDocument& doc = form_.Document();
    const bool on = form_.LetterAverages1->isChecked();
    if (on != doc.Gradebook().ShowLetters) doc.Push(new TShowLettersCommand(doc, on));
}

void TViewCommands::Curve1Click() {
    form_.SetCurveShown(form_.Curve1->isChecked());
}

} // namespace marklow
