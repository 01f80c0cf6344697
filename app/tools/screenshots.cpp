// Makes the README's screenshots: starts the program's windows on the offscreen
// platform and saves six of them as PNG files, each grabbed at its own size:
//   main.png       the main window
//   example.png    the worked example at its fifth question, with its scheme and the answer typed
//   reference.png  the first page of the basic concepts
//   solver.png     the order-9 solver with a solved system
//   keys.png       the help window's page of keys
//   about.png      the About window
//
//   vektum_screenshots [folder] [--lang en]   (the current folder, Russian, by default)
//
// Exit status 0 when all six were written; a message box shown on the way
// (which would stand for a fault) is printed and makes the status 1.
#include "exercises/urform.h"
#include "platform/about.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/language.h"
#include "platform/messages.h"
#include "platform/tabpages.h"
#include "eqedit/teqedit.h"
#include "reference/helpform.h"
#include "reference/ponform.h"
#include "shell/mainform.h"
#include "shell/startup.h"
#include "solver/forms/matrix2form.h"

#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <stdexcept>

namespace {

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

bool save(QWidget* window, const QDir& folder, const char* name)
{
    settle();
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (!window->grab().save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    window->hide();
    return true;
}

QLineEdit* box(QWidget* window, const QString& name)
{
    auto* edit = window->findChild<QLineEdit*>(name);
    if (!edit)
        throw std::runtime_error("no box " + name.toStdString());
    return edit;
}

// A well-conditioned system of order 9 with the solution 1, 2, ..., 9.
void fillSolver(QWidget* window)
{
    constexpr int n = 9;
    auto entry = [](int i, int j) { return i == j ? 10 : (i + 2 * j) % 5 - 2; };
    for (int i = 0; i < n; ++i) {
        int b = 0;
        for (int j = 0; j < n; ++j) {
            box(window, QStringLiteral("Edit%1").arg(i * n + j + 1))->setText(QString::number(entry(i, j)));
            b += entry(i, j) * (j + 1);
        }
        const QString name = i == n - 1 ? QStringLiteral("BL") : QStringLiteral("B%1").arg(i + 1);
        box(window, name)->setText(QString::number(b));
    }
}

bool shoot(const QDir& folder)
{
    if (!save(MainForm, folder, "main.png"))
        return false;

    // Shown, the window is activated by the event loop, which starts the
    // example afresh; only then go to the question.
    UrForm->show();
    UrForm->FormActivate();
    settle();
    for (int i = 0; i < 4; ++i)
        UrForm->LClickClick();
    UrForm->EqEdit2->SetEquation(UrForm->referenceAnswer());
    if (!save(UrForm, folder, "example.png"))
        return false;

    PonForm->pages()->setCurrentIndex(0);
    PonForm->show();
    if (!save(PonForm, folder, "reference.png"))
        return false;

    Matrix2Form->show();
    Matrix2Form->FormActivate();
    fillSolver(Matrix2Form);
    Matrix2Form->Button1Click();
    if (!save(Matrix2Form, folder, "solver.png"))
        return false;

    HelpForm->pages()->setCurrentIndex(HelpForm->pages()->count() - 1);
    HelpForm->show();
    if (!save(HelpForm, folder, "keys.png"))
        return false;

    AboutWindow about;
    about.show();
    return save(&about, folder, "about.png");
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    startModules();
    int rc = 0;
    {
        GuardedApplication app(argc, argv);
        const QStringList arguments = QCoreApplication::arguments();
        const QDir folder(arguments.size() > 1 ? arguments.at(1) : QStringLiteral("."));
        // Russian unless `--lang en` follows the folder, whatever the desktop speaks.
        installProgramServices(chooseLanguage({}, languageArgument(arguments)));
        if (!folder.exists() && !QDir().mkpath(folder.path())) {
            std::fprintf(stderr, "cannot make %s\n", qPrintable(folder.path()));
            rc = 1;
        } else {
            bool messageShown = false;
            setMessageHook([&](const ShownMessage& m) {
                std::fprintf(stderr, "message box: %s\n", qPrintable(m.text));
                messageShown = true;
            });
            try {
                createWindows();
                rc = shoot(folder) && !messageShown ? 0 : 1;
            } catch (...) {
                reportCurrentException();
                rc = 1;
            }
            setMessageHook({});
            destroyWindows();
        }
    }
    stopModules();
    return rc;
}
