#pragma once
// The tickets and arena window: the current team's arena with the seats of
// its five levels, and the ticket price of each level, which the manager may
// change unless the league locks the prices.

#include <functional>  // before control_array.h, which uses it

#include "forms/control_array.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace dravik {

class ClientApp;
struct Env;

class frmTicket : public Form {
public:
    frmTicket(FormManager& forms, ClientApp& app);

    Label lblArena{this, "lblArena"};  // "Arena Name:"
    TextBox txtArena{this, "txtArena"};
    Label lblCapacityHeading{this, "lblCapacityHeading"};  // "Level Capacity"
    Label lblPriceHeading{this, "lblPriceHeading"};        // "Level Ticket Price"
    ControlArray<Label> lblLevel{this, "lblLevel", {1, 2, 3, 4, 5}};
    ControlArray<TextBox> txtArenaCapacity{this, "txtArenaCapacity", {1, 2, 3, 4, 5}};
    ControlArray<TextBox> txtTicket{this, "txtTicket", {1, 2, 3, 4, 5}};
    Label lblTotal{this, "lblTotal"};  // "Total Capacity :"
    Label lblArenaCapacityTotal{this, "lblArenaCapacityTotal"};
    CommandButton cmdExit{this, "cmdExit"};

private:
    void Form_Load() override;
    void Form_Unload() override;
    void txtTicket_LostFocus(int index);

    ClientApp& app_;
    Env& env_;
};

}  // namespace dravik
