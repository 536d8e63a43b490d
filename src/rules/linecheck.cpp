#include "rules/linecheck.h"

#include <algorithm>
#include <array>
#include <string>

#include "rules/linesets.h"
#include "rules/slots.h"

namespace dravik {

namespace {

constexpr const char* CRLF = "\r\n";

bool validTeamAndDay(int16_t team, int16_t day) { return team >= 1 && team <= 100 && day >= 1 && day <= 10; }

// The three forms of the check differ in exactly these points.
enum class Form {
    Pro,        // the pro set against the dressed roster
    FarmFull,   // the farm set, every slot to be filled
    FarmLight,  // the farm set, empty slots allowed
};

template <class Person>
bool fit(const Person& p) {
    return p.Condition >= 95 && p.Suspension == 0;
}

class LinesWalk {
public:
    LinesWalk(Env& env, int16_t team, int16_t day, Form form)
        : env_(env), team_(team), form_(form), set_(TeamLineSet(env, team, day, form == Form::Pro)) {}

    void run() {
        for (const WalkStep& step : CheckWalk) {
            switch (step.op) {
                case WalkStep::Slot:
                    testSlot(SkaterSlots[step.index]);
                    break;
                case WalkStep::Unit:
                    testUnit(LineUnits[step.index]);
                    break;
                case WalkStep::LinesOneAndTwo:
                    if (form_ != Form::FarmLight) testLinesOneAndTwo();
                    break;
            }
        }
        testGoalie(slot::StartGoaler, "Starting Goaler is empty.");
        testGoalie(slot::BackupGoaler, "Backup Goaler is empty.");
        int16_t start = set_.Slots[slot::StartGoaler];
        if (start != 0 && start == set_.Slots[slot::BackupGoaler])
            add("Starting Goalie and BackUp Goalie are the same");
        if (form_ != Form::Pro) testDifferentSkaters();
    }

    const std::string& findings() const { return findings_; }

private:
    void add(const std::string& line) { findings_ += line + CRLF; }

    bool member(int16_t team, uint8_t rosterStatus) const {
        uint8_t wanted = form_ == Form::Pro ? status::Dressed : status::Farm;
        return rosterStatus == wanted && team == team_;
    }

    std::string skaterName(int16_t n) const {
        const auto& players = env_.league.Players;
        return players[players.inBounds(n) ? n : 0].Name.trimmed();
    }

    void testSlot(const SkaterSlot& s) {
        int16_t n = set_.Slots[s.word];
        if (n == 0) {
            if (form_ != Form::FarmLight) add(emptyText(s));
            return;
        }
        if (!env_.league.Players.inBounds(n)) {
            // A number that names no skater: reported under the placeholder's
            // name and cleared from every set as it stands (a removal by
            // person number would read numbers above 10000 as goalies).
            add(skaterName(0) + " is not on Pro roster for this team.");
            ClearSkaterValueFromTeamLines(env_, team_, n);
            return;
        }
        const PlayerInfo& p = env_.league.Players[n];
        if (!member(p.Team, p.RosterStatus)) {
            add(p.Name.trimmed() + " is not on Pro roster for this team.");
            WipePlayerFromTeamLines(env_, team_, n);
        } else if (!fit(p)) {
            add(p.Name.trimmed() + " is injured or suspended.");
            WipePlayerFromTeamLines(env_, team_, n);
        }
    }

    std::string emptyText(const SkaterSlot& s) const {
        std::string unit = std::to_string(s.unit);
        std::string head;
        switch (s.group) {
            case SlotGroup::Normal:
                head = "Normal line # " + unit;
                break;
            case SlotGroup::PowerPlay:
                // The farm form has always run the power-play forward's words together.
                if (!s.defense() && form_ == Form::FarmFull)
                    return "PP line" + unit + " " + positionName(s.place) + " is empty.";
                head = "PP line " + unit;
                break;
            case SlotGroup::PenaltyKill:
                head = "PK line " + unit;
                break;
            case SlotGroup::FourVsFour:
                head = "4 vs 4 line " + unit;
                break;
            case SlotGroup::PenaltyKill3:
                head = "PK3 line " + unit;
                if (!s.defense()) return head + " forward is empty.";
                break;
            case SlotGroup::ExtraForward:
                return "Extra Forward #" + unit + " is empty.";
            case SlotGroup::ExtraDefense:
                return "Extra Defense #" + unit + " is empty.";
            case SlotGroup::PenaltyShot:
                return "Penalty Shot Player #" + unit + " is empty.";
        }
        if (s.defense()) return head + " Defense #" + std::to_string(s.place) + " is empty.";
        return head + " " + positionName(s.place) + " is empty.";
    }

    std::string positionName(int place) const { return env_.state.PositionNames[place]; }

    // Each filled slot that a later slot of the unit repeats is named once.
    void testUnit(const LineUnit& u) {
        for (int i = 0; i < u.size; ++i) {
            const SkaterSlot& s = SkaterSlots[u.slots[i]];
            int16_t n = set_.Slots[s.word];
            if (n == 0) continue;
            for (int j = i + 1; j < u.size; ++j) {
                const SkaterSlot& later = SkaterSlots[u.slots[j]];
                if (set_.Slots[later.word] == n) {
                    add(skaterName(n) + duplicateText(u, s));
                    break;
                }
            }
        }
    }

    static std::string duplicateText(const LineUnit& u, const SkaterSlot& s) {
        std::string line = std::to_string(u.number);
        // The pair of defensemen has its own word order.
        bool pair = s.defense();
        switch (u.group) {
            case SlotGroup::Normal:
                return " is used twice in Normal line #" + line;
            case SlotGroup::PowerPlay:
                return (pair ? " is used twice PP in line#" : " is used twice in PP line#") + line;
            case SlotGroup::PenaltyKill:
                return (pair ? " is used twice PK in line#" : " is used twice in PK line#") + line;
            case SlotGroup::FourVsFour:
                return (pair ? " is used twice 4 vs 4 in line#" : " is used twice in 4 vs 4 line#") + line;
            case SlotGroup::PenaltyKill3:
                return (pair ? " is used twice PK3 in line#" : " is used twice in PK3 line#") + line;
            case SlotGroup::ExtraForward:
                return " is used twice in Extra Forward";
            case SlotGroup::ExtraDefense:
                return " is used twice in Extra Defense";
            case SlotGroup::PenaltyShot:
                return " is used twice in Extra Penalty Shot";
        }
        return {};
    }

    void testLinesOneAndTwo() {
        if (env_.league.League.NoSamePlayerLines1And2 != True) return;
        const LineUnit& one = LineUnits[0];  // normal line 1
        const LineUnit& two = LineUnits[1];  // normal line 2
        for (int i = 0; i < one.size; ++i) {
            int16_t n = set_.Slots[SkaterSlots[one.slots[i]].word];
            if (n == 0) continue;
            for (int j = 0; j < two.size; ++j) {
                if (set_.Slots[SkaterSlots[two.slots[j]].word] == n) {
                    add(skaterName(n) + " is used twice in lines 1 and 2.");
                    break;
                }
            }
        }
    }

    // A goalie who may not play loses this slot of this day, nothing more.
    void testGoalie(int word, const char* emptyLine) {
        int16_t& g = set_.Slots[word];
        if (g == 0) {
            if (form_ != Form::FarmLight) add(emptyLine);
            return;
        }
        const auto& goalies = env_.league.Goalies;
        if (!goalies.inBounds(g)) {
            add(goalies[0].Name.trimmed() + " is not on Pro roster for this team.");
            g = 0;
            return;
        }
        const GoalieInfo& p = goalies[g];
        if (!member(p.Team, p.RosterStatus)) {
            add(p.Name.trimmed() + " is not on Pro roster for this team.");
            g = 0;
        } else if (!fit(p)) {
            add(p.Name.trimmed() + " is injured or suspended.");
            g = 0;
        }
    }

    // At most MaxDressedSkaters different skaters (the list has room for
    // every slot, so any league setting is judged, never overrun); the full
    // form also wants at least 18.
    void testDifferentSkaters() {
        int16_t most = env_.league.League.MaxDressedSkaters;
        std::array<int16_t, SkaterSlotCount> seen{};
        int count = 0;
        for (const SkaterSlot& s : SkaterSlots) {
            int16_t n = set_.Slots[s.word];
            if (n == 0 || std::find(seen.begin(), seen.begin() + count, n) != seen.begin() + count) continue;
            if (count >= most) {
                add("More that " + std::to_string(most) + " Players Found");
                return;
            }
            seen[(count++)] = n;
        }
        if (form_ == Form::FarmFull && count < 18)
            add("Not Enough Players Found. Minimum is " + std::to_string(18));
    }

    Env& env_;
    int16_t team_;
    Form form_;
    DayLines& set_;
    std::string findings_;
};

void showResult(Env& env, const std::string& text, Flag showMessages) {
    if (showMessages == True && env.state.ShowMessages == True)
        MsgBox(env, text, mb::OKOnly | mb::Information);
}

// The farm forms' closing: no closing sentence, and the log names both clubs.
Flag closeFarm(Env& env, int16_t team, const std::string& findings, Flag showMessages, Flag logErrors) {
    if (findings.empty()) {
        showResult(env, "Lines are perfect!", showMessages);
        return True;
    }
    if (logErrors == True) {
        const TeamInfo& t = env.league.Teams[team];
        env.log.LogMessage(t.Farm.Name.trimmed() + " (" + t.Name.trimmed() + ") lines errors : " + findings);
    }
    showResult(env, findings, showMessages);
    return False;
}

}  // namespace

Flag CheckLineEmpty(Env& env, int16_t team, int16_t day) {
    try {
        if (!validTeamAndDay(team, day)) {
            IntegrityCheckFailed(env);
            return False;
        }
        const DayLines& set = TeamLineSet(env, team, day, true);
        for (int word = 0; word <= slot::LastPlayerSlot; ++word) {
            if (IsUnusedWord(word)) continue;
            if (set.Slots[word] != 0) return False;
        }
        return True;
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, " in CheckLineEmpty!");
        return False;
    }
}

Flag CheckLine(Env& env, int16_t team, Flag showMessages, int16_t day, Flag logErrors) {
    try {
        if (!validTeamAndDay(team, day)) {
            IntegrityCheckFailed(env);
            return False;
        }
        LinesWalk walk(env, team, day, Form::Pro);
        walk.run();
        if (walk.findings().empty()) {
            showResult(env, "Lines are perfect!", showMessages);
            return True;
        }
        std::string text = walk.findings() + "Some errors will be automatically fixed." + CRLF;
        if (logErrors == True)
            env.log.LogMessage(env.league.Teams[team].Name.trimmed() + " lines errors : " + text);
        showResult(env, text, showMessages);
        return False;
    } catch (const RuntimeError& e) {
        // A check that could not finish has not passed.
        ShowErrorBox(env, e, " in CheckLine!");
        return False;
    }
}

Flag CheckLineFarm(Env& env, int16_t team, Flag showMessages, int16_t day, Flag logErrors) {
    try {
        if (env.league.League.FarmLinesEnabled == 0) return True;
        if (!validTeamAndDay(team, day)) {
            IntegrityCheckFailed(env);
            return False;
        }
        if (env.league.League.FarmFullLineup == True)
            return CheckFarmLinesFull(env, team, showMessages, day, logErrors);
        LinesWalk walk(env, team, day, Form::FarmLight);
        walk.run();
        return closeFarm(env, team, walk.findings(), showMessages, logErrors);
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, " in CheckLineFarm!");
        return False;
    }
}

Flag CheckFarmLinesFull(Env& env, int16_t team, Flag showMessages, int16_t day, Flag logErrors) {
    try {
        if (!validTeamAndDay(team, day)) {
            IntegrityCheckFailed(env);
            return False;
        }
        LinesWalk walk(env, team, day, Form::FarmFull);
        walk.run();
        return closeFarm(env, team, walk.findings(), showMessages, logErrors);
    } catch (const RuntimeError& e) {
        // Its failures have always been reported under the pro check's name.
        ShowErrorBox(env, e, " in CheckLine!");
        return False;
    }
}

}  // namespace dravik
