#include "help.h"

#include "help_files.h"
#include "help_window.h"
#include "translations.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHelpEngine>
#include <QHelpLink>
#include <QKeyEvent>
#include <QMenu>
#include <QWhatsThis>
#include <QWidget>

namespace marklow {

namespace {

// The identifiers the collection gives its topics.
QString TopicId(int number) {
    return QStringLiteral("topic.%1").arg(number);
}

// F1 anywhere in the application, and the title bar's "?" button of dialogs.
class THelpKeyFilter final : public QObject {
public:
    THelpKeyFilter(THelp& help) : QObject(&help), help_(help) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier ||
                !watched->isWidgetType())
                return false;
            if (auto* menu = qobject_cast<QMenu*>(watched)) {
                THelpLink link = HelpLinkForMenu(menu);
                menu->close();
                // Close the menus it was opened from as well.
                while (QWidget* popup = QApplication::activePopupWidget())
                    popup->close();
                if (!link.IsEmpty())
                    help_.ShowLink(link);
                else
                    help_.ShowContents();
                return true;
            }
            QWidget* focus = QApplication::focusWidget();
            help_.ShowHelpFor(focus ? focus : static_cast<QWidget*>(watched));
            return true;
        }
        case QEvent::QueryWhatsThis:
        case QEvent::WhatsThis: {
            if (!watched->isWidgetType()) return false;
            auto* widget = static_cast<QWidget*>(watched);
            // A control with a "What's This" text of its own shows it.
            if (!widget->whatsThis().isEmpty()) return false;
            const THelpLink link = HelpLinkFor(widget);
            if (link.IsEmpty()) return false;
            event->accept();
            if (event->type() == QEvent::WhatsThis) {
                QWhatsThis::leaveWhatsThisMode();
                help_.ShowLink(link);
            }
            return true;
        }
        default:
            return false;
        }
    }

private:
    THelp& help_;
};

} // namespace

THelp::THelp(QWidget* mainWindow) : QObject(mainWindow), mainWindow_(mainWindow) {
    Find(ShownLanguage(), {}, {});
}

THelp::THelp(QWidget* mainWindow, const QString& language, const QString& programFolder,
             const QString& userFolder)
    : QObject(mainWindow), mainWindow_(mainWindow) {
    Find(language, programFolder, userFolder);
}

void THelp::Find(const QString& language, const QString& programFolder, const QString& userFolder) {
    QString found;
    const QString collection = FindHelpCollection(language, &found, programFolder);
    if (collection.isEmpty()) {
        QStringList places = HelpCollectionCandidates(programFolder, language);
        if (!HelpLanguageFolder(language).isEmpty())
            places << HelpCollectionCandidates(programFolder);
        error_ = QCoreApplication::translate("Help",
                                             "The help collection was not found. Looked for:<br>") +
                 places.join("<br>");
        return;
    }
    QString error;
    const QString copy =
        PrepareUserCollection(collection, UserHelpFolder(found, userFolder), &error);
    if (!copy.isEmpty()) Open(copy);
    if (engine_) {
        language_ = found;
        error_.clear();
        return;
    }
    if (copy.isEmpty()) error_ = error;
    // A language's help that cannot be opened still leaves the English one.
    if (found != QLatin1String("en")) Find(QStringLiteral("en"), programFolder, userFolder);
}

THelp::THelp(QWidget* mainWindow, const QString& collection)
    : QObject(mainWindow), mainWindow_(mainWindow) {
    Open(collection);
}

THelp::~THelp() {
    // The window holds the engine's widgets: it goes first.
    delete window_.data();
}

void THelp::Open(const QString& collection) {
    collection_ = collection;
    auto engine = std::make_unique<QHelpEngine>(collection);
    engine->setUsesFilterEngine(true);
    if (!engine->setupData() || engine->registeredDocumentations().isEmpty()) {
        error_ = QCoreApplication::translate("Help", "The help collection %1 cannot be read: %2")
                     .arg(collection, engine->error());
        return;
    }
    engine_ = std::move(engine);
}

THelpWindow* THelp::Window() const {
    return window_.data();
}

QUrl THelp::TopicUrl(int number) const {
    return KeywordUrl(TopicId(number));
}

QUrl THelp::KeywordUrl(const QString& keyword) const {
    if (!engine_ || keyword.isEmpty()) return {};
    QList<QHelpLink> links = engine_->documentsForIdentifier(keyword);
    if (links.isEmpty()) links = engine_->documentsForKeyword(keyword);
    return links.isEmpty() ? QUrl() : links.first().url;
}

QUrl THelp::LinkUrl(const THelpLink& link) const {
    return link.Topic > 0 ? TopicUrl(link.Topic) : KeywordUrl(link.Keyword);
}

QByteArray THelp::PageData(const QUrl& url) const {
    if (!engine_) return {};
    QUrl file = url;
    file.setFragment({});
    return engine_->fileData(file);
}

THelpWindow& THelp::EnsureWindow() {
    if (!window_) {
        window_ = new THelpWindow(engine_.get(), mainWindow_);
        window_->SetHomeUrl(KeywordUrl("Contents"));
        if (!engine_)
            window_->ShowMessage(QStringLiteral("<h2>Marklow Help</h2><p>%1</p>").arg(error_));
    }
    return *window_;
}

void THelp::Present(const QUrl& url) {
    THelpWindow& window = EnsureWindow();
    if (url.isValid()) window.ShowUrl(url);
    // Over a modal dialog the help stays with it, so that neither blocks the other.
    QWidget* modal = QApplication::activeModalWidget();
    window.SetOwner(modal && modal != &window ? modal : mainWindow_);
    window.show();
    window.raise();
    window.activateWindow();
}

void THelp::ShowContents() {
    Present(KeywordUrl("Contents"));
    window_->ShowTab(THelpWindow::TTab::Contents);
}

void THelp::ShowFinder() {
    // Keep the page shown before, or start on the contents.
    const bool fresh = !window_ || !window_->CurrentUrl().isValid();
    Present(fresh ? KeywordUrl("Contents") : QUrl());
    window_->ShowTab(THelpWindow::TTab::Search);
}

void THelp::ShowHelpOnHelp() {
    ShowKeyword("HowToUseWindowsHelp");
}

void THelp::ShowTopic(int number) {
    ShowLink({number, {}});
}

void THelp::ShowKeyword(const QString& keyword) {
    ShowLink({0, keyword});
}

void THelp::ShowLink(const THelpLink& link) {
    const QUrl url = LinkUrl(link);
    if (!url.isValid()) {
        ShowContents();
        return;
    }
    Present(url);
}

void THelp::ShowHelpFor(const QWidget* widget) {
    THelpLink link = HelpLinkFor(widget);
    if (link.IsEmpty()) link = HelpLinkOf(mainWindow_);
    ShowLink(link);
}

void THelp::InstallHelpKey() {
    if (keyFilter_) return;
    keyFilter_ = new THelpKeyFilter(*this);
    qApp->installEventFilter(keyFilter_);
}

} // namespace marklow
