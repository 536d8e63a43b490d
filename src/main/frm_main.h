#pragma once
// The main window: the loaded league's conferences and division lists, the
// menus, and the client league file reader. It is the program's start
// window and the hub every other window returns to; closing it ends the
// program.

#include <functional>  // before control_array.h, which uses it
#include <string>

#include "forms/common_dialog.h"
#include "forms/control_array.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/menu.h"
#include "league/records.h"

namespace dravik {

class ClientApp;
struct Env;

class frmMain : public Form {
public:
    frmMain(FormManager& forms, ClientApp& app);

    // Reads a client league file and sets the window up for it. A file that
    // cannot be read leaves the league, the window and "LastLoadLeague" as
    // they were; the user sees why in one message.
    void OpenLeagueClient(const std::string& strFile);
    // Conference and division captions and the six team lists, from the
    // loaded league.
    void PlaceTeam();

    // Everything that follows reading a league: setUpForSettings, then the
    // roster flags of every skater and goalie from their records.
    // OpenLeagueClient calls it once the records are in place.
    void setUpForLeague(const std::string& strFile, const std::string& titlePrefix);
    // What follows from the league's settings and teams: the caption, the
    // lists, the menus the season allows, the rating column counts, the date,
    // the placeholders and the league's defaults. A program that changed
    // records in memory calls it (and copies the flags of the people it
    // changed) to stand where an open of those records would.
    void setUpForSettings(const std::string& strFile, const std::string& titlePrefix);

    // -1 once PlaceTeam has filled the lists; the list click acts only then.
    Flag TeamsPlaced() const { return teamsPlaced_; }

    ControlArray<Label> lblConference{this, "lblConference", {1, 2}};
    ControlArray<Label> lblDivision{this, "lblDivision", {1, 2, 3, 4, 5, 6}};
    ControlArray<ListBox> lstDivision{this, "lstDivision", {1, 2, 3, 4, 5, 6}};
    Label lblDate{this, "lblDate"};
    CommonDialog dlgCommon{this, "dlgCommon"};

    MenuItem mnuFile{this, "mnuFile", "&File"};
    MenuItem mnuOpen{mnuFile, "mnuOpen", "&Open ...", 'O'};
    MenuItem mnuExit{mnuFile, "mnuExit", "E&xit", 'Q'};
    MenuItem mnuTeam{this, "mnuTeam", "&Team"};
    MenuItem mnuViewTeam{mnuTeam, "mnuViewTeam", "&View Team", 'T'};
    MenuItem mnuSetRoster{mnuTeam, "mnuSetRoster", "Set &Roster", 'R'};
    MenuItem mnuSetLines{mnuTeam, "mnuSetLines", "Set &Lines", 'L'};
    MenuItem mnuSetFarmLines{mnuTeam, "mnuSetFarmLines", "Set &Farm Lines", 'F'};
    MenuItem mnuFreeAgents{mnuTeam, "mnuFreeAgents", "&Free Agents"};
    MenuItem mnuDraft{mnuTeam, "mnuDraft", "&Draft List"};
    MenuItem mnuHelp{this, "mnuHelp", "&Help"};
    MenuItem mnuAbout{mnuHelp, "mnuAbout", "&About"};
    MenuItem mnuOutputRatingCSV{mnuHelp, "mnuOutputRatingCSV", "Output Ratings CSV"};

private:
    void Form_Load() override;

    void lstDivision_Click(int index);
    void lstDivision_DblClick(int index);
    void mnuOpen_Click();
    void mnuExit_Click();
    void mnuViewTeam_Click();
    void mnuSetRoster_Click();
    void mnuSetLines_Click();
    void mnuSetFarmLines_Click();
    void mnuFreeAgents_Click();
    void mnuDraft_Click();
    void mnuAbout_Click();
    void mnuOutputRatingCSV_Click();

    // The gates of every team command: a team chosen that the loaded league
    // holds ("No Team is Selected!" otherwise), then its password.
    bool teamCommandAllowed();
    // Menus, caption and date label for the league just read (the reader's
    // steps once the new league is in place).

    ClientApp& app_;
    Env& env_;
    Flag teamsPlaced_ = False;
};

}  // namespace dravik
