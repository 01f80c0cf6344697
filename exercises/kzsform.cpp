#include "exercises/kzsform.h"

TKzsForm::TKzsForm(QWidget* parent)
    : QWidget(parent)
{
}
