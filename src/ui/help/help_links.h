#pragma once
// What help a window, a dialog page, a control or a menu item leads to: a topic number or
// a keyword of the help collection. F1 and the title bar's context help walk from the
// widget that has the focus (or was clicked) up to the first one that leads somewhere.

#include <QList>
#include <QString>

class QMenu;
class QObject;
class QWidget;

namespace marklow {

struct THelpLink {
    int Topic = 0;   // a help topic number; 0 when the link is by keyword
    QString Keyword; // a keyword (an identifier of the collection, or an index entry)

    bool IsEmpty() const { return Topic == 0 && Keyword.isEmpty(); }
    bool operator==(const THelpLink& other) const = default;
};

// The help of a widget, action or menu, read by F1. Set on windows, dialog pages and
// controls; a property set here wins over the built-in table of the program's windows
// and menu items (see HelpLinkOf).
void SetHelpTopic(QObject* object, int topic);
void SetHelpKeyword(QObject* object, const QString& keyword);

// The object's own link: its "helpTopic" (or "HelpContext") number, else its
// "helpKeyword" text, else the program's table by class name (TStudentDlg 32, TGradeDlg
// 669, TCheckForm 667, the options pages, ...) or, for actions and menus, by object name
// (New1 2, OpenItem 3, ..., FileMenu 51). Empty when none applies.
THelpLink HelpLinkOf(const QObject* object);

// F1 for a widget: the first link found from it up through its parents. A window without
// a link of its own leads to the current page of its tab or stacked pages when that page
// has one (a dialog's OK button stands for the page shown).
THelpLink HelpLinkFor(const QWidget* widget);

// Every link of the built-in tables, so a test can see that each leads to a page.
QList<THelpLink> BuiltInHelpLinks();

// F1 while a menu is open: the highlighted item's link, else the menu's own, else that of
// the menus it was opened from, else that of the window a context menu belongs to.
THelpLink HelpLinkForMenu(const QMenu* menu);

} // namespace marklow
