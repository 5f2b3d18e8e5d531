#pragma once
// The preferences' home: a per-user INI file through QSettings, with one section per
// group of entries, and the older "MARKLW.INI" beside the program, read only.

#include "app_settings.h"

#include <QSettings>
#include <QString>

#include <memory>

namespace marklow {

class QtSettingsStore final : public TSettingsStore {
public:
    explicit QtSettingsStore(QSettings& settings) : settings_(settings) {}
    std::optional<std::string> Read(const std::string& section,
                                    const std::string& entry) const override;
    void Write(const std::string& section, const std::string& entry,
               const std::string& value) override;
    void EraseSection(const std::string& section) override;

private:
    QSettings& settings_;
};

// The user's preferences file (~/.config/Brindlecraft/Marklow.ini).
std::unique_ptr<QSettings> OpenUserSettings();

// Writes every entry to the INI file at path and returns whether the file now holds them.
// A file that is not an INI file (random bytes) is set aside as path + ".damaged" first and
// written afresh: QSettings parses the file while writing and keeps the first error it met,
// so the damage would read as a failed write, and what it made of the damage would be
// written back.
bool WriteSettingsFile(const QString& path, const TAppSettings& settings);
// True when the user's preferences file exists.
bool SettingsExist();
// "MARKLW.INI" in the program's folder.
QString LegacySettingsPath();

bool FileExists(const std::string& path);

} // namespace marklow
