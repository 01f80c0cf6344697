#pragma once
// The control task: one of five statics problems, drawn at random on every
// opening and asked question by question.  In exam mode it is the Examiner's
// entrance test: five wrong answers end it, finishing it passes it.
#include <QChar>
#include <QString>
#include <QWidget>

#include "exercises/dialogue.h"
#include "exercises/hints.h"

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
    QPushButton* HelpButton;  // "Подсказка", also F2; absent in the exam
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
    const QString& referenceAnswer() const { return m_reference; }

    // Handlers.
    void FormActivate();
    void FormClose();
    void Button1Click();
    void Eq2KeyPress(QChar& key);
    void TimerTimer();
    void LClickClick();
    void HelpButtonClick();

    // What the help knows about the question on screen.
    TutorHelp& help() { return m_help; }

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
    // askAloud: a screen reader hears the question (not when the step just
    // answered is set up again, so that the praise is heard instead).
    void SetupStep(int task, int step, bool askAloud = true);
    void DrawScheme(int task, int step);
    void ShowPraise();
    void ShowScold();
    void LeaveTask();

    QString m_reference;
    const char* m_question = nullptr;  // the source text of the reference's question
    TutorHelp m_help;
    ActivationGate m_activation;
};
