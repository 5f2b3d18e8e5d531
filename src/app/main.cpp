// Marklow: starts on a new, untitled gradebook, or opens the gradebook named on the command
// line (as a file manager or the desktop file passes it).

#include "about_box.h"
#include "file_commands.h"
#include "main_window.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Marklow");
    QApplication::setOrganizationName("Brindlecraft");
    // No display name: the platform would add " — Marklow" to "Marklow - period1".
    QApplication::setWindowIcon(marklow::MarklowIcon());

    marklow::TSDIAppForm form;
    marklow::TFileCommands document(form, marklow::DefaultDocumentPaths());
    form.show();
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) {
        const QString path = args.at(1);
        QTimer::singleShot(0, &form,
                           [&document, path] { document.Lifecycle().OpenGradebook(path); });
    }
    return app.exec();
}
