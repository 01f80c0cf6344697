#pragma once
// The parse tree of a formula and its guarded evaluation.
//
// A node's text is split at operators outside brackets in three levels: sums
// and differences into the node's own sibling chain (Next), then products and
// quotients, then powers into a chain under Child.  Each chain is evaluated
// strictly from left to right, the operator written after an operand
// (Operation) joining it to the next one: "a-b+c" is (a-b)+c, "a#b#c" is
// (a to the b) to the c.  Values are long double.
//
// Failures: guarded operations record their error in MyStat and give 1; a
// missing variable records its error and gives 0.  FormulaParseError for an
// operand left empty by an operator ("+a", "a++b", "a*/b"), an empty text or
// one beyond kMaxFormulaLength / kMaxBracketDepth; NumberFormatError for a
// malformed number when it is read; FloatingPointError for a not-a-number
// reaching a guard, inf - inf, 0 * inf and overflow of finite operands.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "formula/messages.h"
#include "formula/packetdata.h"
#include "formula/text.h"

long double MyAdd(long double a, long double b);
long double MySub(long double a, long double b);
long double MyMul(long double a, long double b);
// |b| < eps: Code 2 "Ошибка: Деление на нуль", gives 1.
long double MyDiv(long double a, long double b);
// |a| < eps and |b| < eps: 1; otherwise pow in double precision.
long double MyPow(long double a, long double b);
// |x| < eps: Code 2 "Ошибка: нуль в аргументе логарифма", gives 1.
long double MyLn(long double x);
long double MyLog(long double x);
// |x| < 2 eps: Code 2 "Ошибка: ноль в аргументе котангенса", gives 1.
long double MyCotan(long double x);
// Within 3 eps of +-pi/2: the cotangent's error, gives 1.
long double MyTan(long double x);

// x as a double.  A finite x that would round beyond the double range is an
// overflow (FloatingPointError); infinities and not-a-numbers pass as they are.
double narrowToDouble(long double x);

// What a node is.
enum class NodeKind : std::uint8_t {
    FunctionCall = 0, // value = the function of the Child chain
    Variable = 1,     // Text is its name
    Number = 2,       // Text is its digits
    Composite = 3,    // value = the Child chain
};

// The operator written after an operand, joining it to the next one.
enum class Operator : std::uint8_t {
    Add = 0,
    Subtract = 1,
    Multiply = 2,
    Divide = 3,
    Power = 4, // "#"
    None = 6,
};

// The character of an operator in a formula text ('+', '-', '*', '/', '#';
// 0 for None).
char operatorChar(Operator operation);
// The name a formula text calls a function by ("cotan" for Cotan, "" for
// None, "?" for no function).
const char* functionName(FunctionId code);

class TMyEquation {
public:
    // Parses text (normally NormalizeEquation's output) into this node and
    // the nodes it creates.
    explicit TMyEquation(std::string_view text);
    ~TMyEquation();
    TMyEquation(const TMyEquation&) = delete;
    TMyEquation& operator=(const TMyEquation&) = delete;

    // Value of this node and its Next siblings over the table.
    long double Evaluate(const TMyPacketData& table) const;

    NodeKind Kind = NodeKind::Composite;
    Operator Operation = Operator::None;
    // The function applied to the node's value.
    FunctionId Function = FunctionId::None;
    std::string Text = "?";
    std::unique_ptr<TMyEquation> Next;
    TMyEquation* Prev = nullptr;
    std::unique_ptr<TMyEquation> Child;
    TMyEquation* Parent = nullptr;

private:
    TMyEquation(std::string_view text, int depth);
    void parse(std::string_view text, int depth);
    void makeLeaf(std::string_view t, int depth);
    long double value(const TMyPacketData& table) const;
    long double apply(long double x) const;

    // A variable leaf's name, resolved for repeated lookups.
    std::optional<TMyVariableRef> m_variable;
    // A number leaf's value, read once; a malformed one is read (and fails)
    // at every evaluation.
    long double m_number = 0;
    bool m_malformed = false;
    // The last argument of the function and its outcome: the same argument
    // gives the same value (and the same recorded error) without recomputing.
    mutable bool m_memoValid = false;
    mutable long double m_memoArgument = 0;
    mutable long double m_memoResult = 0;
    mutable FormulaMessage m_memoError = FormulaMessage::None;
};

// A canonical one-line form of a chain and everything under it, for tests and
// diagnostics.  Each node prints as its kind (fun, var, num, comp), then
// "fn=<name>" for a call, the quoted Text of a variable or number, the
// operator after it, and its Child chain in braces; a chain is enclosed in
// [ ] with ", " between operands.  "(a+b)*c" prints as
// [comp{comp *{var"a" +, var"b"}, var"c"}].
std::string printTree(const TMyEquation& root);
