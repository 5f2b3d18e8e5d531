// The help in the language of the windows: the German collection holds every page of the
// English one under the same topics, its contents, index and finder are German, the program
// picks the collection of its language (English when a language has none), and F1 in the
// German window opens the German page.

#include "help.h"
#include "help_commands.h"
#include "help_files.h"
#include "help_window.h"
#include "main_window.h"
#include "test_app.h"
#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>

using namespace marklow;

namespace {

QString TitleOf(const THelp& help, const QUrl& url) {
    QTextDocument doc;
    doc.setHtml(QString::fromUtf8(help.PageData(url)));
    return doc.metaInformation(QTextDocument::DocumentTitle);
}

QString TextOf(const THelp& help, const QUrl& url) {
    QTextDocument doc;
    doc.setHtml(QString::fromUtf8(help.PageData(url)));
    return doc.toPlainText();
}

// Every page of a collection by file name.
std::set<QString> PageNames(const THelp& help) {
    QHelpEngine& engine = *help.Engine();
    std::set<QString> names;
    for (const QUrl& url :
         engine.files(engine.registeredDocumentations().value(0), QString(), "html"))
        names.insert(url.fileName());
    return names;
}

// The identifiers of a project file (topic.N and the program's keywords) and where they lead.
std::map<QString, QString> IdentifiersOf(const QString& qhp) {
    QFile file(qhp);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qhp.toStdString();
    const QString text = QString::fromUtf8(file.readAll());
    std::map<QString, QString> ids;
    const QRegularExpression keyword("<keyword name=\"[^\"]*\" id=\"([^\"]+)\" ref=\"([^\"]+)\"");
    for (auto it = keyword.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        ids[m.captured(1)] = m.captured(2);
    }
    return ids;
}

void WaitForContents(QHelpEngine& engine) {
    QHelpContentModel* model = engine.contentModel();
    if (model->isCreatingContents() || model->rowCount() == 0) {
        QSignalSpy created(model, &QHelpContentModel::contentsCreated);
        ASSERT_TRUE(created.wait(20000));
    }
}

// Both collections, each opened through its own copy, as the program opens them.
class HelpLanguages : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        TestApp();
        folder_ = std::make_unique<QTemporaryDir>();
        english_ =
            PrepareUserCollection(MARKLOW_HELP_COLLECTION, UserHelpFolder("en", folder_->path()));
        german_ = PrepareUserCollection(MARKLOW_HELP_COLLECTION_DE,
                                        UserHelpFolder("de", folder_->path()));
        ASSERT_FALSE(english_.isEmpty());
        ASSERT_FALSE(german_.isEmpty()) << "the German help was not built";
    }
    static void TearDownTestSuite() { folder_.reset(); }

    void SetUp() override {
        main_ = std::make_unique<QWidget>();
        en_ = new THelp(main_.get(), english_);
        de_ = new THelp(main_.get(), german_);
        ASSERT_TRUE(en_->IsReady()) << en_->Error().toStdString();
        ASSERT_TRUE(de_->IsReady()) << de_->Error().toStdString();
    }
    void TearDown() override { main_.reset(); }

    static inline std::unique_ptr<QTemporaryDir> folder_;
    static inline QString english_, german_;
    std::unique_ptr<QWidget> main_;
    THelp* en_ = nullptr; // owned by main_
    THelp* de_ = nullptr;
};

} // namespace

TEST_F(HelpLanguages, TheGermanHelpHoldsEveryEnglishPageUnderTheSameTopics) {
    const std::set<QString> english = PageNames(*en_);
    ASSERT_GE(english.size(), 35u);
    EXPECT_EQ(PageNames(*de_), english);

    // Every topic number and keyword the program asks for leads to the same place in both,
    // and the German page there is a German page of its own.
    const auto ids = IdentifiersOf(QStringLiteral(MARKLOW_SOURCE_HELP_DIR "/marklow.qhp"));
    EXPECT_EQ(IdentifiersOf(QStringLiteral(MARKLOW_SOURCE_HELP_DIR "/de/marklow.qhp")), ids);
    ASSERT_GE(ids.size(), 60u);
    for (const auto& [id, ref] : ids) {
        SCOPED_TRACE(id.toStdString());
        const QUrl de = de_->KeywordUrl(id);
        ASSERT_TRUE(de.isValid());
        EXPECT_EQ(de.fileName() + (de.hasFragment() ? "#" + de.fragment() : QString()), ref);
        EXPECT_EQ(de.path(), en_->KeywordUrl(id).path());
    }

    int translated = 0;
    const QRegularExpression word("\\s+");
    for (const QString& name : english) {
        SCOPED_TRACE(name.toStdString());
        const QUrl en = en_->KeywordUrl("Contents").resolved(QUrl(name));
        const QUrl de = de_->KeywordUrl("Contents").resolved(QUrl(name));
        const QString html = QString::fromUtf8(de_->PageData(de));
        EXPECT_TRUE(html.contains("<html lang=\"de\">"));
        EXPECT_GE(TextOf(*de_, de).split(word, Qt::SkipEmptyParts).size(), 80);
        // The anchors F1 and the links point at are on the German page too.
        const QRegularExpression id("id=\"([^\"]+)\"");
        const QString englishHtml = QString::fromUtf8(en_->PageData(en));
        for (auto it = id.globalMatch(englishHtml); it.hasNext();) {
            const QString anchor = it.next().captured(1);
            EXPECT_TRUE(html.contains("id=\"" + anchor + "\"")) << anchor.toStdString();
        }
        if (TitleOf(*de_, de) != TitleOf(*en_, en)) ++translated;
    }
    // Only the names that are the same in both languages (none today) may stay.
    EXPECT_EQ(translated, static_cast<int>(english.size()));

    EXPECT_EQ(TitleOf(*de_, de_->KeywordUrl("KeyboardShortcuts")), "Tastenkürzel");
    EXPECT_EQ(TitleOf(*de_, de_->TopicUrl(669)), "Noteneigenschaften");
    EXPECT_EQ(TitleOf(*de_, de_->TopicUrl(50)), "Diagramme und Statistik");
}

TEST_F(HelpLanguages, TheGermanKeyboardPageNamesTheKeysAsGermanKeyboardsDo) {
    // The keys as a German keyboard labels them, with every shortcut of the menus.
    const QString keys = TextOf(*de_, de_->KeywordUrl("KeyboardShortcuts"));
    for (const char* key :
         {"Strg+N", "Strg+O",       "Alt+S",  "Strg+A",   "Strg+W", "Strg+P", "Alt+X",  "Strg+Z",
          "Strg+Y", "Strg+V",       "Strg+S", "Strg+G",   "Strg+T", "Alt+C",  "Strg+5", "Strg+L",
          "Strg+D", "Umschalt+Tab", "Pos1",   "Bild auf", "Esc",    "F1"})
        EXPECT_TRUE(keys.contains(QString::fromUtf8(key))) << key;
    EXPECT_FALSE(keys.contains("Ctrl+")) << "English key names on the German page";
}

// A menu item's caption as a page names it: "Speichern &unter...\tStrg+A" is "Speichern unter".
QString Caption(const QAction* action) {
    QString text = action->text().section('\t', 0, 0).remove('&').trimmed();
    if (text.endsWith("...")) text.chop(3);
    return text;
}

TEST_F(HelpLanguages, EveryGermanMenuItemIsNamedOnItsMenusPage) {
    QStandardPaths::setTestModeEnabled(true);
    ASSERT_EQ(InstallTranslations("de"), "de");
    {
        TSDIAppForm form;
        int checked = 0;
        for (QAction* top : form.menuBar()->actions()) {
            QMenu* menu = top->menu();
            if (!menu) continue;
            const QUrl page = de_->LinkUrl(HelpLinkOf(menu));
            ASSERT_TRUE(page.isValid()) << Caption(top).toStdString();
            const QString text = TextOf(*de_, page);
            std::function<void(QMenu*)> walk = [&](QMenu* m) {
                for (QAction* a : m->actions()) {
                    // Separators, the recent files and the languages (named in their own
                    // language) are not captions of the program.
                    if (a->isSeparator() || a->objectName().startsWith("Language_") ||
                        a->objectName().startsWith("Recent"))
                        continue;
                    if (a->menu()) walk(a->menu());
                    if (!a->isVisible() && !a->menu()) continue;
                    const QString caption = Caption(a);
                    if (caption.isEmpty() || a->objectName().isEmpty()) continue;
                    ++checked;
                    EXPECT_TRUE(text.contains(caption))
                        << caption.toStdString() << " (" << a->objectName().toStdString()
                        << ") is not on " << page.fileName().toStdString();
                }
            };
            walk(menu);
        }
        EXPECT_GE(checked, 30);
    }
    RemoveTranslations();
    QStandardPaths::setTestModeEnabled(false);
}

TEST_F(HelpLanguages, TheGermanContentsAndIndexAreGerman) {
    QHelpEngine& engine = *de_->Engine();
    WaitForContents(engine);
    QHelpContentModel* model = engine.contentModel();
    ASSERT_GE(model->rowCount(), 1);
    const QModelIndex top = model->index(0, 0);
    EXPECT_EQ(model->contentItemAt(top)->title(), "Marklow-Hilfe");
    std::set<QString> chapters;
    for (int r = 0; r < model->rowCount(top); ++r)
        chapters.insert(model->contentItemAt(model->index(r, 0, top))->title());
    EXPECT_TRUE(chapters.count("Das Menü Datei"));
    EXPECT_TRUE(chapters.count("Tastenkürzel"));
    EXPECT_FALSE(chapters.count("The File Menu"));

    QHelpIndexModel* index = engine.indexModel();
    if (index->isCreatingIndex() || index->rowCount() == 0) {
        QSignalSpy created(index, &QHelpIndexModel::indexCreated);
        ASSERT_TRUE(created.wait(20000));
    }
    const QStringList words = index->stringList();
    EXPECT_TRUE(words.contains("Sicherungskopie"));
    EXPECT_TRUE(words.contains("Zusatzpunkte"));
    EXPECT_FALSE(words.contains("Backup copy"));
    // An index word leads to its page.
    const QList<QHelpLink> links = engine.documentsForKeyword("Sicherungskopie");
    ASSERT_FALSE(links.isEmpty());
    EXPECT_EQ(links.first().url.fileName(), "files.html");
}

TEST_F(HelpLanguages, TheFinderFindsGermanWords) {
    QHelpSearchEngine* search = de_->Engine()->searchEngine();
    search->reindexDocumentation();
    // Indexing runs in the background; ask until it has the pages (once the index is
    // there, a single question).
    auto find = [&](const QString& words, int patience = 60000) {
        QStringList files;
        QElapsedTimer clock;
        clock.start();
        while (files.isEmpty() && clock.elapsed() < patience) {
            QTest::qWait(100);
            QSignalSpy found(search, &QHelpSearchEngine::searchingFinished);
            search->search(words);
            if (!found.wait(20000)) break;
            for (const QHelpSearchResult& r : search->searchResults(0, search->searchResultCount()))
                files << r.url().fileName();
        }
        return files;
    };
    const QStringList backup = find("Sicherungskopie");
    EXPECT_TRUE(backup.contains("save.html")) << backup.join(' ').toStdString();
    EXPECT_TRUE(backup.contains("files.html")) << backup.join(' ').toStdString();
    EXPECT_FALSE(backup.contains("charts.html"));
    // A word with an umlaut.
    const QStringList umlaut = find(QString::fromUtf8("Schülereigenschaften"));
    EXPECT_TRUE(umlaut.contains("student_dialog.html")) << umlaut.join(' ').toStdString();
    // An English word of eight English pages is on no German one.
    EXPECT_TRUE(find("spreadsheet", 1).isEmpty());
}

// Every language folder of the help, not German alone: the same pages, topics and anchors.
TEST(HelpLanguage, EveryLanguageHoldsEveryEnglishPageUnderTheSameTopics) {
    TestApp();
    const QStringList languages = QString(MARKLOW_HELP_LANGUAGES).split(' ', Qt::SkipEmptyParts);
    ASSERT_TRUE(languages.contains("de")) << MARKLOW_HELP_LANGUAGES;
    QTemporaryDir user;
    QWidget main;
    THelp english(&main, PrepareUserCollection(MARKLOW_HELP_COLLECTION, user.path()));
    ASSERT_TRUE(english.IsReady());
    const std::set<QString> pages = PageNames(english);
    const auto ids = IdentifiersOf(QStringLiteral(MARKLOW_SOURCE_HELP_DIR "/marklow.qhp"));
    for (const QString& language : languages) {
        SCOPED_TRACE(language.toStdString());
        const QString built =
            QStringLiteral(MARKLOW_BUILD_HELP_DIR_FOR_TESTS "/") + language + "/marklow.qhc";
        THelp help(&main, PrepareUserCollection(built, UserHelpFolder(language, user.path())));
        ASSERT_TRUE(help.IsReady()) << help.Error().toStdString();
        EXPECT_EQ(PageNames(help), pages);
        EXPECT_EQ(
            IdentifiersOf(QStringLiteral(MARKLOW_SOURCE_HELP_DIR "/") + language + "/marklow.qhp"),
            ids);
        for (const auto& [id, ref] : ids) {
            const QUrl url = help.KeywordUrl(id);
            ASSERT_TRUE(url.isValid()) << id.toStdString();
            const QString html = QString::fromUtf8(help.PageData(url));
            EXPECT_TRUE(html.contains("lang=\"" + language + "\"")) << id.toStdString();
            if (url.hasFragment()) {
                EXPECT_TRUE(html.contains("id=\"" + url.fragment() + "\"")) << ref.toStdString();
            }
        }
    }
}

TEST(HelpLanguage, EachLanguageFindsItsOwnCollectionElseEnglish) {
    TestApp();
    QString found;
    const QString german = FindHelpCollection("de", &found);
    EXPECT_EQ(found, "de");
    EXPECT_EQ(QFileInfo(german).canonicalFilePath(),
              QFileInfo(MARKLOW_HELP_COLLECTION_DE).canonicalFilePath());
    const QString english = QFileInfo(MARKLOW_HELP_COLLECTION).canonicalFilePath();
    for (const char* other : {"", "en", "fr", "zz"}) {
        found.clear();
        EXPECT_EQ(QFileInfo(FindHelpCollection(other, &found)).canonicalFilePath(), english)
            << other;
        EXPECT_EQ(found, "en") << other;
    }
    // A code from a damaged settings file never becomes a path.
    for (const char* bad : {"../de", "de/..", "/tmp", "DE", "d", "deutsch", "de_DE", ".."}) {
        EXPECT_EQ(HelpLanguageFolder(bad), "") << bad;
        found.clear();
        EXPECT_EQ(QFileInfo(FindHelpCollection(bad, &found)).canonicalFilePath(), english) << bad;
        EXPECT_EQ(UserHelpFolder(bad, "/base"), "/base") << bad;
    }
    EXPECT_EQ(HelpLanguageFolder("es"), "es");

    // Beside an installed program: share/marklow/help/<code>/ first, then the build tree.
    const QStringList places = HelpCollectionCandidates("/opt/marklow/bin", "de");
    ASSERT_GE(places.size(), 1);
    EXPECT_EQ(places.first(), "/opt/marklow/share/marklow/help/de/marklow.qhc");
    EXPECT_EQ(HelpCollectionCandidates("/opt/marklow/bin", "en").first(),
              "/opt/marklow/share/marklow/help/marklow.qhc");

    // Each language keeps its own copy and search index.
    EXPECT_EQ(UserHelpFolder("de", "/base"), "/base/de");
    EXPECT_EQ(UserHelpFolder("en", "/base"), "/base");
    EXPECT_EQ(UserHelpFolder("", "/base"), "/base");
}

TEST(HelpLanguage, TheHelpOpensInItsLanguageThroughItsOwnCopy) {
    TestApp();
    QTemporaryDir user;
    QWidget main;
    {
        THelp german(&main, "de", {}, user.path());
        ASSERT_TRUE(german.IsReady()) << german.Error().toStdString();
        EXPECT_EQ(german.Language(), "de");
        EXPECT_EQ(TitleOf(german, german.TopicUrl(4)), "Ein Notenbuch speichern");
        EXPECT_TRUE(QFileInfo::exists(user.filePath("de/marklow.qhc")));
        EXPECT_FALSE(QFileInfo::exists(user.filePath("marklow.qhc")));
    }
    {
        // English beside it, and the German copy stays.
        THelp english(&main, "en", {}, user.path());
        ASSERT_TRUE(english.IsReady()) << english.Error().toStdString();
        EXPECT_EQ(english.Language(), "en");
        EXPECT_EQ(TitleOf(english, english.TopicUrl(4)), "Saving a Gradebook");
        EXPECT_TRUE(QFileInfo::exists(user.filePath("marklow.qhc")));
        EXPECT_TRUE(QFileInfo::exists(user.filePath("de/marklow.qhc")));
    }
    {
        // A language without help shows the English pages, from the English copy.
        THelp french(&main, "fr", {}, user.path());
        ASSERT_TRUE(french.IsReady()) << french.Error().toStdString();
        EXPECT_EQ(french.Language(), "en");
        EXPECT_EQ(TitleOf(french, french.TopicUrl(4)), "Saving a Gradebook");
        EXPECT_FALSE(QFileInfo::exists(user.filePath("fr")));
    }
    {
        // A damaged German help installed beside the program: the English one opens.
        QTemporaryDir prefix;
        const QString share = prefix.filePath("share/marklow/help");
        ASSERT_TRUE(QDir().mkpath(share + "/de"));
        for (const char* name : {kHelpCollectionName, kHelpDocumentationName}) {
            ASSERT_TRUE(QFile::copy(QFileInfo(MARKLOW_HELP_COLLECTION).dir().filePath(name),
                                    share + "/" + name));
            QFile damaged(share + "/de/" + name);
            ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
            damaged.write("not a help file");
        }
        QTemporaryDir copies;
        THelp help(&main, "de", prefix.filePath("bin"), copies.path());
        ASSERT_TRUE(help.IsReady()) << help.Error().toStdString();
        EXPECT_EQ(help.Language(), "en");
        EXPECT_EQ(TitleOf(help, help.TopicUrl(4)), "Saving a Gradebook");
    }
}

TEST(HelpLanguage, F1InTheGermanWindowOpensTheGermanPage) {
    TestApp();
    // The program's help copy goes to a test folder, not the user's cache.
    QStandardPaths::setTestModeEnabled(true);
    QDir(UserHelpFolder()).removeRecursively();
    ASSERT_EQ(InstallTranslations("de"), "de");
    EXPECT_EQ(ShownLanguage(), "de");
    {
        TSDIAppForm form;
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        THelp& help = form.HelpCommands().Help;
        ASSERT_TRUE(help.IsReady()) << help.Error().toStdString();
        EXPECT_EQ(help.Language(), "de");

        form.GradeBook->setFocus();
        QTest::keyClick(form.GradeBook, Qt::Key_F1);
        ASSERT_NE(help.Window(), nullptr);
        EXPECT_EQ(help.Window()->CurrentUrl().fileName(), "main_window.html");
        EXPECT_EQ(TitleOf(help, help.Window()->CurrentUrl()), "Das Notenbuchfenster");
        EXPECT_EQ(help.Window()->windowTitle(),
                  QCoreApplication::translate("HelpWindow", "Marklow Help - ") +
                      QString::fromUtf8("Das Notenbuchfenster"));
        EXPECT_NE(help.Window()->windowTitle(), "Marklow Help - The Gradebook Window");

        // A menu item's help, and the Help menu's keyboard page.
        form.HelpCommands().Keyboard1Click();
        EXPECT_EQ(TitleOf(help, help.Window()->CurrentUrl()), "Tastenkürzel");
        help.ShowLink(HelpLinkOf(form.SaveItem));
        EXPECT_EQ(TitleOf(help, help.Window()->CurrentUrl()), "Ein Notenbuch speichern");
        help.Window()->close();
    }
    RemoveTranslations();
    EXPECT_EQ(ShownLanguage(), "en");
    {
        // Back in English, a new window's help is English again.
        TSDIAppForm form;
        THelp& help = form.HelpCommands().Help;
        ASSERT_TRUE(help.IsReady()) << help.Error().toStdString();
        EXPECT_EQ(help.Language(), "en");
        help.ShowTopic(4);
        EXPECT_EQ(TitleOf(help, help.Window()->CurrentUrl()), "Saving a Gradebook");
        help.Window()->close();
    }
    QStandardPaths::setTestModeEnabled(false);
}
