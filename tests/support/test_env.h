#pragma once
// A small, complete environment for tests: fresh league data and program
// state on the heap, scripted dialogs, in-memory settings and a recording log.

#include <filesystem>
#include <memory>
#include <string>

#include "league/env.h"
#include "platform/settings.h"

namespace dravik::test {

class RecordingWait : public WaitWindow {
public:
    void ShowWaitForm() override {
        ++shows;
        visible = true;
    }
    void HideWaitForm() override {
        ++hides;
        visible = false;
    }
    int shows = 0, hides = 0;
    bool visible = false;
};

// A temporary folder removed at the end of the test; unique per process, so
// tests may run in parallel.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

struct TestEnv {
    std::unique_ptr<LeagueData> league = std::make_unique<LeagueData>();
    std::unique_ptr<ProgramState> state = std::make_unique<ProgramState>();
    ScriptedDialogs dialogs;
    MemorySettings settings;
    RecordingLog log;
    RecordingWait wait;
    TempDir folder;  // the program folder
    Env env{*league, *state, dialogs, settings, log, wait};

    TestEnv() { state->WorkFilePath = folder.file("ClientTemp.ztm"); }
};

// Reads a whole file; empty when missing.
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

// The bytes of a compressed container (the 4-byte length, then the zlib
// stream), unpacked; empty when it is none.
std::string Unpack(const std::string& container);

}  // namespace dravik::test
