#pragma once
// Whether a problem's statement and questions fit the areas the exercise
// windows show them in, in both languages, measured with the program's
// fonts as the windows set them: the statement label of the worked example
// (345 x 170, Arial 17 px) or of the control task (355 x 170, MS Sans Serif
// 16 px), word-wrapped; the question control (625 x 25) on one line, in the
// window's question font or at the step's own size.  Needs a QGuiApplication.
#include <vector>

#include "problem/diagnostics.h"
#include "problem/problem.h"

std::vector<ProblemDiagnostic> problemTextFit(const Problem& problem);
