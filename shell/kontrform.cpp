#include "shell/kontrform.h"

#include "exercises/kzsform.h"
#include "shell/mainform.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "platform/windows.h"
#include "solver/forms/askform.h"

#include <QPushButton>

TKontrForm::TKontrForm(QWidget* parent)
    : ModeMenu({tr("Контролер"), tr("КОНТРОЛЕР приветствует Вас !"),
                tr("Подсистема КОНТРОЛЕР проверяет, насколько Вами освоена техника решения задач "
                               "статики плоской системы сил и позволяет решить систему линейных "
                               "алгебраических уравнений."),
                17, 192},
               parent)
{
    Button1 = addButton("Button1", tr("Решение системы линейных уравнений"), 88, 192, 489);
    Button2 = addButton("Button2", tr("Завершение работы с подсистемой КОНТРОЛЕР"), 88, 240, 489);

    connect(Button1, &QPushButton::clicked, this, [this] { guarded([&] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { guarded([&] { Button2Click(); }); });
}

void TKontrForm::Button1Click()
{
    if (ExamPassed) {
        // The order choice keeps its own place.
        AskForm->show();
        hide();
        return;
    }
    // The announcement of the entrance test.
    ShowMessage(tr("    Прежде чем Вы приступите к вычислению матрицы, Вам придется ответить на несколько тестовых "
                   "вопросов. При пяти неправильных ответах КОНТРОЛЕР прекращает работу и вызывает РЕПЕТИТОР."),
                examinerTitle());
    ExamMode = true;
    takePlace(this, KzsForm);
}

void TKontrForm::Button2Click()
{
    takePlace(this, MainForm);
}
