// Windows and their manager: activation, release, self-closing loads, the
// main window, hand-over, the error-catching dispatcher and closing with a
// pending value.

#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <stdexcept>

#include "support/example_forms.h"

namespace dravik::test {
namespace {

using Lines = std::vector<std::string>;

// The wait window: shown around file work, never takes activation.
class frmWait : public Form {
public:
    frmWait(FormManager& forms, Log& log) : Form(forms, "frmWait"), log_(log) { setActivates(false); }
    Label lblWait{this, "lblWait"};

private:
    void Form_Load() override { log_.add("frmWait.Form_Load"); }
    void Form_Activate() override { log_.add("frmWait.Form_Activate"); }
    Log& log_;
};

// A window whose Load finds a bad argument and closes itself part way, then
// goes on writing to its controls.
class frmSelfClosing : public Form {
public:
    frmSelfClosing(FormManager& forms, Log& log) : Form(forms, "frmSelfClosing"), log_(log) {}
    Label lblTeamName{this, "lblTeamName"};
    ListBox lstPlayer{this, "lstPlayer"};
    static inline frmSelfClosing* last = nullptr;

private:
    void Form_Load() override {
        last = this;
        log_.add("frmSelfClosing.Form_Load");
        forms().dialogs().messageBox("Integrity Check Failed!", mb::OKOnly | mb::Critical, "Product");
        Unload();
        lblTeamName.setCaption("Roster for nobody");
        lstPlayer.AddItem("still here");
        log_.add("frmSelfClosing.Form_Load goes on");
    }
    void Form_Unload() override { log_.add("frmSelfClosing.Form_Unload"); }
    Log& log_;
};

// Its variables show whether an instance is fresh.
class frmCounter : public Form {
public:
    explicit frmCounter(FormManager& forms) : Form(forms, "frmCounter") {
        cmdCount.Click = [this] { ++count; };
    }
    CommandButton cmdCount{this, "cmdCount"};
    int count = 0;
};

class frmFaultyLoad : public Form {
public:
    explicit frmFaultyLoad(FormManager& forms) : Form(forms, "frmFaultyLoad") {}
    Label lblDone{this, "lblDone"};

private:
    void Form_Load() override {
        lblDone.setCaption("half");
        raiseError(err::SubscriptOutOfRange);
    }
};

struct Recorder : FormObserver {
    Lines events;
    void formChanged(Form& f, FormEvent e) override {
        static const char* names[] = {"Loaded",    "Caption", "Geometry", "Shown",   "Hidden",
                                      "Activated", "Focus",   "Unloaded", "Released"};
        if (e != FormEvent::Focus && e != FormEvent::Caption && e != FormEvent::Geometry)
            events.push_back(f.Name() + " " + names[static_cast<int>(e)]);
    }
    void programEnded() override { events.push_back("program ended"); }
};

// Closing frmOther hands back to the sheet, as every window of the program does.
frmOther* openOther(World& w) {
    frmOther* other = w.sheet->open<frmOther>(w.log);
    other->extras["frmOther.Form_Unload"] = [&w, other] {
        other->Hide();
        w.sheet->Show();
    };
    return other;
}

TEST(Activate, FiresWhenAWindowBecomesActiveAfterAnotherOfItsWindows) {
    {
        ScriptedDialogs dialogs;
        FormManager forms(dialogs, "Product");
        Log log;
        forms.start<frmSheet>(log);
        EXPECT_EQ(log.lines, (Lines{"frmSheet.Form_Load", "frmSheet.Form_Activate"}));
    }
    struct Case {
        const char* name;
        std::function<void(World&)> act;
        Lines expected;
    } cases[] = {
        {"the first Show of a window",
         [](World& w) { openOther(w); },
         {"frmOther.Form_Load", "frmOther.Form_Activate"}},
        {"Show of the active window", [](World& w) { w.sheet->Show(); }, {}},
        {"a window handing back by showing its opener",
         [](World& w) {
             frmOther* other = openOther(w);
             w.user.click(other->cmdExit);
             EXPECT_EQ(w.forms.activeForm(), w.sheet);
         },
         {"frmOther.Form_Load", "frmOther.Form_Activate", "cmdExit_Click", "frmOther.Form_Unload",
          "frmSheet.Form_Activate"}},
        {"a message box closing",
         [](World& w) {
             w.sheet->extras["cmdGo_Click"] = [&w] {
                 w.dialogs.messageBox("Password is incorrect!", mb::OKOnly | mb::Exclamation, "Product");
             };
             w.user.click(w.sheet->cmdGo);
         },
         {"cmdGo_Click"}},
        {"the wait window shown and closed",
         [](World& w) {
             frmWait* wait = w.forms.load<frmWait>(w.log);
             wait->Show();
             EXPECT_EQ(w.forms.activeForm(), w.sheet);
             wait->Unload();
             EXPECT_EQ(w.forms.activeForm(), w.sheet);
         },
         {"frmWait.Form_Load"}},
        {"hidden and shown again with no other window between",
         [](World& w) {
             w.sheet->Hide();
             EXPECT_EQ(w.forms.activeForm(), nullptr);
             w.sheet->Show();
         },
         {}},
        {"the user switching between two visible windows",
         [](World& w) {
             w.forms.load<frmOther>(w.log)->Show();
             EXPECT_TRUE(w.user.activate(*w.sheet));
         },
         {"frmOther.Form_Load", "frmOther.Form_Activate", "frmSheet.Form_Activate"}},
        {"the active window closing while another is visible",
         [](World& w) {
             w.forms.load<frmOther>(w.log)->Show();
             w.forms.get<frmOther>()->Unload();
         },
         {"frmOther.Form_Load", "frmOther.Form_Activate", "frmOther.Form_Unload", "frmSheet.Form_Activate"}},
        {"a click in a visible window that is not active",
         [](World& w) {
             w.forms.load<frmOther>(w.log)->Show();
             w.user.click(w.sheet->cmdGo);
         },
         {"frmOther.Form_Load", "frmOther.Form_Activate", "frmSheet.Form_Activate", "cmdGo_Click"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        World w;
        c.act(w);
        EXPECT_EQ(w.log.lines, c.expected);
    }
}

TEST(Release, WaitsUntilTheOutermostHandlerHasReturned) {
    World w;
    Recorder rec;
    w.forms.setObserver(&rec);
    frmOther* other = openOther(w);
    rec.events.clear();
    w.log.clear();
    other->extras["cmdGo_Click"] = [&w, other, &rec] {
        EXPECT_TRUE(other->Unload());
        EXPECT_EQ(w.forms.get<frmOther>(), nullptr);
        EXPECT_FALSE(other->isLoaded());
        // The instance is still there for the code that goes on.
        other->lblInfo.setCaption("written after Unload");
        other->lstItems.AddItem("added after Unload");
        EXPECT_EQ(rec.events.back(), "frmOther Unloaded");
        w.log.add("cmdGo_Click goes on");
    };
    w.user.click(other->cmdGo);
    EXPECT_EQ(w.log.lines, (Lines{"cmdGo_Click", "frmOther.Form_Unload", "frmSheet.Form_Activate",
                                  "cmdGo_Click goes on"}));
    EXPECT_EQ(rec.events, (Lines{"frmOther Hidden", "frmSheet Shown", "frmSheet Activated",
                                 "frmOther Unloaded", "frmOther Released"}));
}

TEST(Release, NoHandlerRunsOnAClosedWindowAndTheNextLoadIsFresh) {
    World w;
    auto* counter = w.forms.load<frmCounter>();
    counter->Show();
    w.user.click(counter->cmdCount);
    EXPECT_EQ(counter->count, 1);
    counter->cmdCount.Click = [counter] {
        ++counter->count;
        counter->Unload();
        counter->cmdCount.Click = [counter] { counter->count += 100; };
        counter->cmdCount.SetFocus();  // unreachable now: error 5, shown by the dispatcher
    };
    w.user.click(counter->cmdCount);
    EXPECT_EQ(w.dialogs.messages(),
              Lines{"5 - Invalid procedure call or argument in frmCounter.cmdCount_Click!"});

    auto* fresh = w.forms.load<frmCounter>();
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->count, 0);
}

TEST(SelfClosingLoad, IsNotRevivedAndItsOpenerStaysAsItWas) {
    World w;
    frmSelfClosing* opened = reinterpret_cast<frmSelfClosing*>(1);
    bool revived = true;
    w.sheet->extras["cmdGo_Click"] = [&] {
        opened = w.sheet->open<frmSelfClosing>(w.log);
        revived = w.forms.show(*frmSelfClosing::last);  // the opener's next Show
        frmSelfClosing::last->Show();
    };
    EXPECT_TRUE(w.user.click(w.sheet->cmdGo));
    EXPECT_EQ(opened, nullptr);
    EXPECT_FALSE(revived);
    EXPECT_EQ(w.log.lines, (Lines{"cmdGo_Click", "frmSelfClosing.Form_Load", "frmSelfClosing.Form_Unload",
                                  "frmSelfClosing.Form_Load goes on"}));
    EXPECT_FALSE(w.forms.isLoaded<frmSelfClosing>());
    EXPECT_TRUE(w.sheet->Visible());
    EXPECT_EQ(w.forms.activeForm(), w.sheet);
    EXPECT_EQ(w.dialogs.messages(), Lines{"Integrity Check Failed!"});

    // Loaded outside any handler, it is released as soon as load returns.
    EXPECT_EQ(w.forms.load<frmSelfClosing>(w.log), nullptr);
}

TEST(MainWindow, ClosingItEndsTheProgramWithoutTheOthersUnloadHandlers) {
    for (bool byCloseBox : {false, true}) {
        SCOPED_TRACE(byCloseBox ? "close box" : "E&xit menu");
        World w;
        Recorder rec;
        w.forms.setObserver(&rec);
        frmOther* other =
            w.forms.load<frmOther>(w.log);  // loaded and hidden, like the team sheet under a roster
        frmWait* wait = w.forms.load<frmWait>(w.log);
        wait->Show();
        w.log.clear();
        rec.events.clear();
        if (byCloseBox)
            EXPECT_TRUE(w.user.closeWindow(*w.sheet));
        else
            EXPECT_TRUE(w.user.clickMenu(w.sheet->mnuExit));
        Lines expected = {"frmSheet.Form_Unload"};
        if (!byCloseBox) expected.insert(expected.begin(), "mnuExit_Click");
        EXPECT_EQ(w.log.lines, expected);
        EXPECT_TRUE(w.forms.ended());
        EXPECT_TRUE(w.forms.loadedForms().empty());
        EXPECT_EQ(rec.events, (Lines{"frmSheet Hidden", "frmSheet Unloaded", "frmWait Hidden",
                                     "frmWait Unloaded", "frmOther Unloaded", "program ended",
                                     "frmSheet Released", "frmWait Released", "frmOther Released"}));
        (void)other;
        // Nothing runs any more, and nothing can be loaded.
        EXPECT_EQ(w.forms.load<frmCounter>(), nullptr);
    }
}

TEST(MainWindow, HidingEveryWindowDoesNotEndTheProgram) {
    World w;
    frmOther* other = w.sheet->open<frmOther>(w.log);
    other->Hide();
    EXPECT_FALSE(w.forms.ended());
    EXPECT_EQ(w.forms.activeForm(), nullptr);
    w.sheet->Show();
    EXPECT_TRUE(w.user.click(w.sheet->cmdGo));
}

TEST(MainWindow, EndProgramInsideTheMainLoadStopsTheStart) {
    ScriptedDialogs dialogs;
    FormManager forms(dialogs, "Product");
    Log log;
    struct frmRefusing : frmSheet {
        frmRefusing(FormManager& f, Log& l) : frmSheet(f, l, "frmMain") {
            extras["frmMain.Form_Load"] = [this] { forms().endProgram(); };
        }
    };
    EXPECT_EQ(forms.start<frmRefusing>(log), nullptr);
    EXPECT_TRUE(forms.ended());
    EXPECT_EQ(log.lines, Lines{"frmMain.Form_Load"});  // no Unload, no Activate
}

TEST(NoImplicitLoading, AWindowThatIsNotLoadedIsNeitherCreatedNorShown) {
    World w;
    EXPECT_EQ(w.forms.get<frmOther>(), nullptr);
    EXPECT_FALSE(w.forms.isVisible<frmOther>());
    EXPECT_FALSE(w.forms.isLoaded<frmOther>());
    EXPECT_EQ(w.forms.loadedForms(), std::vector<Form*>{w.sheet});
    EXPECT_TRUE(w.log.lines.empty());
}

TEST(HandOver, OpenShowsTheNewWindowAndHidesTheOpener) {
    World w;
    frmOther* other = w.sheet->open<frmOther>(w.log);
    ASSERT_NE(other, nullptr);
    EXPECT_TRUE(other->Visible());
    EXPECT_FALSE(w.sheet->Visible());
    EXPECT_TRUE(w.sheet->isLoaded());
    EXPECT_EQ(w.forms.activeForm(), other);
    // Loading a loaded window runs no second Load.
    EXPECT_EQ(w.forms.load<frmOther>(w.log), other);
    EXPECT_EQ(w.log.lines, (Lines{"frmOther.Form_Load", "frmOther.Form_Activate"}));
}

TEST(Geometry, CentringUsesTheScreenTheLayerIsGiven) {
    World w;
    w.forms.setScreen({19200, 14400});
    w.sheet->Move(0, 0, 8275, 6545);
    w.sheet->CentreOnScreen();
    EXPECT_EQ(w.sheet->Left(), (19200 - 8275) / 2);
    EXPECT_EQ(w.sheet->Top(), (14400 - 6545) / 2);
    w.forms.setScreen({4000, 3000});  // smaller than the window
    w.sheet->CentreOnScreen();
    EXPECT_EQ(w.sheet->Left(), (4000 - 8275) / 2);
}

TEST(Focus, TheFirstShowFocusesTheFirstTabStopThatCanTakeIt) {
    ScriptedDialogs dialogs;
    FormManager forms(dialogs, "Product");
    Log log;
    struct frmOrdered : frmSheet {
        frmOrdered(FormManager& f, Log& l) : frmSheet(f, l) {
            lblInfo.setTabIndex(0);  // a label takes no focus
            lstItems.setTabIndex(1);
            txtA.setTabIndex(2);
            txtB.setTabIndex(3);
            cmdGo.setTabIndex(4);
            txtA.setEnabled(false);
            txtB.setTabStop(false);
        }
    };
    auto* f = forms.start<frmOrdered>(log);
    EXPECT_EQ(f->ActiveControl(), &f->lstItems);
    User user(forms);
    user.pressTab(*f);
    EXPECT_EQ(f->ActiveControl(), &f->cmdGo);  // txtA disabled, txtB no tab stop
    user.pressTab(*f, true);
    EXPECT_EQ(f->ActiveControl(), &f->lstItems);
    user.pressTab(*f, true);  // wraps round to the last tab stop
    EXPECT_EQ(f->ActiveControl(), &f->optB);
    // Hidden and shown again, the window keeps its focus.
    f->Hide();
    f->Show();
    EXPECT_EQ(f->ActiveControl(), &f->optB);
}

TEST(Dispatcher, AnErrorEscapingAHandlerIsShownAndTheProgramGoesOn) {
    struct Case {
        const char* name;
        std::function<void(World&)> act;
        Lines boxes;
        Lines log;
    } cases[] = {
        {"a click handler",
         [](World& w) {
             w.sheet->extras["cmdGo_Click"] = [] { add16(32767, 1); };
             w.user.click(w.sheet->cmdGo);
         },
         {"6 - Overflow in frmSheet.cmdGo_Click!"},
         {"cmdGo_Click"}},
        {"a nested handler: the code that fired it goes on",
         [](World& w) {
             w.sheet->extras["lstItems_Click"] = [] { raiseError(err::SubscriptOutOfRange); };
             w.sheet->extras["cmdGo_Click"] = [&w] {
                 w.sheet->lstItems.setListIndex(0);
                 w.log.add("cmdGo_Click goes on");
             };
             w.user.click(w.sheet->cmdGo);
         },
         {"9 - Subscript out of range in frmSheet.lstItems_Click!"},
         {"cmdGo_Click", "lstItems_Click", "cmdGo_Click goes on"}},
        {"a property refusing its value",
         [](World& w) {
             w.sheet->extras["cmdGo_Click"] = [&w] { w.sheet->hscValue.setValue(6); };
             w.user.click(w.sheet->cmdGo);
         },
         {"380 - Invalid property value in frmSheet.cmdGo_Click!"},
         {"cmdGo_Click"}},
        {"a menu command",
         [](World& w) {
             w.sheet->extras["mnuDo_Click"] = [] { throw std::bad_alloc(); };
             w.user.pressShortcut(*w.sheet, 'D');
         },
         {"7 - Out of memory in frmSheet.mnuDo_Click!"},
         {"mnuDo_Click"}},
        {"any other fault is an internal error",
         [](World& w) {
             w.sheet->extras["cmdGo_Click"] = [] { throw std::out_of_range("vector"); };
             w.user.click(w.sheet->cmdGo);
         },
         {"51 - Internal error in frmSheet.cmdGo_Click!"},
         {"cmdGo_Click"}},
        {"a lost-focus check: the focus move goes on",
         [](World& w) {
             w.sheet->extras["txtA_LostFocus"] = [] { raiseError(err::TypeMismatch); };
             w.user.focus(w.sheet->txtA);
             EXPECT_TRUE(w.user.click(w.sheet->cmdGo));
         },
         {"13 - Type mismatch in frmSheet.txtA_LostFocus!"},
         {"txtA_LostFocus", "cmdGo_Click"}},
        {"a Load handler: the window stays loaded with what was done",
         [](World& w) {
             auto* f = w.forms.load<frmFaultyLoad>();
             ASSERT_NE(f, nullptr);
             EXPECT_EQ(f->lblDone.Caption(), "half");
         },
         {"9 - Subscript out of range in frmFaultyLoad.Form_Load!"},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        World w;
        c.act(w);
        EXPECT_EQ(w.dialogs.messages(), c.boxes);
        for (const auto& s : w.dialogs.shown()) {
            EXPECT_EQ(s.style, mb::OKOnly | mb::Critical);
            EXPECT_EQ(s.title, "Product");
        }
        EXPECT_EQ(w.log.lines, c.log);
        EXPECT_FALSE(w.forms.ended());
        w.sheet->extras.clear();
        EXPECT_TRUE(w.user.click(w.sheet->cmdGo));
    }
}

TEST(Dispatcher, AnInstalledReporterShowsTheError) {
    World w;
    std::vector<std::pair<int, std::string>> reported;
    w.forms.setErrorReporter([&](const RuntimeError& e, const std::string& closing) {
        reported.emplace_back(e.number(), closing);
    });
    w.sheet->extras["chkFlag_Click"] = [] { raiseError(err::Overflow); };
    w.sheet->chkFlag.setValue(1);
    EXPECT_EQ(reported, (std::vector<std::pair<int, std::string>>{{6, " in frmSheet.chkFlag_Click!"}}));
    EXPECT_TRUE(w.dialogs.shown().empty());
}

// Closing a window while its focused box holds a value: the box's check
// runs first; a refusal keeps the window open with the focus in the box.
TEST(ClosingWithAPendingValue, TheFocusedBoxIsCheckedBeforeTheWindowCloses) {
    struct Case {
        const char* name;
        const char* typed;
        std::function<bool(World&, frmOther&)> close;
        bool closed;
        Lines log;
    } cases[] = {
        {"close box, refused value",
         "bad",
         [](World& w, frmOther& o) { return w.user.closeWindow(o); },
         false,
         {"txtA_LostFocus"}},
        {"close box, accepted value",
         "12",
         [](World& w, frmOther& o) { return w.user.closeWindow(o); },
         true,
         {"txtA_LostFocus", "frmOther.Form_Unload", "frmSheet.Form_Activate"}},
        {"Exit menu, refused value",
         "bad",
         [](World& w, frmOther& o) {
             w.user.pressShortcut(o, 'Q');
             return !w.forms.isLoaded<frmOther>();
         },
         false,
         {"mnuExit_Click", "txtA_LostFocus"}},
        {"Exit button, refused value: the click does not run",
         "bad",
         [](World& w, frmOther& o) { return w.user.click(o.cmdExit); },
         false,
         {"txtA_LostFocus"}},
        {"Exit button, accepted value",
         "12",
         [](World& w, frmOther& o) {
             w.user.click(o.cmdExit);
             return !w.forms.isLoaded<frmOther>();
         },
         true,
         {"txtA_LostFocus", "cmdExit_Click", "frmOther.Form_Unload", "frmSheet.Form_Activate"}},
        {"Unload by code outside a user action runs no check",
         "bad",
         [](World&, frmOther& o) { return o.Unload(); },
         true,
         {"frmOther.Form_Unload", "frmSheet.Form_Activate"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        World w;
        frmOther* other = openOther(w);
        w.user.typeText(other->txtA, c.typed);
        w.log.clear();
        EXPECT_EQ(c.close(w, *other), c.closed);
        EXPECT_EQ(w.log.lines, c.log);
        EXPECT_EQ(w.forms.isLoaded<frmOther>(), !c.closed);
        if (!c.closed) {
            EXPECT_TRUE(other->Visible());
            EXPECT_TRUE(other->txtA.hasFocus());
            EXPECT_EQ(other->txtA.Text(), "bad");
            EXPECT_EQ(w.dialogs.messages(), Lines{"No Valid Input!"});
        }
    }
}

}  // namespace
}  // namespace dravik::test
