#pragma once
// Connects the main window to the document's lifecycle: the File commands, the password
// command, the first showing (letter tables, preferences, Reopen submenu), the first
// activation (maximised once) and closing.

#include "lifecycle.h"
#include "password_dialogs.h"

#include <QFont>
#include <QObject>

namespace marklow {

class TSDIAppForm;

// Where the user's default.ltd lives and the one shipped with the program.
TDocumentPaths DefaultDocumentPaths();

class TMainWindowDocument final : public QObject, public TDocumentView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMainWindowDocument)
public:
    TMainWindowDocument(TSDIAppForm& form, TDocumentPaths paths);
    ~TMainWindowDocument() override;

    TDocumentLifecycle& Lifecycle() { return lifecycle_; }
    void Password1Click();

    // The dialogs, created once and reused.
    TPasswordDlg PasswordDlg;
    TNewPasswordDlg NewPasswordDlg;
    TPasswordDlg1 PasswordDlg1;

    // TDocumentView
    TGradebook& Gradebook() override;
    bool FinishCellEdit() override;
    void BeginRebuild() override;
    void EndRebuild() override;
    void MarkModified() override;
    void ClearModified() override;
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
};

} // namespace marklow
