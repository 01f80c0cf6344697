#pragma once
// The check of a problem: that it is right before a student sees it.
//
// After a reading without errors (reader.h):
//  - every variable a reference or a teacher's `when` uses is defined;
//  - the tests of every step run at many random points of the variables,
//    filled as the exercise dialogue fills them, through the judgement a
//    student meets (judgeAnswer, tutor/judge.h: the engine's comparison, a new
//    point where the reference is undefined, the confirmation of an equal
//    verdict at further points): an accepted answer must be "Равны" at
//    every point where the reference can be evaluated, except that it may be
//    "Ошибка сравнения" (the answer cannot be evaluated there, as
//    "(b-a)/(2*b-a)" at a = 2b, which the reference may hide behind a later
//    variable) at no more than a tenth of them; a refused one may be "Равны"
//    at no more than a tenth of them (a wrong formula can agree with the
//    reference by chance at a point);
//  - at the first ten points where a refused answer that names a diagnosis is
//    judged wrong, the diagnosis a student is told (a teacher's message whose `when`
//    the answer equals, else the tutor's diagnose, tutor/diagnosis.h) must be
//    the one named, except at one of them at most;
//  - the mechanics: the projection and moment steps, taken as equations
//    f(u) = 0 in the declared unknowns u, must be linear in them (their
//    coefficients are read by evaluating at u = 0 and at unit vectors, and
//    checked at a further point).  At several random points a square subset
//    of them that is well conditioned (row-scaled condition number below
//    1e8) is solved with DecomposeLU/SolveLU; every other equation step must
//    vanish at that solution, |f(u*)| <= 1e-6 * max(1, |c0| + sum |c_j u*_j|),
//    and every expression step must give the unknown it names,
//    |value - u*_j| <= 1e-6 * max(1, |u*_j|).  A number step marked
//    `counts = "unknowns"` must give their count.  Fewer equation steps than
//    unknowns is a note: the mechanics is then not checked.
// Points come from generators of the check's own (its draws, and the tutor's
// for new points, confirmation and diagnosis), seeded from the options, so a
// check gives the same report every time; the shared generator of the
// program is not touched, and MyStat is left as it was found.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "problem/diagnostics.h"
#include "problem/problem.h"

struct CheckOptions {
    int testPoints = 40;        // points at which each step's tests run
    int mechanicsPoints = 5;    // points at which the equations are solved
    std::uint64_t seed = 20260;
    // Further findings of the caller's on a problem read without errors (the
    // program measures its texts with its fonts, which this core cannot).
    std::function<std::vector<ProblemDiagnostic>(const Problem&)> measure;
};

std::vector<ProblemDiagnostic> checkProblem(const Problem& problem, const CheckOptions& options = {});

// Reads, then checks when the reading found no error; the reports of both,
// in the order of the file (reports without a place last).
std::vector<ProblemDiagnostic> checkProblemText(std::string_view text, const CheckOptions& options = {});
std::vector<ProblemDiagnostic> checkProblemFile(const std::string& path, const CheckOptions& options = {});
