#include "lines_client.h"

#include "league/leagueimage.h"
#include "leaguewriter/builder.h"
#include "lines/slot_labels.h"

namespace dravik::test {

void AsLoaded(TeamClient& c) {
    if (c.league().Players[0].InUse != True) MakePlaceholders(c.league());
    const bool full = c.league().League.ShowAllRatings == True;
    c.state().SkaterStatCount = full ? 15 : 7;
    c.state().GoalieStatCount = full ? 13 : 7;
}

LinesWindow* OpenLines(TeamClient& c, bool farm) {
    AsLoaded(c);
    RunMenu(c.app, farm ? menu::SetFarmLines : menu::SetLines, Team);
    return LinesOf(c, farm);
}

LinesWindow* LinesOf(TeamClient& c, bool farm) {
    if (farm) return c.window<frmFarmLine>();
    return c.window<frmLine>();
}

std::vector<std::string> Entries(const ListBox& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.ListCount(); ++i) out.push_back(list.List(i));
    return out;
}

bool Select(TeamClient& c, LinesWindow& w, const std::string& text) {
    for (int i = 0; i < w.lstPlayer.ListCount(); ++i)
        if (w.lstPlayer.List(i) == text) return c.user.selectItem(w.lstPlayer, i);
    return false;
}

bool ClickSlot(TeamClient& c, LinesWindow& w, int id, int index) {
    Label& l = w.slotLabel(id, index);
    if (l.Container() == &w.TabLine && w.TabLine.Tab() != l.ContainerTab())
        if (!c.user.selectTab(w.TabLine, l.ContainerTab())) return false;
    return c.user.click(l);
}

std::vector<std::string> SlotCaptions(LinesWindow& w) {
    std::vector<std::string> out;
    for (int id = 0; id < SlotLabelCount; ++id) {
        const SlotLabel& l = SlotLabels[id];
        const int first = l.count == 0 ? 0 : 1;
        for (int i = first; i <= l.count; ++i)
            out.push_back(std::string(l.name) + "(" + std::to_string(i) +
                          ")=" + w.slotLabel(id, i).Caption());
    }
    return out;
}

DayLines& DayOf(TeamClient& c, bool farm, int day) {
    TeamInfo& t = c.team();
    return farm ? t.Farm.Lines[day - 1] : t.ProLines[day - 1];
}

ScheduleGame& AddGameOfTeam(LeagueData& l, int16_t entry, bool first) {
    l.League.NextDayInfoAvailable = True;
    l.League.NextDayInfoDisabled = False;
    return first ? leaguewriter::AddGame(l, entry, Team, OtherTeam)
                 : leaguewriter::AddGame(l, entry, OtherTeam, Team);
}

}  // namespace dravik::test
