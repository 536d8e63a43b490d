#include "rules/autoroster.h"

#include <algorithm>
#include <string>
#include <vector>

#include "league/overall.h"
#include "league/shared.h"
#include "rules/linesets.h"
#include "rules/payroll.h"
#include "rules/waiver.h"

namespace dravik {

namespace {

constexpr const char* CRLF = "\r\n";

// Fit, under contract and paid within the league's salary limits.
template <class Person>
bool eligible(const LeagueInfo& r, const Person& p) {
    return p.Condition >= 95 && p.Suspension == 0 && p.ContractYears != 0 && p.Salary >= r.MinSalary &&
           p.Salary <= r.MaxSalary;
}

// Whole amounts kept wide, like the salary-cap check's, so that no league's
// figures wrap; the roundings are the ones the roster maker has always made.
int64_t wholeAmount(double v) { return static_cast<int64_t>(roundHalfEven(v)); }

struct Ranked {
    int16_t number;  // skater or goalie number
    int16_t value;   // 0 once dealt with
};

// The roster maker's own ranking: best first, equal values in the order they
// were added (which is number order).
class Ranking {
public:
    void clear() { entries_.clear(); }
    void add(int16_t number, int16_t value) {
        auto at =
            std::find_if(entries_.begin(), entries_.end(), [&](const Ranked& e) { return value > e.value; });
        entries_.insert(at, Ranked{number, value});
    }
    std::vector<Ranked>& entries() { return entries_; }
    int size() const { return static_cast<int>(entries_.size()); }

private:
    std::vector<Ranked> entries_;
};

class RosterMaker {
public:
    RosterMaker(Env& env, int16_t team, Flag showMessages, Flag partial)
        : env_(env),
          r_(env.league.League),
          team_(team),
          showMessages_(showMessages),
          partial_(partial),
          teamName_(env.league.Teams[team].Name.trimmed()) {}

    void run() {
        startPayroll();
        rankSkaters();
        if (!skatersAvailable()) return;
        int dressed = 0;
        const std::pair<int, int16_t> minimums[] = {{pos::C, r_.MinCenters},
                                                    {pos::LW, r_.MinLeftWings},
                                                    {pos::RW, r_.MinRightWings},
                                                    {pos::D, r_.MinDefense}};
        for (auto [position, times] : minimums)
            for (int i = 0; i < times; ++i)
                if (chooseSkater(position)) ++dressed;
        for (int i = dressed; i < r_.MaxDressedSkaters; ++i) chooseSkater(0);
        scratchTheRest();
        if (maySendDown()) skatersDown();

        rankGoalies();
        if (!goaliesAvailable()) return;
        dressGoalies();
        if (maySendDown()) goaliesDown();

        env_.state.DataChanged = True;
        if (r_.MaxDressedSkaters + stuck_ > r_.MaxProPlayers && env_.state.ShowMessages == True)
            MsgBox(env_,
                   teamName_ + " has too many players in scratch " + CRLF +
                       "that cannot be sent to farm without being sent to waiver.",
                   mb::OKOnly | mb::Information);
        const char* what = partial_ == False ? "Auto Roster Function" : "Auto Roster Partial Function";
        env_.log.LogMessage(std::string(what) + " has been run for " + teamName_ + ".");
        if (showMessages_ == True && env_.state.ShowMessages == True)
            MsgBox(env_, std::string(what) + " has been run successfully.", mb::OKOnly | mb::Information);
    }

private:
    bool partialRun() const { return partial_ == True; }

    // The payroll as the salary cap sees it.
    void startPayroll() {
        payroll_ = wholeAmount(ProPayroll(env_, team_));
        if (r_.CapIncludesFarm == True)
            payroll_ =
                wholeAmount(static_cast<double>(FarmPayroll(env_, team_)) + static_cast<double>(payroll_));
        if (r_.CapIncludesCoaches == True)
            payroll_ =
                wholeAmount(static_cast<double>(CoachPayroll(env_, team_)) + static_cast<double>(payroll_));
    }

    template <class Person>
    void setStatus(Person& p, PlayerState& state, uint8_t status) {
        p.RosterStatus = status;
        state.Status = status;
    }

    template <class Person>
    int16_t rankingValue(const Person& p, int16_t overall) const {
        bool onPro = p.RosterStatus == status::Scratch || p.RosterStatus == status::Dressed;
        return partialRun() && onPro ? add16(overall, 100) : overall;
    }

    void rankSkaters() {
        list_.clear();
        for (int n = 1; n <= 10000; ++n) {
            PlayerInfo& p = env_.league.Players[n];
            if (p.InUse != True || p.Team != team_) continue;
            if (!eligible(r_, p)) {
                // Only the unfit leave the lineup here; a dressed player
                // whose contract or salary is wrong stays as he is.
                if (p.RosterStatus == status::Dressed && (p.Condition < 95 || p.Suspension != 0)) {
                    setStatus(p, env_.state.PlayerStates[n], status::Scratch);
                    WipePlayerFromTeamLines(env_, team_, static_cast<int16_t>(n));
                }
                continue;
            }
            ++counts_[p.Position];
            list_.add(static_cast<int16_t>(n),
                      rankingValue(p, PlayerOverall(env_, p.Position, static_cast<int16_t>(n))));
        }
    }

    // Every test is made and shown; any failure ends the run.
    bool skatersAvailable() {
        const int times = r_.FarmFullLineup != 0 ? 2 : 1;
        bool ok = true;
        auto need = [&](bool fails, const std::string& text) {
            if (!fails) return;
            ok = false;
            if (showMessages_ == True) MsgBox(env_, text, mb::OKOnly | mb::Exclamation);
        };
        auto short_of = [&](int position) {
            return "Not Enough " + env_.state.PositionNames[position] + " available!";
        };
        need(list_.size() < times * r_.MaxDressedSkaters, "Not Enough Players available!");
        need(counts_[pos::C] < times * r_.MinCenters, short_of(pos::C));
        need(counts_[pos::LW] < times * r_.MinLeftWings, short_of(pos::LW));
        need(counts_[pos::RW] < times * r_.MinRightWings, short_of(pos::RW));
        need(counts_[pos::D] < times * r_.MinDefense, short_of(pos::D));
        return ok;
    }

    bool refusedByCap(int32_t salary) const {
        int64_t after = payroll_ + salary;
        if (r_.SalaryCapMode == 1) return after > r_.SalaryCapAmount;
        if (r_.SalaryCapMode == 2)
            return after > int64_t{env_.league.Teams[team_].BankAccount} + r_.SalaryCapAmount;
        return false;
    }

    double farmShare(int32_t salary) const {
        return r_.FarmSalaryPercent / 100.0 * static_cast<double>(salary);
    }

    template <class Person>
    void promote(const Person& p, int16_t person) {
        env_.log.LogMessage(p.Name.trimmed() + " of " + teamName_ + " was sent to pro.");
        WipePlayerFromTeamLines(env_, team_, person);
        payroll_ = wholeAmount(static_cast<double>(payroll_) - farmShare(p.Salary)) + p.Salary;
    }

    template <class Person>
    void demote(Person& p, PlayerState& state) {
        setStatus(p, state, status::Farm);
        env_.log.LogMessage(p.Name.trimmed() + " of " + teamName_ + " was sent to farm.");
        payroll_ = wholeAmount(farmShare(p.Salary) + static_cast<double>(payroll_)) - p.Salary;
    }

    // The best skater not yet dealt with (of the position, or of any with
    // 0), a farm skater only when the cap lets him up; dressed. False when
    // nobody is left.
    bool chooseSkater(int position) {
        for (;;) {
            Ranked* best = nullptr;
            for (Ranked& e : list_.entries()) {
                if (e.value <= 0 || (best && e.value <= best->value)) continue;
                if (position != 0 && env_.league.Players[e.number].Position != position) continue;
                best = &e;
            }
            if (!best) return false;
            PlayerInfo& p = env_.league.Players[best->number];
            if (p.RosterStatus == status::Farm) {
                if (refusedByCap(p.Salary)) {
                    best->value = 0;
                    continue;
                }
                promote(p, best->number);
            }
            setStatus(p, env_.state.PlayerStates[best->number], status::Dressed);
            best->value = 0;
            return true;
        }
    }

    void scratchTheRest() {
        for (const Ranked& e : list_.entries()) {
            PlayerInfo& p = env_.league.Players[e.number];
            if (e.value == 0 || p.RosterStatus != status::Dressed) continue;
            setStatus(p, env_.state.PlayerStates[e.number], status::Scratch);
            WipePlayerFromTeamLines(env_, team_, e.number);
        }
    }

    bool maySendDown() const {
        if (partialRun()) return false;
        return !(IsTradeDeadlinePassed(env_) == True && r_.DeadlineBlocksMoves == True);
    }

    // A scratch goes down unless waivers or the farm limits hold him; those
    // who stay are counted.
    template <class Person>
    void sendDown(Person& p, PlayerState& state, int16_t person, int16_t overall) {
        bool held = WaiverCheck(env_, person) == True || overall > r_.FarmMaxOverall ||
                    (r_.FarmMaxSalary >= 1 && p.Salary > r_.FarmMaxSalary);
        if (held) {
            setStatus(p, state, status::Scratch);
            ++stuck_;
        } else {
            demote(p, state);
        }
    }

    void skatersDown() {
        for (const Ranked& e : list_.entries()) {
            PlayerInfo& p = env_.league.Players[e.number];
            if (p.RosterStatus != status::Scratch) continue;
            sendDown(p, env_.state.PlayerStates[e.number], e.number,
                     PlayerOverall(env_, p.Position, e.number));
        }
    }

    void rankGoalies() {
        list_.clear();
        for (int n = 1; n <= 1000; ++n) {
            GoalieInfo& g = env_.league.Goalies[n];
            if (g.InUse != True || g.Team != team_) continue;
            if (!eligible(r_, g)) {
                // A suspended goalie goes to the pro scratches from wherever he is.
                if ((g.Condition < 95 && g.RosterStatus == status::Dressed) || g.Suspension != 0) {
                    setStatus(g, env_.state.GoalieStates[n], status::Scratch);
                    WipePlayerFromTeamLines(env_, team_, static_cast<int16_t>(GoalieOffset + n));
                }
                continue;
            }
            list_.add(static_cast<int16_t>(n),
                      rankingValue(g, PlayerOverall(env_, pos::G, static_cast<int16_t>(n))));
        }
    }

    bool goaliesAvailable() {
        if (list_.size() >= (r_.FarmFullLineup != 0 ? 4 : 2)) return true;
        if (showMessages_ == True)
            MsgBox(env_, "Not Enough " + env_.state.PositionNames[pos::G] + " available!",
                   mb::OKOnly | mb::Exclamation);
        return false;
    }

    // Two goalies dress, whatever MaxDressedGoalies says; one the cap keeps
    // down lets the next in the list try in his stead.
    void dressGoalies() {
        int window = 2;
        int place = 0;
        for (Ranked& e : list_.entries()) {
            ++place;
            GoalieInfo& g = env_.league.Goalies[e.number];
            PlayerState& state = env_.state.GoalieStates[e.number];
            auto person = static_cast<int16_t>(GoalieOffset + e.number);
            if (place <= window) {
                if (g.RosterStatus == status::Farm) {
                    if (refusedByCap(g.Salary)) {
                        e.value = 0;
                        ++window;
                        continue;
                    }
                    promote(g, person);
                }
                setStatus(g, state, status::Dressed);
            } else if (g.RosterStatus == status::Dressed) {
                setStatus(g, state, status::Scratch);
                WipePlayerFromTeamLines(env_, team_, person);
            }
        }
    }

    void goaliesDown() {
        for (const Ranked& e : list_.entries()) {
            GoalieInfo& g = env_.league.Goalies[e.number];
            if (g.RosterStatus != status::Scratch) continue;
            sendDown(g, env_.state.GoalieStates[e.number], static_cast<int16_t>(GoalieOffset + e.number),
                     PlayerOverall(env_, pos::G, e.number));
        }
    }

    Env& env_;
    const LeagueInfo& r_;
    int16_t team_;
    Flag showMessages_;
    Flag partial_;
    std::string teamName_;
    int64_t payroll_ = 0;
    Ranking list_;
    BoundedArray<int, 1, 4> counts_;  // eligible skaters by position; any other position is an error
    int stuck_ = 0;                   // scratches that could not be sent down
};

}  // namespace

void AutoRoster(Env& env, int16_t team, Flag showMessages, Flag partial) {
    if (team < 1 || team > 100) {
        IntegrityCheckFailed(env);
        return;
    }
    try {
        RosterMaker(env, team, showMessages, partial).run();
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, " in AutoRoster!");
    }
}

}  // namespace dravik
