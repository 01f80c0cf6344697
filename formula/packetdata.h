#pragma once
// The variable table: two parallel lists of texts, values and names (keys in
// the form NormalizeName gives).  A new table holds "pi", "Pi", "PI", "~p"
// (all pi) and "g" (9.81).  Values stay texts and are read with StrToNumber at
// every lookup; a value text "" marks a free variable that the comparison
// fills with random values.  Every operation first turns its name into a key
// with NormalizeName, which clears MyStat; failures are recorded in MyStat
// (Code 3) and give the fallback (0, no change).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formula/messages.h"

class TMyPacketData;

// A variable name resolved once for repeated lookups (the parse tree keeps one
// per variable operand).  Looking it up has exactly the effects of
// GetVariable(name), MyStat included; it only skips redoing the same work.
class TMyVariableRef {
public:
    explicit TMyVariableRef(std::string_view name);

private:
    friend class TMyPacketData;
    std::string m_key;
    std::uint8_t m_statusCode = 0;     // the status NormalizeName leaves
    FormulaMessage m_statusMessage = FormulaMessage::None;
    std::vector<std::string> m_statusArgs;
    mutable std::uint64_t m_generation = 0;  // table content the index belongs to
    mutable std::size_t m_index = 0;
};

class TMyPacketData {
public:
    TMyPacketData();

    const std::vector<std::string>& Values() const { return m_values; }
    const std::vector<std::string>& Names() const { return m_names; }

    // NormalizeEquation, then every blank removed, then the first "@=" (or,
    // failing that, the first "=") deleted: "F = " gives "F", "X!A@=5" "X!A5".
    static std::string NormalizeName(std::string_view name);

    void AddVariable(std::string_view name, std::string_view value);
    long double GetVariable(std::string_view name) const;
    long double GetVariable(const TMyVariableRef& ref) const;
    void SetVariable(std::string_view name, std::string_view value);
    void DeleteVariable(std::string_view name);
    // Becomes a copy of source's entries (its own, built-in ones included, are
    // replaced); freeNames is emptied and gets the name of every entry whose
    // value text is "", in table order.  A null argument: nothing happens.
    void AssignFrom(const TMyPacketData* source, std::vector<std::string>* freeNames);

private:
    struct Number {
        std::uint8_t state = 0;  // 0 not read yet, 1 read, 2 malformed
        long double value = 0;
    };
    struct Empty {};
    explicit TMyPacketData(Empty);
    friend class TMyPacketEquation;

    long double lookup(const std::string& key) const;
    long double valueAt(std::size_t index) const;
    std::size_t find(const std::string& key) const;
    void changed();

    std::vector<std::string> m_values;
    std::vector<std::string> m_names;
    mutable std::vector<Number> m_numbers;  // conversions of m_values, made on demand
    // Identifies the list of names: equal generations mean equal name lists.
    std::uint64_t m_generation = 0;
};
