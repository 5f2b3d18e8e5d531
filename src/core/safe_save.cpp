#include "safe_save.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace marklow {

namespace {

namespace fs = std::filesystem;

// Far beyond any real gradebook; keeps a device or a runaway file from filling memory.
constexpr size_t kMaxFileBytes = size_t{512} << 20;

std::string Message(const std::string& path, int err) {
    return path + ": " + std::strerror(err);
}

int Inject(const TSaveOptions& o, TSaveStep step) {
    return o.Fault ? o.Fault(step) : 0;
}

// A name beside the target that no other save of this process or another one uses.
std::string UniqueName(const fs::path& dir, const std::string& base, const char* what) {
    static unsigned counter = 0;
    std::string name =
        "." + base + "." + what + "-" + std::to_string(getpid()) + "-" + std::to_string(++counter);
    return (dir / name).string();
}

bool WriteAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

// Renames are made durable by flushing the folder; not every file system can, and the data
// itself is already on disk, so a failure here is not reported.
void SyncFolder(const fs::path& dir) {
    int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// 0 when the path does not exist, else its stat mode; -1 with errno for other failures.
int StatMode(const std::string& path, mode_t& mode) {
    struct stat st;
    if (::stat(path.c_str(), &st) == 0) {
        mode = st.st_mode;
        return 1;
    }
    return errno == ENOENT ? 0 : -1;
}

} // namespace

std::string BackupPathFor(const std::string& path) {
    fs::path p(path);
    fs::path name = p.stem();
    name += ".Backup";
    name += p.extension();
    return (p.parent_path() / name).string();
}

std::string SaveFileSafely(const std::string& path, std::string_view bytes,
                           const TSaveOptions& options) {
    fs::path target(path);
    fs::path dir = target.parent_path();
    if (dir.empty()) dir = ".";
    std::string base = target.filename().string();

    mode_t mode = 0;
    int exists = StatMode(path, mode);
    if (exists < 0) return Message(path, errno);
    if (exists && !S_ISREG(mode)) return Message(path, S_ISDIR(mode) ? EISDIR : EINVAL);
    std::string backup = options.KeepBackup ? BackupPathFor(path) : std::string();
    mode_t backupMode = 0;
    int hasBackup = exists && options.KeepBackup ? StatMode(backup, backupMode) : 0;
    if (hasBackup < 0) return Message(backup, errno);
    if (hasBackup && !S_ISREG(backupMode)) return Message(backup, EISDIR);

    // 1. The new content under a temporary name, written and flushed completely.
    std::string temp;
    int fd = -1;
    int err = Inject(options, TSaveStep::CreateTemp);
    for (int attempt = 0; !err && fd < 0; ++attempt) {
        temp = UniqueName(dir, base, "saving");
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && (errno != EEXIST || attempt > 100)) err = errno;
    }
    if (err) return Message(path, err);
    // The new file keeps the permissions the teacher gave the old one.
    if (exists) (void)::fchmod(fd, mode & 07777);

    err = Inject(options, TSaveStep::Write);
    if (!err && !WriteAll(fd, bytes)) err = errno;
    if (!err) err = Inject(options, TSaveStep::Sync);
    if (!err && ::fsync(fd) != 0) err = errno;
    int closeErr = Inject(options, TSaveStep::Close);
    if (::close(fd) != 0 && !closeErr) closeErr = errno;
    if (!err) err = closeErr;
    if (err) {
        ::unlink(temp.c_str());
        return Message(path, err);
    }

    // 2. The old backup aside, the old file to the backup name, the new file into place; each
    // step undoes the ones before it when it fails.
    std::string aside;
    if (hasBackup) {
        aside = UniqueName(dir, base, "old-backup");
        err = Inject(options, TSaveStep::SetAside);
        if (!err && ::rename(backup.c_str(), aside.c_str()) != 0) err = errno;
        if (err) {
            ::unlink(temp.c_str());
            return Message(backup, err);
        }
    }
    auto restoreBackup = [&] {
        if (hasBackup) ::rename(aside.c_str(), backup.c_str());
    };
    bool backedUp = false;
    if (exists && options.KeepBackup) {
        err = Inject(options, TSaveStep::Backup);
        if (!err && ::rename(path.c_str(), backup.c_str()) != 0) err = errno;
        if (err) {
            restoreBackup();
            ::unlink(temp.c_str());
            return Message(backup, err);
        }
        backedUp = true;
    }
    err = Inject(options, TSaveStep::Replace);
    if (!err && ::rename(temp.c_str(), path.c_str()) != 0) err = errno;
    if (err) {
        if (backedUp) ::rename(backup.c_str(), path.c_str());
        restoreBackup();
        ::unlink(temp.c_str());
        return Message(path, err);
    }
    if (hasBackup) ::unlink(aside.c_str());
    SyncFolder(dir);
    return {};
}

std::string ReadFileBytes(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw TFileSystemError(Message(path, errno));
    auto fail = [&](std::string message) {
        ::close(fd);
        throw TFileSystemError(std::move(message));
    };
    struct stat st;
    if (::fstat(fd, &st) != 0) fail(Message(path, errno));
    if (S_ISDIR(st.st_mode)) fail(Message(path, EISDIR));
    size_t expected = S_ISREG(st.st_mode) ? static_cast<size_t>(st.st_size) : 0;
    std::string bytes(std::min(expected, kMaxFileBytes) + 1, '\0');
    size_t size = 0;
    for (;;) {
        if (size == bytes.size()) {
            if (size > kMaxFileBytes) fail(path + ": File is too large");
            bytes.resize(std::min(std::max<size_t>(size * 2, 1 << 16), kMaxFileBytes + 1));
        }
        ssize_t n = ::read(fd, bytes.data() + size, bytes.size() - size);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(Message(path, errno));
        }
        if (n == 0) break;
        size += static_cast<size_t>(n);
    }
    if (size > kMaxFileBytes) fail(path + ": File is too large");
    ::close(fd);
    bytes.resize(size);
    return bytes;
}

} // namespace marklow
