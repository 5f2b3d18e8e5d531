// The help collection: every topic number and keyword the program asks for leads to a page
// with real content, every link of every page leads somewhere, every page is in the
// contents, and the finder finds words of the pages.

#include "help_fixture.h"

#include "check_form.h"
#include "help_links.h"
#include "property_dialogs.h"

#include <QElapsedTimer>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>

#include <set>

using namespace marklow;
using marklow::testing::THelpFixture;

namespace {

// The help numbers of the menu bar, the dialogs' Help buttons, the chart window, and the
// controls of the print and print chart dialogs.
const int kTopics[] = {2,  3,  4,  5,  6,  7,  8,  12, 13, 15, 16, 17, 18, 19,  20, 21,
                       22, 27, 28, 32, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54,  55, 56,
                       57, 58, 59, 60, 62, 64, 65, 66, 67, 68, 69, 70, 71, 667, 669};
// The keywords the Help menu and the print dialog ask for, and those of the program's own.
const char* const kKeywords[] = {"KeyboardShortcuts",
                                 "HowToUseMarklowHelp",
                                 "PrintingtheGradebook",
                                 "HowToUseWindowsHelp",
                                 "Contents",
                                 "MainWindow",
                                 "PrintPreview",
                                 "Sorting",
                                 "UndoRedo",
                                 "ExportCSV",
                                 "ImportRoster",
                                 "ExportForLMS"};

struct TPage {
    QString Title;
    QString Text;
    QString Html;
};

TPage Read(const THelp& help, const QUrl& url) {
    const QByteArray data = help.PageData(url);
    QTextDocument doc;
    doc.setHtml(QString::fromUtf8(data));
    return {doc.metaInformation(QTextDocument::DocumentTitle), doc.toPlainText(),
            QString::fromUtf8(data)};
}

int Words(const QString& text) {
    return static_cast<int>(text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts).size());
}

// A page a teacher can use: a title, enough text, no unfinished markers, and the anchor the
// address points at.
void ExpectRealPage(const THelp& help, const QUrl& url, const std::string& what) {
    ASSERT_TRUE(url.isValid()) << what << " leads to no page";
    const TPage page = Read(help, url);
    EXPECT_FALSE(page.Title.isEmpty()) << what;
    EXPECT_GE(Words(page.Text), 100) << what << " (" << url.toString().toStdString() << ")";
    for (const char* marker : {"TODO", "TBD", "placeholder", "lorem", "FIXME"})
        EXPECT_FALSE(page.Text.contains(marker, Qt::CaseInsensitive)) << what << ": " << marker;
    if (url.hasFragment()) {
        EXPECT_TRUE(page.Html.contains("id=\"" + url.fragment() + "\""))
            << what << ": no anchor " << url.fragment().toStdString();
    }
}

QList<QUrl> AllPages(const THelp& help) {
    QHelpEngine& engine = *help.Engine();
    const QString ns = engine.registeredDocumentations().value(0);
    return engine.files(ns, QString(), "html");
}

} // namespace

class HelpContent : public THelpFixture {};

TEST_F(HelpContent, EveryTopicNumberLeadsToARealPage) {
    for (int topic : kTopics)
        ExpectRealPage(Help(), Help().TopicUrl(topic), "topic " + std::to_string(topic));
    // The numbers the dialogs' Help buttons send.
    for (int topic : {TCheckForm::kHelpTopic, TStudentDlg::kHelpTopic, TGradeDlg::kHelpTopic})
        ExpectRealPage(Help(), Help().TopicUrl(topic), "button " + std::to_string(topic));
    EXPECT_FALSE(Help().TopicUrl(9999).isValid());
}

TEST_F(HelpContent, EveryKeywordAndEveryBuiltInLinkLeadsToARealPage) {
    for (const char* keyword : kKeywords)
        ExpectRealPage(Help(), Help().KeywordUrl(keyword), keyword);
    for (const THelpLink& link : BuiltInHelpLinks())
        ExpectRealPage(Help(), Help().LinkUrl(link),
                       "link " + std::to_string(link.Topic) + link.Keyword.toStdString());
    EXPECT_FALSE(Help().KeywordUrl("NoSuchKeyword").isValid());
}

TEST_F(HelpContent, PagesSayWhatTheirTopicsAre) {
    auto title = [&](const QUrl& url) { return Read(Help(), url).Title; };
    EXPECT_EQ(title(Help().KeywordUrl("KeyboardShortcuts")), "Keyboard Shortcuts");
    EXPECT_EQ(title(Help().KeywordUrl("HowToUseMarklowHelp")), "How to Use Marklow Help");
    EXPECT_EQ(title(Help().KeywordUrl("HowToUseWindowsHelp")), "How to Use Windows Help");
    EXPECT_EQ(title(Help().KeywordUrl("PrintingtheGradebook")), "Printing the Gradebook");
    EXPECT_EQ(title(Help().TopicUrl(669)), "Grade Properties");
    EXPECT_EQ(title(Help().TopicUrl(667)), "Checking the Gradebook");
    EXPECT_EQ(title(Help().TopicUrl(27)), "Categories");
    EXPECT_EQ(title(Help().TopicUrl(50)), "Charts and Statistics");
    EXPECT_EQ(title(Help().TopicUrl(6)), "Passwords");

    // The keyboard page lists every shortcut of the menus and the grid's keys.
    const QString keys = Read(Help(), Help().KeywordUrl("KeyboardShortcuts")).Text;
    for (const char* key :
         {"Ctrl+N", "Ctrl+O", "Alt+S",   "Ctrl+A",    "Ctrl+W", "Ctrl+P", "Alt+X",
          "Alt+A",  "Alt+N",  "Ctrl+V",  "Ctrl+S",    "Ctrl+G", "Ctrl+T", "Alt+C",
          "Ctrl+5", "Ctrl+L", "Ctrl+D",  "Ctrl+Z",    "Ctrl+Y", "Enter",  "Shift+Tab",
          "Home",   "End",    "Page Up", "Page Down", "Escape", "F1"})
        EXPECT_TRUE(keys.contains(key)) << key;
}

TEST_F(HelpContent, EveryLinkOfEveryPageLeadsToAPageAndItsAnchor) {
    const QList<QUrl> pages = AllPages(Help());
    ASSERT_GE(pages.size(), 35);
    const QRegularExpression href("href=\"([^\"]+)\"");
    int links = 0;
    for (const QUrl& page : pages) {
        const TPage read = Read(Help(), page);
        EXPECT_GE(Words(read.Text), 80) << page.toString().toStdString();
        for (auto it = href.globalMatch(read.Html); it.hasNext();) {
            const QUrl target = page.resolved(QUrl(it.next().captured(1)));
            ++links;
            SCOPED_TRACE(page.toString().toStdString() + " -> " + target.toString().toStdString());
            ASSERT_EQ(target.scheme(), "qthelp");
            const TPage to = Read(Help(), target);
            EXPECT_FALSE(to.Html.isEmpty());
            if (target.hasFragment()) {
                EXPECT_TRUE(to.Html.contains("id=\"" + target.fragment() + "\""));
            }
        }
    }
    EXPECT_GT(links, 200);
}

TEST_F(HelpContent, EveryPageIsInTheContents) {
    QHelpContentModel* model = Help().Engine()->contentModel();
    if (model->isCreatingContents() || model->rowCount() == 0) {
        QSignalSpy created(model, &QHelpContentModel::contentsCreated);
        ASSERT_TRUE(created.wait(20000));
    }
    std::set<QString> inContents;
    std::function<void(const QModelIndex&)> walk = [&](const QModelIndex& parent) {
        for (int r = 0; r < model->rowCount(parent); ++r) {
            const QModelIndex index = model->index(r, 0, parent);
            inContents.insert(model->contentItemAt(index)->url().fileName());
            walk(index);
        }
    };
    walk({});
    for (const QUrl& page : AllPages(Help()))
        EXPECT_TRUE(inContents.count(page.fileName())) << page.fileName().toStdString();
}

TEST_F(HelpContent, TheFinderFindsThePagesThatHoldAWord) {
    QHelpSearchEngine* search = Help().Engine()->searchEngine();
    search->reindexDocumentation();
    // Indexing runs in the background; ask until it has the pages.
    QStringList files;
    QElapsedTimer clock;
    clock.start();
    while (files.isEmpty() && clock.elapsed() < 60000) {
        QTest::qWait(100);
        QSignalSpy found(search, &QHelpSearchEngine::searchingFinished);
        search->search("backup");
        ASSERT_TRUE(found.wait(20000));
        for (const QHelpSearchResult& r : search->searchResults(0, search->searchResultCount()))
            files << r.url().fileName();
    }
    EXPECT_TRUE(files.contains("save.html")) << files.join(' ').toStdString();
    EXPECT_TRUE(files.contains("files.html")) << files.join(' ').toStdString();
    EXPECT_FALSE(files.contains("charts.html"));
}
