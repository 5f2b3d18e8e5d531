#include "settings_store.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

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

TEST(SettingsStore, AFileOfRandomBytesIsWrittenAfreshWithoutAFalseError) {
    QTemporaryDir dir;
    QString path = dir.filePath("Marklow.ini");
    std::mt19937 rng(7);
    for (int round = 0; round < 20; ++round) {
        QByteArray junk;
        for (int i = 0; i < 4000; ++i)
            junk.append(static_cast<char>(rng() & 0xFF));
        if (round == 0) junk = "[Display Font]\nSize=10\n[\xff\xfe" + junk; // some sense in it
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(junk);
        }
        TAppSettings s;
        s.FontName = "DejaVu Sans";
        s.FontSize = 10;
        s.DefaultPoints = 20;
        EXPECT_TRUE(WriteSettingsFile(path, s)) << round;
        // The file now reads cleanly and holds what was written, and only that.
        QSettings ini(path, QSettings::IniFormat);
        EXPECT_EQ(ini.status(), QSettings::NoError) << round;
        EXPECT_EQ(ini.value("Display Font/Name").toString(), "DejaVu Sans");
        EXPECT_EQ(ini.value("All Grades/Default Points").toString(), "20");
        EXPECT_LE(ini.allKeys().size(), 20) << round;
    }
}

TEST(SettingsStore, AFileThatCannotBeWrittenIsStillReported) {
    QTemporaryDir dir;
    // A folder where the file should be: nothing can be written there.
    QString path = dir.filePath("Marklow.ini");
    ASSERT_TRUE(QDir().mkpath(path));
    EXPECT_FALSE(WriteSettingsFile(path, TAppSettings{}));
}
