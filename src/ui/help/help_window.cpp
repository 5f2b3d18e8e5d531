#include "help_window.h"

#include "help_links.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>

namespace marklow {

THelpBrowser::THelpBrowser(QHelpEngine& engine, QWidget* parent)
    : QTextBrowser(parent), engine_(engine) {
    setOpenLinks(true);
    setOpenExternalLinks(false);
}

QVariant THelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() == QLatin1String("qthelp")) {
        QUrl file = name;
        file.setFragment({});
        return engine_.fileData(file);
    }
    return QTextBrowser::loadResource(type, name);
}

THelpWindow::THelpWindow(QHelpEngine* engine, QWidget* parent)
    : QWidget(parent, Qt::Window), engine_(engine) {
    setWindowTitle(QCoreApplication::translate("HelpWindow", "Marklow Help"));
    resize(900, 620);

    ToolBar = new QToolBar(this);
    ToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    BackAction = ToolBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack),
                                    QCoreApplication::translate("HelpWindow", "&Back"));
    BackAction->setShortcut(QKeySequence::Back);
    BackAction->setToolTip(
        QCoreApplication::translate("HelpWindow", "Back to the page shown before (Alt+Left)"));
    ForwardAction = ToolBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                                       QCoreApplication::translate("HelpWindow", "&Forward"));
    ForwardAction->setShortcut(QKeySequence::Forward);
    ForwardAction->setToolTip(
        QCoreApplication::translate("HelpWindow", "Forward again (Alt+Right)"));
    HomeAction = ToolBar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon),
                                    QCoreApplication::translate("HelpWindow", "&Contents"));
    HomeAction->setShortcut(QKeySequence("Alt+Home"));
    HomeAction->setToolTip(
        QCoreApplication::translate("HelpWindow", "The contents page of Marklow Help (Alt+Home)"));
    ToolBar->addSeparator();
    LargerAction = ToolBar->addAction(QCoreApplication::translate("HelpWindow", "&Larger Text"));
    LargerAction->setShortcut(QKeySequence::ZoomIn);
    SmallerAction = ToolBar->addAction(QCoreApplication::translate("HelpWindow", "&Smaller Text"));
    SmallerAction->setShortcut(QKeySequence::ZoomOut);
    ToolBar->addSeparator();
    // The help must never be in the way: one key takes it away, whatever has the focus.
    CloseAction = ToolBar->addAction(style()->standardIcon(QStyle::SP_DialogCloseButton),
                                     QCoreApplication::translate("HelpWindow", "Cl&ose"));
    CloseAction->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence("Ctrl+W")});
    CloseAction->setShortcutContext(Qt::WindowShortcut);
    CloseAction->setToolTip(
        QCoreApplication::translate("HelpWindow", "Close the help (Escape or Ctrl+W)"));
    connect(CloseAction, &QAction::triggered, this, &QWidget::close);

    splitter_ = new QSplitter(Qt::Horizontal, this);
    Tabs = new QTabWidget(splitter_);
    auto* right = new QWidget(splitter_);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    if (engine_) {
        Browser = new THelpBrowser(*engine_, right);
        rightLayout->addWidget(Browser);
    }
    MessageView = new QTextBrowser(right);
    MessageView->setOpenExternalLinks(false);
    MessageView->setVisible(!engine_);
    rightLayout->addWidget(MessageView);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({260, 640});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ToolBar);
    layout->addWidget(splitter_);

    BuildTabs();

    if (Browser) {
        connect(BackAction, &QAction::triggered, Browser, &QTextBrowser::backward);
        connect(ForwardAction, &QAction::triggered, Browser, &QTextBrowser::forward);
        connect(Browser, &QTextBrowser::backwardAvailable, BackAction, &QAction::setEnabled);
        connect(Browser, &QTextBrowser::forwardAvailable, ForwardAction, &QAction::setEnabled);
        connect(Browser, &QTextBrowser::sourceChanged, this, &THelpWindow::PageChanged);
        connect(LargerAction, &QAction::triggered, Browser, [this] { Browser->zoomIn(1); });
        connect(SmallerAction, &QAction::triggered, Browser, [this] { Browser->zoomOut(1); });
    }
    connect(HomeAction, &QAction::triggered, this, [this] {
        if (home_.isValid()) ShowUrl(home_);
        ShowTab(TTab::Contents);
    });
    BackAction->setEnabled(false);
    ForwardAction->setEnabled(false);
    HomeAction->setEnabled(engine_ != nullptr);
    LargerAction->setEnabled(engine_ != nullptr);
    SmallerAction->setEnabled(engine_ != nullptr);
}

void THelpWindow::SetOwner(QWidget* owner) {
    owner_ = owner;
    FollowOwner();
}

void THelpWindow::FollowOwner() {
    QWidget* owner = owner_ ? owner_->window() : nullptr;
    if (owner != watched_) {
        if (watched_) watched_->removeEventFilter(this);
        watched_ = owner != this ? owner : nullptr;
        if (watched_) watched_->installEventFilter(this);
    }
    // A window that stands over a modal dialog (its transient child) is not blocked by it.
    QWindow* handle = windowHandle();
    if (!handle || !owner || owner == this) return;
    QWindow* parent = owner->windowHandle();
    if (parent && handle->transientParent() != parent) handle->setTransientParent(parent);
}

bool THelpWindow::event(QEvent* e) {
    const bool done = QWidget::event(e);
    switch (e->type()) {
    case QEvent::Show:
        FollowOwner(); // showing gives the window its parent's window again
        break;
    case QEvent::WindowBlocked:
        // A modal dialog opened while the help is up: the help goes over to it.
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != this)
            SetOwner(modal);
        break;
    default:
        break;
    }
    return done;
}

bool THelpWindow::eventFilter(QObject* watched, QEvent* e) {
    // Clicking the dialog (or window) the help belongs to must not bury the help behind the
    // main window: it comes back over its owner, without taking the keyboard from it.
    if (watched == watched_ && e->type() == QEvent::WindowActivate && isVisible()) {
        raise();
        ++raised_;
    }
    return QWidget::eventFilter(watched, e);
}

void THelpWindow::BuildTabs() {
    if (!engine_) {
        Tabs->addTab(
            new QLabel(QCoreApplication::translate("HelpWindow", "No help is available."), Tabs),
            QCoreApplication::translate("HelpWindow", "Contents"));
        return;
    }
    QHelpContentWidget* contents = engine_->contentWidget();
    contents->setHeaderHidden(true);
    contents->setRootIsDecorated(true);
    Tabs->addTab(contents, QCoreApplication::translate("HelpWindow", "Contents"));
    connect(contents, &QHelpContentWidget::linkActivated, this, &THelpWindow::ShowUrl);
    // The tree is built in the background; open the first level once it is there.
    connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, this, [this, contents] {
        contents->expandToDepth(0);
        if (Browser) SyncContents(Browser->source());
    });

    auto* indexPage = new QWidget(Tabs);
    auto* indexLayout = new QVBoxLayout(indexPage);
    auto* indexLabel =
        new QLabel(QCoreApplication::translate(
                       "HelpWindow", "&Type the first letters of the word you are looking for:"),
                   indexPage);
    indexLabel->setWordWrap(true);
    IndexEdit = new QLineEdit(indexPage);
    IndexEdit->setClearButtonEnabled(true);
    indexLabel->setBuddy(IndexEdit);
    QHelpIndexWidget* index = engine_->indexWidget();
    indexLayout->addWidget(indexLabel);
    indexLayout->addWidget(IndexEdit);
    indexLayout->addWidget(index);
    Tabs->addTab(indexPage, QCoreApplication::translate("HelpWindow", "Index"));
    connect(IndexEdit, &QLineEdit::textChanged, index,
            [index](const QString& text) { index->filterIndices(text); });
    connect(IndexEdit, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    auto showFirst = [this](const QList<QHelpLink>& documents, const QString&) {
        if (!documents.isEmpty()) ShowUrl(documents.first().url);
    };
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& document, const QString&) { ShowUrl(document.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this, showFirst);

    QHelpSearchEngine* search = engine_->searchEngine();
    auto* searchPage = new QWidget(Tabs);
    auto* searchLayout = new QVBoxLayout(searchPage);
    auto* searchLabel = new QLabel(
        QCoreApplication::translate(
            "HelpWindow", "Type words to find every page that holds them, then press Enter:"),
        searchPage);
    searchLabel->setWordWrap(true);
    searchLayout->addWidget(searchLabel);
    searchLayout->addWidget(search->queryWidget());
    searchLayout->addWidget(search->resultWidget(), 1);
    Tabs->addTab(searchPage, QCoreApplication::translate("HelpWindow", "Search"));
    connect(search->queryWidget(), &QHelpSearchQueryWidget::search, search,
            [search] { search->search(search->queryWidget()->searchInput()); });
    connect(search->resultWidget(), &QHelpSearchResultWidget::requestShowLink, this,
            &THelpWindow::ShowUrl);
    search->scheduleIndexDocumentation();
}

void THelpWindow::ShowUrl(const QUrl& url) {
    if (!Browser || !url.isValid()) return;
    Browser->setVisible(true);
    MessageView->setVisible(false);
    Browser->setSource(url);
}

void THelpWindow::ShowMessage(const QString& html) {
    if (Browser) Browser->setVisible(false);
    MessageView->setVisible(true);
    MessageView->setHtml(html);
}

void THelpWindow::ShowTab(TTab tab) {
    Tabs->setCurrentIndex(std::min(static_cast<int>(tab), Tabs->count() - 1));
    if (!engine_) return;
    switch (tab) {
    case TTab::Contents:
        engine_->contentWidget()->setFocus();
        break;
    case TTab::Index:
        IndexEdit->setFocus();
        IndexEdit->selectAll();
        break;
    case TTab::Search:
        engine_->searchEngine()->queryWidget()->setFocus();
        break;
    }
}

THelpWindow::TTab THelpWindow::CurrentTab() const {
    return static_cast<TTab>(std::max(0, Tabs->currentIndex()));
}

QUrl THelpWindow::CurrentUrl() const {
    return Browser ? Browser->source() : QUrl();
}

void THelpWindow::PageChanged(const QUrl& url) {
    const QString title = Browser->documentTitle();
    setWindowTitle(title.isEmpty()
                       ? QCoreApplication::translate("HelpWindow", "Marklow Help")
                       : QCoreApplication::translate("HelpWindow", "Marklow Help - ") + title);
    SyncContents(url);
}

void THelpWindow::SyncContents(const QUrl& url) {
    QHelpContentWidget* contents = engine_->contentWidget();
    QUrl page = url;
    page.setFragment({});
    const QModelIndex at = contents->indexOf(page);
    if (at.isValid()) contents->setCurrentIndex(at);
}

} // namespace marklow
