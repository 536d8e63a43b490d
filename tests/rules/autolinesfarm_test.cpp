#include "rules/autolinesfarm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "rules/linecheck.h"
#include "rules/slots.h"
#include "support/failing_dialogs.h"
#include "support/small_league.h"

namespace dravik {
namespace {

using test::SmallLeague;
constexpr int16_t T = SmallLeague::Team;

const std::string Done = "Auto Lines Function has been run successfully.";
const std::string Logged = "Auto Lines Function has been run for Halden Fledglings.";

// The farm ranks: FC1, FLW1, FRW1 (45), FD1 (44), FC2, FLW2, FRW2 (43),
// FD2, FC3, FLW3, FRW3 (41), FD3, FC4, FLW4, FRW4 (40), FD4 39, FD5 37,
// FD6 36; Suspended Farm (a D) 34. Farm G1 42, Farm G2 40.

enum class Form { Simple, Full };
const char* name(Form f) { return f == Form::Simple ? "simple" : "full"; }

// A fixture whose farm club dresses a full lineup or not.
struct Farm : SmallLeague {
    explicit Farm(Form f) { rules().FarmFullLineup = f == Form::Full ? True : False; }
    void make(int16_t day = 1, Flag showDone = False) { AutoLinesFarm(env, T, showDone, day); }
    const DayLines& day(int d = 1) { return farmDay(d); }
};

// Farm skaters rated below everybody, so that the roster check's count of 36
// available skaters over both clubs still holds.
void depth(Farm& lg, int position, int count) {
    for (int i = 0; i < count; ++i) lg.addSkater(T, position, status::Farm, "Depth " + std::to_string(i), 30);
}

std::set<int16_t> skatersIn(const DayLines& d) {
    std::set<int16_t> out;
    for (const SkaterSlot& s : SkaterSlots)
        if (d.Slots[s.word] != 0) out.insert(d.Slots[s.word]);
    return out;
}

// Words of the normal lines: C, LW, RW of line L are L-1, 3+L, 7+L; its
// pair 11+L, 15+L. Power-play unit u: C 19+u, LW 21+u, RW 23+u.
int C(int line) { return line - 1; }
int LW(int line) { return 3 + line; }
int RW(int line) { return 7 + line; }
int D1(int line) { return 11 + line; }
int D2(int line) { return 15 + line; }
int PPLW(int unit) { return 21 + unit; }

// D1, D2 of normal lines 1-4, line by line.
std::array<int16_t, 8> normalDefense(const DayLines& d) {
    std::array<int16_t, 8> out{};
    for (int line = 1; line <= 4; ++line) {
        out[2 * (line - 1)] = d.Slots[D1(line)];
        out[2 * (line - 1) + 1] = d.Slots[D2(line)];
    }
    return out;
}

TEST(AutoLinesFarm, TheSimpleMakerUsesTheBest17) {
    Farm lg(Form::Simple);
    std::vector<int16_t> weak;
    for (int i = 0; i < 7; ++i)
        weak.push_back(lg.addSkater(T, pos::C + i % 3, status::Farm, "Weak " + std::to_string(i), 30));
    lg.make(1, True);

    std::set<int16_t> best17;
    for (auto* group : {&lg.farm.C, &lg.farm.LW, &lg.farm.RW})
        for (int16_t n : *group) best17.insert(n);
    for (int i = 0; i < 5; ++i) best17.insert(lg.farm.D[i]);
    EXPECT_EQ(skatersIn(lg.day()), best17);
    const DayLines& d = lg.day();
    for (int line = 1; line <= 4; ++line) {
        EXPECT_EQ(d.Slots[C(line)], lg.farm.C[line - 1]);
        EXPECT_EQ(d.Slots[LW(line)], lg.farm.LW[line - 1]);
        EXPECT_EQ(d.Slots[RW(line)], lg.farm.RW[line - 1]);
    }
    // Six defensemen, the sixth beyond the 17: line 3 lacks its D2 and line 4
    // repeats line 1's pair.
    const auto& fd = lg.farm.D;
    EXPECT_EQ(normalDefense(d), (std::array<int16_t, 8>{fd[0], fd[1], fd[2], fd[3], fd[4], 0, fd[0], fd[1]}));
    EXPECT_EQ(d.Slots[slot::StartGoaler], lg.farm.G[0]);
    EXPECT_EQ(d.Slots[slot::BackupGoaler], lg.farm.G[1]);
    EXPECT_EQ((std::array<int16_t, 3>{d.Slots[71], d.Slots[72], d.Slots[73]}),
              (std::array<int16_t, 3>{1, 2, 2}));
    EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{Done});
    ASSERT_EQ(lg.log.entries.size(), 1u);
    EXPECT_EQ(lg.log.entries[0].text, Logged);
    EXPECT_EQ(lg.state->DataChanged, True);
    EXPECT_EQ(CheckLineFarm(lg.env, T, False, 1, False), True);
}

// Every defenseman rated above the forwards, so that all of them are among
// the best 17: with 7, line 4's D2 repeats line 1's D1; 8 fill the lines
// without a copy.
TEST(AutoLinesFarm, TheSimpleMakerDefenseByCount) {
    struct Case {
        int count;
        std::array<int, 8> lines;  // indices 1..n of the defensemen in rank order
    };
    const Case cases[] = {
        {7, {1, 2, 3, 4, 5, 6, 7, 1}},
        {8, {1, 2, 3, 4, 5, 6, 7, 8}},
    };
    for (const Case& c : cases) {
        Farm lg(Form::Simple);
        std::vector<int16_t> d(lg.farm.D.begin(), lg.farm.D.end());
        for (int i = 6; i < c.count; ++i)
            d.push_back(lg.addSkater(T, pos::D, status::Farm, "More D" + std::to_string(i)));
        for (int i = 0; i < c.count; ++i) lg.rate(d[i], static_cast<int16_t>(70 - i));
        lg.make();
        std::array<int16_t, 8> want{};
        for (int i = 0; i < 8; ++i) want[i] = d[c.lines[i] - 1];
        EXPECT_EQ(normalDefense(lg.day()), want) << c.count << " defensemen";
        EXPECT_EQ(lg.log.entries.back().text, Logged) << c.count;
    }
}

TEST(AutoLinesFarm, AtMostFourOfAForwardPositionByPosition) {
    Farm lg(Form::Simple);
    int16_t top1 = lg.addSkater(T, pos::C, status::Farm, "Top C1", 56);
    int16_t top2 = lg.addSkater(T, pos::C, status::Farm, "Top C2", 56);
    lg.skater(lg.farm.LW[2]).Condition = 60;
    lg.skater(lg.farm.LW[3]).Condition = 60;
    lg.make();
    const DayLines& d = lg.day();
    EXPECT_EQ((std::array<int16_t, 4>{d.Slots[C(1)], d.Slots[C(2)], d.Slots[C(3)], d.Slots[C(4)]}),
              (std::array<int16_t, 4>{top1, top2, lg.farm.C[0], lg.farm.C[1]}));
    // The other two centres fill the wing places nobody of that position takes.
    EXPECT_EQ(d.Slots[LW(3)], lg.farm.C[2]);
    EXPECT_EQ(d.Slots[LW(4)], lg.farm.C[3]);
}

// Where the two forms differ, each case run by both.
TEST(AutoLinesFarm, WhereTheSimpleAndTheFullMakerDiffer) {
    struct Case {
        const char* what;
        std::function<void(Farm&)> setUp;
        std::function<void(Farm&, Form)> check;
    };
    const std::vector<Case> cases{
        {"the power play: the first two of each position, or lines 1 and 2",
         [](Farm& lg) {
             lg.rules().MinLeftWings = 2;
             for (int i = 1; i < 4; ++i) lg.skater(lg.farm.LW[i]).Condition = 60;
             depth(lg, pos::C, 3);
         },
         [](Farm& lg, Form f) {
             const DayLines& d = lg.day();
             EXPECT_EQ(d.Slots[PPLW(1)], lg.farm.LW[0]);
             EXPECT_NE(d.Slots[LW(2)], 0);
             EXPECT_EQ(d.Slots[PPLW(2)], f == Form::Simple ? 0 : d.Slots[LW(2)]);
         }},
        {"five defensemen: copies only in the full maker",
         [](Farm& lg) {
             lg.rules().MinDefense = 5;
             lg.skater(lg.farm.D[5]).Condition = 60;
             lg.skater(lg.suspendedFarm).Condition = 60;
             depth(lg, pos::C, 1);
         },
         [](Farm& lg, Form f) {
             const DayLines& d = lg.day();
             const auto& fd = lg.farm.D;
             std::array<int16_t, 4> want{0, 0, 0, 0};
             if (f == Form::Full) want = {fd[0], fd[1], fd[2], 0};
             EXPECT_EQ(
                 (std::array<int16_t, 4>{d.Slots[D2(3)], d.Slots[D1(4)], d.Slots[D2(4)], d.Slots[D1(3)]}),
                 (std::array<int16_t, 4>{want[0], want[1], want[2], fd[4]}));
         }},
        {"a suspended farm skater plays only for the full maker",
         [](Farm& lg) { lg.rate(lg.suspendedFarm, 60); },
         [](Farm& lg, Form f) {
             auto where = SmallLeague::wordsHolding(lg.day(), lg.suspendedFarm);
             if (f == Form::Simple) {
                 EXPECT_TRUE(where.empty());
             } else {
                 EXPECT_EQ(lg.day().Slots[D1(1)], lg.suspendedFarm);
             }
         }},
        {"ten forwards: only the full maker reuses the best",
         [](Farm& lg) {
             lg.skater(lg.farm.LW[2]).Condition = 60;
             lg.skater(lg.farm.LW[3]).Condition = 60;
             depth(lg, pos::D, 2);
         },
         [](Farm& lg, Form f) {
             const DayLines& d = lg.day();
             if (f == Form::Simple) {
                 EXPECT_EQ(d.Slots[LW(3)], 0);
                 EXPECT_EQ(d.Slots[LW(4)], 0);
             } else {
                 EXPECT_EQ(d.Slots[LW(3)], lg.farm.C[3]);
                 EXPECT_EQ((std::array<int16_t, 3>{d.Slots[C(4)], d.Slots[LW(4)], d.Slots[RW(4)]}),
                           (std::array<int16_t, 3>{lg.farm.C[0], lg.farm.LW[0], lg.farm.RW[3]}));
             }
         }},
    };
    for (const Case& c : cases) {
        for (Form f : {Form::Simple, Form::Full}) {
            Farm lg(f);
            c.setUp(lg);
            lg.make(1, True);
            SCOPED_TRACE(std::string(c.what) + ", " + name(f));
            c.check(lg, f);
            EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{Done});
            EXPECT_EQ(lg.log.entries.back().text, Logged);
        }
    }
}

TEST(AutoLinesFarm, ErrorBoxesNameTheirMaker) {
    for (Form f : {Form::Simple, Form::Full}) {
        Farm lg(f);
        test::FailingDialogs failing(lg.dialogs, Done);
        Env env = test::withDialogs(lg, failing);
        AutoLinesFarm(env, T, True, 1);
        EXPECT_TRUE(failing.failed());
        EXPECT_EQ(lg.dialogs.messages(),
                  std::vector<std::string>{f == Form::Simple ? "6 - Overflow in AutoLinesFarm!"
                                                             : "6 - Overflow in AutoLines!"});
        EXPECT_EQ(lg.dialogs.shown()[0].style, mb::OKOnly | mb::Critical);
    }
}

TEST(AutoLinesFarm, Goalies) {
    struct Want {
        int start, backup;  // 1 Farm G1, 2 Farm G2, 0 empty
    };
    struct Row {
        const char* what;
        uint8_t first, second;  // conditions; 0 leaves the goalie out (injured)
        Want want;
    };
    const Row rows[] = {
        {"tired first, rested second", 97, 99, {2, 1}},
        {"first not tired enough", 98, 99, {1, 2}},
        {"a lone goalie starts", 96, 0, {1, 0}},
        {"no goalie", 0, 0, {0, 0}},
    };
    for (Form f : {Form::Simple, Form::Full}) {
        for (const Row& r : rows) {
            Farm lg(f);
            auto fit = [&](int16_t g, uint8_t condition) {
                lg.goalie(g).Condition = condition == 0 ? 60 : condition;
            };
            fit(lg.farm.G[0], r.first);
            fit(lg.farm.G[1], r.second);
            int missing = (r.first == 0) + (r.second == 0);
            if (f == Form::Full && missing > 0) {
                // Pro goalies to make up the four the roster check wants.
                lg.rules().MaxDressedGoalies = static_cast<int16_t>(2 + missing);
                lg.goalie(lg.scratchG).RosterStatus = status::Dressed;
                if (missing == 2) lg.addGoalie(T, status::Dressed, "Pro G3", 55);
            }
            lg.make(1, True);
            SCOPED_TRACE(std::string(r.what) + ", " + name(f));
            auto goalie = [&](int which) { return which == 0 ? int16_t{0} : lg.farm.G[which - 1]; };
            EXPECT_EQ(lg.day().Slots[slot::StartGoaler], goalie(r.want.start));
            EXPECT_EQ(lg.day().Slots[slot::BackupGoaler], goalie(r.want.backup));
            std::vector<std::string> boxes;
            if (f == Form::Full && missing > 0) boxes.push_back("Integrity Check Failed!");
            boxes.push_back(Done);
            EXPECT_EQ(lg.dialogs.messages(), boxes);
            EXPECT_EQ(lg.day().Slots[71], 1);
            EXPECT_EQ(lg.log.entries.back().text, Logged);
            EXPECT_EQ(lg.state->DataChanged, True);
        }
    }
}

TEST(AutoLinesFarm, OnlyTheSimpleMakerAsksWhetherAGoalieIsSuspended) {
    for (Form f : {Form::Simple, Form::Full}) {
        Farm lg(f);
        // Three dressed pro goalies and Farm G2 are the four the roster check
        // wants, so Farm G1 stays on the farm club.
        lg.rules().MaxDressedGoalies = 3;
        lg.goalie(lg.scratchG).RosterStatus = status::Dressed;
        lg.goalie(lg.farm.G[0]).Suspension = 1;
        lg.make();
        const DayLines& d = lg.day();
        EXPECT_EQ(d.Slots[slot::StartGoaler], f == Form::Simple ? lg.farm.G[1] : lg.farm.G[0]) << name(f);
        EXPECT_EQ(d.Slots[slot::BackupGoaler], f == Form::Simple ? 0 : lg.farm.G[1]) << name(f);
        EXPECT_EQ(lg.goalie(lg.farm.G[0]).RosterStatus, status::Farm) << name(f);
    }
}

TEST(AutoLinesFarm, TheFullMakerDressesTheMinimumsFirst) {
    // Four fresh forwards rated above every farm defenseman: the six D still
    // dress (the minimum), and the best forwards left over do not.
    Farm lg(Form::Full);
    for (int i = 0; i < 4; ++i)
        lg.addSkater(T, pos::C + i % 3, status::Farm, "Fresh " + std::to_string(i), 51);
    lg.make();
    std::set<int16_t> in = skatersIn(lg.day());
    EXPECT_EQ(in.size(), 18u);
    for (int16_t n : lg.farm.D) EXPECT_TRUE(in.count(n)) << lg.skaterName(n);
    for (int16_t n : {lg.farm.C[3], lg.farm.LW[3], lg.farm.RW[3]})
        EXPECT_FALSE(in.count(n)) << lg.skaterName(n);
    EXPECT_EQ(CheckLineFarm(lg.env, T, True, 1, False), True);
    EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{"Lines are perfect!"});
}

TEST(AutoLinesFarm, MinimumsThatFillTheLineupStopTheFullMakerBeforeItClears) {
    Farm lg(Form::Full);
    lg.rules().MinCenters = 4;
    lg.rules().MinLeftWings = 4;
    lg.rules().MinRightWings = 4;  // with MinDefense 6: 18, the dressed maximum
    lg.fillFarmLines(1);
    const DayLines before = lg.day();
    lg.make(1, True);
    EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{"Integrity Check Failed!"});
    EXPECT_TRUE(lg.day() == before);
    EXPECT_TRUE(lg.log.entries.empty());
}

TEST(AutoLinesFarm, TheRosterGateOnlyForTheFullMaker) {
    for (Form f : {Form::Simple, Form::Full}) {
        Farm lg(f);
        lg.rules().SalaryCapMode = 1;
        lg.rules().SalaryCapAmount = 5000000;  // no automatic roster brings the team under it
        lg.fillFarmLines(1);
        const DayLines before = lg.day();
        lg.make(1, True);
        if (f == Form::Simple) {
            EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{Done});
        } else {
            EXPECT_EQ(lg.dialogs.messages(),
                      (std::vector<std::string>{"Roster for Halden Ravens is incomplete!\r\n"
                                                "Trying Auto Rosters Function for Halden Fledglings.",
                                                "Roster for Halden Ravens is still incomplete!\r\n"
                                                "Cannot make lines for Halden Fledglings."}));
            for (const auto& b : lg.dialogs.shown()) EXPECT_EQ(b.style, mb::OKOnly | mb::Information);
            EXPECT_TRUE(lg.day() == before);
        }
    }
}

TEST(AutoLinesFarm, BadTeamOrDayChangesNothing) {
    using Maker = void (*)(Env&, int16_t, Flag, int16_t);
    struct Case {
        int16_t team, day;
    };
    for (Maker maker : {&AutoLinesFarm, &AutoLinesFarmFull}) {
        for (Case c : {Case{0, 1}, Case{101, 1}, Case{T, 0}, Case{T, 11}}) {
            Farm lg(Form::Full);
            lg.skater(lg.pro.C[0]).Condition = 90;
            maker(lg.env, c.team, True, c.day);
            EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{"Integrity Check Failed!"});
            EXPECT_EQ(lg.skater(lg.pro.C[0]).RosterStatus, status::Dressed);
            EXPECT_TRUE(lg.log.entries.empty());
        }
    }
}

TEST(AutoLinesFarm, TheFixtureLinesPassTheFarmCheck) {
    for (Form f : {Form::Simple, Form::Full}) {
        for (Flag noSame : {False, True}) {
            Farm lg(f);
            lg.rules().NoSamePlayerLines1And2 = noSame;
            for (int16_t day = 1; day <= 10; ++day) {
                lg.make(day);
                EXPECT_EQ(CheckLineFarm(lg.env, T, True, day, False), True) << name(f) << " day " << day;
            }
            EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>(10, "Lines are perfect!")) << name(f);
        }
    }
}

}  // namespace
}  // namespace dravik
