#pragma once
// The program's command line: -h/--help, -v/--version, --lang ru|en and
// --check FILE... (the check of problem files), plus the options Qt
// itself takes (-platform, -style, -reverse...), which are accepted here and
// left in place for the application object to consume.  Anything else is an
// error with exit status 2.  The texts are written here in Russian rather than
// taken from QCommandLineParser, whose own texts need Qt's translations.
#include "platform/language.h"

#include <QString>
#include <QStringList>

struct CommandLineOutcome {
    // False: start the program.  True: print `text` and exit with `exitCode`
    // (to standard output for 0, to standard error otherwise: a check that
    // found errors reports on standard error).
    bool exit = false;
    int exitCode = 0;
    QString text;
};

inline constexpr int kUsageErrorExitCode = 2;

// `arguments` is the whole command line, the program's name first.
CommandLineOutcome parseCommandLine(const QStringList& arguments);

// "ВЕКТУМ-W, версия N" with the version of the build.
QString versionText(Language language = Language::Russian);
// The help text for a program called `program`.
QString helpText(const QString& program, Language language = Language::Russian);
