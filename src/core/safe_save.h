#pragma once
// Saving a file so that a failure can never cost the teacher the file already on disk, and
// reading a whole file. Both report the system's message instead of throwing raw errno.

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace marklow {

// A file that cannot be opened or read; the message names the file and the system's reason.
class TFileSystemError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "period1.gbd" gives "period1.Backup.gbd", "notes" gives "notes.Backup"; the folder stays.
std::string BackupPathFor(const std::string& path);

// The steps of a save, in the order they happen, for tests that make one of them fail or end
// the process there. Link, Copy and Exchange are the three ways of keeping the old file as the
// backup, each tried only when the one before it failed; Exchange also replaces the file.
enum class TSaveStep { CreateTemp, Write, Sync, Close, Link, Copy, Exchange, Replace, Backup };

struct TSaveOptions {
    // Keep the previous file as BackupPathFor(path), replacing an older backup.
    bool KeepBackup = true;
    // Test hook: returns an errno value to make that step fail as if the system had, or 0.
    std::function<int(TSaveStep)> Fault;
    // A symbolic link at the path: true saves into the file it ends at (its backup beside
    // that file), as editors do; false refuses to write through it, for files written where
    // someone else may have put a link. Last, so that {KeepBackup, Fault} keeps its meaning.
    bool FollowLinks = true;
};

// Writes the bytes beside the target under a temporary name, checks every write and flushes
// to disk. With KeepBackup the old file then gets a second name (a hard link, else a copy),
// the new file is renamed over the target in one step and the second name becomes the
// backup, so the target always holds the old or the new file whole. Where neither a link nor
// a copy can be made, the new file and the old one exchange names in one step and the old
// one is then renamed to the backup; where the folder cannot do that either, nothing is saved.
// An existing file without write permission is refused, not replaced.
// Temporaries of this same file left by an earlier save that was killed are removed first.
// Returns an empty string when saved, otherwise the message; on failure the original file and
// its old backup are as they were and no temporary file is left behind.
std::string SaveFileSafely(const std::string& path, std::string_view bytes,
                           const TSaveOptions& options = {});

// The refusals of a save, for writers that look before they write.
std::string ReadOnlyMessage(const std::string& path);
std::string LinkRefusedMessage(const std::string& path);

// Whether `name` is one of the hidden temporaries a save of the file `base` (a name without
// folder) makes: "." base "." kind "-" pid "-" counter. Sets *pid when it is.
bool IsSaveTemporary(std::string_view name, std::string_view base, long* pid = nullptr);

// The whole content of a regular file. Anything else (a folder, a named pipe, a device) and a
// file too large to be a gradebook throw TFileSystemError at once, before any byte is read:
// the type is looked at before opening and again, without blocking, on what was opened.
std::string ReadFileBytes(const std::string& path);

} // namespace marklow
