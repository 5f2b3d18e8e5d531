#pragma once
// One QApplication for the whole test program, created before the first widget. It is never
// destroyed: tearing it down among the exit-time destructors crashes Qt's input devices.

#include <QApplication>

inline QApplication& TestApp() {
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}
