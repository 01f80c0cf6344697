#include "app/commandline.h"

#include "app/checkcommand.h"

#include "platform/about.h"
#include "platform/language.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLocale>

namespace {

// Options of QGuiApplication, QApplication and the X11 platform plugin that
// take a value ("-style Fusion" or "-style=Fusion").
const char* const kQtValueOptions[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle", "session", "style", "stylesheet", "display",
    "geometry", "name", "visual", "qmljsdebugger",
};
// ...and those that take none.
const char* const kQtFlagOptions[] = {
    "reverse", "widgetcount", "nograb", "dograb", "sync", "testability",
};

// A text of the command line in the language chosen for this run.
QString text(Language language, const char* source)
{
    return translateText(language, "CommandLine", source);
}

QString programName(const QStringList& arguments)
{
    const QString name = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
    return name.isEmpty() ? QStringLiteral("vektum") : name;
}

CommandLineOutcome usageError(Language language, const QString& program, const QString& message)
{
    return {true, kUsageErrorExitCode,
            text(language, QT_TRANSLATE_NOOP("CommandLine", "%1: %2\nСписок параметров: %1 --help\n")).arg(program, message)};
}

// The option written without its value, as typed: "-platform" or "--platform".
// The argument as typed for an option name the parser did not know.
QString typedOption(const QStringList& arguments, const QString& name)
{
    for (const QString& argument : arguments.mid(1)) {
        QString bare = argument.section(QLatin1Char('='), 0, 0);
        while (bare.startsWith(QLatin1Char('-')))
            bare.remove(0, 1);
        if (argument.startsWith(QLatin1Char('-')) && bare == name)
            return argument.section(QLatin1Char('='), 0, 0);
    }
    return name;
}

bool isOptionWithoutValue(const QString& argument, const QString& name)
{
    return argument == QLatin1Char('-') + name || argument == QStringLiteral("--") + name;
}

// The option that lacks its value, as typed.  The parser takes the argument
// after a value option written without "=" as its value, whatever it looks
// like, so only such an option with nothing after it lacks one; "--" ends
// the options.
QString optionLackingValue(const QStringList& arguments, const QStringList& valueOptions)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--"))
            break;
        for (const QString& name : valueOptions) {
            if (!isOptionWithoutValue(argument, name))
                continue;
            if (i + 1 == arguments.size())
                return argument;
            ++i;   // its value
            break;
        }
    }
    return {};
}

} // namespace

QString versionText(Language language)
{
    return text(language, QT_TRANSLATE_NOOP("CommandLine", "ВЕКТУМ-W, версия %1\n")).arg(programVersion());
}

QString helpText(const QString& program, Language language)
{
    return text(language, QT_TRANSLATE_NOOP("CommandLine",
               "Использование: %1 [параметры]\n"
               "ВЕКТУМ-W — обучающая система по статике.\n"
               "\n"
               "Параметры:\n"
               "  -h, --help       показать эту справку и выйти\n"
               "  -v, --version    показать версию программы и выйти\n"
               "  --lang <язык>    язык текстов: ru (русский) или en (английский)\n"
               "  --check <файлы>  проверить файлы задач, сообщить об ошибках и выйти\n"
               "\n"
               "Принимаются и стандартные параметры Qt, например -platform <имя>,\n"
               "-style <стиль>, -reverse.\n"))
        .arg(program);
}

CommandLineOutcome parseCommandLine(const QStringList& arguments)
{
    const QString program = programName(arguments);
    const Language language = chooseLanguage(QLocale::system().uiLanguages(), languageArgument(arguments));

    QCommandLineParser parser;
    // Qt's options are written with one dash: "-platform" is one option, not
    // the letters p, l, a...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    const QCommandLineOption lang(QStringLiteral("lang"), QString(), QStringLiteral("language"));
    parser.addOption(lang);
    const QCommandLineOption check(QStringLiteral("check"));
    parser.addOption(check);
    QStringList valueOptions;
    for (const char* name : kQtValueOptions) {
        valueOptions << QString::fromLatin1(name);
        parser.addOption(QCommandLineOption(valueOptions.last(), QString(), QStringLiteral("value")));
    }
    for (const char* name : kQtFlagOptions)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return usageError(language, program, text(language, QT_TRANSLATE_NOOP("CommandLine", "неизвестный параметр «%1»")).arg(typedOption(arguments, unknown.first())));
        // The only other failure is an option that needs a value given last.
        valueOptions << QStringLiteral("lang");
        const QString lacking = optionLackingValue(arguments, valueOptions);
        if (!lacking.isEmpty())
            return usageError(language, program,
                              text(language, QT_TRANSLATE_NOOP("CommandLine", "у параметра «%1» нет значения")).arg(lacking));
        return usageError(language, program, text(language, QT_TRANSLATE_NOOP("CommandLine", "неверная командная строка")));
    }
    Language chosen = language;
    if (parser.isSet(lang) && !parseLanguage(parser.value(lang), chosen))
        return usageError(language, program,
                          text(language, QT_TRANSLATE_NOOP("CommandLine", "неизвестный язык «%1»: допустимы ru и en"))
                              .arg(parser.value(lang)));
    if (parser.isSet(help))
        return {true, 0, helpText(program, language)};
    if (parser.isSet(version))
        return {true, 0, versionText(language)};
    if (parser.isSet(check)) {
        if (parser.positionalArguments().isEmpty())
            return usageError(language, program,
                              text(language, QT_TRANSLATE_NOOP("CommandLine", "у параметра «--check» нет файлов")));
        return checkProblemFiles(parser.positionalArguments(), chosen);
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(language, program,
                          text(language, QT_TRANSLATE_NOOP("CommandLine", "лишний аргумент «%1»: программа не открывает файлов"))
                              .arg(parser.positionalArguments().first()));
    return {};
}
