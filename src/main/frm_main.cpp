#include "main/frm_main.h"

#include <new>

#include "forms/form_manager.h"
#include "forms/metrics.h"
#include "league/env.h"
#include "league/files.h"
#include "league/password.h"
#include "league/shared.h"
#include "main/client_app.h"
#include "main/frm_about.h"
#include "main/ratings_export.h"
#include "platform/folders.h"
#include "platform/settings.h"
#include "rules/roster.h"

namespace dravik {

frmMain::frmMain(FormManager& forms, ClientApp& app) : Form(forms, "frmMain"), app_(app), env_(app.env()) {
    setCaption(ProductName);
    Move(0, 0, 8275, 6545);
    CentreOnScreen();

    lblConference(1).setCaption("No League File Load!");
    lblConference(1).Move(104, 105, 7600, 450);
    lblConference(2).setCaption("Conference Name");
    lblConference(2).Move(104, 2865, 7600, 450);
    lblConference(2).setVisible(false);

    // Three columns; divisions 1 to 3 under conference 1, 4 to 6 under 2.
    const int labelLeft[2][3] = {{315, 2955, 5640}, {315, 3000, 5640}};
    const int labelTop[2] = {615, 3360};
    const int listLeft[3] = {240, 2925, 5565};
    const int listTop[2] = {990, 3735};
    for (int d = 1; d <= 6; ++d) {
        const int row = (d - 1) / 3, column = (d - 1) % 3;
        Label& label = lblDivision(d);
        label.setCaption("Division Name");
        label.Move(labelLeft[row][column], labelTop[row], 2340, metrics::LabelHeight);
        label.setVisible(false);
        ListBox& list = lstDivision(d);
        list.setSorted(true);
        list.Move(listLeft[column], listTop[row], 2460, 1620);
        list.setVisible(false);
    }
    lblDate.setCaption("Client File Date : ");
    lblDate.Move(195, 5400, 5220, metrics::LabelHeight);

    mnuTeam.setEnabled(false);
    mnuFreeAgents.setVisible(false);
    mnuDraft.setVisible(false);
    mnuOutputRatingCSV.setVisible(false);
    mnuOutputRatingCSV.setEnabled(false);

    lstDivision.Click = [this](int index) { lstDivision_Click(index); };
    lstDivision.DblClick = [this](int index) { lstDivision_DblClick(index); };
    mnuOpen.Click = [this] { mnuOpen_Click(); };
    mnuExit.Click = [this] { mnuExit_Click(); };
    mnuViewTeam.Click = [this] { mnuViewTeam_Click(); };
    mnuSetRoster.Click = [this] { mnuSetRoster_Click(); };
    mnuSetLines.Click = [this] { mnuSetLines_Click(); };
    mnuSetFarmLines.Click = [this] { mnuSetFarmLines_Click(); };
    mnuFreeAgents.Click = [this] { mnuFreeAgents_Click(); };
    mnuDraft.Click = [this] { mnuDraft_Click(); };
    mnuAbout.Click = [this] { mnuAbout_Click(); };
    mnuOutputRatingCSV.Click = [this] { mnuOutputRatingCSV_Click(); };
}

void frmMain::Form_Load() {
    try {
        InitSharedState(env_.state, workFilePath(app_.programFolder()));
        setCaption(env_.state.WindowTitlePrefix);
        const std::string last = env_.settings.get("Settings", "LastLoadLeague", "");
        // A league file that has gone since is skipped without a word.
        if (!last.empty() && FileExists(last) == True) OpenLeagueClient(last);
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in FormLoad FrmMain!");
    }
}

void frmMain::PlaceTeam() {
    try {
        const LeagueInfo& info = env_.league.League;
        setCaption(env_.state.WindowTitlePrefix);
        for (int k = 1; k <= 2; ++k) {
            lblConference(k).setCaption(info.ConferenceNames[static_cast<std::size_t>(k - 1)].trimmed());
            lblConference(k).setVisible(true);
        }
        for (int d = 1; d <= 6; ++d) lstDivision(d).Clear();
        setHeight(6545);

        const bool six = info.DivisionCount == 6;
        setWidth(six ? 8275 : 5640);
        for (int d = 1; d <= 6; ++d) {
            if (!six && (d == 3 || d == 6)) continue;  // left as they are
            lblDivision(d).setCaption(info.Divisions[static_cast<std::size_t>(d - 1)].Name.trimmed());
            lblDivision(d).setVisible(true);
            lstDivision(d).setVisible(true);
        }

        // A team whose division is no list is left out, and told once, so
        // that the teams after it are still listed.
        bool badDivisionShown = false;
        for (int team = 1; team <= 100; ++team) {
            const TeamInfo& t = env_.league.Teams[team];
            if (t.InUse != True) continue;
            if (!lstDivision.exists(t.Division)) {
                if (!badDivisionShown)
                    ShowErrorBox(env_, RuntimeError(err::SubscriptOutOfRange), " in PlaceTeam!");
                badDivisionShown = true;
                continue;
            }
            ListBox& list = lstDivision(t.Division);
            list.AddItem(t.Name.trimmed());
            list.setItemData(list.NewIndex(), t.Number);
        }
        teamsPlaced_ = True;
        mnuTeam.setEnabled(true);
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in PlaceTeam!");
    }
}

void frmMain::lstDivision_Click(int index) {
    if (teamsPlaced_ != True) return;
    ListBox& list = lstDivision(index);
    if (list.ListIndex() < 0) return;
    env_.state.CurrentTeam = toInt16(list.ItemData(list.ListIndex()));
    // One selection across the six lists; the clicks this fires do nothing.
    teamsPlaced_ = False;
    for (int d = 1; d <= 6; ++d)
        if (d != index) lstDivision(d).setListIndex(-1);
    teamsPlaced_ = True;
}

void frmMain::lstDivision_DblClick(int index) {
    ListBox& list = lstDivision(index);
    if (list.ListIndex() < 0) return;
    env_.state.CurrentTeam = toInt16(list.ItemData(list.ListIndex()));
    if (!teamCommandAllowed()) return;
    if (app_.openers().teamSheet) app_.openers().teamSheet(*this);
}

bool frmMain::teamCommandAllowed() {
    const int16_t team = env_.state.CurrentTeam;
    // The number outlives a league; a team the league now loaded does not
    // hold counts as no choice, so no window opens on an empty record.
    if (team < 1 || team > 100 || env_.league.Teams[team].InUse != True) {
        MsgBox(env_, "No Team is Selected!", mb::OKOnly | mb::Information);
        return false;
    }
    return CheckPassword(env_, team) == True;
}

void frmMain::mnuViewTeam_Click() {
    if (!teamCommandAllowed()) return;
    if (app_.openers().teamSheet) app_.openers().teamSheet(*this);
}

void frmMain::mnuSetRoster_Click() {
    if (!teamCommandAllowed()) return;
    env_.state.CallerFormName = "Main";
    if (app_.openers().roster) app_.openers().roster(*this);
}

void frmMain::mnuSetLines_Click() {
    if (!teamCommandAllowed()) return;
    if (CheckRoster(env_, env_.state.CurrentTeam, False, True, False) != True) {
        MsgBox(env_, "Roster is not Complete!\r\nYou cannot make your lines if your roster is not done!",
               mb::OKOnly | mb::Exclamation);
        return;
    }
    env_.state.CallerFormName = "Main";
    if (app_.openers().proLines) app_.openers().proLines(*this);
}

void frmMain::mnuSetFarmLines_Click() {
    if (!teamCommandAllowed()) return;
    env_.state.CallerFormName = "Main";
    if (app_.openers().farmLines) app_.openers().farmLines(*this);
}

void frmMain::mnuFreeAgents_Click() {
    if (!teamCommandAllowed()) return;
    if (app_.openers().freeAgents) app_.openers().freeAgents(*this);
}

void frmMain::mnuDraft_Click() {
    if (!teamCommandAllowed()) return;
    if (app_.openers().draftList) app_.openers().draftList(*this);
}

void frmMain::mnuOpen_Click() {
    try {
        dlgCommon.setFileName("");
        dlgCommon.setCancelError(true);
        dlgCommon.setInitDir(app_.programFolder());
        dlgCommon.setFlags(4);
        dlgCommon.setFilter("ZELT Client File (*.zcl) |*.zcl|All Files (*.*) | *.*");
        dlgCommon.ShowOpen();
        OpenLeagueClient(dlgCommon.FileName());
    } catch (const RuntimeError& e) {
        if (e.number() == err::CancelSelected) return;
        ShowErrorBox(env_, e, " in mnuOpen!");
    }
}

// Closing the main window ends the program, with every other window.
void frmMain::mnuExit_Click() { Unload(); }

void frmMain::mnuAbout_Click() { open<frmAbout>(app_); }

void frmMain::mnuOutputRatingCSV_Click() {
    if (MsgBox(env_, "Are you sure you want to output a Rating CSV file of your league?",
               mb::YesNo | mb::Question) != mb::Yes)
        return;
    try {
        WriteRatingsFiles(env_.league, app_.programFolder());
        MsgBox(env_, "Output done in " + RatingsFolderText(app_.programFolder()),
               mb::OKOnly | mb::Information);
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in mnuOutputRatingCSV!");
    } catch (const std::bad_alloc&) {
        ShowErrorBox(env_, RuntimeError(err::OutOfMemory), " in mnuOutputRatingCSV!");
    }
}

}  // namespace dravik
