#pragma once
// A reference formula and the numeric judgement of a typed formula against it.
// Both are evaluated over the same table up to 15 times; free variables (value
// text "") get random values r * 0.01, r a 15-bit draw of the shared
// generator, in a working copy of the table.
#include <memory>
#include <string>

#include "formula/equation.h"
#include "formula/packetdata.h"

inline constexpr char kVerdictEqual[] = "Равны";
inline constexpr char kVerdictNotEqual[] = "Не Равны";
inline constexpr char kVerdictError[] = "Ошибка сравнения";
inline constexpr char kVerdictEmpty[] = "Формула пуста";

class TMyPacketEquation {
public:
    TMyPacketEquation();
    ~TMyPacketEquation();

    // "" or a text with unbalanced brackets keeps the previous formula (the
    // bracket error stays in MyStat).  The new text is parsed before the old
    // tree is let go, so a FormulaParseError also leaves the previous formula.
    void SetEquation(const std::string& text);

    // "Равны": at least 5 trials agreed within MyStat.Epsilon and none
    // differed; "Не Равны": a trial differed; "Ошибка сравнения": fewer than 5
    // trials were free of errors; "Формула пуста": the typed text is empty or
    // unbalanced, or no reference is set.  Throws FormulaError (and its kinds)
    // without a verdict; nothing it allocated outlives the call.
    std::string Compare(const std::string& typed, const TMyPacketData& table);

    const std::string& Text() const { return m_text; }
    const TMyEquation* Root() const { return m_root.get(); }
    TMyPacketData& Data() { return m_data; }

private:
    std::string m_text;
    std::string m_source;  // the text m_text was made from
    std::unique_ptr<TMyEquation> m_root;
    TMyPacketData m_data;
};
