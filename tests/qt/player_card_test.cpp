// The player card through the Qt backend, offscreen: opened over the main
// window on the sample league, it draws the record read-only, the league's
// Windows-1252 texts as the user reads them, and its Exit button hands back.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "market/frm_edit_player.h"
#include "support/qt_client.h"
#include "support/qt_test.h"

namespace dravik::test {
namespace {

TEST(QtPlayerCard, OpensReadOnlyOverTheMainWindowAndExitHandsBack) {
    QtClient client;
    frmMain& main = client.start();
    LeagueData& league = client.app.league();
    int16_t number = 0;
    for (int n = 1; n <= 10000 && number == 0; ++n)
        if (league.Players[n].InUse == True && league.Players[n].Team != 0) number = static_cast<int16_t>(n);
    ASSERT_NE(number, 0);
    PlayerInfo& p = league.Players[number];
    p.Name = "J\xF6rgen S\xE6ther";  // Windows-1252
    p.Position = 4;
    p.Rookie = True;
    p.Salary = 2750000;

    ProgramState& state = client.app.state();
    state.CurrentPlayerIndex = number;
    state.ShowGoalie = False;
    state.CallerCode = 3;  // the free agents are not open: the main window stands in
    client.app.forms().run(main, "lstPlayers", "DblClick", [&] { client.app.openers().playerCard(main); });
    settle();

    frmEditPlayer* card = client.app.forms().get<frmEditPlayer>();
    ASSERT_NE(card, nullptr);
    QWidget* window = client.backend.window(*card);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(client.backend.window(main)->isVisible());
    EXPECT_EQ(window->windowTitle().toStdString(), state.WindowTitlePrefix + " - Show Player");

    auto* name = qobject_cast<QLineEdit*>(client.backend.widget(card->txtName));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), QString::fromUtf8("J\u00F6rgen S\u00E6ther"));
    EXPECT_FALSE(name->isEnabled());
    EXPECT_EQ(qobject_cast<QLineEdit*>(client.backend.widget(card->txtSalary))->text(), "2750000");
    EXPECT_EQ(qobject_cast<QLineEdit*>(client.backend.widget(card->txtTeam))->text(),
              QString::fromStdString(league.Teams[p.Team].Name.trimmed()));

    auto* defense = qobject_cast<QRadioButton*>(client.backend.widget(card->optPosition(4)));
    ASSERT_NE(defense, nullptr);
    EXPECT_TRUE(defense->isChecked());
    EXPECT_TRUE(defense->isVisible());
    EXPECT_FALSE(defense->isEnabled());
    EXPECT_FALSE(client.backend.widget(card->optGoaler)->isVisible());
    auto* rookie = qobject_cast<QCheckBox*>(client.backend.widget(card->chkRookie));
    ASSERT_NE(rookie, nullptr);
    EXPECT_TRUE(rookie->isChecked());
    EXPECT_FALSE(rookie->isEnabled());
    for (const Control* hidden : std::initializer_list<const Control*>{
             &card->chkEdit, &card->cmdSearch, &card->cmdNewPlayer, &card->cmdNewGoaler, &card->cmdErase})
        EXPECT_FALSE(client.backend.widget(*hidden)->isVisible()) << hidden->Name();

    // The sample league shows every rating and the overall: 15 and "OV".
    auto* ovCaption = qobject_cast<QLabel*>(client.backend.widget(card->lblStatLabel(16)));
    ASSERT_NE(ovCaption, nullptr);
    EXPECT_TRUE(ovCaption->isVisible());
    EXPECT_EQ(ovCaption->text(), "OV");
    EXPECT_EQ(qobject_cast<QLabel*>(client.backend.widget(card->lblStatLabel(1)))->text(), "CK");
    EXPECT_EQ(qobject_cast<QLineEdit*>(client.backend.widget(card->txtStats(1)))->text(),
              QString::number(p.Ratings[0]));

    // A click on a disabled input does nothing; Exit closes the card.
    mouseClick(client.backend.widget(card->chkRookie));
    EXPECT_EQ(card->chkRookie.Value(), 1);
    mouseClick(client.backend.widget(card->cmdExit));
    settle();
    EXPECT_FALSE(client.app.forms().isLoaded<frmEditPlayer>());
    EXPECT_TRUE(client.backend.window(main)->isVisible());
    EXPECT_EQ(p.Rookie, True);
}

}  // namespace
}  // namespace dravik::test
