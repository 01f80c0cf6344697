#pragma once
// Number boxes of the solver windows: the key filter, reading a box and
// writing a result, all in the user's locale (QLocale()).
#include <QChar>
#include <QLocale>
#include <QString>

#include <optional>

class QLineEdit;

// The character a number box accepts for the typed key, or the null character
// to refuse it.  Digits "0"…"9", backspace and "-" pass as they are (the minus
// anywhere, any number of times); "." and "," become the locale's decimal
// separator, refused when text already holds one; everything else is refused,
// control characters included.
QChar FilterNumberKey(const QString& text, QChar key, const QLocale& locale = QLocale());

// The value of a box: a complete number in the locale's notation (no group
// separators) that fits a double; nothing for an empty box, a lone "-", "1-2",
// a lone separator, an infinity and the like.
std::optional<double> readNumber(const QString& text, const QLocale& locale = QLocale());

// Lets text reach a number box only as typed keys through FilterNumberKey:
// the box gets no context menu (its Cut, Copy and Paste would have to do
// nothing, and the rest are keys already), takes no drops, ignores the middle
// button's paste of the selection and takes no text from an input method.
// Keyboard shortcuts are the key handler's business.
void keepToTypedKeys(QLineEdit* box);

// A result as "%4.3f" with the locale's decimal separator: fixed notation,
// three decimals, never cut; a value that rounds to zero has no minus sign.
QString formatResult(double value, const QLocale& locale = QLocale());
