#pragma once
// The primitives every scheme is built from.  Colours are 0x00BBGGRR (or
// kButtonFace).  Each leaves a defined state on the canvas, which the schemes
// rely on:
//   DrawArrow        pen: the colour, width 1, solid;  brush: the colour, clear
//   DrawDottedLine   pen: the colour, width 0, solid;  brush: unchanged
//   DrawLabelSub     pen: unchanged;                   brush: the background, solid
//   other labels     pen: black, width 0, solid;       brush: the background, solid
// The font is never changed.  Label texts are written one pixel below y; the
// bar of a vector is a black line at y, over the text only (never over a
// subscript or the brackets).  A subscript is written 6 px below y, right
// after the main text.
#include "drawing/canvas.h"

#include <QString>
#include <cstdint>

// A force arrow from (x1, y1) with its tip at (x2, y2): a shaft of pen width 2
// and a filled head whose back corners are sqrt(34) px from the tip at
// atan(3/5) either side of the shaft, truncated toward zero.  The two points
// must differ.
void DrawArrow(Canvas& c, int x1, int y1, int x2, int y2, std::uint32_t colour);
void DrawDottedLine(Canvas& c, int x1, int y1, int x2, int y2, std::uint32_t colour);
// On a picture the bar reaches one pixel further left than on a label.
void DrawVectorLabel(Canvas& c, int x, int y, const QString& text, std::uint32_t background);
void DrawBracketedVectorLabel(Canvas& c, int x, int y, const QString& text, std::uint32_t background);
void DrawVectorLabelSub(Canvas& c, int x, int y, const QString& main, const QString& sub,
                        std::uint32_t background);
// The closing bracket is written at y, above the bracketed text.
void DrawBracketedVectorLabelSub(Canvas& c, int x, int y, const QString& main, const QString& sub,
                                 std::uint32_t background);
void DrawLabelSub(Canvas& c, int x, int y, const QString& main, const QString& sub,
                  std::uint32_t background);
