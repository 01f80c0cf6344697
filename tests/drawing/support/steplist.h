#pragma once
// Replays a scheme written as a drawing list, one step per line, in the words
// of the scheme descriptions:
//   brush yellow | brush solid | brush hatched (...) | pen black | pen width 2
//   pen solid | font "Symbol" | font size 12 | fill box (x,y)–(x,y)
//   line (x,y)–(x,y)–... [pen N] | axes | axis labels
//   ellipse|rectangle (x,y)–(x,y) [colour filled|hatched]
//   polygon [through] (x,y), ... [colour filled|hatched]
//   arc in (x,y)–(x,y) from (x,y) to (x,y) [colour] [pen N]
//   dotted (x,y)–(x,y) [colour] | arrow (x,y)→(x,y) colour
//   label|vector|bracketed vector "T" [sub "S"] [in Symbol] at (x,y) [on yellow]
//   text "T" at (x,y)
// A pen width given with an element holds for that element only; a colour
// given with it stays.  "in Symbol" writes the label in the "Symbol" face and
// goes back to the face before.  Labels take the given background unless a
// step says "on" a colour.  Bracketed notes such as "(α)" are ignored.
#include "drawing/canvas.h"

#include <QString>
#include <cstdint>

// Runs every step; returns the number of steps run, or throws
// std::invalid_argument naming the first step it cannot read.
int runStepList(Canvas& canvas, const QString& steps, std::uint32_t background = 0xFFFFFF);
