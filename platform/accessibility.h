#pragma once
// What screen readers and keyboard users get from every window.
//
// installAccessibility (once, at start-up; repeated calls do nothing):
//  - every top-level window of the program is a window (a dialog while shown
//    modally, or when it is a dialog) named by its caption, so that a screen
//    reader announces it and takes the focus changes inside it as its own;
//  - a plain panel (a QFrame) is a grouping, not a frame of its own;
//  - widgets marked by hideFromAccessibility are left out of the tree;
//  - Enter and Return press the focused push button in windows that are not
//    dialogs, as Space does (dialogs already do it for their buttons).
#include <QString>
#include <QWidget>
#include <functional>

class QAccessibleEvent;

void installAccessibility();

// Events of the program's own making (the equation control's text and caret)
// go out through here: to the screen reader while one listens, and to the
// observer when one is set (tests, on platforms without a screen reader).
void sendAccessibleEvent(QAccessibleEvent* event);
bool accessibleEventsWanted();
void setAccessibleEventObserver(std::function<void(QAccessibleEvent*)> observer);

// Leaves `widget` (and what it holds) out of the accessibility tree.
void hideFromAccessibility(QWidget* widget);
bool isHiddenFromAccessibility(const QWidget* widget);

// An invisible status of a window that a screen reader speaks whenever it
// changes: role Notification, its name the text, shown anew for every
// announcement.  It takes no focus and no clicks and paints nothing.
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
