#pragma once
// The schemes of the worked example and of the control tasks.  Each scheme is
// a fixed sequence of canvas calls: on the window's picture (280 x 160) and on
// its statement label.  A scheme that states a problem sets the statement
// caption itself, before drawing.
#include "drawing/canvas.h"

#include <QString>
#include <functional>

struct SchemeTarget {
    Canvas& picture;                                  // Shema / Sh
    Canvas& statement;                                // Dano / Dn surface
    std::function<void(const QString&)> setCaption;   // replaces the statement label's caption
    std::function<void()> showPicture;                // makes the picture visible
};

// Worked example: step 0 -> scheme 1, steps 1-2 -> scheme 2, 3-6 -> scheme 3,
// 7 -> scheme 4.  Returns false, touching nothing, for a step without a scheme.
bool DrawExampleScheme(int step, const SchemeTarget& target);

// Control task: task 0 steps 0, 5, 7, 10; task 1 steps 0-4; task 2 step 0;
// tasks 3 and 4 steps 0 and 1.  Returns false, touching nothing, otherwise.
bool DrawTaskScheme(int task, int step, const SchemeTarget& target);

// What the scheme drawn at a step shows, in Russian words for a screen reader:
// the body, its supports, the given forces (magenta), the unknown reactions
// (red), the angles, and what the scheme writes into the statement area.
// Empty for a step that has no scheme of its own.
QString exampleSchemeDescription(int step);
QString taskSchemeDescription(int task, int step);
