#pragma once
// Menu items of a window's menu bar. A top-level item belongs to the form,
// the others to their parent item:
//     MenuItem mnuFile{this, "mnuFile", "&File"};
//     MenuItem mnuOpen{mnuFile, "mnuOpen", "&Open ...", 'O'};  // Ctrl+O
// An item is reachable only while it and every item above it are visible
// and enabled, in a visible window; an unreachable item's shortcut does
// nothing either.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/control.h"

namespace dravik {

class MenuItem {
public:
    MenuItem(Form* form, std::string name, std::string_view caption, char ctrlKey = 0);
    MenuItem(MenuItem& parent, std::string name, std::string_view caption, char ctrlKey = 0);
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;
    ~MenuItem();

    Form& form() const { return *form_; }
    MenuItem* parent() const { return parent_; }
    const std::vector<MenuItem*>& items() const { return items_; }
    const std::string& Name() const { return name_; }

    // With "&" before the access key and "&&" for a literal "&".
    const std::string& Caption() const { return caption_; }
    void setCaption(std::string_view caption);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);
    bool Visible() const { return visible_; }
    void setVisible(bool v);
    // The letter of its Ctrl shortcut in upper case, 0 = none.
    char Shortcut() const { return shortcut_; }
    void setShortcut(char ctrlKey);
    // "Ctrl+O", or empty.
    std::string shortcutText() const;

    bool reachable() const;

    std::function<void()> Click;

private:
    friend class User;
    void changed(Prop what);
    Form* form_;
    MenuItem* parent_ = nullptr;
    std::vector<MenuItem*> items_;
    std::string name_;
    std::string caption_;
    bool enabled_ = true;
    bool visible_ = true;
    char shortcut_ = 0;
};

}  // namespace dravik
