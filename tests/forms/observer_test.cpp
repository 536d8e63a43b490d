// The change notifications a real user interface mirrors.

#include <gtest/gtest.h>

#include "support/example_forms.h"

namespace dravik::test {
namespace {

using Lines = std::vector<std::string>;

struct Recorder : FormObserver {
    Lines events;
    void formChanged(Form& f, FormEvent e) override {
        static const char* names[] = {"Loaded",    "Caption", "Geometry", "Shown",   "Hidden",
                                      "Activated", "Focus",   "Unloaded", "Released"};
        events.push_back(f.Name() + " " + names[static_cast<int>(e)]);
    }
    void controlChanged(Control& c, Prop p) override {
        static const char* names[] = {"Caption",   "Text",      "Geometry",   "Visible", "Enabled",
                                      "TabOrder",  "Container", "Value",      "Range",   "Items",
                                      "Selection", "Tabs",      "CurrentTab", "Picture", "Style"};
        events.push_back(c.Name() + " " + names[static_cast<int>(p)]);
    }
    void menuChanged(MenuItem& m, Prop p) override {
        events.push_back(m.Name() + (p == Prop::Enabled   ? " Enabled"
                                     : p == Prop::Caption ? " Caption"
                                                          : " other"));
    }
    void programEnded() override { events.push_back("program ended"); }
};

class frmSmall : public Form {
public:
    explicit frmSmall(FormManager& forms) : Form(forms, "frmSmall") {
        // The layout: not reported one by one.
        setCaption("Small");
        lblName.setCaption("Name");
        lstTeams.AddItem("Hawks");
        Move(0, 0, 5640, 6545);
    }
    Label lblName{this, "lblName"};
    ListBox lstTeams{this, "lstTeams"};
    TextBox txtName{this, "txtName"};
    Image imgLogo{this, "imgLogo"};
    MenuItem mnuTeam{this, "mnuTeam", "&Team"};

private:
    void Form_Load() override { lblName.setCaption("Team name"); }
};

TEST(Observer, HearsEveryChangeAfterTheLayoutAndNoneThatChangesNothing) {
    ScriptedDialogs dialogs;
    FormManager forms(dialogs, "Product");
    Recorder rec;
    forms.setObserver(&rec);
    User user(forms);
    auto* f = forms.start<frmSmall>();
    EXPECT_EQ(rec.events, (Lines{"frmSmall Loaded", "lblName Caption", "frmSmall Shown", "frmSmall Focus",
                                 "frmSmall Activated"}));
    rec.events.clear();

    f->lblName.setCaption("Team name");  // unchanged
    f->lstTeams.setVisible(true);        // unchanged
    EXPECT_TRUE(rec.events.empty());

    f->lstTeams.AddItem("Bears");
    f->lstTeams.setListIndex(0);
    f->txtName.setText("x");
    f->imgLogo.setPicture("logo");
    f->lstTeams.Move(240, 990, 2460, 1620);
    f->lstTeams.setEnabled(false);
    f->mnuTeam.setEnabled(false);
    f->mnuTeam.setCaption("T&eam");
    f->setCaption("Dravik");
    f->setWidth(8275);
    EXPECT_EQ(rec.events, (Lines{"lstTeams Items", "lstTeams Selection", "txtName Text", "imgLogo Picture",
                                 "lstTeams Geometry", "lstTeams Enabled", "mnuTeam Enabled",
                                 "mnuTeam Caption", "frmSmall Caption", "frmSmall Geometry"}));
    rec.events.clear();

    // What a user typed is reported even when the box keeps its text, so a
    // backend that showed more than the box takes puts the box's text back.
    f->txtName.setMaxLength(1);
    rec.events.clear();
    user.typeText(f->txtName, "xy");
    EXPECT_EQ(f->txtName.Text(), "x");
    EXPECT_EQ(rec.events, (Lines{"frmSmall Focus", "txtName Text"}));
    rec.events.clear();

    f->Unload();
    EXPECT_EQ(rec.events,
              (Lines{"frmSmall Hidden", "frmSmall Unloaded", "program ended", "frmSmall Released"}));
}

}  // namespace
}  // namespace dravik::test
