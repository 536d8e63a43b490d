// The league file writer's two file forms and its all-or-nothing write.

#include "leaguewriter/writer.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "league/files.h"
#include "league/leagueimage.h"
#include "leaguewriter/builder.h"
#include "test_env.h"

namespace dravik::leaguewriter {
namespace {

using test::readFile;
using test::TempDir;
using test::TestEnv;

// A small league touching the first and last record of every array.
std::unique_ptr<LeagueData> smallLeague() {
    auto league = std::make_unique<LeagueData>();
    UsePlainSettings(league->League);
    league->DraftNameList[300] = "Last Draft Name";
    AddTeam(*league, 1, "First Team");
    AddTeam(*league, 100, "Last Team", 6);
    AddSkater(*league, 1, 1, pos::C);
    AddSkater(*league, 10000, 100, pos::D, status::Farm);
    AddGoalie(*league, 1, 1);
    AddGoalie(*league, 1000, 100, status::Scratch);
    AddCoach(*league, 1, 1);
    AddCoach(*league, 500, 0);
    AddGame(*league, 1, 1, 100);
    AddGame(*league, 5000, 100, 1);
    return league;
}

uint32_t headerOf(const std::string& file) {
    uint32_t n = 0;
    for (int i = 3; i >= 0; --i) n = (n << 8) | static_cast<uint8_t>(file[i]);
    return n;
}

TEST(LeagueWriterTest, PlainFileIsTheRecordImage) {
    TempDir dir;
    auto league = smallLeague();
    WriteLeagueFile(*league, dir.file("plain.zcl"), FileForm::Plain);
    const std::string file = readFile(dir.file("plain.zcl"));
    EXPECT_EQ(file.size(), 58653410u);
    EXPECT_TRUE(file == BuildLeagueImage(*league));
}

TEST(LeagueWriterTest, CompressedFileIsLengthThenZlibStream) {
    TempDir dir;
    auto league = smallLeague();
    const std::string image = BuildLeagueImage(*league);
    WriteLeagueFile(*league, dir.file("packed.zcl"), FileForm::Compressed);
    const std::string file = readFile(dir.file("packed.zcl"));
    ASSERT_GT(file.size(), 4u);
    EXPECT_EQ(headerOf(file), 58653410u);

    std::string unpacked(image.size() + 1, '\0');
    uLongf n = static_cast<uLongf>(unpacked.size());
    ASSERT_EQ(
        uncompress(reinterpret_cast<Bytef*>(unpacked.data()), &n,
                   reinterpret_cast<const Bytef*>(file.data() + 4), static_cast<uLong>(file.size() - 4)),
        Z_OK);
    unpacked.resize(n);
    EXPECT_TRUE(unpacked == image);
}

TEST(LeagueWriterTest, ProgramUnpacksTheCompressedFile) {
    TestEnv t;
    auto league = smallLeague();
    const std::string path = t.folder.file("packed.zcl");
    WriteLeagueFile(*league, path);
    ASSERT_EQ(ZlibDecompress(t.env, path, t.state->WorkFilePath), True);
    EXPECT_TRUE(t.dialogs.shown().empty());

    auto back = std::make_unique<LeagueData>();
    ASSERT_EQ(ParseLeagueImage(readFile(t.state->WorkFilePath), *back), LeagueImageResult::Ok);
    EXPECT_EQ(back->League, league->League);
    EXPECT_EQ(back->Teams[100], league->Teams[100]);
    EXPECT_EQ(back->Players[10000], league->Players[10000]);
    EXPECT_EQ(back->Goalies[1000], league->Goalies[1000]);
    EXPECT_EQ(back->Coaches[500], league->Coaches[500]);
    EXPECT_EQ(back->Schedule[5000], league->Schedule[5000]);
    EXPECT_EQ(back->DraftNameList[300], league->DraftNameList[300]);
}

TEST(LeagueWriterTest, ReplacesAnOldFileWhole) {
    TempDir dir;
    const std::string path = dir.file("league.zcl");
    test::writeFile(path, "an older league");
    WriteLeagueImageFile(path, "new image", FileForm::Plain);
    EXPECT_EQ(readFile(path), "new image");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(LeagueWriterTest, FailedWriteLeavesNothing) {
    TempDir dir;
    const std::string path = dir.file("missing folder/league.zcl");
    EXPECT_THROW(WriteLeagueImageFile(path, "image", FileForm::Compressed), std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
}  // namespace dravik::leaguewriter
