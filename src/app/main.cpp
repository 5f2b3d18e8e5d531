// Marklow: the program starts on a new, untitled gradebook in edit mode.

#include "main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Marklow");
    QApplication::setOrganizationName("Brindlecraft");

    marklow::TSDIAppForm form;
    // A gradebook named on the command line is not opened yet; the window starts untitled.
    form.show();
    return app.exec();
}
