#include "platform/shell.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "test_env.h"

namespace dravik {
namespace {

namespace fs = std::filesystem;

// A stand-in opener that writes the arguments it got, one a line, to a file.
class RecordingOpener {
public:
    RecordingOpener() {
        test::writeFile(program(), "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + output() + ".part' && mv '" +
                                       output() + ".part' '" + output() + "'\n");
        fs::permissions(program(), fs::perms::owner_all);
    }
    std::string program() const { return dir_.file("opener"); }
    std::string output() const { return dir_.file("args"); }
    // The arguments, once the detached opener has written them.
    std::string arguments() const {
        for (int i = 0; i < 1000 && !fs::exists(output()); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return test::readFile(output());
    }
    const test::TempDir& dir() const { return dir_; }

private:
    test::TempDir dir_;
};

TEST(XdgShellOpen, ResultsAreAbove32OnlyWhenTheOpenerStarted) {
    test::TempDir tmp;
    test::writeFile(tmp.file("notes.txt"), "x");
    struct Case {
        const char* why;
        std::string target, program;
        int result;
    } cases[] = {
        {"address", "https://example.org/", "/bin/true", shell::Opened},
        {"existing file", tmp.file("notes.txt"), "/bin/true", shell::Opened},
        {"existing folder", tmp.path().string(), "/bin/true", shell::Opened},
        {"empty text", "", "/bin/true", shell::FileNotFound},
        {"missing file", tmp.file("missing.txt"), "/bin/true", shell::FileNotFound},
        {"no opener on the system", "https://example.org/", tmp.file("no-such-opener"), shell::NoAssociation},
    };
    for (const auto& c : cases) EXPECT_EQ(XdgShellOpen(c.program).open(c.target, 1), c.result) << c.why;
}

TEST(XdgShellOpen, AddressGoesAsItIs) {
    RecordingOpener opener;
    ASSERT_EQ(XdgShellOpen(opener.program()).open("https://example.org/a b?x=1&y=2", 1), shell::Opened);
    EXPECT_EQ(opener.arguments(), "https://example.org/a b?x=1&y=2\n");
}

TEST(XdgShellOpen, PathGoesAbsoluteSoItIsNeverTakenForAnOption) {
    RecordingOpener opener;
    test::writeFile(opener.dir().file("--help"), "x");
    const fs::path cwd = fs::current_path();
    fs::current_path(opener.dir().path());
    const int result = XdgShellOpen(opener.program()).open("--help", 1);
    fs::current_path(cwd);
    ASSERT_EQ(result, shell::Opened);
    EXPECT_EQ(opener.arguments(), fs::canonical(opener.dir().path()).string() + "/--help\n");
}

}  // namespace
}  // namespace dravik
