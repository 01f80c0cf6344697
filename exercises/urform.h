#pragma once
// The worked example: eleven questions about one beam, each answered with a
// formula that the engine judges against the step's reference formula.
#include "exercises/dialogue.h"
#include "exercises/exercisedialogue.h"
#include "exercises/exercisewindow.h"

class CanvasLabel;
class PictureBox;
class QTimer;
class TEqEdit;

class TUrForm : public ExerciseWindow {
    Q_OBJECT
public:
    explicit TUrForm(QWidget* parent = nullptr);

    // The controls named as in this window; the others are ExerciseWindow's.
    PictureBox* Shema;
    CanvasLabel* Dano;
    TEqEdit* EqEdit1;
    TEqEdit* EqEdit2;
    QTimer* Timer1;

    // The question on screen, from 0.
    int Step = 0;

    // Handlers; those of the exit button, the skip area and the hint button
    // are ExerciseWindow's.
    void FormActivate();
    void FormDeactivate();
    void EqEdit2KeyPress(QChar& key);
    void Timer1Timer();

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
    void DrawScheme(int step);
    void Finish();

    ExerciseDialogue m_dialogue;
    ActivationGate m_activation;
};
