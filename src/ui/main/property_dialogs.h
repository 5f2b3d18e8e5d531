#pragma once
// The student and grade property dialogs, and the functions the main window's commands call
// to run them. Each dialog edits a working copy of its own and never touches the gradebook:
// the functions fill the copy, show the dialog through the prompts seam and hand back what an
// OK changes (property_edits.h), which the caller applies as one undoable command.

#include "extra_credit.h"
#include "grade_box.h"
#include "gradebook.h"
#include "property_edits.h"

#include <QCheckBox>
#include <QDate>
#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace marklow {

// A grade's day number (days since 1899-12-30) and the calendar day the date picker shows.
QDate DayNumberToDate(double day);
double DateToDayNumber(const QDate& date);

class TStudentDlg final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TStudentDlg)
public:
    explicit TStudentDlg(QWidget* parent = nullptr);

    TStudent& WorkingStudent() { return *student_; }
    // A fresh working student (New student).
    void ResetWorkingStudent();
    // The field that takes the focus each time the dialog is shown.
    void SetFocusField(QWidget* field) { focusField_ = field; }
    // OK writes the fields into the working student before the dialog closes.
    void done(int result) override;

    QLineEdit* NameEdit;
    QLineEdit* IDEdit;
    // The login or e-mail a class list brought (the Moodle export's e-mail column).
    QLineEdit* LoginEdit;
    QPlainTextEdit* Memo1;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* Button1;

    static constexpr int kHelpTopic = 32;

signals:
    void HelpRequested(int topic);

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<TStudent> student_;
    QWidget* focusField_ = nullptr;
};

class TGradeDlg final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TGradeDlg)
public:
    explicit TGradeDlg(QWidget* parent = nullptr);

    TGrade& WorkingGrade() { return *grade_; }
    // A fresh working grade with the creation defaults of the gradebook's preferences.
    void ResetWorkingGrade(const TGradebook& gb);
    // What the dialog shows besides the grade: the All Grades page's settings and the
    // category names. After OK, Defaults() holds the page as the teacher left it.
    void SetContext(const TGradeDefaults& defaults, const std::vector<std::string>& categoryNames);
    // The other grades' regular weights, by weight and by points, so the dialog can say when
    // the grade's extra credit would count as much as a whole grade. Cleared by SetContext.
    void SetRegularWeights(TRegularWeights byWeight, TRegularWeights byPoints);
    const TGradeDefaults& Defaults() const { return defaults_; }
    // OK stores the All Grades page, then the panel, then name, date and notes, into the
    // working copies before the dialog closes.
    void done(int result) override;

    QLabel* NameLabel;
    QLineEdit* NameEdit;
    QTabWidget* PageControl1;
    QWidget* AverageSheet;
    QWidget* InformationSheet;
    QWidget* AllGradesSheet;
    TGradeBox* GradeBox1;
    QDateEdit* DateTimePicker1;
    QCheckBox* NoDateBox; // leaves the grade without a date
    QPlainTextEdit* Memo1;
    QLineEdit* DefaultPointsEdit;
    QLineEdit* DefaultWeightEdit;
    QCheckBox* OmitZerosBox;
    QCheckBox* wpcheckbox;
    QLabel* ExtraCreditWarning; // under the panel, shown while the extra credit is heavy
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* Button1;

    static constexpr int kHelpTopic = 669;

signals:
    void HelpRequested(int topic);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void PageChanged(int index);
    void UpdateExtraCreditWarning();

    std::unique_ptr<TGrade> grade_;
    TGradeDefaults defaults_;
    int categoryCount_ = 0;
    TRegularWeights byWeight_, byPoints_;
    QDate shownDate_; // the picker's date when shown: an untouched picker keeps the exact Date
    bool shownDated_ = false; // whether the grade had a date when shown
};

// Student properties for the student on `row`. A row without a student (the name row, the
// spare row) runs New student there instead. Nothing on Cancel.
std::optional<TStudentEdit> EditStudent(TStudentDlg& dialog, const TGradebook& gb, int row);
// New student: the dialog with a fresh student; on OK the new student's place at the cursor.
std::optional<TStudentEdit> CreateStudent(TStudentDlg& dialog, const TGradebook& gb,
                                          int currentRow);
// Grade properties for the grade in `column`; a column without a grade runs New grade there.
std::optional<TGradeEdit> EditGrade(TGradeDlg& dialog, const TGradebook& gb, int column);
// New grade: the dialog with a fresh grade; on OK the new grade's place at the cursor.
std::optional<TGradeEdit> CreateGrade(TGradeDlg& dialog, const TGradebook& gb, int currentColumn);

} // namespace marklow
