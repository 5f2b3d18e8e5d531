#include "settings_store.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace marklow;

TEST(SettingsStore, SectionsAndEntriesRoundTripThroughTheIniFile) {
    QTemporaryDir dir;
    QString path = dir.filePath("Marklow.ini");
    {
        QSettings ini(path, QSettings::IniFormat);
        QtSettingsStore store(ini);
        TAppSettings s;
        s.History = {"/home/t/a,b.gbd", "/home/t/period 1.gbd"};
        s.DefaultPoints = 12.345;
        WriteSettings(store, s);
    }
    QSettings ini(path, QSettings::IniFormat);
    QtSettingsStore store(ini);
    EXPECT_EQ(store.Read("All Grades", "Default Points"), "12.3");
    EXPECT_EQ(store.Read("File History", "File Path 1"), "/home/t/a,b.gbd");
    EXPECT_EQ(store.Read("File History", "File Path 3"), std::nullopt);
    store.EraseSection("File History");
    EXPECT_EQ(store.Read("File History", "File Path 1"), std::nullopt);
}

TEST(SettingsStore, ReadsAnOldHandWrittenIniFile) {
    QTemporaryDir dir;
    QString path = dir.filePath("MARKLW.INI");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Start Up]\r\nWindow State=2\r\n[File History]\r\nFile Path 1=/tmp/x,y.gbd\r\n"
            "garbage line\r\n\xff\xfe[broken\r\n");
    f.close();
    QSettings ini(path, QSettings::IniFormat);
    QtSettingsStore store(ini);
    EXPECT_EQ(store.Read("Start Up", "Window State"), "2");
    EXPECT_EQ(store.Read("File History", "File Path 1"), "/tmp/x,y.gbd");
}
