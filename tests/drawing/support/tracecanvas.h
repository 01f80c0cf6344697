#pragma once
// A canvas that records what each drawing operation puts on the surface: the
// operation, its coordinates, and the part of the pen, brush and font that
// shapes its pixels.  State changes that draw nothing leave no entry, so two
// sequences that differ only in how they set the state (pen width 0 or 1, a
// face set twice, a brush colour set before its style or after) record the
// same trace.  Text widths come from the metrics of RecordingCanvas.
//
// Entry format:
//   "line 10 20 30 40 pen 000000 1 solid"
//   "text 5 6 \"A\" MsSansSerif 8 fill FFFFFF"      (or "... clear")
//   "rectangle 1 2 3 4 pen 000000 1 solid brush 808080 hatch"
//   "ellipse ..." "polygon ..." as rectangle; "arc 1 2 3 4 5 6 7 8 pen ..."
//   "fill 1 2 3 4 brush FFFFFF solid" "discard"
#include "drawing/canvasbase.h"

#include <QStringList>

class TraceCanvas : public CanvasBase {
public:
    explicit TraceCanvas(SurfaceKind kind = SurfaceKind::Picture) : m_kind(kind) {}

    SurfaceKind kind() const override { return m_kind; }
    const QStringList& trace() const { return m_trace; }

    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const QString& text) override;
    int TextWidth(const QString& text) const override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void Polygon(const QVector<QPoint>& points) override;
    void FillRect(int x1, int y1, int x2, int y2) override;
    void discardDrawing() override { m_trace.append(QStringLiteral("discard")); }

private:
    QString penText() const;
    QString brushText() const;
    void shape(const QString& name, std::initializer_list<int> coordinates, bool filled);

    SurfaceKind m_kind;
    QStringList m_trace;
};
