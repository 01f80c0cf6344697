#pragma once
// What the two exercise windows share as windows: the controls they name
// alike, and the handlers of those controls, which hand the event to the
// window's dialogue.
#include <QChar>
#include <QString>
#include <QWidget>
#include <functional>

class ClickArea;
class ExerciseDialogue;
class QFrame;
class QLabel;
class QPushButton;

class ExerciseWindow : public QWidget {
public:
    QPushButton* Button1 = nullptr;
    QPushButton* HintButton = nullptr;  // "Подсказка", also F2; hidden in the exam
    QLabel* Label1 = nullptr;
    ClickArea* LClick = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* Label2 = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* AscLabel = nullptr;

    // Handlers.
    void Button1Click();
    void LClickClick();
    void HintButtonClick();

    // The reference formula of the current step.
    const QString& referenceAnswer() const;

protected:
    explicit ExerciseWindow(QWidget* parent) : QWidget(parent) {}

    // Names the shared controls of the dialogue's window and connects them to
    // their handlers, and the pause timer and the answer control to the
    // window's own handlers of them.  Called once, when the dialogue exists.
    void bindDialogue(ExerciseDialogue& dialogue, std::function<void()> pauseEnded,
                      std::function<void(QChar&)> answerKey);

private:
    ExerciseDialogue* m_dialogue = nullptr;
};
