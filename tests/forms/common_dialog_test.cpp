// The file dialog as a window's open command uses it.

#include "forms/common_dialog.h"

#include <gtest/gtest.h>

#include "support/example_forms.h"

namespace dravik::test {
namespace {

using Lines = std::vector<std::string>;

class frmOpener : public Form {
public:
    frmOpener(FormManager& forms, Log& log) : Form(forms, "frmOpener"), log_(log) {
        mnuOpen.Click = [this] { mnuOpen_Click(); };
    }
    MenuItem mnuFile{this, "mnuFile", "&File"};
    MenuItem mnuOpen{mnuFile, "mnuOpen", "&Open ...", 'O'};
    CommonDialog dlgCommon{this, "dlgCommon"};

private:
    void mnuOpen_Click() {
        try {
            dlgCommon.setFileName("");
            dlgCommon.setCancelError(true);
            dlgCommon.setInitDir("/home/gm/Dravik");
            dlgCommon.setFlags(4);
            dlgCommon.setFilter("ZELT Client File (*.zcl) |*.zcl|All Files (*.*) | *.*");
            dlgCommon.ShowOpen();
            log_.add("open " + dlgCommon.FileName());
        } catch (const RuntimeError& e) {
            if (e.number() == err::CancelSelected) return;
            log_.add(errorText(e, " in mnuOpen!"));
        }
    }
    Log& log_;
};

TEST(CommonDialog, ShowOpenHandsOverItsSettingsAndACancelRaises32755) {
    for (bool cancel : {false, true}) {
        SCOPED_TRACE(cancel ? "cancelled" : "chosen");
        ScriptedDialogs dialogs;
        FormManager forms(dialogs, "Product");
        User user(forms);
        Log log;
        auto* f = forms.start<frmOpener>(log);
        dialogs.answerFile(cancel ? std::nullopt : std::optional<std::string>("/home/gm/Dravik/Sample.zcl"));
        EXPECT_TRUE(user.pressShortcut(*f, 'O'));
        EXPECT_EQ(log.lines, cancel ? Lines{} : Lines{"open /home/gm/Dravik/Sample.zcl"});
        ASSERT_EQ(dialogs.shown().size(), 1u);
        const auto& shown = dialogs.shown()[0];
        EXPECT_EQ(shown.kind, ScriptedDialogs::Kind::OpenFile);
        EXPECT_EQ(shown.prompt, "ZELT Client File (*.zcl) |*.zcl|All Files (*.*) | *.*");
        EXPECT_EQ(shown.initialFolder, "/home/gm/Dravik");
        EXPECT_EQ(shown.flags, 4);
        EXPECT_EQ(f->dlgCommon.FileName(), cancel ? "" : "/home/gm/Dravik/Sample.zcl");
    }
}

TEST(CommonDialog, WithoutCancelErrorACancelOnlyLeavesTheFileName) {
    ScriptedDialogs dialogs;
    FormManager forms(dialogs, "Product");
    Log log;
    auto* f = forms.start<frmOpener>(log);
    f->dlgCommon.setFileName("kept");
    f->dlgCommon.ShowOpen();  // unscripted: cancelled
    EXPECT_EQ(f->dlgCommon.FileName(), "kept");
}

}  // namespace
}  // namespace dravik::test
