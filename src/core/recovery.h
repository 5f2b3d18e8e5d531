#pragma once
// Recovery copies. While a gradebook has unsaved changes the program writes it now and then
// into a folder of its own (never beside the teacher's file), with a lock naming the process
// that owns the copy. A copy whose process is gone was left by a crash or a power cut and is
// offered back at the next start. Files: "<id>.gbd" (an ordinary gradebook file) and
// "<id>.lock" (a few "key=value" lines); the id names the process that first wrote them.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marklow {

struct TRecoveryLock {
    long long Pid = 0;
    // The owner's start time as the system counts it, so a reused pid is not taken for it.
    std::string ProcessStart;
    std::string Host;
    // The gradebook's file; empty while it was never saved.
    std::string Original;
    // The original's size and modification time when it was last opened or saved, to tell
    // whether another program has changed it since.
    std::string OriginalStamp;
    long long SavedAt = 0; // seconds since 1970 when the copy was written
    // How many changes the copy holds beyond the original; -1 when not known (older locks).
    long long Changes = -1;
};

std::string FormatRecoveryLock(const TRecoveryLock& lock);
// Nullopt for text that is not a lock (no pid, a line without "=", far too long).
std::optional<TRecoveryLock> ParseRecoveryLock(std::string_view text);

// "<pid>-<start>".
std::string RecoveryId(long long pid, std::string_view processStart);
std::string RecoveryCopyName(std::string_view id);
std::string RecoveryLockName(std::string_view id);

struct TRecoveryEntry {
    std::string Id;
    std::string CopyPath;
    std::string LockPath;
    std::optional<TRecoveryLock> Lock; // nullopt: no lock, or one that cannot be read
    long long CopyTime = 0;            // the copy's modification time, seconds since 1970
};

// Where the program keeps them: $XDG_DATA_HOME (else ~/.local/share), then
// "Brindlecraft/Marklow/recovery", as the window's per-user data folder.
std::string DefaultRecoveryFolder();

// Whether a folder may hold recovery copies. One of another user, or one that others may write
// into (group or world writable), must never be used: its copies could be read, replaced or
// planted by someone else.
enum class TFolderTrust { Usable, Missing, NotAFolder, OtherOwner, OpenToOthers };
TFolderTrust RecoveryFolderTrust(const std::string& folder);

// Every copy in the folder, newest first; an absent folder has none.
std::vector<TRecoveryEntry> ListRecoveryEntries(const std::string& folder);

// The start token of the running process with that pid; nullopt when none runs (a zombie
// counts as gone). Reads /proc; where there is none, any live pid answers an empty token.
std::optional<std::string> ProcessStartOf(long long pid);
using TProcessProbe = std::function<std::optional<std::string>(long long pid)>;

// This process: its pid, start token and host name.
struct TProcessIdentity {
    long long Pid = 0;
    std::string Start;
    std::string Host;
};
TProcessIdentity CurrentProcess();

// Whether the copy's program no longer runs, so the copy is left over. A copy without a
// readable lock belongs to nobody. A lock from another computer (a shared home folder) is
// never judged: that program may well be running.
bool IsAbandoned(const TRecoveryEntry& entry, const std::string& host, const TProcessProbe& probe);

// The name the teacher knows the gradebook by: its file's title, or "Untitled".
std::string RecoveryTitle(const TRecoveryEntry& entry);

// Makes an abandoned entry this process's own: moves its lock aside atomically (so of two
// programs starting at once only one gets it), then writes a lock naming `owner` that keeps
// the old one's original, stamp and time. False when another program took it first or the
// lock cannot be written; the entry is then left as it was.
bool ClaimRecoveryEntry(const TRecoveryEntry& entry, const TProcessIdentity& owner);

// Removes the copy, then its lock. Returns an empty string or the system's message.
std::string RemoveRecoveryEntry(const std::string& copyPath, const std::string& lockPath);

} // namespace marklow
