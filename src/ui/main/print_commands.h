#pragma once
// File > "&Print...", the Print tool button and the grid's pop-up "&Print": the print dialog,
// then the preview or the printer. Reports only read the gradebook.

// The controller keeps guarded pointers to these, which need their whole types.
#include "new_print_dlg.h"
#include "preview_window.h"
#include "print_controller.h"

#include <QObject>

namespace marklow {

class TSDIAppForm;

class TPrintCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPrintCommands)
public:
    explicit TPrintCommands(TSDIAppForm& form);

    void Print1Click();

    TPrintController Controller; // made once, so the choices last until the program ends

protected:
    // Swallows the preview tool bar's tool tips while hints are off.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool hints_ = true;
    TSDIAppForm& form_;
};

} // namespace marklow
