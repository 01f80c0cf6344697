#include "shell/consform.h"

TConsForm::TConsForm(QWidget* parent)
    : QWidget(parent)
{
}
