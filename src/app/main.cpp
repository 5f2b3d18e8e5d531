// Marklow: starts on a new, untitled gradebook, or opens the gradebook named on the command
// line (as a file manager or the desktop file passes it).

#include "about_box.h"
#include "file_commands.h"
#include "main_window.h"
#include "recovery_commands.h"
#include "settings_store.h"
#include "translations.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Marklow");
    QApplication::setOrganizationName("Brindlecraft");
    // Wayland matches the window to its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName("com.brindlecraft.Marklow");
    // No display name: the platform would add " — Marklow" to "Marklow - period1".
    QApplication::setWindowIcon(marklow::MarklowIcon());
    // The language comes before the first window: every caption is made in it.
    const QString language = QString::fromStdString(
        marklow::ReadLanguage(marklow::QtSettingsStore(*marklow::OpenUserSettings())));
    marklow::InstallTranslations(language);

    marklow::TSDIAppForm form;
    form.SetLanguage(language);
    marklow::TFileCommands document(form, marklow::DefaultDocumentPaths());
    marklow::TRecoveryCommands recovery(form, document.Lifecycle());
    form.show();
    const QStringList args = QApplication::arguments();
    const QString path = args.size() > 1 ? args.at(1) : QString();
    QTimer::singleShot(0, &form, [&document, &recovery, &form, path] {
        // What a crash left behind comes first; recovered changes are not dropped unasked.
        recovery.OfferRecovery();
        if (path.isEmpty()) return;
        if (!form.Document().IsModified() || document.Lifecycle().QuerySave())
            document.Lifecycle().OpenGradebook(path);
    });
    const int status = app.exec();
    // Closing asked about unsaved changes: whatever the answer, the copy is no longer needed.
    recovery.Finish();
    return status;
}
