#pragma once
// The reports of the problem files' reader and check (problem/diagnostics.h)
// in the program's language: each code has one translatable text here, with
// %1... where its arguments go, as the core's Russian text has.
#include <QString>

#include <vector>

#include "platform/language.h"
#include "problem/diagnostics.h"

// The text of a report in the installed language.
QString translatedProblemMessage(const ProblemDiagnostic& diagnostic);
// The same in a given language, without the application object.
QString translatedProblemMessage(const ProblemDiagnostic& diagnostic, Language language);

// The report on one file, one line per report ("file:line:column: text"),
// closed by a line that says the check passed when nothing was an error.
QString problemReport(const QString& file, const std::vector<ProblemDiagnostic>& diagnostics, Language language);
