#pragma once
// The control task: one of five statics problems, drawn at random on every
// opening and asked question by question.  In exam mode it is the Examiner's
// entrance test: five wrong answers end it, finishing it passes it.
#include "exercises/dialogue.h"
#include "exercises/exercisedialogue.h"
#include "exercises/exercisewindow.h"

class CanvasLabel;
class PictureBox;
class QTimer;
class TEqEdit;

// The dialogue state of the control task, kept beside its window.
namespace Kzs {
extern int Task;        // 0..4, the problem being solved
extern int Step;        // the question on screen, from 0
extern int WrongCount;  // wrong answers in the current task (counted in exam mode only)
} // namespace Kzs

class TKzsForm : public ExerciseWindow {
    Q_OBJECT
public:
    explicit TKzsForm(QWidget* parent = nullptr);

    // The controls named as in this window; the others are ExerciseWindow's.
    PictureBox* Sh;
    CanvasLabel* Dn;
    TEqEdit* Eq1;
    TEqEdit* Eq2;
    QTimer* Timer;

    // Handlers; those of the exit button, the skip area and the hint button
    // are ExerciseWindow's.
    void FormActivate();
    void FormClose();
    void Eq2KeyPress(QChar& key);
    void TimerTimer();

signals:
    // The window has closed to go back to a menu: by its exit button, by a
    // close request of the desktop, at the end of a task outside the exam, and
    // after the fifth wrong answer of the exam (which has cleared ExamMode by
    // then).  The menu is the Examiner's while ExamMode is set, else the Tutor's.
    void leaveRequested();
    // The entrance test was finished in exam mode.  The window stays open
    // until the order choice that follows it becomes active.
    void examPassed();

protected:
    bool event(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void DrawScheme(int task, int step);
    void LeaveTask();
    void CountWrongAnswer();

    ExerciseDialogue m_dialogue;
    ActivationGate m_activation;
};
