#pragma once
// The dialogue of an exercise window: the step on screen, its reference and
// question, the judgement of a typed answer and what follows it (praise and
// pause, reproach and pause, the input-error box), the skip area, the exit
// button, the hint and the set-up of a step.  A window supplies only what
// differs: its script and variable table, the pairing of scheme and question,
// what its activation adds, what a wrong answer adds and the end of its script.
#include <QChar>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "exercises/dialogue.h"
#include "exercises/exerciselayout.h"
#include "exercises/script.h"
#include "tutor/hintpolicy.h"

class QWidget;
class TMyPacketData;
class TMyPacketEquation;

// What one window's dialogue differs in.
struct DialogueScript {
    TMyPacketEquation& (*equation)();
    TMyPacketData& (*table)();
    const std::vector<std::string>& (*names)();
    std::function<const std::vector<ScriptStep>&()> steps;  // of the problem being solved
    std::function<int()> finishStep;                         // the step after its last question
    const FeedbackTexts& (*praises)();
    // The worked example draws, on leaving step k, the picture after k's
    // answer; the control task draws the scheme of the next question's own.
    bool schemeOfAnsweredStep;
    std::function<void(int step)> drawScheme;
    // Activation, after the step and the hint are reset and before the first
    // scheme is drawn.
    std::function<void()> activated;
    // The pause set on every activation (then the timer is stopped, the prompt
    // shown before the first set-up and the answer emptied after it), or 0
    // when the activation leaves the timer and the answer as they are and
    // shows the prompt after the set-up.
    int activationPause;
    std::function<void()> wrongAnswer;  // after a wrong answer, before the reproach
    std::function<void()> finish;       // the finish step is set up
    std::function<void()> leave;        // the exit button
    std::function<bool()> inExam;       // no hints in the exam; empty: never
};

class ExerciseDialogue {
public:
    // `step` is where the window keeps the step on screen.
    ExerciseDialogue(const ExerciseControls& controls, int& step, DialogueScript script);

    // The window's handlers.
    void activate();
    void answerKey(QChar& key);
    void pauseEnded();
    void skip();
    void leave();
    void hint();

    // The reference formula of the step on screen.
    const QString& reference() const { return m_reference; }
    const ExerciseControls& controls() const { return m_controls; }

private:
    // askAloud: a screen reader hears the question (not when the step just
    // answered is set up again, so that the praise is heard instead).
    void setupStep(int step, bool askAloud = true);
    void showPrompt();

    ExerciseControls m_controls;
    int& m_step;
    DialogueScript m_script;
    QString m_reference;
    const ScriptStep* m_question = nullptr;  // the step whose reference is current
    HintPolicy m_hints;
};
