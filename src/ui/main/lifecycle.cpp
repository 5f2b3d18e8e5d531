#include "lifecycle.h"

#include "averages.h"
#include "file_history.h"
#include "gradebook.h"
#include "gradebook_document.h"
#include "gradebook_file.h"
#include "option_files.h"
#include "password_dialogs.h"
#include "prompts.h"
#include "safe_save.h"
#include "settings_store.h"
#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace marklow {

namespace {

QString GradebookFilter() {
    return QCoreApplication::translate("TDocumentLifecycle",
                                       "Grade Book Files (*.gbd *.GBD);;All Files (*)");
}

std::string Std(const QString& s) { return s.toStdString(); }

void ShowError(const QString& text) { Prompts().Message(TMessageKind::Error, text, TButtons::Ok); }

} // namespace

TDocumentLifecycle::TDocumentLifecycle(TDocumentView& view, TPasswordDlg& passwordPrompt,
                                       TDocumentPaths paths)
    : view_(view), passwordPrompt_(passwordPrompt), paths_(std::move(paths)) {}

void TDocumentLifecycle::FirstShow() {
    TGradebook& gb = view_.Document().Gradebook();
    // The user's own letter tables, else the ones shipped with the program.
    for (const QString& path : {paths_.UserLetterFile, paths_.ShippedLetterFile}) {
        if (path.isEmpty()) continue;
        try {
            if (LoadDefaultLetterFile(Std(path), gb)) break;
        } catch (const std::runtime_error& e) {
            // Unreadable or damaged: said once, and the tables stay empty.
            ShowError(CoreText(e.what()));
            break;
        }
    }
    // Start from the view's present state, so "current value" defaults hold.
    view_.CollectSettings(settings_);
    if (SettingsExist()) {
        auto ini = OpenUserSettings();
        ReadSettings(QtSettingsStore(*ini), settings_, FileExists);
    } else if (QFileInfo::exists(LegacySettingsPath())) {
        QSettings ini(LegacySettingsPath(), QSettings::IniFormat);
        ReadLegacySettings(QtSettingsStore(ini), settings_, FileExists);
    }
    view_.ApplySettings(settings_);
    RebuildReopenMenu();
}

bool TDocumentLifecycle::CloseRequested() {
    if (!QuerySave()) return false;
    TGradebook& gb = view_.Document().Gradebook();
    // Neither failure may keep the program from closing; both are told.
    if (!paths_.UserLetterFile.isEmpty()) {
        QDir().mkpath(QFileInfo(paths_.UserLetterFile).absolutePath());
        std::string error = SaveDefaultLetterFile(Std(paths_.UserLetterFile), gb);
        if (!error.empty()) ShowError(CoreText(error));
    }
    view_.CollectSettings(settings_);
    const QString path = OpenUserSettings()->fileName();
    if (!WriteSettingsFile(path, settings_))
        ShowError(QCoreApplication::translate("TDocumentLifecycle",
                                              "The preferences could not be written to %1")
                      .arg(path));
    return true;
}

bool TDocumentLifecycle::QuerySave() {
    TGradebookDocument& doc = view_.Document();
    if (!doc.IsModified()) return true;
    TAnswer a = Prompts().Message(
        TMessageKind::Confirmation,
        QCoreApplication::translate("TDocumentLifecycle", "Save Changes to %1").arg(doc.Title()),
        TButtons::YesNoCancel);
    if (a == TAnswer::Cancel) return false;
    if (a == TAnswer::No) return true;
    if (doc.FilePath().isEmpty()) {
        QString name = AskSaveName();
        if (name.isEmpty()) return false;
        // A failed save keeps the work: the command does not go on.
        return SaveGradebook(name);
    }
    return SaveGradebook(doc.FilePath());
}

void TDocumentLifecycle::NewGradebook() {
    view_.FinishCellEdit();
    if (QuerySave()) {
        TGradebookDocument& doc = view_.Document();
        view_.BeginRebuild();
        doc.Gradebook().MakeEmpty();
        doc.ResetHistory();
        SetCurrentFile(QString());
        view_.EndRebuild(); // the sort check marks stay as they were

    }
    RebuildReopenMenu();
}

void TDocumentLifecycle::OpenCommand() {
    view_.FinishCellEdit();
    if (view_.Document().IsModified() && !QuerySave()) return;
    TFileRequest request;
    request.Caption = QCoreApplication::translate("TDocumentLifecycle", "Open");
    request.Filter = GradebookFilter();
    QString name = Prompts().OpenFileName(request);
    if (!name.isEmpty()) OpenGradebook(name);
}

void TDocumentLifecycle::ReopenCommand(int index) {
    if (index < 0 || index >= static_cast<int>(settings_.History.size())) return;
    std::string path = settings_.History[static_cast<size_t>(index)];
    if (!FileExists(path)) return;
    view_.FinishCellEdit();
    if (view_.Document().IsModified() && !QuerySave()) return;
    OpenGradebook(QString::fromStdString(path));
}

bool TDocumentLifecycle::OpenGradebook(const QString& path) {
    TGradebookDocument& doc = view_.Document();
    TGradebook& gb = doc.Gradebook();
    std::string bytes;
    try {
        bytes = ReadFileBytes(Std(path));
    } catch (const TFileSystemError& e) {
        ShowError(CoreText(e.what()));
        return false;
    }
    bool loaded = false;
    view_.BeginRebuild();
    try {
        TReadResult result = ReadGradebook(bytes, gb, [&](const std::string& stored) {
                return CheckPasswordOnOpen(passwordPrompt_, stored, gb.Password);
            });
        if (result.Status == TReadResult::TStatus::UnknownVersion) {
            ShowError(
                QCoreApplication::translate("TDocumentLifecycle",
                                            "\"%1\" is not a gradebook file that Marklow can read.")
                    .arg(path));
        } else if (result.Status == TReadResult::TStatus::Loaded) {
            loaded = true;
            RecomputeAll(gb);
            doc.ResetHistory();
            SetCurrentFile(path);
            doc.SortsFromSwitches();
            view_.GradebookLoaded();
        }
    } catch (const TFileReadError& e) {
        view_.EndRebuild();
        // The teacher may have several files open in turn: say which one is damaged.
        ShowError(CoreText(e.ForFile(Std(path)).what()));
        return false;
    }
    view_.EndRebuild();
    return loaded;
}

void TDocumentLifecycle::SaveCommand() {
    view_.FinishCellEdit();
    TGradebookDocument& doc = view_.Document();
    if (doc.FilePath().isEmpty())
        SaveAsCommand();
    else
        SaveGradebook(doc.FilePath());
}

void TDocumentLifecycle::SaveAsCommand() {
    view_.FinishCellEdit();
    QString name = AskSaveName();
    if (!name.isEmpty()) SaveGradebook(name);
}

QString TDocumentLifecycle::AskSaveName() {
    TFileRequest request;
    request.Caption = QCoreApplication::translate("TDocumentLifecycle", "Save As");
    request.Filter = GradebookFilter();
    request.DefaultSuffix = "gbd";
    request.Suggested = view_.Document().FilePath();
    return Prompts().SaveFileName(request);
}

bool TDocumentLifecycle::SaveGradebook(const QString& path) {
    TGradebookDocument& doc = view_.Document();
    doc.CommitCellEdit(); // what is written is the saved state of the history
    TGradebook& gb = doc.Gradebook();
    std::vector<std::string> lost;
    std::string error;
    try {
        error = SaveFileSafely(Std(path), WriteGradebook(gb, &lost));
    } catch (const TFileWriteError& e) {
        error = e.what();
    }
    if (!error.empty()) {
        ShowError(CoreText(error));
        return false;
    }
    SetCurrentFile(path);
    doc.SetSaved();
    if (!lost.empty()) {
        QString list;
        for (const auto& t : lost) list += "\n" + QString::fromStdString(t);
        Prompts().Message(TMessageKind::Warning,
                          QCoreApplication::translate(
                              "TDocumentLifecycle",
                              "These texts hold characters that a gradebook file cannot store; "
                              "they were saved with \"?\" in their place:") +
                              list,
                          TButtons::Ok);
    }
    return true;
}

void TDocumentLifecycle::SetCurrentFile(const QString& given) {
    TGradebookDocument& doc = view_.Document();
    // Kept whole, so the history reopens it from any folder the program starts in.
    const QString path = given.isEmpty() ? given : QFileInfo(given).absoluteFilePath();
    doc.SetFilePath(path);
    view_.SetCaption(
        QCoreApplication::translate("TDocumentLifecycle", "Marklow - %1").arg(doc.Title()));
    // A new gradebook has no file to remember.
    if (!path.isEmpty()) AddToHistory(settings_.History, Std(path), FileExists);
    RebuildReopenMenu();
}

void TDocumentLifecycle::RebuildReopenMenu() {
    std::vector<std::pair<int, QString>> items;
    const std::string open = Std(view_.Document().FilePath());
    for (int i : ReopenEntries(settings_.History, open, FileExists))
        items.emplace_back(i, QString::fromStdString(settings_.History[static_cast<size_t>(i)]));
    view_.SetReopenItems(items);
}

} // namespace marklow
