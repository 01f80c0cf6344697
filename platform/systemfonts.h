#pragma once
// What the fonts of platform/fonts.h need from the system they run on.  One
// file per system implements it: fonts_unix.cpp (Linux and the other Unix
// desktops), fonts_windows.cpp; the build compiles the one for its target.
#include <QStringList>

// Whether Qt draws the text through FreeType here, so that FreeType's
// settings apply.  Needs the application object, which has chosen the
// platform by then.
bool rendersThroughFreeType();

// Makes the faces the windows ask for by name available where the system
// lacks them ("Arial" and what stands for it) and gives the faces that stand
// for the system's sans-serif ("MS Sans Serif", a bitmap face that outline
// renderers cannot use) in the order they are tried.
QStringList installSystemFaces();
