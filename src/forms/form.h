#pragma once
// A window of the program. Each window is a class derived from Form, with
// its controls as members and its handlers as member functions; the window
// manager (form_manager.h) creates the one instance of each window kind when
// it is loaded and releases it after it is unloaded, so the window's own
// variables start fresh at every load.
//
//     class frmAbout : public Form {
//     public:
//         explicit frmAbout(FormManager& forms) : Form(forms, "frmAbout") {
//             cmdExit.setCaption("Exit");
//             cmdExit.Click = [this] { Unload(); };
//         }
//         CommandButton cmdExit{this, "cmdExit"};
//     private:
//         void Form_Load() override { CentreOnScreen(); }
//         void Form_Unload() override { Hide(); ... show the window returned to ... }
//     };
//
// The constructor is the window's layout: captions, geometry, which controls
// start hidden; nothing fires while it runs. Form_Load runs when the window
// is loaded, before it is visible.

#include <string>
#include <string_view>
#include <vector>

#include "forms/control.h"

namespace dravik {

class MenuItem;

class Form {
public:
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form() = default;

    const std::string& Name() const { return name_; }
    FormManager& forms() const { return *forms_; }

    // Literal text: "&" is not special.
    const std::string& Caption() const { return caption_; }
    void setCaption(std::string_view caption);

    // Twips on the screen; Width and Height are the outer size, frame included.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void setLeft(int v) { Move(v, top_, width_, height_); }
    void setTop(int v) { Move(left_, v, width_, height_); }
    void setWidth(int v) { Move(left_, top_, v, height_); }
    void setHeight(int v) { Move(left_, top_, width_, v); }
    void Move(int left, int top, int width, int height);
    // Left = (screen width - Width) / 2, Top = (screen height - Height) / 2.
    void CentreOnScreen();

    // Not modal. Makes the window visible and the program's active window;
    // the first time, the focus goes to the first control of the tab order
    // that can take it. Does nothing on a window that has been unloaded.
    void Show();
    void Hide();
    // Runs Form_Unload, then closes the window; its instance is released
    // once the outermost handler running has returned. Returns false only
    // when the window stays open because the focused text box refused its
    // value (see FormManager::unload).
    bool Unload();
    bool Visible() const { return visible_; }
    // From the start of Form_Load until Form_Unload has returned.
    bool isLoaded() const { return state_ == State::Loaded || state_ == State::Unloading; }

    // The control holding the window's focus, or null.
    Control* ActiveControl() const { return focus_; }
    // Every control, in tab order.
    const std::vector<Control*>& tabOrder() const { return tabOrder_; }
    // Top-level menu items, in menu-bar order.
    const std::vector<MenuItem*>& menuBar() const { return menuBar_; }

    // False for a window that never takes activation (the wait window):
    // showing or closing it leaves the active window as it was.
    bool activates() const { return activates_; }

    // Loads window T (if not loaded), shows it and hides this window; null
    // when T closed itself while loading, and then this window stays as it
    // was. Defined in form_manager.h.
    template <class T, class... Args>
    T* open(Args&&... args);

protected:
    Form(FormManager& forms, std::string name);
    void setActivates(bool v) { activates_ = v; }

private:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}

    friend class FormManager;
    friend class Control;
    friend class MenuItem;
    friend class User;
    enum class State { Constructing, Loaded, Unloading, Unloaded };

    void addControl(Control* c);
    void changed(Prop what);

    FormManager* forms_;
    std::string name_;
    std::string caption_;
    int left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;
    State state_ = State::Constructing;
    bool visible_ = false;
    bool activates_ = true;
    Control* focus_ = nullptr;
    std::vector<Control*> tabOrder_;
    std::vector<MenuItem*> menuBar_;
};

}  // namespace dravik
