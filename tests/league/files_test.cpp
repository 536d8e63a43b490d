#include "league/files.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "test_env.h"

namespace dravik {
namespace {

namespace fs = std::filesystem;

const char* const kCompressFailed = "5 - Invalid procedure call or argument in Zlib Compress!";
const char* const kDecompressFailed = "5 - Invalid procedure call or argument in Zlib Decompress!";

// Every byte value, a compressible run and a stretch that does not compress.
std::string sampleBytes() {
    std::string s;
    for (int i = 0; i < 256; ++i) s.push_back(static_cast<char>(i));
    s += std::string(5000, 'A');
    uint32_t x = 12345;
    for (int i = 0; i < 40000; ++i) {
        x = x * 1103515245u + 12345u;
        s.push_back(static_cast<char>(x >> 24));
    }
    return s;
}

std::string header(int32_t n) {
    uint32_t u = static_cast<uint32_t>(n);
    return {static_cast<char>(u), static_cast<char>(u >> 8), static_cast<char>(u >> 16),
            static_cast<char>(u >> 24)};
}

std::string zlibStream(const std::string& bytes) {
    uLongf len = compressBound(static_cast<uLong>(bytes.size()));
    std::string out(len, '\0');
    EXPECT_EQ(compress2(reinterpret_cast<Bytef*>(out.data()), &len, reinterpret_cast<const Bytef*>(bytes.data()),
                        static_cast<uLong>(bytes.size()), 9),
              Z_OK);
    out.resize(len);
    return out;
}

std::set<std::string> folderEntries(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.insert(e.path().filename().string());
    return names;
}

// One critical box with exactly this text, titled with the product name.
void expectOneErrorBox(const test::TestEnv& t, const std::string& text) {
    ASSERT_EQ(t.dialogs.shown().size(), 1u);
    EXPECT_EQ(t.dialogs.shown()[0].prompt, text);
    EXPECT_EQ(t.dialogs.shown()[0].icon(), mb::Critical);
    EXPECT_EQ(t.dialogs.shown()[0].title, ProductName);
    EXPECT_EQ(t.state->LastMsgBoxResult, mb::OK);
}

TEST(ZlibCompress, ContainerIsTheLengthThenTheLevelNineStream) {
    test::TestEnv t;
    const std::string data = sampleBytes();
    test::writeFile(t.folder.file("in.bin"), data);
    ASSERT_EQ(ZlibCompress(t.env, t.folder.file("in.bin"), t.folder.file("out.zln")), True);
    EXPECT_TRUE(t.dialogs.shown().empty());

    const std::string container = test::readFile(t.folder.file("out.zln"));
    const std::string stream = zlibStream(data);
    EXPECT_EQ(container.size(), 4 + stream.size());
    EXPECT_EQ(container.substr(0, 4), header(static_cast<int32_t>(data.size())));
    EXPECT_EQ(container.substr(4), stream);
    // Nothing but the target is left in the folder.
    EXPECT_EQ(folderEntries(t.folder.path()), (std::set<std::string>{"in.bin", "out.zln"}));
}

TEST(ZlibCompress, RoundTripReproducesTheSourceByteForByte) {
    test::TestEnv t;
    for (const std::string& data : {std::string(1, '\0'), std::string("x"), sampleBytes()}) {
        test::writeFile(t.folder.file("in.bin"), data);
        ASSERT_EQ(ZlibCompress(t.env, t.folder.file("in.bin"), t.folder.file("box.ztm")), True);
        ASSERT_EQ(ZlibDecompress(t.env, t.folder.file("box.ztm"), t.state->WorkFilePath), True);
        EXPECT_EQ(test::readFile(t.state->WorkFilePath), data) << data.size();
    }
    EXPECT_TRUE(t.dialogs.shown().empty());
}

TEST(ZlibCompress, ReplacesAnExistingTarget) {
    test::TestEnv t;
    test::writeFile(t.folder.file("in.bin"), "new contents");
    test::writeFile(t.folder.file("out.zln"), "an older and longer file that must go entirely");
    ASSERT_EQ(ZlibCompress(t.env, t.folder.file("in.bin"), t.folder.file("out.zln")), True);
    ASSERT_EQ(ZlibDecompress(t.env, t.folder.file("out.zln"), t.folder.file("back")), True);
    EXPECT_EQ(test::readFile(t.folder.file("back")), "new contents");
}

TEST(ZlibCompress, EmptySourceFailsAndKeepsThePreviousTarget) {
    test::TestEnv t;
    test::writeFile(t.folder.file("empty"), "");
    test::writeFile(t.folder.file("out.zln"), "previous");
    EXPECT_EQ(ZlibCompress(t.env, t.folder.file("empty"), t.folder.file("out.zln")), False);
    expectOneErrorBox(t, kCompressFailed);
    EXPECT_EQ(test::readFile(t.folder.file("out.zln")), "previous");
    EXPECT_EQ(folderEntries(t.folder.path()), (std::set<std::string>{"empty", "out.zln"}));
}

TEST(ZlibCompress, SourceLargerThanAnyContainerMayHoldIsRefusedUnread) {
    test::TestEnv t;
    // Sparse: nothing of it is ever read.
    fs::path big = t.folder.file("big");
    test::writeFile(big.string(), "");
    fs::resize_file(big, static_cast<uintmax_t>(MaxUnpackedSize) + 1);
    EXPECT_EQ(ZlibCompress(t.env, big.string(), t.folder.file("out.zln")), False);
    expectOneErrorBox(t, kCompressFailed);
    EXPECT_FALSE(fs::exists(t.folder.file("out.zln")));
}

TEST(ZlibFiles, MissingSourceIsFileNotFound) {
    test::TestEnv t;
    EXPECT_EQ(ZlibCompress(t.env, t.folder.file("nothing"), t.folder.file("out")), False);
    expectOneErrorBox(t, "53 - File not found in Zlib Compress!");
    t.dialogs.clear();
    EXPECT_EQ(ZlibDecompress(t.env, t.folder.file("nothing"), t.folder.file("out")), False);
    expectOneErrorBox(t, "53 - File not found in Zlib Decompress!");
    EXPECT_TRUE(fs::is_empty(t.folder.path()));
}

TEST(ZlibFiles, UnwritableTargetLeavesNothingBehind) {
    test::TestEnv t;
    test::writeFile(t.folder.file("in.bin"), "records");
    ASSERT_EQ(ZlibCompress(t.env, t.folder.file("in.bin"), t.folder.file("good.zln")), True);

    // The target's folder does not exist.
    EXPECT_EQ(ZlibCompress(t.env, t.folder.file("in.bin"), t.folder.file("missing/out.zln")), False);
    expectOneErrorBox(t, "75 - Path/File access error in Zlib Compress!");
    t.dialogs.clear();
    EXPECT_EQ(ZlibDecompress(t.env, t.folder.file("good.zln"), t.folder.file("missing/ClientTemp.ztm")), False);
    expectOneErrorBox(t, "75 - Path/File access error in Zlib Decompress!");
    t.dialogs.clear();

    // The target names a folder: the bytes are written, but cannot replace
    // it; the temporary file they went to is gone again.
    fs::create_directory(t.folder.file("taken"));
    EXPECT_EQ(ZlibDecompress(t.env, t.folder.file("good.zln"), t.folder.file("taken")), False);
    expectOneErrorBox(t, "75 - Path/File access error in Zlib Decompress!");
    EXPECT_TRUE(fs::is_directory(t.folder.file("taken")));
    EXPECT_EQ(folderEntries(t.folder.path()), (std::set<std::string>{"in.bin", "good.zln", "taken"}));
}

struct CorruptCase {
    const char* name;
    std::string (*make)(const std::string& data, const std::string& stream);
};

const CorruptCase kCorrupt[] = {
    {"EmptyFile", [](const std::string&, const std::string&) { return std::string(); }},
    {"ShorterThanTheHeader", [](const std::string&, const std::string&) { return std::string("\x10\0\0", 3); }},
    {"HeaderWithoutStream", [](const std::string& d, const std::string&) { return header(int32_t(d.size())); }},
    {"TruncatedStream",
     [](const std::string& d, const std::string& s) { return header(int32_t(d.size())) + s.substr(0, s.size() / 2); }},
    {"StreamMissingItsCheckValue",
     [](const std::string& d, const std::string& s) { return header(int32_t(d.size())) + s.substr(0, s.size() - 4); }},
    {"DamagedStreamByte",
     [](const std::string& d, const std::string& s) {
         std::string c = header(int32_t(d.size())) + s;
         c[4 + s.size() / 2] ^= 0x5A;
         return c;
     }},
    {"NotZlibAtAll",
     [](const std::string& d, const std::string&) { return header(int32_t(d.size())) + "plain text, no stream"; }},
    {"HeaderOneShort", [](const std::string& d, const std::string& s) { return header(int32_t(d.size()) - 1) + s; }},
    {"HeaderOneOver", [](const std::string& d, const std::string& s) { return header(int32_t(d.size()) + 1) + s; }},
    {"HeaderZeroForARealStream", [](const std::string&, const std::string& s) { return header(0) + s; }},
    {"NegativeHeader", [](const std::string&, const std::string& s) { return header(-1) + s; }},
    {"MostNegativeHeader", [](const std::string&, const std::string& s) { return header(INT32_MIN) + s; }},
    {"HeaderJustAboveTheLimit", [](const std::string&, const std::string& s) { return header(MaxUnpackedSize + 1) + s; }},
    {"HugeHeader", [](const std::string&, const std::string& s) { return header(INT32_MAX) + s; }},
};

void PrintTo(const CorruptCase& c, std::ostream* os) { *os << c.name; }

class CorruptContainer : public ::testing::TestWithParam<CorruptCase> {};

TEST_P(CorruptContainer, FailsWithErrorFiveAndKeepsThePreviousWorkingCopy) {
    test::TestEnv t;
    const std::string data = sampleBytes();
    test::writeFile(t.folder.file("bad.zcl"), GetParam().make(data, zlibStream(data)));
    test::writeFile(t.state->WorkFilePath, "left over");
    EXPECT_EQ(ZlibDecompress(t.env, t.folder.file("bad.zcl"), t.state->WorkFilePath), False);
    expectOneErrorBox(t, kDecompressFailed);
    EXPECT_EQ(test::readFile(t.state->WorkFilePath), "left over");
    EXPECT_EQ(folderEntries(t.folder.path()), (std::set<std::string>{"bad.zcl", "ClientTemp.ztm"}));
}

TEST_P(CorruptContainer, WritesNoWorkingCopy) {
    test::TestEnv t;
    const std::string data = sampleBytes();
    test::writeFile(t.folder.file("bad.zcl"), GetParam().make(data, zlibStream(data)));
    EXPECT_EQ(ZlibDecompress(t.env, t.folder.file("bad.zcl"), t.state->WorkFilePath), False);
    EXPECT_FALSE(fs::exists(t.state->WorkFilePath));
    EXPECT_EQ(folderEntries(t.folder.path()), (std::set<std::string>{"bad.zcl"}));
}

INSTANTIATE_TEST_SUITE_P(ZlibDecompress, CorruptContainer, ::testing::ValuesIn(kCorrupt),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ZlibDecompress, BytesAfterACompleteStreamAreIgnored) {
    // The stream carries its own end and check value, and the unpacked size
    // matches the header: the records are intact, whatever follows.
    test::TestEnv t;
    const std::string data = sampleBytes();
    test::writeFile(t.folder.file("padded.zcl"), header(int32_t(data.size())) + zlibStream(data) + "trailing junk");
    ASSERT_EQ(ZlibDecompress(t.env, t.folder.file("padded.zcl"), t.state->WorkFilePath), True);
    EXPECT_EQ(test::readFile(t.state->WorkFilePath), data);
    EXPECT_TRUE(t.dialogs.shown().empty());
}

TEST(ZlibDecompress, AnEmptyFileStoredProperlyUnpacksToAnEmptyWorkingCopy) {
    test::TestEnv t;
    test::writeFile(t.folder.file("empty.zcl"), header(0) + zlibStream(""));
    ASSERT_EQ(ZlibDecompress(t.env, t.folder.file("empty.zcl"), t.state->WorkFilePath), True);
    EXPECT_TRUE(fs::exists(t.state->WorkFilePath));
    EXPECT_EQ(fs::file_size(t.state->WorkFilePath), 0u);
}

TEST(CopyPlain, CopiesUnchangedAndFailsWithTheCallersClosingText) {
    test::TestEnv t;
    for (const std::string& data : {std::string(), sampleBytes()}) {
        test::writeFile(t.folder.file("plain.zcl"), data);
        ASSERT_EQ(CopyPlain(t.env, t.folder.file("plain.zcl"), t.state->WorkFilePath, " in OpenLeagueClient!"), True);
        EXPECT_EQ(test::readFile(t.state->WorkFilePath), data);
    }
    EXPECT_TRUE(t.dialogs.shown().empty());

    EXPECT_EQ(CopyPlain(t.env, t.folder.file("gone.zcl"), t.state->WorkFilePath, " in OpenLeagueClient!"), False);
    expectOneErrorBox(t, "53 - File not found in OpenLeagueClient!");
    t.dialogs.clear();
    EXPECT_EQ(CopyPlain(t.env, t.state->WorkFilePath, t.folder.file("no/such/x.zln"), " in SaveLines!"), False);
    expectOneErrorBox(t, "75 - Path/File access error in SaveLines!");
    EXPECT_EQ(folderEntries(t.folder.path()), (std::set<std::string>{"plain.zcl", "ClientTemp.ztm"}));
}

TEST(SkipZipClient, OnlyYesOnceTrimmedAndUpperCasedSwitchesCompressionOff) {
    struct Row {
        const char* value;  // nullptr: the setting is absent
        bool skip;
    };
    const Row rows[] = {
        {"  yes ", true}, {"YES", true}, {"Yes", true}, {"No", false},     {"", false},
        {"y e s", false}, {"yes!", false}, {"1", false}, {"true", false}, {nullptr, false},
    };
    for (const Row& r : rows) {
        test::TestEnv t;
        if (r.value) t.settings.set("Settings", "SkipZIPClient", r.value);
        EXPECT_EQ(SkipZipClient(t.env), r.skip) << (r.value ? r.value : "(absent)");
    }
    // The key belongs to the "Settings" section only.
    test::TestEnv t;
    t.settings.set("Other", "SkipZIPClient", "YES");
    EXPECT_FALSE(SkipZipClient(t.env));
}

TEST(FileExists, TrueExactlyForAnExistingRegularFile) {
    test::TempDir d;
    test::writeFile(d.file("League.zcl"), "x");
    test::writeFile(d.file(".hidden"), "x");
    fs::create_directory(d.file("folder"));
    test::writeFile(d.file("folder/inside"), "x");
    fs::create_symlink(d.file("League.zcl"), d.file("link-to-file"));
    fs::create_symlink(d.file("folder"), d.file("link-to-folder"));
    fs::create_symlink(d.file("gone"), d.file("dangling"));

    struct Row {
        std::string path;
        Flag expected;
    };
    const Row rows[] = {
        {d.file("League.zcl"), True},
        {d.file(".hidden"), True},
        {d.file("link-to-file"), True},
        {d.file("league.zcl"), False},  // letter case counts
        {d.file("LEAGUE.ZCL"), False},
        {d.file("*.zcl"), False},  // no wildcards
        {d.file("League.zc?"), False},
        {d.file("folder"), False},
        {d.file("folder") + "/", False},
        {d.file("link-to-folder"), False},
        {d.file("dangling"), False},
        {d.file("missing"), False},
        {d.file("League.zcl") + "/", False},  // a file is no folder
        {d.file("League.zcl") + "/x", False},
        {"", False},
    };
    for (const Row& r : rows) EXPECT_EQ(FileExists(r.path), r.expected) << r.path;
}

TEST(FileNameOfPath, PartAfterTheLastSlash) {
    const std::pair<std::string, std::string> rows[] = {
        {"", ""},
        {"League.zcl", "League.zcl"},
        {"/home/gm/League.zcl", "League.zcl"},
        {"leagues/2024/Club.zln", "Club.zln"},
        {"/home/gm/", ""},
        {"/", ""},
        {"C:\\ZELT\\League.zcl", "C:\\ZELT\\League.zcl"},  // a backslash is an ordinary character
    };
    for (const auto& [path, name] : rows) EXPECT_EQ(FileNameOfPath(path), name) << path;
}

TEST(StripBlanks, RemovesEveryByteUpToThirtyTwoAndKeepsTheRest) {
    const std::pair<std::string, std::string> rows[] = {
        {"  New York  Rangers ", "NewYorkRangers"},
        {"\tA\r\nB\x01" "C\x1f", "ABC"},
        {std::string("a\0b", 3), "ab"},
        {"", ""},
        {"   ", ""},
        // Accented letters and the other codes above 127 are never blanks.
        {"Montr\xE9" "al Canadiens", "Montr\xE9" "alCanadiens"},
        {"\xA0\xFF\x80\x7F!", "\xA0\xFF\x80\x7F!"},
    };
    for (const auto& [in, out] : rows) EXPECT_EQ(StripBlanks(in), out) << in;
}

}  // namespace
}  // namespace dravik
