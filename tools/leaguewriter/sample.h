#pragma once
// The generated leagues: the sample league (30 teams, for trying the
// program and for tests), its Central European twin in Windows-1250 and the
// full-size league (every record in use, for benchmarks). Each is the same
// bytes on every run.

#include <array>
#include <cstdint>

#include "league/state.h"

namespace dravik::leaguewriter {

struct SamplePassword {
    int16_t team;
    const char* password;
};

// The sample's teams that have a password, and the passwords.
inline constexpr std::array<SamplePassword, 3> SamplePasswords{{
    {2, "faceoff"},
    {9, "hattrick"},
    {24, "Icing"},
}};

// The Central European league's teams that have a password (Řečany Rytíři,
// České Budějovice Motoristé, Szőreg Hősök), and the passwords as
// Windows-1250 bytes: "řeka", "łyżwa" and "erős".
inline constexpr std::array<SamplePassword, 3> CentralPasswords{{
    {2, "\xF8\x65ka"},  // the "e" written as a byte so that it is no hex digit of the "\xF8"
    {9, "\xB3y\xBFwa"},
    {24, "er\xF5s"},
}};

// The sample's team numbers 1..31 are in use but for this one.
inline constexpr int16_t SampleUnusedTeam = 13;

// Fills `league` (expected erased) with the sample league: 30 teams in six
// divisions of two conferences, full pro and farm rosters that pass the
// roster check, coaches, a schedule partly played, day-1 pro and farm lines
// that pass the lines checks, free agents and draft names.
void BuildSampleLeague(LeagueData& league);

// Fills `league` (expected erased) with the sample league in Central
// European words, Czech, Slovak, Polish and Hungarian, in Windows-1250
// (names with "ř", "ł", "ő"), and the passwords above.
void BuildCentralLeague(LeagueData& league);

// Fills `league` with the full-size league: 100 teams, 10,000 skaters,
// 1,000 goalies, 500 coaches and 5,000 schedule entries, rosters and day-1
// lines made like the sample's; the people no team holds are free agents.
void BuildFullLeague(LeagueData& league);

// The sample league in its off-season, for making free-agent offers: the
// first skater of each of teams 2, 3 and 4 is out of contract (so the
// free-agent window lists him beside the teamless ones), the one of team 4
// younger than the league's young-player age. Both drafts are on, so the
// draft list window lists the teamless players beside the draft names.
void BuildOffSeasonSampleLeague(LeagueData& league);
inline constexpr std::array<int16_t, 3> OffSeasonAgentTeams{2, 3, 4};

// The sample league with a skater of team 1 hurt in the last game: its
// healthy scratch center dressed, with condition 60, beside exactly the 18
// fit dressed skaters the roster limits ask for. The roster check sends him
// back to the scratches and passes.
void BuildHurtSampleLeague(LeagueData& league);
inline constexpr int16_t HurtSampleTeam = 1;

// The full-size league with every skater and goalie a free agent: none is
// under contract and the teamless ones are listed, so the free-agent window
// lists all 11,000 of them.
void BuildFreeAgentLeague(LeagueData& league);

// Where the build writes the sample league: "Sample League.zcl" in the
// folder "sample" of the build folder. It comes with the library
// dravik_sample_path, not dravik_leaguewriter: that library is built after
// the file, so a program that links it finds the file there.
const char* BuiltSampleLeaguePath();

}  // namespace dravik::leaguewriter
