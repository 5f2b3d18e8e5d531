#pragma once
// The three password dialogs: asked when opening a protected gradebook, setting a first
// password, and changing it. Their checks run whenever a dialog is about to close, so the
// close box is checked like the buttons.

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include <optional>
#include <string>

namespace marklow {

class TGradebook;

class TPasswordDlg final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPasswordDlg)
public:
    explicit TPasswordDlg(QWidget* parent = nullptr);
    // The text the field must hold for the dialog to close with OK.
    void SetExpected(const QString& expected) { expected_ = expected; }
    void done(int result) override;

    QLineEdit* Password;
    QPushButton* OkButton;
    QPushButton* CancelButton;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString expected_;
};

class TNewPasswordDlg final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TNewPasswordDlg)
public:
    explicit TNewPasswordDlg(QWidget* parent = nullptr);
    void done(int result) override;

    QLineEdit* NewPass1;
    QLineEdit* NewPass2;
    QPushButton* OkButton;
    QPushButton* CancelButton;

protected:
    void showEvent(QShowEvent* event) override;
};

class TPasswordDlg1 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPasswordDlg1)
public:
    explicit TPasswordDlg1(QWidget* parent = nullptr);
    // The gradebook's password the current-password field is checked against.
    void SetCurrent(const QString& current) { current_ = current; }
    void done(int result) override;

    QLineEdit* CurrentPass;
    QLineEdit* NewPass1;
    QLineEdit* NewPass2;
    QPushButton* OkButton;
    QPushButton* CancelButton;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString current_;
};

// Whether a gradebook whose file holds `stored` may be opened while a gradebook protected by
// `openPassword` is open: no password, or the same one, asks nothing; otherwise the prompt.
bool CheckPasswordOnOpen(TPasswordDlg& prompt, const std::string& stored,
                         const std::string& openPassword);

// Asks for a first password when `current` is empty, else for a change of it; the new password,
// or nothing when the teacher cancelled.
std::optional<std::string> EditPassword(TNewPasswordDlg& setDialog, TPasswordDlg1& changeDialog,
                                        const std::string& current);

} // namespace marklow
