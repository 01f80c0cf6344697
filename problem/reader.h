#pragma once
// Reads a problem file (TOML, format 1) into a Problem.  Everything a file
// can get wrong on its own is reported, not thrown: syntax errors, unknown
// keys, values of the wrong type or outside their range, texts without one of
// their two languages, counts and lengths beyond the limits of problem.h,
// stage indices out of range, drawing items outside their box.  Reading never
// throws but std::bad_alloc.
#include <string>
#include <string_view>
#include <vector>

#include "problem/diagnostics.h"
#include "problem/problem.h"

struct ProblemReading {
    Problem problem;   // complete only when no error was reported
    std::vector<ProblemDiagnostic> diagnostics;
};

ProblemReading readProblem(std::string_view text);
// A file larger than kMaxProblemFileBytes is not read.
ProblemReading readProblemFile(const std::string& path);

// The names a refused answer's `diagnosis` may take (the tutor's mistakes in
// the order of Mistake, tutor/diagnosis.h, then "message"), and the kinds of step.
const std::vector<std::string>& diagnosisNames();
std::string_view stepKindName(StepKind kind);
