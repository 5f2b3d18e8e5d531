#include "weights_page.h"

#include "grade_box.h"
#include "gradebook.h"
#include "text.h"
#include "translations.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace marklow {

namespace {

// The edited value, or the exact one while the field still shows the rounded text of it.
double KeptNumber(double edited, double exact, const QLineEdit* field) {
    return field->text().toStdString() == FormatNumber(exact) ? exact : edited;
}

} // namespace

TWeightsPage::TWeightsPage(QWidget* parent) : TOptionsPage(parent) {
    toolBar_ = new TPageToolBar(this);
    GradeNameLabel = new QLabel(QCoreApplication::translate("WeightsPage", "Grade Name"), this);
    GradeNameCombo = new QComboBox(this);
    GradeNameCombo->setAccessibleDescription(
        QCoreApplication::translate("WeightsPage", "The grade whose settings are shown below"));
    GradeNameCombo->setObjectName("GradeNameCombo");
    GradeNameLabel->setBuddy(GradeNameCombo); // its name for a screen reader
    GradeNameCombo->setFixedWidth(200);
    GradeNameCombo->setMaxVisibleItems(20);
    toolBar_->AddWidget(GradeNameLabel);
    toolBar_->AddWidget(GradeNameCombo);
    toolBar_->AddStretch();
    PWButton = toolBar_->AddButton(QCoreApplication::translate("WeightsPage", "Points are Weights"),
                                   QString(), QStyle::SP_CustomBase, true);
    PWButton->setObjectName("PWButton");
    PWButton->setAccessibleDescription(QCoreApplication::translate(
        "WeightsPage", "Count each grade within its category by its points instead of its weight"));
    GradeBox1 = new TGradeBox(this);
    GradeBox1->setObjectName("GradeBox1");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(toolBar_);
    layout->addSpacing(8);
    layout->addWidget(GradeBox1);
    layout->addStretch(1);

    connect(GradeNameCombo, &QComboBox::currentIndexChanged, this,
            &TWeightsPage::GradeNameComboChange);
    connect(PWButton, &QToolButton::toggled, this, &TWeightsPage::PWButtonClick);
}

void TWeightsPage::SetSource(const TGradebook* gb, int currentColumn) {
    gb_ = gb;
    currentColumn_ = currentColumn;
}

void TWeightsPage::FitLabel() {
    GradeNameLabel->setFixedWidth(
        QFontMetrics(font()).horizontalAdvance(GradeNameLabel->text() + " "));
}

void TWeightsPage::LoadPage(TOptionsWork& work) {
    work_ = &work;
    work.CurrentGradeIndex = -1;
    filling_ = true;
    GradeNameCombo->clear();
    const int n = static_cast<int>(work.GradeCopies.size());
    if (gb_ && n > 0) {
        QStringList names;
        names.reserve(n);
        for (int k = 0; k < n; ++k)
            names << CoreText(GradeChoiceText(*gb_, k + 2));
        GradeNameCombo->addItems(names);
        // The grade of the main grid's current column, else the first.
        const bool onGrade = currentColumn_ >= 2 && currentColumn_ - 2 < n;
        GradeNameCombo->setCurrentIndex(onGrade ? currentColumn_ - 2 : 0);
    }
    {
        const QSignalBlocker quiet(PWButton);
        PWButton->setChecked(work.PointsAreWeights);
    }
    editorPointsAreWeights_ = work.PointsAreWeights;
    filling_ = false;
    GradeNameComboChange(GradeNameCombo->currentIndex());
    Refresh();
}

void TWeightsPage::StorePage(TOptionsWork& work) {
    StoreEditor();
    work.PointsAreWeights = PWButton->isChecked();
}

void TWeightsPage::PageShown() {
    Refresh();
    GradeNameCombo->setFocus();
}

void TWeightsPage::SetFlat(bool on) {
    toolBar_->SetFlat(on);
}

void TWeightsPage::GradeNameComboChange(int index) {
    if (filling_ || !work_) return;
    StoreEditor();
    work_->CurrentGradeIndex = index;
    ShowSelectedGrade();
}

void TWeightsPage::StoreEditor() {
    if (!work_) return;
    const int k = work_->CurrentGradeIndex;
    if (k < 0 || k >= static_cast<int>(work_->GradeCopies.size())) return;
    TGrade& copy = work_->GradeCopies[static_cast<size_t>(k)];
    TGrade edited;
    CopyGrade(edited, GradeBox1->StoreGrade(editorPointsAreWeights_));
    // Storing reads every field once anything changed; untouched numbers keep every digit.
    edited.Points = KeptNumber(edited.Points, copy.Points, GradeBox1->PointsEdit);
    edited.Weight = KeptNumber(edited.Weight, copy.Weight, GradeBox1->WeightEdit);
    edited.CurveAmount =
        KeptNumber(edited.CurveAmount, copy.CurveAmount, GradeBox1->CurveAmountEdit);
    ApplyGradeSettings(copy, edited);
}

void TWeightsPage::Refresh() {
    StoreEditor();
    Reload();
}

void TWeightsPage::Reload() {
    if (!work_) return;
    // The categories typed on the Categories page are offered before OK.
    const std::vector<std::string> names = CategoryChoices(work_->CategoryGrid);
    GradeBox1->SetCategoryNames(names);
    editorPointsAreWeights_ = PWButton->isChecked();
    GradeBox1->ShowWeightAndCategory(!editorPointsAreWeights_, !names.empty());
    ShowSelectedGrade();
}

void TWeightsPage::ShowSelectedGrade() {
    const int k = GradeNameCombo->currentIndex();
    if (!work_ || k < 0 || k >= static_cast<int>(work_->GradeCopies.size())) {
        GradeBox1->ClearFields();
        GradeBox1->setEnabled(false);
        return;
    }
    GradeBox1->setEnabled(true);
    GradeBox1->LoadGrade(work_->GradeCopies[static_cast<size_t>(k)]);
}

void TWeightsPage::PWButtonClick() {
    if (filling_ || !work_) return;
    Refresh();
    work_->PointsAreWeights = PWButton->isChecked();
}

} // namespace marklow
