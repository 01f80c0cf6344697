#pragma once
// Fonts.  The face names the windows ask for ("Arial", "MS Sans Serif",
// "MsSansSerif", "Symbol") are mapped once at start-up to installed faces.
#include <QFont>
#include <QString>

// Registers the face substitutions; safe to call more than once.
void installFontSubstitutions();

// A font N pixels high.
QFont pixelFont(const QString& family, int pixels, bool bold = false);

// A font of N points.
QFont pointFont(const QString& family, int points, bool bold = false);
