#pragma once
// The lines windows' tests run on the team windows' client and league
// (team_client.h): team 7 with a legal pro roster and a complete pro day 1.
// These helpers open a lines window as its openers do and act in it as a
// user does.

#include <string>
#include <vector>

#include "lines/frm_farm_line.h"
#include "lines/frm_line.h"
#include "team_client.h"

namespace dravik::test {

// What a league load sets up beside the records: the placeholders of
// record 0 (unless the test made them) and the rating column counts.
void AsLoaded(TeamClient& c);

// After AsLoaded, opens the pro (farm = false) or farm lines window for team 7 through the
// main window's seam, CallerFormName "Main"; the window, or null when it
// closed itself.
LinesWindow* OpenLines(TeamClient& c, bool farm);

// The window open now, pro or farm.
LinesWindow* LinesOf(TeamClient& c, bool farm);

// The texts of a list, in order.
std::vector<std::string> Entries(const ListBox& list);

// Selects the entry with that text as a user does; false when there is none.
bool Select(TeamClient& c, LinesWindow& w, const std::string& text);

// Clicks element `index` of slot label `id` as a user does, turning to its
// page first.
bool ClickSlot(TeamClient& c, LinesWindow& w, int id, int index);

// Every slot label's caption in the order of SlotLabels, "name(index)=caption".
std::vector<std::string> SlotCaptions(LinesWindow& w);

// The pro or farm day of team 7.
DayLines& DayOf(TeamClient& c, bool farm, int day);

// Schedule entry `entry`: a pro and a farm game of teams 7 and 12 (team 7
// first when `first`), unplayed; the league then publishes next-day
// information.
ScheduleGame& AddGameOfTeam(LeagueData& l, int16_t entry, bool first);

}  // namespace dravik::test
