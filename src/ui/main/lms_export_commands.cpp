#include "lms_export_commands.h"

#include "gradebook.h"
#include "main_window.h"
#include "output_file.h"
#include "prompts.h"
#include "translations.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

namespace marklow {

TLmsExportCommands::TLmsExportCommands(TSDIAppForm& form)
    : QObject(&form), ExportLmsDlg(&form), form_(form) {
    auto wire = [this](QAction* action, TLmsFormat format) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, [this, format] { ExportForLms(format); });
    };
    wire(form.Canvas1, TLmsFormat::Canvas);
    wire(form.Moodle1, TLmsFormat::Moodle);
    wire(form.ScoresTable1, TLmsFormat::Scores);
    connect(&form, &TSDIAppForm::displayFontChanged, this,
            [this](const QFont& font) { ExportLmsDlg.setFont(font); });
}

void TLmsExportCommands::ExportForLms(TLmsFormat format) {
    form_.FinishCellEdit();
    TGradebookDocument& doc = form_.Document();
    const TGradebook& gb = doc.Gradebook();
    TLmsOptions lms;
    lms.Identifier = moodleIdentifier_;
    lms.CapAtPoints = moodleCap_;
    ExportLmsDlg.Load(gb, format, marklow::ExportForLms(gb, format, lms));
    if (Prompts().ExecDialog(ExportLmsDlg) != QDialog::Accepted) return;
    TLmsExport exported = ExportLmsDlg.Exported();
    if (format == TLmsFormat::Moodle) {
        // The next Moodle export starts from the teacher's last choice.
        moodleIdentifier_ = exported.Options.Identifier;
        moodleCap_ = exported.Options.CapAtPoints;
    }

    TFileRequest request;
    request.Caption = ExportLmsDlg.windowTitle();
    request.Filter = tr("CSV Files (*.csv);;All Files (*)");
    request.DefaultSuffix = "csv";
    request.Suggested = doc.Title() + "-" + QString::fromLatin1(LmsFormatName(format)) + ".csv";
    if (!doc.FilePath().isEmpty()) request.Folder = QFileInfo(doc.FilePath()).absolutePath();
    QString path;
    bool bom = false;
    if (format == TLmsFormat::Scores) {
        // Only a spreadsheet wants the mark; Canvas and Moodle read UTF-8 without it.
        request.Option = tr("Start with a UTF-8 byte order mark (for Excel on Windows)");
        request.OptionChecked = scoresBom_;
        path = Prompts().SaveFileNameWithOption(request, scoresBom_);
        bom = scoresBom_;
    } else {
        path = Prompts().SaveFileName(request);
    }
    if (path.isEmpty()) return;
    if (bom) exported.Csv.insert(0, "\xEF\xBB\xBF");
    // Without a backup, as an export is made again at will; never through a link.
    const std::string error = WriteOutputFile(path.toStdString(), exported.Csv);
    if (!error.empty()) {
        Prompts().Message(TMessageKind::Error, CoreText(error), TButtons::Ok);
        return;
    }
    const QString where = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    Prompts().Message(TMessageKind::Information,
                      format == TLmsFormat::Scores
                          ? tr("The scores table was written to\n%1").arg(where)
                          : tr("The grades for %1 were written to\n%2")
                                .arg(TExportLmsDlg::FormatCaption(format), where),
                      TButtons::Ok);
}

} // namespace marklow
