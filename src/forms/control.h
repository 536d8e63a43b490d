#pragma once
// The base of every control of a window: its name and index, where it sits
// (form, frame or tab page), its twips geometry, visibility, enabled state and
// place in the tab order.
//
// A control is a member of its window class, built with the window:
//     Label lblDate{this, "lblDate"};
// What the window's constructor sets is the control's layout; nothing fires
// then. Once the window is loaded, every change made by code fires the
// control's handlers at once (see each control), through the window manager,
// which catches a run-time error escaping a handler and shows it.

#include <functional>
#include <string>
#include <string_view>

namespace dravik {

class Form;
class FormManager;
class Frame;
class TabControl;
class User;

// What changed, reported to the observer that mirrors the model.
enum class Prop {
    Caption,   // caption of a label, button, check or option box, frame; a form's caption
    Text,      // a text box's text
    Geometry,  // left, top, width, height
    Visible,
    Enabled,
    TabOrder,   // tab index or tab stop
    Container,  // frame or tab page
    Value,      // check box, option button, scroll bar
    Range,      // scroll bar min, max, small and large change
    Items,      // list entries added, removed, rewritten or cleared (re-read the selection too)
    Selection,  // list index, selected entries
    Tabs,       // a tab control's pages or their captions
    CurrentTab,
    Picture,
    Style,  // design properties: max length, multi-line, sorted, multi-select, shortcut
};

// The text a text box or label holds ends at its first NUL: a cleared
// fixed-length text of NULs shows empty.
std::string cutAtNul(std::string_view text);

class Control {
public:
    enum class Kind {
        Label,
        TextBox,
        ListBox,
        CheckBox,
        OptionButton,
        CommandButton,
        Frame,
        ScrollBar,
        TabControl,
        Image
    };

    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    Kind kind() const { return kind_; }
    Form& form() const { return *form_; }
    const std::string& Name() const { return name_; }
    // The element's index in its control array; -1 for a control on its own.
    int Index() const { return index_; }

    // The frame or tab control holding the control; null when it sits on the
    // form itself. ContainerTab is its page on a tab control.
    Control* Container() const { return container_; }
    int ContainerTab() const { return containerTab_; }
    void setContainer(Frame& frame);
    void setContainer(TabControl& tabs, int tab);

    // Twips, relative to the container.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void setLeft(int v) { Move(v, top_, width_, height_); }
    void setTop(int v) { Move(left_, v, width_, height_); }
    void setWidth(int v) { Move(left_, top_, v, height_); }
    void setHeight(int v) { Move(left_, top_, width_, v); }
    void Move(int left, int top, int width, int height);

    // The control's own flags; whether it can be seen or used also depends on
    // its containers and its window (shown, reachable).
    bool Visible() const { return visible_; }
    void setVisible(bool v);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);

    // Position in the window's tab order, from 0. Setting it moves the
    // control there and shifts the others; a number past the end puts it last.
    int TabIndex() const;
    void setTabIndex(int index);
    bool TabStop() const { return tabStop_; }
    void setTabStop(bool v);

    // Buttons, boxes, lists, scroll bars and tab strips take the focus;
    // labels, frames and images never do.
    bool focusable() const;
    // Visible with all its containers, on the current page of a tab control,
    // in a visible window.
    bool shown() const;
    // Shown, enabled with all its containers, in a loaded window of a running
    // program: a user can reach it.
    bool reachable() const;
    bool canTakeFocus() const { return focusable() && reachable(); }

    // Gives the control the focus; the control that had it runs its
    // LostFocus handler at once. A control that cannot take the focus now
    // (hidden, disabled, in a hidden window) raises error 5.
    void SetFocus();
    bool hasFocus() const;

protected:
    Control(Form* form, std::string name, Kind kind);
    void changed(Prop what);
    // Runs a handler of this control through the window manager.
    void fire(const std::function<void()>& handler, const char* event);
    // What a user's click does once the focus has moved to the control.
    virtual void userClick() {}

private:
    friend class User;
    template <class T>
    friend class ControlArray;
    friend class FormManager;

    Form* form_;
    std::string name_;
    Kind kind_;
    int index_ = -1;
    Control* container_ = nullptr;
    int containerTab_ = 0;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    bool tabStop_ = true;
    bool inLostFocus_ = false;  // a LostFocus handler is never re-entered for the same control
};

}  // namespace dravik
