#include "description_page.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace marklow {

TDescriptionPage::TDescriptionPage(QWidget* parent) : TOptionsPage(parent) {
    auto* layout = new QVBoxLayout(this);
    auto field = [&](const QString& caption, const QString& name, const QString& description) {
        auto* label = new QLabel(caption, this);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(name);
        edit->setAccessibleDescription(description);
        edit->setFixedWidth(321);
        label->setBuddy(edit);
        layout->addWidget(label);
        layout->addWidget(edit);
        layout->addSpacing(8);
        return edit;
    };
    TeacherEdit = field(
        QCoreApplication::translate("DescriptionPage", "Teacher"), "TeacherEdit",
        QCoreApplication::translate("DescriptionPage", "Your name as it should appear on paper"));
    ClassNameEdit =
        field(QCoreApplication::translate("DescriptionPage", "Class Name"), "ClassNameEdit",
              QCoreApplication::translate("DescriptionPage", "The course, such as Algebra I"));
    ClassNumberEdit =
        field(QCoreApplication::translate("DescriptionPage", "Class Number"), "ClassNumberEdit",
              QCoreApplication::translate(
                  "DescriptionPage",
                  "The section, period or room that tells this class from your others"));
    DecimalCommaBox = new QCheckBox(
        QCoreApplication::translate("DescriptionPage",
                                    "Scores may be typed with a decimal comma (8,5 for 8.5)"),
        this);
    DecimalCommaBox->setObjectName("DecimalCommaBox");
    DecimalCommaBox->setAccessibleDescription(QCoreApplication::translate(
        "DescriptionPage",
        "Kept with the gradebook, so its scores are the same numbers in every language"));
    layout->addWidget(DecimalCommaBox);
    layout->addStretch(1);
}

void TDescriptionPage::LoadPage(TOptionsWork& work) {
    TeacherEdit->setText(QString::fromStdString(work.Teacher));
    ClassNameEdit->setText(QString::fromStdString(work.ClassName));
    ClassNumberEdit->setText(QString::fromStdString(work.ClassNumber));
    DecimalCommaBox->setChecked(work.DecimalComma);
}

void TDescriptionPage::StorePage(TOptionsWork& work) {
    work.Teacher = TeacherEdit->text().toStdString();
    work.ClassName = ClassNameEdit->text().toStdString();
    work.ClassNumber = ClassNumberEdit->text().toStdString();
    work.DecimalComma = DecimalCommaBox->isChecked();
}

void TDescriptionPage::PageShown() {
    TeacherEdit->setFocus();
}

} // namespace marklow
