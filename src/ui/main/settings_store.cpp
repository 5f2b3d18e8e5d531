#include "settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace marklow {

namespace {
QString Key(const std::string& section, const std::string& entry) {
    return QString::fromStdString(section) + "/" + QString::fromStdString(entry);
}
} // namespace

std::optional<std::string> QtSettingsStore::Read(const std::string& section,
                                                 const std::string& entry) const {
    QString key = Key(section, entry);
    if (!settings_.contains(key)) return std::nullopt;
    QVariant v = settings_.value(key);
    // An unquoted value with commas comes back as a list; the entry is the whole text.
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(",").toStdString();
    return v.toString().toStdString();
}

void QtSettingsStore::Write(const std::string& section, const std::string& entry,
                            const std::string& value) {
    settings_.setValue(Key(section, entry), QString::fromStdString(value));
}

void QtSettingsStore::EraseSection(const std::string& section) {
    settings_.remove(QString::fromStdString(section));
}

std::unique_ptr<QSettings> OpenUserSettings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Brindlecraft",
                                       "Marklow");
}

bool WriteSettingsFile(const QString& path, const TAppSettings& settings) {
    auto ini = std::make_unique<QSettings>(path, QSettings::IniFormat);
    // Sections are parsed when first used: reading every key shows the damage now rather
    // than during the write.
    ini->allKeys();
    if (ini->status() == QSettings::FormatError) {
        ini.reset();
        const QString aside = path + ".damaged";
        QFile::remove(aside);
        if (!QFile::rename(path, aside)) QFile::remove(path);
        ini = std::make_unique<QSettings>(path, QSettings::IniFormat);
    }
    QtSettingsStore store(*ini);
    WriteSettings(store, settings);
    ini->sync();
    return ini->status() == QSettings::NoError;
}

bool SettingsExist() { return QFileInfo::exists(OpenUserSettings()->fileName()); }

QString LegacySettingsPath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath("MARKLW.INI");
}

bool FileExists(const std::string& path) {
    QFileInfo info(QString::fromStdString(path));
    return info.exists() && info.isFile();
}

} // namespace marklow
