#pragma once
// The solver window for systems of order 6.
#include "solver/forms/solverwindow.h"

class TMatrixForm : public SolverWindow {
    Q_OBJECT
public:
    explicit TMatrixForm(QWidget* parent = nullptr);
};
