#include "lms_export_dialog.h"

#include "button_descriptions.h"
#include "gradebook.h"
#include "text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSignalBlocker>
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
        switch (exported.Options.Identifier) {
        case TMoodleIdentifier::Email:
            return sentence(tr("%1 has no e-mail address, which the import is to identify "
                               "students by: left out")
                                .arg(student(w.Row)));
        case TMoodleIdentifier::Username:
            return sentence(
                tr("%1 has no username, which the import is to identify students by: left out")
                    .arg(student(w.Row)));
        case TMoodleIdentifier::IdNumber:
            break;
        }
        return sentence(
            tr("%1 has no ID number, which the import is to identify students by: left out")
                .arg(student(w.Row)));
    case TKind::AboveMaximum: {
        const QString points = Utf8(LmsNumber(gb.GradeAt(w.Column)->Points));
        return exported.Options.CapAtPoints
                   ? tr("\"%1\" entry of \"%2\" for %3 is above the grade's %4 points, which "
                        "Moodle refuses: written as %4")
                         .arg(grade(w.Column), Utf8(gb.Cell(w.Column, w.Row)), student(w.Row),
                              points)
                   : tr("\"%1\" entry of \"%2\" for %3 is above the grade's %4 points, which "
                        "Moodle refuses: written as it is")
                         .arg(grade(w.Column), Utf8(gb.Cell(w.Column, w.Row)), student(w.Row),
                              points);
    }
    case TKind::RenamedForCanvas:
        return tr("Grade name \"%1\" would be dropped or misfiled by Canvas: written as \"%2\"")
            .arg(Utf8(TrimBlanks(gb.Cell(w.Column, 1))), grade(w.Column));
    case TKind::SameId:
        return sentence(tr("%1 has the ID \"%2\" of %3: the import gives both rows to one student")
                            .arg(student(w.Row), Utf8(TrimBlanks(gb.StudentAt(w.Row)->ID)),
                                 student(w.OtherRow)));
    case TKind::Unreadable: {
        // Whole sentences: "the student in row 3" takes another case after "for" in German.
        std::string_view name = TrimBlanks(gb.Cell(1, w.Row));
        if (name.empty())
            return tr("\"%1\" entry of \"%2\" for the student in row %3 cannot be read: left "
                      "blank")
                .arg(grade(w.Column), Utf8(gb.Cell(w.Column, w.Row)))
                .arg(w.Row - 1);
        return tr("\"%1\" entry of \"%2\" for student \"%3\" cannot be read: left blank")
            .arg(grade(w.Column), Utf8(gb.Cell(w.Column, w.Row)), Utf8(name));
    }
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
    IdentifyLabel = new QLabel(tr("&Identify students by:"), this);
    IdentifyCombo = new QComboBox(this);
    IdentifyCombo->setObjectName("IdentifyCombo");
    IdentifyCombo->addItem(tr("ID number"), int(TMoodleIdentifier::IdNumber));
    IdentifyCombo->addItem(tr("E-mail address"), int(TMoodleIdentifier::Email));
    IdentifyCombo->addItem(tr("Username"), int(TMoodleIdentifier::Username));
    IdentifyCombo->setAccessibleDescription(
        tr("What Moodle's import is to match students by; students without it are left out"));
    IdentifyLabel->setBuddy(IdentifyCombo);
    CapCheck = new QCheckBox(tr("&Write scores above the grade's points as the points"), this);
    CapCheck->setObjectName("CapCheck");
    CapCheck->setAccessibleDescription(
        tr("Moodle refuses the whole file when one score is above the grade's maximum"));
    connect(IdentifyCombo, &QComboBox::currentIndexChanged, this, [this] { OptionsChanged(); });
    connect(CapCheck, &QCheckBox::toggled, this, [this] { OptionsChanged(); });
    auto* identify = new QHBoxLayout;
    identify->addWidget(IdentifyLabel);
    identify->addWidget(IdentifyCombo, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Summary);
    layout->addLayout(identify);
    layout->addWidget(CapCheck);
    layout->addWidget(WarningsLabel);
    layout->addWidget(Warnings, 1);
    layout->addStretch(); // takes the list's room while there is nothing to list
    layout->addWidget(buttons);
    resize(560, 380);
}

void TExportLmsDlg::Load(const TGradebook& gb, TLmsFormat format, const TLmsExport& exported) {
    gb_ = &gb;
    format_ = format;
    exported_ = exported;
    const bool moodle = format == TLmsFormat::Moodle;
    IdentifyLabel->setVisible(moodle);
    IdentifyCombo->setVisible(moodle);
    CapCheck->setVisible(moodle);
    {
        const QSignalBlocker a(IdentifyCombo), b(CapCheck);
        IdentifyCombo->setCurrentIndex(
            IdentifyCombo->findData(int(exported.Options.Identifier)));
        CapCheck->setChecked(exported.Options.CapAtPoints);
    }
    ShowExport();
    ExportButton->setFocus();
}

void TExportLmsDlg::OptionsChanged() {
    if (!gb_) return;
    TLmsOptions options = exported_.Options;
    options.Identifier = static_cast<TMoodleIdentifier>(IdentifyCombo->currentData().toInt());
    options.CapAtPoints = CapCheck->isChecked();
    exported_ = ExportForLms(*gb_, format_, options);
    ShowExport();
}

void TExportLmsDlg::ShowExport() {
    const TGradebook& gb = *gb_;
    const TLmsFormat format = format_;
    const TLmsExport& exported = exported_;
    setWindowTitle(format == TLmsFormat::Scores ? tr("Export Scores Table")
                                                : tr("Export for %1").arg(FormatCaption(format)));
    const int grades = gb.GradeCount();
    const QString size =
        tr("%1 and %2 will be written.")
            .arg(exported.Students == 1 ? tr("1 student")
                                        : tr("%n students", nullptr, exported.Students),
                 grades == 1 ? tr("1 grade") : tr("%n grades", nullptr, grades));
    QString how;
    switch (format) {
    case TLmsFormat::Canvas:
        how = tr("Each score in points with the curve added, a letter as its share of the "
                 "grade's points. Canvas matches students by their SIS User ID: the student's ID.");
        break;
    case TLmsFormat::Moodle:
        how = tr("Each score in points with the curve added, a letter as its share of the "
                 "grade's points. When importing, let Moodle identify users by the column "
                 "chosen here.");
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
        WarningsLabel->setText(
            tr("&Look at these %n warnings first:", nullptr, static_cast<int>(texts.size())));
    Warnings->setVisible(!texts.isEmpty());
}

} // namespace marklow
