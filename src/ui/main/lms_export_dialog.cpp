#include "lms_export_dialog.h"

#include "button_descriptions.h"
#include "gradebook.h"
#include "text.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace marklow {

namespace {

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString TExportLmsDlg::FormatCaption(TLmsFormat format) {
    switch (format) {
    case TLmsFormat::Canvas:
        return tr("Canvas");
    case TLmsFormat::Moodle:
        return tr("Moodle");
    case TLmsFormat::Scores:
        break;
    }
    return tr("Scores Table");
}

QString TExportLmsDlg::WarningCaption(const TGradebook& gb, const TLmsExport& exported,
                                      const TLmsWarning& w) {
    using TKind = TLmsWarning::TKind;
    auto student = [&](int r) {
        std::string_view name = TrimBlanks(gb.Cell(1, r));
        if (name.empty()) return tr("the student in row %1").arg(r - 1);
        return tr("student \"%1\"").arg(Utf8(name));
    };
    auto sentence = [](QString text) {
        if (!text.isEmpty()) text[0] = text[0].toUpper();
        return text;
    };
    auto grade = [&](int c) { return Utf8(exported.Titles[static_cast<size_t>(c - 2)]); };
    switch (w.Kind) {
    case TKind::NoId:
        return sentence(
            tr("%1 has no ID: the import cannot match the row by ID").arg(student(w.Row)));
    case TKind::NoIdLeftOut:
        return sentence(tr("%1 has no ID and no e-mail address: left out").arg(student(w.Row)));
    case TKind::SameId:
        return sentence(tr("%1 has the ID \"%2\" of %3: the import gives both rows to one student")
                            .arg(student(w.Row), Utf8(TrimBlanks(gb.StudentAt(w.Row)->ID)),
                                 student(w.OtherRow)));
    case TKind::Unreadable:
        return tr("\"%1\" entry of \"%2\" for %3 cannot be read: left blank")
            .arg(grade(w.Column), Utf8(gb.Cell(w.Column, w.Row)), student(w.Row));
    case TKind::NoPoints:
        return tr("Grade \"%1\" is out of no points: its entries are left blank")
            .arg(grade(w.Column));
    case TKind::FormulaId:
        return sentence(tr("%1 has the ID \"%2\", which a spreadsheet would run as a formula: "
                           "written as it is, so that the import can match it; open the file "
                           "in a spreadsheet only with care")
                            .arg(student(w.Row), Utf8(TrimBlanks(gb.StudentAt(w.Row)->ID))));
    case TKind::FormulaEmail:
        return sentence(tr("%1 has the e-mail address \"%2\", which a spreadsheet would run as "
                           "a formula: written as it is, so that the import can match it; open "
                           "the file in a spreadsheet only with care")
                            .arg(student(w.Row), Utf8(EmailInNotes(gb.StudentAt(w.Row)->Notes))));
    case TKind::Renamed: {
        std::string_view typed = TrimBlanks(gb.Cell(w.Column, 1));
        if (typed.empty())
            return tr("Grade %1 has no name: written as \"%2\"")
                .arg(w.Column - 1)
                .arg(grade(w.Column));
        return tr("Grade name \"%1\" is taken: written as \"%2\"")
            .arg(Utf8(typed), grade(w.Column));
    }
    }
    return QString();
}

TExportLmsDlg::TExportLmsDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("ExportLmsDlg");
    Summary = new QLabel(this);
    Summary->setWordWrap(true);
    WarningsLabel = new QLabel(this);
    WarningsLabel->setWordWrap(true);
    Warnings = new QListView(this);
    Warnings->setObjectName("Warnings");
    // Thousands of students without an ID: one model, rows of one height.
    Warnings->setModel(&model_);
    Warnings->setUniformItemSizes(true);
    Warnings->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Warnings->setSelectionMode(QAbstractItemView::ExtendedSelection);
    WarningsLabel->setBuddy(Warnings);
    // The caption above names the list only once there is something to warn about.
    Warnings->setAccessibleName(tr("Warnings"));
    Warnings->setAccessibleDescription(
        tr("What to look at before the export, such as students without an ID"));
    auto* buttons = new QDialogButtonBox(this);
    ExportButton = buttons->addButton(tr("&Export..."), QDialogButtonBox::AcceptRole);
    CancelButton = buttons->addButton(QDialogButtonBox::Cancel);
    DescribeButtons(buttons);
    ExportButton->setAccessibleDescription(tr("Choose a file and write the grades into it"));
    ExportButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Summary);
    layout->addWidget(WarningsLabel);
    layout->addWidget(Warnings, 1);
    layout->addStretch(); // takes the list's room while there is nothing to list
    layout->addWidget(buttons);
    resize(560, 380);
}

void TExportLmsDlg::Load(const TGradebook& gb, TLmsFormat format, const TLmsExport& exported) {
    setWindowTitle(format == TLmsFormat::Scores ? tr("Export Scores Table")
                                                : tr("Export for %1").arg(FormatCaption(format)));
    const int grades = gb.GradeCount();
    const QString size = tr("%1 and %2 will be written.")
                             .arg(exported.Students == 1 ? tr("1 student")
                                                         : tr("%1 students").arg(exported.Students),
                                  grades == 1 ? tr("1 grade") : tr("%1 grades").arg(grades));
    QString how;
    switch (format) {
    case TLmsFormat::Canvas:
        how = tr("Each score in points with the curve added, a letter as its share of the "
                 "grade's points. Canvas matches students by their SIS User ID: the student's ID.");
        break;
    case TLmsFormat::Moodle:
        how = tr("Each score in points with the curve added, a letter as its share of the "
                 "grade's points. When importing, let Moodle identify users by ID number or by "
                 "e-mail address (from the student's notes).");
        break;
    case TLmsFormat::Scores:
        how = tr("Each grade's points with the curve added, then the average and its letter, "
                 "for a spreadsheet or any other system.");
        break;
    }
    Summary->setText(size + " " + how);
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(exported.Warnings.size()));
    for (const TLmsWarning& w : exported.Warnings)
        texts.push_back(WarningCaption(gb, exported, w));
    model_.setStringList(texts);
    if (texts.isEmpty())
        WarningsLabel->setText(tr("Nothing to warn about."));
    else if (texts.size() == 1)
        WarningsLabel->setText(tr("&Look at this warning first:"));
    else
        WarningsLabel->setText(tr("&Look at these %1 warnings first:").arg(texts.size()));
    Warnings->setVisible(!texts.isEmpty());
    ExportButton->setFocus();
}

} // namespace marklow
