// The roster window drawn by the Qt backend on the sample league, offscreen:
// a manager control-clicks two scratches and sends them "<-- To Pro".

#include <gtest/gtest.h>

#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <string>
#include <vector>

#include "forms/list_order.h"
#include "market/frm_edit_player.h"
#include "platform/codepage.h"
#include "support/qt_client.h"
#include "team/frm_roster.h"

namespace dravik::test {
namespace {

constexpr int16_t SampleTeam = 3;  // no password; two healthy scratches and an injured one

QListWidget* view(QtClient& c, ListBox& list) { return qobject_cast<QListWidget*>(c.backend.widget(list)); }

void answerFirstButton(QWidget* dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) mouseClick(box->buttons().front());
}

// Starts the program on the sample and opens the roster of its team 3 as the
// main window's "Set &Roster" does.
frmRoster* openRoster(QtClient& c) {
    c.start();
    return c.open<frmRoster>(menu::SetRoster, SampleTeam);
}

TEST(QtRoster, ControlClickedScratchesGoToTheProListTogether) {
    QtClient c;
    // Any box would be a failure here; answer it so the test cannot hang.
    DialogAnswerer boxes(answerFirstButton);
    frmRoster* r = openRoster(c);
    ASSERT_NE(r, nullptr);

    ListBox& scratches = r->lstPlayer(1);
    ListBox& pro = r->lstPlayer(2);
    // The healthy scratches, by their keys.
    std::vector<int32_t> moving;
    for (int i = 0; i < scratches.ListCount(); ++i) {
        const int32_t key = scratches.ItemData(i);
        if (key % 10 == 5) continue;
        if (c.app.league().Players[key / 10].Condition >= 95) moving.push_back(key);
    }
    ASSERT_EQ(moving.size(), 2u);
    const int proBefore = pro.ListCount();

    QListWidget* list = view(c, scratches);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), scratches.ListCount());
    for (int32_t key : moving) {
        int row = -1;
        for (int i = 0; i < scratches.ListCount(); ++i)
            if (scratches.ItemData(i) == key) row = i;
        mouseClick(list->viewport(), list->visualItemRect(list->item(row)).center(), Qt::ControlModifier);
        settle();
    }
    EXPECT_EQ(scratches.SelCount(), 2);
    auto* toPro = qobject_cast<QPushButton*>(c.backend.widget(r->cmdToPro));
    ASSERT_NE(toPro, nullptr);
    EXPECT_TRUE(toPro->isEnabled());
    EXPECT_FALSE(c.backend.widget(r->cmdCaptain)->isEnabled());
    mouseClick(toPro);
    settle();

    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(pro.ListCount(), proBefore + 2);
    QListWidget* proView = view(c, pro);
    ASSERT_EQ(proView->count(), pro.ListCount());
    for (int32_t key : moving) {
        EXPECT_EQ(c.app.league().Players[key / 10].RosterStatus, status::Dressed);
        int row = -1;
        for (int i = 0; i < pro.ListCount(); ++i)
            if (pro.ItemData(i) == key) row = i;
        ASSERT_GE(row, 0) << key;
        EXPECT_EQ(proView->item(row)->text(), fromCp1252(pro.List(row)));
    }
    // Still in the list's own order, as drawn.
    for (int i = 0; i + 1 < pro.ListCount(); ++i)
        EXPECT_LE(compareListText(pro.List(i), pro.List(i + 1)), 0) << pro.List(i);
    EXPECT_EQ(r->lblPlayer(2).Caption(), "Pro Player = " + std::to_string(proBefore + 2));
    EXPECT_EQ(c.backend.widget(r->lblPlayer(2))->property("text").toString(),
              fromCp1252(r->lblPlayer(2).Caption()));
    // A screen reader reads the list by its counter as it now stands.
    EXPECT_EQ(proView->accessibleName().toStdString(), "Pro Player = " + std::to_string(proBefore + 2));
}

TEST(QtRoster, ADoubleClickedPlayerOpensTheProgramsCardAndComesBack) {
    QtClient c;
    DialogAnswerer boxes(answerFirstButton);
    frmRoster* r = openRoster(c);
    ASSERT_NE(r, nullptr);
    ListBox& pro = r->lstPlayer(2);
    QListWidget* list = view(c, pro);
    mouseDoubleClick(list->viewport(), list->visualItemRect(list->item(3)).center());
    settle();
    auto* card = c.app.forms().get<frmEditPlayer>();
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(c.app.forms().activeForm(), card);
    EXPECT_FALSE(r->Visible());
    EXPECT_EQ(c.app.state().CallerCode, 2);
    EXPECT_EQ(c.app.state().CurrentPlayerIndex, pro.ItemData(3) / 10);

    mouseClick(c.backend.widget(card->cmdExit));
    settle();
    EXPECT_EQ(c.app.forms().get<frmEditPlayer>(), nullptr);
    EXPECT_TRUE(r->Visible());
    EXPECT_EQ(c.app.forms().activeForm(), r);
    EXPECT_EQ(pro.ListIndex(), 3);
    EXPECT_TRUE(r->lblStat(1).Visible());
    EXPECT_EQ(boxes.count(), 0);
}

}  // namespace
}  // namespace dravik::test
