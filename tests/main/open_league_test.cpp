// The client league file reader: what a read sets up, and what a failed
// read leaves (everything as it was).

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <filesystem>
#include <limits>

#include "league/files.h"
#include "league/leagueimage.h"
#include "leaguewriter/builder.h"
#include "main/frm_wait.h"
#include "support/test_client.h"

namespace dravik::test {
namespace {

using leaguewriter::AddGoalie;
using leaguewriter::AddSkater;
using leaguewriter::AddTeam;
using leaguewriter::FileForm;

constexpr std::size_t at(int64_t record) {
    return static_cast<std::size_t>(record - 1) * leaguefile::RecordLength;
}

// A league with a team in each of the six divisions, a skater and a goalie.
std::unique_ptr<LeagueData> SpringLeague() {
    auto l = EmptyLeague();
    l->League.ConferenceNames[0] = "  Eastern  ";
    l->League.ConferenceNames[1] = "Western";
    l->League.Divisions[0].Name = " Atlantic";
    const char* names[] = {"Harbour Gulls", "Ridge Hawks", "Delta Pike",
                           "Canyon Owls",   "Prairie Elk", "Coast Orcas"};
    for (int d = 1; d <= 6; ++d) AddTeam(*l, static_cast<int16_t>(d), names[d - 1], static_cast<uint8_t>(d));
    AddSkater(*l, 1, 1, pos::C).Protected = True;
    AddGoalie(*l, 1, 1).TradeAvailable = True;
    return l;
}

TEST(OpenLeague, SetsUpTheWindowForTheLeague) {
    TestClient t;
    frmMain& m = t.start();
    std::filesystem::create_directory(t.file("Leagues"));
    const std::string path = WriteLeague(*SpringLeague(), t.file("Leagues/Spring League.zcl"));
    t.open(path);

    EXPECT_TRUE(t.dialogs.shown().empty());
    EXPECT_EQ(t.state().WindowTitlePrefix, "Dravik Hockey Simulator Client - Spring League");
    EXPECT_EQ(m.Caption(), "Dravik Hockey Simulator Client - Spring League");
    EXPECT_EQ(m.lblConference(1).Caption(), "Eastern");
    EXPECT_EQ(m.lblConference(2).Caption(), "Western");
    EXPECT_TRUE(m.lblConference(2).Visible());
    EXPECT_EQ(m.lblDivision(1).Caption(), "Atlantic");
    EXPECT_EQ(m.lblDivision(6).Caption(), "Division 6");
    for (int d = 1; d <= 6; ++d) {
        SCOPED_TRACE(d);
        EXPECT_TRUE(m.lblDivision(d).Visible());
        EXPECT_TRUE(m.lstDivision(d).Visible());
        ASSERT_EQ(m.lstDivision(d).ListCount(), 1);
        EXPECT_EQ(m.lstDivision(d).ItemData(0), d);
    }
    EXPECT_EQ(Items(m.lstDivision(4)), std::vector<std::string>{"Canyon Owls"});
    EXPECT_EQ(m.TeamsPlaced(), True);
    EXPECT_EQ(m.lblDate.Caption(), "Client File Date : November 14 2024 at 19:30");

    // Six divisions: the wide window, centred on the screen.
    EXPECT_EQ(m.Width(), 8275);
    EXPECT_EQ(m.Height(), 6545);
    const auto screen = t.app.forms().screen();
    EXPECT_EQ(m.Left(), (screen.width - 8275) / 2);
    EXPECT_EQ(m.Top(), (screen.height - 6545) / 2);

    EXPECT_TRUE(m.mnuTeam.Enabled());
    EXPECT_TRUE(m.mnuViewTeam.reachable());
    EXPECT_TRUE(m.mnuOutputRatingCSV.Enabled());
    EXPECT_TRUE(m.mnuOutputRatingCSV.Visible());
    EXPECT_EQ(t.settings.get("Settings", "LastLoadLeague"), path);
    EXPECT_EQ(t.state().SkaterStatCount, 15);
    EXPECT_EQ(t.state().GoalieStatCount, 13);

    EXPECT_EQ(t.league().Teams[3].Name.trimmed(), "Delta Pike");
    EXPECT_EQ(t.state().PlayerStates[1].Protected, True);
    EXPECT_EQ(t.state().GoalieStates[1].TradeAvailable, True);
    // The working copy is gone, the wait window too; the main window stayed active.
    EXPECT_EQ(FilesIn(t.folder.path().string()), std::vector<std::string>{"Leagues"});
    EXPECT_FALSE(t.app.forms().isLoaded<frmWait>());
    EXPECT_EQ(t.app.forms().activeForm(), &m);
}

// A program that changes the records in memory sets the window up again
// from them: the settings part follows the season, the ratings shown, the
// placeholders and the defaults, and leaves the roster flags to the caller.
TEST(OpenLeague, SettingsSetUpFollowsRecordsChangedInMemory) {
    TestClient t;
    frmMain& m = t.start();
    const std::string path = WriteLeague(*SpringLeague(), t.file("Spring League.zcl"));
    t.open(path);
    ASSERT_FALSE(m.mnuDraft.Visible());

    LeagueData& league = t.league();
    league.League.OffSeason = True;
    league.League.FantasyDraft = True;
    league.League.ShowAllRatings = False;
    league.League.MaxDressedSkaters = 0;
    league.League.UnknownPlayerRating = 41;
    league.Players[0].Name = "Somebody";
    league.Players[1].Protected = False;
    m.setUpForSettings(path, "Dravik Hockey Simulator Client - Spring League");

    EXPECT_TRUE(m.mnuFreeAgents.Visible());
    EXPECT_TRUE(m.mnuDraft.Visible());
    EXPECT_EQ(m.mnuDraft.Caption(), "Fantasy &Draft List");
    EXPECT_EQ(t.state().SkaterStatCount, 7);
    EXPECT_EQ(league.League.MaxDressedSkaters, 18);
    EXPECT_EQ(league.Players[0].Name.trimmed(), "Unknown Player");
    EXPECT_EQ(league.Players[0].Ratings[0], 41);
    EXPECT_EQ(t.state().PlayerStates[1].Protected, True);

    // The whole set-up takes the flags from the records too.
    m.setUpForLeague(path, "Dravik Hockey Simulator Client - Spring League");
    EXPECT_EQ(t.state().PlayerStates[1].Protected, False);
}

struct CaptionCase {
    const char* name;
    const char* file;  // in the program folder
    const char* caption;
};
void PrintTo(const CaptionCase& c, std::ostream* os) { *os << c.name; }

class Caption : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(Caption, IsTheFileNameLessItsLastFourCharactersWhateverTheFolder) {
    TestClient t;
    frmMain& m = t.start();
    std::filesystem::create_directories(t.file("a/b"));
    const std::string path = WriteLeague(*SpringLeague(), t.file(GetParam().file));
    t.open(path);
    EXPECT_TRUE(t.dialogs.shown().empty());
    EXPECT_EQ(m.Caption(), GetParam().caption);
    EXPECT_EQ(t.state().WindowTitlePrefix, GetParam().caption);
    EXPECT_EQ(t.settings.get("Settings", "LastLoadLeague"), path);
}

INSTANTIATE_TEST_SUITE_P(
    Files, Caption,
    ::testing::Values(
        CaptionCase{"InAFolder", "a/b/Hockey.zcl", "Dravik Hockey Simulator Client - Hockey"},
        CaptionCase{"InTheProgramFolder", "Hockey.zcl", "Dravik Hockey Simulator Client - Hockey"},
        CaptionCase{"TwoDots", "League.backup.zcl", "Dravik Hockey Simulator Client - League.backup"},
        CaptionCase{"AShortExtension", "Old League.z", "Dravik Hockey Simulator Client - Old Leag"},
        // The caption is a text of the league's code page.
        CaptionCase{"AnAccent",
                    "Ligue Qu\xC3\xA9"
                    "bec.zcl",
                    "Dravik Hockey Simulator Client - Ligue Qu\xE9"
                    "bec"},
        CaptionCase{"FourCharacters", "abcd", "Dravik Hockey Simulator Client - "}),
    [](const auto& info) { return std::string(info.param.name); });

struct RatingSetCase {
    const char* name;
    Flag showAll;
    int16_t skaters, goalies;
};
void PrintTo(const RatingSetCase& c, std::ostream* os) { *os << c.name; }

class RatingSets : public ::testing::TestWithParam<RatingSetCase> {};

TEST_P(RatingSets, OnlyShowAllRatingsOfMinusOneGivesTheFullSets) {
    TestClient t;
    t.start();
    // What an earlier league may have left.
    t.state().SkaterStatCount = GetParam().skaters == 15 ? 7 : 15;
    auto league = SpringLeague();
    league->League.ShowAllRatings = GetParam().showAll;
    t.open(WriteLeague(*league, t.file("Ratings.zcl")));
    EXPECT_EQ(t.state().SkaterStatCount, GetParam().skaters);
    EXPECT_EQ(t.state().GoalieStatCount, GetParam().goalies);
}

INSTANTIATE_TEST_SUITE_P(Flags, RatingSets,
                         ::testing::Values(RatingSetCase{"MinusOne", True, 15, 13},
                                           RatingSetCase{"One", 1, 7, 7}, RatingSetCase{"Zero", False, 7, 7}),
                         [](const auto& info) { return std::string(info.param.name); });

struct SeasonCase {
    const char* name;
    Flag offSeason, fantasy, entry;
    int16_t entryBlocked;
    Flag deadline;
    bool freeAgents, draft;
    const char* draftCaption;
};
void PrintTo(const SeasonCase& c, std::ostream* os) { *os << c.name; }

class SeasonMenus : public ::testing::TestWithParam<SeasonCase> {};

TEST_P(SeasonMenus, FreeAgentAndDraftMenusFollowTheSeasonAndTheDrafts) {
    const SeasonCase& c = GetParam();
    TestClient t;
    frmMain& m = t.start();
    // The opposite of what the row expects, as an earlier league may have
    // left the menus: the reader sets every one of them afresh.
    m.mnuFreeAgents.setVisible(!c.freeAgents);
    m.mnuDraft.setVisible(!c.draft);
    m.mnuDraft.setCaption("Entry &Draft List");
    if (c.draftCaption == std::string("Entry &Draft List")) m.mnuDraft.setCaption("Fantasy &Draft List");

    auto league = SpringLeague();
    league->League.OffSeason = c.offSeason;
    league->League.FantasyDraft = c.fantasy;
    league->League.EntryDraft = c.entry;
    league->League.EntryDraftBlocked = c.entryBlocked;
    league->League.TradeDeadlinePassed = c.deadline;
    t.open(WriteLeague(*league, t.file("Season.zcl")));
    EXPECT_EQ(m.mnuFreeAgents.Visible(), c.freeAgents);
    EXPECT_EQ(m.mnuDraft.Visible(), c.draft);
    EXPECT_EQ(m.mnuDraft.Caption(), c.draftCaption);
}

INSTANTIATE_TEST_SUITE_P(
    Leagues, SeasonMenus,
    ::testing::Values(
        SeasonCase{"OffSeasonBothDraftsTheEntryDraftWins", True, True, True, 0, False, true, true,
                   "Entry &Draft List"},
        SeasonCase{"OffSeasonFantasyDraft", True, True, False, 0, False, true, true, "Fantasy &Draft List"},
        SeasonCase{"OffSeasonEntryDraft", True, False, True, 0, False, true, true, "Entry &Draft List"},
        SeasonCase{"OffSeasonBothDraftsEntryBlocked", True, True, True, 1, False, true, true,
                   "Fantasy &Draft List"},
        SeasonCase{"OffSeasonEntryDraftBlocked", True, False, True, 1, False, true, false, "&Draft List"},
        SeasonCase{"OffSeasonAfterTheDeadline", True, False, False, 0, True, true, false, "&Draft List"},
        SeasonCase{"InSeasonBeforeTheDeadline", False, True, True, 0, False, true, false, "&Draft List"},
        SeasonCase{"InSeasonAfterTheDeadlineNeither", False, True, True, 0, True, false, false,
                   "&Draft List"},
        SeasonCase{"InSeasonADeadlineFlagOfOneIsNotPassed", False, False, False, 0, 1, true, false,
                   "&Draft List"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OpenLeague, RosterLimitsLeftAtZeroGetTheirDefaults) {
    TestClient t;
    t.start();
    struct Field {
        const char* name;
        int16_t LeagueInfo::*field;
        int16_t byDefault;
    };
    const Field fields[] = {
        {"MaxDressedSkaters", &LeagueInfo::MaxDressedSkaters, 18},
        {"MaxDressedGoalies", &LeagueInfo::MaxDressedGoalies, 2},
        {"MinCenters", &LeagueInfo::MinCenters, 3},
        {"MinLeftWings", &LeagueInfo::MinLeftWings, 3},
        {"MinRightWings", &LeagueInfo::MinRightWings, 3},
        {"MinDefense", &LeagueInfo::MinDefense, 6},
        {"OverallWeightCK", &LeagueInfo::OverallWeightCK, 50},
    };
    for (int16_t stored : {int16_t{0}, int16_t{20}}) {
        auto league = SpringLeague();
        for (const Field& f : fields) league->League.*f.field = stored;
        t.open(WriteLeague(*league, t.file("Limits.zcl")));
        for (const Field& f : fields) {
            SCOPED_TRACE(std::string(f.name) + " stored as " + std::to_string(stored));
            EXPECT_EQ(t.league().League.*f.field, stored == 0 ? f.byDefault : stored);
        }
    }
}

TEST(OpenLeague, MakesThePlaceholderSkaterAndGoalie) {
    TestClient t;
    t.start();
    auto league = SpringLeague();
    league->League.UnknownPlayerRating = 45;
    t.open(WriteLeague(*league, t.file("Placeholders.zcl")));

    const PlayerInfo& p = t.league().Players[0];
    EXPECT_EQ(p.InUse, True);
    EXPECT_EQ(p.Name.trimmed(), "Unknown Player");
    EXPECT_EQ(p.Country.raw(), "CAN");
    EXPECT_EQ(p.Position, pos::C);
    EXPECT_EQ(p.Salary, 1000);
    for (int r = 0; r < 15; ++r)
        EXPECT_EQ(p.Ratings[static_cast<std::size_t>(r)], r == sr::DU ? 80 : 45) << r;
    const GoalieInfo& g = t.league().Goalies[0];
    EXPECT_EQ(g.Name.trimmed(), "Unknown Goalie");
    EXPECT_EQ(g.Condition, 100);
    for (int r = 0; r < 13; ++r)
        EXPECT_EQ(g.Ratings[static_cast<std::size_t>(r)], r == gr::DU ? 80 : 45) << r;
}

TEST(OpenLeague, ASecondLeagueKeepsStatusAndCurrentTeamAndRefreshesTheFlags) {
    TestClient t;
    frmMain& m = t.start();
    auto first = SpringLeague();
    first->Players[1].TradeAvailable = True;
    t.open(WriteLeague(*first, t.file("First.zcl")));
    ASSERT_TRUE(t.user.selectItem(m.lstDivision(2), 0));
    ASSERT_EQ(t.state().CurrentTeam, 2);
    // As a team lines file read would leave them.
    t.state().PlayerStates[1].Status = status::Dressed;
    t.state().GoalieStates[1].Status = status::Scratch;

    auto second = SpringLeague();
    second->Players[1].Protected = False;
    second->Players[1].TradeAvailable = False;
    second->Goalies[1].Protected = True;
    second->Goalies[1].TradeAvailable = False;
    t.open(WriteLeague(*second, t.file("Second.zcl")));

    ASSERT_TRUE(t.dialogs.shown().empty());
    EXPECT_EQ(t.state().PlayerStates[1], (PlayerState{status::Dressed, False, False}));
    EXPECT_EQ(t.state().GoalieStates[1], (PlayerState{status::Scratch, True, False}));
    EXPECT_EQ(t.state().PlayerStates[2].Status, status::NotSet);
    EXPECT_EQ(t.state().CurrentTeam, 2);
}

TEST(OpenLeague, APlainFileOpensWhenCompressionIsSwitchedOff) {
    TestClient t;
    t.settings.set("Settings", "SkipZIPClient", " yes ");
    frmMain& m = t.start();
    t.open(WriteLeague(*SpringLeague(), t.file("Plain.zcl"), FileForm::Plain));
    EXPECT_TRUE(t.dialogs.shown().empty());
    EXPECT_EQ(m.Caption(), "Dravik Hockey Simulator Client - Plain");
    EXPECT_EQ(FilesIn(t.folder.path().string()), std::vector<std::string>{"Plain.zcl"});
}

TEST(OpenLeague, ADateTheFormatsCannotShowLeavesTheDateEmpty) {
    TestClient t;
    frmMain& m = t.start();
    auto league = SpringLeague();
    league->League.ClientFileDate = std::numeric_limits<double>::quiet_NaN();
    t.open(WriteLeague(*league, t.file("No Date.zcl")));
    EXPECT_TRUE(t.dialogs.shown().empty());
    EXPECT_EQ(m.lblDate.Caption(), "Client File Date :  at ");
    EXPECT_EQ(m.Caption(), "Dravik Hockey Simulator Client - No Date");
}

TEST(OpenLeague, TheOpenMenuAsksForAClientLeagueFileInTheProgramFolder) {
    TestClient t;
    frmMain& m = t.start();
    const std::string path = WriteLeague(*SpringLeague(), t.file("Chosen.zcl"));
    t.openThroughMenu(path);

    ASSERT_EQ(t.dialogs.shown().size(), 1u);
    const auto& dialog = t.dialogs.shown()[0];
    EXPECT_EQ(dialog.kind, ScriptedDialogs::Kind::OpenFile);
    EXPECT_EQ(dialog.initialFolder, t.folder.path().string());
    EXPECT_EQ(dialog.flags, 4);
    EXPECT_EQ(dialog.prompt, "ZELT Client File (*.zcl) |*.zcl|All Files (*.*) | *.*");
    EXPECT_EQ(m.Caption(), "Dravik Hockey Simulator Client - Chosen");
    EXPECT_EQ(m.dlgCommon.FileName(), path);
}

TEST(OpenLeague, CancelInTheOpenDialogDoesNothingAndShowsNothing) {
    TestClient t;
    frmMain& m = t.start();
    t.open(WriteLeague(*SpringLeague(), t.file("Kept.zcl")));
    const WindowState before = Observe(t);
    t.dialogs.answerFile(std::nullopt);
    EXPECT_TRUE(t.user.pressShortcut(m, 'O'));
    ASSERT_EQ(t.dialogs.shown().size(), 1u);
    EXPECT_EQ(t.dialogs.shown()[0].kind, ScriptedDialogs::Kind::OpenFile);
    EXPECT_EQ(Observe(t), before);
}

// ---- Files that fail: one message, and everything stays as it was.

struct BadFile {
    const char* name;
    // Writes the bad file into the folder and returns the path to open.
    std::function<std::string(TestClient&)> make;
    bool skipZip;
    const char* message;
    bool waitWindowShown;
};
void PrintTo(const BadFile& c, std::ostream* os) { *os << c.name; }

std::string damaged(TestClient& t, const char* file, std::function<void(std::string&)> damage,
                    FileForm form = FileForm::Compressed) {
    std::string image = BuildLeagueImage(*SpringLeague());
    damage(image);
    leaguewriter::WriteLeagueImageFile(t.file(file), image, form);
    return t.file(file);
}

void replaceOnce(std::string& image, std::string_view from, std::string_view to) {
    std::size_t p = image.find(from);
    ASSERT_NE(p, std::string::npos);
    image.replace(p, from.size(), to);
}

const char* const Integrity = "File Integrity is incorrect!";
const char* const Unpacking = "5 - Invalid procedure call or argument in Zlib Decompress!";

const BadFile badFiles[] = {
    {"MissingFile", [](TestClient& t) { return t.file("Nowhere.zcl"); }, false,
     "Cannot find last client league file!", false},
    {"AFolder",
     [](TestClient& t) {
         std::filesystem::create_directory(t.file("Folder.zcl"));
         return t.file("Folder.zcl");
     },
     false, "Cannot find last client league file!", false},
    {"NotACompressedFile",
     [](TestClient& t) {
         writeFile(t.file("Text.zcl"), "these bytes were never packed by zlib");
         return t.file("Text.zcl");
     },
     false, Unpacking, true},
    {"EmptyFile",
     [](TestClient& t) {
         writeFile(t.file("Empty.zcl"), "");
         return t.file("Empty.zcl");
     },
     false, Unpacking, true},
    {"CutContainer",
     [](TestClient& t) {
         std::string packed = leaguewriter::PackLeagueImage(BuildLeagueImage(*SpringLeague()));
         writeFile(t.file("Cut.zcl"), packed.substr(0, packed.size() / 2));
         return t.file("Cut.zcl");
     },
     false, Unpacking, true},
    {"PlainFileWhileCompressionIsOn",
     [](TestClient& t) {
         return damaged(
             t, "Plain.zcl", [](std::string&) {}, FileForm::Plain);
     },
     false, Unpacking, true},
    {"APlainFileTooLargeToCopy",
     [](TestClient& t) {
         // Sparse: larger than any league, at no cost to the disk.
         writeFile(t.file("Huge.zcl"), "");
         std::filesystem::resize_file(t.file("Huge.zcl"), static_cast<std::uintmax_t>(MaxUnpackedSize) + 1);
         return t.file("Huge.zcl");
     },
     true, "5 - Invalid procedure call or argument in OpenLeagueClient!", true},
    {"PackedFileWhileCompressionIsOff",
     [](TestClient& t) { return damaged(t, "Packed.zcl", [](std::string&) {}); }, true, Integrity, true},
    {"OtherStartMarker",
     [](TestClient& t) {
         return damaged(t, "Start.zcl",
                        [](std::string& i) { replaceOnce(i, "1.12 - Start", "1.11 - Start"); });
     },
     false, Integrity, true},
    {"StartMarkerInOtherLetterCase",
     [](TestClient& t) {
         return damaged(t, "Case.zcl", [](std::string& i) { replaceOnce(i, "ZELT Client", "Zelt Client"); });
     },
     false, Integrity, true},
    {"EndsEarly",
     [](TestClient& t) { return damaged(t, "Short.zcl", [](std::string& i) { i.resize(at(5000) + 17); }); },
     false, Integrity, true},
    {"EndMarkerMissingItsLastRecord",
     [](TestClient& t) {
         return damaged(t, "NoEnd.zcl", [](std::string& i) { i.resize(at(leaguefile::EndMarkerRecord)); });
     },
     false, Integrity, true},
    {"OtherEndMarker",
     [](TestClient& t) {
         return damaged(t, "End.zcl", [](std::string& i) { replaceOnce(i, "- End", "- end"); });
     },
     false, Integrity, true},
    {"ANameTooShortToCut",
     [](TestClient& t) {
         // A sound league whose name has fewer than four characters.
         return WriteLeague(*SpringLeague(), t.file("zcl"));
     },
     false, "5 - Invalid procedure call or argument in OpenLeagueClient!", true},
};

class FailedOpen : public ::testing::TestWithParam<BadFile> {};

TEST_P(FailedOpen, ShowsOneMessageAndLeavesThePreviousLeagueAsItWas) {
    const BadFile& bad = GetParam();
    TestClient t;
    frmMain& m = t.start();
    auto previous = SpringLeague();
    AddTeam(*previous, 7, "Lake Loons", 2);
    const std::string first = WriteLeague(*previous, t.file("Previous.zcl"));
    t.open(first);
    ASSERT_TRUE(t.dialogs.shown().empty());
    ASSERT_TRUE(t.user.selectItem(m.lstDivision(2), 1));  // "Ridge Hawks"
    ASSERT_EQ(t.state().CurrentTeam, 2);
    t.state().PlayerStates[1].Status = status::Scratch;
    if (bad.skipZip) t.settings.set("Settings", "SkipZIPClient", "YES");

    const WindowState window = Observe(t);
    const auto league = CopyOf(t.league());
    const PlayerState skater = t.state().PlayerStates[1];
    const PlayerState goalie = t.state().GoalieStates[1];
    const std::string path = bad.make(t);
    const int pumpsBefore = t.pumps;
    t.open(path);

    ASSERT_EQ(t.dialogs.shown().size(), 1u);
    const auto& box = t.dialogs.shown()[0];
    EXPECT_EQ(box.prompt, bad.message);
    EXPECT_EQ(box.icon(), mb::Critical);
    EXPECT_EQ(box.title, "Dravik Hockey Simulator Client");
    EXPECT_EQ(t.state().LastMsgBoxResult, mb::OK);

    EXPECT_EQ(Observe(t), window);
    EXPECT_TRUE(SameLeague(t.league(), *league));
    EXPECT_EQ(t.state().PlayerStates[1], skater);
    EXPECT_EQ(t.state().GoalieStates[1], goalie);
    EXPECT_EQ(m.lstDivision(2).ListIndex(), 1);
    EXPECT_EQ(t.settings.get("Settings", "LastLoadLeague"), first);

    EXPECT_FALSE(std::filesystem::exists(t.state().WorkFilePath));
    EXPECT_FALSE(t.app.forms().isLoaded<frmWait>());
    EXPECT_EQ(t.pumps > pumpsBefore, bad.waitWindowShown);
    EXPECT_EQ(t.app.forms().activeForm(), &m);
}

INSTANTIATE_TEST_SUITE_P(BadFiles, FailedOpen, ::testing::ValuesIn(badFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OpenLeague, AFailedFirstOpenLeavesTheStartState) {
    TestClient t;
    frmMain& m = t.start();
    const WindowState start = Observe(t);
    writeFile(t.file("Broken.zcl"), "not a league");
    t.open(t.file("Broken.zcl"));
    EXPECT_EQ(t.dialogs.messages(), std::vector<std::string>{Unpacking});
    EXPECT_EQ(Observe(t), start);
    EXPECT_EQ(m.lblConference(1).Caption(), "No League File Load!");
    EXPECT_FALSE(m.mnuTeam.Enabled());
    EXPECT_FALSE(m.mnuOutputRatingCSV.Visible());
    EXPECT_TRUE(t.settings.get("Settings", "LastLoadLeague").empty());
}

TEST(OpenLeague, AWorkingCopyLeftFromBeforeIsReplaced) {
    TestClient t;
    frmMain& m = t.start();
    writeFile(t.state().WorkFilePath, "left over from an earlier run");
    t.open(WriteLeague(*SpringLeague(), t.file("Fresh.zcl")));
    EXPECT_TRUE(t.dialogs.shown().empty());
    EXPECT_EQ(m.Caption(), "Dravik Hockey Simulator Client - Fresh");
    EXPECT_FALSE(std::filesystem::exists(t.state().WorkFilePath));
}

}  // namespace
}  // namespace dravik::test
