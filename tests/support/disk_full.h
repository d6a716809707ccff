#pragma once
// Files of this process may not grow beyond a few bytes while it lives, as on
// a full disk: a write past the limit fails instead of raising SIGXFSZ.

#include <sys/resource.h>

#include <csignal>

class DiskFull {
public:
    DiskFull()
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tight = saved_;
        tight.rlim_cur = kBytesLeft;
        setrlimit(RLIMIT_FSIZE, &tight);
    }
    ~DiskFull()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    DiskFull(const DiskFull&) = delete;
    DiskFull& operator=(const DiskFull&) = delete;

    static constexpr rlim_t kBytesLeft = 8;

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};
