// Renders the help window (contents, a topic, the index, the finder) and the About box to
// PNG files in the folder given, for looking at them; not a test.

#include "about_box.h"
#include "help.h"
#include "help_files.h"
#include "help_window.h"

#include <QApplication>
#include <QDir>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace marklow;

namespace {

void Save(QWidget& w, const QString& file) {
    QTest::qWait(300);
    if (!w.grab().save(file)) std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    QTemporaryDir user;
    const QString copy = PrepareUserCollection(FindHelpCollection(), user.path());
    QWidget main;
    THelp help(&main, copy);
    if (!help.IsReady()) {
        std::fprintf(stderr, "%s\n", qPrintable(help.Error()));
        return 1;
    }
    help.ShowContents();
    THelpWindow& w = *help.Window();
    w.resize(1000, 680);
    QTest::qWait(1500); // the contents tree and the index are built in the background
    Save(w, out + "/help-contents.png");

    help.ShowTopic(669);
    Save(w, out + "/help-topic.png");
    help.ShowTopic(56);
    Save(w, out + "/help-anchor.png");

    help.ShowKeyword("KeyboardShortcuts");
    w.ShowTab(THelpWindow::TTab::Index);
    QTest::keyClicks(w.IndexEdit, "cur");
    Save(w, out + "/help-index.png");

    help.ShowFinder();
    QHelpSearchEngine* search = help.Engine()->searchEngine();
    search->reindexDocumentation();
    QTest::qWait(3000);
    auto* field = search->queryWidget()->findChild<QLineEdit*>();
    if (field) QTest::keyClicks(field, "curve");
    search->search("curve");
    Save(w, out + "/help-search.png");

    TAboutBox about;
    about.show();
    Save(about, out + "/about-box.png");
    return 0;
}
