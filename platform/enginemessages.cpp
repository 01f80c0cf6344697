#include "platform/enginemessages.h"

#include "formula/errors.h"

#include <QCoreApplication>

namespace {
QString worded(FormulaMessage message, const std::vector<std::string>& args,
               QString (*translate)(const char* source, Language language), Language language)
{
    const char* source = formulaMessagePattern(message);
    if (*source == '\0')
        return {};
    const QString text = translate(source, language);
    // Every text takes one argument at most.
    return args.empty() ? text : text.arg(QString::fromStdString(args.front()));
}
} // namespace

QString translatedMessage(FormulaMessage message, const std::vector<std::string>& args)
{
    return worded(message, args,
                  [](const char* source, Language) { return QCoreApplication::translate(kFormulaMessageContext, source); },
                  Language::Russian);
}

QString translatedMessage(FormulaMessage message, const std::vector<std::string>& args, Language language)
{
    return worded(message, args,
                  [](const char* source, Language chosen) { return translateText(chosen, kFormulaMessageContext, source); },
                  language);
}

QString translatedMessage(const FormulaError& error)
{
    return translatedMessage(error.message(), error.args());
}
