#include "exercises/exercisewindow.h"

#include "eqedit/teqedit.h"
#include "exercises/exercisedialogue.h"

#include <QPushButton>
#include <QTimer>

void ExerciseWindow::bindDialogue(ExerciseDialogue& dialogue, std::function<void()> pauseEnded,
                                  std::function<void(QChar&)> answerKey)
{
    m_dialogue = &dialogue;
    const ExerciseControls& c = dialogue.controls();
    Button1 = c.exitButton;
    HintButton = c.hintButton;
    Label1 = c.emptyLabel;
    LClick = c.skipArea;
    Panel1 = c.questionPanel;
    Label2 = c.questionCaption;
    Panel2 = c.answerPanel;
    AscLabel = c.feedback;

    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(HintButton, &QPushButton::clicked, this, [this] { HintButtonClick(); });
    connect(c.timer, &QTimer::timeout, this, std::move(pauseEnded));
    LClick->OnClick = [this] { LClickClick(); };
    c.answer->OnKeyPress = std::move(answerKey);
}

void ExerciseWindow::Button1Click()
{
    m_dialogue->leave();
}

void ExerciseWindow::LClickClick()
{
    m_dialogue->skip();
}

void ExerciseWindow::HintButtonClick()
{
    m_dialogue->hint();
}

const QString& ExerciseWindow::referenceAnswer() const
{
    return m_dialogue->reference();
}
