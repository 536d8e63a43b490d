#include "rules/waiver.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "league/overall.h"
#include "support/small_league.h"

namespace dravik {
namespace {

using test::SmallLeague;
constexpr int16_t T = SmallLeague::Team;

// A league that uses waivers: exempt up to age 21 or under 160 pro games;
// nobody above overall 55 goes through them.
void useWaivers(SmallLeague& lg) {
    lg.rules().WaiversAllowed = True;
    lg.rules().WaiverExemptAge = 21;
    lg.rules().WaiverExemptGames = 160;
    lg.rules().FarmMaxOverall = 55;
}

TEST(WaiverCheck, BoundaryTable) {
    struct Case {
        const char* what;
        bool goalie;
        int16_t age, games, rating;
        Flag want;
    };
    // A forward's overall is 0.86 of his rating (64 gives 55, 65 gives 56), a
    // goalie's 0.80 (69 gives 55, 70 gives 56).
    const Case cases[] = {
        {"not exempt, overall at the limit", false, 22, 160, 64, True},
        {"overall one above the limit", false, 22, 160, 65, False},
        {"one game short of the exemption", false, 22, 159, 64, False},
        {"games at the exemption, age at it", false, 21, 160, 64, False},
        {"games enough, young enough", false, 21, 500, 64, False},
        {"goalie at the limit", true, 30, 400, 69, True},
        {"goalie one above", true, 30, 400, 70, False},
        {"goalie exempt by games", true, 30, 0, 60, False},
    };
    for (const Case& c : cases) {
        SmallLeague lg;
        useWaivers(lg);
        int16_t id;
        if (c.goalie) {
            int16_t g = lg.pro.G[1];
            lg.goalie(g).Age = c.age;
            lg.goalie(g).ProExperience = c.games;
            lg.rateGoalie(g, c.rating);
            id = static_cast<int16_t>(GoalieOffset + g);
        } else {
            id = lg.scratchC;
            lg.skater(id).Age = c.age;
            lg.skater(id).ProExperience = c.games;
            lg.rate(id, c.rating);
        }
        EXPECT_EQ(WaiverCheck(lg.env, id), c.want) << c.what;
        EXPECT_TRUE(lg.dialogs.shown().empty()) << c.what;
    }
}

TEST(WaiverCheck, NoWaiversWhenTheLeagueSaysSo) {
    struct Case {
        const char* what;
        std::function<void(LeagueInfo&)> change;
        Flag want;
    };
    const std::vector<Case> cases{
        {"waivers on", [](LeagueInfo&) {}, True},
        {"waivers off", [](LeagueInfo& r) { r.WaiversAllowed = False; }, False},
        {"waivers on as any other value", [](LeagueInfo& r) { r.WaiversAllowed = 1; }, True},
        {"deadline passed", [](LeagueInfo& r) { r.TradeDeadlinePassed = True; }, False},
        {"deadline passed, moves blocked",
         [](LeagueInfo& r) {
             r.TradeDeadlinePassed = True;
             r.DeadlineBlocksMoves = True;
         },
         False},
        {"deadline value 1 is not passed", [](LeagueInfo& r) { r.TradeDeadlinePassed = 1; }, True},
    };
    for (const Case& c : cases) {
        SmallLeague lg;
        useWaivers(lg);
        lg.skater(lg.scratchC).ProExperience = 300;
        c.change(lg.rules());
        EXPECT_EQ(WaiverCheck(lg.env, lg.scratchC), c.want) << c.what;
        EXPECT_EQ(WaiverCheck(lg.env, static_cast<int16_t>(GoalieOffset + lg.scratchG)), False)
            << c.what << ": exempt by games";
    }
}

// Records whether the wait window was up when each box opened.
class WatchingDialogs : public ScriptedDialogs {
public:
    explicit WatchingDialogs(const test::RecordingWait& wait) : wait_(wait) {}
    int16_t messageBox(const std::string& prompt, int style, const std::string& title) override {
        waitUp.push_back(wait_.visible);
        return ScriptedDialogs::messageBox(prompt, style, title);
    }
    std::vector<bool> waitUp;

private:
    const test::RecordingWait& wait_;
};

TEST(WaiverCheck, APersonNumberOutsideTheRangeReadsNoRecord) {
    for (int16_t id : {int16_t{-1}, int16_t{11001}, int16_t{-32768}, int16_t{32767}}) {
        SmallLeague lg;
        useWaivers(lg);
        WatchingDialogs dialogs(lg.wait);
        Env env{*lg.league, *lg.state, dialogs, lg.settings, lg.log, lg.wait};
        lg.wait.ShowWaitForm();
        EXPECT_EQ(WaiverCheck(env, id), False) << id;
        EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"9 - Subscript out of range in WaiverCheck!"});
        EXPECT_EQ(dialogs.shown()[0].style, mb::OKOnly | mb::Critical);
        EXPECT_EQ(dialogs.waitUp, std::vector<bool>{false}) << "the wait window goes first";
        EXPECT_EQ(lg.wait.hides, 1);
    }
    // The ends of the range are records: the placeholder and the last goalie.
    for (int16_t id : {int16_t{0}, int16_t{11000}}) {
        SmallLeague lg;
        useWaivers(lg);
        WaiverCheck(lg.env, id);
        EXPECT_TRUE(lg.dialogs.shown().empty()) << id;
        EXPECT_EQ(lg.wait.hides, 0);
    }
}

}  // namespace
}  // namespace dravik
