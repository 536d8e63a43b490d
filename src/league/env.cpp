#include "league/env.h"

namespace dravik {

int16_t MsgBox(Env& env, const std::string& prompt, int style) {
    int16_t answer = env.dialogs.messageBox(prompt, style, ProductName);
    env.state.LastMsgBoxResult = answer;
    return answer;
}

void ShowErrorBox(Env& env, const RuntimeError& e, std::string_view closing) {
    MsgBox(env, errorText(e, closing), mb::OKOnly | mb::Critical);
}

void IntegrityCheckFailed(Env& env) { MsgBox(env, "Integrity Check Failed!", mb::OKOnly | mb::Critical); }

}  // namespace dravik
