// The free-agent offers window through the Qt backend, offscreen, on the
// sample league turned to the off-season with free agents of other teams
// and a young one: a manager records two offers, is refused the young
// player, reads a card and comes back to his offers, and writes the offers
// file, which is decoded here.

#include <gtest/gtest.h>
#include <zlib.h>

#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include "league/files.h"
#include "market/frm_edit_player.h"
#include "support/qt_client.h"
#include "support/qt_test.h"

namespace dravik::test {
namespace {

int32_t numberAt(const std::string& bytes, std::size_t at, int width) {
    uint32_t n = 0;
    for (int i = width - 1; i >= 0; --i) n = (n << 8) | static_cast<uint8_t>(bytes[at + i]);
    return width == 2 ? static_cast<int16_t>(n) : static_cast<int32_t>(n);
}

std::string Unpack(const std::string& container) {
    if (container.size() < 4) return {};
    uint32_t n = 0;
    for (int i = 3; i >= 0; --i) n = (n << 8) | static_cast<uint8_t>(container[i]);
    std::string out(n, '\0');
    uLongf got = n;
    if (uncompress(reinterpret_cast<Bytef*>(out.data()), &got,
                   reinterpret_cast<const Bytef*>(container.data() + 4),
                   static_cast<uLong>(container.size() - 4)) != Z_OK ||
        got != n)
        return {};
    return out;
}

TEST(QtFreeAgents, AManagerMakesTwoOffersReadsACardAndWritesTheFile) {
    QtClient client;
    frmMain& main = client.start();
    LeagueData& league = client.app.league();
    ProgramState& state = client.app.state();
    const int16_t team = 1;
    ASSERT_EQ(league.Teams[team].InUse, True);

    // Three skaters of other teams out of contract; the last one young.
    league.League.OffSeason = True;
    league.League.MaxOffers = 10;
    std::vector<int16_t> agents;
    for (int n = 1; n <= 10000 && agents.size() < 3; ++n) {
        const PlayerInfo& p = league.Players[n];
        if (p.InUse == True && p.Team != 0 && p.Team != team) agents.push_back(static_cast<int16_t>(n));
    }
    ASSERT_EQ(agents.size(), 3u);
    const char* names[] = {"Aaberg Arne", "Aaberg Bror", "Aaberg Carl"};
    for (int k = 0; k < 3; ++k) {
        PlayerInfo& p = league.Players[agents[k]];
        p.Name = names[k];
        p.ContractYears = 0;
        p.Position = pos::C;
        p.Age = static_cast<uint8_t>(k < 2 ? league.League.RFAAge + 4 : league.League.YoungPlayerAge - 1);
    }
    const std::string youngTeam = league.Teams[league.Players[agents[2]].Team].Name.trimmed();

    std::vector<std::string> boxes;
    DialogAnswerer answerer([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        boxes.push_back(box->text().toStdString());
        mouseClick(box->button(QMessageBox::Ok));
    });

    state.CurrentTeam = team;
    client.app.forms().run(main, "mnuFreeAgents", "Click", [&] { client.app.openers().freeAgents(main); });
    settle();
    frmFreeAgentClient* w = client.app.forms().get<frmFreeAgentClient>();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(client.backend.window(*w)->isVisible());
    auto* list = qobject_cast<QListWidget*>(client.backend.widget(w->lstPlayers));
    ASSERT_NE(list, nullptr);
    ASSERT_GE(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "Aaberg Arne (C)");
    EXPECT_EQ(list->item(1)->text(), "Aaberg Bror (C)");
    EXPECT_EQ(list->item(2)->text(), "Aaberg Carl (C)-RFA");

    auto clickRow = [&](int row) {
        mouseClick(list->viewport(), list->visualItemRect(list->item(row)).center());
        settle();
    };
    auto type = [&](TextBox& box, const char* text) {
        QWidget* widget = client.backend.widget(box);
        mouseClick(widget);
        qobject_cast<QLineEdit*>(widget)->selectAll();
        keyClicks(widget, text);
        keyClick(widget, Qt::Key_Tab);
        settle();
    };
    clickRow(0);
    type(w->txtOffer, "750000");
    type(w->txtDuration, "2");
    clickRow(1);
    type(w->txtOffer, "1200000");
    type(w->txtDuration, "3");
    type(w->txtBonus, "50000");
    EXPECT_TRUE(boxes.empty());

    clickRow(2);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Aaberg Carl is not allowed to sign with another team that " + youngTeam + ".");
    EXPECT_FALSE(client.backend.widget(w->txtOffer)->isEnabled());

    // The card of the first one, and back.
    mouseDoubleClick(list->viewport(), list->visualItemRect(list->item(0)).center());
    settle();
    frmEditPlayer* card = client.app.forms().get<frmEditPlayer>();
    ASSERT_NE(card, nullptr);
    EXPECT_TRUE(client.backend.window(*card)->isVisible());
    EXPECT_FALSE(client.backend.window(*w)->isVisible());
    mouseClick(client.backend.widget(card->cmdExit));
    settle();
    EXPECT_FALSE(client.app.forms().isLoaded<frmEditPlayer>());
    EXPECT_TRUE(client.backend.window(*w)->isVisible());
    clickRow(1);
    EXPECT_EQ(qobject_cast<QLineEdit*>(client.backend.widget(w->txtOffer))->text(), "1200000");
    EXPECT_EQ(qobject_cast<QLineEdit*>(client.backend.widget(w->txtBonus))->text(), "50000");

    boxes.clear();
    mouseClick(client.backend.widget(w->cmdSaveToFile));
    settle();
    const std::string target = client.folder.file(StripBlanks(league.Teams[team].Name.raw()) + ".zfa");
    ASSERT_EQ(boxes.size(), 1u);
    // The box breaks its lines where the summary has CR LF, and at the CR
    // left where the last line feed was taken off.
    EXPECT_EQ(boxes[0], "Aaberg Arne was offer $750,000 for 2 year(s) with $0 in bonus.\n"
                        "Aaberg Bror was offer $1,200,000 for 3 year(s) with $50,000 in bonus.\n"
                        "Client league file save for " +
                            league.Teams[team].Name.trimmed() + " succesfully at " + target + "\n");

    const std::string image = Unpack(readFile(target));
    ASSERT_EQ(image.size(), 5u * 1014);
    EXPECT_EQ(image.substr(2, 40), "ZELT Free Agents Files Version 1 - Start");
    EXPECT_EQ(image.substr(1014, 5), league.League.LeagueKey.raw());
    // Player +0, Team +2, Salary +4, Duration +8, Bonus +10, from record 4 on.
    const struct {
        std::size_t at;
        int32_t player, salary, duration, bonus;
    } offers[] = {{3042, agents[0], 750000, 2, 0}, {4056, agents[1], 1200000, 3, 50000}};
    for (const auto& o : offers) {
        EXPECT_EQ(numberAt(image, o.at, 2), o.player);
        EXPECT_EQ(numberAt(image, o.at + 2, 2), team);
        EXPECT_EQ(numberAt(image, o.at + 4, 4), o.salary);
        EXPECT_EQ(numberAt(image, o.at + 8, 2), o.duration);
        EXPECT_EQ(numberAt(image, o.at + 10, 4), o.bonus);
    }
}

}  // namespace
}  // namespace dravik::test
