#include "forms/control.h"

#include <algorithm>
#include <stdexcept>

#include "forms/control_array.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/form_manager.h"

namespace dravik {

std::string cutAtNul(std::string_view text) {
    auto nul = text.find('\0');
    return std::string(nul == std::string_view::npos ? text : text.substr(0, nul));
}

void raiseMissingElement(int index) {
    throw RuntimeError(err::ControlArrayElementMissing,
                       "Control array element '" + std::to_string(index) + "' doesn't exist");
}

Control::Control(Form* form, std::string name, Kind kind) : form_(form), name_(std::move(name)), kind_(kind) {
    form_->addControl(this);
}

// Nothing is reported while the window is being built: the observer reads
// the whole window when it hears that it is loaded.
// Controls are members of their window and go with it; one that goes
// earlier leaves neither the tab order nor the focus pointing at it.
Control::~Control() {
    auto& order = form_->tabOrder_;
    order.erase(std::remove(order.begin(), order.end(), this), order.end());
    if (form_->focus_ == this) form_->focus_ = nullptr;
}

void Control::changed(Prop what) {
    if (form_->state_ != Form::State::Constructing) form_->forms_->notify(*this, what);
}

void Control::fire(const std::function<void()>& handler, const char* event) {
    if (!handler) return;
    form_->forms_->run(*form_, name_, event, handler);
}

void Control::setContainer(Frame& frame) {
    if (&frame.form() != form_) throw std::logic_error("a container must be on the same window");
    container_ = &frame;
    containerTab_ = 0;
    changed(Prop::Container);
}

void Control::setContainer(TabControl& tabs, int tab) {
    if (&tabs.form() != form_) throw std::logic_error("a container must be on the same window");
    if (tab < 0 || tab >= tabs.Tabs()) raiseError(err::InvalidPropertyValue);
    container_ = &tabs;
    containerTab_ = tab;
    changed(Prop::Container);
}

void Control::Move(int left, int top, int width, int height) {
    if (width < 0 || height < 0) raiseError(err::InvalidPropertyValue);
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    changed(Prop::Geometry);
}

void Control::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    changed(Prop::Visible);
}

void Control::setEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    changed(Prop::Enabled);
}

int Control::TabIndex() const {
    const auto& order = form_->tabOrder_;
    return static_cast<int>(std::find(order.begin(), order.end(), this) - order.begin());
}

void Control::setTabIndex(int index) {
    if (index < 0) raiseError(err::InvalidPropertyValue);
    auto& order = form_->tabOrder_;
    order.erase(std::find(order.begin(), order.end(), this));
    auto at = std::min<std::size_t>(static_cast<std::size_t>(index), order.size());
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(at), this);
    changed(Prop::TabOrder);
}

void Control::setTabStop(bool v) {
    if (v == tabStop_) return;
    tabStop_ = v;
    changed(Prop::TabOrder);
}

bool Control::focusable() const {
    switch (kind_) {
        case Kind::Label:
        case Kind::Frame:
        case Kind::Image:
            return false;
        default:
            return true;
    }
}

bool Control::shown() const {
    if (!visible_) return false;
    if (!container_) return form_->Visible();
    if (container_->kind() == Kind::TabControl &&
        static_cast<const TabControl*>(container_)->Tab() != containerTab_)
        return false;
    return container_->shown();
}

bool Control::reachable() const {
    if (form_->forms_->ended() || form_->state_ != Form::State::Loaded || !shown()) return false;
    for (const Control* c = this; c; c = c->container_)
        if (!c->enabled_) return false;
    return true;
}

void Control::SetFocus() {
    if (!canTakeFocus()) raiseError(err::InvalidCall);
    form_->forms_->moveFocus(*form_, this);
}

bool Control::hasFocus() const { return form_->focus_ == this; }

}  // namespace dravik
