#include "reference/metodform.h"

TMetodForm::TMetodForm(QWidget* parent)
    : QWidget(parent)
{
}
