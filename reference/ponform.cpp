#include "reference/ponform.h"

TPonForm::TPonForm(QWidget* parent)
    : QDialog(parent)
{
}
