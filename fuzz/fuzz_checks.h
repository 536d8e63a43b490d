#pragma once
// What every fuzzed read must hold, whatever the bytes.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "main/headless_open.h"
#include "team/lines_file_headless.h"

namespace dravik::fuzz {

inline void fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

inline bool endsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

inline void checkLeagueOpen(const HeadlessOpenResult& r) {
    if (!r.workingCopyRemoved) fail("the working copy was left behind");
    if (r.opened) return;
    if (r.messages.empty()) fail("a league file that did not open showed no message");
    const std::string& m = r.messages.back();
    if (m != "File Integrity is incorrect!" && m != "Cannot find last client league file!" &&
        !endsWith(m, " in Zlib Decompress!") && !endsWith(m, " in OpenLeagueClient!"))
        fail("a league file that did not open ended in a message of its own");
}

inline void checkTeamLinesLoad(const HeadlessLoadResult& r) {
    if (!r.workingCopyRemoved) fail("the working copy was left behind");
    if (!r.unchangedUnlessLoaded) fail("a refused team lines file changed the league");
    if (r.loaded) return;
    if (r.messages.empty()) fail("a refused team lines file showed no message");
    const std::string& m = r.messages.back();
    if (m.find(" unsuccessfully load from") == std::string::npos && !endsWith(m, " in Zlib Decompress!") &&
        !endsWith(m, " in cmdLoadFile!"))
        fail("a refused team lines file ended in a message of its own");
}

}  // namespace dravik::fuzz
