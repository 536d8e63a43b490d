#include "forms/form_manager.h"

#include <algorithm>
#include <new>

#include "forms/controls.h"

namespace dravik {

using FormEvent = FormObserver::FormEvent;

FormManager::FormManager(Dialogs& dialogs, std::string errorBoxTitle)
    : dialogs_(dialogs), errorBoxTitle_(std::move(errorBoxTitle)) {}

FormManager::~FormManager() {
    // The program is going away: no handler runs and nobody is told.
    observer_ = nullptr;
    ended_ = true;
    closed_.clear();
    live_.clear();
}

void FormManager::adopt(std::type_index kind, std::unique_ptr<Form> instance, bool asMain) {
    Form* form = instance.get();
    live_.push_back({kind, std::move(instance)});
    if (asMain) main_ = form;
    form->state_ = Form::State::Loaded;
    notify(*form, FormEvent::Loaded);
    run(*form, "Form", "Load", [form] { form->Form_Load(); });
}

Form* FormManager::find(std::type_index kind) const {
    for (const auto& e : live_)
        if (e.kind == kind && e.form->isLoaded()) return e.form.get();
    return nullptr;
}

bool FormManager::isLive(const Form* form) const {
    return std::any_of(live_.begin(), live_.end(), [form](const Entry& e) { return e.form.get() == form; });
}

std::vector<Form*> FormManager::loadedForms() const {
    std::vector<Form*> out;
    for (const auto& e : live_)
        if (e.form->isLoaded()) out.push_back(e.form.get());
    return out;
}

void FormManager::run(Form& form, std::string_view owner, std::string_view event,
                      const std::function<void()>& handler) {
    if (ended_ || !form.isLoaded() || !handler) return;
    Busy busy(*this);
    auto closing = [&] {
        return " in " + form.Name() + "." + std::string(owner) + "_" + std::string(event) + "!";
    };
    try {
        handler();
    } catch (const RuntimeError& e) {
        report(e, closing());
    } catch (const std::bad_alloc&) {
        report(RuntimeError(err::OutOfMemory), closing());
    } catch (const std::exception&) {
        // A fault of our own: the user sees it like any other error, and the
        // program goes on rather than ending with his work unsaved.
        report(RuntimeError(err::InternalError), closing());
    }
}

void FormManager::report(const RuntimeError& e, const std::string& closing) {
    if (reporter_)
        reporter_(e, closing);
    else
        dialogs_.messageBox(errorText(e, closing), mb::OKOnly | mb::Critical, errorBoxTitle_);
}

bool FormManager::show(Form& form) {
    if (ended_ || !isLive(&form) || form.state_ != Form::State::Loaded) return false;
    Busy busy(*this);
    if (!form.visible_) {
        form.visible_ = true;
        notify(form, FormEvent::Shown);
        if (!form.focus_ || !form.focus_->canTakeFocus()) setInitialFocus(form);
    }
    if (form.activates_) activate(form);
    return isLive(&form) && form.visible_;
}

void FormManager::setInitialFocus(Form& form) {
    Control* first = nullptr;
    for (Control* c : form.tabOrder_) {
        if (!c->canTakeFocus()) continue;
        if (c->TabStop()) {
            first = c;
            break;
        }
        if (!first) first = c;
    }
    if (first == form.focus_) return;
    form.focus_ = first;
    notify(form, FormEvent::Focus);
}

void FormManager::hide(Form& form) {
    if (!isLive(&form) || !form.visible_) return;
    Busy busy(*this);
    form.visible_ = false;
    notify(form, FormEvent::Hidden);
    if (active_ == &form) passActivation(form);
}

void FormManager::activate(Form& form) {
    if (active_ == &form) return;
    active_ = &form;
    activationOrder_.erase(std::remove(activationOrder_.begin(), activationOrder_.end(), &form),
                           activationOrder_.end());
    activationOrder_.push_back(&form);
    bool fresh = lastActive_ != &form;
    lastActive_ = &form;
    notify(form, FormEvent::Activated);
    if (fresh) run(form, "Form", "Activate", [&form] { form.Form_Activate(); });
}

// The active window went away: the most recently active window still
// visible takes over, as the desktop would hand it on.
void FormManager::passActivation(Form& from) {
    active_ = nullptr;
    for (auto it = activationOrder_.rbegin(); it != activationOrder_.rend(); ++it) {
        Form* f = *it;
        if (f != &from && f->visible_ && f->activates_ && f->state_ == Form::State::Loaded) {
            activate(*f);
            return;
        }
    }
}

bool FormManager::moveFocus(Form& form, Control* target) {
    Control* old = form.focus_;
    if (old == target) return true;
    Busy busy(*this);
    form.focus_ = target;
    notify(form, FormEvent::Focus);
    if (old && old->kind() == Control::Kind::TextBox && !old->inLostFocus_) {
        auto* box = static_cast<TextBox*>(old);
        box->inLostFocus_ = true;
        run(form, box->Name(), "LostFocus", box->LostFocus);
        box->inLostFocus_ = false;
    }
    return form.focus_ == target;
}

bool FormManager::unload(Form& form) {
    if (!isLive(&form) || form.state_ != Form::State::Loaded) return true;
    Busy busy(*this);
    // A closing window first hears the focused box's verdict on its value,
    // as a click on another control would have made it.
    if (userDepth_ > 0 && form.visible_ && form.focus_ && form.focus_->kind() == Control::Kind::TextBox) {
        Control* box = form.focus_;
        moveFocus(form, nullptr);
        if (!isLive(&form) || form.state_ != Form::State::Loaded) return true;
        if (form.focus_ == box) return false;
    }
    form.state_ = Form::State::Unloading;
    run(form, "Form", "Unload", [&form] { form.Form_Unload(); });
    if (ended_) return true;
    closeWithoutHandler(form);
    if (&form == main_) endProgram();
    return true;
}

void FormManager::closeWithoutHandler(Form& form) {
    auto it =
        std::find_if(live_.begin(), live_.end(), [&form](const Entry& e) { return e.form.get() == &form; });
    if (it == live_.end()) return;
    if (form.visible_) {
        form.visible_ = false;
        notify(form, FormEvent::Hidden);
    }
    if (active_ == &form) {
        if (ended_)
            active_ = nullptr;
        else
            passActivation(form);
    }
    activationOrder_.erase(std::remove(activationOrder_.begin(), activationOrder_.end(), &form),
                           activationOrder_.end());
    form.state_ = Form::State::Unloaded;
    notify(form, FormEvent::Unloaded);
    // passActivation may have run handlers that changed live_.
    it = std::find_if(live_.begin(), live_.end(), [&form](const Entry& e) { return e.form.get() == &form; });
    closed_.push_back(std::move(it->form));
    live_.erase(it);
}

void FormManager::endProgram() {
    if (ended_) return;
    Busy busy(*this);
    ended_ = true;
    active_ = nullptr;
    while (!live_.empty()) closeWithoutHandler(*live_.back().form);
    if (observer_) observer_->programEnded();
}

void FormManager::releaseClosed() {
    while (!closed_.empty()) {
        auto batch = std::move(closed_);
        closed_.clear();
        for (auto& f : batch) {
            notify(*f, FormEvent::Released);
            if (lastActive_ == f.get()) lastActive_ = nullptr;
            if (main_ == f.get()) main_ = nullptr;
        }
    }
}

}  // namespace dravik
