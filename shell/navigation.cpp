#include "shell/navigation.h"

#include "exercises/kzsform.h"
#include "exercises/urform.h"
#include "platform/about.h"
#include "platform/forms.h"
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
    installKeyboardBehaviour();
    // The windows of the program, and the About window over any of them.
    const auto programWindow = [](const QWidget* window) {
        return createdWindows().contains(const_cast<QWidget*>(window)) || qobject_cast<const AboutWindow*>(window);
    };
    registerKeyAction(KeyAction::Help, programWindow, [](QWidget*) { helpKey(); });
    registerKeyAction(KeyAction::About, programWindow, aboutKey);
}
