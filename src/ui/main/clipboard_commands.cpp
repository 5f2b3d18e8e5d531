#include "clipboard_commands.h"

#include "main_window.h"
#include "paste_command.h"
#include "translations.h"

#include <QAction>
#include <QLineEdit>

namespace marklow {

TClipboardCommands::TClipboardCommands(TSDIAppForm& form) : QObject(&form), form_(form) {
    auto copy = [this](QAction* a, TClipboardFormat format) {
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, [this, format] { CopyClipboardClick(format); });
    };
    copy(form.Averages1, TClipboardFormat::Averages);
    copy(form.CopyAverages1, TClipboardFormat::Averages);
    copy(form.Names1, TClipboardFormat::Students);
    copy(form.CopyStudents1, TClipboardFormat::Students);
    form.Paste1->setEnabled(true);
    connect(form.Paste1, &QAction::triggered, this, &TClipboardCommands::Paste1Click);
}

void TClipboardCommands::CopyClipboardClick(TClipboardFormat format) {
    // What is typed into the current cell belongs in the copy.
    form_.FinishCellEdit();
    marklow::CopyClipboardClick(form_.Gradebook(), format, *clipboard_);
}

void TClipboardCommands::Paste1Click() {
    TGradebookDocument& doc = form_.Document();
    const TGradebook& gb = doc.Gradebook();
    TPasteRequest request = ReadPaste(clipboard_->MimeData(), gb);
    if (const auto* text = std::get_if<TEditorPaste>(&request)) {
        // A single line is the cell editor's to paste, like typing.
        form_.GradeBook->Editor()->insert(text->Text);
        return;
    }
    if (!std::holds_alternative<TPastePlan>(request)) return;
    const int rows = gb.RowCount(), cols = gb.ColCount();
    form_.FinishCellEdit();
    // A plan holds the rows and columns it adds: make it again if the table changed shape.
    if (gb.RowCount() != rows || gb.ColCount() != cols)
        request = ReadPaste(clipboard_->MimeData(), gb);
    const auto* plan = std::get_if<TPastePlan>(&request);
    if (!plan) return;
    if (plan->Changes()) doc.Push(new TPasteCommand(doc, *plan));
    // A cut-short block: the students read before the damage are in, then the error.
    if (!plan->Error.empty())
        Prompts().Message(TMessageKind::Error, CoreText(plan->Error), TButtons::Ok);
}

} // namespace marklow
