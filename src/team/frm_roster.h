#pragma once
// The roster window: every skater and goalie of the current team in three
// lists (farm, pro scratches, dressed pro players), the ratings of the one
// selected, and the commands that move players between the lists, name the
// captain and assistants, and mark protected and trade-available players.
// Every change is made in the league records at once; nothing is saved here.

#include <array>
#include <cstdint>
#include <functional>  // before control_array.h, which uses it
#include <string>

#include "forms/control_array.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "league/records.h"

namespace dravik {

class ClientApp;
struct Env;

class frmRoster : public Form {
public:
    frmRoster(FormManager& forms, ClientApp& app);

    // Refills the three lists and their counters from the records, promoting
    // farm players who break the farm limits. Unless booSkipCheck is -1 it
    // then runs the roster check (refilling once more when the check moved
    // anyone), shows whether the roster is complete and the protected total,
    // and warns about too many protected players.
    void ShowPlayer(Flag& booSkipCheck);
    // Shows the ratings of the player CurrentPlayerIndex and ShowGoalie name,
    // keeps his overall, and sets the protected tick and the role buttons
    // for him; the player card calls it when it hands back to the roster.
    void ShowStats();

    // [0] farm, [1] scratches, [2] dressed, [3] healthy pro-roster players;
    // they ignore the position filter.
    const std::array<int16_t, 4>& RosterCount() const { return rosterCount_; }
    // The overall of the player ShowStats showed last.
    int16_t ShownOverall() const { return shownOverall_; }

    Label lblTeamName{this, "lblTeamName"};
    // Index = roster status: 0 farm, 1 scratches, 2 dressed.
    ControlArray<ListBox> lstPlayer{this, "lstPlayer", {0, 1, 2}};
    ControlArray<Label> lblPlayer{this, "lblPlayer", {0, 1, 2}};
    Label Label1{this, "Label1"};
    // Index = position code.
    ControlArray<CheckBox> chkPosition{this, "chkPosition", {1, 2, 3, 4, 5}};

    CommandButton cmdToScratchesFromFarm{this, "cmdToScratchesFromFarm"};
    CommandButton cmdToFarm{this, "cmdToFarm"};
    CommandButton cmdToPro{this, "cmdToPro"};
    CommandButton cmdToScratchesFromPro{this, "cmdToScratchesFromPro"};
    CommandButton cmdCaptain{this, "cmdCaptain"};
    CommandButton cmdAssistant{this, "cmdAssistant"};
    CommandButton cmdTradeAvailable{this, "cmdTradeAvailable"};
    CheckBox chkProtected{this, "chkProtected"};
    Label lblProtectedTotal{this, "lblProtectedTotal"};
    CommandButton cmdAutoRoster{this, "cmdAutoRoster"};
    CommandButton cmdAutoRosterPartial{this, "cmdAutoRosterPartial"};
    Label lblComplete{this, "lblComplete"};

    // The ratings panel: pair 0 is the position, pairs 1.. the rating
    // columns and the overall.
    Frame Frame1{this, "Frame1"};
    ControlArray<Label> lblStatLabel{this, "lblStatLabel"};
    ControlArray<Label> lblStat{this, "lblStat"};

    CommandButton cmdExit{this, "cmdExit"};

private:
    void Form_Load() override;
    void Form_Unload() override;

    void chkPosition_Click(int index);
    void lstPlayer_Click(int index);
    void lstPlayer_DblClick(int index);
    void cmdToScratchesFromFarm_Click();
    void cmdToFarm_Click();
    void cmdToPro_Click();
    void cmdToScratchesFromPro_Click();
    void cmdCaptain_Click();
    void cmdAssistant_Click();
    void chkProtected_Click();
    void cmdTradeAvailable_Click();
    void cmdAutoRoster_Click();
    void cmdAutoRosterPartial_Click();

    void ResetRosterControls();
    void UpdateRosterCounts();
    // Moves one player from roster status source to target under the move
    // rules; -1 when he moved, 0 when the move was refused or declined.
    Flag Change(int16_t source, int16_t target, int16_t number, int16_t kind);

    // One of the four move buttons: walks the selected items of the source
    // list. `ownCheck` runs before each selected item: Go moves it, Skip
    // leaves it, Stop ends the walk.
    enum class Walk { Go, Skip, Stop };
    void moveSelected(int16_t source, int16_t target,
                      const std::function<Walk(int16_t number, int16_t kind)>& ownCheck);

    // The list text of a player: his trimmed name with his role and
    // trade-available marks.
    std::string itemText(int16_t number, int16_t kind) const;
    // The text without the trade mark, as the trade toggle writes it back.
    std::string unmarkedText(int16_t number, int16_t kind) const;
    // " (C)", " (A)" or nothing.
    const char* roleMark(int16_t skater) const;
    void showProtectedTotal();

    ClientApp& app_;
    Env& env_;
    std::array<int16_t, 4> rosterCount_{};
    int16_t shownOverall_ = 0;
    // Set when the silent check of a move put a player elsewhere than the
    // move did, so the walk ends with a refill.
    bool moveUndoneByCheck_ = false;
};

}  // namespace dravik
