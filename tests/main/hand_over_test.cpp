// The team windows' opening guard, on a stand-in window over the real program.

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

}  // namespace
}  // namespace dravik::test
