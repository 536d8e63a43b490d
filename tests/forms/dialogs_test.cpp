#include "forms/dialogs.h"

#include <gtest/gtest.h>

namespace dravik {
namespace {

TEST(ScriptedDialogs, RecordsBoxesAndReplaysAnswers) {
    ScriptedDialogs d;
    d.answerMessage(mb::No);
    d.answerInput("secret");
    EXPECT_EQ(d.messageBox("Sure?", mb::YesNo | mb::Question, "T"), mb::No);
    EXPECT_EQ(d.messageBox("Again?", mb::YesNo | mb::Question, "T"), mb::Yes);  // first button
    EXPECT_EQ(d.messageBox("Done", mb::OKOnly | mb::Information, "T"), mb::OK);
    EXPECT_EQ(d.inputBox("Password Required!", "T", "", true), "secret");
    EXPECT_EQ(d.inputBox("Password Required!", "T", "", true), "");  // unscripted = Cancel
    EXPECT_FALSE(d.openFile({"/tmp", "All|*.*", 4}).has_value());
    ASSERT_EQ(d.shown().size(), 6u);
    EXPECT_EQ(d.shown()[0].icon(), mb::Question);
    EXPECT_EQ(d.shown()[0].buttons(), mb::YesNo);
    EXPECT_TRUE(d.shown()[3].masked);
    EXPECT_EQ(d.shown()[5].initialFolder, "/tmp");
    EXPECT_EQ(d.messages(), (std::vector<std::string>{"Sure?", "Again?", "Done"}));
    EXPECT_TRUE(d.allAnswered());
}

}  // namespace
}  // namespace dravik
