#include "qt/label_names.h"

#include <cstdlib>
#include <limits>

#include "forms/controls.h"
#include "forms/form.h"

namespace dravik {
namespace {

using Kind = Control::Kind;

// A control's rectangle in twips. Middles are kept doubled, so that no
// rounding decides which side of an edge a middle falls on.
struct Rect {
    int left, top, right, bottom;
    int midX2() const { return left + right; }
    int midY2() const { return top + bottom; }
};

// Within the control's container, or on the window's client area.
Rect rectOf(const Control& c, bool onWindow) {
    Rect r{c.Left(), c.Top(), c.Left() + c.Width(), c.Top() + c.Height()};
    if (onWindow)
        for (const Control* k = c.Container(); k; k = k->Container()) {
            r.left += k->Left();
            r.right += k->Left();
            r.top += k->Top();
            r.bottom += k->Top();
        }
    return r;
}

// In the same frame, on the same page of a tab control, or both on the form.
bool samePlace(const Control& a, const Control& b) {
    if (a.Container() != b.Container()) return false;
    return !a.Container() || a.Container()->kind() != Kind::TabControl ||
           a.ContainerTab() == b.ContainerTab();
}

bool onPage(const Control& c, const Control& tabs, int tab) {
    for (const Control* k = &c; k->Container(); k = k->Container())
        if (k->Container() == &tabs && k->ContainerTab() == tab) return true;
    return false;
}

// Never on a page of a tab control that the box is not on: a label of
// another page is never seen beside the box.
bool seenWith(const Control& c, const Control& box) {
    for (const Control* k = &c; k->Container(); k = k->Container())
        if (k->Container()->kind() == Kind::TabControl && !onPage(box, *k->Container(), k->ContainerTab()))
            return false;
    return true;
}

// What can stand between a box and a label above it: anything drawn but the
// containers, which hold controls rather than sit between them.
bool drawnBetween(const Control& c) { return c.kind() != Kind::Frame && c.kind() != Kind::TabControl; }

const Label* search(const Control& box, bool ownPlaceOnly) {
    const bool onWindow = !ownPlaceOnly;
    auto counts = [&](const Control& c) {
        return &c != &box && (ownPlaceOnly ? samePlace(c, box) : seenWith(c, box));
    };
    const Rect b = rectOf(box, onWindow);
    const auto& controls = box.form().tabOrder();

    const Label* row = nullptr;
    int rowGap = std::numeric_limits<int>::max();
    for (const Control* c : controls) {
        if (c->kind() != Kind::Label || !counts(*c)) continue;
        const Rect l = rectOf(*c, onWindow);
        if (l.midY2() < 2 * b.top || l.midY2() >= 2 * b.bottom || l.midX2() > 2 * b.left) continue;
        if (b.left - l.right < rowGap) {
            rowGap = b.left - l.right;
            row = static_cast<const Label*>(c);
        }
    }
    if (row) return row;

    // Above: what stands across the box's width, the lowest first.
    const Control* lowest = nullptr;
    Rect low{};
    for (const Control* c : controls) {
        if (!drawnBetween(*c) || !counts(*c)) continue;
        const Rect o = rectOf(*c, onWindow);
        if (o.bottom > b.top || o.right <= b.left || o.left >= b.right) continue;
        if (!lowest || o.bottom > low.bottom) {
            lowest = c;
            low = o;
        }
    }
    if (!lowest) return nullptr;
    // Its row: what has its middle within the lowest one's height.
    const Control* nearest = nullptr;
    int nearestGap = std::numeric_limits<int>::max();
    for (const Control* c : controls) {
        if (!drawnBetween(*c) || !counts(*c)) continue;
        const Rect o = rectOf(*c, onWindow);
        if (o.bottom > b.top || o.right <= b.left || o.left >= b.right || o.midY2() < 2 * low.top) continue;
        const int gap = std::abs(o.midX2() - b.midX2());
        if (gap < nearestGap) {
            nearestGap = gap;
            nearest = c;
        }
    }
    return nearest && nearest->kind() == Kind::Label ? static_cast<const Label*>(nearest) : nullptr;
}

}  // namespace

const Label* namingLabel(const Control& box) {
    if (const Label* own = search(box, true)) return own;
    return search(box, false);
}

}  // namespace dravik
