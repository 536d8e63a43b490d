#include "roster_client.h"

#include <gtest/gtest.h>

namespace dravik::test {

RosterClient::RosterClient() {
    InstallTeamWindows(app);
    EXPECT_TRUE(app.start());
}

void RosterClient::place() {
    CopyLeague(app.league(), *fx.league);
    ProgramState& s = app.state();
    s.PlayerStates = fx.state->PlayerStates;
    s.GoalieStates = fx.state->GoalieStates;
    s.ShowMessages = fx.state->ShowMessages;
    const bool full = app.league().League.ShowAllRatings == True;
    s.SkaterStatCount = full ? 15 : 7;
    s.GoalieStatCount = full ? 13 : 7;
    s.WindowTitlePrefix = Prefix;
}

frmRoster* RosterClient::open() {
    place();
    return OpenFromMenu<frmRoster>(app, menu::SetRoster, Team);
}

frmRoster* RosterClient::openFromSheet() {
    place();
    frmTeam* sheet = OpenFromMenu<frmTeam>(app, menu::ViewTeam, Team);
    if (!sheet || !user.click(sheet->CmdRoster)) return nullptr;
    return roster();
}

int RosterClient::findKey(int list, int32_t key) {
    ListBox& l = roster()->lstPlayer(list);
    for (int i = 0; i < l.ListCount(); ++i)
        if (l.ItemData(i) == key) return i;
    return -1;
}

int RosterClient::listOf(int32_t key) {
    for (int list = 0; list < 3; ++list)
        if (findKey(list, key) >= 0) return list;
    return -1;
}

void RosterClient::select(int list, const std::vector<int32_t>& keys) {
    ListBox& l = roster()->lstPlayer(list);
    bool first = true;
    for (int32_t key : keys) {
        const int at = findKey(list, key);
        EXPECT_GE(at, 0) << "key " << key << " not in list " << list;
        user.selectItem(l, at, first ? User::Keys::None : User::Keys::Ctrl);
        first = false;
    }
}

std::vector<std::string> RosterClient::texts(int list) {
    std::vector<std::string> out;
    ListBox& l = roster()->lstPlayer(list);
    for (int i = 0; i < l.ListCount(); ++i) out.push_back(l.List(i));
    return out;
}

std::vector<int32_t> RosterClient::keys(int list) {
    std::vector<int32_t> out;
    ListBox& l = roster()->lstPlayer(list);
    for (int i = 0; i < l.ListCount(); ++i) out.push_back(l.ItemData(i));
    return out;
}

}  // namespace dravik::test
