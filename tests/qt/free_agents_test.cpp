// The free-agent offers window through the Qt backend, offscreen, on the
// league writer's off-season sample with free agents of other teams and a
// young one: a manager records two offers, is refused the young
// player, reads a card and comes back to his offers, and writes the offers
// file, which is decoded here.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include "league/files.h"
#include "leaguewriter/writer.h"
#include "platform/codepage.h"
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

TEST(QtFreeAgents, AManagerMakesTwoOffersReadsACardAndWritesTheFile) {
    QtClient client;
    {
        auto offSeason = std::make_unique<LeagueData>();
        leaguewriter::BuildOffSeasonSampleLeague(*offSeason);
        leaguewriter::WriteLeagueFile(*offSeason, client.league);
    }
    client.start();
    LeagueData& league = client.app.league();
    ProgramState& state = client.app.state();
    const int16_t team = 1;
    ASSERT_EQ(league.League.OffSeason, True);

    // The writer's out-of-contract skaters of other teams, the last one young.
    std::vector<int16_t> agents;
    std::vector<QString> texts;
    for (int16_t other : leaguewriter::OffSeasonAgentTeams) {
        for (int n = 1; n <= 10000; ++n) {
            const PlayerInfo& p = league.Players[n];
            if (p.InUse != True || p.Team != other) continue;
            EXPECT_EQ(p.ContractYears, 0);
            agents.push_back(static_cast<int16_t>(n));
            const bool rfa = p.Age < league.League.RFAAge;
            texts.push_back(fromCp1252(p.Name.trimmed() + " (" + state.PositionNames[p.Position] +
                                       (rfa ? ")-RFA" : ")")));
            break;
        }
    }
    ASSERT_EQ(agents.size(), 3u);
    const PlayerInfo& young = league.Players[agents[2]];
    ASSERT_LT(young.Age, league.League.YoungPlayerAge);

    std::vector<QString> boxes;
    DialogAnswerer answerer([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        boxes.push_back(box->text());
        mouseClick(box->button(QMessageBox::Ok));
    });

    frmFreeAgentClient* w = client.open<frmFreeAgentClient>(menu::FreeAgents, team);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(client.backend.window(*w)->isVisible());
    EXPECT_EQ(w->lblMaxOffer.Caption(), "You can make 10 offers in total.");
    auto* list = qobject_cast<QListWidget*>(client.backend.widget(w->lstPlayers));
    ASSERT_NE(list, nullptr);
    std::vector<QListWidgetItem*> rows;
    for (const QString& text : texts) {
        const auto found = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        rows.push_back(found[0]);
    }
    boxes.clear();  // the first entry may be anyone

    auto rowCentre = [&](QListWidgetItem* row) {
        list->scrollToItem(row);
        settle();
        return list->visualItemRect(row).center();
    };
    auto clickRow = [&](int k) {
        mouseClick(list->viewport(), rowCentre(rows[k]));
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
    EXPECT_EQ(boxes[0], fromCp1252(young.Name.trimmed() + " is not allowed to sign with another team that " +
                                   league.Teams[young.Team].Name.trimmed() + "."));
    EXPECT_FALSE(client.backend.widget(w->txtOffer)->isEnabled());

    // The card of the first one, and back.
    mouseDoubleClick(list->viewport(), rowCentre(rows[0]));
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
    const PlayerInfo& first = league.Players[agents[0]];
    const PlayerInfo& second = league.Players[agents[1]];
    EXPECT_EQ(boxes[0], fromCp1252(first.Name.trimmed() + " was offer $750,000 for 2 year(s) with $0 in bonus.\n" +
                                   second.Name.trimmed() +
                                   " was offer $1,200,000 for 3 year(s) with $50,000 in bonus.\n"
                                   "Client league file save for " +
                                   league.Teams[team].Name.trimmed() + " succesfully at ") +
                            QString::fromStdString(target) + "\n");
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
