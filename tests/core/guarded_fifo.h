#pragma once
// A named pipe that a reader can never wait on forever. The test holds one end open for
// writing, so an open that waits for a writer returns, and closes it after a few seconds at
// the latest, so a read that waits for data ends: a reader that should refuse the pipe but
// does not fails its test instead of hanging it.

#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace marklow::testing {

class TGuardedFifo {
public:
    explicit TGuardedFifo(const std::string& path) {
        if (::mkfifo(path.c_str(), 0600) != 0) return;
        fd_ = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        closer_ = std::thread([this] {
            std::unique_lock<std::mutex> lock(mutex_);
            done_.wait_for(lock, std::chrono::seconds(5), [this] { return finished_; });
            if (fd_ >= 0) ::close(fd_);
            fd_ = -1;
        });
    }
    ~TGuardedFifo() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            finished_ = true;
        }
        done_.notify_all();
        if (closer_.joinable()) closer_.join();
    }
    TGuardedFifo(const TGuardedFifo&) = delete;
    TGuardedFifo& operator=(const TGuardedFifo&) = delete;

    bool Made() const { return closer_.joinable(); }

private:
    int fd_ = -1;
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    std::thread closer_;
};

} // namespace marklow::testing
