#pragma once
// The team lines file reader run on its own, on a fresh league with no
// windows: for the fuzz target and tools that feed it arbitrary files. Each
// call builds its own environment (quiet doubles for every service, a
// temporary program folder) and tears it down afterwards.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dravik {

// The fresh league every call reads into: team HeadlessTeam of league key
// HeadlessLeagueKey, with a few skaters and goalies of its own and of
// another team.
inline constexpr int16_t HeadlessTeam = 5;
inline constexpr const char* HeadlessLeagueKey = "HDLS1";

struct HeadlessLoadResult {
    // The file passed its checks and was put in place.
    bool loaded = false;
    // Every message box shown, in order (texts of the code page).
    std::vector<std::string> messages;
    // A file that was not loaded left the team, the people and the state
    // arrays exactly as they were.
    bool unchangedUnlessLoaded = true;
    // No file was left in the program folder but the lines file itself.
    bool workingCopyRemoved = true;
};

// Reads the bytes as a team lines file chosen for HeadlessTeam, as the team
// sheet's "Load File" does. With skipZip, "SkipZIPClient" reads "YES": the
// file is taken as it is, without unpacking.
HeadlessLoadResult LoadTeamLinesBytesHeadless(std::string_view fileBytes, bool skipZip = false);

// A team lines file of that fresh league that loads: packed, or the plain
// record image.
std::string HeadlessTeamLinesFile(bool packed = true);

}  // namespace dravik
