#pragma once
// The moves between the wings.  The exercise, reference and solver windows
// never show a window of another wing or of the shell: they announce through
// their signals that they were left or finished, and the shell decides which
// window comes next.  The connections are direct, so a handler that emits
// runs the shell's step in its own place among its steps, as one call.

// Connects the signals of every lower window whose global is set.  Called
// once, by createWindows after every window exists (tests that build a few
// windows call it once after setting their globals).
void connectWindows();
