#include "shell/repform.h"

TRepForm::TRepForm(QWidget* parent)
    : QWidget(parent)
{
}
