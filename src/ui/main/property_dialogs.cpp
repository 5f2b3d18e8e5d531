#include "property_dialogs.h"

#include "button_descriptions.h"
#include "grade_date.h"
#include "prompts.h"
#include "sorting.h"
#include "text.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLocale>
#include <QVBoxLayout>

#include <cmath>

namespace marklow {

namespace {

const QDate kDayZero(1899, 12, 30);

QString Number(double v) {
    return QString::fromStdString(FormatNumber(v));
}

// OK, Cancel and Help in a row at the bottom right.
QHBoxLayout* Buttons(QDialog* dialog, QPushButton*& ok, QPushButton*& cancel, QPushButton*& help) {
    ok = new QPushButton(QCoreApplication::translate("PropertyDialogs", "&OK"), dialog);
    cancel = new QPushButton(QCoreApplication::translate("PropertyDialogs", "&Cancel"), dialog);
    help = new QPushButton(QCoreApplication::translate("PropertyDialogs", "&Help"), dialog);
    DescribeButton(ok, TButtonRole::Ok);
    DescribeButton(cancel, TButtonRole::Cancel);
    DescribeButton(help, TButtonRole::Help);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    row->addWidget(help);
    return row;
}

QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

// A default for new grades: a number above 0, or the previous value. Taking 0 from a typo
// would give every later grade 0 points or weight 0, which leaves it out of every average.
// An untouched field keeps the exact value it shows rounded.
double DefaultFromField(const QLineEdit* edit, double previous) {
    if (edit->text() == Number(previous)) return previous;
    std::optional<double> v = ConvertNumber(TrimBlanks(edit->text().toStdString()));
    return v && std::isfinite(*v) && *v > 0 ? *v : previous;
}

} // namespace

QDate DayNumberToDate(double day) {
    if (!std::isfinite(day) || std::fabs(day) > 4e6) return QDate();
    return kDayZero.addDays(static_cast<qint64>(std::floor(day)));
}

double DateToDayNumber(const QDate& date) {
    return static_cast<double>(kDayZero.daysTo(date));
}

// --- student dialog ---

TStudentDlg::TStudentDlg(QWidget* parent)
    : QDialog(parent), student_(std::make_unique<TStudent>()) {
    NameEdit = new QLineEdit(this);
    IDEdit = new QLineEdit(this);
    LoginEdit = new QLineEdit(this);
    Memo1 = new QPlainTextEdit(this);
    LoginEdit->setAccessibleDescription(QCoreApplication::translate(
        "PropertyDialogs", "The student's login or e-mail address, as a class list gives it"));
    NameEdit->setAccessibleDescription(QCoreApplication::translate(
        "PropertyDialogs", "The student's name as the gradebook shows it"));
    IDEdit->setAccessibleDescription(QCoreApplication::translate(
        "PropertyDialogs", "The student's ID, such as a school number"));
    Memo1->setAccessibleDescription(QCoreApplication::translate(
        "PropertyDialogs", "Anything you want to note about the student"));
    auto* fields = new QVBoxLayout;
    fields->setSpacing(2);
    fields->addWidget(
        Caption(QCoreApplication::translate("PropertyDialogs", "Name"), NameEdit, this));
    fields->addWidget(NameEdit);
    fields->addSpacing(8);
    fields->addWidget(Caption(QCoreApplication::translate("PropertyDialogs", "ID"), IDEdit, this));
    fields->addWidget(IDEdit);
    fields->addSpacing(8);
    fields->addWidget(Caption(QCoreApplication::translate("PropertyDialogs", "Login or e-mail"),
                              LoginEdit, this));
    fields->addWidget(LoginEdit);
    fields->addSpacing(8);
    fields->addWidget(
        Caption(QCoreApplication::translate("PropertyDialogs", "Notes"), Memo1, this));
    fields->addWidget(Memo1, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(fields, 1);
    outer->addSpacing(6);
    outer->addLayout(Buttons(this, OKBtn, CancelBtn, Button1));
    connect(Button1, &QPushButton::clicked, this, [this] { emit HelpRequested(kHelpTopic); });
    setModal(true);
    resize(449, 393);
    focusField_ = NameEdit;
}

void TStudentDlg::ResetWorkingStudent() {
    student_ = std::make_unique<TStudent>();
}

void TStudentDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    NameEdit->setText(QString::fromStdString(student_->Name));
    IDEdit->setText(QString::fromStdString(student_->ID));
    LoginEdit->setText(QString::fromStdString(student_->Login));
    Memo1->setPlainText(QString::fromStdString(student_->Notes));
    if (focusField_) focusField_->setFocus();
}

void TStudentDlg::done(int result) {
    if (result == Accepted) {
        student_->Name = NameEdit->text().toStdString();
        student_->ID = IDEdit->text().toStdString();
        student_->Login = LoginEdit->text().toStdString();
        student_->Notes = Memo1->toPlainText().toStdString();
    }
    QDialog::done(result);
}

// --- grade dialog ---

TGradeDlg::TGradeDlg(QWidget* parent) : QDialog(parent), grade_(std::make_unique<TGrade>()) {
    NameEdit = new QLineEdit(this);
    NameLabel = Caption(QCoreApplication::translate("PropertyDialogs", "Name"), NameEdit, this);
    // The pages stay where they are when the name is hidden on the All Grades page.
    for (QWidget* w : {static_cast<QWidget*>(NameLabel), static_cast<QWidget*>(NameEdit)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    NameEdit->setAccessibleDescription(QCoreApplication::translate(
        "PropertyDialogs", "The grade's name, shown at the top of its column"));
    PageControl1 = new QTabWidget(this);

    AverageSheet = new QWidget;
    GradeBox1 = new TGradeBox(AverageSheet);
    ExtraCreditWarning = new QLabel(
        QCoreApplication::translate(
            "PropertyDialogs",
            "This extra credit weighs as much as a regular grade of its category: a full score "
            "adds a whole grade to the average, which can then pass 100 percent. A smaller "
            "weight (or fewer points) gives a smaller bonus."),
        AverageSheet);
    ExtraCreditWarning->setWordWrap(true);
    ExtraCreditWarning->setObjectName("ExtraCreditWarning");
    ExtraCreditWarning->setHidden(true);
    // Shown or hidden, it keeps its place: the panel above must not move.
    QSizePolicy keep = ExtraCreditWarning->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    ExtraCreditWarning->setSizePolicy(keep);
    auto* averageLayout = new QVBoxLayout(AverageSheet);
    averageLayout->addWidget(GradeBox1, 1);
    averageLayout->addWidget(ExtraCreditWarning);
    connect(GradeBox1, &TGradeBox::FieldChanged, this, &TGradeDlg::UpdateExtraCreditWarning);

    InformationSheet = new QWidget;
    DateTimePicker1 = new QDateEdit(InformationSheet);
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    DateTimePicker1->setMinimumDate(QDate(100, 1, 1));
    DateTimePicker1->setMaximumDate(QDate(9999, 12, 31));
    NoDateBox =
        new QCheckBox(QCoreApplication::translate("PropertyDialogs", "No date"), InformationSheet);
    Memo1 = new QPlainTextEdit(InformationSheet);
    DateTimePicker1->setAccessibleDescription(
        QCoreApplication::translate("PropertyDialogs", "The day the grade was given"));
    NoDateBox->setAccessibleDescription(QCoreApplication::translate(
        "PropertyDialogs", "The grade has no date: reports leave it blank and sorting by date "
                           "puts it last"));
    connect(NoDateBox, &QCheckBox::toggled, DateTimePicker1, &QWidget::setDisabled);
    Memo1->setAccessibleDescription(QCoreApplication::translate(
        "PropertyDialogs", "Anything about the grade, such as the chapters a test covered"));
    auto* info = new QVBoxLayout(InformationSheet);
    info->setSpacing(2);
    info->addWidget(Caption(QCoreApplication::translate("PropertyDialogs", "Date"), DateTimePicker1,
                            InformationSheet));
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(DateTimePicker1);
    dateRow->addSpacing(12);
    dateRow->addWidget(NoDateBox);
    dateRow->addStretch();
    info->addLayout(dateRow);
    info->addSpacing(8);
    info->addWidget(
        Caption(QCoreApplication::translate("PropertyDialogs", "Notes"), Memo1, InformationSheet));
    info->addWidget(Memo1, 1);

    AllGradesSheet = new QWidget;
    DefaultPointsEdit = new QLineEdit(AllGradesSheet);
    DefaultWeightEdit = new QLineEdit(AllGradesSheet);
    DefaultPointsEdit->setMaximumWidth(90);
    DefaultWeightEdit->setMaximumWidth(90);
    OmitZerosBox = new QCheckBox(
        QCoreApplication::translate("PropertyDialogs", "Omit zeros from class averages"),
        AllGradesSheet);
    wpcheckbox = new QCheckBox(QCoreApplication::translate("PropertyDialogs", "Points are weights"),
                               AllGradesSheet);
    DefaultPointsEdit->setAccessibleDescription(
        QCoreApplication::translate("PropertyDialogs", "The points every new grade starts with"));
    DefaultWeightEdit->setAccessibleDescription(
        QCoreApplication::translate("PropertyDialogs", "The weight every new grade starts with"));
    OmitZerosBox->setAccessibleDescription(QCoreApplication::translate(
        "PropertyDialogs", "Leave entries worth 0 percent out of the class averages"));
    wpcheckbox->setAccessibleDescription(QCoreApplication::translate(
        "PropertyDialogs", "Weigh every grade by its points instead of its weight"));
    auto* all = new QGridLayout(AllGradesSheet);
    all->setHorizontalSpacing(16);
    all->setVerticalSpacing(2);
    all->addWidget(Caption(QCoreApplication::translate("PropertyDialogs", "Default Points"),
                           DefaultPointsEdit, AllGradesSheet),
                   0, 0);
    all->addWidget(DefaultPointsEdit, 1, 0);
    all->addWidget(Caption(QCoreApplication::translate("PropertyDialogs", "Default Weight"),
                           DefaultWeightEdit, AllGradesSheet),
                   0, 1);
    all->addWidget(DefaultWeightEdit, 1, 1);
    all->setRowMinimumHeight(2, 12);
    all->addWidget(OmitZerosBox, 3, 0, 1, 3);
    all->addWidget(wpcheckbox, 4, 0, 1, 3);
    all->setColumnStretch(2, 1);
    all->setRowStretch(5, 1);

    PageControl1->addTab(AverageSheet, QCoreApplication::translate("PropertyDialogs", "Average"));
    PageControl1->addTab(InformationSheet,
                         QCoreApplication::translate("PropertyDialogs", "Information"));
    PageControl1->addTab(AllGradesSheet,
                         QCoreApplication::translate("PropertyDialogs", "All Grades"));

    auto* outer = new QVBoxLayout(this);
    outer->setSpacing(2);
    outer->addWidget(NameLabel);
    outer->addWidget(NameEdit);
    outer->addSpacing(8);
    outer->addWidget(PageControl1, 1);
    outer->addSpacing(6);
    outer->addLayout(Buttons(this, OKBtn, CancelBtn, Button1));
    connect(Button1, &QPushButton::clicked, this, [this] { emit HelpRequested(kHelpTopic); });
    connect(PageControl1, &QTabWidget::currentChanged, this, &TGradeDlg::PageChanged);
    connect(wpcheckbox, &QCheckBox::toggled, this, &TGradeDlg::UpdateExtraCreditWarning);
    setModal(true);
    resize(522, 396);
}

void TGradeDlg::ResetWorkingGrade(const TGradebook& gb) {
    grade_ = gb.NewGrade();
}

void TGradeDlg::SetContext(const TGradeDefaults& defaults,
                           const std::vector<std::string>& categoryNames) {
    defaults_ = defaults;
    categoryCount_ = static_cast<int>(categoryNames.size());
    GradeBox1->SetCategoryNames(categoryNames);
    byWeight_ = {};
    byPoints_ = {};
}

void TGradeDlg::SetRegularWeights(TRegularWeights byWeight, TRegularWeights byPoints) {
    byWeight_ = std::move(byWeight);
    byPoints_ = std::move(byPoints);
}

void TGradeDlg::UpdateExtraCreditWarning() {
    // The fields as they stand: the teacher sees the warning while choosing the weight.
    const bool pointsAreWeights = wpcheckbox->isChecked();
    const TRegularWeights& regular = pointsAreWeights ? byPoints_ : byWeight_;
    bool heavy = false;
    if (GradeBox1->ExtraCreditBox->isChecked() && !regular.Categories.empty()) {
        const QLineEdit* field = pointsAreWeights ? GradeBox1->PointsEdit : GradeBox1->WeightEdit;
        const double weight = ParseNumber(field->text().toStdString());
        // Indexes past the list (and none chosen) stand for the first category.
        int k = GradeBox1->CategoryCombo->currentIndex();
        if (k < 0 || k >= static_cast<int>(regular.Categories.size())) k = 0;
        const TRegularWeights::TSum& sum = regular.Categories[static_cast<size_t>(k)];
        heavy = sum.Count > 0 && WeighsAsAWholeGrade(weight, sum.Weight / sum.Count);
    }
    ExtraCreditWarning->setVisible(heavy);
}

void TGradeDlg::PageChanged(int index) {
    QWidget* page = PageControl1->widget(index);
    NameLabel->setHidden(page == AllGradesSheet);
    NameEdit->setHidden(page == AllGradesSheet);
    if (page == AverageSheet)
        GradeBox1->ShowWeightAndCategory(!wpcheckbox->isChecked(), categoryCount_ > 0);
}

void TGradeDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    wpcheckbox->setChecked(defaults_.PointsAreWeights);
    PageControl1->setCurrentWidget(AverageSheet);
    PageChanged(PageControl1->currentIndex()); // also when the page was in front already
    NameEdit->setFocus();
    DefaultPointsEdit->setText(Number(defaults_.DefaultPoints));
    DefaultWeightEdit->setText(Number(defaults_.DefaultWeight));
    OmitZerosBox->setChecked(defaults_.OmitZeros);
    GradeBox1->LoadGrade(*grade_);
    NameEdit->setText(QString::fromStdString(grade_->Name));
    // A grade without a date offers today's once the teacher turns "No date" off.
    shownDated_ = IsGivenDate(grade_->Date);
    const QDate date = shownDated_ ? DayNumberToDate(grade_->Date) : QDate();
    DateTimePicker1->setDate(date.isValid() ? date : QDate::currentDate());
    shownDate_ = DateTimePicker1->date();
    NoDateBox->setChecked(!shownDated_);
    DateTimePicker1->setDisabled(!shownDated_);
    Memo1->setPlainText(QString::fromStdString(grade_->Notes));
    UpdateExtraCreditWarning();
}

void TGradeDlg::done(int result) {
    if (result == Accepted) {
        defaults_.PointsAreWeights = wpcheckbox->isChecked();
        defaults_.DefaultPoints = DefaultFromField(DefaultPointsEdit, defaults_.DefaultPoints);
        defaults_.DefaultWeight = DefaultFromField(DefaultWeightEdit, defaults_.DefaultWeight);
        defaults_.OmitZeros = OmitZerosBox->isChecked();
        // The switch as just set: a weight typed while turning "Points are weights" on is
        // not taken.
        ApplyGradeSettings(*grade_, GradeBox1->StoreGrade(defaults_.PointsAreWeights));
        grade_->Name = NameEdit->text().toStdString();
        // The picker shows whole days; an untouched one keeps the stored time of day.
        if (NoDateBox->isChecked())
            grade_->Date = 0;
        else if (!shownDated_ || DateTimePicker1->date() != shownDate_)
            grade_->Date = DateToDayNumber(DateTimePicker1->date());
        grade_->Notes = Memo1->toPlainText().toStdString();
    }
    QDialog::done(result);
}

// --- the commands' entry points ---

std::optional<TStudentEdit> EditStudent(TStudentDlg& dialog, const TGradebook& gb, int row) {
    const TStudent* student = row >= 2 ? gb.StudentAt(row) : nullptr;
    if (!student) return CreateStudent(dialog, gb, row);
    dialog.setWindowTitle(QCoreApplication::translate("PropertyDialogs", "Student Properties"));
    dialog.SetFocusField(dialog.IDEdit);
    CopyStudent(dialog.WorkingStudent(), *student);
    dialog.WorkingStudent().Name = std::string(gb.Cell(1, row));
    if (Prompts().ExecDialog(dialog) != QDialog::Accepted) return std::nullopt;
    TStudentEdit edit;
    edit.Row = row;
    CopyStudent(edit.Student, dialog.WorkingStudent());
    edit.NameCell = edit.Student.Name;
    return edit;
}

std::optional<TStudentEdit> CreateStudent(TStudentDlg& dialog, const TGradebook& gb,
                                          int currentRow) {
    dialog.setWindowTitle(QCoreApplication::translate("PropertyDialogs", "New Student Properties"));
    dialog.ResetWorkingStudent();
    dialog.SetFocusField(dialog.NameEdit);
    if (Prompts().ExecDialog(dialog) != QDialog::Accepted) return std::nullopt;
    TStudentEdit edit;
    edit.Row = NewStudentRow(gb, currentRow);
    edit.IsNew = true;
    CopyStudent(edit.Student, dialog.WorkingStudent());
    edit.NameCell = edit.Student.Name;
    return edit;
}

namespace {

TGradeEdit GradeEditFrom(const TGradeDlg& dialog, const TGrade& working, int column, bool isNew) {
    TGradeEdit edit;
    edit.Column = column;
    edit.IsNew = isNew;
    CopyGrade(edit.Grade, working);
    edit.Grade.Date = working.Date;
    edit.NameCell = working.Name;
    edit.Defaults = dialog.Defaults();
    return edit;
}

} // namespace

std::optional<TGradeEdit> EditGrade(TGradeDlg& dialog, const TGradebook& gb, int column) {
    const TGrade* grade = column >= 2 ? gb.GradeAt(column) : nullptr;
    if (!grade) return CreateGrade(dialog, gb, column);
    dialog.setWindowTitle(QCoreApplication::translate("PropertyDialogs", "Grade Properties"));
    TGrade& working = dialog.WorkingGrade();
    CopyGrade(working, *grade);
    working.Date = grade->Date;
    working.Name = std::string(gb.Cell(column, 1));
    std::vector<std::string> names;
    gb.CategoryNames(names);
    dialog.SetContext(GradeDefaultsOf(gb), names);
    dialog.SetRegularWeights(RegularWeights(gb, column, false), RegularWeights(gb, column, true));
    if (Prompts().ExecDialog(dialog) != QDialog::Accepted) return std::nullopt;
    return GradeEditFrom(dialog, working, column, false);
}

std::optional<TGradeEdit> CreateGrade(TGradeDlg& dialog, const TGradebook& gb, int currentColumn) {
    dialog.setWindowTitle(QCoreApplication::translate("PropertyDialogs", "New Grade Properties"));
    dialog.ResetWorkingGrade(gb);
    std::vector<std::string> names;
    gb.CategoryNames(names);
    dialog.SetContext(GradeDefaultsOf(gb), names);
    dialog.SetRegularWeights(RegularWeights(gb, -1, false), RegularWeights(gb, -1, true));
    if (Prompts().ExecDialog(dialog) != QDialog::Accepted) return std::nullopt;
    return GradeEditFrom(dialog, dialog.WorkingGrade(), NewGradeColumn(gb, currentColumn), true);
}

} // namespace marklow
