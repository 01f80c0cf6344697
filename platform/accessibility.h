#pragma once
// What screen readers get from every window.
//
// installAccessibility (once, at start-up) is the one place where the
// program's accessible objects are registered: one factory describes
//  - every top-level window of the program as a window (a dialog while shown
//    modally, or when it is a dialog) named by its caption, so that a screen
//    reader announces it and takes the focus changes inside it as its own;
//  - a plain panel (a QFrame) as a grouping, not a frame of its own;
//  - the page control's strip and tabs (platform/tabpages.h);
//  - whatever the factories given by the caller describe (the picture box,
//    the equation control), asked before the rules above.
// Inside the program's windows, panels, pages and plain containers, the
// children a screen reader finds are those shown, in reading order (by lines
// from the top, left to right within a line); widgets hidden, not yet shown,
// or marked by hideFromAccessibility are not in the tree.  Nor does a screen
// reader hear of changes of a widget while it is not shown: it meets each
// object first when the object is on screen, so its view of the object's
// visibility is never stale.  A call with further factories adds them.
#include <QAccessible>
#include <QList>
#include <QString>
#include <QWidget>
#include <functional>
#include <initializer_list>

class QAccessibleEvent;

void installAccessibility(std::initializer_list<QAccessible::InterfaceFactory> widgetFactories = {});

// A name or a description as the screen shows it, as a screen reader is
// given it (spokenText, platform/spokentext.h); other texts as they are.
// The descriptions here give names and descriptions so.
QString spokenAccessibleText(QAccessible::Text t, const QString& shown);

// The rule above for one event: false for a change of a widget that is not
// shown (its hiding and destruction are always told).
bool reachesScreenReader(const QAccessibleEvent* event);

// The children of `parent` a screen reader finds, in reading order.
QList<QWidget*> accessibleChildren(const QWidget* parent);

// Events of the program's own making (the equation control's text and caret)
// go out through here: to the screen reader while one listens, and to the
// observer when one is set (tests, on platforms without a screen reader),
// under the rule of reachesScreenReader.  The observer also hears every
// announcement (an ObjectShow of the announcer, its name the text).
void sendAccessibleEvent(QAccessibleEvent* event);
bool accessibleEventsWanted();
void setAccessibleEventObserver(std::function<void(QAccessibleEvent*)> observer);

// Leaves `widget` (and what it holds) out of the accessibility tree.
void hideFromAccessibility(QWidget* widget);
bool isHiddenFromAccessibility(const QWidget* widget);

// An invisible status of a window that a screen reader speaks whenever it
// changes: role Notification, its name the text, shown anew for every
// announcement.  It takes no focus and no clicks and paints nothing.  To the
// screen reader it is a notification of the application, not a part of the
// window: an announcement is spoken alone, without the window's caption and
// labels, and a review of the window finds what the window shows (the texts
// an announcement repeats) rather than the announcer.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* window);
    void announce(const QString& text);
    QString text() const { return accessibleName(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Speaks `text` through the announcer of the window that holds `widget`
// (made on first need).  The focus stays where it is.
void announce(QWidget* widget, const QString& text);
// The window's announcer, or null while it has none.
Announcer* WindowAnnouncer(const QWidget* widget);
