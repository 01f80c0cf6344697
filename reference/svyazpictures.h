#pragma once
// The schemes of the kinds-of-constraints pages: on the left of each page the
// body with its constraints, on the right the body freed from them with the
// reactions.  Each function draws one picture from the state of a new picture
// (white, black pen 1 px solid, white solid brush, "MS Sans Serif" 8 pt).
#include "drawing/canvas.h"

void DrawSh(Canvas& c);   // hinge and inclined plane, constrained
void DrawSh2(Canvas& c);  // hinge and inclined plane, freed
void DrawSh3(Canvas& c);  // threads, constrained
void DrawSh4(Canvas& c);  // threads, freed
void DrawSh5(Canvas& c);  // fixing in a wall, constrained
void DrawSh6(Canvas& c);  // fixing in a wall, freed
void DrawIm(Canvas& c);   // pencil in a glass, constrained
void DrawIm2(Canvas& c);  // pencil in a glass, freed
