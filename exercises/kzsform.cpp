#include "exercises/kzsform.h"

#include <QCoreApplication>

#include "drawing/canvaslabel.h"
#include "drawing/picturebox.h"
#include "eqedit/teqedit.h"
#include "exercises/exerciselayout.h"
#include "exercises/modules.h"
#include "exercises/schemes.h"
#include "exercises/taskscript.h"
#include "formula/random.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "platform/windows.h"

#include <QCloseEvent>
#include <QEvent>
#include <QPushButton>
#include <QTimer>

namespace Kzs {
int Task = 0;
int Step = 0;
int WrongCount = 0;
} // namespace Kzs

namespace {
// Wrong answers that end the entrance test.
constexpr int kWrongAnswerLimit = 5;

// Made for each window, so that the caption is in the language installed
// when the window is made.
ExerciseLayout windowLayout()
{
    return {
        TKzsForm::tr("Решение контрольной задачи по статике"),
        688,
        QRect(296, 16, 355, 170),
        QStringLiteral("MS Sans Serif"),
        16,
        QRect(603, 200, 61, 33),
        16,
        296,
        16,
    };
}
} // namespace

using Kzs::Step;
using Kzs::Task;
using Kzs::WrongCount;

TKzsForm::TKzsForm(QWidget* parent)
    : ExerciseWindow(parent)
    , m_dialogue(buildExerciseWindow(this, windowLayout()), Step,
                 {
                     kzsEquation,
                     kzsData,
                     taskVariableNames,
                     [] () -> const std::vector<ScriptStep>& { return taskSteps(Task); },
                     [] { return kTaskFinishStep(Task); },
                     taskPraises,
                     false,
                     [this](int step) { DrawScheme(Task, step); },
                     [this] {
                         Task = 0;
                         WrongCount = 0;
                         // The exam gives no hints.
                         HintButton->setVisible(!ExamMode);
                         randomizeFromClock();
                         Task = static_cast<int>(randomBelow(kTaskCount));
                     },
                     0,
                     [this] { CountWrongAnswer(); },
                     [this] {
                         if (ExamMode)
                             ExamPassed = true;
                         ShowMessage(TKzsForm::tr("Вы успешно прошли это испытание. Поздравляю! Желаю дальнейших успехов! "));
                         LeaveTask();
                     },
                     [this] {
                         close();
                         emit leaveRequested();
                     },
                     [] { return ExamMode; },
                 })
{
    bindDialogue(m_dialogue, [this] { TimerTimer(); }, [this](QChar& key) { Eq2KeyPress(key); });
    const ExerciseControls& c = m_dialogue.controls();
    Sh = c.picture;
    Dn = c.statement;
    Eq1 = c.question;
    Eq2 = c.answer;
    Timer = c.timer;
}

bool TKzsForm::event(QEvent* e)
{
    activateOnShow(this, e);
    if (e->type() == QEvent::WindowActivate && m_activation.activated())
        FormActivate();
    else if (e->type() == QEvent::WindowDeactivate)
        m_activation.deactivated();
    return QWidget::event(e);
}

void TKzsForm::hideEvent(QHideEvent* e)
{
    m_activation.reset();
    QWidget::hideEvent(e);
}

void TKzsForm::closeEvent(QCloseEvent* e)
{
    e->accept();
    FormClose();
    // A close asked for from outside (the window manager) leaves the task the
    // way the exit button does, so that a menu stays on screen.
    if (e->spontaneous())
        guarded([&] { emit leaveRequested(); });
}

void TKzsForm::FormActivate()
{
    m_dialogue.activate();
}

void TKzsForm::FormClose()
{
    WrongCount = 0;
}

void TKzsForm::Eq2KeyPress(QChar& key)
{
    m_dialogue.answerKey(key);
}

void TKzsForm::TimerTimer()
{
    m_dialogue.pauseEnded();
}

void TKzsForm::CountWrongAnswer()
{
    if (ExamMode && ++WrongCount >= kWrongAnswerLimit) {
        ShowMessage(TKzsForm::tr("Вы ответили неверно пять раз. Проверьте свои знания и "
                                   "попробуйте снова. Желаю удачи!"),
                    examinerTitle());
        WrongCount = 0;
        ExamMode = false;
        close();
        emit leaveRequested();
    }
}

void TKzsForm::LeaveTask()
{
    if (ExamMode) {
        emit examPassed();
        return;
    }
    close();
    emit leaveRequested();
}

void TKzsForm::DrawScheme(int task, int step)
{
    const SchemeTarget target{
        Sh->canvas(),
        Dn->canvas(),
        [this](const QString& caption) { Dn->setText(caption); },
        [this] { Sh->show(); },
    };
    if (DrawTaskScheme(task, step, target))
        Sh->setAccessibleDescription(taskSchemeDescription(task, step));
}
