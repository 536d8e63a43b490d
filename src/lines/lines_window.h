#pragma once
// The lines window: one club's lines (pro or farm) of the current team for
// each of its next game days, one day shown at a time. frmLine and
// frmFarmLine are this window on ProClub and FarmClub; every handler is
// written once here and takes the club's differences from its LinesClub.
//
// Every control of both windows is laid out by the constructor with its
// caption and its enabled state at opening; each documented handler is a
// member named after its control and event. The pro window adds only its
// partial automatic lines (frmLine).

#include <array>
#include <functional>  // before control_array.h, which uses it
#include <string>

#include "forms/control_array.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "lines/lines_club.h"
#include "lines/slot_ids.h"

namespace dravik {

class ClientApp;
struct SlotLabel;

class LinesWindow : public Form {
public:
    // Runs after every change of the shown day's slots: shows whether the
    // day is complete and where the selected skater plays; the pro window
    // also enables the team sheet's Save to File once day 1 is complete.
    void Check();

    // Window state, fresh at every opening.
    int16_t CurrentDay = 0;
    std::array<int16_t, 11> GameOfDay{};      // [1..10]: the schedule entry of each day, 0 = none
    std::array<Flag, 11> IsFirstTeamOfDay{};  // [1..10]: -1 when the team is the entry's first team
    int16_t SelectedKind = 0;                 // kind digit of the last list selection
    int16_t PointsLeft = 0;
    Flag StrategyLoaded = 0;

    Label lblTeamName{this, "lblTeamName"};
    Label lblGame{this, "lblGame"};
    VScrollBar vscDay{this, "vscDay"};

    ListBox lstPlayer{this, "lstPlayer"};
    ControlArray<CheckBox> chkPosition{this, "chkPosition", {1, 2, 3, 4, 5}};

    TabControl TabLine{this, "TabLine"};
    // Unit headings: clicked for the unit's averages.
    ControlArray<Label> lblNormalTrio{this, "lblNormalTrio", {1, 2, 3, 4}};
    ControlArray<Label> lblPPTrio{this, "lblPPTrio", {1, 2}};
    ControlArray<Label> lbl44Trio{this, "lbl44Trio", {1, 2}};
    ControlArray<Label> lblPKTrio{this, "lblPKTrio", {1, 2}};
    ControlArray<Label> lblPK3Trio{this, "lblPK3Trio", {1, 2}};

    // The slot labels, in the order of SlotLabels.
    ControlArray<Label> lblNormalTrioC{this, "lblNormalTrioC", {1, 2, 3, 4}};
    ControlArray<Label> lblNormalTrioLW{this, "lblNormalTrioLW", {1, 2, 3, 4}};
    ControlArray<Label> lblNormalTrioRW{this, "lblNormalTrioRW", {1, 2, 3, 4}};
    ControlArray<Label> lblNormalTrioD1{this, "lblNormalTrioD1", {1, 2, 3, 4}};
    ControlArray<Label> lblNormalTrioD2{this, "lblNormalTrioD2", {1, 2, 3, 4}};
    ControlArray<Label> lblPPTrioC{this, "lblPPTrioC", {1, 2}};
    ControlArray<Label> lblPPTrioLW{this, "lblPPTrioLW", {1, 2}};
    ControlArray<Label> lblPPTrioRW{this, "lblPPTrioRW", {1, 2}};
    ControlArray<Label> lblPPDuoD1{this, "lblPPDuoD1", {1, 2}};
    ControlArray<Label> lblPPDuoD2{this, "lblPPDuoD2", {1, 2}};
    ControlArray<Label> lblPKTrioC{this, "lblPKTrioC", {1, 2}};
    ControlArray<Label> lblPKTrioW{this, "lblPKTrioW", {1, 2}};
    ControlArray<Label> lblPKDuoD1{this, "lblPKDuoD1", {1, 2}};
    ControlArray<Label> lblPKDuoD2{this, "lblPKDuoD2", {1, 2}};
    ControlArray<Label> lbl44TrioC{this, "lbl44TrioC", {1, 2}};
    ControlArray<Label> lbl44TrioW{this, "lbl44TrioW", {1, 2}};
    ControlArray<Label> lbl44DuoD1{this, "lbl44DuoD1", {1, 2}};
    ControlArray<Label> lbl44DuoD2{this, "lbl44DuoD2", {1, 2}};
    ControlArray<Label> lblPK3TrioC{this, "lblPK3TrioC", {1, 2}};
    ControlArray<Label> lblPK3DuoD1{this, "lblPK3DuoD1", {1, 2}};
    ControlArray<Label> lblPK3DuoD2{this, "lblPK3DuoD2", {1, 2}};
    Label lblStartGoaler{this, "lblStartGoaler"};
    Label lblBackupGoaler{this, "lblBackupGoaler"};
    ControlArray<Label> lblExtraForward{this, "lblExtraForward", {1, 2, 3, 4, 5}};
    ControlArray<Label> lblExtraDefense{this, "lblExtraDefense", {1, 2, 3, 4, 5}};
    ControlArray<Label> lblPenaltyShot{this, "lblPenaltyShot", {1, 2, 3, 4, 5}};

    // The strategy page.
    Label lblPointLeft{this, "lblPointLeft"};
    Label lblPoint{this, "lblPoint"};
    ControlArray<Label> lblStats{this, "lblStats", {0, 1, 2}};
    ControlArray<Label> lblStatsPoint{this, "lblStatsPoint", {0, 1, 2}};
    ControlArray<HScrollBar> hscStats{this, "hscStats", {0, 1, 2}};
    TextBox txtPullGoalerMinGoal{this, "txtPullGoalerMinGoal"};
    TextBox txtPullGoalerMinPct{this, "txtPullGoalerMinPct"};

    // The ratings panel: captions above values, pair 0 the position.
    Frame frmStat{this, "frmStat"};
    ControlArray<Label> lblStatLabel{this, "lblStatLabel"};
    ControlArray<Label> lblStat{this, "lblStat"};
    Label lblPlaying{this, "lblPlaying"};
    Label lblComplete{this, "lblComplete"};

    CommandButton cmdAutoLines{this, "cmdAutoLines"};
    CommandButton cmdCopy{this, "cmdCopy"};
    CommandButton cmdCopyAll{this, "cmdCopyAll"};
    CommandButton cmdWipeLines{this, "cmdWipeLines"};
    CommandButton cmdDebug{this, "cmdDebug"};
    CommandButton cmdExit{this, "cmdExit"};

    // Fixed captions: section and position captions, the strategy and
    // pull-goalie captions, the caption beside lblPlaying.
    ControlArray<Label> Label1{this, "Label1"};

    // Element `index` of slot label `id` (0 for the two goalie labels).
    Label& slotLabel(int id, int index);

    // The slot handlers, one per label.
    void lblNormalTrioC_Click(int index) { slotClick(lbl::NormalTrioC, index); }
    void lblNormalTrioLW_Click(int index) { slotClick(lbl::NormalTrioLW, index); }
    void lblNormalTrioRW_Click(int index) { slotClick(lbl::NormalTrioRW, index); }
    void lblNormalTrioD1_Click(int index) { slotClick(lbl::NormalTrioD1, index); }
    void lblNormalTrioD2_Click(int index) { slotClick(lbl::NormalTrioD2, index); }
    void lblPPTrioC_Click(int index) { slotClick(lbl::PPTrioC, index); }
    void lblPPTrioLW_Click(int index) { slotClick(lbl::PPTrioLW, index); }
    void lblPPTrioRW_Click(int index) { slotClick(lbl::PPTrioRW, index); }
    void lblPPDuoD1_Click(int index) { slotClick(lbl::PPDuoD1, index); }
    void lblPPDuoD2_Click(int index) { slotClick(lbl::PPDuoD2, index); }
    void lblPKTrioC_Click(int index) { slotClick(lbl::PKTrioC, index); }
    void lblPKTrioW_Click(int index) { slotClick(lbl::PKTrioW, index); }
    void lblPKDuoD1_Click(int index) { slotClick(lbl::PKDuoD1, index); }
    void lblPKDuoD2_Click(int index) { slotClick(lbl::PKDuoD2, index); }
    void lbl44TrioC_Click(int index) { slotClick(lbl::FourTrioC, index); }
    void lbl44TrioW_Click(int index) { slotClick(lbl::FourTrioW, index); }
    void lbl44DuoD1_Click(int index) { slotClick(lbl::FourDuoD1, index); }
    void lbl44DuoD2_Click(int index) { slotClick(lbl::FourDuoD2, index); }
    void lblPK3TrioC_Click(int index) { slotClick(lbl::PK3TrioC, index); }
    void lblPK3DuoD1_Click(int index) { slotClick(lbl::PK3DuoD1, index); }
    void lblPK3DuoD2_Click(int index) { slotClick(lbl::PK3DuoD2, index); }
    void lblStartGoaler_Click() { slotClick(lbl::StartGoaler, 0); }
    void lblBackupGoaler_Click() { slotClick(lbl::BackupGoaler, 0); }
    void lblExtraForward_Click(int index) { slotClick(lbl::ExtraForward, index); }
    void lblExtraDefense_Click(int index) { slotClick(lbl::ExtraDefense, index); }
    void lblPenaltyShot_Click(int index) { slotClick(lbl::PenaltyShot, index); }

    // The unit headings: the unit's averages in the ratings panel.
    void lblNormalTrio_Click(int index);
    void lblPPTrio_Click(int index);
    void lbl44Trio_Click(int index);
    void lblPKTrio_Click(int index);
    void lblPK3Trio_Click(int index);

    // The strategy page.
    void hscStats_Change(int index);
    void txtPullGoalerMinGoal_LostFocus();
    void txtPullGoalerMinPct_LostFocus();

    // Copies the shown day's lines, strategy and pull-goalie values into
    // another day of the same club. Words 46 and 47 stay the target's own.
    void Copy(int16_t day);

    // The commands on the whole shown day.
    void cmdCopy_Click();
    void cmdCopyAll_Click();
    void cmdWipeLines_Click();
    void cmdAutoLines_Click();
    void cmdDebug_Click();

protected:
    LinesWindow(FormManager& forms, ClientApp& app, std::string name, const LinesClub& club);

    const LinesClub& club_;
    ClientApp& app_;
    Env& env_;
    // The pro window's partial automatic lines button; null in the farm window.
    CommandButton* partialLine_ = nullptr;

    void Place();

private:
    void Form_Load() override;
    void Form_Unload() override;

    void vscDay_Change();
    void cmdExit_Click();
    void chkPosition_Click(int index);
    void lstPlayer_Click();
    void ShowPlayer();
    void slotClick(int id, int index);
    void headingClick(int heading, int index);
    void pullGoalieLostFocus(TextBox& box, int word);

    // The opening's steps after the team guard.
    void open();
    // Finds the club's next unplayed games; returns how many (0..10).
    int16_t findGameDays();
    bool takes(const SlotLabel& l) const;
    DayLines& shownDay();

    std::array<ControlArray<Label>*, SlotLabelCount> slotArrays_{};
    bool teamTaken_ = false;
};

}  // namespace dravik
