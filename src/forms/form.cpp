#include "forms/form.h"

#include "forms/form_manager.h"

namespace dravik {

Form::Form(FormManager& forms, std::string name) : forms_(&forms), name_(std::move(name)) {}

void Form::addControl(Control* c) { tabOrder_.push_back(c); }

void Form::changed(Prop what) {
    if (state_ == State::Constructing) return;
    forms_->notify(
        *this, what == Prop::Caption ? FormObserver::FormEvent::Caption : FormObserver::FormEvent::Geometry);
}

void Form::setCaption(std::string_view caption) {
    std::string c = cutAtNul(caption);
    if (c == caption_) return;
    caption_ = std::move(c);
    changed(Prop::Caption);
}

void Form::Move(int left, int top, int width, int height) {
    if (width < 0 || height < 0) raiseError(err::InvalidPropertyValue);
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    changed(Prop::Geometry);
}

void Form::CentreOnScreen() {
    FormManager::Screen s = forms_->screen();
    Move((s.width - width_) / 2, (s.height - height_) / 2, width_, height_);
}

void Form::Show() { forms_->show(*this); }

void Form::Hide() { forms_->hide(*this); }

bool Form::Unload() { return forms_->unload(*this); }

}  // namespace dravik
