#include "shell/startup.h"

#include "shell/mainform.h"
#include "shell/platform/fonts.h"
#include "shell/platform/forms.h"
#include "shell/platform/guard.h"

int runProgram(int argc, char** argv)
{
    GuardedApplication app(argc, argv);
    installFontSubstitutions();
    TMainForm main;
    MainForm = &main;
    main.show();
    const int rc = app.exec();
    MainForm = nullptr;
    return rc;
}
