#include "solver/forms/matrixform.h"

TMatrixForm::TMatrixForm(QWidget* parent)
    : QWidget(parent)
{
}
