#pragma once
// Draws the forms layer's windows as Qt widgets and hands every user action
// back to the model through User, so that only the model fires events.
//
// The backend watches the window manager (FormObserver). When a window is
// loaded it builds the whole window: a top-level window with the menu bar
// and a client area in which every control sits at its twips position
// (relative to its frame or tab control); from then on each change the model
// reports is mirrored under a signal blocker. The window goes when the model
// releases it; the program's end quits the event loop.
//
// Geometry: a window's twips are its outer size. The client area is that
// size less a fixed frame (forms/metrics.h: 4 pixels each side, a 19-pixel
// title bar and a 20-pixel menu bar when the window has menus, at 96 dpi,
// scaled with the screen), so a control placed beyond the outer width really falls outside
// the window, whatever frame the desktop draws.
//
// Focus: Qt never moves the focus by itself (every widget has NoFocus).
// A press on a control that takes the focus, Tab and a button's access key
// ask the model first; when the model keeps the focus where it was (a text
// box refused its value), the press is swallowed. Qt's focus-out is never
// taken as a lost focus: menus and dialogs cause it too.
//
// Names: a screen reader reads each text box and list box by the text of
// the caption label that names it on screen (label_names.h), kept up with
// the label's caption; buttons, boxes with captions and labels read their
// own text, as Qt gives it.

#include <QObject>
#include <QPointer>
#include <map>

#include "forms/form_manager.h"
#include "forms/user.h"

class QAction;
class QWidget;
class QWindow;

namespace dravik {

class FormWindow;

class QtBackend : public FormObserver {
public:
    // Becomes the observer of forms and gives it the screen size.
    explicit QtBackend(FormManager& forms);
    ~QtBackend() override;
    QtBackend(const QtBackend&) = delete;
    QtBackend& operator=(const QtBackend&) = delete;

    FormManager& forms() const { return forms_; }
    User& user() { return user_; }
    double twipsPerPixel() const { return twipsPerPixel_; }

    // The top-level widget of a loaded window, the widget of a control, the
    // action of a menu item: null when there is none (tests, screenshots).
    // Each widget's object name is the control's name, with "(index)" for
    // an element of a control array.
    QWidget* window(const Form& form) const;
    QWidget* widget(const Control& control) const;
    QAction* action(const MenuItem& item) const;

    // Where a dialog goes: the program's active window while it is visible,
    // else any visible window of the program, else none.
    QWidget* dialogOwner() const;

    void formChanged(Form& form, FormEvent what) override;
    void controlChanged(Control& control, Prop what) override;
    void menuChanged(MenuItem& item, Prop what) override;
    void programEnded() override;

private:
    friend class FormWindow;
    FormWindow* windowOf(const Form& form) const;
    void focusWindowChanged(QWindow* now);

    FormManager& forms_;
    User user_;
    double twipsPerPixel_;
    std::map<const Form*, FormWindow*> windows_;
    QObject context_;  // owns the backend's own connections
    QPointer<QWindow> lastFocus_;
};

}  // namespace dravik
