#include "rules/payroll.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/currency.h"
#include "support/failing_dialogs.h"
#include "support/small_league.h"

namespace dravik {
namespace {

using test::SmallLeague;
constexpr int16_t T = SmallLeague::EmptyTeam;  // "Ostby Larks", farm club "Ostby Wrens"

std::vector<std::string> logged(const test::TestEnv& t) {
    std::vector<std::string> out;
    for (const auto& e : t.log.entries) out.push_back(e.text);
    return out;
}

// What one person on the team adds to each figure. One game a season, so the
// expense per game is the season's total; farm players count at 50 percent
// below 100 pro games; a salary counts in the payrolls above condition 90.
struct CountCase {
    const char* what;
    bool goalie;
    uint8_t rosterStatus;
    uint8_t contractYears;
    uint8_t condition;
    uint8_t suspension;
    Flag suspendedNotPaid;
    int16_t proExperience;
    Flag farmLines;
    int32_t expense;
    float pro;
    float farm;
    int16_t fullSalaryThreshold = 100;
    friend void PrintTo(const CountCase& c, std::ostream* os) { *os << c.what; }
};

class Counting : public ::testing::TestWithParam<CountCase> {};

TEST_P(Counting, EachFigureCountsThePersonByItsOwnRules) {
    const CountCase& c = GetParam();
    SmallLeague lg;
    lg.rules().FarmSalaryPercent = 50;
    lg.rules().FarmFullSalaryThreshold = c.fullSalaryThreshold;
    lg.rules().PayrollConditionThreshold = 90;
    lg.rules().SuspendedNotPaid = c.suspendedNotPaid;
    lg.rules().FarmLinesEnabled = c.farmLines;
    lg.team(T).GamesInSeason = 1;
    int16_t n = c.goalie ? lg.addGoalie(T, c.rosterStatus, "Someone", 60, 1000)
                         : lg.addSkater(T, pos::LW, c.rosterStatus, "Someone", 60, 1000);
    auto set = [&](auto& p) {
        p.ContractYears = c.contractYears;
        p.Condition = c.condition;
        p.Suspension = c.suspension;
        p.ProExperience = c.proExperience;
    };
    if (c.goalie)
        set(lg.goalie(n));
    else
        set(lg.skater(n));

    EXPECT_EQ(ExpensePerGame(lg.env, T), c.expense);
    EXPECT_EQ(ProPayroll(lg.env, T), c.pro);
    EXPECT_EQ(FarmPayroll(lg.env, T), c.farm);
    EXPECT_TRUE(lg.dialogs.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Payroll, Counting,
    ::testing::Values(
        CountCase{"dressed skater", false, status::Dressed, 2, 100, 0, False, 0, True, 1000, 1000, 0},
        CountCase{"scratch goalie", true, status::Scratch, 2, 100, 0, False, 0, True, 1000, 1000, 0},
        CountCase{"farm skater at the percentage", false, status::Farm, 2, 100, 0, False, 99, True, 500, 0,
                  500},
        CountCase{"farm goalie at the pro-games threshold counts in full", true, status::Farm, 2, 100, 0,
                  False, 100, True, 1000, 0, 1000},
        CountCase{"a threshold of 0: every farm player at the percentage", false, status::Farm, 2, 100, 0,
                  False, 500, True, 500, 0, 500, 0},
        CountCase{"farm player while farm clubs are off", false, status::Farm, 2, 100, 0, False, 0, False, 0,
                  0, 0},
        CountCase{"pro player without contract: expense only", false, status::Dressed, 0, 100, 0, False, 0,
                  True, 1000, 0, 0},
        CountCase{"farm player without contract: expense only", false, status::Farm, 0, 100, 0, False, 0,
                  True, 500, 0, 0},
        CountCase{"condition at the threshold is not paid", false, status::Dressed, 2, 90, 0, False, 0, True,
                  1000, 0, 0},
        CountCase{"suspended, unpaid, fit: nets 0", false, status::Dressed, 2, 100, 2, True, 0, True, 0, 0,
                  0},
        CountCase{"suspended, unpaid, at the threshold: subtracted", false, status::Dressed, 2, 90, 2, True,
                  0, True, 0, -1000, 0},
        CountCase{"suspended farm player at the threshold: subtracted", false, status::Farm, 2, 90, 2, True,
                  0, True, 0, 0, -500},
        CountCase{"suspended but paid counts in the payroll", true, status::Dressed, 2, 100, 2, False, 0,
                  True, 0, 1000, 0}),
    [](const auto& info) {
        std::string s = info.param.what;
        for (char& ch : s)
            if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return s;
    });

TEST(Payroll, CoachesAndBonusAndOtherTeams) {
    SmallLeague lg;
    // Team 7 pays its two coaches; the coach of team 12 and a coach not in use
    // (InUse 1 is not -1) do not count.
    int16_t idle = lg.addCoach(SmallLeague::Team, "Idle Coach", 999);
    lg.coach(idle).InUse = 1;
    EXPECT_EQ(CoachPayroll(lg.env, SmallLeague::Team), 500000.0f);

    lg.team(T).PayrollBonus = 250;
    lg.addSkater(T, pos::C, status::Dressed, "Ostby C", 60, 1000);
    lg.addSkater(SmallLeague::OtherTeam, pos::C, status::Dressed, "Elsewhere", 60, 7000);
    int16_t retired = lg.addSkater(T, pos::C, status::Dressed, "Retired", 60, 9000);
    lg.skater(retired).InUse = 0;
    EXPECT_EQ(ProPayroll(lg.env, T), 1000.0f);
    lg.rules().PayrollIncludesBonus = True;
    EXPECT_EQ(ProPayroll(lg.env, T), 1250.0f);
    EXPECT_EQ(FarmPayroll(lg.env, T), 0.0f);  // no bonus on the farm
}

TEST(Payroll, SumsAreKeptInSinglePrecision) {
    SmallLeague lg;
    lg.team(T).GamesInSeason = 1;
    for (int32_t salary : {16777216, 1, 1, 1}) lg.addSkater(T, pos::D, status::Dressed, "D", 60, salary);
    EXPECT_EQ(ProPayroll(lg.env, T), 16777216.0f);
    EXPECT_EQ(ExpensePerGame(lg.env, T), 16777216);

    // The order of the walk is part of the figure: small salaries first add up
    // before the large one, and the total rounds to the nearest single.
    SmallLeague other;
    other.team(T).GamesInSeason = 1;
    for (int32_t salary : {1, 1, 1, 16777216}) other.addSkater(T, pos::D, status::Dressed, "D", 60, salary);
    EXPECT_EQ(ProPayroll(other.env, T), 16777220.0f);

    // The cap check follows the single-precision total: 16777219 paid in
    // salaries passes a cap of 16777218.
    lg.rules().SalaryCapMode = 1;
    lg.rules().SalaryCapAmount = 16777218;
    EXPECT_EQ(CheckSalaryCap(lg.env, T, True), True);
    EXPECT_TRUE(lg.dialogs.shown().empty());
}

TEST(ExpensePerGame, DividesTheSeasonAndRoundsHalvesToEven) {
    struct Case {
        int32_t total;
        int16_t games;
        int32_t expected;
    };
    for (Case c :
         {Case{820, 8, 102}, Case{840, 8, 105}, Case{860, 8, 108}, Case{820, 0, 0}, Case{-820, 8, -102}}) {
        SmallLeague lg;
        lg.addSkater(T, pos::C, status::Scratch, "C", 60, c.total);
        lg.team(T).GamesInSeason = c.games;
        EXPECT_EQ(ExpensePerGame(lg.env, T), c.expected) << c.total << " / " << c.games;
    }
    SmallLeague off;
    off.rules().ExpensePerGameDisabled = True;
    EXPECT_EQ(ExpensePerGame(off.env, SmallLeague::Team), 0);
}

TEST(ExpensePerGame, CountsCoachesAndTheWholeTeam) {
    SmallLeague lg;
    // 21 pro skaters and 3 pro goalies at 300000 (the injured scratch too),
    // 20 farm skaters and 3 farm goalies at half of it less the suspended one,
    // and the coaches' 500000, over 82 games.
    double season = 24 * 300000.0 + 22 * 150000.0 + 500000.0;
    EXPECT_EQ(ExpensePerGame(lg.env, SmallLeague::Team), static_cast<int32_t>(season / 82 + 0.5));
}

TEST(ExpensePerGame, AQuotientBeyondThirtyTwoBitsIsTheOverflowBox) {
    SmallLeague lg;
    lg.team(T).GamesInSeason = 1;
    lg.addSkater(T, pos::C, status::Dressed, "A", 60, 2000000000);
    lg.addSkater(T, pos::C, status::Dressed, "B", 60, 2000000000);
    EXPECT_EQ(ExpensePerGame(lg.env, T), 0);
    EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{"6 - Overflow in ExpensePerGame!"});
    EXPECT_EQ(lg.dialogs.shown().at(0).icon(), mb::Critical);
}

TEST(Payroll, BadTeamIsTheIntegrityBox) {
    for (int16_t bad : {int16_t{0}, int16_t{101}}) {
        SmallLeague lg;
        EXPECT_EQ(ExpensePerGame(lg.env, bad), 0);
        EXPECT_EQ(ProPayroll(lg.env, bad), 0.0f);
        EXPECT_EQ(FarmPayroll(lg.env, bad), 0.0f);
        EXPECT_EQ(CoachPayroll(lg.env, bad), 0.0f);
        EXPECT_EQ(CheckSalaryCap(lg.env, bad, True), False);
        EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>(5, "Integrity Check Failed!"));
        EXPECT_EQ(lg.dialogs.shown().at(0).icon(), mb::Critical);
        EXPECT_EQ(lg.dialogs.shown().at(0).title, ProductName);

        // With farm clubs off the farm payroll asks nothing.
        lg.dialogs.clear();
        lg.rules().FarmLinesEnabled = False;
        EXPECT_EQ(FarmPayroll(lg.env, bad), 0.0f);
        EXPECT_TRUE(lg.dialogs.shown().empty());
    }
}

// The salary-cap check over its modes and boundaries. The team pays P to its
// pro players, F to its farm players (at 100 percent) and C to a coach.
struct CapCase {
    const char* what;
    uint8_t mode;
    int32_t capAmount;
    int32_t bank;
    std::vector<int32_t> pro;  // salaries of dressed players
    int32_t farm;
    int32_t coach;
    int32_t farmCap;
    int32_t minCap;
    Flag includesFarm;
    Flag includesCoaches;
    Flag expected;
    std::vector<std::string> reports;
    friend void PrintTo(const CapCase& c, std::ostream* os) { *os << c.what; }
};

class SalaryCap : public ::testing::TestWithParam<CapCase> {};

TEST_P(SalaryCap, ComparesThePayrollsWithTheCaps) {
    const CapCase& c = GetParam();
    SmallLeague lg;
    LeagueInfo& r = lg.rules();
    r.SalaryCapMode = c.mode;
    r.SalaryCapAmount = c.capAmount;
    r.FarmSalaryCap = c.farmCap;
    r.MinSalaryCap = c.minCap;
    r.CapIncludesFarm = c.includesFarm;
    r.CapIncludesCoaches = c.includesCoaches;
    r.FarmSalaryPercent = 100;
    lg.team(T).BankAccount = c.bank;
    for (int32_t s : c.pro) lg.addSkater(T, pos::C, status::Dressed, "P", 60, s);
    if (c.farm) lg.addSkater(T, pos::C, status::Farm, "F", 60, c.farm);
    if (c.coach) lg.addCoach(T, "Coach", c.coach);

    EXPECT_EQ(CheckSalaryCap(lg.env, T, True), c.expected);
    EXPECT_EQ(lg.dialogs.messages(), c.reports);
    for (const auto& box : lg.dialogs.shown()) {
        EXPECT_EQ(box.style, mb::OKOnly | mb::Exclamation);
        EXPECT_EQ(box.title, ProductName);
    }
    EXPECT_TRUE(lg.log.entries.empty());
}

const char* over(int n) {
    static const char* texts[] = {"Ostby Larks is over the salary cap by $1.00!",
                                  "Ostby Wrens is over the salary cap by $100.00!",
                                  "Ostby Larks is under the minimum salary cap by $1.00!",
                                  "Ostby Larks is over the salary cap by $100.00!"};
    return texts[n];
}

INSTANTIATE_TEST_SUITE_P(
    Modes, SalaryCap,
    ::testing::Values(
        CapCase{"mode 0 tests nothing", 0, 100, 0, {5000}, 900, 0, 500, 99999, True, True, True, {}},
        CapCase{"mode 1 equal passes", 1, 1000, 0, {1000}, 0, 0, 0, 0, False, False, True, {}},
        CapCase{"mode 1 one over fails", 1, 1000, 0, {1001}, 0, 0, 0, 0, False, False, False, {over(0)}},
        CapCase{"mode 2 adds the bank account", 2, 2000, -500, {1500}, 0, 0, 0, 0, False, False, True, {}},
        CapCase{"mode 2 one over fails", 2, 2000, -500, {1501}, 0, 0, 0, 0, False, False, False, {over(0)}},
        CapCase{"mode 3 has no pro cap but a farm cap",
                3,
                0,
                0,
                {900000},
                600,
                0,
                500,
                0,
                False,
                False,
                False,
                {over(1)}},
        CapCase{"mode 3 still warns under the minimum",
                3,
                0,
                0,
                {999},
                0,
                0,
                0,
                1000,
                False,
                False,
                True,
                {over(2)}},
        CapCase{"farm cap equal passes", 1, 5000, 0, {1000}, 500, 0, 500, 0, False, False, True, {}},
        CapCase{"farm cap 0 is none", 1, 5000, 0, {1000}, 500, 0, 0, 0, False, False, True, {}},
        CapCase{"negative farm cap is none", 1, 5000, 0, {1000}, 500, 0, -1, 0, False, False, True, {}},
        CapCase{"farm counted in the pro cap and on its own",
                1,
                1000,
                0,
                {800},
                300,
                0,
                200,
                0,
                True,
                False,
                False,
                {over(3), over(1)}},
        CapCase{
            "coaches counted in the pro cap", 1, 1000, 0, {800}, 0, 300, 0, 0, False, True, False, {over(3)}},
        CapCase{"minimum met exactly gives no warning",
                1,
                5000,
                0,
                {1000},
                0,
                0,
                0,
                1000,
                False,
                False,
                True,
                {}},
        CapCase{"over and under at once",
                2,
                -2000,
                0,
                {500},
                0,
                0,
                0,
                501,
                False,
                False,
                False,
                {"Ostby Larks is over the salary cap by $2,500.00!", over(2)}},
        CapCase{"amounts are grouped",
                1,
                1000,
                0,
                {1235567},
                0,
                0,
                0,
                0,
                False,
                False,
                False,
                {"Ostby Larks is over the salary cap by $1,234,567.00!"}},
        CapCase{"a cap beyond 32 bits is compared exactly",
                2,
                2000000000,
                2000000000,
                {1073741824, 1073741824, 1073741824},
                0,
                0,
                0,
                0,
                False,
                False,
                True,
                {}},
        CapCase{"an excess beyond 32 bits is reported exactly",
                2,
                -2000000000,
                -2000000000,
                {1000},
                0,
                0,
                0,
                0,
                False,
                False,
                False,
                {"Ostby Larks is over the salary cap by $4,000,001,000.00!"}}),
    [](const auto& info) {
        std::string s = info.param.what;
        for (char& ch : s)
            if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return s;
    });

// The cap reports go by the routine's own argument: a box each when it is
// -1, whatever ShowMessages holds, else the log.
TEST(SalaryCap, ReportsByItsOwnArgument) {
    struct Case {
        Flag showArg;
        Flag global;
        bool boxes;
    };
    for (Case c : {Case{True, True, true}, Case{True, False, true}, Case{False, True, false},
                   Case{False, False, false}}) {
        SmallLeague lg;
        lg.state->ShowMessages = c.global;
        lg.rules().SalaryCapMode = 1;
        lg.rules().SalaryCapAmount = 1000;
        lg.rules().MinSalaryCap = 5000;
        lg.addSkater(T, pos::C, status::Dressed, "P", 60, 2000);
        EXPECT_EQ(CheckSalaryCap(lg.env, T, c.showArg), False);
        std::vector<std::string> texts{"Ostby Larks is over the salary cap by $1,000.00!",
                                       "Ostby Larks is under the minimum salary cap by $3,000.00!"};
        EXPECT_EQ(lg.dialogs.messages(), c.boxes ? texts : std::vector<std::string>{});
        EXPECT_EQ(logged(lg), c.boxes ? std::vector<std::string>{} : texts);
    }
}

// A check that cannot finish has not passed: a warning alone would pass, but
// here its box fails.
TEST(SalaryCap, AnInternalFailureIsTheErrorBoxAndNotPassed) {
    SmallLeague lg;
    lg.rules().SalaryCapMode = 1;
    lg.rules().SalaryCapAmount = 5000;
    lg.rules().MinSalaryCap = 2000;
    lg.addSkater(T, pos::C, status::Dressed, "P", 60, 1000);
    test::FailingDialogs failing(lg.dialogs, "Ostby Larks is under the minimum salary cap by $1,000.00!");
    Env env = test::withDialogs(lg, failing);
    EXPECT_EQ(CheckSalaryCap(env, T, True), False);
    EXPECT_TRUE(failing.failed());
    EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{"6 - Overflow in CheckSalaryCap!"});
}

TEST(SalaryCap, WritesMoneyInTheInstalledFormats) {
    struct Crowns : LocaleFormats {
        std::string currency(double v) const override { return std::to_string(static_cast<long>(v)) + " kr"; }
    } crowns;
    SmallLeague lg;
    SetRulesFormats(&crowns);
    lg.rules().SalaryCapMode = 1;
    lg.rules().SalaryCapAmount = 1000;
    lg.addSkater(T, pos::C, status::Dressed, "P", 60, 1500);
    CheckSalaryCap(lg.env, T, True);
    SetRulesFormats(nullptr);
    EXPECT_EQ(lg.dialogs.messages(),
              std::vector<std::string>{"Ostby Larks is over the salary cap by 500 kr!"});
}

}  // namespace
}  // namespace dravik
