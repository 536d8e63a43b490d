#include "team/frm_ticket.h"

#include <string>

#include "forms/form_manager.h"
#include "forms/metrics.h"
#include "league/env.h"
#include "league/password.h"
#include "main/client_app.h"
#include "main/frm_main.h"
#include "main/hand_over.h"

namespace dravik {

namespace {

using metrics::BoxHeight, metrics::ButtonHeight, metrics::LabelDrop, metrics::LabelHeight,
    metrics::WideMargin;

constexpr int RowTop = 1080, RowStep = 420;
constexpr int CaptionLeft = WideMargin, CaptionWidth = 1440;
constexpr int CapacityLeft = 1800, PriceLeft = 3840, BoxWidth = 1680;

}  // namespace

frmTicket::frmTicket(FormManager& forms, ClientApp& app)
    : Form(forms, "frmTicket"), app_(app), env_(app.env()) {
    Move(0, 0, 5880, 4740);
    setCaption("Ticket & Arena");

    lblArena.setCaption("Arena Name:");
    lblArena.Move(CaptionLeft, WideMargin + LabelDrop, 1200, LabelHeight);
    txtArena.Move(1500, WideMargin, 4020, BoxHeight);
    txtArena.setEnabled(false);
    lblCapacityHeading.setCaption("Level Capacity");
    lblCapacityHeading.Move(CapacityLeft, 780, BoxWidth, LabelHeight);
    lblPriceHeading.setCaption("Level Ticket Price");
    lblPriceHeading.Move(PriceLeft, 780, BoxWidth, LabelHeight);

    const char* levels[] = {"Level 1 :", "Level 2 :", "Level 3 :", "Level 4 :", "Luxury Box :"};
    for (int level = 1; level <= 5; ++level) {
        const int top = RowTop + (level - 1) * RowStep;
        lblLevel(level).setCaption(levels[level - 1]);
        lblLevel(level).Move(CaptionLeft, top + LabelDrop, CaptionWidth, LabelHeight);
        txtArenaCapacity(level).Move(CapacityLeft, top, BoxWidth, BoxHeight);
        txtArenaCapacity(level).setEnabled(false);
        txtTicket(level).Move(PriceLeft, top, BoxWidth, BoxHeight);
    }
    const int totalTop = RowTop + 5 * RowStep;
    lblTotal.setCaption("Total Capacity :");
    lblTotal.Move(CaptionLeft, totalTop + LabelDrop, CaptionWidth, LabelHeight);
    lblArenaCapacityTotal.setCaption("0");
    lblArenaCapacityTotal.Move(CapacityLeft, totalTop + LabelDrop, BoxWidth, LabelHeight);

    cmdExit.setCaption("Exit");
    cmdExit.Move(2273, totalTop + 540, 1335, ButtonHeight);

    cmdExit.Click = [this] { Unload(); };
    txtTicket.LostFocus = [this](int index) { txtTicket_LostFocus(index); };
}

void frmTicket::Form_Load() {
    try {
        // Locked prices are locked before anything can go wrong below: a
        // load that stops early must not leave a price box open.
        const bool locked = env_.league.League.TicketPricesLocked == True;
        if (locked)
            for (int level = 1; level <= 5; ++level) txtTicket(level).setEnabled(false);
        CentreOnScreen();
        if (!GuardCurrentTeam(env_, *this, OnBadTeam::Close)) return;
        const TeamInfo& t = env_.league.Teams[env_.state.CurrentTeam];
        setCaption(env_.state.WindowTitlePrefix + " - " + t.Name.trimmed() + " - Ticket & Arena");
        int32_t total = 0;
        for (int level = 1; level <= 5; ++level) {
            txtArena.setText(t.ArenaName.trimmed());
            const int32_t capacity = t.ArenaCapacity[static_cast<std::size_t>(level - 1)];
            txtArenaCapacity(level).setText(std::to_string(capacity));
            txtTicket(level).setText(std::to_string(t.TicketPrice[static_cast<std::size_t>(level - 1)]));
            total = add32(total, capacity);
        }
        lblArenaCapacityTotal.setCaption(std::to_string(total));
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in FormLoad FrmTicket!");
    }
}

void frmTicket::txtTicket_LostFocus(int index) {
    if (env_.state.EditGuard == True) return;
    TextBox& box = txtTicket(index);
    if (CheckInput(env_, box.Text(), 0, True, False) != True) {
        env_.state.EditGuard = True;
        box.SetFocus();
        env_.state.EditGuard = False;
        return;
    }
    const int32_t typed = LeadingNumber(box.Text());
    if (typed > 999) box.setText("999");
    if (LeadingNumber(box.Text()) < 1) box.setText("1");
    TeamInfo& t = env_.league.Teams[env_.state.CurrentTeam];
    t.TicketPrice[static_cast<std::size_t>(index - 1)] = static_cast<int16_t>(LeadingNumber(box.Text()));
    env_.state.DataChanged = True;
}

void frmTicket::Form_Unload() {
    Hide();
    // The tickets window always returns to the team sheet; the main window
    // stands in should the sheet be gone.
    Form* back = FindLoadedWindow(forms(), "frmTeam");
    if (!back) back = app_.mainWindow();
    if (back) back->Show();
}

}  // namespace dravik
