#include "refused_replace.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>

namespace {
std::string refusedTarget;
}  // namespace

extern "C" int rename(const char* from, const char* to) noexcept {
    if (!refusedTarget.empty() && refusedTarget == to) {
        errno = EIO;
        return -1;
    }
    return ::renameat(AT_FDCWD, from, AT_FDCWD, to);
}

namespace dravik::test {

RefusedReplace::RefusedReplace(const std::string& path) { refusedTarget = path; }
RefusedReplace::~RefusedReplace() { refusedTarget.clear(); }

}  // namespace dravik::test
