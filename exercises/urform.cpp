#include "exercises/urform.h"

TUrForm::TUrForm(QWidget* parent)
    : QWidget(parent)
{
}
