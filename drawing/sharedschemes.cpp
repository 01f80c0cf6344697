#include "drawing/sharedschemes.h"

#include <QCoreApplication>

#include "drawing/sketch.h"

using namespace Qt::StringLiterals;

namespace {
// The texts written where they are used, translated with tr() in one context.
class SchemesTexts {
    Q_DECLARE_TR_FUNCTIONS(Schemes)
};
} // namespace

void DrawHingedBeamOnPlane(Canvas& c)
{
    Sketch s(c);
    s.clearPicture();
    s.brush(bgr::Grey);
    s.axes();
    s.rectangle(60, 100, 220, 95);
    s.line({{50, 110}, {60, 100}, {70, 110}});
    s.arc(180, 95, 220, 135, 240, 115, 240, 80);
    s.penWidth(2);
    s.line({{200, 115}, {240, 80}});
    s.brushHatched();
    s.penWidth(0);
    s.rectangle(200, 120, 250, 115);
    s.rectangle(45, 115, 75, 110);
    s.brushSolid();
    s.brush(bgr::White);
    s.ellipse(55, 93, 65, 103);
    s.pen(bgr::Magenta);
    s.penWidth(2);
    s.arc(100, 80, 140, 120, 120, 80, 120, 120);
    s.arrow(120, 118, 125, 118, bgr::Magenta);
    s.arrow(140, 100, 140, 120, bgr::Magenta);
    s.vector(150, 110, u"P"_s);
    s.vector(126, 70, u"M"_s);
    s.axisLabels();
    s.label(60, 79, u"A"_s);
    s.label(140, 80, u"C"_s);
    s.label(214, 80, u"B"_s);
    s.label(40, 20, SchemesTexts::tr("Дано : AB = 2b,"));
    s.vector(119, 19, u"M"_s);
    s.label(127, 20, u","_s);
    s.vector(131, 19, u"P"_s);
    s.label(138, 20, u","_s);
    s.font(kSymbolFace);
    s.label(141, 20, u"a."_s);
    s.label(222, 98, u"  a"_s);
}

void DrawHingedBeamFreed(Canvas& c)
{
    Sketch s(c);
    s.clearPicture();
    s.dotted(220, 100, 220, 60);
    s.arc(200, 80, 240, 120, 220, 70, 190, 70);
    s.brush(bgr::Grey);
    s.axes();
    s.rectangle(60, 100, 220, 95);
    s.brushSolid();
    s.brush(bgr::White);
    s.pen(bgr::Magenta);
    s.penWidth(2);
    s.arc(100, 80, 140, 120, 120, 80, 120, 120);
    s.arrow(120, 118, 125, 118, bgr::Magenta);
    s.arrow(140, 100, 140, 120, bgr::Magenta);
    s.arrow(220, 95, 190, 70, bgr::Red);
    s.arrow(60, 97, 80, 97, bgr::Red);
    s.arrow(60, 97, 60, 77, bgr::Red);
    s.vector(150, 110, u"P"_s);
    s.vector(126, 70, u"M"_s);
    s.axisLabels();
    s.label(55, 101, u"A"_s);
    s.label(140, 80, u"C"_s);
    s.label(214, 101, u"B"_s);
    s.label(175, 70, u"R"_s, u"B"_s);
    s.label(68, 101, u"X"_s, u"A"_s);
    s.label(65, 70, u"Y"_s, u"A"_s);
    s.label(40, 20, SchemesTexts::tr("Дано : AB = 2b,"));
    s.label(119, 20, u"M"_s);
    s.label(127, 20, u","_s);
    s.label(131, 20, u"P"_s);
    s.label(138, 20, u","_s);
    s.font(kSymbolFace);
    s.label(141, 20, u"a."_s);
    s.label(205, 66, u"a"_s);
}

namespace {
// The given data, the points and the angles that both thread schemes write.
void threadGiven(Sketch& s)
{
    s.label(20, 20, SchemesTexts::tr("Дано :"));
    s.vector(20, 39, u"P"_s);
    s.label(27, 40, u"-"_s);
    s.label(35, 40, SchemesTexts::tr("вес балки."));
    s.label(20, 56, u"AO = a, OB = b."_s);
}

void threadPoints(Sketch& s)
{
    s.label(27, 110, u"A"_s);
    s.label(223, 110, u"K"_s);
    s.label(170, 121, u"B"_s);
    s.label(125, 95, u"O"_s);
    s.label(125, 58, u"D"_s);
}

void threadAngles(Sketch& s)
{
    s.font(kSymbolFace);
    s.label(60, 20, u"a, b,"_s);
    s.label(70, 93, u"a"_s);
    s.label(140, 93, u"b"_s);
}
} // namespace

void DrawBeamOnThreads(Canvas& c)
{
    Sketch s(c);
    s.clearPicture();
    s.pen(bgr::Black);
    s.line({{40, 110}, {130, 50}, {170, 110}});
    s.line({{130, 50}, {130, 30}});
    s.arc(20, 90, 60, 130, 80, 110, 130, 50);
    s.arc(150, 90, 190, 130, 130, 50, 130, 110);
    s.brush(bgr::Grey);
    s.rectangle(40, 110, 220, 120);
    s.brushHatched();
    s.rectangle(110, 20, 150, 30);
    s.arrow(130, 120, 130, 140, bgr::Magenta);
    threadGiven(s);
    threadPoints(s);
    s.label(135, 30, u"C"_s);
    s.vector(135, 132, u"P"_s);
    threadAngles(s);
}

void DrawBeamThreadTensions(Canvas& c)
{
    Sketch s(c);
    s.clearPicture();
    s.pen(bgr::Black);
    s.line({{10, 90}, {10, 150}, {80, 150}});
    s.dotted(130, 50, 130, 110);
    s.arc(20, 90, 60, 130, 80, 110, 130, 50);
    s.arc(150, 90, 190, 130, 130, 50, 130, 110);
    s.brush(bgr::Grey);
    s.rectangle(40, 110, 220, 120);
    s.arrow(130, 120, 130, 140, bgr::Magenta);
    s.arrow(40, 110, 70, 90, bgr::Red);
    s.arrow(170, 110, 154, 85, bgr::Red);
    s.arrow(130, 50, 100, 70, bgr::Red);
    s.arrow(130, 50, 146, 75, bgr::Red);
    s.arrow(130, 50, 130, 20, bgr::Red);
    threadGiven(s);
    s.label(15, 85, u"y"_s);
    s.label(84, 145, u"x"_s);
    threadPoints(s);
    s.label(135, 132, u"P"_s);
    s.label(46, 75, u"T"_s, u"A"_s);
    s.label(165, 80, u"T"_s, u"B"_s);
    s.label(100, 73, u"T"_s, u"A"_s);
    s.label(150, 55, u"T"_s, u"B"_s);
    s.label(135, 25, u"T"_s, u"C"_s);
    threadAngles(s);
}

void DrawBentBeamInWall(Canvas& c)
{
    Sketch s(c);
    s.clearPicture();
    s.pen(bgr::Black);
    s.axes();
    s.arc(130, 100, 170, 140, 150, 100, 120, 90);
    s.brush(bgr::Grey);
    s.brushHatched();
    s.rectangle(20, 50, 40, 80);
    s.brushSolid();
    s.polygon({{30, 60}, {160, 60}, {160, 120}, {150, 120}, {150, 70}, {30, 70}});
    s.arrow(150, 120, 120, 90, bgr::Magenta);
    s.axisLabels();
    s.label(60, 20, SchemesTexts::tr("Дано : AB = b, AC = a,"));
    s.vector(173, 19, u"F"_s);
    s.label(179, 20, u","_s);
    s.label(45, 45, u"B"_s);
    s.label(150, 45, u"A"_s);
    s.label(150, 123, u"C"_s);
    s.vector(108, 90, u"F"_s);
    s.font(kSymbolFace);
    s.label(183, 20, u"a."_s);
    s.label(136, 88, u"a"_s);
}

void DrawBentBeamFreed(Canvas& c, FixingArc arc)
{
    Sketch s(c);
    s.clearPicture();
    s.axes();
    s.arc(130, 100, 170, 140, 150, 100, 120, 90);
    s.brush(bgr::Grey);
    s.brushSolid();
    s.polygon({{30, 60}, {160, 60}, {160, 120}, {150, 120}, {150, 70}, {30, 70}});
    s.pen(bgr::Red);
    s.penWidth(2);
    s.arc(25, 50, 55, 80, 35, 40, 40, 80);
    s.arrow(40, 79, 45, 79, bgr::Red);
    s.arrow(150, 120, 120, 90, bgr::Magenta);
    s.arrow(40, 65, 70, 65, bgr::Red);
    s.arrow(40, 65, 40, 35, bgr::Red);
    s.axisLabels();
    s.label(60, 20, SchemesTexts::tr("Дано : AB = b, AC = a,"));
    s.label(173, 20, u"F"_s);
    s.label(179, 20, u","_s);
    s.label(45, 45, u"B"_s);
    s.label(150, 45, u"A"_s);
    s.label(150, 123, u"C"_s);
    s.label(108, 90, u"F"_s);
    s.label(20, 30, u"Y"_s, u"B"_s);
    s.label(55, 72, u"X"_s, u"B"_s);
    s.label(30, 85, u"M"_s, u"B"_s);
    if (arc == FixingArc::Twice)
        s.arc(25, 50, 55, 80, 35, 40, 40, 80, bgr::Red, 1);
    s.font(kSymbolFace);
    s.label(183, 20, u"a."_s);
    s.label(136, 88, u"a"_s);
}

void DrawDiscWithCouple(Canvas& c)
{
    Sketch s(c);
    s.brush(bgr::Yellow);
    s.ellipse(50, 80, 110, 140);
    s.dotted(55, 110, 105, 110, bgr::Black);
    s.arrow(80, 110, 80, 170, bgr::Magenta);
    s.arrow(50, 110, 50, 50, bgr::Magenta);
    s.arrow(110, 110, 140, 110, bgr::Red);
    s.arrow(110, 110, 110, 75, bgr::Red);
    s.penWidth(3);
    s.arc(90, 90, 130, 130, 95, 70, 110, 140);
    s.arrow(110, 130, 115, 130, bgr::Red);
    s.vector(57, 55, u"F"_s);
    s.vector(70, 150, u"P"_s);
    s.label(115, 70, u"Y"_s, u"B"_s);
    s.label(135, 90, u"X"_s, u"B"_s);
    s.label(115, 133, u"M"_s, u"B"_s);
    s.label(40, 110, u"A"_s);
    s.label(115, 95, u"B"_s);
    s.labelOn(70, 115, u"C"_s, bgr::Yellow);
    s.label(20, 10, SchemesTexts::tr("Дано :"));
    s.vector(55, 10, u"P"_s);
    s.label(65, 10, u"="_s);
    s.label(75, 10, u"-"_s);
    s.vector(80, 10, u"F"_s);
    s.label(87, 10, u"."_s);
    s.label(20, 25, SchemesTexts::tr("a - радиус диска."));
}
