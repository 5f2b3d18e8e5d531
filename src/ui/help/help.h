#pragma once
// Marklow Help: the help collection read through Qt Help and shown in THelpWindow.
//
// The main window makes one THelp, with itself as parent, and calls InstallHelpKey() once:
// from then on F1 (and a dialog's title-bar "?" button) in any window of the program shows
// the topic of the window, dialog page, control or menu item at hand (help_links.h).
// The Help menu and every Help button call the Show functions.

#include "help_links.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <memory>

class QHelpEngine;
class QWidget;

namespace marklow {

class THelpWindow;

class THelp final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(THelp)
public:
    // Opens the help found beside the program or in the build tree, through a writable copy
    // in the user's cache folder (help_files.h), in the language of the windows
    // (ShownLanguage()) or in English when that language has no help. Help that cannot be
    // found is not an error until it is asked for: the help window then says where it was
    // looked for.
    explicit THelp(QWidget* mainWindow);
    // The same in the language given ("de"; "" or "en" for English), for the program in
    // programFolder ("" for the running one), copied under userFolder ("" for the cache).
    THelp(QWidget* mainWindow, const QString& language, const QString& programFolder,
          const QString& userFolder);
    // Opens this collection as it is (it must be writable); for tests.
    THelp(QWidget* mainWindow, const QString& collection);
    ~THelp() override;

    bool IsReady() const { return engine_ != nullptr; }
    // The language of the pages opened ("en", "de", ...).
    QString Language() const { return language_; }
    QString Error() const { return error_; }

    // The Help menu.
    void ShowFinder();     // "Help &Topics": the finder, to search every page
    void ShowContents();   // "&Contents": the contents page and its tree
    void ShowHelpOnHelp(); // "How to Use Windows Help": how to use this help window
    // "&Keyboard" is ShowKeyword("KeyboardShortcuts"), "&How to Use Marklow Help"
    // ShowKeyword("HowToUseMarklowHelp").

    // A topic by its number (Help buttons, menu items) or by keyword; an unknown one shows
    // the contents page.
    void ShowTopic(int number);
    void ShowKeyword(const QString& keyword);
    void ShowLink(const THelpLink& link);
    // F1: the help of a widget (help_links.h), else of the main window.
    void ShowHelpFor(const QWidget* widget);

    // F1 and the title bar's context help in every window of the application.
    void InstallHelpKey();

    // The page of a topic or keyword; invalid when the collection has none.
    QUrl TopicUrl(int number) const;
    QUrl KeywordUrl(const QString& keyword) const;
    QUrl LinkUrl(const THelpLink& link) const;
    QByteArray PageData(const QUrl& url) const;

    QHelpEngine* Engine() const { return engine_.get(); }
    // The window, made on first use; null before.
    THelpWindow* Window() const;

private:
    void Open(const QString& collection);
    void Find(const QString& language, const QString& programFolder, const QString& userFolder);
    THelpWindow& EnsureWindow();
    void Present(const QUrl& url);

    QWidget* mainWindow_;
    std::unique_ptr<QHelpEngine> engine_;
    QPointer<THelpWindow> window_;
    QString error_;
    QString collection_;
    QString language_ = QStringLiteral("en");
    QObject* keyFilter_ = nullptr;
};

} // namespace marklow
