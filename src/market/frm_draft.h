#pragma once
// The draft list window: the current team's manager ranks candidates for the
// league's fantasy draft (players without a team) or entry draft (the draft
// names) in a list of up to 1001 entries and writes it to the draft list
// file. The list lives only in the window: closing the window drops it, a
// visit to the player card keeps it.

#include <functional>  // before control_array.h, which uses it
#include <string>

#include "forms/control_array.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "league/state.h"
#include "market/draft_file.h"

namespace dravik {

class ClientApp;
struct Env;

class frmDraft : public Form {
public:
    frmDraft(FormManager& forms, ClientApp& app);

    // The list in the manager's order: entries fill slots 0, 1, 2, ... with
    // no gap, so draft list entry k is slot k; no key twice.
    const DraftSlots& DraftList() const { return DraftList_; }
    // "Fantasy Draft", "Entry Draft" or empty; fixed at opening.
    const std::string& DraftMode() const { return DraftMode_; }

    Label lblPlayer{this, "lblPlayer"};  // "Players"
    ListBox lstPlayers{this, "lstPlayers"};
    Label Label1{this, "Label1"};  // "Show : "
    ControlArray<CheckBox> chkPosition{this, "chkPosition", {1, 2, 3, 4, 5}};
    CommandButton cmdChoose{this, "cmdChoose"};  // "-->"
    CommandButton cmdRemove{this, "cmdRemove"};  // "<--"
    CommandButton cmdUp{this, "cmdUp"};
    CommandButton cmdDown{this, "cmdDown"};
    ListBox lstDraftList{this, "lstDraftList"};
    Label lblTotal{this, "lblTotal"};
    Label lblTeam{this, "lblTeam"};
    CommandButton cmdSearch{this, "cmdSearch"};
    CommandButton cmdSaveToFile{this, "cmdSaveToFile"};
    CommandButton cmdExit{this, "cmdExit"};

private:
    void Form_Load() override;
    void Form_Unload() override;
    void ShowPlayer();
    void PlaceOffer();
    void chkPosition_Click(int index);
    void cmdChoose_Click();
    void cmdRemove_Click();
    void cmdUp_Click();
    void cmdDown_Click();
    void move(CommandButton& pressed, int step, const char* closing);
    void cmdSearch_Click();
    void cmdSaveToFile_Click();
    void lstPlayers_DblClick();
    void lstDraftList_DblClick();
    void openCard(int32_t key);
    int entries() const;

    ClientApp& app_;
    Env& env_;
    DraftSlots DraftList_{};
    std::string DraftMode_;
};

// Points the main window's draft list opener at this window.
void InstallDraftList(ClientApp& app);

// The window's text for a key: a skater's trimmed name and " (" position
// ")", a goalie's with "G", an entry-draft name trimmed alone.
std::string DraftEntryText(const LeagueData& league, const ProgramState& state, int32_t key);

}  // namespace dravik
