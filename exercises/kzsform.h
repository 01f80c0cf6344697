#pragma once
// The control task: one of five statics problems, drawn at random on every
// opening and asked question by question.  In exam mode it is the Examiner's
// entrance test: five wrong answers end it, finishing it passes it.
#include <QChar>
#include <QString>
#include <QWidget>

#include "exercises/dialogue.h"
#include "exercises/exercisedialogue.h"

class CanvasLabel;
class PictureBox;
class QFrame;
class QPushButton;
class QTimer;
class TEqEdit;

// The dialogue state of the control task, kept beside its window.
namespace Kzs {
extern int Task;        // 0..4, the problem being solved
extern int Step;        // the question on screen, from 0
extern int WrongCount;  // wrong answers in the current task (counted in exam mode only)
} // namespace Kzs

class TKzsForm : public QWidget {
    Q_OBJECT
public:
    explicit TKzsForm(QWidget* parent = nullptr);

    PictureBox* Sh;
    CanvasLabel* Dn;
    QPushButton* Button1;
    QPushButton* HintButton;  // "Подсказка", also F2; absent in the exam
    QLabel* Label1;
    ClickArea* LClick;
    QFrame* Panel1;
    QLabel* Label2;
    TEqEdit* Eq1;
    QFrame* Panel2;
    QLabel* AscLabel;
    TEqEdit* Eq2;
    QTimer* Timer;

    // The reference formula of the current step.
    const QString& referenceAnswer() const { return m_dialogue.reference(); }

    // Handlers.
    void FormActivate();
    void FormClose();
    void Button1Click();
    void Eq2KeyPress(QChar& key);
    void TimerTimer();
    void LClickClick();
    void HintButtonClick();

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
