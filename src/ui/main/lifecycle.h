#pragma once
// The life of the open document: New, Open, Reopen, Save, Save As, the save question, the
// title and caption, the file history, and what happens at start and exit. It works through
// TDocumentView, which the main window implements, so it is tested without the full window.

#include "app_settings.h"

#include <QString>

#include <string>
#include <vector>

namespace marklow {

class TGradebook;
class TGradebookDocument;
class TPasswordDlg;

class TDocumentView {
public:
    virtual ~TDocumentView() = default;
    // The document: the gradebook, its file path, its history and whether it is modified.
    virtual TGradebookDocument& Document() = 0;
    // Completes the cell being edited and gives the table the normal shape of its mode.
    virtual bool FinishCellEdit() = 0;
    // Around replacing the document: hide the grid and park the cursor, then refit, show,
    // and focus it again.
    virtual void BeginRebuild() = 0;
    virtual void EndRebuild() = 0;
    virtual void SetCaption(const QString& caption) = 0;
    // The Reopen submenu: (history index, caption) pairs; empty hides it.
    virtual void SetReopenItems(const std::vector<std::pair<int, QString>>& items) = 0;
    // After a gradebook was read: the letter and sort check marks follow its switches.
    virtual void GradebookLoaded() = 0;
    // The view switches and fonts kept as preferences.
    virtual void ApplySettings(const TAppSettings& settings) = 0;
    virtual void CollectSettings(TAppSettings& settings) = 0;
};

// Where the program keeps its files.
struct TDocumentPaths {
    QString UserLetterFile;    // the user's "default.ltd", written at exit
    QString ShippedLetterFile; // read when the user has none yet
};

class TDocumentLifecycle {
public:
    TDocumentLifecycle(TDocumentView& view, TPasswordDlg& passwordPrompt, TDocumentPaths paths);

    // The first showing of the main window: letter tables, preferences, Reopen submenu.
    void FirstShow();
    // Closing the main window: the save question, then "default.ltd" and the preferences.
    // Returns whether the window may close.
    bool CloseRequested();

    bool QuerySave();
    void NewGradebook();
    void OpenCommand();
    void ReopenCommand(int index);
    // Returns whether the file became the open gradebook.
    bool OpenGradebook(const QString& path);
    void SaveCommand();
    void SaveAsCommand();
    // Returns whether the gradebook was written.
    bool SaveGradebook(const QString& path);
    void SetCurrentFile(const QString& path);

    TAppSettings& Settings() { return settings_; }
    const std::vector<std::string>& History() const { return settings_.History; }

private:
    void RebuildReopenMenu();
    QString AskSaveName();

    TDocumentView& view_;
    TPasswordDlg& passwordPrompt_;
    TDocumentPaths paths_;
    TAppSettings settings_;
};

} // namespace marklow
