#include "help_files.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

QStringList HelpCollectionCandidates(const QString& programFolder) {
    QStringList places;
    const QString exe =
        programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder;
    if (!exe.isEmpty())
        places << QDir::cleanPath(exe + "/../share/marklow/help/" + kHelpCollectionName);
#ifdef MARKLOW_BUILD_HELP_DIR
    places << QDir::cleanPath(QStringLiteral(MARKLOW_BUILD_HELP_DIR "/") + kHelpCollectionName);
#endif
    return places;
}

QString FindHelpCollection() {
    for (const QString& place : HelpCollectionCandidates())
        if (QFileInfo::exists(place)) return place;
    return {};
}

QString UserHelpFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + "/help";
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
