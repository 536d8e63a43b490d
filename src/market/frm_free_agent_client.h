#pragma once
// The free-agent offers window: the current team's manager lists the
// league's free agents, reads each one's ratings, age, salary and status,
// and keeps one offer per person (salary, duration, bonus, comment) in
// FreeAgentOffers. Offers live in memory from one opening to the next;
// "Save to File" writes the made ones for the simulator and is where the
// league's offer limit is enforced. The window uses no EditGuard: a refused
// value returns the focus to its box straight away.

#include <functional>  // before control_array.h, which uses it

#include "forms/control_array.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "league/records.h"

namespace dravik {

class ClientApp;
class Formats;
struct Env;

class frmFreeAgentClient : public Form {
public:
    frmFreeAgentClient(FormManager& forms, ClientApp& app);

    // The key (person number) of the entry selected last; 0 until the first
    // selection, kept through a refill.
    int16_t SelectedOfferPlayer = 0;

    // In tab order.
    ListBox lstPlayers{this, "lstPlayers"};
    TextBox txtOffer{this, "txtOffer"};
    TextBox txtDuration{this, "txtDuration"};
    TextBox txtBonus{this, "txtBonus"};
    TextBox txtComment{this, "txtComment"};
    CommandButton cmdExit{this, "cmdExit"};
    CommandButton cmdSaveToFile{this, "cmdSaveToFile"};
    CommandButton cmdSearch{this, "cmdSearch"};
    TextBox txtAge{this, "txtAge"};
    TextBox txtSalary{this, "txtSalary"};
    Frame Frame1{this, "Frame1"};
    ControlArray<TextBox> txtStats{this, "txtStats"};
    CheckBox chkShowPlayerWithOffer{this, "chkShowPlayerWithOffer"};

    Label lblPlayer{this, "lblPlayer"};
    Label Label1{this, "Label1"};
    Label Label2{this, "Label2"};
    Label Label3{this, "Label3"};
    Label Label4{this, "Label4"};
    Label Label5{this, "Label5"};
    Label Label9{this, "Label9"};
    ControlArray<Label> lblStatLabel{this, "lblStatLabel"};
    Label lblStatus{this, "lblStatus"};
    Label lblTeam{this, "lblTeam"};
    Label lblMaxOffer{this, "lblMaxOffer"};
    Label lblInfo{this, "lblInfo"};

private:
    void Form_Load() override;
    void Form_Unload() override;

    void ShowPlayer();
    void chkShowPlayerWithOffer_Click() { ShowPlayer(); }
    void lstPlayers_Click();
    void lstPlayers_DblClick();
    void cmdSearch_Click();
    void cmdSaveToFile_Click();
    void txtOffer_LostFocus();
    void txtDuration_LostFocus();
    void txtBonus_LostFocus();
    void txtComment_LostFocus();

    // The offer the boxes show and store into, or null while none is open.
    FreeAgentOffer* openOffer() const;
    void showRatings(int16_t key);
    void setOfferBoxesEnabled(bool enabled);

    ClientApp& app_;
    Env& env_;
    const Formats& formats_;
};

// Points the main window's free-agent opener at this window.
void InstallFreeAgents(ClientApp& app);

}  // namespace dravik
