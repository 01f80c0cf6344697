#pragma once
// Window frames and placement.
#include <QWidget>

// Fixed single border with the minimise and close buttons (no maximise).
Qt::WindowFlags fixedWindowFlags();
// Fixed single border, only the minimise button in the title bar.
Qt::WindowFlags minimiseOnlyWindowFlags();
// Fixed single border and no system menu: no title-bar buttons at all.
Qt::WindowFlags noSystemMenuWindowFlags();

// Gives a top-level window its flags, fixed client size and caption.
void setupWindow(QWidget* w, const QString& caption, int clientWidth, int clientHeight,
                 Qt::WindowFlags flags);

// Centres a window, frame included, on the primary screen's available area.
// A window not yet shown is centred again when first shown, once its frame is
// known, unless it has been moved in between.
void centreOnDesktop(QWidget* w);

// A window shown by the program becomes the active window, as a window that
// takes another's place must (its activation handler starts its work).  Call on
// QEvent::Show; the platform carries the request out once the window is mapped,
// also on a desktop without a window manager.
void activateOnShow(QWidget* w, const QEvent* showEvent);

// Places window w at window at's place (the same left and top).
void placeAt(QWidget* w, const QWidget* at);

// Window coming takes window leaving's place: leaving is hidden (nothing
// happens if it is hidden already), coming gets its left and top and is shown.
// Every move from one window to another at the same place goes through here.
// Without a coming window, leaving is only hidden.
void takePlace(QWidget* leaving, QWidget* coming);
