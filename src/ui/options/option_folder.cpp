#include "option_folder.h"

#include "translations.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <exception>

namespace marklow {

QString DefaultDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString OptionFolder(const QString& dataFolder, const QString& name) {
    if (dataFolder.isEmpty()) return QString();
    const QString path = QDir(dataFolder).filePath(name);
    if (QDir().mkpath(path)) return path;
    return dataFolder;
}

QString WithSuffix(const QString& name, const QString& suffix) {
    return QFileInfo(name).suffix().isEmpty() ? name + "." + suffix : name;
}

bool RunFileAction(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const std::exception& e) {
        Prompts().Message(TMessageKind::Error, CoreText(e.what()), TButtons::Ok);
        return false;
    }
}

void ReportOptionSave(const std::string& error, const std::vector<std::string>& lostTexts) {
    if (!error.empty()) {
        Prompts().Message(TMessageKind::Error, CoreText(error), TButtons::Ok);
        return;
    }
    if (lostTexts.empty()) return;
    QString list;
    for (const auto& t : lostTexts)
        list += "\n" + QString::fromStdString(t);
    Prompts().Message(TMessageKind::Warning,
                      QCoreApplication::translate(
                          "OptionFolder",
                          "These texts hold characters that an option file cannot store; they were "
                          "saved with \"?\" in their place:") +
                          list,
                      TButtons::Ok);
}

} // namespace marklow
