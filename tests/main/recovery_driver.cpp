// Marklow as a teacher runs it, for the recovery tests: opens the gradebook named first (if
// any), types the second argument into cell (2, 2) (the first name cell when untitled) and
// leaves it in the editor, then prints
// the gradebook's bytes and keeps running until it is killed. Its folders come from the
// environment the test gives it.

#include "file_commands.h"
#include "gradebook_file.h"
#include "main_window.h"
#include "recovery_commands.h"
#include "string_grid.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Marklow");
    QApplication::setOrganizationName("Brindlecraft");
    marklow::TSDIAppForm form;
    marklow::TFileCommands document(form, marklow::DefaultDocumentPaths());
    marklow::TRecoveryCommands recovery(form, document.Lifecycle());
    form.show();
    const QStringList args = QApplication::arguments();
    QTimer::singleShot(0, &form, [&] {
        const bool titled = args.size() > 1 && !args.at(1).isEmpty();
        if (titled) document.Lifecycle().OpenGradebook(args.at(1));
        if (args.size() > 2) {
            form.GradeBook->MoveCurrent(titled ? 2 : 1, 2);
            QTest::keyClicks(form.GradeBook->Editor(), args.at(2));
        }
        const std::string bytes = marklow::WriteGradebook(form.Gradebook());
        std::printf("typed %s\n", QByteArray::fromStdString(bytes).toBase64().constData());
        std::printf("copy %s\n", recovery.CopyPath().toLocal8Bit().constData());
        std::fflush(stdout);
    });
    return app.exec();
}
