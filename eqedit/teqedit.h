#pragma once
// TEqEdit: the equation editor control.  Shows one formula in the equation
// notation and, when enabled and focused, edits it.
//
// Public contract used by the windows (keep it when filling in the control):
//  - Equation() / SetEquation(text)
//  - BackColor / ForeColor / CaretWidth with their setters
//  - the control's font is QWidget::font() (size in points)
//  - OnKeyPress(QChar&) is raised for every typed character the control does
//    not consume (Enter included); the handler may change the character.
//  - a window resets the control with SetEquation(" ") and a left-button press
//    at (0, 0) delivered as a QMouseEvent.
#include <QColor>
#include <QString>
#include <QWidget>
#include <functional>

class TEqEdit : public QWidget {
    Q_OBJECT
public:
    explicit TEqEdit(QWidget* parent = nullptr);
    ~TEqEdit() override;

    QString Equation() const;
    void SetEquation(const QString& text);

    QColor BackColor() const;
    void SetBackColor(const QColor& colour);
    QColor ForeColor() const;
    void SetForeColor(const QColor& colour);
    int CaretWidth() const;
    void SetCaretWidth(int width);

    std::function<void(QChar& key)> OnKeyPress;
};
