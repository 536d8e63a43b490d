#pragma once
// What a user does, as calls: tests drive windows through these, and the Qt
// backend forwards every user action through them too, so the model alone
// decides which handlers run.
//
// Every action first checks that a user could reach its target (shown,
// enabled, in a visible window of a running program) and does nothing
// otherwise. An action on a control that takes the focus moves the focus
// there first: the text box that had it runs its LostFocus handler, and
// when that handler keeps or puts the focus elsewhere, the action stops
// there: the click, selection or scroll that moved the focus does not run.
// An action in a window that is not the active one activates it first.
//
// Each action returns true when it went through to its end.

#include <string_view>

namespace dravik {

class CommandButton;
class Control;
class Form;
class FormManager;
class ListBox;
class MenuItem;
class ScrollBar;
class TabControl;
class TextBox;

class User {
public:
    explicit User(FormManager& forms) : forms_(forms) {}

    // A click: the focus moves to a control that takes it, then a button
    // fires Click, a check box toggles, an option button turns True, a label
    // fires Click (labels take no focus: no LostFocus runs). On a text box,
    // list, scroll bar or tab strip it only moves the focus.
    bool click(Control& control);
    // The focus moves to the control without any further action (a press
    // on it, or reaching it by its access key).
    bool focus(Control& control);

    // Extended-selection keys held while clicking an entry.
    enum class Keys { None, Ctrl, Shift };
    // Clicks entry `index` of a list: selects it (in a multi-select list as
    // the keys say) and fires Click, even when it was selected already. An
    // index that is no entry does nothing.
    bool selectItem(ListBox& list, int index, Keys keys = Keys::None);
    // Click, then DblClick.
    bool doubleClickItem(ListBox& list, int index);
    // The second press of a double click on entry `index`: the first press
    // has already selected it and fired Click, so only DblClick fires. When
    // the entry under it is not the selected one, it is clicked first.
    bool finishDoubleClick(ListBox& list, int index);

    // The box's text after the user's editing: cut at a NUL, at the first
    // line break of a single-line box, and to MaxLength. Moves the focus into
    // the box first. Fires nothing.
    bool typeText(TextBox& box, std::string_view text);

    // Tab or Shift+Tab: the focus moves to the next (previous) control of the
    // tab order that has TabStop set and can take the focus.
    bool pressTab(Form& form, bool backwards = false);

    enum class Scroll { SmallUp, SmallDown, LargeUp, LargeDown, Track };
    // Up moves towards Max, down towards Min, by SmallChange or LargeChange,
    // stopping at the end; Track drags the thumb to value (kept in range).
    // Change fires when the value changes.
    bool scroll(ScrollBar& bar, Scroll how, int value = 0);

    // Clicks page `tab` of the strip.
    bool selectTab(TabControl& tabs, int tab);

    // Menu actions neither move the focus nor run LostFocus.
    bool clickMenu(MenuItem& item);
    // Ctrl+key: the first reachable item of the window's menus with that
    // shortcut.
    bool pressShortcut(Form& form, char key);
    // Alt+key: the first command button of the tab order whose caption has
    // that access key: focus, then click.
    bool pressAccessKey(Form& form, char key);

    // The window's close box: closes the window like Unload, unless the
    // focused text box refuses its value.
    bool closeWindow(Form& form);
    // Brings another visible window of the program to the front.
    bool activate(Form& form);

private:
    struct UserAction;
    bool prepare(Control& control);
    bool usable(Form& form) const;
    FormManager& forms_;
};

}  // namespace dravik
