// A manager on the sample league (its day 1 complete, the same player
// forbidden on lines 1 and 2) builds his line 1 by hand from the team
// sheet, comes back and saves: the file holds day 1 as the window showed it.

#include <gtest/gtest.h>

#include <filesystem>

#include "leaguewriter/sample.h"
#include "lines/slot_labels.h"
#include "support/lines_client.h"
#include "team/lines_file.h"

namespace dravik::test {
namespace {

using Texts = std::vector<std::string>;

TEST(LinesOnTheSampleLeague, AManagerSwapsHisFirstCentreAndSavesDayOneAsShown) {
    TeamClient c;
    const std::string league = c.file("Sample League.zcl");
    std::filesystem::copy_file(leaguewriter::BuiltSampleLeaguePath(), league);
    c.app.forms().run(c.main(), "mnuOpen", "Click", [&] { c.main().OpenLeagueClient(league); });
    ASSERT_TRUE(c.dialogs.shown().empty());
    ASSERT_EQ(c.league().League.NoSamePlayerLines1And2, True);

    const int16_t team = 1;  // no password
    c.state().CurrentTeam = team;
    c.app.forms().run(c.main(), "lstDivision", "DblClick", [&] { c.app.openers().teamSheet(c.main()); });
    frmTeam* sheet = c.window<frmTeam>();
    ASSERT_NE(sheet, nullptr);
    ASSERT_TRUE(c.click(sheet->cmdLines));
    frmLine* lines = c.window<frmLine>();
    ASSERT_NE(lines, nullptr);
    ASSERT_EQ(lines->lblComplete.Caption(), "Lines are Complete");

    const DayLines dayOne = c.league().Teams[team].ProLines[0];
    const std::string first = c.league().Players[dayOne.Slots[0]].Name.trimmed();
    const std::string second = c.league().Players[dayOne.Slots[1]].Name.trimmed();
    ASSERT_EQ(lines->lblNormalTrioC(1).Caption(), first);

    ASSERT_TRUE(Select(c, *lines, second));
    ASSERT_TRUE(ClickSlot(c, *lines, lbl::NormalTrioC, 1));
    EXPECT_EQ(lines->lblNormalTrioC(1).Caption(), second);
    EXPECT_EQ(lines->lblComplete.Caption(), "Lines are Incomplete");
    ASSERT_TRUE(Select(c, *lines, first));
    ASSERT_TRUE(ClickSlot(c, *lines, lbl::NormalTrioC, 1));
    EXPECT_EQ(lines->lblComplete.Caption(), "Lines are Complete");
    const Texts shown = SlotCaptions(*lines);

    ASSERT_TRUE(c.click(lines->cmdExit));
    EXPECT_TRUE(c.dialogs.shown().empty());
    EXPECT_TRUE(sheet->Visible());
    EXPECT_TRUE(sheet->cmdSaveToFile.Enabled());

    // The farm window opens on the same team and hands back to the sheet.
    ASSERT_TRUE(c.click(sheet->cmdFarmLines));
    ASSERT_NE(c.window<frmFarmLine>(), nullptr);
    EXPECT_EQ(c.window<frmFarmLine>()->lblTeamName.Caption(),
              "Lines for " + c.league().Teams[team].Farm.Name.trimmed() + " ");
    ASSERT_TRUE(c.click(c.window<frmFarmLine>()->cmdExit));
    EXPECT_TRUE(sheet->Visible());
    EXPECT_TRUE(sheet->cmdSaveToFile.Enabled());
    c.dialogs.clear();

    ASSERT_TRUE(c.click(sheet->cmdSaveToFile));
    ASSERT_EQ(c.dialogs.shown().size(), 1u);
    EXPECT_EQ(c.dialogs.shown()[0].prompt.rfind("Lines file for ", 0), 0u) << c.dialogs.shown()[0].prompt;
    const std::optional<std::string> path = TeamLinesPath(c.app.programFolder(), c.league().Teams[team]);
    ASSERT_TRUE(path && std::filesystem::exists(*path));

    // Read back over an emptied day: the file brings day 1 back word for word.
    const DayLines saved = c.league().Teams[team].ProLines[0];
    EXPECT_EQ(saved, dayOne);
    c.league().Teams[team].ProLines[0] = DayLines{};
    ASSERT_EQ(LoadTeamLinesFile(c.env(), team, *path), LoadResult::Loaded);
    EXPECT_EQ(c.league().Teams[team].ProLines[0], saved);

    c.state().CallerFormName = "Team";
    ASSERT_TRUE(c.click(sheet->cmdLines));
    ASSERT_NE(c.window<frmLine>(), nullptr);
    EXPECT_EQ(SlotCaptions(*c.window<frmLine>()), shown);
}

}  // namespace
}  // namespace dravik::test
