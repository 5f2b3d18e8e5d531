#include "help_files.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace marklow {

namespace {

// The copy is current when its documentation has the installed one's size and time.
bool SameFile(const QFileInfo& a, const QFileInfo& b) {
    return a.exists() && b.exists() && a.size() == b.size() && a.lastModified() == b.lastModified();
}

bool CopyKeepingTime(const QString& from, const QString& to, QString* error) {
    QFile::remove(to);
    if (!QFile::copy(from, to)) {
        if (error)
            *error = QCoreApplication::translate("Help", "Cannot copy %1 to %2").arg(from, to);
        return false;
    }
    QFile copy(to);
    // An installed file is read-only; the engine must write its copy.
    copy.setPermissions(copy.permissions() | QFileDevice::WriteOwner);
    if (copy.open(QIODevice::ReadWrite))
        copy.setFileTime(QFileInfo(from).lastModified(), QFileDevice::FileModificationTime);
    return true;
}

} // namespace

QString HelpLanguageFolder(const QString& language) {
    // The code comes from the settings file: nothing but a plain code may become a path.
    static const QRegularExpression code("^[a-z]{2,3}$");
    if (language == QLatin1String("en") || !code.match(language).hasMatch()) return {};
    return language;
}

QStringList HelpCollectionCandidates(const QString& programFolder, const QString& language) {
    const QString folder = HelpLanguageFolder(language);
    const QString name = (folder.isEmpty() ? QString() : folder + '/') + kHelpCollectionName;
    QStringList places;
    const QString exe =
        programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder;
    if (!exe.isEmpty()) places << QDir::cleanPath(exe + "/../share/marklow/help/" + name);
#ifdef MARKLOW_BUILD_HELP_DIR
    places << QDir::cleanPath(QStringLiteral(MARKLOW_BUILD_HELP_DIR "/") + name);
#endif
    return places;
}

QString FindHelpCollection(const QString& language, QString* found, const QString& programFolder) {
    const QString folder = HelpLanguageFolder(language);
    QStringList languages;
    if (!folder.isEmpty()) languages << folder;
    languages << QStringLiteral("en");
    for (const QString& l : languages)
        for (const QString& place : HelpCollectionCandidates(programFolder, l))
            if (QFileInfo::exists(place)) {
                if (found) *found = l;
                return place;
            }
    if (found) *found = QStringLiteral("en");
    return {};
}

QString UserHelpFolder(const QString& language, const QString& base) {
    const QString folder = HelpLanguageFolder(language);
    const QString root =
        base.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + "/help"
                       : base;
    return folder.isEmpty() ? root : root + '/' + folder;
}

QString PrepareUserCollection(const QString& collection, const QString& userFolder,
                              QString* error) {
    const QFileInfo source(collection);
    const QFileInfo documentation(source.dir().filePath(kHelpDocumentationName));
    if (!source.exists() || !documentation.exists()) {
        if (error)
            *error = QCoreApplication::translate("Help", "The help files are missing: %1")
                         .arg(collection);
        return {};
    }
    QDir folder(userFolder);
    const QString qhc = folder.filePath(kHelpCollectionName);
    const QString qch = folder.filePath(kHelpDocumentationName);
    if (SameFile(QFileInfo(qch), documentation) && QFileInfo::exists(qhc)) return qhc;

    // Other help: start afresh, the search index (".marklow" beside the collection) included.
    QFile::remove(qch);
    QFile::remove(qhc);
    QDir(folder.filePath(".marklow")).removeRecursively();
    if (!QDir().mkpath(userFolder)) {
        if (error)
            *error =
                QCoreApplication::translate("Help", "Cannot create the folder %1").arg(userFolder);
        return {};
    }
    // The documentation last, so a copy cut short is made again next time.
    if (!CopyKeepingTime(source.absoluteFilePath(), qhc, error) ||
        !CopyKeepingTime(documentation.absoluteFilePath(), qch, error))
        return {};
    return qhc;
}

} // namespace marklow
