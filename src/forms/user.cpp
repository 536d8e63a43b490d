#include "forms/user.h"

#include <algorithm>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/form_manager.h"
#include "forms/menu.h"

namespace dravik {
namespace {

char upperKey(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char lowerKey(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

MenuItem* findShortcut(const std::vector<MenuItem*>& items, char key) {
    for (MenuItem* m : items) {
        if (m->Shortcut() == key && m->reachable()) return m;
        if (MenuItem* found = findShortcut(m->items(), key)) return found;
    }
    return nullptr;
}

}  // namespace

// A user action in progress: closing a window from inside it runs the
// focused box's check, and closed windows are released when it ends.
struct User::UserAction {
    explicit UserAction(FormManager& m) : m(m), busy(m) { ++m.userDepth_; }
    ~UserAction() { --m.userDepth_; }
    UserAction(const UserAction&) = delete;
    UserAction& operator=(const UserAction&) = delete;
    FormManager& m;
    FormManager::Busy busy;
};

bool User::usable(Form& form) const {
    return !forms_.ended() && forms_.isLive(&form) && form.state_ == Form::State::Loaded && form.visible_;
}

bool User::prepare(Control& control) {
    if (!control.reachable()) return false;
    Form& form = control.form();
    if (form.activates() && forms_.activeForm() != &form) {
        forms_.activate(form);
        if (!control.reachable()) return false;
    }
    if (control.focusable()) {
        if (!forms_.moveFocus(form, &control)) return false;
        if (!control.reachable()) return false;
    }
    return true;
}

bool User::click(Control& control) {
    UserAction act(forms_);
    if (!prepare(control)) return false;
    control.userClick();
    return true;
}

bool User::focus(Control& control) {
    UserAction act(forms_);
    return control.focusable() && prepare(control);
}

bool User::selectItem(ListBox& list, int index, Keys keys) {
    UserAction act(forms_);
    if (index < 0 || index >= list.ListCount()) return false;
    if (!prepare(list)) return false;
    if (index >= list.ListCount()) return false;
    list.userPick(index, keys == Keys::Ctrl    ? ListBox::Pick::Ctrl
                         : keys == Keys::Shift ? ListBox::Pick::Shift
                                               : ListBox::Pick::Plain);
    return true;
}

bool User::doubleClickItem(ListBox& list, int index) {
    UserAction act(forms_);
    if (!selectItem(list, index)) return false;
    if (!list.reachable()) return false;
    list.fire(list.DblClick, "DblClick");
    return true;
}

bool User::finishDoubleClick(ListBox& list, int index) {
    UserAction act(forms_);
    if (index < 0 || index >= list.ListCount()) return false;
    if (list.ListIndex() != index || !list.hasFocus()) return doubleClickItem(list, index);
    if (!list.reachable()) return false;
    list.fire(list.DblClick, "DblClick");
    return true;
}

bool User::typeText(TextBox& box, std::string_view text) {
    UserAction act(forms_);
    if (!prepare(box)) return false;
    box.userType(text);
    return true;
}

bool User::pressTab(Form& form, bool backwards) {
    UserAction act(forms_);
    if (!usable(form)) return false;
    if (form.activates() && forms_.activeForm() != &form) forms_.activate(form);
    const auto order = form.tabOrder_;
    const int n = static_cast<int>(order.size());
    if (n == 0) return false;
    int start = static_cast<int>(std::find(order.begin(), order.end(), form.focus_) - order.begin());
    if (start == n) start = backwards ? 0 : -1;
    const int dir = backwards ? -1 : 1;
    for (int k = 1; k <= n; ++k) {
        Control* c = order[static_cast<std::size_t>(((start + dir * k) % n + n) % n)];
        if (c->TabStop() && c->canTakeFocus()) return forms_.moveFocus(form, c);
    }
    return false;
}

bool User::scroll(ScrollBar& bar, Scroll how, int value) {
    UserAction act(forms_);
    if (!prepare(bar)) return false;
    int next = bar.Value();
    switch (how) {
        case Scroll::SmallUp:
            next = bar.step(bar.SmallChange());
            break;
        case Scroll::SmallDown:
            next = bar.step(-bar.SmallChange());
            break;
        case Scroll::LargeUp:
            next = bar.step(bar.LargeChange());
            break;
        case Scroll::LargeDown:
            next = bar.step(-bar.LargeChange());
            break;
        case Scroll::Track:
            next = std::clamp(value, std::min(bar.Min(), bar.Max()), std::max(bar.Min(), bar.Max()));
            break;
    }
    bar.setValue(next);
    return true;
}

bool User::selectTab(TabControl& tabs, int tab) {
    UserAction act(forms_);
    if (tab < 0 || tab >= tabs.Tabs()) return false;
    if (!prepare(tabs)) return false;
    tabs.setTab(tab);
    return true;
}

bool User::clickMenu(MenuItem& item) {
    UserAction act(forms_);
    if (!item.reachable()) return false;
    Form& form = item.form();
    if (form.activates() && forms_.activeForm() != &form) {
        forms_.activate(form);
        if (!item.reachable()) return false;
    }
    forms_.run(form, item.Name(), "Click", item.Click);
    return true;
}

bool User::pressShortcut(Form& form, char key) {
    UserAction act(forms_);
    if (!usable(form) || key == 0) return false;
    MenuItem* item = findShortcut(form.menuBar_, upperKey(key));
    return item && clickMenu(*item);
}

bool User::pressAccessKey(Form& form, char key) {
    UserAction act(forms_);
    if (!usable(form) || key == 0) return false;
    for (Control* c : form.tabOrder_) {
        if (c->kind() != Control::Kind::CommandButton || !c->reachable()) continue;
        if (captionAccessKey(static_cast<CommandButton*>(c)->Caption()) == lowerKey(key)) return click(*c);
    }
    return false;
}

bool User::closeWindow(Form& form) {
    UserAction act(forms_);
    if (!usable(form)) return false;
    if (form.activates() && forms_.activeForm() != &form) forms_.activate(form);
    return forms_.unload(form);
}

bool User::activate(Form& form) {
    UserAction act(forms_);
    if (!usable(form) || !form.activates()) return false;
    forms_.activate(form);
    return true;
}

}  // namespace dravik
