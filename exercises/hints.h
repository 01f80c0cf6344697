#pragma once
// The help of the exercise windows outside the exam: on request, what is wrong
// with the answer last judged wrong (or, before any, the general advice for
// the kind of question) and, after three wrong answers to the same question,
// the reference answer itself.  The texts are shown in a modal hint box with
// the formula concerned in the equation notation, and spoken.
#include <QDialog>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "exercises/tutoring.h"

class TEqEdit;
class TMyPacketData;

// What a hint box shows: the sentence, the formula under it and a remark
// under that ("" for none).
struct ShownHint {
    QString text;
    QString formula;
    QString note;
};

using HintHook = std::function<void(const ShownHint&)>;
// Installs a hook that receives every hint instead of a box; an empty hook
// restores real boxes.  Returns the previous hook.
HintHook setHintHook(HintHook hook);

// The sentence of a diagnosis, translated.
QString diagnosisText(const Diagnosis& diagnosis, QuestionKind kind);
// The general advice for a kind of question, translated.
QString adviceText(QuestionKind kind);

// The modal box of a hint: the sentence, the formula in a disabled equation
// control, and OK.
class HintBox : public QDialog {
    Q_OBJECT
public:
    HintBox(const ShownHint& hint, QWidget* parent);
    TEqEdit* formulaBox() const { return m_formula; }

private:
    TEqEdit* m_formula = nullptr;
};

// Shows the hint through the hook or in a box over `parent`.
void showHint(const ShownHint& hint, QWidget* parent);

// One window's help: what it knows about the question on screen.
class TutorHelp {
public:
    TutorHelp();

    // The dialogue's own generator (confirmation and diagnosis points).
    PointGenerator& generator() { return m_generator; }

    // A new question is on screen (the step changed or the window opened).
    void newQuestion();
    // The answer `typed` was judged wrong.
    void wrongAnswer(const QString& typed);
    int wrongAnswers() const { return m_wrong; }

    // The press of the help button: the diagnosis of the last wrong answer,
    // or the reference answer when it was already given and the question has
    // had three wrong answers.
    ShownHint nextHint(const char* question, const QString& reference, const TMyPacketData& table,
                       const std::vector<std::string>& randomNames);

private:
    PointGenerator m_generator;
    int m_wrong = 0;
    QString m_lastWrong;
    bool m_diagnosed = false;   // the last wrong answer's diagnosis was shown
};

// Wrong answers to one question after which the reference answer may be seen.
inline constexpr int kWrongAnswersBeforeAnswer = 3;
