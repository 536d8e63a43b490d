// The one writer of both market files: each kind under its own name and
// refusal text, the window's three outcomes, and what runs before the image
// is asked for.

#include "market/market_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "league/shared.h"
#include "support/free_agents.h"
#include "test_env.h"

namespace dravik::test {
namespace {

using Lines = std::vector<std::string>;

struct KindCase {
    const char* name;
    const MarketFileKind* kind;
    const char* file;
    const char* slashRefusal;
};
void PrintTo(const KindCase& c, std::ostream* os) { *os << c.name; }

struct WriterEnv : TestEnv {
    int built = 0;
    WriterEnv() {
        InitSharedState(*state, folder.file("ClientTemp.ztm"));
        BuildTeamLeague(*league);
        settings.set("Settings", "SkipZIPClient", "YES");
    }
    MarketSave save(const MarketFileKind& kind, MarketImage::Outcome outcome) {
        return SaveMarketFile(env, folder.path().string(), Team, kind, [&] {
            ++built;
            EXPECT_TRUE(wait.visible);
            return MarketImage{outcome, "image bytes"};
        });
    }
    Lines files() const {
        Lines out;
        for (const auto& e : std::filesystem::directory_iterator(folder.path()))
            out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }
};

class MarketFileWriter : public ::testing::TestWithParam<KindCase> {};

TEST_P(MarketFileWriter, WritesReplacesOrRemovesTheTeamsFileAsTheWindowDecides) {
    const KindCase& c = GetParam();
    WriterEnv e;
    const std::string target = e.folder.file(c.file);
    writeFile(target, "previous");
    writeFile(e.state->WorkFilePath, "left over");

    EXPECT_EQ(e.save(*c.kind, MarketImage::Outcome::Refuse).result, MarketSaveResult::Refused);
    EXPECT_EQ(readFile(target), "previous");
    EXPECT_EQ(e.files(), Lines{c.file});  // the old working copy went first

    const MarketSave saved = e.save(*c.kind, MarketImage::Outcome::Write);
    EXPECT_EQ(saved.result, MarketSaveResult::Saved);
    EXPECT_EQ(saved.target, target);
    EXPECT_EQ(readFile(target), "image bytes");

    EXPECT_EQ(e.save(*c.kind, MarketImage::Outcome::Withdraw).result, MarketSaveResult::Withdrawn);
    EXPECT_TRUE(e.files().empty());
    EXPECT_EQ(e.save(*c.kind, MarketImage::Outcome::Withdraw).result, MarketSaveResult::Withdrawn);

    EXPECT_EQ(e.built, 4);
    EXPECT_EQ(e.wait.shows, 4);
    EXPECT_FALSE(e.wait.visible);
    EXPECT_TRUE(e.dialogs.shown().empty());
}

TEST_P(MarketFileWriter, ANameWithASlashIsRefusedInTheFilesOwnWords) {
    const KindCase& c = GetParam();
    WriterEnv e;
    e.league->Teams[Team].Name = "AC/DC Rockers";
    EXPECT_EQ(e.save(*c.kind, MarketImage::Outcome::Write).result, MarketSaveResult::BadFileName);
    EXPECT_EQ(e.dialogs.messages(), Lines{c.slashRefusal});
    EXPECT_EQ(e.dialogs.shown()[0].icon(), mb::Exclamation);
    EXPECT_EQ(e.built, 0);
    EXPECT_EQ(e.wait.shows, 0);
    EXPECT_TRUE(e.files().empty());
}

TEST_P(MarketFileWriter, NothingRunsBehindAWrongPassword) {
    const KindCase& c = GetParam();
    WriterEnv e;
    e.league->Teams[Team].Password = "0123456789abcdef0123456789abcdef";
    e.dialogs.answerInput("guess");
    EXPECT_EQ(e.save(*c.kind, MarketImage::Outcome::Write).result, MarketSaveResult::WrongPassword);
    EXPECT_EQ(e.dialogs.messages(), Lines{"Password is incorrect!"});
    EXPECT_EQ(e.built, 0);
    EXPECT_EQ(e.wait.shows, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, MarketFileWriter,
    ::testing::Values(
        KindCase{"Offers", &FreeAgentOffersFile, "HaldenRavens.zfa",
                 "Free agents offers file for AC/DC Rockers cannot be saved: the team name holds a \"/\"!"},
        KindCase{"DraftList", &DraftListFile, "HaldenRavens.zdr",
                 "Draft list file for AC/DC Rockers cannot be saved: the team name holds a \"/\"!"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dravik::test
