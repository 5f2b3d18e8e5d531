#include "weights_page.h"

#include "gradebook.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace marklow {

TWeightsPage::TWeightsPage(QWidget* parent) : TOptionsPage(parent) {
    toolBar_ = new TPageToolBar(this);
    GradeNameLabel = new QLabel("Grade Name", this);
    GradeNameCombo = new QComboBox(this);
    GradeNameCombo->setObjectName("GradeNameCombo");
    GradeNameCombo->setFixedWidth(200);
    GradeNameCombo->setMaxVisibleItems(20);
    toolBar_->AddWidget(GradeNameLabel);
    toolBar_->AddWidget(GradeNameCombo);
    toolBar_->AddStretch();
    PWButton =
        toolBar_->AddButton("Points are Weights", QString(), QStyle::SP_DialogApplyButton, true);
    PWButton->setObjectName("PWButton");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(toolBar_);
    layout->addStretch(1);

    connect(GradeNameCombo, &QComboBox::currentIndexChanged, this,
            &TWeightsPage::GradeNameComboChange);
    connect(PWButton, &QToolButton::toggled, this, [this] { Refresh(); });
}

void TWeightsPage::SetSource(const TGradebook* gb, int currentColumn) {
    gb_ = gb;
    currentColumn_ = currentColumn;
}

void TWeightsPage::FitLabel() {
    GradeNameLabel->setFixedWidth(QFontMetrics(font()).horizontalAdvance("Grade Name "));
}

void TWeightsPage::LoadPage(TOptionsWork& work) {
    work_ = &work;
    filling_ = true;
    GradeNameCombo->clear();
    const int n = static_cast<int>(work.GradeCopies.size());
    if (gb_ && n > 0) {
        QStringList names;
        names.reserve(n);
        for (int k = 0; k < n; ++k)
            names << QString::fromStdString(GradeChoiceText(*gb_, k + 2));
        GradeNameCombo->addItems(names);
        const bool onGrade = currentColumn_ >= 2 && currentColumn_ - 2 < n;
        GradeNameCombo->setCurrentIndex(onGrade ? currentColumn_ - 2 : 0);
    }
    {
        const QSignalBlocker quiet(PWButton);
        PWButton->setChecked(work.PointsAreWeights);
    }
    filling_ = false;
    work.CurrentGradeIndex = -1;
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

void TWeightsPage::StoreEditor() {}

void TWeightsPage::ShowSelectedGrade() {}

void TWeightsPage::Refresh() {
    if (!work_) return;
    StoreEditor();
    if (work_) work_->PointsAreWeights = PWButton->isChecked();
    ShowSelectedGrade();
}

} // namespace marklow
