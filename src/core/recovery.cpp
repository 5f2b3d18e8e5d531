#include "recovery.h"

#include "file_history.h"
#include "safe_save.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace marklow {

namespace {

namespace fs = std::filesystem;

constexpr size_t kMaxLockBytes = 64 * 1024;
constexpr const char* kCopySuffix = ".gbd";
constexpr const char* kLockSuffix = ".lock";

std::optional<long long> ParseLong(std::string_view s) {
    long long v = 0;
    auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size()) return std::nullopt;
    return v;
}

// Values are single lines; a path with a line break in it is written escaped.
std::string Escape(std::string_view s) {
    std::string out;
    for (char c : s) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string Unescape(std::string_view s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            char n = s[++i];
            out += n == 'n' ? '\n' : n == 'r' ? '\r' : n;
        } else {
            out += s[i];
        }
    }
    return out;
}

long long Seconds(fs::file_time_type t) {
    auto sys = std::chrono::file_clock::to_sys(t);
    return std::chrono::duration_cast<std::chrono::seconds>(sys.time_since_epoch()).count();
}

std::optional<std::string> ReadSmallFile(const std::string& path) {
    std::error_code ec;
    auto size = fs::file_size(path, ec);
    if (ec || size > kMaxLockBytes) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool EndsWith(std::string_view s, std::string_view end) {
    return s.size() >= end.size() && s.substr(s.size() - end.size()) == end;
}

} // namespace

std::string FormatRecoveryLock(const TRecoveryLock& lock) {
    std::string t;
    t += "pid=" + std::to_string(lock.Pid) + "\n";
    t += "start=" + Escape(lock.ProcessStart) + "\n";
    t += "host=" + Escape(lock.Host) + "\n";
    t += "original=" + Escape(lock.Original) + "\n";
    t += "stamp=" + Escape(lock.OriginalStamp) + "\n";
    t += "saved=" + std::to_string(lock.SavedAt) + "\n";
    if (lock.Changes >= 0) t += "changes=" + std::to_string(lock.Changes) + "\n";
    return t;
}

std::optional<TRecoveryLock> ParseRecoveryLock(std::string_view text) {
    if (text.size() > kMaxLockBytes) return std::nullopt;
    TRecoveryLock lock;
    bool hasPid = false;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        size_t eq = line.find('=');
        if (eq == std::string_view::npos) return std::nullopt;
        std::string_view key = line.substr(0, eq);
        std::string_view value = line.substr(eq + 1);
        if (key == "pid") {
            auto v = ParseLong(value);
            if (!v || *v <= 0) return std::nullopt;
            lock.Pid = *v;
            hasPid = true;
        } else if (key == "start") {
            lock.ProcessStart = Unescape(value);
        } else if (key == "host") {
            lock.Host = Unescape(value);
        } else if (key == "original") {
            lock.Original = Unescape(value);
        } else if (key == "stamp") {
            lock.OriginalStamp = Unescape(value);
        } else if (key == "saved") {
            lock.SavedAt = ParseLong(value).value_or(0);
        } else if (key == "changes") {
            auto v = ParseLong(value);
            lock.Changes = v && *v >= 0 ? *v : -1;
        }
        // Other keys are a later version's; they are ignored.
    }
    if (!hasPid) return std::nullopt;
    return lock;
}

std::string RecoveryId(long long pid, std::string_view processStart) {
    std::string id = std::to_string(pid);
    if (!processStart.empty()) id += "-" + std::string(processStart);
    return id;
}

std::string RecoveryCopyName(std::string_view id) {
    return std::string(id) + kCopySuffix;
}
std::string RecoveryLockName(std::string_view id) {
    return std::string(id) + kLockSuffix;
}

std::string DefaultRecoveryFolder() {
    fs::path base;
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && *data && fs::path(data).is_absolute()) {
        base = data;
    } else {
        const char* home = std::getenv("HOME");
        base = fs::path(home && *home ? home : ".") / ".local" / "share";
    }
    return (base / "Brindlecraft" / "Marklow" / "recovery").string();
}

TFolderTrust RecoveryFolderTrust(const std::string& folder) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0)
        return errno == ENOENT ? TFolderTrust::Missing : TFolderTrust::NotAFolder;
    if (!S_ISDIR(st.st_mode)) return TFolderTrust::NotAFolder;
    if (st.st_uid != ::geteuid()) return TFolderTrust::OtherOwner;
    if (st.st_mode & (S_IWGRP | S_IWOTH)) return TFolderTrust::OpenToOthers;
    return TFolderTrust::Usable;
}

std::vector<TRecoveryEntry> ListRecoveryEntries(const std::string& folder) {
    std::vector<TRecoveryEntry> entries;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) return entries;
    for (const fs::directory_entry& f : it) {
        const std::string name = f.path().filename().string();
        // Safe saves leave hidden temporary names ("." first) only while they run.
        if (name.empty() || name[0] == '.' || !EndsWith(name, kCopySuffix)) continue;
        std::error_code fileEc;
        if (!f.is_regular_file(fileEc)) continue;
        TRecoveryEntry e;
        e.Id = name.substr(0, name.size() - std::string_view(kCopySuffix).size());
        e.CopyPath = f.path().string();
        e.LockPath = (fs::path(folder) / RecoveryLockName(e.Id)).string();
        if (auto text = ReadSmallFile(e.LockPath)) e.Lock = ParseRecoveryLock(*text);
        auto time = f.last_write_time(fileEc);
        if (!fileEc) e.CopyTime = Seconds(time);
        entries.push_back(std::move(e));
    }
    std::sort(entries.begin(), entries.end(), [](const TRecoveryEntry& a, const TRecoveryEntry& b) {
        if (a.CopyTime != b.CopyTime) return a.CopyTime > b.CopyTime;
        return a.Id < b.Id;
    });
    return entries;
}

std::optional<std::string> ProcessStartOf(long long pid) {
    if (pid <= 0) return std::nullopt;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    if (stat) {
        std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
        // The command name is in parentheses and may hold blanks; the fields follow the last ")".
        size_t close = text.rfind(')');
        if (close == std::string::npos) return std::nullopt;
        std::istringstream fields(text.substr(close + 1));
        std::string field;
        std::vector<std::string> f;
        while (fields >> field && f.size() < 20)
            f.push_back(field);
        if (f.size() < 20) return std::nullopt;
        if (f[0] == "Z" || f[0] == "X" || f[0] == "x") return std::nullopt;
        return f[19]; // starttime, in clock ticks since boot
    }
    if (fs::exists("/proc/self/stat")) return std::nullopt; // /proc works: no such process
    if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM) return std::string();
    return std::nullopt;
}

TProcessIdentity CurrentProcess() {
    TProcessIdentity me;
    me.Pid = static_cast<long long>(::getpid());
    me.Start = ProcessStartOf(me.Pid).value_or(std::string());
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) == 0) me.Host = host;
    return me;
}

bool IsAbandoned(const TRecoveryEntry& entry, const std::string& host, const TProcessProbe& probe) {
    if (!entry.Lock) return true;
    const TRecoveryLock& lock = *entry.Lock;
    if (!lock.Host.empty() && lock.Host != host) return false;
    std::optional<std::string> start = probe(lock.Pid);
    if (!start) return true;
    // The pid runs, but a process started at another time has it now.
    if (!start->empty() && !lock.ProcessStart.empty() && *start != lock.ProcessStart) return true;
    return false;
}

std::string RecoveryTitle(const TRecoveryEntry& entry) {
    if (!entry.Lock || entry.Lock->Original.empty()) return "Untitled";
    return TitleFromPath(entry.Lock->Original);
}

bool ClaimRecoveryEntry(const TRecoveryEntry& entry, const TProcessIdentity& owner) {
    TRecoveryLock lock;
    std::error_code ec;
    const std::string aside = entry.LockPath + ".claim-" + std::to_string(owner.Pid);
    bool hadLock = fs::exists(entry.LockPath, ec);
    if (hadLock) {
        // Atomic: of two programs only one moves it.
        fs::rename(entry.LockPath, aside, ec);
        if (ec) return false;
        auto text = ReadSmallFile(aside);
        auto old = text ? ParseRecoveryLock(*text) : std::nullopt;
        // Someone claimed and rewrote it since we looked: it is theirs.
        bool changed = entry.Lock ? (!old || old->Pid != entry.Lock->Pid ||
                                     old->ProcessStart != entry.Lock->ProcessStart)
                                  : old.has_value();
        if (changed) {
            fs::rename(aside, entry.LockPath, ec);
            return false;
        }
        if (old) lock = *old;
    } else if (entry.Lock) {
        return false; // it had a lock when listed: another program moved it
    }
    lock.Pid = owner.Pid;
    lock.ProcessStart = owner.Start;
    lock.Host = owner.Host;
    TSaveOptions options;
    options.KeepBackup = false;
    if (!SaveFileSafely(entry.LockPath, FormatRecoveryLock(lock), options).empty()) {
        if (hadLock) fs::rename(aside, entry.LockPath, ec);
        return false;
    }
    if (hadLock) fs::remove(aside, ec);
    return true;
}

std::string RemoveRecoveryEntry(const std::string& copyPath, const std::string& lockPath) {
    // The copy first: a lock alone is harmless, a copy without its lock loses its name.
    std::error_code ec;
    fs::remove(copyPath, ec);
    if (ec) return copyPath + ": " + ec.message();
    fs::remove(lockPath, ec);
    if (ec) return lockPath + ": " + ec.message();
    return {};
}

} // namespace marklow
