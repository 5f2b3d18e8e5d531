#include "print_commands.h"

#include "main_window.h"
#include "new_print_dlg.h"

#include <QAction>
#include <QEvent>
#include <QToolBar>
#include <QToolButton>

namespace marklow {

TPrintCommands::TPrintCommands(TSDIAppForm& form) : QObject(&form), Controller(&form), form_(form) {
    for (QAction* a : {form.Print1, form.Print2}) {
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, &TPrintCommands::Print1Click);
    }
    connect(&form, &TSDIAppForm::displayFontChanged, this,
            [this](const QFont& font) { Controller.Dialog().setFont(font); });
    // The preview's tool bar follows the flat look and the hints of the main window's.
    for (QToolButton* b : Controller.Preview().ToolBar->findChildren<QToolButton*>())
        b->installEventFilter(this);
    connect(&form, &TSDIAppForm::toolBarLookChanged, this, [this](bool flat, bool hints) {
        hints_ = hints;
        for (QToolButton* b : Controller.Preview().ToolBar->findChildren<QToolButton*>())
            b->setAutoRaise(flat);
    });
}

bool TPrintCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip && !hints_) return true;
    return QObject::eventFilter(watched, event);
}

void TPrintCommands::Print1Click() {
    form_.FinishCellEdit(); // what is typed is printed
    Controller.Print1Click(form_.Gradebook());
}

} // namespace marklow
