#include "league/layouts.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace dravik {
namespace {

using layout::Field;
using layout::StoredSize;

// The documented stored layouts, field by field, written out by hand: they
// must not be derived from the descriptions they check.
const std::vector<Field> kLeagueInfo = {
    {"ReservedA", 0, 40},
    {"ConferenceNames", 40, 80},
    {"Divisions", 120, 252},
    {"DivisionCount", 372, 1},
    {"LeagueKey", 373, 5},
    {"ReservedB", 378, 4},
    {"YoungPlayerAge", 382, 1},
    {"RFAAge", 383, 1},
    {"MaxProPlayers", 384, 1},
    {"FarmMaxOverall", 385, 1},
    {"WaiverExemptAge", 386, 2},
    {"WaiverExemptGames", 388, 2},
    {"ReservedC", 390, 2},
    {"SalaryCapMode", 392, 1},
    {"SalaryCapAmount", 393, 4},
    {"MinSalary", 397, 4},
    {"MaxSalary", 401, 4},
    {"FarmSalaryPercent", 405, 2},
    {"MaxProtectedPlayers", 407, 2},
    {"DefaultPullGoalerMinGoal", 409, 2},
    {"DefaultPullGoalerMinPct", 411, 2},
    {"SuspendedNotPaid", 413, 2},
    {"PayrollConditionThreshold", 415, 2},
    {"ShowOverallColumn", 417, 2},
    {"ShowAllRatings", 419, 2},
    {"DeadlineBlocksMoves", 421, 2},
    {"ReservedD", 423, 2},
    {"NoSamePlayerLines1And2", 425, 2},
    {"TicketPricesLocked", 427, 2},
    {"MaxOffers", 429, 2},
    {"FantasyDraft", 431, 2},
    {"EntryDraft", 433, 2},
    {"EntryDraftBlocked", 435, 2},
    {"NextDayInfoAvailable", 437, 2},
    {"TradeDeadlinePassed", 439, 2},
    {"WaiversAllowed", 441, 2},
    {"FarmLinesEnabled", 443, 2},
    {"OverallWeightFG", 445, 1},
    {"ReservedE", 446, 1},
    {"OverallWeightEXLD", 447, 1},
    {"OverallWeightDU", 448, 1},
    {"ReservedF", 449, 1},
    {"OverallWeightDI", 450, 1},
    {"OverallWeightPHPA", 451, 1},
    {"OverallWeightSC", 452, 1},
    {"HideFinanceEstimates", 453, 2},
    {"ReservedG", 455, 4},
    {"OffSeason", 459, 2},
    {"ExpensePerGameDisabled", 461, 2},
    {"ReservedH", 463, 4},
    {"CapIncludesFarm", 467, 2},
    {"PayrollIncludesBonus", 469, 2},
    {"ReservedI", 471, 16},
    {"UnknownPlayerRating", 487, 2},
    {"FarmMaxSalary", 489, 4},
    {"FarmSalaryCap", 493, 4},
    {"AutoMadeDisabled", 497, 2},
    {"ListUnsignedFreeAgents", 499, 2},
    {"ClientFileDate", 501, 8},
    {"ReservedJ", 509, 2},
    {"CapIncludesCoaches", 511, 2},
    {"NextDayInfoDisabled", 513, 2},
    {"FarmFullSalaryThreshold", 515, 2},
    {"MinSalaryCap", 517, 4},
    {"ReservedK", 521, 4},
    {"MaxDressedSkaters", 525, 2},
    {"MaxDressedGoalies", 527, 2},
    {"MinCenters", 529, 2},
    {"MinLeftWings", 531, 2},
    {"MinRightWings", 533, 2},
    {"MinDefense", 535, 2},
    {"FarmFullLineup", 537, 2},
    {"OverallWeightCK", 539, 2},
    {"OfferLimitBase", 541, 2},
    {"ReservedL", 543, 22},
};

const std::vector<Field> kDivisionInfo = {
    {"Name", 0, 40},
    {"Conference", 40, 1},
    {"Reserved", 41, 1},
};

const std::vector<Field> kTeamInfo = {
    {"InUse", 0, 2},
    {"Number", 2, 2},
    {"Name", 4, 40},
    {"Abbreviation", 44, 3},
    {"GeneralManager", 47, 40},
    {"MessengerId", 87, 40},
    {"Email", 127, 40},
    {"City", 167, 40},
    {"ArenaName", 207, 40},
    {"Password", 247, 32},
    {"Reserved1", 279, 2},
    {"Division", 281, 1},
    {"Reserved2", 282, 1},
    {"Captain", 283, 2},
    {"Assistant1", 285, 2},
    {"Assistant2", 287, 2},
    {"ArenaCapacity", 289, 20},
    {"TicketPrice", 309, 10},
    {"BankAccount", 319, 4},
    {"TotalAttendance", 323, 4},
    {"TotalIncome", 327, 4},
    {"Coach", 331, 2},
    {"GamesInSeason", 333, 2},
    {"Morale", 335, 2},
    {"ProtectedCount", 337, 2},
    {"GamesPlayed", 339, 2},
    {"HomeGamesPlayed", 341, 2},
    {"ProLines", 343, 1520},
    {"Farm", 1863, 1567},
    {"PayrollBonus", 3430, 4},
    {"LoadLineCount", 3434, 2},
    {"OfferLimitTeamCount", 3436, 2},
    {"Reserved3", 3438, 32},
};

// Offsets within the farm record itself (the team record puts it at 1863).
const std::vector<Field> kFarmTeamInfo = {
    {"Name", 0, 40}, {"Abbreviation", 40, 3}, {"Coach", 43, 2}, {"Morale", 45, 2}, {"Lines", 47, 1520},
};

// Slot k at byte 2k.
const std::vector<Field> kDayLines = {
    {"NormalTrio", 0, 24},
    {"NormalDuo", 24, 16},
    {"PPTrio", 40, 12},
    {"PPDuo", 52, 8},
    {"PKTrio", 60, 8},
    {"PKDuo", 68, 8},
    {"FourVsFourTrio", 76, 8},
    {"FourVsFourDuo", 84, 8},
    {"PK3Trio", 92, 8},
    {"PK3Duo", 100, 8},
    {"StartGoaler", 108, 2},
    {"BackupGoaler", 110, 2},
    {"ExtraForward", 112, 10},
    {"ExtraDefense", 122, 10},
    {"PenaltyShot", 132, 10},
    {"Strategy", 142, 6},
    {"PullGoalerMinGoal", 148, 2},
    {"PullGoalerMinPct", 150, 2},
};

const std::vector<Field> kPlayerInfo = {
    {"InUse", 0, 2},          {"Number", 2, 2},          {"Name", 4, 40},
    {"Team", 44, 2},          {"Country", 46, 3},        {"Age", 49, 2},
    {"Weight", 51, 2},        {"Height", 53, 2},         {"Position", 55, 1},
    {"ContractYears", 56, 1}, {"Rookie", 57, 2},         {"Protected", 59, 2},
    {"NoApplyRerate", 61, 2}, {"TradeAvailable", 63, 2}, {"NoTrade", 65, 2},
    {"Salary", 67, 4},        {"Injury", 71, 40},        {"Reserved1", 111, 1},
    {"Condition", 112, 1},    {"Suspension", 113, 1},    {"RosterStatus", 114, 1},
    {"Ratings", 115, 30},     {"ProExperience", 145, 2}, {"Reserved2", 147, 8},
};

const std::vector<Field> kGoalieInfo = {
    {"InUse", 0, 2},           {"Number", 2, 2},         {"Name", 4, 40},
    {"Team", 44, 2},           {"Country", 46, 3},       {"Age", 49, 2},
    {"Weight", 51, 2},         {"Height", 53, 2},        {"ContractYears", 55, 1},
    {"Rookie", 56, 2},         {"Protected", 58, 2},     {"NoApplyRerate", 60, 2},
    {"TradeAvailable", 62, 2}, {"NoTrade", 64, 2},       {"Salary", 66, 4},
    {"Injury", 70, 40},        {"Reserved1", 110, 1},    {"Condition", 111, 1},
    {"Suspension", 112, 1},    {"RosterStatus", 113, 1}, {"Ratings", 114, 26},
    {"ProExperience", 140, 2},
};

const std::vector<Field> kCoachInfo = {
    {"InUse", 0, 2}, {"Number", 2, 2},         {"Name", 4, 40},   {"Team", 44, 2},    {"Country", 46, 3},
    {"Age", 49, 2},  {"ContractYears", 51, 1}, {"Salary", 52, 4}, {"Ratings", 56, 7}, {"Reserved1", 63, 2},
};

const std::vector<Field> kScheduleGame = {
    {"GameNumber", 0, 2},  {"ProScheduled", 2, 2}, {"ProPlayed", 4, 2},
    {"ProTeam1", 6, 2},    {"ProTeam2", 8, 2},     {"FarmScheduled", 10, 2},
    {"FarmPlayed", 12, 2}, {"FarmTeam1", 14, 2},   {"FarmTeam2", 16, 2},
};

const std::vector<Field> kPlayerState = {
    {"Status", 0, 1},
    {"Protected", 1, 2},
    {"TradeAvailable", 3, 2},
};

const std::vector<Field> kFreeAgentOffer = {
    {"Player", 0, 2},   {"Team", 2, 2},   {"Salary", 4, 4},
    {"Duration", 8, 2}, {"Bonus", 10, 4}, {"Comment", 14, 1000},
};

struct LayoutCase {
    const char* record;
    std::size_t total;  // documented record length
    const std::vector<Field>* documented;
    std::size_t stored;  // StoredSize of the description
    std::function<std::vector<Field>()> described;
};

template <class R>
LayoutCase layoutCase(const char* name, std::size_t total, const std::vector<Field>& documented) {
    return {name, total, &documented, StoredSize<R>, [] { return layout::fields<R>(); }};
}

class StoredLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(StoredLayout, EveryFieldAtItsDocumentedOffsetAndWidth) {
    const LayoutCase& c = GetParam();
    EXPECT_EQ(c.described(), *c.documented);
    EXPECT_EQ(c.stored, c.total);
    const Field& last = c.documented->back();
    EXPECT_EQ(last.offset + last.width, c.total);
}

INSTANTIATE_TEST_SUITE_P(Records, StoredLayout,
                         testing::Values(layoutCase<LeagueInfo>("LeagueInfo", 565, kLeagueInfo),
                                         layoutCase<DivisionInfo>("DivisionInfo", 42, kDivisionInfo),
                                         layoutCase<TeamInfo>("TeamInfo", 3470, kTeamInfo),
                                         layoutCase<FarmTeamInfo>("FarmTeamInfo", 1567, kFarmTeamInfo),
                                         layoutCase<DayLines>("DayLines", 152, kDayLines),
                                         layoutCase<PlayerInfo>("PlayerInfo", 155, kPlayerInfo),
                                         layoutCase<GoalieInfo>("GoalieInfo", 142, kGoalieInfo),
                                         layoutCase<CoachInfo>("CoachInfo", 65, kCoachInfo),
                                         layoutCase<ScheduleGame>("ScheduleGame", 18, kScheduleGame),
                                         layoutCase<PlayerState>("PlayerState", 5, kPlayerState),
                                         layoutCase<FreeAgentOffer>("FreeAgentOffer", 1014, kFreeAgentOffer)),
                         [](const testing::TestParamInfo<LayoutCase>& info) {
                             return std::string(info.param.record);
                         });

Field leaf(const std::vector<Field>& all, const std::string& name) {
    for (const Field& f : all)
        if (f.name == name) return f;
    ADD_FAILURE() << "no field " << name;
    return {};
}

TEST(StoredLayout, NestedRecordsLieAtTheirOffsetsInsideTheOuterRecord) {
    const auto team = layout::leafFields<TeamInfo>();
    EXPECT_EQ(leaf(team, "Farm.Name"), (Field{"Farm.Name", 1863, 40}));
    EXPECT_EQ(leaf(team, "Farm.Abbreviation"), (Field{"Farm.Abbreviation", 1903, 3}));
    EXPECT_EQ(leaf(team, "Farm.Coach"), (Field{"Farm.Coach", 1906, 2}));
    EXPECT_EQ(leaf(team, "Farm.Morale"), (Field{"Farm.Morale", 1908, 2}));
    for (int d = 1; d <= 10; ++d) {
        const std::string pro = "ProLines[" + std::to_string(d - 1) + "].";
        const std::string farm = "Farm.Lines[" + std::to_string(d - 1) + "].";
        EXPECT_EQ(leaf(team, pro + "NormalTrio").offset, 343u + 152u * (d - 1));
        EXPECT_EQ(leaf(team, farm + "NormalTrio").offset, 1910u + 152u * (d - 1));
        EXPECT_EQ(leaf(team, farm + "Strategy"),
                  (Field{farm + "Strategy", 1910u + 152u * (d - 1) + 142u, 6}));
    }
    EXPECT_EQ(leaf(team, "Farm.Lines[9].PullGoalerMinPct").offset + 2, 3430u);

    const auto league = layout::leafFields<LeagueInfo>();
    for (int k = 0; k < 6; ++k) {
        const std::string div = "Divisions[" + std::to_string(k) + "].";
        EXPECT_EQ(leaf(league, div + "Name"), (Field{div + "Name", 120u + 42u * k, 40}));
        EXPECT_EQ(leaf(league, div + "Conference"), (Field{div + "Conference", 160u + 42u * k, 1}));
    }
}

// Each described field must be its own member: since the records declare their
// members in stored order, the members a description visits lie at strictly
// increasing addresses, one after the other without overlap. This catches a
// field that reads into its neighbour's member.
struct MemberWalk {
    const unsigned char* base;
    std::vector<std::pair<std::size_t, std::size_t>> spans;  // address offset, in-memory size
    std::vector<std::string> names;
    template <class M>
    void operator()(const char* name, std::size_t, M&& member) {
        const void* p;
        std::size_t size;
        if constexpr (requires {
                          member.data();
                          member.size_bytes();
                      }) {
            p = member.data();
            size = member.size_bytes();
        } else {
            p = &member;
            size = sizeof(member);
        }
        spans.emplace_back(static_cast<const unsigned char*>(p) - base, size);
        names.emplace_back(name);
    }
};

template <class R>
void expectMembersInOrder(const char* record) {
    auto r = std::make_unique<R>();
    MemberWalk walk{reinterpret_cast<const unsigned char*>(r.get()), {}, {}};
    layout::describe(*r, walk);
    for (std::size_t i = 1; i < walk.spans.size(); ++i) {
        EXPECT_GE(walk.spans[i].first, walk.spans[i - 1].first + walk.spans[i - 1].second)
            << record << "." << walk.names[i] << " after " << walk.names[i - 1];
    }
    EXPECT_LE(walk.spans.back().first + walk.spans.back().second, sizeof(R)) << record;
}

TEST(StoredLayout, EveryFieldIsItsOwnMember) {
    expectMembersInOrder<LeagueInfo>("LeagueInfo");
    expectMembersInOrder<DivisionInfo>("DivisionInfo");
    expectMembersInOrder<TeamInfo>("TeamInfo");
    expectMembersInOrder<FarmTeamInfo>("FarmTeamInfo");
    expectMembersInOrder<DayLines>("DayLines");
    expectMembersInOrder<PlayerInfo>("PlayerInfo");
    expectMembersInOrder<GoalieInfo>("GoalieInfo");
    expectMembersInOrder<CoachInfo>("CoachInfo");
    expectMembersInOrder<ScheduleGame>("ScheduleGame");
    expectMembersInOrder<PlayerState>("PlayerState");
    expectMembersInOrder<FreeAgentOffer>("FreeAgentOffer");
}

// Decoding random bytes and encoding the record again gives the same bytes:
// every stored byte, reserved ones included, has a home in the record.
template <class R>
class RoundTrip : public testing::Test {};

using StoredRecords = testing::Types<LeagueInfo, DivisionInfo, TeamInfo, FarmTeamInfo, DayLines, PlayerInfo,
                                     GoalieInfo, CoachInfo, ScheduleGame, PlayerState, FreeAgentOffer>;
TYPED_TEST_SUITE(RoundTrip, StoredRecords);

TYPED_TEST(RoundTrip, RandomBytesSurviveDecodeAndEncode) {
    constexpr std::size_t n = StoredSize<TypeParam>;
    std::mt19937 rng(static_cast<unsigned>(n));
    for (int pass = 0; pass < 20; ++pass) {
        std::vector<uint8_t> stored(n), again(n, 0xA5);
        for (auto& b : stored) b = static_cast<uint8_t>(rng());
        auto record = std::make_unique<TypeParam>();
        layout::decode(stored.data(), *record);
        layout::encode(*record, again.data());
        ASSERT_EQ(again, stored) << "pass " << pass;

        auto copy = std::make_unique<TypeParam>();
        layout::decode(again.data(), *copy);
        EXPECT_TRUE(*copy == *record);
    }
}

TEST(StoredLayout, RookieFlagOfAGoalieLiesOneByteBeforeASkaters) {
    PlayerInfo skater;
    skater.ContractYears = 3;
    skater.Rookie = True;
    GoalieInfo goalie;
    goalie.ContractYears = 3;
    goalie.Rookie = True;
    std::vector<uint8_t> s(StoredSize<PlayerInfo>), g(StoredSize<GoalieInfo>);
    layout::encode(skater, s.data());
    layout::encode(goalie, g.data());
    EXPECT_EQ(s[56], 3);
    EXPECT_EQ(s[57], 0xFF);
    EXPECT_EQ(s[58], 0xFF);
    EXPECT_EQ(s[59], 0);
    EXPECT_EQ(g[55], 3);
    EXPECT_EQ(g[56], 0xFF);
    EXPECT_EQ(g[57], 0xFF);
    EXPECT_EQ(g[58], 0);

    GoalieInfo back;
    layout::decode(g.data(), back);
    EXPECT_EQ(back.Rookie, True);
    EXPECT_EQ(back.ContractYears, 3);
}

// Known values at known bytes, little-endian.
TEST(StoredLayout, ValuesAreStoredLittleEndianAtTheirOffsets) {
    auto team = std::make_unique<TeamInfo>();
    team->Name = "Riverton";
    team->BankAccount = 0x01020304;
    team->Farm.Coach = 0x1234;
    team->ProLines[1].Slots[slot::Strategy + 2] = -2;
    team->Farm.Lines[9].Slots[slot::PullGoalerMinPct] = 0x0A0B;
    std::vector<uint8_t> b(StoredSize<TeamInfo>);
    layout::encode(*team, b.data());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[4]), 10), std::string("Riverton  "));
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + 319, b.begin() + 323), (std::vector<uint8_t>{4, 3, 2, 1}));
    EXPECT_EQ(b[1906], 0x34);
    EXPECT_EQ(b[1907], 0x12);
    EXPECT_EQ(b[343 + 152 + 146], 0xFE);
    EXPECT_EQ(b[343 + 152 + 147], 0xFF);
    EXPECT_EQ(b[3428], 0x0B);
    EXPECT_EQ(b[3429], 0x0A);

    LeagueInfo league;
    league.ClientFileDate = 45000.75;
    league.OverallWeightCK = 50;
    league.SalaryCapAmount = -2;
    std::vector<uint8_t> l(StoredSize<LeagueInfo>);
    layout::encode(league, l.data());
    uint64_t bits;
    std::memcpy(&bits, &league.ClientFileDate, 8);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(l[501 + i], static_cast<uint8_t>(bits >> (8 * i)));
    EXPECT_EQ(l[539], 50);
    EXPECT_EQ(std::vector<uint8_t>(l.begin() + 393, l.begin() + 397),
              (std::vector<uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(l[392], 0);
    EXPECT_EQ(l[397], 0);

    CoachInfo coach;
    coach.Ratings[6] = 77;
    coach.Salary = 250000;
    std::vector<uint8_t> c(StoredSize<CoachInfo>);
    layout::encode(coach, c.data());
    EXPECT_EQ(c[62], 77);
    EXPECT_EQ(c[52] | c[53] << 8 | c[54] << 16 | c[55] << 24, 250000);
}

}  // namespace
}  // namespace dravik
