#pragma once
// The File menu's commands: New, Open, Reopen, Save, Save As, Password and Exit, and the
// document's lifecycle around the main window: the first showing (letter tables,
// preferences, Reopen submenu), the first activation (maximised once) and closing.

#include "lifecycle.h"
#include "password_dialogs.h"

#include <QFont>
#include <QObject>

namespace marklow {

class TSDIAppForm;

// Where the user's default.ltd lives and the one shipped with the program.
TDocumentPaths DefaultDocumentPaths();

class TFileCommands final : public QObject, public TDocumentView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFileCommands)
public:
    TFileCommands(TSDIAppForm& form, TDocumentPaths paths);
    ~TFileCommands() override;

    TDocumentLifecycle& Lifecycle() { return lifecycle_; }
    void Password1Click();
    // File > "Export CSV...": what marklow-cli export-csv writes, for a spreadsheet or a
    // learning-management system's grade import.
    void ExportCsv1Click();

    // The dialogs, created once and reused.
    TPasswordDlg PasswordDlg;
    TNewPasswordDlg NewPasswordDlg;
    TPasswordDlg1 PasswordDlg1;

    // TDocumentView
    TGradebookDocument& Document() override;
    bool FinishCellEdit() override;
    void BeginRebuild() override;
    void EndRebuild() override;
    void SetCaption(const QString& caption) override;
    void SetReopenItems(const std::vector<std::pair<int, QString>>& items) override;
    void GradebookLoaded() override;
    void ApplySettings(const TAppSettings& settings) override;
    void CollectSettings(TAppSettings& settings) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TSDIAppForm& form_;
    TDocumentLifecycle lifecycle_;
    bool firstShow_ = true;
    bool maximizePending_ = false;
    bool csvBom_ = false; // the last export's byte order mark choice
};

} // namespace marklow
