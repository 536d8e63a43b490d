// The free-agent offers file: its bytes, plain and packed, the offer limit
// and the file's own limit, the summary boxes, and what every refusal and
// failure leaves on disk.

#include "market/offers_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "league/shared.h"
#include "leaguewriter/builder.h"
#include "platform/formats.h"
#include "support/free_agents.h"
#include "support/refused_replace.h"
#include "test_env.h"

namespace dravik::test {
namespace {

using Lines = std::vector<std::string>;

struct OffersEnv : TestEnv {
    LocaleFormats formats{QLocale(QLocale::English, QLocale::UnitedStates)};
    std::string target = folder.file("HaldenRavens.zfa");

    OffersEnv() {
        InitSharedState(*state, folder.file("ClientTemp.ztm"));
        BuildTeamLeague(*league);
        AddFreeAgents(*league);
    }
    void plain() { settings.set("Settings", "SkipZIPClient", "YES"); }
    // An opened, made offer.
    FreeAgentOffer& make(int16_t key, int32_t salary = 500000, int16_t years = 2, int32_t bonus = 0) {
        FreeAgentOffer& o = state->FreeAgentOffers[key];
        o.Player = key;
        o.Salary = salary;
        o.Duration = years;
        o.Bonus = bonus;
        return o;
    }
    void save() { SaveFreeAgentOffers(env, folder.path().string(), Team, formats); }
    Lines files() const {
        Lines out;
        for (const auto& e : std::filesystem::directory_iterator(folder.path()))
            out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }
};

void put16(std::string& b, std::size_t at, int v) {
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& b, std::size_t at, int64_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// The records before the offers, written out by hand.
std::string Head(int offers, const std::string& key = LeagueKey) {
    std::string b((3 + offers) * 1014, '\0');
    put16(b, 0, 40);
    b.replace(2, 40, "ZELT Free Agents Files Version 1 - Start");
    b.replace(1014, 5, key);
    put16(b, 2028, Team);
    return b;
}
void PutOffer(std::string& b, int k, int player, int32_t salary, int years, int32_t bonus,
              const std::string& comment = {}) {
    const std::size_t at = 3042 + 1014 * (k - 1);
    put16(b, at, player);
    put16(b, at + 2, Team);
    put32(b, at + 4, salary);
    put16(b, at + 8, years);
    put32(b, at + 10, bonus);
    if (!comment.empty()) b.replace(at + 14, 1000, comment + std::string(1000 - comment.size(), ' '));
}

// ---------------------------------------------------------------------------
// The bytes.

TEST(OffersFile, OneOfferPlainIsTheImageByteForByte) {
    OffersEnv e;
    e.plain();
    e.make(person::Arne, 750000, 3, 25000);
    e.save();
    std::string expected = Head(1);
    PutOffer(expected, 1, person::Arne, 750000, 3, 25000);
    EXPECT_EQ(readFile(e.target), expected);
    EXPECT_EQ(e.files(), Lines{"HaldenRavens.zfa"});
    EXPECT_EQ(e.wait.shows, 1);
    EXPECT_FALSE(e.wait.visible);
}

TEST(OffersFile, PackedItStartsWithTheImageLength) {
    OffersEnv e;
    e.make(person::Arne, 750000, 3, 25000);
    e.save();
    const std::string file = readFile(e.target);
    ASSERT_GE(file.size(), 4u);
    EXPECT_EQ(file.substr(0, 4), std::string("\xD8\x0F\0\0", 4));  // 4 x 1014
    std::string expected = Head(1);
    PutOffer(expected, 1, person::Arne, 750000, 3, 25000);
    EXPECT_EQ(Unpack(file), expected);
    EXPECT_EQ(e.files(), Lines{"HaldenRavens.zfa"});
}

TEST(OffersFile, SkatersComeFirstAndAGoalieCarriesTenThousandMore) {
    OffersEnv e;
    e.plain();
    e.make(person::Hans, 400000, 1, 0);  // goalie 7
    e.make(person::Bjorn, 300000, 2, 1000);
    e.make(person::Arne, 200000, 4, -5000);
    e.save();
    std::string expected = Head(3);
    PutOffer(expected, 1, person::Arne, 200000, 4, -5000);
    PutOffer(expected, 2, person::Bjorn, 300000, 2, 1000);
    PutOffer(expected, 3, 10007, 400000, 1, 0);
    EXPECT_EQ(readFile(e.target), expected);
    // The team goes into the offers in memory as well.
    EXPECT_EQ(e.state->FreeAgentOffers[person::Hans].Team, Team);
}

TEST(OffersFile, TheLeagueKeyKeepsItsTrailingBlanks) {
    OffersEnv e;
    e.plain();
    e.league->League.LeagueKey = "HA";
    e.make(person::Carl, 100000, 1);
    e.save();
    std::string expected = Head(1, "HA   ");
    PutOffer(expected, 1, person::Carl, 100000, 1, 0);
    EXPECT_EQ(readFile(e.target), expected);
}

TEST(OffersFile, AStoredCommentIsBlankPaddedAndANeverStoredOneStaysZero) {
    OffersEnv e;
    e.plain();
    e.make(person::Arne).Comment = "Fast skater, good hands";
    e.make(person::Bjorn);
    e.save();
    std::string expected = Head(2);
    PutOffer(expected, 1, person::Arne, 500000, 2, 0, "Fast skater, good hands");
    PutOffer(expected, 2, person::Bjorn, 500000, 2, 0);
    EXPECT_EQ(readFile(e.target), expected);
}

TEST(OffersFile, OnlyMadeOffersOfOpenedEntriesAreWritten) {
    OffersEnv e;
    e.plain();
    e.make(person::Arne, 500000, 0);   // no duration
    e.make(person::Bjorn, 99999, 2);   // below the minimum salary
    e.make(person::Carl, 100000, 1);   // the minimum is enough
    e.make(person::Erik, 500000, 2).Player = 0;  // never opened in the window
    e.save();
    std::string expected = Head(1);
    PutOffer(expected, 1, person::Carl, 100000, 1, 0);
    EXPECT_EQ(readFile(e.target), expected);
}

// ---------------------------------------------------------------------------
// The limits.

struct LimitCase {
    const char* name;
    bool offSeason;
    int16_t maxOffers;
    std::vector<int16_t> offers;
    const char* refusal;  // null: saved
};
void PrintTo(const LimitCase& c, std::ostream* os) { *os << c.name; }

class OfferLimit : public ::testing::TestWithParam<LimitCase> {};

TEST_P(OfferLimit, CountsOnlyOffersToPlayersTheTeamDoesNotOwn) {
    const LimitCase& c = GetParam();
    OffersEnv e;
    e.league->League.OffSeason = c.offSeason ? True : False;
    e.league->League.MaxOffers = c.maxOffers;
    writeFile(e.target, "previous");
    for (int16_t key : c.offers) e.make(key);
    e.save();
    if (c.refusal) {
        EXPECT_EQ(e.dialogs.messages(), Lines{c.refusal});
        EXPECT_EQ(e.dialogs.shown()[0].icon(), mb::Exclamation);
        EXPECT_EQ(readFile(e.target), "previous");
    } else {
        EXPECT_EQ(Unpack(readFile(e.target)).size(), (3 + c.offers.size()) * 1014);
    }
    EXPECT_EQ(e.files(), Lines{"HaldenRavens.zfa"});
    EXPECT_FALSE(e.wait.visible);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OfferLimit,
    ::testing::Values(
        LimitCase{"OwnPlayersNeverCount", true, 0, {person::Geir, 701, 10071}, nullptr},
        LimitCase{"ATeamlessPlayerCounts", true, 0, {person::Carl}, "There is more that 0 offers!"},
        LimitCase{"AnotherTeamsPlayerCounts", true, 0, {person::Arne}, "There is more that 0 offers!"},
        LimitCase{"ATeamlessGoalieCounts", true, 0, {person::Ivar}, "There is more that 0 offers!"},
        LimitCase{"UpToTheLimitSaves", true, 2, {person::Arne, person::Carl, person::Geir}, nullptr},
        LimitCase{"OneMoreRefuses", true, 2, {person::Arne, person::Carl, person::Hans, person::Geir},
                  "There is more that 2 offers!"},
        // Outside the off-season the window may have made the limit negative.
        LimitCase{"ANegativeLimitLetsOwnPlayersThrough", false, -3, {person::Geir, 702}, nullptr},
        LimitCase{"ANegativeLimitRefusesAnyOther", false, -3, {person::Geir, person::Carl},
                  "There is more that -3 offers!"}),
    [](const auto& info) { return std::string(info.param.name); });

struct FileLimitCase {
    const char* name;
    int offers;
    int16_t maxOffers;
    const char* refusal;
};
void PrintTo(const FileLimitCase& c, std::ostream* os) { *os << c.name; }

class FileLimit : public ::testing::TestWithParam<FileLimitCase> {};

// Skaters 1..n, none in use, so each counts as teamless.
TEST_P(FileLimit, HoldsNineHundredNinetySixOffersAndRefusesMore) {
    const FileLimitCase& c = GetParam();
    OffersEnv e;
    e.plain();
    e.league->League.MaxOffers = c.maxOffers;
    writeFile(e.target, "previous");
    for (int16_t p = 1; p <= c.offers; ++p) e.make(p);
    e.save();
    if (c.refusal) {
        EXPECT_EQ(e.dialogs.messages(), Lines{c.refusal});
        EXPECT_EQ(readFile(e.target), "previous");
    } else {
        const std::string file = readFile(e.target);
        ASSERT_EQ(file.size(), 999u * 1014);
        EXPECT_EQ(static_cast<uint8_t>(file[3042 + 995 * 1014]), 996 & 0xFF);
        EXPECT_EQ(static_cast<uint8_t>(file[3042 + 995 * 1014 + 1]), 996 >> 8);
    }
    EXPECT_EQ(e.files(), Lines{"HaldenRavens.zfa"});
}

INSTANTIATE_TEST_SUITE_P(Cases, FileLimit,
                         ::testing::Values(FileLimitCase{"NineHundredNinetySixSave", 996, 1000, nullptr},
                                           FileLimitCase{"OneMoreIsRefusedNotDropped", 997, 1000,
                                                         "There is more that 996 offers!"},
                                           FileLimitCase{"TheTeamsLimitIsToldFirst", 997, 10,
                                                         "There is more that 10 offers!"}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// The summary.

TEST(OffersFile, TheSummaryListsEachOfferAndWhereTheFileWent) {
    OffersEnv e;
    e.make(person::Arne, 750000, 3, 25000);
    e.make(person::Hans, 1200000, 1, -5000);
    e.save();
    ASSERT_EQ(e.dialogs.shown().size(), 1u);
    EXPECT_EQ(e.dialogs.shown()[0].icon(), mb::Information);
    EXPECT_EQ(e.dialogs.messages()[0],
              "Arne Berg was offer $750,000 for 3 year(s) with $25,000 in bonus.\r\n"
              "Hans Moe was offer $1,200,000 for 1 year(s) with ($5,000) in bonus.\r\n"
              "Client league file save for Halden Ravens succesfully at " +
                  e.target + "\r");
}

struct SplitCase {
    const char* name;
    std::vector<std::size_t> lines;  // line lengths, CR LF included
    std::vector<std::size_t> boxes;  // lines in each box
};
void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class SummarySplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SummarySplit, EachBoxTakesTheWholeLinesThatFit) {
    const SplitCase& c = GetParam();
    std::vector<std::string> lines;
    std::string summary;
    for (std::size_t i = 0; i < c.lines.size(); ++i) {
        std::string line(c.lines[i] - 2, static_cast<char>('a' + i % 26));
        lines.push_back(line + "\r\n");
        summary += lines.back();
    }
    std::vector<std::string> expected;
    std::size_t next = 0;
    for (std::size_t count : c.boxes) {
        std::string box;
        for (std::size_t k = 0; k < count; ++k) box += lines[next++];
        box.pop_back();  // shown without its final line feed
        expected.push_back(box);
    }
    EXPECT_EQ(SplitSummary(summary), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SummarySplit,
    ::testing::Values(SplitCase{"ExactlyOneBoxFull", {400, 468}, {2}},
                      SplitCase{"OneCharacterMoreStartsASecondBox", {400, 469}, {1, 1}},
                      SplitCase{"ManyLines", std::vector<std::size_t>(30, 70), {12, 12, 6}},
                      SplitCase{"ALongLineTakesABoxAlone", {70, 1200, 70}, {1, 1, 1}},
                      SplitCase{"ALongLastLine", {70, 70, 900}, {2, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OffersFile, ALongSummaryIsShownWhole) {
    OffersEnv e;
    e.league->League.MaxOffers = 1000;
    std::string summary;
    for (int16_t p = 1; p <= 600; ++p) {
        leaguewriter::AddSkater(*e.league, p, 0, pos::C);
        e.make(p);
        summary += "Skater " + std::to_string(p) + " was offer $500,000 for 2 year(s) with $0 in bonus.\r\n";
    }
    summary += "Client league file save for Halden Ravens succesfully at " + e.target + "\r\n";
    e.save();
    std::string shown;
    for (const std::string& box : e.dialogs.messages()) {
        EXPECT_LE(box.size() + 1, 868u);
        EXPECT_EQ(box.substr(box.size() - 1), "\r");
        shown += box + "\n";
    }
    EXPECT_GT(e.dialogs.messages().size(), 40u);
    EXPECT_EQ(shown, summary);
}

// ---------------------------------------------------------------------------
// Refusals and failures.

TEST(OffersFile, NoMadeOfferRemovesThePreviousFile) {
    OffersEnv e;
    writeFile(e.target, "previous");
    e.make(person::Arne, 500000, 0);
    e.save();
    EXPECT_EQ(e.dialogs.messages(), Lines{"No Offer to Save!"});
    EXPECT_EQ(e.dialogs.shown()[0].icon(), mb::Exclamation);
    EXPECT_TRUE(e.files().empty());
    EXPECT_FALSE(e.wait.visible);
}

TEST(OffersFile, AWrongPasswordTouchesNothing) {
    OffersEnv e;
    e.league->Teams[Team].Password = "0123456789abcdef0123456789abcdef";
    writeFile(e.target, "previous");
    e.make(person::Arne);
    e.dialogs.answerInput("guess");
    e.save();
    EXPECT_EQ(e.dialogs.messages(), Lines{"Password is incorrect!"});
    EXPECT_EQ(readFile(e.target), "previous");
    EXPECT_EQ(e.wait.shows, 0);
}

TEST(OffersFile, ANameWithASlashIsRefusedBeforeAnyFileIsTouched) {
    OffersEnv e;
    e.league->Teams[Team].Name = "AC/DC Rockers";
    writeFile(e.folder.file("ClientTemp.ztm"), "scratch");
    e.make(person::Arne);
    e.save();
    EXPECT_EQ(e.dialogs.messages(),
              Lines{"Free agents offers file for AC/DC Rockers cannot be saved: the team name holds a \"/\"!"});
    EXPECT_EQ(e.dialogs.shown()[0].icon(), mb::Exclamation);
    EXPECT_EQ(e.files(), Lines{"ClientTemp.ztm"});
    EXPECT_EQ(e.wait.shows, 0);
}

TEST(OffersFile, AWorkingCopyThatCannotBeWrittenKeepsThePreviousFile) {
    OffersEnv e;
    writeFile(e.target, "previous");
    e.state->WorkFilePath = e.folder.file("gone/ClientTemp.ztm");
    e.make(person::Arne);
    e.save();
    EXPECT_EQ(e.dialogs.messages(), Lines{"75 - Path/File access error in cmdSaveToFile!"});
    EXPECT_EQ(readFile(e.target), "previous");
    EXPECT_FALSE(e.wait.visible);
}

TEST(OffersFile, ATargetThatCannotBeReplacedKeepsThePreviousFile) {
    const std::pair<const char*, const char*> cases[] = {
        {"No", "75 - Path/File access error in Zlib Compress!"},
        {"YES", "75 - Path/File access error in cmdSaveToFile!"},
    };
    for (const auto& [skip, message] : cases) {
        SCOPED_TRACE(skip);
        OffersEnv e;
        e.settings.set("Settings", "SkipZIPClient", skip);
        writeFile(e.target, "previous");
        e.make(person::Arne);
        {
            RefusedReplace refused(e.target);
            e.save();
        }
        EXPECT_EQ(e.dialogs.messages(), Lines{message});
        EXPECT_EQ(readFile(e.target), "previous");
        EXPECT_EQ(e.files(), Lines{"HaldenRavens.zfa"});
        EXPECT_FALSE(e.wait.visible);
    }
}

}  // namespace
}  // namespace dravik::test
