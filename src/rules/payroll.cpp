#include "rules/payroll.h"

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "rules/currency.h"

namespace dravik {

namespace {

bool validTeam(int16_t team) { return team >= 1 && team <= 100; }

// A running total held in single precision: every step is done in double
// precision and rounded back, as the payroll figures have always been kept.
class SingleSum {
public:
    void add(double amount) {
        double sum = static_cast<double>(value_) + amount;
        if (!std::isfinite(sum) || std::fabs(sum) > std::numeric_limits<float>::max())
            raiseError(err::Overflow);
        value_ = static_cast<float>(sum);
    }
    float value() const { return value_; }

private:
    float value_ = 0.0f;
};

// What a farm player's salary counts for: in full once he has played enough
// pro games (a threshold of 0 never reaches it), else the league's percentage.
template <class Person>
double farmAmount(const LeagueInfo& league, const Person& p) {
    if (league.FarmFullSalaryThreshold != 0 && p.ProExperience >= league.FarmFullSalaryThreshold)
        return static_cast<double>(p.Salary);
    return static_cast<double>(league.FarmSalaryPercent) / 100.0 * static_cast<double>(p.Salary);
}

template <class Person>
void addExpense(const LeagueInfo& league, const Person& p, int16_t team, SingleSum& sum) {
    if (p.Suspension != 0 || p.InUse == 0 || p.Team != team) return;
    if (p.RosterStatus == status::Farm && league.FarmLinesEnabled == True)
        sum.add(farmAmount(league, p));
    else if (p.RosterStatus == status::Scratch || p.RosterStatus == status::Dressed)
        sum.add(static_cast<double>(p.Salary));
}

// The two steps are independent: a suspended player whose condition is at or
// below the threshold is subtracted without having been added.
void countPayroll(const LeagueInfo& league, int16_t condition, int suspension, double amount,
                  SingleSum& sum) {
    if (condition > league.PayrollConditionThreshold) sum.add(amount);
    if (suspension > 0 && league.SuspendedNotPaid == True) sum.add(-amount);
}

template <class Person>
void addProPayroll(const LeagueInfo& league, const Person& p, int16_t team, SingleSum& sum) {
    if (p.InUse == 0 || p.Team != team || p.RosterStatus == status::Farm || p.ContractYears == 0) return;
    countPayroll(league, p.Condition, p.Suspension, static_cast<double>(p.Salary), sum);
}

template <class Person>
void addFarmPayroll(const LeagueInfo& league, const Person& p, int16_t team, SingleSum& sum) {
    if (p.InUse == 0 || p.Team != team || p.RosterStatus != status::Farm || p.ContractYears == 0) return;
    countPayroll(league, p.Condition, p.Suspension, farmAmount(league, p), sum);
}

// A payroll as a whole amount. Wide, so that no league's figures overflow.
int64_t wholeAmount(double v) { return static_cast<int64_t>(roundHalfEven(v)); }

void reportCap(Env& env, const std::string& name, const char* what, int64_t amount, Flag showMessages) {
    std::string text = name + what + RulesFormats().currency(static_cast<double>(amount)) + "!";
    if (showMessages == True)
        MsgBox(env, text, mb::OKOnly | mb::Exclamation);
    else
        env.log.LogMessage(text);
}

}  // namespace

int32_t ExpensePerGame(Env& env, int16_t team) {
    try {
        if (!validTeam(team)) {
            IntegrityCheckFailed(env);
            return 0;
        }
        const LeagueData& lg = env.league;
        if (lg.League.ExpensePerGameDisabled == True) return 0;
        SingleSum sum;
        for (int n = 1; n <= 10000; ++n) addExpense(lg.League, lg.Players[n], team, sum);
        for (int n = 1; n <= 1000; ++n) addExpense(lg.League, lg.Goalies[n], team, sum);
        for (int n = 1; n <= 500; ++n) {
            const CoachInfo& c = lg.Coaches[n];
            if (c.InUse == True && c.Team == team) sum.add(static_cast<double>(c.Salary));
        }
        int16_t games = lg.Teams[team].GamesInSeason;
        if (games == 0) return 0;
        float perGame = sum.value() / static_cast<float>(games);
        return roundToInt32(perGame);
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, " in ExpensePerGame!");
        return 0;
    }
}

float ProPayroll(Env& env, int16_t team) {
    try {
        if (!validTeam(team)) {
            IntegrityCheckFailed(env);
            return 0;
        }
        const LeagueData& lg = env.league;
        SingleSum sum;
        for (int n = 1; n <= 10000; ++n) addProPayroll(lg.League, lg.Players[n], team, sum);
        for (int n = 1; n <= 1000; ++n) addProPayroll(lg.League, lg.Goalies[n], team, sum);
        if (lg.League.PayrollIncludesBonus == True) sum.add(static_cast<double>(lg.Teams[team].PayrollBonus));
        return sum.value();
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, " in ProPayroll!");
        return 0;
    }
}

float FarmPayroll(Env& env, int16_t team) {
    try {
        // Asked before the team: with farm clubs off any team has no farm payroll.
        if (env.league.League.FarmLinesEnabled == 0) return 0;
        if (!validTeam(team)) {
            IntegrityCheckFailed(env);
            return 0;
        }
        const LeagueData& lg = env.league;
        SingleSum sum;
        for (int n = 1; n <= 10000; ++n) addFarmPayroll(lg.League, lg.Players[n], team, sum);
        for (int n = 1; n <= 1000; ++n) addFarmPayroll(lg.League, lg.Goalies[n], team, sum);
        return sum.value();
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, " in FarmPayroll!");
        return 0;
    }
}

float CoachPayroll(Env& env, int16_t team) {
    try {
        if (!validTeam(team)) {
            IntegrityCheckFailed(env);
            return 0;
        }
        SingleSum sum;
        for (int n = 1; n <= 500; ++n) {
            const CoachInfo& c = env.league.Coaches[n];
            if (c.InUse == True && c.Team == team) sum.add(static_cast<double>(c.Salary));
        }
        return sum.value();
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, " in CoachPayroll!");
        return 0;
    }
}

Flag CheckSalaryCap(Env& env, int16_t team, Flag showMessages) {
    try {
        if (!validTeam(team)) {
            IntegrityCheckFailed(env);
            return False;
        }
        const LeagueInfo& league = env.league.League;
        const TeamInfo& t = env.league.Teams[team];
        if (league.SalaryCapMode == 0) return True;
        Flag result = True;

        // Whole amounts, kept wide: a league of large salaries must not wrap
        // or fail here, and the comparisons stay exact.
        int64_t payroll = wholeAmount(ProPayroll(env, team));
        int64_t farm = wholeAmount(FarmPayroll(env, team));
        if (league.CapIncludesFarm == True) payroll += farm;
        if (league.CapIncludesCoaches == True)
            payroll =
                wholeAmount(static_cast<double>(CoachPayroll(env, team)) + static_cast<double>(payroll));

        std::optional<int64_t> cap;
        if (league.SalaryCapMode == 1) cap = league.SalaryCapAmount;
        if (league.SalaryCapMode == 2) cap = int64_t{t.BankAccount} + league.SalaryCapAmount;
        if (cap && payroll > *cap) {
            result = False;
            reportCap(env, t.Name.trimmed(), " is over the salary cap by ", payroll - *cap, showMessages);
        }
        if (league.FarmSalaryCap > 0 && farm > league.FarmSalaryCap) {
            result = False;
            reportCap(env, t.Farm.Name.trimmed(), " is over the salary cap by ", farm - league.FarmSalaryCap,
                      showMessages);
        }
        if (payroll < league.MinSalaryCap)
            reportCap(env, t.Name.trimmed(), " is under the minimum salary cap by ",
                      league.MinSalaryCap - payroll, showMessages);
        return result;
    } catch (const RuntimeError& e) {
        // A check that could not finish has not passed.
        ShowErrorBox(env, e, " in CheckSalaryCap!");
        return False;
    }
}

}  // namespace dravik
