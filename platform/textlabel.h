#pragma once
// A plain-text label whose wrapped text is set line under line at the pitch
// the face has on Windows, where the layout tables were measured: a line is
// the face's Windows ascent and descent, each rounded to whole pixels, high
// (19 px for 17-px Arial), and the baseline lies that ascent below the
// line's top.  The desktop's own text stack may space lines wider (20 px for
// the same face under FreeType), which pushes everything placed below a
// wrapped paragraph down.  Text on one line is drawn as any label draws it.
#include <QFont>
#include <QLabel>
#include <QString>

// The line grid of a face at a size: distance of lines and the baseline's
// depth in its line.
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
    explicit TextLabel(const QString& text, QWidget* parent = nullptr);

    // How many lines the text takes at the given width of the contents.
    int lineCount(int contentsWidth) const;
    // True when the text is wrapped over two or more lines at the present
    // width: it is then set on the grid above.
    bool setsOwnLines() const;
    LineGrid lineGrid() const;

    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
