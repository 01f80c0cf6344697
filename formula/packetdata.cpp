#include "formula/packetdata.h"

#include "formula/status.h"
#include "formula/text.h"

namespace {

constexpr std::size_t kMissing = static_cast<std::size_t>(-1);

std::uint64_t nextGeneration()
{
    static std::uint64_t counter = 0;
    return ++counter;
}

void recordMissing(const std::string& key)
{
    recordError(3, FormulaMessage::NoSuchVariable, {key});
}

} // namespace

TMyVariableRef::TMyVariableRef(std::string_view name)
{
    if (name.find_first_of(" ()!#@=") == std::string_view::npos) {
        m_key = name;  // already a key; NormalizeName would leave a clear status
        return;
    }
    // Resolving the name must not disturb the pending status.
    TMyStat saved = MyStat;
    m_key = TMyPacketData::NormalizeName(name);
    m_statusCode = MyStat.Code;
    m_statusMessage = MyStat.MessageId;
    m_statusArgs = MyStat.MessageArgs;
    MyStat = std::move(saved);
}

TMyPacketData::TMyPacketData(Empty)
    : m_generation(nextGeneration())
{
}

TMyPacketData::TMyPacketData()
    : TMyPacketData(Empty{})
{
    AddVariable("pi", kPiText);
    AddVariable("Pi", kPiText);
    AddVariable("PI", kPiText);
    AddVariable("~p", kPiText);
    AddVariable("g", "9.81");
}

std::string TMyPacketData::NormalizeName(std::string_view name)
{
    std::string key = NormalizeEquation(name);
    // NormalizeEquation has removed the blanks already.
    auto at = key.find("@=");
    if (at != std::string::npos) {
        key.erase(at, 2);
    }
    at = key.find('=');
    if (at != std::string::npos)
        key.erase(at, 1);
    return key;
}

void TMyPacketData::changed()
{
    m_generation = nextGeneration();
}

std::size_t TMyPacketData::find(const std::string& key) const
{
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        if (m_names[i] == key)
            return i;
    }
    return kMissing;
}

long double TMyPacketData::valueAt(std::size_t index) const
{
    Number& n = m_numbers[index];
    if (n.state == 1)
        return n.value;
    if (n.state == 0) {
        try {
            n.value = StrToNumber(m_values[index]);
            n.state = 1;
            return n.value;
        } catch (...) {
            n.state = 2;
            throw;
        }
    }
    return StrToNumber(m_values[index]);  // malformed: throws again
}

long double TMyPacketData::lookup(const std::string& key) const
{
    if (key.empty()) {
        recordError(3, FormulaMessage::EmptyKey);
        return 0;
    }
    const std::size_t index = find(key);
    if (index == kMissing) {
        recordMissing(key);
        return 0;
    }
    return valueAt(index);
}

void TMyPacketData::AddVariable(std::string_view name, std::string_view value)
{
    std::string key = NormalizeName(name);
    if (key.empty()) {
        recordError(3, FormulaMessage::EmptyKey);
        return;
    }
    const std::size_t index = find(key);
    if (index != kMissing) {
        m_values.erase(m_values.begin() + static_cast<std::ptrdiff_t>(index));
        m_names.erase(m_names.begin() + static_cast<std::ptrdiff_t>(index));
        m_numbers.erase(m_numbers.begin() + static_cast<std::ptrdiff_t>(index));
    }
    m_values.emplace_back(value);
    m_names.push_back(std::move(key));
    m_numbers.emplace_back();
    changed();
}

long double TMyPacketData::GetVariable(std::string_view name) const
{
    return lookup(NormalizeName(name));
}

long double TMyPacketData::GetVariable(const TMyVariableRef& ref) const
{
    // The status NormalizeName would leave for this name.
    MyStat.Code = ref.m_statusCode;
    if (ref.m_statusMessage == FormulaMessage::None)
        clearMessage();
    else
        setError(ref.m_statusCode, ref.m_statusMessage, ref.m_statusArgs);

    if (ref.m_key.empty()) {
        recordError(3, FormulaMessage::EmptyKey);
        return 0;
    }
    if (ref.m_generation != m_generation) {
        ref.m_index = find(ref.m_key);
        ref.m_generation = m_generation;
    }
    if (ref.m_index == kMissing) {
        recordMissing(ref.m_key);
        return 0;
    }
    return valueAt(ref.m_index);
}

void TMyPacketData::SetVariable(std::string_view name, std::string_view value)
{
    const std::string key = NormalizeName(name);
    if (key.empty()) {
        recordError(3, FormulaMessage::EmptyKey);
        return;
    }
    const std::size_t index = find(key);
    if (index == kMissing) {
        recordMissing(key);
        return;
    }
    m_values[index] = value;
    m_numbers[index] = Number{};
}

void TMyPacketData::DeleteVariable(std::string_view name)
{
    const std::string key = NormalizeName(name);
    if (key.empty()) {
        recordError(3, FormulaMessage::EmptyKey);
        return;
    }
    const std::size_t index = find(key);
    if (index == kMissing)
        return;
    m_values.erase(m_values.begin() + static_cast<std::ptrdiff_t>(index));
    m_names.erase(m_names.begin() + static_cast<std::ptrdiff_t>(index));
    m_numbers.erase(m_numbers.begin() + static_cast<std::ptrdiff_t>(index));
    changed();
}

void TMyPacketData::AssignFrom(const TMyPacketData* source, std::vector<std::string>* freeNames)
{
    if (source == nullptr || freeNames == nullptr)
        return;
    freeNames->clear();
    if (source != this) {
        m_values = source->m_values;
        m_names = source->m_names;
        m_numbers = source->m_numbers;
        // Same names as the source: lookups resolved against it stay valid.
        m_generation = source->m_generation;
    }
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        if (m_values[i].empty())
            freeNames->push_back(m_names[i]);
    }
}
