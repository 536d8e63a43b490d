#include "forms/menu.h"

#include <algorithm>

#include "forms/form.h"
#include "forms/form_manager.h"

namespace dravik {
namespace {
char upperKey(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
}  // namespace

MenuItem::MenuItem(Form* form, std::string name, std::string_view caption, char ctrlKey)
    : form_(form), name_(std::move(name)), caption_(cutAtNul(caption)), shortcut_(upperKey(ctrlKey)) {
    form_->menuBar_.push_back(this);
}

MenuItem::MenuItem(MenuItem& parent, std::string name, std::string_view caption, char ctrlKey)
    : form_(parent.form_),
      parent_(&parent),
      name_(std::move(name)),
      caption_(cutAtNul(caption)),
      shortcut_(upperKey(ctrlKey)) {
    parent.items_.push_back(this);
}

MenuItem::~MenuItem() {
    auto& siblings = parent_ ? parent_->items_ : form_->menuBar_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    for (MenuItem* child : items_) child->parent_ = nullptr;
}

void MenuItem::changed(Prop what) {
    if (form_->state_ != Form::State::Constructing) form_->forms_->notify(*this, what);
}

void MenuItem::setCaption(std::string_view caption) {
    std::string c = cutAtNul(caption);
    if (c == caption_) return;
    caption_ = std::move(c);
    changed(Prop::Caption);
}

void MenuItem::setEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    changed(Prop::Enabled);
}

void MenuItem::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    changed(Prop::Visible);
}

void MenuItem::setShortcut(char ctrlKey) {
    shortcut_ = upperKey(ctrlKey);
    changed(Prop::Style);
}

std::string MenuItem::shortcutText() const {
    if (!shortcut_) return {};
    return std::string("Ctrl+") + shortcut_;
}

bool MenuItem::reachable() const {
    if (form_->forms_->ended() || form_->state_ != Form::State::Loaded || !form_->Visible()) return false;
    for (const MenuItem* m = this; m; m = m->parent_)
        if (!m->visible_ || !m->enabled_) return false;
    return true;
}

}  // namespace dravik
