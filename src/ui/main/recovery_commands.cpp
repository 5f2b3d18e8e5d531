#include "recovery_commands.h"

#include "app_settings.h"
#include "gradebook.h"
#include "gradebook_document.h"
#include "gradebook_file.h"
#include "lifecycle.h"
#include "main_window.h"
#include "prompts.h"
#include "safe_save.h"
#include "translations.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <ctime>

namespace marklow {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

void ShowMessage(TMessageKind kind, const QString& text) {
    Prompts().Message(kind, text, TButtons::Ok);
}

} // namespace

TRecoveryCommands::TRecoveryCommands(TSDIAppForm& form, TDocumentLifecycle& lifecycle,
                                     QString folder)
    : QObject(&form), form_(form), lifecycle_(lifecycle),
      folder_(folder.isEmpty() ? DefaultRecoveryFolder() : std::move(folder)),
      me_(CurrentProcess()), id_(RecoveryId(me_.Pid, me_.Start)) {
    TGradebookDocument& doc = form.Document();
    // Every kind of change: typing (per keystroke), commands, undo and redo.
    connect(&doc, &TGradebookDocument::cellChanged, this, &TRecoveryCommands::Changed);
    for (auto signal : {&TGradebookDocument::shapeChanged, &TGradebookDocument::averagesChanged,
                        &TGradebookDocument::modeChanged, &TGradebookDocument::switchesChanged,
                        &TGradebookDocument::undoRedoChanged})
        connect(&doc, signal, this, &TRecoveryCommands::Changed);
    connect(&doc, &TGradebookDocument::modifiedChanged, this, &TRecoveryCommands::ModifiedChanged);
    connect(&form, &TSDIAppForm::recoverySecondsChanged, this, &TRecoveryCommands::SetInterval);
    connect(&timer_, &QTimer::timeout, this, &TRecoveryCommands::WriteRecoveryCopy);
    stamp_ = StampOf(doc.FilePath());
    SetInterval(form.RecoverySeconds());
}

TRecoveryCommands::~TRecoveryCommands() {
    WaitForWrite();
}

QString TRecoveryCommands::DefaultRecoveryFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    return QDir(data.isEmpty() ? QDir::homePath() : data).filePath("recovery");
}

QString TRecoveryCommands::CopyPath() const {
    return QDir(folder_).filePath(Q(RecoveryCopyName(id_)));
}

QString TRecoveryCommands::LockPath() const {
    return QDir(folder_).filePath(Q(RecoveryLockName(id_)));
}

std::string TRecoveryCommands::LastError() const {
    std::lock_guard<std::mutex> guard(errorMutex_);
    return lastError_;
}

void TRecoveryCommands::SetInterval(int seconds) {
    seconds = std::clamp(seconds, 0, kMaxRecoverySeconds);
    if (seconds == 0) {
        timer_.stop();
        return;
    }
    timer_.start(seconds * 1000);
}

void TRecoveryCommands::Changed() {
    dirty_ = true;
}

void TRecoveryCommands::ModifiedChanged(bool modified) {
    if (modified) {
        // The first change since the file was opened or saved: the file is as it was then.
        stamp_ = StampOf(form_.Document().FilePath());
        dirty_ = true;
        return;
    }
    // Saved, opened, new, or undone back to the file: nothing left to recover.
    RemoveOwnCopy();
    dirty_ = false;
    stamp_ = StampOf(form_.Document().FilePath());
}

void TRecoveryCommands::WaitForWrite() {
    if (worker_.joinable()) worker_.join();
}

void TRecoveryCommands::RemoveOwnCopy() {
    WaitForWrite(); // a write finishing later would leave a copy of saved work behind
    const std::string error =
        RemoveRecoveryEntry(CopyPath().toStdString(), LockPath().toStdString());
    if (!error.empty()) {
        std::lock_guard<std::mutex> guard(errorMutex_);
        lastError_ = error;
    }
}

void TRecoveryCommands::Finish() {
    timer_.stop();
    RemoveOwnCopy();
}

void TRecoveryCommands::WriteRecoveryCopy() {
    TGradebookDocument& doc = form_.Document();
    if (!dirty_ || !doc.IsModified() || doc.Busy()) return;
    if (writing_) return; // the disk is slow: the next tick writes the newer state
    WaitForWrite();
    // The cell being typed into is already in the gradebook; no commit, so undo is unchanged.
    std::string bytes;
    try {
        bytes = WriteGradebook(doc.Gradebook());
    } catch (const TFileWriteError& e) {
        std::lock_guard<std::mutex> guard(errorMutex_);
        lastError_ = e.what();
        return;
    }
    dirty_ = false;
    TRecoveryLock lock;
    lock.Pid = me_.Pid;
    lock.ProcessStart = me_.Start;
    lock.Host = me_.Host;
    lock.Original = doc.FilePath().toStdString();
    lock.OriginalStamp = stamp_;
    lock.SavedAt = static_cast<long long>(std::time(nullptr));
    // Only the owner may read a copy of someone's class.
    if (!QDir().mkpath(folder_)) {
        std::lock_guard<std::mutex> guard(errorMutex_);
        lastError_ = tr("%1: the folder cannot be created").arg(folder_).toStdString();
        dirty_ = true;
        return;
    }
    QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    writing_ = true;
    worker_ = std::thread([this, bytes = std::move(bytes), lockText = FormatRecoveryLock(lock),
                           copy = CopyPath().toStdString(), lockPath = LockPath().toStdString()] {
        TSaveOptions options;
        options.KeepBackup = false;
        // The lock first: a copy is never without its owner and its original's name.
        std::string error = SaveFileSafely(lockPath, lockText, options);
        if (error.empty()) error = SaveFileSafely(copy, bytes, options);
        {
            std::lock_guard<std::mutex> guard(errorMutex_);
            lastError_ = error;
        }
        writing_ = false;
    });
}

std::string TRecoveryCommands::StampOf(const QString& path) {
    if (path.isEmpty()) return {};
    QFileInfo info(path);
    if (!info.exists()) return {};
    return std::to_string(info.size()) + ":" +
           std::to_string(info.lastModified().toMSecsSinceEpoch());
}

void TRecoveryCommands::OfferRecovery() {
    for (const TRecoveryEntry& entry : ListRecoveryEntries(folder_.toStdString())) {
        if (entry.Id == id_) continue;
        if (!IsAbandoned(entry, me_.Host, ProcessStartOf)) continue; // another program's
        // Ours from here on, so a second program starting now does not offer it too.
        if (!ClaimRecoveryEntry(entry, me_)) continue;
        if (Offer(entry)) break;
    }
}

// The name the teacher knows the gradebook by, in the window's language.
QString TRecoveryCommands::TitleOf(const TRecoveryEntry& entry) {
    if (!entry.Lock || entry.Lock->Original.empty()) return TGradebookDocument::tr("Untitled");
    return Q(RecoveryTitle(entry));
}

bool TRecoveryCommands::Offer(const TRecoveryEntry& entry) {
    const QString name = TitleOf(entry);
    QString text =
        tr("Marklow was not closed properly. Recover the unsaved changes to %1?").arg(name);
    if (entry.Lock && !entry.Lock->Original.empty()) {
        const QString original = Q(entry.Lock->Original);
        const std::string now = StampOf(original);
        if (!QFileInfo::exists(original))
            text += "\n\n" + tr("\"%1\" no longer exists; Save writes it again.").arg(original);
        else if (now != entry.Lock->OriginalStamp)
            text += "\n\n" + tr("\"%1\" has been changed since. Save replaces it and keeps "
                                "that version as its backup.")
                                 .arg(original);
    }
    switch (Prompts().Message(TMessageKind::Confirmation, text, TButtons::RecoverDiscardLater)) {
    case TAnswer::Recover:
        return Recover(entry);
    case TAnswer::Discard: {
        const std::string error = RemoveRecoveryEntry(entry.CopyPath, entry.LockPath);
        if (!error.empty()) ShowMessage(TMessageKind::Error, CoreText(error));
        return false;
    }
    default:
        return false; // Later: kept, and offered again at the next start
    }
}

bool TRecoveryCommands::Recover(const TRecoveryEntry& entry) {
    const QString copy = Q(entry.CopyPath);
    const QString name = TitleOf(entry);
    const QString kept = "\n" + tr("The copy of the changes is kept as \"%1\".").arg(copy);
    // Read once on the side first: a damaged copy must not half-replace the open gradebook.
    try {
        TGradebook scratch;
        ReadGradebook(ReadFileBytes(entry.CopyPath), scratch,
                      [](const std::string&) { return true; });
    } catch (const std::runtime_error& e) {
        ShowMessage(
            TMessageKind::Error,
            tr("The unsaved changes to %1 cannot be read: %2").arg(name, CoreText(e.what())) +
                kept);
        return false;
    }
    TGradebookDocument& doc = form_.Document();
    if (!lifecycle_.OpenGradebook(copy)) {
        ShowMessage(TMessageKind::Information,
                    tr("The unsaved changes to %1 were not opened; Marklow offers them again "
                       "at its next start.")
                            .arg(name) +
                        kept);
        return false;
    }
    // The copy is no file of the teacher's: it leaves the history, and Save writes the original.
    auto& history = lifecycle_.Settings().History;
    const std::string opened = QFileInfo(copy).absoluteFilePath().toStdString();
    history.erase(std::remove(history.begin(), history.end(), opened), history.end());
    const std::string original = entry.Lock ? entry.Lock->Original : std::string();
    lifecycle_.SetCurrentFile(Q(original));
    // Its files are this program's copy from now on; the next change rewrites them.
    RemoveOwnCopy();
    id_ = entry.Id;
    doc.MarkModified();
    // Still the version the changes were made to, so a later crash warns again.
    stamp_ = entry.Lock ? entry.Lock->OriginalStamp : std::string();
    dirty_ = false;
    return true;
}

} // namespace marklow
