// Renders the help window (contents, a topic, the index, the finder) and the About box to
// PNG files in the folder given, for looking at them; not a test. A language code after the
// folder ("de") shows the windows and the help in that language, into files named with it.

#include "about_box.h"
#include "help.h"
#include "help_files.h"
#include "help_window.h"
#include "translations.h"

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
    QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    const QString language = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString("en");
    const QString shown = InstallTranslations(language);
    QTemporaryDir user;
    QWidget main;
    THelp help(&main, shown, {}, user.path());
    if (!help.IsReady()) {
        std::fprintf(stderr, "%s\n", qPrintable(help.Error()));
        return 1;
    }
    const bool english = help.Language() == QLatin1String("en");
    auto file = [&](const char* name) {
        return out + "/" + name + (english ? QString() : "-" + help.Language()) + ".png";
    };
    help.ShowContents();
    THelpWindow& w = *help.Window();
    w.resize(1000, 680);
    QTest::qWait(1500); // the contents tree and the index are built in the background
    Save(w, file("help-contents"));

    help.ShowTopic(669);
    Save(w, file("help-topic"));
    help.ShowTopic(56);
    Save(w, file("help-anchor"));

    help.ShowKeyword("KeyboardShortcuts");
    w.ShowTab(THelpWindow::TTab::Index);
    QTest::keyClicks(w.IndexEdit, english ? "cur" : "Kur");
    Save(w, file("help-index"));

    help.ShowFinder();
    QHelpSearchEngine* search = help.Engine()->searchEngine();
    search->reindexDocumentation();
    QTest::qWait(3000);
    auto* field = search->queryWidget()->findChild<QLineEdit*>();
    const QString word = english ? "curve" : "Kurve";
    if (field) QTest::keyClicks(field, word);
    search->search(word);
    Save(w, file("help-search"));

    TAboutBox about;
    about.show();
    Save(about, file("about-box"));
    return 0;
}
