// The problem file's reader and check.  Input: the text of a problem file.
// Reading never throws; every report has its place (none or from line 1,
// column 1) and exactly the arguments its text takes.  A problem read without
// an error goes through the whole check, at few points, which must not throw
// either and reports the same way.
#include "fuzz_support.h"

#include "problem/check.h"
#include "problem/reader.h"

#include <string_view>

namespace {
void checkReports(const std::vector<ProblemDiagnostic>& diagnostics, const char* where)
{
    for (const ProblemDiagnostic& d : diagnostics) {
        fuzzCheck(d.line >= 0 && d.column >= 0 && (d.line == 0 || d.column >= 1),
                  std::string(where) + ": a report out of the file");
        const int arity = problemMessageArity(d.message) - (d.engine == FormulaMessage::None ? 0 : 1);
        fuzzCheck(int(d.args.size()) == arity, std::string(where) + ": arguments do not fit the message "
                                                   + std::to_string(int(d.message)));
        fuzzCheck(!diagnosticText(d).empty(), std::string(where) + ": a report without text");
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ProblemReading reading = readProblem(text);
    checkReports(reading.diagnostics, "reader");
    if (hasErrors(reading.diagnostics))
        return 0;
    CheckOptions options;
    options.testPoints = 3;
    options.mechanicsPoints = 1;
    checkReports(checkProblem(reading.problem, options), "check");
    return 0;
}
