#pragma once
// This executable started again as a child, with the system's own call, which
// adds the least to what is timed: posix_spawn (selfprocess_unix.cpp),
// _spawnv on Windows (selfprocess_windows.cpp); the build compiles the one
// for its target.

// Starts this executable with the one argument `mode` and waits for it; false
// when it could not be started or did not end with status 0.
bool runChild(const char* mode);
