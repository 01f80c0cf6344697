#include "windowfixture.h"

#include "exercises/kzsform.h"
#include "exercises/urform.h"
#include "reference/helpform.h"
#include "reference/metodform.h"
#include "reference/ponform.h"
#include "reference/svyazform.h"
#include "shell/consform.h"
#include "shell/kontrform.h"
#include "shell/mainform.h"
#include "platform/forms.h"
#include "shell/repform.h"
#include "shell/reshform.h"
#include "shell/startup.h"
#include "solver/forms/askform.h"
#include "solver/forms/matrix2form.h"
#include "solver/forms/matrixform.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>

QWidget* runClosingModal(const std::function<void()>& action, const std::function<void(QWidget*)>& whileOpen)
{
    QPointer<QWidget> shown;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        shown = modal;
        if (whileOpen)
            whileOpen(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    });
    poll.start();
    action();
    poll.stop();
    return shown;
}

QList<QWidget*> visibleWindows()
{
    QList<QWidget*> list;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            list.append(w);
    return list;
}

QPushButton* buttonOf(QWidget* window, const QString& caption)
{
    QPushButton* found = nullptr;
    int count = 0;
    for (QPushButton* b : window->findChildren<QPushButton*>())
        if (b->text() == caption) {
            found = b;
            ++count;
        }
    if (count != 1)
        qWarning("%d buttons \"%s\" in %s", count, qPrintable(caption), window->metaObject()->className());
    return count == 1 ? found : nullptr;
}

QWidget* windowNamed(const QString& name)
{
    const QList<QPair<QString, QWidget*>> all{
        {"MainForm", MainForm}, {"ConsForm", ConsForm},       {"ReshForm", ReshForm},   {"PonForm", PonForm},
        {"UrForm", UrForm},     {"MetodForm", MetodForm},     {"KzsForm", KzsForm},     {"HelpForm", HelpForm},
        {"MatrixForm", MatrixForm}, {"RepForm", RepForm},     {"KontrForm", KontrForm}, {"SvyazForm", SvyazForm},
        {"Matrix2Form", Matrix2Form}, {"AskForm", AskForm},
    };
    for (const auto& [n, w] : all)
        if (n == name)
            return w;
    return nullptr;
}

void hideAllWindows()
{
    for (QWidget* w : createdWindows())
        w->hide();
}

bool showAlone(QWidget* window)
{
    hideAllWindows();
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

void WindowsTestCase::init()
{
    startModules();
    installProgramServices(currentLanguage());
    createWindows();
}

void WindowsTestCase::cleanup()
{
    destroyWindows();
    stopModules();
}
