#pragma once
// The window manager: loads, shows, hides and unloads the program's windows,
// keeps the active window and fires Activate, releases closed windows, ends
// the program, and runs every handler so that a run-time error escaping it
// is shown and never ends the program.
//
// Rules it keeps:
// - One instance per window kind. No window is ever loaded implicitly:
//   get<T>() of a window that is not loaded is null.
// - A window's instance is released only after the outermost handler
//   running has returned, so code may go on after Unload inside a handler
//   (a Load handler that closes its own window part way).
// - A window closed by its own Load is not revived: load<T>() and open<T>()
//   return null, Show does nothing on it, and open<T>() leaves its opener as
//   it was.
// - Activate fires when a window becomes the program's active window after
//   another of its windows (its first Show included). Message boxes and
//   other dialogs never change the active window, nor does a window that
//   does not take activation (the wait window).
// - Unloading the main window ends the program: the other windows are
//   closed without their Unload handlers and no handler runs afterwards.
//   Hiding every window does not end it.
// - Before a window that a user action closes (its close box, or Unload from
//   a handler of a user action such as an Exit button or menu), the focused
//   text box of that window runs its LostFocus check; when the check returns
//   the focus to the box, the window stays open with the focus in the box.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <utility>
#include <vector>

#include "forms/dialogs.h"
#include "forms/form.h"
#include "forms/runtime.h"

namespace dravik {

class MenuItem;

// Mirrors model changes to a real user interface. All calls are made
// synchronously, after the change.
class FormObserver {
public:
    enum class FormEvent { Loaded, Caption, Geometry, Shown, Hidden, Activated, Focus, Unloaded, Released };
    virtual ~FormObserver() = default;
    virtual void formChanged(Form&, FormEvent) {}
    virtual void controlChanged(Control&, Prop) {}
    virtual void menuChanged(MenuItem&, Prop) {}
    virtual void programEnded() {}
};

class FormManager {
public:
    // Screen size in twips.
    struct Screen {
        int width = 28800;  // 1920 pixels at 15 twips each
        int height = 16200;
    };
    // Shows a run-time error that escaped a handler; closing is the text
    // after the description.
    using ErrorReporter = std::function<void(const RuntimeError&, const std::string& closing)>;

    // Escaped errors are shown by default as a critical box with the given
    // title through dialogs.
    FormManager(Dialogs& dialogs, std::string errorBoxTitle);
    ~FormManager();
    FormManager(const FormManager&) = delete;
    FormManager& operator=(const FormManager&) = delete;

    Dialogs& dialogs() const { return dialogs_; }
    Screen screen() const { return screen_; }
    void setScreen(Screen s) { screen_ = s; }
    void setObserver(FormObserver* observer) { observer_ = observer; }
    void setErrorReporter(ErrorReporter reporter) { reporter_ = std::move(reporter); }

    // Loads T as the main window and shows it. Null when it closed itself or
    // ended the program while loading.
    template <class T, class... Args>
    T* start(Args&&... args) {
        Busy busy(*this);
        T* main = create<T>(true, std::forward<Args>(args)...);
        if (!main) return nullptr;
        show(*main);
        return isLive(main) ? main : nullptr;
    }

    // Loads T: creates its instance and runs its Form_Load. A loaded T is
    // returned as it is. Null when the window closed itself while loading.
    template <class T, class... Args>
    T* load(Args&&... args) {
        Busy busy(*this);
        if (T* loaded = get<T>()) return loaded;
        return create<T>(false, std::forward<Args>(args)...);
    }

    // The hand-over: load T, show it, then hide the opener. Null when T did
    // not survive its loading (the opener is then neither hidden nor changed).
    template <class T, class... Args>
    T* open(Form& opener, Args&&... args) {
        Busy busy(*this);
        T* window = load<T>(std::forward<Args>(args)...);
        if (!window) return nullptr;
        show(*window);
        if (!isLive(window) || !window->Visible()) return nullptr;
        hide(opener);
        return window;
    }

    // The loaded instance of T, or null. Never loads.
    template <class T>
    T* get() const {
        Form* f = find(typeid(T));
        return f ? static_cast<T*>(f) : nullptr;
    }
    template <class T>
    bool isLoaded() const {
        return get<T>() != nullptr;
    }
    // Readable without loading the window.
    template <class T>
    bool isVisible() const {
        T* f = get<T>();
        return f && f->Visible();
    }

    bool show(Form& form);
    void hide(Form& form);
    // Returns true when the window is closed (or was already); false when it
    // stays open because the focused text box refused its value.
    bool unload(Form& form);
    // Ends the program at once: every window closes without its Unload
    // handler; no handler runs afterwards. The handler that calls it should
    // return.
    void endProgram();
    bool ended() const { return ended_; }

    Form* mainForm() const { return main_; }
    Form* activeForm() const { return active_; }
    // Loaded windows, in the order they were loaded.
    std::vector<Form*> loadedForms() const;

    // Runs handler of form the way every event handler runs: not at all when
    // the program has ended or the form is not loaded; a RuntimeError (or an
    // exhausted memory) escaping it is shown with the closing text
    // " in <form>.<owner>_<event>!" and swallowed. Public for the seams that
    // run a routine as if it were a handler.
    void run(Form& form, std::string_view owner, std::string_view event,
             const std::function<void()>& handler);

    // True while a handler or a manager call is running.
    bool busy() const { return depth_ > 0; }

private:
    friend class Control;
    friend class Form;
    friend class User;
    friend class TabControl;
    friend class MenuItem;

    // Counts the calls in progress; the outermost releases closed windows.
    struct Busy {
        explicit Busy(FormManager& m) : m(m) { ++m.depth_; }
        ~Busy() {
            if (--m.depth_ == 0) m.releaseClosed();
        }
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;
        FormManager& m;
    };

    template <class T, class... Args>
    T* create(bool asMain, Args&&... args) {
        static_assert(std::is_base_of_v<Form, T>, "a window derives from Form");
        if (ended_) return nullptr;
        auto instance = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T* raw = instance.get();
        adopt(typeid(T), std::move(instance), asMain);
        return isLive(raw) ? raw : nullptr;
    }
    void adopt(std::type_index kind, std::unique_ptr<Form> form, bool asMain);
    Form* find(std::type_index kind) const;
    bool isLive(const Form* form) const;
    void closeWithoutHandler(Form& form);
    void releaseClosed();
    void activate(Form& form);
    void passActivation(Form& from);
    void setInitialFocus(Form& form);
    // Moves the focus of form to target (null: nowhere), running the LostFocus
    // handler of the control that had it. True when the focus is on target
    // afterwards, false when a handler put it elsewhere.
    bool moveFocus(Form& form, Control* target);
    void report(const RuntimeError& e, const std::string& closing);

    void notify(Form& form, FormObserver::FormEvent what) {
        if (observer_) observer_->formChanged(form, what);
    }
    void notify(Control& control, Prop what) {
        if (observer_) observer_->controlChanged(control, what);
    }
    void notify(MenuItem& item, Prop what) {
        if (observer_) observer_->menuChanged(item, what);
    }

    struct Entry {
        std::type_index kind;
        std::unique_ptr<Form> form;
    };

    Dialogs& dialogs_;
    std::string errorBoxTitle_;
    ErrorReporter reporter_;
    FormObserver* observer_ = nullptr;
    Screen screen_;
    std::vector<Entry> live_;                    // loaded windows, load order
    std::vector<std::unique_ptr<Form>> closed_;  // unloaded, waiting for release
    std::vector<Form*> activationOrder_;         // live windows, least recently active first
    Form* main_ = nullptr;
    Form* active_ = nullptr;
    const Form* lastActive_ = nullptr;  // stays set while no window is active
    int depth_ = 0;
    int userDepth_ = 0;  // inside a user action
    bool ended_ = false;
};

template <class T, class... Args>
T* Form::open(Args&&... args) {
    return forms_->open<T>(*this, std::forward<Args>(args)...);
}

}  // namespace dravik
