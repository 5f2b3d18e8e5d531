#include "password_dialogs.h"

#include "button_descriptions.h"
#include "gradebook.h"
#include "gradebook_file.h"
#include "prompts.h"
#include "text.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace marklow {

namespace {

// Password fields show a "*" for each character typed, whatever the desktop's style draws.
class TStarStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

const char* const kTypedPassword =
    QT_TRANSLATE_NOOP("PasswordDialogs", "The password this gradebook was saved with");
const char* const kOldPassword =
    QT_TRANSLATE_NOOP("PasswordDialogs", "The password the gradebook has now");
const char* const kNewPassword =
    QT_TRANSLATE_NOOP("PasswordDialogs", "The password the gradebook will ask for when opened");
const char* const kNewAgain =
    QT_TRANSLATE_NOOP("PasswordDialogs", "The new password once more, to catch a typing mistake");

QLineEdit* AddField(QGridLayout* grid, int row, const QString& label, const char* description,
                    QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setAccessibleDescription(QCoreApplication::translate("PasswordDialogs", description));
    auto* style = new TStarStyle;
    style->setParent(edit);
    edit->setStyle(style);
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(255);
    edit->setMinimumWidth(180);
    auto* caption = new QLabel(label, parent);
    caption->setBuddy(edit);
    grid->addWidget(caption, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

// Lays out the fields above a right-aligned OK and Cancel, then fixes the size.
void Finish(QDialog* dialog, QGridLayout* grid, QPushButton*& ok, QPushButton*& cancel) {
    ok = new QPushButton(QCoreApplication::translate("PasswordDialogs", "&OK"), dialog);
    cancel = new QPushButton(QCoreApplication::translate("PasswordDialogs", "&Cancel"), dialog);
    DescribeButton(ok, TButtonRole::Ok);
    DescribeButton(cancel, TButtonRole::Cancel);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* outer = new QVBoxLayout(dialog);
    outer->addLayout(grid);
    outer->addSpacing(8);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    dialog->setModal(true);
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void CentreOnScreen(QDialog* dialog) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        dialog->adjustSize();
        QRect area = screen->availableGeometry();
        dialog->move(area.center() - dialog->rect().center());
    }
}

void Refocus(QLineEdit* field) {
    field->setFocus();
    field->selectAll();
}

// The checks a new password passes; returns false with the message shown when it does not,
// and sets `closeAnyway` when the user chose Cancel in that message.
bool NewPasswordAcceptable(const QString& first, const QString& second, bool& closeAnyway) {
    QString message;
    if (first != second)
        message = QCoreApplication::translate("PasswordDialogs", "New passwords don't match");
    else if (IsBlank(first.toStdString()))
        message = QCoreApplication::translate("PasswordDialogs", "Password can not be blank");
    else if (!PasswordStorable(first.toStdString()))
        // Checked here rather than at the save, which would fail until the password changed.
        message = QCoreApplication::translate("PasswordDialogs",
                                              "Password has characters that can not be saved");
    else
        return true;
    closeAnyway = Prompts().Message(TMessageKind::Warning, message, TButtons::RetryCancel) !=
                  TAnswer::Retry;
    return false;
}

} // namespace

TPasswordDlg::TPasswordDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("PasswordDialogs", "Password Dialog"));
    auto* grid = new QGridLayout;
    Password = AddField(grid, 0, QCoreApplication::translate("PasswordDialogs", "Enter password:"),
                        kTypedPassword, this);
    Finish(this, grid, OkButton, CancelButton);
}

void TPasswordDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(this);
    Password->clear();
    Password->setFocus();
}

void TPasswordDlg::done(int result) {
    // Checked on every way out, Cancel and the close box included.
    if (Password->text() != expected_) {
        if (Prompts().Message(
                TMessageKind::Error,
                QCoreApplication::translate("PasswordDialogs", "Password is incorrect"),
                TButtons::RetryCancel) == TAnswer::Retry) {
            Refocus(Password);
            return;
        }
        QDialog::done(Rejected);
        return;
    }
    QDialog::done(result);
}

TNewPasswordDlg::TNewPasswordDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("PasswordDialogs", "New Password"));
    auto* grid = new QGridLayout;
    NewPass1 =
        AddField(grid, 0, QCoreApplication::translate("PasswordDialogs", "Enter new password:"),
                 kNewPassword, this);
    NewPass2 =
        AddField(grid, 1, QCoreApplication::translate("PasswordDialogs", "Reenter new password:"),
                 kNewAgain, this);
    Finish(this, grid, OkButton, CancelButton);
}

void TNewPasswordDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(this);
    NewPass1->clear();
    NewPass2->clear();
    NewPass1->setFocus();
}

void TNewPasswordDlg::done(int result) {
    if (result == Accepted) {
        bool closeAnyway = false;
        if (!NewPasswordAcceptable(NewPass1->text(), NewPass2->text(), closeAnyway)) {
            if (closeAnyway) {
                QDialog::done(Rejected);
            } else {
                Refocus(NewPass1);
            }
            return;
        }
    }
    QDialog::done(result);
}

TPasswordDlg1::TPasswordDlg1(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("PasswordDialogs", "Change Password"));
    auto* grid = new QGridLayout;
    CurrentPass =
        AddField(grid, 0, QCoreApplication::translate("PasswordDialogs", "Enter current password:"),
                 kOldPassword, this);
    NewPass1 =
        AddField(grid, 1, QCoreApplication::translate("PasswordDialogs", "Enter new password:"),
                 kNewPassword, this);
    NewPass2 =
        AddField(grid, 2, QCoreApplication::translate("PasswordDialogs", "Reenter new password:"),
                 kNewAgain, this);
    Finish(this, grid, OkButton, CancelButton);
}

void TPasswordDlg1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(this);
    CurrentPass->clear();
    NewPass1->clear();
    NewPass2->clear();
    CurrentPass->setEnabled(!current_.isEmpty());
    (current_.isEmpty() ? NewPass1 : CurrentPass)->setFocus();
}

void TPasswordDlg1::done(int result) {
    if (result == Accepted) {
        QLineEdit* retryField = CurrentPass->isEnabled() ? CurrentPass : NewPass1;
        bool closeAnyway = false;
        bool ok;
        if (CurrentPass->text() != current_) {
            closeAnyway = Prompts().Message(TMessageKind::Warning,
                                            QCoreApplication::translate(
                                                "PasswordDialogs", "Current Password is incorrect"),
                                            TButtons::RetryCancel) != TAnswer::Retry;
            ok = false;
        } else {
            ok = NewPasswordAcceptable(NewPass1->text(), NewPass2->text(), closeAnyway);
        }
        if (!ok) {
            if (closeAnyway)
                QDialog::done(Rejected);
            else
                Refocus(retryField);
            return;
        }
    }
    QDialog::done(result);
}

bool CheckPasswordOnOpen(TPasswordDlg& prompt, const std::string& stored,
                         const std::string& openPassword) {
    if (stored.empty() || stored == openPassword) return true;
    prompt.SetExpected(QString::fromStdString(stored));
    return Prompts().ExecDialog(prompt) == QDialog::Accepted;
}

std::optional<std::string> EditPassword(TNewPasswordDlg& setDialog, TPasswordDlg1& changeDialog,
                                        const std::string& current) {
    if (current.empty()) {
        if (Prompts().ExecDialog(setDialog) != QDialog::Accepted) return std::nullopt;
        return setDialog.NewPass1->text().toStdString();
    }
    changeDialog.SetCurrent(QString::fromStdString(current));
    if (Prompts().ExecDialog(changeDialog) != QDialog::Accepted) return std::nullopt;
    return changeDialog.NewPass1->text().toStdString();
}

} // namespace marklow
