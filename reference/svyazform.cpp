#include "reference/svyazform.h"

TSvyazForm::TSvyazForm(QWidget* parent)
    : QDialog(parent)
{
}
