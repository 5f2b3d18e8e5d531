#include "new_print_dlg.h"

#include "button_descriptions.h"
#include "gradebook.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace marklow {

namespace {
// The help topic of each control, for the context help of the title bar.
void Help(QWidget* w, int context) {
    w->setProperty("HelpContext", context);
}
} // namespace

TNewPrintDlg::TNewPrintDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("PrintDialog", "Print"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);

    RadioGroup1 =
        new TRadioGroup(QCoreApplication::translate("PrintDialog", "Report Type"),
                        {QCoreApplication::translate("PrintDialog", "Gradebook"),
                         QCoreApplication::translate("PrintDialog", "Grade Criteria"),
                         QCoreApplication::translate("PrintDialog", "Progress Report(s)"),
                         QCoreApplication::translate("PrintDialog", "Detailed progress report")},
                        this);
    Help(RadioGroup1, 62);
    RadioGroup1->Describe(
        {QCoreApplication::translate("PrintDialog",
                                     "Print the whole table of students, averages and entries"),
         QCoreApplication::translate(
             "PrintDialog", "Print how the final grade is made up from categories and grades"),
         QCoreApplication::translate("PrintDialog",
                                     "Print one page per student with the average and every grade"),
         QCoreApplication::translate("PrintDialog", "Print for each student the categories, every "
                                                    "grade, the final average and a comment")});
    CheckBox1 = new QCheckBox(QCoreApplication::translate("PrintDialog", "Preview"), this);
    Help(CheckBox1, 46);
    CheckBox1->setAccessibleDescription(QCoreApplication::translate(
        "PrintDialog", "Show the pages on screen before printing them"));
    ShadeBox =
        new QCheckBox(QCoreApplication::translate("PrintDialog", "Shade Curved Grades"), this);
    ShadeBox->setAccessibleDescription(
        QCoreApplication::translate("PrintDialog", "Print curved entries on a grey background"));
    OrientGroup = new TRadioGroup(QCoreApplication::translate("PrintDialog", "Orientation"),
                                  {QCoreApplication::translate("PrintDialog", "Portrait"),
                                   QCoreApplication::translate("PrintDialog", "Landscape")},
                                  this);
    Help(OrientGroup, 64);
    OrientGroup->Describe(
        {QCoreApplication::translate("PrintDialog",
                                     "Print the pages upright, 8 grade columns a page"),
         QCoreApplication::translate("PrintDialog",
                                     "Print the pages sideways, 12 grade columns a page")});
    OmitBox = new QCheckBox(
        QCoreApplication::translate("PrintDialog", "Omit grades after last entry"), this);
    Help(OmitBox, 65);
    OmitBox->setAccessibleDescription(QCoreApplication::translate(
        "PrintDialog", "Leave out the grades at the right end that nobody has an entry in yet"));
    GradeGroup =
        new TRadioGroup(QCoreApplication::translate("PrintDialog", "Print grade"),
                        {QCoreApplication::translate("PrintDialog", "Exactly as entered"),
                         QCoreApplication::translate("PrintDialog", "Numbers only"),
                         QCoreApplication::translate("PrintDialog", "Letters only"),
                         QCoreApplication::translate("PrintDialog", "Numbers and Letters")},
                        this);
    Help(GradeGroup, 66);
    GradeGroup->Describe(
        {QCoreApplication::translate("PrintDialog",
                                     "Print each entry as it was typed, comments included"),
         QCoreApplication::translate("PrintDialog",
                                     "Print each entry as points, letters turned into numbers"),
         QCoreApplication::translate("PrintDialog", "Print each entry's letter"),
         QCoreApplication::translate("PrintDialog",
                                     "Print each entry as points and letter, such as 85=B")});

    Notebook1 = new QStackedWidget(this);
    auto* gradebookPage = new QWidget;
    gradebookPage->setObjectName("Gradebook");
    StudentGroup = new TRadioGroup(QCoreApplication::translate("PrintDialog", "Print student"),
                                   {QCoreApplication::translate("PrintDialog", "Names"),
                                    QCoreApplication::translate("PrintDialog", "IDs")},
                                   gradebookPage);
    Help(StudentGroup, 67);
    StudentGroup->Describe({QCoreApplication::translate("PrintDialog", "Print each student's name"),
                            QCoreApplication::translate(
                                "PrintDialog", "Print each student's ID instead of the name")});
    auto* gl = new QVBoxLayout(gradebookPage);
    gl->setContentsMargins(0, 0, 0, 0);
    gl->addWidget(StudentGroup);
    gl->addStretch();
    auto* criteriaPage = new QWidget;
    criteriaPage->setObjectName("Criteria");
    auto* progressPage = new QWidget;
    progressPage->setObjectName("Progress");
    StudentsBox =
        new QGroupBox(QCoreApplication::translate("PrintDialog", "Students"), progressPage);
    AllButton = new QRadioButton(QCoreApplication::translate("PrintDialog", "All"), StudentsBox);
    Help(AllButton, 68);
    AllButton->setAccessibleDescription(
        QCoreApplication::translate("PrintDialog", "Print a report for every student"));
    SelectedButton =
        new QRadioButton(QCoreApplication::translate("PrintDialog", "Selected"), StudentsBox);
    Help(SelectedButton, 69);
    SelectedButton->setAccessibleDescription(QCoreApplication::translate(
        "PrintDialog", "Print a report only for the student chosen in the list"));
    ComboBox2 = new QComboBox(StudentsBox);
    Help(ComboBox2, 70);
    ComboBox2->setAccessibleDescription(QCoreApplication::translate(
        "PrintDialog", "The student whose report is printed with Selected"));
    ComboBox2->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox2->setMinimumContentsLength(16);
    auto* sl = new QVBoxLayout(StudentsBox);
    sl->addWidget(AllButton);
    sl->addWidget(SelectedButton);
    sl->addWidget(ComboBox2);
    auto* pl = new QVBoxLayout(progressPage);
    pl->setContentsMargins(0, 0, 0, 0);
    pl->addWidget(StudentsBox);
    pl->addStretch();
    Notebook1->addWidget(gradebookPage);
    Notebook1->addWidget(criteriaPage);
    Notebook1->addWidget(progressPage);
    AllButton->setChecked(true);

    SetupButton = new QPushButton(QCoreApplication::translate("PrintDialog", "&Setup"), this);
    Help(SetupButton, 71);
    SetupButton->setAccessibleDescription(QCoreApplication::translate(
        "PrintDialog",
        "Choose the printer, the paper, the copies and the pages for the chosen report"));
    OkButton = new QPushButton(QCoreApplication::translate("PrintDialog", "&OK"), this);
    Help(OkButton, 47);
    OkButton->setAccessibleDescription(
        QCoreApplication::translate("PrintDialog", "Preview or print the chosen report"));
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QCoreApplication::translate("PrintDialog", "&Cancel"), this);
    Help(CancelButton, 48);
    HelpButton = new QPushButton(QCoreApplication::translate("PrintDialog", "&Help"), this);
    Help(HelpButton, 49);
    DescribeButton(CancelButton, TButtonRole::Cancel);
    DescribeButton(HelpButton, TButtonRole::Help);

    auto* left = new QVBoxLayout;
    left->addWidget(RadioGroup1);
    left->addWidget(CheckBox1);
    left->addWidget(ShadeBox);
    left->addWidget(OrientGroup);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(OmitBox);
    right->addWidget(GradeGroup);
    right->addWidget(Notebook1);
    right->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {SetupButton, OkButton, CancelButton, HelpButton})
        buttons->addWidget(b);
    auto* grid = new QGridLayout(this);
    grid->addLayout(left, 0, 0);
    grid->addLayout(right, 0, 1);
    grid->addLayout(buttons, 1, 0, 1, 2);

    // The choices a report does not take are hidden in their places: the dialog keeps its
    // size, and its buttons theirs, whichever report is chosen.
    for (QWidget* w : {static_cast<QWidget*>(OrientGroup), static_cast<QWidget*>(OmitBox),
                       static_cast<QWidget*>(ShadeBox), static_cast<QWidget*>(GradeGroup)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    connect(RadioGroup1, &TRadioGroup::Changed, this, &TNewPrintDlg::ReportTypeChanged);
    connect(SelectedButton, &QRadioButton::toggled, ComboBox2, &QWidget::setEnabled);
    connect(OkButton, &QPushButton::clicked, this, [this] {
        if (!OnRun || OnRun()) accept();
    });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(SetupButton, &QPushButton::clicked, this, [this] {
        if (OnSetup) OnSetup();
    });
    connect(HelpButton, &QPushButton::clicked, this,
            [this] { emit HelpRequested(QStringLiteral("PrintingtheGradebook")); });
    ReportTypeChanged(0);
}

void TNewPrintDlg::ReportTypeChanged(int index) {
    const auto type = static_cast<TReportType>(index);
    // The detailed report chooses its students on the progress page; it prints every form
    // of a grade, so shading and "Print grade" do not apply.
    const bool detailed = type == TReportType::DetailedProgress;
    Notebook1->setCurrentIndex(detailed ? static_cast<int>(TReportType::Progress) : index);
    OrientGroup->setVisible(type == TReportType::Gradebook);
    const bool grades = type != TReportType::GradeCriteria;
    OmitBox->setVisible(grades);
    ShadeBox->setVisible(grades && !detailed);
    GradeGroup->setVisible(grades && !detailed);
}

void TNewPrintDlg::Open(const TGradebook& gb) {
    AllButton->setChecked(true);
    ComboBox2->clear();
    QStringList names;
    for (int r = 2; r <= gb.LastStudentRow(); ++r) {
        std::string_view name = gb.Cell(1, r);
        names << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    }
    ComboBox2->addItems(names);
    ComboBox2->setCurrentIndex(names.isEmpty() ? -1 : 0);
    ComboBox2->setEnabled(false);
    SelectedButton->setEnabled(!names.isEmpty());
}

PrintOptions TNewPrintDlg::Options() const {
    PrintOptions o;
    o.ReportType = static_cast<TReportType>(RadioGroup1->ItemIndex());
    o.Preview = CheckBox1->isChecked();
    o.ShadeCurved = ShadeBox->isChecked();
    o.Orientation = static_cast<TReportOrientation>(OrientGroup->ItemIndex());
    o.OmitAfterLastEntry = OmitBox->isChecked();
    o.PrintGrade = static_cast<TPrintGrade>(GradeGroup->ItemIndex());
    o.PrintStudent = static_cast<TPrintStudent>(StudentGroup->ItemIndex());
    o.AllStudents = !SelectedButton->isChecked();
    o.SelectedStudent = ComboBox2->currentIndex();
    return o;
}

} // namespace marklow
