#pragma once
// A named pipe that a reader can never wait on forever. After two seconds the guard keeps
// opening and closing the pipe's write end, which lets an open that waits for a writer return
// and a read that waits for data end: a reader that should refuse the pipe but does not fails
// its test instead of hanging it.

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
        guard_ = std::thread([this, path] {
            std::unique_lock<std::mutex> lock(mutex_);
            std::chrono::milliseconds wait(2000);
            while (!done_.wait_for(lock, wait, [this] { return finished_; })) {
                // Succeeds only while someone has the pipe open for reading.
                int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0) ::close(fd);
                wait = std::chrono::milliseconds(100);
            }
        });
    }
    ~TGuardedFifo() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            finished_ = true;
        }
        done_.notify_all();
        if (guard_.joinable()) guard_.join();
    }
    TGuardedFifo(const TGuardedFifo&) = delete;
    TGuardedFifo& operator=(const TGuardedFifo&) = delete;

    bool Made() const { return guard_.joinable(); }

private:
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    std::thread guard_;
};

} // namespace marklow::testing
