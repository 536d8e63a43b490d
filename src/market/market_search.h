#pragma once
// "Search Player" of the free-agent and draft list windows: one procedure
// for both candidate lists.

#include <string_view>

#include "league/env.h"

namespace dravik {

class ListBox;

// The first entry, in list order, whose whole text (name, position and mark)
// holds `part`, upper and lower case told apart; -1 when none does. Every
// entry holds the empty text.
int FindListEntry(const ListBox& list, std::string_view part);

// Asks "Complete or Part of the Player Name?" (titled "Player Search") and
// selects the entry found, which shows it as a click does; when none holds
// the answer, "Player not found!" and the selection stays. A cancelled box
// answers the empty text. Errors are left to the window's handler.
void SearchPlayer(Env& env, ListBox& list);

}  // namespace dravik
