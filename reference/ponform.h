#pragma once
#include <QDialog>

class TPonForm : public QDialog {
    Q_OBJECT
public:
    explicit TPonForm(QWidget* parent = nullptr);
};
