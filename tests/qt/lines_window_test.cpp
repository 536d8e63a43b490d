// The pro lines window through the Qt backend, on the sample league: the
// day bar's up arrow shows the next day, and a player picked in the list
// and a slot label clicked write the slot and its caption.

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QScrollBar>

#include "lines/frm_line.h"
#include "support/qt_client.h"

namespace dravik::test {
namespace {

TEST(QtLinesWindow, TheUpArrowShowsDayTwoAndASlotClickTakesThePickedPlayer) {
    QtClient client;
    client.start();
    ProgramState& state = client.app.state();
    frmLine* lines = client.open<frmLine>(menu::SetLines, 1);  // no password in the sample
    ASSERT_NE(lines, nullptr);
    QWidget* window = client.backend.window(*lines);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    ASSERT_GE(lines->vscDay.Max(), 2);

    auto* bar = qobject_cast<QScrollBar*>(client.backend.widget(lines->vscDay));
    ASSERT_NE(bar, nullptr);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the up arrow
    settle();
    EXPECT_EQ(lines->CurrentDay, 2);
    auto* game = qobject_cast<QLabel*>(client.backend.widget(lines->lblGame));
    ASSERT_NE(game, nullptr);
    EXPECT_TRUE(game->text().startsWith("Lines 2 - For Game ")) << game->text().toStdString();

    // The first skater of the list, by the mouse.
    auto* list = qobject_cast<QListWidget*>(client.backend.widget(lines->lstPlayer));
    ASSERT_NE(list, nullptr);
    int row = -1;
    for (int i = 0; i < lines->lstPlayer.ListCount() && row < 0; ++i)
        if (lines->lstPlayer.ItemData(i) % 10 != 5) row = i;
    ASSERT_GE(row, 0);
    QListWidgetItem* item = list->item(row);
    mouseClick(list->viewport(), list->visualItemRect(item).center());
    settle();
    const int16_t number = static_cast<int16_t>(lines->lstPlayer.ItemData(row) / 10);
    EXPECT_EQ(state.CurrentPlayerIndex, number);

    QWidget* slot = client.backend.widget(lines->slotLabel(lbl::NormalTrioC, 1));
    ASSERT_NE(slot, nullptr);
    ASSERT_TRUE(slot->isVisible());
    mouseClick(slot);
    settle();
    EXPECT_EQ(client.app.league().Teams[1].ProLines[1].Slots[0], number);
    EXPECT_EQ(qobject_cast<QLabel*>(slot)->text(), item->text());
    // The model keeps the league's Windows-1252 bytes; only Qt converts them.
    EXPECT_EQ(lines->slotLabel(lbl::NormalTrioC, 1).Caption(), lines->lstPlayer.List(row));
}

}  // namespace
}  // namespace dravik::test
