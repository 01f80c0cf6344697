#pragma once
// Replays a scheme written as a numbered drawing list, one step per line, in
// the words of the scheme descriptions:
//   brush yellow | brush solid | brush hatched (...) | pen black | pen width 2
//   pen solid | font "Symbol" | line (x,y)–(x,y)–... | ellipse (x,y)–(x,y)
//   rectangle ... | arc in (x,y)–(x,y) from (x,y) to (x,y) | polygon (x,y) ...
//   fill box (x,y)–(x,y) | dotted (x,y)–(x,y) colour | arrow (x,y)→(x,y) colour
//   vector "T" [sub "S"] at (x,y) [on yellow] | label "T" [sub "S"] at (x,y) [on yellow]
//   text "T" at (x,y)
// Bracketed notes such as "(α)" are ignored.  Drawing the list on a recording
// canvas gives the calls a scheme function must make.
#include "drawing/canvas.h"

#include <QString>

// Runs every step; returns the number of steps run, or throws
// std::invalid_argument naming the first step it cannot read.
int runStepList(Canvas& canvas, const QString& steps);
