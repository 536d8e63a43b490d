// When handlers fire: changes made by code, user selections, lost focus and
// the refused edit.

#include <gtest/gtest.h>

#include <memory>

#include "support/example_forms.h"

namespace dravik::test {
namespace {

using Lines = std::vector<std::string>;

struct Case {
    const char* name;
    std::function<void(World&)> act;
    Lines expected;
};

void runCases(const std::vector<Case>& cases, const std::function<void(World&)>& before = {}) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto w = std::make_unique<World>();
        if (before) before(*w);
        w->log.clear();
        c.act(*w);
        EXPECT_EQ(w->log.lines, c.expected);
    }
}

TEST(CodeMadeChanges, FireAtOnceExceptWhereTheValueIsUnchanged) {
    runCases({
        {"setting ListIndex fires Click",
         [](World& w) { w.sheet->lstItems.setListIndex(1); },
         {"lstItems_Click"}},
        {"setting ListIndex to the entry it holds fires Click again",
         [](World& w) {
             w.sheet->lstItems.setListIndex(1);
             w.sheet->lstItems.setListIndex(1);
         },
         {"lstItems_Click", "lstItems_Click"}},
        {"clearing ListIndex fires Click",
         [](World& w) { w.sheet->lstItems.setListIndex(-1); },
         {"lstItems_Click"}},
        {"setting Selected fires Click even when unchanged",
         [](World& w) { w.sheet->lstItems.setSelected(0, false); },
         {"lstItems_Click"}},
        {"a changed check box fires Click",
         [](World& w) { w.sheet->chkFlag.setValue(1); },
         {"chkFlag_Click"}},
        {"a check box set to its value fires nothing",
         [](World& w) {
             w.sheet->chkFlag.setValue(1);
             w.sheet->chkFlag.setValue(1);
         },
         {"chkFlag_Click"}},
        {"an option set True fires Click and clears the other of its container",
         [](World& w) {
             w.sheet->optA.setValue(true);
             w.sheet->optB.setValue(true);
             EXPECT_FALSE(w.sheet->optA.Value());
         },
         {"optA_Click", "optB_Click"}},
        {"an option set True again, or False, fires nothing",
         [](World& w) {
             w.sheet->optA.setValue(true);
             w.sheet->optA.setValue(true);
             w.sheet->optA.setValue(false);
         },
         {"optA_Click"}},
        {"a changed scroll bar fires Change",
         [](World& w) { w.sheet->hscValue.setValue(3); },
         {"hscValue_Change"}},
        {"a scroll bar set to its value fires nothing", [](World& w) { w.sheet->hscValue.setValue(0); }, {}},
        {"filling, rewriting and emptying a list fire nothing",
         [](World& w) {
             auto& l = w.sheet->lstItems;
             l.setListIndex(-1);
             w.log.clear();
             l.AddItem("Bravo");
             l.setList(0, "Zulu");
             l.setItemData(0, 7);
             l.RemoveItem(1);
             l.Clear();
         },
         {}},
        {"setting a text or a caption fires nothing",
         [](World& w) {
             w.sheet->txtA.setText("12");
             w.sheet->lblInfo.setCaption("x");
             w.sheet->cmdGo.setCaption("x");
             w.sheet->setCaption("x");
         },
         {}},
        {"a tab change fires Click, the same tab nothing",
         [](World& w) {
             w.sheet->tabPages.setTab(1);
             w.sheet->tabPages.setTab(1);
         },
         {"tabPages_Click"}},
        {"a change made inside a handler fires its handler there and then",
         [](World& w) {
             w.sheet->extras["lstItems_Click"] = [&w] {
                 w.sheet->chkFlag.setValue(1);
                 w.log.add("lstItems_Click goes on");
             };
             w.sheet->lstItems.setListIndex(0);
         },
         {"lstItems_Click", "chkFlag_Click", "lstItems_Click goes on"}},
    });
}

// The strategy budget: three bars sharing 5 points. A change beyond the
// budget sets the bar back to its last accepted value, which re-enters the
// handler once; the set-back ends only because a bar set to the value it
// holds fires nothing.
class frmBudget : public Form {
public:
    frmBudget(FormManager& forms, Log& log) : Form(forms, "frmBudget"), log_(log) {
        hscStats.forEach([](HScrollBar& b) { b.setMax(5); });
        hscStats.Change = [this](int index) { hscStats_Change(index); };
    }
    ControlArray<HScrollBar> hscStats{this, "hscStats", {0, 1, 2}};
    ControlArray<Label> lblStatsPoint{this, "lblStatsPoint", {0, 1, 2}};
    Label lblPoint{this, "lblPoint"};
    bool loaded = false;

    void place(int a, int b, int c) {
        loaded = false;
        int values[] = {a, b, c};
        int left = 5;
        for (int i = 0; i < 3; ++i) {
            hscStats(i).setValue(values[i]);
            lblStatsPoint(i).setCaption(std::to_string(values[i]));
            left -= values[i];
        }
        lblPoint.setCaption(std::to_string(left));
        loaded = true;
    }

private:
    void hscStats_Change(int index) {
        log_.add("hscStats_Change(" + std::to_string(index) + ")");
        if (!loaded) return;
        int sum = hscStats(0).Value() + hscStats(1).Value() + hscStats(2).Value();
        if (sum <= 5) {
            lblStatsPoint(index).setCaption(std::to_string(hscStats(index).Value()));
            lblPoint.setCaption(std::to_string(5 - sum));
        } else {
            hscStats(index).setValue(std::stoi(lblStatsPoint(index).Caption()));
        }
    }
    Log& log_;
};

TEST(CodeMadeChanges, SnapBackEndsBecauseAnEqualValueFiresNothing) {
    ScriptedDialogs dialogs;
    FormManager forms(dialogs, "Product");
    User user(forms);
    Log log;
    auto* w = forms.start<frmBudget>(log);
    ASSERT_TRUE(w);
    w->place(2, 1, 1);
    log.clear();

    EXPECT_TRUE(user.scroll(w->hscStats(2), User::Scroll::SmallUp));
    EXPECT_EQ(w->lblPoint.Caption(), "0");
    EXPECT_EQ(log.lines, Lines{"hscStats_Change(2)"});

    log.clear();
    EXPECT_TRUE(user.scroll(w->hscStats(0), User::Scroll::SmallUp));
    EXPECT_EQ(w->hscStats(0).Value(), 2);
    EXPECT_EQ(w->lblPoint.Caption(), "0");
    EXPECT_EQ(log.lines, (Lines{"hscStats_Change(0)", "hscStats_Change(0)"}));

    // Stored above the budget: 3, 3, 3. Even a decrease leaves the sum above
    // 5, so the bar goes back; the re-entered handler sets the value it
    // already has, and that ends it.
    w->place(3, 3, 3);
    log.clear();
    EXPECT_TRUE(user.scroll(w->hscStats(1), User::Scroll::SmallDown));
    EXPECT_EQ(w->hscStats(1).Value(), 3);
    EXPECT_EQ(log.lines, (Lines{"hscStats_Change(1)", "hscStats_Change(1)"}));
}

TEST(UserSelection, ClickFiresClickAndADoubleClickAddsDblClick) {
    runCases({
        {"clicking an entry selects it and fires Click",
         [](World& w) {
             EXPECT_TRUE(w.user.selectItem(w.sheet->lstItems, 1));
             EXPECT_EQ(w.sheet->lstItems.ListIndex(), 1);
         },
         {"lstItems_Click"}},
        {"clicking the selected entry again fires Click again",
         [](World& w) {
             w.user.selectItem(w.sheet->lstItems, 1);
             w.user.selectItem(w.sheet->lstItems, 1);
         },
         {"lstItems_Click", "lstItems_Click"}},
        {"a double click is Click, then DblClick",
         [](World& w) { EXPECT_TRUE(w.user.doubleClickItem(w.sheet->lstItems, 2)); },
         {"lstItems_Click", "lstItems_DblClick"}},
        {"the second press of a double click adds only DblClick",
         [](World& w) {
             w.user.selectItem(w.sheet->lstItems, 2);
             EXPECT_TRUE(w.user.finishDoubleClick(w.sheet->lstItems, 2));
         },
         {"lstItems_Click", "lstItems_DblClick"}},
        {"a second press on another entry clicks it first",
         [](World& w) {
             w.user.selectItem(w.sheet->lstItems, 1);
             EXPECT_TRUE(w.user.finishDoubleClick(w.sheet->lstItems, 2));
             EXPECT_EQ(w.sheet->lstItems.ListIndex(), 2);
         },
         {"lstItems_Click", "lstItems_Click", "lstItems_DblClick"}},
        {"a click below the last entry does nothing",
         [](World& w) {
             EXPECT_FALSE(w.user.selectItem(w.sheet->lstItems, 3));
             EXPECT_FALSE(w.user.doubleClickItem(w.sheet->lstItems, 3));
         },
         {}},
        {"a disabled list takes no click",
         [](World& w) {
             w.sheet->lstItems.setEnabled(false);
             EXPECT_FALSE(w.user.selectItem(w.sheet->lstItems, 0));
         },
         {}},
        {"a list inside a hidden window takes no click",
         [](World& w) {
             w.sheet->Hide();
             EXPECT_FALSE(w.user.selectItem(w.sheet->lstItems, 0));
         },
         {}},
        {"a check box clicked toggles and fires Click each time",
         [](World& w) {
             w.user.click(w.sheet->chkFlag);
             w.user.click(w.sheet->chkFlag);
             EXPECT_EQ(w.sheet->chkFlag.Value(), 0);
         },
         {"chkFlag_Click", "chkFlag_Click"}},
        {"an option clicked turns True once",
         [](World& w) {
             w.user.click(w.sheet->optB);
             w.user.click(w.sheet->optB);
             EXPECT_TRUE(w.sheet->optB.Value());
         },
         {"optB_Click"}},
    });
}

TEST(UserSelection, ExtendedMultiSelectKeepsTheCurrentEntryApart) {
    World w;
    ListBox& l = w.sheet->lstItems;
    l.setMultiSelect(true);
    for (const char* t : {"Echo", "Foxtrot"}) l.AddItem(t);  // alpha Charlie Delta Echo Foxtrot

    w.user.selectItem(l, 1);
    w.user.selectItem(l, 3, User::Keys::Shift);
    EXPECT_EQ(l.SelCount(), 3);
    EXPECT_TRUE(l.Selected(1) && l.Selected(2) && l.Selected(3));
    EXPECT_EQ(l.ListIndex(), 3);

    w.user.selectItem(l, 2, User::Keys::Ctrl);  // deselects 2, and 2 becomes current
    EXPECT_FALSE(l.Selected(2));
    EXPECT_EQ(l.ListIndex(), 2);
    EXPECT_EQ(l.SelCount(), 2);

    // Clearing the current entry leaves the selection; deselecting leaves the current entry.
    l.setListIndex(-1);
    EXPECT_EQ(l.SelCount(), 2);
    l.setListIndex(4);
    EXPECT_TRUE(l.Selected(4));
    l.setSelected(4, false);
    EXPECT_EQ(l.ListIndex(), 4);
    EXPECT_EQ(l.SelCount(), 2);

    w.user.selectItem(l, 0);  // a plain click selects that entry alone
    EXPECT_EQ(l.SelCount(), 1);
    EXPECT_TRUE(l.Selected(0));
    EXPECT_EQ(w.log.lines.size(), 7u);  // every click and every ListIndex or Selected set
}

// Starting with the focus in txtA: which actions run its LostFocus, and in
// what order against the action's own handler.
TEST(LostFocus, FiresOnFocusMovesInsideTheWindowBeforeTheirClick) {
    auto focusInA = [](World& w) { ASSERT_TRUE(w.user.focus(w.sheet->txtA)); };
    runCases(
        {
            {"a click on a button",
             [](World& w) { w.user.click(w.sheet->cmdGo); },
             {"txtA_LostFocus", "cmdGo_Click"}},
            {"Tab",
             [](World& w) {
                 w.user.pressTab(*w.sheet);
                 EXPECT_EQ(w.sheet->ActiveControl(), &w.sheet->txtB);
             },
             {"txtA_LostFocus"}},
            {"a selection in a list",
             [](World& w) { w.user.selectItem(w.sheet->lstItems, 0); },
             {"txtA_LostFocus", "lstItems_Click"}},
            {"a click on a check box",
             [](World& w) { w.user.click(w.sheet->chkFlag); },
             {"txtA_LostFocus", "chkFlag_Click"}},
            {"a scroll",
             [](World& w) { w.user.scroll(w.sheet->hscValue, User::Scroll::LargeUp); },
             {"txtA_LostFocus", "hscValue_Change"}},
            {"a click on a tab",
             [](World& w) { w.user.selectTab(w.sheet->tabPages, 1); },
             {"txtA_LostFocus", "tabPages_Click"}},
            {"typing into another box",
             [](World& w) { w.user.typeText(w.sheet->txtB, "1"); },
             {"txtA_LostFocus"}},
            {"an access key",
             [](World& w) { w.user.pressAccessKey(*w.sheet, 'G'); },
             {"txtA_LostFocus", "cmdGo_Click"}},
            {"SetFocus by code", [](World& w) { w.sheet->cmdGo.SetFocus(); }, {"txtA_LostFocus"}},
            {"leaving an unchanged box still checks it",
             [](World& w) {
                 w.sheet->txtA.setText("5");
                 w.user.focus(w.sheet->txtB);
             },
             {"txtA_LostFocus"}},
            {"a click on a label: labels take no focus",
             [](World& w) {
                 w.user.click(w.sheet->lblInfo);
                 EXPECT_EQ(w.sheet->ActiveControl(), &w.sheet->txtA);
             },
             {"lblInfo_Click"}},
            {"a menu command", [](World& w) { w.user.clickMenu(w.sheet->mnuDo); }, {"mnuDo_Click"}},
            {"a menu shortcut", [](World& w) { w.user.pressShortcut(*w.sheet, 'd'); }, {"mnuDo_Click"}},
            {"a click into the box that has the focus", [](World& w) { w.user.click(w.sheet->txtA); }, {}},
            {"hiding the window", [](World& w) { w.sheet->Hide(); }, {}},
            {"another window becoming active",
             [](World& w) {
                 w.forms.load<frmOther>(w.log)->Show();
                 EXPECT_EQ(w.sheet->ActiveControl(), &w.sheet->txtA);
             },
             {"frmOther.Form_Load", "frmOther.Form_Activate"}},
            {"a message box", [](World& w) { w.dialogs.messageBox("x", mb::OKOnly, "Product"); }, {}},
            {"code turning the page that holds the focus moves it to the strip",
             [](World& w) {
                 w.sheet->tabPages.setTab(1);
                 w.user.focus(w.sheet->txtOnPage);
                 w.log.clear();
                 w.sheet->tabPages.setTab(0);
                 EXPECT_EQ(w.sheet->ActiveControl(), &w.sheet->tabPages);
             },
             {"txtOnPage_LostFocus", "tabPages_Click"}},
        },
        focusInA);
}

TEST(LostFocus, SetFocusRunsTheOwnersCheckAtOnceAndNeedsAReachableControl) {
    World w;
    w.user.focus(w.sheet->txtA);
    w.log.clear();
    w.sheet->txtB.SetFocus();
    EXPECT_EQ(w.log.lines, Lines{"txtA_LostFocus"});
    EXPECT_TRUE(w.sheet->txtB.hasFocus());

    auto errorOf = [](auto f) {
        try {
            f();
        } catch (const RuntimeError& e) {
            return e.number();
        }
        return 0;
    };
    w.sheet->cmdGo.setEnabled(false);
    EXPECT_EQ(errorOf([&] { w.sheet->cmdGo.SetFocus(); }), err::InvalidCall);
    w.sheet->fraBox.setVisible(false);
    EXPECT_EQ(errorOf([&] { w.sheet->cmdInFrame.SetFocus(); }), err::InvalidCall);
    EXPECT_EQ(errorOf([&] { w.sheet->txtOnPage.SetFocus(); }), err::InvalidCall);  // its page is not shown
    w.sheet->Hide();
    EXPECT_EQ(errorOf([&] { w.sheet->txtA.SetFocus(); }), err::InvalidCall);
}

TEST(LostFocus, AnUnguardedReturnMakesTheReceivingBoxCheckItselfToo) {
    World w;
    w.sheet->guardRefusals = false;
    w.user.typeText(w.sheet->txtA, "bad");
    w.log.clear();
    EXPECT_FALSE(w.user.focus(w.sheet->txtB));
    EXPECT_EQ(w.log.lines, (Lines{"txtA_LostFocus", "txtB_LostFocus"}));
    EXPECT_TRUE(w.sheet->txtA.hasFocus());
}

TEST(LostFocus, TwoRefusingBoxesDoNotReturnTheFocusToEachOtherForever) {
    World w;
    w.sheet->guardRefusals = false;
    w.sheet->txtB.setText("bad");
    w.user.typeText(w.sheet->txtA, "bad");
    w.log.clear();
    w.user.focus(w.sheet->txtB);
    // A's check returns the focus to A, which makes B check: B returns it to
    // B, which would run A's check again while it is still running.
    EXPECT_EQ(w.log.lines, (Lines{"txtA_LostFocus", "txtB_LostFocus"}));
}

// txtA holds "bad": every action that would move the focus out of it runs
// its check, which refuses and returns the focus; the action itself then
// does not happen.
TEST(RefusedEdit, TheActionThatMovedTheFocusDoesNotRun) {
    auto badInA = [](World& w) { ASSERT_TRUE(w.user.typeText(w.sheet->txtA, "bad")); };
    std::vector<Case> cases = {
        {"button", [](World& w) { EXPECT_FALSE(w.user.click(w.sheet->cmdGo)); }, {"txtA_LostFocus"}},
        {"button in a frame",
         [](World& w) { EXPECT_FALSE(w.user.click(w.sheet->cmdInFrame)); },
         {"txtA_LostFocus"}},
        {"access key",
         [](World& w) { EXPECT_FALSE(w.user.pressAccessKey(*w.sheet, 'g')); },
         {"txtA_LostFocus"}},
        {"list entry",
         [](World& w) {
             EXPECT_FALSE(w.user.selectItem(w.sheet->lstItems, 1));
             EXPECT_EQ(w.sheet->lstItems.ListIndex(), -1);
         },
         {"txtA_LostFocus"}},
        {"double click",
         [](World& w) { EXPECT_FALSE(w.user.doubleClickItem(w.sheet->lstItems, 1)); },
         {"txtA_LostFocus"}},
        {"check box",
         [](World& w) {
             EXPECT_FALSE(w.user.click(w.sheet->chkFlag));
             EXPECT_EQ(w.sheet->chkFlag.Value(), 0);
         },
         {"txtA_LostFocus"}},
        {"option",
         [](World& w) {
             EXPECT_FALSE(w.user.click(w.sheet->optA));
             EXPECT_FALSE(w.sheet->optA.Value());
         },
         {"txtA_LostFocus"}},
        {"scroll bar",
         [](World& w) {
             EXPECT_FALSE(w.user.scroll(w.sheet->hscValue, User::Scroll::SmallUp));
             EXPECT_EQ(w.sheet->hscValue.Value(), 0);
         },
         {"txtA_LostFocus"}},
        {"tab strip",
         [](World& w) {
             EXPECT_FALSE(w.user.selectTab(w.sheet->tabPages, 1));
             EXPECT_EQ(w.sheet->tabPages.Tab(), 0);
         },
         {"txtA_LostFocus"}},
        {"Tab key", [](World& w) { EXPECT_FALSE(w.user.pressTab(*w.sheet)); }, {"txtA_LostFocus"}},
        {"typing into another box",
         [](World& w) {
             EXPECT_FALSE(w.user.typeText(w.sheet->txtB, "7"));
             EXPECT_EQ(w.sheet->txtB.Text(), "");
         },
         {"txtA_LostFocus"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        World w;
        badInA(w);
        w.log.clear();
        c.act(w);
        EXPECT_EQ(w.log.lines, c.expected);
        EXPECT_TRUE(w.sheet->txtA.hasFocus());
        EXPECT_EQ(w.dialogs.messages(), Lines{"No Valid Input!"});
    }
}

TEST(RefusedEdit, OnceTheValueIsValidTheClickRuns) {
    World w;
    w.user.typeText(w.sheet->txtA, "bad");
    EXPECT_FALSE(w.user.click(w.sheet->cmdGo));
    w.user.typeText(w.sheet->txtA, "12");
    w.log.clear();
    EXPECT_TRUE(w.user.click(w.sheet->cmdGo));
    EXPECT_EQ(w.log.lines, (Lines{"txtA_LostFocus", "cmdGo_Click"}));
    EXPECT_TRUE(w.sheet->cmdGo.hasFocus());
}

TEST(RefusedEdit, AButtonDisabledByTheCheckIsNotClicked) {
    World w;
    w.sheet->extras["txtA_LostFocus"] = [&w] { w.sheet->cmdGo.setEnabled(false); };
    w.user.focus(w.sheet->txtA);
    w.log.clear();
    EXPECT_FALSE(w.user.click(w.sheet->cmdGo));
    EXPECT_EQ(w.log.lines, Lines{"txtA_LostFocus"});
}

}  // namespace
}  // namespace dravik::test
