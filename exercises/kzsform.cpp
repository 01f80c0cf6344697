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
    : QWidget(parent)
{
    const ExerciseControls c = buildExerciseWindow(this, windowLayout());
    Sh = c.picture;
    Dn = c.statement;
    Button1 = c.exitButton;
    HelpButton = c.helpButton;
    Label1 = c.emptyLabel;
    LClick = c.skipArea;
    Panel1 = c.questionPanel;
    Label2 = c.questionCaption;
    Eq1 = c.question;
    Panel2 = c.answerPanel;
    AscLabel = c.feedback;
    Eq2 = c.answer;
    Timer = c.timer;

    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(HelpButton, &QPushButton::clicked, this, [this] { HelpButtonClick(); });
    connect(Timer, &QTimer::timeout, this, [this] { TimerTimer(); });
    LClick->OnClick = [this] { LClickClick(); };
    Eq2->OnKeyPress = [this](QChar& key) { Eq2KeyPress(key); };
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
    guarded([&] {
        Task = 0;
        WrongCount = 0;
        Step = 0;
        m_help.newQuestion();
        // The exam gives no help.
        HelpButton->setVisible(!ExamMode);
        randomizeFromClock();
        Task = static_cast<int>(randomBelow(kTaskCount));
        DrawScheme(Task, 0);
        SetupStep(Task, 0);
        setCentredText(AscLabel, promptText());
        Eq2->setFocus();
    });
}

void TKzsForm::FormClose()
{
    WrongCount = 0;
}

void TKzsForm::Button1Click()
{
    guarded([&] {
        close();
        emit leaveRequested();
    });
}

void TKzsForm::Eq2KeyPress(QChar& key)
{
    if (key != QChar(13))
        return;
    guarded([&] {
        switch (checkAnswer(kzsEquation(), kzsData(), m_reference, Eq2->Equation(), taskVariableNames(), m_help.generator())) {
        case Verdict::Equal:
            ShowPraise();
            m_help.newQuestion();
            resetAnswerControl(Eq2);
            SetupStep(Task, Step, false);
            ++Step;
            DrawScheme(Task, Step);
            if (!Timer->isActive())
                Timer->start();
            Eq1->SetEquation(QString());
            break;
        case Verdict::NotEqual:
            m_help.wrongAnswer(Eq2->Equation());
            if (ExamMode && ++WrongCount >= kWrongAnswerLimit) {
                ShowMessage(TKzsForm::tr("Вы ответили неверно пять раз. Проверьте свои знания и "
                                           "попробуйте снова. Желаю удачи!"),
                            examinerTitle());
                WrongCount = 0;
                ExamMode = false;
                close();
                emit leaveRequested();
            }
            ShowScold();
            if (!Timer->isActive())
                Timer->start();
            break;
        case Verdict::CompareError:
            ShowMessage(TKzsForm::tr("Ошибка ввода данных."));
            break;
        case Verdict::Empty:
        case Verdict::None:
            break;
        }
    });
}

void TKzsForm::TimerTimer()
{
    guarded([&] {
        Timer->stop();
        setCentredText(AscLabel, promptText());
        SetupStep(Task, Step);
    });
}

void TKzsForm::LClickClick()
{
    guarded([&] {
        resetAnswerControl(Eq2);
        m_help.newQuestion();
        ++Step;
        DrawScheme(Task, Step);
        SetupStep(Task, Step);
    });
}

void TKzsForm::HelpButtonClick()
{
    guarded([&] {
        if (ExamMode || m_reference.isEmpty())
            return;
        showHint(m_help.nextHint(m_question, m_reference, kzsData(), taskVariableNames()), this);
        Eq2->setFocus();
    });
}

void TKzsForm::SetupStep(int task, int step, bool askAloud)
{
    defineTaskVariables(kzsData());
    const auto& steps = taskSteps(task);
    if (step >= 0 && step < static_cast<int>(steps.size())) {
        const ScriptStep& s = steps[static_cast<std::size_t>(step)];
        if (s.points > 0) {
            QFont font = Eq1->font();
            font.setPointSize(s.points);
            Eq1->setFont(font);
        }
        Eq1->SetEquation(QCoreApplication::translate("Script", s.question));
        if (askAloud)
            announceQuestion(Eq1);
        m_reference = QString::fromUtf8(s.reference);
        m_question = s.question;
    } else if (step == kTaskFinishStep(task)) {
        if (ExamMode)
            ExamPassed = true;
        ShowMessage(TKzsForm::tr("Вы успешно прошли это испытание. Поздравляю! Желаю дальнейших успехов! "));
        LeaveTask();
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

void TKzsForm::ShowPraise()
{
    setCentredText(AscLabel, DrawFeedbackText(taskPraises()));
}

void TKzsForm::ShowScold()
{
    setCentredText(AscLabel, DrawFeedbackText(reproaches()));
}
