#include "properties_commands.h"

#include "main_window.h"
#include "property_commands.h"

#include <QAction>

namespace marklow {

TPropertiesCommands::TPropertiesCommands(TSDIAppForm& form)
    : QObject(&form), StudentDlg(&form), GradeDlg(&form), form_(form) {
    auto wire = [this](QAction* a, auto handler) {
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, handler);
    };
    auto studentHere = [this] { Student2Click(form_.GradeBook->Row()); };
    auto gradeHere = [this] { Grade2Click(form_.GradeBook->Col()); };
    for (QAction* a : {form.Student2, form.StudentProperties1})
        wire(a, studentHere);
    for (QAction* a : {form.Grade3, form.GradeProperties1})
        wire(a, gradeHere);
    for (QAction* a : {form.Student3, form.NewStudent1})
        wire(a, [this] { Student3Click(); });
    for (QAction* a : {form.Grade4, form.NewGrade1})
        wire(a, [this] { Grade4Click(); });

    QAction* const students[] = {form.UserInput1, form.byName1, form.byAverage1, form.byID1};
    QAction* const grades[] = {form.UserInput2, form.byName2, form.byDate1, form.byCategory1};
    for (int key = 0; key < 4; ++key) {
        wire(students[key], [this, key] { SortStudentsClick(key); });
        wire(grades[key], [this, key] { SortGradesClick(key); });
    }
    connect(&form, &TSDIAppForm::displayFontChanged, this, [this](const QFont& font) {
        StudentDlg.setFont(font);
        GradeDlg.setFont(font);
    });
}

void TPropertiesCommands::Student2Click(int row) {
    form_.FinishCellEdit();
    TGradebookDocument& doc = form_.Document();
    auto edit = EditStudent(StudentDlg, doc.Gradebook(), row);
    if (edit && StudentEditChanges(doc.Gradebook(), *edit))
        doc.Push(new TStudentCommand(doc, std::move(*edit), form_.GradeBook->Col()));
}

void TPropertiesCommands::Student3Click() {
    form_.FinishCellEdit();
    TGradebookDocument& doc = form_.Document();
    if (auto edit = CreateStudent(StudentDlg, doc.Gradebook(), form_.GradeBook->Row()))
        doc.Push(new TStudentCommand(doc, std::move(*edit), form_.GradeBook->Col()));
}

void TPropertiesCommands::Grade2Click(int column) {
    form_.FinishCellEdit();
    TGradebookDocument& doc = form_.Document();
    auto edit = EditGrade(GradeDlg, doc.Gradebook(), column);
    if (edit && GradeEditChanges(doc.Gradebook(), *edit))
        doc.Push(new TGradeCommand(doc, std::move(*edit), form_.GradeBook->Row()));
}

void TPropertiesCommands::Grade4Click() {
    form_.FinishCellEdit();
    TGradebookDocument& doc = form_.Document();
    if (auto edit = CreateGrade(GradeDlg, doc.Gradebook(), form_.GradeBook->Col()))
        doc.Push(new TGradeCommand(doc, std::move(*edit), form_.GradeBook->Row()));
}

void TPropertiesCommands::SortStudentsClick(int key) {
    form_.FinishCellEdit();
    TGradebookDocument& doc = form_.Document();
    TSortStep step = PlanStudentSort(doc.Gradebook(), static_cast<TStudentSortKey>(key));
    const auto mark = static_cast<TStudentSort>(key);
    if (step.Changes()) {
        // Nothing is painted half-sorted; hiding the grid would move the focus instead.
        form_.GradeBook->setUpdatesEnabled(false);
        doc.Push(new TSortCommand(doc, std::move(step), mark, doc.GradeSort(),
                                  form_.GradeBook->Col(), form_.GradeBook->Row()));
        form_.GradeBook->setUpdatesEnabled(true);
    } else {
        doc.SetSorts(mark, doc.GradeSort()); // in that order already: only the check mark
    }
    emit doc.switchesChanged(); // a checked item clicked again keeps its mark
}

void TPropertiesCommands::SortGradesClick(int key) {
    form_.FinishCellEdit();
    TGradebookDocument& doc = form_.Document();
    TSortStep step = PlanGradeSort(doc.Gradebook(), static_cast<TGradeSortKey>(key));
    const auto mark = static_cast<TGradeSort>(key);
    if (step.Changes()) {
        form_.GradeBook->setUpdatesEnabled(false);
        doc.Push(new TSortCommand(doc, std::move(step), doc.StudentSort(), mark,
                                  form_.GradeBook->Col(), form_.GradeBook->Row()));
        form_.GradeBook->setUpdatesEnabled(true);
    } else {
        doc.SetSorts(doc.StudentSort(), mark);
    }
    emit doc.switchesChanged();
}

} // namespace marklow
