#include "solver/forms/askform.h"

TAskForm::TAskForm(QWidget* parent)
    : QWidget(parent)
{
}
