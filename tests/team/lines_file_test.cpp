// The team lines file: its bytes, the save and its gates, reading back, the
// checks that refuse a file before it changes anything, and the apply rules.

#include "team/lines_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>

#include "league/files.h"
#include "league/layouts.h"
#include "league/shared.h"
#include "leaguewriter/writer.h"
#include "support/team_league.h"
#include "team/lines_file_headless.h"
#include "test_env.h"

// This test program stands in for the C library's unlink, so that the removal
// of one chosen path can be made to fail, even for root; every other path is
// removed as usual.
namespace {
std::string refusedRemoval;
}  // namespace

extern "C" int unlink(const char* path) noexcept {
    if (!refusedRemoval.empty() && refusedRemoval == path) {
        errno = EBUSY;
        return -1;
    }
    return ::unlinkat(AT_FDCWD, path, 0);
}

namespace dravik::test {
namespace {

using leaguewriter::PackLeagueImage;

// Refuses the removal of `path` while it lives.
struct RefusedRemoval {
    explicit RefusedRemoval(const std::string& path) { refusedRemoval = path; }
    ~RefusedRemoval() { refusedRemoval.clear(); }
    RefusedRemoval(const RefusedRemoval&) = delete;
    RefusedRemoval& operator=(const RefusedRemoval&) = delete;
};
using Lines = std::vector<std::string>;

struct LinesEnv : TestEnv {
    Lineup pro;
    std::string programFolder = folder.path().string();
    std::string target = folder.file("HaldenRavens.zln");

    LinesEnv() {
        InitSharedState(*state, folder.file("ClientTemp.ztm"));
        pro = BuildTeamLeague(*league);
    }
    TeamInfo& team() { return league->Teams[Team]; }
    SaveResult save() { return SaveTeamLinesFile(env, programFolder, Team); }
    LoadResult load(const std::string& path) { return LoadTeamLinesFile(env, Team, path); }
    std::string loadable() const { return LoadableState(*league, *state, Team); }
    // The image a save would write now.
    std::string image(int16_t forTeam = Team) {
        RefreshStateStatus(*league, *state);
        return BuildTeamLinesImage(*league, *state, forTeam);
    }
    Lines files() const {
        Lines out;
        for (const auto& e : std::filesystem::directory_iterator(folder.path()))
            out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }
};

int16_t int16At(const std::string& bytes, std::size_t at) {
    return static_cast<int16_t>(static_cast<uint8_t>(bytes[at]) | (static_cast<uint8_t>(bytes[at + 1]) << 8));
}

const std::string SavedAt = "Lines file for Halden Ravens successfully save at\r\n";
const std::string FailedFrom = "File for Halden Ravens unsuccessfully load from\r\n";

// ---------------------------------------------------------------------------
// The bytes.

TEST(TeamLinesFile, RecordsLieAtTheirOffsetsInAPackedFile) {
    LinesEnv e;
    e.state->PlayerStates[705].Protected = True;
    e.state->GoalieStates[72].TradeAvailable = True;
    e.league->Players[1202].RosterStatus = status::Scratch;  // another team's player
    ASSERT_EQ(e.save(), SaveResult::Saved);

    const std::string container = readFile(e.target);
    const std::string image = Unpack(container);
    ASSERT_EQ(image.size(), 38187350u);
    // The header holds the unpacked length.
    EXPECT_EQ(
        static_cast<uint32_t>(static_cast<uint8_t>(container[0]) | static_cast<uint8_t>(container[1]) << 8 |
                              static_cast<uint8_t>(container[2]) << 16 |
                              static_cast<uint32_t>(static_cast<uint8_t>(container[3])) << 24),
        image.size());

    EXPECT_EQ(image.substr(0, 41), std::string("\x27\x00", 2) + "ZELT Lineups Files Version 1.01 - Start");
    EXPECT_EQ(image.substr(3470, 5), "HALDN");
    EXPECT_EQ(int16At(image, 6940), 7);
    std::string teamBytes(3470, '\0');
    layout::encode(e.team(), reinterpret_cast<uint8_t*>(teamBytes.data()));
    EXPECT_EQ(image.substr(10410, 3470), teamBytes);
    EXPECT_EQ(image.substr(38183880, 39),
              std::string("\x25\x00", 2) + "ZELT Lineups Files Version 1.01 - End");

    // Skater n at record n + 4, goalie g at record g + 10004: status byte,
    // then the two flags.
    auto state = [&](int64_t record) { return image.substr(static_cast<std::size_t>(record - 1) * 3470, 5); };
    EXPECT_EQ(state(705 + 4), std::string("\x02\xFF\xFF\x00\x00", 5));
    EXPECT_EQ(state(1202 + 4), std::string("\x01\x00\x00\x00\x00", 5));  // written with its own status
    EXPECT_EQ(state(9999 + 4), std::string("\x00\x00\x00\x00\x00", 5));  // unused numbers too
    EXPECT_EQ(state(72 + 10004), std::string("\x02\x00\x00\xFF\xFF", 5));
    // The filler after a record's data is zero.
    EXPECT_EQ(image.substr(3475, 3470 - 5), std::string(3465, '\0'));

    EXPECT_EQ(e.dialogs.messages(), Lines{SavedAt + e.target});
    EXPECT_EQ(e.dialogs.shown()[0].icon(), mb::Information);
    EXPECT_EQ(e.files(), Lines{"HaldenRavens.zln"});  // no working copy left
    EXPECT_EQ(e.wait.shows, 1);
    EXPECT_FALSE(e.wait.visible);
}

TEST(TeamLinesFile, SavingRefreshesEveryStatusInTheStateArrays) {
    LinesEnv e;
    e.league->Players[1202].RosterStatus = status::Scratch;
    ASSERT_EQ(e.save(), SaveResult::Saved);
    EXPECT_EQ(e.state->PlayerStates[1202].Status, status::Scratch);
    EXPECT_EQ(e.state->PlayerStates[701].Status, status::Dressed);
    EXPECT_EQ(e.state->PlayerStates[9999].Status, status::Farm);  // was 10: not set
    EXPECT_EQ(e.state->GoalieStates[121].Status, status::Dressed);
}

TEST(TeamLinesFile, UnderYesTheTargetIsThePlainImage) {
    LinesEnv e;
    e.settings.set("Settings", "SkipZIPClient", " yes ");
    ASSERT_EQ(e.save(), SaveResult::Saved);
    EXPECT_EQ(readFile(e.target), e.image());
    EXPECT_EQ(e.files(), Lines{"HaldenRavens.zln"});
}

TEST(TeamLinesFile, SavingAgainReplacesTheFile) {
    LinesEnv e;
    ASSERT_EQ(e.save(), SaveResult::Saved);
    e.team().Morale = 99;
    ASSERT_EQ(e.save(), SaveResult::Saved);
    EXPECT_EQ(e.files(), Lines{"HaldenRavens.zln"});
    EXPECT_EQ(Unpack(readFile(e.target)), e.image());
}

// ---------------------------------------------------------------------------
// The save's gates and failures: nothing is written, a previous file stays.

TEST(TeamLinesFile, IncompleteProDayOneIsRefusedBeforeThePassword) {
    LinesEnv e;
    e.team().Password = PasswordDigest("secret");
    e.team().ProLines[0].Slots[slot::StartGoaler] = 0;
    EXPECT_EQ(e.save(), SaveResult::LinesIncomplete);
    ASSERT_EQ(e.dialogs.shown().size(), 1u);
    EXPECT_EQ(
        e.dialogs.shown()[0].prompt,
        "Lines #1 are incomplete!\r\nYou will not be able to save league files unless lines for the next day "
        "are complete!");
    EXPECT_EQ(e.dialogs.shown()[0].icon(), mb::Exclamation);
    EXPECT_EQ(e.dialogs.shown()[0].title, ProductName);
    EXPECT_TRUE(e.files().empty());
    EXPECT_EQ(e.wait.shows, 0);
}

TEST(TeamLinesFile, OnlyProDayOneIsCheckedBeforeSaving) {
    LinesEnv e;
    AddFarmClub(*e.league);                             // farm day 1 empty: its check would fail
    e.team().ProLines[1].Slots[slot::StartGoaler] = 0;  // and so would pro day 2
    EXPECT_EQ(e.save(), SaveResult::Saved);
}

TEST(TeamLinesFile, AWrongPasswordWritesNothing) {
    LinesEnv e;
    e.team().Password = PasswordDigest("secret");
    e.dialogs.answerInput("Secret");
    EXPECT_EQ(e.save(), SaveResult::WrongPassword);
    EXPECT_EQ(e.dialogs.messages(), Lines{"Password is incorrect!"});
    EXPECT_TRUE(e.files().empty());

    e.dialogs.clear();
    e.dialogs.answerInput("secret");
    EXPECT_EQ(e.save(), SaveResult::Saved);
    EXPECT_EQ(e.dialogs.shown()[0].prompt, "Password Required!");
}

TEST(TeamLinesFile, AFailedSaveLeavesThePreviousFile) {
    LinesEnv e;
    writeFile(e.target, "previous");
    e.state->WorkFilePath = e.folder.file("gone/ClientTemp.ztm");  // cannot be written
    EXPECT_EQ(e.save(), SaveResult::Failed);
    EXPECT_EQ(e.dialogs.messages(), Lines{"75 - Path/File access error in cmdSaveToFile!"});
    EXPECT_EQ(readFile(e.target), "previous");
    EXPECT_EQ(e.files(), Lines{"HaldenRavens.zln"});
    EXPECT_FALSE(e.wait.visible);
}

// A folder of the target's name stands for a target that cannot be
// replaced: neither packing nor copying leaves a temporary file behind.
TEST(TeamLinesFile, ATargetThatCannotBeReplacedLeavesNoFileBehind) {
    const std::pair<const char*, const char*> cases[] = {
        {"No", "75 - Path/File access error in Zlib Compress!"},
        {"YES", "75 - Path/File access error in cmdSaveToFile!"},
    };
    for (const auto& [skip, message] : cases) {
        SCOPED_TRACE(skip);
        LinesEnv e;
        e.settings.set("Settings", "SkipZIPClient", skip);
        std::filesystem::create_directories(e.folder.file("HaldenRavens.zln/inside"));
        EXPECT_EQ(e.save(), SaveResult::Failed);
        EXPECT_EQ(e.dialogs.messages(), Lines{message});
        EXPECT_TRUE(std::filesystem::is_directory(e.folder.file("HaldenRavens.zln/inside")));
        EXPECT_EQ(e.files(), Lines{"HaldenRavens.zln"});
        EXPECT_FALSE(e.wait.visible);
    }
}

TEST(TeamLinesFile, ANameWithASlashIsRefusedAndNothingIsWritten) {
    LinesEnv e;
    e.team().Name = "AC/DC Rockers";
    EXPECT_EQ(e.save(), SaveResult::BadFileName);
    EXPECT_EQ(e.dialogs.messages(),
              Lines{"Lines file for AC/DC Rockers cannot be saved: the team name holds a \"/\"!"});
    EXPECT_EQ(e.dialogs.shown()[0].icon(), mb::Exclamation);
    EXPECT_TRUE(e.files().empty());
    EXPECT_EQ(e.wait.shows, 0);
}

TEST(TeamLinesFile, TheFileNameIsTheTeamNameWithoutBlanks) {
    struct Case {
        std::string teamName;  // Windows-1252
        std::optional<std::string> file;
    };
    const Case cases[] = {
        {"New York", "NewYork.zln"},
        {"  St. Louis\tBlues ", "St.LouisBlues.zln"},
        {"Malm\xF6 Redhawks", "Malm\xC3\xB6Redhawks.zln"},  // UTF-8 on disk
        {"", ".zln"},
        {"..", "...zln"},
        {"Back\\Slash", "Back\\Slash.zln"},
        {"a/b", std::nullopt},
        {"/", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.teamName);
        TeamInfo t;
        t.Name = c.teamName;
        std::optional<std::string> path = TeamLinesPath("/prog", t);
        if (c.file) {
            EXPECT_EQ(path, "/prog/" + *c.file);
        } else {
            EXPECT_EQ(path, std::nullopt);
        }
    }
}

TEST(TeamLinesFile, AnAccentedNameIsWrittenAndShownInTheLeaguesCodePage) {
    LinesEnv e;
    e.team().Name = "Malm\xF6 Redhawks";
    ASSERT_EQ(e.save(), SaveResult::Saved);
    EXPECT_EQ(e.files(), Lines{"Malm\xC3\xB6Redhawks.zln"});
    EXPECT_EQ(e.dialogs.messages(), Lines{"Lines file for Malm\xF6 Redhawks successfully save at\r\n" +
                                          e.folder.path().string() + "/Malm\xF6Redhawks.zln"});
}

// ---------------------------------------------------------------------------
// Reading back.

TEST(TeamLinesFile, ReadingBackTheFileJustWrittenChangesNothing) {
    for (const char* skip : {"No", "YES"}) {
        SCOPED_TRACE(skip);
        LinesEnv e;
        e.settings.set("Settings", "SkipZIPClient", skip);
        e.league->Players[703].Protected = True;
        e.state->PlayerStates[703].Protected = True;
        e.league->Goalies[71].TradeAvailable = True;
        e.state->GoalieStates[71].TradeAvailable = True;
        ASSERT_EQ(e.save(), SaveResult::Saved);
        const std::string before = e.loadable();
        e.dialogs.clear();
        EXPECT_EQ(e.load(e.target), LoadResult::Loaded);
        EXPECT_TRUE(e.loadable() == before);
        EXPECT_TRUE(e.dialogs.shown().empty());  // the success message is the sheet's
        EXPECT_EQ(e.files(), Lines{"HaldenRavens.zln"});
        EXPECT_FALSE(e.wait.visible);
    }
}

TEST(TeamLinesFile, ReadingReplacesTheTeamRecordWhole) {
    LinesEnv e;
    TeamInfo saved = e.team();
    saved.Name = "Halden Ravens II";
    saved.Reserved3 = "reserved bytes survive";
    saved.TicketPrice[4] = 777;
    saved.Farm.Lines[9].Slots[slot::PullGoalerMinPct] = 91;
    e.team() = saved;
    const std::string file = e.folder.file("saved.zln");
    writeFile(file, PackLeagueImage(e.image()));
    e.team() = TeamInfo{};
    e.team().Name = TeamName;

    EXPECT_EQ(e.load(file), LoadResult::Loaded);
    EXPECT_EQ(e.team(), saved);
}

// Every way a file is refused: the failure box names the open team, and
// nothing of the league or the states changes.
TEST(TeamLinesFile, ARefusedFileChangesNothing) {
    struct Case {
        const char* name;
        std::function<std::string(LinesEnv&, const std::string& image)> file;  // the bytes on disk
        const char* skipZip;
        TeamLinesCheck check;  // what the image check says of the unpacked bytes
    };
    auto poke = [](std::string image, std::size_t at, char c) {
        image[at] = c;
        return image;
    };
    const std::vector<Case> cases = {
        {"another team's file",
         [](LinesEnv& e, const std::string&) { return PackLeagueImage(e.image(OtherTeam)); }, "No",
         TeamLinesCheck::OtherTeam},
        {"another league's file",
         [&](LinesEnv&, const std::string& image) { return PackLeagueImage(poke(image, 3474, 'X')); }, "No",
         TeamLinesCheck::OtherLeague},
        {"a bad start marker",
         [&](LinesEnv&, const std::string& image) { return PackLeagueImage(poke(image, 2, 'z')); }, "No",
         TeamLinesCheck::BadStartMarker},
        {"a start marker of another length",
         [&](LinesEnv&, const std::string& image) { return PackLeagueImage(poke(image, 0, 38)); }, "No",
         TeamLinesCheck::BadStartMarker},
        {"a bad end marker",
         [&](LinesEnv&, const std::string& image) { return PackLeagueImage(poke(image, 38183882, 'z')); },
         "No", TeamLinesCheck::BadEndMarker},
        {"an image one byte short of the end marker",
         [](LinesEnv&, const std::string& image) { return PackLeagueImage(image.substr(0, 38183918)); }, "No",
         TeamLinesCheck::TooShort},
        {"an image cut before the team record",
         [](LinesEnv&, const std::string& image) { return PackLeagueImage(image.substr(0, 10000)); }, "No",
         TeamLinesCheck::TooShort},
        {"a packed file read plain under YES",
         [](LinesEnv&, const std::string& image) { return PackLeagueImage(image); }, "YES",
         TeamLinesCheck::TooShort},
        {"a file packed twice",
         [](LinesEnv&, const std::string& image) { return PackLeagueImage(PackLeagueImage(image)); }, "No",
         TeamLinesCheck::TooShort},
        {"a plain image of another team under YES",
         [](LinesEnv& e, const std::string&) { return e.image(OtherTeam); }, "YES",
         TeamLinesCheck::OtherTeam},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinesEnv e;
        const std::string good = e.image();
        // Make the league differ from the file, so that an apply would show.
        e.league->Players[701].RosterStatus = status::Scratch;
        e.team().Morale = 1;
        const std::string bytes = c.file(e, good);
        const std::string file = e.folder.file("chosen.zln");
        writeFile(file, bytes);
        EXPECT_EQ(CheckTeamLinesImage(std::string(c.skipZip) == "YES" ? bytes : Unpack(bytes),
                                      e.league->League, Team),
                  c.check);

        e.settings.set("Settings", "SkipZIPClient", c.skipZip);
        const std::string before = e.loadable();
        EXPECT_EQ(e.load(file), LoadResult::Refused);
        EXPECT_TRUE(e.loadable() == before);
        ASSERT_EQ(e.dialogs.shown().size(), 1u);
        EXPECT_EQ(e.dialogs.shown()[0].prompt, FailedFrom + file);
        EXPECT_EQ(e.dialogs.shown()[0].icon(), mb::Critical);
        EXPECT_EQ(e.dialogs.shown()[0].title, ProductName);
        EXPECT_EQ(e.state->LastMsgBoxResult, mb::OK);
        EXPECT_EQ(e.files(), Lines{"chosen.zln"});
        EXPECT_EQ(e.wait.shows, 1);
        EXPECT_FALSE(e.wait.visible);
    }
}

TEST(TeamLinesFile, AMissingFileIsRefusedLikeABadOne) {
    LinesEnv e;
    const std::string before = e.loadable();
    const std::string file = e.folder.file("nowhere.zln");
    EXPECT_EQ(e.load(file), LoadResult::Refused);
    EXPECT_EQ(e.dialogs.messages(), Lines{FailedFrom + file});
    EXPECT_TRUE(e.loadable() == before);
    EXPECT_TRUE(e.files().empty());
}

TEST(TeamLinesFile, AContainerThatDoesNotUnpackShowsOnlyTheUnpackersBox) {
    struct Case {
        const char* name;
        std::function<std::string(const std::string& image)> file;
    };
    const Case cases[] = {
        {"a cut container",
         [](const std::string& image) {
             std::string c = PackLeagueImage(image);
             return c.substr(0, c.size() / 2);
         }},
        {"a plain image read as packed", [](const std::string& image) { return image; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinesEnv e;
        const std::string file = e.folder.file("chosen.zln");
        writeFile(file, c.file(e.image()));
        e.team().Morale = 1;
        const std::string before = e.loadable();
        EXPECT_EQ(e.load(file), LoadResult::UnpackFailed);
        EXPECT_EQ(e.dialogs.messages(), Lines{"5 - Invalid procedure call or argument in Zlib Decompress!"});
        EXPECT_TRUE(e.loadable() == before);
        EXPECT_EQ(e.files(), Lines{"chosen.zln"});
        EXPECT_FALSE(e.wait.visible);
    }
}

// The image is read into memory and the working copy removed before
// anything is applied: a working copy that cannot be removed stops the load
// with the error box, and the league stays as it was.
TEST(TeamLinesFile, AWorkingCopyThatCannotBeRemovedChangesNothing) {
    for (const char* skip : {"No", "YES"}) {
        SCOPED_TRACE(skip);
        LinesEnv e;
        e.settings.set("Settings", "SkipZIPClient", skip);
        const std::string image = e.image();
        const std::string file = e.folder.file("chosen.zln");
        writeFile(file, std::string(skip) == "YES" ? image : PackLeagueImage(image));
        // The league differs from the file, so that an apply would show.
        e.league->Players[701].RosterStatus = status::Scratch;
        e.team().Morale = 1;
        const std::string before = e.loadable();

        {
            RefusedRemoval refuse(e.state->WorkFilePath);
            EXPECT_EQ(e.load(file), LoadResult::Failed);
        }
        EXPECT_EQ(e.dialogs.messages(), Lines{"70 - Permission denied in cmdLoadFile!"});
        EXPECT_EQ(e.dialogs.shown()[0].icon(), mb::Critical);
        EXPECT_TRUE(e.loadable() == before);
        EXPECT_EQ(e.team().Morale, 1);
        EXPECT_EQ(e.files(), (Lines{"ClientTemp.ztm", "chosen.zln"}));  // left for the next operation
        EXPECT_FALSE(e.wait.visible);

        // Once it can go, the same file loads.
        e.dialogs.clear();
        EXPECT_EQ(e.load(file), LoadResult::Loaded);
        EXPECT_EQ(e.league->Players[701].RosterStatus, status::Dressed);
        EXPECT_EQ(e.files(), Lines{"chosen.zln"});
    }
}

TEST(TeamLinesFile, APaddedOrLongerImageIsAccepted) {
    struct Case {
        const char* name;
        std::function<std::string(const std::string& image)> cut;
    };
    const Case cases[] = {
        {"cut right after the end marker",
         [](const std::string& image) { return image.substr(0, 38183919); }},
        {"with bytes after the last record", [](const std::string& image) { return image + "trailing"; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinesEnv e;
        e.team().Morale = 33;
        const std::string file = e.folder.file("chosen.zln");
        writeFile(file, PackLeagueImage(c.cut(e.image())));
        e.team().Morale = 1;
        EXPECT_EQ(e.load(file), LoadResult::Loaded);
        EXPECT_EQ(e.team().Morale, 33);
    }
}

// ---------------------------------------------------------------------------
// What reading applies.

TEST(TeamLinesFile, ReadingAppliesStatusesOnlyToTheTeamsPeopleAndOnlyUpToDressed) {
    LinesEnv e;
    // The file's states.
    const int16_t dressed = 701, toFarm = 702, notSet = 703, tooHigh = 704, gone = 705, other = 1201;
    RefreshStateStatus(*e.league, *e.state);
    auto& s = e.state->PlayerStates;
    s[toFarm] = {status::Farm, False, True};
    s[notSet] = {status::NotSet, True, False};
    s[tooHigh] = {3, True, True};
    s[gone] = {status::Farm, True, True};
    s[other] = {status::Farm, True, True};
    s[dressed] = {status::Dressed, False, False};
    e.state->GoalieStates[72] = {status::Scratch, False, True};
    e.state->GoalieStates[121] = {status::Farm, True, True};
    e.state->PlayerStates[9000] = {7, True, False};  // a number no one holds
    const std::string file = e.folder.file("chosen.zln");
    writeFile(file, PackLeagueImage(BuildTeamLinesImage(*e.league, *e.state, Team)));

    // The open league: states reset, and skater 705 traded away since.
    InitSharedState(*e.state, e.state->WorkFilePath);
    e.league->Players[gone].Team = OtherTeam;
    e.league->Players[dressed].Protected = True;

    ASSERT_EQ(e.load(file), LoadResult::Loaded);
    auto& p = e.league->Players;
    struct Expect {
        int16_t n;
        uint8_t status;
        Flag protect, trade;
    };
    const Expect skaters[] = {
        {dressed, status::Dressed, False, False},  // flags always taken
        {toFarm, status::Farm, False, True},       // a different status up to 2 is taken
        {notSet, status::Dressed, True, False},    // 10 leaves the status alone
        {tooHigh, status::Dressed, True, True},    // and so does 3
        {gone, status::Dressed, False, False},     // now on another team: untouched
        {other, status::Dressed, False, False},    // never on this team: untouched
    };
    for (const Expect& x : skaters) {
        SCOPED_TRACE(x.n);
        EXPECT_EQ(p[x.n].RosterStatus, x.status);
        EXPECT_EQ(p[x.n].Protected, x.protect);
        EXPECT_EQ(p[x.n].TradeAvailable, x.trade);
    }
    EXPECT_EQ(e.league->Goalies[72].RosterStatus, status::Scratch);
    EXPECT_EQ(e.league->Goalies[72].TradeAvailable, True);
    EXPECT_EQ(e.league->Goalies[121].RosterStatus, status::Dressed);
    EXPECT_EQ(e.league->Goalies[121].Protected, False);

    // The state arrays take the file's values for everyone.
    EXPECT_EQ(s[gone].Status, status::Farm);
    EXPECT_EQ(s[gone].Protected, True);
    EXPECT_EQ(s[other].Status, status::Farm);
    EXPECT_EQ(s[9000].Status, 7);
    EXPECT_EQ(e.state->GoalieStates[121].TradeAvailable, True);
}

// ---------------------------------------------------------------------------
// The reader run headless, as the fuzz target runs it.

TEST(TeamLinesFileHeadless, AFileOfItsLeagueLoadsAndAnyOtherChangesNothing) {
    HeadlessLoadResult packed = LoadTeamLinesBytesHeadless(HeadlessTeamLinesFile(true));
    EXPECT_TRUE(packed.loaded);
    EXPECT_TRUE(packed.messages.empty());
    EXPECT_TRUE(packed.workingCopyRemoved);

    HeadlessLoadResult plain = LoadTeamLinesBytesHeadless(HeadlessTeamLinesFile(false), true);
    EXPECT_TRUE(plain.loaded);

    for (std::string bytes : {std::string(), std::string("\x10\x00\x00\x00garbage", 11),
                              HeadlessTeamLinesFile(false).substr(0, 20000)}) {
        HeadlessLoadResult r = LoadTeamLinesBytesHeadless(bytes, true);
        EXPECT_FALSE(r.loaded);
        EXPECT_TRUE(r.unchangedUnlessLoaded);
        EXPECT_TRUE(r.workingCopyRemoved);
        EXPECT_EQ(r.messages.size(), 1u);
    }
    HeadlessLoadResult garbage = LoadTeamLinesBytesHeadless(std::string("\x10\x00\x00\x00garbage", 11));
    EXPECT_FALSE(garbage.loaded);
    EXPECT_TRUE(garbage.unchangedUnlessLoaded);
    EXPECT_TRUE(garbage.workingCopyRemoved);
}

}  // namespace
}  // namespace dravik::test
