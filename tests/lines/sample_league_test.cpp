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
    OpenLeagueCopy(c.app, leaguewriter::BuiltSampleLeaguePath());
    ASSERT_TRUE(c.dialogs.shown().empty());
    ASSERT_EQ(c.league().League.NoSamePlayerLines1And2, True);

    const int16_t team = 1;  // no password
    frmTeam* sheet = OpenFromMenu<frmTeam>(c.app, menu::ViewTeam, team);
    ASSERT_NE(sheet, nullptr);
    ASSERT_TRUE(c.click(sheet->cmdLines));
    frmLine* lines = c.window<frmLine>();
    ASSERT_NE(lines, nullptr);
    ASSERT_EQ(lines->lblComplete.Caption(), "Lines are Complete");

    const DayLines dayOne = c.league().Teams[team].ProLines[0];
    const std::string first = c.league().Players[dayOne.Slots[0]].Name.trimmed();
    const std::string second = c.league().Players[dayOne.Slots[1]].Name.trimmed();
    ASSERT_EQ(lines->slotLabel(lbl::NormalTrioC, 1).Caption(), first);

    ASSERT_TRUE(Select(c, *lines, second));
    ASSERT_TRUE(ClickSlot(c, *lines, lbl::NormalTrioC, 1));
    EXPECT_EQ(lines->slotLabel(lbl::NormalTrioC, 1).Caption(), second);
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

// The whole road of a day's lines: wiped, made automatically, the strategy
// changed, copied to day 2, saved; the file holds both days as shown.
TEST(LinesOnTheSampleLeague, AManagerRemakesDayOneCopiesItToDayTwoAndSaves) {
    TeamClient c;
    OpenLeagueCopy(c.app, leaguewriter::BuiltSampleLeaguePath());
    ASSERT_TRUE(c.dialogs.shown().empty());

    const int16_t team = 1;  // no password
    frmTeam* sheet = OpenFromMenu<frmTeam>(c.app, menu::ViewTeam, team);
    ASSERT_NE(sheet, nullptr);
    ASSERT_TRUE(c.click(sheet->cmdLines));
    frmLine* lines = c.window<frmLine>();
    ASSERT_NE(lines, nullptr);
    ASSERT_GE(lines->vscDay.Max(), 2);
    ASSERT_TRUE(lines->cmdCopy.Enabled());

    // Wiped, day 1 is incomplete: closing says so and the sheet cannot save.
    ASSERT_TRUE(c.click(lines->cmdWipeLines));
    EXPECT_EQ(c.dialogs.messages(), Texts{"Are you sure you want to wipe your lines?"});
    EXPECT_EQ(lines->lblComplete.Caption(), "Lines are Incomplete");
    c.dialogs.clear();
    ASSERT_TRUE(c.click(lines->cmdExit));
    EXPECT_EQ(c.dialogs.messages(), Texts{"Lines for Day #1 are Incomplete!"});
    EXPECT_TRUE(sheet->Visible());
    EXPECT_FALSE(sheet->cmdSaveToFile.Enabled());

    // Made again by the line maker.
    c.dialogs.clear();
    ASSERT_TRUE(c.click(sheet->cmdLines));
    lines = c.window<frmLine>();
    ASSERT_NE(lines, nullptr);
    ASSERT_TRUE(c.click(lines->cmdAutoLines));
    EXPECT_EQ(c.dialogs.messages(), Texts{"Auto Lines Function has been run successfully."});
    EXPECT_EQ(lines->lblComplete.Caption(), "Lines are Complete");

    // A more physical, less offensive style.
    ASSERT_TRUE(c.user.selectTab(lines->TabLine, 4));
    ASSERT_EQ(lines->lblPoint.Caption(), "0");
    ASSERT_TRUE(c.user.scroll(lines->hscStats(2), User::Scroll::SmallDown));
    ASSERT_TRUE(c.user.scroll(lines->hscStats(0), User::Scroll::SmallUp));
    const DayLines& dayOne = c.league().Teams[team].ProLines[0];
    EXPECT_EQ(dayOne.Slots[slot::Strategy], 2);
    EXPECT_EQ(dayOne.Slots[slot::Strategy + 2], 1);
    EXPECT_EQ(lines->lblPoint.Caption(), "0");
    const Texts shownOne = SlotCaptions(*lines);

    c.dialogs.clear();
    c.dialogs.answerInput("2");
    ASSERT_TRUE(c.click(lines->cmdCopy));
    EXPECT_EQ(c.dialogs.messages(), (Texts{"Are you want to you want to copy the lines from day 1 to day 2?",
                                           "Lines 1 was successfully copy to Lines 2."}));
    // Day 2 as the window shows it.
    ASSERT_TRUE(c.user.scroll(lines->vscDay, User::Scroll::SmallUp));
    ASSERT_EQ(lines->CurrentDay, 2);
    EXPECT_EQ(SlotCaptions(*lines), shownOne);
    EXPECT_EQ(lines->lblStatsPoint(0).Caption(), "2");
    EXPECT_EQ(lines->lblComplete.Caption(), "Lines are Complete");

    c.dialogs.clear();
    ASSERT_TRUE(c.click(lines->cmdExit));
    EXPECT_TRUE(c.dialogs.shown().empty());
    EXPECT_TRUE(sheet->Visible());
    EXPECT_TRUE(sheet->cmdSaveToFile.Enabled());

    const DayLines one = c.league().Teams[team].ProLines[0];
    const DayLines two = c.league().Teams[team].ProLines[1];
    ASSERT_TRUE(c.click(sheet->cmdSaveToFile));
    ASSERT_EQ(c.dialogs.shown().size(), 1u);
    EXPECT_EQ(c.dialogs.shown()[0].prompt.rfind("Lines file for ", 0), 0u) << c.dialogs.shown()[0].prompt;
    const std::optional<std::string> path = TeamLinesPath(c.app.programFolder(), c.league().Teams[team]);
    ASSERT_TRUE(path && std::filesystem::exists(*path));

    c.league().Teams[team].ProLines[0] = DayLines{};
    c.league().Teams[team].ProLines[1] = DayLines{};
    ASSERT_EQ(LoadTeamLinesFile(c.env(), team, *path), LoadResult::Loaded);
    EXPECT_EQ(c.league().Teams[team].ProLines[0], one);
    EXPECT_EQ(c.league().Teams[team].ProLines[1], two);
    for (int w = 0; w < slot::Count; ++w)
        if (w != 46 && w != 47) {
            EXPECT_EQ(two.Slots[w], one.Slots[w]) << w;
        }
}

}  // namespace
}  // namespace dravik::test
