#include "grade_box.h"

#include "text.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace marklow {

namespace {

QString Number(double v) {
    return QString::fromStdString(FormatNumber(v));
}

// The field's number. A field still showing what was loaded keeps the exact value, which it
// shows rounded to 3 significant digits; a typed number is kept as the field would show it,
// so no digit is stored that the teacher cannot see again.
double ReadNumber(const QLineEdit* edit, const QString& loaded, double value) {
    if (edit->text() == loaded) return value;
    return ShownNumber(ParseNumber(edit->text().toStdString()));
}

QLineEdit* NumberEdit(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(32);
    return edit;
}

} // namespace

TGradeBox::TGradeBox(QWidget* parent) : QWidget(parent) {
    PointsLabel = new QLabel(QCoreApplication::translate("GradeBox", "Points"), this);
    PointsEdit = NumberEdit(this);
    WeightLabel = new QLabel(QCoreApplication::translate("GradeBox", "Weight"), this);
    WeightEdit = NumberEdit(this);
    CategoryLabel = new QLabel(QCoreApplication::translate("GradeBox", "Category"), this);
    CategoryCombo = new QComboBox(this);
    CategoryCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    CategoryCombo->setMinimumContentsLength(14);
    ExtraCreditBox = new QCheckBox(QCoreApplication::translate("GradeBox", "Extra Credit"), this);
    CurveBox = new QCheckBox(QCoreApplication::translate("GradeBox", "Curve"), this);
    AmountLabel = new QLabel(QCoreApplication::translate("GradeBox", "Amount"), this);
    CurveAmountEdit = NumberEdit(this);
    PointsUnitLabel = new QLabel(QCoreApplication::translate("GradeBox", "(Points)"), this);
    OmitAverageBox =
        new QCheckBox(QCoreApplication::translate("GradeBox", "Don't compute class average"), this);
    PointsEdit->setAccessibleDescription(
        QCoreApplication::translate("GradeBox", "The points a full score of this grade is worth"));
    WeightEdit->setAccessibleDescription(QCoreApplication::translate(
        "GradeBox", "How much this grade counts compared with the other grades of its category"));
    CategoryCombo->setAccessibleDescription(
        QCoreApplication::translate("GradeBox", "The category this grade belongs to"));
    ExtraCreditBox->setAccessibleDescription(QCoreApplication::translate(
        "GradeBox", "Let this grade raise a student's average but never lower it"));
    CurveBox->setAccessibleDescription(QCoreApplication::translate(
        "GradeBox", "Add the curve's amount to every entry of this grade"));
    CurveAmountEdit->setAccessibleDescription(QCoreApplication::translate(
        "GradeBox", "The points the curve adds to every entry of this grade"));
    OmitAverageBox->setAccessibleDescription(QCoreApplication::translate(
        "GradeBox",
        "Show no class average for this grade and leave it out of the overall class average"));
    PointsLabel->setBuddy(PointsEdit);
    WeightLabel->setBuddy(WeightEdit);
    CategoryLabel->setBuddy(CategoryCombo);
    AmountLabel->setBuddy(CurveAmountEdit);
    PointsEdit->setMaximumWidth(90);
    WeightEdit->setMaximumWidth(90);
    CurveAmountEdit->setMaximumWidth(70);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(16);
    fields->setVerticalSpacing(2);
    fields->addWidget(PointsLabel, 0, 0);
    fields->addWidget(PointsEdit, 1, 0);
    fields->addWidget(WeightLabel, 0, 1);
    fields->addWidget(WeightEdit, 1, 1);
    fields->addWidget(CategoryLabel, 0, 2);
    fields->addWidget(CategoryCombo, 1, 2);
    fields->setColumnStretch(3, 1);

    auto* curve = new QHBoxLayout;
    curve->addWidget(CurveBox);
    curve->addSpacing(16);
    curve->addWidget(AmountLabel);
    curve->addWidget(CurveAmountEdit);
    curve->addWidget(PointsUnitLabel);
    curve->addStretch();

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(fields);
    outer->addSpacing(10);
    outer->addWidget(ExtraCreditBox);
    outer->addLayout(curve);
    outer->addWidget(OmitAverageBox);
    outer->addStretch();

    for (QLineEdit* edit : {PointsEdit, WeightEdit, CurveAmountEdit})
        connect(edit, &QLineEdit::textChanged, this, &TGradeBox::MarkChanged);
    for (QCheckBox* box : {ExtraCreditBox, CurveBox, OmitAverageBox})
        connect(box, &QCheckBox::toggled, this, &TGradeBox::MarkChanged);
    connect(CategoryCombo, &QComboBox::currentIndexChanged, this, &TGradeBox::MarkChanged);
}

void TGradeBox::MarkChanged() {
    if (loading_) return;
    changed_ = true;
    emit FieldChanged();
}

void TGradeBox::SetCategoryNames(const std::vector<std::string>& names) {
    bool wasLoading = loading_;
    loading_ = true;
    int kept = CategoryCombo->currentIndex();
    CategoryCombo->clear();
    for (const std::string& n : names)
        CategoryCombo->addItem(QString::fromStdString(n));
    CategoryCombo->setCurrentIndex(kept < CategoryCombo->count() ? kept : -1);
    loading_ = wasLoading;
}

void TGradeBox::LoadGrade(const TGrade& g) {
    loading_ = true;
    CopyGrade(grade_, g);
    PointsEdit->setText(Number(grade_.Points));
    // The grade's own weight, whatever the switch: while points are weights the field is
    // hidden, and showing the points here would store them as the weight later.
    WeightEdit->setText(Number(grade_.Weight));
    int index = grade_.CategoryIndex;
    CategoryCombo->setCurrentIndex(index >= 0 && index < CategoryCombo->count() ? index : -1);
    ExtraCreditBox->setChecked(grade_.ExtraCredit);
    CurveBox->setChecked(grade_.Curve);
    OmitAverageBox->setChecked(grade_.OmitClassAverage);
    CurveAmountEdit->setText(Number(grade_.CurveAmount));
    loadedPoints_ = PointsEdit->text();
    loadedWeight_ = WeightEdit->text();
    loadedCurveAmount_ = CurveAmountEdit->text();
    loading_ = false;
    changed_ = false;
}

const TGrade& TGradeBox::StoreGrade(bool pointsAreWeights) {
    if (!changed_) return grade_;
    grade_.Points = ReadNumber(PointsEdit, loadedPoints_, grade_.Points);
    if (weightShown_ && !pointsAreWeights)
        grade_.Weight = ReadNumber(WeightEdit, loadedWeight_, grade_.Weight);
    grade_.ExtraCredit = ExtraCreditBox->isChecked();
    if (categoryShown_) grade_.CategoryIndex = CategoryCombo->currentIndex();
    grade_.OmitClassAverage = OmitAverageBox->isChecked();
    grade_.CurveAmount = ReadNumber(CurveAmountEdit, loadedCurveAmount_, grade_.CurveAmount);
    grade_.Curve = CurveBox->isChecked();
    return grade_;
}

void TGradeBox::ShowWeightAndCategory(bool weight, bool category) {
    // Kept apart from the widgets' visibility, which also depends on the page being shown.
    weightShown_ = weight;
    categoryShown_ = category;
    WeightLabel->setHidden(!weight);
    WeightEdit->setHidden(!weight);
    CategoryLabel->setHidden(!category);
    CategoryCombo->setHidden(!category);
}

void TGradeBox::ClearFields() {
    loading_ = true;
    PointsEdit->clear();
    WeightEdit->clear();
    loadedPoints_.clear();
    loadedWeight_.clear();
    CategoryCombo->setCurrentIndex(-1);
    loading_ = false;
}

} // namespace marklow
