#include "platform/problemreport.h"

#include "platform/enginemessages.h"

#include <QCoreApplication>

namespace {

// The arguments of a report, the engine's message worded by `engine` last.
template <typename Engine>
std::vector<std::string> arguments(const ProblemDiagnostic& diagnostic, Engine engine, Language language)
{
    std::vector<std::string> args = diagnostic.args;
    if (diagnostic.engine != FormulaMessage::None)
        args.push_back(engine().toStdString());
    if (diagnostic.message == ProblemMessage::KnownCondition)
        args.push_back(language == Language::English && !diagnostic.givenEn.empty() ? diagnostic.givenEn
                                                                                     : diagnostic.givenRu);
    return args;
}

QString filled(const QString& text, const std::vector<std::string>& args)
{
    return QString::fromStdString(fillPlaces(text.toStdString(), args));
}

} // namespace

QString translatedProblemMessage(const ProblemDiagnostic& diagnostic)
{
    const auto args = arguments(
        diagnostic, [&] { return translatedMessage(diagnostic.engine, diagnostic.engineArgs); }, currentLanguage());
    return filled(QCoreApplication::translate(kProblemMessageContext, problemMessagePattern(diagnostic.message)), args);
}

QString translatedProblemMessage(const ProblemDiagnostic& diagnostic, Language language)
{
    const auto args = arguments(
        diagnostic, [&] { return translatedMessage(diagnostic.engine, diagnostic.engineArgs, language); }, language);
    return filled(translateText(language, kProblemMessageContext, problemMessagePattern(diagnostic.message)), args);
}

QString problemReport(const QString& file, const std::vector<ProblemDiagnostic>& diagnostics, Language language)
{
    const std::string note =
        translateText(language, "ProblemMessage", QT_TRANSLATE_NOOP("ProblemMessage", "примечание")).toStdString();
    QString report;
    for (const ProblemDiagnostic& d : diagnostics)
        report += QString::fromStdString(formatDiagnostic(file.toStdString(), d,
                                                          translatedProblemMessage(d, language).toStdString(), note))
                + QLatin1Char('\n');
    if (!hasErrors(diagnostics))
        report += translateText(language, "ProblemMessage", QT_TRANSLATE_NOOP("ProblemMessage", "%1: проверка пройдена"))
                      .arg(file)
                + QLatin1Char('\n');
    return report;
}
