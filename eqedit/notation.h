#pragma once
// The equation notation.  A formula is one string of characters; four marker
// characters are never drawn and change how the characters after them are
// drawn:
//   '!' subscript (level 2), '#' superscript (level 0), '@' back to the line
//   (level 1), '~' the next drawable character is a Greek letter.
// Levels do not nest: each of '!', '#', '@' sets the level outright.
// Positions are 1-based, as the editing code counts them.
#include <QChar>
#include <QString>
#include <QtGlobal>

using State = quint8; // 0 superscript, 1 normal, 2 subscript

namespace level {
constexpr State Super = 0;
constexpr State Normal = 1;
constexpr State Sub = 2;
} // namespace level

// True for '!', '#', '@' (the characters that set the level).
inline bool isLevelMarker(QChar c)
{
    return c == u'!' || c == u'#' || c == u'@';
}
// True for the three level markers and '~'.
inline bool isMarker(QChar c)
{
    return isLevelMarker(c) || c == u'~';
}
// The level a level marker sets; `current` for any other character.
inline State levelAfter(QChar c, State current)
{
    if (c == u'!')
        return level::Sub;
    if (c == u'#')
        return level::Super;
    if (c == u'@')
        return level::Normal;
    return current;
}

// The level in effect at `position` of `equation`: the level set by the nearest
// level marker at or before that position, 1 when there is none.  `text` is only
// tested for being empty (an empty one gives 1); positions past the end count
// as the end.
State GetFirstCaretState(const QString& equation, const QString& text, int position);

// Number of drawable characters (the length less every '!', '#', '@', '~').
int EqLength(const QString& text);

// What is written in the Symbol face for the Greek letter typed as `c`:
// f->j, j->q, q->x, u->y, x->c, y->u; every other character unchanged.
QString ChangeLetter(QChar c);

// 'a'..'z' to 'A'..'Z'; every other character, Cyrillic included, unchanged.
QString UpCaseString(const QString& text);

// Removes redundant level markers: of two adjacent different level markers the
// later one wins, and a level marker that repeats the level already in effect
// is dropped.  '~' and drawable characters are untouched.
QString Filter(const QString& text);
