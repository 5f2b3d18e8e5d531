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

// The steps of a save, in order, for tests that make one of them fail.
enum class TSaveStep { CreateTemp, Write, Sync, Close, SetAside, Backup, Replace };

struct TSaveOptions {
    // Keep the previous file as BackupPathFor(path), replacing an older backup.
    bool KeepBackup = true;
    // Test hook: returns an errno value to make that step fail as if the system had, or 0.
    std::function<int(TSaveStep)> Fault;
};

// Writes the bytes beside the target under a temporary name, checks every write, flushes to
// disk, then (with KeepBackup) moves the old file to its backup name and the new one into
// place. Returns an empty string when saved, otherwise the message; on failure the original
// file and its old backup are as they were and no temporary file is left behind.
std::string SaveFileSafely(const std::string& path, std::string_view bytes,
                           const TSaveOptions& options = {});

// The whole content of a file. Throws TFileSystemError (also for a folder, or for a file too
// large to be a gradebook).
std::string ReadFileBytes(const std::string& path);

} // namespace marklow
