#include "main/hand_over.h"

#include <string>

#include "forms/form_manager.h"
#include "league/env.h"
#include "main/client_app.h"
#include "main/frm_main.h"

namespace dravik {

bool GuardCurrentTeam(Env& env, Form& window, OnBadTeam onBadTeam) {
    const int16_t team = env.state.CurrentTeam;
    if (team >= 1 && team <= 100) return true;
    IntegrityCheckFailed(env);
    if (onBadTeam == OnBadTeam::Close) window.Unload();
    return false;
}

void ReturnToCaller(ClientApp& app, Form& window, const std::function<void(Form& sheet)>& beforeSheet) {
    window.Hide();
    const std::string& caller = app.env().state.CallerFormName;
    Form* back = nullptr;
    if (caller == "Team") {
        back = FindLoadedWindow(app.forms(), "frmTeam");
        if (back && beforeSheet) beforeSheet(*back);
    } else if (caller != "Main") {
        IntegrityCheckFailed(app.env());
    }
    if (!back) back = app.mainWindow();
    if (back) back->Show();
}

Form* FindLoadedWindow(FormManager& forms, std::string_view name) {
    for (Form* f : forms.loadedForms())
        if (f->Name() == name) return f;
    return nullptr;
}

}  // namespace dravik
