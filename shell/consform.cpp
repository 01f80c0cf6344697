#include "shell/consform.h"

#include "reference/helpform.h"
#include "reference/svyazform.h"
#include "shell/mainform.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/windows.h"
#include "shell/reshform.h"

#include <QPushButton>

TConsForm::TConsForm(QWidget* parent)
    : ModeMenu({tr("Консультант"), tr("КОНСУЛЬТАНТ приветствует Вас !"),
                tr("Подсистема КОНСУЛЬТАНТ может предоставить Вам необходимую справку по работе "
                               "с системой ВЕКТУМ-W,  некоторые  сведения по теории и методике решения задач."),
                17, 136},
               parent)
{
    Button1 = addButton("Button1", tr("Информация о работе с системой ВЕКТУМ-W"), 125, 136, 412);
    Button2 = addButton("Button2", tr("Методика решения задач"), 125, 184, 412);
    Button3 = addButton("Button3", tr("Виды связей"), 125, 232, 412);
    Button4 = addButton("Button4", tr("Завершение работы с подсистемой КОНСУЛЬТАНТ"), 125, 280, 412);

    connect(Button1, &QPushButton::clicked, this, [this] { guarded([&] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { guarded([&] { Button2Click(); }); });
    connect(Button3, &QPushButton::clicked, this, [this] { guarded([&] { Button3Click(); }); });
    connect(Button4, &QPushButton::clicked, this, [this] { guarded([&] { Button4Click(); }); });
}

void TConsForm::Button1Click()
{
    HelpForm->exec();
}

void TConsForm::Button2Click()
{
    takePlace(this, ReshForm);
}

void TConsForm::Button3Click()
{
    SvyazForm->exec();
}

void TConsForm::Button4Click()
{
    takePlace(this, MainForm);
}
