#include "platform/windows.h"

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

namespace {
void centreFrame(QWidget* w)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect frame = w->frameGeometry();
    w->move(area.x() + (area.width() - frame.width()) / 2, area.y() + (area.height() - frame.height()) / 2);
}

// A window's frame is known only once the window exists on the screen: this
// centres the framed window again when it is first shown, unless something
// has placed the window elsewhere in the meantime.
class FirstShowCentring : public QObject {
public:
    FirstShowCentring(QWidget* w, QPoint placed)
        : QObject(w)
        , m_placed(placed)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (watched == parent() && e->type() == QEvent::Show && !e->spontaneous()) {
            auto* w = static_cast<QWidget*>(watched);
            w->removeEventFilter(this);
            deleteLater();
            if (w->pos() == m_placed)
                centreFrame(w);
        }
        return false;
    }

private:
    QPoint m_placed;
};
} // namespace

void centreOnDesktop(QWidget* w)
{
    centreFrame(w);
    if (!w->isVisible())
        w->installEventFilter(new FirstShowCentring(w, w->pos()));
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

void takePlace(QWidget* leaving, QWidget* coming)
{
    leaving->hide();
    if (!coming)
        return;
    placeAt(coming, leaving);
    coming->show();
}
