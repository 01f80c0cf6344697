#include "platform/enginemessages.h"

#include "formula/errors.h"

#include <QCoreApplication>


QString translatedMessage(FormulaMessage message, const std::vector<std::string>& args)
{
    const char* source = formulaMessagePattern(message);
    if (*source == '\0')
        return {};
    const QString text = QCoreApplication::translate(kFormulaMessageContext, source);
    // Every text takes one argument at most.
    return args.empty() ? text : text.arg(QString::fromStdString(args.front()));
}

QString translatedMessage(const FormulaError& error)
{
    return translatedMessage(error.message(), error.args());
}
