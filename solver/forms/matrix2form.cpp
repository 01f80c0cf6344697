#include "solver/forms/matrix2form.h"

TMatrix2Form::TMatrix2Form(QWidget* parent)
    : QWidget(parent)
{
}
