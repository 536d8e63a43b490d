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
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <filesystem>
#include <vector>

#include "league/files.h"
#include "league/leagueimage.h"
#include "leaguewriter/sample.h"
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
                      fromCp1252(main.lstDivision(d).List(i)).toStdString());
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

// The manager of Kestrel Bay Gales (division 1, second in its list, password
// "faceoff") opens his team sheet with a double click, answering the
// password box, and saves his team lines file with the sheet's button,
// answering it again: the file is the packed image of his team as it stands.
TEST(QtMainWindow, AManagerOpensHisTeamSheetBehindThePasswordAndSavesTheLinesFile) {
    QtClient client;
    frmMain& main = client.start();
    const int16_t gales = 2;
    const QString password = "faceoff";

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
    QListWidgetItem* item = boreal->item(1);
    ASSERT_EQ(item->text(), "Kestrel Bay Gales");
    mouseDoubleClick(boreal->viewport(), boreal->visualItemRect(item).center());
    settle();

    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].input);
    EXPECT_EQ(seen[0].text, "Password Required!");
    EXPECT_EQ(seen[0].echo, QLineEdit::Password);
    EXPECT_EQ(seen[0].shown.size(), password.size());
    EXPECT_NE(seen[0].shown, password);
    EXPECT_EQ(client.app.state().CurrentTeam, gales);

    frmTeam* sheet = client.app.forms().get<frmTeam>();
    ASSERT_NE(sheet, nullptr);
    QWidget* sheetWindow = client.backend.window(*sheet);
    ASSERT_NE(sheetWindow, nullptr);
    EXPECT_TRUE(sheetWindow->isVisible());
    EXPECT_FALSE(client.backend.window(main)->isVisible());
    EXPECT_TRUE(sheetWindow->windowTitle().endsWith(" - Kestrel Bay Gales"))
        << sheetWindow->windowTitle().toStdString();
    auto* name = qobject_cast<QLineEdit*>(client.backend.widget(sheet->txtTeamName));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), "Kestrel Bay Gales");
    // The sample's day-1 lines are complete, so the sheet lets the file be saved.
    QWidget* save = client.backend.widget(sheet->cmdSaveToFile);
    ASSERT_NE(save, nullptr);
    ASSERT_TRUE(save->isEnabled());

    mouseClick(save);
    settle();

    const std::string target = client.folder.file("KestrelBayGales.zln");
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_TRUE(seen[1].input);
    EXPECT_EQ(seen[1].text, "Password Required!");
    EXPECT_EQ(seen[1].echo, QLineEdit::Password);
    EXPECT_FALSE(seen[2].input);
    EXPECT_EQ(seen[2].text,
              "Lines file for Kestrel Bay Gales successfully save at\n" + QString::fromStdString(target));
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
    EXPECT_THAT(files, ::testing::ElementsAre("KestrelBayGales.zln", "Sample League.zcl"));
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
    EXPECT_EQ(CheckTeamLinesImage(image, client.app.env().league.League, gales), TeamLinesCheck::Ok);
    const std::string leagueImage = unpack(client.league);
    ASSERT_EQ(leagueImage.size(), leaguefile::ImageSize);
    auto record = [](const std::string& in, int64_t r) {
        return in.substr(static_cast<std::size_t>(r - 1) * linesfile::RecordLength, linesfile::RecordLength);
    };
    EXPECT_TRUE(record(image, linesfile::TeamRecord) ==
                record(leagueImage, leaguefile::FirstTeam + gales - 1));
    EXPECT_EQ(answerer.count(), 3);  // reading it back showed nothing
}

}  // namespace
}  // namespace dravik::test
