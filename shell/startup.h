#pragma once
// Start-up and exit of the whole program.

// Runs the program: engine objects, the application, every window, the event
// loop, clean-up.  Returns the exit code.
int runProgram(int argc, char** argv);
