// The equation control's own evaluator.  It never throws: every failure is a
// message.  Input: lines.  The first two are formulas in the notation (UTF-8);
// each further line changes the variable list: "name=number" adds, "-name"
// deletes, anything else is looked up.
#include "fuzz_support.h"

#include "eqedit/evaluator.h"

#include <QString>
#include <cstdlib>

namespace {
bool isOperator(QChar c)
{
    return c == u'+' || c == u'-' || c == u'*' || c == u'/' || c == u'^';
}

void examineOperands(const QString& formula)
{
    const int length = int(formula.size());
    int tried = 0;
    for (int position = 1; position <= length && tried < 16; ++position) {
        if (!isOperator(formula.at(position - 1)))
            continue;
        ++tried;
        for (bool withoutSign : {false, true}) {
            int start = -1;
            EqEvaluator::GetLeftOperand(formula, position, start, withoutSign);
            fuzzCheck(start >= 1 && start <= position, "left operand starts outside the formula");
        }
        int end = -1;
        EqEvaluator::GetRightOperand(formula, position, end);
        fuzzCheck(end >= position && end <= length, "right operand ends outside the formula");
    }
}

void examineStatics(const QString& formula, const EqEvaluator& evaluator)
{
    QString f = formula;
    EqEvaluator::SetIndexOrder(f);
    f = formula;
    evaluator.ReplaceVariables(f);
    f = formula;
    EqEvaluator::SokrashDoubleSign(f);
    EqEvaluator::IsDigitString(formula);
    examineOperands(formula);
    f = formula;
    EqEvaluator::CalqEqWithoutBracket(f);
    f = formula;
    EqEvaluator::DeleteBrackets(f);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> lines = splitLines(data, size);
    const QString first = QString::fromStdString(lines[0]);
    const QString second = lines.size() > 1 ? QString::fromStdString(lines[1]) : QString();

    EqEvaluator evaluator;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const QString line = QString::fromStdString(lines[i]);
        const qsizetype eq = line.indexOf(u'=');
        if (eq >= 0)
            evaluator.AddVariable(line.left(eq), std::strtod(lines[i].c_str() + eq + 1, nullptr));
        else if (line.startsWith(u'-'))
            evaluator.DeleteVariable(line.mid(1));
        else
            evaluator.GetVariable(line);
    }

    examineStatics(first, evaluator);
    examineStatics(second, evaluator);

    double value = 0;
    evaluator.CalculateEquation(first, value);
    QString a = first, b = second;
    double va = 0, vb = 0;
    evaluator.CalculateTwoEquations(a, b, va, vb);
    bool equal = false;
    evaluator.CompareEquation(first, second, equal);
    return 0;
}
