#include "rules/autolines.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "league/overall.h"
#include "rules/linecheck.h"
#include "rules/slots.h"
#include "support/failing_dialogs.h"
#include "support/small_league.h"

namespace dravik {
namespace {

using test::SmallLeague;
constexpr int16_t T = SmallLeague::Team;

const std::string Done = "Auto Lines Function has been run successfully.";
const std::string Logged = "Auto Lines Function has been run for Halden Ravens.";
const std::string PartialDone = "Auto Lines Partial Function has been run successfully.";
const std::string PartialLogged = "Auto Lines Partial Function has been run for Halden Ravens.";
const std::string PartialError = "Auto Lines Partial Function Error.";
const std::string Incomplete =
    "Roster for Halden Ravens is incomplete!\r\nTrying Auto Rosters Function for Halden Ravens.";
const std::string StillIncomplete =
    "Roster for Halden Ravens is still incomplete!\r\nCannot make lines for Halden Ravens.";

// A day written word by word, as the lines are stored.
class Day {
public:
    Day& normal(int line, int16_t c, int16_t lw, int16_t rw, int16_t d1, int16_t d2) {
        return put({line - 1, 3 + line, 7 + line, 11 + line, 15 + line}, {c, lw, rw, d1, d2});
    }
    Day& powerPlay(int u, int16_t c, int16_t lw, int16_t rw, int16_t d1, int16_t d2) {
        return put({19 + u, 21 + u, 23 + u, 25 + u, 27 + u}, {c, lw, rw, d1, d2});
    }
    Day& penaltyKill(int u, int16_t f1, int16_t f2, int16_t d1, int16_t d2) {
        return put({29 + u, 31 + u, 33 + u, 35 + u}, {f1, f2, d1, d2});
    }
    Day& fourVsFour(int u, int16_t f1, int16_t f2, int16_t d1, int16_t d2) {
        return put({37 + u, 39 + u, 41 + u, 43 + u}, {f1, f2, d1, d2});
    }
    Day& threeMan(int u, int16_t f, int16_t d1, int16_t d2) {
        return put({47 + u, 49 + u, 51 + u}, {f, d1, d2});
    }
    Day& extras(std::array<int16_t, 5> forwards, std::array<int16_t, 5> defense,
                std::array<int16_t, 5> shots) {
        for (int k = 1; k <= 5; ++k) {
            d.Slots[55 + k] = forwards[k - 1];
            d.Slots[60 + k] = defense[k - 1];
            d.Slots[65 + k] = shots[k - 1];
        }
        return *this;
    }
    Day& goalies(int16_t start, int16_t backup) { return put({54, 55}, {start, backup}); }
    Day& words(std::initializer_list<int> w, std::initializer_list<int16_t> v) { return put(w, v); }
    DayLines d;

private:
    Day& put(std::initializer_list<int> w, std::initializer_list<int16_t> v) {
        auto value = v.begin();
        for (int word : w) d.Slots[word] = *value++;
        return *this;
    }
};

// The words that differ, for a readable failure.
std::string differences(const DayLines& want, const DayLines& got) {
    std::string out;
    for (int w = 0; w < slot::Count; ++w)
        if (want.Slots[w] != got.Slots[w])
            out += " word " + std::to_string(w) + ": want " + std::to_string(want.Slots[w]) + ", got " +
                   std::to_string(got.Slots[w]) + ";";
    return out;
}

#define EXPECT_DAY(want, got) EXPECT_TRUE((want) == (got)) << differences(want, got)

TEST(AutoLines, GoldenDayOfTheStandardRoster) {
    SmallLeague lg;
    lg.proDay(1).Slots[46] = 7;  // the unused words and the pull-goalie values stay
    lg.proDay(1).Slots[74] = 2;
    lg.proDay(1).Slots[75] = 80;
    lg.proDay(1).Slots[3] = lg.scratchC;  // whatever stood there goes

    AutoLines(lg.env, T, True, 1);

    // Ranked: C1, LW1, RW1 (69, by number), D1 68, C2, LW2, RW2 67, D2 66,
    // C3, LW3, RW3, D3 65, C4, LW4, RW4 64, D4 63, D5 61, D6 60.
    const auto& p = lg.pro;
    Day want;
    want.normal(1, p.C[0], p.LW[0], p.RW[0], p.D[0], p.D[1])
        .normal(2, p.C[1], p.LW[1], p.RW[1], p.D[2], p.D[3])
        .normal(3, p.C[2], p.LW[2], p.RW[2], p.D[4], p.D[5])
        .normal(4, p.C[3], p.LW[3], p.RW[3], p.D[0], p.D[1])  // six defensemen: line 4 repeats pair 1
        .powerPlay(1, p.C[0], p.LW[0], p.RW[0], p.D[0], p.D[1])
        .powerPlay(2, p.C[1], p.LW[1], p.RW[1], p.D[2], p.D[3])
        .penaltyKill(1, p.C[0], p.LW[0], p.D[0], p.D[1])
        .penaltyKill(2, p.RW[0], p.C[1], p.D[2], p.D[3])
        .fourVsFour(1, p.C[0], p.LW[0], p.D[0], p.D[1])
        .fourVsFour(2, p.RW[0], p.C[1], p.D[2], p.D[3])
        .threeMan(1, p.C[0], p.D[0], p.D[1])
        .threeMan(2, p.LW[0], p.D[2], p.D[3])
        .extras({p.C[0], p.LW[0], p.RW[0], p.C[1], p.LW[1]}, {p.D[0], p.D[1], p.D[2], p.D[3], p.D[4]},
                {p.C[0], p.LW[0], p.RW[0], p.C[1], p.LW[1]})
        .goalies(p.G[0], p.G[1])
        .words({46, 71, 72, 73, 74, 75}, {7, 1, 2, 2, 2, 80});
    EXPECT_DAY(want.d, lg.proDay(1));
    EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{Done});
    EXPECT_EQ(lg.dialogs.shown()[0].style, mb::OKOnly | mb::Information);
    ASSERT_EQ(lg.log.entries.size(), 1u);
    EXPECT_EQ(lg.log.entries[0].text, Logged);
    EXPECT_EQ(lg.state->DataChanged, True);
    EXPECT_EQ(CheckLine(lg.env, T, False, 1, False), True);
    for (int d = 2; d <= 10; ++d) EXPECT_TRUE(lg.proDay(d) == DayLines{}) << "day " << d;
}

TEST(AutoLines, ClosingNoticeOnlyWhenAskedAndAllowed) {
    for (Flag showDone : {False, True}) {
        for (Flag show : {False, True}) {
            SmallLeague lg;
            lg.state->ShowMessages = show;
            AutoLines(lg.env, T, showDone, 4);
            bool shown = showDone == True && show == True;
            EXPECT_EQ(lg.dialogs.messages(),
                      shown ? std::vector<std::string>{Done} : std::vector<std::string>{});
            EXPECT_EQ(lg.log.entries.size(), 1u);
            EXPECT_EQ(lg.state->DataChanged, True);
        }
    }
}

// The day's pro defense of normal lines 1-4 (D1, D2 by line).
std::array<int16_t, 8> normalDefense(const DayLines& d) {
    std::array<int16_t, 8> out{};
    for (int line = 1; line <= 4; ++line) {
        out[2 * (line - 1)] = d.Slots[11 + line];
        out[2 * (line - 1) + 1] = d.Slots[15 + line];
    }
    return out;
}

TEST(AutoLines, DefenseByCount) {
    // d1..dn in rank order; 0 is an empty place.
    struct Case {
        int count;
        std::array<int, 8> lines;  // indices 1..n of the defensemen, line by line
    };
    const Case cases[] = {
        {4, {1, 2, 3, 4, 0, 0, 0, 0}}, {5, {1, 2, 3, 4, 5, 1, 2, 3}}, {6, {1, 2, 3, 4, 5, 6, 1, 2}},
        {7, {1, 2, 3, 4, 5, 6, 7, 1}}, {8, {1, 2, 3, 4, 5, 6, 7, 8}}, {9, {1, 2, 3, 4, 5, 6, 7, 8}},
    };
    for (const Case& c : cases) {
        SmallLeague lg;
        lg.rules().MinDefense = 4;
        lg.rules().MaxDressedSkaters = 21;
        lg.rules().MaxProPlayers = 40;
        std::vector<int16_t> d(lg.pro.D.begin(), lg.pro.D.end());
        for (int i = 6; i < c.count; ++i)
            d.push_back(lg.addSkater(T, pos::D, status::Dressed, "More D" + std::to_string(i), 69 - 2 * i));
        for (int i = c.count; i < 6; ++i) lg.skater(d[i]).RosterStatus = status::Scratch;
        for (int i = 12 + c.count; i < 18; ++i) lg.addSkater(T, pos::C, status::Dressed, "Spare C", 50);

        AutoLines(lg.env, T, False, 1);
        std::array<int16_t, 8> want{};
        for (int i = 0; i < 8; ++i) want[i] = c.lines[i] == 0 ? 0 : d[c.lines[i] - 1];
        EXPECT_EQ(normalDefense(lg.proDay(1)), want) << c.count << " defensemen";
        EXPECT_EQ(lg.log.entries.back().text, Logged) << c.count;
    }
}

TEST(AutoLines, AMissingCentreGoesToTheBestWingerLeft) {
    SmallLeague lg;
    lg.rules().MaxDressedSkaters = 19;
    int16_t exCentre = lg.pro.C[3];
    lg.skater(exCentre).Position = pos::RW;
    lg.rate(exCentre, 60);
    int16_t spareLW = lg.addSkater(T, pos::LW, status::Dressed, "Spare LW", 62);

    AutoLines(lg.env, T, False, 1);
    const DayLines& d = lg.proDay(1);
    EXPECT_EQ(d.Slots[3], spareLW) << "line 4 C";
    EXPECT_EQ(d.Slots[7], lg.pro.LW[3]);
    EXPECT_EQ(d.Slots[11], lg.pro.RW[3]);
    EXPECT_TRUE(SmallLeague::wordsHolding(d, exCentre).empty());
}

TEST(AutoLines, TooFewForwardsReuseTheBestOnes) {
    // 3 C, 4 LW, 3 RW and 8 D.
    SmallLeague lg;
    lg.skater(lg.pro.C[3]).RosterStatus = status::Scratch;
    lg.skater(lg.pro.RW[3]).RosterStatus = status::Scratch;
    int16_t d7 = lg.addSkater(T, pos::D, status::Dressed, "D7", 60);
    int16_t d8 = lg.addSkater(T, pos::D, status::Dressed, "D8", 58);
    lg.rules().MaxProPlayers = 30;

    AutoLines(lg.env, T, False, 1);
    const DayLines& d = lg.proDay(1);
    // Line 4: no centre and no right wing left after line 3: the second pass
    // puts the two best forwards there.
    EXPECT_EQ(d.Slots[3], lg.pro.C[0]);
    EXPECT_EQ(d.Slots[7], lg.pro.LW[3]);
    EXPECT_EQ(d.Slots[11], lg.pro.LW[0]);
    EXPECT_EQ(d.Slots[15], d7);
    EXPECT_EQ(d.Slots[19], d8);
    EXPECT_EQ(CheckLine(lg.env, T, False, 1, False), True);
}

TEST(AutoLines, GoalieConditions) {
    struct Case {
        uint8_t first, second;
        bool secondStarts;
    };
    const Case cases[] = {
        {96, 100, true}, {98, 100, false}, {97, 98, false}, {97, 99, true}, {100, 100, false}};
    for (const Case& c : cases) {
        SmallLeague lg;
        lg.goalie(lg.pro.G[0]).Condition = c.first;
        lg.goalie(lg.pro.G[1]).Condition = c.second;
        AutoLines(lg.env, T, False, 1);
        int16_t start = c.secondStarts ? lg.pro.G[1] : lg.pro.G[0];
        int16_t backup = c.secondStarts ? lg.pro.G[0] : lg.pro.G[1];
        EXPECT_EQ(lg.proDay(1).Slots[slot::StartGoaler], start) << int(c.first) << "/" << int(c.second);
        EXPECT_EQ(lg.proDay(1).Slots[slot::BackupGoaler], backup) << int(c.first) << "/" << int(c.second);
    }
}

TEST(AutoLines, TheRosterGateRepairsWithOneAutomaticRoster) {
    SmallLeague lg;
    lg.skater(lg.pro.C[0]).Condition =
        90;  // 17 fit dressed: the check fails, the roster maker dresses the scratch
    AutoLines(lg.env, T, True, 1);
    EXPECT_EQ(lg.dialogs.messages(), (std::vector<std::string>{Incomplete, Done}));
    EXPECT_EQ(lg.dialogs.shown()[0].style, mb::OKOnly | mb::Information);
    EXPECT_EQ(lg.skater(lg.scratchC).RosterStatus, status::Dressed);
    EXPECT_EQ(CheckLine(lg.env, T, False, 1, False), True);
}

// A payroll over the cap, which no automatic roster can bring under it.
void overTheCap(SmallLeague& lg) {
    lg.rules().SalaryCapMode = 1;
    lg.rules().SalaryCapAmount = 5000000;
}

TEST(AutoLines, ARosterStillIncompleteLeavesTheLinesUntouched) {
    using Maker = void (*)(Env&, int16_t, Flag, int16_t);
    for (Maker maker : {&AutoLines, &AutoLinesPartial}) {
        for (Flag show : {True, False}) {
            SmallLeague lg;
            overTheCap(lg);
            lg.state->ShowMessages = show;
            lg.fillProLines(1);
            lg.proDay(1).Slots[slot::ExtraForward] = 0;  // so that the partial maker has work
            const auto before = lg.team().ProLines;
            maker(lg.env, T, True, 1);
            EXPECT_TRUE(lg.team().ProLines == before);
            EXPECT_EQ(lg.dialogs.messages(), show == True
                                                 ? (std::vector<std::string>{Incomplete, StillIncomplete})
                                                 : std::vector<std::string>{});
            for (const auto& e : lg.log.entries) {
                EXPECT_NE(e.text, Logged);
                EXPECT_NE(e.text, PartialLogged);
            }
            EXPECT_EQ(lg.state->DataChanged, True) << "set by the automatic roster";
        }
    }
}

TEST(AutoLines, BadTeamOrDayChangesNothing) {
    using Maker = void (*)(Env&, int16_t, Flag, int16_t);
    struct Case {
        int16_t team, day;
    };
    for (Maker maker : {&AutoLines, &AutoLinesPartial}) {
        for (Case c : {Case{0, 1}, Case{101, 1}, Case{T, 0}, Case{T, 11}}) {
            SmallLeague lg;
            lg.skater(lg.pro.C[0]).Condition = 90;  // the roster gate would move him
            maker(lg.env, c.team, True, c.day);
            EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{"Integrity Check Failed!"});
            EXPECT_EQ(lg.dialogs.shown()[0].style, mb::OKOnly | mb::Critical);
            EXPECT_EQ(lg.skater(lg.pro.C[0]).RosterStatus, status::Dressed);
            EXPECT_TRUE(lg.log.entries.empty());
            EXPECT_EQ(lg.state->DataChanged, False);
        }
    }
}

// More than 25 dressed skaters: every list place has its mark.
TEST(AutoLines, ALargeDressedListGetsCompleteLines) {
    SmallLeague lg;
    lg.rules().MaxDressedSkaters = 30;
    lg.rules().MaxProPlayers = 40;
    for (int i = 0; i < 12; ++i)
        lg.addSkater(T, pos::C + i % 4, status::Dressed, "Depth " + std::to_string(i), 55 - i);
    AutoLines(lg.env, T, True, 1);
    EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{Done});
    EXPECT_EQ(CheckLine(lg.env, T, False, 1, False), True);
    EXPECT_EQ(lg.state->SortValue[0], 2) << "the list holds the goalies after a run";
}

TEST(AutoLines, FailureEndsInItsErrorBox) {
    using Maker = void (*)(Env&, int16_t, Flag, int16_t);
    struct Case {
        Maker maker;
        const char* notice;
        const char* closing;
    };
    const Case cases[] = {
        {&AutoLines, "Auto Lines Function has been run successfully.", "6 - Overflow in AutoLines!"},
        {&AutoLinesPartial, "Auto Lines Partial Function has been run successfully.",
         "6 - Overflow in AutoLinesPartial!"},
    };
    for (const Case& c : cases) {
        SmallLeague lg;
        lg.fillProLines(1);
        lg.proDay(1).Slots[slot::ExtraForward] = 0;
        test::FailingDialogs failing(lg.dialogs, c.notice);
        Env env = test::withDialogs(lg, failing);
        c.maker(env, T, True, 1);
        EXPECT_TRUE(failing.failed());
        EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{c.closing});
        EXPECT_EQ(lg.dialogs.shown()[0].style, mb::OKOnly | mb::Critical);
        EXPECT_EQ(CheckLine(lg.env, T, False, 1, False), True) << "the slots placed stay";
    }
}

// --- The partial maker ---

TEST(AutoLinesPartial, OnABlankDayIsTheFullMaker) {
    SmallLeague lg;
    lg.proDay(2).Slots[71] = 3;  // strategy and pull-goalie values do not make a day less blank
    lg.proDay(2).Slots[74] = 1;
    AutoLines(lg.env, T, True, 1);
    AutoLinesPartial(lg.env, T, True, 2);
    DayLines want = lg.proDay(1);
    want.Slots[74] = 1;
    EXPECT_DAY(want, lg.proDay(2));
    EXPECT_EQ(lg.dialogs.messages(), (std::vector<std::string>{Done, Done}));
    ASSERT_EQ(lg.log.entries.size(), 2u);
    EXPECT_EQ(lg.log.entries[1].text, Logged);
}

TEST(AutoLinesPartial, AValidDayStaysAsItIs) {
    SmallLeague lg;
    lg.fillProLines(1);
    DayLines& d = lg.proDay(1);
    std::swap(d.Slots[slot::StartGoaler], d.Slots[slot::BackupGoaler]);  // not the maker's own choice
    d.Slots[71] = 3;
    d.Slots[72] = 1;
    d.Slots[73] = 1;
    const DayLines before = d;
    AutoLinesPartial(lg.env, T, True, 1);
    EXPECT_DAY(before, lg.proDay(1));
    EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{PartialDone});
    EXPECT_EQ(lg.dialogs.shown()[0].style, mb::OKOnly | mb::Information);
    ASSERT_EQ(lg.log.entries.size(), 1u);
    EXPECT_EQ(lg.log.entries[0].text, PartialLogged);
    EXPECT_EQ(lg.state->DataChanged, True);
}

TEST(AutoLinesPartial, FillsAHoleWithTheLowestRankedSkaterWhoMayStandThere) {
    // The lowest-ranked forward is RW4; he plays on line 1 here.
    struct Case {
        Flag noSamePlayer;
        bool wantLW4;  // else RW4
    };
    for (Case c : {Case{False, false}, Case{True, true}}) {
        SmallLeague lg;
        lg.rules().NoSamePlayerLines1And2 = c.noSamePlayer;
        lg.fillProLines(1);
        DayLines& d = lg.proDay(1);
        std::swap(d.Slots[8], d.Slots[11]);  // RW of lines 1 and 4
        ASSERT_EQ(CheckLine(lg.env, T, False, 1, False), True);
        d.Slots[5] = 0;  // line 2 LW
        DayLines want = d;
        want.Slots[5] = c.wantLW4 ? lg.pro.LW[3] : lg.pro.RW[3];

        AutoLinesPartial(lg.env, T, False, 1);
        EXPECT_DAY(want, lg.proDay(1));
        EXPECT_TRUE(lg.dialogs.shown().empty());
        EXPECT_EQ(lg.log.entries.back().text, PartialLogged);
    }
}

TEST(AutoLinesPartial, ASlotThatStaysEmptyIsAnError) {
    // Four defensemen: the fifth extra defense place cannot be filled.
    SmallLeague lg;
    lg.rules().MinDefense = 4;
    lg.skater(lg.pro.D[4]).RosterStatus = status::Scratch;
    lg.skater(lg.pro.D[5]).RosterStatus = status::Scratch;
    lg.addSkater(T, pos::C, status::Dressed, "Spare C", 50);
    lg.addSkater(T, pos::LW, status::Dressed, "Spare LW", 50);
    AutoLines(lg.env, T, False, 1);
    ASSERT_EQ(lg.proDay(1).Slots[65], 0);
    for (Flag showDone : {False, True}) {
        lg.dialogs.clear();
        lg.log.entries.clear();
        lg.state->ShowMessages = False;
        lg.state->DataChanged = False;
        AutoLinesPartial(lg.env, T, showDone, 1);
        EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{PartialError});
        EXPECT_EQ(lg.dialogs.shown()[0].style, mb::OKOnly | mb::Information);
        EXPECT_TRUE(lg.log.entries.empty());
        EXPECT_EQ(lg.state->DataChanged, True);
        // The other holes (the pairs of lines 3 and 4) were filled.
        for (int word : {14, 18, 15, 19}) EXPECT_NE(lg.proDay(1).Slots[word], 0) << word;
    }
}

TEST(AutoLinesPartial, RefillsOnlyWhatMayNotStay) {
    SmallLeague lg;
    lg.fillProLines(1);
    DayLines& d = lg.proDay(1);
    d.Slots[slot::PenaltyShot + 2] = lg.pro.D[5];   // a defenseman may stay in a penalty-shot slot
    d.Slots[slot::ExtraForward + 1] = -5;           // no skater
    d.Slots[slot::ExtraDefense + 4] = lg.scratchD;  // not dressed
    d.Slots[slot::PenaltyShot + 4] = lg.otherC;     // another team's
    d.Slots[slot::PK3Trio + 3] = 0;                 // empty
    DayLines want = d;
    // The partial maker's choices, lowest rank first: a forward for a
    // forward's or a penalty-shot slot, nobody twice in a group of five.
    want.Slots[slot::ExtraForward + 1] = lg.pro.RW[3];
    want.Slots[slot::ExtraDefense + 4] = lg.pro.D[5];
    want.Slots[slot::PenaltyShot + 4] = lg.pro.RW[3];
    want.Slots[slot::PK3Trio + 3] = lg.pro.RW[3];
    AutoLinesPartial(lg.env, T, False, 1);
    EXPECT_DAY(want, lg.proDay(1));
}

TEST(AutoLinesPartial, GoaliesAreKeptUnlessASlotIsEmpty) {
    SmallLeague lg;
    lg.fillProLines(1);
    DayLines& d = lg.proDay(1);
    d.Slots[slot::StartGoaler] = lg.pro.G[1];
    d.Slots[slot::BackupGoaler] = lg.scratchG;  // a scratch, kept without a test
    AutoLinesPartial(lg.env, T, False, 1);
    EXPECT_EQ(d.Slots[slot::StartGoaler], lg.pro.G[1]);
    EXPECT_EQ(d.Slots[slot::BackupGoaler], lg.scratchG);

    d.Slots[slot::BackupGoaler] = 0;
    AutoLinesPartial(lg.env, T, False, 1);
    EXPECT_EQ(d.Slots[slot::StartGoaler], lg.pro.G[0]);
    EXPECT_EQ(d.Slots[slot::BackupGoaler], lg.pro.G[1]);
}

TEST(AutoLines, TheFixtureLinesPassTheCheck) {
    for (Flag noSame : {False, True}) {
        SmallLeague lg;
        lg.rules().NoSamePlayerLines1And2 = noSame;
        for (int day = 1; day <= 10; ++day) {
            AutoLines(lg.env, T, False, static_cast<int16_t>(day));
            EXPECT_EQ(CheckLine(lg.env, T, True, static_cast<int16_t>(day), False), True) << "day " << day;
        }
        EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>(10, "Lines are perfect!"));
    }
}

}  // namespace
}  // namespace dravik
