#include "safe_save.h"

#include "messages.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace marklow {

namespace {

namespace fs = std::filesystem;

// Far beyond any real gradebook; keeps a device or a runaway file from filling memory.
constexpr size_t kMaxFileBytes = size_t{512} << 20;

constexpr std::string_view kReadOnly =
    "%1: The file is read-only, so it was not saved. Save it under another name, or make it "
    "writable first.";
constexpr std::string_view kLinkRefused =
    "%1: Is a symbolic link, and exports and printouts are never written through one. Name the "
    "file it points to.";
constexpr std::string_view kNoBackup =
    "%1: Not saved: the old file cannot be kept as the backup, because there is no room for "
    "a copy of it (%2) and this folder cannot give it a second name. Free some space, or save "
    "under another name.";

std::string Message(const std::string& path, int err) {
    return path + ": " + std::strerror(err);
}

int Inject(const TSaveOptions& o, TSaveStep step) {
    return o.Fault ? o.Fault(step) : 0;
}

// A name beside the target that no other save of this process or another one uses.
std::string UniqueName(const fs::path& dir, const std::string& base, const char* what) {
    // Recovery copies are written from a worker thread while the window may save.
    static std::atomic<unsigned> counter = 0;
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

// The kinds of temporaries a save makes; "old-backup" only earlier versions of the program.
constexpr std::string_view kTempKinds[] = {"saving", "backup", "old-backup"};

bool AllDigits(std::string_view s) {
    return !s.empty() && s.size() < 19 &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Another process that is still running may be saving the same file this moment.
bool OtherLiveProcess(long pid) {
    if (pid == static_cast<long>(getpid())) return false;
    return pid > 0 && pid <= INT_MAX && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// What earlier saves of this file left behind when they were killed: they hold nothing the
// target and its backup (which the save replaces) do not, and can be as large as the class.
void RemoveStaleTemporaries(const fs::path& dir, const std::string& base) {
    std::error_code ec;
    std::vector<fs::path> stale;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        long pid = 0;
        if (IsSaveTemporary(it->path().filename().string(), base, &pid) && !OtherLiveProcess(pid))
            stale.push_back(it->path());
    }
    for (const fs::path& p : stale) {
        struct stat st;
        if (::lstat(p.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(p.c_str());
    }
}

// Creates a fresh temporary of `kind` beside the target through `make`, which returns 0 or an
// errno value; a name already taken is never reused.
int MakeUnique(const fs::path& dir, const std::string& base, const char* kind, std::string& name,
               const std::function<int(const std::string&)>& make) {
    for (int attempt = 0;; ++attempt) {
        name = UniqueName(dir, base, kind);
        int err = make(name);
        if (err != EEXIST || attempt > 100) return err;
    }
}

// A copy of `from` as the new file `to`, flushed to disk; on failure nothing of `to` is left.
int CopyFile(const std::string& from, const std::string& to, mode_t mode) {
    int in = ::open(from.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (in < 0) return errno;
    int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (out < 0) {
        int err = errno;
        ::close(in);
        return err;
    }
    (void)::fchmod(out, mode & 07777);
    int err = 0;
    std::string buffer(size_t{1} << 20, '\0');
    for (;;) {
        ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) err = errno;
        if (n <= 0) break;
        if (!WriteAll(out, std::string_view(buffer.data(), static_cast<size_t>(n)))) {
            err = errno;
            break;
        }
    }
    if (!err && ::fsync(out) != 0) err = errno;
    if (::close(out) != 0 && !err) err = errno;
    ::close(in);
    if (err) ::unlink(to.c_str());
    return err;
}

// Throws unless the file is a regular one of a size a gradebook can have.
void CheckReadable(const std::string& path, const struct stat& st) {
    if (S_ISDIR(st.st_mode)) throw TFileSystemError(Message(path, EISDIR));
    if (!S_ISREG(st.st_mode)) {
        const char* kind = S_ISFIFO(st.st_mode)                         ? "a named pipe"
                           : S_ISSOCK(st.st_mode)                       ? "a socket"
                           : S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode) ? "a device"
                                                                        : "a special file";
        throw TFileSystemError(FormatMessage("%1: Not a regular file (%2)", {path, kind}));
    }
    if (st.st_size < 0 || static_cast<uint64_t>(st.st_size) > kMaxFileBytes)
        throw TFileSystemError(FormatMessage("%1: File is too large", {path}));
}

// Follows a chain of symbolic links to the name it ends at, which need not exist yet; with
// follow false a link is refused (err EMLINK). False with err set when it cannot be followed.
bool ResolveLinks(std::string& path, bool follow, int& err) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
        if (!follow) {
            err = EMLINK;
            return false;
        }
        std::error_code ec;
        fs::path to = fs::read_symlink(path, ec);
        if (ec) {
            err = ec.value();
            return false;
        }
        if (to.is_relative()) to = fs::path(path).parent_path() / to;
        path = to.string();
    }
    err = ELOOP;
    return false;
}

} // namespace

std::string BackupPathFor(const std::string& path) {
    fs::path p(path);
    fs::path name = p.stem();
    name += ".Backup";
    name += p.extension();
    return (p.parent_path() / name).string();
}

std::string ReadOnlyMessage(const std::string& path) {
    return FormatMessage(kReadOnly, {path});
}

std::string LinkRefusedMessage(const std::string& path) {
    return FormatMessage(kLinkRefused, {path});
}

bool IsSaveTemporary(std::string_view name, std::string_view base, long* pid) {
    if (name.size() < base.size() + 2 || name[0] != '.' || name.substr(1, base.size()) != base ||
        name[base.size() + 1] != '.')
        return false;
    std::string_view rest = name.substr(base.size() + 2);
    for (std::string_view kind : kTempKinds) {
        if (rest.size() <= kind.size() || rest.substr(0, kind.size()) != kind ||
            rest[kind.size()] != '-')
            continue;
        std::string_view numbers = rest.substr(kind.size() + 1);
        size_t dash = numbers.find('-');
        if (dash == std::string_view::npos || !AllDigits(numbers.substr(0, dash)) ||
            !AllDigits(numbers.substr(dash + 1)))
            continue;
        if (pid) *pid = std::stol(std::string(numbers.substr(0, dash)));
        return true;
    }
    return false;
}

std::string SaveFileSafely(const std::string& given, std::string_view bytes,
                           const TSaveOptions& options) {
    // Saving through a link saves the file it points to: replacing the link itself would
    // leave that file with the old data. Messages name the path as the caller gave it.
    std::string path = given;
    if (int err = 0; !ResolveLinks(path, options.FollowLinks, err)) {
        if (err == EMLINK) return FormatMessage(kLinkRefused, {given});
        return Message(given, err);
    }
    fs::path target(path);
    fs::path dir = target.parent_path();
    if (dir.empty()) dir = ".";
    std::string base = target.filename().string();

    mode_t mode = 0;
    int exists = StatMode(path, mode);
    if (exists < 0) return Message(given, errno);
    if (exists && !S_ISREG(mode)) return Message(given, S_ISDIR(mode) ? EISDIR : EINVAL);
    // A rename needs no write permission on the file, so a file made read-only would be
    // replaced without a word.
    if (exists && ((mode & 0222) == 0 || (::access(path.c_str(), W_OK) != 0 && errno == EACCES)))
        return FormatMessage(kReadOnly, {given});
    const bool keepBackup = exists && options.KeepBackup;
    std::string backup = keepBackup ? BackupPathFor(path) : std::string();
    mode_t backupMode = 0;
    int hasBackup = keepBackup ? StatMode(backup, backupMode) : 0;
    if (hasBackup < 0) return Message(backup, errno);
    if (hasBackup && !S_ISREG(backupMode)) return Message(backup, EISDIR);

    RemoveStaleTemporaries(dir, base);

    // 1. The new content under a temporary name, written and flushed completely.
    std::string temp;
    int fd = -1;
    int err = Inject(options, TSaveStep::CreateTemp);
    if (!err)
        err = MakeUnique(dir, base, "saving", temp, [&](const std::string& name) {
            fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            return fd < 0 ? errno : 0;
        });
    if (err) return Message(given, err);
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
        return Message(given, err);
    }

    // 2. The old file under a second name, so that it stays whole under its own name until
    // the new one replaces it in one step.
    std::string second;
    bool exchanged = false;
    if (keepBackup) {
        err = Inject(options, TSaveStep::Link);
        if (!err)
            err = MakeUnique(dir, base, "backup", second, [&](const std::string& name) {
                return ::link(path.c_str(), name.c_str()) == 0 ? 0 : errno;
            });
        if (err) {
            // Folders that take no hard links (FAT, some shares) get a copy.
            err = Inject(options, TSaveStep::Copy);
            if (!err)
                err = MakeUnique(dir, base, "backup", second, [&](const std::string& name) {
                    return CopyFile(path, name, mode);
                });
        }
        if (err) {
            // No room for a copy either: the two files swap names in one step, so that the
            // name holds the old or the new file whole at every moment, and the temporary
            // name then holds the old one. Renaming the old file away first would leave the
            // name empty until the next rename, and a kill in between would lose it.
            const int copyErr = err;
            second.clear();
            err = Inject(options, TSaveStep::Exchange);
            if (!err &&
                ::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, path.c_str(), RENAME_EXCHANGE) != 0)
                err = errno;
            if (err) {
                ::unlink(temp.c_str());
                return FormatMessage(kNoBackup, {given, std::strerror(copyErr)});
            }
            exchanged = true;
            second = temp;
        }
    }

    // 3. The new file over the old one.
    if (!exchanged) {
        err = Inject(options, TSaveStep::Replace);
        if (!err && ::rename(temp.c_str(), path.c_str()) != 0) err = errno;
        if (err) {
            if (!second.empty()) ::unlink(second.c_str());
            ::unlink(temp.c_str());
            return Message(given, err);
        }
    }
    SyncFolder(dir);

    // 4. The second name of the old file becomes the backup, replacing the older one.
    if (!second.empty()) {
        err = Inject(options, TSaveStep::Backup);
        if (!err && ::rename(second.c_str(), backup.c_str()) != 0) err = errno;
        if (err) {
            // A failed save leaves the old file and its backup as they were.
            if (::rename(second.c_str(), path.c_str()) != 0) ::unlink(second.c_str());
            SyncFolder(dir);
            return Message(backup, err);
        }
        // rename() leaves both names when they were links to one file already.
        ::unlink(second.c_str());
        SyncFolder(dir);
    }
    return {};
}

std::string ReadFileBytes(const std::string& path) {
    // Looked at before opening: opening a pipe waits for a writer, and opening a device can
    // do things of its own.
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) throw TFileSystemError(Message(path, errno));
    CheckReadable(path, st);
    // Without blocking, in case the name was changed into a pipe in between.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) throw TFileSystemError(Message(path, errno));
    auto fail = [&](std::string message) {
        ::close(fd);
        throw TFileSystemError(std::move(message));
    };
    if (::fstat(fd, &st) != 0) fail(Message(path, errno));
    try {
        CheckReadable(path, st);
    } catch (const TFileSystemError&) {
        ::close(fd);
        throw;
    }
    // A regular file from here on: plain reads.
    int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) (void)::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    // One byte more than expected, to notice a file that grows while it is read.
    std::string bytes(static_cast<size_t>(st.st_size) + 1, '\0');
    size_t size = 0;
    for (;;) {
        if (size == bytes.size()) {
            if (size > kMaxFileBytes) fail(FormatMessage("%1: File is too large", {path}));
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
    ::close(fd);
    if (size > kMaxFileBytes)
        throw TFileSystemError(FormatMessage("%1: File is too large", {path}));
    bytes.resize(size);
    return bytes;
}

} // namespace marklow
