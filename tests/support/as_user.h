#pragma once

#include <sys/types.h>
#include <unistd.h>

// The user "nobody", who owns nothing the test did not give it.
inline constexpr uid_t kNobody = 65534;

// Runs the rest of a scope as another user, so that permission bits stop
// reads and writes even when the test runs as root. Inactive when the process
// may not change its effective user.
class AsUser {
public:
    explicit AsUser(uid_t uid) { active_ = ::setegid(gid_t(uid)) == 0 && ::seteuid(uid) == 0; }
    ~AsUser() {
        if (active_) {
            [[maybe_unused]] const int u = ::seteuid(0);
            [[maybe_unused]] const int g = ::setegid(0);
        }
    }
    AsUser(const AsUser&) = delete;
    AsUser& operator=(const AsUser&) = delete;
    bool active() const { return active_; }

private:
    bool active_ = false;
};
