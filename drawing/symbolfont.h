#pragma once
// The Greek letters of the "Symbol" face: the Latin letter written in that face
// and the Unicode letter shown for it.  Punctuation, digits, blanks and every
// other character are returned unchanged.
#include <QChar>
#include <QString>

QChar symbolToUnicode(QChar c);
QString symbolToUnicode(const QString& text);
