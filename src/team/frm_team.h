#pragma once
// The team sheet: one team's identity and finance summary, the hub from
// which its manager reaches the roster, the lines editors and the tickets
// window, and where the team lines file is written and read back. Only the
// e-mail address and the messenger id can be edited here.

#include <functional>  // before control_array.h, which uses it

#include "forms/control_array.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace dravik {

class ClientApp;
class Formats;
struct Env;
struct TeamInfo;

class frmTeam : public Form {
public:
    frmTeam(FormManager& forms, ClientApp& app);

    // The finance block and the two payroll labels, recomputed for the
    // current team. An amount that leaves its width is an overflow: its box
    // is shown and the labels not reached keep what they held.
    void UpdateFinance();
    // Fills every field again from the league, as opening the sheet does.
    void ReloadForm();

    // Captions, in layout order: the pro block 0..11, the farm block 12..16,
    // the finance block 17..25.
    ControlArray<Label> Label1{this, "Label1"};

    TextBox txtTeamName{this, "txtTeamName"};
    Label lblDivision{this, "lblDivision"};
    Label lblConference{this, "lblConference"};
    TextBox txtAbbre{this, "txtAbbre"};
    Label lblProPayRoll{this, "lblProPayRoll"};
    TextBox txtProMorale{this, "txtProMorale"};
    TextBox txtGm{this, "txtGm"};
    TextBox txtEmail{this, "txtEmail"};
    TextBox txtMessenger{this, "txtMessenger"};
    TextBox txtCity{this, "txtCity"};
    Label lblCoach{this, "lblCoach"};
    Label lblLoadLine{this, "lblLoadLine"};

    Frame Frame1{this, "Frame1"};  // "Farm Team :"
    TextBox txtFarmTeamName{this, "txtFarmTeamName"};
    TextBox txtFarmAbbre{this, "txtFarmAbbre"};
    Label lblFarmPayRoll{this, "lblFarmPayRoll"};
    TextBox txtFarmMorale{this, "txtFarmMorale"};
    Label lblFarmCoach{this, "lblFarmCoach"};

    Label lblFinance{this, "lblFinance"};
    Label lblHGLeft{this, "lblHGLeft"};
    Label lblAverageAttendance{this, "lblAverageAttendance"};
    Label lblAverageIncome{this, "lblAverageIncome"};
    Label lblEstimatedRevenue{this, "lblEstimatedRevenue"};
    Label lblGameLeft{this, "lblGameLeft"};
    Label lblExpensesPerGame{this, "lblExpensesPerGame"};
    Label lblEstimatedSeasonExpense{this, "lblEstimatedSeasonExpense"};
    Label lblEstimatedBankAccount{this, "lblEstimatedBankAccount"};

    CommandButton CmdRoster{this, "CmdRoster"};
    CommandButton cmdLines{this, "cmdLines"};
    CommandButton cmdFarmLines{this, "cmdFarmLines"};
    CommandButton cmdTicketArena{this, "cmdTicketArena"};
    CommandButton cmdSaveToFile{this, "cmdSaveToFile"};
    CommandButton cmdLoadFile{this, "cmdLoadFile"};
    CommandButton cmdExit{this, "cmdExit"};

private:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;

    void CmdRoster_Click();
    void cmdLines_Click();
    void cmdFarmLines_Click();
    void cmdTicketArena_Click();
    void cmdSaveToFile_Click();
    void cmdLoadFile_Click();
    void txtEmail_LostFocus();
    void txtMessenger_LostFocus();

    // The load steps after centring the window.
    void fill();
    TeamInfo& team() const;

    ClientApp& app_;
    Env& env_;
    const Formats& formats_;
};

// Points the main window's team sheet and roster openers, and the player
// card opener until the market windows fill it, at this layer's windows.
void InstallTeamWindows(ClientApp& app);

}  // namespace dravik
