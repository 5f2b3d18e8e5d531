// The help window and the Help menu's commands, F1 through the application, the copy of
// the collection in the user's folder, help that cannot be found, and the About box.

#include "help_fixture.h"

#include "about_box.h"
#include "help_window.h"
#include "prompts.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <functional>

using namespace marklow;
using marklow::testing::THelpFixture;

namespace {

QString FileOf(const QUrl& url) {
    return url.fileName();
}

} // namespace

class HelpWindow : public THelpFixture {};

TEST_F(HelpWindow, OpensOnATopicAndFollowsItsLinks) {
    EXPECT_EQ(Help().Window(), nullptr) << "the window is made when first needed";
    Help().ShowTopic(669);
    THelpWindow* w = Help().Window();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->CurrentUrl(), Help().TopicUrl(669));
    EXPECT_EQ(w->windowTitle(), "Marklow Help - Grade Properties");
    EXPECT_TRUE(w->Browser->toPlainText().contains("Points are weights"));

    // A topic on a part of a page.
    Help().ShowTopic(56);
    EXPECT_EQ(w->CurrentUrl().fragment(), "paste");
    EXPECT_EQ(FileOf(w->CurrentUrl()), "clipboard.html");
    EXPECT_TRUE(w->BackAction->isEnabled());
    w->BackAction->trigger();
    EXPECT_EQ(w->CurrentUrl(), Help().TopicUrl(669));
    EXPECT_TRUE(w->ForwardAction->isEnabled());

    // The contents show where the page is, and the page scrolls to its part.
    QHelpContentModel* model = Help().Engine()->contentModel();
    if (model->isCreatingContents() || model->rowCount() == 0) {
        QSignalSpy created(model, &QHelpContentModel::contentsCreated);
        ASSERT_TRUE(created.wait(20000));
    }
    Help().ShowTopic(56);
    EXPECT_EQ(Help().Engine()->contentWidget()->currentIndex().data().toString(),
              "Copying and Pasting Students");
    w->resize(700, 400);
    Help().ShowTopic(71);
    EXPECT_GT(w->Browser->verticalScrollBar()->value(), 0) << "not scrolled to Setup";

    // An unknown number shows the contents rather than nothing.
    Help().ShowTopic(12345);
    EXPECT_EQ(FileOf(w->CurrentUrl()), "index.html");
    EXPECT_EQ(w->Tabs->currentIndex(), 0);
}

TEST_F(HelpWindow, TheHelpMenuCommands) {
    Help().ShowContents();
    THelpWindow* w = Help().Window();
    EXPECT_EQ(FileOf(w->CurrentUrl()), "index.html");
    EXPECT_EQ(w->Tabs->tabText(w->Tabs->currentIndex()), "Contents");
    EXPECT_EQ(w->windowTitle(), "Marklow Help - Marklow Help");

    Help().ShowKeyword("KeyboardShortcuts");
    EXPECT_EQ(FileOf(w->CurrentUrl()), "keyboard.html");
    Help().ShowFinder();
    EXPECT_EQ(w->Tabs->tabText(w->Tabs->currentIndex()), "Search");
    EXPECT_EQ(FileOf(w->CurrentUrl()), "keyboard.html") << "the finder keeps the page shown";
    Help().ShowKeyword("HowToUseMarklowHelp");
    EXPECT_EQ(FileOf(w->CurrentUrl()), "how_to_use_help.html");
    Help().ShowHelpOnHelp();
    EXPECT_EQ(w->windowTitle(), "Marklow Help - How to Use Windows Help");

    // The Contents button goes home from anywhere.
    w->HomeAction->trigger();
    EXPECT_EQ(FileOf(w->CurrentUrl()), "index.html");
}

// A dialog shown with exec(), as the program shows its dialogs; act runs inside its loop. A
// timer rejects it should a step go wrong, so the test never hangs.
void RunModal(QDialog& dialog, const std::function<void()>& act) {
    QTimer::singleShot(0, &dialog, act);
    QTimer::singleShot(20000, &dialog, [&dialog] {
        ADD_FAILURE() << "the dialog was still open";
        dialog.reject();
    });
    dialog.exec();
}

// Keys pressed as a user presses them: through the window system, to the active window.
void PressIn(QWidget& window, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    window.activateWindow();
    // Not qWaitForWindowActive: a window counts as active while its transient parent is.
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }));
    QTest::keyClick(window.windowHandle(), key, mods);
}

TEST_F(HelpWindow, ShownFromAModalDialogNeitherBlocksItNorIsStuck) {
    QDialog dialog(&Main());
    auto* edit = new QLineEdit(&dialog);
    (new QVBoxLayout(&dialog))->addWidget(edit);
    RunModal(dialog, [&] {
        Help().ShowTopic(32);
        THelpWindow* w = Help().Window();
        ASSERT_TRUE(w->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), &dialog) << "the help is no modal of its own";
        PressIn(*w, Qt::Key_Escape);
        EXPECT_FALSE(w->isVisible()) << "Escape closes the help";
        Help().ShowTopic(59);
        ASSERT_TRUE(w->isVisible());
        PressIn(*w, Qt::Key_W, Qt::ControlModifier);
        EXPECT_FALSE(w->isVisible()) << "Ctrl+W closes the help";

        // With the help open the dialog still takes typing, and closes.
        Help().ShowTopic(32);
        edit->setFocus();
        PressIn(dialog, Qt::Key_X);
        EXPECT_EQ(edit->text(), "x") << "the help blocks the dialog";
        EXPECT_TRUE(w->isVisible());
        PressIn(dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_TRUE(Help().Window()->isVisible());
    Help().Window()->close();

    // From the main window again: neither modal nor tied to the closed dialog.
    Help().ShowTopic(59);
    THelpWindow* w = Help().Window();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowModality(), Qt::NonModal);
    EXPECT_EQ(w->CurrentUrl(), Help().TopicUrl(59));
    EXPECT_EQ(w->windowHandle()->transientParent(), Main().windowHandle());
    w->close();
}

TEST_F(HelpWindow, ClickingItsDialogKeepsTheHelpOverIt) {
    QDialog dialog(&Main());
    auto* edit = new QLineEdit(&dialog);
    (new QVBoxLayout(&dialog))->addWidget(edit);
    RunModal(dialog, [&] {
        Help().ShowTopic(32);
        THelpWindow* w = Help().Window();
        ASSERT_TRUE(w->isVisible());
        const int before = w->Raised();
        // The teacher clicks the dialog: it takes the keyboard, the help comes back over it.
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
        EXPECT_GT(w->Raised(), before);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(QApplication::activeWindow(), &dialog) << "the help does not take the keys";
        // Closed, it stays closed when the dialog is clicked again.
        w->close();
        const int closed = w->Raised();
        w->activateWindow();
        dialog.activateWindow();
        QTest::qWait(20);
        EXPECT_EQ(w->Raised(), closed);
        EXPECT_FALSE(w->isVisible());
        dialog.reject();
    });
}

TEST_F(HelpWindow, OpenBeforeAModalDialogItStaysUsable) {
    Main().show();
    Help().ShowTopic(32);
    THelpWindow* w = Help().Window();
    ASSERT_TRUE(w->isVisible());
    QDialog dialog(&Main());
    RunModal(dialog, [&] {
        PressIn(*w, Qt::Key_Escape);
        EXPECT_FALSE(w->isVisible()) << "the dialog blocks the help";
        dialog.reject();
    });
}

TEST_F(HelpWindow, TheIndexFiltersAsYouType) {
    Help().ShowContents();
    THelpWindow* w = Help().Window();
    w->ShowTab(THelpWindow::TTab::Index);
    EXPECT_EQ(w->Tabs->tabText(w->Tabs->currentIndex()), "Index");
    QHelpIndexModel* index = Help().Engine()->indexModel();
    if (index->isCreatingIndex() || index->rowCount() == 0) {
        QSignalSpy created(index, &QHelpIndexModel::indexCreated);
        ASSERT_TRUE(created.wait(20000));
    }
    QTest::keyClicks(w->IndexEdit, "extra");
    QHelpIndexWidget* list = Help().Engine()->indexWidget();
    ASSERT_TRUE(list->currentIndex().isValid());
    EXPECT_EQ(list->currentIndex().data().toString(), "Extra credit");
    QTest::keyClick(w->IndexEdit, Qt::Key_Return);
    EXPECT_EQ(FileOf(w->CurrentUrl()), "grade_dialog.html");
    EXPECT_EQ(w->CurrentUrl().fragment(), "extra-credit");
}

TEST_F(HelpWindow, F1ShowsTheHelpOfTheFocusedControlsDialogPage) {
    Help().InstallHelpKey();
    QDialog dialog(&Main());
    auto* tabs = new QTabWidget(&dialog);
    auto* first = new QWidget;
    auto* second = new QWidget;
    SetHelpTopic(first, 27);
    SetHelpTopic(second, 21);
    auto* edit = new QLineEdit(second);
    tabs->addTab(first, "Categories");
    tabs->addTab(second, "Letters");
    auto* ok = new QPushButton("OK", &dialog);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(tabs);
    layout->addWidget(ok);
    dialog.show();
    tabs->setCurrentIndex(1);

    QTest::keyClick(edit, Qt::Key_F1);
    ASSERT_NE(Help().Window(), nullptr);
    EXPECT_EQ(Help().Window()->CurrentUrl(), Help().TopicUrl(21));
    // The dialog's own button stands for the page in front.
    tabs->setCurrentIndex(0);
    QTest::keyClick(ok, Qt::Key_F1);
    EXPECT_EQ(Help().Window()->CurrentUrl(), Help().TopicUrl(27));
    // Other keys pass.
    QTest::keyClicks(edit, "A");
    EXPECT_EQ(edit->text(), "A");
}

TEST_F(HelpWindow, F1InAMenuShowsTheHighlightedItem) {
    Help().InstallHelpKey();
    QMenu menu(&Main());
    menu.setObjectName("FileMenu");
    QAction* save = menu.addAction("&Save");
    save->setObjectName("SaveItem");
    QAction* plain = menu.addAction("Nothing special");
    menu.popup(QPoint(10, 10));
    menu.setActiveAction(save);
    QTest::keyClick(&menu, Qt::Key_F1);
    EXPECT_EQ(Help().Window()->CurrentUrl(), Help().TopicUrl(4));
    EXPECT_FALSE(menu.isVisible()) << "the menu closes for the help";

    menu.popup(QPoint(10, 10));
    menu.setActiveAction(plain);
    QTest::keyClick(&menu, Qt::Key_F1);
    EXPECT_EQ(Help().Window()->CurrentUrl(), Help().TopicUrl(51)) << "the menu's own topic";
}

TEST_F(HelpWindow, TheCollectionIsCopiedOnceAndAgainWhenTheHelpChanges) {
    QTemporaryDir installed, user;
    for (const char* name : {kHelpCollectionName, kHelpDocumentationName})
        ASSERT_TRUE(
            QFile::copy(QFileInfo(collection_).dir().filePath(name), installed.filePath(name)));
    // Installed files are read-only; the copy must be writable.
    for (const char* name : {kHelpCollectionName, kHelpDocumentationName})
        QFile::setPermissions(installed.filePath(name), QFile::ReadOwner | QFile::ReadGroup);
    QString error;
    const QString copy =
        PrepareUserCollection(installed.filePath(kHelpCollectionName), user.path(), &error);
    ASSERT_EQ(copy, user.filePath(kHelpCollectionName)) << error.toStdString();
    EXPECT_TRUE(QFileInfo(copy).isWritable());
    {
        QWidget main;
        THelp help(&main, copy);
        ASSERT_TRUE(help.IsReady()) << help.Error().toStdString();
        EXPECT_TRUE(help.TopicUrl(2).isValid());
    }
    // The engine writes into its copy; a second start keeps it.
    QFile mark(copy);
    ASSERT_TRUE(mark.open(QIODevice::Append));
    mark.write("x");
    mark.close();
    const qint64 marked = QFileInfo(copy).size();
    EXPECT_EQ(PrepareUserCollection(installed.filePath(kHelpCollectionName), user.path()), copy);
    EXPECT_EQ(QFileInfo(copy).size(), marked);

    // New help installed: copied again.
    QFile::setPermissions(installed.filePath(kHelpDocumentationName),
                          QFile::ReadOwner | QFile::WriteOwner);
    QFile doc(installed.filePath(kHelpDocumentationName));
    ASSERT_TRUE(doc.open(QIODevice::Append));
    doc.write("newer");
    doc.close();
    EXPECT_EQ(PrepareUserCollection(installed.filePath(kHelpCollectionName), user.path()), copy);
    EXPECT_NE(QFileInfo(copy).size(), marked);
    EXPECT_EQ(QFileInfo(user.filePath(kHelpDocumentationName)).size(),
              QFileInfo(installed.filePath(kHelpDocumentationName)).size());

    EXPECT_TRUE(
        PrepareUserCollection(installed.filePath("missing.qhc"), user.path(), &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(HelpWindow, AnInstalledProgramLooksBesideItselfFirst) {
    const QStringList places = HelpCollectionCandidates();
    ASSERT_GE(places.size(), 2);
    EXPECT_EQ(places.first(), QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                              "/../share/marklow/help/marklow.qhc"));
    EXPECT_EQ(QFileInfo(places.last()).canonicalFilePath(),
              QFileInfo(MARKLOW_HELP_COLLECTION).canonicalFilePath());
    EXPECT_FALSE(FindHelpCollection().isEmpty());
}

// Run by the install test with the prefix it installed into.
TEST(InstalledHelp, TheProgramInThePrefixFindsItsHelp) {
    const QString prefix = qEnvironmentVariable("MARKLOW_INSTALL_PREFIX");
    if (prefix.isEmpty()) GTEST_SKIP() << "only with an installed prefix";
    TestApp();
    const QString place = HelpCollectionCandidates(prefix + "/bin").first();
    ASSERT_TRUE(QFileInfo::exists(place)) << place.toStdString();
    QTemporaryDir user;
    const QString copy = PrepareUserCollection(place, user.path());
    ASSERT_FALSE(copy.isEmpty());
    QWidget main;
    THelp help(&main, copy);
    ASSERT_TRUE(help.IsReady()) << help.Error().toStdString();
    EXPECT_TRUE(help.TopicUrl(2).isValid());
    EXPECT_FALSE(help.PageData(help.KeywordUrl("KeyboardShortcuts")).isEmpty());
    // The German help is installed beside it and found for a German window.
    THelp german(&main, "de", prefix + "/bin", user.path());
    ASSERT_TRUE(german.IsReady()) << german.Error().toStdString();
    EXPECT_EQ(german.Language(), "de");
    EXPECT_TRUE(QFileInfo::exists(prefix + "/share/marklow/help/de/marklow.qhc"));
    EXPECT_TRUE(QString::fromUtf8(german.PageData(german.TopicUrl(2))).contains("lang=\"de\""));
}

TEST_F(HelpWindow, HelpThatCannotBeReadSaysWhereItWasLookedFor) {
    QTemporaryDir empty;
    QWidget main;
    THelp help(&main, empty.filePath("marklow.qhc"));
    EXPECT_FALSE(help.IsReady());
    EXPECT_FALSE(help.Error().isEmpty());
    EXPECT_FALSE(help.TopicUrl(2).isValid());
    help.ShowTopic(2);
    help.ShowFinder();
    help.ShowHelpOnHelp();
    ASSERT_NE(help.Window(), nullptr);
    EXPECT_TRUE(help.Window()->isVisible());
    EXPECT_TRUE(help.Window()->MessageView->toPlainText().contains("marklow.qhc"));
}

TEST(AboutBox, ShowsNameVersionAndWhatItIsThroughThePrompts) {
    TestApp();
    ScopedPrompts prompts;
    QString title, product, comments;
    bool hasOk = false;
    prompts.Script.DialogActions.push_back([&](QDialog& dialog) {
        auto& box = dynamic_cast<TAboutBox&>(dialog);
        title = box.windowTitle();
        product = box.ProductName->text();
        comments = box.Comments->text();
        hasOk = box.OKButton->text() == "OK" && box.OKButton->isDefault();
        box.OKButton->click();
    });
    ShowAboutBox(nullptr);
    EXPECT_TRUE(prompts.Script.DialogActions.empty()) << "the box was not shown";
    EXPECT_EQ(title, "About");
    EXPECT_EQ(product, QStringLiteral("Marklow " MARKLOW_EXPECTED_VERSION));
    EXPECT_EQ(AboutTitleLine(), product);
    EXPECT_GT(comments.size(), 20);
    EXPECT_TRUE(hasOk);
    EXPECT_TRUE(prompts.Script.Unexpected.isEmpty());
    EXPECT_FALSE(MarklowIcon().pixmap(32, 32).isNull());
}
