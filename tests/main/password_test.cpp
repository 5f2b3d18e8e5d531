#include "gradebook.h"
#include "gradebook_file.h"
#include "password_dialogs.h"
#include "prompts.h"
#include "test_app.h"

#include <QApplication>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

using namespace marklow;

namespace {

QApplication& App() { return TestApp(); }

class Passwords : public ::testing::Test {
protected:
    QApplication& app = App(); // before any widget member
    ScopedPrompts prompts;
    ScriptedPrompts& script = prompts.Script;
    TPasswordDlg prompt;
    TNewPasswordDlg setDialog;
    TPasswordDlg1 changeDialog;
};

void Type(QLineEdit* field, const QString& text) {
    field->clear();
    QTest::keyClicks(field, text);
}

} // namespace

TEST_F(Passwords, DialogsCarryTheirCaptionsAndMaskedFields) {
    EXPECT_EQ(prompt.windowTitle(), "Password Dialog");
    EXPECT_EQ(setDialog.windowTitle(), "New Password");
    EXPECT_EQ(changeDialog.windowTitle(), "Change Password");
    EXPECT_EQ(prompt.Password->echoMode(), QLineEdit::Password);
    EXPECT_EQ(changeDialog.NewPass2->echoMode(), QLineEdit::Password);
    // A "*" for each character, whatever the desktop's style would draw.
    for (QLineEdit* field : {prompt.Password, setDialog.NewPass1, changeDialog.CurrentPass})
        EXPECT_EQ(field->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, field),
                  '*');
    EXPECT_EQ(prompt.OkButton->text(), "&OK");
    EXPECT_TRUE(prompt.OkButton->isDefault());
}

TEST_F(Passwords, NoPasswordOrTheSameOneAsksNothing) {
    EXPECT_TRUE(CheckPasswordOnOpen(prompt, "", "anything"));
    EXPECT_TRUE(CheckPasswordOnOpen(prompt, "secret", "secret"));
    EXPECT_TRUE(script.Unexpected.isEmpty());
    EXPECT_TRUE(script.Messages.empty());
}

TEST_F(Passwords, CancelWithAnEmptyFieldStillSaysIncorrect) {
    script.DialogActions.push_back([](QDialog& d) {
        auto& p = static_cast<TPasswordDlg&>(d);
        EXPECT_TRUE(p.Password->text().isEmpty()); // showing empties the field
        p.CancelButton->click();
    });
    script.Answers.push_back(TAnswer::Cancel);
    EXPECT_FALSE(CheckPasswordOnOpen(prompt, "secret", ""));
    ASSERT_EQ(script.Messages.size(), 1u);
    EXPECT_EQ(script.Messages[0].Text, "Password is incorrect");
    EXPECT_EQ(script.Messages[0].Kind, TMessageKind::Error);
    EXPECT_EQ(script.Messages[0].Buttons, TButtons::RetryCancel);
}

TEST_F(Passwords, RetryKeepsThePromptOpenUntilTheRightPassword) {
    script.DialogActions.push_back([](QDialog& d) {
        auto& p = static_cast<TPasswordDlg&>(d);
        Type(p.Password, "Secret");
        p.OkButton->click();
        EXPECT_TRUE(p.isVisible()); // Retry left it open
        Type(p.Password, "secret");
        p.OkButton->click();
    });
    script.Answers.push_back(TAnswer::Retry);
    EXPECT_TRUE(CheckPasswordOnOpen(prompt, "secret", "other"));
    EXPECT_EQ(script.Messages.size(), 1u);
}

TEST_F(Passwords, TheRightPasswordThenCancelRefuses) {
    script.DialogActions.push_back([](QDialog& d) {
        auto& p = static_cast<TPasswordDlg&>(d);
        Type(p.Password, "secret");
        p.CancelButton->click();
    });
    EXPECT_FALSE(CheckPasswordOnOpen(prompt, "secret", ""));
    EXPECT_TRUE(script.Messages.empty());
}

TEST_F(Passwords, AFirstPasswordMustMatchAndNotBeBlank) {
    TGradebook gb;
    script.DialogActions.push_back([](QDialog& d) {
        auto& n = static_cast<TNewPasswordDlg&>(d);
        Type(n.NewPass1, "Apple");
        Type(n.NewPass2, "apple");
        n.OkButton->click(); // differ in case: Retry
        Type(n.NewPass1, "   ");
        Type(n.NewPass2, "   ");
        n.OkButton->click(); // blanks only: Retry
        // QTest types ASCII keys only; the text arrives as from a keyboard layout.
        n.NewPass1->setText(QString::fromUtf8("пароль"));
        n.NewPass2->setText(QString::fromUtf8("пароль"));
        n.OkButton->click(); // the file could not hold it: Retry
        Type(n.NewPass1, "pass ");
        Type(n.NewPass2, "pass ");
        n.OkButton->click();
    });
    script.Answers = {TAnswer::Retry, TAnswer::Retry, TAnswer::Retry};
    EXPECT_EQ(EditPassword(setDialog, changeDialog, gb.Password), "pass ")
        << "the trailing blank is kept";
    ASSERT_EQ(script.Messages.size(), 3u);
    EXPECT_EQ(script.Messages[0].Text, "New passwords don't match");
    EXPECT_EQ(script.Messages[1].Text, "Password can not be blank");
    EXPECT_EQ(script.Messages[1].Kind, TMessageKind::Warning);
    EXPECT_EQ(script.Messages[2].Text, "Password has characters that can not be saved");
    // Accented letters of Windows-1252 are fine.
    EXPECT_TRUE(PasswordStorable("Müller-Señor"));
}

TEST_F(Passwords, CancelInTheMessageClosesAndChangesNothing) {
    TGradebook gb;
    script.DialogActions.push_back([](QDialog& d) {
        auto& n = static_cast<TNewPasswordDlg&>(d);
        Type(n.NewPass1, "a");
        Type(n.NewPass2, "b");
        n.OkButton->click();
    });
    script.Answers = {TAnswer::Cancel};
    EXPECT_EQ(EditPassword(setDialog, changeDialog, gb.Password), std::nullopt);
}

TEST_F(Passwords, ChangingNeedsTheCurrentPassword) {
    TGradebook gb;
    gb.Password = "old";
    script.DialogActions.push_back([](QDialog& d) {
        auto& c = static_cast<TPasswordDlg1&>(d);
        EXPECT_TRUE(c.CurrentPass->isEnabled());
        Type(c.CurrentPass, "wrong");
        Type(c.NewPass1, "new");
        Type(c.NewPass2, "new");
        c.OkButton->click();
    });
    script.Answers = {TAnswer::Cancel};
    EXPECT_EQ(EditPassword(setDialog, changeDialog, gb.Password), std::nullopt);
    EXPECT_EQ(script.Messages.at(0).Text, "Current Password is incorrect");

    script.DialogActions.push_back([](QDialog& d) {
        auto& c = static_cast<TPasswordDlg1&>(d);
        EXPECT_TRUE(c.CurrentPass->text().isEmpty());
        Type(c.CurrentPass, "old");
        Type(c.NewPass1, "new");
        Type(c.NewPass2, "new");
        c.OkButton->click();
    });
    EXPECT_EQ(EditPassword(setDialog, changeDialog, gb.Password), "new");
}

TEST_F(Passwords, TheCloseBoxIsCheckedLikeTheButtons) {
    script.DialogActions.push_back([](QDialog& d) {
        auto& p = static_cast<TPasswordDlg&>(d);
        Type(p.Password, "secret");
        p.close();
    });
    EXPECT_FALSE(CheckPasswordOnOpen(prompt, "secret", ""));
    EXPECT_TRUE(script.Messages.empty());
    script.DialogActions.push_back([](QDialog& d) { d.close(); });
    script.Answers = {TAnswer::Cancel};
    EXPECT_FALSE(CheckPasswordOnOpen(prompt, "secret", ""));
    EXPECT_EQ(script.Messages.size(), 1u);
}
