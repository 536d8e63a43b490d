#pragma once
// The controls the windows use, with the properties and events they rely on.
//
// Event rules, for every control:
// - A change made by code fires the handler at once, inside the call that
//   made it, nested if a handler makes further changes.
// - Setting a list's ListIndex or Selected fires Click even when nothing
//   changes; setting a check box's or option button's or scroll bar's value
//   to the value it holds fires nothing.
// - Adding, removing, rewriting or clearing list entries, and setting a text
//   or caption, fire nothing.
// - A handler left empty is not run.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "forms/control.h"

namespace dravik {

// "&Save" shows "Save" with S as its access key; "&&" stands for a literal
// "&" ("Tickets && Arena" shows "Tickets & Arena" and has no key).
std::string captionDisplayText(std::string_view caption);
// The access key in lower case, or 0 when the caption has none.
char captionAccessKey(std::string_view caption);

class Label : public Control {
public:
    Label(Form* form, std::string name);
    // Literal text, cut at its first NUL; "&" is not special.
    const std::string& Caption() const { return caption_; }
    void setCaption(std::string_view caption);
    std::function<void()> Click;

private:
    void userClick() override;
    std::string caption_;
};

class TextBox : public Control {
public:
    TextBox(Form* form, std::string name);
    // Cut at its first NUL. Setting it by code ignores MaxLength and fires nothing.
    const std::string& Text() const { return text_; }
    void setText(std::string_view text);
    // Characters a user may type; 0 = no limit. Applies to typing only.
    int MaxLength() const { return maxLength_; }
    void setMaxLength(int n);
    // A multi-line box (with a vertical scroll bar) keeps typed line breaks;
    // a single-line one keeps typed text up to the first line break.
    bool MultiLine() const { return multiLine_; }
    void setMultiLine(bool v);
    // Runs when the focus moves from the box to another control of its window.
    std::function<void()> LostFocus;

private:
    friend class User;
    void userType(std::string_view text);
    std::string text_;
    int maxLength_ = 0;
    bool multiLine_ = false;
};

// A list box keeps its entries sorted by compareListText (list_order.h) or
// in the order added. Single selection: the selected entry is the current
// one, ListIndex. Extended multi-selection: each entry is selected or not,
// and the current entry (ListIndex, the one last clicked) is kept apart from
// the selection.
// One entry for a batch fill.
struct ListEntry {
    std::string text;
    int32_t data = 0;
};

class ListBox : public Control {
public:
    ListBox(Form* form, std::string name);

    bool Sorted() const { return sorted_; }
    void setSorted(bool v);  // affects the entries added afterwards
    bool MultiSelect() const { return multi_; }
    void setMultiSelect(bool extended);

    // Inserts at the sorted place (after equal texts), or at the end of an
    // unsorted list; NewIndex tells where. Item data of the new entry is 0.
    void AddItem(std::string_view text);
    // Adds the entries, with their item data, exactly as AddItem one after
    // another would (NewIndex: where the last one went), but sorts and
    // reports the change once: a window filling thousands of entries.
    void AddItems(std::span<const ListEntry> entries);
    // Index outside the list: error 5.
    void RemoveItem(int index);
    void Clear();
    int ListCount() const { return static_cast<int>(items_.size()); }
    // The entry just added; -1 after Clear or RemoveItem.
    int NewIndex() const { return newIndex_; }

    // Entry access; an index outside the list is error 381. Writing List(i)
    // changes the text in place: the list is not re-sorted.
    const std::string& List(int index) const;
    void setList(int index, std::string_view text);
    int32_t ItemData(int index) const;
    void setItemData(int index, int32_t data);

    // The current entry, -1 = none. Setting it (-1 .. ListCount - 1, else
    // error 380) fires Click, even when unchanged. In a multi-select list,
    // setting it also selects that entry; -1 leaves the selection as it is.
    int ListIndex() const { return listIndex_; }
    void setListIndex(int index);
    // Setting it fires Click, even when unchanged. In a single-selection list
    // selecting an entry makes it current, deselecting the current one leaves
    // none; in a multi-select list the current entry stays where it is.
    bool Selected(int index) const;
    void setSelected(int index, bool selected);
    int SelCount() const;

    std::function<void()> Click;
    std::function<void()> DblClick;

private:
    friend class User;
    enum class Pick { Plain, Ctrl, Shift };
    void userPick(int index, Pick how);
    void checkIndex(int index, int error) const;
    struct Item {
        std::string text;
        int32_t data = 0;
        bool selected = false;  // multi-select lists only
    };
    std::vector<Item> items_;
    bool sorted_ = false;
    bool multi_ = false;
    int listIndex_ = -1;
    int newIndex_ = -1;
    int anchor_ = -1;  // where a shift-click range starts
};

class CheckBox : public Control {
public:
    CheckBox(Form* form, std::string name);
    // Literal text; "&" is not special.
    const std::string& Caption() const { return caption_; }
    void setCaption(std::string_view caption);
    // 0 unticked, 1 ticked; any other value is error 380. A change fires Click.
    int Value() const { return value_; }
    void setValue(int v);
    std::function<void()> Click;

private:
    void userClick() override;
    std::string caption_;
    int value_ = 0;
};

// Option buttons with the same container (form, frame or tab control) form
// one group: at most one holds True.
class OptionButton : public Control {
public:
    OptionButton(Form* form, std::string name);
    const std::string& Caption() const { return caption_; }
    void setCaption(std::string_view caption);
    // Setting True clears the others of the group (they fire nothing) and
    // fires Click when the button was not True already; setting False fires nothing.
    bool Value() const { return value_; }
    void setValue(bool v);
    std::function<void()> Click;

private:
    void userClick() override;
    std::string caption_;
    bool value_ = false;
};

class CommandButton : public Control {
public:
    CommandButton(Form* form, std::string name);
    // With "&" before the access key and "&&" for a literal "&".
    const std::string& Caption() const { return caption_; }
    void setCaption(std::string_view caption);
    std::function<void()> Click;

private:
    void userClick() override;
    std::string caption_;
};

// A container: controls placed in it are hidden and disabled with it.
class Frame : public Control {
public:
    Frame(Form* form, std::string name);
    // Literal text (a frame may show a player's name).
    const std::string& Caption() const { return caption_; }
    void setCaption(std::string_view caption);

private:
    std::string caption_;
};

// Min may exceed Max; "up" (increment) always moves towards Max, also on a
// vertical bar, whose top end is Max. Values are 16-bit.
class ScrollBar : public Control {
public:
    enum class Orientation { Horizontal, Vertical };
    Orientation orientation() const { return orientation_; }

    int Min() const { return min_; }
    int Max() const { return max_; }
    int SmallChange() const { return small_; }
    int LargeChange() const { return large_; }
    int Value() const { return value_; }
    // Outside -32768..32767 (steps: 1..32767) is error 380. A range that no
    // longer holds the value moves the value to its nearer end, firing Change.
    void setMin(int v);
    void setMax(int v);
    void setSmallChange(int v);
    void setLargeChange(int v);
    // Outside the range is error 380; a change fires Change.
    void setValue(int v);
    std::function<void()> Change;

protected:
    ScrollBar(Form* form, std::string name, Orientation orientation);

private:
    friend class User;
    void clampToRange();
    int step(int amount) const;  // value after moving amount towards Max, kept in range
    Orientation orientation_;
    int min_ = 0, max_ = 32767, small_ = 1, large_ = 1, value_ = 0;
};

class HScrollBar : public ScrollBar {
public:
    HScrollBar(Form* form, std::string name) : ScrollBar(form, std::move(name), Orientation::Horizontal) {}
};

class VScrollBar : public ScrollBar {
public:
    VScrollBar(Form* form, std::string name) : ScrollBar(form, std::move(name), Orientation::Vertical) {}
};

// A strip of pages; controls placed on a page (Control::setContainer) are
// shown only while it is the current one.
class TabControl : public Control {
public:
    TabControl(Form* form, std::string name);
    // Adds a page; returns its number, from 0.
    int addTab(std::string_view caption);
    int Tabs() const { return static_cast<int>(captions_.size()); }
    // A page number outside the strip is error 380.
    const std::string& TabCaption(int tab) const;
    void setTabCaption(int tab, std::string_view caption);
    // The current page. Changing it fires Click; when the focus sat on a
    // control of the page left, it moves to the strip.
    int Tab() const { return current_; }
    void setTab(int tab);
    std::function<void()> Click;

private:
    std::vector<std::string> captions_;
    int current_ = 0;
};

class Image : public Control {
public:
    Image(Form* form, std::string name);
    // The name of the picture resource the backend draws.
    const std::string& Picture() const { return picture_; }
    void setPicture(std::string_view picture);

private:
    std::string picture_;
};

}  // namespace dravik
