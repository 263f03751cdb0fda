#pragma once

#include <csignal>
#include <sys/resource.h>

// Lets the process write at most `bytes` bytes into any one file while it
// lives; a write past that fails instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        if (::getrlimit(RLIMIT_FSIZE, &saved_) != 0)
            return;
        handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        set_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
        if (!set_)
            std::signal(SIGXFSZ, handler_);
    }
    ~FileSizeLimit() {
        if (!set_)
            return;
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool set() const { return set_; }

private:
    rlimit saved_{};
    void (*handler_)(int) = SIG_DFL;
    bool set_ = false;
};
