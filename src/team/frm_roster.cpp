#include "team/frm_roster.h"

#include <utility>
#include <vector>

#include "forms/form_manager.h"
#include "forms/metrics.h"
#include "league/env.h"
#include "league/list_key.h"
#include "league/overall.h"
#include "league/rating_columns.h"
#include "league/shared.h"
#include "main/client_app.h"
#include "main/hand_over.h"
#include "rules/autoroster.h"
#include "rules/linesets.h"
#include "rules/roster.h"
#include "rules/waiver.h"
#include "team/frm_team.h"

namespace dravik {

namespace {

using metrics::BoxHeight, metrics::ButtonHeight, metrics::LabelDrop, metrics::LabelHeight, metrics::Margin;

// Twips. From left to right: the pro list, its two buttons, the scratches,
// their two buttons, the farm list; the arrows on the buttons point the way
// a player goes.
constexpr int ListTop = 960, ListWidth = 3000, ListHeight = 4380;
constexpr int ProLeft = Margin, ProButtonsLeft = 3240, ScratchLeft = 4695, FarmButtonsLeft = 7815,
              FarmLeft = 9270;
constexpr int ButtonWidth = 1335;
constexpr int FilterTop = 390, CounterTop = 690;
constexpr int StatsTop = 5460, StatsHeight = 900, StatPairs = 17, StatWidth = 700;
constexpr int RolesTop = 6540, ExitTop = 7080;

constexpr const char* PositionCaptions[] = {"Center", "Left Wing", "Right Wing", "Defense", "Goalie"};

// The roster's keys always hold a record number: a key of one digit is not
// the roster's own.
ListKey rosterKey(int32_t data) {
    if (data > -10 && data < 10) raiseError(err::TypeMismatch);
    return DecodeListKey(data);
}

bool healthy(uint8_t condition, uint8_t suspension, uint8_t contractYears) {
    return condition >= 95 && suspension == 0 && contractYears > 0;
}

}  // namespace

frmRoster::frmRoster(FormManager& forms, ClientApp& app)
    : Form(forms, "frmRoster"), app_(app), env_(app.env()) {
    Move(0, 0, 12495, 8040);
    setCaption("Roster");

    lblTeamName.Move(Margin, Margin, 6000, LabelHeight);
    Label1.setCaption("Show : ");
    Label1.Move(Margin, FilterTop + LabelDrop, 720, LabelHeight);
    for (int p = 1; p <= 5; ++p) {
        CheckBox& box = chkPosition(p);
        box.setCaption(PositionCaptions[p - 1]);
        box.setValue(1);
        box.Move(900 + (p - 1) * 1380, FilterTop, 1320, BoxHeight);
    }

    const int listLeft[3] = {FarmLeft, ScratchLeft, ProLeft};
    for (int i = 0; i < 3; ++i) {
        ListBox& list = lstPlayer(i);
        list.setSorted(true);
        list.setMultiSelect(true);
        list.Move(listLeft[i], ListTop, ListWidth, ListHeight);
        lblPlayer(i).Move(listLeft[i], CounterTop, ListWidth, LabelHeight);
    }
    lblPlayer(0).setCaption("Farm Player = 0");
    lblPlayer(1).setCaption("Scratches Player = 0");
    lblPlayer(2).setCaption("Pro Player = 0");

    const std::pair<CommandButton*, const char*> moves[] = {
        {&cmdToPro, "<-- To Pro"},
        {&cmdToScratchesFromPro, "To Scratch -->"},
        {&cmdToScratchesFromFarm, "<-- To Scratch"},
        {&cmdToFarm, "To Farm -->"},
    };
    for (int k = 0; k < 4; ++k) {
        CommandButton& b = *moves[k].first;
        b.setCaption(moves[k].second);
        b.Move(k < 2 ? ProButtonsLeft : FarmButtonsLeft, ListTop + 1200 + (k % 2) * 600, ButtonWidth,
               ButtonHeight);
        b.setEnabled(false);
    }

    Frame1.setCaption("Stats");
    Frame1.Move(ProLeft, StatsTop, FarmLeft + ListWidth - ProLeft, StatsHeight);
    for (int i = 0; i < StatPairs; ++i) {
        Label& caption = lblStatLabel.add(i);
        Label& value = lblStat.add(i);
        caption.setContainer(Frame1);
        value.setContainer(Frame1);
        caption.Move(Margin + i * StatWidth, 240, StatWidth - 60, LabelHeight);
        value.Move(Margin + i * StatWidth, 540, StatWidth - 60, LabelHeight);
        caption.setVisible(false);
        value.setVisible(false);
    }
    // The position, as the lines windows caption it.
    lblStatLabel(0).setCaption("PO");

    const std::pair<CommandButton*, const char*> roles[] = {
        {&cmdCaptain, "Make Captain"},
        {&cmdAssistant, "Make Assistant"},
        {&cmdTradeAvailable, "Trade Available"},
        {&cmdAutoRoster, "Auto Made Roster"},
        {&cmdAutoRosterPartial, "Partial Auto Made Roster"},
    };
    for (int k = 0; k < 5; ++k) {
        CommandButton& b = *roles[k].first;
        b.setCaption(roles[k].second);
        b.Move(ProLeft + k * 2040, RolesTop, k < 3 ? 1920 : 1980, ButtonHeight);
        if (k < 3) b.setEnabled(false);
    }
    cmdAutoRosterPartial.setWidth(2280);

    chkProtected.setCaption("Protected");
    chkProtected.Move(ProLeft, ExitTop, 1320, BoxHeight);
    chkProtected.setEnabled(false);
    chkProtected.setVisible(false);
    lblProtectedTotal.setCaption(" Total Protected Players: 0");
    lblProtectedTotal.Move(1560, ExitTop + LabelDrop, 3000, LabelHeight);
    lblProtectedTotal.setVisible(false);
    lblComplete.setCaption("Roster Is Incomplete");
    lblComplete.Move(4695, ExitTop + LabelDrop, 3000, LabelHeight);
    cmdExit.setCaption("Exit");
    cmdExit.Move(FarmLeft + ListWidth - ButtonWidth, ExitTop, ButtonWidth, ButtonHeight);

    chkPosition.Click = [this](int i) { chkPosition_Click(i); };
    lstPlayer.Click = [this](int i) { lstPlayer_Click(i); };
    lstPlayer.DblClick = [this](int i) { lstPlayer_DblClick(i); };
    cmdToScratchesFromFarm.Click = [this] { cmdToScratchesFromFarm_Click(); };
    cmdToFarm.Click = [this] { cmdToFarm_Click(); };
    cmdToPro.Click = [this] { cmdToPro_Click(); };
    cmdToScratchesFromPro.Click = [this] { cmdToScratchesFromPro_Click(); };
    cmdCaptain.Click = [this] { cmdCaptain_Click(); };
    cmdAssistant.Click = [this] { cmdAssistant_Click(); };
    chkProtected.Click = [this] { chkProtected_Click(); };
    cmdTradeAvailable.Click = [this] { cmdTradeAvailable_Click(); };
    cmdAutoRoster.Click = [this] { cmdAutoRoster_Click(); };
    cmdAutoRosterPartial.Click = [this] { cmdAutoRosterPartial_Click(); };
    cmdExit.Click = [this] { Unload(); };
}

void frmRoster::Form_Load() {
    try {
        CentreOnScreen();
        if (!GuardCurrentTeam(env_, *this, OnBadTeam::Close)) return;
        const int16_t current = env_.state.CurrentTeam;
        const std::string name = env_.league.Teams[current].Name.trimmed();
        setCaption(env_.state.WindowTitlePrefix + " - " + name + " - Roster");
        lblTeamName.setCaption("Roster for " + name);
        const LeagueInfo& L = env_.league.League;
        if (L.OffSeason == True) {
            chkProtected.setVisible(true);
            lblProtectedTotal.setVisible(true);
        }
        Flag check = False;
        ShowPlayer(check);
        if (L.AutoMadeDisabled == True) {
            cmdAutoRoster.setEnabled(false);
            cmdAutoRosterPartial.setEnabled(false);
        }
        CheckRoster(env_, current, False, True, True);
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in FormLoad FrmRoster!");
    }
}

void frmRoster::Form_Unload() {
    const int16_t current = env_.state.CurrentTeam;
    // A window refused at load has no team to check.
    if (current >= 1 && current <= 100) CheckRoster(env_, current, False, True, True);
    // The moves change the payroll the team sheet shows.
    ReturnToCaller(app_, *this, [](Form& sheet) {
        if (auto* team = dynamic_cast<frmTeam*>(&sheet)) team->UpdateFinance();
    });
}

const char* frmRoster::roleMark(int16_t skater) const {
    const TeamInfo& t = env_.league.Teams[env_.state.CurrentTeam];
    // The captain comes first: a skater recorded in both roles reads (C).
    if (t.Captain == skater) return " (C)";
    if (t.Assistant1 == skater || t.Assistant2 == skater) return " (A)";
    return "";
}

std::string frmRoster::unmarkedText(int16_t number, int16_t kind) const {
    if (kind == pos::G) return env_.league.Goalies[number].Name.trimmed();
    return env_.league.Players[number].Name.trimmed() + roleMark(number);
}

std::string frmRoster::itemText(int16_t number, int16_t kind) const {
    const bool goalie = kind == pos::G;
    std::string text = unmarkedText(number, kind);
    const Flag trade =
        goalie ? env_.league.Goalies[number].TradeAvailable : env_.league.Players[number].TradeAvailable;
    if (trade != 0) text += !goalie && *roleMark(number) ? " *" : "*";
    return text;
}

void frmRoster::ShowPlayer(Flag& booSkipCheck) {
    try {
        for (int i = 0; i < 3; ++i) lstPlayer(i).Clear();
        rosterCount_.fill(0);
        const int16_t current = env_.state.CurrentTeam;
        TeamInfo& team = env_.league.Teams[current];
        team.ProtectedCount = 0;
        const LeagueInfo& L = env_.league.League;

        // Each list's entries, added in one go once the walk is done: a list
        // sorts and redraws once, not once an entry.
        std::array<std::vector<ListEntry>, 3> entries;
        auto count = [this](uint8_t status, bool fit) {
            rosterCount_[status] = add16(rosterCount_[status], 1);
            if ((status == status::Scratch || status == status::Dressed) && fit)
                rosterCount_[3] = add16(rosterCount_[3], 1);
        };

        for (int16_t n = 1; n <= SkaterRecords; ++n) {
            PlayerInfo& p = env_.league.Players[n];
            if (p.InUse != True || p.Team != current) continue;
            if (p.RosterStatus > 2) {
                MsgBox(env_, p.Name.trimmed() + " has no status!", mb::OKOnly | mb::Exclamation);
                continue;
            }
            // Too good or too expensive for the farm: only the record's
            // status changes here; the roster check does the rest.
            if (p.RosterStatus == status::Farm) {
                if (PlayerOverall(env_, p.Position, n) > L.FarmMaxOverall) p.RosterStatus = status::Scratch;
                if (L.FarmMaxSalary > 0 && p.Salary > L.FarmMaxSalary) p.RosterStatus = status::Scratch;
            }
            count(p.RosterStatus, healthy(p.Condition, p.Suspension, p.ContractYears));
            if (p.Position < pos::C || p.Position > pos::D) {
                MsgBox(env_, p.Name.trimmed() + " has no position!", mb::OKOnly | mb::Exclamation);
                continue;
            }
            if (chkPosition(p.Position).Value() >= 1)
                entries[p.RosterStatus].push_back({itemText(n, p.Position), EncodeListKey(n, p.Position)});
            if (p.Protected == True) team.ProtectedCount = add16(team.ProtectedCount, 1);
        }

        for (int16_t n = 1; n <= GoalieRecords; ++n) {
            GoalieInfo& g = env_.league.Goalies[n];
            if (g.InUse != True || g.Team != current) continue;
            if (g.RosterStatus > 2) {
                MsgBox(env_, g.Name.trimmed() + " has no status!", mb::OKOnly | mb::Exclamation);
                continue;
            }
            if (g.RosterStatus == status::Farm) {
                if (PlayerOverall(env_, pos::G, n) > L.FarmMaxOverall) g.RosterStatus = status::Scratch;
                if (L.FarmMaxSalary > 0 && g.Salary > L.FarmMaxSalary) g.RosterStatus = status::Scratch;
            }
            count(g.RosterStatus, healthy(g.Condition, g.Suspension, g.ContractYears));
            if (chkPosition(pos::G).Value() >= 1)
                entries[g.RosterStatus].push_back({itemText(n, pos::G), EncodeListKey(n, pos::G)});
            if (g.Protected == True) team.ProtectedCount = add16(team.ProtectedCount, 1);
        }

        for (int i = 0; i < 3; ++i) lstPlayer(i).AddItems(entries[i]);

        UpdateRosterCounts();
        ResetRosterControls();
        if (booSkipCheck == True) return;

        env_.state.RosterChangedByCheck = 0;
        const Flag complete = CheckRoster(env_, current, False, True, False);
        // The check moved players, whether or not the roster now passes:
        // show the roster it left, not the one listed above.
        if (env_.state.RosterChangedByCheck == 1) {
            Flag skip = True;
            ShowPlayer(skip);
        }
        lblComplete.setCaption(complete == True ? "Roster Is Complete" : "Roster Is Incomplete");
        showProtectedTotal();
        if (team.ProtectedCount > L.MaxProtectedPlayers)
            MsgBox(env_, "Too Many Protected Players!", mb::OKOnly | mb::Information);
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in ShowPlayer!");
    }
}

void frmRoster::showProtectedTotal() {
    lblProtectedTotal.setCaption(" Total Protected Players: " +
                                 std::to_string(env_.league.Teams[env_.state.CurrentTeam].ProtectedCount));
}

void frmRoster::ResetRosterControls() {
    for (CommandButton* b : {&cmdToScratchesFromFarm, &cmdToFarm, &cmdToPro, &cmdToScratchesFromPro,
                             &cmdTradeAvailable, &cmdCaptain, &cmdAssistant})
        b->setEnabled(false);
    chkProtected.setEnabled(false);
    for (int i = 0; i < StatPairs; ++i) {
        if (lblStat.exists(i)) lblStat(i).setVisible(false);
        if (lblStatLabel.exists(i)) lblStatLabel(i).setVisible(false);
    }
}

void frmRoster::UpdateRosterCounts() {
    lblPlayer(2).setCaption("Pro Player = " + std::to_string(lstPlayer(2).ListCount()));
    lblPlayer(1).setCaption("Scratches Player = " + std::to_string(lstPlayer(1).ListCount()));
    lblPlayer(0).setCaption("Farm Player = " + std::to_string(lstPlayer(0).ListCount()));
}

void frmRoster::chkPosition_Click(int) {
    Flag check = False;
    ShowPlayer(check);
}

void frmRoster::lstPlayer_Click(int index) {
    if (env_.state.EditGuard == True) return;
    try {
        ListBox& list = lstPlayer(index);
        int16_t kind = 0;
        if (list.ListIndex() >= 0) {
            const ListKey key = rosterKey(list.ItemData(list.ListIndex()));
            env_.state.CurrentPlayerIndex = key.number;
            env_.state.ShowGoalie = key.kind == pos::G ? True : False;
            kind = key.kind;
        }
        ResetRosterControls();
        {
            // Selection lives in one list at a time.
            EditGuardScope guard(env_.state.EditGuard, EditGuardScope::RestorePrevious);
            for (int other = 0; other < 3; ++other) {
                if (other == index) continue;
                ListBox& o = lstPlayer(other);
                o.setListIndex(-1);
                for (int i = 0; i < o.ListCount(); ++i) o.setSelected(i, false);
            }
        }
        if (list.SelCount() == 1) {
            if (list.ListIndex() < 0) return;
            cmdTradeAvailable.setEnabled(true);
            cmdCaptain.setEnabled(true);
            cmdAssistant.setEnabled(true);
            chkProtected.setEnabled(true);
            lblStatLabel(0).setVisible(true);
            lblStat(0).setCaption(env_.state.PositionNames[kind]);
            lblStat(0).setVisible(true);
            ShowStats();
        }
        switch (index) {
            case 0:
                cmdToScratchesFromFarm.setEnabled(true);
                break;
            case 1:
                cmdToFarm.setEnabled(true);
                cmdToPro.setEnabled(true);
                break;
            case 2:
                cmdToScratchesFromPro.setEnabled(true);
                break;
        }
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in LstPlayer_Click!");
    }
}

void frmRoster::lstPlayer_DblClick(int index) {
    try {
        ListBox& list = lstPlayer(index);
        if (list.ListIndex() < 0) return;
        const ListKey key = rosterKey(list.ItemData(list.ListIndex()));
        env_.state.CurrentPlayerIndex = key.number;
        env_.state.ShowGoalie = key.kind == pos::G ? True : False;
        env_.state.CallerCode = 2;
        if (app_.openers().playerCard) app_.openers().playerCard(*this);
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in lstPlayer_DblClick!");
    }
}

void frmRoster::ShowStats() {
    try {
        const ProgramState& s = env_.state;
        const LeagueInfo& L = env_.league.League;
        const Flag goalie = s.ShowGoalie;
        if (goalie != True && goalie != False) {
            IntegrityCheckFailed(env_);
            return;
        }
        const int16_t n = s.CurrentPlayerIndex;
        RatingColumns cols;
        Flag isProtected = False, noTrade = False;
        bool farmSkater = false;
        if (goalie == True) {
            const GoalieInfo& g = env_.league.Goalies[n];
            shownOverall_ = PlayerOverall(env_, pos::G, n);
            cols = GoalieColumns(s, L.ShowAllRatings, g.Ratings, shownOverall_);
            isProtected = g.Protected;
            noTrade = g.NoTrade;
        } else {
            const PlayerInfo& p = env_.league.Players[n];
            shownOverall_ = PlayerOverall(env_, p.Position, n);
            cols = SkaterColumns(s, L.ShowAllRatings, p.Ratings, shownOverall_);
            isProtected = p.Protected;
            noTrade = p.NoTrade;
            farmSkater = p.RosterStatus == status::Farm;
        }
        const int shown = L.ShowOverallColumn == True ? cols.count + 1 : cols.count;
        for (int i = 1; i <= shown; ++i) {
            lblStatLabel(i).setCaption(cols.caption[i]);
            lblStat(i).setCaption(cols.value[i]);
            lblStatLabel(i).setVisible(true);
            lblStat(i).setVisible(true);
        }
        {
            EditGuardScope guard(env_.state.EditGuard, EditGuardScope::RestorePrevious);
            chkProtected.setValue(isProtected == True ? 1 : 0);
            if (noTrade == True) cmdTradeAvailable.setEnabled(false);
        }
        if (goalie == True || farmSkater) {
            cmdCaptain.setEnabled(false);
            cmdAssistant.setEnabled(false);
        }
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in ShowStats!");
    }
}

Flag frmRoster::Change(int16_t source, int16_t target, int16_t number, int16_t kind) {
    Flag result = False;
    try {
        auto refuse = [this](const char* text) { MsgBox(env_, text, mb::OKOnly | mb::Exclamation); };
        const int16_t current = env_.state.CurrentTeam;
        const LeagueInfo& L = env_.league.League;
        int16_t person = 0;
        if (kind >= pos::C && kind <= pos::D) {
            const PlayerInfo& p = env_.league.Players[number];
            if (p.Condition < 95) return refuse("Cannot Move an Injured Player!"), False;
            if (p.Suspension != 0) return refuse("Cannot Move an Suspended Player!"), False;
            if (p.ContractYears == 0) return refuse("Player without a contract can not be move!"), False;
            person = number;
            if (target == status::Farm) {
                if (L.FarmMaxSalary > 0 && p.Salary > L.FarmMaxSalary)
                    return refuse("Player Salary is too high to be send in the Farm!"), False;
                if (WaiverCheck(env_, person) == True) {
                    if (MsgBox(env_, "Do you want to send this player to waiver?",
                               mb::YesNo | mb::Information) != mb::Yes)
                        return False;
                    MarkOnWaivers(env_, current, person);
                }
            }
        } else if (kind == pos::G) {
            const GoalieInfo& g = env_.league.Goalies[number];
            if (g.Condition < 95) return refuse("Cannot Move an Injured Goalie!"), False;
            if (g.Suspension != 0) return refuse("Cannot Move an Suspended Player!"), False;
            if (g.ContractYears == 0) return refuse("Goalie without a contract can not be move!"), False;
            person = add16(GoalieOffset, number);
            if (target == status::Farm) {
                if (L.FarmMaxSalary > 0 && g.Salary > L.FarmMaxSalary)
                    return refuse("Goalie Salary is too high to be send in the Farm!"), False;
                if (WaiverCheck(env_, person) == True) {
                    if (MsgBox(env_, "Do you want to send this goalie to waiver?",
                               mb::YesNo | mb::Information) != mb::Yes)
                        return False;
                    MarkOnWaivers(env_, current, person);
                }
            }
        } else {
            refuse("Unable to extract position information!");
            return False;
        }

        WipePlayerFromTeamLines(env_, current, person);
        const auto status = static_cast<uint8_t>(target);
        if (kind == pos::G) {
            env_.league.Goalies[number].RosterStatus = status;
            env_.state.GoalieStates[number].Status = status;
        } else {
            env_.league.Players[number].RosterStatus = status;
            env_.state.PlayerStates[number].Status = status;
        }
        rosterCount_.at(source) = sub16(rosterCount_.at(source), 1);
        rosterCount_.at(target) = add16(rosterCount_.at(target), 1);
        if (target == status::Farm) rosterCount_[3] = sub16(rosterCount_[3], 1);
        if (target == status::Scratch && source == status::Farm) rosterCount_[3] = add16(rosterCount_[3], 1);

        for (CommandButton* b : {&cmdToScratchesFromFarm, &cmdToFarm, &cmdToPro, &cmdToScratchesFromPro})
            b->setEnabled(false);
        const Flag complete = CheckRoster(env_, current, False, False, False);
        if (env_.state.RosterChangedByCheck == 1) moveUndoneByCheck_ = true;
        lblComplete.setCaption(complete == True ? "Roster Is Complete" : "Roster Is Incomplete");
        ResetRosterControls();
        env_.state.DataChanged = True;
        result = True;
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in Change!");
    }
    return result;
}

void frmRoster::moveSelected(int16_t source, int16_t target,
                             const std::function<Walk(int16_t number, int16_t kind)>& ownCheck) {
    moveUndoneByCheck_ = false;
    ListBox& from = lstPlayer(source);
    ListBox& to = lstPlayer(target);
    // The count is read again on every pass: moved items leave the list.
    for (int i = 0; i < from.ListCount(); ++i) {
        if (!from.Selected(i)) continue;
        const int32_t data = from.ItemData(i);
        const ListKey key = rosterKey(data);
        const Walk w = ownCheck(key.number, key.kind);
        if (w == Walk::Stop) break;
        if (w == Walk::Skip) continue;
        if (Change(source, target, key.number, key.kind) != True) continue;
        to.AddItem(from.List(i));
        to.setItemData(to.NewIndex(), data);
        from.RemoveItem(i);
        --i;
        UpdateRosterCounts();
    }
    // A silent check that put a moved player back leaves the lists showing
    // the move: show the records as they are.
    if (moveUndoneByCheck_) {
        moveUndoneByCheck_ = false;
        Flag skip = True;
        ShowPlayer(skip);
    }
}

void frmRoster::cmdToScratchesFromFarm_Click() {
    try {
        moveSelected(status::Farm, status::Scratch, [this](int16_t, int16_t) {
            if (rosterCount_[3] >= env_.league.League.MaxProPlayers) {
                MsgBox(env_, "Maximum Pro Players Limit Reached!", mb::OKOnly | mb::Exclamation);
                return Walk::Stop;
            }
            return Walk::Go;
        });
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in cmdToScratchesFromFarm!");
    }
}

void frmRoster::cmdToFarm_Click() {
    try {
        moveSelected(status::Scratch, status::Farm, [this](int16_t number, int16_t kind) {
            const LeagueInfo& L = env_.league.League;
            // Each selected player's own overall: one shown in the ratings
            // panel says nothing about the others of a multiple selection.
            if (PlayerOverall(env_, kind, number) > L.FarmMaxOverall) {
                MsgBox(env_, "Player Overall is too high to be sent to farm!", mb::OKOnly | mb::Exclamation);
                return Walk::Skip;
            }
            if (IsTradeDeadlinePassed(env_) == True && L.DeadlineBlocksMoves == True) {
                MsgBox(env_, "Trade Deadline is Passed!", mb::OKOnly | mb::Information);
                return Walk::Stop;
            }
            return Walk::Go;
        });
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in cmdToFarm!");
    }
}

void frmRoster::cmdToPro_Click() {
    try {
        moveSelected(status::Scratch, status::Dressed, [](int16_t, int16_t) { return Walk::Go; });
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in cmdToPro");
    }
}

void frmRoster::cmdToScratchesFromPro_Click() {
    try {
        moveSelected(status::Dressed, status::Scratch, [](int16_t, int16_t) { return Walk::Go; });
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in cmdToScratchesFromPro!");
    }
}

void frmRoster::cmdCaptain_Click() {
    try {
        auto tell = [this](const std::string& text) { MsgBox(env_, text, mb::OKOnly | mb::Information); };
        if (env_.state.ShowGoalie == True) return tell("Goalie cannot be Captain!");
        const int16_t n = env_.state.CurrentPlayerIndex;
        const PlayerInfo& p = env_.league.Players[n];
        if (p.RosterStatus == status::Farm) return tell("Farm Player cannot be Captain!");
        TeamInfo& t = env_.league.Teams[env_.state.CurrentTeam];
        if (t.Assistant1 == n) t.Assistant1 = 0;
        if (t.Assistant2 == n) t.Assistant2 = 0;
        t.Captain = n;
        const std::string name = p.Name.trimmed();
        tell(name + " has been selected as captain for " + t.Name.trimmed() + ".");
        env_.log.LogTeamMessage(env_.state.CurrentTeam, name + " has been selected as captain.");
        Flag check = False;
        ShowPlayer(check);
        env_.state.DataChanged = True;
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in cmdCaptain!");
    }
}

void frmRoster::cmdAssistant_Click() {
    try {
        auto tell = [this](const std::string& text) { MsgBox(env_, text, mb::OKOnly | mb::Information); };
        if (env_.state.ShowGoalie == True) return tell("Goalie cannot be Assistant!");
        const int16_t n = env_.state.CurrentPlayerIndex;
        const PlayerInfo& p = env_.league.Players[n];
        if (p.RosterStatus == status::Farm) return tell("Farm Player cannot be Assistant!");
        TeamInfo& t = env_.league.Teams[env_.state.CurrentTeam];
        const std::string name = p.Name.trimmed();
        const std::string team = t.Name.trimmed();
        if (t.Assistant1 == n || t.Assistant2 == n)
            return tell(name + " is already an assistant for " + team + ".");
        if (t.Captain == n) return tell(name + " is already a captain for " + team + ".");
        const int16_t answer =
            MsgBox(env_, "Do you want " + name + " to be assistant #1 (Yes) or assistant #2 (No)?",
                   mb::YesNoCancel | mb::Question);
        if (answer == mb::Yes || answer == mb::No) {
            const char* which = answer == mb::Yes ? "#1" : "#2";
            (answer == mb::Yes ? t.Assistant1 : t.Assistant2) = n;
            tell(name + " has been selected as assistant " + which + " for " + team + ".");
            env_.log.LogTeamMessage(env_.state.CurrentTeam, name + " has been selected as assistant.");
        }
        Flag check = False;
        ShowPlayer(check);
        env_.state.DataChanged = True;
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in cmdAssistant!");
    }
}

void frmRoster::chkProtected_Click() {
    if (env_.state.EditGuard == True) return;
    try {
        const int16_t n = env_.state.CurrentPlayerIndex;
        const bool goalie = env_.state.ShowGoalie == True;
        Flag& record = goalie ? env_.league.Goalies[n].Protected : env_.league.Players[n].Protected;
        Flag& state = goalie ? env_.state.GoalieStates[n].Protected : env_.state.PlayerStates[n].Protected;
        TeamInfo& t = env_.league.Teams[env_.state.CurrentTeam];
        if (chkProtected.Value() == 1) {
            if (t.ProtectedCount < env_.league.League.MaxProtectedPlayers) {
                t.ProtectedCount = add16(t.ProtectedCount, 1);
                record = True;
                state = True;
            } else {
                MsgBox(env_, "Maximum Number of Protected Players Reached!", mb::OKOnly | mb::Information);
                // The tick goes again: a box that reads protected for a
                // player who is not would later lower the count for nobody.
                EditGuardScope guard(env_.state.EditGuard, EditGuardScope::RestorePrevious);
                chkProtected.setValue(0);
            }
        } else {
            // Only a player who was counted lowers the count.
            if (record == True) t.ProtectedCount = t.ProtectedCount > 0 ? sub16(t.ProtectedCount, 1) : 0;
            record = False;
            state = False;
        }
        showProtectedTotal();
        env_.state.DataChanged = True;
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in chkProtected!");
    }
}

void frmRoster::cmdTradeAvailable_Click() {
    try {
        const int16_t n = env_.state.CurrentPlayerIndex;
        const bool goalie = env_.state.ShowGoalie == True;
        auto flags = [this](int16_t number, bool g) -> std::pair<Flag&, Flag&> {
            if (g)
                return {env_.league.Goalies[number].TradeAvailable,
                        env_.state.GoalieStates[number].TradeAvailable};
            return {env_.league.Players[number].TradeAvailable,
                    env_.state.PlayerStates[number].TradeAvailable};
        };
        const Flag noTrade = goalie ? env_.league.Goalies[n].NoTrade : env_.league.Players[n].NoTrade;
        if (noTrade == True) {
            auto [record, state] = flags(n, goalie);
            record = False;
            state = False;
            cmdTradeAvailable.setEnabled(false);
            IntegrityCheckFailed(env_);
            return;
        }
        auto [record, state] = flags(n, goalie);
        if (record == 0) {
            for (int i = 0; i < 3; ++i) {
                ListBox& list = lstPlayer(i);
                if (list.ListIndex() >= 0) list.setList(list.ListIndex(), list.List(list.ListIndex()) + "*");
            }
            record = True;
            state = True;
        } else {
            for (int i = 0; i < 3; ++i) {
                ListBox& list = lstPlayer(i);
                if (list.ListIndex() < 0) continue;
                const ListKey key = rosterKey(list.ItemData(list.ListIndex()));
                list.setList(list.ListIndex(), unmarkedText(key.number, key.kind));
                auto [r, s] = flags(key.number, key.kind == pos::G);
                r = False;
                s = False;
            }
        }
        env_.state.DataChanged = True;
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in cmdTradeAvailable!");
    }
}

void frmRoster::cmdAutoRoster_Click() {
    try {
        AutoRoster(env_, env_.state.CurrentTeam, True, False);
        Flag check = False;
        ShowPlayer(check);
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in cmdAutoRoster!");
    }
}

void frmRoster::cmdAutoRosterPartial_Click() {
    try {
        AutoRoster(env_, env_.state.CurrentTeam, True, True);
        Flag check = False;
        ShowPlayer(check);
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in cmdAutoRosterPartial!");
    }
}

}  // namespace dravik
