#pragma once
// File > "Import Roster...": a class list exported from a school's learning-management system
// (or any CSV of names) into the gradebook, shown first and applied as one undo step.

#include "roster_dialog.h"

#include <QObject>

namespace marklow {

class TSDIAppForm;

class TRosterCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TRosterCommands)
public:
    explicit TRosterCommands(TSDIAppForm& form);

    void ImportRoster1Click();

    // Created once and reused, so the name order chosen stays for the session.
    TImportRosterDlg RosterDlg;

private:
    TSDIAppForm& form_;
    QString folder_; // where the last roster came from
};

} // namespace marklow
