#include "league/leagueimage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "league/layouts.h"

namespace dravik {
namespace {

using namespace leaguefile;

constexpr std::size_t at(int64_t record) { return static_cast<std::size_t>(record - 1) * RecordLength; }

// A heap copy of exactly these bytes: a read past the end is a sanitizer error.
class ExactImage {
  public:
    explicit ExactImage(std::string_view bytes) : size_(bytes.size()), data_(new char[bytes.size()]) {
        std::memcpy(data_.get(), bytes.data(), bytes.size());
    }
    std::string_view view() const { return {data_.get(), size_}; }
    char* data() { return data_.get(); }

  private:
    std::size_t size_;
    std::unique_ptr<char[]> data_;
};

template <class R>
std::string stored(const R& record) {
    std::string bytes(layout::StoredSize<R>, '\0');
    layout::encode(record, reinterpret_cast<uint8_t*>(bytes.data()));
    return bytes;
}

// A small league with something in the first and last element of every
// array, reserved fields included.
std::unique_ptr<LeagueData> smallLeague() {
    auto l = std::make_unique<LeagueData>();
    LeagueInfo& info = l->League;
    info.ReservedA = "simulator's own bytes";
    info.ConferenceNames[0] = "Northern";
    info.ConferenceNames[1] = "Southern";
    info.Divisions[0].Name = "Lakes";
    info.Divisions[0].Conference = 1;
    info.Divisions[5].Name = "Coast";
    info.Divisions[5].Conference = 2;
    info.Divisions[5].Reserved = 0x7E;
    info.DivisionCount = 6;
    info.LeagueKey = "K7Q2X";
    info.ReservedB = {1, 2, 3, 4};
    info.SalaryCapAmount = 45000000;
    info.TradeDeadlinePassed = True;
    info.ClientFileDate = 45321.6875;
    info.UnknownPlayerRating = 40;
    info.ReservedL = "tail";

    l->DraftNameList[1] = "Ari Kallio";
    l->DraftNameList[300] = "Mats Lindgren";

    TeamInfo& t1 = l->Teams[1];
    t1.InUse = True;
    t1.Number = 1;
    t1.Name = "Port Hollis Gulls";
    t1.Password = "0Cc175b9c0f1b6a831c399e269772661";
    t1.Reserved1 = {0xAB, 0xCD};
    t1.ArenaCapacity[4] = 120;
    t1.ProLines[0].Slots[slot::StartGoaler] = 1000;
    t1.ProLines[9].Slots[slot::Strategy + 1] = 2;
    t1.Farm.Name = "Hollis Terns";
    t1.Farm.Lines[9].Slots[slot::PullGoalerMinPct] = 905;
    t1.Reserved3 = "reserved tail";
    l->Teams[100].InUse = True;
    l->Teams[100].Number = 100;
    l->Teams[100].Name = "Last Team";

    for (int i : {1, 2, 10000}) {
        PlayerInfo& p = l->Players[i];
        p.InUse = True;
        p.Number = static_cast<int16_t>(i);
        p.Name = "Skater " + std::to_string(i);
        p.Team = 1;
        p.Position = pos::D;
        p.Salary = 750000 + i;
        p.Ratings[sr::PO] = 70;
        p.Reserved2 = {8, 7, 6, 5, 4, 3, 2, 1};
    }
    for (int i : {1, 1000}) {
        GoalieInfo& g = l->Goalies[i];
        g.InUse = True;
        g.Number = static_cast<int16_t>(i);
        g.Name = "Goalie " + std::to_string(i);
        g.Rookie = True;
        g.Ratings[gr::PO] = 66;
    }
    l->Coaches[1].Name = "First Coach";
    l->Coaches[500].Name = "Last Coach";
    l->Coaches[500].Reserved1 = {9, 9};
    l->Schedule[1] = {1, True, 0, 1, 100, True, 0, 100, 1};
    l->Schedule[5000] = {5000, True, 1, 2, 3, 0, 0, 0, 0};

    // Element 0 is never stored: the reader makes the placeholders itself.
    l->Players[0].Name = "not stored";
    l->Goalies[0].Name = "not stored";
    return l;
}

class LeagueImage : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        source_ = smallLeague().release();
        image_ = new std::string(BuildLeagueImage(*source_));
    }
    static void TearDownTestSuite() {
        delete image_;
        delete source_;
    }

    static void expectSameLeague(const LeagueData& a, const LeagueData& b) {
        EXPECT_TRUE(a.League == b.League);
        EXPECT_TRUE(a.DraftNameList == b.DraftNameList);
        EXPECT_TRUE(a.Teams == b.Teams);
        for (int i = 1; i <= 10000; ++i) ASSERT_TRUE(a.Players[i] == b.Players[i]) << "skater " << i;
        for (int i = 1; i <= 1000; ++i) ASSERT_TRUE(a.Goalies[i] == b.Goalies[i]) << "goalie " << i;
        EXPECT_TRUE(a.Coaches == b.Coaches);
        EXPECT_TRUE(a.Schedule == b.Schedule);
    }

    static LeagueData* source_;
    static std::string* image_;
};

LeagueData* LeagueImage::source_ = nullptr;
std::string* LeagueImage::image_ = nullptr;

TEST_F(LeagueImage, ParsingTheBuiltImageGivesBackEveryArray) {
    ASSERT_EQ(image_->size(), 58653410u);
    auto out = std::make_unique<LeagueData>();
    ASSERT_EQ(ParseLeagueImage(*image_, *out), LeagueImageResult::Ok);
    expectSameLeague(*out, *source_);
    // Neither placeholders nor defaults: those are the reader's own steps.
    EXPECT_TRUE(out->Players[0] == PlayerInfo{});
    EXPECT_TRUE(out->Goalies[0] == GoalieInfo{});
    EXPECT_EQ(out->League.MaxDressedSkaters, 0);
}

TEST_F(LeagueImage, RecordsLieAtTheirSlots) {
    const std::string& im = *image_;
    EXPECT_EQ(im.substr(0, 40), std::string("\x26\x00", 2) + "ZELT Client Files Version 1.12 - Start");
    EXPECT_EQ(im.substr(at(2), 565), stored(source_->League));
    EXPECT_EQ(3470u, at(2));
    EXPECT_EQ(im.substr(at(3), 40), source_->DraftNameList[1].raw());
    EXPECT_EQ(im.substr(at(302), 40), source_->DraftNameList[300].raw());
    EXPECT_EQ(im.substr(302 * 3470, 3470), stored(source_->Teams[1]));
    EXPECT_EQ(im.substr(at(402), 3470), stored(source_->Teams[100]));
    EXPECT_EQ(im.substr(402 * 3470, 155), stored(source_->Players[1]));
    EXPECT_EQ(im.substr(at(10402), 155), stored(source_->Players[10000]));
    EXPECT_EQ(im.substr(10402 * 3470, 142), stored(source_->Goalies[1]));
    EXPECT_EQ(im.substr(at(11402), 142), stored(source_->Goalies[1000]));
    EXPECT_EQ(im.substr(11402 * 3470, 65), stored(source_->Coaches[1]));
    EXPECT_EQ(im.substr(11902 * 3470, 18), stored(source_->Schedule[1]));
    EXPECT_EQ(im.substr(at(16902), 18), stored(source_->Schedule[5000]));
    EXPECT_EQ(im.substr(16902 * 3470, 38),
              std::string("\x24\x00", 2) + "ZELT Client Files Version 1.12 - End");
    // Filler after a short record and after the end marker is zero.
    EXPECT_EQ(im.substr(402 * 3470 + 155, 3470 - 155), std::string(3470 - 155, '\0'));
    EXPECT_EQ(im.substr(16902 * 3470 + 38), std::string(3470 - 38, '\0'));
}

TEST_F(LeagueImage, AnImageEndingRightAfterTheEndMarkerIsAccepted) {
    ExactImage unpadded(std::string_view(*image_).substr(0, 16902 * 3470 + 2 + 36));
    auto out = std::make_unique<LeagueData>();
    ASSERT_EQ(ParseLeagueImage(unpadded.view(), *out), LeagueImageResult::Ok);
    expectSameLeague(*out, *source_);
}

TEST_F(LeagueImage, AnImageCutShortFailsOnItsEndMarker) {
    struct Cut {
        const char* where;
        std::size_t size;
    };
    const Cut cuts[] = {
        {"after the start marker", 40},
        {"inside the league record", 3470 + 100},
        {"after the teams", 402 * 3470},
        {"after the skaters", 10402 * 3470},
        {"before the end marker", 16902 * 3470},
        {"inside the end marker's text", 16902 * 3470 + 20},
        {"one byte short of the end marker", 16902 * 3470 + 37},
    };
    for (const Cut& c : cuts) {
        SCOPED_TRACE(c.where);
        ExactImage cut(std::string_view(*image_).substr(0, c.size));
        auto out = std::make_unique<LeagueData>();
        EXPECT_EQ(ParseLeagueImage(cut.view(), *out), LeagueImageResult::BadEndMarker);
        if (c.size == 10402 * 3470) {
            EXPECT_TRUE(out->Players[10000] == source_->Players[10000]);
            EXPECT_TRUE(out->Goalies[1] == GoalieInfo{});
        }
    }
}

TEST_F(LeagueImage, AWrongStartMarkerStopsBeforeReadingAnything) {
    // The start record replaced, a sound league record behind it.
    auto withStart = [&](std::string_view record1) {
        std::string im = image_->substr(0, at(3));
        std::memset(im.data(), 0, RecordLength);
        std::memcpy(im.data(), record1.data(), record1.size());
        return im;
    };
    struct Case {
        const char* what;
        std::string image;
    };
    const std::vector<Case> cases = {
        {"another file's marker",
         withStart(std::string("\x27\x00", 2) + "ZELT Lineups Files Version 1.01 - Start")},
        {"different letter case",
         withStart(std::string("\x26\x00", 2) + "ZELT Client Files Version 1.12 - START")},
        {"a trailing blank",
         withStart(std::string("\x27\x00", 2) + "ZELT Client Files Version 1.12 - Start ")},
        {"a huge length field",
         withStart(std::string("\xFF\xFF", 2) + "ZELT Client Files Version 1.12 - Start")},
        {"an empty image", ""},
        {"a single byte", "\x26"},
        {"only the length", std::string("\x26\x00", 2)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ExactImage exact(c.image);
        auto out = std::make_unique<LeagueData>();
        EXPECT_EQ(ParseLeagueImage(exact.view(), *out), LeagueImageResult::BadStartMarker);
        EXPECT_TRUE(out->League == LeagueInfo{});
    }
}

TEST_F(LeagueImage, AWrongEndMarkerIsBadEndMarker) {
    const std::size_t end = at(EndMarkerRecord);
    const std::string variants[] = {
        std::string("\x24\x00", 2) + "ZELT Client Files Version 1.12 - end",
        std::string("\xFF\xFF", 2) + "ZELT Client Files Version 1.12 - End",
        std::string("\x23\x00", 2) + "ZELT Client Files Version 1.12 - End",
        std::string("\x24\x00", 2) + "ZELT Client Files Version 1.12 - En" + std::string(1, '\0'),
    };
    ExactImage im(std::string_view(*image_).substr(0, end + 38));
    for (const std::string& v : variants) {
        std::memcpy(im.data() + end, v.data(), v.size());
        auto out = std::make_unique<LeagueData>();
        EXPECT_EQ(ParseLeagueImage(im.view(), *out), LeagueImageResult::BadEndMarker) << v;
    }
}

TEST(Placeholders, UnknownPlayerAndGoalieFromTheLeaguesRating) {
    auto l = std::make_unique<LeagueData>();
    l->League.UnknownPlayerRating = 45;
    l->Players[0].Injury = "stale";
    l->Players[0].Suspension = 3;
    l->Goalies[0].ProExperience = 12;
    MakePlaceholders(*l);

    PlayerInfo p;
    p.InUse = True;
    p.Name = "Unknown Player";
    p.Country = "CAN";
    p.Age = 30;
    p.Weight = 200;
    p.Height = 70;
    p.Position = 1;
    p.ContractYears = 1;
    p.Salary = 1000;
    p.Condition = 100;
    p.Ratings = {45, 45, 45, 45, 45, 80, 45, 45, 45, 45, 45, 45, 45, 45, 45};
    EXPECT_TRUE(l->Players[0] == p);
    EXPECT_EQ(l->Players[0].Name.raw(), "Unknown Player" + std::string(26, ' '));

    GoalieInfo g;
    g.InUse = True;
    g.Name = "Unknown Goalie";
    g.Country = "CAN";
    g.Age = 30;
    g.Weight = 200;
    g.Height = 70;
    g.ContractYears = 1;
    g.Salary = 1000;
    g.Condition = 100;
    g.Ratings = {45, 80, 45, 45, 45, 45, 45, 45, 45, 45, 45, 45, 45};
    EXPECT_TRUE(l->Goalies[0] == g);

    // DU is 80 whatever the league's rating, 80 and 0 included.
    l->League.UnknownPlayerRating = 0;
    MakePlaceholders(*l);
    EXPECT_EQ(l->Players[0].Ratings[sr::DU], 80);
    EXPECT_EQ(l->Players[0].Ratings[sr::CK], 0);
    EXPECT_EQ(l->Goalies[0].Ratings[gr::DU], 80);
    EXPECT_EQ(l->Goalies[0].Ratings[gr::SK], 0);
}

TEST(LeagueDefaults, OnlyFieldsHoldingZeroTakeTheirDefault) {
    LeagueInfo zero;
    ApplyLeagueDefaults(zero);
    EXPECT_EQ(zero.MaxDressedSkaters, 18);
    EXPECT_EQ(zero.MaxDressedGoalies, 2);
    EXPECT_EQ(zero.MinCenters, 3);
    EXPECT_EQ(zero.MinLeftWings, 3);
    EXPECT_EQ(zero.MinRightWings, 3);
    EXPECT_EQ(zero.MinDefense, 6);
    EXPECT_EQ(zero.OverallWeightCK, 50);
    EXPECT_EQ(zero.MaxProPlayers, 0);  // no default

    LeagueInfo set;
    set.MaxDressedSkaters = 20;
    set.MaxDressedGoalies = 3;
    set.MinCenters = 4;
    set.MinLeftWings = -1;
    set.MinRightWings = 1;
    set.MinDefense = 7;
    set.OverallWeightCK = 1;
    LeagueInfo before = set;
    ApplyLeagueDefaults(set);
    EXPECT_TRUE(set == before);
}

}  // namespace
}  // namespace dravik
