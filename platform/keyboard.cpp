#include "platform/keyboard.h"

#include "platform/guard.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHash>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPushButton>

namespace {

// The keys, by scope.  The keys of an action are written as Qt reads a key
// sequence, so that what the page shows is the key that is installed.
const KeyRow kKeys[] = {
    {"F1", KeyScope::AllWindows, KeyAction::Help,
     QT_TRANSLATE_NOOP("Keys", "информация о работе с системой (это окно)")},
    {"Ctrl+F1", KeyScope::AllWindows, KeyAction::About, QT_TRANSLATE_NOOP("Keys", "сведения о программе")},
    {"Tab, Shift+Tab", KeyScope::AllWindows, KeyAction::None,
     QT_TRANSLATE_NOOP("Keys", "к следующему, к предыдущему элементу окна")},
    {QT_TRANSLATE_NOOP("Keys", "Enter, Пробел"), KeyScope::AllWindows, KeyAction::None,
     QT_TRANSLATE_NOOP("Keys", "нажать выделенную кнопку")},

    {"Ctrl+Tab, Ctrl+PgDown", KeyScope::PagedWindows, KeyAction::None, QT_TRANSLATE_NOOP("Keys", "следующая страница")},
    {"Ctrl+Shift+Tab, Ctrl+PgUp", KeyScope::PagedWindows, KeyAction::None,
     QT_TRANSLATE_NOOP("Keys", "предыдущая страница")},
    {QT_TRANSLATE_NOOP("Keys", "Стрелки на вкладке"), KeyScope::PagedWindows, KeyAction::None,
     QT_TRANSLATE_NOOP("Keys", "предыдущая или следующая вкладка")},
    {QT_TRANSLATE_NOOP("Keys", "Home, End на вкладке"), KeyScope::PagedWindows, KeyAction::None,
     QT_TRANSLATE_NOOP("Keys", "первая или последняя вкладка")},
    {"Esc", KeyScope::PagedWindows, KeyAction::None, QT_TRANSLATE_NOOP("Keys", "закрыть окно")},

    {QT_TRANSLATE_NOOP("Keys", "Стрелка вверх"), KeyScope::ExerciseWindows, KeyAction::None,
     QT_TRANSLATE_NOOP("Keys", "в верхнюю позицию (показатель степени) или обратно из нижней")},
    {QT_TRANSLATE_NOOP("Keys", "Стрелка вниз"), KeyScope::ExerciseWindows, KeyAction::None,
     QT_TRANSLATE_NOOP("Keys", "в нижнюю позицию (индекс) или обратно из верхней")},
    {"F3", KeyScope::ExerciseWindows, KeyAction::None, QT_TRANSLATE_NOOP("Keys", "следующая буква будет греческой")},
    {QT_TRANSLATE_NOOP("Keys", "Стрелки влево, вправо"), KeyScope::ExerciseWindows, KeyAction::None,
     QT_TRANSLATE_NOOP("Keys", "курсор на знак назад, вперёд")},
    {"Home, End", KeyScope::ExerciseWindows, KeyAction::None,
     QT_TRANSLATE_NOOP("Keys", "курсор в начало, в конец формулы")},
    {"Backspace, Delete", KeyScope::ExerciseWindows, KeyAction::None,
     QT_TRANSLATE_NOOP("Keys", "стереть знак слева, справа от курсора")},
    {"Ctrl+Z", KeyScope::ExerciseWindows, KeyAction::None, QT_TRANSLATE_NOOP("Keys", "отменить последнюю правку")},
    {"Ctrl+Y, Ctrl+Shift+Z", KeyScope::ExerciseWindows, KeyAction::None,
     QT_TRANSLATE_NOOP("Keys", "вернуть отменённую правку")},
    {"Enter", KeyScope::ExerciseWindows, KeyAction::None, QT_TRANSLATE_NOOP("Keys", "проверить ответ")},
    {"F2", KeyScope::ExerciseWindows, KeyAction::Hint,
     QT_TRANSLATE_NOOP("Keys", "что не так с ответом, после трёх неверных ответов — правильный ответ "
                               "(кроме входного теста)")},
    {"F5", KeyScope::ExerciseWindows, KeyAction::SayQuestion,
     QT_TRANSLATE_NOOP("Keys", "прочитать вопрос ещё раз вслух (для экранного диктора)")},
    {"F6", KeyScope::ExerciseWindows, KeyAction::SayStatement,
     QT_TRANSLATE_NOOP("Keys", "прочитать условие задачи вслух (для экранного диктора)")},

    {QT_TRANSLATE_NOOP("Keys", "Цифры, минус, точка или запятая"), KeyScope::SolverWindows, KeyAction::None,
     QT_TRANSLATE_NOOP("Keys", "ввод числа; другие знаки поле не принимает")},
    {"Enter", KeyScope::SolverWindows, KeyAction::None,
     QT_TRANSLATE_NOOP("Keys", "к следующему полю, после последнего к кнопке «Считать»")},
};

const char* const kScopeTitles[] = {
    QT_TRANSLATE_NOOP("Keys", "Во всех окнах"),
    QT_TRANSLATE_NOOP("Keys", "Окна со страницами (основные понятия, виды связей, эта справка)"),
    QT_TRANSLATE_NOOP("Keys", "Поле ответа в упражнениях"),
    QT_TRANSLATE_NOOP("Keys", "Решение системы уравнений"),
};
static_assert(std::size(kScopeTitles) == std::size_t(KeyScope::SolverWindows) + 1, "a title for every scope");

const KeyRow* rowOf(KeyAction action)
{
    for (const KeyRow& row : kKeys)
        if (row.action == action && action != KeyAction::None)
            return &row;
    return nullptr;
}

// The handlers a window registered, kept as its child of this name.
const QLatin1String kActionsName("KeyActions");
class KeyActions : public QObject {
public:
    using QObject::QObject;
    QHash<KeyAction, std::function<void()>> handlers;
};

KeyActions* actionsOf(const QWidget* window)
{
    if (!window)
        return nullptr;
    return dynamic_cast<KeyActions*>(window->findChild<QObject*>(kActionsName, Qt::FindDirectChildrenOnly));
}

// The handlers for every window that applies, by action.
struct ProgramAction {
    std::function<bool(const QWidget*)> appliesTo;
    std::function<void(QWidget*)> handler;
};
QHash<KeyAction, ProgramAction>& programActions()
{
    static QHash<KeyAction, ProgramAction> actions;
    return actions;
}

// The handler of the key pressed in `window`: the window's own, else the one
// for every window that applies; empty when the key is none of the table's
// actions there.
std::function<void()> handlerOf(QWidget* window, QKeyCombination pressed)
{
    // The keys of the actions, read once.
    static const QHash<KeyAction, QKeyCombination> keys = [] {
        QHash<KeyAction, QKeyCombination> read;
        for (const KeyRow& row : kKeys)
            if (row.action != KeyAction::None)
                read.insert(row.action, keyCombination(row.action));
        return read;
    }();
    for (const KeyRow& row : kKeys) {
        if (row.action == KeyAction::None || keys.value(row.action) != pressed)
            continue;
        if (KeyActions* own = actionsOf(window); own && own->handlers.contains(row.action))
            return own->handlers.value(row.action);
        const ProgramAction program = programActions().value(row.action);
        if (program.handler && program.appliesTo(window))
            return [handler = program.handler, window] { handler(window); };
    }
    return {};
}

// A key of the table pressed in a window that registered its action.
class ActionKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeyCombination pressed(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key()));
        const std::function<void()> handler = handlerOf(static_cast<QWidget*>(watched)->window(), pressed);
        if (!handler)
            return false;
        if (!key->isAutoRepeat())
            guarded([&] { handler(); });
        return true;
    }
};

void installActionKeys()
{
    static bool installed = false;
    if (installed || !qApp)
        return;
    installed = true;
    qApp->installEventFilter(new ActionKeys(qApp));
}

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

std::span<const KeyRow> keyTable()
{
    return kKeys;
}

QString keyScopeTitle(KeyScope scope)
{
    return QCoreApplication::translate("Keys", kScopeTitles[std::size_t(scope)]);
}

QString keysText(const KeyRow& row)
{
    return QCoreApplication::translate("Keys", row.keys);
}

QString keyDescription(const KeyRow& row)
{
    return QCoreApplication::translate("Keys", row.description);
}

QString keyOf(KeyAction action)
{
    const KeyRow* row = rowOf(action);
    return row ? QString::fromLatin1(row->keys) : QString();
}

QKeyCombination keyCombination(KeyAction action)
{
    const QKeySequence sequence = QKeySequence::fromString(keyOf(action), QKeySequence::PortableText);
    return sequence.isEmpty() ? QKeyCombination() : sequence[0];
}

void registerKeyAction(QWidget* window, KeyAction action, std::function<void()> handler)
{
    if (!window || !rowOf(action) || !handler)
        return;
    installActionKeys();
    KeyActions* actions = actionsOf(window);
    if (!actions) {
        actions = new KeyActions(window);
        actions->setObjectName(kActionsName);
    }
    actions->handlers.insert(action, std::move(handler));
}

void registerKeyAction(KeyAction action, std::function<bool(const QWidget*)> appliesTo,
                       std::function<void(QWidget*)> handler)
{
    if (!rowOf(action) || !appliesTo || !handler)
        return;
    installActionKeys();
    programActions().insert(action, {std::move(appliesTo), std::move(handler)});
}

void installKeyboardBehaviour()
{
    static bool installed = false;
    if (installed || !qApp)
        return;
    installed = true;
    installActionKeys();
    qApp->installEventFilter(new EnterPressesFocusedButton(qApp));
    qApp->installEventFilter(new FocusDrawnFromShow(qApp));
}
