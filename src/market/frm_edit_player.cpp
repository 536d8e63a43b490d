#include "market/frm_edit_player.h"

#include <string>

#include "forms/form_manager.h"
#include "forms/metrics.h"
#include "league/env.h"
#include "league/list_key.h"
#include "league/overall.h"
#include "league/rating_columns.h"
#include "league/shared.h"
#include "main/client_app.h"
#include "main/frm_main.h"
#include "main/hand_over.h"
#include "team/frm_roster.h"

namespace dravik {

namespace {

using metrics::BoxHeight, metrics::ButtonHeight, metrics::LabelDrop, metrics::LabelHeight, metrics::Margin,
    metrics::RowHeight;

// Twips.
constexpr int ListLeft = Margin, ListTop = Margin, ListWidth = 2640, ListHeight = 4620;
constexpr int CaptionLeft = 2880, CaptionWidth = 1200, BoxLeft = 4140;
constexpr int RightLeft = 6720, OptionTop = 420, OptionStep = 300, OptionWidth = 1560, CheckWidth = 2520;
constexpr int StatsLeft = Margin, StatsTop = 4860, StatsWidth = 9120, StatsHeight = 1020;
constexpr int StatLeft = Margin, StatStep = 555, StatWidth = 495, StatCaptionTop = 240, StatBoxTop = 540;
constexpr int ButtonTop = 6060, ButtonLeft = Margin, ButtonStep = 1500, ButtonWidth = 1410;

constexpr int StatColumns = MaxRatingColumns;  // 16
constexpr int GoalieKind = 5;

int ticked(Flag flag) { return flag == True ? 1 : 0; }

}  // namespace

frmEditPlayer::frmEditPlayer(FormManager& forms, ClientApp& app)
    : Form(forms, "frmEditPlayer"), app_(app), env_(app.env()) {
    Move(0, 0, 9480, 6960);
    setCaption("Player");

    lstPlayer.setSorted(true);
    lstPlayer.Move(ListLeft, ListTop, ListWidth, ListHeight);

    struct Row {
        const char* caption;
        TextBox* box;
        int width;
    };
    const Row rows[] = {
        {"Name : ", &txtName, 2400},           {"Team : ", &txtTeam, 2400},
        {"Country :", &txtCountry, 600},       {"Age : ", &txtAge, 900},
        {"Weight :", &txtWeight, 900},         {"Height :", &txtHeight, 900},
        {"Contract :", &txtContract, 900},     {"Salary :", &txtSalary, 1500},
        {"Condition :", &txtCondition, 900},   {"Injury :", &txtInjury, 2400},
        {"Suspension :", &txtSuspension, 900},
    };
    int index = 0;
    for (const Row& r : rows) {
        const int top = ListTop + index * RowHeight;
        Label& caption = Label1.add(index++);
        caption.setCaption(r.caption);
        caption.Move(CaptionLeft, top + LabelDrop, CaptionWidth, LabelHeight);
        r.box->Move(BoxLeft, top, r.width, BoxHeight);
    }

    Label& position = Label1.add(index);
    position.setCaption("Position : ");
    position.Move(RightLeft, ListTop + LabelDrop, CaptionWidth, LabelHeight);
    const char* positions[] = {"Center", "Left Wing", "Right Wing", "Defense"};
    for (int p = 1; p <= 4; ++p) {
        OptionButton& o = optPosition.add(p);
        o.setCaption(positions[p - 1]);
        o.Move(RightLeft, OptionTop + (p - 1) * OptionStep, OptionWidth, LabelHeight);
    }
    optGoaler.setCaption("Goalie");
    optGoaler.Move(RightLeft, OptionTop + 4 * OptionStep, OptionWidth, LabelHeight);

    const std::pair<CheckBox*, const char*> checks[] = {
        {&chkRookie, "Rookie"},
        {&chkNoTrade, "No Trade"},
        {&chkNoApplyRerate, "Do Not Apply Rerate"},
        {&chkEdit, "Allow Edition"},
    };
    for (int k = 0; k < 4; ++k) {
        checks[k].first->setCaption(checks[k].second);
        checks[k].first->Move(RightLeft, OptionTop + (6 + k) * OptionStep, CheckWidth, LabelHeight);
    }

    Frame1.setCaption("Stats");
    Frame1.Move(StatsLeft, StatsTop, StatsWidth, StatsHeight);
    for (int i = 1; i <= StatColumns; ++i) {
        const int left = StatLeft + (i - 1) * StatStep;
        Label& caption = lblStatLabel.add(i);
        caption.setContainer(Frame1);
        caption.Move(left, StatCaptionTop, StatWidth, LabelHeight);
        TextBox& value = txtStats.add(i);
        value.setContainer(Frame1);
        value.setMaxLength(2);
        value.Move(left, StatBoxTop, StatWidth, BoxHeight);
        // A display shows the columns it fills; a card that shows nobody shows none.
        caption.setVisible(false);
        value.setVisible(false);
    }

    const std::pair<CommandButton*, const char*> buttons[] = {
        {&cmdSearch, "Search Player"},
        {&cmdNewPlayer, "New Player"},
        {&cmdNewGoaler, "New Goalie"},
        {&cmdErase, "Erase"},
        {&cmdExit, "Exit"},
    };
    for (int k = 0; k < 5; ++k) {
        buttons[k].first->setCaption(buttons[k].second);
        buttons[k].first->Move(ButtonLeft + k * ButtonStep, ButtonTop, ButtonWidth, ButtonHeight);
    }
    // Exit sits at the right end, apart from the editing buttons.
    cmdExit.setLeft(StatsLeft + StatsWidth - ButtonWidth);

    lstPlayer.Click = [this] { lstPlayer_Click(); };
    chkEdit.Click = [this] { chkEdit_Click(); };
    chkRookie.Click = [this] { chkRookie_Click(); };
    chkNoTrade.Click = [this] { chkNoTrade_Click(); };
    chkNoApplyRerate.Click = [this] { chkNoApplyRerate_Click(); };
    optPosition.Click = [this](int i) { optPosition_Click(i); };
    cmdExit.Click = [this] { cmdExit_Click(); };
}

void frmEditPlayer::Form_Load() {
    try {
        CentreOnScreen();
        listPlayers();
        if (lstPlayer.ListCount() >= 1) lstPlayer.setListIndex(0);
        if (lstPlayer.ListCount() >= 2) {
            chkEdit.setValue(1);
        } else {
            cmdSearch.setEnabled(false);
        }
        setCaption(env_.state.WindowTitlePrefix + " - Show Player");
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in FormLoad FrmEditPlayer!");
    }
    // Read-only however the loading ended: nothing behind the inputs edits
    // anything, so none of them may be left open by a loading cut short.
    makeReadOnly();
}

void frmEditPlayer::listPlayers() {
    ProgramState& s = env_.state;
    for (int n = 1; n <= SkaterRecords; ++n) {
        PlayerInfo& p = env_.league.Players[n];
        if (p.InUse != True) continue;
        if (p.Position < 1 || p.Position > 4) {
            MsgBox(env_, p.Name.trimmed() + " has no position! He's now center.",
                   mb::OKOnly | mb::Exclamation);
            p.Position = 1;
        }
        // The record is matched by the number it holds, not by where it sits.
        if (s.CurrentPlayerIndex != 0 && (p.Number != s.CurrentPlayerIndex || s.ShowGoalie != False))
            continue;
        lstPlayer.AddItem(p.Name.trimmed() + " (" + s.PositionNames[p.Position] + ")");
        lstPlayer.setItemData(lstPlayer.NewIndex(), EncodeListKey(p.Number, p.Position));
        if (s.CurrentPlayerIndex != 0) {
            lstPlayer.setListIndex(lstPlayer.NewIndex());
            ShownKind_ = p.Position;
        }
    }
    for (int n = 1; n <= GoalieRecords; ++n) {
        const GoalieInfo& g = env_.league.Goalies[n];
        if (g.InUse != True) continue;
        if (s.CurrentPlayerIndex != 0 && (g.Number != s.CurrentPlayerIndex || s.ShowGoalie != True)) continue;
        lstPlayer.AddItem(g.Name.trimmed() + " (" + s.PositionNames[GoalieKind] + ")");
        lstPlayer.setItemData(lstPlayer.NewIndex(), EncodeListKey(g.Number, GoalieKind));
        if (s.CurrentPlayerIndex != 0) {
            lstPlayer.setListIndex(lstPlayer.NewIndex());
            ShownKind_ = GoalieKind;
        }
    }
}

void frmEditPlayer::lstPlayer_Click() {
    // Held for the whole of a display, however it ends: the flag boxes and
    // position options it sets must find it raised, and nothing may find it
    // left raised afterwards.
    EditGuardScope guard(env_.state.EditGuard, EditGuardScope::SetFalse);
    try {
        const int selected = lstPlayer.ListIndex();
        if (selected >= 0) {
            const ListKey key = DecodeListKey(lstPlayer.ItemData(selected));
            env_.state.CurrentPlayerIndex = key.number;
            ShownKind_ = key.kind;
        }
        for (int i = 1; i <= StatColumns; ++i) {
            lblStatLabel(i).setVisible(false);
            txtStats(i).setVisible(false);
        }
        if (selected >= 0) {
            if (ShownKind_ >= 1 && ShownKind_ <= 4) {
                showSkater();
            } else if (ShownKind_ == GoalieKind) {
                showGoalie();
            } else {
                IntegrityCheckFailed(env_);
            }
        }
        if (lstPlayer.ListCount() == 1) {
            chkEdit.setValue(0);
            chkEdit_Click();
        }
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in LstPlayer_Click");
    }
}

namespace {

// The boxes a skater and a goalie fill alike, in the order the card fills
// them: a display cut short by an error keeps what it reached.
template <class Person>
void fillBoxes(frmEditPlayer& card, Env& env, const Person& p, bool trimCountry) {
    card.txtName.setText(p.Name.trimmed());
    if (p.Team == 0) {
        card.txtTeam.setText("");
    } else {
        const TeamInfo& t = env.league.Teams[p.Team];
        // A team no longer in use leaves the box as it was.
        if (t.InUse == True) card.txtTeam.setText(t.Name.trimmed());
    }
    card.txtCountry.setText(trimCountry ? p.Country.trimmed() : p.Country.raw());
    card.txtAge.setText(std::to_string(p.Age));
    card.txtWeight.setText(std::to_string(p.Weight));
    card.txtHeight.setText(std::to_string(p.Height));
    card.txtContract.setText(std::to_string(p.ContractYears));
    card.txtSalary.setText(std::to_string(p.Salary));
    card.txtCondition.setText(std::to_string(p.Condition));
    card.txtInjury.setText(p.Condition < 100 ? p.Injury.trimmed() : std::string());
    card.txtSuspension.setText(std::to_string(p.Suspension));
}

template <class Person>
void tickFlags(frmEditPlayer& card, const Person& p) {
    card.chkRookie.setValue(ticked(p.Rookie));
    card.chkNoTrade.setValue(ticked(p.NoTrade));
    card.chkNoApplyRerate.setValue(ticked(p.NoApplyRerate));
}

void showColumns(frmEditPlayer& card, Env& env, const RatingColumns& cols) {
    for (int i = 1; i <= cols.count; ++i) {
        card.lblStatLabel(i).setCaption(cols.caption[i]);
        card.txtStats(i).setText(cols.value[i]);
        card.lblStatLabel(i).setVisible(true);
        card.txtStats(i).setVisible(true);
    }
    if (env.league.League.ShowOverallColumn != True) return;
    const int ov = cols.count + 1;
    card.lblStatLabel(ov).setCaption(cols.caption[ov]);
    card.txtStats(ov).setText(cols.value[ov]);
    card.lblStatLabel(ov).setVisible(true);
    card.txtStats(ov).setVisible(true);
}

}  // namespace

void frmEditPlayer::showSkater() {
    optGoaler.setVisible(false);
    for (int i = 1; i <= 4; ++i) {
        optPosition(i).setValue(false);
        optPosition(i).setVisible(true);
    }
    const int16_t number = env_.state.CurrentPlayerIndex;
    const PlayerInfo& p = env_.league.Players[number];
    fillBoxes(*this, env_, p, true);
    optPosition(p.Position).setValue(true);
    tickFlags(*this, p);
    const LeagueInfo& info = env_.league.League;
    const int16_t overall = info.ShowOverallColumn == True ? PlayerOverall(env_, ShownKind_, number) : 0;
    showColumns(*this, env_, SkaterColumns(env_.state, info.ShowAllRatings, p.Ratings, overall));
}

void frmEditPlayer::showGoalie() {
    for (int i = 1; i <= 4; ++i) {
        optPosition(i).setValue(false);
        optPosition(i).setVisible(false);
    }
    optGoaler.setVisible(true);
    optGoaler.setValue(true);
    const int16_t number = env_.state.CurrentPlayerIndex;
    const GoalieInfo& g = env_.league.Goalies[number];
    // A goalie's country is shown as stored, blanks and all.
    fillBoxes(*this, env_, g, false);
    tickFlags(*this, g);
    const LeagueInfo& info = env_.league.League;
    const int16_t overall = info.ShowOverallColumn == True ? PlayerOverall(env_, GoalieKind, number) : 0;
    showColumns(*this, env_, GoalieColumns(env_.state, info.ShowAllRatings, g.Ratings, overall));
}

void frmEditPlayer::chkEdit_Click() {
    const bool on = chkEdit.Value() == 1;
    setInputsEnabled(on);
    cmdErase.setEnabled(on);
}

void frmEditPlayer::setInputsEnabled(bool on) {
    for (TextBox* box : {&txtName, &txtCountry, &txtAge, &txtWeight, &txtHeight, &txtCondition, &txtInjury,
                         &txtContract, &txtSalary, &txtSuspension})
        box->setEnabled(on);
    for (CheckBox* box : {&chkRookie, &chkNoTrade, &chkNoApplyRerate}) box->setEnabled(on);
    for (int i = 1; i <= StatColumns; ++i) txtStats(i).setEnabled(on);
    optGoaler.setEnabled(on);
    for (int i = 1; i <= 4; ++i) optPosition(i).setEnabled(on);
}

void frmEditPlayer::makeReadOnly() {
    setInputsEnabled(false);
    for (CommandButton* b : {&cmdSearch, &cmdNewPlayer, &cmdNewGoaler, &cmdErase}) {
        b->setEnabled(false);
        b->setVisible(false);
    }
    lstPlayer.setEnabled(false);
    chkEdit.setEnabled(false);
    chkEdit.setVisible(false);
}

// The display sets these boxes under EditGuard; the card edits nothing, so
// they have nothing to write at any time.
void frmEditPlayer::chkRookie_Click() {
    if (env_.state.EditGuard == True) return;
}

void frmEditPlayer::chkNoTrade_Click() {
    if (env_.state.EditGuard == True) return;
}

void frmEditPlayer::chkNoApplyRerate_Click() {
    if (env_.state.EditGuard == True) return;
}

void frmEditPlayer::optPosition_Click(int /*index*/) {
    if (env_.state.EditGuard == True) return;
}

void frmEditPlayer::cmdExit_Click() { Unload(); }

void frmEditPlayer::Form_Unload() {
    Hide();
    Form* back = nullptr;
    switch (env_.state.CallerCode) {
        case 2:
            if (auto* roster = dynamic_cast<frmRoster*>(FindLoadedWindow(forms(), "frmRoster"))) {
                // The roster shows the ratings of the player the card showed.
                roster->ShowStats();
                back = roster;
            }
            break;
        case 3:
            back = FindLoadedWindow(forms(), "frmFreeAgentClient");
            break;
        case 4:
            back = FindLoadedWindow(forms(), "frmDraft");
            break;
        default:
            break;
    }
    // The main window stands in for a caller that is gone, so the program
    // never sits without a window to close it from.
    if (!back) back = app_.mainWindow();
    if (back) back->Show();
}

}  // namespace dravik
