// F1's choice of topic in the program's own windows and dialogs: the same topic the
// window's Help button opens, from wherever the focus is in it.

#include "help_links.h"

#include "chart_form.h"
#include "check_form.h"
#include "lms_export_dialog.h"
#include "new_print_dlg.h"
#include "options_dialog.h"
#include "options_page.h"
#include "password_dialogs.h"
#include "property_dialogs.h"
#include "test_app.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <ostream>

using namespace marklow;

namespace marklow {
void PrintTo(const THelpLink& link, std::ostream* out) {
    *out << "{" << link.Topic << ", \"" << link.Keyword.toStdString() << "\"}";
}
} // namespace marklow

namespace {

THelpLink Topic(int n) {
    return {n, {}};
}
THelpLink Keyword(const char* k) {
    return {0, k};
}

// Every widget of the window, the window included, leads to the link.
void ExpectEverywhere(const QWidget& window, const THelpLink& link) {
    EXPECT_EQ(HelpLinkFor(&window), link) << window.metaObject()->className();
    for (const QWidget* w : window.findChildren<QWidget*>())
        EXPECT_EQ(HelpLinkFor(w), link)
            << window.metaObject()->className() << " > " << w->metaObject()->className();
}

} // namespace

TEST(HelpLinks, DialogsLeadWhereTheirHelpButtonsLead) {
    TestApp();
    TStudentDlg student;
    ExpectEverywhere(student, Topic(TStudentDlg::kHelpTopic));
    TGradeDlg grade;
    ExpectEverywhere(grade, Topic(TGradeDlg::kHelpTopic));
    TCheckForm check;
    ExpectEverywhere(check, Topic(TCheckForm::kHelpTopic));
    TChartForm chart;
    ExpectEverywhere(chart, Topic(50));
    TPasswordDlg password;
    ExpectEverywhere(password, Topic(6));
    TNewPasswordDlg newPassword;
    ExpectEverywhere(newPassword, Topic(6));
    TPasswordDlg1 changePassword;
    ExpectEverywhere(changePassword, Topic(6));
    TExportLmsDlg lms;
    ExpectEverywhere(lms, Keyword("ExportForLMS"));
}

TEST(HelpLinks, TheOptionsDialogLeadsToThePageInFront) {
    TestApp();
    TNewOptionsDlg dialog;
    dialog.show();
    for (int i = 0; i < dialog.PageControl->count(); ++i) {
        dialog.PageControl->setCurrentIndex(i);
        const THelpLink page = Topic(dialog.Page(i)->HelpTopic());
        SCOPED_TRACE(i);
        EXPECT_EQ(HelpLinkFor(&dialog), page);
        EXPECT_EQ(HelpLinkFor(dialog.OKBtn), page);
        EXPECT_EQ(HelpLinkFor(dialog.HelpBtn), page);
        EXPECT_EQ(HelpLinkFor(dialog.PageControl->tabBar()), page);
        for (const QWidget* w : dialog.Page(i)->findChildren<QWidget*>())
            EXPECT_EQ(HelpLinkFor(w), page) << w->metaObject()->className();
    }
    EXPECT_EQ(dialog.Page(0)->HelpTopic(), 27);
    EXPECT_EQ(dialog.Page(4)->HelpTopic(), 28);
}

TEST(HelpLinks, ThePrintDialogsControlsHaveTopicsOfTheirOwn) {
    TestApp();
    TNewPrintDlg dialog;
    dialog.show();
    EXPECT_EQ(HelpLinkFor(dialog.CheckBox1), Topic(46));
    EXPECT_EQ(HelpLinkFor(dialog.OmitBox), Topic(65));
    EXPECT_EQ(HelpLinkFor(dialog.ComboBox2), Topic(70));
    // A control without a topic of its own: the dialog's keyword.
    EXPECT_EQ(HelpLinkFor(dialog.ShadeBox), Keyword("PrintingtheGradebook"));
    EXPECT_EQ(HelpLinkFor(&dialog), Keyword("PrintingtheGradebook"));
}

TEST(HelpLinks, PropertiesWinOverTheTablesAndWidgetsWithoutAnyLeadNowhere) {
    TestApp();
    QWidget plain;
    auto* child = new QLineEdit(&plain);
    EXPECT_TRUE(HelpLinkFor(child).IsEmpty());
    SetHelpKeyword(&plain, "Sorting");
    EXPECT_EQ(HelpLinkFor(child), Keyword("Sorting"));
    SetHelpTopic(child, 18);
    EXPECT_EQ(HelpLinkFor(child), Topic(18));

    TStudentDlg student;
    SetHelpTopic(&student, 59);
    EXPECT_EQ(HelpLinkFor(&student), Topic(59));

    // A dialog's link never reaches beyond it to its parent window.
    QWidget mainWindow;
    SetHelpTopic(&mainWindow, 51);
    QDialog dialog(&mainWindow);
    auto* inDialog = new QCheckBox(&dialog);
    EXPECT_TRUE(HelpLinkFor(inDialog).IsEmpty());
}

TEST(HelpLinks, MenuItemsLeadToTheirHelpNumbers) {
    TestApp();
    QMenu edit;
    edit.setObjectName("Edit1");
    QMenu* copy = edit.addMenu("&Copy");
    copy->setObjectName("Copy1");
    QAction* averages = copy->addAction("&Averages");
    averages->setObjectName("Averages1");
    QAction* check = edit.addAction("Check Gradebook");
    check->setObjectName("CheckAllEntries1");
    QAction* other = edit.addAction("Something new");

    EXPECT_EQ(HelpLinkForMenu(&edit), Topic(55));
    edit.setActiveAction(check);
    EXPECT_EQ(HelpLinkForMenu(&edit), Topic(18));
    edit.setActiveAction(other);
    EXPECT_EQ(HelpLinkForMenu(&edit), Topic(55));
    SetHelpKeyword(other, "UndoRedo");
    EXPECT_EQ(HelpLinkForMenu(&edit), Keyword("UndoRedo"));
    copy->setActiveAction(averages);
    EXPECT_EQ(HelpLinkForMenu(copy), Topic(12));

    // The help numbers of the menu bar, by the items' names.
    const std::pair<const char*, int> items[] = {
        {"New1", 2},         {"OpenItem", 3},  {"SaveItem", 4},  {"SaveAs1", 5},
        {"Password1", 6},    {"Print1", 7},    {"ExitItem", 8},  {"Names1", 13},
        {"Paste1", 56},      {"Student1", 15}, {"Grade1", 16},   {"Student3", 57},
        {"Grade4", 58},      {"Student2", 59}, {"Grade3", 60},   {"ToggleEditMode1", 17},
        {"Categories1", 19}, {"Weights1", 20}, {"Letters1", 21}, {"Other1", 22},
        {"FileMenu", 51},    {"View1", 52},    {"Help2", 53},    {"GradeBook1", 54}};
    for (const auto& [name, topic] : items) {
        QAction a;
        a.setObjectName(name);
        EXPECT_EQ(HelpLinkOf(&a), Topic(topic)) << name;
    }
    // A context menu of a window without links of its own: the window's help.
    TCheckForm checkForm;
    QMenu popup(&checkForm);
    popup.setActiveAction(popup.addAction("Copy"));
    EXPECT_EQ(HelpLinkForMenu(&popup), Topic(TCheckForm::kHelpTopic));

    QAction keyboard;
    keyboard.setObjectName("Keyboard1");
    EXPECT_EQ(HelpLinkOf(&keyboard), Keyword("KeyboardShortcuts"));
    for (const char* name : {"ExportForLms1Item", "Canvas1", "Moodle1", "ScoresTable1"}) {
        QAction a;
        a.setObjectName(name);
        EXPECT_EQ(HelpLinkOf(&a), Keyword("ExportForLMS")) << name;
    }
}
