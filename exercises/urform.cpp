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
    : QWidget(parent)
{
    const ExerciseControls c = buildExerciseWindow(this, windowLayout());
    Shema = c.picture;
    Dano = c.statement;
    Button1 = c.exitButton;
    HelpButton = c.helpButton;
    Label1 = c.emptyLabel;
    LClick = c.skipArea;
    Panel1 = c.questionPanel;
    Label2 = c.questionCaption;
    EqEdit1 = c.question;
    Panel2 = c.answerPanel;
    AscLabel = c.feedback;
    EqEdit2 = c.answer;
    Timer1 = c.timer;

    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(HelpButton, &QPushButton::clicked, this, [this] { HelpButtonClick(); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    LClick->OnClick = [this] { LClickClick(); };
    EqEdit2->OnKeyPress = [this](QChar& key) { EqEdit2KeyPress(key); };
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
    guarded([&] {
        Step = 0;
        m_help.newQuestion();
        Shema->show();
        DrawScheme(0);
        Timer1->stop();
        Timer1->setInterval(kPauseInterval);
        setCentredText(AscLabel, promptText());
        SetupStep(0);
        EqEdit2->SetEquation(QString());
        EqEdit2->setFocus();
    });
}

void TUrForm::FormDeactivate()
{
    Step = 0;
}

void TUrForm::Button1Click()
{
    guarded([&] {
        close();
        emit leaveRequested();
    });
}

void TUrForm::EqEdit2KeyPress(QChar& key)
{
    if (key != QChar(13))
        return;
    guarded([&] {
        switch (checkAnswer(urEquation(), urData(), m_reference, EqEdit2->Equation(), exampleVariableNames(), m_help.generator())) {
        case Verdict::Equal:
            ShowPraise();
            m_help.newQuestion();
            resetAnswerControl(EqEdit2);
            DrawScheme(Step);
            SetupStep(Step, false);
            ++Step;
            if (!Timer1->isActive())
                Timer1->start();
            EqEdit1->SetEquation(QString());
            break;
        case Verdict::NotEqual:
            m_help.wrongAnswer(EqEdit2->Equation());
            ShowScold();
            if (!Timer1->isActive())
                Timer1->start();
            break;
        case Verdict::CompareError:
            ShowMessage(TUrForm::tr("Ошибка ввода данных."));
            break;
        case Verdict::Empty:
        case Verdict::None:
            break;
        }
    });
}

void TUrForm::Timer1Timer()
{
    guarded([&] {
        Timer1->stop();
        setCentredText(AscLabel, promptText());
        SetupStep(Step);
    });
}

void TUrForm::LClickClick()
{
    guarded([&] {
        resetAnswerControl(EqEdit2);
        m_help.newQuestion();
        ++Step;
        DrawScheme(Step - 1);
        SetupStep(Step);
    });
}

void TUrForm::HelpButtonClick()
{
    guarded([&] {
        if (m_reference.isEmpty())
            return;
        showHint(m_help.nextHint(m_question, m_reference, urData(), exampleVariableNames()), this);
        EqEdit2->setFocus();
    });
}

void TUrForm::SetupStep(int step, bool askAloud)
{
    defineExampleVariables(urData());
    const auto& steps = exampleSteps();
    if (step >= 0 && step < static_cast<int>(steps.size())) {
        const ScriptStep& s = steps[static_cast<std::size_t>(step)];
        if (s.points > 0) {
            QFont font = EqEdit1->font();
            font.setPointSize(s.points);
            EqEdit1->setFont(font);
        }
        EqEdit1->SetEquation(QCoreApplication::translate("Script", s.question));
        if (askAloud)
            announceQuestion(EqEdit1);
        m_reference = QString::fromUtf8(s.reference);
        m_question = s.question;
    } else if (step == kExampleFinishStep) {
        ShowMessage(TUrForm::tr("Поздравляю! Теперь вы без труда сможете составить уравнения "
                                   "равновесия для плоской системы сил."));
        close();
        emit exampleFinished();
    }
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

void TUrForm::ShowPraise()
{
    setCentredText(AscLabel, DrawFeedbackText(examplePraises()));
}

void TUrForm::ShowScold()
{
    setCentredText(AscLabel, DrawFeedbackText(reproaches()));
}
