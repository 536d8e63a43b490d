#pragma once
// A small window with one control of each kind the tests touch, laid out in
// twips like the program's windows; every handler writes its name to a log.
// Its text box refuses "bad" when it loses the focus, with a message box,
// and takes the focus back under a guard, as the program's windows do.

#include <string>
#include <vector>

#include "forms/forms.h"

namespace dravik::test {

class frmProbe : public Form {
public:
    frmProbe(FormManager& forms, std::vector<std::string>& log) : Form(forms, "frmProbe"), log_(log) {
        setCaption("Probe");
        Move(0, 0, 5640, 4500);
        cmdGo.setCaption("&Go");
        cmdGo.Move(120, 120, 1215, 375);
        txtA.Move(120, 600, 1800, 285);
        txtB.Move(120, 960, 1800, 285);
        lstTeams.setSorted(true);
        for (const char* t : {"Ravens", "gales", "Lynx"}) lstTeams.AddItem(t);
        lstTeams.Move(120, 1320, 2460, 1620);
        lblInfo.setCaption("Info");
        lblInfo.Move(2800, 120, 2000, 255);
        chkFlag.setCaption("Flag && more");
        chkFlag.Move(2800, 500, 2000, 255);
        vscDay.setMin(1);
        vscDay.setMax(10);
        vscDay.setValue(1);
        vscDay.Move(2800, 900, 255, 1500);
        lstFar.Move(5565, 1320, 2460, 1620);

        txtA.LostFocus = [this] {
            log_.push_back("txtA_LostFocus");
            if (guard_ || txtA.Text() != "bad") return;
            this->forms().dialogs().messageBox("No Valid Input!", mb::OKOnly | mb::Exclamation, "Product");
            guard_ = true;
            txtA.SetFocus();
            guard_ = false;
        };
        cmdGo.Click = [this] { log_.push_back("cmdGo_Click"); };
        lstTeams.Click = [this] { log_.push_back("lstTeams_Click " + std::to_string(lstTeams.ListIndex())); };
        lstTeams.DblClick = [this] { log_.push_back("lstTeams_DblClick"); };
        lblInfo.Click = [this] { log_.push_back("lblInfo_Click"); };
        chkFlag.Click = [this] { log_.push_back("chkFlag_Click " + std::to_string(chkFlag.Value())); };
        vscDay.Change = [this] { log_.push_back("vscDay_Change " + std::to_string(vscDay.Value())); };
        mnuDo.Click = [this] { log_.push_back("mnuDo_Click"); };
        mnuView.Click = [this] { log_.push_back("mnuView_Click"); };
        mnuTeam.setEnabled(false);
    }

    CommandButton cmdGo{this, "cmdGo"};
    TextBox txtA{this, "txtA"};
    TextBox txtB{this, "txtB"};
    ListBox lstTeams{this, "lstTeams"};
    Label lblInfo{this, "lblInfo"};
    CheckBox chkFlag{this, "chkFlag"};
    VScrollBar vscDay{this, "vscDay"};
    ListBox lstFar{this, "lstFar"};
    MenuItem mnuFile{this, "mnuFile", "&File"};
    MenuItem mnuDo{mnuFile, "mnuDo", "&Do", 'D'};
    MenuItem mnuTeam{this, "mnuTeam", "&Team"};
    MenuItem mnuView{mnuTeam, "mnuView", "&View", 'T'};

private:
    std::vector<std::string>& log_;
    bool guard_ = false;
};

}  // namespace dravik::test
