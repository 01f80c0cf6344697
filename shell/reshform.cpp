#include "shell/reshform.h"

#include "reference/metodform.h"
#include "reference/ponform.h"
#include "shell/consform.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/windows.h"

#include <QPushButton>

TReshForm::TReshForm(QWidget* parent)
    : ModeMenu({tr("Методика решения задач"), tr("Уважаемый  коллега !"),
                tr("Сейчас вы имеете возможность ознакомиться с основными понятиями и фактами "
                               "статики, с методикой решения задач на составление и исследование уравнений "
                               "равновесия."),
                16, 184},
               parent)
{
    Button1 = addButton("Button1", tr("Основные понятия и сведения"), 184, 184, 281);
    Button2 = addButton("Button2", tr("Методика решения задач статики"), 184, 232, 281);
    Button3 = addButton("Button3", tr("Завершение обзора"), 184, 280, 281);

    connect(Button1, &QPushButton::clicked, this, [this] { guarded([&] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { guarded([&] { Button2Click(); }); });
    connect(Button3, &QPushButton::clicked, this, [this] { guarded([&] { Button3Click(); }); });
}

void TReshForm::Button1Click()
{
    PonForm->exec();
}

void TReshForm::Button2Click()
{
    takePlace(this, MetodForm);
}

void TReshForm::Button3Click()
{
    takePlace(this, ConsForm);
}
