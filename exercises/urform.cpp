#include "exercises/urform.h"

#include <QCoreApplication>

#include "drawing/canvaslabel.h"
#include "drawing/picturebox.h"
#include "eqedit/teqedit.h"
#include "exercises/examplescript.h"
#include "exercises/exerciselayout.h"
#include "exercises/modules.h"
#include "exercises/schemes.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "platform/windows.h"

#include <QCloseEvent>
#include <QEvent>
#include <QPushButton>
#include <QTimer>

namespace {
// The pause after feedback, set on every activation.
constexpr int kPauseInterval = 1300;

// Made for each window, so that the caption is in the language installed
// when the window is made.
ExerciseLayout windowLayout()
{
    return {
        TUrForm::tr("Составление уравнений равновесия"),
        680,
        QRect(320, 16, 345, 170),
        QStringLiteral("Arial"),
        17,
        QRect(624, 192, 40, 41),
        17,
        304,
        17,
    };
}
} // namespace

TUrForm::TUrForm(QWidget* parent)
    : ExerciseWindow(parent)
    , m_dialogue(buildExerciseWindow(this, windowLayout()), Step,
                 {
                     urEquation,
                     urData,
                     exampleVariableNames,
                     [] () -> const std::vector<ScriptStep>& { return exampleSteps(); },
                     [] { return kExampleFinishStep; },
                     examplePraises,
                     true,
                     [this](int step) { DrawScheme(step); },
                     [this] { Shema->show(); },
                     kPauseInterval,
                     {},
                     [this] { Finish(); },
                     [this] {
                         close();
                         emit leaveRequested();
                     },
                     {},
                 })
{
    bindDialogue(m_dialogue, [this] { Timer1Timer(); }, [this](QChar& key) { EqEdit2KeyPress(key); });
    const ExerciseControls& c = m_dialogue.controls();
    Shema = c.picture;
    Dano = c.statement;
    EqEdit1 = c.question;
    EqEdit2 = c.answer;
    Timer1 = c.timer;
}

bool TUrForm::event(QEvent* e)
{
    activateOnShow(this, e);
    if (e->type() == QEvent::WindowActivate && m_activation.activated())
        FormActivate();
    else if (e->type() == QEvent::WindowDeactivate && m_activation.deactivated())
        FormDeactivate();
    return QWidget::event(e);
}

void TUrForm::hideEvent(QHideEvent* e)
{
    // Hidden by the program, the window gives way to another of its windows
    // (the menu it returns to).  The platform may already have reported the
    // loss of activation with no window active, which the gate does not count,
    // so the step is forgotten here.
    if (!e->spontaneous())
        FormDeactivate();
    m_activation.reset();
    QWidget::hideEvent(e);
}

void TUrForm::closeEvent(QCloseEvent* e)
{
    e->accept();
    // A close asked for from outside (the window manager) leaves the example
    // the way the exit button does, so that a menu stays on screen.
    if (e->spontaneous())
        guarded([&] { emit leaveRequested(); });
}

void TUrForm::FormActivate()
{
    m_dialogue.activate();
}

void TUrForm::FormDeactivate()
{
    Step = 0;
}

void TUrForm::EqEdit2KeyPress(QChar& key)
{
    m_dialogue.answerKey(key);
}

void TUrForm::Timer1Timer()
{
    m_dialogue.pauseEnded();
}

void TUrForm::Finish()
{
    ShowMessage(TUrForm::tr("Поздравляю! Теперь вы без труда сможете составить уравнения "
                               "равновесия для плоской системы сил."));
    close();
    emit exampleFinished();
}

void TUrForm::DrawScheme(int step)
{
    const SchemeTarget target{
        Shema->canvas(),
        Dano->canvas(),
        [this](const QString& caption) { Dano->setText(caption); },
        [this] { Shema->show(); },
    };
    if (DrawExampleScheme(step, target))
        Shema->setAccessibleDescription(exampleSchemeDescription(step));
}
