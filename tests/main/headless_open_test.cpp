// The reader run on its own, as a fuzz target runs it: a sound file opens,
// every bad one ends in one of the reader's messages, and nothing is left
// behind.

#include "main/headless_open.h"

#include <gtest/gtest.h>

#include "league/leagueimage.h"
#include "leaguewriter/builder.h"
#include "support/test_client.h"

namespace dravik::test {
namespace {

std::string SoundImage() {
    auto league = EmptyLeague();
    leaguewriter::AddTeam(*league, 1, "Gulls", 1);
    return BuildLeagueImage(*league);
}

TEST(HeadlessOpen, ASoundFileOpensWithoutAMessage) {
    const std::string image = SoundImage();
    for (bool plain : {false, true}) {
        SCOPED_TRACE(plain ? "plain" : "packed");
        const auto result =
            OpenLeagueBytesHeadless(plain ? image : leaguewriter::PackLeagueImage(image), plain);
        EXPECT_TRUE(result.opened);
        EXPECT_TRUE(result.messages.empty());
        EXPECT_TRUE(result.workingCopyRemoved);
    }
}

TEST(HeadlessOpen, BadBytesEndInOneOfTheReadersMessages) {
    std::string image = SoundImage();
    const std::string packed = leaguewriter::PackLeagueImage(image);
    struct Case {
        const char* name;
        std::string bytes;
        bool plain;
        const char* message;
    };
    std::string wrongLength = packed;
    wrongLength[0] = static_cast<char>(wrongLength[0] + 1);  // the stream unpacks to another length
    const Case cases[] = {
        {"nothing", "", false, "5 - Invalid procedure call or argument in Zlib Decompress!"},
        {"no container", "ZELT", false, "5 - Invalid procedure call or argument in Zlib Decompress!"},
        {"wrong length", wrongLength, false, "5 - Invalid procedure call or argument in Zlib Decompress!"},
        {"plain nothing", "", true, "File Integrity is incorrect!"},
        {"plain start only", image.substr(0, 40), true, "File Integrity is incorrect!"},
        {"plain cut in a record", image.substr(0, 1000000), true, "File Integrity is incorrect!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = OpenLeagueBytesHeadless(c.bytes, c.plain);
        EXPECT_FALSE(result.opened);
        EXPECT_EQ(result.messages, std::vector<std::string>{c.message});
        EXPECT_TRUE(result.workingCopyRemoved);
    }
}

TEST(HeadlessOpen, AMissingFileIsReported) {
    const auto result = OpenLeagueFileHeadless("/nonexistent/dravik/League.zcl");
    EXPECT_FALSE(result.opened);
    EXPECT_EQ(result.messages, std::vector<std::string>{"Cannot find last client league file!"});
}

}  // namespace
}  // namespace dravik::test
