#include "output_file.h"

#include "safe_save.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace marklow {

namespace {

std::string Message(const std::string& path, int err) {
    return path + ": " + std::strerror(err);
}

// The process's own streams and the system's devices: links there (/dev/stdout, /dev/fd/1)
// lead to whatever the shell connected, a regular file included, and are meant to be written.
bool SystemStreamName(std::string_view path) {
    return path.substr(0, 5) == "/dev/" || path.substr(0, 6) == "/proc/";
}

bool IsStreamMode(mode_t mode) {
    return S_ISCHR(mode) || S_ISFIFO(mode) || S_ISSOCK(mode) || S_ISBLK(mode);
}

TOutputTarget Refused(std::string message) {
    return {TOutputTarget::TKind::Refused, std::move(message)};
}

} // namespace

TOutputTarget CheckOutputTarget(const std::string& path) {
    using TKind = TOutputTarget::TKind;
    if (path.empty()) return Refused("The output file has no name");
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) {
        if (errno == ENOENT) return {TKind::New, {}};
        return Refused(Message(path, errno));
    }
    if (S_ISLNK(st.st_mode)) {
        struct stat to;
        const bool resolved = ::stat(path.c_str(), &to) == 0;
        if (resolved && (IsStreamMode(to.st_mode) || SystemStreamName(path)))
            return {TKind::Stream, {}};
        return Refused(LinkRefusedMessage(path));
    }
    if (S_ISDIR(st.st_mode)) return Refused(Message(path, EISDIR));
    if (IsStreamMode(st.st_mode)) return {TKind::Stream, {}};
    if (!S_ISREG(st.st_mode)) return Refused(Message(path, EINVAL));
    if ((st.st_mode & 0222) == 0 || (::access(path.c_str(), W_OK) != 0 && errno == EACCES))
        return Refused(ReadOnlyMessage(path));
    return {TKind::Existing, {}};
}

std::string WriteOutputFile(const std::string& path, std::string_view bytes) {
    TOutputTarget target = CheckOutputTarget(path);
    if (target.Kind == TOutputTarget::TKind::Refused) return target.Error;
    if (target.Kind != TOutputTarget::TKind::Stream) {
        // An export is made again at will, so it keeps no backup.
        TSaveOptions save;
        save.KeepBackup = false;
        save.FollowLinks = false;
        return SaveFileSafely(path, bytes, save);
    }
    int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return Message(path, errno);
    const char* p = bytes.data();
    size_t left = bytes.size();
    int err = 0;
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            err = n < 0 ? errno : EIO;
            break;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    if (::close(fd) != 0 && !err && errno != EINTR) err = errno;
    return err ? Message(path, err) : std::string();
}

} // namespace marklow
