#include "shell/kontrform.h"

TKontrForm::TKontrForm(QWidget* parent)
    : QWidget(parent)
{
}
