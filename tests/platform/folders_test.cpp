#include "platform/folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "test_env.h"

namespace dravik {
namespace {

namespace fs = std::filesystem;

// Sets or clears an environment variable for one test and puts it back after.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) {
            setenv(name, value->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(ProgramFolder, ComesFromTheVariableOrTheUserDataFolderAndIsCreated) {
    test::TempDir tmp;
    const std::string root = tmp.path().string();
    struct Case {
        const char* why;
        std::optional<std::string> home, xdgData;
        std::string expected;
    } cases[] = {
        {"variable set, folders made", root + "/a/b", root + "/data", root + "/a/b"},
        {"trailing slash dropped", root + "/c/", std::nullopt, root + "/c"},
        {"empty variable is not set", "", root + "/data", root + "/data/DravikClient"},
        {"variable not set", std::nullopt, root + "/data2", root + "/data2/DravikClient"},
        {"no XDG_DATA_HOME: under HOME", std::nullopt, std::nullopt, root + "/.local/share/DravikClient"},
    };
    ScopedEnv home("HOME", root);
    for (const auto& c : cases) {
        ScopedEnv var(ProgramFolderVariable, c.home);
        ScopedEnv data("XDG_DATA_HOME", c.xdgData);
        EXPECT_EQ(programFolder("DravikClient"), c.expected) << c.why;
        EXPECT_TRUE(fs::is_directory(c.expected)) << c.why;
    }
}

TEST(ProgramFolder, RelativeVariableIsMadeAbsolute) {
    test::TempDir tmp;
    const fs::path cwd = fs::current_path();
    fs::current_path(tmp.path());
    ScopedEnv var(ProgramFolderVariable, "rel/dir");
    const std::string folder = programFolder("DravikClient");
    fs::current_path(cwd);
    EXPECT_EQ(folder, fs::canonical(tmp.path()).string() + "/rel/dir");
}

TEST(ProgramFolder, WorkFileIsInIt) { EXPECT_EQ(workFilePath("/home/u/x"), "/home/u/x/ClientTemp.ztm"); }

TEST(RuntimeFolder, IsTheUsersRuntimeFolder) {
    test::TempDir runtime;  // mkdtemp makes it 0700, as a runtime folder must be
    ScopedEnv var("XDG_RUNTIME_DIR", runtime.path().string());
    EXPECT_EQ(runtimeFolder(), runtime.path().string());
}

}  // namespace
}  // namespace dravik
