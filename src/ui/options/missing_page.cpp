#include "missing_page.h"

#include "options_rules.h"
#include "text.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace marklow {

TMissingPage::TMissingPage(QWidget* parent) : TOptionsPage(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(
        QCoreApplication::translate("MissingPage", "Missing work (M) counts as this percentage"),
        this);
    MissingEdit = new QLineEdit(this);
    MissingEdit->setObjectName("MissingEdit");
    MissingEdit->setFixedWidth(80);
    MissingEdit->setAccessibleDescription(QCoreApplication::translate(
        "MissingPage",
        "From 0 to 100 percent of the grade's points; 0 counts missing work as zero"));
    label->setBuddy(MissingEdit);
    BlankBox =
        new QCheckBox(QCoreApplication::translate(
                          "MissingPage", "Blank entries count as missing after the grade's date"),
                      this);
    BlankBox->setObjectName("BlankBox");
    BlankBox->setAccessibleDescription(QCoreApplication::translate(
        "MissingPage", "Off: a blank entry does not count. Grades without a date never count a "
                       "blank as missing"));
    auto* note = new QLabel(
        QCoreApplication::translate(
            "MissingPage", "Type EX to excuse a student from a grade: it leaves the grade out of "
                           "the student's average. Type M or MI for missing work."),
        this);
    note->setWordWrap(true);
    layout->addWidget(label);
    layout->addWidget(MissingEdit);
    layout->addSpacing(8);
    layout->addWidget(BlankBox);
    layout->addSpacing(16);
    layout->addWidget(note);
    layout->addStretch(1);
}

void TMissingPage::LoadPage(TOptionsWork& work) {
    MissingEdit->setText(QString::fromStdString(FormatNumber(work.Work.MissingPercent)));
    BlankBox->setChecked(work.Work.BlankIsMissing);
}

void TMissingPage::StorePage(TOptionsWork& work) {
    const std::string text = MissingEdit->text().toStdString();
    // An untouched field keeps the exact value its 3 digits show.
    if (text != FormatNumber(work.Work.MissingPercent))
        if (auto pct = MissingPercentFromText(text)) work.Work.MissingPercent = *pct;
    work.Work.BlankIsMissing = BlankBox->isChecked();
}

QString TMissingPage::Refusal() const {
    if (MissingPercentFromText(MissingEdit->text().toStdString())) return {};
    return QCoreApplication::translate("MissingPage",
                                       "Missing work must count as a percentage from 0 to 100");
}

void TMissingPage::PageShown() {
    MissingEdit->setFocus();
}

} // namespace marklow
