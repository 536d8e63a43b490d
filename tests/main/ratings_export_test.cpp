// The ratings export: the two files' exact bytes, the quoting of fields
// that would break a column, and the menu with its question and messages.

#include "main/ratings_export.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "leaguewriter/builder.h"
#include "support/test_client.h"

namespace dravik::test {
namespace {

using leaguewriter::AddCoach;
using leaguewriter::AddGoalie;
using leaguewriter::AddSkater;
using leaguewriter::AddTeam;

const std::string PlayersHeader =
    "Name,Position,Country,Rookie,Age,Weight,Height,Contract,Salary,Stats 1,Stats 2,Stats 3,Stats 4,Stats 5,"
    "Stats 6,Stats 7,Stats 8,Stats 9,Stats 10,Stats 11,Stats 12,Stats 13,Stats 14\r\n";
const std::string CoachesHeader =
    "Name,Country,Age,Contract,Salary,Physical,Defense,Offense,Discpline,Exp,Lead,Potential\r\n";

std::unique_ptr<LeagueData> RatedLeague() {
    auto l = EmptyLeague();
    AddTeam(*l, 1, "Gulls", 1);
    PlayerInfo& ann = AddSkater(*l, 1, 1, pos::LW, status::Dressed, "  Ann Smith  ");
    ann.Country = "USA";
    ann.Rookie = True;
    ann.Age = 22;
    ann.Weight = 180;
    ann.Height = 70;
    ann.ContractYears = 3;
    ann.Salary = 750000;
    for (int r = sr::CK; r <= sr::LD; ++r)
        ann.Ratings[static_cast<std::size_t>(r)] = static_cast<int16_t>(70 + r);
    ann.Ratings[sr::MO] = 50;
    ann.Ratings[sr::PO] = 83;
    AddSkater(*l, 3, 1, pos::C).InUse = False;
    PlayerInfo& lee = AddSkater(*l, 5, 0, pos::D, status::Farm, "Lee, Bo");
    lee.Country = "SE";
    lee.Ratings[sr::PO] = 100;

    GoalieInfo& joe = AddGoalie(*l, 2, 1, status::Dressed, "Big \"Joe\"");
    for (int r = gr::SK; r <= gr::LD; ++r)
        joe.Ratings[static_cast<std::size_t>(r)] = static_cast<int16_t>(61 + r);
    joe.Ratings[gr::MO] = 40;
    joe.Ratings[gr::PO] = 100;
    AddGoalie(*l, 4, 1).InUse = False;

    CoachInfo& coach = AddCoach(*l, 1, 1, "Pat Burns ");
    coach.Age = 61;
    coach.ContractYears = 2;
    coach.Salary = 900000;
    coach.Ratings = {50, 51, 52, 53, 54, 55, 100};
    AddCoach(*l, 2, 0).InUse = False;
    AddCoach(*l, 500, 0, "Last Coach").Ratings[6] = 7;
    return l;
}

const std::string RatedPlayers =
    PlayersHeader +
    "Ann Smith,2,USA,Y,22,180,70,3,750000,70,71,72,73,74,75,76,77,78,79,80,81,82,83\r\n"
    "\"Lee, Bo\",4,SE ,N,25,195,72,1,500000,60,60,60,60,60,60,60,60,60,60,60,60,60,10\r\n"
    "\"Big \"\"Joe\"\"\",5,CAN,N,27,190,73,1,500000,61,62,63,64,65,66,67,68,69,70,71,100,0,0\r\n";
const std::string RatedCoaches = CoachesHeader +
                                 "Pat Burns,CAN,61,2,900000,50,51,52,53,54,55,10\r\n"
                                 "Last Coach,CAN,50,1,500000,60,60,60,60,60,60,7\r\n";

TEST(RatingsFiles, HoldEveryPersonInUseInNumberOrder) {
    auto league = RatedLeague();
    EXPECT_EQ(PlayersRatingsCsv(*league), RatedPlayers);
    EXPECT_EQ(CoachesRatingsCsv(*league), RatedCoaches);
}

TEST(RatingsFiles, AnEmptyLeagueGivesTheHeadersAlone) {
    auto league = EmptyLeague();
    EXPECT_EQ(PlayersRatingsCsv(*league), PlayersHeader);
    EXPECT_EQ(CoachesRatingsCsv(*league), CoachesHeader);
}

TEST(RatingsFiles, OnlyAFieldThatWouldBreakAColumnIsQuoted) {
    struct Case {
        const char* text;
        const char* written;
    };
    const Case cases[] = {
        {"Ann Smith", "Ann Smith"},
        {"O'Neil", "O'Neil"},
        {"Jos\xE9 Ch\xE1vez", "Jos\xE9 Ch\xE1vez"},  // the stored single-byte text
        {"", ""},
        {"Smith, John", "\"Smith, John\""},
        {"Big \"Joe\"", "\"Big \"\"Joe\"\"\""},
        {"\"", "\"\"\"\""},
        {"two\rlines", "\"two\rlines\""},
        {"two\nlines", "\"two\nlines\""},
    };
    for (const Case& c : cases) EXPECT_EQ(CsvField(c.text), c.written) << c.text;
}

// A program with the rated league open.
struct ExportProgram {
    TestClient t;
    frmMain* m = nullptr;
    ExportProgram() {
        m = &t.start();
        t.open(WriteLeague(*RatedLeague(), t.file("Rated.zcl")));
        EXPECT_TRUE(t.dialogs.shown().empty());
    }
    std::string players() const { return readFile(t.file(PlayersRatingsFile)); }
    std::string coaches() const { return readFile(t.file(CoachesRatingsFile)); }
};

TEST(RatingsExport, AskedAndAnsweredYesWritesBothFilesInTheProgramFolder) {
    ExportProgram p;
    writeFile(p.t.file(PlayersRatingsFile), "an older export");
    p.t.dialogs.answerMessage(mb::Yes);
    ASSERT_TRUE(p.t.user.clickMenu(p.m->mnuOutputRatingCSV));

    ASSERT_EQ(p.t.dialogs.shown().size(), 2u);
    const auto& question = p.t.dialogs.shown()[0];
    EXPECT_EQ(question.prompt, "Are you sure you want to output a Rating CSV file of your league?");
    EXPECT_EQ(question.buttons(), mb::YesNo);
    EXPECT_EQ(question.icon(), mb::Question);
    const auto& done = p.t.dialogs.shown()[1];
    EXPECT_EQ(done.prompt, "Output done in " + p.t.folder.path().string());
    EXPECT_EQ(done.icon(), mb::Information);
    EXPECT_EQ(done.title, "Dravik Hockey Simulator Client");
    EXPECT_EQ(p.t.state().LastMsgBoxResult, mb::OK);

    EXPECT_EQ(p.players(), RatedPlayers);
    EXPECT_EQ(p.coaches(), RatedCoaches);
}

TEST(RatingsExport, AnsweringNoWritesNothing) {
    ExportProgram p;
    writeFile(p.t.file(CoachesRatingsFile), "kept");
    p.t.dialogs.answerMessage(mb::No);
    ASSERT_TRUE(p.t.user.clickMenu(p.m->mnuOutputRatingCSV));
    EXPECT_EQ(p.t.dialogs.shown().size(), 1u);
    EXPECT_EQ(p.t.state().LastMsgBoxResult, mb::No);
    EXPECT_FALSE(std::filesystem::exists(p.t.file(PlayersRatingsFile)));
    EXPECT_EQ(p.coaches(), "kept");
}

TEST(RatingsExport, AFileThatCannotBeWrittenIsReportedAndTheOneBeforeItStays) {
    ExportProgram p;
    std::filesystem::create_directory(p.t.file(CoachesRatingsFile));
    p.t.dialogs.answerMessage(mb::Yes);
    ASSERT_TRUE(p.t.user.clickMenu(p.m->mnuOutputRatingCSV));

    ASSERT_EQ(p.t.dialogs.shown().size(), 2u);
    const auto& box = p.t.dialogs.shown()[1];
    EXPECT_EQ(box.prompt, "75 - Path/File access error in mnuOutputRatingCSV!");
    EXPECT_EQ(box.icon(), mb::Critical);
    EXPECT_EQ(p.players(), RatedPlayers);
    EXPECT_TRUE(std::filesystem::is_directory(p.t.file(CoachesRatingsFile)));
    // Nothing half-written is left beside it.
    EXPECT_EQ(FilesIn(p.t.folder.path().string()),
              (std::vector<std::string>{CoachesRatingsFile, PlayersRatingsFile, "Rated.zcl"}));
}

}  // namespace
}  // namespace dravik::test
