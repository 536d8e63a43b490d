#include "platform/settings_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "test_env.h"

namespace dravik {
namespace {

// A file as someone might edit it by hand: CR LF and LF line ends, blanks,
// commas, quotes, a comment, a byte-order mark and a Windows-1252 byte.
const std::string kHandWritten =
    "\xEF\xBB\xBF; settings of the client\r\n"
    "[Other]\r\n"
    "LastLoadLeague=not this one\r\n"
    "\r\n"
    "[Settings]\r\n"
    "LastLoadLeague=C:/x, y.zcl\r\n"
    "SkipZIPClient=  yes \n"
    "Quoted=\"a, b\" and 'c'\n"
    "  Spaced  = around \n"
    "Semicolon=a;b # no comment here\n"
    "Empty=\n"
    "Equals=a=b\n"
    "Accented=Montr\351al\n"
    "no equals sign here\n";

TEST(QtSettingsStore, ReadsHandWrittenValuesExactly) {
    test::TempDir dir;
    test::writeFile(dir.file("DravikClient.ini"), kHandWritten);
    const QtSettingsStore store(dir.file("DravikClient.ini"));
    struct Case {
        const char* section;
        const char* key;
        std::string expected;
    } cases[] = {
        {"Settings", "LastLoadLeague", "C:/x, y.zcl"},
        {"Settings", "SkipZIPClient", "  yes "},
        {"Settings", "Quoted", "\"a, b\" and 'c'"},
        {"Settings", "Spaced", " around "},
        {"Settings", "Semicolon", "a;b # no comment here"},
        {"Settings", "Empty", ""},
        {"Settings", "Equals", "a=b"},
        {"Settings", "Accented", "Montr\351al"},
        {"Other", "LastLoadLeague", "not this one"},
        {"Settings", "Missing", "the default"},
        {"Settings", "lastloadleague", "the default"},  // keys are case-sensitive
        {"Nowhere", "LastLoadLeague", "the default"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(store.get(c.section, c.key, "the default"), c.expected) << c.section << "/" << c.key;
    EXPECT_TRUE(store.ok());
}

TEST(QtSettingsStore, AFileEditedWhileTheProgramRunsIsReadAgain) {
    test::TempDir dir;
    const std::string path = dir.file("DravikClient.ini");
    test::writeFile(path, "[Settings]\nSkipZIPClient=No\n");
    const QtSettingsStore store(path);
    EXPECT_EQ(store.get("Settings", "SkipZIPClient", ""), "No");
    test::writeFile(path, "[Settings]\nSkipZIPClient=YES\nLastLoadLeague=/a/b.zcl\n");
    EXPECT_EQ(store.get("Settings", "SkipZIPClient", ""), "YES");
    EXPECT_EQ(store.get("Settings", "LastLoadLeague", ""), "/a/b.zcl");
}

TEST(QtSettingsStore, MissingFileGivesDefaults) {
    test::TempDir dir;
    const QtSettingsStore store(dir.file("none.ini"));
    EXPECT_EQ(store.get("Settings", "SkipZIPClient", "No"), "No");
    EXPECT_EQ(store.get("Settings", "LastLoadLeague"), "");
}

TEST(QtSettingsStore, WrittenValuesReadBackExactly) {
    test::TempDir dir;
    const std::string path = dir.file("config/sub/DravikClient.ini");  // folders made on writing
    const std::string values[] = {
        "/home/u/My Leagues/a, b.zcl", "  yes ", "\"quoted\"", "", "x=y;z", "caf\xE9"};
    {
        QtSettingsStore store(path);
        for (std::size_t i = 0; i < std::size(values); ++i)
            store.set("Settings", "Key" + std::to_string(i), values[i]);
        EXPECT_TRUE(store.ok());
    }
    const QtSettingsStore again(path);
    for (std::size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(again.get("Settings", "Key" + std::to_string(i), "missing"), values[i]) << i;
    EXPECT_EQ(
        test::readFile(path),
        "[Settings]\nKey0=/home/u/My Leagues/a, b.zcl\nKey1=  yes \nKey2=\"quoted\"\nKey3=\nKey4=x=y;z\n"
        "Key5=caf\xE9\n");
}

TEST(QtSettingsStore, WritingKeepsTheOtherValuesOfAHandWrittenFile) {
    test::TempDir dir;
    const std::string path = dir.file("DravikClient.ini");
    test::writeFile(path, kHandWritten);
    {
        QtSettingsStore store(path);
        store.set("Settings", "LastLoadLeague", "/leagues/new, one.zcl");
    }
    const QtSettingsStore again(path);
    EXPECT_EQ(again.get("Settings", "LastLoadLeague"), "/leagues/new, one.zcl");
    EXPECT_EQ(again.get("Settings", "SkipZIPClient"), "  yes ");
    EXPECT_EQ(again.get("Settings", "Quoted"), "\"a, b\" and 'c'");
    EXPECT_EQ(again.get("Other", "LastLoadLeague"), "not this one");
}

TEST(QtSettingsStore, LineBreakEndsAValueRatherThanTheFile) {
    test::TempDir dir;
    const std::string path = dir.file("DravikClient.ini");
    {
        QtSettingsStore store(path);
        store.set("Settings", "LastLoadLeague", "/a.zcl\n[Settings]\nSkipZIPClient=YES");
        EXPECT_EQ(store.get("Settings", "LastLoadLeague"), "/a.zcl");
    }
    const QtSettingsStore again(path);
    EXPECT_EQ(again.get("Settings", "LastLoadLeague"), "/a.zcl");
    EXPECT_EQ(again.get("Settings", "SkipZIPClient", "No"), "No");
}

TEST(QtSettingsStore, UnwritableFileIsReported) {
    test::TempDir dir;
    test::writeFile(dir.file("plain"), "x");
    QtSettingsStore store(dir.file("plain") + "/DravikClient.ini");  // a folder under a file
    store.set("Settings", "LastLoadLeague", "/a.zcl");
    EXPECT_FALSE(store.ok());
}

TEST(DefaultSettingsPath, FollowsXdgConfigHome) {
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = oldXdg ? oldXdg : "";
    test::TempDir dir;
    setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
    EXPECT_EQ(defaultSettingsPath("DravikClient"), dir.path().string() + "/DravikClient.ini");
    unsetenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(defaultSettingsPath("DravikClient"), std::string(home) + "/.config/DravikClient.ini");
    if (oldXdg) setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}

}  // namespace
}  // namespace dravik
