#pragma once
// TEqEdit: the equation editor control.  Shows one formula in the equation
// notation and, when enabled and focused, edits it.
//
// Public contract used by the windows:
//  - Equation() / SetEquation(text)
//  - BackColor / ForeColor / CaretWidth with their setters
//  - the control's font is QWidget::font() (size in points)
//  - OnKeyPress(QChar&) is raised for every typed character the control does
//    not consume (Enter included); the handler may change the character.
//  - a window resets the control with SetEquation(" ") and a left-button press
//    at (0, 0) delivered as a QMouseEvent.
//
// The widget only adapts events and painting: the formula, caret and view live
// in EqEditModel, and the glyph positions come from layoutEquation.  The text is
// drawn inside a one-pixel sunken frame, on white, in the palette's text colour
// (BackColor and ForeColor are kept and repaint on a change, nothing more).
// While focused the control draws its own caret: a filled block CaretWidth wide
// whose top and height follow the level in effect before it.
#include "eqedit/eqeditmodel.h"
#include "eqedit/eqlayout.h"
#include "eqedit/evaluator.h"
#include "eqedit/teqeditaccessible.h"
#include <QColor>
#include <QImage>
#include <QTimer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

class QPainter;

class TEqEdit : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Equation READ Equation WRITE SetEquation)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE SetForeColor)
    Q_PROPERTY(int CaretWidth READ CaretWidth WRITE SetCaretWidth)
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

    // Raised for every key press before the control handles the key; a
    // handler may replace the key code (0: none), and the control then
    // handles that code.  The typed character still reaches OnKeyPress.
    std::function<void(int& key, Qt::KeyboardModifiers shift)> OnKeyDown;
    std::function<void(QChar& key)> OnKeyPress;
    // Raised for every button press before the control takes the focus and
    // places the caret; x and y in the control's pixels.
    std::function<void(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)> OnMouseDown;

    // The editing state, for tests and for the windows that read it.
    const EqEditModel& model() const { return m_model; }
    // The caret block in widget coordinates (empty while unfocused).
    QRect caretRect() const;
    bool hasCaret() const { return FHasFocus; }
    // The caret is drawn now: focused and in the visible half of its blink.
    bool caretShown() const;
    // Half the desktop's flash period while the caret blinks, else 0.
    int caretBlinkInterval() const;
    // Puts the caret after `index` characters of the formula (never between a
    // '~' and its letter), as if moved there by the arrow keys.
    void setCaretIndex(int index);
    // The beep of refused moves; QApplication::beep by default.
    void setBeepHandler(std::function<void()> beep);
    // Width of the frame drawn around the text.
    static constexpr int BevelWidth = 1;

    QSize sizeHint() const override;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void rebuildMetrics();
    void syncGeometry();
    void modelChanged();
    void restartBlink();
    void announceKey(EqKey key, State before);

    // The colours the control is drawn in, read from the palette at paint time.
    struct Inks {
        QColor back, shadow, light, text;
        bool operator==(const Inks&) const = default;
    };
    Inks inks() const;
    // The frame, the background and the glyphs, in widget coordinates.
    void paintFrame(QPainter& p, const Inks& inks) const;
    void prepareForGlyphs(QPainter& p, const Inks& inks) const;
    void drawGlyphs(QPainter& p, const QVector<EqGlyph>& glyphs, qsizetype from) const;
    bool paintsThroughImage(const QPainter& p, const Inks& inks) const;
    bool updatePaintedImage(const Inks& inks);

    // What was last drawn, kept as an image that painting copies to the
    // screen: a repaint of unchanged text is one copy, and a character
    // typed at the end of the shown text draws its glyph only.  Used where
    // drawing into an image gives the very pixels of drawing on the device
    // (raster, 32-bit pixels, no scaling, the widget's resolution); painting
    // elsewhere draws directly.
    struct PaintedImage {
        QImage image;
        QString text;        // the visible text drawn (once there is a painter)
        State start = level::Normal; // its start level
        EqLayout layout;     // its layout
        Inks inks;
        int fontGeneration = -1; // m_fontGeneration when drawn
        // Kept active on the image between paints, prepared for glyphs, so
        // that a glyph added costs no new painter; none until the image holds
        // the text above.
        std::unique_ptr<QPainter> painter;
    };
    PaintedImage m_painted;
    int m_fontGeneration = 0; // counts the control's changes of font

    std::unique_ptr<FontEqMetrics> m_metrics;
    EqEditModel m_model;
    std::function<void()> m_beep;
    bool FHasFocus = false;
    QColor FForeColour;
    QColor FBackColour;
    int FCaretPixels = 2;
    QTimer* m_blink = nullptr;
    bool m_caretOn = true;
    EqEditAccessibleState m_accessible;

    // ---- The control's own evaluator (definitions in teqedit_evaluator.cpp) ----
    // Forwards to EqEvaluator over this control's variable list (which starts
    // with the five names of pi); CalculateEquation and CompareEquation
    // evaluate Equation().  Every failure is a returned message, empty on
    // success.
public:
    void AddVariable(const QString& name, double value);
    double GetVariable(const QString& name) const;
    void DeleteVariable(const QString& name);
    QString SetIndexOrder(QString& formula) const;
    QString ReplaceVariables(QString& formula) const;
    void SokrashDoubleSign(QString& formula) const;
    bool IsDigitString(const QString& text) const;
    QString GetLeftOperand(const QString& formula, int position, int& start, bool withoutSign) const;
    QString GetRightOperand(const QString& formula, int position, int& end) const;
    QString CalqEqWithoutBracket(QString& formula) const;
    QString DeleteBrackets(QString& formula) const;
    QString CalculateEquation(double& value) const;
    QString CalculateTwoEquations(QString& first, QString& second, double& firstValue,
                                  double& secondValue) const;
    QString CompareEquation(const QString& other, bool& equal) const;
    const EqEvaluator& evaluator() const { return FEvaluator; }

private:
    EqEvaluator FEvaluator;
    // ---- end of the evaluator block ----
};
