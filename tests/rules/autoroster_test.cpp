#include "rules/autoroster.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "league/overall.h"
#include "rules/payroll.h"
#include "rules/roster.h"
#include "support/failing_dialogs.h"
#include "support/small_league.h"

namespace dravik {
namespace {

using test::SmallLeague;
constexpr int16_t T = SmallLeague::Team;

const std::string Done = "Auto Roster Function has been run successfully.";
const std::string Logged = "Auto Roster Function has been run for Halden Ravens.";

std::vector<std::string> logTexts(const SmallLeague& lg) {
    std::vector<std::string> out;
    for (const auto& e : lg.log.entries) out.push_back(e.text);
    return out;
}
bool logged(const SmallLeague& lg, const std::string& text) {
    auto texts = logTexts(lg);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}
std::string sentToPro(const std::string& name) { return name + " of Halden Ravens was sent to pro."; }
std::string sentToFarm(const std::string& name) { return name + " of Halden Ravens was sent to farm."; }

// Moved: the record and the carried state say `status`. Kept: the record
// still says it and the state was not written.
void expectMoved(SmallLeague& lg, int16_t n, uint8_t status, const std::string& what = {}) {
    EXPECT_EQ(lg.skater(n).RosterStatus, status) << lg.skaterName(n) << " " << what;
    EXPECT_EQ(lg.state->PlayerStates[n].Status, status) << lg.skaterName(n) << " " << what;
}
void expectKept(SmallLeague& lg, int16_t n, uint8_t status, const std::string& what = {}) {
    EXPECT_EQ(lg.skater(n).RosterStatus, status) << lg.skaterName(n) << " " << what;
    EXPECT_EQ(lg.state->PlayerStates[n].Status, status::NotSet) << lg.skaterName(n) << " " << what;
}
void expectGoalieMoved(SmallLeague& lg, int16_t n, uint8_t status, const std::string& what = {}) {
    EXPECT_EQ(lg.goalie(n).RosterStatus, status) << lg.goalieName(n) << " " << what;
    EXPECT_EQ(lg.state->GoalieStates[n].Status, status) << lg.goalieName(n) << " " << what;
}
void expectGoalieKept(SmallLeague& lg, int16_t n, uint8_t status, const std::string& what = {}) {
    EXPECT_EQ(lg.goalie(n).RosterStatus, status) << lg.goalieName(n) << " " << what;
    EXPECT_EQ(lg.state->GoalieStates[n].Status, status::NotSet) << lg.goalieName(n) << " " << what;
}

TEST(AutoRoster, AFullRunOnTheFixture) {
    SmallLeague lg;
    lg.fillProLines(1);
    lg.fillFarmLines(1);
    lg.skater(lg.pro.C[0]).Condition = 80;  // the captain, injured
    lg.skater(lg.pro.D[0]).Suspension = 2;  // an assistant, suspended
    int16_t noContract = lg.pro.RW[3];
    lg.skater(noContract).ContractYears = 0;  // fit: stays dressed and takes no part

    AutoRoster(lg.env, T, True, False);

    expectMoved(lg, lg.pro.C[0], status::Scratch);
    expectMoved(lg, lg.pro.D[0], status::Scratch);
    EXPECT_TRUE(SmallLeague::wordsHolding(lg.proDay(1), lg.pro.C[0]).empty());
    EXPECT_EQ(lg.team().Captain, 0);
    EXPECT_EQ(lg.team().Assistant1, 0);
    expectKept(lg, noContract, status::Dressed);
    // The scratches dress in their places; the rest of the lineup stays.
    expectMoved(lg, lg.scratchC, status::Dressed);
    expectMoved(lg, lg.scratchD, status::Dressed);
    expectMoved(lg, lg.farm.C[0], status::Dressed);
    for (int i = 1; i < 4; ++i) expectKept(lg, lg.farm.C[i], status::Farm);
    // Dressed by the run: C2-C4, LW1-4, RW1-3, D2-D6, the two scratches and
    // the best farm skater (Farm C1, first of four at overall 45) make 18;
    // the RW without a contract is the 19th.
    int dressed = 0;
    for (int n = 1; n <= 10000; ++n)
        if (lg.skater(n).Team == T && lg.skater(n).RosterStatus == status::Dressed) ++dressed;
    EXPECT_EQ(dressed, 19);
    expectGoalieMoved(lg, lg.pro.G[0], status::Dressed);
    expectGoalieMoved(lg, lg.pro.G[1], status::Dressed);
    expectGoalieMoved(lg, lg.scratchG, status::Farm);
    EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{Done});
    EXPECT_EQ(lg.dialogs.shown()[0].style, mb::OKOnly | mb::Information);
    EXPECT_EQ(logTexts(lg),
              (std::vector<std::string>{sentToPro("Farm C1"), sentToFarm("Scratch G"), Logged}));
    EXPECT_EQ(lg.state->DataChanged, True);
}

TEST(AutoRoster, ThenTheRosterCheckPasses) {
    struct Case {
        const char* what;
        Flag capIncludesFarm;
        int32_t cap;
    };
    const Case cases[] = {
        {"farm counted, cap with slack", True, 100000000},
        {"farm not counted, cap with slack", False, 100000000},
    };
    for (const Case& c : cases) {
        SmallLeague lg;
        lg.rules().SalaryCapMode = 1;
        lg.rules().SalaryCapAmount = c.cap;
        lg.rules().CapIncludesFarm = c.capIncludesFarm;
        // Two centres and the scratch centre out: a farm centre must come up.
        lg.skater(lg.pro.C[0]).Condition = 70;
        lg.skater(lg.pro.C[1]).Suspension = 1;
        lg.skater(lg.scratchC).Condition = 60;
        AutoRoster(lg.env, T, False, False);
        EXPECT_EQ(CheckRoster(lg.env, T, False, True, False), True) << c.what;
        EXPECT_EQ(lg.state->RosterChangedByCheck, 0) << c.what << ": nothing left to repair";
        EXPECT_TRUE(logged(lg, sentToPro("Farm C1"))) << c.what;
        EXPECT_TRUE(lg.dialogs.shown().empty()) << c.what;
    }
}

// The farm centre rated 99 is the first choice for a centre. The pro payroll
// is 22 x 300,000 plus the best left and right wings' salaries (7,200,000 in
// the ordinary rows) and he costs `salary`. In the large rows the payroll, or
// the payroll and his salary, or the bank and the cap go past what 32 bits
// hold: a sum that wrapped there would turn the decision around.
TEST(AutoRoster, TheCapDecidesEachPromotion) {
    constexpr int32_t Max32 = std::numeric_limits<int32_t>::max();
    struct Case {
        const char* what;
        uint8_t mode;
        int32_t cap, bank;
        int32_t wingSalary, salary;
        bool promoted;
    };
    const Case cases[] = {
        {"mode 1, payroll reaches the cap", 1, 7500000, 0, 300000, 300000, true},
        {"mode 1, one over", 1, 7499999, 0, 300000, 300000, false},
        {"mode 2, bank and cap reached", 2, 7000000, 500000, 300000, 300000, true},
        {"mode 2, one over", 2, 7000000, 499999, 300000, 300000, false},
        {"mode 2, a debt lowers the cap", 2, 8000000, -500001, 300000, 300000, false},
        {"no cap", 0, 0, 0, 300000, 300000, true},
        {"another mode tests nothing", 3, 0, 0, 300000, 300000, true},
        {"mode 1, large figures under the cap", 1, Max32, 0, 950000000, 200000000, true},
        {"mode 1, payroll and salary together past 32 bits", 1, Max32, 0, 1000000000, 200000000, false},
        {"mode 1, the payroll alone past 32 bits", 1, Max32, 0, 1500000000, 200000000, false},
        {"mode 2, bank and cap together past 32 bits", 2, 2000000000, 1000000000, 300000, 300000, true},
    };
    for (const Case& c : cases) {
        SmallLeague lg;
        lg.rules().SalaryCapMode = c.mode;
        lg.rules().SalaryCapAmount = c.cap;
        lg.rules().MaxSalary = Max32;
        lg.team().BankAccount = c.bank;
        lg.skater(lg.pro.C[0]).Condition = 80;
        lg.skater(lg.pro.LW[0]).Salary = c.wingSalary;
        lg.skater(lg.pro.RW[0]).Salary = c.wingSalary;
        int16_t star = lg.farm.C[0];
        lg.rate(star, 99);
        lg.skater(star).Salary = c.salary;
        // Summed in single precision: the large payrolls are near, not exact.
        ASSERT_NEAR(ProPayroll(lg.env, T), 22.0 * 300000 + 2.0 * c.wingSalary, 4096.0) << c.what;
        lg.fillFarmLines(1);

        AutoRoster(lg.env, T, False, False);
        if (c.promoted) {
            expectMoved(lg, star, status::Dressed, c.what);
            EXPECT_TRUE(SmallLeague::wordsHolding(lg.farmDay(1), star).empty()) << c.what;
            EXPECT_TRUE(logged(lg, sentToPro("Farm C1"))) << c.what;
            expectMoved(lg, lg.scratchC, status::Farm, c.what);
        } else {
            // Passed over for good; the next best centre and then the scratch take the places.
            expectKept(lg, star, status::Farm, c.what);
            EXPECT_FALSE(SmallLeague::wordsHolding(lg.farmDay(1), star).empty()) << c.what;
            EXPECT_FALSE(logged(lg, sentToPro("Farm C1"))) << c.what;
            expectMoved(lg, lg.scratchC, status::Dressed, c.what);
        }
        expectMoved(lg, lg.pro.C[3], status::Dressed, c.what);
    }
}

// The best goalie is on the farm and faces the cap last, after every other
// payroll update of the run: each row gives the running payroll he meets,
// and he is let up with the cap at `limit` and kept down one unit under it.
// The farm share of an odd salary ends in a half, which the running payroll
// rounds to even: a half rounded up, or cut off, would move the limit by one.
TEST(AutoRoster, AGoalieTheCapKeepsDownLetsTheNextOneIn) {
    struct Case {
        const char* what;
        std::function<void(SmallLeague&)> change;
        int32_t limit;
    };
    const std::vector<Case> cases{
        // The cap sees 7,200,000 on the pro roster. The skater pass sends
        // Scratch C and Scratch D down, and each move takes only the farm
        // share of his salary (150,000) off the running payroll, as the
        // roster maker has always counted it: 6,900,000 before the goalies.
        {"even salaries", [](SmallLeague&) {}, 7200000},
        // 7,200,002 on the pro roster. Scratch C: 7,350,002.5 rounds down
        // to 7,350,002, less 300,001; Scratch D: 7,200,001.5 rounds up to
        // 7,200,002, less 300,001: 6,900,001.
        {"two odd salaries sent down",
         [](SmallLeague& lg) {
             lg.skater(lg.scratchC).Salary = 300001;
             lg.skater(lg.scratchD).Salary = 300001;
         },
         7200001},
        // Farm C1 and LW1 come up for the unfit C1 and LW1, who stay on the
        // pro payroll. Farm C1: 7,049,999.5 rounds up to 7,050,000, plus
        // 300,001; Farm LW1: 7,200,000.5 rounds down to 7,200,000, plus
        // 300,001; the two scratches sent down: 7,200,001. The goalie costs
        // 500,000, so that both skaters pass the cap first.
        {"two odd salaries promoted",
         [](SmallLeague& lg) {
             for (int16_t n : {lg.pro.C[0], lg.pro.LW[0]}) lg.skater(n).Condition = 80;
             for (int16_t n : {lg.farm.C[0], lg.farm.LW[0]}) {
                 lg.rate(n, 99);
                 lg.skater(n).Salary = 300001;
             }
             lg.goalie(lg.farm.G[0]).Salary = 500000;
         },
         7700001},
        // The farm payroll, 23 shares of 150,000, counted from the start
        // with one share ending in a half: 10,650,000.5 rounds down, then
        // the two scratches sent down.
        {"farm counted, a half share rounded down",
         [](SmallLeague& lg) {
             lg.rules().CapIncludesFarm = True;
             lg.skater(lg.injuredFarm).Salary = 300001;
         },
         10650000},
        // As above with 10,650,001.5, which rounds up.
        {"farm counted, a half share rounded up",
         [](SmallLeague& lg) {
             lg.rules().CapIncludesFarm = True;
             lg.skater(lg.injuredFarm).Salary = 300003;
         },
         10650002},
    };
    for (const Case& c : cases) {
        for (bool fits : {true, false}) {
            SmallLeague lg;
            lg.rules().SalaryCapMode = 1;
            int16_t star = lg.farm.G[0];
            lg.rateGoalie(star, 99);
            c.change(lg);
            lg.rules().SalaryCapAmount = fits ? c.limit : c.limit - 1;
            AutoRoster(lg.env, T, False, False);
            std::string what = std::string(c.what) + (fits ? ", at the limit" : ", one under it");
            if (fits) {
                expectGoalieMoved(lg, star, status::Dressed, what);
                expectGoalieMoved(lg, lg.pro.G[0], status::Dressed, what);
                // Pro G2 is beyond the window: scratched, and too good for the farm.
                expectGoalieMoved(lg, lg.pro.G[1], status::Scratch, what);
            } else {
                expectGoalieKept(lg, star, status::Farm, what);
                expectGoalieMoved(lg, lg.pro.G[0], status::Dressed, what);
                expectGoalieMoved(lg, lg.pro.G[1], status::Dressed, what);
            }
            expectGoalieMoved(lg, lg.scratchG, status::Farm, what);
        }
    }
}

// Only -1 ranks the pro roster first and keeps everybody up, and only 0
// closes with the full run's texts: any other value does neither.
TEST(AutoRoster, APartialRunPrefersThePlayersOnThePro) {
    struct Case {
        const char* what;
        Flag partial;
        bool proFirst, sendsDown;
        std::string closing;
    };
    const Case cases[] = {
        {"partial", True, true, false, "Auto Roster Partial Function"},
        {"full", False, false, true, "Auto Roster Function"},
        {"neither", 1, false, true, "Auto Roster Partial Function"},
    };
    for (const Case& c : cases) {
        SmallLeague lg;
        lg.rate(lg.farm.C[0], 99);  // overall 85
        lg.rate(lg.pro.C[3], 70);   // overall 60, ranked 160 in a partial run
        AutoRoster(lg.env, T, True, c.partial);
        std::vector<std::string> texts;
        if (c.proFirst) {
            expectKept(lg, lg.farm.C[0], status::Farm, c.what);
            expectMoved(lg, lg.pro.C[3], status::Dressed, c.what);
        } else {
            expectMoved(lg, lg.farm.C[0], status::Dressed, c.what);
            expectMoved(lg, lg.pro.C[3], status::Scratch, c.what);  // overall 60: too good for the farm
            texts.push_back(sentToPro("Farm C1"));
        }
        if (c.sendsDown) {
            expectMoved(lg, lg.scratchC, status::Farm, c.what);
            expectGoalieMoved(lg, lg.scratchG, status::Farm, c.what);
            for (const char* name : {"Scratch C", "Scratch D", "Scratch G"})
                texts.push_back(sentToFarm(name));
        } else {
            expectKept(lg, lg.scratchC, status::Scratch, c.what);
            expectGoalieKept(lg, lg.scratchG, status::Scratch, c.what);
        }
        texts.push_back(c.closing + " has been run for Halden Ravens.");
        EXPECT_EQ(logTexts(lg), texts) << c.what;
        EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{c.closing + " has been run successfully."})
            << c.what;
    }
}

// Two goalies dress whatever MaxDressedGoalies says, and a full farm lineup
// asks for more players available but dresses no more: the pro lineup stays
// as it is and the healthy scratches go down.
TEST(AutoRoster, TwoGoaliesAndTheSkaterLimitDress) {
    struct Case {
        const char* what;
        int16_t maxGoalies;
        Flag fullFarm;
    };
    const Case cases[] = {
        {"three goalies allowed", 3, False},
        {"one goalie allowed", 1, False},
        {"full farm lineup", 2, True},
    };
    for (const Case& c : cases) {
        SmallLeague lg;
        lg.rules().MaxDressedGoalies = c.maxGoalies;
        lg.rules().FarmFullLineup = c.fullFarm;
        AutoRoster(lg.env, T, True, False);
        auto each = [](const SmallLeague::Lineup& l, auto&& f) {
            for (const auto* group : {&l.C, &l.LW, &l.RW})
                for (int16_t n : *group) f(n);
            for (int16_t n : l.D) f(n);
        };
        each(lg.pro, [&](int16_t n) { expectMoved(lg, n, status::Dressed, c.what); });
        each(lg.farm, [&](int16_t n) { expectKept(lg, n, status::Farm, c.what); });
        expectMoved(lg, lg.scratchC, status::Farm, c.what);
        expectMoved(lg, lg.scratchD, status::Farm, c.what);
        expectGoalieMoved(lg, lg.pro.G[0], status::Dressed, c.what);
        expectGoalieMoved(lg, lg.pro.G[1], status::Dressed, c.what);
        expectGoalieMoved(lg, lg.scratchG, status::Farm, c.what);
        for (int16_t g : lg.farm.G) expectGoalieKept(lg, g, status::Farm, c.what);
        EXPECT_EQ(logTexts(lg), (std::vector<std::string>{sentToFarm("Scratch C"), sentToFarm("Scratch D"),
                                                          sentToFarm("Scratch G"), Logged}))
            << c.what;
        EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{Done}) << c.what;
    }
}

TEST(AutoRoster, EqualOverallsGoByNumber) {
    SmallLeague lg;
    lg.rate(lg.scratchC, 74);  // overall 64, like C4, LW4 and RW4 with lower numbers
    AutoRoster(lg.env, T, False, False);
    expectMoved(lg, lg.pro.RW[3], status::Dressed);
    expectMoved(lg, lg.scratchC, status::Scratch);  // 64 is above the farm limit
}

TEST(AutoRoster, AvailabilityFailuresStopTheRun) {
    struct Case {
        const char* what;
        std::function<void(SmallLeague&)> change;
        std::vector<std::string> boxes;
    };
    // Eligible: 38 skaters (9 C, 8 LW, 8 RW, 13 D) and 5 goalies, less the
    // unfit dressed RW4 each case adds.
    const std::vector<Case> cases{
        {"one skater short",
         [](SmallLeague& lg) { lg.rules().MaxDressedSkaters = 38; },
         {"Not Enough Players available!"}},
        {"twice the lineup for a full farm",
         [](SmallLeague& lg) {
             lg.rules().FarmFullLineup = True;
             lg.rules().MaxDressedSkaters = 19;
         },
         {"Not Enough Players available!"}},
        {"centres", [](SmallLeague& lg) { lg.rules().MinCenters = 10; }, {"Not Enough C available!"}},
        {"centres for a full farm",
         [](SmallLeague& lg) {
             lg.rules().FarmFullLineup = True;
             lg.rules().MinCenters = 5;
         },
         {"Not Enough C available!"}},
        {"wings and defense",
         [](SmallLeague& lg) {
             lg.rules().MinLeftWings = 9;
             lg.rules().MinRightWings = 8;
             lg.rules().MinDefense = 14;
         },
         {"Not Enough LW available!", "Not Enough RW available!", "Not Enough D available!"}},
        {"everything",
         [](SmallLeague& lg) {
             lg.rules().MaxDressedSkaters = 40;
             lg.rules().MinCenters = 10;
         },
         {"Not Enough Players available!", "Not Enough C available!"}},
    };
    for (const Case& c : cases) {
        for (Flag show : {True, False}) {
            SmallLeague lg;
            lg.skater(lg.pro.RW[3]).Condition = 90;
            c.change(lg);
            AutoRoster(lg.env, T, show, False);
            EXPECT_EQ(lg.dialogs.messages(), show == True ? c.boxes : std::vector<std::string>{}) << c.what;
            for (const auto& b : lg.dialogs.shown()) EXPECT_EQ(b.style, mb::OKOnly | mb::Exclamation);
            expectMoved(lg, lg.pro.RW[3], status::Scratch, c.what);  // scratched before the tests
            expectKept(lg, lg.scratchC, status::Scratch, c.what);
            EXPECT_TRUE(lg.log.entries.empty()) << c.what;
            EXPECT_EQ(lg.state->DataChanged, False) << c.what;
        }
    }
}

TEST(AutoRoster, TooFewGoaliesStopAfterTheSkaters) {
    struct Case {
        Flag fullFarm;
        int unfit;  // of the 5 eligible goalies
    };
    for (Case c : {Case{False, 4}, Case{True, 2}}) {
        SmallLeague lg;
        lg.rules().FarmFullLineup = c.fullFarm;
        if (c.fullFarm == True) lg.rules().MaxDressedSkaters = 18;
        const int16_t goalies[] = {lg.pro.G[0], lg.pro.G[1], lg.scratchG, lg.farm.G[0], lg.farm.G[1]};
        for (int i = 0; i < c.unfit; ++i) lg.goalie(goalies[i]).Condition = 90;
        AutoRoster(lg.env, T, True, False);
        EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{"Not Enough G available!"});
        EXPECT_EQ(lg.dialogs.shown()[0].style, mb::OKOnly | mb::Exclamation);
        // The skaters' moves stand and were logged; the run was not.
        expectMoved(lg, lg.scratchC, status::Farm);
        EXPECT_EQ(logTexts(lg), (std::vector<std::string>{sentToFarm("Scratch C"), sentToFarm("Scratch D")}));
        EXPECT_EQ(lg.state->DataChanged, False);
        // An unfit dressed goalie was scratched first.
        expectGoalieMoved(lg, lg.pro.G[0], status::Scratch);
    }
}

TEST(AutoRoster, ASuspendedFarmGoalieGoesToTheProScratches) {
    SmallLeague lg;
    lg.fillFarmLines(1);
    int16_t g = lg.farm.G[0];
    lg.goalie(g).Suspension = 1;
    AutoRoster(lg.env, T, False, False);
    expectGoalieMoved(lg, g, status::Scratch);
    EXPECT_EQ(lg.farmDay(1).Slots[slot::StartGoaler], 0);
    // An injured farm goalie stays where he is.
    expectGoalieKept(lg, lg.injuredFarmG, status::Farm);
}

TEST(AutoRoster, TheDeadlineMayKeepTheScratchesUp) {
    struct Case {
        Flag passed, blocks;
        bool down;
    };
    for (Case c : {Case{True, True, false}, Case{True, False, true}, Case{False, True, true}}) {
        SmallLeague lg;
        lg.rules().TradeDeadlinePassed = c.passed;
        lg.rules().DeadlineBlocksMoves = c.blocks;
        lg.rules().WaiversAllowed = True;  // no waivers once the deadline has passed
        lg.rules().WaiverExemptGames = 100;
        lg.skater(lg.scratchC).ProExperience = 300;
        AutoRoster(lg.env, T, False, False);
        if (c.down) {
            expectMoved(lg, lg.scratchD, status::Farm);
            expectGoalieMoved(lg, lg.scratchG, status::Farm);
        } else {
            expectKept(lg, lg.scratchD, status::Scratch);
            expectGoalieKept(lg, lg.scratchG, status::Scratch);
        }
        // Past the deadline nobody needs waivers; before it Scratch C does,
        // and stays.
        if (c.passed == False)
            expectMoved(lg, lg.scratchC, status::Scratch);
        else if (c.down)
            expectMoved(lg, lg.scratchC, status::Farm);
        else
            expectKept(lg, lg.scratchC, status::Scratch);
    }
}

TEST(AutoRoster, ScratchesThatCannotGoDownAreCountedAndTold) {
    struct Case {
        const char* what;
        std::function<void(SmallLeague&)> change;
    };
    const std::vector<Case> cases{
        {"overall above the farm limit", [](SmallLeague& lg) { lg.rate(lg.scratchC, 70); }},
        {"waivers",
         [](SmallLeague& lg) {
             lg.rules().WaiversAllowed = True;
             lg.skater(lg.scratchC).ProExperience = 500;
         }},
        {"salary above the farm limit", [](SmallLeague& lg) { lg.skater(lg.scratchC).Salary = 400001; }},
    };
    for (const Case& c : cases) {
        SmallLeague lg;
        lg.rules().MaxProPlayers = 18;  // 18 dressed + 1 held up is too many
        c.change(lg);
        AutoRoster(lg.env, T, False, False);
        expectMoved(lg, lg.scratchC, status::Scratch, c.what);
        EXPECT_EQ(lg.dialogs.messages(),
                  std::vector<std::string>{"Halden Ravens has too many players in scratch \r\n"
                                           "that cannot be sent to farm without being sent to waiver."})
            << c.what;
        EXPECT_EQ(lg.dialogs.shown()[0].style, mb::OKOnly | mb::Information);
        EXPECT_EQ(logTexts(lg).back(), Logged);
    }
    // A salary at the farm limit goes down.
    SmallLeague lg;
    lg.rules().MaxProPlayers = 18;
    lg.skater(lg.scratchC).Salary = 400000;
    AutoRoster(lg.env, T, False, False);
    expectMoved(lg, lg.scratchC, status::Farm);
    EXPECT_TRUE(lg.dialogs.shown().empty());
}

TEST(AutoRoster, BadTeamAndFailure) {
    for (int16_t team : {int16_t{0}, int16_t{101}}) {
        SmallLeague lg;
        AutoRoster(lg.env, team, True, False);
        EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{"Integrity Check Failed!"});
        EXPECT_TRUE(lg.log.entries.empty());
    }
    SmallLeague lg;
    test::FailingDialogs failing(lg.dialogs, Done);
    Env env = test::withDialogs(lg, failing);
    AutoRoster(env, T, True, False);
    EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{"6 - Overflow in AutoRoster!"});
    EXPECT_EQ(lg.dialogs.shown()[0].style, mb::OKOnly | mb::Critical);
    expectMoved(lg, lg.scratchC, status::Farm);  // what was done stays
}

}  // namespace
}  // namespace dravik
