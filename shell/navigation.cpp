#include "shell/navigation.h"

#include "exercises/kzsform.h"
#include "exercises/urform.h"
#include "platform/about.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/keyboard.h"
#include "platform/windows.h"
#include "reference/metodform.h"
#include "shell/kontrform.h"
#include "shell/repform.h"
#include "shell/reshform.h"
#include "shell/startup.h"
#include "solver/forms/askform.h"
#include "solver/forms/matrix2form.h"
#include "solver/forms/matrixform.h"
#include "reference/helpform.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPointer>

namespace {
// Shows a window where it stands; nothing when it does not exist.
void showWindow(QWidget* window)
{
    if (window)
        window->show();
}

// The menu the control task goes back to.
QWidget* taskMenu()
{
    if (ExamMode)
        return KontrForm;
    return RepForm;
}

// The dialog open modally, if any (a window made modal while it takes
// another's place, as the solver windows are, is no dialog over another).
QDialog* openDialog()
{
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    return dialog && dialog->isVisible() ? dialog : nullptr;
}

void helpKey()
{
    if (HelpForm && !HelpForm->isVisible() && !openDialog())
        HelpForm->exec();
}

void aboutKey(QWidget* window)
{
    QDialog* dialog = openDialog();
    if (dialog && dialog != static_cast<QWidget*>(HelpForm))
        return;
    showAboutWindow(dialog ? dialog : window);
}

// F1 and Ctrl+F1 as they reach a widget of one of the program's windows:
// from the focus, whether or not the desktop reports the window active.
class HelpKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        if (key->key() != Qt::Key_F1 || (mods != Qt::NoModifier && mods != Qt::ControlModifier))
            return false;
        QWidget* window = static_cast<QWidget*>(watched)->window();
        if (!createdWindows().contains(window) && !qobject_cast<AboutWindow*>(window))
            return false;
        if (!key->isAutoRepeat())
            guarded([&] {
                if (mods == Qt::NoModifier)
                    helpKey();
                else
                    aboutKey(window);
            });
        return true;
    }
};

template <class Window, class Signal, class Step>
void on(Window* window, Signal signal, Step step)
{
    if (window)
        QObject::connect(window, signal, window, step, Qt::DirectConnection);
}
} // namespace

void connectWindows()
{
    on(UrForm, &TUrForm::leaveRequested, [] { takePlace(UrForm, RepForm); });
    on(UrForm, &TUrForm::exampleFinished, [] { showWindow(RepForm); });

    on(KzsForm, &TKzsForm::leaveRequested, [] { takePlace(KzsForm, taskMenu()); });
    on(KzsForm, &TKzsForm::examPassed, [] { showWindow(AskForm); });

    // Closed rather than hidden: the control task's close handler ends the task.
    on(AskForm, &TAskForm::taskCloseRequested, [] {
        if (KzsForm)
            static_cast<QWidget*>(KzsForm)->close();
    });
    on(AskForm, &TAskForm::leaveRequested, [] { showWindow(KontrForm); });
    on(MatrixForm, &SolverWindow::leaveRequested, [] { showWindow(KontrForm); });
    on(Matrix2Form, &SolverWindow::leaveRequested, [] { showWindow(KontrForm); });

    on(MetodForm, &TMetodForm::leaveRequested, [] { takePlace(MetodForm, ReshForm); });
}

void installKeys()
{
    static QPointer<HelpKeys> helpKeys;
    if (helpKeys || !qApp)
        return;
    installKeyboardBehaviour();
    helpKeys = new HelpKeys(qApp);
    qApp->installEventFilter(helpKeys);
}
