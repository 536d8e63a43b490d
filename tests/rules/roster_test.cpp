#include "rules/roster.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "rules/slots.h"
#include "support/failing_dialogs.h"
#include "support/small_league.h"

namespace dravik {
namespace {

using test::SmallLeague;
constexpr int16_t T = SmallLeague::Team;
const std::string Closing = "Some errors will be automatically fixed.\r\n";

std::string lines(const std::vector<std::string>& findings) {
    std::string s;
    for (const auto& f : findings) s += f + "\r\n";
    return s;
}
// What the box shows for these findings.
std::string box(const std::vector<std::string>& findings) {
    return "Halden Ravens Roster Error : \r\n" + lines(findings) + Closing;
}
// What the log receives.
std::string log(const std::vector<std::string>& findings) {
    return "Halden Ravens roster errors : " + lines(findings) + Closing;
}
std::string unfit(const std::string& name) {
    return name + " is injured, suspended, has no contract or incorrect salaries but he's on Pro Team!";
}

TEST(CheckRoster, ALegalRosterPassesSilently) {
    for (Flag fullFarm : {False, True}) {
        SmallLeague lg;
        lg.rules().FarmFullLineup = fullFarm;
        lg.state->RosterChangedByCheck = 1;
        lg.fillProLines(1);
        TeamInfo before = lg.team();
        EXPECT_EQ(CheckRoster(lg.env, T, True, True, True), True);
        EXPECT_TRUE(lg.dialogs.shown().empty());
        EXPECT_TRUE(lg.log.entries.empty());
        EXPECT_EQ(lg.state->RosterChangedByCheck, 0);
        EXPECT_EQ(lg.team(), before);
    }
}

TEST(CheckRoster, GoldenReportOfAnUnfitSkaterAndNoGoalie) {
    SmallLeague lg;
    int16_t hurt = lg.addSkater(T, pos::RW, status::Dressed, "Hurt Winger", 60);
    lg.skater(hurt).Condition = 90;
    for (int16_t g : lg.pro.G) lg.goalie(g).RosterStatus = status::Scratch;

    EXPECT_EQ(CheckRoster(lg.env, T, True, False, True), False);
    ASSERT_EQ(lg.dialogs.shown().size(), 1u);
    EXPECT_EQ(
        lg.dialogs.shown()[0].prompt,
        "Halden Ravens Roster Error : \r\n"
        "Hurt Winger is injured, suspended, has no contract or incorrect salaries but he's on Pro Team!\r\n"
        "Not enough Goalie available in Pro Team! 0 Dressed. 2 Required.\r\n"
        "Some errors will be automatically fixed.\r\n");
    EXPECT_EQ(lg.dialogs.shown()[0].style, mb::OKOnly | mb::Exclamation);
    EXPECT_EQ(lg.dialogs.shown()[0].title, ProductName);
    ASSERT_EQ(lg.log.entries.size(), 1u);
    EXPECT_EQ(
        lg.log.entries[0].text,
        "Halden Ravens roster errors : "
        "Hurt Winger is injured, suspended, has no contract or incorrect salaries but he's on Pro Team!\r\n"
        "Not enough Goalie available in Pro Team! 0 Dressed. 2 Required.\r\n"
        "Some errors will be automatically fixed.\r\n");
}

TEST(CheckRoster, AnUnfitDressedSkaterGoesToTheScratchesAndLeavesEveryLineAndRole) {
    SmallLeague lg;
    int16_t c1 = lg.pro.C[0];  // the captain
    for (int d = 1; d <= 10; ++d) {
        lg.fillProLines(d);
        lg.farmDay(d).Slots[slot::ExtraForward] = c1;
    }
    lg.skater(c1).Condition = 94;
    lg.rules().MaxDressedSkaters = 19;
    lg.addSkater(T, pos::D, status::Dressed, "Extra D", 60);

    // Repairs alone, every limit still met (3 centers, 18 skaters remain):
    // reported, and passed.
    EXPECT_EQ(CheckRoster(lg.env, T, True, False, True), True);
    EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{box({unfit("Pro C1")})});
    EXPECT_EQ(lg.skater(c1).RosterStatus, status::Scratch);
    EXPECT_EQ(lg.state->PlayerStates[c1].Status, status::Scratch);
    EXPECT_EQ(lg.state->RosterChangedByCheck, 1);
    EXPECT_EQ(lg.team().Captain, 0);
    for (int d = 1; d <= 10; ++d) {
        EXPECT_TRUE(SmallLeague::wordsHolding(lg.proDay(d), c1).empty());
        EXPECT_TRUE(SmallLeague::wordsHolding(lg.farmDay(d), c1).empty());
        EXPECT_EQ(lg.proDay(d).Slots[slot::StartGoaler], lg.pro.G[0]) << "goalie 1 keeps his slot";
    }

    // The repaired player is not reported again, and the flag goes back to 0.
    lg.dialogs.clear();
    EXPECT_EQ(CheckRoster(lg.env, T, True, False, True), True);
    EXPECT_TRUE(lg.dialogs.shown().empty());
    EXPECT_EQ(lg.state->RosterChangedByCheck, 0);
}

TEST(CheckRoster, AnUnfitDressedGoalieLeavesOnlyTheGoalieSlots) {
    SmallLeague lg;
    lg.fillProLines(2);
    int16_t g1 = lg.pro.G[0];
    lg.goalie(g1).Suspension = 1;
    EXPECT_EQ(CheckRoster(lg.env, T, True, False, True), False);
    EXPECT_EQ(lg.goalie(g1).RosterStatus, status::Scratch);
    EXPECT_EQ(lg.state->GoalieStates[g1].Status, status::Scratch);
    EXPECT_EQ(lg.proDay(2).Slots[slot::StartGoaler], 0);
    EXPECT_EQ(SmallLeague::wordsHolding(lg.proDay(2), g1).size(), 7u) << "skater 1 plays on";
    EXPECT_EQ(lg.team().Captain, g1);
    EXPECT_EQ(lg.log.entries.at(0).text,
              log({unfit("Pro G1"), "Not enough Goalie available in Pro Team! 1 Dressed. 2 Required."}));
}

// Fit to dress: condition 95, no suspension, a contract and a salary within
// the league's minimum and maximum, both included.
TEST(CheckRoster, FitToDressBoundaries) {
    struct Case {
        const char* what;
        std::function<void(PlayerInfo&, const LeagueInfo&)> change;
        bool moved;
    };
    std::vector<Case> cases{
        {"condition 95 stays", [](PlayerInfo& p, const LeagueInfo&) { p.Condition = 95; }, false},
        {"condition 94 goes", [](PlayerInfo& p, const LeagueInfo&) { p.Condition = 94; }, true},
        {"suspension goes", [](PlayerInfo& p, const LeagueInfo&) { p.Suspension = 1; }, true},
        {"no contract goes", [](PlayerInfo& p, const LeagueInfo&) { p.ContractYears = 0; }, true},
        {"minimum salary stays", [](PlayerInfo& p, const LeagueInfo& r) { p.Salary = r.MinSalary; }, false},
        {"under the minimum goes", [](PlayerInfo& p, const LeagueInfo& r) { p.Salary = r.MinSalary - 1; },
         true},
        {"maximum salary stays", [](PlayerInfo& p, const LeagueInfo& r) { p.Salary = r.MaxSalary; }, false},
        {"over the maximum goes", [](PlayerInfo& p, const LeagueInfo& r) { p.Salary = r.MaxSalary + 1; },
         true},
    };
    for (const Case& c : cases) {
        SmallLeague lg;
        lg.rules().MinCenters = 0;
        lg.rules().MaxDressedSkaters = 19;
        int16_t extra = lg.addSkater(T, pos::C, status::Dressed, "Extra C", 60);
        c.change(lg.skater(extra), lg.rules());
        EXPECT_EQ(CheckRoster(lg.env, T, True, False, False), True) << c.what;
        EXPECT_EQ(lg.skater(extra).RosterStatus, c.moved ? status::Scratch : status::Dressed) << c.what;
        EXPECT_EQ(lg.log.entries.size(), c.moved ? 1u : 0u) << c.what;
    }
}

// After the move the player counts where he now stands: not among the
// dressed, and as a scratch when he is available.
TEST(CheckRoster, AMovedPlayerCountsWhereHeNowStands) {
    struct Case {
        const char* what;
        bool salaryFault;  // else injured
        std::vector<std::string> findings;
    };
    std::vector<Case> cases{
        {"salary fault: an available scratch",
         true,
         {unfit("Pro D6"), "Not enough Defenseman available in Pro Team! 5 Dressed. 6 Required.",
          "Not enough players available in Pro Team! 17 Dressed. 18 Required.",
          "Maximum Players Limit Reached in Pro Team!"}},
        {"injured: not counted",
         false,
         {unfit("Pro D6"), "Not enough Defenseman available in Pro Team! 5 Dressed. 6 Required.",
          "Not enough players available in Pro Team! 17 Dressed. 18 Required."}},
    };
    for (const Case& c : cases) {
        SmallLeague lg;
        lg.rules().MaxProPlayers = 22;  // 3 available scratches, 17 dressed, 2 goalies
        if (c.salaryFault)
            lg.skater(lg.pro.D[5]).Salary = lg.rules().MaxSalary + 1;
        else
            lg.skater(lg.pro.D[5]).Condition = 10;
        EXPECT_EQ(CheckRoster(lg.env, T, True, False, False), False) << c.what;
        ASSERT_EQ(lg.log.entries.size(), 1u);
        EXPECT_EQ(lg.log.entries[0].text, log(c.findings)) << c.what;
    }
}

TEST(CheckRoster, FarmPlayersTooGoodOrTooExpensiveGoUp) {
    SmallLeague lg;
    lg.rules().FarmFullLineup = True;  // rules over pro and farm players together
    lg.rules().MaxProPlayers = 24;
    int16_t star = lg.farm.C[0];
    int16_t rich = lg.farm.D[0];
    int16_t both = lg.farm.LW[0];
    lg.rate(star, 90);
    lg.skater(rich).Salary = lg.rules().FarmMaxSalary + 1;
    lg.rate(both, 90);
    lg.skater(both).Salary = lg.rules().FarmMaxSalary + 1;
    lg.rateGoalie(lg.farm.G[0], 90);
    lg.fillFarmLines(1);

    // Each moved player still counts as a farm player of his position (36
    // skaters, 4 goalies) and as an available scratch (7 of them: 7 + 18 + 2
    // is over 24).
    EXPECT_EQ(CheckRoster(lg.env, T, True, False, False), False);
    ASSERT_EQ(lg.log.entries.size(), 1u);
    EXPECT_EQ(
        lg.log.entries[0].text,
        log({"Farm C1 overall is too high to be in farm!", "Farm LW1 overall is too high to be in farm!",
             "Farm LW1 salary is too high to be in farm!", "Farm D1 salary is too high to be in farm!",
             "Farm G1 Overall is too high to be in farm!", "Maximum Players Limit Reached in Pro Team!"}));
    for (int16_t n : {star, rich, both}) {
        EXPECT_EQ(lg.skater(n).RosterStatus, status::Scratch);
        EXPECT_EQ(lg.state->PlayerStates[n].Status, status::Scratch);
        EXPECT_TRUE(SmallLeague::wordsHolding(lg.farmDay(1), n).empty());
    }
    EXPECT_EQ(lg.goalie(lg.farm.G[0]).RosterStatus, status::Scratch);
    EXPECT_EQ(lg.state->GoalieStates[lg.farm.G[0]].Status, status::Scratch);
    EXPECT_EQ(lg.farmDay(1).Slots[slot::StartGoaler], 0);
    EXPECT_EQ(lg.state->RosterChangedByCheck, 1);
}

TEST(CheckRoster, FarmLimitsHoldWithoutFarmClubsAndASalaryLimitBelowOneIsNone) {
    struct Case {
        int32_t farmMaxSalary;
        uint8_t farmMaxOverall;
        Flag farmLines;
        bool moved;
    };
    for (Case c : {Case{400000, 55, False, true}, Case{0, 0, False, true}, Case{0, 55, True, false},
                   Case{-5, 55, True, false}}) {
        SmallLeague lg;
        lg.rules().FarmMaxSalary = c.farmMaxSalary;
        lg.rules().FarmMaxOverall = c.farmMaxOverall;
        lg.rules().FarmLinesEnabled = c.farmLines;
        lg.skater(lg.farm.RW[1]).Salary = 4000000;
        CheckRoster(lg.env, T, False, False, False);
        EXPECT_EQ(lg.skater(lg.farm.RW[1]).RosterStatus, c.moved ? status::Scratch : status::Farm);
    }
}

// The limits, each at its boundary and one past it. Findings listed are the
// whole report (lines before the closing sentence).
struct LimitCase {
    const char* what;
    std::function<void(SmallLeague&)> change;
    std::vector<std::string> findings;  // empty: passes silently
    friend void PrintTo(const LimitCase& c, std::ostream* os) { *os << c.what; }
};

class Limits : public ::testing::TestWithParam<LimitCase> {};

TEST_P(Limits, EachRuleAtItsBoundary) {
    const LimitCase& c = GetParam();
    SmallLeague lg;
    c.change(lg);
    bool fails = false;
    for (const auto& f : c.findings)
        fails = fails || f.find(" is ") == std::string::npos;  // a rule line, not a repair
    EXPECT_EQ(CheckRoster(lg.env, T, True, False, True), fails ? False : True);
    if (c.findings.empty()) {
        EXPECT_TRUE(lg.log.entries.empty());
    } else {
        ASSERT_EQ(lg.log.entries.size(), 1u);
        EXPECT_EQ(lg.log.entries[0].text, log(c.findings));
    }
}

const std::vector<LimitCase> limitCases{
    {"centers at the minimum", [](SmallLeague& lg) { lg.rules().MinCenters = 4; }, {}},
    {"centers one under",
     [](SmallLeague& lg) { lg.rules().MinCenters = 5; },
     {"Not enough Centers available in Pro Team! 4 Dressed. 5 Required."}},
    {"left wings at the minimum", [](SmallLeague& lg) { lg.rules().MinLeftWings = 4; }, {}},
    {"left wings one under",
     [](SmallLeague& lg) { lg.rules().MinLeftWings = 5; },
     {"Not enough Left Wings available in Pro Team! 4 Dressed. 5 Required."}},
    {"right wings at the minimum", [](SmallLeague& lg) { lg.rules().MinRightWings = 4; }, {}},
    {"right wings one under",
     [](SmallLeague& lg) { lg.rules().MinRightWings = 5; },
     {"Not enough Right Wings available in Pro Team! 4 Dressed. 5 Required."}},
    {"defense at the minimum", [](SmallLeague& lg) { lg.rules().MinDefense = 6; }, {}},
    {"defense one under",
     [](SmallLeague& lg) { lg.rules().MinDefense = 7; },
     {"Not enough Defenseman available in Pro Team! 6 Dressed. 7 Required."}},
    {"an unfit center in a team of exactly three",
     [](SmallLeague& lg) {
         lg.skater(lg.pro.C[3]).Position = pos::LW;
         lg.skater(lg.pro.C[0]).Suspension = 2;
     },
     {unfit("Pro C1"), "Not enough Centers available in Pro Team! 2 Dressed. 3 Required.",
      "Not enough players available in Pro Team! 17 Dressed. 18 Required."}},
    {"one goalie, whatever the maximum",
     [](SmallLeague& lg) {
         lg.rules().MaxDressedGoalies = 1;
         lg.goalie(lg.pro.G[1]).RosterStatus = status::Scratch;
     },
     {"Not enough Goalie available in Pro Team! 1 Dressed. 2 Required."}},
    {"three goalies",
     [](SmallLeague& lg) { lg.goalie(lg.scratchG).RosterStatus = status::Dressed; },
     {"Too many Goalie available in Pro Team! 3 Dressed. 2 Maximum."}},
    {"17 skaters, whatever the minimums",
     [](SmallLeague& lg) {
         LeagueInfo& r = lg.rules();
         r.MinCenters = r.MinLeftWings = r.MinRightWings = r.MinDefense = 0;
         lg.skater(lg.pro.D[5]).RosterStatus = status::Scratch;
     },
     {"Not enough players available in Pro Team! 17 Dressed. 18 Required."}},
    {"19 skaters",
     [](SmallLeague& lg) { lg.skater(lg.scratchC).RosterStatus = status::Dressed; },
     {"Too many players available in Pro Team! 19 Dressed. 18 Required."}},
    {"19 skaters under a maximum of 19",
     [](SmallLeague& lg) {
         lg.rules().MaxDressedSkaters = 19;
         lg.skater(lg.scratchC).RosterStatus = status::Dressed;
     },
     {}},
    {"a maximum under 18 never passes",
     [](SmallLeague& lg) { lg.rules().MaxDressedSkaters = 17; },
     {"Too many players available in Pro Team! 18 Dressed. 17 Required."}},
    {"pro players at the limit (the injured scratch does not count)",
     [](SmallLeague& lg) { lg.rules().MaxProPlayers = 23; },
     {}},
    {"pro players one over",
     [](SmallLeague& lg) { lg.rules().MaxProPlayers = 22; },
     {"Maximum Players Limit Reached in Pro Team!"}},
    {"full farm lineup: 36 skaters", [](SmallLeague& lg) { lg.rules().FarmFullLineup = True; }, {}},
    {"full farm lineup: 35 skaters",
     [](SmallLeague& lg) {
         lg.rules().FarmFullLineup = True;
         lg.skater(lg.farm.C[3]).Condition = 50;
     },
     {"Not enough players available in Pro Team and Farm Team! 35 Dressed. 36 Required."}},
    {"full farm lineup ignored while farm clubs are off",
     [](SmallLeague& lg) {
         lg.rules().FarmFullLineup = True;
         lg.rules().FarmLinesEnabled = False;
         lg.skater(lg.farm.C[3]).Condition = 50;
     },
     {}},
    {"full farm lineup: centers",
     [](SmallLeague& lg) {
         lg.rules().FarmFullLineup = True;
         lg.rules().MinCenters = 5;
     },
     {"Not enough Centers available in Pro Team! 4 Dressed. 5 Required.",
      "Not enough Centers available in Pro and Farm Team! 8 Dressed. 10 Required."}},
    {"full farm lineup: wings and defense",
     [](SmallLeague& lg) {
         lg.rules().FarmFullLineup = True;
         lg.skater(lg.farm.LW[0]).Suspension = 1;
         lg.skater(lg.farm.LW[1]).Suspension = 1;
         lg.skater(lg.farm.LW[2]).Suspension = 1;
         lg.skater(lg.farm.RW[0]).ContractYears = 0;
         lg.skater(lg.farm.RW[1]).ContractYears = 0;
         lg.skater(lg.farm.RW[2]).ContractYears = 0;
         for (int i = 0; i < 6; ++i) lg.skater(lg.farm.D[i]).Condition = 94;
     },
     {"Not enough Left Wings available in Pro and Farm Team! 5 Dressed. 6 Required.",
      "Not enough Right Wings available in Pro and Farm Team! 5 Dressed. 6 Required.",
      "Not enough Defenseman available in Pro and Farm Team! 6 Dressed. 12 Required.",
      "Not enough players available in Pro Team and Farm Team! 24 Dressed. 36 Required."}},
    {"full farm lineup: goalies",
     [](SmallLeague& lg) {
         lg.rules().FarmFullLineup = True;
         lg.goalie(lg.farm.G[1]).Condition = 94;
     },
     {"Not enough Goalie available in Pro and Farm Team! 3 Dressed. 4 Required."}},
    {"a minimum too large to double in 16 bits",
     [](SmallLeague& lg) {
         lg.rules().FarmFullLineup = True;
         lg.rules().MinCenters = 20000;
     },
     {"Not enough Centers available in Pro Team! 4 Dressed. 20000 Required.",
      "Not enough Centers available in Pro and Farm Team! 8 Dressed. 40000 Required."}},
};

INSTANTIATE_TEST_SUITE_P(Roster, Limits, ::testing::ValuesIn(limitCases), [](const auto& info) {
    std::string s = info.param.what;
    for (char& ch : s)
        if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return s;
});

TEST(CheckRoster, APlayerWithoutPositionIsAnImmediateBox) {
    SmallLeague lg;
    lg.skater(lg.pro.RW[3]).Position = 0;
    lg.skater(lg.farm.RW[3]).Position = 7;
    EXPECT_EQ(CheckRoster(lg.env, T, True, False, False), False);
    // The farm player's overall cannot be rated for his position either.
    EXPECT_EQ(lg.dialogs.messages(),
              (std::vector<std::string>{"Pro RW4 has no position!", "Integrity Check Failed!",
                                        "Farm RW4 has no position!"}));
    for (const auto& b : lg.dialogs.shown()) EXPECT_EQ(b.icon(), mb::Critical);
    EXPECT_EQ(lg.log.entries.at(0).text,
              log({"Not enough players available in Pro Team! 17 Dressed. 18 Required."}));
}

TEST(CheckRoster, TheSalaryCapFollowsTheReport) {
    struct Case {
        Flag showMessages;
        bool rosterFault;
    };
    for (Case c : {Case{True, false}, Case{True, true}, Case{False, true}}) {
        SmallLeague lg;
        lg.rules().SalaryCapMode = 1;
        lg.rules().SalaryCapAmount = 1000000;
        if (c.rosterFault) lg.rules().MinDefense = 7;
        // 24 paid at 300000: the dressed, the scratches (the injured one too).
        std::string cap = "Halden Ravens is over the salary cap by $6,200,000.00!";
        EXPECT_EQ(CheckRoster(lg.env, T, False, True, c.showMessages), False);
        std::vector<std::string> boxes, logs;
        if (c.rosterFault && c.showMessages == True)
            boxes.push_back(box({"Not enough Defenseman available in Pro Team! 6 Dressed. 7 Required."}));
        (c.showMessages == True ? boxes : logs).push_back(cap);
        EXPECT_EQ(lg.dialogs.messages(), boxes);
        std::vector<std::string> logged;
        for (const auto& e : lg.log.entries) logged.push_back(e.text);
        EXPECT_EQ(logged, logs);
    }
    // Not asked for, the cap plays no part.
    SmallLeague lg;
    lg.rules().SalaryCapMode = 1;
    lg.rules().SalaryCapAmount = 1000000;
    EXPECT_EQ(CheckRoster(lg.env, T, True, False, True), True);
    EXPECT_TRUE(lg.dialogs.shown().empty());
}

// showMessages against ShowMessages, log on and off: the box needs both, the
// log only its flag.
TEST(CheckRoster, FlagMatrix) {
    struct Case {
        Flag showArg, global, logArg;
        bool box, logged;
    };
    for (Case c : {Case{True, True, True, true, true}, Case{True, True, False, true, false},
                   Case{True, False, True, false, true}, Case{False, True, True, false, true},
                   Case{False, False, False, false, false}, Case{1, True, 1, false, false}}) {
        SmallLeague lg;
        lg.state->ShowMessages = c.global;
        lg.rules().MinCenters = 5;
        EXPECT_EQ(CheckRoster(lg.env, T, c.logArg, False, c.showArg), False);
        EXPECT_EQ(lg.dialogs.shown().size(), c.box ? 1u : 0u);
        EXPECT_EQ(lg.log.entries.size(), c.logged ? 1u : 0u);
    }
}

// A check that cannot finish has not passed: a repair-only run would pass,
// but here its report box fails.
TEST(CheckRoster, AnInternalFailureIsTheErrorBoxAndNotPassed) {
    SmallLeague lg;
    lg.skater(lg.scratchC).RosterStatus = status::Dressed;
    lg.skater(lg.scratchC).Condition = 50;
    test::FailingDialogs failing(lg.dialogs, box({unfit("Scratch C")}));
    Env env = test::withDialogs(lg, failing);
    EXPECT_EQ(CheckRoster(env, T, False, False, True), False);
    EXPECT_TRUE(failing.failed());
    EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{"6 - Overflow in CheckRoster!"});
    EXPECT_EQ(lg.skater(lg.scratchC).RosterStatus, status::Scratch) << "the repair stands";
}

TEST(CheckRoster, ABadTeamChangesNothing) {
    for (int16_t bad : {int16_t{0}, int16_t{101}}) {
        SmallLeague lg;
        lg.state->RosterChangedByCheck = 1;
        EXPECT_EQ(CheckRoster(lg.env, bad, True, True, True), False);
        EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{"Integrity Check Failed!"});
        EXPECT_EQ(lg.state->RosterChangedByCheck, 1);
        EXPECT_TRUE(lg.log.entries.empty());
    }
}

}  // namespace
}  // namespace dravik
