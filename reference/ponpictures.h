#pragma once
// The schemes of the basic concepts pages.  Each function draws one picture
// from the state of a new picture (white, black pen 1 px solid, white solid
// brush, "MS Sans Serif" 8 pt); the same call draws on screen and into a
// recording canvas.
#include "drawing/canvas.h"

void DrawImage1(Canvas& c); // page 1: the disc with its weight and two reactions
void DrawImage2(Canvas& c); // page 2: the disc with a couple of forces
void DrawImage3(Canvas& c); // page 3: the projections of a force on the axes
void DrawImage4(Canvas& c); // page 4: the moment of a force about the pole B
void DrawImage5(Canvas& c); // page 4: the moment found through two components
void DrawImage6(Canvas& c); // page 5: the bar and disc for the equilibrium equations
