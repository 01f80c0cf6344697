#pragma once
// Text in boxes: the one place where the windows' static texts are made and
// fitted to the boxes of the layout tables, which were measured on Windows.
//
// Every static text is a TextLabel, plain text, made by one of the two
// makers below, which differ in how the box meets a text that the installed
// face sets wider than Windows did:
//  - fixedLabel keeps the designer's box (the windows of the shell); only a
//    one-line text that would wrap widens, when first shown;
//  - addText and addTextAt (the reference pages) grow the box at once: a
//    one-line text to the right, a paragraph downwards, and set a paragraph's
//    lines at the pitch the face has on Windows (LineGrid).
// Afterwards a page's texts on one line are kept apart (keepApart) and a text
// running past an edge wraps inside it (wrapWithin).
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPoint>
#include <QRect>
#include <QString>

// The line grid of a face at a size: distance of lines and the baseline's
// depth in its line.  On Windows a line is the face's ascent and descent,
// each rounded to whole pixels, high (19 px for 17-px Arial), and the baseline
// lies that ascent below the line's top.  The desktop's own text stack may
// space lines wider (20 px for the same face under FreeType), which pushes
// everything placed below a wrapped paragraph down.
struct LineGrid {
    int pitch = 0;
    int ascent = 0;
};

// The grid from the face's Windows metrics (its OS/2 table); a face without
// them gets the desktop's line spacing and ascent.
LineGrid windowsLineGrid(const QFont& font);

class TextLabel : public QLabel {
    Q_OBJECT
public:
    enum class Fit {
        // The designer's box: lines at the desktop's pitch; a one-line text
        // that the installed face wraps widens (about its centre when
        // centred, to the left when right-aligned) when first shown, so that
        // a window that is never shown loads no font for it.
        DesignedBox,
        // Grown to its text by its maker; a text wrapped over two or more
        // lines is set on the Windows line grid, one line as any label.
        WindowsLines,
    };

    TextLabel(const QString& text, Fit fit, QWidget* parent = nullptr);

    // How many lines the text takes at the given width of the contents.
    int lineCount(int contentsWidth) const;
    // True when the text is set on the Windows grid: a WindowsLines label
    // wrapped over two or more lines at the present width.
    bool setsOwnLines() const;
    LineGrid lineGrid() const;

    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Fit m_fit;
    bool m_fitted = false;
    void widenOneLine();
};

// A label of fixed size (Fit::DesignedBox).  Geometry is the designer's:
// left, top, width and height relative to the parent.  Alignment is the
// designer's: horizontal left, centre or right, vertical top, centre or
// bottom.  A word-wrapped label breaks lines at blanks and clips what does
// not fit its height.
QLabel* fixedLabel(QWidget* parent, int left, int top, int width, int height, const QString& text,
                   const QFont& font, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop,
                   bool wordWrap = true);

// The texts of the reference pages: "Arial" with a character height of 17 px.
QFont textFont();

enum TextFlag {
    Plain = 0,
    Wrapped = 1,
    Underlined = 2,
    Italic = 4,
};

// A text label at the given box (Fit::WindowsLines).  A label whose text
// would be cut by its box grows: to the right when it is one line high,
// downwards otherwise.
QLabel* addText(QWidget* page, const char* name, const QRect& box, const QString& text, int flags = Plain,
                const QFont& font = textFont());

// A label whose box follows its text: top left at `at`, single line.
QLabel* addTextAt(QWidget* page, const char* name, const QPoint& at, const QString& text,
                  const QColor& colour = QColor(), int flags = Plain, const QFont& font = textFont());

// Marks a widget that is not a label as text on a line for keepApart (the
// equation boxes of the pages): its text is its whole box.
void setTextOnLine(QWidget* box);

// Texts side by side on a line keep a thin blank between them: a label or a
// box marked by setTextOnLine that starts less than three pixels after the
// text or box before it (a one-line label or a marked box on the same line)
// moves right.  A label whose "joinsPrevious" property is set completes the
// word before it (a Greek letter after "sin") and stays where it is.
void keepApart(QWidget* parent);

// A label that would run past `right` (in its parent's coordinates) wraps
// its text inside that edge instead, growing downwards.
void wrapWithin(QLabel* label, int right);
