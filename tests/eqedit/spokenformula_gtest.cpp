// Formulas read aloud and the plain text a screen reader walks through.
#include "eqedit/spokenformula.h"

#include <gtest/gtest.h>

namespace {

struct SpokenCase {
    const char16_t* notation;
    const char16_t* spoken;
};

// The worked example, the control tasks and the reference and help pages.
TEST(spokenFormula, ReadsFormulasInRussianWords)
{
    const SpokenCase cases[] = {
        {u"R!B@+G", u"R индекс B плюс G"},
        {u"~p/2-~a", u"пи разделить на 2 минус альфа"},
        {u"F-R!B@*sin(~a)", u"F минус R индекс B умножить на синус альфа"},
        {u"R!D@+R!B@*cos(~a)-G", u"R индекс D плюс R индекс B умножить на косинус альфа минус G"},
        {u"G*b-R!D@*(2*b-a)",
         u"G умножить на b минус R индекс D умножить на скобка открывается 2 умножить на b минус a "
         u"скобка закрывается"},
        {u"G*(b-a)/(2*b-a)*tan(~a)",
         u"G умножить на скобка открывается b минус a скобка закрывается разделить на скобка открывается "
         u"2 умножить на b минус a скобка закрывается умножить на тангенс альфа"},
        {u"-G*b+R!B@*(2*b-a)*sin(~p/2-~a)",
         u"минус G умножить на b плюс R индекс B умножить на скобка открывается 2 умножить на b минус a "
         u"скобка закрывается умножить на синус скобка открывается пи разделить на 2 минус альфа "
         u"скобка закрывается"},
        {u"T!A@*cos(~a)-T!B*cos(~b)", u"T индекс A умножить на косинус альфа минус T индекс B умножить на "
                                      u"косинус бета"},
        {u"2-2+P*a*cos(~p/2-~a)", u"2 минус 2 плюс P умножить на a умножить на косинус скобка открывается пи "
                                  u"разделить на 2 минус альфа скобка закрывается"},
        // Questions keep their Russian words; point names are spelt.
        {u"Какой угол сила R!D@ образует с вертикалью ?", u"Какой угол сила R индекс D образует с вертикалью?"},
        {u"Запишите сумму проекций всех сил на ось Ox", u"Запишите сумму проекций всех сил на ось O x"},
        // Powers, sums, capitals, a function glued to a name, square brackets.
        {u"4#(-2)@ + 5#(4-67)@", u"4 в степени скобка открывается минус 2 скобка закрывается плюс 5 в "
                                 u"степени скобка открывается 4 минус 67 скобка закрывается"},
        {u"x#2@+1.5", u"x в степени 2 плюс 1,5"},
        {u"~S F!kx@ = 0", u"сумма F индекс k x равно 0"},
        {u" F!x@ = - Fcos~g,   F!y@ = - Fsin~g",
         u"F индекс x равно минус F косинус гамма, F индекс y равно минус F синус гамма"},
        {u"M!B@(F) = [r, F].", u"M индекс B скобка открывается F скобка закрывается равно квадратная скобка "
                               u"открывается r, F квадратная скобка закрывается."},
        {u"~!a + ~D", u"индекс альфа плюс большая дельта"},
        // The remapped letters are named as drawn, not as typed.
        {u"~f ~j ~q ~u ~x ~y ~c", u"фи тета кси пси хи ипсилон хи"},
        {u"arcsin(x)+ln(y)", u"арксинус x плюс натуральный логарифм y"},
        {u"", u""},
        {u"~", u""},
        {u"R!@#", u"R"},
    };
    for (const auto& c : cases) {
        const QString notation = QString::fromUtf16(c.notation);
        EXPECT_EQ(spokenFormula(notation).toStdString(), QString::fromUtf16(c.spoken).toStdString())
            << notation.toStdString();
    }
}

// Every relation sign is read as its word, between the two sides.
TEST(spokenFormula, ReadsEveryRelationSign)
{
    const SpokenCase cases[] = {
        {u"a=b", u"a равно b"},
        {u"a<b", u"a меньше b"},
        {u"a>b", u"a больше b"},
        {u"F!x@ = 0", u"F индекс x равно 0"},
        {u"R!A@ < R!B@", u"R индекс A меньше R индекс B"},
        {u"~a > 0", u"альфа больше 0"},
    };
    for (const auto& c : cases) {
        const QString notation = QString::fromUtf16(c.notation);
        EXPECT_EQ(spokenFormula(notation).toStdString(), QString::fromUtf16(c.spoken).toStdString())
            << notation.toStdString();
    }
}

// Every function name of the formula engine and of the control's evaluator is
// read as one word in any case; an equation's number after a word stays as it
// stands, for the screen reader's wording (platform/spokentext.h).
TEST(spokenFormula, ReadsEveryFunctionNameAsAWord)
{
    const SpokenCase cases[] = {
        {u"sin(x)+cos(x)+tan(x)+tg(x)", u"синус x плюс косинус x плюс тангенс x плюс тангенс x"},
        {u"cotan(x)+ctan(x)+ctg(x)+COTAN(~a)", u"котангенс x плюс котангенс x плюс котангенс x плюс котангенс альфа"},
        {u"log(x)+lg(x)+log10(x)+ln(x)", u"десятичный логарифм x плюс десятичный логарифм x плюс десятичный логарифм x "
                                         u"плюс натуральный логарифм x"},
        {u"exp(x)+abs(x)+sqrt(x)+sqr(x)", u"экспонента x плюс модуль x плюс квадратный корень x плюс квадрат x"},
        {u"arcsin(x)+asin(x)+arccos(x)+acos(x)", u"арксинус x плюс арксинус x плюс арккосинус x плюс арккосинус x"},
        {u"arctan(x)+arctg(x)+atan(x)", u"арктангенс x плюс арктангенс x плюс арктангенс x"},
        {u"arcctg(x)+arcctan(x)+atan2(x)", u"арккотангенс x плюс арккотангенс x плюс арккотангенс x"},
        {u"sec(x)+cosec(x)+sh(x)", u"секанс x плюс косеканс x плюс гиперболический синус x"},
        {u"ch(x)+th(x)+cth(x)", u"гиперболический косинус x плюс гиперболический тангенс x плюс гиперболический котангенс x"},
        {u"log 10", u"l o g 10"},
        {u"в уравнении (1) еще", u"в уравнении (1) еще"},
        {u"F*(1)+a (1)", u"F умножить на скобка открывается 1 скобка закрывается плюс a скобка открывается 1 скобка "
                         u"закрывается"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(spokenFormula(QString::fromUtf16(c.notation)).toStdString(), QString::fromUtf16(c.spoken).toStdString());
}

struct PlainCase {
    const char16_t* notation;
    const char16_t* plain;
    // For each notation index 0..length: the plain offset.
    std::vector<int> offsets;
};

TEST(spokenFormula, PlainTextDropsMarkersAndMapsOffsetsBothWays)
{
    const PlainCase cases[] = {
        {u"R!B@+G", u"RB+G", {0, 1, 1, 2, 2, 3, 4}},
        {u"sin(~a)", u"sin(α)", {0, 1, 2, 3, 4, 4, 5, 6}},
        {u"~S F", u"Σ F", {0, 0, 1, 2, 3}},
        {u"x#2", u"x2", {0, 1, 1, 2}},
        {u"", u"", {0}},
    };
    for (const auto& c : cases) {
        const QString notation = QString::fromUtf16(c.notation);
        EXPECT_EQ(plainFormulaText(notation).toStdString(), QString::fromUtf16(c.plain).toStdString());
        ASSERT_EQ(c.offsets.size(), std::size_t(notation.size() + 1)) << notation.toStdString();
        for (int i = 0; i <= notation.size(); ++i) {
            EXPECT_EQ(plainOffset(notation, i), c.offsets[std::size_t(i)]) << notation.toStdString() << " " << i;
            // Back to the notation: the first index with that offset, never
            // between '~' and its letter.
            const int back = notationIndex(notation, c.offsets[std::size_t(i)]);
            EXPECT_EQ(plainOffset(notation, back), c.offsets[std::size_t(i)]);
            EXPECT_LE(back, i);
            EXPECT_FALSE(back > 0 && notation.at(back - 1) == u'~') << notation.toStdString() << " " << i;
        }
    }
}

} // namespace
