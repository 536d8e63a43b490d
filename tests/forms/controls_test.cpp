// Control properties: list entries, scroll ranges, control arrays, texts,
// containers and captions.

#include <gtest/gtest.h>

#include <climits>

#include "support/example_forms.h"

namespace dravik::test {
namespace {

using Lines = std::vector<std::string>;

int errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

Lines entries(const ListBox& l) {
    Lines out;
    for (int i = 0; i < l.ListCount(); ++i) out.push_back(l.List(i));
    return out;
}

TEST(ListOrder, OneComparatorIgnoringCaseThenAccents) {
    struct Case {
        const char* a;
        const char* b;
        int sign;
    } cases[] = {
        {"alpha", "Bravo", -1},
        {"ALPHA", "alpha", 0},     // case only: equal
        {"Ann", "Anna", -1},       // a text before its extensions
        {"Al B", "Alb", -1},       // a blank before letters
        {"9 Lives", "Able", -1},   // digits before letters
        {"Eric", "\xC9ric", -1},   // Éric: same letters, the plain one first
        {"\xC9mile", "Eric", -1},  // Émile sorts as emile ...
        {"\xC9mile", "Zack", -1},  // ... not after z, as its byte would
        {"\x8Aimon", "Simon", 1},  // Šimon right after Simon
        {"\x8Aimon", "Sz", -1},
        {"M\xFCller", "MUller", 1},  // Müller right after Muller
        {"M\xFCller", "Mv", -1},
        {"stra\xDF"
         "e",
         "strasse", -1},          // ß as s: "strase"
        {"\xC6sir", "Aesir", 1},  // Æ as a: "asir"
        {"\xD7", "\xF7", -1},     // × and ÷ are no letters: their codes
    };
    auto sign = [](int r) { return (r > 0) - (r < 0); };
    for (const auto& c : cases) {
        EXPECT_EQ(sign(compareListText(c.a, c.b)), c.sign) << c.a << " vs " << c.b;
        EXPECT_EQ(sign(compareListText(c.b, c.a)), -c.sign) << c.b << " vs " << c.a;
    }
}

TEST(ListBoxEntries, SortedInsertionAndNewIndex) {
    World w;
    ListBox& l = w.sheet->lstItems;
    l.Clear();
    struct Step {
        const char* text;
        int newIndex;
        int32_t key;
    } steps[] = {{"Hawks", 0, 1}, {"bears", 0, 2}, {"Wolves", 2, 3},
                 {"BEARS", 1, 4}, {"Bears", 2, 5}, {"eagles", 3, 6}};
    for (const auto& s : steps) {
        l.AddItem(s.text);
        EXPECT_EQ(l.NewIndex(), s.newIndex) << s.text;
        l.setItemData(l.NewIndex(), s.key);
    }
    // Equal texts follow the ones already there, in the order added; each
    // entry keeps the data given at its own insertion.
    EXPECT_EQ(entries(l), (Lines{"bears", "BEARS", "Bears", "eagles", "Hawks", "Wolves"}));
    std::vector<int32_t> keys;
    for (int i = 0; i < l.ListCount(); ++i) keys.push_back(l.ItemData(i));
    EXPECT_EQ(keys, (std::vector<int32_t>{2, 4, 5, 6, 1, 3}));

    // Unsorted: in the order added.
    l.Clear();
    l.setSorted(false);
    for (const char* t : {"Zed", "Abe", "Moe"}) l.AddItem(t);
    EXPECT_EQ(entries(l), (Lines{"Zed", "Abe", "Moe"}));
    EXPECT_EQ(l.NewIndex(), 2);
}

// A batch fill must leave the list exactly as adding the same entries one by
// one does: order among equal texts, item data, the current entry, the
// shift-click anchor and NewIndex.
TEST(ListBoxEntries, ABatchFillMatchesAddingOneByOne) {
    struct Case {
        const char* name;
        bool sorted;
        bool multi;
        int current;  // in the three entries already there, -1 none
        std::vector<ListEntry> batch;
    } cases[] = {
        {"sorted, equal texts in the batch and the list", true, false, 1,
         {{"charlie", 1}, {"Bravo", 2}, {"CHARLIE", 3}, {"Alpha", 4}, {"zulu", 5}, {"bravo", 6}}},
        {"sorted, all before the current entry", true, false, 2, {{"Aaron", 7}, {"Able", 8}}},
        {"sorted, the last entry sorts first", true, false, -1, {{"Zed", 1}, {"Moe", 2}, {"Abe", 3}}},
        {"a text cut at its NUL", true, false, 0, {{std::string("Beta\0junk", 9), 9}}},
        {"multi-select keeps the anchor", true, true, 1, {{"Bob", 1}, {"Dan", 2}, {"Ace", 3}}},
        {"unsorted: appended", false, false, 0, {{"Zed", 1}, {"Abe", 2}, {"Moe", 3}}},
    };
    auto state = [](const ListBox& l) {
        std::vector<std::string> out;
        for (int i = 0; i < l.ListCount(); ++i)
            out.push_back(l.List(i) + "|" + std::to_string(l.ItemData(i)) + (l.Selected(i) ? "|sel" : ""));
        out.push_back("current " + std::to_string(l.ListIndex()) + ", new " + std::to_string(l.NewIndex()));
        return out;
    };
    for (const auto& c : cases) {
        World one, batch;
        for (World* w : {&one, &batch}) {
            ListBox& l = w->sheet->lstItems;  // alpha Charlie Delta
            if (!c.sorted) {
                l.Clear();
                l.setSorted(false);
                for (const char* t : {"Delta", "alpha", "Charlie"}) l.AddItem(t);
            }
            l.setMultiSelect(c.multi);
            if (c.current >= 0) l.setListIndex(c.current);
        }
        for (const auto& e : c.batch) {
            ListBox& l = one.sheet->lstItems;
            l.AddItem(e.text);
            l.setItemData(l.NewIndex(), e.data);
        }
        batch.sheet->lstItems.AddItems(c.batch);
        EXPECT_EQ(state(batch.sheet->lstItems), state(one.sheet->lstItems)) << c.name;
        if (c.multi) {  // a shift-click selects from the anchor the batch moved
            for (World* w : {&one, &batch}) w->user.selectItem(w->sheet->lstItems, 0, User::Keys::Shift);
            EXPECT_EQ(state(batch.sheet->lstItems), state(one.sheet->lstItems)) << c.name << ", shift-click";
        }
    }
}

TEST(ListBoxEntries, ABatchFillReportsOneChange) {
    struct Count : FormObserver {
        int items = 0;
        void formChanged(Form&, FormEvent) override {}
        void controlChanged(Control&, Prop p) override { items += p == Prop::Items; }
        void menuChanged(MenuItem&, Prop) override {}
        void programEnded() override {}
    } count;
    World w;
    w.forms.setObserver(&count);
    std::vector<ListEntry> many;
    for (int i = 0; i < 1000; ++i) many.push_back({"Player " + std::to_string(i), i});
    w.sheet->lstItems.AddItems(many);
    w.sheet->lstItems.AddItems({});
    EXPECT_EQ(count.items, 1);
    EXPECT_EQ(w.sheet->lstItems.ListCount(), 1003);
    w.forms.setObserver(nullptr);
}

TEST(ListBoxEntries, TheSelectionFollowsItsEntryAndRewritingDoesNotResort) {
    World w;
    ListBox& l = w.sheet->lstItems;  // alpha Charlie Delta
    l.setListIndex(1);
    l.AddItem("Bravo");  // before the current entry
    EXPECT_EQ(l.ListIndex(), 2);
    EXPECT_EQ(l.List(l.ListIndex()), "Charlie");
    l.RemoveItem(0);
    EXPECT_EQ(l.ListIndex(), 1);
    EXPECT_EQ(l.NewIndex(), -1);
    l.RemoveItem(1);  // the current entry itself
    EXPECT_EQ(l.ListIndex(), -1);

    l.setList(0, "Zulu *");  // the trade mark: written in place
    EXPECT_EQ(entries(l), (Lines{"Zulu *", "Delta"}));

    l.setListIndex(1);
    l.Clear();
    EXPECT_EQ(l.ListCount(), 0);
    EXPECT_EQ(l.ListIndex(), -1);
    EXPECT_EQ(l.NewIndex(), -1);
}

TEST(ListBoxEntries, ItemDataHoldsThirtyTwoBits) {
    World w;
    ListBox& l = w.sheet->lstItems;
    for (int32_t v : {320005, INT32_MAX, INT32_MIN}) {
        l.setItemData(0, v);
        EXPECT_EQ(l.ItemData(0), v);
    }
}

TEST(ListBoxEntries, AnIndexOutsideTheListIsAnError) {
    World w;
    ListBox& l = w.sheet->lstItems;  // 3 entries
    struct Case {
        const char* name;
        std::function<void()> f;
        int error;
    } cases[] = {
        {"ListIndex below -1", [&] { l.setListIndex(-2); }, err::InvalidPropertyValue},
        {"ListIndex past the end", [&] { l.setListIndex(3); }, err::InvalidPropertyValue},
        {"List(i) read", [&] { (void)l.List(3); }, err::InvalidPropertyArrayIndex},
        {"List(i) written", [&] { l.setList(-1, "x"); }, err::InvalidPropertyArrayIndex},
        {"ItemData", [&] { (void)l.ItemData(3); }, err::InvalidPropertyArrayIndex},
        {"Selected", [&] { l.setSelected(5, true); }, err::InvalidPropertyArrayIndex},
        {"RemoveItem", [&] { l.RemoveItem(3); }, err::InvalidCall},
    };
    for (const auto& c : cases) EXPECT_EQ(errorOf(c.f), c.error) << c.name;
    EXPECT_TRUE(w.log.lines.empty());  // nothing fired
    EXPECT_EQ(l.ListCount(), 3);
}

TEST(ScrollBarValue, OutsideItsRangeIsError380) {
    World w;
    HScrollBar& b = w.sheet->hscValue;  // 0..5
    struct Case {
        const char* name;
        std::function<void()> f;
        int error;
    } cases[] = {
        {"above Max", [&] { b.setValue(6); }, err::InvalidPropertyValue},
        {"below Min", [&] { b.setValue(-1); }, err::InvalidPropertyValue},
        {"Max beyond 16 bits", [&] { b.setMax(32768); }, err::InvalidPropertyValue},
        {"a step of 0", [&] { b.setSmallChange(0); }, err::InvalidPropertyValue},
        {"at Max", [&] { b.setValue(5); }, 0},
        {"at Min", [&] { b.setValue(0); }, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(errorOf(c.f), c.error) << c.name;
    EXPECT_EQ(w.log.lines, Lines({"hscValue_Change", "hscValue_Change"}));

    // Min above Max is a reversed range: values between them are valid, and
    // up still moves towards Max.
    b.setMin(10);
    EXPECT_EQ(b.Value(), 5);  // moved into 5..10, firing Change
    b.setMax(1);
    EXPECT_EQ(errorOf([&] { b.setValue(7); }), 0);
    EXPECT_EQ(errorOf([&] { b.setValue(11); }), err::InvalidPropertyValue);
    w.user.scroll(b, User::Scroll::SmallUp);
    EXPECT_EQ(b.Value(), 6);
}

TEST(ScrollBarValue, NarrowingTheRangeMovesTheValueAndFiresChange) {
    World w;
    Log log;
    VScrollBar day{w.sheet, "vscDay"};
    day.Change = [&] { log.add("vscDay_Change " + std::to_string(day.Value())); };
    day.setMin(1);
    day.setMax(10);
    EXPECT_EQ(log.lines, Lines{"vscDay_Change 1"});  // 0 was outside 1..10
    day.setMax(3);                                   // value 1 still inside: nothing
    day.setValue(3);
    day.setMax(2);
    EXPECT_EQ(log.lines, (Lines{"vscDay_Change 1", "vscDay_Change 3", "vscDay_Change 2"}));
}

TEST(ScrollBarValue, UserStepsStopAtTheEnds) {
    World w;
    HScrollBar& b = w.sheet->hscValue;
    b.setLargeChange(2);
    User& u = w.user;
    struct Step {
        User::Scroll how;
        int value;
        int expected;
    } steps[] = {
        {User::Scroll::SmallUp, 0, 1}, {User::Scroll::LargeUp, 0, 3},   {User::Scroll::LargeUp, 0, 5},
        {User::Scroll::LargeUp, 0, 5}, {User::Scroll::SmallDown, 0, 4}, {User::Scroll::Track, 99, 5},
        {User::Scroll::Track, 2, 2},   {User::Scroll::LargeDown, 0, 0}, {User::Scroll::SmallDown, 0, 0},
    };
    for (const auto& s : steps) {
        EXPECT_TRUE(u.scroll(b, s.how, s.value));
        EXPECT_EQ(b.Value(), s.expected);
    }
    EXPECT_EQ(w.log.lines.size(), 7u);  // no Change at an end
}

// The roster window's labels: 0..16 exist only in part; a missing element is
// error 340, which its callers skip statement by statement.
class frmPanel : public Form {
public:
    explicit frmPanel(FormManager& forms) : Form(forms, "frmPanel") {
        for (int i : {0, 1, 2, 5}) lblStat.add(i);
        lblStat.Click = [this](int index) { clicked.push_back(index); };
        chkPosition.Click = [this](int index) { clicked.push_back(100 + index); };
    }
    ControlArray<Label> lblStat{this, "lblStat"};
    ControlArray<CheckBox> chkPosition{this, "chkPosition", {1, 2, 3, 4, 5}};
    std::vector<int> clicked;
};

TEST(ControlArrays, AMissingIndexIsError340AndEventsCarryTheIndex) {
    ScriptedDialogs dialogs;
    FormManager forms(dialogs, "Product");
    User user(forms);
    auto* p = forms.start<frmPanel>();
    EXPECT_EQ(p->lblStat.LBound(), 0);
    EXPECT_EQ(p->lblStat.UBound(), 5);
    EXPECT_EQ(p->lblStat.Count(), 4);
    EXPECT_TRUE(p->lblStat.exists(5));
    EXPECT_FALSE(p->lblStat.exists(3));

    try {
        p->lblStat(3).setVisible(false);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::ControlArrayElementMissing);
        EXPECT_EQ(errorText(e, " in ShowStats!"),
                  "340 - Control array element '3' doesn't exist in ShowStats!");
    }

    // Skipping each failing statement, as ResetRosterControls does.
    int hidden = 0;
    for (int i = 0; i <= 16; ++i) {
        try {
            p->lblStat(i).setVisible(false);
            ++hidden;
        } catch (const RuntimeError&) {
        }
    }
    EXPECT_EQ(hidden, 4);

    EXPECT_FALSE(user.click(p->lblStat(5)));  // hidden now
    p->lblStat(5).setVisible(true);
    user.click(p->lblStat(5));
    p->chkPosition(3).setValue(1);
    user.click(p->chkPosition(5));
    EXPECT_EQ(p->clicked, (std::vector<int>{5, 103, 105}));
    EXPECT_EQ(p->chkPosition(3).Index(), 3);
    EXPECT_EQ(p->chkPosition(3).Name(), "chkPosition");
}

TEST(Texts, MaxLengthAppliesToTypingOnlyAndTextsEndAtANul) {
    World w;
    TextBox& t = w.sheet->txtA;
    t.setMaxLength(3);
    t.setText("12345");  // code: kept whole
    EXPECT_EQ(t.Text(), "12345");
    w.user.typeText(t, "12345");
    EXPECT_EQ(t.Text(), "123");
    w.user.typeText(t, "4\r\n5");  // single line: up to the break
    EXPECT_EQ(t.Text(), "4");

    TextBox& c = w.sheet->txtB;
    c.setMultiLine(true);
    c.setMaxLength(1000);
    w.user.typeText(c, "line 1\r\nline 2");
    EXPECT_EQ(c.Text(), "line 1\r\nline 2");

    c.setText(std::string(1000, '\0'));  // a cleared comment shows empty
    EXPECT_EQ(c.Text(), "");
    w.sheet->lblInfo.setCaption(std::string("Name\0\0\0", 7));
    EXPECT_EQ(w.sheet->lblInfo.Caption(), "Name");
    w.sheet->lstItems.AddItem(std::string("Zed\0junk", 8));
    EXPECT_EQ(w.sheet->lstItems.List(3), "Zed");
}

TEST(Texts, ACheckBoxTakesZeroOrOne) {
    World w;
    EXPECT_EQ(errorOf([&] { w.sheet->chkFlag.setValue(2); }), err::InvalidPropertyValue);
    EXPECT_EQ(errorOf([&] { w.sheet->chkFlag.setValue(1); }), 0);
}

TEST(Captions, AccessKeysAndTheLiteralAmpersand) {
    struct Case {
        const char* caption;
        const char* shown;
        char key;
    } cases[] = {
        {"&Open ...", "Open ...", 'o'},
        {"E&xit", "Exit", 'x'},
        {"Tickets && Arena", "Tickets & Arena", 0},
        {"&&Save &Now", "&Save Now", 'n'},
        {"Set &Lines", "Set Lines", 'l'},
        {"Output Ratings CSV", "Output Ratings CSV", 0},
        {"Trailing&", "Trailing", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(captionDisplayText(c.caption), c.shown) << c.caption;
        EXPECT_EQ(captionAccessKey(c.caption), c.key) << c.caption;
    }
}

TEST(Containers, AHiddenOrDisabledContainerTakesItsControlsAlong) {
    struct Case {
        const char* name;
        std::function<void(frmSheet&)> set;
        bool reachable;
        bool shown;
    } cases[] = {
        {"as laid out", [](frmSheet&) {}, true, true},
        {"frame disabled", [](frmSheet& f) { f.fraBox.setEnabled(false); }, false, true},
        {"frame hidden", [](frmSheet& f) { f.fraBox.setVisible(false); }, false, false},
        {"window hidden", [](frmSheet& f) { f.Hide(); }, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        World w;
        frmSheet& f = *w.sheet;
        c.set(f);
        EXPECT_EQ(f.cmdInFrame.reachable(), c.reachable);
        EXPECT_EQ(f.cmdInFrame.shown(), c.shown);
        EXPECT_EQ(w.user.click(f.cmdInFrame), c.reachable);
        EXPECT_EQ(w.log.lines, c.reachable ? Lines{"cmdInFrame_Click"} : Lines{});
        EXPECT_TRUE(f.cmdInFrame.Visible() && f.cmdInFrame.Enabled());  // its own flags are untouched
    }
}

TEST(Containers, ControlsOnATabPageAreShownWithItsPageOnly) {
    World w;
    frmSheet& s = *w.sheet;
    EXPECT_FALSE(s.txtOnPage.shown());
    EXPECT_FALSE(w.user.typeText(s.txtOnPage, "1"));
    EXPECT_TRUE(w.user.selectTab(s.tabPages, 1));
    EXPECT_TRUE(s.txtOnPage.shown());
    EXPECT_TRUE(w.user.typeText(s.txtOnPage, "1"));
    EXPECT_EQ(s.tabPages.TabCaption(1), "Strategy");
    EXPECT_EQ(errorOf([&] { s.tabPages.setTab(2); }), err::InvalidPropertyValue);
}

}  // namespace
}  // namespace dravik::test
