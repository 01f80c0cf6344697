#pragma once
// Fonts.  The face names the windows ask for ("Arial", "MS Sans Serif",
// "MsSansSerif", "Symbol") are mapped once at start-up to installed faces.
//
// Text is laid out with the faces' own hinting: every advance is the whole
// number of pixels the face's instructions give at that size, and no pair
// kerning is applied.  The layout tables of the windows hold boxes measured
// that way; unhinted fractional advances run 2-4 % wider at the usual 12 to
// 19 pixels and push a text into the label placed after it.
#include <QFont>
#include <QString>

// Registers the face substitutions and makes the application font render
// with the faces' hinting; safe to call more than once.  Start-up calls it
// before anything loads a font: where Qt draws through FreeType, it asks for
// the interpreter that gives the designed advances (through
// FREETYPE_PROPERTIES) and, once FreeType has read that, leaves the
// environment as it found it.
void installFontSubstitutions();

// A font N pixels high.  Once the substitutions are installed, a family that
// is not installed is asked for as the installed face it stands for (with the
// faces after it), which draws the same and spares the font system a search.
QFont pixelFont(const QString& family, int pixels, bool bold = false);

// A font of N points, its family asked for as pixelFont's.
QFont pointFont(const QString& family, int points, bool bold = false);

// Font sizes as the desktop converts them at 96 dots per inch: a whole number
// of points for a height in pixels, rounded to the nearest (19 px is 14 pt),
// and back (14 pt is 19 px).
int pixelsToPoints(int pixels);
int pointsToPixels(int points);

// A font whose height is given in pixels but which is sized in points, for the
// equation controls, whose index font is a number of points smaller.
QFont pointFontForPixels(const QString& family, int pixels);

// Gives a font the text rendering described above.
QFont withDesignedAdvances(QFont font);
