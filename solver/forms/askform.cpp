#include "solver/forms/askform.h"

#include "platform/fonts.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/panels.h"
#include "platform/windows.h"
#include "solver/forms/matrix2form.h"
#include "solver/forms/matrixform.h"

#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace {
Qt::WindowFlags dialogWindowFlags()
{
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
         | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
}

} // namespace

TAskForm::TAskForm(QWidget* parent)
    : QWidget(parent)
{
    setupWindow(this, tr("Выбор порядка системы"), 364, 116, dialogWindowFlags());

    auto* label = new QLabel(tr("Систему какого порядка решаем ?"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setFont(pointFont(QStringLiteral("Arial"), 13));
    label->setGeometry(16, 16, 256, 84);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);

    Button1 = dialogButton(this, QStringLiteral("Button1"), QStringLiteral("6"), QRect(296, 16, 41, 41));
    Button2 = dialogButton(this, QStringLiteral("Button2"), QStringLiteral("9"), QRect(296, 64, 41, 41));
    Button1->setAccessibleName(tr("Система 6 уравнений"));
    Button2->setAccessibleName(tr("Система 9 уравнений"));
    connect(Button1, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { guarded([this] { Button2Click(); }); });

    centreOnDesktop(this);
}

void TAskForm::FormActivate()
{
    emit taskCloseRequested();
}

void TAskForm::Button1Click()
{
    openSolver(MatrixForm);
}

void TAskForm::Button2Click()
{
    openSolver(Matrix2Form);
}

void TAskForm::openSolver(QWidget* solver)
{
    emit taskCloseRequested();
    hide();
    if (solver) {
        // Opened from here, a solver window is application-modal until it is left.
        solver->setWindowModality(Qt::ApplicationModal);
        solver->show();
        solver->raise();
        solver->activateWindow();
    }
}

bool TAskForm::event(QEvent* e)
{
    activateOnShow(this, e);
    if (e->type() == QEvent::WindowActivate)
        guarded([this] { FormActivate(); });
    return QWidget::event(e);
}

void TAskForm::closeEvent(QCloseEvent* e)
{
    // Closed from the title bar: back to the Examiner menu, so that some window
    // of the program stays on screen.
    if (e->spontaneous())
        emit leaveRequested();
    QWidget::closeEvent(e);
}
