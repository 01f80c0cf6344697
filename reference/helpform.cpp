#include "reference/helpform.h"

THelpForm::THelpForm(QWidget* parent)
    : QDialog(parent)
{
}
