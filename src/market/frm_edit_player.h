#pragma once
// The player card: a read-only view of one skater or goalie record, opened
// from the roster, the free agents and the draft list once CurrentPlayerIndex,
// ShowGoalie and CallerCode are set, and handing back to the window
// CallerCode names when it closes. Opening it also makes a center of every
// skater in use who has no position, with one box for each.
//
// The window keeps the controls of an editing card (the "Allow Edition" group
// switch, search, new and erase buttons); the card hides them and ends every
// opening with all inputs disabled.

#include <cstdint>
#include <functional>  // before control_array.h, which uses it

#include "forms/control_array.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace dravik {

class ClientApp;
struct Env;

class frmEditPlayer : public Form {
public:
    frmEditPlayer(FormManager& forms, ClientApp& app);

    // The kind digit of the entry shown: 1..4 the skater's position, 5 a goalie.
    int16_t ShownKind() const { return ShownKind_; }

    ListBox lstPlayer{this, "lstPlayer"};
    // The captions beside the boxes, in layout order.
    ControlArray<Label> Label1{this, "Label1"};
    TextBox txtName{this, "txtName"};
    TextBox txtTeam{this, "txtTeam"};
    TextBox txtCountry{this, "txtCountry"};
    TextBox txtAge{this, "txtAge"};
    TextBox txtWeight{this, "txtWeight"};
    TextBox txtHeight{this, "txtHeight"};
    ControlArray<OptionButton> optPosition{this, "optPosition"};  // 1 C, 2 LW, 3 RW, 4 D
    OptionButton optGoaler{this, "optGoaler"};
    TextBox txtContract{this, "txtContract"};
    TextBox txtSalary{this, "txtSalary"};
    TextBox txtCondition{this, "txtCondition"};
    TextBox txtInjury{this, "txtInjury"};
    TextBox txtSuspension{this, "txtSuspension"};
    CheckBox chkRookie{this, "chkRookie"};
    CheckBox chkNoTrade{this, "chkNoTrade"};
    CheckBox chkNoApplyRerate{this, "chkNoApplyRerate"};

    Frame Frame1{this, "Frame1"};                            // "Stats"
    ControlArray<Label> lblStatLabel{this, "lblStatLabel"};  // 1..16
    ControlArray<TextBox> txtStats{this, "txtStats"};        // 1..16

    CheckBox chkEdit{this, "chkEdit"};
    CommandButton cmdSearch{this, "cmdSearch"};
    CommandButton cmdNewPlayer{this, "cmdNewPlayer"};
    CommandButton cmdNewGoaler{this, "cmdNewGoaler"};
    CommandButton cmdErase{this, "cmdErase"};
    CommandButton cmdExit{this, "cmdExit"};

private:
    void Form_Load() override;
    void Form_Unload() override;

    void lstPlayer_Click();
    void chkEdit_Click();
    void chkRookie_Click();
    void chkNoTrade_Click();
    void chkNoApplyRerate_Click();
    void optPosition_Click(int index);
    void cmdExit_Click();

    // The list steps of loading: the position repair, the skaters, the goalies.
    void listPlayers();
    // Display steps 5 to 9 for the entry's record.
    void showSkater();
    void showGoalie();
    // Every input the group switch governs, txtStats aside.
    void setInputsEnabled(bool enabled);
    void makeReadOnly();

    ClientApp& app_;
    Env& env_;
    int16_t ShownKind_ = 0;
};

}  // namespace dravik
