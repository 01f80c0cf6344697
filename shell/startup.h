#pragma once
// Start-up and exit of the whole program.
//
// Order of start-up: the modules' engine objects, the application object, the
// program's identity, the services every window relies on (the platform's
// fonts, the language, accessibility, keys), the fourteen windows (main
// window first, the only one shown), the event loop.  Exit runs it
// backwards: the windows are destroyed in reverse order of creation, then the
// modules' objects.  The pieces are separate functions so that tests and the
// start-up benchmark run exactly what the program runs, without entering the
// event loop.
#include "platform/language.h"

#include <QList>

class QWidget;

// Creates the engine objects of the exercise modules (the formula engine's
// status record is a static object and exists already).
void startModules();
// Destroys them again.  Safe to call more than once.
void stopModules();

// Installs, in this order, what every window relies on and start-up installs
// before the first window exists: the platform's fonts, the language (its
// catalogue and Qt's own texts), accessibility, keys.  Needs the application
// object; installing again is harmless.  Returns the language installed.
Language installProgramServices(Language language);

// Creates every window once, in the fixed order, sets the window globals,
// connects the lower windows' announcements to the shell, clears ExamMode and
// ExamPassed and shows the main window centred on the desktop.  Needs the
// application object and the services above.  If a window's creation throws,
// the windows created so far stay registered for destroyWindows.  Does
// nothing while the windows exist.
void createWindows();
// Destroys the windows in reverse order of creation and clears the globals.
// Does nothing when no window exists.
void destroyWindows();
// The windows that exist, in order of creation.
QList<QWidget*> createdWindows();

// Runs the program: start-up, the event loop, exit.  `identify`, when given,
// runs as soon as the application object exists, before anything else (the
// program's icon and desktop entry).  Returns the exit code; an exception
// escaping start-up is reported in the error box and the program ends with 0.
int runProgram(int argc, char** argv, void (*identify)() = nullptr);
