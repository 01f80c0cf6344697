#include "exercises/exercisedialogue.h"

#include "eqedit/teqedit.h"
#include "exercises/hints.h"
#include "formula/random.h"
#include "platform/accessibility.h"
#include "drawing/canvaslabel.h"
#include "platform/guard.h"
#include "platform/messages.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>

namespace {
class DialogueTexts {
    Q_DECLARE_TR_FUNCTIONS(Dialogue)
};
} // namespace

ExerciseDialogue::ExerciseDialogue(const ExerciseControls& controls, int& step, DialogueScript script)
    : m_controls(controls)
    , m_step(step)
    , m_script(std::move(script))
{
}

void ExerciseDialogue::activate()
{
    guarded([&] {
        m_step = 0;
        m_hints.newQuestion();
        m_script.activated();
        m_script.drawScheme(0);
        if (m_script.activationPause > 0) {
            m_controls.timer->stop();
            m_controls.timer->setInterval(m_script.activationPause);
            showPrompt();
            setupStep(0, false);
            m_controls.answer->SetEquation(QString());
        } else {
            setupStep(0, false);
            showPrompt();
        }
        // A student who opens the problem by ear hears it whole: the
        // statement, then the first question.
        announce(m_controls.question,
                 spokenStatement(m_controls.statement) + QLatin1Char(' ') + spokenQuestion(m_controls.question));
        m_controls.answer->setFocus();
        // A seeded run replays the confirmations and diagnoses too.
        m_hints.generator().seed(freshSeed());
    });
}

void ExerciseDialogue::answerKey(QChar& key)
{
    if (key != QChar(13))
        return;
    guarded([&] {
        TEqEdit* answer = m_controls.answer;
        switch (checkAnswer(m_script.equation(), m_script.table(), m_reference, answer->Equation(), m_script.names(),
                            m_hints.generator())) {
        case Verdict::Equal:
            setCentredText(m_controls.feedback, DrawFeedbackText(m_script.praises()));
            m_hints.newQuestion();
            resetAnswerControl(answer);
            if (m_script.schemeOfAnsweredStep)
                m_script.drawScheme(m_step);
            setupStep(m_step, false);
            ++m_step;
            if (!m_script.schemeOfAnsweredStep)
                m_script.drawScheme(m_step);
            if (!m_controls.timer->isActive())
                m_controls.timer->start();
            m_controls.question->SetEquation(QString());
            break;
        case Verdict::NotEqual:
            m_hints.wrongAnswer(answer->Equation().toStdString());
            if (m_script.wrongAnswer)
                m_script.wrongAnswer();
            setCentredText(m_controls.feedback, DrawFeedbackText(reproaches()));
            if (!m_controls.timer->isActive())
                m_controls.timer->start();
            break;
        case Verdict::CompareError:
            ShowMessage(DialogueTexts::tr("Ошибка ввода данных."));
            break;
        case Verdict::Empty:
        case Verdict::None:
            break;
        }
    });
}

void ExerciseDialogue::pauseEnded()
{
    guarded([&] {
        m_controls.timer->stop();
        showPrompt();
        setupStep(m_step);
    });
}

void ExerciseDialogue::skip()
{
    guarded([&] {
        resetAnswerControl(m_controls.answer);
        m_hints.newQuestion();
        ++m_step;
        m_script.drawScheme(m_script.schemeOfAnsweredStep ? m_step - 1 : m_step);
        setupStep(m_step);
    });
}

void ExerciseDialogue::leave()
{
    guarded([&] { m_script.leave(); });
}

void ExerciseDialogue::hint()
{
    guarded([&] {
        if ((m_script.inExam && m_script.inExam()) || m_reference.isEmpty() || !m_question)
            return;
        const DueHint due = m_hints.nextHint(m_question->reference, m_script.table(), m_script.names());
        showHint(shownHint(due, m_question->kind), m_controls.hintButton->window());
        m_controls.answer->setFocus();
    });
}

void ExerciseDialogue::setupStep(int step, bool askAloud)
{
    defineStepVariables(m_script.table(), m_script.names());
    const std::vector<ScriptStep>& steps = m_script.steps();
    if (step >= 0 && step < static_cast<int>(steps.size())) {
        const ScriptStep& s = steps[static_cast<std::size_t>(step)];
        TEqEdit* question = m_controls.question;
        if (s.points > 0) {
            QFont font = question->font();
            font.setPointSize(s.points);
            question->setFont(font);
        }
        question->SetEquation(QCoreApplication::translate("Script", s.question));
        if (askAloud)
            announceQuestion(question);
        m_reference = QString::fromUtf8(s.reference);
        m_question = &s;
    } else if (step == m_script.finishStep()) {
        m_script.finish();
    }
}

void ExerciseDialogue::showPrompt()
{
    setCentredText(m_controls.feedback, promptText());
}
