#pragma once
// The schemes that the reference pages and the control tasks both show, the
// same drawing call for call in both.  Each but the last starts by clearing a
// 280 x 160 picture; the control tasks set their statement around them.  The
// last is drawn by a reference page only: task 2 draws the same disc placed
// elsewhere on its picture.
#include "drawing/canvas.h"

// Beam AB on a hinge at A, leaning at B on a smooth plane inclined at alpha;
// the couple M and the weight P at C.
void DrawHingedBeamOnPlane(Canvas& c);
// The same beam freed: X_A and Y_A at A, R_B at right angles to the plane.
void DrawHingedBeamFreed(Canvas& c);
// Beam AK hung on two threads from A and B that meet at D, D on a thread to
// the ceiling at C; the weight P at O, the angles alpha and beta.
void DrawBeamOnThreads(Canvas& c);
// The threads replaced by their tensions T_A, T_B (at the beam and at D) and T_C.
void DrawBeamThreadTensions(Canvas& c);
// A beam bent at a right angle, built into a wall at B; the force F at C at
// alpha to the vertical.
void DrawBentBeamInWall(Canvas& c);
// The bent beam freed: X_B, Y_B and the fixing moment M_B at B.  Task 3 draws
// the arc of the fixing moment a second time, one pixel wide, after the
// labels (the picture does not change).
enum class FixingArc { Once, Twice };
void DrawBentBeamFreed(Canvas& c, FixingArc arc = FixingArc::Once);
// A yellow disc of radius a with the given forces F and P = -F, and at B the
// reactions X_B, Y_B and the moment M_B; drawn on a new 160 x 185 picture.
void DrawDiscWithCouple(Canvas& c);
