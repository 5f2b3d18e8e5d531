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
#include <QLocale>
#include <QStandardPaths>
#include <QStatusBar>
#include <QUndoStack>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>

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
    // Trouble with the copies stays in view until it is over, without asking anything.
    auto* notice = new QLabel(form.StatusBar1);
    notice->setObjectName("RecoveryNotice");
    notice->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    notice->setMinimumWidth(0);
    notice->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    notice->setAccessibleName(tr("Recovery copies"));
    notice->hide();
    form.StatusBar1->addPermanentWidget(notice, 1);
    notice_ = notice;
}

TRecoveryCommands::~TRecoveryCommands() {
    JoinWorker();
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

QString TRecoveryCommands::Notice() const {
    return notice_ && !notice_->isHidden() ? notice_->text() : QString();
}

void TRecoveryCommands::SetNotice(const QString& text, const QString& detail) {
    if (!notice_ || text == Notice()) return; // said once, not at every tick
    notice_->setText(text);
    notice_->setToolTip(detail.isEmpty() ? text : detail);
    notice_->setHidden(text.isEmpty());
}

QString TRecoveryCommands::UntrustedText(TFolderTrust trust) const {
    switch (trust) {
    case TFolderTrust::OtherOwner:
        return tr("No recovery copies are made: the folder %1 belongs to another user.")
            .arg(folder_);
    case TFolderTrust::OpenToOthers:
        return tr("No recovery copies are made: other users may write into the folder %1.")
            .arg(folder_);
    default:
        return tr("No recovery copies are made: %1 is not a folder.").arg(folder_);
    }
}

long long TRecoveryCommands::ChangeCount() const {
    TGradebookDocument& doc = form_.Document();
    const QUndoStack& stack = doc.UndoStack();
    // Below the clean index the steps were undone; a clean index gone means the history no
    // longer reaches the file.
    if (baseChanges_ < 0 || stack.cleanIndex() < 0) return -1;
    long long n = std::abs(stack.index() - stack.cleanIndex()) + (doc.HasPendingEdit() ? 1 : 0);
    if (n == 0 && baseChanges_ == 0) return -1; // modified outside the history
    return baseChanges_ + n;
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
    baseChanges_ = 0;
    stamp_ = StampOf(form_.Document().FilePath());
}

void TRecoveryCommands::JoinWorker() {
    if (worker_.joinable()) worker_.join();
}

void TRecoveryCommands::WaitForWrite() {
    const bool wrote = worker_.joinable();
    JoinWorker();
    if (wrote) ReportWrite();
}

void TRecoveryCommands::ReportWrite() {
    if (writing_) return; // the worker's own report follows
    const std::string error = LastError();
    if (error.empty()) {
        SetNotice({});
        return;
    }
    dirty_ = true; // tried again at the next tick
    // The system's reason in the bar, where a long path would hide it; the path in the tip.
    const QString full = CoreText(error);
    const qsizetype cut = full.lastIndexOf(QStringLiteral(": "));
    const QString reason = cut < 0 ? full : full.mid(cut + 2);
    SetNotice(tr("Recovery copies cannot be written: %1").arg(reason),
              tr("Recovery copies cannot be written: %1").arg(full));
}

bool TRecoveryCommands::FolderUsable() {
    const std::string folder = folder_.toStdString();
    TFolderTrust trust = RecoveryFolderTrust(folder);
    if (trust == TFolderTrust::Missing) {
        if (!QDir().mkpath(folder_)) {
            const QString error = tr("%1: the folder cannot be created").arg(folder_);
            {
                std::lock_guard<std::mutex> guard(errorMutex_);
                lastError_ = error.toStdString();
            }
            SetNotice(tr("Recovery copies cannot be written: %1").arg(error));
            return false;
        }
        // Only the owner may read a copy of someone's class, whatever the umask made.
        QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        trust = RecoveryFolderTrust(folder);
    }
    if (trust != TFolderTrust::Usable) {
        SetNotice(UntrustedText(trust));
        return false;
    }
    return true;
}

void TRecoveryCommands::RemoveOwnCopy() {
    WaitForWrite(); // a write finishing later would leave a copy of saved work behind
    const std::string error =
        RemoveRecoveryEntry(CopyPath().toStdString(), LockPath().toStdString());
    std::lock_guard<std::mutex> guard(errorMutex_);
    if (!error.empty()) lastError_ = error;
    writtenLock_.clear();
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
    if (!FolderUsable()) return; // said in the status bar; looked at again at the next tick
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
    lock.Changes = ChangeCount();
    std::string previousLock;
    {
        std::lock_guard<std::mutex> guard(errorMutex_);
        previousLock = writtenLock_;
    }
    writing_ = true;
    worker_ = std::thread([this, bytes = std::move(bytes), lockText = FormatRecoveryLock(lock),
                           previousLock = std::move(previousLock), fault = fault_,
                           copy = CopyPath().toStdString(), lockPath = LockPath().toStdString()] {
        auto options = [&fault](const std::string& path) {
            TSaveOptions o;
            o.KeepBackup = false;
            if (fault) o.Fault = [&fault, path](TSaveStep step) { return fault(path, step); };
            return o;
        };
        // The lock first: a copy is never without its owner and its original's name.
        std::string error = SaveFileSafely(lockPath, lockText, options(lockPath));
        std::string written = previousLock;
        if (error.empty()) {
            written = lockText;
            error = SaveFileSafely(copy, bytes, options(copy));
            if (!error.empty()) {
                // Nor is a lock ever without its copy: an older copy gets its own lock back
                // (or keeps the new one, which still names its owner); none, and it goes.
                std::error_code ec;
                if (previousLock.empty() || !std::filesystem::exists(copy, ec)) {
                    std::filesystem::remove(lockPath, ec);
                    written.clear();
                } else if (SaveFileSafely(lockPath, previousLock, options(lockPath)).empty()) {
                    written = previousLock;
                }
            }
        }
        {
            std::lock_guard<std::mutex> guard(errorMutex_);
            lastError_ = error;
            writtenLock_ = written;
        }
        writing_ = false;
        QMetaObject::invokeMethod(
            this, [this] { ReportWrite(); }, Qt::QueuedConnection);
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
    // A folder others can write into may hold a copy planted there: none is offered.
    const TFolderTrust trust = RecoveryFolderTrust(folder_.toStdString());
    if (trust == TFolderTrust::Missing) return;
    if (trust != TFolderTrust::Usable) {
        SetNotice(UntrustedText(trust));
        return;
    }
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
    // When each was made, so the teacher can choose between the copy and the saved file.
    const QLocale locale;
    auto when = [&](long long seconds) {
        return locale.toString(QDateTime::fromSecsSinceEpoch(seconds), QLocale::ShortFormat);
    };
    const bool hasOriginal = entry.Lock && !entry.Lock->Original.empty();
    const long long made = entry.CopyTime > 0 ? entry.CopyTime
                           : entry.Lock       ? entry.Lock->SavedAt
                                              : 0;
    QString about;
    if (made > 0) about = tr("The copy was made on %1.").arg(when(made));
    const long long changes = entry.Lock ? entry.Lock->Changes : -1;
    if (changes >= 0) {
        QString count;
        if (hasOriginal)
            count = changes == 1 ? tr("It holds 1 change beyond the saved file.")
                                 : tr("It holds %1 changes beyond the saved file.").arg(changes);
        else
            count =
                changes == 1 ? tr("It holds 1 change.") : tr("It holds %1 changes.").arg(changes);
        about += (about.isEmpty() ? QString() : QStringLiteral(" ")) + count;
    }
    if (hasOriginal && QFileInfo::exists(Q(entry.Lock->Original)))
        about +=
            (about.isEmpty() ? QString() : QStringLiteral("\n")) +
            tr("The saved file was last changed on %1.")
                .arg(when(QFileInfo(Q(entry.Lock->Original)).lastModified().toSecsSinceEpoch()));
    if (!about.isEmpty()) text += "\n\n" + about;
    if (hasOriginal) {
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
    try {
        const std::string claimed = ReadFileBytes(entry.LockPath);
        std::lock_guard<std::mutex> guard(errorMutex_);
        writtenLock_ = claimed;
    } catch (const TFileSystemError&) {
    }
    doc.MarkModified();
    baseChanges_ = entry.Lock ? entry.Lock->Changes : -1;
    // Still the version the changes were made to, so a later crash warns again.
    stamp_ = entry.Lock ? entry.Lock->OriginalStamp : std::string();
    dirty_ = false;
    return true;
}

} // namespace marklow
