#include "market/frm_draft.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "forms/form_manager.h"
#include "forms/metrics.h"
#include "league/env.h"
#include "league/files.h"
#include "main/client_app.h"
#include "main/frm_main.h"
#include "main/hand_over.h"
#include "market/market_file.h"
#include "market/market_search.h"
#include "team/lines_file.h"

namespace dravik {

namespace {

using metrics::BoxHeight, metrics::ButtonHeight, metrics::LabelDrop, metrics::LabelHeight,
    metrics::WideMargin;

constexpr int DraftNameBase = 20000;

}  // namespace

std::string DraftEntryText(const LeagueData& league, const ProgramState& state, int32_t key) {
    if (key > DraftNameBase) return league.DraftNameList[key - DraftNameBase].trimmed();
    const PersonRecord r = RecordOfPerson(key);
    if (r.goalie) return league.Goalies[r.number].Name.trimmed() + " (" + state.PositionNames[5] + ")";
    const PlayerInfo& p = league.Players[r.number];
    return p.Name.trimmed() + " (" + state.PositionNames[p.Position] + ")";
}

frmDraft::frmDraft(FormManager& forms, ClientApp& app) : Form(forms, "frmDraft"), app_(app), env_(app.env()) {
    Move(0, 0, 9420, 7260);
    setCaption("Draft List");

    lblTeam.Move(WideMargin, 180, 8880, 285);
    lblPlayer.setCaption("Players");
    lblPlayer.Move(WideMargin, 600, 3600, LabelHeight);
    lstPlayers.setSorted(true);
    lstPlayers.Move(WideMargin, 900, 3600, 4500);
    const int filterTop = 5490;
    Label1.setCaption("Show : ");
    Label1.Move(WideMargin, filterTop + LabelDrop, 720, LabelHeight);
    const char* filters[] = {"C", "LW", "RW", "DF", "G"};
    for (int i = 1; i <= 5; ++i) {
        chkPosition(i).setCaption(filters[i - 1]);
        chkPosition(i).Move(960 + (i - 1) * 600, filterTop, 585, BoxHeight);
        chkPosition(i).setValue(1);
    }

    const int buttonLeft = 4020, buttonWidth = 1215;
    cmdChoose.setCaption("-->");
    cmdChoose.Move(buttonLeft, 1500, buttonWidth, ButtonHeight);
    cmdRemove.setCaption("<--");
    cmdRemove.Move(buttonLeft, 2040, buttonWidth, ButtonHeight);
    cmdUp.setCaption("UP");
    cmdUp.Move(buttonLeft, 2880, buttonWidth, ButtonHeight);
    cmdDown.setCaption("Down");
    cmdDown.Move(buttonLeft, 3420, buttonWidth, ButtonHeight);
    for (CommandButton* b : {&cmdChoose, &cmdRemove, &cmdUp, &cmdDown}) b->setEnabled(false);

    lstDraftList.Move(5400, 900, 3720, 4500);
    lblTotal.setCaption("0 Players List");
    lblTotal.Move(5400, 600, 3720, LabelHeight);

    cmdSearch.setCaption("Search Player");
    cmdSearch.Move(WideMargin, 6060, 1815, ButtonHeight);
    cmdSaveToFile.setCaption("Save to File");
    cmdSaveToFile.Move(5400, 6060, 1815, ButtonHeight);
    cmdSaveToFile.setEnabled(false);
    cmdExit.setCaption("Exit");
    cmdExit.Move(7305, 6060, 1815, ButtonHeight);

    chkPosition.Click = [this](int index) { chkPosition_Click(index); };
    cmdChoose.Click = [this] { cmdChoose_Click(); };
    cmdRemove.Click = [this] { cmdRemove_Click(); };
    cmdUp.Click = [this] { cmdUp_Click(); };
    cmdDown.Click = [this] { cmdDown_Click(); };
    cmdSearch.Click = [this] { cmdSearch_Click(); };
    cmdSaveToFile.Click = [this] { cmdSaveToFile_Click(); };
    lstPlayers.DblClick = [this] { lstPlayers_DblClick(); };
    lstDraftList.DblClick = [this] { lstDraftList_DblClick(); };
    cmdExit.Click = [this] { Unload(); };
}

int frmDraft::entries() const {
    int n = 0;
    while (n < draftfile::Slots && DraftList_[static_cast<std::size_t>(n)] != 0) ++n;
    return n;
}

void frmDraft::Form_Load() {
    try {
        CentreOnScreen();
        if (!GuardCurrentTeam(env_, *this, OnBadTeam::StayOpen)) return;
        const int16_t team = env_.state.CurrentTeam;
        const LeagueInfo& info = env_.league.League;
        if (info.FantasyDraft == True) DraftMode_ = "Fantasy Draft";
        if (info.EntryDraft == True && info.EntryDraftBlocked == 0) DraftMode_ = "Entry Draft";
        setCaption(env_.state.WindowTitlePrefix + " - " + DraftMode_ + " Client");
        lblTeam.setCaption("Draft List For : " + env_.league.Teams[team].Name.raw());
        ShowPlayer();
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in FormLoad frmFantasyEntryDraftClient!");
    }
}

void frmDraft::ShowPlayer() {
    try {
        lstPlayers.Clear();
        const LeagueData& league = env_.league;
        const LeagueInfo& info = league.League;
        std::vector<ListEntry> fill;
        if (info.FantasyDraft == True) {
            for (int n = 1; n <= SkaterRecords; ++n) {
                const PlayerInfo& p = league.Players[n];
                if (p.InUse != True || p.Team != 0 || p.Position < 1 || p.Position > 4) continue;
                if (chkPosition(p.Position).Value() == 0) continue;
                fill.push_back({p.Name.trimmed() + " (" + env_.state.PositionNames[p.Position] + ")", p.Number});
            }
            if (chkPosition(5).Value() != 0)
                for (int g = 1; g <= GoalieRecords; ++g) {
                    const GoalieInfo& k = league.Goalies[g];
                    if (k.InUse != True || k.Team != 0) continue;
                    const int32_t key = GoaliePerson(k.Number);
                    fill.push_back({k.Name.trimmed() + " (" + env_.state.PositionNames[5] + ")", key});
                }
        }
        if (info.EntryDraft == True && info.EntryDraftBlocked == 0) {
            for (int i = 1; i <= 5; ++i) chkPosition(i).setEnabled(false);
            for (int i = 1; i <= 300; ++i)
                if (!StripBlanks(league.DraftNameList[i].raw()).empty())
                    fill.push_back({league.DraftNameList[i].trimmed(), DraftNameBase + i});
        }
        lstPlayers.AddItems(fill);
        cmdChoose.setEnabled(lstPlayers.ListCount() > 0);
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in Show Player!");
    }
}

void frmDraft::PlaceOffer() {
    try {
        lstDraftList.Clear();
        std::vector<ListEntry> fill;
        for (int s = 0; s < draftfile::Slots; ++s) {
            const int16_t key = DraftList_[static_cast<std::size_t>(s)];
            if (key != 0) fill.push_back({DraftEntryText(env_.league, env_.state, key), key});
        }
        lstDraftList.AddItems(fill);
        const int n = lstDraftList.ListCount();
        lblTotal.setCaption(std::to_string(n) + " Players List");
        for (CommandButton* b : {&cmdSaveToFile, &cmdUp, &cmdDown, &cmdRemove}) b->setEnabled(n > 0);
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in PlaceOffer!");
    }
}

void frmDraft::chkPosition_Click(int) { ShowPlayer(); }

void frmDraft::cmdChoose_Click() {
    try {
        const int at = lstPlayers.ListIndex();
        if (at < 0) {
            MsgBox(env_, "No Player Select!", mb::OKOnly | mb::Exclamation);
            return;
        }
        const int32_t data = lstPlayers.ItemData(at);
        if (data < INT16_MIN || data > INT16_MAX) raiseError(err::Overflow);
        const auto key = static_cast<int16_t>(data);
        bool held = false;
        for (int16_t k : DraftList_) held = held || k == key;
        const int n = entries();
        // A full list takes nothing more, without a word.
        if (!held && n < draftfile::Slots) DraftList_[static_cast<std::size_t>(n)] = key;
        PlaceOffer();
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in cmdChoose!");
    }
}

void frmDraft::cmdRemove_Click() {
    try {
        const int s = lstDraftList.ListIndex();
        if (s < 0) {
            MsgBox(env_, "No Player Select!", mb::OKOnly | mb::Exclamation);
            return;
        }
        for (int i = s; i < draftfile::Slots - 1; ++i)
            DraftList_[static_cast<std::size_t>(i)] = DraftList_[static_cast<std::size_t>(i + 1)];
        DraftList_[draftfile::Slots - 1] = 0;
        PlaceOffer();
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in cmdRemove!");
    }
}

void frmDraft::cmdUp_Click() { move(cmdUp, -1, " in cmdUp!"); }
void frmDraft::cmdDown_Click() { move(cmdDown, 1, " in cmdDown!"); }

void frmDraft::move(CommandButton& pressed, int step, const char* closing) {
    try {
        const int s = lstDraftList.ListIndex();
        if (s < 0) {
            MsgBox(env_, "No Player Select!", mb::OKOnly | mb::Exclamation);
            return;
        }
        const int to = s + step;
        if (to < 0 || to >= lstDraftList.ListCount()) {
            MsgBox(env_, "This player can be move!", mb::OKOnly | mb::Exclamation);
            return;
        }
        std::swap(DraftList_[static_cast<std::size_t>(s)], DraftList_[static_cast<std::size_t>(to)]);
        PlaceOffer();
        // Kept selected, with the focus on the button, so that pressing it
        // again moves the same entry on.
        lstDraftList.setListIndex(to);
        pressed.SetFocus();
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, closing);
    }
}

void frmDraft::cmdSearch_Click() {
    try {
        SearchPlayer(env_, lstPlayers);
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in cmdSearch!");
    }
}

void frmDraft::cmdSaveToFile_Click() {
    if (lstDraftList.ListCount() == 0) {
        MsgBox(env_, "Your list is empty!", mb::OKOnly | mb::Exclamation);
        return;
    }
    const int16_t team = env_.state.CurrentTeam;
    const MarketSave save = SaveMarketFile(env_, app_.programFolder(), team, DraftListFile, [&] {
        return MarketImage{MarketImage::Outcome::Write, BuildDraftListImage(env_.league.League, team, DraftList_)};
    });
    if (save.result != MarketSaveResult::Saved) return;
    MsgBox(env_,
           DraftMode_ + " File save for " + env_.league.Teams[team].Name.trimmed() + " succesfully at" + "\r\n" +
               PathText(save.target),
           mb::OKOnly | mb::Information);
}

void frmDraft::lstPlayers_DblClick() {
    const int at = lstPlayers.ListIndex();
    if (at >= 0) openCard(lstPlayers.ItemData(at));
}

void frmDraft::lstDraftList_DblClick() {
    const int at = lstDraftList.ListIndex();
    if (at >= 0 && at < draftfile::Slots) openCard(DraftList_[static_cast<std::size_t>(at)]);
}

void frmDraft::openCard(int32_t key) {
    // An entry-draft name asks the card for a goalie number no goalie has.
    ProgramState& s = env_.state;
    const PersonRecord r = RecordOfPerson(key);
    s.CurrentPlayerIndex = static_cast<int16_t>(r.number);
    s.ShowGoalie = r.goalie ? True : False;
    s.CallerCode = 4;
    if (app_.openers().playerCard) app_.openers().playerCard(*this);
}

void frmDraft::Form_Unload() {
    Hide();
    if (frmMain* main = app_.mainWindow()) main->Show();
}

void InstallDraftList(ClientApp& app) {
    app.openers().draftList = [&app](Form& opener) { opener.open<frmDraft>(app); };
}

}  // namespace dravik
