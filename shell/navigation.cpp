#include "shell/navigation.h"

#include "exercises/kzsform.h"
#include "exercises/urform.h"
#include "platform/forms.h"
#include "platform/windows.h"
#include "reference/metodform.h"
#include "shell/kontrform.h"
#include "shell/repform.h"
#include "shell/reshform.h"
#include "solver/forms/askform.h"
#include "solver/forms/matrix2form.h"
#include "solver/forms/matrixform.h"

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
