#include "exercises/exerciselayout.h"

#include <QCoreApplication>

#include "drawing/canvaslabel.h"
#include "drawing/picturebox.h"
#include "eqedit/teqedit.h"
#include "exercises/dialogue.h"
#include "platform/accessibility.h"
#include "platform/colours.h"
#include "platform/deferred.h"
#include "platform/fonts.h"
#include "platform/keyboard.h"
#include "platform/panels.h"
#include "platform/windows.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
// The texts written where they are used, translated with tr() in one context.
class ExerciseLayoutTexts {
    Q_DECLARE_TR_FUNCTIONS(ExerciseLayout)
};
} // namespace

QString spokenStatement(const QLabel* statement)
{
    return ExerciseLayoutTexts::tr("Условие задачи: %1").arg(statement->text());
}

ExerciseControls buildExerciseWindow(QWidget* window, const ExerciseLayout& layout)
{
    setupWindow(window, layout.caption, layout.clientWidth, ExerciseClientHeight, minimiseOnlyWindowFlags());
    // Closing an exercise window hides it; it never ends the program.
    window->setAttribute(Qt::WA_QuitOnClose, false);
    // Said with the caption when the window opens: the key that reads the
    // statement.
    window->setAccessibleDescription(
        ExerciseLayoutTexts::tr("Клавиша %1 читает условие задачи.").arg(keyOf(KeyAction::SayStatement)));

    ExerciseControls c{};

    c.picture = new PictureBox(280, 160, window);
    c.picture->move(16, 16);
    c.picture->setAccessibleName(ExerciseLayoutTexts::tr("Схема задачи"));

    c.statement = new CanvasLabel(window);
    c.statement->setGeometry(layout.statement);
    c.statement->setFont(pixelFont(layout.statementFace, layout.statementPixels));
    c.statement->setWordWrap(true);
    c.statement->setTextFormat(Qt::PlainText);
    c.statement->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The text itself is the name; the role of the text is its description,
    // with the key that reads it again.
    c.statement->setAccessibleDescription(
        ExerciseLayoutTexts::tr("Условие задачи (%1 — прочитать ещё раз)").arg(keyOf(KeyAction::SayStatement)));

    c.exitButton = new QPushButton(ExerciseLayoutTexts::tr("Выход"), window);
    c.exitButton->setGeometry(16, 192, 89, 33);

    c.hintButton = new QPushButton(ExerciseLayoutTexts::tr("Подсказка"), window);
    c.hintButton->setGeometry(120, 192, 89, 33);
    c.hintButton->setObjectName(QStringLiteral("HintButton"));
    c.hintButton->setAccessibleDescription(
        ExerciseLayoutTexts::tr("Что не так с ответом; после трёх неверных ответов — правильный ответ (F2)"));
    // F2 asks for the hint wherever the focus is, while the button is shown.
    registerKeyAction(window, KeyAction::Hint, [hintButton = c.hintButton] {
        if (hintButton->isVisible())
            hintButton->click();
    });

    c.emptyLabel = new QLabel(window);
    c.emptyLabel->move(16, 208);
    // It overlaps the exit button's corner but has no role: clicks pass through.
    c.emptyLabel->setAttribute(Qt::WA_TransparentForMouseEvents);

    c.skipArea = new ClickArea(window);
    c.skipArea->setGeometry(layout.skipArea);

    c.questionPanel = raisedPanel(window, QRect(16, 240, 649, 89));
    c.questionCaption = new QLabel(ExerciseLayoutTexts::tr("Вопрос :"), c.questionPanel);
    c.questionCaption->setFont(pixelFont(QStringLiteral("Arial"), layout.feedbackPixels));
    c.questionCaption->move(8, 12);

    c.question = new TEqEdit(c.questionPanel);
    c.question->setGeometry(8, 40, 625, 25);
    c.question->setEnabled(false);
    c.question->SetBackColor(buttonHighlightColour());
    c.question->SetForeColor(QColor(Qt::black));
    QFont questionFont = pointFontForPixels(QStringLiteral("MS Sans Serif"), layout.questionPixels);
    questionFont.setFixedPitch(true);
    c.question->setFont(questionFont);
    c.question->setAccessibleName(ExerciseLayoutTexts::tr("Вопрос"));

    c.answerPanel = raisedPanel(window, QRect(16, 344, 649, 89));
    c.feedback = new QLabel(ExerciseLayoutTexts::tr("Ответ"), c.answerPanel);
    c.feedback->setFont(pixelFont(QStringLiteral("Arial"), layout.feedbackPixels));
    c.feedback->setTextFormat(Qt::PlainText);
    c.feedback->move(layout.feedbackLeft, 12);
    // The two labels fit their texts; measured when the window is first needed.
    buildWhenPolished(window, [caption = c.questionCaption, feedback = c.feedback] {
        caption->adjustSize();
        feedback->adjustSize();
    });

    c.answer = new TEqEdit(c.answerPanel);
    c.answer->setGeometry(8, 40, 625, 25);
    c.answer->SetBackColor(buttonFaceColour());
    c.answer->setFont(pointFontForPixels(QStringLiteral("MS Sans Serif"), 19));
    c.answer->setAccessibleName(ExerciseLayoutTexts::tr("Ответ"));

    // F5 says the question again and F6 the statement, wherever the focus is
    // (a student reading by ear keeps the caret in the answer box).
    registerKeyAction(window, KeyAction::SayQuestion, [question = c.question] {
        if (!question->Equation().trimmed().isEmpty())
            announceQuestion(question);
    });
    registerKeyAction(window, KeyAction::SayStatement, [statement = c.statement] {
        announce(statement, spokenStatement(statement));
    });

    c.timer = new QTimer(window);
    c.timer->setInterval(PauseTimerInterval);
    c.timer->start();
    return c;
}
