#pragma once
// The layout the two exercise windows share: the scheme picture and the
// statement label at the top, the exit button and the skip area under them,
// the question panel and the answer panel at the bottom, and the pause timer.
// The windows differ only in the values of ExerciseLayout.
#include <QFont>
#include <QRect>
#include <QString>

class CanvasLabel;
class ClickArea;
class PictureBox;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class QWidget;
class TEqEdit;

struct ExerciseLayout {
    QString caption;
    int clientWidth;
    QRect statement;          // the statement label
    QString statementFace;
    int statementPixels;
    QRect skipArea;
    int questionPixels;       // the question control's font height
    int feedbackLeft;         // the feedback label's left edge before the first re-centring
    int feedbackPixels;
};

struct ExerciseControls {
    PictureBox* picture;
    CanvasLabel* statement;
    QPushButton* exitButton;
    QPushButton* hintButton;  // right of the exit button; hidden in the exam
    QLabel* emptyLabel;
    ClickArea* skipArea;
    QFrame* questionPanel;
    QLabel* questionCaption;
    TEqEdit* question;
    QFrame* answerPanel;
    QLabel* feedback;
    TEqEdit* answer;
    QTimer* timer;
};

constexpr int ExerciseClientHeight = 446;
constexpr int PauseTimerInterval = 2000;

// Gives the window its caption, size and frame and creates its controls, the
// key F2 that presses the hint button while it is shown, and the keys F5 and
// F6 that have a screen reader say the question and the statement again.  The
// timer is started, as it is enabled from creation on.
ExerciseControls buildExerciseWindow(QWidget* window, const ExerciseLayout& layout);

// The statement as a screen reader hears it (F6, and on opening the window).
QString spokenStatement(const QLabel* statement);
