#include "reference/metodform.h"

#include "reference/pagebuilder.h"
#include "platform/colours.h"
#include "platform/deferred.h"
#include "platform/fonts.h"
#include "platform/guard.h"
#include "platform/panels.h"
#include "platform/windows.h"

#include <QLabel>
#include <QPushButton>

using namespace reference;

TMetodForm::TMetodForm(QWidget* parent)
    : QWidget(parent)
{
    setupWindow(this, TMetodForm::tr("Методика решения задач статики"), 685, 446, minimiseOnlyWindowFlags());
    move(169, 144);

    buildWhenPolished(this, [this] {
        const QColor red = fromBgr(bgr::Red);
        const QColor blue = fromBgr(0xFF0000);
        const QColor black = fromBgr(bgr::Black);
        const QColor plain; // the window-text colour

        // Each step reads as one paragraph made of several labels.
        addTextAt(this, "Label1", {208, 16}, TMetodForm::tr("Методика решения задач статики"), plain, Underlined);
        addText(this, "Label2", {9, 48, 664, 49},
                TMetodForm::tr("             Методика решения задач базируется на основных аксиомах статики и сводится к "
                               "следующей последовательности операций в процессе решения задач :"),
                Wrapped);
        addTextAt(this, "Label3", {8, 88}, TMetodForm::tr("1 шаг."), red);
        addTextAt(this, "Label4", {52, 94},
                  TMetodForm::tr(" Систему абсолютно твердых тел, находящихся в равновесии, освобождаем от"));
        addTextAt(this, "Label5", {56, 116}, TMetodForm::tr("внешних"), blue);
        addTextAt(this, "Label6", {130, 116}, TMetodForm::tr("связей и действие связей заменяем соответствующими реакциями"),
                  black);
        addTextAt(this, "Label7", {56, 136}, TMetodForm::tr("связей."));
        addTextAt(this, "Label8", {8, 155}, TMetodForm::tr("2 шаг."), red);
        addTextAt(this, "Label9", {57, 155},
                  TMetodForm::tr(" Расчленяем систему на отдельные тела или отдельные группы тел, а действие"));
        addTextAt(this, "Label10", {134, 179}, TMetodForm::tr("внутренних"), blue);
        addTextAt(this, "Label11", {227, 179}, TMetodForm::tr("связей заменяем соответствующими реакциями связей."), black);
        addTextAt(this, "Label12", {8, 208}, TMetodForm::tr("3 шаг."), red);
        addTextAt(this, "Label13", {59, 208}, TMetodForm::tr(" Записываем и анализируем "));
        addTextAt(this, "Label14", {291, 208}, TMetodForm::tr("условия равновесия"), blue);
        addTextAt(this, "Label15", {456, 208}, TMetodForm::tr("каждого выделенного тела"));
        addTextAt(this, "Label16", {61, 227}, TMetodForm::tr("или каждой выделенной группы тел."), black);
        keepApart(this);
        // A line that the installed face sets wider than the window carries
        // its last words over to the line below.
        for (QLabel* label : findChildren<QLabel*>())
            wrapWithin(label, width() - 8);
    });

    QPushButton* ok = okButton(this, {280, 400, 121, 33}, pixelFont(QStringLiteral("Arial"), 12));
    connect(ok, &QPushButton::clicked, this, [this] { guarded([this] { BitBtn1Click(); }); });
}

void TMetodForm::BitBtn1Click()
{
    hide();
    emit leaveRequested();
}
