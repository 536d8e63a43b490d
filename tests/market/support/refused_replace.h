#pragma once
// The market test programs stand in for the C library's rename, so that
// replacing one chosen target can be made to fail, even for root; every other
// rename goes through as usual.

#include <string>

namespace dravik::test {

// While it lives, renaming anything onto `path` fails with EIO.
class RefusedReplace {
public:
    explicit RefusedReplace(const std::string& path);
    ~RefusedReplace();
    RefusedReplace(const RefusedReplace&) = delete;
    RefusedReplace& operator=(const RefusedReplace&) = delete;
};

}  // namespace dravik::test
