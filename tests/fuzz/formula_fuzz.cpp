// The formula engine: clean-up, classification, the variable table, the parse
// tree and its evaluation, and the judgement of a typed formula.
//
// Input: lines.  The first is the reference formula, the second the typed one;
// each further line changes the variable table: "name=value" adds, "name:value"
// sets, "-name" deletes, anything else is looked up.  The engine's own faults
// (FormulaError and its kinds) are expected; anything else escapes and fails.
#include "fuzz_support.h"

#include "formula/equation.h"
#include "formula/errors.h"
#include "formula/packetdata.h"
#include "formula/packetequation.h"
#include "formula/status.h"
#include "formula/text.h"

#include <algorithm>
#include <array>

namespace {
void examineText(const std::string& text, const TMyPacketData& table)
{
    const std::string normal = NormalizeEquation(text);
    fuzzCheck(NormalizeEquation(normal) == normal, "NormalizeEquation is not idempotent");
    IsNumberText(text);
    try {
        StrToNumber(text);
    } catch (const NumberFormatError&) {
    }
    const std::uint8_t code = FunctionCode(text);
    fuzzCheck(code <= 10, "FunctionCode out of range");
    if (normal.empty())
        return;
    try {
        const TMyEquation tree(normal);
        fuzzCheck(!printTree(tree).empty(), "empty tree print");
        tree.Evaluate(table);
    } catch (const FormulaError&) {
    }
}

void changeTable(TMyPacketData& table, const std::string& line)
{
    const std::size_t eq = line.find('=');
    const std::size_t colon = line.find(':');
    if (eq != std::string::npos && (colon == std::string::npos || eq < colon))
        table.AddVariable(line.substr(0, eq), line.substr(eq + 1));
    else if (colon != std::string::npos)
        table.SetVariable(line.substr(0, colon), line.substr(colon + 1));
    else if (!line.empty() && line.front() == '-')
        table.DeleteVariable(line.substr(1));
    else {
        try {
            table.GetVariable(line);
        } catch (const FormulaError&) {
        }
    }
    fuzzCheck(table.Names().size() == table.Values().size(), "table lists differ in length");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> lines = splitLines(data, size);
    const std::string& reference = lines[0];
    const std::string typed = lines.size() > 1 ? lines[1] : std::string();

    TMyPacketData table;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        try {
            changeTable(table, lines[i]);
        } catch (const FormulaError&) {
        }
    }

    examineText(reference, table);
    examineText(typed, table);

    TMyPacketData copy;
    std::vector<std::string> freeNames;
    copy.AssignFrom(&table, &freeNames);
    fuzzCheck(copy.Names() == table.Names() && copy.Values() == table.Values(), "AssignFrom changed the table");
    for (const std::string& name : freeNames)
        fuzzCheck(std::count(table.Names().begin(), table.Names().end(), name) > 0, "free name not in the table");

    static const std::array<std::string, 4> verdicts{kVerdictEqual, kVerdictNotEqual, kVerdictError, kVerdictEmpty};
    TMyPacketEquation equation;
    try {
        equation.SetEquation(reference);
    } catch (const FormulaError&) {
    }
    try {
        const std::string verdict = equation.Compare(typed, table);
        fuzzCheck(std::find(verdicts.begin(), verdicts.end(), verdict) != verdicts.end(), "unknown verdict " + verdict);
    } catch (const FormulaError&) {
    }
    clearStatus();
    return 0;
}
