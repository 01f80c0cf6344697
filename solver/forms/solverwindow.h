#pragma once
// What the two solver windows share: the grid of number boxes for A, the B
// column, the read-only result row, "Считать" and "Выход", the key handling of
// the boxes and the solve.  The windows differ only in their order and layout.
//
// Each window keeps A, b, the factors and the last solution x for the whole
// run; the boxes keep whatever was typed across hiding and showing again.
#include <QPoint>
#include <QString>
#include <QWidget>

#include <vector>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

struct SolverLayout {
    int order;
    int clientWidth;
    int clientHeight;
    QPoint gridOrigin;      // the top left box of the grid
    int bColumnX;
    int resultY;
    int greetingY;
    int explanationY;
    int explanationHeight;
    int buttonY;
    int button1X;
    int button2X;
};

class SolverWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBoxWidth = 41;
    static constexpr int kBoxHeight = 32;
    static constexpr int kPitchX = 48;
    static constexpr int kPitchY = 32;
    static constexpr int kWideResultExtra = 8;   // the ninth result box of order 9

    int order() const { return n; }

    // Closes the order choice window.
    void FormActivate();
    // "Считать": reads the boxes, factors, solves and writes the results.
    void Button1Click();
    // "Выход": hides this window and asks for the Examiner menu.
    void Button2Click();

signals:
    // The window was left by "Выход" or by a close request of the desktop and
    // is hidden; the Examiner menu is to come back where it stands.
    void leaveRequested();

protected:
    SolverWindow(const SolverLayout& layout, QWidget* parent);

    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    // The labels, the boxes and the buttons, made when the window is first needed.
    void buildContents(const SolverLayout& layout);
    // True when the key was consumed (moved the focus, refused or replaced).
    bool EditKeyPress(QLineEdit* box, QKeyEvent* key);
    void focusNextAfter(QLineEdit* box);
    void writeResults();
    static QString outOfRangeText();

    const int n;
    std::vector<double> A;
    std::vector<double> b;
    std::vector<double> LU;
    std::vector<int> exchange;
    std::vector<double> scale;
    int singular = 0;
    std::vector<double> x;
    std::vector<double> trial;

    std::vector<QLineEdit*> m_inputs;    // the grid row by row, then the B column
    std::vector<QLineEdit*> m_results;
    // Tells a screen reader the values now in the result boxes.
    void announceResults();
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
};
