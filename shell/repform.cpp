#include "shell/repform.h"

#include "exercises/kzsform.h"
#include "exercises/urform.h"
#include "shell/mainform.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/windows.h"

#include <QPushButton>

TRepForm::TRepForm(QWidget* parent)
    : ModeMenu({tr("Репетитор"), tr("РЕПЕТИТОР приветствует Вас !"),
                tr("Подсистема РЕПЕТИТОР поможет Вам научиться составлять уравнения равновесия "
                               "для одного тела и для системы тел."),
                17, 184},
               parent)
{
    Button1 = addButton("Button1", tr("Знакомство с примерами составления уравнений равновесия"),
                        88, 184, 489);
    Button2 = addButton("Button2", tr("Решение контрольной задачи по статике"), 88, 232, 489);
    Button3 = addButton("Button3", tr("Завершение работы с подсистемой РЕПЕТИТОР"), 88, 280, 489);

    connect(Button1, &QPushButton::clicked, this, [this] { guarded([&] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { guarded([&] { Button2Click(); }); });
    connect(Button3, &QPushButton::clicked, this, [this] { guarded([&] { Button3Click(); }); });
}

void TRepForm::Button1Click()
{
    takePlace(this, UrForm);
}

void TRepForm::Button2Click()
{
    takePlace(this, KzsForm);
}

void TRepForm::Button3Click()
{
    takePlace(this, MainForm);
}
