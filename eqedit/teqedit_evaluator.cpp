// TEqEdit's own evaluator: thin forwards to EqEvaluator over the control's
// variable list.  CalculateEquation and CompareEquation work on Equation();
// nothing here changes the shown formula.
#include "eqedit/teqedit.h"

void TEqEdit::AddVariable(const QString& name, double value)
{
    FEvaluator.AddVariable(name, value);
}

double TEqEdit::GetVariable(const QString& name) const
{
    return FEvaluator.GetVariable(name);
}

void TEqEdit::DeleteVariable(const QString& name)
{
    FEvaluator.DeleteVariable(name);
}

QString TEqEdit::SetIndexOrder(QString& formula) const
{
    return EqEvaluator::SetIndexOrder(formula);
}

QString TEqEdit::ReplaceVariables(QString& formula) const
{
    return FEvaluator.ReplaceVariables(formula);
}

void TEqEdit::SokrashDoubleSign(QString& formula) const
{
    EqEvaluator::SokrashDoubleSign(formula);
}

bool TEqEdit::IsDigitString(const QString& text) const
{
    return EqEvaluator::IsDigitString(text);
}

QString TEqEdit::GetLeftOperand(const QString& formula, int position, int& start, bool withoutSign) const
{
    return EqEvaluator::GetLeftOperand(formula, position, start, withoutSign);
}

QString TEqEdit::GetRightOperand(const QString& formula, int position, int& end) const
{
    return EqEvaluator::GetRightOperand(formula, position, end);
}

QString TEqEdit::CalqEqWithoutBracket(QString& formula) const
{
    return EqEvaluator::CalqEqWithoutBracket(formula);
}

QString TEqEdit::DeleteBrackets(QString& formula) const
{
    return EqEvaluator::DeleteBrackets(formula);
}

QString TEqEdit::CalculateEquation(double& value) const
{
    return FEvaluator.CalculateEquation(Equation(), value);
}

QString TEqEdit::CalculateTwoEquations(QString& first, QString& second, double& firstValue,
                                       double& secondValue) const
{
    return FEvaluator.CalculateTwoEquations(first, second, firstValue, secondValue);
}

QString TEqEdit::CompareEquation(const QString& other, bool& equal) const
{
    return FEvaluator.CompareEquation(Equation(), other, equal);
}
