// Slot clicks: which word of the shown day each of the 26 slot labels
// writes, what each slot takes, and what a click shows.

#include <gtest/gtest.h>

#include "lines/slot_labels.h"
#include "support/lines_client.h"

namespace dravik::test {
namespace {

using Texts = std::vector<std::string>;

enum Rule { Skater, Goalie, ExtraForward, ExtraDefense };

// Every slot label of both windows: its elements 1..count (a single label:
// element 0) write words first.. in order.
struct MapRow {
    const char* label;
    int count;
    int first;
    Rule rule;
};
const MapRow SlotMap[] = {
    {"lblNormalTrioC", 4, 0, Skater},
    {"lblNormalTrioLW", 4, 4, Skater},
    {"lblNormalTrioRW", 4, 8, Skater},
    {"lblNormalTrioD1", 4, 12, Skater},
    {"lblNormalTrioD2", 4, 16, Skater},
    {"lblPPTrioC", 2, 20, Skater},
    {"lblPPTrioLW", 2, 22, Skater},
    {"lblPPTrioRW", 2, 24, Skater},
    {"lblPPDuoD1", 2, 26, Skater},
    {"lblPPDuoD2", 2, 28, Skater},
    {"lblPKTrioC", 2, 30, Skater},
    {"lblPKTrioW", 2, 32, Skater},
    {"lblPKDuoD1", 2, 34, Skater},
    {"lblPKDuoD2", 2, 36, Skater},
    {"lbl44TrioC", 2, 38, Skater},
    {"lbl44TrioW", 2, 40, Skater},
    {"lbl44DuoD1", 2, 42, Skater},
    {"lbl44DuoD2", 2, 44, Skater},
    {"lblPK3TrioC", 2, 48, Skater},
    {"lblPK3DuoD1", 2, 50, Skater},
    {"lblPK3DuoD2", 2, 52, Skater},
    {"lblStartGoaler", 0, 54, Goalie},
    {"lblBackupGoaler", 0, 55, Goalie},
    {"lblExtraForward", 5, 56, ExtraForward},
    {"lblExtraDefense", 5, 61, ExtraDefense},
    {"lblPenaltyShot", 5, 66, Skater},
};

Label* FindLabel(LinesWindow& w, const std::string& name, int index) {
    for (Control* c : w.tabOrder())
        if (c->Name() == name && c->Index() == (index == 0 ? -1 : index) && c->kind() == Control::Kind::Label)
            return static_cast<Label*>(c);
    return nullptr;
}

bool ClickLabel(TeamClient& c, LinesWindow& w, Label& l) {
    if (l.Container() == &w.TabLine && w.TabLine.Tab() != l.ContainerTab())
        if (!c.user.selectTab(w.TabLine, l.ContainerTab())) return false;
    return c.user.click(l);
}

// Clicking each element of each label, in the window, with a player its
// slot takes: exactly that word takes him; words 46 and 47 never change.
TEST(LinesSlots, EachLabelWritesItsOwnWordOfTheShownDay) {
    for (bool farm : {false, true}) {
        SCOPED_TRACE(farm);
        TeamClient c;
        DayOf(c, farm, 1) = DayLines{};
        DayOf(c, farm, 1).Slots[46] = 4646;
        DayOf(c, farm, 1).Slots[47] = 4747;
        if (farm) {  // the farm list offers farm players
            for (int n = 701; n <= 718; ++n) c.league().Players[n].RosterStatus = status::Farm;
            for (int n : {71, 72}) c.league().Goalies[n].RosterStatus = status::Farm;
        }
        LinesWindow* w = OpenLines(c, farm);
        ASSERT_NE(w, nullptr);
        std::vector<bool> written(slot::Count, false);
        for (const MapRow& row : SlotMap) {
            const char* who = row.rule == Goalie         ? "Goalie 71"
                              : row.rule == ExtraDefense ? "Skater 713"
                                                         : "Skater 701";
            const int16_t number = row.rule == Goalie ? 71 : row.rule == ExtraDefense ? 713 : 701;
            ASSERT_TRUE(Select(c, *w, who));
            for (int i = row.count == 0 ? 0 : 1; i <= row.count; ++i) {
                SCOPED_TRACE(std::string(row.label) + " " + std::to_string(i));
                const int word = row.first + (row.count == 0 ? 0 : i - 1);
                Label* l = FindLabel(*w, row.label, i);
                ASSERT_NE(l, nullptr);
                EXPECT_EQ(SlotLabelWord(SlotLabels[&row - SlotMap], i), word);
                DayLines expected = DayOf(c, farm, 1);
                expected.Slots[word] = number;
                ASSERT_TRUE(ClickLabel(c, *w, *l));
                EXPECT_EQ(DayOf(c, farm, 1), expected);
                EXPECT_EQ(l->Caption(), who);
                EXPECT_FALSE(written[word]);
                written[word] = true;
            }
        }
        for (int word = 0; word <= slot::LastPlayerSlot; ++word)
            EXPECT_EQ(written[word], word != 46 && word != 47) << word;
        EXPECT_EQ(DayOf(c, farm, 1).Slots[46], 4646);
        EXPECT_EQ(DayOf(c, farm, 1).Slots[47], 4747);
        EXPECT_TRUE(c.dialogs.shown().empty());
    }
}

// The table the window's handlers use says the same as the map above.
TEST(LinesSlots, TheLabelsTableMatchesTheSlotMap) {
    ASSERT_EQ(std::size(SlotMap), static_cast<std::size_t>(SlotLabelCount));
    for (int id = 0; id < SlotLabelCount; ++id) {
        const MapRow& row = SlotMap[id];
        const SlotLabel& l = SlotLabels[id];
        SCOPED_TRACE(row.label);
        EXPECT_STREQ(l.name, row.label);
        EXPECT_EQ(l.count, row.count);
        EXPECT_EQ(static_cast<int>(l.rule), static_cast<int>(row.rule));
        for (int i = row.count == 0 ? 0 : 1; i <= row.count; ++i)
            EXPECT_EQ(SlotLabelWord(l, i), row.first + (row.count == 0 ? 0 : i - 1)) << i;
        EXPECT_EQ(SlotLabelWord(l, row.count + 1), -1);
    }
    EXPECT_EQ(SlotLabelWord(lbl::PK3TrioC, 1), 48);
    EXPECT_EQ(SlotLabelWord(lbl::PK3TrioC, 2), 49);
}

// ---------------------------------------------------------------------------
// What each slot takes.

struct RuleCase {
    const char* name;
    bool farm;
    const char* entry;  // null: nothing highlighted (the list refilled)
    // Taken by: a normal centre, a power-play defense slot, a penalty shot,
    // an extra forward, an extra defense place, each goalie.
    std::array<bool, 6> takes;
    int16_t written;      // the word written when taken
    const char* caption;  // the caption shown when taken
};
void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.name; }

class SlotRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(SlotRules, ASlotTakesOnlyWhatItsRuleAllowsAndARefusalDoesNothing) {
    const RuleCase& k = GetParam();
    TeamClient c([](LeagueData& l) {
        AddFarmClub(l);
        l.League.FarmFullLineup = 0;  // the placeholders are listed
    });
    DayOf(c, true, 1) = DayOf(c, false, 1);
    LinesWindow* w = OpenLines(c, k.farm);
    ASSERT_NE(w, nullptr);
    if (k.entry) {
        ASSERT_TRUE(Select(c, *w, k.entry));
    } else {
        ASSERT_TRUE(Select(c, *w, k.farm ? "Skater 751" : "Skater 701"));
        ASSERT_TRUE(c.user.click(w->chkPosition(2)));  // refilled: nothing highlighted
    }
    const std::pair<int, int> slots[] = {{lbl::NormalTrioC, 1},  {lbl::PPDuoD2, 2},
                                         {lbl::PenaltyShot, 3},  {lbl::ExtraForward, 4},
                                         {lbl::ExtraDefense, 5}, {lbl::StartGoaler, 0}};
    for (int s = 0; s < 6; ++s) {
        const auto [id, index] = slots[s];
        SCOPED_TRACE(SlotLabels[id].name);
        const int word = SlotLabelWord(id, index);
        DayLines expected = DayOf(c, k.farm, 1);
        Label& l = w->slotLabel(id, index);
        const std::string before = l.Caption();
        w->lblComplete.setCaption("untouched");
        c.state().DataChanged = False;
        ASSERT_TRUE(ClickSlot(c, *w, id, index));
        if (k.takes[s]) {
            expected.Slots[word] = k.written;
            EXPECT_EQ(l.Caption(), k.caption);
            EXPECT_NE(w->lblComplete.Caption(), "untouched");  // the check ran
            EXPECT_EQ(c.state().DataChanged, True);
        } else {
            EXPECT_EQ(l.Caption(), before);
            EXPECT_EQ(w->lblComplete.Caption(), "untouched");
            EXPECT_EQ(c.state().DataChanged, False);
        }
        EXPECT_EQ(DayOf(c, k.farm, 1), expected);
    }
    // The backup goalie follows the starting goalie's rule.
    DayLines expected = DayOf(c, k.farm, 1);
    ASSERT_TRUE(ClickSlot(c, *w, lbl::BackupGoaler, 0));
    if (k.takes[5]) expected.Slots[slot::BackupGoaler] = k.written;
    EXPECT_EQ(DayOf(c, k.farm, 1), expected);
    EXPECT_TRUE(c.dialogs.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Selections, SlotRules,
    ::testing::Values(
        RuleCase{"ProNothingSelected", false, nullptr, {false, false, false, false, false, false}, 0, ""},
        RuleCase{"ProGoalie", false, "Goalie 72", {false, false, false, false, false, true}, 72, "Goalie 72"},
        RuleCase{"ProCenter", false, "Skater 702", {true, true, true, true, false, false}, 702, "Skater 702"},
        RuleCase{
            "ProRightWing", false, "Skater 711", {true, true, true, true, false, false}, 711, "Skater 711"},
        // A defenseman takes a centre's slot, but is no extra forward.
        RuleCase{
            "ProDefenseman", false, "Skater 716", {true, true, true, false, true, false}, 716, "Skater 716"},
        RuleCase{"FarmNothingSelected", true, nullptr, {false, false, false, false, false, false}, 0, ""},
        RuleCase{"FarmCenter", true, "Skater 752", {true, true, true, true, false, false}, 752, "Skater 752"},
        RuleCase{
            "FarmDefenseman", true, "Skater 764", {true, true, true, false, true, false}, 764, "Skater 764"},
        // The placeholders empty a slot: "Unknown Player" (kind 1) even an
        // extra-defense place.
        RuleCase{"FarmUnknownPlayer",
                 true,
                 "Unknown Player",
                 {true, true, true, true, true, false},
                 0,
                 "Unknown Player"},
        RuleCase{"FarmUnknownGoalie",
                 true,
                 "Unknown Goalie",
                 {false, false, false, false, false, true},
                 0,
                 "Unknown Goalie"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// What a click shows.

TEST(LinesSlots, EveryClickIsTakenAndTheCheckJudgesTheDay) {
    TeamClient c([](LeagueData& l) { l.League.NoSamePlayerLines1And2 = True; });
    LinesWindow* w = OpenLines(c, false);
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(w->lblComplete.Caption(), "Lines are Complete");

    // The line-2 centre into line 1 as well: taken, but the league forbids it.
    ASSERT_TRUE(Select(c, *w, "Skater 702"));
    ASSERT_TRUE(ClickSlot(c, *w, lbl::NormalTrioC, 1));
    EXPECT_EQ(DayOf(c, false, 1).Slots[0], 702);
    EXPECT_EQ(w->slotLabel(lbl::NormalTrioC, 1).Caption(), "Skater 702");
    EXPECT_EQ(w->lblComplete.Caption(), "Lines are Incomplete");
    EXPECT_TRUE(w->cmdDebug.Enabled());
    EXPECT_EQ(w->lblPlaying.Caption(), "(8) - L-1C, L-2C, PP-2C, 44-2F, PK-2F, PK3-2F, EF-2, PS-2, ");

    // The replaced centre keeps his other slots.
    ASSERT_TRUE(Select(c, *w, "Skater 701"));
    EXPECT_EQ(w->lblPlaying.Caption(), "(6) - PP-1C, 44-1F, PK-1F, PK3-1F, EF-1, PS-1, ");
    ASSERT_TRUE(ClickSlot(c, *w, lbl::NormalTrioC, 1));
    EXPECT_EQ(w->lblComplete.Caption(), "Lines are Complete");
    EXPECT_FALSE(w->cmdDebug.Enabled());

    // One goalie in both goalie slots: taken, incomplete; where he plays is
    // not told for a goalie.
    ASSERT_TRUE(Select(c, *w, "Goalie 71"));
    w->lblPlaying.setCaption("as the selection left it");
    ASSERT_TRUE(ClickSlot(c, *w, lbl::BackupGoaler, 0));
    EXPECT_EQ(DayOf(c, false, 1).Slots[slot::BackupGoaler], 71);
    EXPECT_EQ(w->lblComplete.Caption(), "Lines are Incomplete");
    EXPECT_EQ(w->lblPlaying.Caption(), "as the selection left it");
    // A click touches no other label.
    EXPECT_EQ(w->slotLabel(lbl::StartGoaler, 0).Caption(), "Goalie 71");
    EXPECT_TRUE(c.dialogs.shown().empty());
}

// The slot handlers have no error handler of their own: a failure is the
// window manager's standard box, and the program goes on.
TEST(LinesSlots, AFailingClickEndsInTheStandardBoxAndTheProgramGoesOn) {
    for (bool farm : {false, true}) {
        SCOPED_TRACE(farm);
        TeamClient c;
        LinesWindow* w = OpenLines(c, farm);
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(Select(c, *w, farm ? "Unknown Player" : "Skater 703"));
        c.state().CurrentPlayerIndex = 10001;  // no record: another window left it so
        ASSERT_TRUE(ClickSlot(c, *w, lbl::PenaltyShot, 2));
        const std::string window = farm ? "frmFarmLine" : "frmLine";
        EXPECT_EQ(c.dialogs.messages(),
                  Texts{"9 - Subscript out of range in " + window + ".lblPenaltyShot_Click!"});
        EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Critical);
        EXPECT_FALSE(c.app.forms().ended());
        EXPECT_TRUE(w->Visible());
        ASSERT_TRUE(Select(c, *w, farm ? "Unknown Player" : "Skater 703"));
        EXPECT_TRUE(ClickSlot(c, *w, lbl::PenaltyShot, 2));
        EXPECT_EQ(DayOf(c, farm, 1).Slots[slot::PenaltyShot + 1], farm ? 0 : 703);
    }
}

}  // namespace
}  // namespace dravik::test
