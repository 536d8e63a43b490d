#pragma once
// The league's record types, in memory. Their stored layouts (offsets and
// widths inside the record files) are described once, in layouts.h; field
// names follow the stored records.
//
// Widths: int16_t and int32_t are the stored 16- and 32-bit integers,
// uint8_t a stored byte, Flag a 16-bit flag (-1 true, 0 false).

#include <array>
#include <cstdint>

#include "league/vbarray.h"

namespace dravik {

using Flag = int16_t;
inline constexpr Flag True = -1;
inline constexpr Flag False = 0;

template <std::size_t N>
using Bytes = std::array<uint8_t, N>;

// Position codes.
namespace pos {
inline constexpr int C = 1;
inline constexpr int LW = 2;
inline constexpr int RW = 3;
inline constexpr int D = 4;
inline constexpr int G = 5;
}  // namespace pos

// Roster status.
namespace status {
inline constexpr uint8_t Farm = 0;
inline constexpr uint8_t Scratch = 1;
inline constexpr uint8_t Dressed = 2;
inline constexpr uint8_t NotSet = 10;  // PlayerState only
}  // namespace status

// Records: skaters 1..10000 and goalies 1..1000, each array with its
// placeholder record 0 besides.
inline constexpr int SkaterRecords = 10000;
inline constexpr int GoalieRecords = 1000;

// Numbers naming either a skater or a goalie: a goalie is 10000 + its number.
inline constexpr int GoalieOffset = SkaterRecords;
inline constexpr int MaxPerson = GoalieOffset + GoalieRecords;

// The record a person number names: up to GoalieOffset the skater of that
// number, above it the goalie GoalieOffset less. Nothing is checked: a number
// outside 1..MaxPerson gives a record number the arrays refuse.
struct PersonRecord {
    bool goalie = false;
    int32_t number = 0;
};

constexpr PersonRecord RecordOfPerson(int32_t person) {
    return person > GoalieOffset ? PersonRecord{true, person - GoalieOffset} : PersonRecord{false, person};
}

// Back: goalie `number`'s person number (a skater's is his own number).
constexpr int32_t GoaliePerson(int32_t number) { return GoalieOffset + number; }

struct DivisionInfo {
    FixedText<40> Name;
    uint8_t Conference = 0;
    uint8_t Reserved = 0;
    friend bool operator==(const DivisionInfo&, const DivisionInfo&) = default;
};

struct LeagueInfo {
    FixedText<40> ReservedA;
    std::array<FixedText<40>, 2> ConferenceNames;  // conferences 1, 2 at [0], [1]
    std::array<DivisionInfo, 6> Divisions;         // divisions 1..6 at [0..5]
    uint8_t DivisionCount = 0;
    FixedText<5> LeagueKey;
    Bytes<4> ReservedB{};
    uint8_t YoungPlayerAge = 0;
    uint8_t RFAAge = 0;
    uint8_t MaxProPlayers = 0;
    uint8_t FarmMaxOverall = 0;
    int16_t WaiverExemptAge = 0;
    int16_t WaiverExemptGames = 0;
    Bytes<2> ReservedC{};
    uint8_t SalaryCapMode = 0;
    int32_t SalaryCapAmount = 0;
    int32_t MinSalary = 0;
    int32_t MaxSalary = 0;
    int16_t FarmSalaryPercent = 0;
    int16_t MaxProtectedPlayers = 0;
    int16_t DefaultPullGoalerMinGoal = 0;
    int16_t DefaultPullGoalerMinPct = 0;
    Flag SuspendedNotPaid = 0;
    int16_t PayrollConditionThreshold = 0;
    Flag ShowOverallColumn = 0;
    Flag ShowAllRatings = 0;
    Flag DeadlineBlocksMoves = 0;
    Bytes<2> ReservedD{};
    Flag NoSamePlayerLines1And2 = 0;
    Flag TicketPricesLocked = 0;
    int16_t MaxOffers = 0;
    Flag FantasyDraft = 0;
    Flag EntryDraft = 0;
    int16_t EntryDraftBlocked = 0;
    Flag NextDayInfoAvailable = 0;
    Flag TradeDeadlinePassed = 0;
    Flag WaiversAllowed = 0;
    Flag FarmLinesEnabled = 0;
    uint8_t OverallWeightFG = 0;
    uint8_t ReservedE = 0;
    uint8_t OverallWeightEXLD = 0;
    uint8_t OverallWeightDU = 0;
    uint8_t ReservedF = 0;
    uint8_t OverallWeightDI = 0;
    uint8_t OverallWeightPHPA = 0;
    uint8_t OverallWeightSC = 0;
    Flag HideFinanceEstimates = 0;
    Bytes<4> ReservedG{};
    Flag OffSeason = 0;
    Flag ExpensePerGameDisabled = 0;
    Bytes<4> ReservedH{};
    Flag CapIncludesFarm = 0;
    Flag PayrollIncludesBonus = 0;
    FixedText<16> ReservedI;
    int16_t UnknownPlayerRating = 0;
    int32_t FarmMaxSalary = 0;
    int32_t FarmSalaryCap = 0;
    Flag AutoMadeDisabled = 0;
    Flag ListUnsignedFreeAgents = 0;
    double ClientFileDate = 0.0;  // OLE Automation date
    Bytes<2> ReservedJ{};
    Flag CapIncludesCoaches = 0;
    Flag NextDayInfoDisabled = 0;
    int16_t FarmFullSalaryThreshold = 0;
    int32_t MinSalaryCap = 0;
    Bytes<4> ReservedK{};
    int16_t MaxDressedSkaters = 0;
    int16_t MaxDressedGoalies = 0;
    int16_t MinCenters = 0;
    int16_t MinLeftWings = 0;
    int16_t MinRightWings = 0;
    int16_t MinDefense = 0;
    Flag FarmFullLineup = 0;
    int16_t OverallWeightCK = 0;
    int16_t OfferLimitBase = 0;
    FixedText<22> ReservedL;
    friend bool operator==(const LeagueInfo&, const LeagueInfo&) = default;
};

// One game day's lines of one club: 76 16-bit words. Words 0..70 hold player
// numbers (0 = empty; goalie numbers without the 10000 offset in 54 and 55).
struct DayLines {
    std::array<int16_t, 76> Slots{};
    friend bool operator==(const DayLines&, const DayLines&) = default;
};

// Word numbers inside DayLines. Units run unit by unit within a group.
namespace slot {
inline constexpr int NormalTrio = 0;         // 0..11: C, LW, RW of normal lines 1..4
inline constexpr int NormalDuo = 12;         // 12..19: D1, D2 of normal lines 1..4
inline constexpr int PPTrio = 20;            // 20..25: C, LW, RW of PP units 1..2
inline constexpr int PPDuo = 26;             // 26..29
inline constexpr int PKTrio = 30;            // 30..33: C, W of PK units 1..2
inline constexpr int PKDuo = 34;             // 34..37
inline constexpr int FourVsFourTrio = 38;    // 38..41: C, W of 4 vs 4 units 1..2
inline constexpr int FourVsFourDuo = 42;     // 42..45
inline constexpr int PK3Trio = 46;           // 46..49: 46, 47 never used; 48, 49 the forward
inline constexpr int PK3Duo = 50;            // 50..53
inline constexpr int StartGoaler = 54;
inline constexpr int BackupGoaler = 55;
inline constexpr int ExtraForward = 56;      // 56..60
inline constexpr int ExtraDefense = 61;      // 61..65
inline constexpr int PenaltyShot = 66;       // 66..70
inline constexpr int Strategy = 71;          // 71..73, captions given by the lines editor
inline constexpr int PullGoalerMinGoal = 74;
inline constexpr int PullGoalerMinPct = 75;
inline constexpr int LastPlayerSlot = 70;
inline constexpr int Count = 76;
}  // namespace slot

struct FarmTeamInfo {
    FixedText<40> Name;
    FixedText<3> Abbreviation;
    int16_t Coach = 0;
    int16_t Morale = 0;
    std::array<DayLines, 10> Lines;  // day d at [d - 1]
    friend bool operator==(const FarmTeamInfo&, const FarmTeamInfo&) = default;
};

struct TeamInfo {
    Flag InUse = 0;
    int16_t Number = 0;
    FixedText<40> Name;
    FixedText<3> Abbreviation;
    FixedText<40> GeneralManager;
    FixedText<40> MessengerId;
    FixedText<40> Email;
    FixedText<40> City;
    FixedText<40> ArenaName;
    FixedText<32> Password;
    Bytes<2> Reserved1{};
    uint8_t Division = 0;
    uint8_t Reserved2 = 0;
    int16_t Captain = 0;
    int16_t Assistant1 = 0;
    int16_t Assistant2 = 0;
    std::array<int32_t, 5> ArenaCapacity{};  // levels 1..4 and the luxury box at [0..4]
    std::array<int16_t, 5> TicketPrice{};
    int32_t BankAccount = 0;
    int32_t TotalAttendance = 0;
    int32_t TotalIncome = 0;
    int16_t Coach = 0;
    int16_t GamesInSeason = 0;
    int16_t Morale = 0;
    int16_t ProtectedCount = 0;
    int16_t GamesPlayed = 0;
    int16_t HomeGamesPlayed = 0;
    std::array<DayLines, 10> ProLines;  // day d at [d - 1]
    FarmTeamInfo Farm;
    int32_t PayrollBonus = 0;
    int16_t LoadLineCount = 0;
    int16_t OfferLimitTeamCount = 0;
    FixedText<32> Reserved3;
    friend bool operator==(const TeamInfo&, const TeamInfo&) = default;
};

// Skater ratings by index.
namespace sr {
inline constexpr int CK = 0, FG = 1, DI = 2, SK = 3, ST = 4, DU = 5, PH = 6, FO = 7, PA = 8, SC = 9, DF = 10,
                     EX = 11, LD = 12, MO = 13, PO = 14;
}
// Goalie ratings by index.
namespace gr {
inline constexpr int SK = 0, DU = 1, ST = 2, SZ = 3, AG = 4, RB = 5, SC = 6, HS = 7, RT = 8, EX = 9, LD = 10,
                     MO = 11, PO = 12;
}

struct PlayerInfo {
    Flag InUse = 0;
    int16_t Number = 0;
    FixedText<40> Name;
    int16_t Team = 0;
    FixedText<3> Country;
    int16_t Age = 0;
    int16_t Weight = 0;
    int16_t Height = 0;
    uint8_t Position = 0;
    uint8_t ContractYears = 0;
    Flag Rookie = 0;
    Flag Protected = 0;
    Flag NoApplyRerate = 0;
    Flag TradeAvailable = 0;
    Flag NoTrade = 0;
    int32_t Salary = 0;
    FixedText<40> Injury;
    uint8_t Reserved1 = 0;
    uint8_t Condition = 0;
    uint8_t Suspension = 0;
    uint8_t RosterStatus = 0;
    std::array<int16_t, 15> Ratings{};
    int16_t ProExperience = 0;
    Bytes<8> Reserved2{};
    friend bool operator==(const PlayerInfo&, const PlayerInfo&) = default;
};

struct GoalieInfo {
    Flag InUse = 0;
    int16_t Number = 0;
    FixedText<40> Name;
    int16_t Team = 0;
    FixedText<3> Country;
    int16_t Age = 0;
    int16_t Weight = 0;
    int16_t Height = 0;
    uint8_t ContractYears = 0;
    Flag Rookie = 0;
    Flag Protected = 0;
    Flag NoApplyRerate = 0;
    Flag TradeAvailable = 0;
    Flag NoTrade = 0;
    int32_t Salary = 0;
    FixedText<40> Injury;
    uint8_t Reserved1 = 0;
    uint8_t Condition = 0;
    uint8_t Suspension = 0;
    uint8_t RosterStatus = 0;
    std::array<int16_t, 13> Ratings{};
    int16_t ProExperience = 0;
    friend bool operator==(const GoalieInfo&, const GoalieInfo&) = default;
};

struct CoachInfo {
    Flag InUse = 0;
    int16_t Number = 0;
    FixedText<40> Name;
    int16_t Team = 0;
    FixedText<3> Country;
    int16_t Age = 0;
    uint8_t ContractYears = 0;
    int32_t Salary = 0;
    std::array<uint8_t, 7> Ratings{};  // Physical, Defense, Offense, Discipline, Exp, Lead, Potential
    Bytes<2> Reserved1{};
    friend bool operator==(const CoachInfo&, const CoachInfo&) = default;
};

struct ScheduleGame {
    int16_t GameNumber = 0;
    Flag ProScheduled = 0;
    int16_t ProPlayed = 0;
    int16_t ProTeam1 = 0;
    int16_t ProTeam2 = 0;
    Flag FarmScheduled = 0;
    int16_t FarmPlayed = 0;
    int16_t FarmTeam1 = 0;
    int16_t FarmTeam2 = 0;
    friend bool operator==(const ScheduleGame&, const ScheduleGame&) = default;
};

struct PlayerState {
    uint8_t Status = 0;  // roster status 0, 1, 2; 10 = not set
    Flag Protected = 0;
    Flag TradeAvailable = 0;
    friend bool operator==(const PlayerState&, const PlayerState&) = default;
};

struct FreeAgentOffer {
    int16_t Player = 0;  // person number, 0 = no offer
    int16_t Team = 0;
    int32_t Salary = 0;
    int16_t Duration = 0;
    int32_t Bonus = 0;
    FixedText<1000> Comment;
    friend bool operator==(const FreeAgentOffer&, const FreeAgentOffer&) = default;
};

}  // namespace dravik
