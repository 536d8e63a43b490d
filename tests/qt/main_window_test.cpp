// The real windows of the program on the sample league, offscreen: the main
// window shows the teams in their lists, and menu commands, list clicks and
// dialog answers travel through the backend.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QListWidget>
#include <QLocale>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <filesystem>

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
#include "support/qt_test.h"
#include "test_env.h"

namespace dravik::test {
namespace {

// The program as app/main.cpp builds it, on doubles where the real service
// would reach outside the test: settings in memory, a lock and shell that
// record, a clock that moves 10 ms at each reading.
struct QtClient {
    QApplication& qt = qtApp();
    QtDialogs dialogs;
    MemorySettings settings;
    LogHooks log;
    FakeClock clock{0, 10};
    FakeInstanceLock lock;
    RecordingShellOpen shell;
    LocaleFormats formats{QLocale(QLocale::English, QLocale::UnitedStates)};
    TempDir folder;
    ClientApp app{ClientServices{dialogs, settings, log, clock, lock, shell, formats, folder.path().string(),
                                 waitPump()}};
    QtBackend backend{app.forms()};
    std::string league = folder.file("Sample League.zcl");

    QtClient() {
        dialogs.setOwner([this] { return backend.dialogOwner(); });
        std::filesystem::copy_file(leaguewriter::BuiltSampleLeaguePath(), league);
        settings.set("Settings", "LastLoadLeague", league);
    }
    frmMain& start() {
        EXPECT_TRUE(app.start());
        settle();
        return *app.mainWindow();
    }
    QListWidget* list(frmMain& main, int division) {
        return qobject_cast<QListWidget*>(backend.widget(main.lstDivision(division)));
    }
};

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

}  // namespace
}  // namespace dravik::test
