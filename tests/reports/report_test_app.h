#pragma once
// One QApplication for the whole test program, created before the first font is measured.
// It is never destroyed: tearing it down among the exit-time destructors crashes Qt.

#include <QApplication>

inline QApplication& ReportTestApp() {
    static int argc = 1;
    static char name[] = "reports_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// Fixtures that measure text derive from this.
#include <gtest/gtest.h>
class ReportTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ReportTestApp(); }
};
