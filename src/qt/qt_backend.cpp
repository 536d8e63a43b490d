#include "qt/qt_backend.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStringList>
#include <QTabBar>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/menu.h"
#include "forms/metrics.h"
#include "platform/codepage.h"
#include "qt/label_names.h"
#include "qt/qt_application.h"
#include "qt/qt_dialogs.h"

namespace dravik {
namespace {

using Kind = Control::Kind;

// Texts the model holds literally, for widgets that take "&" as an access key.
QString literal(std::string_view text) { return fromCodePage(text).replace(u'&', QStringLiteral("&&")); }

QString withLf(std::string_view text) {
    QString s = fromCodePage(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(u'\r', u'\n');
    return s;
}

std::string withCrLf(const QString& text) {
    QString s = text;
    s.replace(u'\n', QStringLiteral("\r\n"));
    return toCodePage(s);
}

// The tab control: a strip of tabs over a panel. The controls placed on it
// are its children, at positions relative to its top-left corner, and are
// shown only while their page is the current one.
class TabStrip : public QWidget {
public:
    TabStrip() : bar(new QTabBar(this)), panel(new QFrame(this)) {
        panel->setFrameShape(QFrame::StyledPanel);
        panel->lower();
        bar->setDrawBase(false);
        bar->setExpanding(false);
    }
    QTabBar* bar;
    QFrame* panel;

protected:
    void resizeEvent(QResizeEvent*) override {
        const int h = bar->sizeHint().height();
        bar->setGeometry(0, 0, width(), h);
        panel->setGeometry(0, h - 1, width(), std::max(0, height() - h + 1));
    }
};

// A picture the program names; the About window's logo is drawn here.
QPixmap drawPicture(const std::string& name, QSize size) {
    if (name.empty() || size.isEmpty()) return {};
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();
    // Two crossed sticks over a puck.
    p.setPen(QPen(QColor(120, 72, 32), std::max(2.0, w / 12), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(w * 0.15, h * 0.1), QPointF(w * 0.7, h * 0.75));
    p.drawLine(QPointF(w * 0.85, h * 0.1), QPointF(w * 0.3, h * 0.75));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(25, 25, 25));
    p.drawEllipse(QRectF(w * 0.3, h * 0.68, w * 0.4, h * 0.22));
    p.setBrush(QColor(70, 70, 70));
    p.drawEllipse(QRectF(w * 0.3, h * 0.64, w * 0.4, h * 0.2));
    return pixmap;
}

}  // namespace

// The top-level widget of a window: its close box goes to the model.
class FormWidget : public QMainWindow {
public:
    FormWindow* binder = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;
};

// One loaded window: builds its widgets, mirrors the model's changes and
// forwards the user's actions.
class FormWindow : public QObject {
public:
    FormWindow(QtBackend& backend, Form& form);
    ~FormWindow() override;

    Form& form() const { return *form_; }
    QWidget* window() const { return window_; }
    QWidget* widget(const Control& c) const {
        auto it = widgets_.find(&c);
        return it == widgets_.end() ? nullptr : it->second;
    }
    QAction* action(const MenuItem& m) const {
        auto it = actions_.find(&m);
        return it == actions_.end() ? nullptr : it->second;
    }

    void formChanged(FormObserver::FormEvent what);
    void controlChanged(Control& c, Prop what);
    void menuChanged(MenuItem& m, Prop what);
    // The model has released the window: nothing of it may be touched again.
    void release();
    void userClose();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ListMirror {
        std::vector<std::string> texts;
        std::vector<bool> selected;
        int current = -2;
    };

    int px(int twips) const { return static_cast<int>(std::lround(twips / backend_.twipsPerPixel())); }
    // False while a handler is running (the wait window's pause): no user
    // action may start inside another.
    bool accepting() const { return !dead_ && !backend_.forms().busy() && !backend_.forms().ended(); }
    User& user() { return backend_.user(); }

    void build();
    QWidget* create(Control& c);
    void own(QObject* part, Control& c);
    void place(Control& c);
    void applyAll(Control& c);
    void applyVisible(Control& c);
    void applyState(Control& c, Prop what);
    void rebuild(Control& c);
    void applyCaption();
    void applyGeometry();
    void pairLabels();
    void applyName(const Control& box);
    void labelChanged(const Control& label);
    void syncFocus();
    QWidget* focusWidgetOf(Control& c) const;

    void syncText(TextBox& box);
    void syncList(ListBox& list, bool items);
    void syncScroll(ScrollBar& bar);
    int scrollPos(const ScrollBar& bar, int value) const;
    int scrollValue(const ScrollBar& bar, int pos) const;
    void syncTabs(TabControl& tabs);

    void buildMenus(QWidget* parent, const std::vector<MenuItem*>& items);
    void applyMenu(MenuItem& m);
    void updateShortcuts();
    bool menuBarShown() const;

    bool press(Control& c, QObject* watched, QMouseEvent* e);
    bool listKey(ListBox& list, QKeyEvent* e);
    bool tabKey(TabControl& tabs, QKeyEvent* e);
    void clicked(Control& c);
    void edited(TextBox& box);
    void scrollAction(ScrollBar& sb, int action);
    void afterUserAction();

    QtBackend& backend_;
    Form* form_;
    QPointer<FormWidget> window_;
    QWidget* canvas_ = nullptr;
    std::map<const Control*, QWidget*> widgets_;
    std::map<const QObject*, Control*> owners_;
    std::map<const ListBox*, ListMirror> lists_;
    std::map<const Control*, const Label*> namedBy_;  // each text box and list box, by its caption label
    std::map<const MenuItem*, QAction*> actions_;
    std::map<char, QShortcut*> shortcuts_;
    bool dead_ = false;
    bool swallowMouse_ = false;  // the rest of a press the model has taken or refused
    Control* pressedLabel_ = nullptr;
};

void FormWidget::closeEvent(QCloseEvent* e) {
    // The model decides; it hides the window itself when it closes.
    e->ignore();
    if (binder) binder->userClose();
}

FormWindow::FormWindow(QtBackend& backend, Form& form) : backend_(backend), form_(&form) {
    window_ = new FormWidget;
    window_->binder = this;
    window_->setObjectName(QString::fromStdString(form.Name()));
    window_->setAttribute(Qt::WA_DeleteOnClose, false);
    if (!form.activates()) {
        window_->setAttribute(Qt::WA_ShowWithoutActivating);
        window_->setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    }
    window_->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    canvas_ = new QWidget;
    canvas_->setObjectName(QStringLiteral("client"));
    canvas_->setFocusPolicy(Qt::NoFocus);
    window_->setCentralWidget(canvas_);
    window_->installEventFilter(this);
    canvas_->installEventFilter(this);
    build();
}

FormWindow::~FormWindow() {
    if (window_) {
        window_->binder = nullptr;
        delete window_;
    }
}

void FormWindow::release() {
    dead_ = true;
    widgets_.clear();
    owners_.clear();
    lists_.clear();
    namedBy_.clear();
    actions_.clear();
    form_ = nullptr;
    if (window_) {
        window_->binder = nullptr;
        window_->hide();
        window_->deleteLater();
        window_ = nullptr;
    }
    deleteLater();
}

// ---- building -------------------------------------------------------------

void FormWindow::build() {
    for (Control* c : form_->tabOrder()) widgets_[c] = create(*c);
    for (Control* c : form_->tabOrder()) {
        place(*c);
        applyAll(*c);
    }
    pairLabels();
    if (!form_->menuBar().empty()) {
        buildMenus(window_->menuBar(), form_->menuBar());
        window_->menuBar()->setVisible(menuBarShown());
    }
    updateShortcuts();
    applyCaption();
    applyGeometry();
}

void FormWindow::own(QObject* part, Control& c) {
    owners_[part] = &c;
    part->installEventFilter(this);
    if (auto* w = qobject_cast<QWidget*>(part)) w->setFocusPolicy(Qt::NoFocus);
}

QWidget* FormWindow::create(Control& c) {
    QWidget* w = nullptr;
    switch (c.kind()) {
        case Kind::Label: {
            auto* label = new QLabel;
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            w = label;
            break;
        }
        case Kind::TextBox: {
            auto& box = static_cast<TextBox&>(c);
            if (box.MultiLine()) {
                auto* edit = new QPlainTextEdit;
                edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
                edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
                connect(edit, &QPlainTextEdit::textChanged, this, [this, &box] { edited(box); });
                own(edit->viewport(), c);
                own(edit->verticalScrollBar(), c);
                w = edit;
            } else {
                auto* edit = new QLineEdit;
                connect(edit, &QLineEdit::textEdited, this, [this, &box] { edited(box); });
                w = edit;
            }
            break;
        }
        case Kind::ListBox: {
            auto* list = new QListWidget;
            list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            list->setUniformItemSizes(true);
            own(list->viewport(), c);
            own(list->verticalScrollBar(), c);
            w = list;
            break;
        }
        case Kind::CheckBox: {
            auto* box = new QCheckBox;
            connect(box, &QCheckBox::clicked, this, [this, &c] { clicked(c); });
            w = box;
            break;
        }
        case Kind::OptionButton: {
            auto* option = new QRadioButton;
            option->setAutoExclusive(false);  // the model keeps the group
            connect(option, &QRadioButton::clicked, this, [this, &c] { clicked(c); });
            w = option;
            break;
        }
        case Kind::CommandButton: {
            auto* button = new QPushButton;
            button->setAutoDefault(false);
            connect(button, &QPushButton::clicked, this, [this, &c] { clicked(c); });
            w = button;
            break;
        }
        case Kind::Frame:
            w = new QGroupBox;
            break;
        case Kind::ScrollBar: {
            auto& sb = static_cast<ScrollBar&>(c);
            auto* bar = new QScrollBar(sb.orientation() == ScrollBar::Orientation::Vertical ? Qt::Vertical
                                                                                            : Qt::Horizontal);
            bar->setTracking(false);
            connect(bar, &QScrollBar::actionTriggered, this,
                    [this, &sb](int action) { scrollAction(sb, action); });
            connect(bar, &QScrollBar::sliderReleased, this,
                    [this, &sb] { scrollAction(sb, QAbstractSlider::SliderNoAction); });
            w = bar;
            break;
        }
        case Kind::TabControl: {
            auto* strip = new TabStrip;
            own(strip->bar, c);
            own(strip->panel, c);
            w = strip;
            break;
        }
        case Kind::Image: {
            auto* image = new QLabel;
            image->setAlignment(Qt::AlignCenter);
            w = image;
            break;
        }
    }
    QString name = QString::fromStdString(c.Name());
    if (c.Index() >= 0) name += u'(' + QString::number(c.Index()) + u')';
    w->setObjectName(name);
    own(w, c);
    return w;
}

void FormWindow::place(Control& c) {
    QWidget* w = widget(c);
    QWidget* parent = canvas_;
    if (Control* container = c.Container())
        if (QWidget* cw = widget(*container)) parent = cw;
    if (w->parentWidget() != parent) w->setParent(parent);
    w->setGeometry(px(c.Left()), px(c.Top()), px(c.Width()), px(c.Height()));
    if (c.kind() == Kind::Image) applyState(c, Prop::Picture);
    applyVisible(c);
}

void FormWindow::applyAll(Control& c) {
    QWidget* w = widget(c);
    w->setEnabled(c.Enabled());
    switch (c.kind()) {
        case Kind::ListBox:
            applyState(c, Prop::Style);
            applyState(c, Prop::Items);
            break;
        case Kind::ScrollBar:
            applyState(c, Prop::Range);
            break;
        case Kind::TabControl:
            applyState(c, Prop::Tabs);
            break;
        case Kind::Image:
            applyState(c, Prop::Picture);
            break;
        case Kind::TextBox:
            applyState(c, Prop::Text);
            break;
        default:
            applyState(c, Prop::Caption);
            applyState(c, Prop::Value);
            break;
    }
}

void FormWindow::applyVisible(Control& c) {
    bool onPage = true;
    if (Control* container = c.Container(); container && container->kind() == Kind::TabControl)
        onPage = static_cast<TabControl*>(container)->Tab() == c.ContainerTab();
    widget(c)->setVisible(c.Visible() && onPage);
}

void FormWindow::applyState(Control& c, Prop what) {
    QWidget* w = widget(c);
    QSignalBlocker block(w);
    switch (c.kind()) {
        case Kind::Label:
            if (what == Prop::Caption)
                static_cast<QLabel*>(w)->setText(fromCodePage(static_cast<Label&>(c).Caption()));
            break;
        case Kind::TextBox: {
            auto& box = static_cast<TextBox&>(c);
            if (what == Prop::Style && box.MultiLine() != (qobject_cast<QPlainTextEdit*>(w) != nullptr))
                rebuild(c);
            else if (what == Prop::Text)
                syncText(box);
            break;
        }
        case Kind::ListBox: {
            auto& list = static_cast<ListBox&>(c);
            if (what == Prop::Style)
                static_cast<QListWidget*>(w)->setSelectionMode(list.MultiSelect()
                                                                   ? QAbstractItemView::ExtendedSelection
                                                                   : QAbstractItemView::SingleSelection);
            else if (what == Prop::Items || what == Prop::Selection)
                syncList(list, what == Prop::Items);
            break;
        }
        case Kind::CheckBox: {
            auto& box = static_cast<CheckBox&>(c);
            auto* cb = static_cast<QCheckBox*>(w);
            if (what == Prop::Caption) cb->setText(literal(box.Caption()));
            if (what == Prop::Value) cb->setChecked(box.Value() != 0);
            break;
        }
        case Kind::OptionButton: {
            auto& option = static_cast<OptionButton&>(c);
            auto* rb = static_cast<QRadioButton*>(w);
            if (what == Prop::Caption) rb->setText(literal(option.Caption()));
            if (what == Prop::Value) rb->setChecked(option.Value());
            break;
        }
        case Kind::CommandButton:
            if (what == Prop::Caption)
                static_cast<QPushButton*>(w)->setText(fromCodePage(static_cast<CommandButton&>(c).Caption()));
            break;
        case Kind::Frame:
            if (what == Prop::Caption)
                static_cast<QGroupBox*>(w)->setTitle(literal(static_cast<Frame&>(c).Caption()));
            break;
        case Kind::ScrollBar:
            if (what == Prop::Range || what == Prop::Value) syncScroll(static_cast<ScrollBar&>(c));
            break;
        case Kind::TabControl:
            if (what == Prop::Tabs || what == Prop::CurrentTab) syncTabs(static_cast<TabControl&>(c));
            break;
        case Kind::Image:
            if (what == Prop::Picture || what == Prop::Geometry)
                static_cast<QLabel*>(w)->setPixmap(drawPicture(static_cast<Image&>(c).Picture(), w->size()));
            break;
    }
}

// A text box that turned multi-line (or back) needs the other widget.
void FormWindow::rebuild(Control& c) {
    QWidget* old = widget(c);
    for (auto it = owners_.begin(); it != owners_.end();)
        it = it->second == &c ? owners_.erase(it) : std::next(it);
    old->hide();
    old->deleteLater();
    widgets_[&c] = create(c);
    place(c);
    applyAll(c);
    applyName(c);
    // The children of a container stay where they were: only boxes are rebuilt.
    syncFocus();
}

void FormWindow::applyCaption() { window_->setWindowTitle(fromCodePage(form_->Caption())); }

bool FormWindow::menuBarShown() const {
    return std::any_of(form_->menuBar().begin(), form_->menuBar().end(),
                       [](MenuItem* m) { return m->Visible(); });
}

void FormWindow::applyGeometry() {
    const int outerW = px(form_->Width()), outerH = px(form_->Height());
    const bool menus = menuBarShown();
    // The frame a window's outer twips include, scaled with the screen like
    // the controls.
    const int border = px(metrics::WindowBorder);
    const int clientW = std::max(1, outerW - 2 * border);
    const int clientH = std::max(
        1, outerH - px(metrics::TitleBarHeight) - 2 * border - (menus ? px(metrics::MenuBarHeight) : 0));
    canvas_->setFixedSize(clientW, clientH);
    const int barH = menus ? window_->menuBar()->sizeHint().height() : 0;
    window_->setFixedSize(clientW, clientH + barH);
    window_->move(px(form_->Left()), px(form_->Top()));
}

// ---- mirroring ------------------------------------------------------------

void FormWindow::formChanged(FormObserver::FormEvent what) {
    using E = FormObserver::FormEvent;
    switch (what) {
        case E::Caption:
            applyCaption();
            break;
        case E::Geometry:
            applyGeometry();
            break;
        case E::Shown:
            applyGeometry();
            window_->show();
            updateShortcuts();
            syncFocus();
            break;
        case E::Hidden:
        case E::Unloaded:
            window_->hide();
            updateShortcuts();
            break;
        case E::Activated:
            if (window_->isVisible() && form_->activates()) {
                window_->raise();
                window_->activateWindow();
            }
            break;
        case E::Focus:
            syncFocus();
            break;
        default:
            break;
    }
}

void FormWindow::controlChanged(Control& c, Prop what) {
    QWidget* w = widget(c);
    if (!w) return;
    switch (what) {
        case Prop::Geometry:
            w->setGeometry(px(c.Left()), px(c.Top()), px(c.Width()), px(c.Height()));
            applyState(c, Prop::Geometry);
            pairLabels();
            break;
        case Prop::Visible:
            applyVisible(c);
            labelChanged(c);
            syncFocus();
            break;
        case Prop::Enabled:
            w->setEnabled(c.Enabled());
            syncFocus();
            break;
        case Prop::Container:
            place(c);
            pairLabels();
            break;
        case Prop::CurrentTab:
            applyState(c, what);
            for (Control* other : form_->tabOrder())
                if (other->Container() == &c) applyVisible(*other);
            syncFocus();
            break;
        case Prop::TabOrder:
            break;
        case Prop::Caption:
            applyState(c, what);
            labelChanged(c);
            break;
        default:
            applyState(c, what);
            break;
    }
}

// ---- names for screen readers ---------------------------------------------

// The windows name their boxes by caption labels standing beside them, which
// Qt does not read for a box: each text box and list box is given the text
// of the label that names it on screen. Which label that is depends on the
// layout only; what it says is read again whenever the label changes.
void FormWindow::pairLabels() {
    for (const Control* c : form_->tabOrder())
        if (c->kind() == Kind::TextBox || c->kind() == Kind::ListBox) {
            namedBy_[c] = namingLabel(*c);
            applyName(*c);
        }
}

// The label's text as it is drawn; nothing while the label is hidden.
void FormWindow::applyName(const Control& box) {
    auto it = namedBy_.find(&box);
    if (it == namedBy_.end()) return;
    const Label* label = it->second;
    const QString name = label && label->Visible() ? fromCodePage(label->Caption()).simplified() : QString();
    QWidget* w = widget(box);
    if (w && w->accessibleName() != name) w->setAccessibleName(name);
}

void FormWindow::labelChanged(const Control& label) {
    if (label.kind() != Kind::Label) return;
    for (const auto& [box, by] : namedBy_)
        if (by == &label) applyName(*box);
}

void FormWindow::syncText(TextBox& box) {
    QWidget* w = widget(box);
    QSignalBlocker block(w);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        const QString text = fromCodePage(box.Text());
        if (edit->text() == text) return;
        const int cursor = edit->cursorPosition();
        edit->setText(text);
        edit->setCursorPosition(std::min<int>(cursor, static_cast<int>(text.size())));
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) {
        const QString text = withLf(box.Text());
        if (edit->toPlainText() == text) return;
        const int cursor = edit->textCursor().position();
        edit->setPlainText(text);
        QTextCursor tc = edit->textCursor();
        tc.setPosition(std::min<int>(cursor, static_cast<int>(text.size())));
        edit->setTextCursor(tc);
    }
}

// Lists can grow one entry at a time to a thousand: only the rows that
// differ from what is shown are touched.
void FormWindow::syncList(ListBox& list, bool items) {
    auto* view = static_cast<QListWidget*>(widget(list));
    QSignalBlocker block(view);
    QSignalBlocker blockSelection(view->selectionModel());
    ListMirror& m = lists_[&list];
    const int n = list.ListCount();
    if (items) {
        const int old = static_cast<int>(m.texts.size());
        int prefix = 0;
        while (prefix < old && prefix < n && m.texts[static_cast<std::size_t>(prefix)] == list.List(prefix))
            ++prefix;
        int suffix = 0;
        while (suffix < old - prefix && suffix < n - prefix &&
               m.texts[static_cast<std::size_t>(old - 1 - suffix)] == list.List(n - 1 - suffix))
            ++suffix;
        // The changed middle is replaced in one step each way, so a batch
        // fill of thousands of entries costs one model update, not one each.
        if (prefix == 0 && suffix == 0) {
            view->clear();
        } else {
            for (int i = old - suffix - 1; i >= prefix; --i) delete view->takeItem(i);
        }
        QStringList middle;
        middle.reserve(n - suffix - prefix);
        for (int i = prefix; i < n - suffix; ++i) middle.push_back(fromCodePage(list.List(i)));
        view->insertItems(prefix, middle);
        m.texts.erase(m.texts.begin() + prefix, m.texts.begin() + (old - suffix));
        std::vector<std::string> added;
        added.reserve(static_cast<std::size_t>(n - suffix - prefix));
        for (int i = prefix; i < n - suffix; ++i) added.push_back(list.List(i));
        m.texts.insert(m.texts.begin() + prefix, std::make_move_iterator(added.begin()),
                       std::make_move_iterator(added.end()));
        m.selected.assign(static_cast<std::size_t>(n), false);
        for (int i = 0; i < n; ++i) m.selected[static_cast<std::size_t>(i)] = view->item(i)->isSelected();
        m.current = -2;
    }
    if (m.selected.size() != static_cast<std::size_t>(n))
        m.selected.assign(static_cast<std::size_t>(n), false);
    for (int i = 0; i < n; ++i) {
        const bool sel = list.MultiSelect() ? list.Selected(i) : i == list.ListIndex();
        if (m.selected[static_cast<std::size_t>(i)] != sel) {
            view->item(i)->setSelected(sel);
            m.selected[static_cast<std::size_t>(i)] = sel;
        }
    }
    const int current = list.ListIndex();
    if (current != m.current) {
        view->selectionModel()->setCurrentIndex(
            current >= 0 ? view->model()->index(current, 0) : QModelIndex(), QItemSelectionModel::NoUpdate);
        if (current >= 0) view->scrollToItem(view->item(current));
        m.current = current;
    }
    view->viewport()->update();
}

int FormWindow::scrollPos(const ScrollBar& bar, int value) const {
    const int dir = bar.Max() >= bar.Min() ? 1 : -1;
    // Horizontal: Min at the left. Vertical: Max at the top.
    return bar.orientation() == ScrollBar::Orientation::Horizontal ? (value - bar.Min()) * dir
                                                                   : (bar.Max() - value) * dir;
}

int FormWindow::scrollValue(const ScrollBar& bar, int pos) const {
    const int dir = bar.Max() >= bar.Min() ? 1 : -1;
    return bar.orientation() == ScrollBar::Orientation::Horizontal ? bar.Min() + pos * dir
                                                                   : bar.Max() - pos * dir;
}

void FormWindow::syncScroll(ScrollBar& sb) {
    auto* bar = static_cast<QScrollBar*>(widget(sb));
    QSignalBlocker block(bar);
    bar->setRange(0, std::abs(sb.Max() - sb.Min()));
    bar->setSingleStep(sb.SmallChange());
    bar->setPageStep(sb.LargeChange());
    const int pos = scrollPos(sb, sb.Value());
    bar->setValue(pos);
    bar->setSliderPosition(pos);
}

void FormWindow::syncTabs(TabControl& tabs) {
    auto* strip = static_cast<TabStrip*>(widget(tabs));
    QSignalBlocker block(strip->bar);
    while (strip->bar->count() > tabs.Tabs()) strip->bar->removeTab(strip->bar->count() - 1);
    for (int i = 0; i < tabs.Tabs(); ++i) {
        if (i >= strip->bar->count()) strip->bar->addTab(QString());
        strip->bar->setTabText(i, literal(tabs.TabCaption(i)));
    }
    strip->bar->setCurrentIndex(tabs.Tab());
    QResizeEvent resize(strip->size(), strip->size());
    QCoreApplication::sendEvent(strip, &resize);
}

QWidget* FormWindow::focusWidgetOf(Control& c) const {
    QWidget* w = widget(c);
    if (auto* strip = dynamic_cast<TabStrip*>(w)) return strip->bar;
    return w;
}

void FormWindow::syncFocus() {
    if (dead_ || !window_ || !window_->isVisible()) return;
    QWidget* target = nullptr;
    if (Control* f = form_->ActiveControl()) target = focusWidgetOf(*f);
    if (!target || !target->isVisibleTo(window_) || !target->isEnabled()) target = canvas_;
    if (window_->focusWidget() != target || QApplication::focusWidget() != target)
        target->setFocus(Qt::OtherFocusReason);
}

// ---- menus ----------------------------------------------------------------

void FormWindow::buildMenus(QWidget* parent, const std::vector<MenuItem*>& items) {
    for (MenuItem* m : items) {
        QAction* a = nullptr;
        if (!m->items().empty()) {
            auto* menu = new QMenu(parent);
            menu->setObjectName(QString::fromStdString(m->Name()));
            a = menu->menuAction();
            buildMenus(menu, m->items());
        } else {
            a = new QAction(parent);
            connect(a, &QAction::triggered, this, [this, m] {
                if (!accepting()) return;
                user().clickMenu(*m);
                afterUserAction();
            });
        }
        a->setObjectName(QString::fromStdString(m->Name()));
        parent->addAction(a);
        actions_[m] = a;
        applyMenu(*m);
    }
}

void FormWindow::applyMenu(MenuItem& m) {
    QAction* a = action(m);
    if (!a) return;
    QSignalBlocker block(a);
    if (m.Caption() == "-") {
        a->setSeparator(true);
    } else {
        QString text = fromCodePage(m.Caption());
        // Shown beside the item only: the key itself is the window's shortcut.
        if (m.Shortcut()) text += u'\t' + QString::fromStdString(m.shortcutText());
        a->setText(text);
    }
    a->setEnabled(m.Enabled());
    a->setVisible(m.Visible());
}

void FormWindow::menuChanged(MenuItem& m, Prop what) {
    applyMenu(m);
    if (what == Prop::Visible && !m.parent()) {
        const bool shown = menuBarShown();
        if (window_->menuBar()->isVisible() != shown || window_->isHidden()) {
            window_->menuBar()->setVisible(shown);
            applyGeometry();
        }
    }
    updateShortcuts();
}

// One shortcut per key and window, on while some item with that key can be
// reached; the model picks the item.
void FormWindow::updateShortcuts() {
    std::map<char, bool> keys;
    std::vector<const MenuItem*> stack(form_->menuBar().begin(), form_->menuBar().end());
    while (!stack.empty()) {
        const MenuItem* m = stack.back();
        stack.pop_back();
        if (m->Shortcut()) keys[m->Shortcut()] = keys[m->Shortcut()] || m->reachable();
        stack.insert(stack.end(), m->items().begin(), m->items().end());
    }
    for (const auto& [key, on] : keys) {
        QShortcut*& s = shortcuts_[key];
        if (!s) {
            const char k = key;
            s = new QShortcut(
                QKeySequence(QKeyCombination(Qt::ControlModifier, Qt::Key(Qt::Key_A + (k - 'A')))), window_);
            s->setContext(Qt::WindowShortcut);
            connect(s, &QShortcut::activated, this, [this, k] {
                if (!accepting()) return;
                user().pressShortcut(*form_, k);
                afterUserAction();
            });
        }
        s->setEnabled(on);
    }
}

// ---- user actions ---------------------------------------------------------

void FormWindow::afterUserAction() {
    if (dead_) return;
    syncFocus();
}

void FormWindow::userClose() {
    if (!accepting()) return;
    user().closeWindow(*form_);
    afterUserAction();
}

void FormWindow::clicked(Control& c) {
    if (!dead_ && accepting()) user().click(c);
    if (dead_) return;
    // Qt toggled the box on its own: show what the model holds.
    applyState(c, Prop::Value);
    afterUserAction();
}

void FormWindow::edited(TextBox& box) {
    if (dead_) return;
    QWidget* w = widget(box);
    std::string text;
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        text = toCodePage(edit->text());
    else if (auto* edit = qobject_cast<QPlainTextEdit*>(w))
        text = withCrLf(edit->toPlainText());
    if (accepting()) user().typeText(box, text);
    if (dead_) return;
    // The model may have cut the text (length, line break, NUL, code page).
    syncText(box);
    afterUserAction();
}

void FormWindow::scrollAction(ScrollBar& sb, int action) {
    if (dead_) return;
    auto* bar = static_cast<QScrollBar*>(widget(sb));
    const bool horizontal = sb.orientation() == ScrollBar::Orientation::Horizontal;
    // Towards a larger Qt position is towards Max on a horizontal bar,
    // towards Min on a vertical one.
    bool go = true;
    User::Scroll how = User::Scroll::Track;
    int value = 0;
    switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            how = horizontal ? User::Scroll::SmallUp : User::Scroll::SmallDown;
            break;
        case QAbstractSlider::SliderSingleStepSub:
            how = horizontal ? User::Scroll::SmallDown : User::Scroll::SmallUp;
            break;
        case QAbstractSlider::SliderPageStepAdd:
            how = horizontal ? User::Scroll::LargeUp : User::Scroll::LargeDown;
            break;
        case QAbstractSlider::SliderPageStepSub:
            how = horizontal ? User::Scroll::LargeDown : User::Scroll::LargeUp;
            break;
        case QAbstractSlider::SliderToMinimum:
            value = scrollValue(sb, 0);
            break;
        case QAbstractSlider::SliderToMaximum:
            value = scrollValue(sb, bar->maximum());
            break;
        case QAbstractSlider::SliderMove:
            // Dragging: the value goes to the model when the thumb is let go.
            if (bar->isSliderDown()) return;
            value = scrollValue(sb, bar->sliderPosition());
            break;
        case QAbstractSlider::SliderNoAction:  // the thumb let go
            value = scrollValue(sb, bar->sliderPosition());
            break;
        default:
            go = false;
            break;
    }
    if (go && accepting()) user().scroll(sb, how, value);
    if (dead_) return;
    syncScroll(sb);
    afterUserAction();
}

bool FormWindow::press(Control& c, QObject* watched, QMouseEvent* e) {
    const bool dbl = e->type() == QEvent::MouseButtonDblClick;
    switch (c.kind()) {
        case Kind::Label:
            pressedLabel_ = &c;
            return true;
        case Kind::Frame:
        case Kind::Image:
            return false;
        default:
            break;
    }
    swallowMouse_ = true;
    if (!accepting()) return true;
    if (c.kind() == Kind::ListBox) {
        auto* view = static_cast<QListWidget*>(widget(c));
        if (watched == view->viewport()) {
            auto& list = static_cast<ListBox&>(c);
            const int index = view->indexAt(e->position().toPoint()).row();
            if (index >= 0 && e->button() == Qt::LeftButton) {
                User::Keys keys = User::Keys::None;
                if (e->modifiers() & Qt::ShiftModifier)
                    keys = User::Keys::Shift;
                else if (e->modifiers() & Qt::ControlModifier)
                    keys = User::Keys::Ctrl;
                if (dbl)
                    user().finishDoubleClick(list, index);
                else
                    user().selectItem(list, index, keys);
            } else {
                user().focus(c);
            }
            afterUserAction();
            return true;
        }
    }
    if (c.kind() == Kind::TabControl) {
        auto* strip = static_cast<TabStrip*>(widget(c));
        if (watched == strip->bar) {
            const int tab = strip->bar->tabAt(e->position().toPoint());
            if (tab >= 0 && e->button() == Qt::LeftButton)
                user().selectTab(static_cast<TabControl&>(c), tab);
            else
                user().focus(c);
        }
        afterUserAction();
        return true;
    }
    // Boxes, buttons and scroll bars: the focus moves first; the press then
    // goes on to Qt unless the model kept the focus away or a dialog took
    // the release.
    const int dialogsBefore = QtDialogs::shownCount();
    const bool moved = user().focus(c);
    if (dead_) return true;
    afterUserAction();
    if (!moved) return true;
    if (QtDialogs::shownCount() != dialogsBefore) {
        if (c.kind() == Kind::CommandButton || c.kind() == Kind::CheckBox || c.kind() == Kind::OptionButton) {
            user().click(c);
            if (!dead_) {
                applyState(c, Prop::Value);
                afterUserAction();
            }
        }
        return true;
    }
    swallowMouse_ = false;
    return false;
}

bool FormWindow::listKey(ListBox& list, QKeyEvent* e) {
    const int n = list.ListCount();
    const int current = list.ListIndex();
    auto* view = static_cast<QListWidget*>(widget(list));
    int target = -1;
    User::Keys keys =
        (list.MultiSelect() && (e->modifiers() & Qt::ShiftModifier)) ? User::Keys::Shift : User::Keys::None;
    const int rowHeight = std::max(1, view->sizeHintForRow(0));
    const int page = std::max(1, view->viewport()->height() / rowHeight - 1);
    switch (e->key()) {
        case Qt::Key_Up:
            target = std::max(0, current - 1);
            break;
        case Qt::Key_Down:
            target = current < 0 ? 0 : std::min(n - 1, current + 1);
            break;
        case Qt::Key_Home:
            target = 0;
            break;
        case Qt::Key_End:
            target = n - 1;
            break;
        case Qt::Key_PageUp:
            target = std::max(0, current - page);
            break;
        case Qt::Key_PageDown:
            target = std::min(n - 1, std::max(0, current) + page);
            break;
        case Qt::Key_Space:
            if (!list.MultiSelect()) return true;
            target = std::max(0, current);
            keys = User::Keys::Ctrl;
            break;
        default: {
            // Typing a letter goes to the next entry starting with it.
            const QString typed = e->text();
            if (typed.size() != 1 || !typed[0].isPrint() || n == 0) return false;
            for (int k = 1; k <= n; ++k) {
                const int i = (std::max(current, -1) + k) % n;
                if (fromCodePage(list.List(i)).startsWith(typed, Qt::CaseInsensitive)) {
                    target = i;
                    break;
                }
            }
            if (target < 0) return true;
            break;
        }
    }
    if (n == 0 || target < 0) return true;
    if (target == current && keys != User::Keys::Ctrl) return true;
    if (accepting()) user().selectItem(list, target, keys);
    afterUserAction();
    return true;
}

bool FormWindow::tabKey(TabControl& tabs, QKeyEvent* e) {
    int target = tabs.Tab();
    if (e->key() == Qt::Key_Left)
        --target;
    else if (e->key() == Qt::Key_Right)
        ++target;
    else
        return false;
    if (target >= 0 && target < tabs.Tabs() && accepting()) user().selectTab(tabs, target);
    afterUserAction();
    return true;
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (dead_) return false;
    auto it = owners_.find(watched);
    Control* c = it == owners_.end() ? nullptr : it->second;
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* k = static_cast<QKeyEvent*>(event);
            const auto mods = k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
            if ((k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) && !mods) {
                if (accepting())
                    user().pressTab(*form_,
                                    k->key() == Qt::Key_Backtab || (k->modifiers() & Qt::ShiftModifier));
                afterUserAction();
                return true;
            }
            // Alt with a key that is no access key or menu is a command key:
            // a text box never takes it as text.
            if (c && c->kind() == Kind::TextBox && mods == Qt::AltModifier && !k->text().isEmpty())
                return true;
            if (c && !mods && c->kind() == Kind::ListBox) return listKey(static_cast<ListBox&>(*c), k);
            if (c && !mods && c->kind() == Kind::TabControl) return tabKey(static_cast<TabControl&>(*c), k);
            return false;
        }
        case QEvent::Shortcut:
            // A button's access key: the model picks the button and moves the focus.
            if (c && c->kind() == Kind::CommandButton) {
                const char key = captionAccessKey(static_cast<CommandButton&>(*c).Caption());
                if (accepting()) user().pressAccessKey(*form_, key);
                afterUserAction();
                return true;
            }
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (!c) return false;
            return press(*c, watched, static_cast<QMouseEvent*>(event));
        case QEvent::MouseMove:
            return c && swallowMouse_;
        case QEvent::MouseButtonRelease: {
            if (c && c->kind() == Kind::Label && pressedLabel_ == c) {
                pressedLabel_ = nullptr;
                auto* w = static_cast<QWidget*>(watched);
                if (w->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()) &&
                    accepting()) {
                    user().click(*c);
                    afterUserAction();
                }
                return true;
            }
            if (c && swallowMouse_) {
                swallowMouse_ = false;
                return true;
            }
            return false;
        }
        case QEvent::ContextMenu:
            // No edit menu: a paste from it would bypass the focus move.
            return c != nullptr;
        case QEvent::Wheel:
            return c && c->kind() == Kind::ScrollBar && !accepting();
        default:
            return false;
    }
}

// ---- the backend ----------------------------------------------------------

QtBackend::QtBackend(FormManager& forms)
    : forms_(forms), user_(forms), twipsPerPixel_(dravik::twipsPerPixel()) {
    forms_.setScreen(screenInTwips());
    forms_.setObserver(this);
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, &context_,
                     [this](QWindow* now) { focusWindowChanged(now); });
}

QtBackend::~QtBackend() {
    forms_.setObserver(nullptr);
    for (auto& [form, window] : windows_) delete window;
}

FormWindow* QtBackend::windowOf(const Form& form) const {
    auto it = windows_.find(&form);
    return it == windows_.end() ? nullptr : it->second;
}

QWidget* QtBackend::window(const Form& form) const {
    FormWindow* w = windowOf(form);
    return w ? w->window() : nullptr;
}

QWidget* QtBackend::widget(const Control& control) const {
    FormWindow* w = windowOf(control.form());
    return w ? w->widget(control) : nullptr;
}

QAction* QtBackend::action(const MenuItem& item) const {
    FormWindow* w = windowOf(item.form());
    return w ? w->action(item) : nullptr;
}

QWidget* QtBackend::dialogOwner() const {
    if (Form* active = forms_.activeForm())
        if (QWidget* w = window(*active); w && w->isVisible()) return w;
    for (const auto& [form, window] : windows_)
        if (window->window() && window->window()->isVisible() && form->activates()) return window->window();
    return nullptr;
}

void QtBackend::formChanged(Form& form, FormEvent what) {
    if (what == FormEvent::Loaded) {
        if (!windowOf(form)) windows_[&form] = new FormWindow(*this, form);
        return;
    }
    FormWindow* w = windowOf(form);
    if (!w) return;
    if (what == FormEvent::Released) {
        windows_.erase(&form);
        w->release();
        return;
    }
    w->formChanged(what);
}

void QtBackend::controlChanged(Control& control, Prop what) {
    if (FormWindow* w = windowOf(control.form())) w->controlChanged(control, what);
}

void QtBackend::menuChanged(MenuItem& item, Prop what) {
    if (FormWindow* w = windowOf(item.form())) w->menuChanged(item, what);
}

void QtBackend::programEnded() { QCoreApplication::quit(); }

// The user brought another window of the program forward (by the desktop,
// not by a dialog closing: focus coming back from a dialog or from another
// program never activates).
void QtBackend::focusWindowChanged(QWindow* now) {
    QWindow* before = lastFocus_;
    lastFocus_ = now;
    if (!now || !before || now == before || forms_.busy() || forms_.ended()) return;
    const Form* from = nullptr;
    Form* to = nullptr;
    for (const auto& [form, window] : windows_) {
        QWidget* w = window->window();
        if (!w) continue;
        if (w->windowHandle() == before) from = form;
        if (w->windowHandle() == now) to = const_cast<Form*>(form);
    }
    if (!from || !to || !to->Visible() || forms_.activeForm() == to) return;
    user_.activate(*to);
}

}  // namespace dravik
