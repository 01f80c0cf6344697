#pragma once
// The texts of the hints of the exercise windows outside the exam (when which
// is due is the tutor's HintPolicy): the general advice for the kind of
// question, the sentence of a diagnosis, the reference answer.  They are shown
// in a modal hint box with the formula concerned in the equation notation,
// and spoken.
#include <QDialog>
#include <QString>
#include <functional>

#include "tutor/diagnosis.h"
#include "tutor/hintpolicy.h"
#include "tutor/questionkind.h"

class TEqEdit;

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

// The texts of a hint that is due, for a question of the given kind.
ShownHint shownHint(const DueHint& due, QuestionKind kind);

