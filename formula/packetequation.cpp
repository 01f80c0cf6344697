#include "formula/packetequation.h"

#include <cmath>
#include <vector>

#include "formula/errors.h"
#include "formula/random.h"
#include "formula/status.h"
#include "formula/text.h"

namespace {

constexpr int kTrials = 15;
constexpr int kAgreementsNeeded = 5;

[[noreturn]] void tooLong()
{
    throw FormulaParseError(FormulaMessage::FormulaTooLong);
}

// r / 100 as decimal text with ",": 0 gives "0", 5 "0,05", 32767 "327,67".
std::string hundredths(int r)
{
    std::string text = std::to_string(r / 100);
    const int cents = r % 100;
    if (cents != 0) {
        text += ',';
        text += static_cast<char>('0' + cents / 10);
        if (cents % 10 != 0)
            text += static_cast<char>('0' + cents % 10);
    }
    return text;
}

} // namespace

TMyPacketEquation::TMyPacketEquation() = default;
TMyPacketEquation::~TMyPacketEquation() = default;

void TMyPacketEquation::SetEquation(const std::string& text)
{
    if (text.empty())
        return;
    if (text.size() > kMaxFormulaLength)
        tooLong();
    if (m_root && text == m_source) {
        // The same text again: it normalises and parses exactly as before.
        clearStatus();
        return;
    }
    std::string t = NormalizeEquation(text);
    if (!MyStat.Message.empty())
        return;
    auto root = std::make_unique<TMyEquation>(t);
    m_root = std::move(root);
    m_text = std::move(t);
    m_source = text;
}

std::string TMyPacketEquation::Compare(const std::string& typed, const TMyPacketData& table)
{
    if (typed.size() > kMaxFormulaLength)
        tooLong();
    const std::string t = NormalizeEquation(typed);
    if (t.empty() || m_text.empty() || !m_root) {
        setError(4, FormulaMessage::NothingToCompare);
        return kVerdictEmpty;
    }

    const TMyEquation typedTree(t);
    // Free variables get their random values in a working copy of the table.
    // Without them the copy would equal the table in every trial, so the
    // table itself is read.
    TMyPacketData work{TMyPacketData::Empty{}};
    std::vector<std::string> freeNames;
    const TMyPacketData* values = &table;
    for (const std::string& value : table.Values()) {
        if (value.empty()) {
            work.AssignFrom(&table, &freeNames);
            values = &work;
            break;
        }
    }

    bool same = true;
    int agreements = 0;
    int trial = 0;
    do {
        for (const std::string& name : freeNames)
            work.SetVariable(name, hundredths(random15() % 100000));
        clearMessage();
        const double reference = narrowToDouble(m_root->Evaluate(*values));
        const double answer = narrowToDouble(typedTree.Evaluate(*values));
        if (MyStat.Message.empty()) {
            if (std::isnan(reference) || std::isnan(answer))
                throw FloatingPointError(FormulaMessage::ValueNotANumber);
            const long double difference = static_cast<long double>(reference) - answer;
            if (std::isnan(difference))
                throw FloatingPointError(FormulaMessage::InvalidOperation);
            if (std::fabs(difference) >= MyStat.Epsilon) {
                same = false;
                agreements = kTrials;
            } else {
                same = true;
                ++agreements;
            }
        }
        ++trial;
    } while (trial < kTrials && same);

    if (same && agreements >= kAgreementsNeeded)
        return kVerdictEqual;
    if (!same)
        return kVerdictNotEqual;
    return kVerdictError;
}
