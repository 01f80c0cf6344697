#include "shell/platform/windows.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

Qt::WindowFlags fixedWindowFlags()
{
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
         | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
}

Qt::WindowFlags minimiseOnlyWindowFlags()
{
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint
         | Qt::MSWindowsFixedSizeDialogHint;
}

Qt::WindowFlags noSystemMenuWindowFlags()
{
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
}

void setupWindow(QWidget* w, const QString& caption, int clientWidth, int clientHeight,
                 Qt::WindowFlags flags)
{
    w->setWindowFlags(flags);
    w->setWindowTitle(caption);
    w->setFixedSize(clientWidth, clientHeight);
    w->setAccessibleName(caption);
}

void centreOnDesktop(QWidget* w)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect frame = w->frameGeometry();
    w->move(area.x() + (area.width() - frame.width()) / 2, area.y() + (area.height() - frame.height()) / 2);
}

void activateOnShow(QWidget* w, const QEvent* showEvent)
{
    if (showEvent->type() == QEvent::Show && !showEvent->spontaneous() && !w->isActiveWindow())
        w->activateWindow();
}

void placeAt(QWidget* w, const QWidget* at)
{
    w->move(at->pos());
}
