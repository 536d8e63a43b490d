#pragma once
// Asking the desktop to "open" a file or a web address with the program the
// user has chosen for it.

#include <string>
#include <utility>
#include <vector>

namespace dravik {

// What open() returns: a value above 32 on success, a small error code
// otherwise, the way callers of the shell have always tested it.
namespace shell {
inline constexpr int Opened = 42;
inline constexpr int FileNotFound = 2;    // no such file, or an empty text
inline constexpr int NoAssociation = 31;  // nothing on this system can open it
}  // namespace shell

class ShellOpen {
public:
    virtual ~ShellOpen() = default;
    // pathOrUrl is a native UTF-8 path or an address with a scheme
    // ("https://..."); showMode is the requested window state (1 normal).
    virtual int open(const std::string& pathOrUrl, int showMode) = 0;
};

// Hands the path or address to xdg-open, detached, and does not wait for it.
// An address goes as it is; a path must name an existing file or folder and
// goes as an absolute path. The desktop has no window states, so showMode is
// not used.
class XdgShellOpen : public ShellOpen {
public:
    // The opener program; tests put a stand-in of their own here.
    explicit XdgShellOpen(std::string program = "xdg-open") : program_(std::move(program)) {}
    int open(const std::string& pathOrUrl, int showMode) override;

private:
    std::string program_;
};

// For tests: records every call and answers with result.
class RecordingShellOpen : public ShellOpen {
public:
    struct Call {
        std::string pathOrUrl;
        int showMode;
        bool operator==(const Call&) const = default;
    };
    int open(const std::string& pathOrUrl, int showMode) override {
        calls.push_back({pathOrUrl, showMode});
        return result;
    }
    std::vector<Call> calls;
    int result = shell::Opened;
};

}  // namespace dravik
