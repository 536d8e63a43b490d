// Menus: reachability, shortcuts and captions.

#include <gtest/gtest.h>

#include "support/example_forms.h"

namespace dravik::test {
namespace {

using Lines = std::vector<std::string>;

// The main window's menus as they stand before a league is loaded.
class frmMenus : public Form {
public:
    frmMenus(FormManager& forms, Log& log) : Form(forms, "frmMenus") {
        mnuTeam.setEnabled(false);
        mnuFreeAgents.setVisible(false);
        mnuOutputRatingCSV.setVisible(false);
        mnuOutputRatingCSV.setEnabled(false);
        for (MenuItem* m : {&mnuOpen, &mnuExit, &mnuViewTeam, &mnuSetRoster, &mnuFreeAgents, &mnuAbout,
                            &mnuOutputRatingCSV, &mnuTeam})
            m->Click = [m, &log] { log.add(m->Name() + "_Click"); };
    }
    MenuItem mnuFile{this, "mnuFile", "&File"};
    MenuItem mnuOpen{mnuFile, "mnuOpen", "&Open ...", 'O'};
    MenuItem mnuExit{mnuFile, "mnuExit", "E&xit", 'Q'};
    MenuItem mnuTeam{this, "mnuTeam", "&Team"};
    MenuItem mnuViewTeam{mnuTeam, "mnuViewTeam", "&View Team", 'T'};
    MenuItem mnuSetRoster{mnuTeam, "mnuSetRoster", "Set &Roster", 'R'};
    MenuItem mnuFreeAgents{mnuTeam, "mnuFreeAgents", "&Free Agents"};
    MenuItem mnuHelp{this, "mnuHelp", "&Help"};
    MenuItem mnuAbout{mnuHelp, "mnuAbout", "&About"};
    MenuItem mnuOutputRatingCSV{mnuHelp, "mnuOutputRatingCSV", "Output Ratings CSV"};
};

TEST(Menus, AnItemUnderADisabledOrHiddenParentIsUnreachableShortcutIncluded) {
    struct Case {
        const char* name;
        std::function<void(frmMenus&)> set;
        MenuItem frmMenus::*item;
        char shortcut;  // 0: the item has none
        bool reachable;
    } cases[] = {
        {"an item under the disabled menu", [](frmMenus&) {}, &frmMenus::mnuViewTeam, 'T', false},
        {"the same once the menu is enabled", [](frmMenus& f) { f.mnuTeam.setEnabled(true); },
         &frmMenus::mnuViewTeam, 'T', true},
        {"an item under a hidden menu",
         [](frmMenus& f) {
             f.mnuTeam.setEnabled(true);
             f.mnuTeam.setVisible(false);
         },
         &frmMenus::mnuSetRoster, 'R', false},
        {"a disabled item",
         [](frmMenus& f) {
             f.mnuTeam.setEnabled(true);
             f.mnuSetRoster.setEnabled(false);
         },
         &frmMenus::mnuSetRoster, 'R', false},
        {"a hidden item", [](frmMenus& f) { f.mnuTeam.setEnabled(true); }, &frmMenus::mnuFreeAgents, 0,
         false},
        {"hidden and disabled", [](frmMenus&) {}, &frmMenus::mnuOutputRatingCSV, 0, false},
        {"a plain item", [](frmMenus&) {}, &frmMenus::mnuOpen, 'o', true},
        {"a plain item in a hidden window", [](frmMenus& f) { f.Hide(); }, &frmMenus::mnuOpen, 'O', false},
        {"the disabled menu itself", [](frmMenus&) {}, &frmMenus::mnuTeam, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDialogs dialogs;
        FormManager forms(dialogs, "Product");
        User user(forms);
        Log log;
        auto* f = forms.start<frmMenus>(log);
        c.set(*f);
        MenuItem& item = f->*c.item;
        Lines expected = c.reachable ? Lines{item.Name() + "_Click"} : Lines{};
        EXPECT_EQ(item.reachable(), c.reachable);
        EXPECT_EQ(user.clickMenu(item), c.reachable);
        EXPECT_EQ(log.lines, expected);
        if (c.shortcut) {
            log.clear();
            EXPECT_EQ(user.pressShortcut(*f, c.shortcut), c.reachable);
            EXPECT_EQ(log.lines, expected);
        }
    }
}

TEST(Menus, CaptionsAndShortcutsAsTheBackendShowsThem) {
    ScriptedDialogs dialogs;
    FormManager forms(dialogs, "Product");
    Log log;
    auto* f = forms.start<frmMenus>(log);
    EXPECT_EQ(f->mnuOpen.shortcutText(), "Ctrl+O");
    EXPECT_EQ(f->mnuAbout.shortcutText(), "");
    f->mnuFreeAgents.setCaption("Fantasy &Draft List");
    EXPECT_EQ(captionDisplayText(f->mnuFreeAgents.Caption()), "Fantasy Draft List");
    EXPECT_EQ(captionAccessKey(f->mnuFreeAgents.Caption()), 'd');
    EXPECT_EQ(f->menuBar(), (std::vector<MenuItem*>{&f->mnuFile, &f->mnuTeam, &f->mnuHelp}));
    EXPECT_EQ(f->mnuTeam.items().size(), 3u);
    User user(forms);
    EXPECT_FALSE(user.pressShortcut(*f, 'Z'));
}

}  // namespace
}  // namespace dravik::test
