// The tickets and arena window: what it shows, the locked prices, the price
// check and its clamps, and the way back to the team sheet.

#include "team/frm_ticket.h"

#include <gtest/gtest.h>

#include "support/team_client.h"

namespace dravik::test {
namespace {

using Lines = std::vector<std::string>;

struct TicketClient : TeamClient {
    frmTeam* sheet = nullptr;
    frmTicket* tickets = nullptr;
    explicit TicketClient(const std::function<void(LeagueData&)>& change = {}) : TeamClient(change) {
        sheet = openSheet();
        EXPECT_TRUE(click(sheet->cmdTicketArena));
        tickets = window<frmTicket>();
        EXPECT_NE(tickets, nullptr);
        dialogs.clear();
    }
    int16_t price(int level) { return team().TicketPrice[static_cast<std::size_t>(level - 1)]; }
};

TEST(Tickets, ShowsTheArenaItsSeatsAndPrices) {
    TicketClient c([](LeagueData& l) {
        l.Teams[Team].ArenaCapacity = {5000, 4000, 3000, 2000, 100};
        l.Teams[Team].TicketPrice = {25, 40, 65, 120, 450};
    });
    frmTicket& t = *c.tickets;
    EXPECT_EQ(t.Caption(), "Dravik Hockey Simulator Client - Halden.zcl - Halden Ravens - Ticket & Arena");
    EXPECT_EQ(t.txtArena.Text(), "Ravnehallen");
    EXPECT_FALSE(t.txtArena.Enabled());
    const char* capacities[] = {"5000", "4000", "3000", "2000", "100"};
    const char* prices[] = {"25", "40", "65", "120", "450"};
    const char* captions[] = {"Level 1 :", "Level 2 :", "Level 3 :", "Level 4 :", "Luxury Box :"};
    for (int level = 1; level <= 5; ++level) {
        SCOPED_TRACE(level);
        EXPECT_EQ(t.txtArenaCapacity(level).Text(), capacities[level - 1]);
        EXPECT_FALSE(t.txtArenaCapacity(level).Enabled());
        EXPECT_EQ(t.txtTicket(level).Text(), prices[level - 1]);
        EXPECT_TRUE(t.txtTicket(level).Enabled());
        EXPECT_EQ(t.lblLevel(level).Caption(), captions[level - 1]);
    }
    EXPECT_EQ(t.lblArenaCapacityTotal.Caption(), "14100");
    EXPECT_EQ(t.lblArena.Caption(), "Arena Name:");
    EXPECT_EQ(t.lblCapacityHeading.Caption(), "Level Capacity");
    EXPECT_EQ(t.lblPriceHeading.Caption(), "Level Ticket Price");
    EXPECT_EQ(t.lblTotal.Caption(), "Total Capacity :");
    EXPECT_EQ(t.cmdExit.Caption(), "Exit");
    EXPECT_TRUE(t.Visible());
    EXPECT_FALSE(c.sheet->Visible());
    EXPECT_TRUE(t.txtTicket(1).hasFocus());
}

TEST(Tickets, LockedPricesCannotBeEdited) {
    const std::pair<Flag, bool> cases[] = {{True, false}, {False, true}, {1, true}};
    for (const auto& [locked, editable] : cases) {
        SCOPED_TRACE(locked);
        TicketClient c([locked](LeagueData& l) { l.League.TicketPricesLocked = locked; });
        for (int level = 1; level <= 5; ++level) EXPECT_EQ(c.tickets->txtTicket(level).Enabled(), editable);
        EXPECT_EQ(c.user.typeText(c.tickets->txtTicket(3), "77"), editable);
        ASSERT_TRUE(c.click(c.tickets->cmdExit));
        EXPECT_EQ(c.price(3), editable ? 77 : 60);
    }
}

TEST(Tickets, APriceIsClampedTo1Through999) {
    struct Case {
        const char* typed;
        int16_t stored;
        const char* shown;
    };
    const Case cases[] = {
        {"250", 250, "250"},
        {"0", 1, "1"},
        {"-5", 1, "1"},
        {"1", 1, "1"},
        {"999", 999, "999"},
        {"1000", 999, "999"},
        {"1500", 999, "999"},
        {"40000", 999, "999"},
        {"123456789012345678901234567890", 999, "999"},
        {"-99999999999999999999", 1, "1"},
        {"12-", 12, "12-"},  // the number the text starts with
        {"1-2", 1, "1-2"},
        {"007", 7, "007"},
        {"--5", 1, "1"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.typed);
        TicketClient c;
        ASSERT_TRUE(c.user.typeText(c.tickets->txtTicket(2), k.typed));
        c.state().DataChanged = False;
        ASSERT_TRUE(c.user.focus(c.tickets->txtTicket(4)));
        EXPECT_EQ(c.price(2), k.stored);
        EXPECT_EQ(c.tickets->txtTicket(2).Text(), k.shown);
        EXPECT_EQ(c.state().DataChanged, True);
        EXPECT_TRUE(c.dialogs.shown().empty());
    }
}

TEST(Tickets, ARefusedPriceKeepsTheFocusAndThePrice) {
    struct Case {
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {"", "No Valid Input!"},
        {"-", "No Valid Input!"},
        {"a1", "No Valid Input!"},
        {"1.5", "Only numbers are allowed in that textbox!"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.typed);
        TicketClient c;
        ASSERT_TRUE(c.user.typeText(c.tickets->txtTicket(5), k.typed));
        c.state().DataChanged = False;
        EXPECT_FALSE(c.click(c.tickets->cmdExit));  // the click does not happen
        EXPECT_EQ(c.dialogs.messages(), Lines{k.message});
        EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Exclamation);
        EXPECT_TRUE(c.tickets->txtTicket(5).hasFocus());
        EXPECT_EQ(c.price(5), 400);
        EXPECT_EQ(c.state().DataChanged, False);
        EXPECT_EQ(c.state().EditGuard, False);
        // Nor does the close box close the window while the value stands.
        c.dialogs.clear();
        EXPECT_FALSE(c.user.closeWindow(*c.tickets));
        EXPECT_EQ(c.window<frmTicket>(), c.tickets);
        EXPECT_EQ(c.dialogs.messages(), Lines{k.message});
        // A valid value lets it go.
        ASSERT_TRUE(c.user.typeText(c.tickets->txtTicket(5), "350"));
        ASSERT_TRUE(c.user.closeWindow(*c.tickets));
        EXPECT_EQ(c.price(5), 350);
        EXPECT_TRUE(c.sheet->Visible());
    }
}

TEST(Tickets, ClosingShowsTheTeamSheetAndKeepsATypedPrice) {
    for (bool byCloseBox : {false, true}) {
        SCOPED_TRACE(byCloseBox);
        TicketClient c;
        ASSERT_TRUE(c.user.typeText(c.tickets->txtTicket(1), "31"));
        if (byCloseBox)
            ASSERT_TRUE(c.user.closeWindow(*c.tickets));
        else
            ASSERT_TRUE(c.click(c.tickets->cmdExit));
        EXPECT_EQ(c.price(1), 31);
        EXPECT_EQ(c.window<frmTicket>(), nullptr);
        EXPECT_TRUE(c.sheet->Visible());
        EXPECT_EQ(c.app.forms().activeForm(), c.sheet);
    }
}

TEST(Tickets, WithoutAValidTeamTheSheetStays) {
    TeamClient c;
    frmTeam* sheet = c.openSheet();
    ASSERT_TRUE(c.user.focus(sheet->cmdTicketArena));  // the e-mail box has stored its text
    c.state().CurrentTeam = 101;
    ASSERT_TRUE(c.click(sheet->cmdTicketArena));
    EXPECT_EQ(c.window<frmTicket>(), nullptr);
    EXPECT_EQ(c.dialogs.messages(), Lines{"Integrity Check Failed!"});
    EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Critical);
    EXPECT_TRUE(sheet->Visible());
}

// Capacities whose total overflows stop the load: the window stays open as
// far as it was filled, and locked prices stay locked in every box, those
// the load never reached included.
TEST(Tickets, ALoadErrorLeavesTheWindowOpenAsFarAsFilled) {
    struct Case {
        const char* name;
        Flag locked;
        std::array<int32_t, 5> capacities;
        int lastFilled;  // the level whose capacity overflows the total
    };
    const Case cases[] = {
        {"open prices, overflow at level 2", False, {2000000000, 2000000000, 1, 1, 1}, 2},
        {"locked prices, overflow at level 2", True, {2000000000, 2000000000, 1, 1, 1}, 2},
        {"locked prices, overflow at the luxury boxes", True, {2000000000, 1, 1, 1, 2000000000}, 5},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TeamClient c([&k](LeagueData& l) {
            l.League.TicketPricesLocked = k.locked;
            l.Teams[Team].ArenaCapacity = k.capacities;
        });
        frmTeam* sheet = c.openSheet();
        ASSERT_TRUE(c.click(sheet->cmdTicketArena));
        frmTicket* t = c.window<frmTicket>();
        ASSERT_NE(t, nullptr);
        EXPECT_TRUE(t->Visible());
        EXPECT_EQ(c.dialogs.messages(), Lines{"6 - Overflow in FormLoad FrmTicket!"});
        EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Critical);
        EXPECT_EQ(c.dialogs.shown()[0].title, ProductName);
        for (int level = 1; level <= 5; ++level) {
            SCOPED_TRACE(level);
            const bool filled = level <= k.lastFilled;
            EXPECT_EQ(t->txtArenaCapacity(level).Text(),
                      filled ? std::to_string(k.capacities[static_cast<std::size_t>(level - 1)]) : "");
            EXPECT_EQ(t->txtTicket(level).Text().empty(), !filled);
            EXPECT_EQ(t->txtTicket(level).Enabled(), k.locked != True);
        }
        EXPECT_EQ(t->lblArenaCapacityTotal.Caption(), "0");
        // Nor can a locked price be typed into a box the load did not reach.
        c.dialogs.clear();
        EXPECT_EQ(c.user.typeText(t->txtTicket(5), "77"), k.locked != True);
        ASSERT_TRUE(c.click(t->cmdExit));
        EXPECT_EQ(c.team().TicketPrice[4], k.locked == True ? 400 : 77);
    }
}

}  // namespace
}  // namespace dravik::test
