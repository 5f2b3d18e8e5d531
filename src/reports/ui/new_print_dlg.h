#pragma once
// TNewPrintDlg, "Print": chooses the report and its options, then previews or prints it.
// Created once and kept: every choice keeps its last value, except the student choice of
// the progress report, which Open resets.

#include "print_options.h"
#include "radio_group.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QStackedWidget>

#include <functional>

namespace marklow {

class TGradebook;

class TNewPrintDlg final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TNewPrintDlg)
public:
    explicit TNewPrintDlg(QWidget* parent = nullptr);

    // Before showing: "All" again, and the list of students' names in row order with the
    // first one selected ("Selected" cannot be chosen without students).
    void Open(const TGradebook& gb);
    // The choices as the reports read them.
    PrintOptions Options() const;

    // "&OK" runs the chosen report through OnRun; the dialog closes with OK when it returns
    // true (the preview was closed or the pages went out) and stays open otherwise.
    std::function<bool()> OnRun;
    // "&Setup": the printer setup of the chosen report.
    std::function<void()> OnSetup;

    TRadioGroup* RadioGroup1;  // "Report Type"
    QCheckBox* CheckBox1;      // "Preview"
    QCheckBox* ShadeBox;       // "Shade Curved Grades"
    TRadioGroup* OrientGroup;  // "Orientation"
    QCheckBox* OmitBox;        // "Omit grades after last entry"
    TRadioGroup* GradeGroup;   // "Print grade"
    QStackedWidget* Notebook1; // "Gradebook", "Criteria", "Progress"
    TRadioGroup* StudentGroup; // "Print student", on the Gradebook page
    QGroupBox* StudentsBox;    // "Students", on the Progress page
    QRadioButton* AllButton;
    QRadioButton* SelectedButton;
    QComboBox* ComboBox2; // the students' names
    QPushButton* SetupButton;
    QPushButton* OkButton;
    QPushButton* CancelButton;
    QPushButton* HelpButton;

signals:
    // "&Help": the help topic with this keyword.
    void HelpRequested(const QString& keyword);

private:
    void ReportTypeChanged(int index);
};

} // namespace marklow
