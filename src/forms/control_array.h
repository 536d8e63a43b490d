#pragma once
// A control array: controls of one kind sharing a name and handlers, told
// apart by their index. Indexes may start anywhere and leave gaps
// (lblStat 0..16, txtTicket 1..5). The handlers receive the index of the
// element that fired.
//
//     ControlArray<ListBox> lstDivision{this, "lstDivision", {1, 2, 3, 4, 5, 6}};
//     lstDivision.Click = [this](int index) { lstDivision_Click(index); };
//     lstDivision(3).AddItem("Hawks");
//
// Reaching an index that has no element is run-time error 340.

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "forms/runtime.h"

namespace dravik {

class Form;

// Run-time error 340 for the given index.
[[noreturn]] void raiseMissingElement(int index);

template <class T>
class ControlArray {
public:
    ControlArray(Form* form, std::string name) : form_(form), name_(std::move(name)) {}
    ControlArray(Form* form, std::string name, std::initializer_list<int> indexes)
        : ControlArray(form, std::move(name)) {
        for (int i : indexes) add(i);
    }
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    // Creates element `index`; part of the window's layout.
    T& add(int index) {
        if (elements_.count(index))
            throw std::logic_error("control array " + name_ + " already has this index");
        auto element = std::make_unique<T>(form_, name_);
        T& e = *element;
        e.index_ = index;
        if constexpr (requires { e.Click; })
            e.Click = [this, index] {
                if (Click) Click(index);
            };
        if constexpr (requires { e.DblClick; })
            e.DblClick = [this, index] {
                if (DblClick) DblClick(index);
            };
        if constexpr (requires { e.Change; })
            e.Change = [this, index] {
                if (Change) Change(index);
            };
        if constexpr (requires { e.LostFocus; })
            e.LostFocus = [this, index] {
                if (LostFocus) LostFocus(index);
            };
        elements_.emplace(index, std::move(element));
        return e;
    }

    T& operator()(int index) const {
        auto it = elements_.find(index);
        if (it == elements_.end()) raiseMissingElement(index);
        return *it->second;
    }
    bool exists(int index) const { return elements_.count(index) != 0; }
    int Count() const { return static_cast<int>(elements_.size()); }
    // Lowest and highest index; error 340 when the array is empty.
    int LBound() const {
        if (elements_.empty()) raiseMissingElement(0);
        return elements_.begin()->first;
    }
    int UBound() const {
        if (elements_.empty()) raiseMissingElement(0);
        return elements_.rbegin()->first;
    }
    const std::string& Name() const { return name_; }

    // The elements in index order.
    template <class F>
    void forEach(F&& f) const {
        for (auto& [index, element] : elements_) f(*element);
    }

    // Only the events the element kind has ever fire.
    std::function<void(int)> Click;
    std::function<void(int)> DblClick;
    std::function<void(int)> Change;
    std::function<void(int)> LostFocus;

private:
    Form* form_;
    std::string name_;
    std::map<int, std::unique_ptr<T>> elements_;
};

}  // namespace dravik
