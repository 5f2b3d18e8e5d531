// Every control a teacher can reach with the keyboard, in every window and dialog, has a name
// a screen reader can say and a description of what it does.

#include "about_box.h"
#include "chart_commands.h"
#include "chart_form.h"
#include "check_commands.h"
#include "check_form.h"
#include "lms_export_dialog.h"
#include "main_window.h"
#include "new_print_dlg.h"
#include "options_commands.h"
#include "options_dialog.h"
#include "password_dialogs.h"
#include "preview_window.h"
#include "print_chart_dlg.h"
#include "print_commands.h"
#include "print_progress.h"
#include "prompts.h"
#include "properties_commands.h"
#include "property_dialogs.h"
#include "roster_dialog.h"
#include "test_app.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTabBar>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <memory>

using namespace marklow;

namespace {

// The parts of a compound control, which a screen reader reads as the control.
bool PartOfAnother(const QWidget* w) {
    const QWidget* p = w->parentWidget();
    if (!p) return false;
    if (qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QComboBox*>(p) ||
        qobject_cast<const QTabBar*>(p))
        return true;
    auto* area = qobject_cast<const QAbstractScrollArea*>(p);
    return area && area->viewport() == w;
}

// The controls Tab can reach (not hidden on their own) whose accessible name (or, with
// `what` Description, description) is empty.
QStringList Unnamed(QWidget& root, QAccessible::Text what = QAccessible::Name) {
    QStringList out;
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    for (QWidget* w : widgets) {
        // Popups (a combo box's list) and other windows are walked on their own; a control
        // that hands its focus on is read as the one it hands it to.
        if (!(w->focusPolicy() & Qt::TabFocus) || w->isHidden() || PartOfAnother(w) ||
            w->window() != root.window() || w->focusProxy())
            continue;
        // Qt reads a tab bar as its current tab and gives it no description of its own.
        if (what == QAccessible::Description && qobject_cast<const QTabBar*>(w)) continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (!a || a->text(what).trimmed().isEmpty())
            out << QString("%1 %2 (%3 %4)")
                       .arg(root.metaObject()->className(), w->objectName(),
                            w->metaObject()->className(),
                            a ? a->text(QAccessible::Name) : QString());
    }
    return out;
}

// The first control that takes the focus, then each that Tab goes to, until Tab comes back.
QStringList TabOrder(QWidget& root) {
    QStringList out;
    QWidget* first = root.focusWidget() ? root.focusWidget() : &root;
    QWidget* w = first;
    for (int i = 0; i < 200; ++i) {
        w = w->nextInFocusChain();
        if (w == first) break;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&root) && w->isEnabled() &&
            !PartOfAnother(w))
            out << QString("%1[%2]").arg(
                w->metaObject()->className(),
                QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name));
    }
    return out;
}

class Walk : public ::testing::Test {
protected:
    template <typename Dialog> QStringList Check() {
        auto d = std::make_unique<Dialog>(&form);
        return Unnamed(*d);
    }
    QApplication& app = TestApp();
    ScopedPrompts prompts;
    TSDIAppForm form;
};

TEST_F(Walk, EveryControlOfEveryWindowHasAName) {
    QStringList offenders = Unnamed(form);
    offenders << Check<TStudentDlg>() << Check<TGradeDlg>() << Check<TPasswordDlg>()
              << Check<TNewPasswordDlg>() << Check<TPasswordDlg1>() << Check<TAboutBox>()
              << Check<TNewPrintDlg>() << Check<TPrintChartDlg>() << Check<TPrintProgress>()
              << Check<TPreviewForm>() << Check<TCheckForm>() << Check<TChartForm>()
              << Check<TNewOptionsDlg>() << Check<TImportRosterDlg>() << Check<TExportLmsDlg>();
    EXPECT_TRUE(offenders.isEmpty()) << "without a name: " << offenders.join(", ").toStdString();
}

TEST_F(Walk, EveryControlOfEveryDialogSaysWhatItDoes) {
    constexpr auto kWhat = QAccessible::Description;
    QStringList offenders = Unnamed(form, kWhat);
    auto check = [&](QDialog* d) {
        offenders << Unnamed(*d, kWhat);
        delete d;
    };
    check(new TStudentDlg(&form));
    check(new TGradeDlg(&form));
    check(new TPasswordDlg(&form));
    check(new TNewPasswordDlg(&form));
    check(new TPasswordDlg1(&form));
    check(new TAboutBox(&form));
    check(new TNewPrintDlg(&form));
    check(new TPrintChartDlg(&form));
    check(new TPrintProgress(&form));
    check(new TCheckForm(&form));
    check(new TChartForm(&form));
    check(new TNewOptionsDlg(&form));
    check(new TImportRosterDlg(&form));
    check(new TExportLmsDlg(&form));
    check(new TPreviewForm(&form));
    EXPECT_TRUE(offenders.isEmpty())
        << offenders.size() << " without a description: " << offenders.join(", ").toStdString();
}

TEST_F(Walk, TheDialogsAsTheCommandsShowThemHaveNamesToo) {
    // Shown with a class in them, so every page and list is filled.
    form.show();
    QStringList offenders;
    auto walk = [&](QDialog& d) {
        offenders << Unnamed(d) << Unnamed(d, QAccessible::Description);
    };
    for (int i = 0; i < 12; ++i)
        prompts.Script.DialogActions.push_back(walk);
    form.Gradebook().MakeEmpty();
    QTest::keyClicks(form.GradeBook->Editor(), "Ann Lee");
    QTest::keyClick(form.GradeBook->Editor(), Qt::Key_Return);
    form.PlaceCursor(2, 1);
    QTest::keyClicks(form.GradeBook->Editor(), "Quiz");
    QTest::keyClick(form.GradeBook->Editor(), Qt::Key_Return);
    for (int page = 0; page < 5; ++page)
        form.OptionsCommands().OptionsClick(page);
    form.PropertiesCommands().Student2Click(2);
    form.PropertiesCommands().Grade2Click(2);
    form.CheckCommands().CheckAllEntries1Click();
    form.ChartCommands().ChartsStatistics1Click();
    form.PrintCommands().Print1Click();
    EXPECT_GE(prompts.Script.DialogActions.size(), 1u) << "every dialog was seen";
    EXPECT_LE(prompts.Script.DialogActions.size(), 3u);
    EXPECT_TRUE(offenders.isEmpty())
        << "without a name or description: " << offenders.join(", ").toStdString();
}

} // namespace

namespace {

TEST_F(Walk, TabGoesThroughTheFieldsFirstThenTheButtons) {
    auto order = [](QDialog& d) {
        d.show();
        QApplication::processEvents();
        QStringList tabs = TabOrder(d);
        if (QWidget* first = d.focusWidget())
            tabs.prepend(QString("%1[%2]").arg(
                first->metaObject()->className(),
                QAccessible::queryAccessibleInterface(first)->text(QAccessible::Name)));
        d.hide();
        return tabs.join(" > ").toStdString();
    };
    TStudentDlg student(&form);
    EXPECT_EQ(order(student), "QLineEdit[Name] > QLineEdit[ID] > QLineEdit[Login or e-mail] > QPlainTextEdit[Notes] > "
                              "QPushButton[OK] > QPushButton[Cancel] > QPushButton[Help]");
    TNewPasswordDlg password(&form);
    EXPECT_EQ(order(password),
              "QLineEdit[Enter new password:] > QLineEdit[Reenter new password:] > "
              "QPushButton[OK] > QPushButton[Cancel]");
    TNewPrintDlg print(&form);
    const std::string printOrder = order(print);
    EXPECT_LT(printOrder.find("Preview"), printOrder.find("QPushButton[Setup]")) << printOrder;
    EXPECT_LT(printOrder.find("IDs"), printOrder.find("QPushButton[OK]")) << printOrder;
}

// A tool button or a context-menu item that no key reaches would leave a command to the mouse.
TEST_F(Walk, EveryCommandOfTheToolBarIsInTheMenusOrHasAKeyAndTheGridMenuOpensByKey) {
    QSet<QAction*> inMenus;
    std::function<void(QMenu*)> collect = [&](QMenu* menu) {
        for (QAction* a : menu->actions()) {
            inMenus.insert(a);
            if (a->menu()) collect(a->menu());
        }
    };
    for (QAction* top : form.menuBar()->actions())
        if (top->menu()) collect(top->menu());
    QStringList unreachable;
    for (QAction* a : form.ToolBar1->actions())
        if (!a->isSeparator() && !inMenus.contains(a) && a->shortcut().isEmpty())
            unreachable << a->objectName();
    EXPECT_TRUE(unreachable.isEmpty()) << unreachable.join(", ").toStdString();

    // The grid's own menu opens from the keyboard's menu key, in the editor as in the grid.
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QWidget* editor = form.GradeBook->Editor();
    ASSERT_TRUE(editor->isVisible());
    QContextMenuEvent key(QContextMenuEvent::Keyboard, editor->rect().center(),
                          editor->mapToGlobal(editor->rect().center()));
    QApplication::sendEvent(editor, &key);
    EXPECT_TRUE(form.GradebookPopup->isVisible());
    form.GradebookPopup->hide();
}

} // namespace
