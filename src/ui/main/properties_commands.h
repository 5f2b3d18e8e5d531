#pragma once
// Student and grade properties, New Student and New Grade (Edit menu, the grid's pop-up menu,
// tool buttons 14 and 15, and the check window's findings), and the two sort submenus. Each
// OK and each sort is one undo step.

#include "property_dialogs.h"

#include <QObject>

namespace marklow {

class TSDIAppForm;

class TPropertiesCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPropertiesCommands)
public:
    explicit TPropertiesCommands(TSDIAppForm& form);

    // The properties of the student on an explicit row (the check window names its row); a
    // row without a student runs New Student there.
    void Student2Click(int row);
    void Student3Click();
    void Grade2Click(int column);
    void Grade4Click();

    // View > Sort Students / Sort Grades: the item's place in its submenu.
    void SortStudentsClick(int key);
    void SortGradesClick(int key);

    TStudentDlg StudentDlg; // created once and reused
    TGradeDlg GradeDlg;

private:
    TSDIAppForm& form_;
};

} // namespace marklow
