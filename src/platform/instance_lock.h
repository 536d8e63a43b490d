#pragma once
// The single-instance lock, taken at start-up before any window shows. It is
// held for the life of the process and dies with it: a crashed instance's
// lock does not block the next start.

#include <memory>
#include <string>

namespace dravik {

class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // Takes the lock without waiting. False only when another running
    // instance holds it. When no lock can be made at all (the folder is not
    // writable) this is true: the program may still run, it just cannot keep
    // a second start out, which beats refusing every start.
    virtual bool tryAcquire() = 0;
    // Gives the lock back; the destructor does so too.
    virtual void release() = 0;
};

// A QLockFile named <programTitle>.lock in folder (normally runtimeFolder(),
// see folders.h). The lock holds the owner's process id; a lock whose process
// is gone is taken over, and no lock ever goes stale by age alone.
class FileInstanceLock : public InstanceLock {
public:
    FileInstanceLock(const std::string& folder, const std::string& programTitle);
    ~FileInstanceLock() override;
    FileInstanceLock(const FileInstanceLock&) = delete;
    FileInstanceLock& operator=(const FileInstanceLock&) = delete;

    bool tryAcquire() override;
    void release() override;
    const std::string& path() const { return path_; }

private:
    struct Impl;
    std::string path_;
    std::unique_ptr<Impl> impl_;
};

// For tests: refuses while otherInstanceRunning is set.
class FakeInstanceLock : public InstanceLock {
public:
    bool tryAcquire() override {
        ++attempts;
        held = !otherInstanceRunning;
        return held;
    }
    void release() override { held = false; }

    bool otherInstanceRunning = false;
    bool held = false;
    int attempts = 0;
};

}  // namespace dravik
