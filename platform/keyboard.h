#pragma once
// The keys of the program, in one table, and the keyboard behaviours every
// window shares.
//
// The table lists every key the program reacts to, by the windows it acts in,
// with what it does: the help window's keys page is built from it.  The keys
// that ask a window for an action (F1, Ctrl+F1, F2, F5, F6) are installed
// from the same table through one application event filter: a window
// registers its handlers for the actions of its scope, and a key pressed
// anywhere in that window (at the focused control, or at the window when
// nothing has the focus) runs the window's handler, whether or not the
// desktop reports the window active.  A key held down acts once.  The other
// keys are handled by the controls themselves and are listed for the page.
//
// installKeyboardBehaviour (once, at start-up; repeated calls do nothing)
// installs the filter and the behaviours that are no actions:
//  - Enter and Return press the focused push button in windows that are not
//    dialogs, as Space does (dialogs already do it for their buttons);
//  - the focus is drawn from the moment a window is shown, not only after the
//    first Tab.
#include <QKeyCombination>
#include <QString>
#include <functional>
#include <span>

class QWidget;

// Where keys act; the keys page has one section per scope, in this order.
enum class KeyScope { AllWindows, PagedWindows, ExerciseWindows, SolverWindows };

// What a key asks of the window it is pressed in.  None: the control with the
// focus (or the window) handles the key itself.
enum class KeyAction { None, Help, About, Hint, SayQuestion, SayStatement };

struct KeyRow {
    const char* keys;          // as shown; words in it are marked for translation
    KeyScope scope;
    KeyAction action;
    const char* description;   // marked for translation
};

// The table, in the order the keys page lists it.
std::span<const KeyRow> keyTable();

// The translated texts of the page: a scope's title, a row's keys and what
// they do.
QString keyScopeTitle(KeyScope scope);
QString keysText(const KeyRow& row);
QString keyDescription(const KeyRow& row);

// The key of an action as the table writes it ("F6"), and as it is pressed.
QString keyOf(KeyAction action);
QKeyCombination keyCombination(KeyAction action);

// From now on the action's key, pressed in `window`, runs `handler` (a
// handler given again replaces the one before).  Exceptions of the handler
// are reported as those of any handler.  The registration lives as long as
// the window.
void registerKeyAction(QWidget* window, KeyAction action, std::function<void()> handler);

// From now on the action's key, pressed in a window that registered no
// handler of its own for it and for which `appliesTo` holds, runs `handler`
// with that window: for the keys of every window, registered before the
// windows exist.
void registerKeyAction(KeyAction action, std::function<bool(const QWidget*)> appliesTo,
                       std::function<void(QWidget*)> handler);

void installKeyboardBehaviour();
