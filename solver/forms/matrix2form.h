#pragma once
// The solver window for systems of order 9.
#include "solver/forms/solverwindow.h"

class TMatrix2Form : public SolverWindow {
    Q_OBJECT
public:
    explicit TMatrix2Form(QWidget* parent = nullptr);
};
