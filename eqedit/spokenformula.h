#pragma once
// Formulas for the ear: the equation notation read aloud in Russian words, as a
// teacher would say it, and the plain text a screen reader walks through
// character by character.  Plain functions over the notation, without widgets.
//
// Spoken form:
//  - a subscript is read "индекс", a superscript "в степени"; the return to the
//    line is silent;
//  - a Greek letter by its Russian name ("альфа", "фи"); a capital one as
//    "большая" and the name, the capital sigma as "сумма";
//  - functions by name ("синус", "косинус", "тангенс", "котангенс" for ctan
//    and cotan, ...), every name of the formula engine and of the control's
//    evaluator, before "(" or a Greek letter;
//  - operators in words: "плюс", "минус", "умножить на", "разделить на",
//    "равно"; brackets "скобка открывается" / "скобка закрывается", except the
//    brackets of a function whose argument is a single name or number
//    ("синус альфа");
//  - Latin names letter by letter ("R индекс B"), numbers and Cyrillic words as
//    they stand; in English prose (a Latin run of four letters or more that is
//    no function name) its words are read as words, names such as "AB" still
//    letter by letter;
//  - an equation's number after a word, "в уравнении (1)", stays as it stands
//    for spokenText() (platform/spokentext.h), which words it as the
//    screen reader is given it.
#include <QString>

QString spokenFormula(const QString& notation);

// The text as drawn, one character per glyph: markers removed and Greek
// letters as their Unicode letters.
QString plainFormulaText(const QString& notation);
// The offset in plainFormulaText of the boundary after `index` characters of
// the notation (markers count for nothing).
int plainOffset(const QString& notation, int index);
// The smallest notation index whose plain offset is `offset` and that does not
// stand between a '~' and its letter.
int notationIndex(const QString& notation, int offset);
