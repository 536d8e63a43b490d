#pragma once
// Small example windows for the forms layer's tests: every handler writes
// its name to a log, and a test can add behaviour to any handler.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "forms/forms.h"

namespace dravik::test {

struct Log {
    std::vector<std::string> lines;
    void add(std::string line) { lines.push_back(std::move(line)); }
    void clear() { lines.clear(); }
};

// Behaviour added to handlers by name ("cmdGo_Click"), run after the log line.
using Extras = std::map<std::string, std::function<void()>>;

// A window with one control of each kind. Its text boxes check their value
// when they lose the focus and refuse "bad" with a message, returning the
// focus to the box under a guard, as the program's windows do.
class frmSheet : public Form {
public:
    frmSheet(FormManager& forms, Log& log, std::string name = "frmSheet")
        : Form(forms, std::move(name)), log_(log) {
        setCaption("Sheet");
        lblInfo.setCaption("Info");
        cmdGo.setCaption("&Go");
        cmdExit.setCaption("E&xit");
        chkFlag.setCaption("Flag");
        lstItems.setSorted(true);
        for (const char* t : {"Delta", "alpha", "Charlie"}) lstItems.AddItem(t);
        hscValue.setMax(5);
        tabPages.addTab("Normal");
        tabPages.addTab("Strategy");
        txtOnPage.setContainer(tabPages, 1);
        fraBox.setCaption("Box");
        cmdInFrame.setContainer(fraBox);
        optA.setContainer(fraBox);
        optB.setContainer(fraBox);

        txtA.LostFocus = [this] { check(txtA); };
        txtB.LostFocus = [this] { check(txtB); };
        txtOnPage.LostFocus = [this] { check(txtOnPage); };
        cmdGo.Click = handler("cmdGo_Click");
        cmdExit.Click = [this] {
            handler("cmdExit_Click")();
            Unload();
        };
        cmdInFrame.Click = handler("cmdInFrame_Click");
        lstItems.Click = handler("lstItems_Click");
        lstItems.DblClick = handler("lstItems_DblClick");
        chkFlag.Click = handler("chkFlag_Click");
        optA.Click = handler("optA_Click");
        optB.Click = handler("optB_Click");
        hscValue.Change = handler("hscValue_Change");
        tabPages.Click = handler("tabPages_Click");
        lblInfo.Click = handler("lblInfo_Click");
        mnuDo.Click = handler("mnuDo_Click");
        mnuExit.Click = [this] {
            handler("mnuExit_Click")();
            Unload();
        };
    }

    // Tab order: cmdGo (the first focus), txtA, txtB, cmdExit, lblInfo, lstItems, ...
    CommandButton cmdGo{this, "cmdGo"};
    TextBox txtA{this, "txtA"};
    TextBox txtB{this, "txtB"};
    CommandButton cmdExit{this, "cmdExit"};
    Label lblInfo{this, "lblInfo"};
    ListBox lstItems{this, "lstItems"};
    CheckBox chkFlag{this, "chkFlag"};
    HScrollBar hscValue{this, "hscValue"};
    TabControl tabPages{this, "tabPages"};
    TextBox txtOnPage{this, "txtOnPage"};
    Frame fraBox{this, "fraBox"};
    CommandButton cmdInFrame{this, "cmdInFrame"};
    OptionButton optA{this, "optA"};
    OptionButton optB{this, "optB"};
    MenuItem mnuFile{this, "mnuFile", "&File"};
    MenuItem mnuDo{mnuFile, "mnuDo", "&Do", 'D'};
    MenuItem mnuExit{mnuFile, "mnuExit", "E&xit", 'Q'};

    Extras extras;
    bool editGuard = false;
    bool guardRefusals = true;  // false: return the focus without the guard

private:
    std::function<void()> handler(std::string name) {
        return [this, name] {
            log_.add(name);
            auto it = extras.find(name);
            if (it != extras.end()) it->second();
        };
    }
    void check(TextBox& box) {
        if (editGuard) return;
        handler(box.Name() + "_LostFocus")();
        if (box.Text() != "bad") return;
        forms().dialogs().messageBox("No Valid Input!", mb::OKOnly | mb::Exclamation, "Product");
        if (guardRefusals) editGuard = true;
        box.SetFocus();
        editGuard = false;
    }
    void Form_Load() override { handler(Name() + ".Form_Load")(); }
    void Form_Activate() override { handler(Name() + ".Form_Activate")(); }
    void Form_Unload() override { handler(Name() + ".Form_Unload")(); }

    Log& log_;
};

// A fresh program with the sheet as its main window, shown and active.
struct World {
    ScriptedDialogs dialogs;
    FormManager forms{dialogs, "Product"};
    User user{forms};
    Log log;
    frmSheet* sheet = forms.start<frmSheet>(log);
    World() { log.clear(); }
};

// A second kind of window, for hand-overs.
class frmOther : public frmSheet {
public:
    frmOther(FormManager& forms, Log& log) : frmSheet(forms, log, "frmOther") {}
};

}  // namespace dravik::test
