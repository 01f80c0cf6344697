#pragma once
#include <QWidget>

class TMatrix2Form : public QWidget {
    Q_OBJECT
public:
    explicit TMatrix2Form(QWidget* parent = nullptr);
};
