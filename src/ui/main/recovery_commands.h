#pragma once
// Recovery copies of unsaved changes: while the gradebook has changes that are neither saved
// nor yet copied, a timer writes it (the cell being typed into included) into the per-user
// recovery folder, never beside the teacher's file. The bytes are made on the window's thread
// and written to disk by a worker, so typing does not wait for the disk. Saving, or leaving
// the changes on purpose (New, Open, exit after "No"), removes the copy. At start every copy
// whose program is no longer running is offered back: Recover, Discard or Later.

#include "recovery.h"
#include "safe_save.h"

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace marklow {

class TDocumentLifecycle;
class TSDIAppForm;

class TRecoveryCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TRecoveryCommands)
public:
    // folder empty: DefaultRecoveryFolder().
    TRecoveryCommands(TSDIAppForm& form, TDocumentLifecycle& lifecycle, QString folder = {});
    ~TRecoveryCommands() override; // waits for a write under way; leaves the copy

    // The per-user state folder's "recovery" (~/.local/share/Brindlecraft/Marklow/recovery).
    static QString DefaultRecoveryFolder();
    const QString& Folder() const { return folder_; }
    // This program's copy and its lock.
    QString CopyPath() const;
    QString LockPath() const;

    // At start: asks about each copy left by a program that no longer runs, newest first.
    // After one is recovered the others wait for the next start.
    void OfferRecovery();
    // The timer's work: writes the copy when there are unsaved changes not yet copied.
    void WriteRecoveryCopy();
    // Blocks until the worker has finished the write under way.
    void WaitForWrite();
    // An orderly exit: the teacher saved or chose not to, so this program's copy goes.
    void Finish();

    QTimer& Timer() { return timer_; }
    // The last write's failure, empty when it worked; the copy is tried again at the next tick.
    std::string LastError() const;
    // What the status bar tells the teacher about recovery copies: why none are being made,
    // or empty while they are. It is set when the trouble begins, not at every tick.
    QString Notice() const;
    // Test hook: makes a step of writing the file at that path fail with an errno value.
    using TWriteFault = std::function<int(const std::string& path, TSaveStep step)>;
    void SetWriteFault(TWriteFault fault) { fault_ = std::move(fault); }

private:
    void SetInterval(int seconds);
    // Whether copies may go into the folder: it exists or was made, is this user's and is
    // closed to others. Says why not in the status bar.
    bool FolderUsable();
    // On the window's thread once a write has ended: says a failure, or that it is over.
    void ReportWrite();
    void SetNotice(const QString& text, const QString& detail = {});
    QString UntrustedText(TFolderTrust trust) const;
    void JoinWorker();
    // Changes the copy holds beyond the file, -1 when the history cannot tell.
    long long ChangeCount() const;
    void Changed();
    void ModifiedChanged(bool modified);
    void RemoveOwnCopy();
    // Answers whether the teacher recovered it (the offers then stop).
    bool Offer(const TRecoveryEntry& entry);
    static QString TitleOf(const TRecoveryEntry& entry);
    bool Recover(const TRecoveryEntry& entry);
    // The original's size and time, to tell later whether someone else has changed it.
    static std::string StampOf(const QString& path);

    TSDIAppForm& form_;
    TDocumentLifecycle& lifecycle_;
    QString folder_;
    TProcessIdentity me_;
    std::string id_;    // whose files this program writes: its own, or a recovered one
    std::string stamp_; // the original's stamp when the gradebook last equalled it
    bool dirty_ = false;
    long long baseChanges_ = 0; // a recovered copy's changes, under the history's own
    QTimer timer_;
    QPointer<QLabel> notice_;
    TWriteFault fault_;
    std::thread worker_;
    std::atomic<bool> writing_{false};
    mutable std::mutex errorMutex_;
    std::string lastError_;
    std::string writtenLock_; // the lock beside the copy on disk, empty while there is none
};

} // namespace marklow
