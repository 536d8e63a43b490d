#include "team_client.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "lines/install_lines.h"

namespace dravik::test {

TeamClient::TeamClient(const std::function<void(LeagueData&)>& change) {
    InstallTeamWindows(app);
    InstallLinesWindows(app);
    EXPECT_TRUE(app.start());
    pro = BuildTeamLeague(app.league());
    if (change) change(app.league());
    state().WindowTitlePrefix = std::string(ProductName) + " - Halden.zcl";
    main().PlaceTeam();
}

frmTeam* TeamClient::openSheet() {
    ListBox& list = main().lstDivision(team().Division);
    for (int i = 0; i < list.ListCount(); ++i)
        if (list.ItemData(i) == Team) user.doubleClickItem(list, i);
    return window<frmTeam>();
}

frmTeam* TeamClient::openSheetThroughSeam() { return OpenFromMenu<frmTeam>(app, menu::ViewTeam, Team); }

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace dravik::test
