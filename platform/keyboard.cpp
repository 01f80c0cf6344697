#include "platform/keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace {

// Enter and Return press the focused push button that is not a dialog's
// default or auto-default button (those already answer Enter).
class EnterPressesFocusedButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
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

// Every window shown draws the focus of its focused control at once.
class FocusDrawnFromShow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            if (w->isWindow())
                w->setAttribute(Qt::WA_KeyboardFocusChange);
        }
        return false;
    }
};

} // namespace

void installKeyboardBehaviour()
{
    static bool installed = false;
    if (installed || !qApp)
        return;
    installed = true;
    qApp->installEventFilter(new EnterPressesFocusedButton(qApp));
    qApp->installEventFilter(new FocusDrawnFromShow(qApp));
}
