#include "shell/mainform.h"

TMainForm::TMainForm(QWidget* parent)
    : QWidget(parent)
{
}
