#pragma once
// Dialogs that fail once, to drive a routine into its error handler: the
// first message box with the given prompt raises run-time error 6 instead of
// showing; every other box goes to the test's scripted dialogs.

#include <string>

#include "forms/dialogs.h"
#include "forms/runtime.h"
#include "test_env.h"

namespace dravik::test {

class FailingDialogs : public Dialogs {
public:
    FailingDialogs(ScriptedDialogs& inner, std::string failOn) : inner_(inner), failOn_(std::move(failOn)) {}

    int16_t messageBox(const std::string& prompt, int style, const std::string& title) override {
        if (!failed_ && prompt == failOn_) {
            failed_ = true;
            raiseError(err::Overflow);
        }
        return inner_.messageBox(prompt, style, title);
    }
    std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText,
                         bool masked) override {
        return inner_.inputBox(prompt, title, defaultText, masked);
    }
    std::optional<std::string> openFile(const OpenFileRequest& request) override {
        return inner_.openFile(request);
    }

    bool failed() const { return failed_; }

private:
    ScriptedDialogs& inner_;
    std::string failOn_;
    bool failed_ = false;
};

// The test's environment with other dialogs.
inline Env withDialogs(TestEnv& t, Dialogs& dialogs) {
    return Env{*t.league, *t.state, dialogs, t.settings, t.log, t.wait};
}

}  // namespace dravik::test
