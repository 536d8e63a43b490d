#pragma once
// The lines window: one club's lines (pro or farm) of the current team for
// each of its next game days, one day shown at a time. frmLine and
// frmFarmLine are this window on ProClub and FarmClub; every handler is
// written once here and takes the club's differences from its LinesClub.
//
// Every control of both windows is laid out by the constructor with its
// caption and its enabled state at opening; each documented handler is a
// member named after its control and event, but for the 26 slot labels:
// they are made from the slot label table (slot_labels.h) and share one
// handler, slotClick, which takes the label's rule and word from it. The pro
// window adds only its partial automatic lines (frmLine).

#include <array>
#include <functional>  // before control_array.h, which uses it
#include <memory>
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

private:
    // The 26 slot labels, made from SlotLabels in its order: a control array
    // of elements 1..count each, a single label for the two goalies. They are
    // made here, after the unit headings, which is their place in the tab
    // order. Reached through slotLabel; a click on any of them is slotClick.
    struct SlotLabelControls {
        explicit SlotLabelControls(Form* form);
        std::array<std::unique_ptr<ControlArray<Label>>, SlotLabelCount> arrays;  // null for a goalie label
        std::array<std::unique_ptr<Label>, SlotLabelCount> singles;               // the goalie labels
    };
    SlotLabelControls slotLabels_{this};

public:
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
    // another day of the same club. The unused words (IsUnusedWord) stay the
    // target's own.
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

    bool teamTaken_ = false;
};

}  // namespace dravik
