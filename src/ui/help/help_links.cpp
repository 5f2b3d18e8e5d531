#include "help_links.h"

#include <QAction>
#include <QHash>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVariant>
#include <QWidget>

namespace marklow {

namespace {

constexpr const char* kTopic = "helpTopic";
constexpr const char* kContext = "HelpContext"; // the print dialog's controls carry this
constexpr const char* kKeyword = "helpKeyword";

THelpLink Topic(int n) {
    return {n, {}};
}
THelpLink Keyword(const char* k) {
    return {0, QString::fromLatin1(k)};
}

// The program's windows and dialog pages by class.
const QHash<QString, THelpLink>& ClassLinks() {
    static const QHash<QString, THelpLink> links = {
        {"marklow::TSDIAppForm", Keyword("MainWindow")},
        {"marklow::TStudentDlg", Topic(32)},
        {"marklow::TGradeDlg", Topic(669)},
        {"marklow::TCheckForm", Topic(667)},
        {"marklow::TNewOptionsDlg", Topic(54)},
        {"marklow::TCategoriesPage", Topic(27)},
        {"marklow::TWeightsPage", Topic(20)},
        {"marklow::TLettersPage", Topic(21)},
        {"marklow::TDescriptionPage", Topic(22)},
        {"marklow::TDisplayPage", Topic(28)},
        {"marklow::TMissingPage", Topic(29)},
        {"marklow::TPasswordDlg", Topic(6)},
        {"marklow::TNewPasswordDlg", Topic(6)},
        {"marklow::TPasswordDlg1", Topic(6)},
        {"marklow::TNewPrintDlg", Keyword("PrintingtheGradebook")},
        {"marklow::TPrintProgress", Keyword("PrintingtheGradebook")},
        {"marklow::TPreviewForm", Keyword("PrintPreview")},
        {"marklow::TChartForm", Topic(50)},
        {"marklow::TPrintChartDlg", Topic(45)},
        {"marklow::THelpWindow", Keyword("HowToUseWindowsHelp")},
        {"marklow::TAboutBox", Keyword("HowToUseMarklowHelp")},
        {"marklow::TImportRosterDlg", Keyword("ImportRoster")},
        {"marklow::TExportLmsDlg", Keyword("ExportForLMS")},
    };
    return links;
}

// Menus and their items by object name: the help numbers of the menu bar, and pages of
// their own for the items that have none.
const QHash<QString, THelpLink>& NameLinks() {
    static const QHash<QString, THelpLink> links = {
        // File
        {"FileMenu", Topic(51)},
        {"New1", Topic(2)},
        {"OpenItem", Topic(3)},
        {"Reopen1", Topic(3)},
        {"Reopen1Item", Topic(3)},
        {"SaveItem", Topic(4)},
        {"SaveAs1", Topic(5)},
        {"Password1", Topic(6)},
        {"Print1", Topic(7)},
        {"ExitItem", Topic(8)},
        {"ExportCsv1", Keyword("ExportCSV")},
        {"ImportRoster1", Keyword("ImportRoster")},
        {"ExportForLms1", Keyword("ExportForLMS")},
        {"ExportForLms1Item", Keyword("ExportForLMS")},
        {"Canvas1", Keyword("ExportForLMS")},
        {"Moodle1", Keyword("ExportForLMS")},
        {"ScoresTable1", Keyword("ExportForLMS")},
        // Edit
        {"Edit1", Topic(55)},
        {"Undo1", Keyword("UndoRedo")},
        {"Redo1", Keyword("UndoRedo")},
        {"Copy1", Topic(13)},
        {"Copy1Item", Topic(13)},
        {"Averages1", Topic(12)},
        {"Names1", Topic(13)},
        {"Paste1", Topic(56)},
        {"DeleteStudent1", Topic(15)},
        {"DeleteStudent1Item", Topic(15)},
        {"Student1", Topic(15)},
        {"Grade1", Topic(16)},
        {"New2", Topic(57)},
        {"New2Item", Topic(57)},
        {"Student3", Topic(57)},
        {"Grade4", Topic(58)},
        {"Student2", Topic(59)},
        {"Grade3", Topic(60)},
        {"ToggleEditMode1", Topic(17)},
        {"EnterAddNames1", Topic(17)},
        {"MoveViewNames1", Topic(17)},
        {"CheckAllEntries1", Topic(18)},
        // View
        {"View1", Topic(52)},
        {"ToolBar2", Topic(52)},
        {"StatusBar2", Topic(52)},
        {"ShowAverages", Topic(52)},
        {"LetterAverages1", Topic(52)},
        {"Curve1", Topic(52)},
        {"Sort1", Keyword("Sorting")},
        {"Sort1Item", Keyword("Sorting")},
        {"SortGrades1", Keyword("Sorting")},
        {"SortGrades1Item", Keyword("Sorting")},
        {"UserInput1", Keyword("Sorting")},
        {"byName1", Keyword("Sorting")},
        {"byAverage1", Keyword("Sorting")},
        {"byID1", Keyword("Sorting")},
        {"UserInput2", Keyword("Sorting")},
        {"byName2", Keyword("Sorting")},
        {"byDate1", Keyword("Sorting")},
        {"byCategory1", Keyword("Sorting")},
        {"ChartsStatistics1", Topic(50)},
        // Options
        {"GradeBook1", Topic(54)},
        {"Categories1", Topic(19)},
        {"Weights1", Topic(20)},
        {"Letters1", Topic(21)},
        {"Other1", Topic(22)},
        {"Display1", Topic(28)},
        // Help
        {"Help2", Topic(53)},
        {"Topics1", Topic(53)},
        {"Contents2", Topic(53)},
        {"Keyboard1", Keyword("KeyboardShortcuts")},
        {"HowtoUseHelp1", Keyword("HowToUseMarklowHelp")},
        {"HowtoUseWindowsHelp1", Keyword("HowToUseWindowsHelp")},
        {"About2", Topic(53)},
        // The grid's context menu
        {"GradebookPopup", Keyword("MainWindow")},
        {"Save1", Topic(4)},
        {"Print2", Topic(7)},
        {"CopyStudents1", Topic(13)},
        {"CopyAverages1", Topic(12)},
        {"NewStudent1", Topic(57)},
        {"NewGrade1", Topic(58)},
        {"StudentProperties1", Topic(59)},
        {"GradeProperties1", Topic(60)},
        {"ToggleEditMode2", Topic(17)},
        {"ChartStatistics2", Topic(50)},
    };
    return links;
}

THelpLink OwnProperty(const QObject* object) {
    for (const char* name : {kTopic, kContext}) {
        bool ok = false;
        const int n = object->property(name).toInt(&ok);
        if (ok && n > 0) return Topic(n);
    }
    const QString keyword = object->property(kKeyword).toString();
    if (!keyword.isEmpty()) return {0, keyword};
    return {};
}

// The shown page of a window's tab or stacked pages, when it leads somewhere.
THelpLink CurrentPageLink(const QWidget* window) {
    for (const QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        if (tabs->window() != window || !tabs->isVisible()) continue;
        if (const QWidget* page = tabs->currentWidget()) {
            THelpLink link = HelpLinkOf(page);
            if (!link.IsEmpty()) return link;
        }
    }
    for (const QStackedWidget* stack : window->findChildren<QStackedWidget*>()) {
        if (stack->window() != window || !stack->isVisible()) continue;
        if (const QWidget* page = stack->currentWidget()) {
            THelpLink link = HelpLinkOf(page);
            if (!link.IsEmpty()) return link;
        }
    }
    return {};
}

} // namespace

void SetHelpTopic(QObject* object, int topic) {
    object->setProperty(kTopic, topic);
}

void SetHelpKeyword(QObject* object, const QString& keyword) {
    object->setProperty(kKeyword, keyword);
}

THelpLink HelpLinkOf(const QObject* object) {
    if (!object) return {};
    THelpLink link = OwnProperty(object);
    if (!link.IsEmpty()) return link;
    if (qobject_cast<const QAction*>(object) || qobject_cast<const QMenu*>(object)) {
        const QString name = object->objectName();
        if (!name.isEmpty()) return NameLinks().value(name);
        return {};
    }
    return ClassLinks().value(QString::fromLatin1(object->metaObject()->className()));
}

THelpLink HelpLinkFor(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (const auto* tabs = qobject_cast<const QTabWidget*>(w)) {
            // The tab bar has the focus: the page it shows.
            THelpLink page = HelpLinkOf(tabs->currentWidget());
            if (!page.IsEmpty()) return page;
        }
        if (w->isWindow()) {
            // A page's link is more precise than its window's.
            THelpLink own = OwnProperty(w);
            if (!own.IsEmpty()) return own;
            THelpLink page = CurrentPageLink(w);
            if (!page.IsEmpty()) return page;
        }
        THelpLink link = HelpLinkOf(w);
        if (!link.IsEmpty()) return link;
        // A drop-down list or menu is a window of its own, part of the control it opens from.
        if (w->isWindow() && w->windowType() != Qt::Popup) break;
    }
    return {};
}

QList<THelpLink> BuiltInHelpLinks() {
    QList<THelpLink> links = ClassLinks().values();
    links += NameLinks().values();
    return links;
}

THelpLink HelpLinkForMenu(const QMenu* menu) {
    for (const QMenu* m = menu; m;) {
        if (QAction* active = m->activeAction()) {
            THelpLink link = HelpLinkOf(active);
            if (!link.IsEmpty()) return link;
            if (active->menu()) {
                link = HelpLinkOf(active->menu());
                if (!link.IsEmpty()) return link;
            }
        }
        THelpLink link = HelpLinkOf(m);
        if (!link.IsEmpty()) return link;
        link = HelpLinkOf(m->menuAction());
        if (!link.IsEmpty()) return link;
        // A submenu: the menu it hangs from; a context menu: the window it belongs to.
        const auto* parent = qobject_cast<const QMenu*>(m->parentWidget());
        if (!parent) return HelpLinkFor(m->parentWidget());
        m = parent;
    }
    return {};
}

} // namespace marklow
