#pragma once
// The program's dialogs as real Qt dialogs: message boxes, the input box and
// Qt's own open-file dialog (never the desktop's, so that the start folder
// and the filters hold). Prompts, titles and answers are text of the system
// code page; paths stay native UTF-8.

#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <string_view>

#include "forms/dialogs.h"

class QWidget;

namespace dravik {

class QtDialogs : public Dialogs {
public:
    // The window a dialog is shown over (null: none, centred on the screen).
    using Owner = std::function<QWidget*()>;
    void setOwner(Owner owner) { owner_ = std::move(owner); }

    // The icon and buttons of the style; the first button is the default.
    // Escape answers OK in an OK box and Cancel where there is one; a Yes/No
    // box answers No.
    int16_t messageBox(const std::string& prompt, int style, const std::string& title) override;
    // Cancel gives the empty text, like an empty answer.
    std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText,
                         bool masked) override;
    std::optional<std::string> openFile(const OpenFileRequest& request) override;

    // Counts every dialog shown by any QtDialogs: a press that ran one (from a
    // lost-focus check) has lost its release to it.
    static int shownCount();

private:
    QWidget* owner() const { return owner_ ? owner_() : nullptr; }
    Owner owner_;
};

// A message box prompt as plain text: CR LF and lone CR become LF.
QString messageBoxText(std::string_view prompt);

// The name filters of the file dialog for a "description|pattern|..." filter:
// blanks around each part trimmed, a pattern list split on ";", "*.*" meaning
// every file, and the description's own "(...)" replaced by the patterns the
// dialog really applies: "All Files (*.*) | *.*" gives "All Files (*)". A
// description without a pattern is dropped.
QStringList fileDialogNameFilters(std::string_view filter);

}  // namespace dravik
