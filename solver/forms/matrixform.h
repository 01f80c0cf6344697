#pragma once
#include <QWidget>

class TMatrixForm : public QWidget {
    Q_OBJECT
public:
    explicit TMatrixForm(QWidget* parent = nullptr);
};
