#include "reference/svyazpictures.h"

#include <QCoreApplication>

#include "platform/language.h"

#include "reference/schemetools.h"

using namespace scheme;

namespace {
const QString kSymbol = QStringLiteral("Symbol");
const TranslatedText kGiven{"ReferencePictures", QT_TRANSLATE_NOOP("ReferencePictures", "Дано :")};

// The start of the 280 x 160 schemes: black pen, the scheme face, and the
// whole picture filled white.
void clearScheme(Canvas& c)
{
    c.setPenColour(bgr::Black);
    c.setFontFace(QStringLiteral("MsSansSerif"));
    c.setBrushStyle(BrushStyle::Solid);
    c.setBrushColour(bgr::White);
    c.FillRect(0, 0, 280, 160);
}

void sub(Canvas& c, int x, int y, const char* main, const char* subscript)
{
    DrawLabelSub(c, x, y, QString::fromUtf8(main), QString::fromUtf8(subscript), bgr::White);
}

void vector(Canvas& c, int x, int y, const char* text)
{
    DrawVectorLabel(c, x, y, QString::fromUtf8(text), bgr::White);
}

void text(Canvas& c, int x, int y, const char* text)
{
    label(c, x, y, QCoreApplication::translate("ReferencePictures", text));
}

// The axes of the beam schemes with their letters.
void beamAxes(Canvas& c)
{
    text(c, 15, 15, "y");
    text(c, 245, 138, "x");
    text(c, 9, 141, "O");
}
} // namespace

void DrawSh(Canvas& c)
{
    clearScheme(c);
    c.setBrushColour(bgr::Grey);
    polyline(c, {{10, 20}, {10, 140}, {250, 140}});
    c.Rectangle(60, 100, 220, 95);
    polyline(c, {{50, 110}, {60, 100}, {70, 110}});
    c.Arc(180, 95, 220, 135, 240, 115, 240, 80);
    c.setPenWidth(2);
    polyline(c, {{200, 115}, {240, 80}});
    c.setBrushStyle(BrushStyle::Hatch);
    c.setPenWidth(0);
    c.Rectangle(200, 120, 250, 115);
    c.Rectangle(45, 115, 75, 110);
    c.setBrushStyle(BrushStyle::Solid);
    c.setBrushColour(bgr::White);
    c.Ellipse(55, 93, 65, 103);
    c.setPenColour(bgr::Magenta);
    c.setPenWidth(2);
    c.Arc(100, 80, 140, 120, 120, 80, 120, 120);
    DrawArrow(c, 120, 118, 125, 118, bgr::Magenta);
    DrawArrow(c, 140, 100, 140, 120, bgr::Magenta);
    vector(c, 150, 110, "P");
    vector(c, 126, 70, "M");
    beamAxes(c);
    text(c, 60, 79, "A");
    text(c, 140, 80, "C");
    text(c, 214, 80, "B");
    text(c, 40, 20, QT_TRANSLATE_NOOP("ReferencePictures", "Дано : AB = 2b,"));
    vector(c, 119, 19, "M");
    text(c, 127, 20, ",");
    vector(c, 131, 19, "P");
    text(c, 138, 20, ",");
    c.setFontFace(kSymbol);
    text(c, 141, 20, "a.");
    text(c, 222, 98, "  a");
}

void DrawSh2(Canvas& c)
{
    clearScheme(c);
    DrawDottedLine(c, 220, 100, 220, 60, bgr::Black);
    c.Arc(200, 80, 240, 120, 220, 70, 190, 70);
    c.setBrushColour(bgr::Grey);
    polyline(c, {{10, 20}, {10, 140}, {250, 140}});
    c.Rectangle(60, 100, 220, 95);
    c.setBrushStyle(BrushStyle::Solid);
    c.setBrushColour(bgr::White);
    c.setPenColour(bgr::Magenta);
    c.setPenWidth(2);
    c.Arc(100, 80, 140, 120, 120, 80, 120, 120);
    DrawArrow(c, 120, 118, 125, 118, bgr::Magenta);
    DrawArrow(c, 140, 100, 140, 120, bgr::Magenta);
    DrawArrow(c, 220, 95, 190, 70, bgr::Red);
    DrawArrow(c, 60, 97, 80, 97, bgr::Red);
    DrawArrow(c, 60, 97, 60, 77, bgr::Red);
    vector(c, 150, 110, "P");
    vector(c, 126, 70, "M");
    beamAxes(c);
    text(c, 55, 101, "A");
    text(c, 140, 80, "C");
    text(c, 214, 101, "B");
    sub(c, 175, 70, "R", "B");
    sub(c, 68, 101, "X", "A");
    sub(c, 65, 70, "Y", "A");
    text(c, 40, 20, QT_TRANSLATE_NOOP("ReferencePictures", "Дано : AB = 2b,"));
    text(c, 119, 20, "M");
    text(c, 127, 20, ",");
    text(c, 131, 20, "P");
    text(c, 138, 20, ",");
    c.setFontFace(kSymbol);
    text(c, 141, 20, "a.");
    text(c, 205, 66, "a");
}

namespace {
// The beam, the knot and the ceiling of the thread schemes, the labels shared
// by both of them.
void threadGiven(Canvas& c)
{
    label(c, 20, 20, kGiven);
    vector(c, 20, 39, "P");
    text(c, 27, 40, "-");
    text(c, 35, 40, QT_TRANSLATE_NOOP("ReferencePictures", "вес балки."));
    text(c, 20, 56, "AO = a, OB = b.");
}

void threadPoints(Canvas& c)
{
    text(c, 27, 110, "A");
    text(c, 223, 110, "K");
    text(c, 170, 121, "B");
    text(c, 125, 95, "O");
    text(c, 125, 58, "D");
}

void threadAngles(Canvas& c)
{
    c.setFontFace(kSymbol);
    text(c, 60, 20, "a, b,");
    text(c, 70, 93, "a");
    text(c, 140, 93, "b");
}
} // namespace

void DrawSh3(Canvas& c)
{
    clearScheme(c);
    c.setPenColour(bgr::Black);
    polyline(c, {{40, 110}, {130, 50}, {170, 110}});
    polyline(c, {{130, 50}, {130, 30}});
    c.Arc(20, 90, 60, 130, 80, 110, 130, 50);
    c.Arc(150, 90, 190, 130, 130, 50, 130, 110);
    c.setBrushColour(bgr::Grey);
    c.Rectangle(40, 110, 220, 120);
    c.setBrushStyle(BrushStyle::Hatch);
    c.Rectangle(110, 20, 150, 30);
    DrawArrow(c, 130, 120, 130, 140, bgr::Magenta);
    threadGiven(c);
    threadPoints(c);
    text(c, 135, 30, "C");
    vector(c, 135, 132, "P");
    threadAngles(c);
}

void DrawSh4(Canvas& c)
{
    clearScheme(c);
    c.setPenColour(bgr::Black);
    polyline(c, {{10, 90}, {10, 150}, {80, 150}});
    DrawDottedLine(c, 130, 50, 130, 110, bgr::Black);
    c.Arc(20, 90, 60, 130, 80, 110, 130, 50);
    c.Arc(150, 90, 190, 130, 130, 50, 130, 110);
    c.setBrushColour(bgr::Grey);
    c.Rectangle(40, 110, 220, 120);
    DrawArrow(c, 130, 120, 130, 140, bgr::Magenta);
    DrawArrow(c, 40, 110, 70, 90, bgr::Red);
    DrawArrow(c, 170, 110, 154, 85, bgr::Red);
    DrawArrow(c, 130, 50, 100, 70, bgr::Red);
    DrawArrow(c, 130, 50, 146, 75, bgr::Red);
    DrawArrow(c, 130, 50, 130, 20, bgr::Red);
    threadGiven(c);
    text(c, 15, 85, "y");
    text(c, 84, 145, "x");
    threadPoints(c);
    text(c, 135, 132, "P");
    sub(c, 46, 75, "T", "A");
    sub(c, 165, 80, "T", "B");
    sub(c, 100, 73, "T", "A");
    sub(c, 150, 55, "T", "B");
    sub(c, 135, 25, "T", "C");
    threadAngles(c);
}

namespace {
// The bent bar: a horizontal part from the wall to A, a vertical part down to C.
void bentBar(Canvas& c)
{
    c.Polygon({{30, 60}, {160, 60}, {160, 120}, {150, 120}, {150, 70}, {30, 70}});
}

void barPoints(Canvas& c)
{
    text(c, 45, 45, "B");
    text(c, 150, 45, "A");
    text(c, 150, 123, "C");
}
} // namespace

void DrawSh5(Canvas& c)
{
    clearScheme(c);
    c.setPenColour(bgr::Black);
    polyline(c, {{10, 20}, {10, 140}, {250, 140}});
    c.Arc(130, 100, 170, 140, 150, 100, 120, 90);
    c.setBrushColour(bgr::Grey);
    c.setBrushStyle(BrushStyle::Hatch);
    c.Rectangle(20, 50, 40, 80);
    c.setBrushStyle(BrushStyle::Solid);
    bentBar(c);
    DrawArrow(c, 150, 120, 120, 90, bgr::Magenta);
    beamAxes(c);
    text(c, 60, 20, QT_TRANSLATE_NOOP("ReferencePictures", "Дано : AB = b, AC = a,"));
    vector(c, 173, 19, "F");
    text(c, 179, 20, ",");
    barPoints(c);
    vector(c, 108, 90, "F");
    c.setFontFace(kSymbol);
    text(c, 183, 20, "a.");
    text(c, 136, 88, "a");
}

void DrawSh6(Canvas& c)
{
    clearScheme(c);
    polyline(c, {{10, 20}, {10, 140}, {250, 140}});
    c.Arc(130, 100, 170, 140, 150, 100, 120, 90);
    c.setBrushColour(bgr::Grey);
    c.setBrushStyle(BrushStyle::Solid);
    bentBar(c);
    c.setPenColour(bgr::Red);
    c.setPenWidth(2);
    c.Arc(25, 50, 55, 80, 35, 40, 40, 80);
    DrawArrow(c, 40, 79, 45, 79, bgr::Red);
    DrawArrow(c, 150, 120, 120, 90, bgr::Magenta);
    DrawArrow(c, 40, 65, 70, 65, bgr::Red);
    DrawArrow(c, 40, 65, 40, 35, bgr::Red);
    beamAxes(c);
    text(c, 60, 20, QT_TRANSLATE_NOOP("ReferencePictures", "Дано : AB = b, AC = a,"));
    text(c, 173, 20, "F");
    text(c, 179, 20, ",");
    barPoints(c);
    text(c, 108, 90, "F");
    sub(c, 20, 30, "Y", "B");
    sub(c, 55, 72, "X", "B");
    sub(c, 30, 85, "M", "B");
    c.setFontFace(kSymbol);
    text(c, 183, 20, "a.");
    text(c, 136, 88, "a");
}

namespace {
// The pencil leaning in the glass, drawn with a pen 2 px wide.
void pencil(Canvas& c)
{
    c.setPenWidth(2);
    polyline(c, {{80, 30}, {78, 45}, {40, 130}, {30, 125}, {70, 40}, {80, 30}});
    DrawArrow(c, 56, 80, 56, 110, bgr::Magenta);
}
} // namespace

void DrawIm(Canvas& c)
{
    polyline(c, {{20, 60}, {20, 140}, {80, 140}, {80, 60}});
    polyline(c, {{30, 60}, {30, 130}, {70, 130}, {70, 60}});
    c.Arc(10, 100, 50, 140, 75, 40, 30, 60);
    c.setBrushColour(bgr::Grey);
    c.setBrushStyle(BrushStyle::Hatch);
    c.Rectangle(10, 140, 90, 150);
    pencil(c);
    label(c, 100, 20, kGiven);
    vector(c, 135, 19, "P");
    text(c, 143, 20, ",");
    text(c, 22, 120, "A");
    text(c, 48, 116, "D");
    text(c, 72, 62, "B");
    vector(c, 60, 110, "P");
    c.setFontFace(kSymbol);
    text(c, 148, 20, "a.");
    text(c, 35, 80, "a");
}

void DrawIm2(Canvas& c)
{
    polyline(c, {{110, 110}, {110, 140}, {140, 140}});
    polyline(c, {{70, 60}, {30, 60}});
    c.Arc(40, 30, 100, 90, 30, 40, 30, 61);
    pencil(c);
    DrawArrow(c, 30, 125, 70, 125, bgr::Red);
    DrawArrow(c, 40, 130, 40, 90, bgr::Red);
    DrawArrow(c, 70, 60, 30, 40, bgr::Red);
    label(c, 100, 20, kGiven);
    text(c, 135, 20, "P");
    text(c, 143, 20, ",");
    text(c, 22, 120, "A");
    text(c, 43, 128, "D");
    text(c, 72, 62, "B");
    vector(c, 63, 100, "P");
    text(c, 115, 107, "y");
    text(c, 135, 141, "x");
    sub(c, 13, 32, "R", "B");
    sub(c, 20, 80, "R", "D");
    sub(c, 75, 120, "R", "A");
    c.setFontFace(kSymbol);
    text(c, 148, 20, "a.");
    text(c, 30, 45, "a");
}
