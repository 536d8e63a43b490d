#include "forms/common_dialog.h"

#include "forms/dialogs.h"
#include "forms/form.h"
#include "forms/form_manager.h"
#include "forms/runtime.h"

namespace dravik {

CommonDialog::CommonDialog(Form* form, std::string name) : form_(form), name_(std::move(name)) {}

void CommonDialog::ShowOpen() {
    OpenFileRequest request;
    request.initialFolder = initDir_;
    request.filter = filter_;
    request.flags = flags_;
    std::optional<std::string> chosen = form_->forms().dialogs().openFile(request);
    if (chosen) {
        fileName_ = *chosen;
        return;
    }
    if (cancelError_) raiseError(err::CancelSelected);
}

}  // namespace dravik
