#include "ui/accessible.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QTabBar>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "ui/widgets.h"

namespace rotacle::ui {

namespace {

// The face of a widget lives in a child object of the widget, so that it
// goes with the widget.
class FaceHolder : public QObject {
public:
    FaceHolder(QObject* owner, AccessibleFace f) : QObject(owner), face(std::move(f)) {}
    AccessibleFace face;
};

const AccessibleFace* FaceOf(const QWidget& w) {
    for (QObject* c : w.children())
        if (const auto* h = dynamic_cast<const FaceHolder*>(c)) return &h->face;
    return nullptr;
}

// The mark of a picture that is only another look of a command.
class OutOfTree : public QObject {
public:
    using QObject::QObject;
};

bool IsOutOfTree(const QWidget& w) {
    return std::any_of(w.children().begin(), w.children().end(),
                       [](const QObject* c) { return dynamic_cast<const OutOfTree*>(c) != nullptr; });
}

// A child widget is in the tree while the player can see it: not hidden, not
// another look of a command, and not wholly outside its parent (the settings
// area below a closed window's edge).
bool InTree(const QAccessibleInterface* c) {
    const QObject* o = c->object();
    if (!o || !o->isWidgetType()) return true;
    const auto* w = static_cast<const QWidget*>(o);
    if (w->isWindow()) return true;
    const QWidget* parent = w->parentWidget();
    return !w->isHidden() && !IsOutOfTree(*w) && (!parent || parent->rect().intersects(w->geometry()));
}

// What the window says on its status line: the news since the line last
// changed and the table as the window last described it.
struct StatusLineState {
    QString line;
    QStringList news;
    QString table;
    bool settled = true;
    bool posted = false;
};

// What a window adds to its children: one list in place of its items, and
// the status line. The two parts have no widget; their interfaces are
// registered with Qt while the window lives.
class WindowAccess : public QObject {
public:
    explicit WindowAccess(QWidget& window) : QObject(&window) {}
    ~WindowAccess() override {
        for (const QAccessible::Id id : {list_id, status_id})
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
    WindowAccess(const WindowAccess&) = delete;
    WindowAccess& operator=(const WindowAccess&) = delete;

    bool Holds(const QObject* item) const {
        return std::any_of(items.begin(), items.end(),
                           [item](const QPointer<QWidget>& w) { return w == item; });
    }

    std::vector<QPointer<QWidget>> items;
    std::function<QString()> list_name;
    StatusLineState status;
    QAccessible::Id list_id = 0;
    QAccessible::Id status_id = 0;
};

WindowAccess* AccessOf(const QWidget& w) {
    for (QObject* c : w.children())
        if (auto* a = dynamic_cast<WindowAccess*>(c)) return a;
    return nullptr;
}

WindowAccess& EnsureAccess(QWidget& window) {
    if (WindowAccess* a = AccessOf(window)) return *a;
    return *new WindowAccess(window);
}

// The children of a widget's interface that are in the tree.
std::vector<QAccessibleInterface*> ShownChildren(const QAccessibleWidget& self) {
    std::vector<QAccessibleInterface*> shown;
    for (int i = 0; i < self.QAccessibleWidget::childCount(); ++i)
        if (QAccessibleInterface* c = self.QAccessibleWidget::child(i); c && InTree(c)) shown.push_back(c);
    return shown;
}

QAccessibleInterface* At(const std::vector<QAccessibleInterface*>& all, int index) {
    return index >= 0 && index < static_cast<int>(all.size()) ? all[static_cast<std::size_t>(index)]
                                                              : nullptr;
}

int IndexIn(const std::vector<QAccessibleInterface*>& all, const QAccessibleInterface* c) {
    const auto at = std::find(all.begin(), all.end(), c);
    return at == all.end() ? -1 : static_cast<int>(at - all.begin());
}

// A part of a window that is no widget of its own.
class WindowPart : public QAccessibleInterface {
public:
    explicit WindowPart(QWidget& window) : window_(&window) {}
    bool isValid() const override { return window_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_ ? window_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(window_); }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y)) return c;
        return nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::State state() const override { return {}; }

protected:
    WindowAccess* Access() const { return window_ ? AccessOf(*window_) : nullptr; }
    QPointer<QWidget> window_;
};

// The list holds the items that are shown and say something (an empty
// slot of the history is no item).
class ListPart : public WindowPart {
public:
    using WindowPart::WindowPart;
    QAccessibleInterface* child(int index) const override {
        const std::vector<QAccessibleInterface*> items = Items();
        return index >= 0 && index < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(index)]
                                                                    : nullptr;
    }
    int childCount() const override { return static_cast<int>(Items().size()); }
    int indexOfChild(const QAccessibleInterface* c) const override {
        const std::vector<QAccessibleInterface*> items = Items();
        const auto at = std::find(items.begin(), items.end(), c);
        return at == items.end() ? -1 : static_cast<int>(at - items.begin());
    }
    QString text(QAccessible::Text t) const override {
        const WindowAccess* a = Access();
        return t == QAccessible::Name && a && a->list_name ? a->list_name() : QString();
    }
    QRect rect() const override {
        QRect r;
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* c = child(i)) r |= c->rect();
        return r;
    }
    QAccessible::Role role() const override { return QAccessible::List; }

private:
    std::vector<QAccessibleInterface*> Items() const {
        std::vector<QAccessibleInterface*> items;
        if (const WindowAccess* a = Access())
            for (const QPointer<QWidget>& w : a->items)
                if (QAccessibleInterface* i =
                        w && w->isVisible() ? QAccessible::queryAccessibleInterface(w) : nullptr;
                    i && !i->text(QAccessible::Name).isEmpty())
                    items.push_back(i);
        return items;
    }
};

class StatusPart : public WindowPart {
public:
    using WindowPart::WindowPart;
    QString text(QAccessible::Text t) const override {
        const WindowAccess* a = Access();
        return t == QAccessible::Name && a ? a->status.line : QString();
    }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
};

QAccessibleInterface* Registered(QAccessible::Id& id, QWidget& window, bool list) {
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(
            list ? static_cast<QAccessibleInterface*>(new ListPart(window)) : new StatusPart(window));
    return QAccessible::accessibleInterface(id);
}

// The window: what the player sees of its children, its list in place of
// the list's items, and its status line last.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Window) {}
    int childCount() const override { return static_cast<int>(Children().size()); }
    QAccessibleInterface* child(int index) const override { return At(Children(), index); }
    int indexOfChild(const QAccessibleInterface* c) const override { return IndexIn(Children(), c); }

private:
    std::vector<QAccessibleInterface*> Children() const {
        std::vector<QAccessibleInterface*> all;
        WindowAccess* a = AccessOf(*widget());
        bool listed = false;
        for (QAccessibleInterface* c : ShownChildren(*this)) {
            if (a && !a->items.empty() && a->Holds(c->object())) {
                if (!listed) all.push_back(Registered(a->list_id, *widget(), true));
                listed = true;
                continue;
            }
            all.push_back(c);
        }
        if (a) all.push_back(Registered(a->status_id, *widget(), false));
        return all;
    }
};

}  // namespace

bool UnderCover(const QWidget& w) {
    const QWidget* parent = w.parentWidget();
    if (!parent) return false;
    const QWidget* top = parent->childAt(w.geometry().center());
    while (top && top->parentWidget() != parent) top = top->parentWidget();
    if (!top || top == &w) return false;
    if (qobject_cast<const QAbstractButton*>(top)) return false;
    const AccessibleFace* f = FaceOf(*top);
    return !f || f->role != QAccessible::Button;
}

namespace {

// A picture, label or gauge, read through its face.
class PaintedAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit PaintedAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::StaticText) {}

    QAccessible::Role role() const override {
        if (const AccessibleFace* f = FaceOf(*widget())) return f->role;
        return Gauged() ? QAccessible::ProgressBar : QAccessible::StaticText;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            if (!widget()->accessibleName().isEmpty()) return widget()->accessibleName();
            if (const AccessibleFace* f = FaceOf(*widget()); f && f->name) return f->name();
            if (const auto* c = dynamic_cast<const Caption*>(widget())) return c->Text();
        }
        if (t == QAccessible::Value && Gauged()) return QString::number(currentValue().toInt());
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const AccessibleFace* f = FaceOf(*widget());
        if (f && f->checked) {
            s.checkable = true;
            s.checked = f->checked();
        }
        if (f && f->role == QAccessible::Button && UnderCover(*widget())) s.disabled = true;
        return s;
    }
    int childCount() const override { return static_cast<int>(ShownChildren(*this).size()); }
    QAccessibleInterface* child(int index) const override { return At(ShownChildren(*this), index); }
    int indexOfChild(const QAccessibleInterface* c) const override {
        return IndexIn(ShownChildren(*this), c);
    }
    QAccessibleInterface* parent() const override {
        if (QWidget* p = widget()->parentWidget())
            if (WindowAccess* a = AccessOf(*p); a && a->Holds(widget()))
                return Registered(a->list_id, *p, true);
        return QAccessibleWidget::parent();
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (Pressable()) names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && Pressable()) {
            PressLikePointer(*widget());
            return;
        }
        QAccessibleWidget::doAction(action);
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface && Gauged())
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // A gauge's value: read only.
    QVariant currentValue() const override {
        const auto* g = dynamic_cast<const Gauge*>(widget());
        return g ? g->Position() : 0;
    }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override {
        const auto* g = dynamic_cast<const Gauge*>(widget());
        return g ? g->Maximum() : 0;
    }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    bool Gauged() const { return dynamic_cast<const Gauge*>(widget()) != nullptr; }
    bool Pressable() const {
        const AccessibleFace* f = FaceOf(*widget());
        return f && f->role == QAccessible::Button && widget()->isEnabled() && !UnderCover(*widget());
    }
};

// A tab of a tab bar. Qt's own tab reads "focused" whenever it is the
// current one, also in a closed window: this one is focused only while its
// bar holds the focus.
class TabPart : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabPart(QTabBar& bar, int index) : bar_(&bar), index_(index) {}
    bool isValid() const override { return bar_ && index_ < bar_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return bar_ ? bar_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(bar_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return bar_->tabText(index_).remove(QLatin1Char('&'));
        if (t == QAccessible::Description) return bar_->tabToolTip(index_);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid() || !bar_->isVisible()) return {};
        const QRect r = bar_->tabRect(index_);
        return QRect(bar_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) return s;
        s.invisible = !bar_->isVisible() || !bar_->isTabVisible(index_);
        s.disabled = !bar_->isTabEnabled(index_);
        s.selectable = true;
        s.focusable = bar_->focusPolicy() != Qt::NoFocus;
        s.selected = index_ == bar_->currentIndex();
        s.focused = s.selected && bar_->hasFocus() && bar_->isActiveWindow();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && isValid() && bar_->isTabEnabled(index_)) bar_->setCurrentIndex(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QTabBar> bar_;
    int index_;
};

// The bar: its tabs, each registered with Qt while the bar lives.
class TabBarAccessible : public QAccessibleWidget {
public:
    explicit TabBarAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::PageTabList) {}
    ~TabBarAccessible() override {
        for (const QAccessible::Id id : tabs_) QAccessible::deleteAccessibleInterface(id);
    }
    TabBarAccessible(const TabBarAccessible&) = delete;
    TabBarAccessible& operator=(const TabBarAccessible&) = delete;

    int childCount() const override { return Bar()->count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= Bar()->count()) return nullptr;
        while (static_cast<int>(tabs_.size()) <= index)
            tabs_.push_back(QAccessible::registerAccessibleInterface(
                new TabPart(*Bar(), static_cast<int>(tabs_.size()))));
        return QAccessible::accessibleInterface(tabs_[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        for (int i = 0; i < childCount(); ++i)
            if (child(i) == c) return i;
        return -1;
    }

private:
    QTabBar* Bar() const { return static_cast<QTabBar*>(widget()); }
    mutable std::vector<QAccessible::Id> tabs_;
};

QAccessibleInterface* PaintedFactory(const QString&, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* w = static_cast<QWidget*>(object);
    if (auto* bar = qobject_cast<QTabBar*>(w)) return new TabBarAccessible(bar);
    if (AccessOf(*w)) return new WindowAccessible(w);
    if (FaceOf(*w) || dynamic_cast<Caption*>(w) || dynamic_cast<Gauge*>(w)) return new PaintedAccessible(w);
    return nullptr;
}

// A ring drawn above everything around the painted command with the focus:
// the command itself may lie under its own hover picture or a cover.
class FocusRing : public QWidget {
public:
    explicit FocusRing(QWidget& window) : QWidget(&window) {
        setObjectName(QStringLiteral("FocusRing"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        hide();
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { Follow(now); });
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(Qt::NoBrush);
        // Dark outside, white inside: the ring reads on felt, gold and black.
        p.setPen(QPen(QColor(0, 0, 0, 220), 4));
        p.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 4, 4);
        p.setPen(QPen(Qt::white, 2));
        p.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 4, 4);
    }

private:
    void Follow(QWidget* now) {
        if (!now || now->window() != window() || !IsPaintedCommand(now)) {
            hide();
            return;
        }
        setGeometry(QRect(now->mapTo(parentWidget(), QPoint(0, 0)), now->size()).adjusted(-3, -3, 3, 3));
        raise();
        show();
        update();
    }
};

}  // namespace

void SetAccessibleFace(QWidget& widget, AccessibleFace face) {
    for (QObject* c : widget.children())
        if (auto* h = dynamic_cast<FaceHolder*>(c)) {
            h->face = std::move(face);
            return;
        }
    new FaceHolder(&widget, std::move(face));
}

void SetAccessibleList(QWidget& window, std::vector<QWidget*> items, std::function<QString()> name) {
    WindowAccess& a = EnsureAccess(window);
    a.items.assign(items.begin(), items.end());
    a.list_name = std::move(name);
}

void KeepOutOfTree(QWidget& look) {
    if (!IsOutOfTree(look)) new OutOfTree(&look);
}

namespace {

// Once the window is idle: the line takes its news and the table's
// description, and says them when they differ from what it said.
void PostStatus(QWidget& window, WindowAccess& a) {
    if (a.status.posted) return;
    a.status.posted = true;
    QPointer<QWidget> to = &window;
    QTimer::singleShot(0, &a, [to] {
        WindowAccess* access = to ? AccessOf(*to) : nullptr;
        if (!access) return;
        StatusLineState& s = access->status;
        s.posted = false;
        // A run under way: its end brings the settled description.
        if (!s.settled) return;
        QStringList parts = s.news;
        if (!s.table.isEmpty()) parts << s.table;
        const QString line = parts.join(QStringLiteral("; "));
        const bool news = !s.news.isEmpty();
        s.news.clear();
        if (line == s.line && !news) return;
        s.line = line;
        if (!QAccessible::isActive()) return;
        QAccessibleInterface* status = Registered(access->status_id, *to, false);
        QAccessibleEvent named(status, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
        QAccessibleEvent alert(status, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    });
}

}  // namespace

void Announce(QWidget& window, const QString& text) {
    WindowAccess& a = EnsureAccess(window);
    // A long go (a resumed session's replay) says much at once: its last
    // words are enough.
    if (a.status.news.size() == 3) a.status.news.removeFirst();
    a.status.news << text;
    PostStatus(window, a);
}

void DescribeTable(QWidget& window, const QString& text, bool settled) {
    WindowAccess& a = EnsureAccess(window);
    a.status.settled = settled;
    if (!settled) return;
    if (text == a.status.table && a.status.news.isEmpty()) return;
    a.status.table = text;
    PostStatus(window, a);
}

QString StatusLine(const QWidget& window) {
    const WindowAccess* a = AccessOf(window);
    return a ? a->status.line : QString();
}

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&PaintedFactory);
        return true;
    }();
    (void)installed;
}

void PressLikePointer(QWidget& command) {
    if (!command.isVisible() || !command.isEnabled()) return;
    QPointer<QWidget> parent = command.parentWidget();
    const QPoint centre = command.geometry().center();
    if (auto* picture = dynamic_cast<Picture*>(&command)) picture->Hover();
    QWidget* top = parent ? parent->childAt(centre) : &command;
    if (auto* picture = dynamic_cast<Picture*>(top))
        picture->Click();
    else if (auto* button = qobject_cast<QAbstractButton*>(top); button && button->isEnabled())
        button->click();
}

bool IsPaintedCommand(const QWidget* widget) {
    return (dynamic_cast<const Picture*>(widget) || dynamic_cast<const HoverButton*>(widget)) &&
           (widget->focusPolicy() & Qt::TabFocus) != 0;
}

void ShowFocusRing(QWidget& window) { new FocusRing(window); }

}  // namespace rotacle::ui
