#pragma once
// The two values the program keeps: the league data a client league file
// fills, and the program state that outlives a league. Each is allocated once
// (they are large: make them with std::make_unique) and passed by reference;
// never copy them.

#include <array>
#include <cstdint>
#include <string>

#include "league/records.h"

namespace dravik {

inline constexpr const char* ProductName = "Dravik Hockey Simulator Client";
inline constexpr const char* ProgramTitle = "DravikClient";

struct LeagueData {
    LeagueInfo League;
    BoundedArray<FixedText<40>, 1, 300> DraftNameList;
    BoundedArray<TeamInfo, 1, 100> Teams;
    BoundedArray<PlayerInfo, 0, SkaterRecords> Players;  // 0 is the "Unknown Player" placeholder
    BoundedArray<GoalieInfo, 0, GoalieRecords> Goalies;  // 0 is the "Unknown Goalie" placeholder
    BoundedArray<CoachInfo, 1, 500> Coaches;
    BoundedArray<ScheduleGame, 1, 5000> Schedule;

    LeagueData() = default;
    LeagueData(const LeagueData&) = delete;
    LeagueData& operator=(const LeagueData&) = delete;
};

// Copies every record of one league into another. The league in use is one
// object every routine holds by reference, so a new league is copied into it
// rather than put in its place.
inline void CopyLeague(LeagueData& to, const LeagueData& from) {
    // LeagueData's members, in their order: a member added there that is not
    // copied here breaks the build.
    struct Members {
        decltype(LeagueData::League) League;
        decltype(LeagueData::DraftNameList) DraftNameList;
        decltype(LeagueData::Teams) Teams;
        decltype(LeagueData::Players) Players;
        decltype(LeagueData::Goalies) Goalies;
        decltype(LeagueData::Coaches) Coaches;
        decltype(LeagueData::Schedule) Schedule;
    };
    static_assert(sizeof(Members) == sizeof(LeagueData), "CopyLeague must copy every member of LeagueData");
    to.League = from.League;
    to.DraftNameList = from.DraftNameList;
    to.Teams = from.Teams;
    to.Players = from.Players;
    to.Goalies = from.Goalies;
    to.Coaches = from.Coaches;
    to.Schedule = from.Schedule;
}

struct ProgramState {
    BoundedArray<PlayerState, 1, SkaterRecords> PlayerStates;
    BoundedArray<PlayerState, 1, GoalieRecords> GoalieStates;
    BoundedArray<FreeAgentOffer, 1, MaxPerson> FreeAgentOffers;
    BoundedArray<int16_t, 1, 11000> SortIndex;
    BoundedArray<int16_t, 0, 11000> SortValue;

    int16_t CurrentTeam = 0;
    std::string CallerFormName;
    int16_t CurrentPlayerIndex = 0;
    Flag ShowGoalie = 0;
    int16_t CallerCode = 0;
    std::string WorkFilePath;  // native path of the working copy
    std::string WindowTitlePrefix;
    Flag ShowMessages = 0;
    Flag EditGuard = 0;
    Flag DataChanged = 0;
    int16_t LastMsgBoxResult = 0;
    // [row][column], columns 1..16 (skaters) and 1..14 (goalies); [.][0] unused.
    std::array<std::array<std::string, 17>, 2> SkaterStatLabels;
    std::array<std::array<std::string, 15>, 2> GoalieStatLabels;
    int16_t SkaterStatCount = 0;
    int16_t GoalieStatCount = 0;
    BoundedArray<std::string, 1, 5> PositionNames;
    int16_t RosterChangedByCheck = 0;

    ProgramState() = default;
    ProgramState(const ProgramState&) = delete;
    ProgramState& operator=(const ProgramState&) = delete;
};

}  // namespace dravik
