#pragma once
// The common file dialog a window holds (dlgCommon): set its properties,
// call ShowOpen, read FileName back. Other windows may borrow it while its
// window is hidden. The dialog itself is the program's Dialogs service, modal
// to the whole program.

#include <string>
#include <string_view>

namespace dravik {

class Form;

class CommonDialog {
public:
    CommonDialog(Form* form, std::string name);
    CommonDialog(const CommonDialog&) = delete;
    CommonDialog& operator=(const CommonDialog&) = delete;

    Form& form() const { return *form_; }
    const std::string& Name() const { return name_; }

    // A native path; the chosen file after ShowOpen.
    const std::string& FileName() const { return fileName_; }
    void setFileName(std::string_view v) { fileName_ = v; }
    // When set, cancelling raises error 32755 ("Cancel was selected.").
    bool CancelError() const { return cancelError_; }
    void setCancelError(bool v) { cancelError_ = v; }
    const std::string& InitDir() const { return initDir_; }
    void setInitDir(std::string_view v) { initDir_ = v; }
    int Flags() const { return flags_; }
    void setFlags(int v) { flags_ = v; }
    // "description|pattern|description|pattern", stray blanks allowed.
    const std::string& Filter() const { return filter_; }
    void setFilter(std::string_view v) { filter_ = v; }

    // Shows the open dialog. A chosen file goes to FileName; on cancel
    // FileName stays as it was, and error 32755 is raised when CancelError is set.
    void ShowOpen();

private:
    Form* form_;
    std::string name_;
    std::string fileName_;
    bool cancelError_ = false;
    std::string initDir_;
    int flags_ = 0;
    std::string filter_;
};

}  // namespace dravik
