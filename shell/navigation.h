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

// The keys of every window, installed once, at start-up, before the windows
// are made (repeated calls do nothing): the keyboard behaviours of
// platform/keyboard.h, and F1 and Ctrl+F1 in each window of the program (and
// in the About window).  F1 shows the help window modally, as the
// Consultant's button does, unless a dialog is open modally (the help window
// itself among them).  Ctrl+F1 shows the About window over the window of the
// key, unless a dialog other than the help window is open modally.
void installKeys();
