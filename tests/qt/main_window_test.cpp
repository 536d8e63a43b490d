// The real windows of the program on the sample league, offscreen: the main
// window shows the teams in their lists, menu commands, list clicks and
// dialog answers travel through the backend, and a manager reaches his team
// sheet behind his password and saves the team lines file.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>
#include <vector>

#include "league/files.h"
#include "league/leagueimage.h"
#include "leaguewriter/sample.h"
#include "leaguewriter/writer.h"
#include "main/client_app.h"
#include "main/frm_about.h"
#include "main/frm_main.h"
#include "main/frm_wait.h"
#include "platform/clock.h"
#include "platform/codepage.h"
#include "platform/formats.h"
#include "platform/instance_lock.h"
#include "platform/settings.h"
#include "platform/shell.h"
#include "qt/qt_application.h"
#include "qt/qt_backend.h"
#include "qt/qt_dialogs.h"
#include "support/qt_client.h"
#include "support/qt_test.h"
#include "team/frm_team.h"
#include "team/lines_file.h"
#include "test_env.h"

namespace dravik::test {
namespace {

TEST(QtMainWindow, OpensOnTheSampleLeagueAndShowsTheTeamsInTheirLists) {
    QtClient client;
    frmMain& main = client.start();
    auto* window = qobject_cast<QMainWindow*>(client.backend.window(main));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    // Six divisions: 8275 twips wide.
    EXPECT_EQ(window->centralWidget()->width(), 552 - 8);
    // The wait window has come and gone.
    EXPECT_FALSE(client.app.forms().isLoaded<frmWait>());

    int teams = 0;
    for (int d = 1; d <= 6; ++d) {
        QListWidget* list = client.list(main, d);
        ASSERT_NE(list, nullptr);
        EXPECT_TRUE(list->isVisible()) << d;
        ASSERT_EQ(list->count(), main.lstDivision(d).ListCount()) << d;
        for (int i = 0; i < list->count(); ++i)
            EXPECT_EQ(list->item(i)->text().toStdString(),
                      fromCodePage(main.lstDivision(d).List(i)).toStdString());
        teams += list->count();
    }
    EXPECT_EQ(teams, 30);
    EXPECT_EQ(client.list(main, 1)->item(0)->text(), "Harrowgate Lynx");
    EXPECT_EQ(client.list(main, 5)->item(4)->text(), QString::fromUtf8("Saint-\u00C9lodie Cyclones"));
}

TEST(QtMainWindow, MenuCommandsListClicksAndAnswersTravelThroughTheBackend) {
    QtClient client;
    frmMain& main = client.start();

    // No team chosen: the menu command shows its box, answered with OK.
    QString text;
    QMessageBox::Icon icon{};
    whenDialogOpens([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        text = box->text();
        icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
    client.backend.action(main.mnuViewTeam)->trigger();
    EXPECT_EQ(text, "No Team is Selected!");
    EXPECT_EQ(icon, QMessageBox::Information);
    EXPECT_EQ(client.app.state().LastMsgBoxResult, mb::OK);

    // A click on a team makes it the current team and clears the other lists.
    QListWidget* tundra = client.list(main, 2);
    tundra->scrollToItem(tundra->item(4));
    mouseClick(tundra->viewport(), tundra->visualItemRect(tundra->item(4)).center());
    EXPECT_EQ(tundra->item(4)->text(), "Thornbury Ravens");
    EXPECT_EQ(client.app.state().CurrentTeam, 9);
    EXPECT_TRUE(tundra->item(4)->isSelected());
    QListWidget* boreal = client.list(main, 1);
    mouseClick(boreal->viewport(), boreal->visualItemRect(boreal->item(1)).center());
    EXPECT_EQ(client.app.state().CurrentTeam, 2);
    EXPECT_TRUE(tundra->selectedItems().isEmpty());

    // "&Open ..." shows Qt's own dialog in the program folder; Cancel does nothing.
    QString folder;
    QStringList filters;
    whenDialogOpens([&](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        folder = files->directory().absolutePath();
        filters = files->nameFilters();
        QMetaObject::invokeMethod(files, "reject");
    });
    const int shownBefore = QtDialogs::shownCount();
    client.backend.action(main.mnuOpen)->trigger();
    EXPECT_EQ(folder, QDir(QString::fromStdString(client.folder.path().string())).absolutePath());
    EXPECT_EQ(filters, QStringList({"ZELT Client File (*.zcl)", "All Files (*)"}));
    EXPECT_EQ(QtDialogs::shownCount(), shownBefore + 1);  // no message after the cancel

    // About: the window hands over, and its Exit button hands back.
    client.backend.action(main.mnuAbout)->trigger();
    frmAbout* about = client.app.forms().get<frmAbout>();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(client.backend.window(*about)->isVisible());
    EXPECT_FALSE(client.backend.window(main)->isVisible());
    mouseClick(client.backend.widget(about->cmdExit));
    settle();
    EXPECT_FALSE(client.app.forms().isLoaded<frmAbout>());
    EXPECT_TRUE(client.backend.window(main)->isVisible());
}

// The sample with its team 2 in Russian, in Windows-1251, behind the
// password "\u0436\u0430\u0440\u0430" (its digest as Python's hashlib gives it).
void buildCyrillicLeague(LeagueData& league) {
    leaguewriter::BuildSampleLeague(league);
    league.Teams[2].Name = "\xCB\xE5\xE4\xFF\xED\xFB\xE5 \xC2\xEE\xEB\xEA\xE8";  // Ледяные Волки
    league.Teams[2].Password = "33da476773594741b388224015add080";
    league.League.Divisions[0].Name = "\xC4\xE8\xE2\xE8\xE7\xE8\xFF \xD1\xE5\xE2\xE5\xF0";  // Дивизия Север
}

// A league of one system's code page, opened on a system of that code page.
struct ManagerCase {
    const char* name;
    int codePage;
    const char* leagueFile;  // UTF-8, as is everything below
    void (*build)(LeagueData&);
    const char* caption;
    const char* division;                  // the caption over division 1
    const char* teamName;                  // team 2, in division 1
    std::array<const char*, 5> division1;  // its list, in order
    const char* password;
    const char* linesFile;
};

class QtManager : public ::testing::TestWithParam<ManagerCase> {};

// The manager of team 2 (division 1) opens his team sheet with a double
// click, answering the password box, and saves his team lines file with the
// sheet's button, answering it again: the file is the packed image of his
// team as it stands, the league's own bytes, under his team's name.
TEST_P(QtManager, OpensHisTeamSheetBehindThePasswordAndSavesTheLinesFile) {
    const ManagerCase& c = GetParam();
    ScopedSystemCodePage system(c.codePage);
    QtClient client;
    if (c.build != nullptr) {
        // Another league in the sample's place, under its own file name.
        std::filesystem::remove(client.league);
        client.league = client.folder.file(c.leagueFile);
        auto data = std::make_unique<LeagueData>();
        c.build(*data);
        leaguewriter::WriteLeagueFile(*data, client.league);
        client.settings.set("Settings", "LastLoadLeague", client.league);
    }
    frmMain& main = client.start();
    const int16_t team = 2;
    const QString password = QString::fromUtf8(c.password);
    const QString teamName = QString::fromUtf8(c.teamName);
    EXPECT_EQ(client.backend.window(main)->windowTitle(), QString::fromUtf8(c.caption));
    auto* division = qobject_cast<QLabel*>(client.backend.widget(main.lblDivision(1)));
    ASSERT_NE(division, nullptr);
    EXPECT_EQ(division->text(), QString::fromUtf8(c.division));

    // Every box is answered as the manager would: the password typed into
    // the input box's own field and OK pressed; a message read and OK pressed.
    struct Seen {
        QString text;
        bool input = false;
        QLineEdit::EchoMode echo = QLineEdit::Normal;
        QString shown;  // what the field showed after the typing
        QMessageBox::Icon icon = QMessageBox::NoIcon;
    };
    std::vector<Seen> seen;
    DialogAnswerer answerer([&](QWidget* dialog) {
        Seen s;
        if (auto* input = qobject_cast<QInputDialog*>(dialog)) {
            s.input = true;
            s.text = input->labelText();
            auto* field = input->findChild<QLineEdit*>();
            auto* buttons = input->findChild<QDialogButtonBox*>();
            ASSERT_NE(field, nullptr);
            ASSERT_NE(buttons, nullptr);
            keyClicks(field, password);
            s.echo = field->echoMode();
            s.shown = field->displayText();
            seen.push_back(s);
            mouseClick(buttons->button(QDialogButtonBox::Ok));
        } else if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            s.text = box->text();
            s.icon = box->icon();
            seen.push_back(s);
            mouseClick(box->button(QMessageBox::Ok));
        } else {
            seen.push_back(s);
            QMetaObject::invokeMethod(dialog, "reject");
        }
    });

    QListWidget* boreal = client.list(main, 1);
    QStringList shownTeams, expectedTeams;
    for (int i = 0; i < boreal->count(); ++i) shownTeams << boreal->item(i)->text();
    for (const char* t : c.division1) expectedTeams << QString::fromUtf8(t);
    EXPECT_EQ(shownTeams, expectedTeams);
    const QList<QListWidgetItem*> found = boreal->findItems(teamName, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    QListWidgetItem* item = found.front();
    mouseDoubleClick(boreal->viewport(), boreal->visualItemRect(item).center());
    settle();

    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].input);
    EXPECT_EQ(seen[0].text, "Password Required!");
    EXPECT_EQ(seen[0].echo, QLineEdit::Password);
    EXPECT_EQ(seen[0].shown.size(), password.size());
    EXPECT_NE(seen[0].shown, password);
    EXPECT_EQ(client.app.state().CurrentTeam, team);

    frmTeam* sheet = client.app.forms().get<frmTeam>();
    ASSERT_NE(sheet, nullptr);
    QWidget* sheetWindow = client.backend.window(*sheet);
    ASSERT_NE(sheetWindow, nullptr);
    EXPECT_TRUE(sheetWindow->isVisible());
    EXPECT_FALSE(client.backend.window(main)->isVisible());
    EXPECT_TRUE(sheetWindow->windowTitle().endsWith(" - " + teamName))
        << sheetWindow->windowTitle().toStdString();
    auto* name = qobject_cast<QLineEdit*>(client.backend.widget(sheet->txtTeamName));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), teamName);
    // The sample's day-1 lines are complete, so the sheet lets the file be saved.
    QWidget* save = client.backend.widget(sheet->cmdSaveToFile);
    ASSERT_NE(save, nullptr);
    ASSERT_TRUE(save->isEnabled());

    mouseClick(save);
    settle();

    const std::string target = client.folder.file(c.linesFile);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_TRUE(seen[1].input);
    EXPECT_EQ(seen[1].text, "Password Required!");
    EXPECT_EQ(seen[1].echo, QLineEdit::Password);
    EXPECT_FALSE(seen[2].input);
    EXPECT_EQ(seen[2].text,
              "Lines file for " + teamName + " successfully save at\n" + QString::fromStdString(target));
    EXPECT_EQ(seen[2].icon, QMessageBox::Information);
    EXPECT_EQ(answerer.count(), 3);
    // The sheet stays open, the wait window has gone.
    EXPECT_TRUE(sheetWindow->isVisible());
    EXPECT_FALSE(client.app.forms().isLoaded<frmWait>());

    // The file, read back through the program's own unpacker: the image of
    // the team's lines, which loading would accept, carrying the team record
    // as the league file holds it (opening the sheet changed nothing).
    ASSERT_EQ(FileExists(target), True);
    std::vector<std::string> files;  // no working copy or half-written file left
    for (const auto& e : std::filesystem::directory_iterator(client.folder.path()))
        files.push_back(e.path().filename().string());
    std::sort(files.begin(), files.end());
    std::vector<std::string> expected{c.linesFile, c.leagueFile};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(files, expected);
    TempDir scratch;
    auto unpack = [&](const std::string& packed) {
        const std::string out = scratch.file("image");
        EXPECT_EQ(ZlibDecompress(client.app.env(), packed, out), True) << packed;
        const std::vector<uint8_t> bytes = ReadWholeFile(out, MaxUnpackedSize);
        return std::string(bytes.begin(), bytes.end());
    };
    const std::string image = unpack(target);
    ASSERT_EQ(image.size(), linesfile::ImageSize);
    EXPECT_EQ(image.substr(0, 2 + linesfile::StartMarker.size()),
              std::string("\x27\x00", 2) + std::string(linesfile::StartMarker));
    EXPECT_EQ(CheckTeamLinesImage(image, client.app.env().league.League, team), TeamLinesCheck::Ok);
    const std::string leagueImage = unpack(client.league);
    ASSERT_EQ(leagueImage.size(), leaguefile::ImageSize);
    auto record = [](const std::string& in, int64_t r) {
        return in.substr(static_cast<std::size_t>(r - 1) * linesfile::RecordLength, linesfile::RecordLength);
    };
    EXPECT_TRUE(record(image, linesfile::TeamRecord) ==
                record(leagueImage, leaguefile::FirstTeam + team - 1));
    EXPECT_EQ(answerer.count(), 3);  // reading it back showed nothing
}

INSTANTIATE_TEST_SUITE_P(
    CodePages, QtManager,
    ::testing::Values(
        ManagerCase{"WesternSample",
                    1252,
                    "Sample League.zcl",
                    nullptr,
                    "Dravik Hockey Simulator Client - Sample League",
                    "Boreal Division",
                    "Kestrel Bay Gales",
                    {"Harrowgate Lynx", "Kestrel Bay Gales", "Northmoor Ironclads", "Oakhaven Foxhounds",
                     "Vellmar Comets"},
                    "faceoff",
                    "KestrelBayGales.zln"},
        ManagerCase{"CentralEuropean",
                    1250,
                    "\u010Cesk\u00E1 liga 2026.zcl",
                    leaguewriter::BuildCentralLeague,
                    "Dravik Hockey Simulator Client - \u010Cesk\u00E1 liga 2026",
                    "Divize \u0160umava",
                    "\u0158e\u010Dany Ryt\u00ED\u0159i",
                    {"Gy\u0151r S\u00F3lymok", "\u0141\u00F3d\u017A W\u0142\u00F3kniarze",
                     "P\u0159erov Draci", "\u0158e\u010Dany Ryt\u00ED\u0159i", "\u017Dilina Vlci"},
                    "\u0159eka",
                    "\u0158e\u010DanyRyt\u00ED\u0159i.zln"},
        ManagerCase{"Cyrillic",
                    1251,
                    "\u0421\u0435\u0437\u043E\u043D 2026.zcl",
                    buildCyrillicLeague,
                    "Dravik Hockey Simulator Client - \u0421\u0435\u0437\u043E\u043D 2026",
                    "\u0414\u0438\u0432\u0438\u0437\u0438\u044F \u0421\u0435\u0432\u0435\u0440",
                    "\u041B\u0435\u0434\u044F\u043D\u044B\u0435 \u0412\u043E\u043B\u043A\u0438",
                    {"Harrowgate Lynx", "Northmoor Ironclads", "Oakhaven Foxhounds", "Vellmar Comets",
                     "\u041B\u0435\u0434\u044F\u043D\u044B\u0435 \u0412\u043E\u043B\u043A\u0438"},
                    "\u0436\u0430\u0440\u0430",
                    "\u041B\u0435\u0434\u044F\u043D\u044B\u0435\u0412\u043E\u043B\u043A\u0438.zln"}),
    [](const ::testing::TestParamInfo<ManagerCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dravik::test
