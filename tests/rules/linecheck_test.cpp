#include "rules/linecheck.h"

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

// The text a pro check shows (and logs after the team's name).
std::string proText(const std::vector<std::string>& findings) {
    return findings.empty() ? "Lines are perfect!" : lines(findings) + Closing;
}

std::string onlyBox(const SmallLeague& lg) {
    EXPECT_EQ(lg.dialogs.shown().size(), 1u);
    return lg.dialogs.shown().empty() ? std::string() : lg.dialogs.shown()[0].prompt;
}

// An all-empty pro day, as the check reports it.
const char* const AllEmptyPro =
    "Normal line # 1 C is empty.\r\n"
    "Normal line # 1 LW is empty.\r\n"
    "Normal line # 1 RW is empty.\r\n"
    "Normal line # 1 Defense #1 is empty.\r\n"
    "Normal line # 1 Defense #2 is empty.\r\n"
    "Normal line # 2 C is empty.\r\n"
    "Normal line # 2 LW is empty.\r\n"
    "Normal line # 2 RW is empty.\r\n"
    "Normal line # 2 Defense #1 is empty.\r\n"
    "Normal line # 2 Defense #2 is empty.\r\n"
    "Normal line # 3 C is empty.\r\n"
    "Normal line # 3 LW is empty.\r\n"
    "Normal line # 3 RW is empty.\r\n"
    "Normal line # 3 Defense #1 is empty.\r\n"
    "Normal line # 3 Defense #2 is empty.\r\n"
    "Normal line # 4 C is empty.\r\n"
    "Normal line # 4 LW is empty.\r\n"
    "Normal line # 4 RW is empty.\r\n"
    "Normal line # 4 Defense #1 is empty.\r\n"
    "Normal line # 4 Defense #2 is empty.\r\n"
    "PP line 1 C is empty.\r\n"
    "PP line 1 LW is empty.\r\n"
    "PP line 1 RW is empty.\r\n"
    "PP line 1 Defense #1 is empty.\r\n"
    "PK line 1 C is empty.\r\n"
    "PK line 1 Defense #1 is empty.\r\n"
    "4 vs 4 line 1 C is empty.\r\n"
    "4 vs 4 line 1 Defense #1 is empty.\r\n"
    "PK3 line 1 Defense #1 is empty.\r\n"
    "PP line 1 Defense #2 is empty.\r\n"
    "PK line 1 LW is empty.\r\n"
    "PK line 1 Defense #2 is empty.\r\n"
    "4 vs 4 line 1 LW is empty.\r\n"
    "4 vs 4 line 1 Defense #2 is empty.\r\n"
    "PK3 line 1 Defense #2 is empty.\r\n"
    "PK3 line 1 forward is empty.\r\n"
    "PP line 2 C is empty.\r\n"
    "PP line 2 LW is empty.\r\n"
    "PP line 2 RW is empty.\r\n"
    "PP line 2 Defense #1 is empty.\r\n"
    "PK line 2 C is empty.\r\n"
    "PK line 2 Defense #1 is empty.\r\n"
    "4 vs 4 line 2 C is empty.\r\n"
    "4 vs 4 line 2 Defense #1 is empty.\r\n"
    "PK3 line 2 Defense #1 is empty.\r\n"
    "PP line 2 Defense #2 is empty.\r\n"
    "PK line 2 LW is empty.\r\n"
    "PK line 2 Defense #2 is empty.\r\n"
    "4 vs 4 line 2 LW is empty.\r\n"
    "4 vs 4 line 2 Defense #2 is empty.\r\n"
    "PK3 line 2 Defense #2 is empty.\r\n"
    "PK3 line 2 forward is empty.\r\n"
    "Extra Forward #1 is empty.\r\n"
    "Extra Defense #1 is empty.\r\n"
    "Penalty Shot Player #1 is empty.\r\n"
    "Extra Forward #2 is empty.\r\n"
    "Extra Defense #2 is empty.\r\n"
    "Penalty Shot Player #2 is empty.\r\n"
    "Extra Forward #3 is empty.\r\n"
    "Extra Defense #3 is empty.\r\n"
    "Penalty Shot Player #3 is empty.\r\n"
    "Extra Forward #4 is empty.\r\n"
    "Extra Defense #4 is empty.\r\n"
    "Penalty Shot Player #4 is empty.\r\n"
    "Extra Forward #5 is empty.\r\n"
    "Extra Defense #5 is empty.\r\n"
    "Penalty Shot Player #5 is empty.\r\n"
    "Starting Goaler is empty.\r\n"
    "Backup Goaler is empty.\r\n"
    "Some errors will be automatically fixed.\r\n";

// An all-empty farm day under a full farm lineup, as the check reports it.
const char* const AllEmptyFarmFull =
    "Normal line # 1 C is empty.\r\n"
    "Normal line # 1 LW is empty.\r\n"
    "Normal line # 1 RW is empty.\r\n"
    "Normal line # 1 Defense #1 is empty.\r\n"
    "Normal line # 1 Defense #2 is empty.\r\n"
    "Normal line # 2 C is empty.\r\n"
    "Normal line # 2 LW is empty.\r\n"
    "Normal line # 2 RW is empty.\r\n"
    "Normal line # 2 Defense #1 is empty.\r\n"
    "Normal line # 2 Defense #2 is empty.\r\n"
    "Normal line # 3 C is empty.\r\n"
    "Normal line # 3 LW is empty.\r\n"
    "Normal line # 3 RW is empty.\r\n"
    "Normal line # 3 Defense #1 is empty.\r\n"
    "Normal line # 3 Defense #2 is empty.\r\n"
    "Normal line # 4 C is empty.\r\n"
    "Normal line # 4 LW is empty.\r\n"
    "Normal line # 4 RW is empty.\r\n"
    "Normal line # 4 Defense #1 is empty.\r\n"
    "Normal line # 4 Defense #2 is empty.\r\n"
    "PP line1 C is empty.\r\n"
    "PP line1 LW is empty.\r\n"
    "PP line1 RW is empty.\r\n"
    "PP line 1 Defense #1 is empty.\r\n"
    "PK line 1 C is empty.\r\n"
    "PK line 1 Defense #1 is empty.\r\n"
    "4 vs 4 line 1 C is empty.\r\n"
    "4 vs 4 line 1 Defense #1 is empty.\r\n"
    "PK3 line 1 Defense #1 is empty.\r\n"
    "PP line 1 Defense #2 is empty.\r\n"
    "PK line 1 LW is empty.\r\n"
    "PK line 1 Defense #2 is empty.\r\n"
    "4 vs 4 line 1 LW is empty.\r\n"
    "4 vs 4 line 1 Defense #2 is empty.\r\n"
    "PK3 line 1 Defense #2 is empty.\r\n"
    "PK3 line 1 forward is empty.\r\n"
    "PP line2 C is empty.\r\n"
    "PP line2 LW is empty.\r\n"
    "PP line2 RW is empty.\r\n"
    "PP line 2 Defense #1 is empty.\r\n"
    "PK line 2 C is empty.\r\n"
    "PK line 2 Defense #1 is empty.\r\n"
    "4 vs 4 line 2 C is empty.\r\n"
    "4 vs 4 line 2 Defense #1 is empty.\r\n"
    "PK3 line 2 Defense #1 is empty.\r\n"
    "PP line 2 Defense #2 is empty.\r\n"
    "PK line 2 LW is empty.\r\n"
    "PK line 2 Defense #2 is empty.\r\n"
    "4 vs 4 line 2 LW is empty.\r\n"
    "4 vs 4 line 2 Defense #2 is empty.\r\n"
    "PK3 line 2 Defense #2 is empty.\r\n"
    "PK3 line 2 forward is empty.\r\n"
    "Extra Forward #1 is empty.\r\n"
    "Extra Defense #1 is empty.\r\n"
    "Penalty Shot Player #1 is empty.\r\n"
    "Extra Forward #2 is empty.\r\n"
    "Extra Defense #2 is empty.\r\n"
    "Penalty Shot Player #2 is empty.\r\n"
    "Extra Forward #3 is empty.\r\n"
    "Extra Defense #3 is empty.\r\n"
    "Penalty Shot Player #3 is empty.\r\n"
    "Extra Forward #4 is empty.\r\n"
    "Extra Defense #4 is empty.\r\n"
    "Penalty Shot Player #4 is empty.\r\n"
    "Extra Forward #5 is empty.\r\n"
    "Extra Defense #5 is empty.\r\n"
    "Penalty Shot Player #5 is empty.\r\n"
    "Starting Goaler is empty.\r\n"
    "Backup Goaler is empty.\r\n"
    "Not Enough Players Found. Minimum is 18\r\n";

TEST(CheckLineEmpty, OnlyPlayerSlotsCount) {
    SmallLeague lg;
    EXPECT_EQ(CheckLineEmpty(lg.env, T, 1), True);
    // Strategy, pull-goalie values and the unused pair of 3-man forwards.
    for (int word : {46, 47, 71, 72, 73, 74, 75}) lg.proDay(1).Slots[word] = 3;
    EXPECT_EQ(CheckLineEmpty(lg.env, T, 1), True);
    lg.farmDay(1).Slots[0] = 3;  // the farm set is not looked at
    EXPECT_EQ(CheckLineEmpty(lg.env, T, 1), True);
    for (int word = 0; word <= 70; ++word) {
        if (word == 46 || word == 47) continue;
        SmallLeague one;
        one.proDay(6).Slots[word] = 1;
        EXPECT_EQ(CheckLineEmpty(one.env, T, 6), False) << "word " << word;
    }
    EXPECT_TRUE(lg.dialogs.shown().empty());
}

TEST(CheckLine, ACompleteLegalDayIsPerfect) {
    SmallLeague lg;
    lg.fillProLines(1);
    lg.rules().NoSamePlayerLines1And2 = True;
    TeamInfo before = lg.team();
    EXPECT_EQ(CheckLine(lg.env, T, True, 1, True), True);
    EXPECT_EQ(onlyBox(lg), "Lines are perfect!");
    EXPECT_EQ(lg.dialogs.shown()[0].style, mb::OKOnly | mb::Information);
    EXPECT_EQ(lg.dialogs.shown()[0].title, ProductName);
    EXPECT_TRUE(lg.log.entries.empty());
    EXPECT_EQ(lg.team(), before);
    EXPECT_EQ(CheckLineEmpty(lg.env, T, 1), False);
}

TEST(CheckLine, GoldenTextOfAnEmptyDay) {
    SmallLeague lg;
    lg.proDay(2).Slots[slot::Strategy] = 2;
    EXPECT_EQ(CheckLine(lg.env, T, True, 2, True), False);
    EXPECT_EQ(onlyBox(lg), AllEmptyPro);
    ASSERT_EQ(lg.log.entries.size(), 1u);
    EXPECT_EQ(lg.log.entries[0].text, std::string("Halden Ravens lines errors : ") + AllEmptyPro);
}

// A skater who may not play is taken out of every set of the team and out of
// his role; his later slots of the day then read as empty.
TEST(CheckLine, ASkaterWhoMayNotPlayLeavesEveryLine) {
    struct Case {
        const char* what;
        std::function<void(PlayerInfo&)> change;
        const char* finding;  // after his name
    };
    std::vector<Case> cases{
        {"condition 94", [](PlayerInfo& p) { p.Condition = 94; }, " is injured or suspended."},
        {"suspended", [](PlayerInfo& p) { p.Suspension = 1; }, " is injured or suspended."},
        {"a healthy scratch", [](PlayerInfo& p) { p.RosterStatus = status::Scratch; },
         " is not on Pro roster for this team."},
        {"a farm player", [](PlayerInfo& p) { p.RosterStatus = status::Farm; },
         " is not on Pro roster for this team."},
        {"another team's player", [](PlayerInfo& p) { p.Team = SmallLeague::OtherTeam; },
         " is not on Pro roster for this team."},
        {"an injured player of another team",
         [](PlayerInfo& p) {
             p.Team = SmallLeague::OtherTeam;
             p.Condition = 10;
         },
         " is not on Pro roster for this team."},
    };
    for (const Case& c : cases) {
        SmallLeague lg;
        int16_t c1 = lg.pro.C[0];  // the captain; goalie 1 has his number
        for (int d = 1; d <= 10; ++d) {
            lg.fillProLines(d);
            lg.fillFarmLines(d);
            lg.farmDay(d).Slots[slot::ExtraForward + 4] = c1;
        }
        c.change(lg.skater(c1));
        EXPECT_EQ(CheckLine(lg.env, T, True, 1, False), False) << c.what;
        EXPECT_EQ(onlyBox(lg), proText({std::string("Pro C1") + c.finding, "PP line 1 C is empty.",
                                        "PK line 1 C is empty.", "4 vs 4 line 1 C is empty.",
                                        "PK3 line 1 forward is empty.", "Extra Forward #1 is empty.",
                                        "Penalty Shot Player #1 is empty."}))
            << c.what;
        for (int d = 1; d <= 10; ++d) {
            EXPECT_TRUE(SmallLeague::wordsHolding(lg.proDay(d), c1).empty()) << c.what;
            EXPECT_TRUE(SmallLeague::wordsHolding(lg.farmDay(d), c1).empty()) << c.what;
            EXPECT_EQ(lg.proDay(d).Slots[slot::StartGoaler], 1) << c.what;
        }
        EXPECT_EQ(lg.team().Captain, 0) << c.what;
        EXPECT_TRUE(lg.log.entries.empty());
    }
    // Condition 95 and no suspension: he plays.
    SmallLeague lg;
    lg.fillProLines(1);
    lg.skater(lg.pro.C[0]).Condition = 95;
    EXPECT_EQ(CheckLine(lg.env, T, False, 1, False), True);
}

// A goalie who may not play loses only his slot of that day.
TEST(CheckLine, AGoalieWhoMayNotPlayLosesOnlyHisSlot) {
    struct Case {
        const char* what;
        std::function<void(SmallLeague&)> change;
        int word;
        std::string finding;
    };
    std::vector<Case> cases{
        {"injured starter", [](SmallLeague& lg) { lg.goalie(lg.pro.G[0]).Condition = 90; }, slot::StartGoaler,
         "Pro G1 is injured or suspended."},
        {"suspended backup", [](SmallLeague& lg) { lg.goalie(lg.pro.G[1]).Suspension = 2; },
         slot::BackupGoaler, "Pro G2 is injured or suspended."},
        {"a scratch goalie starts",
         [](SmallLeague& lg) { lg.proDay(3).Slots[slot::StartGoaler] = lg.scratchG; }, slot::StartGoaler,
         "Scratch G is not on Pro roster for this team."},
        {"another team's goalie backs up",
         [](SmallLeague& lg) { lg.proDay(3).Slots[slot::BackupGoaler] = lg.otherG; }, slot::BackupGoaler,
         "Other G is not on Pro roster for this team."},
    };
    for (const Case& c : cases) {
        SmallLeague lg;
        for (int d = 1; d <= 10; ++d) lg.fillProLines(d);
        c.change(lg);
        DayLines day3 = lg.proDay(3);
        TeamInfo before = lg.team();
        EXPECT_EQ(CheckLine(lg.env, T, True, 3, False), False) << c.what;
        EXPECT_EQ(onlyBox(lg), proText({c.finding})) << c.what;
        day3.Slots[c.word] = 0;
        EXPECT_EQ(lg.proDay(3), day3) << c.what;
        for (int d = 1; d <= 10; ++d)
            if (d != 3) {
                EXPECT_EQ(lg.proDay(d), before.ProLines[d - 1]) << c.what;
            }
        EXPECT_EQ(lg.team().Captain, before.Captain);
    }
}

TEST(CheckLine, TheSameGoalieTwice) {
    SmallLeague lg;
    lg.fillProLines(1);
    lg.proDay(1).Slots[slot::BackupGoaler] = lg.pro.G[0];
    EXPECT_EQ(CheckLine(lg.env, T, True, 1, False), False);
    EXPECT_EQ(onlyBox(lg), proText({"Starting Goalie and BackUp Goalie are the same"}));
    EXPECT_EQ(lg.proDay(1).Slots[slot::BackupGoaler], lg.pro.G[0]);
}

// Duplicates inside one unit (for the extras: inside one group of five) are
// reported under the earlier slot's text and never repaired.
struct DupCase {
    const char* what;
    std::vector<int> words;             // the slots given to one skater
    std::vector<std::string> findings;  // after his name; empty: no finding
    friend void PrintTo(const DupCase& c, std::ostream* os) { *os << c.what; }
};

class Duplicates : public ::testing::TestWithParam<DupCase> {};

std::vector<std::string> named(const std::string& name, const std::vector<std::string>& tails) {
    std::vector<std::string> out;
    for (const auto& t : tails) out.push_back(name + t);
    return out;
}

TEST_P(Duplicates, AreReportedNotRepaired) {
    const DupCase& c = GetParam();
    for (Flag farm : {False, True}) {
        SmallLeague lg;
        lg.rules().MaxDressedSkaters = 19;  // Dup Man is the 19th different skater of the farm lines
        int16_t dup = lg.addSkater(T, pos::C, farm ? status::Farm : status::Dressed, "Dup Man", 50);
        DayLines& set = farm ? lg.farmDay(1) : lg.proDay(1);
        farm ? lg.fillFarmLines(1) : lg.fillProLines(1);
        for (int w : c.words) set.Slots[w] = dup;
        DayLines before = set;
        Flag result = farm ? CheckLineFarm(lg.env, T, True, 1, False) : CheckLine(lg.env, T, True, 1, False);
        auto findings = named("Dup Man", c.findings);
        EXPECT_EQ(result, findings.empty() ? True : False);
        EXPECT_EQ(onlyBox(lg),
                  farm ? (findings.empty() ? "Lines are perfect!" : lines(findings)) : proText(findings));
        EXPECT_EQ(set, before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Units, Duplicates,
    ::testing::ValuesIn(std::vector<DupCase>{
        {"normal line 2 C and RW", {1, 9}, {" is used twice in Normal line #2"}},
        {"normal line 3 D pair", {14, 18}, {" is used twice in Normal line #3"}},
        {"normal line 2 C, LW and RW",
         {1, 5, 9},
         {" is used twice in Normal line #2", " is used twice in Normal line #2"}},
        {"PP 1 C and D1", {20, 26}, {" is used twice in PP line#1"}},
        {"PP 1 D pair", {26, 28}, {" is used twice PP in line#1"}},
        {"PP 2 LW, RW and D2", {23, 25, 29}, {" is used twice in PP line#2", " is used twice in PP line#2"}},
        {"PK 2 C and W", {31, 33}, {" is used twice in PK line#2"}},
        {"PK 2 D pair", {35, 37}, {" is used twice PK in line#2"}},
        {"4 vs 4 1 W and D2", {40, 44}, {" is used twice in 4 vs 4 line#1"}},
        {"4 vs 4 1 D pair", {42, 44}, {" is used twice 4 vs 4 in line#1"}},
        {"PK3 2 forward and D1", {49, 51}, {" is used twice in PK3 line#2"}},
        {"PK3 2 D pair", {51, 53}, {" is used twice PK3 in line#2"}},
        {"extra forwards 1 and 5", {56, 60}, {" is used twice in Extra Forward"}},
        {"extra defense 2 and 3", {62, 63}, {" is used twice in Extra Defense"}},
        {"penalty shots 4 and 5", {69, 70}, {" is used twice in Extra Penalty Shot"}},
        {"three of the penalty shots",
         {66, 67, 70},
         {" is used twice in Extra Penalty Shot", " is used twice in Extra Penalty Shot"}},
        {"normal line 1 and PP 1 are different units", {2, 20}, {}},
        {"PK 1 and 4 vs 4 1 are different units", {30, 38}, {}},
        {"extra forward and extra defense are different groups", {57, 62}, {}},
    }),
    [](const auto& info) {
        std::string s = info.param.what;
        for (char& ch : s)
            if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return s;
    });

TEST(CheckLine, LinesOneAndTwoRule) {
    struct Case {
        Flag rule;
        std::vector<int> words;  // besides his own LW slot of line 1
        std::vector<std::string> findings;
    };
    std::vector<Case> cases{
        {True, {13}, {"Pro LW1 is used twice in lines 1 and 2."}},
        {False, {13}, {}},
        {True,
         {8, 13},
         {"Pro LW1 is used twice in Normal line #1", "Pro LW1 is used twice in lines 1 and 2.",
          "Pro LW1 is used twice in lines 1 and 2."}},
        {True,
         {9, 17},
         {"Pro LW1 is used twice in Normal line #2", "Pro LW1 is used twice in lines 1 and 2."}},
        {True, {2}, {}},  // line 3 is no part of it
    };
    for (const Case& c : cases) {
        SmallLeague lg;
        lg.rules().NoSamePlayerLines1And2 = c.rule;
        lg.fillProLines(1);
        for (int w : c.words) lg.proDay(1).Slots[w] = lg.pro.LW[0];
        EXPECT_EQ(CheckLine(lg.env, T, True, 1, False), c.findings.empty() ? True : False);
        EXPECT_EQ(onlyBox(lg), proText(c.findings));
    }
}

// Slot values that name no record: the placeholder's name, and the value is
// cleared where it stands without being read as someone else.
TEST(CheckLine, ValuesThatNameNobody) {
    for (int16_t bad : {int16_t{10005}, int16_t{-3}, int16_t{32767}}) {
        SmallLeague lg;
        for (int d = 1; d <= 10; ++d) lg.fillProLines(d);
        lg.proDay(1).Slots[0] = bad;             // normal line 1 C
        lg.proDay(1).Slots[slot::PPTrio] = bad;  // PP 1 C
        lg.proDay(4).Slots[slot::PenaltyShot] = bad;
        lg.farmDay(9).Slots[slot::ExtraDefense] = bad;
        lg.proDay(5).Slots[slot::StartGoaler] = 5;  // goalie 5 would be 10005 as a person
        lg.goalie(5).Team = T;
        lg.goalie(5).RosterStatus = status::Dressed;
        lg.team().Assistant2 = bad;
        EXPECT_EQ(CheckLine(lg.env, T, True, 1, False), False) << bad;
        EXPECT_EQ(onlyBox(lg),
                  proText({"Unknown Player is not on Pro roster for this team.", "PP line 1 C is empty."}))
            << bad;
        EXPECT_EQ(lg.proDay(1).Slots[0], 0);
        EXPECT_EQ(lg.proDay(4).Slots[slot::PenaltyShot], 0);
        EXPECT_EQ(lg.farmDay(9).Slots[slot::ExtraDefense], 0);
        EXPECT_EQ(lg.proDay(5).Slots[slot::StartGoaler], 5);
        EXPECT_EQ(lg.team().Assistant2, bad) << "no role is cleared for a number that names nobody";
    }
    for (int16_t bad : {int16_t{1001}, int16_t{-1}}) {
        SmallLeague lg;
        lg.fillProLines(1);
        lg.fillProLines(2);
        lg.proDay(1).Slots[slot::BackupGoaler] = bad;
        lg.proDay(2).Slots[slot::BackupGoaler] = bad;
        EXPECT_EQ(CheckLine(lg.env, T, True, 1, False), False);
        EXPECT_EQ(onlyBox(lg), proText({"Unknown Goalie is not on Pro roster for this team."}));
        EXPECT_EQ(lg.proDay(1).Slots[slot::BackupGoaler], 0);
        EXPECT_EQ(lg.proDay(2).Slots[slot::BackupGoaler], bad) << "that slot alone";
    }
}

TEST(CheckLine, RepairsStandAndTheSecondRunReportsWhatIsLeft) {
    SmallLeague lg;
    lg.fillProLines(1);
    lg.skater(lg.pro.RW[3]).Condition = 0;  // plays only normal line 4 RW
    lg.goalie(lg.pro.G[1]).Condition = 0;
    EXPECT_EQ(CheckLine(lg.env, T, False, 1, False), False);
    lg.skater(lg.pro.RW[3]).Condition = 100;
    lg.goalie(lg.pro.G[1]).Condition = 100;
    EXPECT_EQ(CheckLine(lg.env, T, False, 1, True), False);
    ASSERT_EQ(lg.log.entries.size(), 1u);
    EXPECT_EQ(lg.log.entries[0].text,
              "Halden Ravens lines errors : " +
                  proText({"Normal line # 4 RW is empty.", "Backup Goaler is empty."}));
    EXPECT_TRUE(lg.dialogs.shown().empty());
}

// Each check's flags: the box needs its argument and ShowMessages at -1, the
// log only its flag and a finding.
TEST(LinesChecks, FlagMatrix) {
    enum Which { Pro, FarmLight, FarmFull };
    struct Case {
        Flag showArg, global, logArg;
        bool box, logged;
    };
    const std::vector<Case> flags{{True, True, True, true, true},      {True, True, False, true, false},
                                  {True, False, True, false, true},    {False, True, True, false, true},
                                  {False, False, False, false, false}, {1, True, 1, false, false}};
    for (Which which : {Pro, FarmLight, FarmFull}) {
        for (bool faulty : {false, true}) {
            for (const Case& c : flags) {
                SmallLeague lg;
                lg.state->ShowMessages = c.global;
                lg.rules().FarmFullLineup = which == FarmFull ? True : False;
                which == Pro ? lg.fillProLines(1) : lg.fillFarmLines(1);
                DayLines& set = which == Pro ? lg.proDay(1) : lg.farmDay(1);
                if (faulty) set.Slots[slot::ExtraDefense + 4] = set.Slots[slot::ExtraDefense];
                Flag result = which == Pro ? CheckLine(lg.env, T, c.showArg, 1, c.logArg)
                                           : CheckLineFarm(lg.env, T, c.showArg, 1, c.logArg);
                EXPECT_EQ(result, faulty ? False : True);
                std::string name = which == Pro ? "Pro D1" : "Farm D1";
                std::string findings = name + " is used twice in Extra Defense\r\n";
                std::string shown = !faulty        ? "Lines are perfect!"
                                    : which == Pro ? findings + Closing
                                                   : findings;
                EXPECT_EQ(lg.dialogs.messages(),
                          c.box ? std::vector<std::string>{shown} : std::vector<std::string>{});
                std::vector<std::string> logs;
                if (faulty && c.logged)
                    logs.push_back(which == Pro
                                       ? "Halden Ravens lines errors : " + findings + Closing
                                       : "Halden Fledglings (Halden Ravens) lines errors : " + findings);
                std::vector<std::string> logged;
                for (const auto& e : lg.log.entries) logged.push_back(e.text);
                EXPECT_EQ(logged, logs) << which << faulty;
            }
        }
    }
}

TEST(LinesChecks, ABadTeamOrDayChangesNothing) {
    struct Case {
        int16_t team, day;
    };
    for (Case c : {Case{0, 1}, Case{101, 1}, Case{T, 0}, Case{T, 11}}) {
        for (int which = 0; which < 4; ++which) {
            SmallLeague lg;
            lg.fillProLines(1);
            lg.proDay(1).Slots[0] = lg.otherC;
            lg.farmDay(1).Slots[0] = lg.otherC;
            TeamInfo before = lg.team();
            Flag result = which == 0   ? CheckLine(lg.env, c.team, True, c.day, True)
                          : which == 1 ? CheckLineEmpty(lg.env, c.team, c.day)
                          : which == 2 ? CheckLineFarm(lg.env, c.team, True, c.day, True)
                                       : CheckFarmLinesFull(lg.env, c.team, True, c.day, True);
            EXPECT_EQ(result, False);
            EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{"Integrity Check Failed!"});
            EXPECT_EQ(lg.dialogs.shown()[0].icon(), mb::Critical);
            EXPECT_EQ(lg.team(), before);
            EXPECT_TRUE(lg.log.entries.empty());
        }
    }
}

// A check that cannot finish has not passed: here the box of a perfect day
// fails.
TEST(LinesChecks, AnInternalFailureIsTheErrorBoxAndNotPassed) {
    struct Case {
        Flag fullFarm;
        bool farm;
        const char* closing;
    };
    for (Case c : {Case{False, false, "6 - Overflow in CheckLine!"},
                   Case{False, true, "6 - Overflow in CheckLineFarm!"},
                   Case{True, true, "6 - Overflow in CheckLine!"}}) {
        SmallLeague lg;
        lg.rules().FarmFullLineup = c.fullFarm;
        lg.fillProLines(1);
        lg.fillFarmLines(1);
        test::FailingDialogs failing(lg.dialogs, "Lines are perfect!");
        Env env = test::withDialogs(lg, failing);
        Flag result = c.farm ? CheckLineFarm(env, T, True, 1, False) : CheckLine(env, T, True, 1, False);
        EXPECT_TRUE(failing.failed());
        EXPECT_EQ(result, False);
        EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{c.closing});
        EXPECT_EQ(lg.dialogs.shown()[0].icon(), mb::Critical);
    }
}

TEST(CheckLineFarm, PassesAtOnceWhileFarmClubsAreOff) {
    for (Flag full : {False, True}) {
        SmallLeague lg;
        lg.rules().FarmLinesEnabled = False;
        lg.rules().FarmFullLineup = full;
        lg.farmDay(1).Slots[0] = lg.otherC;
        EXPECT_EQ(CheckLineFarm(lg.env, T, True, 1, True), True);
        EXPECT_EQ(CheckLineFarm(lg.env, 0, True, 11, True), True);
        EXPECT_TRUE(lg.dialogs.shown().empty());
        EXPECT_EQ(lg.farmDay(1).Slots[0], lg.otherC);
    }
}

TEST(CheckLineFarm, AnEmptyDayLightAndFull) {
    SmallLeague lg;
    EXPECT_EQ(CheckLineFarm(lg.env, T, True, 1, True), True);
    EXPECT_EQ(onlyBox(lg), "Lines are perfect!");
    EXPECT_TRUE(lg.log.entries.empty());

    SmallLeague full;
    full.rules().FarmFullLineup = True;
    EXPECT_EQ(CheckLineFarm(full.env, T, True, 1, True), False);
    EXPECT_EQ(onlyBox(full), AllEmptyFarmFull);
    EXPECT_EQ(full.dialogs.shown()[0].style, mb::OKOnly | mb::Information);
    ASSERT_EQ(full.log.entries.size(), 1u);
    EXPECT_EQ(full.log.entries[0].text,
              std::string("Halden Fledglings (Halden Ravens) lines errors : ") + AllEmptyFarmFull);
    SmallLeague direct;
    EXPECT_EQ(CheckFarmLinesFull(direct.env, T, True, 1, False), False);
    EXPECT_EQ(onlyBox(direct), AllEmptyFarmFull);
}

TEST(CheckLineFarm, ALegalDayPassesBothForms) {
    for (Flag full : {False, True}) {
        SmallLeague lg;
        lg.rules().FarmFullLineup = full;
        lg.rules().NoSamePlayerLines1And2 = True;
        lg.fillFarmLines(1);
        TeamInfo before = lg.team();
        EXPECT_EQ(CheckLineFarm(lg.env, T, True, 1, True), True);
        EXPECT_EQ(onlyBox(lg), "Lines are perfect!");
        EXPECT_EQ(lg.team(), before);
    }
}

TEST(CheckLineFarm, AnInjuredSkaterInTwoSlots) {
    for (Flag full : {False, True}) {
        SmallLeague lg;
        lg.rules().FarmFullLineup = full;
        lg.fillFarmLines(2);
        int16_t rw4 = lg.farm.RW[3];  // normal line 4 RW
        lg.farmDay(2).Slots[slot::PenaltyShot + 4] = rw4;
        lg.skater(rw4).Condition = 60;
        EXPECT_EQ(CheckLineFarm(lg.env, T, True, 2, False), False);
        std::vector<std::string> findings{"Farm RW4 is injured or suspended."};
        if (full == True) findings.push_back("Penalty Shot Player #5 is empty.");
        // Farm RW4 played nowhere else: 17 different skaters are left.
        if (full == True) findings.push_back("Not Enough Players Found. Minimum is 18");
        EXPECT_EQ(onlyBox(lg), lines(findings));
        EXPECT_TRUE(SmallLeague::wordsHolding(lg.farmDay(2), rw4).empty());
    }
}

TEST(CheckLineFarm, AProPlayerInAFarmSlotLeavesEverySetAndHisRole) {
    for (Flag full : {False, True}) {
        SmallLeague lg;
        lg.rules().FarmFullLineup = full;
        int16_t c1 = lg.pro.C[0];  // captain
        for (int d = 1; d <= 10; ++d) lg.fillProLines(d);
        lg.fillFarmLines(1);
        lg.farmDay(1).Slots[slot::ExtraForward + 4] = c1;  // in place of Farm LW1, who plays elsewhere too
        EXPECT_EQ(CheckLineFarm(lg.env, T, True, 1, False), False);
        // His slot is emptied as he is found: it is not reported again.
        EXPECT_EQ(onlyBox(lg), "Pro C1 is not on Pro roster for this team.\r\n");
        for (int d = 1; d <= 10; ++d) EXPECT_TRUE(SmallLeague::wordsHolding(lg.proDay(d), c1).empty());
        EXPECT_EQ(lg.team().Captain, 0);
    }
}

TEST(CheckLineFarm, AnUnfitStarterLosesOnlySlot54) {
    SmallLeague lg;
    lg.fillFarmLines(1);
    lg.fillFarmLines(2);
    lg.goalie(lg.farm.G[0]).Suspension = 1;
    DayLines expected = lg.farmDay(1);
    expected.Slots[slot::StartGoaler] = 0;
    EXPECT_EQ(CheckLineFarm(lg.env, T, True, 1, False), False);
    EXPECT_EQ(onlyBox(lg), "Farm G1 is injured or suspended.\r\n");
    EXPECT_EQ(lg.farmDay(1), expected);
    EXPECT_EQ(lg.farmDay(2).Slots[slot::StartGoaler], lg.farm.G[0]);
}

TEST(CheckLineFarm, LinesOneAndTwoOnlyInTheFullForm) {
    for (Flag full : {False, True}) {
        SmallLeague lg;
        lg.rules().FarmFullLineup = full;
        lg.rules().NoSamePlayerLines1And2 = True;
        lg.fillFarmLines(1);
        lg.farmDay(1).Slots[slot::NormalDuo + 1] = lg.farm.D[0];  // line 2 D1: Farm D3 plays on elsewhere
        Flag result = CheckLineFarm(lg.env, T, True, 1, False);
        EXPECT_EQ(result, full == True ? False : True);
        EXPECT_EQ(onlyBox(lg),
                  full == True ? "Farm D1 is used twice in lines 1 and 2.\r\n" : "Lines are perfect!");
    }
}

// The lines may hold at most MaxDressedSkaters different skaters, whatever
// the setting: every one of them is judged.
TEST(CheckLineFarm, DifferentSkaters) {
    struct Case {
        int16_t most;
        int used;
        bool tooMany;
    };
    for (Case c : {Case{18, 18, false}, Case{18, 19, true}, Case{25, 25, false}, Case{25, 26, true},
                   Case{26, 26, false}, Case{26, 27, true}, Case{40, 41, true}, Case{66, 67, true},
                   Case{67, 67, false}, Case{0, 1, true}}) {
        SmallLeague lg;
        constexpr int16_t E = SmallLeague::EmptyTeam;
        lg.rules().MaxDressedSkaters = c.most;
        // One different farm skater in each of the first `used` slots; the
        // light form skips the empty rest.
        for (int i = 0; i < c.used; ++i) {
            int16_t n = lg.addSkater(E, pos::C, status::Farm, "Ostby " + std::to_string(i + 1), 50);
            lg.farmDay(1, E).Slots[SkaterSlots[static_cast<std::size_t>(i)].word] = n;
        }
        EXPECT_EQ(CheckLineFarm(lg.env, E, True, 1, False), c.tooMany ? False : True)
            << c.most << " " << c.used;
        EXPECT_EQ(onlyBox(lg), c.tooMany ? "More that " + std::to_string(c.most) + " Players Found\r\n"
                                         : "Lines are perfect!")
            << c.most << " " << c.used;
    }
}

TEST(CheckLineFarm, TheFullFormWantsEighteenDifferentSkaters) {
    struct Case {
        int16_t most;
        bool seventeen;
        std::string shown;
    };
    for (Case c : {Case{18, false, "Lines are perfect!"},
                   Case{18, true, "Not Enough Players Found. Minimum is 18\r\n"},
                   Case{17, false, "More that 17 Players Found\r\n"},
                   Case{17, true, "Not Enough Players Found. Minimum is 18\r\n"}}) {
        SmallLeague lg;
        lg.rules().FarmFullLineup = True;
        lg.rules().MaxDressedSkaters = c.most;
        lg.fillFarmLines(1);
        if (c.seventeen) lg.farmDay(1).Slots[slot::NormalDuo + 4 + 2] = lg.farm.D[0];  // line 3 D2: D6 out
        EXPECT_EQ(CheckLineFarm(lg.env, T, True, 1, False), c.shown == "Lines are perfect!" ? True : False);
        EXPECT_EQ(onlyBox(lg), c.shown);
    }
}

TEST(CheckLineFarm, ValuesThatNameNobody) {
    SmallLeague lg;
    lg.fillFarmLines(1);
    lg.farmDay(1).Slots[slot::PenaltyShot + 2] = 20000;
    lg.proDay(7).Slots[slot::PPDuo] = 20000;
    lg.farmDay(1).Slots[slot::StartGoaler] = 4000;
    EXPECT_EQ(CheckLineFarm(lg.env, T, True, 1, False), False);
    EXPECT_EQ(onlyBox(lg),
              "Unknown Player is not on Pro roster for this team.\r\n"
              "Unknown Goalie is not on Pro roster for this team.\r\n");
    EXPECT_EQ(lg.farmDay(1).Slots[slot::PenaltyShot + 2], 0);
    EXPECT_EQ(lg.proDay(7).Slots[slot::PPDuo], 0);
    EXPECT_EQ(lg.farmDay(1).Slots[slot::StartGoaler], 0);
}

}  // namespace
}  // namespace dravik
