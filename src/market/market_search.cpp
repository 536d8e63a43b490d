#include "market/market_search.h"

#include <string>

#include "forms/controls.h"

namespace dravik {

int FindListEntry(const ListBox& list, std::string_view part) {
    for (int i = 0; i < list.ListCount(); ++i)
        if (list.List(i).find(part) != std::string::npos) return i;
    return -1;
}

void SearchPlayer(Env& env, ListBox& list) {
    const std::string answer =
        env.dialogs.inputBox("Complete or Part of the Player Name?", "Player Search", "", false);
    const int found = FindListEntry(list, answer);
    if (found < 0) {
        MsgBox(env, "Player not found!", mb::OKOnly | mb::Information);
        return;
    }
    list.setListIndex(found);
}

}  // namespace dravik
