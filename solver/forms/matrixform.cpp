#include "solver/forms/matrixform.h"

namespace {
constexpr SolverLayout kLayout{
    .order = 6,
    .clientWidth = 481,
    .clientHeight = 507,
    .gridOrigin = QPoint(40, 160),
    .bColumnX = 384,
    .resultY = 384,
    .greetingY = 12,
    .explanationY = 40,
    .explanationHeight = 84,
    .buttonY = 440,
    .button1X = 64,
    .button2X = 296,
};
} // namespace

TMatrixForm::TMatrixForm(QWidget* parent)
    : SolverWindow(kLayout, parent)
{
}
