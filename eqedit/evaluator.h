#pragma once
// The equation control's own evaluator: a string-rewriting calculator over
// formulas in the equation notation, with its own list of named variables.
//
// Every step finds one operation in the formula text, computes it in double
// precision and writes the result back into the text as a number (the general
// format with 34 significant digits; operator results carry "+" when not
// negative, function results and substituted values carry no sign of their
// own), until the text is a single number.
//
// Order of work: powers from the left (2^3^2 is 64; "-2^2" is -4, the sign is
// applied after the power), then products and quotients, then sums and
// differences, all left to right.  Brackets are evaluated innermost first; a
// power right after a bracket applies to the bracket's content before the
// function in front of it ("sin(x)^2" is the sine of x squared).
//
// Failures are returned as Russian messages, empty on success; the functions
// in lower case give the same message as its code and arguments
// (EvaluatorMessage, whose text() is the Russian message).
// Nothing throws: overflow, division by zero and domain errors are tested for
// explicitly.  Every loop removes at least one operator, bracket or marker per
// round, so no input can make the evaluator run away; whole exponents above
// kMaxRepeatedPower use the library power instead of repeated multiplication.
//
// Positions given to and returned by the operand functions are 1-based, as the
// notation counts them.  QtCore only; usable without a widget.
#include <QString>

#include "eqedit/evaluatormessage.h"

// One node of the variable list.  New nodes go to the head.
struct TVarStruct {
    QString Name;   // as written in the notation, case-sensitive ("R!A", "~a")
    double Value = 0.0;
    TVarStruct* Next = nullptr;
};

class EqEvaluator {
public:
    // Whole exponents up to this magnitude are computed by repeated
    // multiplication; larger ones by the library power.
    static constexpr double kMaxRepeatedPower = 1024.0;

    // The list starts with "pi", "PI", "Pi", "pI" and "~p" (in that order of
    // addition, so "~p" is at the head), each kPi (3.141592653589793).
    EqEvaluator();
    ~EqEvaluator();
    EqEvaluator(const EqEvaluator&) = delete;
    EqEvaluator& operator=(const EqEvaluator&) = delete;

    // Head of the variable list (nullptr when empty).
    const TVarStruct* varList() const { return FVarList; }

    // An empty name is ignored; an existing name gets the new value; otherwise
    // a node is added at the head.
    void AddVariable(const QString& name, double value);
    // 0 for an empty name or a name not in the list.
    double GetVariable(const QString& name) const;
    // Removes every node with that name; an empty name is ignored.
    void DeleteVariable(const QString& name);

    // Moves a subscript written inside a superscript in front of it
    // ("X#2!A@" becomes "X!A#2@").  Refuses a superscript opened inside a
    // superscript and a subscript opened inside a subscript.
    static QString SetIndexOrder(QString& formula);
    // SetIndexOrder, then every variable name standing between boundaries
    // ("+-*/()^@#" or an end) is replaced by the text of its value.
    QString ReplaceVariables(QString& formula) const;
    // One pass: "++" and "--" become "+", "+-" and "-+" become "-".
    static void SokrashDoubleSign(QString& formula);
    // Digits, at most one '.', at most one 'E'/'e', and '+'/'-' only first or
    // right after the 'E'.  The empty text passes.
    static bool IsDigitString(const QString& text);
    // The operand left of the operator at `position`; `start` receives the
    // position of its first character.  A leading sign is part of the operand
    // unless `withoutSign` is set.
    static QString GetLeftOperand(const QString& formula, int position, int& start, bool withoutSign);
    // The operand right of the operator at `position`, with its sign; `end`
    // receives the position of its last character (`position` when empty).
    static QString GetRightOperand(const QString& formula, int position, int& end);
    // Evaluates a formula without brackets; on success it becomes the result.
    static QString CalqEqWithoutBracket(QString& formula);
    // Evaluates brackets and functions, then the rest; on success the formula
    // becomes the result.
    static QString DeleteBrackets(QString& formula);

    // The value of `equation` (the control's own formula).  `value` is set to
    // 0 when the bracket stage fails and is left alone on other failures.
    QString CalculateEquation(const QString& equation, double& value) const;
    // Both formulas over the same random whole values of every listed
    // variable (from -16383 to 16383, written in brackets); the formulas are
    // rewritten in place up to the substitution.
    QString CalculateTwoEquations(QString& first, QString& second, double& firstValue,
                                  double& secondValue) const;
    // Ten trials of CalculateTwoEquations with the generator seeded from the
    // clock; unequal as soon as a successful trial differs by more than
    // 0.00001.
    QString CompareEquation(const QString& equation, const QString& other, bool& equal) const;

    // The operations above with the message as its code and arguments.
    static EvaluatorMessage indexOrder(QString& formula);
    EvaluatorMessage replaceVariables(QString& formula) const;
    static EvaluatorMessage bracketFree(QString& formula);
    static EvaluatorMessage brackets(QString& formula);
    EvaluatorMessage calculate(const QString& equation, double& value) const;
    EvaluatorMessage calculateTwo(QString& first, QString& second, double& firstValue, double& secondValue) const;
    EvaluatorMessage compare(const QString& equation, const QString& other, bool& equal) const;

private:
    TVarStruct* FVarList = nullptr;
};
