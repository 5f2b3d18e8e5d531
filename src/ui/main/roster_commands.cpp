#include "roster_commands.h"

#include "main_window.h"
#include "prompts.h"
#include "roster_command.h"
#include "safe_save.h"
#include "translations.h"

#include <QAction>
#include <QFileInfo>

namespace marklow {

TRosterCommands::TRosterCommands(TSDIAppForm& form)
    : QObject(&form), RosterDlg(&form), form_(form) {
    form.ImportRoster1->setEnabled(true);
    connect(form.ImportRoster1, &QAction::triggered, this, &TRosterCommands::ImportRoster1Click);
    connect(&form, &TSDIAppForm::displayFontChanged, &RosterDlg, &QWidget::setFont);
}

void TRosterCommands::ImportRoster1Click() {
    // The plan counts rows: the cell being typed into becomes its own step first.
    form_.FinishCellEdit();
    TGradebookDocument& doc = form_.Document();
    TFileRequest request;
    request.Caption = tr("Import Roster");
    request.Filter = tr("Class Lists (*.csv *.txt *.tsv);;All Files (*)");
    request.Folder = folder_;
    if (request.Folder.isEmpty() && !doc.FilePath().isEmpty())
        request.Folder = QFileInfo(doc.FilePath()).absolutePath();
    const QString path = Prompts().OpenFileName(request);
    if (path.isEmpty()) return;
    folder_ = QFileInfo(path).absolutePath();

    TRosterTable table;
    try {
        table = ReadRosterCsv(ReadFileBytes(path.toStdString()));
    } catch (const TFileSystemError& e) {
        table.Error = e.what();
    }
    if (!table.Error.empty()) {
        Prompts().Message(TMessageKind::Error,
                          CoreText(table.Error) + "\n" + tr("Nothing was changed."),
                          TButtons::Ok);
        return;
    }
    RosterDlg.Load(doc.Gradebook(), std::move(table), path);
    if (Prompts().ExecDialog(RosterDlg) != QDialog::Accepted) return;
    const TRosterPlan& plan = RosterDlg.Plan();
    if (plan.Error.empty() && plan.Change.Changes())
        doc.Push(new TRosterImportCommand(doc, plan.Change));
}

} // namespace marklow
