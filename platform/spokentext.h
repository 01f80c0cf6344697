#pragma once
// What a screen reader is given for a text shown on screen.  The screen keeps
// the text as it is; the ear gets it whole:
//  - a word the text breaks with a hyphen and a blank ("не- которая",
//    "обозна- чает") is joined again ("некоторая");
//  - an equation number after a word, a number in brackets ("в уравнении
//    (1)"), is read as the number of an equation: the number alone after a
//    word that already names an equation or a system ("в уравнении 1"),
//    otherwise "уравнение 1" ("equation 1" in English).
#include <QString>

QString spokenText(const QString& shown);
