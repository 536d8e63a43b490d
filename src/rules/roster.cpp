#include "rules/roster.h"

#include <array>
#include <string>

#include "league/overall.h"
#include "rules/linesets.h"
#include "rules/payroll.h"

namespace dravik {

namespace {

constexpr const char* CRLF = "\r\n";

template <class Person>
bool available(const Person& p) {
    return p.Condition >= 95 && p.Suspension == 0 && p.ContractYears != 0;
}

template <class Person>
bool fitToDress(const LeagueInfo& r, const Person& p) {
    return available(p) && p.Salary >= r.MinSalary && p.Salary <= r.MaxSalary;
}

// One run of the check: its counters and findings.
class RosterRun {
public:
    RosterRun(Env& env, int16_t team) : env_(env), team_(team), r_(env.league.League) {}

    void scanSkater(int16_t n) {
        PlayerInfo& p = env_.league.Players[n];
        if (p.InUse != True || p.Team != team_) return;
        std::string name = p.Name.trimmed();
        if (p.RosterStatus == status::Dressed) {
            if (!fitToDress(r_, p)) {
                add(name +
                    " is injured, suspended, has no contract or incorrect salaries but he's on Pro Team!");
                toScratches(p, env_.state.PlayerStates[n], n);
            } else {
                countPosition(dressed_, p.Position, name);
            }
        }
        if (p.RosterStatus == status::Farm) {
            if (PlayerOverall(env_, p.Position, n) > r_.FarmMaxOverall) {
                add(name + " overall is too high to be in farm!");
                toScratches(p, env_.state.PlayerStates[n], n);
            }
            if (r_.FarmMaxSalary > 0 && p.Salary > r_.FarmMaxSalary) {
                add(name + " salary is too high to be in farm!");
                toScratches(p, env_.state.PlayerStates[n], n);
            }
            // Counted where he started, even when he has just been moved up.
            if (available(p)) countPosition(farm_, p.Position, name);
        }
        if (p.RosterStatus == status::Scratch && available(p)) ++scratches_;
    }

    void scanGoalie(int16_t n) {
        GoalieInfo& g = env_.league.Goalies[n];
        if (g.InUse != True || g.Team != team_) return;
        std::string name = g.Name.trimmed();
        if (g.RosterStatus == status::Dressed) {
            if (!fitToDress(r_, g)) {
                add(name +
                    " is injured, suspended, has no contract or incorrect salaries but he's on Pro Team!");
                toScratches(g, env_.state.GoalieStates[n], GoalieOffset + n);
            } else {
                ++dressedGoalies_;
            }
        }
        if (g.RosterStatus == status::Farm) {
            if (PlayerOverall(env_, pos::G, n) > r_.FarmMaxOverall) {
                add(name + " Overall is too high to be in farm!");
                toScratches(g, env_.state.GoalieStates[n], GoalieOffset + n);
            }
            if (r_.FarmMaxSalary > 0 && g.Salary > r_.FarmMaxSalary) {
                add(name + " salary is too high to be in farm!");
                toScratches(g, env_.state.GoalieStates[n], GoalieOffset + n);
            }
            if (available(g)) ++farmGoalies_;
        }
        if (g.RosterStatus == status::Scratch && available(g)) ++scratches_;
    }

    // The limits; false when one fails. The sums are taken wide so that no
    // stored limit can make the check fail on its own arithmetic.
    bool testLimits() {
        bool ok = true;
        int c = dressed_[pos::C], lw = dressed_[pos::LW], rw = dressed_[pos::RW], d = dressed_[pos::D];
        int g = dressedGoalies_;
        int s = c + lw + rw + d;
        auto need = [&](bool fails, const std::string& line) {
            if (fails) {
                add(line);
                ok = false;
            }
        };
        auto counted = [](const char* head, int have, int want, const char* tail) {
            return head + std::to_string(have) + " Dressed. " + std::to_string(want) + tail;
        };
        need(c < r_.MinCenters,
             counted("Not enough Centers available in Pro Team! ", c, r_.MinCenters, " Required."));
        need(lw < r_.MinLeftWings,
             counted("Not enough Left Wings available in Pro Team! ", lw, r_.MinLeftWings, " Required."));
        need(rw < r_.MinRightWings,
             counted("Not enough Right Wings available in Pro Team! ", rw, r_.MinRightWings, " Required."));
        need(d < r_.MinDefense,
             counted("Not enough Defenseman available in Pro Team! ", d, r_.MinDefense, " Required."));
        need(g < 2, counted("Not enough Goalie available in Pro Team! ", g, 2, " Required."));
        need(s < 18, counted("Not enough players available in Pro Team! ", s, 18, " Required."));
        need(g > r_.MaxDressedGoalies,
             counted("Too many Goalie available in Pro Team! ", g, r_.MaxDressedGoalies, " Maximum."));
        need(s > r_.MaxDressedSkaters,
             counted("Too many players available in Pro Team! ", s, r_.MaxDressedSkaters, " Required."));
        need(scratches_ + s + g > r_.MaxProPlayers, "Maximum Players Limit Reached in Pro Team!");

        if (r_.FarmLinesEnabled == True && r_.FarmFullLineup == True) {
            int fs = farm_[pos::C] + farm_[pos::LW] + farm_[pos::RW] + farm_[pos::D];
            need(c + farm_[pos::C] < 2 * r_.MinCenters,
                 counted("Not enough Centers available in Pro and Farm Team! ", c + farm_[pos::C],
                         2 * r_.MinCenters, " Required."));
            need(lw + farm_[pos::LW] < 2 * r_.MinLeftWings,
                 counted("Not enough Left Wings available in Pro and Farm Team! ", lw + farm_[pos::LW],
                         2 * r_.MinLeftWings, " Required."));
            need(rw + farm_[pos::RW] < 2 * r_.MinRightWings,
                 counted("Not enough Right Wings available in Pro and Farm Team! ", rw + farm_[pos::RW],
                         2 * r_.MinRightWings, " Required."));
            need(d + farm_[pos::D] < 2 * r_.MinDefense,
                 counted("Not enough Defenseman available in Pro and Farm Team! ", d + farm_[pos::D],
                         2 * r_.MinDefense, " Required."));
            need(g + farmGoalies_ < 4, counted("Not enough Goalie available in Pro and Farm Team! ",
                                               g + farmGoalies_, 4, " Required."));
            need(s + fs < 36, counted("Not enough players available in Pro Team and Farm Team! ", s + fs, 36,
                                      " Required."));
        }
        return ok;
    }

    const std::string& findings() const { return findings_; }

private:
    void add(const std::string& line) { findings_ += line + CRLF; }

    void countPosition(std::array<int, 5>& counters, int position, const std::string& name) {
        if (position >= pos::C && position <= pos::D)
            ++counters[position];
        else
            MsgBox(env_, name + " has no position!", mb::OKOnly | mb::Critical);
    }

    // Up to the pro scratches, out of every line set and team role.
    template <class Person>
    void toScratches(Person& p, PlayerState& state, int person) {
        p.RosterStatus = status::Scratch;
        state.Status = status::Scratch;
        WipePlayerFromTeamLines(env_, team_, static_cast<int16_t>(person));
        env_.state.RosterChangedByCheck = 1;
    }

    Env& env_;
    int16_t team_;
    const LeagueInfo& r_;
    std::string findings_;
    std::array<int, 5> dressed_{};  // by position code 1..4
    std::array<int, 5> farm_{};     // available farm skaters by position
    int dressedGoalies_ = 0;
    int farmGoalies_ = 0;
    int scratches_ = 0;  // available scratches, skaters and goalies
};

}  // namespace

Flag CheckRoster(Env& env, int16_t team, Flag logErrors, Flag checkSalaryCap, Flag showMessages) {
    if (team < 1 || team > 100) {
        IntegrityCheckFailed(env);
        return False;
    }
    Flag result = True;
    try {
        env.state.RosterChangedByCheck = 0;
        RosterRun run(env, team);
        for (int n = 1; n <= 10000; ++n) run.scanSkater(static_cast<int16_t>(n));
        for (int n = 1; n <= 1000; ++n) run.scanGoalie(static_cast<int16_t>(n));
        if (!run.testLimits()) result = False;

        // Repairs are findings too: a run that only repaired still reports,
        // and passes.
        if (!run.findings().empty()) {
            std::string name = env.league.Teams[team].Name.trimmed();
            std::string text = run.findings() + "Some errors will be automatically fixed." + CRLF;
            if (logErrors == True) env.log.LogMessage(name + " roster errors : " + text);
            text = name + " Roster Error : " + CRLF + text;
            if (env.state.ShowMessages == True && showMessages == True)
                MsgBox(env, text, mb::OKOnly | mb::Exclamation);
        }
        if (checkSalaryCap == True && CheckSalaryCap(env, team, showMessages) == False) result = False;
        return result;
    } catch (const RuntimeError& e) {
        // A check that could not finish has not passed.
        ShowErrorBox(env, e, " in CheckRoster!");
        return False;
    }
}

}  // namespace dravik
