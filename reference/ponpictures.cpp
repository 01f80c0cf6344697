#include "reference/ponpictures.h"

#include "platform/language.h"

#include <QCoreApplication>

#include "reference/schemetools.h"

using namespace scheme;

namespace {
const QString kSymbol = QStringLiteral("Symbol");
const QString kSansSerif = QStringLiteral("MS Sans Serif");
const TranslatedText kGiven{"ReferencePictures", QT_TRANSLATE_NOOP("ReferencePictures", "Дано :")};
} // namespace

void DrawImage1(Canvas& c)
{
    c.setBrushColour(bgr::Yellow);
    c.Ellipse(50, 50, 110, 110);
    DrawDottedLine(c, 55, 80, 105, 80, bgr::Black);
    DrawDottedLine(c, 80, 80, 101, 59, bgr::Red);
    DrawDottedLine(c, 80, 80, 59, 59, bgr::Red);
    DrawArrow(c, 80, 80, 80, 140, bgr::Magenta);
    DrawArrow(c, 101, 59, 120, 40, bgr::Red);
    DrawArrow(c, 59, 59, 40, 40, bgr::Red);
    c.setPenStyle(PenStyle::Solid);
    c.setPenColour(bgr::Black);
    c.setBrushColour(bgr::Yellow);
    c.setPenWidth(0);
    c.Arc(65, 65, 95, 95, 110, 80, 110, 50);
    c.Arc(65, 65, 95, 95, 50, 50, 60, 80);
    DrawVectorLabelSub(c, 125, 35, QStringLiteral("R"), QStringLiteral("B"), bgr::White);
    DrawVectorLabelSub(c, 50, 35, QStringLiteral("R"), QStringLiteral("A"), bgr::White);
    DrawVectorLabel(c, 87, 130, QStringLiteral("G"), bgr::White);
    label(c, 85, 85, QStringLiteral("C"), bgr::Yellow);
    label(c, 65, 55, QStringLiteral("A"), bgr::Yellow);
    label(c, 85, 55, QStringLiteral("B"), bgr::Yellow);
    label(c, 20, 10, kGiven);
    DrawVectorLabel(c, 80, 9, QStringLiteral("G"), bgr::White);
    c.setFontFace(kSymbol);
    c.TextOut(90, 10, QStringLiteral(", a, b"));
    label(c, 56, 65, QStringLiteral("a"), bgr::Yellow);
    label(c, 96, 65, QStringLiteral("b"), bgr::Yellow);
}

void DrawImage2(Canvas& c)
{
    c.setBrushColour(bgr::Yellow);
    c.Ellipse(50, 80, 110, 140);
    DrawDottedLine(c, 55, 110, 105, 110, bgr::Black);
    DrawArrow(c, 80, 110, 80, 170, bgr::Magenta);
    DrawArrow(c, 50, 110, 50, 50, bgr::Magenta);
    DrawArrow(c, 110, 110, 140, 110, bgr::Red);
    DrawArrow(c, 110, 110, 110, 75, bgr::Red);
    c.setPenWidth(3);
    c.Arc(90, 90, 130, 130, 95, 70, 110, 140);
    DrawArrow(c, 110, 130, 115, 130, bgr::Red);
    DrawVectorLabel(c, 57, 55, QStringLiteral("F"), bgr::White);
    DrawVectorLabel(c, 70, 150, QStringLiteral("P"), bgr::White);
    DrawLabelSub(c, 115, 70, QStringLiteral("Y"), QStringLiteral("B"), bgr::White);
    DrawLabelSub(c, 135, 90, QStringLiteral("X"), QStringLiteral("B"), bgr::White);
    DrawLabelSub(c, 115, 133, QStringLiteral("M"), QStringLiteral("B"), bgr::White);
    label(c, 40, 110, QStringLiteral("A"));
    label(c, 115, 95, QStringLiteral("B"));
    label(c, 70, 115, QStringLiteral("C"), bgr::Yellow);
    label(c, 20, 10, kGiven);
    DrawVectorLabel(c, 55, 10, QStringLiteral("P"), bgr::White);
    label(c, 65, 10, QStringLiteral("="));
    label(c, 75, 10, QStringLiteral("-"));
    DrawVectorLabel(c, 80, 10, QStringLiteral("F"), bgr::White);
    label(c, 87, 10, QStringLiteral("."));
    label(c, 20, 25, QCoreApplication::translate("ReferencePictures", "a - радиус диска."));
}

void DrawImage3(Canvas& c)
{
    c.Arc(10, 110, 50, 150, 140, 130, 140, 40);
    c.Arc(90, 20, 130, 60, 140, 40, 30, 130);
    polyline(c, {{10, 150}, {10, 10}});
    polyline(c, {{10, 150}, {140, 150}});
    DrawDottedLine(c, 30, 150, 30, 40, bgr::Black);
    DrawDottedLine(c, 110, 150, 110, 40, bgr::Black);
    DrawDottedLine(c, 10, 130, 140, 130, bgr::Black);
    DrawDottedLine(c, 10, 40, 140, 40, bgr::Black);
    DrawArrow(c, 110, 40, 30, 130, bgr::Magenta);
    label(c, 15, 10, QStringLiteral("y"));
    label(c, 140, 147, QStringLiteral("x"));
    DrawVectorLabel(c, 45, 90, QStringLiteral("F"), bgr::White);
    c.setFontFace(kSymbol);
    label(c, 55, 110, QStringLiteral("g"));
    label(c, 80, 25, QStringLiteral("a"));
}

void DrawImage4(Canvas& c)
{
    polyline(c, {{60, 130}, {30, 130}, {30, 100}});
    polyline(c, {{30, 130}, {10, 150}});
    c.setBrushColour(bgr::Yellow);
    c.Ellipse(60, 20, 140, 60);
    c.Arc(90, 30, 110, 50, 90, 20, 80, 60);
    c.setBrushColour(bgr::White);
    DrawDottedLine(c, 100, 40, 40, 100, bgr::Black);
    DrawDottedLine(c, 100, 40, 140, 130, bgr::Black);
    DrawDottedLine(c, 60, 80, 140, 130, bgr::Black);
    c.setBrushColour(bgr::Yellow);
    DrawDottedLine(c, 100, 40, 90, 20, bgr::Black);
    DrawArrow(c, 100, 40, 70, 70, bgr::Magenta);
    DrawArrow(c, 140, 130, 100, 40, bgr::Black);
    label(c, 20, 100, QStringLiteral("y"));
    label(c, 55, 131, QStringLiteral("x"));
    label(c, 20, 141, QStringLiteral("z"));
    label(c, 130, 130, QStringLiteral("B"));
    label(c, 80, 100, QStringLiteral("h"));
    DrawVectorLabel(c, 125, 70, QStringLiteral("r"), bgr::White);
    DrawVectorLabel(c, 60, 55, QStringLiteral("F"), bgr::White);
    label(c, 110, 30, QStringLiteral("A"), bgr::Yellow);
    c.setFontFace(kSymbol);
    label(c, 81, 32, QStringLiteral("a"), bgr::Yellow);
}

void DrawImage5(Canvas& c)
{
    DrawDottedLine(c, 20, 150, 110, 150, bgr::Black);
    DrawDottedLine(c, 20, 150, 20, 100, bgr::Black);
    DrawDottedLine(c, 110, 100, 110, 40, bgr::Black);
    DrawDottedLine(c, 110, 150, 110, 100, bgr::Magenta);
    DrawDottedLine(c, 110, 40, 50, 40, bgr::Black);
    DrawDottedLine(c, 50, 40, 50, 100, bgr::Black);
    DrawDottedLine(c, 50, 100, 20, 100, bgr::Magenta);
    c.setPenStyle(PenStyle::Solid);
    c.setPenColour(bgr::Black);
    c.setBrushColour(bgr::Yellow);
    c.Ellipse(50, 70, 110, 130);
    c.Rectangle(75, 40, 85, 72);
    c.Arc(100, 90, 120, 110, 50, 110, 20, 150);
    c.setPenColour(bgr::Yellow);
    polyline(c, {{85, 71}, {75, 71}});
    c.setFontFace(kSymbol);
    label(c, 83, 99, QStringLiteral("a"), bgr::Yellow);
    DrawDottedLine(c, 80, 130, 80, 40, bgr::Black);
    DrawDottedLine(c, 50, 100, 110, 100, bgr::Magenta);
    DrawArrow(c, 110, 100, 20, 150, bgr::Magenta);
    DrawArrow(c, 25, 100, 20, 100, bgr::Magenta);
    DrawArrow(c, 110, 145, 110, 150, bgr::Magenta);
    c.setFontFace(kSansSerif);
    label(c, 70, 25, QStringLiteral("O"));
    label(c, 115, 100, QStringLiteral("B"));
    label(c, 65, 57, QStringLiteral("A"));
    DrawLabelSub(c, 90, 20, QStringLiteral("h"), QStringLiteral("2"), bgr::White);
    DrawLabelSub(c, 35, 65, QStringLiteral("h"), QStringLiteral("1"), bgr::White);
    DrawVectorLabel(c, 60, 135, QStringLiteral("F"), bgr::White);
    DrawVectorLabelSub(c, 10, 78, QStringLiteral("F"), QStringLiteral("1"), bgr::White);
    DrawVectorLabelSub(c, 117, 140, QStringLiteral("F"), QStringLiteral("2"), bgr::White);
    label(c, 65, 85, QStringLiteral("C"), bgr::Yellow);
    label(c, 20, 10, kGiven);
    DrawVectorLabel(c, 55, 10, QStringLiteral("F"), bgr::White);
    label(c, 63, 10, QStringLiteral(","));
    label(c, 70, 10, QStringLiteral("R,"));
    label(c, 100, 10, QStringLiteral("OA=R"));
    c.setFontFace(kSymbol);
    label(c, 85, 10, QStringLiteral("a,"));
}

void DrawImage6(Canvas& c)
{
    polyline(c, {{150, 140}, {20, 140}, {20, 30}});
    c.setBrushColour(bgr::Yellow);
    c.Ellipse(90, 50, 150, 110);
    c.Rectangle(50, 75, 92, 85);
    c.setFontFace(kSymbol);
    label(c, 123, 67, QStringLiteral("a"), bgr::Yellow);
    c.Arc(100, 30, 140, 70, 120, 80, 170, 120);
    c.setPenColour(bgr::Yellow);
    polyline(c, {{91, 75}, {91, 85}});
    DrawDottedLine(c, 90, 80, 150, 80, bgr::Black);
    DrawDottedLine(c, 120, 50, 120, 110, bgr::Black);
    DrawArrow(c, 120, 50, 170, 120, bgr::Magenta);
    DrawArrow(c, 60, 80, 60, 40, bgr::Red);
    DrawArrow(c, 60, 80, 90, 80, bgr::Red);
    c.setPenWidth(2);
    c.setPenStyle(PenStyle::Solid);
    c.Arc(40, 60, 80, 100, 50, 30, 60, 150);
    DrawArrow(c, 60, 100, 65, 100, bgr::Red);
    c.setFontFace(kSansSerif);
    label(c, 25, 30, QStringLiteral("y"));
    label(c, 145, 141, QStringLiteral("x"));
    label(c, 150, 120, QStringLiteral("F"));
    label(c, 110, 36, QStringLiteral("B"));
    label(c, 65, 60, QStringLiteral("A"));
    DrawLabelSub(c, 68, 40, QStringLiteral("Y"), QStringLiteral("A"), bgr::White);
    DrawLabelSub(c, 73, 87, QStringLiteral("X"), QStringLiteral("A"), bgr::White);
    DrawLabelSub(c, 60, 107, QStringLiteral("M"), QStringLiteral("A"), bgr::White);
    label(c, 123, 83, QStringLiteral("O"), bgr::Yellow);
    label(c, 95, 67, QStringLiteral("C"), bgr::Yellow);
    label(c, 20, 10, kGiven);
    label(c, 55, 10, QStringLiteral("F"));
    label(c, 63, 10, QStringLiteral(","));
    label(c, 76, 10, QStringLiteral(", AC=CO=R"));
    c.setFontFace(kSymbol);
    label(c, 67, 10, QStringLiteral("a"));
}
