// The team windows' opening guard and the hand-back's step on the team sheet,
// on stand-in windows over the real program.

#include "main/hand_over.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_client.h"

namespace dravik::test {
namespace {

using Texts = std::vector<std::string>;

// A team window that runs the guard first on opening.
class GuardedWindow : public Form {
public:
    GuardedWindow(FormManager& forms, TestClient& t, OnBadTeam onBadTeam, Texts& seenAtClose)
        : Form(forms, "frmGuarded"), t_(t), onBadTeam_(onBadTeam), seenAtClose_(seenAtClose) {}
    bool passed = false;

private:
    void Form_Load() override { passed = GuardCurrentTeam(t_.env(), *this, onBadTeam_); }
    void Form_Unload() override { seenAtClose_ = t_.dialogs.messages(); }
    TestClient& t_;
    OnBadTeam onBadTeam_;
    Texts& seenAtClose_;
};

struct GuardCase {
    const char* name;
    int16_t team;
    OnBadTeam onBadTeam;
    bool passes;
};

class TeamGuard : public testing::TestWithParam<GuardCase> {};

TEST_P(TeamGuard, OpensForATeamAndOtherwiseRefuses) {
    const GuardCase& k = GetParam();
    TestClient t;
    frmMain& main = t.start();
    t.state().CurrentTeam = k.team;
    Texts seenAtClose{"not closed"};
    GuardedWindow* w = main.open<GuardedWindow>(t, k.onBadTeam, seenAtClose);

    const bool closes = !k.passes && k.onBadTeam == OnBadTeam::Close;
    EXPECT_EQ(w == nullptr, closes);
    EXPECT_EQ(t.app.forms().get<GuardedWindow>() == nullptr, closes);
    if (w) {
        EXPECT_EQ(w->passed, k.passes);
    }
    const Texts boxes = k.passes ? Texts{} : Texts{"Integrity Check Failed!"};
    EXPECT_EQ(t.dialogs.messages(), boxes);
    if (!k.passes) {
        EXPECT_EQ(t.dialogs.shown()[0].icon(), mb::Critical);
    }
    // A window that closes does so after the box.
    EXPECT_EQ(seenAtClose, closes ? boxes : Texts{"not closed"});
}

INSTANTIATE_TEST_SUITE_P(Teams, TeamGuard,
                         testing::Values(GuardCase{"FirstTeam", 1, OnBadTeam::Close, true},
                                         GuardCase{"LastTeam", 100, OnBadTeam::Close, true},
                                         GuardCase{"LastTeamStayOpen", 100, OnBadTeam::StayOpen, true},
                                         GuardCase{"NoTeamCloses", 0, OnBadTeam::Close, false},
                                         GuardCase{"Team101Closes", 101, OnBadTeam::Close, false},
                                         GuardCase{"NegativeTeamCloses", -3, OnBadTeam::Close, false},
                                         GuardCase{"NoTeamStaysOpen", 0, OnBadTeam::StayOpen, false},
                                         GuardCase{"Team101StaysOpen", 101, OnBadTeam::StayOpen, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// The team sheet as the hand-back finds it: by its name.
class StandInSheet : public Form {
public:
    explicit StandInSheet(FormManager& forms) : Form(forms, "frmTeam") {}
};

// A window that hands back with a step on the sheet, noting how it finds
// the sheet and itself.
class HandingBack : public Form {
public:
    HandingBack(FormManager& forms, TestClient& t, Texts& steps)
        : Form(forms, "frmHandingBack"), t_(t), steps_(steps) {}

private:
    void Form_Unload() override {
        ReturnToCaller(t_.app, *this, [this](Form& sheet) {
            steps_.push_back(sheet.Name() + (sheet.Visible() ? " shown" : " hidden") +
                             (Visible() ? ", closing window shown" : ""));
        });
    }
    TestClient& t_;
    Texts& steps_;
};

struct BackCase {
    const char* name;
    const char* caller;
    bool sheetLoaded;
    Texts steps;
    Texts boxes;
    bool backToSheet;
};

class HandBackStep : public testing::TestWithParam<BackCase> {};

TEST_P(HandBackStep, RunsOnTheSheetJustBeforeItIsShown) {
    const BackCase& k = GetParam();
    TestClient t;
    frmMain& main = t.start();
    StandInSheet* sheet = k.sheetLoaded ? main.open<StandInSheet>() : nullptr;
    Form& opener = sheet ? static_cast<Form&>(*sheet) : main;
    Texts steps;
    HandingBack* w = opener.open<HandingBack>(t, steps);
    ASSERT_NE(w, nullptr);
    t.state().CallerFormName = k.caller;

    ASSERT_TRUE(t.user.closeWindow(*w));
    EXPECT_EQ(steps, k.steps);
    EXPECT_EQ(t.dialogs.messages(), k.boxes);
    Form* back = k.backToSheet ? static_cast<Form*>(sheet) : &main;
    EXPECT_TRUE(back->Visible());
    EXPECT_EQ(t.app.forms().activeForm(), back);
}

INSTANTIATE_TEST_SUITE_P(
    Callers, HandBackStep,
    testing::Values(BackCase{"TheSheet", "Team", true, {"frmTeam hidden"}, {}, true},
                    BackCase{"TheMainWindow", "Main", true, {}, {}, false},
                    BackCase{"NoSheetLoaded", "Team", false, {}, {}, false},
                    BackCase{"AnUnknownCaller", "Roster", true, {}, {"Integrity Check Failed!"}, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dravik::test
