#include "reference/ponpictures.h"

#include <QCoreApplication>

#include "drawing/sharedschemes.h"
#include "drawing/sketch.h"

using namespace Qt::StringLiterals;

namespace {
// The texts written where they are used, translated with tr() in one context.
class ReferencePicturesTexts {
    Q_DECLARE_TR_FUNCTIONS(ReferencePictures)
};
} // namespace

void DrawImage1(Canvas& c)
{
    Sketch s(c);
    s.brush(bgr::Yellow);
    s.ellipse(50, 50, 110, 110);
    s.dotted(55, 80, 105, 80, bgr::Black);
    s.dotted(80, 80, 101, 59, bgr::Red);
    s.dotted(80, 80, 59, 59, bgr::Red);
    s.arrow(80, 80, 80, 140, bgr::Magenta);
    s.arrow(101, 59, 120, 40, bgr::Red);
    s.arrow(59, 59, 40, 40, bgr::Red);
    s.penSolid();
    s.pen(bgr::Black);
    s.brush(bgr::Yellow);
    s.penWidth(0);
    s.arc(65, 65, 95, 95, 110, 80, 110, 50);
    s.arc(65, 65, 95, 95, 50, 50, 60, 80);
    s.vector(125, 35, u"R"_s, u"B"_s);
    s.vector(50, 35, u"R"_s, u"A"_s);
    s.vector(87, 130, u"G"_s);
    s.labelOn(85, 85, u"C"_s, bgr::Yellow);
    s.labelOn(65, 55, u"A"_s, bgr::Yellow);
    s.labelOn(85, 55, u"B"_s, bgr::Yellow);
    s.label(20, 10, ReferencePicturesTexts::tr("Дано :"));
    s.vector(80, 9, u"G"_s);
    s.font(kSymbolFace);
    s.text(90, 10, u", a, b"_s);
    s.labelOn(56, 65, u"a"_s, bgr::Yellow);
    s.labelOn(96, 65, u"b"_s, bgr::Yellow);
}

void DrawImage2(Canvas& c)
{
    DrawDiscWithCouple(c);
}

void DrawImage3(Canvas& c)
{
    Sketch s(c);
    s.arc(10, 110, 50, 150, 140, 130, 140, 40);
    s.arc(90, 20, 130, 60, 140, 40, 30, 130);
    s.line({{10, 150}, {10, 10}});
    s.line({{10, 150}, {140, 150}});
    s.dotted(30, 150, 30, 40, bgr::Black);
    s.dotted(110, 150, 110, 40, bgr::Black);
    s.dotted(10, 130, 140, 130, bgr::Black);
    s.dotted(10, 40, 140, 40, bgr::Black);
    s.arrow(110, 40, 30, 130, bgr::Magenta);
    s.label(15, 10, u"y"_s);
    s.label(140, 147, u"x"_s);
    s.vector(45, 90, u"F"_s);
    s.font(kSymbolFace);
    s.label(55, 110, u"g"_s);
    s.label(80, 25, u"a"_s);
}

void DrawImage4(Canvas& c)
{
    Sketch s(c);
    s.line({{60, 130}, {30, 130}, {30, 100}});
    s.line({{30, 130}, {10, 150}});
    s.brush(bgr::Yellow);
    s.ellipse(60, 20, 140, 60);
    s.arc(90, 30, 110, 50, 90, 20, 80, 60);
    s.brush(bgr::White);
    s.dotted(100, 40, 40, 100, bgr::Black);
    s.dotted(100, 40, 140, 130, bgr::Black);
    s.dotted(60, 80, 140, 130, bgr::Black);
    s.brush(bgr::Yellow);
    s.dotted(100, 40, 90, 20, bgr::Black);
    s.arrow(100, 40, 70, 70, bgr::Magenta);
    s.arrow(140, 130, 100, 40, bgr::Black);
    s.label(20, 100, u"y"_s);
    s.label(55, 131, u"x"_s);
    s.label(20, 141, u"z"_s);
    s.label(130, 130, u"B"_s);
    s.label(80, 100, u"h"_s);
    s.vector(125, 70, u"r"_s);
    s.vector(60, 55, u"F"_s);
    s.labelOn(110, 30, u"A"_s, bgr::Yellow);
    s.font(kSymbolFace);
    s.labelOn(81, 32, u"a"_s, bgr::Yellow);
}

void DrawImage5(Canvas& c)
{
    Sketch s(c);
    s.dotted(20, 150, 110, 150, bgr::Black);
    s.dotted(20, 150, 20, 100, bgr::Black);
    s.dotted(110, 100, 110, 40, bgr::Black);
    s.dotted(110, 150, 110, 100, bgr::Magenta);
    s.dotted(110, 40, 50, 40, bgr::Black);
    s.dotted(50, 40, 50, 100, bgr::Black);
    s.dotted(50, 100, 20, 100, bgr::Magenta);
    s.penSolid();
    s.pen(bgr::Black);
    s.brush(bgr::Yellow);
    s.ellipse(50, 70, 110, 130);
    s.rectangle(75, 40, 85, 72);
    s.arc(100, 90, 120, 110, 50, 110, 20, 150);
    s.pen(bgr::Yellow);
    s.line({{85, 71}, {75, 71}});
    s.font(kSymbolFace);
    s.labelOn(83, 99, u"a"_s, bgr::Yellow);
    s.dotted(80, 130, 80, 40, bgr::Black);
    s.dotted(50, 100, 110, 100, bgr::Magenta);
    s.arrow(110, 100, 20, 150, bgr::Magenta);
    s.arrow(25, 100, 20, 100, bgr::Magenta);
    s.arrow(110, 145, 110, 150, bgr::Magenta);
    s.font(kSansSerifFace);
    s.label(70, 25, u"O"_s);
    s.label(115, 100, u"B"_s);
    s.label(65, 57, u"A"_s);
    s.label(90, 20, u"h"_s, u"2"_s);
    s.label(35, 65, u"h"_s, u"1"_s);
    s.vector(60, 135, u"F"_s);
    s.vector(10, 78, u"F"_s, u"1"_s);
    s.vector(117, 140, u"F"_s, u"2"_s);
    s.labelOn(65, 85, u"C"_s, bgr::Yellow);
    s.label(20, 10, ReferencePicturesTexts::tr("Дано :"));
    s.vector(55, 10, u"F"_s);
    s.label(63, 10, u","_s);
    s.label(70, 10, u"R,"_s);
    s.label(100, 10, u"OA=R"_s);
    s.font(kSymbolFace);
    s.label(85, 10, u"a,"_s);
}

void DrawImage6(Canvas& c)
{
    Sketch s(c);
    s.line({{150, 140}, {20, 140}, {20, 30}});
    s.brush(bgr::Yellow);
    s.ellipse(90, 50, 150, 110);
    s.rectangle(50, 75, 92, 85);
    s.font(kSymbolFace);
    s.labelOn(123, 67, u"a"_s, bgr::Yellow);
    s.arc(100, 30, 140, 70, 120, 80, 170, 120);
    s.pen(bgr::Yellow);
    s.line({{91, 75}, {91, 85}});
    s.dotted(90, 80, 150, 80, bgr::Black);
    s.dotted(120, 50, 120, 110, bgr::Black);
    s.arrow(120, 50, 170, 120, bgr::Magenta);
    s.arrow(60, 80, 60, 40, bgr::Red);
    s.arrow(60, 80, 90, 80, bgr::Red);
    s.penWidth(2);
    s.penSolid();
    s.arc(40, 60, 80, 100, 50, 30, 60, 150);
    s.arrow(60, 100, 65, 100, bgr::Red);
    s.font(kSansSerifFace);
    s.label(25, 30, u"y"_s);
    s.label(145, 141, u"x"_s);
    s.label(150, 120, u"F"_s);
    s.label(110, 36, u"B"_s);
    s.label(65, 60, u"A"_s);
    s.label(68, 40, u"Y"_s, u"A"_s);
    s.label(73, 87, u"X"_s, u"A"_s);
    s.label(60, 107, u"M"_s, u"A"_s);
    s.labelOn(123, 83, u"O"_s, bgr::Yellow);
    s.labelOn(95, 67, u"C"_s, bgr::Yellow);
    s.label(20, 10, ReferencePicturesTexts::tr("Дано :"));
    s.label(55, 10, u"F"_s);
    s.label(63, 10, u","_s);
    s.label(76, 10, u", AC=CO=R"_s);
    s.font(kSymbolFace);
    s.label(67, 10, u"a"_s);
}
