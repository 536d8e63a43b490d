// The draft list window: the candidates of each kind of draft, the list the
// manager builds, the player card and back, and the draft list file.

#include "market/frm_draft.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "leaguewriter/builder.h"
#include "main/frm_wait.h"
#include "market/frm_edit_player.h"
#include "support/market_client.h"
#include "support/refused_replace.h"
#include "team/lines_file.h"

namespace dravik::test {
namespace {

using leaguewriter::AddGoalie;
using leaguewriter::AddSkater;
using Lines = std::vector<std::string>;

// Candidates beside team 7's own people: three unsigned skaters, a
// defenseman among them, an unsigned goalie, another team's skater, a
// skater with no position, and draft names 1, 6 and 12 (5 blank).
void AddCandidates(LeagueData& l) {
    AddSkater(l, 901, 0, 1, status::Farm, "Zed Able");
    AddSkater(l, 902, 0, 4, status::Farm, "Bo Dee");
    AddSkater(l, 903, 0, 2, status::Farm, "Cy Wing");
    AddSkater(l, 904, OtherTeam, 3, status::Dressed, "Owned Elsewhere");
    AddSkater(l, 905, 0, 0, status::Farm, "No Position");
    AddGoalie(l, 7, 0, status::Farm, "Gus Goalie");
    l.DraftNameList[1] = "Alpha Prospect";
    l.DraftNameList[5] = " \t ";
    l.DraftNameList[6] = "Six Prospect";
    l.DraftNameList[12] = "Twelve Kid";
}

struct DraftClient : MarketClient {
    std::vector<std::string> cards;  // the card's requests: "<index> <goalie> <caller>"
    explicit DraftClient(int16_t fantasy, int16_t entry, int16_t entryBlocked = 0)
        : MarketClient([=](LeagueData& l) {
              AddCandidates(l);
              l.League.FantasyDraft = fantasy;
              l.League.EntryDraft = entry;
              l.League.EntryDraftBlocked = entryBlocked;
          }) {}
    // Records what the card is asked for instead of opening it.
    void recordCards() {
        app.openers().playerCard = [this](Form& opener) {
            const ProgramState& s = state();
            cards.push_back(std::to_string(s.CurrentPlayerIndex) + " " + std::to_string(s.ShowGoalie) + " " +
                            std::to_string(s.CallerCode));
            opener.Hide();
        };
    }
    frmDraft& open() {
        frmDraft* d = OpenFromMenu<frmDraft>(app, menu::Draft, Team);
        EXPECT_NE(d, nullptr);
        return *d;
    }
    std::string target() const { return file("HaldenRavens.zdr"); }
};

Lines entries(const ListBox& l) {
    Lines out;
    for (int i = 0; i < l.ListCount(); ++i) out.push_back(l.List(i) + " =" + std::to_string(l.ItemData(i)));
    return out;
}

Lines draftEntries(const ListBox& l) {
    Lines out;
    for (int i = 0; i < l.ListCount(); ++i) out.push_back(l.List(i));
    return out;
}

// Picks a candidate by its key and presses "-->".
void choose(DraftClient& c, frmDraft& d, int32_t key) {
    for (int i = 0; i < d.lstPlayers.ListCount(); ++i)
        if (d.lstPlayers.ItemData(i) == key) c.user.selectItem(d.lstPlayers, i);
    c.click(d.cmdChoose);
}

struct ModeCase {
    const char* name;
    int16_t fantasy, entry, blocked;
    const char* caption;
    Lines candidates;
    bool filtersEnabled;
};
void PrintTo(const ModeCase& c, std::ostream* os) { *os << c.name; }

class DraftModes : public ::testing::TestWithParam<ModeCase> {};

TEST_P(DraftModes, TheModeDecidesTheCandidatesAndTheCaption) {
    const ModeCase& c = GetParam();
    DraftClient client(c.fantasy, c.entry, c.blocked);
    frmDraft& d = client.open();
    EXPECT_TRUE(client.dialogs.shown().empty());
    EXPECT_EQ(d.Caption(), std::string("Dravik Hockey Simulator Client - Halden.zcl - ") + c.caption);
    EXPECT_EQ(entries(d.lstPlayers), c.candidates);
    EXPECT_EQ(d.cmdChoose.Enabled(), !c.candidates.empty());
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(d.chkPosition(i).Enabled(), c.filtersEnabled) << i;
        EXPECT_EQ(d.chkPosition(i).Value(), 1) << i;
    }
    // The list starts empty whatever the mode.
    EXPECT_EQ(d.lstDraftList.ListCount(), 0);
    EXPECT_EQ(d.lblTotal.Caption(), "0 Players List");
    for (CommandButton* b : {&d.cmdSaveToFile, &d.cmdUp, &d.cmdDown, &d.cmdRemove}) EXPECT_FALSE(b->Enabled());
    EXPECT_EQ(d.lblTeam.Caption(), "Draft List For : " + client.team().Name.raw());
}

const Lines Unsigned = {"Bo Dee (D) =902", "Cy Wing (LW) =903", "Gus Goalie (G) =10007", "Zed Able (C) =901"};
const Lines Names = {"Alpha Prospect =20001", "Six Prospect =20006", "Twelve Kid =20012"};
Lines both() {
    Lines all = Unsigned;
    all.insert(all.begin(), Names[0]);
    all.insert(all.end() - 1, Names[1]);
    all.insert(all.end() - 1, Names[2]);
    return all;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, DraftModes,
    ::testing::Values(ModeCase{"Fantasy", True, False, 0, "Fantasy Draft Client", Unsigned, true},
                      ModeCase{"Entry", False, True, 0, "Entry Draft Client", Names, false},
                      // Both kinds listed together; the entry draft names the window.
                      ModeCase{"BothTheEntryDraftWins", True, True, 0, "Entry Draft Client", both(), false},
                      ModeCase{"EntryBlockedIsNoDraft", False, True, 1, " Client", {}, true},
                      ModeCase{"Neither", False, False, 0, " Client", {}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DraftWindow, TheFiltersRefillTheCandidatesButNotTheList) {
    DraftClient c(True, False);
    frmDraft& d = c.open();
    choose(c, d, 10007);
    c.user.click(d.chkPosition(5));
    EXPECT_EQ(entries(d.lstPlayers), (Lines{"Bo Dee (D) =902", "Cy Wing (LW) =903", "Zed Able (C) =901"}));
    EXPECT_EQ(draftEntries(d.lstDraftList), Lines{"Gus Goalie (G)"});
    c.user.click(d.chkPosition(4));  // "DF" takes the defensemen
    EXPECT_EQ(entries(d.lstPlayers), (Lines{"Cy Wing (LW) =903", "Zed Able (C) =901"}));
    for (int i : {1, 2, 3}) c.user.click(d.chkPosition(i));
    EXPECT_EQ(d.lstPlayers.ListCount(), 0);
    EXPECT_FALSE(d.cmdChoose.Enabled());
    EXPECT_TRUE(c.dialogs.shown().empty());
}

TEST(DraftWindow, ChoosingKeepsOneEntryAKeyAndStopsAtAFullList) {
    DraftClient c(True, False);
    frmDraft& d = c.open();
    choose(c, d, 902);
    choose(c, d, 10007);
    choose(c, d, 902);  // twice: still one entry
    EXPECT_EQ(draftEntries(d.lstDraftList), (Lines{"Bo Dee (D)", "Gus Goalie (G)"}));
    EXPECT_EQ(d.lblTotal.Caption(), "2 Players List");
    EXPECT_EQ(d.DraftList()[0], 902);
    EXPECT_EQ(d.DraftList()[1], 10007);
    EXPECT_EQ(d.DraftList()[2], 0);
    for (CommandButton* b : {&d.cmdSaveToFile, &d.cmdUp, &d.cmdDown, &d.cmdRemove}) EXPECT_TRUE(b->Enabled());
    EXPECT_EQ(d.lstDraftList.ListIndex(), -1);
    EXPECT_EQ(d.lstPlayers.ListCount(), 4);  // the candidate stays
    EXPECT_TRUE(c.dialogs.shown().empty());
}

// A full list: 1001 distinct entries; a 1002nd changes nothing and says
// nothing; removing one leaves 1000 and an empty last slot.
TEST(DraftWindow, AFullListTakesNoMoreAndGivesUpItsLastSlotOnARemoval) {
    DraftClient c(True, False, 0);
    for (int n = 1; n <= 1002; ++n)
        AddSkater(c.league(), static_cast<int16_t>(2000 + n), 0, 1, status::Farm, "Free " + std::to_string(n));
    frmDraft& d = c.open();
    for (int i = 0; i < d.lstPlayers.ListCount(); ++i) {
        c.user.selectItem(d.lstPlayers, i);
        c.click(d.cmdChoose);
    }
    EXPECT_EQ(d.lstDraftList.ListCount(), 1001);
    EXPECT_EQ(d.lblTotal.Caption(), "1001 Players List");
    EXPECT_TRUE(c.dialogs.shown().empty());
    const int16_t second = d.DraftList()[1];
    c.user.selectItem(d.lstDraftList, 0);
    c.click(d.cmdRemove);
    EXPECT_EQ(d.lstDraftList.ListCount(), 1000);
    EXPECT_EQ(d.DraftList()[0], second);
    EXPECT_EQ(d.DraftList()[1000], 0);
}

TEST(DraftWindow, RemovingTheOnlyEntryEmptiesTheList) {
    DraftClient c(True, False);
    frmDraft& d = c.open();
    choose(c, d, 901);
    c.user.selectItem(d.lstDraftList, 0);
    c.click(d.cmdRemove);
    EXPECT_EQ(d.lstDraftList.ListCount(), 0);
    EXPECT_EQ(d.lblTotal.Caption(), "0 Players List");
    for (CommandButton* b : {&d.cmdSaveToFile, &d.cmdUp, &d.cmdDown, &d.cmdRemove}) EXPECT_FALSE(b->Enabled());
}

TEST(DraftWindow, MovesKeepTheEntrySelectedAndStopAtTheEnds) {
    DraftClient c(True, True);  // both kinds: five candidates at hand
    frmDraft& d = c.open();
    for (int32_t key : {20001, 901, 902, 903, 20012}) choose(c, d, key);
    c.user.selectItem(d.lstDraftList, 0);
    for (int i = 0; i < 3; ++i) c.click(d.cmdDown);
    EXPECT_EQ(draftEntries(d.lstDraftList),
              (Lines{"Zed Able (C)", "Bo Dee (D)", "Cy Wing (LW)", "Alpha Prospect", "Twelve Kid"}));
    EXPECT_EQ(d.lstDraftList.ListIndex(), 3);
    EXPECT_EQ(c.app.forms().activeForm()->ActiveControl(), &d.cmdDown);
    c.click(d.cmdUp);
    EXPECT_EQ(d.lstDraftList.ListIndex(), 2);
    EXPECT_EQ(d.DraftList()[2], 20001);
    EXPECT_TRUE(c.dialogs.shown().empty());

    struct End {
        int entry;
        CommandButton* button;
    } ends[] = {{0, &d.cmdUp}, {4, &d.cmdDown}};
    for (const End& e : ends) {
        c.user.selectItem(d.lstDraftList, e.entry);
        c.click(*e.button);
    }
    EXPECT_EQ(c.dialogs.messages(), (Lines{"This player can be move!", "This player can be move!"}));
    EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Exclamation);
    EXPECT_EQ(draftEntries(d.lstDraftList),
              (Lines{"Zed Able (C)", "Bo Dee (D)", "Alpha Prospect", "Cy Wing (LW)", "Twelve Kid"}));
}

TEST(DraftWindow, EveryCommandWithoutASelectionSaysSo) {
    DraftClient c(True, False);
    frmDraft& d = c.open();
    c.click(d.cmdChoose);  // no candidate selected
    choose(c, d, 901);     // the list box has no selection after a refill
    for (CommandButton* b : {&d.cmdRemove, &d.cmdUp, &d.cmdDown}) c.click(*b);
    EXPECT_EQ(c.dialogs.messages(), Lines(4, "No Player Select!"));
    for (const auto& box : c.dialogs.shown()) EXPECT_EQ(box.icon(), mb::Exclamation);
    EXPECT_EQ(d.lstDraftList.ListCount(), 1);
}

TEST(DraftWindow, TheSearchTellsCaseApart) {
    DraftClient c(True, False);
    frmDraft& d = c.open();
    c.dialogs.answerInput("Wing");
    c.click(d.cmdSearch);
    EXPECT_EQ(d.lstPlayers.ListIndex(), 1);
    c.dialogs.answerInput("wing");
    c.click(d.cmdSearch);
    EXPECT_EQ(c.dialogs.messages(), Lines{"Player not found!"});
    ASSERT_EQ(c.dialogs.shown().size(), 3u);
    EXPECT_EQ(c.dialogs.shown()[0].prompt, "Complete or Part of the Player Name?");
    EXPECT_EQ(c.dialogs.shown()[0].title, "Player Search");
    EXPECT_EQ(d.lstPlayers.ListIndex(), 1);  // the entry found before stays
}

// The card is asked for the entry's person; an entry-draft name asks for a
// goalie number no goalie carries. Coming back keeps everything.
TEST(DraftWindow, TheCardIsAskedForTheEntryAndTheWindowWaitsHidden) {
    DraftClient c(True, True);
    c.recordCards();
    frmDraft& d = c.open();
    choose(c, d, 20012);
    choose(c, d, 10007);
    choose(c, d, 903);
    struct Case {
        ListBox* list;
        int32_t key;
    } cases[] = {{&d.lstDraftList, 20012}, {&d.lstDraftList, 10007}, {&d.lstPlayers, 903}};
    for (const Case& k : cases) {
        int at = -1;
        for (int i = 0; i < k.list->ListCount(); ++i)
            if ((k.list == &d.lstPlayers ? k.list->ItemData(i) : d.DraftList()[static_cast<std::size_t>(i)]) == k.key)
                at = i;
        ASSERT_GE(at, 0);
        c.user.doubleClickItem(*k.list, at);
        EXPECT_FALSE(d.Visible());
        d.Show();
    }
    EXPECT_EQ(c.cards, (Lines{"10012 -1 4", "7 -1 4", "903 0 4"}));
    EXPECT_EQ(d.DraftList()[0], 20012);
    EXPECT_EQ(d.DraftMode(), "Entry Draft");
}

// The real card: the entry's record shown, and back to the window as it was.
TEST(DraftWindow, ACardVisitKeepsTheListsTheSelectionAndTheMode) {
    DraftClient c(True, True);
    frmDraft& d = c.open();
    choose(c, d, 901);
    choose(c, d, 10007);
    choose(c, d, 20006);
    c.user.selectItem(d.lstDraftList, 1);
    const Lines candidates = entries(d.lstPlayers);
    c.user.doubleClickItem(d.lstDraftList, 1);
    frmEditPlayer* card = c.window<frmEditPlayer>();
    ASSERT_NE(card, nullptr);
    EXPECT_TRUE(card->Visible());
    EXPECT_FALSE(d.Visible());
    EXPECT_EQ(card->txtName.Text(), "Gus Goalie");
    ASSERT_TRUE(c.click(card->cmdExit));
    EXPECT_TRUE(d.Visible());
    EXPECT_EQ(c.app.forms().activeForm(), &d);
    EXPECT_EQ(draftEntries(d.lstDraftList), (Lines{"Zed Able (C)", "Gus Goalie (G)", "Six Prospect"}));
    EXPECT_EQ(d.lstDraftList.ListIndex(), 1);
    EXPECT_EQ(entries(d.lstPlayers), candidates);
    EXPECT_EQ(d.DraftMode(), "Entry Draft");

    // An entry-draft name: the card finds no goalie of that number.
    c.user.doubleClickItem(d.lstDraftList, 2);
    card = c.window<frmEditPlayer>();
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(c.state().CurrentPlayerIndex, 10006);
    EXPECT_EQ(card->lstPlayer.ListCount(), 0);
    EXPECT_EQ(card->txtName.Text(), "");
    ASSERT_TRUE(c.click(card->cmdExit));
    EXPECT_TRUE(d.Visible());
    // The card's first opening made a center of the skater with no position.
    EXPECT_EQ(c.dialogs.messages(), Lines{"No Position has no position! He's now center."});
}

TEST(DraftWindow, ADoubleClickWithNothingSelectedOpensNothing) {
    DraftClient c(True, False);
    c.recordCards();
    frmDraft& d = c.open();
    c.app.forms().run(d, "lstPlayers", "DblClick", [&] { d.lstPlayers.DblClick(); });
    c.app.forms().run(d, "lstDraftList", "DblClick", [&] { d.lstDraftList.DblClick(); });
    EXPECT_TRUE(c.cards.empty());
    EXPECT_TRUE(d.Visible());
}

TEST(DraftWindow, ClosingDropsTheListAndShowsTheMainWindow) {
    DraftClient c(True, False);
    frmDraft& d = c.open();
    choose(c, d, 901);
    ASSERT_TRUE(c.click(d.cmdExit));
    EXPECT_EQ(c.window<frmDraft>(), nullptr);
    EXPECT_TRUE(c.main().Visible());
    EXPECT_EQ(c.open().lstDraftList.ListCount(), 0);
    EXPECT_TRUE(c.dialogs.shown().empty());
}

TEST(DraftWindow, NoTeamIsAnIntegrityFailureWithEmptyLists) {
    DraftClient c(True, False);
    frmDraft* d = OpenFromMenu<frmDraft>(c.app, menu::Draft, 0);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(c.dialogs.messages(), Lines{"Integrity Check Failed!"});
    EXPECT_EQ(d->DraftMode(), "");
    EXPECT_EQ(d->lstPlayers.ListCount(), 0);
    EXPECT_FALSE(d->cmdChoose.Enabled());
}

// The file.

int16_t int16At(const std::string& bytes, std::size_t at) {
    return static_cast<int16_t>(static_cast<uint8_t>(bytes[at]) | (static_cast<uint8_t>(bytes[at + 1]) << 8));
}

TEST(DraftListFile, GoldenBytesPlainAndPacked) {
    for (const char* skip : {"YES", "No"}) {
        SCOPED_TRACE(skip);
        DraftClient c(True, True);
        c.settings.set("Settings", "SkipZIPClient", skip);
        c.league().League.LeagueKey = "AB";  // trailing blanks kept
        frmDraft& d = c.open();
        choose(c, d, 10007);
        choose(c, d, 20012);
        ASSERT_TRUE(c.click(d.cmdSaveToFile));
        const std::string bytes = readFile(c.target());
        const std::string image = std::string(skip) == "YES" ? bytes : Unpack(bytes);
        if (std::string(skip) != "YES") {
            EXPECT_EQ(int32_t(int16At(bytes, 0)) | int16At(bytes, 2) << 16, 12060);
        }
        ASSERT_EQ(image.size(), 12060u);
        EXPECT_EQ(image.substr(0, 12), std::string("\x0A\x00ZELTFDFV1S", 12));
        EXPECT_EQ(image.substr(12, 12), std::string("AB   \0\0\0\0\0\0\0", 12));
        EXPECT_EQ(int16At(image, 24), Team);
        EXPECT_EQ(image.substr(26, 10), std::string(10, '\0'));
        EXPECT_EQ(int16At(image, 36), 10007);
        EXPECT_EQ(int16At(image, 48), 20012);
        for (std::size_t s = 2; s <= 1000; ++s) ASSERT_EQ(int16At(image, 36 + 12 * s), 0) << s;
        EXPECT_EQ(image.substr(12048), std::string("\x0A\x00ZELTFDFV1E", 12));
        EXPECT_EQ(c.dialogs.messages(),
                  Lines{"Entry Draft File save for Halden Ravens succesfully at\r\n" + c.target()});
        EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Information);
        EXPECT_EQ(FilesIn(c.folder.path().string()), Lines{"HaldenRavens.zdr"});
        EXPECT_FALSE(c.app.forms().isLoaded<frmWait>());
    }
}

TEST(DraftListFile, TheConfirmationBeginsWithTheMode) {
    DraftClient c(True, False);
    frmDraft& d = c.open();
    choose(c, d, 901);
    c.click(d.cmdSaveToFile);
    EXPECT_EQ(c.dialogs.messages(), Lines{"Fantasy Draft File save for Halden Ravens succesfully at\r\n" + c.target()});
}

TEST(DraftListFile, EveryRefusalAndFailureKeepsThePreviousFile) {
    struct Case {
        const char* name;
        std::function<void(DraftClient&, frmDraft&)> arrange;
        Lines messages;
    } cases[] = {
        {"an empty list", [](DraftClient&, frmDraft&) {}, {"Your list is empty!"}},
        {"a slash in the name",
         [](DraftClient& c, frmDraft& d) {
             choose(c, d, 901);
             c.team().Name = "AC/DC";
         },
         {"Draft list file for AC/DC cannot be saved: the team name holds a \"/\"!"}},
        {"a working copy that cannot be written",
         [](DraftClient& c, frmDraft& d) {
             choose(c, d, 901);
             c.state().WorkFilePath = c.file("gone/ClientTemp.ztm");
         },
         {"75 - Path/File access error in cmdSaveToFile!"}},
        {"a wrong password",
         [](DraftClient& c, frmDraft& d) {
             choose(c, d, 901);
             c.team().Password = PasswordDigest("secret");
             c.dialogs.answerInput("guess");
         },
         {"Password is incorrect!"}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        DraftClient c(True, False);
        frmDraft& d = c.open();
        writeFile(c.target(), "previous");
        k.arrange(c, d);
        c.app.forms().run(d, "cmdSaveToFile", "Click", [&] { d.cmdSaveToFile.Click(); });
        EXPECT_EQ(c.dialogs.messages(), k.messages);
        EXPECT_EQ(readFile(c.target()), "previous");
        EXPECT_EQ(FilesIn(c.folder.path().string()), Lines{"HaldenRavens.zdr"});
        EXPECT_FALSE(c.app.forms().isLoaded<frmWait>());
    }
}

TEST(DraftListFile, ATargetThatCannotBeReplacedKeepsThePreviousFile) {
    const std::pair<const char*, const char*> cases[] = {
        {"No", "75 - Path/File access error in Zlib Compress!"},
        {"YES", "75 - Path/File access error in cmdSaveToFile!"},
    };
    for (const auto& [skip, message] : cases) {
        SCOPED_TRACE(skip);
        DraftClient c(True, False);
        c.settings.set("Settings", "SkipZIPClient", skip);
        frmDraft& d = c.open();
        writeFile(c.target(), "previous");
        choose(c, d, 901);
        {
            RefusedReplace refused(c.target());
            c.app.forms().run(d, "cmdSaveToFile", "Click", [&] { d.cmdSaveToFile.Click(); });
        }
        EXPECT_EQ(c.dialogs.messages(), Lines{message});
        EXPECT_EQ(readFile(c.target()), "previous");
        EXPECT_EQ(FilesIn(c.folder.path().string()), Lines{"HaldenRavens.zdr"});
        EXPECT_FALSE(c.app.forms().isLoaded<frmWait>());
    }
}

}  // namespace
}  // namespace dravik::test
