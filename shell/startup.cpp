#include "shell/startup.h"

#include "exercises/kzsform.h"
#include "exercises/modules.h"
#include "exercises/urform.h"
#include "reference/helpform.h"
#include "reference/metodform.h"
#include "reference/ponform.h"
#include "reference/svyazform.h"
#include "shell/consform.h"
#include "shell/kontrform.h"
#include "shell/mainform.h"
#include "eqedit/teqeditaccessible.h"
#include "platform/accessibility.h"
#include "shell/navigation.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/language.h"
#include "shell/repform.h"
#include "shell/reshform.h"
#include "solver/forms/askform.h"
#include "solver/forms/matrix2form.h"
#include "solver/forms/matrixform.h"

#include <QApplication>

namespace {
// Every window with the global that names it, in creation order.  Destruction
// walks the list backwards and clears each global before its window goes.
struct Slot {
    QWidget* window;
    void (*clearGlobal)();
};

QList<Slot>& registry()
{
    static QList<Slot> list;
    return list;
}

template <class Form, Form** Global>
void create()
{
    auto* form = new Form();
    *Global = form;
    registry().append({form, [] { *Global = nullptr; }});
}
} // namespace

void startModules()
{
    // MyStat, the formula engine's status record, is a static object.
    initExerciseModules();
}

void stopModules()
{
    doneExerciseModules();
}

Language installProgramServices(Language language)
{
    installFontSubstitutions();
    const Language installed = installProgramLanguage(language);
    installAccessibility({TEqEditAccessibleFactory});
    installKeys();
    return installed;
}

void createWindows()
{
    if (!registry().isEmpty())
        return;   // the windows exist once per run
    // The main window alone decides when the program ends: hiding or closing
    // the last visible other window must not end it, and hidden windows must
    // not keep it running after the main window has been closed.
    QApplication::setQuitOnLastWindowClosed(false);
    ExamMode = false;
    ExamPassed = false;

    create<TMainForm, &MainForm>();
    create<TConsForm, &ConsForm>();
    create<TReshForm, &ReshForm>();
    create<TPonForm, &PonForm>();
    create<TUrForm, &UrForm>();
    create<TMetodForm, &MetodForm>();
    create<TKzsForm, &KzsForm>();
    create<THelpForm, &HelpForm>();
    create<TMatrixForm, &MatrixForm>();
    create<TRepForm, &RepForm>();
    create<TKontrForm, &KontrForm>();
    create<TSvyazForm, &SvyazForm>();
    create<TMatrix2Form, &Matrix2Form>();
    create<TAskForm, &AskForm>();
    connectWindows();

    MainForm->show();
}

void destroyWindows()
{
    while (!registry().isEmpty()) {
        const Slot slot = registry().takeLast();
        slot.clearGlobal();
        delete slot.window;
    }
}

QList<QWidget*> createdWindows()
{
    QList<QWidget*> list;
    for (const Slot& slot : registry())
        list.append(slot.window);
    return list;
}

int runProgram(int argc, char** argv, void (*identify)())
{
    startModules();
    int rc = 0;
    {
        GuardedApplication app(argc, argv);
        try {
            if (identify)
                identify();
            // The one place the language is chosen: the program's texts and
            // Qt's own, before any window exists.
            installProgramServices(startupLanguage(app.arguments()));
            createWindows();
            rc = app.exec();
        } catch (...) {
            reportCurrentException();
            rc = 0;
        }
        destroyWindows();
    }
    stopModules();
    return rc;
}
