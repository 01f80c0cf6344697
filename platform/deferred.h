#pragma once
// Contents built on first need.  Start-up creates every window, but only the
// main window is seen at once; building the others' texts, pictures and grids
// then would only delay its first paint.  A window hands its building to
// buildWhenPolished, which runs it once, the first time Qt polishes the window:
// just before it is first shown (show, exec), or earlier on ensurePolished().
// Code that reads the contents of a window that may not have been shown yet
// calls ensurePolished() first.
#include <QWidget>

#include <functional>

// Runs build once, when `window` is first polished; at once when it already is.
void buildWhenPolished(QWidget* window, std::function<void()> build);
