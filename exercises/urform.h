#pragma once
// The worked example: eleven questions about one beam, each answered with a
// formula that the engine judges against the step's reference formula.
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

class TUrForm : public QWidget {
    Q_OBJECT
public:
    explicit TUrForm(QWidget* parent = nullptr);

    PictureBox* Shema;
    CanvasLabel* Dano;
    QPushButton* Button1;
    QPushButton* HelpButton;  // "Подсказка", also F2; absent in the exam
    QLabel* Label1;
    ClickArea* LClick;
    QFrame* Panel1;
    QLabel* Label2;
    TEqEdit* EqEdit1;
    QFrame* Panel2;
    QLabel* AscLabel;
    TEqEdit* EqEdit2;
    QTimer* Timer1;

    // The question on screen, from 0.
    int Step = 0;
    // The reference formula of the current step.
    const QString& referenceAnswer() const { return m_reference; }

    // Handlers.
    void FormActivate();
    void FormDeactivate();
    void Button1Click();
    void EqEdit2KeyPress(QChar& key);
    void Timer1Timer();
    void LClickClick();
    void HelpButtonClick();

    // What the help knows about the question on screen.
    TutorHelp& help() { return m_help; }

signals:
    // The window has closed to go back to the Tutor menu at its place: by its
    // exit button or by a close request of the desktop.
    void leaveRequested();
    // The last question was answered and the window has closed; the Tutor
    // menu comes back where it stands.
    void exampleFinished();

protected:
    bool event(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // askAloud: a screen reader hears the question (not when the step just
    // answered is set up again, so that the praise is heard instead).
    void SetupStep(int step, bool askAloud = true);
    void DrawScheme(int step);
    void ShowPraise();
    void ShowScold();

    QString m_reference;
    const char* m_question = nullptr;  // the source text of the reference's question
    TutorHelp m_help;
    ActivationGate m_activation;
};
