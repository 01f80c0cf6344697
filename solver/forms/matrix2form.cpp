#include "solver/forms/matrix2form.h"

namespace {
constexpr SolverLayout kLayout{
    .order = 9,
    .clientWidth = 665,
    .clientHeight = 604,
    .gridOrigin = QPoint(40, 128),
    .bColumnX = 568,
    .resultY = 488,
    .greetingY = 8,
    .explanationY = 36,
    .explanationHeight = 60,
    .buttonY = 544,
    .button1X = 160,
    .button2X = 384,
};
} // namespace

TMatrix2Form::TMatrix2Form(QWidget* parent)
    : SolverWindow(kLayout, parent)
{
}
