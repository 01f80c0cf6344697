#include "shell/reshform.h"

TReshForm::TReshForm(QWidget* parent)
    : QWidget(parent)
{
}
