// The sample league the build writes, read back record by record, and the
// generated leagues' contents.

#include "leaguewriter/sample.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <string>

#include "league/layouts.h"
#include "league/leagueimage.h"
#include "league/password.h"
#include "leaguewriter/writer.h"
#include "support/league_file.h"
#include "test_env.h"

namespace dravik::leaguewriter {
namespace {

constexpr std::size_t Record = 3470;

// The built sample file, its unpacked image, and the sample generated afresh
// in this process.
class SampleFileTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        file_ = new std::string(test::readFile(BuiltSampleLeaguePath()));
        image_ = new std::string(test::UnpackLeagueFile(BuiltSampleLeaguePath()));
        fresh_ = new LeagueData();
        BuildSampleLeague(*fresh_);
    }
    static void TearDownTestSuite() {
        delete file_;
        delete image_;
        delete fresh_;
    }
    void SetUp() override {
        ASSERT_FALSE(file_->empty()) << "the build writes " << BuiltSampleLeaguePath();
        ASSERT_EQ(image_->size(), 58653410u) << "the sample file does not unpack";
    }

    // The record decoded at a byte offset of the image.
    template <class T>
    static T at(std::size_t offset) {
        T value{};
        layout::decode(reinterpret_cast<const uint8_t*>(image_->data()) + offset, value);
        return value;
    }
    static std::string marker(std::size_t offset) {
        const auto* p = reinterpret_cast<const uint8_t*>(image_->data()) + offset;
        return std::string(image_->data() + offset + 2, p[0] | (p[1] << 8));
    }

    static std::string* file_;
    static std::string* image_;
    static LeagueData* fresh_;
};

std::string* SampleFileTest::file_ = nullptr;
std::string* SampleFileTest::image_ = nullptr;
LeagueData* SampleFileTest::fresh_ = nullptr;

TEST_F(SampleFileTest, EveryRecordStandsInItsSlot) {
    EXPECT_EQ(marker(0), "ZELT Client Files Version 1.12 - Start");
    EXPECT_EQ(marker(16902 * Record), "ZELT Client Files Version 1.12 - End");
    EXPECT_EQ(at<LeagueInfo>(Record), fresh_->League);
    for (int i = 1; i <= 300; ++i)
        ASSERT_EQ(at<FixedText<40>>((2 + i - 1) * Record), fresh_->DraftNameList[i]) << "draft name " << i;
    for (int i = 1; i <= 100; ++i)
        ASSERT_EQ(at<TeamInfo>((302 + i - 1) * Record), fresh_->Teams[i]) << "team " << i;
    for (int i = 1; i <= 10000; ++i)
        ASSERT_EQ(at<PlayerInfo>((402 + i - 1) * Record), fresh_->Players[i]) << "skater " << i;
    for (int i = 1; i <= 1000; ++i)
        ASSERT_EQ(at<GoalieInfo>((10402 + i - 1) * Record), fresh_->Goalies[i]) << "goalie " << i;
    for (int i = 1; i <= 500; ++i)
        ASSERT_EQ(at<CoachInfo>((11402 + i - 1) * Record), fresh_->Coaches[i]) << "coach " << i;
    for (int i = 1; i <= 5000; ++i)
        ASSERT_EQ(at<ScheduleGame>((11902 + i - 1) * Record), fresh_->Schedule[i]) << "schedule " << i;

    // A few fields by their own bytes, so a record decoded from the wrong
    // place cannot pass for the right one.
    const auto& team1 = fresh_->Teams[1];
    EXPECT_EQ(image_->substr(302 * Record + 4, 40), team1.Name.raw());
    EXPECT_EQ(team1.Name.trimmed(), "Harrowgate Lynx");
    EXPECT_EQ(image_->substr(402 * Record + 4, 40), fresh_->Players[1].Name.raw());
    EXPECT_EQ(image_->substr(10402 * Record + 4, 40), fresh_->Goalies[1].Name.raw());
    EXPECT_EQ(image_->substr(11402 * Record + 4, 40), fresh_->Coaches[1].Name.raw());
    EXPECT_EQ(static_cast<uint8_t>((*image_)[11902 * Record]), 1);  // game number 1
}

TEST_F(SampleFileTest, ParsesBackToTheSameLeague) {
    auto back = std::make_unique<LeagueData>();
    ASSERT_EQ(ParseLeagueImage(*image_, *back), LeagueImageResult::Ok);
    EXPECT_EQ(back->League, fresh_->League);
    EXPECT_TRUE(back->DraftNameList == fresh_->DraftNameList);
    EXPECT_TRUE(back->Teams == fresh_->Teams);
    EXPECT_TRUE(back->Players == fresh_->Players);
    EXPECT_TRUE(back->Goalies == fresh_->Goalies);
    EXPECT_TRUE(back->Coaches == fresh_->Coaches);
    EXPECT_TRUE(back->Schedule == fresh_->Schedule);
}

// Written by another process at build time, the file is still the same
// bytes as the league generated here: nothing in the generator depends on
// the run.
TEST_F(SampleFileTest, SameBytesOnEveryRun) {
    EXPECT_TRUE(*file_ == PackLeagueImage(BuildLeagueImage(*fresh_)));
}

TEST_F(SampleFileTest, ThirtyTeamsInSixDivisions) {
    std::set<std::string> names;
    int perDivision[7] = {};
    for (int i = 1; i <= 100; ++i) {
        const TeamInfo& t = fresh_->Teams[i];
        const bool inUse = i <= 31 && i != SampleUnusedTeam;
        ASSERT_EQ(t.InUse, inUse ? True : False) << "team " << i;
        if (!inUse) continue;
        EXPECT_EQ(t.Number, i);
        ASSERT_GE(t.Division, 1);
        ASSERT_LE(t.Division, 6);
        ++perDivision[t.Division];
        names.insert(t.Name.trimmed());
        names.insert(t.Farm.Name.trimmed());
    }
    EXPECT_EQ(names.size(), 60u) << "team and farm club names are all different";
    for (int d = 1; d <= 6; ++d) EXPECT_EQ(perDivision[d], 5) << "division " << d;
    const LeagueInfo& li = fresh_->League;
    EXPECT_EQ(li.DivisionCount, 6);
    for (int d = 0; d < 6; ++d) EXPECT_EQ(li.Divisions[d].Conference, d < 3 ? 1 : 2);
}

TEST_F(SampleFileTest, DocumentedPasswordsOpenTheirTeams) {
    for (const SamplePassword& p : SamplePasswords) {
        test::TestEnv t;
        t.league->Teams[p.team] = fresh_->Teams[p.team];
        t.dialogs.answerInput(p.password);
        EXPECT_EQ(CheckPassword(t.env, p.team), True) << p.password;
        ASSERT_EQ(t.dialogs.shown().size(), 1u);
        EXPECT_EQ(t.dialogs.shown()[0].prompt, "Password Required!");

        std::string wrong = p.password;
        wrong[0] = static_cast<char>(wrong[0] ^ 0x20);  // the other letter case
        t.dialogs.clear();
        t.dialogs.answerInput(wrong);
        EXPECT_EQ(CheckPassword(t.env, p.team), False) << wrong;
    }
    std::set<int16_t> guarded;
    for (const SamplePassword& p : SamplePasswords) guarded.insert(p.team);
    for (int i = 1; i <= 100; ++i) {
        if (fresh_->Teams[i].InUse && !guarded.count(static_cast<int16_t>(i))) {
            EXPECT_EQ(fresh_->Teams[i].Password.raw(), std::string(32, ' ')) << "team " << i;
        }
    }
}

// Every team in use has its next ten pro games and ten farm games in the
// schedule, so each of the lines editors' ten days has a game.
TEST_F(SampleFileTest, EveryTeamHasTenUnplayedGamesOfEachClub) {
    int pro[101] = {}, farm[101] = {}, played = 0;
    for (const ScheduleGame& g : fresh_->Schedule) {
        if (g.ProScheduled == True && g.ProPlayed == 0) ++pro[g.ProTeam1], ++pro[g.ProTeam2];
        if (g.FarmScheduled == True && g.FarmPlayed == 0) ++farm[g.FarmTeam1], ++farm[g.FarmTeam2];
        played += g.ProPlayed != 0;
    }
    EXPECT_GT(played, 0);
    for (int i = 1; i <= 100; ++i) {
        if (!fresh_->Teams[i].InUse) continue;
        EXPECT_GE(pro[i], 10) << "team " << i;
        EXPECT_GE(farm[i], 10) << "team " << i;
    }
}

TEST(FullLeagueTest, EveryRecordInUse) {
    auto league = std::make_unique<LeagueData>();
    BuildFullLeague(*league);
    for (int i = 1; i <= 100; ++i) {
        ASSERT_EQ(league->Teams[i].InUse, True) << "team " << i;
        ASSERT_EQ(league->Teams[i].Number, i);
    }
    for (int i = 1; i <= 10000; ++i) {
        ASSERT_EQ(league->Players[i].InUse, True) << "skater " << i;
        ASSERT_EQ(league->Players[i].Number, i);
    }
    for (int i = 1; i <= 1000; ++i) {
        ASSERT_EQ(league->Goalies[i].InUse, True) << "goalie " << i;
        ASSERT_EQ(league->Goalies[i].Number, i);
    }
    for (int i = 1; i <= 500; ++i) ASSERT_EQ(league->Coaches[i].InUse, True) << "coach " << i;
    for (int i = 1; i <= 5000; ++i) {
        ASSERT_EQ(league->Schedule[i].ProScheduled, True) << "schedule " << i;
        ASSERT_EQ(league->Schedule[i].GameNumber, i);
    }
    EXPECT_EQ(league->Players[0], PlayerInfo{}) << "the placeholder is the reader's to make";
}

TEST(FreeAgentLeagueTest, EveryPersonIsAFreeAgentAndTheRestIsTheFullLeague) {
    auto league = std::make_unique<LeagueData>();
    BuildFreeAgentLeague(*league);
    auto full = std::make_unique<LeagueData>();
    BuildFullLeague(*full);
    EXPECT_EQ(league->League.ListUnsignedFreeAgents, True);
    for (int i = 1; i <= 10000; ++i) {
        ASSERT_EQ(league->Players[i].ContractYears, 0) << "skater " << i;
        full->Players[i].ContractYears = 0;
        ASSERT_EQ(league->Players[i], full->Players[i]) << "skater " << i;
    }
    for (int i = 1; i <= 1000; ++i) {
        ASSERT_EQ(league->Goalies[i].ContractYears, 0) << "goalie " << i;
        full->Goalies[i].ContractYears = 0;
        ASSERT_EQ(league->Goalies[i], full->Goalies[i]) << "goalie " << i;
    }
}

}  // namespace
}  // namespace dravik::leaguewriter
