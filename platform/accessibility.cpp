#include "platform/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDialog>
#include <QFocusFrame>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace {

const char* const kHiddenProperty = "vektumAccessibleHidden";

// The children a screen reader sees: the widget's child widgets less windows,
// Qt's own helpers and the hidden ones.
QList<QWidget*> visibleChildren(const QWidget* parent)
{
    QList<QWidget*> out;
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow() || qobject_cast<QFocusFrame*>(w) || qobject_cast<QMenu*>(w)
            || w->objectName() == QLatin1String("qt_rubberband") || isHiddenFromAccessibility(w))
            continue;
        out.append(w);
    }
    return out;
}

// A container whose hidden children stay out of the tree.
class ContainerAccessible : public QAccessibleWidget {
public:
    ContainerAccessible(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    int childCount() const override { return int(visibleChildren(widget()).size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> kids = visibleChildren(widget());
        return index >= 0 && index < kids.size() ? QAccessible::queryAccessibleInterface(kids.at(index)) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child || !child->object() || !child->object()->isWidgetType())
            return -1;
        return int(visibleChildren(widget()).indexOf(static_cast<QWidget*>(child->object())));
    }
};

class WindowAccessible : public ContainerAccessible {
public:
    explicit WindowAccessible(QWidget* w) : ContainerAccessible(w, QAccessible::Window) {}

    QAccessible::Role role() const override
    {
        const QWidget* w = widget();
        const bool dialog = w->isModal() || qobject_cast<const QDialog*>(w) || w->windowType() == Qt::Dialog;
        return dialog ? QAccessible::Dialog : QAccessible::Window;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return widget()->windowTitle();
        return ContainerAccessible::text(t);
    }
};

class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Notification) {}
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = false;
        return s;
    }
};

bool isOurWindow(const QWidget* w)
{
    if (!w->isWindow() || qobject_cast<const QMessageBox*>(w) || qobject_cast<const QMenu*>(w))
        return false;
    const Qt::WindowType type = w->windowType();
    return type == Qt::Window || type == Qt::Dialog;
}

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* w = static_cast<QWidget*>(object);
    // Only the most derived class decides, so that a class Qt describes
    // better (a message box, a label) keeps Qt's own description.
    if (className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (qobject_cast<Announcer*>(w))
        return new AnnouncerAccessible(w);
    if (isOurWindow(w))
        return new WindowAccessible(w);
    if (className == QLatin1String("QFrame"))
        return new ContainerAccessible(w, QAccessible::Grouping);
    return nullptr;
}

// Enter presses the focused push button, as Space does; the focus is always
// drawn.
class ButtonKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The focus is drawn from the moment a window is shown, not only
        // after the first Tab.
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            if (w->isWindow())
                w->setAttribute(Qt::WA_KeyboardFocusChange);
            return false;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || button->autoDefault() || button->isDefault() || !button->isEnabled())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || mods != Qt::NoModifier)
            return false;
        // At once, as a dialog's default button does: a delayed click could
        // land after the window had been left by another way.
        if (!key->isAutoRepeat())
            button->click();
        return true;
    }
};

} // namespace

void installAccessibility()
{
    static bool installed = false;
    if (installed || !qApp)
        return;
    installed = true;
    QAccessible::installFactory(factory);
    qApp->installEventFilter(new ButtonKeys(qApp));
}

namespace {
std::function<void(QAccessibleEvent*)>& observer()
{
    static std::function<void(QAccessibleEvent*)> o;
    return o;
}
} // namespace

void sendAccessibleEvent(QAccessibleEvent* event)
{
    if (observer())
        observer()(event);
    QAccessible::updateAccessibility(event);
}

bool accessibleEventsWanted()
{
    return QAccessible::isActive() || observer();
}

void setAccessibleEventObserver(std::function<void(QAccessibleEvent*)> o)
{
    observer() = std::move(o);
}

void hideFromAccessibility(QWidget* widget)
{
    if (widget)
        widget->setProperty(kHiddenProperty, true);
}

bool isHiddenFromAccessibility(const QWidget* widget)
{
    return widget && widget->property(kHiddenProperty).toBool();
}

Announcer::Announcer(QWidget* window)
    : QWidget(window)
{
    setObjectName(QStringLiteral("Announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(0, 0, 1, 1);
    hide();
    window->installEventFilter(this);
}

bool Announcer::eventFilter(QObject* watched, QEvent* event)
{
    // A window shown again does not repeat its last announcement.
    if (watched == parentWidget() && event->type() == QEvent::Hide)
        hide();
    return QWidget::eventFilter(watched, event);
}

void Announcer::announce(const QString& text)
{
    setAccessibleName(text);
    // A screen reader speaks a notification when it is shown.
    if (parentWidget() && parentWidget()->isVisible()) {
        hide();
        show();
    }
}

Announcer* WindowAnnouncer(const QWidget* widget)
{
    if (!widget)
        return nullptr;
    return widget->window()->findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly);
}

void announce(QWidget* widget, const QString& text)
{
    if (!widget)
        return;
    Announcer* announcer = WindowAnnouncer(widget);
    if (!announcer)
        announcer = new Announcer(widget->window());
    announcer->announce(text);
}
