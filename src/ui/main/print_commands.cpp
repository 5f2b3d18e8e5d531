#include "print_commands.h"

#include "main_window.h"
#include "new_print_dlg.h"

#include <QAction>

namespace marklow {

TPrintCommands::TPrintCommands(TSDIAppForm& form) : QObject(&form), Controller(&form), form_(form) {
    for (QAction* a : {form.Print1, form.Print2}) {
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, &TPrintCommands::Print1Click);
    }
    connect(&form, &TSDIAppForm::displayFontChanged, this,
            [this](const QFont& font) { Controller.Dialog().setFont(font); });
}

void TPrintCommands::Print1Click() {
    form_.FinishCellEdit(); // what is typed is printed
    Controller.Print1Click(form_.Gradebook());
}

} // namespace marklow
