#include "app/commandline.h"
#include "app/console.h"
#include "app/programicon.h"
#include "platform/about.h"
#include "shell/startup.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

namespace {
// Before any window exists, so that every window gets the program's icon and
// names its desktop entry (<id>.desktop), by which a Wayland desktop matches
// the windows to the menu entry and its icon.
void setProgramIdentity()
{
    QGuiApplication::setWindowIcon(programIcon());
    QGuiApplication::setDesktopFileName(programId());
}
} // namespace

int main(int argc, char** argv)
{
    // --help, --version and mistakes are answered without a display; Qt's own
    // options stay in argv for the application object.
    const CommandLineOutcome outcome = parseCommandLine(commandLineArguments(argc, argv));
    if (outcome.exit) {
        writeConsoleText(outcome.text, outcome.exitCode == 0 ? stdout : stderr);
        return outcome.exitCode;
    }
    return runProgram(argc, argv, setProgramIdentity);
}
