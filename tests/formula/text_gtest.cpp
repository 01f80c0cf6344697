// Clean-up and classification of formula text, and the variable table.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "formula/errors.h"
#include "formula/packetdata.h"
#include "formula/status.h"
#include "formula/text.h"

namespace {

constexpr char kNoClose[] = "Ошибка: нехватает закрывающей скобки";
constexpr char kNoOpen[] = "Ошибка: нехватает открывающей скобки";
constexpr char kEmptyKey[] = "Ошибка: пустой параметр при обращении к таблице";

struct NormalizeCase {
    const char* in;
    const char* out;
};

TEST(NormalizeEquation, CleansBlanksAndMarkers)
{
    const NormalizeCase cases[] = {
        {") (", ")("},
        {"a b", "ab"},
        {" F - R!B@ * sin(~a) ", "F-R!B@*sin(~a)"},
        {"R!A@!B@", "R!AB@"},
        {"R!A!B@", "R!AB@"},
        {"@x", "x"},
        {"X!@", "X"},
        {"R!A@#2", "R!A#2"},
        {"2#3#2", "2#32"},
        {"(a+b)@", "(a+b)"},
        {"a#@b", "ab"},
        {"a!#b", "a#b"},
        {"@", ""},
        {"", ""},
        {"~p/2-~a", "~p/2-~a"},
    };
    for (const auto& c : cases) {
        MyStat.Code = 2;
        MyStat.Message = "pending";
        EXPECT_EQ(NormalizeEquation(c.in), c.out) << c.in;
        EXPECT_EQ(MyStat.Code, 0) << c.in;
        EXPECT_EQ(MyStat.Message, "") << c.in;
    }
}

TEST(NormalizeEquation, BracketSurplusGivesEmptyTextAndCode4)
{
    const NormalizeCase cases[] = {
        {"(a", kNoClose}, {"sin((x)", kNoClose}, {"a)", kNoOpen}, {")(()(", kNoClose}, {"())", kNoOpen}};
    for (const auto& c : cases) {
        EXPECT_EQ(NormalizeEquation(c.in), "") << c.in;
        EXPECT_EQ(MyStat.Code, 4) << c.in;
        EXPECT_EQ(MyStat.Message, c.out) << c.in;
    }
}

TEST(NormalizeName, DropsBlanksAndTheFirstAssignment)
{
    const NormalizeCase cases[] = {
        {"F = ", "F"}, {"X!A@=5", "X!A5"}, {"a==b", "a=b"}, {"R!B@", "R!B@"}, {"~a", "~a"}, {"  ", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(TMyPacketData::NormalizeName(c.in), c.out) << c.in;
}

TEST(IsNumberText, AcceptsOnlyDigitsSeparatorsAndMinus)
{
    const std::pair<const char*, bool> cases[] = {
        {"12", true}, {"1.5@", true}, {"-3", true}, {"1,2,3", true}, {".", true}, {"-", true},
        {"@", true},  {"", true},     {"1e5", false}, {"+1", false}, {"1@@", false}, {"a", false},
        {" 1", false}, {"1@2", false}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(IsNumberText(text), expected) << text;
}

TEST(StrToNumber, ReadsDecimalTextWithEitherSeparator)
{
    const std::pair<const char*, long double> cases[] = {
        {"2.5", 2.5L},   {"2,5", 2.5L},   {"2,5@", 2.5L}, {"1.5@", 1.5L}, {"-3", -3.0L},
        {"5,", 5.0L},    {",5", 0.5L},    {"-,25", -0.25L}, {"", 0.0L}, {"@", 0.0L},
        {"abc", 0.0L},   {"x1", 0.0L},    {"007", 7.0L},
        {"3.1415926535897932384626433832795", 3.1415926535897932384626433832795L},
        {"327,67", 327.67L}, {"0,05", 0.05L}, {"1e5", 0.0L}, {"0x1", 0.0L}, {"+5", 0.0L}};
    for (const auto& [text, expected] : cases) {
        clearStatus();
        EXPECT_EQ(StrToNumber(text), expected) << text;
        EXPECT_EQ(MyStat.Message, "") << text;
    }
}

// Long digit strings at the ends of the extended range: the largest numbers
// are read, tiny ones give the subnormal value or zero, as the C library's
// conversion does.
TEST(StrToNumber, ReadsTheEndsOfTheExtendedRange)
{
    const std::string big = "1" + std::string(4932, '0');
    const std::string subnormal = "0," + std::string(4939, '0') + "1";
    const std::string belowRange = "-0," + std::string(4960, '0') + "1";
    EXPECT_EQ(StrToNumber(big), 1e4932L);
    EXPECT_EQ(StrToNumber(subnormal), 1e-4940L);
    EXPECT_GT(StrToNumber(subnormal), 0.0L);
    EXPECT_EQ(StrToNumber(belowRange), 0.0L);
    EXPECT_TRUE(std::signbit(StrToNumber(belowRange)));
    EXPECT_THROW(StrToNumber("1" + std::string(4933, '0')), NumberFormatError);
}

// Where the standard library lacks std::from_chars for a floating type the
// number is read through the C library instead: both readings agree on every
// text, to the last bit, the sign of zero and the infinities included, for the
// table's texts and for random ones of every length and magnitude.
template <typename Float>
void expectBothReadingsAgree(const std::vector<std::string>& texts)
{
    for (const std::string& text : texts) {
        Float standard = 7;
        Float portable = 7;
        const bool readStandard = readDecimalNumber(text, standard);
        const bool readPortable = readDecimalNumberThroughCLibrary(text, portable);
        ASSERT_EQ(readPortable, readStandard) << text;
        EXPECT_TRUE(standard == portable && std::signbit(standard) == std::signbit(portable))
            << text << ": " << standard << " / " << portable;
    }
}

TEST(ReadDecimalNumber, TheCLibraryReadingMatchesTheStandardOne)
{
    std::vector<std::string> texts = {
        "2.5", "-3", "5.", ".5", "-.25", "007", "3.1415926535897932384626433832795", "327.67", "0.05",
        "1e5", "-1E-5", "+5", "0.1", "1e4932", "1.18973149535723176502e4932", "1e4933", "-1e99999",
        "1e-4940", "1e-4960", "-0", "-1e-99999", "123456789012345678901234567890e-20",
        "1.7976931348623157e308", "1.7976931348623159e308", "2.2250738585072011e-308", "4.9e-324", "2e-324",
        "1" + std::string(4932, '0'), "0." + std::string(4939, '0') + "1", "-0." + std::string(4960, '0') + "1",
        "1" + std::string(4933, '0'), "", ".", "e5", "1e", "1.2.3", "--5", "0x1", "1,5", "inf", "nan"};
    std::mt19937 random(20260);
    const auto below = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    for (int k = 0; k < 4000; ++k) {
        std::string text = below(3) == 0 ? "-" : "";
        const int digits = 1 + below(below(4) == 0 ? 60 : 20);
        const int point = below(digits + 2) - 1;  // -1: no point
        for (int d = 0; d < digits; ++d) {
            if (d == point)
                text += '.';
            text += static_cast<char>('0' + below(10));
        }
        if (below(2) == 0)
            text += "e" + std::to_string(below(10000) - 5000);
        else if (below(2) == 0)
            text += "e" + std::to_string(below(700) - 350);
        texts.push_back(text);
    }
    expectBothReadingsAgree<double>(texts);
    expectBothReadingsAgree<long double>(texts);
}

TEST(StrToNumber, MalformedNumberTextThrows)
{
    const std::string huge(5000, '9');
    for (const char* text : {".", "-", "1,2,3", "1.2.3", "--5", "5-", "1,2.3", "-@", huge.c_str()})
        EXPECT_THROW(StrToNumber(text), NumberFormatError) << text;
}

// Switches LC_NUMERIC to a locale whose decimal separator is ",": an
// installed one, or else (on systems with glibc's localedef) one compiled for
// the test.  Windows names its locales differently and always has them.
bool useCommaLocale()
{
    for (const char* name : {"ru_RU.UTF-8", "ru_RU.utf8", "de_DE.UTF-8", "de_DE.utf8", "ru-RU", "Russian_Russia"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr && *std::localeconv()->decimal_point == ',')
            return true;
    }
#if defined(__GLIBC__)
    const std::string dir = testing::TempDir() + "formula_comma_locale";
    const std::string definition = dir + "/comma.def";
    const std::string command = "mkdir -p '" + dir + "' && printf 'LC_NUMERIC\\ndecimal_point \"<U002C>\"\\n"
                                "thousands_sep \"\"\\ngrouping -1\\nEND LC_NUMERIC\\n' > '" + definition +
                                "' && localedef -c -i '" + definition + "' -f UTF-8 '" + dir + "/comma' >/dev/null 2>&1";
    [[maybe_unused]] const int status = std::system(command.c_str());
    setenv("LOCPATH", dir.c_str(), 1);
    const bool ok = std::setlocale(LC_NUMERIC, "comma") != nullptr && *std::localeconv()->decimal_point == ',';
    unsetenv("LOCPATH");
    return ok;
#else
    return false;
#endif
}

TEST(StrToNumber, IgnoresTheProcessLocale)
{
    if (!useCommaLocale())
        GTEST_SKIP() << "no locale with a decimal comma is available (localedef missing?)";
    ASSERT_EQ(std::strtod("2,5", nullptr), 2.5);  // the process now reads ","
    EXPECT_EQ(StrToNumber("2.5"), 2.5L);
    EXPECT_EQ(StrToNumber("2,5"), 2.5L);
    EXPECT_EQ(StrToNumber("-0,125@"), -0.125L);
    EXPECT_THROW(StrToNumber("1,2,3"), NumberFormatError);
    EXPECT_EQ(StrToNumber("0," + std::string(4939, '0') + "1"), 1e-4940L);
    std::setlocale(LC_NUMERIC, "C");
}

TEST(FunctionCode, MatchesNamesWithoutRegardToCase)
{
    const std::pair<const char*, int> cases[] = {
        {"cos", 0}, {"SIN", 1}, {"sin", 1}, {"Tan", 2}, {"cotan", 3}, {"ctan", 3}, {"log", 4},
        {"LN", 5},  {"exp", 6}, {"abs", 7}, {"sqrt", 8}, {"up", 10}, {"UP", 10}, {"tg", 9},
        {"", 9},    {"sinus", 9}, {"cotang", 9}, {"sin ", 9}};
    for (const auto& [name, code] : cases)
        EXPECT_EQ(FunctionCode(name), code) << name;
}

TEST(PacketData, NewTableHoldsTheBuiltInEntriesInOrder)
{
    const TMyPacketData table;
    EXPECT_EQ(table.Names(), (std::vector<std::string>{"pi", "Pi", "PI", "~p", "g"}));
    EXPECT_EQ(table.GetVariable("PI"), 3.1415926535897932384626433832795L);
    EXPECT_EQ(table.GetVariable("~p"), 3.1415926535897932384626433832795L);
    EXPECT_EQ(table.GetVariable("g"), 9.81L);
    EXPECT_EQ(MyStat.Message, "");
    EXPECT_EQ(table.GetVariable("pI"), 0.0L);
    EXPECT_EQ(MyStat.Code, 3);
    EXPECT_EQ(MyStat.Message, "Ошибка: нет такой переменной \"pI\"");
}

TEST(PacketData, AddingANameAgainMovesItToTheEndWithTheNewValue)
{
    TMyPacketData table;
    table.AddVariable("~a", "1");
    table.AddVariable("b", "2");
    table.AddVariable("~a ", "3");
    EXPECT_EQ(table.Names(), (std::vector<std::string>{"pi", "Pi", "PI", "~p", "g", "b", "~a"}));
    EXPECT_EQ(table.Values().back(), "3");
    EXPECT_EQ(table.GetVariable("~a"), 3.0L);
}

TEST(PacketData, NamesAreNormalisedKeys)
{
    TMyPacketData table;
    table.AddVariable("R!B", "4");
    table.AddVariable("X!A@=", "5");
    EXPECT_EQ(table.GetVariable("R!B"), 4.0L);
    EXPECT_EQ(table.GetVariable("R!B@"), 0.0L);  // "@" is part of a table key
    EXPECT_EQ(table.GetVariable("R !B"), 4.0L);
    EXPECT_EQ(table.GetVariable("X!A"), 5.0L);
    EXPECT_EQ(table.GetVariable("X!A@"), 0.0L);
}

TEST(PacketData, EveryOperationClearsTheStatusFirst)
{
    TMyPacketData table;
    table.AddVariable("x", "2");
    recordError(2, FormulaMessage::DivisionByZero);
    EXPECT_EQ(table.GetVariable("x"), 2.0L);
    EXPECT_EQ(MyStat.Code, 0);
    EXPECT_EQ(MyStat.Message, "");
    recordError(2, FormulaMessage::DivisionByZero);
    table.SetVariable("x", "7");
    EXPECT_EQ(MyStat.Message, "");
    EXPECT_EQ(table.GetVariable("x"), 7.0L);
}

TEST(PacketData, EmptyKeyRecordsTheTableErrorAndChangesNothing)
{
    TMyPacketData table;
    const auto names = table.Names();
    for (const char* name : {"", " ", "@", "="}) {
        table.AddVariable(name, "1");
        EXPECT_EQ(MyStat.Code, 3) << name;
        EXPECT_EQ(MyStat.Message, kEmptyKey) << name;
        EXPECT_EQ(table.GetVariable(name), 0.0L) << name;
        EXPECT_EQ(MyStat.Message, kEmptyKey) << name;
        table.SetVariable(name, "1");
        EXPECT_EQ(MyStat.Message, kEmptyKey) << name;
        table.DeleteVariable(name);
        EXPECT_EQ(MyStat.Message, kEmptyKey) << name;
    }
    EXPECT_EQ(table.Names(), names);
}

TEST(PacketData, BracketErrorInANameWinsOverTheEmptyKey)
{
    TMyPacketData table;
    EXPECT_EQ(table.GetVariable("(a"), 0.0L);
    EXPECT_EQ(MyStat.Code, 4);
    EXPECT_EQ(MyStat.Message, kNoClose);
}

TEST(PacketData, SetAndDeleteTouchOnlyExistingEntries)
{
    TMyPacketData table;
    table.SetVariable("F", "1");
    EXPECT_EQ(MyStat.Message, "Ошибка: нет такой переменной \"F\"");
    EXPECT_EQ(table.Names().size(), 5u);
    table.AddVariable("F", "1");
    table.SetVariable("F", "2,5");
    EXPECT_EQ(table.GetVariable("F"), 2.5L);
    table.DeleteVariable("nothing");
    EXPECT_EQ(MyStat.Message, "");
    table.DeleteVariable("F");
    EXPECT_EQ(table.Names().size(), 5u);
    EXPECT_EQ(table.GetVariable("F"), 0.0L);
    EXPECT_EQ(table.Values().size(), table.Names().size());
}

TEST(PacketData, ValueTextsAreReadAtEveryLookup)
{
    TMyPacketData table;
    table.AddVariable("w", "abc");
    EXPECT_EQ(table.GetVariable("w"), 0.0L);
    EXPECT_EQ(MyStat.Message, "");
    table.AddVariable("bad", "1,2,3");
    EXPECT_THROW(table.GetVariable("bad"), NumberFormatError);
    EXPECT_THROW(table.GetVariable("bad"), NumberFormatError);
    table.SetVariable("bad", "4");
    EXPECT_EQ(table.GetVariable("bad"), 4.0L);
}

TEST(PacketData, AssignFromCopiesEntriesAndListsFreeNames)
{
    TMyPacketData source;
    source.AddVariable("F", "");
    source.AddVariable("G", "3");
    source.AddVariable("H", "");
    TMyPacketData target;
    target.AddVariable("old", "1");
    std::vector<std::string> freeNames{"stale"};
    target.AssignFrom(&source, &freeNames);
    EXPECT_EQ(target.Names(), source.Names());
    EXPECT_EQ(target.Values(), source.Values());
    EXPECT_EQ(freeNames, (std::vector<std::string>{"F", "H"}));
    EXPECT_EQ(target.GetVariable("G"), 3.0L);
    EXPECT_EQ(target.GetVariable("old"), 0.0L);

    TMyPacketData onlyOwn;
    onlyOwn.AssignFrom(nullptr, &freeNames);
    onlyOwn.AssignFrom(&source, nullptr);
    EXPECT_EQ(onlyOwn.Names().size(), 5u);
    EXPECT_EQ(freeNames.size(), 2u);
}

} // namespace
