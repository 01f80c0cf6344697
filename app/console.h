#pragma once
// The command line and the console in Unicode.  On Windows the narrow argv
// and standard output use the ANSI code page, in which most Russian letters
// do not exist; elsewhere they are the locale's own encoding (UTF-8).
// console_windows.cpp and console_unix.cpp implement it; the build compiles
// the one for its target.
#include <QString>
#include <QStringList>

#include <cstdio>

// The whole command line, the program's name first.  On Windows it is read
// in UTF-16 from the system, elsewhere decoded from argv.
QStringList commandLineArguments(int argc, char** argv);

// Writes text to `stream` (stdout or stderr): to a Windows console through
// its Unicode interface, to a pipe or file there as UTF-8, elsewhere in the
// locale's encoding.
void writeConsoleText(const QString& text, std::FILE* stream);
