#pragma once
// The help window: the contents, the index and the finder beside the page shown. Pages
// come out of the help collection through the engine (qthelp:// addresses).

#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

class QAction;
class QHelpEngine;
class QLabel;
class QLineEdit;
class QSplitter;
class QTabWidget;
class QToolBar;

namespace marklow {

// Shows one page; its links, pictures and style sheets are read from the collection.
class THelpBrowser final : public QTextBrowser {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(THelpBrowser)
public:
    THelpBrowser(QHelpEngine& engine, QWidget* parent = nullptr);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QHelpEngine& engine_;
};

class THelpWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(THelpWindow)
public:
    enum class TTab { Contents, Index, Search };

    // engine is null when no help collection could be opened; the window then says so.
    THelpWindow(QHelpEngine* engine, QWidget* parent = nullptr);

    // The page the Contents button and the Home key lead to.
    void SetHomeUrl(const QUrl& url) { home_ = url; }
    void ShowUrl(const QUrl& url);
    // Shows a page of text of its own, for when the help cannot be found.
    void ShowMessage(const QString& html);
    // Brings a tab to the front and puts the focus where typing goes.
    void ShowTab(TTab tab);
    // The window the help stays with: the main window, or the modal dialog the help was
    // asked for from. The help never blocks that dialog, nor is blocked by it.
    void SetOwner(QWidget* owner);
    TTab CurrentTab() const;
    QUrl CurrentUrl() const;

    THelpBrowser* Browser = nullptr; // null without an engine
    QTextBrowser* MessageView = nullptr;
    QTabWidget* Tabs = nullptr;
    QLineEdit* IndexEdit = nullptr;
    QToolBar* ToolBar = nullptr;
    QAction* BackAction = nullptr;
    QAction* ForwardAction = nullptr;
    QAction* HomeAction = nullptr;
    QAction* LargerAction = nullptr;
    QAction* SmallerAction = nullptr;
    QAction* CloseAction = nullptr; // Escape, Ctrl+W

    // How often the help came back over its owner when the owner was clicked (tests).
    int Raised() const { return raised_; }

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void FollowOwner();
    void BuildTabs();
    void SyncContents(const QUrl& url);
    void PageChanged(const QUrl& url);

    QHelpEngine* engine_;
    QSplitter* splitter_ = nullptr;
    QUrl home_;
    QPointer<QWidget> owner_;
    QPointer<QWidget> watched_; // the owner's window, watched for its activation
    int raised_ = 0;
};

} // namespace marklow
