// The Qt backend on a small window: drawing and mirroring, user actions
// reaching the model's handlers, the refused lost focus, menus and shortcuts.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTabBar>

#include "qt/qt_backend.h"
#include "qt/qt_dialogs.h"
#include "support/probe_window.h"
#include "support/qt_test.h"

namespace dravik::test {
namespace {

using ::testing::ElementsAre;

struct QtWorld {
    QApplication& app = qtApp();
    QtDialogs dialogs;
    FormManager forms{dialogs, "Product"};
    QtBackend backend{forms};
    std::vector<std::string> log;
    frmProbe* probe = nullptr;

    QtWorld() {
        dialogs.setOwner([this] { return backend.dialogOwner(); });
        probe = forms.start<frmProbe>(log);
        settle();
        log.clear();
    }
    template <class W>
    W* w(const Control& c) {
        return qobject_cast<W*>(backend.widget(c));
    }
    QRect listRow(ListBox& list, int row) {
        auto* view = w<QListWidget>(list);
        return view->visualItemRect(view->item(row));
    }
};

TEST(QtBackend, DrawsTheWindowInTwipsAndMirrorsModelChanges) {
    QtWorld world;
    frmProbe& p = *world.probe;
    auto* window = qobject_cast<QMainWindow*>(world.backend.window(p));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Probe");
    ASSERT_EQ(world.backend.twipsPerPixel(), 15.0);

    // Outer 5640 x 4500 twips: 376 x 300 pixels, less the frame and the menu bar.
    QWidget* client = window->centralWidget();
    EXPECT_EQ(client->width(), 376 - 8);
    EXPECT_EQ(client->height(), 300 - 19 - 8 - 20);
    EXPECT_EQ(world.backend.widget(p.lstTeams)->geometry(), QRect(8, 88, 164, 108));
    // A list at left 5565 twips starts beyond the client area of a 5640-twip window.
    EXPECT_GT(world.backend.widget(p.lstFar)->x(), client->width());

    EXPECT_EQ(world.w<QPushButton>(p.cmdGo)->text(), "&Go");
    EXPECT_EQ(world.w<QCheckBox>(p.chkFlag)->text(), "Flag &&&& more");  // literal "&&" shown as typed
    auto* list = world.w<QListWidget>(p.lstTeams);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "gales");
    EXPECT_EQ(list->item(2)->text(), "Ravens");

    // Changes made by code, texts in Windows-1252.
    p.lblInfo.setCaption("Saint-\xC9lodie");
    EXPECT_EQ(world.w<QLabel>(p.lblInfo)->text(), QString::fromUtf8("Saint-\u00C9lodie"));
    p.lstTeams.AddItem("Kodiaks");
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(1)->text(), "Kodiaks");
    p.lstTeams.setListIndex(2);
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_TRUE(list->item(2)->isSelected());
    EXPECT_EQ(list->selectedItems().size(), 1);
    p.lstTeams.RemoveItem(0);
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "Kodiaks");
    // A batch fill lands around the entries shown; the current one stays current.
    p.lstTeams.AddItems(std::vector<ListEntry>{{"Bears", 1}, {"Zephyrs", 2}, {"Hornets", 3}});
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
    EXPECT_EQ(shown, (QStringList{"Bears", "Hornets", "Kodiaks", "Lynx", "Ravens", "Zephyrs"}));
    EXPECT_EQ(list->currentRow(), 3);
    EXPECT_TRUE(list->item(3)->isSelected());
    EXPECT_EQ(list->selectedItems().size(), 1);
    p.chkFlag.setValue(1);
    EXPECT_TRUE(world.w<QCheckBox>(p.chkFlag)->isChecked());
    p.txtB.setText("typed by code");
    EXPECT_EQ(world.w<QLineEdit>(p.txtB)->text(), "typed by code");
    p.cmdGo.setEnabled(false);
    EXPECT_FALSE(world.backend.widget(p.cmdGo)->isEnabled());
    p.lblInfo.setVisible(false);
    EXPECT_FALSE(world.backend.widget(p.lblInfo)->isVisible());
    p.setCaption("Probe - League");
    EXPECT_EQ(window->windowTitle(), "Probe - League");
    p.setWidth(8275);
    EXPECT_EQ(client->width(), 552 - 8);

    p.Hide();
    EXPECT_FALSE(window->isVisible());
}

TEST(QtBackend, UserActionsReachTheModelsHandlers) {
    QtWorld world;
    frmProbe& p = *world.probe;

    mouseClick(world.backend.widget(p.cmdGo));
    EXPECT_THAT(world.log, ElementsAre("cmdGo_Click"));
    EXPECT_TRUE(p.cmdGo.hasFocus());

    world.log.clear();
    QWidget* viewport = world.w<QListWidget>(p.lstTeams)->viewport();
    mouseClick(viewport, world.listRow(p.lstTeams, 1).center());
    EXPECT_THAT(world.log, ElementsAre("lstTeams_Click 1"));
    EXPECT_EQ(world.w<QListWidget>(p.lstTeams)->currentRow(), 1);
    EXPECT_TRUE(p.lstTeams.hasFocus());

    world.log.clear();
    mouseDoubleClick(viewport, world.listRow(p.lstTeams, 2).center());
    EXPECT_THAT(world.log, ElementsAre("lstTeams_Click 2", "lstTeams_DblClick"));

    world.log.clear();
    keyClick(world.backend.widget(p.lstTeams), Qt::Key_Up);
    EXPECT_THAT(world.log, ElementsAre("lstTeams_Click 1"));

    world.log.clear();
    mouseClick(world.backend.widget(p.lblInfo));
    mouseClick(world.backend.widget(p.chkFlag));
    EXPECT_THAT(world.log, ElementsAre("lblInfo_Click", "chkFlag_Click 1"));
    EXPECT_TRUE(world.w<QCheckBox>(p.chkFlag)->isChecked());

    // The vertical bar has Max at the top: its up arrow moves towards Max.
    world.log.clear();
    auto* bar = world.w<QScrollBar>(p.vscDay);
    EXPECT_EQ(bar->value(), bar->maximum());
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(p.vscDay.Value(), 2);
    EXPECT_EQ(bar->value(), bar->maximum() - 1);
    EXPECT_THAT(world.log, ElementsAre("vscDay_Change 2"));

    // Typing goes to the model whole; the model's cut comes back.
    p.txtB.setMaxLength(3);
    mouseClick(world.backend.widget(p.txtB));
    keyClicks(world.backend.widget(p.txtB), "abcdef");
    EXPECT_EQ(p.txtB.Text(), "abc");
    // Alt with a letter that is no access key is a command key, never text.
    p.txtB.setMaxLength(10);
    keyClick(world.backend.widget(p.txtB), Qt::Key_S, Qt::AltModifier, "s");
    EXPECT_EQ(p.txtB.Text(), "abc");
    p.txtB.setMaxLength(3);
    EXPECT_EQ(world.w<QLineEdit>(p.txtB)->text(), "abc");
    // Tab moves the model's focus, and Qt's with it.
    keyClick(world.backend.widget(p.txtB), Qt::Key_Tab);
    EXPECT_TRUE(p.lstTeams.hasFocus());
    EXPECT_EQ(world.backend.window(p)->focusWidget(), world.backend.widget(p.lstTeams));
}

TEST(QtBackend, ARefusedLostFocusSwallowsTheClickThatMovedTheFocus) {
    QtWorld world;
    frmProbe& p = *world.probe;
    QWidget* box = world.backend.widget(p.txtA);
    mouseClick(box);
    keyClicks(box, "bad");
    ASSERT_EQ(p.txtA.Text(), "bad");

    QString shown;
    DialogAnswerer answer([&](QWidget* dialog) {
        auto* message = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(message, nullptr);
        shown = message->text();
        message->button(QMessageBox::Ok)->click();
    });
    mouseClick(world.backend.widget(p.cmdGo));
    EXPECT_EQ(answer.count(), 1);
    EXPECT_EQ(shown, "No Valid Input!");
    EXPECT_THAT(world.log, ElementsAre("txtA_LostFocus"));
    EXPECT_TRUE(p.txtA.hasFocus());
    EXPECT_EQ(world.backend.window(p)->focusWidget(), box);

    // Once the value is good, the same click goes through.
    world.log.clear();
    world.w<QLineEdit>(p.txtA)->selectAll();
    keyClicks(box, "ok");
    mouseClick(world.backend.widget(p.cmdGo));
    EXPECT_THAT(world.log, ElementsAre("txtA_LostFocus", "cmdGo_Click"));
}

TEST(QtBackend, MenusAndShortcutsGoThroughTheModel) {
    QtWorld world;
    frmProbe& p = *world.probe;
    QAction* doAction = world.backend.action(p.mnuDo);
    ASSERT_NE(doAction, nullptr);
    EXPECT_EQ(doAction->text(), "&Do\tCtrl+D");
    EXPECT_FALSE(world.backend.action(p.mnuTeam)->isEnabled());
    doAction->trigger();
    EXPECT_THAT(world.log, ElementsAre("mnuDo_Click"));

    auto shortcut = [&](QKeySequence keys) -> QShortcut* {
        for (QShortcut* s : world.backend.window(p)->findChildren<QShortcut*>())
            if (s->key() == keys) return s;
        return nullptr;
    };
    QShortcut* ctrlD = shortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    QShortcut* ctrlT = shortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    ASSERT_TRUE(ctrlD && ctrlT);
    EXPECT_TRUE(ctrlD->isEnabled());
    // Under a disabled menu the shortcut is off, until the menu is on.
    EXPECT_FALSE(ctrlT->isEnabled());
    p.mnuTeam.setEnabled(true);
    EXPECT_TRUE(ctrlT->isEnabled());
    world.log.clear();
    emit ctrlT->activated();
    EXPECT_THAT(world.log, ElementsAre("mnuView_Click"));
}

// A strip of two pages, a box on the second, and two options in a frame.
class frmPages : public Form {
public:
    explicit frmPages(FormManager& forms) : Form(forms, "frmPages") {
        Move(0, 0, 6000, 4500);
        tabPages.addTab("Normal");
        tabPages.addTab("Strategy && Goalies");
        tabPages.Move(120, 120, 5000, 2000);
        txtOnPage.setContainer(tabPages, 1);
        txtOnPage.Move(300, 600, 1500, 285);
        fraBox.setCaption("Position");
        fraBox.Move(120, 2300, 3000, 1200);
        optA.setCaption("Pro");
        optA.setContainer(fraBox);
        optA.Move(150, 300, 1200, 255);
        optB.setCaption("Farm");
        optB.setContainer(fraBox);
        optB.Move(150, 660, 1200, 255);
        optA.setValue(true);
        tabPages.Click = [this] { clicks.push_back("tabPages_Click " + std::to_string(tabPages.Tab())); };
        optB.Click = [this] { clicks.push_back("optB_Click"); };
    }
    TabControl tabPages{this, "tabPages"};
    TextBox txtOnPage{this, "txtOnPage"};
    Frame fraBox{this, "fraBox"};
    OptionButton optA{this, "optA"};
    OptionButton optB{this, "optB"};
    std::vector<std::string> clicks;
};

TEST(QtBackend, TabPagesFramesAndOptionsFollowTheModel) {
    QtWorld world;
    frmPages* pages = world.forms.load<frmPages>();
    ASSERT_NE(pages, nullptr);
    pages->Show();
    settle();
    QWidget* box = world.backend.widget(pages->txtOnPage);
    auto* strip = world.backend.widget(pages->tabPages)->findChild<QTabBar*>();
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->count(), 2);
    EXPECT_EQ(strip->tabText(1), "Strategy &&&& Goalies");
    EXPECT_FALSE(box->isVisible());
    // Controls sit relative to their tab control or frame.
    EXPECT_EQ(box->parentWidget(), world.backend.widget(pages->tabPages));
    EXPECT_EQ(box->geometry(), QRect(20, 40, 100, 19));
    QWidget* optB = world.backend.widget(pages->optB);
    EXPECT_EQ(optB->parentWidget(), world.backend.widget(pages->fraBox));
    EXPECT_EQ(optB->pos(), QPoint(10, 44));
    EXPECT_EQ(qobject_cast<QGroupBox*>(world.backend.widget(pages->fraBox))->title(), "Position");

    mouseClick(strip, strip->tabRect(1).center());
    EXPECT_EQ(pages->tabPages.Tab(), 1);
    EXPECT_EQ(strip->currentIndex(), 1);
    EXPECT_TRUE(box->isVisible());
    mouseClick(optB);
    EXPECT_THAT(pages->clicks, ElementsAre("tabPages_Click 1", "optB_Click"));
    EXPECT_TRUE(qobject_cast<QRadioButton*>(optB)->isChecked());
    EXPECT_FALSE(qobject_cast<QRadioButton*>(world.backend.widget(pages->optA))->isChecked());
    // Changed by code, the page goes back and its box with it.
    pages->tabPages.setTab(0);
    EXPECT_EQ(strip->currentIndex(), 0);
    EXPECT_FALSE(box->isVisible());
}

TEST(QtBackend, TheCloseBoxAsksTheModel) {
    QtWorld world;
    frmProbe& p = *world.probe;
    QWidget* box = world.backend.widget(p.txtA);
    mouseClick(box);
    keyClicks(box, "bad");
    DialogAnswerer answer(
        [](QWidget* dialog) { qobject_cast<QMessageBox*>(dialog)->button(QMessageBox::Ok)->click(); });
    world.backend.window(p)->close();
    EXPECT_EQ(answer.count(), 1);
    // The box refused its value: the window stays.
    EXPECT_TRUE(p.isLoaded());
    EXPECT_TRUE(world.backend.window(p)->isVisible());

    world.w<QLineEdit>(p.txtA)->selectAll();
    keyClicks(box, "ok");
    QPointer<QWidget> window = world.backend.window(p);
    window->close();
    EXPECT_TRUE(world.forms.ended());
    EXPECT_EQ(world.forms.mainForm(), nullptr);
    EXPECT_FALSE(window && window->isVisible());
    settle();
    EXPECT_TRUE(window.isNull());
}

}  // namespace
}  // namespace dravik::test
