#include "forms/controls.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "forms/form.h"
#include "forms/form_manager.h"
#include "forms/list_order.h"
#include "forms/runtime.h"

namespace dravik {
namespace {

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string captionDisplayText(std::string_view caption) {
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') {
            out += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
            out += '&';
            ++i;
        }
    }
    return out;
}

char captionAccessKey(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return asciiLower(caption[i + 1]);
    }
    return 0;
}

// --- Label

Label::Label(Form* form, std::string name) : Control(form, std::move(name), Kind::Label) {}

void Label::setCaption(std::string_view caption) {
    std::string c = cutAtNul(caption);
    if (c == caption_) return;
    caption_ = std::move(c);
    changed(Prop::Caption);
}

void Label::userClick() { fire(Click, "Click"); }

// --- TextBox

TextBox::TextBox(Form* form, std::string name) : Control(form, std::move(name), Kind::TextBox) {}

void TextBox::setText(std::string_view text) {
    std::string t = cutAtNul(text);
    if (t == text_) return;
    text_ = std::move(t);
    changed(Prop::Text);
}

void TextBox::setMaxLength(int n) {
    if (n < 0) raiseError(err::InvalidPropertyValue);
    maxLength_ = n;
    changed(Prop::Style);
}

void TextBox::setMultiLine(bool v) {
    multiLine_ = v;
    changed(Prop::Style);
}

void TextBox::userType(std::string_view text) {
    std::string t = cutAtNul(text);
    if (!multiLine_) {
        auto br = t.find_first_of("\r\n");
        if (br != std::string::npos) t.resize(br);
    }
    if (maxLength_ > 0 && t.size() > static_cast<std::size_t>(maxLength_))
        t.resize(static_cast<std::size_t>(maxLength_));
    // Reported even when unchanged, so a backend that showed more than the
    // box accepts puts the box's text back.
    text_ = std::move(t);
    changed(Prop::Text);
}

// --- ListBox

ListBox::ListBox(Form* form, std::string name) : Control(form, std::move(name), Kind::ListBox) {}

void ListBox::setSorted(bool v) {
    sorted_ = v;
    changed(Prop::Style);
}

void ListBox::setMultiSelect(bool extended) {
    if (extended == multi_) return;
    multi_ = extended;
    for (std::size_t i = 0; i < items_.size(); ++i)
        items_[i].selected = extended && static_cast<int>(i) == listIndex_;
    anchor_ = listIndex_;
    changed(Prop::Style);
}

void ListBox::checkIndex(int index, int error) const {
    if (index < 0 || index >= ListCount()) raiseError(error);
}

void ListBox::AddItem(std::string_view text) {
    Item item{cutAtNul(text), 0, false};
    auto at = items_.end();
    if (sorted_)
        at = std::upper_bound(
            items_.begin(), items_.end(), item.text,
            [](const std::string& t, const Item& e) { return compareListText(t, e.text) < 0; });
    int pos = static_cast<int>(at - items_.begin());
    items_.insert(at, std::move(item));
    if (listIndex_ >= pos) ++listIndex_;
    if (anchor_ >= pos) ++anchor_;
    newIndex_ = pos;
    changed(Prop::Items);
}

void ListBox::AddItems(std::span<const ListEntry> entries) {
    if (entries.empty()) return;
    std::vector<Item> added;
    added.reserve(entries.size());
    for (const auto& e : entries) added.push_back(Item{cutAtNul(e.text), e.data, false});
    if (!sorted_) {
        items_.insert(items_.end(), std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
        newIndex_ = ListCount() - 1;
        changed(Prop::Items);
        return;
    }
    // Sorting the batch stably and merging it behind equal entries already
    // there gives the places one insertion after another would.
    std::vector<std::size_t> order(added.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return compareListText(added[a].text, added[b].text) < 0;
    });
    std::vector<Item> merged;
    merged.reserve(items_.size() + added.size());
    int listIndex = -1, anchor = -1, newIndex = -1;
    std::size_t old = 0, next = 0;
    auto takeOld = [&] {
        const int at = static_cast<int>(merged.size());
        if (static_cast<int>(old) == listIndex_) listIndex = at;
        if (static_cast<int>(old) == anchor_) anchor = at;
        merged.push_back(std::move(items_[old++]));
    };
    auto takeNew = [&] {
        if (order[next] == added.size() - 1) newIndex = static_cast<int>(merged.size());
        merged.push_back(std::move(added[order[next++]]));
    };
    while (old < items_.size() && next < order.size()) {
        if (compareListText(added[order[next]].text, items_[old].text) < 0)
            takeNew();
        else
            takeOld();
    }
    while (old < items_.size()) takeOld();
    while (next < order.size()) takeNew();
    items_ = std::move(merged);
    listIndex_ = listIndex;
    anchor_ = anchor;
    newIndex_ = newIndex;
    changed(Prop::Items);
}

void ListBox::RemoveItem(int index) {
    checkIndex(index, err::InvalidCall);
    items_.erase(items_.begin() + index);
    auto shift = [index](int& i) {
        if (i == index)
            i = -1;
        else if (i > index)
            --i;
    };
    shift(listIndex_);
    shift(anchor_);
    newIndex_ = -1;
    changed(Prop::Items);
}

void ListBox::Clear() {
    items_.clear();
    listIndex_ = newIndex_ = anchor_ = -1;
    changed(Prop::Items);
}

const std::string& ListBox::List(int index) const {
    checkIndex(index, err::InvalidPropertyArrayIndex);
    return items_[static_cast<std::size_t>(index)].text;
}

void ListBox::setList(int index, std::string_view text) {
    checkIndex(index, err::InvalidPropertyArrayIndex);
    items_[static_cast<std::size_t>(index)].text = cutAtNul(text);
    changed(Prop::Items);
}

int32_t ListBox::ItemData(int index) const {
    checkIndex(index, err::InvalidPropertyArrayIndex);
    return items_[static_cast<std::size_t>(index)].data;
}

void ListBox::setItemData(int index, int32_t data) {
    checkIndex(index, err::InvalidPropertyArrayIndex);
    items_[static_cast<std::size_t>(index)].data = data;
}

void ListBox::setListIndex(int index) {
    if (index < -1 || index >= ListCount()) raiseError(err::InvalidPropertyValue);
    listIndex_ = index;
    if (multi_ && index >= 0) {
        items_[static_cast<std::size_t>(index)].selected = true;
        anchor_ = index;
    }
    changed(Prop::Selection);
    fire(Click, "Click");
}

bool ListBox::Selected(int index) const {
    checkIndex(index, err::InvalidPropertyArrayIndex);
    return multi_ ? items_[static_cast<std::size_t>(index)].selected : index == listIndex_;
}

void ListBox::setSelected(int index, bool selected) {
    checkIndex(index, err::InvalidPropertyArrayIndex);
    if (multi_)
        items_[static_cast<std::size_t>(index)].selected = selected;
    else if (selected)
        listIndex_ = index;
    else if (listIndex_ == index)
        listIndex_ = -1;
    changed(Prop::Selection);
    fire(Click, "Click");
}

int ListBox::SelCount() const {
    if (!multi_) return listIndex_ >= 0 ? 1 : 0;
    return static_cast<int>(
        std::count_if(items_.begin(), items_.end(), [](const Item& i) { return i.selected; }));
}

void ListBox::userPick(int index, Pick how) {
    if (!multi_) how = Pick::Plain;
    switch (how) {
        case Pick::Plain:
            for (auto& i : items_) i.selected = false;
            if (multi_) items_[static_cast<std::size_t>(index)].selected = true;
            anchor_ = index;
            break;
        case Pick::Ctrl: {
            auto& item = items_[static_cast<std::size_t>(index)];
            item.selected = !item.selected;
            anchor_ = index;
            break;
        }
        case Pick::Shift: {
            int from = anchor_ >= 0 ? anchor_ : index;
            int lo = std::min(from, index), hi = std::max(from, index);
            for (int i = 0; i < ListCount(); ++i)
                items_[static_cast<std::size_t>(i)].selected = i >= lo && i <= hi;
            break;
        }
    }
    listIndex_ = index;
    changed(Prop::Selection);
    fire(Click, "Click");
}

// --- CheckBox

CheckBox::CheckBox(Form* form, std::string name) : Control(form, std::move(name), Kind::CheckBox) {}

void CheckBox::setCaption(std::string_view caption) {
    std::string c = cutAtNul(caption);
    if (c == caption_) return;
    caption_ = std::move(c);
    changed(Prop::Caption);
}

void CheckBox::setValue(int v) {
    if (v != 0 && v != 1) raiseError(err::InvalidPropertyValue);
    if (v == value_) return;
    value_ = v;
    changed(Prop::Value);
    fire(Click, "Click");
}

void CheckBox::userClick() { setValue(value_ ? 0 : 1); }

// --- OptionButton

OptionButton::OptionButton(Form* form, std::string name)
    : Control(form, std::move(name), Kind::OptionButton) {}

void OptionButton::setCaption(std::string_view caption) {
    std::string c = cutAtNul(caption);
    if (c == caption_) return;
    caption_ = std::move(c);
    changed(Prop::Caption);
}

void OptionButton::setValue(bool v) {
    if (v == value_) return;
    if (v) {
        for (Control* c : form().tabOrder()) {
            if (c == this || c->kind() != Kind::OptionButton || c->Container() != Container()) continue;
            auto* other = static_cast<OptionButton*>(c);
            if (!other->value_) continue;
            other->value_ = false;
            other->changed(Prop::Value);
        }
    }
    value_ = v;
    changed(Prop::Value);
    if (v) fire(Click, "Click");
}

void OptionButton::userClick() { setValue(true); }

// --- CommandButton

CommandButton::CommandButton(Form* form, std::string name)
    : Control(form, std::move(name), Kind::CommandButton) {}

void CommandButton::setCaption(std::string_view caption) {
    std::string c = cutAtNul(caption);
    if (c == caption_) return;
    caption_ = std::move(c);
    changed(Prop::Caption);
}

void CommandButton::userClick() { fire(Click, "Click"); }

// --- Frame

Frame::Frame(Form* form, std::string name) : Control(form, std::move(name), Kind::Frame) {}

void Frame::setCaption(std::string_view caption) {
    std::string c = cutAtNul(caption);
    if (c == caption_) return;
    caption_ = std::move(c);
    changed(Prop::Caption);
}

// --- ScrollBar

namespace {
void check16(int v) {
    if (v < INT16_MIN || v > INT16_MAX) raiseError(err::InvalidPropertyValue);
}
void checkStep(int v) {
    if (v < 1 || v > INT16_MAX) raiseError(err::InvalidPropertyValue);
}
}  // namespace

ScrollBar::ScrollBar(Form* form, std::string name, Orientation orientation)
    : Control(form, std::move(name), Kind::ScrollBar), orientation_(orientation) {}

void ScrollBar::setMin(int v) {
    check16(v);
    min_ = v;
    changed(Prop::Range);
    clampToRange();
}

void ScrollBar::setMax(int v) {
    check16(v);
    max_ = v;
    changed(Prop::Range);
    clampToRange();
}

void ScrollBar::setSmallChange(int v) {
    checkStep(v);
    small_ = v;
    changed(Prop::Range);
}

void ScrollBar::setLargeChange(int v) {
    checkStep(v);
    large_ = v;
    changed(Prop::Range);
}

void ScrollBar::setValue(int v) {
    if (v < std::min(min_, max_) || v > std::max(min_, max_)) raiseError(err::InvalidPropertyValue);
    if (v == value_) return;
    value_ = v;
    changed(Prop::Value);
    fire(Change, "Change");
}

void ScrollBar::clampToRange() {
    int v = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
    if (v != value_) setValue(v);
}

int ScrollBar::step(int amount) const {
    int64_t v = static_cast<int64_t>(value_) + (max_ >= min_ ? amount : -static_cast<int64_t>(amount));
    return static_cast<int>(std::clamp<int64_t>(v, std::min(min_, max_), std::max(min_, max_)));
}

// --- TabControl

TabControl::TabControl(Form* form, std::string name) : Control(form, std::move(name), Kind::TabControl) {}

int TabControl::addTab(std::string_view caption) {
    captions_.push_back(cutAtNul(caption));
    changed(Prop::Tabs);
    return Tabs() - 1;
}

const std::string& TabControl::TabCaption(int tab) const {
    if (tab < 0 || tab >= Tabs()) raiseError(err::InvalidPropertyValue);
    return captions_[static_cast<std::size_t>(tab)];
}

void TabControl::setTabCaption(int tab, std::string_view caption) {
    if (tab < 0 || tab >= Tabs()) raiseError(err::InvalidPropertyValue);
    captions_[static_cast<std::size_t>(tab)] = cutAtNul(caption);
    changed(Prop::Tabs);
}

void TabControl::setTab(int tab) {
    if (tab < 0 || tab >= Tabs()) raiseError(err::InvalidPropertyValue);
    if (tab == current_) return;
    current_ = tab;
    changed(Prop::CurrentTab);
    Form& f = form();
    Control* focus = f.ActiveControl();
    if (f.Visible() && f.isLoaded() && focus && !focus->shown())
        f.forms().moveFocus(f, canTakeFocus() ? this : nullptr);
    fire(Click, "Click");
}

// --- Image

Image::Image(Form* form, std::string name) : Control(form, std::move(name), Kind::Image) {}

void Image::setPicture(std::string_view picture) {
    picture_ = std::string(picture);
    changed(Prop::Picture);
}

}  // namespace dravik
