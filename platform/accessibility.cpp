#include "platform/accessibility.h"

#include "platform/spokentext.h"
#include "platform/tabpages.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDialog>
#include <QFocusFrame>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTextDocument>
#include <algorithm>

namespace {

const char* const kHiddenProperty = "vektumAccessibleHidden";

// Qt's own helpers that are no part of what a window shows.
bool isHelper(const QWidget* w)
{
    return qobject_cast<const QFocusFrame*>(w) || qobject_cast<const QMenu*>(w)
        || w->objectName() == QLatin1String("qt_rubberband");
}

// A label of text, read as its text is spoken; what it labels (its buddy) is
// its relation.  Labels of images keep Qt's own description.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        const auto* l = static_cast<const QLabel*>(widget());
        if (t != QAccessible::Name || !l->accessibleName().isEmpty())
            return spokenAccessibleText(t, QAccessibleWidget::text(t));
        QString shown = l->text();
        if (l->textFormat() == Qt::RichText || (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(shown))) {
            QTextDocument document;
            document.setHtml(shown);
            shown = document.toPlainText();
        }
        if (l->buddy())
            shown = stripMnemonic(shown);
        return spokenText(shown);
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override
    {
        auto rels = QAccessibleWidget::relations(match);
        const auto* l = static_cast<const QLabel*>(widget());
        if ((match & QAccessible::Labelled) && l->buddy())
            if (QAccessibleInterface* buddy = QAccessible::queryAccessibleInterface(l->buddy()))
                rels.append({buddy, QAccessible::Labelled});
        return rels;
    }

private:
    // "&Name" as "Name", "&&" as "&".
    static QString stripMnemonic(const QString& text)
    {
        QString out;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u'&' && i + 1 < text.size())
                ++i;
            out += text[i];
        }
        return out;
    }
};

bool isTextLabel(const QWidget* w)
{
    const auto* l = qobject_cast<const QLabel*>(w);
    return l && l->pixmap().isNull() && l->picture().isNull() && !l->movie();
}

// A container whose hidden children stay out of the tree and whose shown
// ones come in reading order.
class ContainerAccessible : public QAccessibleWidget {
public:
    ContainerAccessible(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    QString text(QAccessible::Text t) const override { return spokenAccessibleText(t, QAccessibleWidget::text(t)); }

    int childCount() const override { return int(accessibleChildren(widget()).size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> kids = accessibleChildren(widget());
        return index >= 0 && index < kids.size() ? QAccessible::queryAccessibleInterface(kids.at(index)) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child || !child->object() || !child->object()->isWidgetType())
            return -1;
        return int(accessibleChildren(widget()).indexOf(static_cast<QWidget*>(child->object())));
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
            return spokenText(widget()->windowTitle());
        return ContainerAccessible::text(t);
    }
};

// A notification stands on its own, as a desktop notification does: its
// parent is the application, never the window it speaks for.  A screen reader
// presents an object with the windows around it that it counts as context; a
// notification inside a dialog would bring the dialog's name and every label
// of it along with each announcement.
class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Notification) {}
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(qApp); }
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

QList<QAccessible::InterfaceFactory>& widgetFactories()
{
    static QList<QAccessible::InterfaceFactory> list;
    return list;
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
    for (QAccessible::InterfaceFactory more : widgetFactories())
        if (QAccessibleInterface* iface = more(className, object))
            return iface;
    if (isOurWindow(w))
        return new WindowAccessible(w);
    if (QAccessibleInterface* tabs = tabPagesAccessible(className, object))
        return tabs;
    if (className == QLatin1String("QFrame"))
        return new ContainerAccessible(w, QAccessible::Grouping);
    // Pages, their scroll contents and the page stack hold what is shown.
    if (className == QLatin1String("QWidget"))
        return new ContainerAccessible(w, QAccessible::Client);
    // The stack of pages groups the shown page without a name of its own (the
    // tab names the page): a screen reader says nothing of it when the focus
    // moves from the tab into the page.
    if (className == QLatin1String("PageStack"))
        return new ContainerAccessible(w, QAccessible::Grouping);
    if (isTextLabel(w))
        return new LabelAccessible(static_cast<QLabel*>(w));
    return nullptr;
}

// Between the program and the screen reader: what reachesScreenReader lets
// through goes on to the platform as if no handler were installed.
void forwardShownOnly(QAccessibleEvent* event)
{
    if (!reachesScreenReader(event))
        return;
    const QAccessible::UpdateHandler self = QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(self);
}

} // namespace

void installAccessibility(std::initializer_list<QAccessible::InterfaceFactory> more)
{
    static bool installed = false;
    if (!qApp)
        return;
    for (QAccessible::InterfaceFactory f : more)
        if (f && !widgetFactories().contains(f))
            widgetFactories().append(f);
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(factory);
    QAccessible::installUpdateHandler(forwardShownOnly);
}

QString spokenAccessibleText(QAccessible::Text t, const QString& shown)
{
    return t == QAccessible::Name || t == QAccessible::Description ? spokenText(shown) : shown;
}

bool reachesScreenReader(const QAccessibleEvent* event)
{
    switch (event->type()) {
    case QAccessible::ObjectHide:
    case QAccessible::ObjectDestroyed:
        return true;
    default:
        break;
    }
    QObject* object = event->object();
    if (!object || !object->isWidgetType())
        return true;
    const auto* w = static_cast<const QWidget*>(object);
    return w->isVisible() && !isHiddenFromAccessibility(w);
}

QList<QWidget*> accessibleChildren(const QWidget* parent)
{
    QList<QWidget*> shown;
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isWindow() && !isHelper(w) && !qobject_cast<Announcer*>(w) && !w->isHidden()
            && !isHiddenFromAccessibility(w))
            shown.append(w);
    }
    // Lines from the top: a widget joins a line when it starts above the
    // middle of the line's lowest member; each line reads left to right.
    std::stable_sort(shown.begin(), shown.end(), [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    QList<QWidget*> ordered;
    for (qsizetype first = 0; first < shown.size();) {
        const int top = shown[first]->y();
        int lowest = std::max(1, shown[first]->height());
        qsizetype end = first + 1;
        while (end < shown.size() && shown[end]->y() < top + lowest / 2) {
            lowest = std::min(lowest, std::max(1, shown[end]->height()));
            ++end;
        }
        QList<QWidget*> line = shown.mid(first, end - first);
        std::stable_sort(line.begin(), line.end(), [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
        ordered += line;
        first = end;
    }
    return ordered;
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
    if (!reachesScreenReader(event))
        return;
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
    // A point in the window's last corner, covering nothing.
    setGeometry(std::max(0, window->width() - 1), std::max(0, window->height() - 1), 1, 1);
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
    setAccessibleName(spokenText(text));
    // A screen reader speaks a notification when it is shown.
    if (parentWidget() && parentWidget()->isVisible()) {
        hide();
        show();
        // Qt tells the platform itself; an observer hears of it here.
        if (observer()) {
            QAccessibleEvent shown(this, QAccessible::ObjectShow);
            observer()(&shown);
        }
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
