#include "reference/svyazpictures.h"

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

// The schemes of the first three pages are the control tasks' schemes as well.
void DrawSh(Canvas& c)
{
    DrawHingedBeamOnPlane(c);
}

void DrawSh2(Canvas& c)
{
    DrawHingedBeamFreed(c);
}

void DrawSh3(Canvas& c)
{
    DrawBeamOnThreads(c);
}

void DrawSh4(Canvas& c)
{
    DrawBeamThreadTensions(c);
}

void DrawSh5(Canvas& c)
{
    DrawBentBeamInWall(c);
}

void DrawSh6(Canvas& c)
{
    DrawBentBeamFreed(c);
}

namespace {
// The pencil leaning in the glass, drawn with a pen 2 px wide, and its weight.
void pencil(Sketch& s)
{
    s.penWidth(2);
    s.line({{80, 30}, {78, 45}, {40, 130}, {30, 125}, {70, 40}, {80, 30}});
    s.arrow(56, 80, 56, 110, bgr::Magenta);
}
} // namespace

void DrawIm(Canvas& c)
{
    Sketch s(c);
    s.line({{20, 60}, {20, 140}, {80, 140}, {80, 60}});
    s.line({{30, 60}, {30, 130}, {70, 130}, {70, 60}});
    s.arc(10, 100, 50, 140, 75, 40, 30, 60);
    s.brush(bgr::Grey);
    s.brushHatched();
    s.rectangle(10, 140, 90, 150);
    pencil(s);
    s.label(100, 20, ReferencePicturesTexts::tr("Дано :"));
    s.vector(135, 19, u"P"_s);
    s.label(143, 20, u","_s);
    s.label(22, 120, u"A"_s);
    s.label(48, 116, u"D"_s);
    s.label(72, 62, u"B"_s);
    s.vector(60, 110, u"P"_s);
    s.font(kSymbolFace);
    s.label(148, 20, u"a."_s);
    s.label(35, 80, u"a"_s);
}

void DrawIm2(Canvas& c)
{
    Sketch s(c);
    s.line({{110, 110}, {110, 140}, {140, 140}});
    s.line({{70, 60}, {30, 60}});
    s.arc(40, 30, 100, 90, 30, 40, 30, 61);
    pencil(s);
    s.arrow(30, 125, 70, 125, bgr::Red);
    s.arrow(40, 130, 40, 90, bgr::Red);
    s.arrow(70, 60, 30, 40, bgr::Red);
    s.label(100, 20, ReferencePicturesTexts::tr("Дано :"));
    s.label(135, 20, u"P"_s);
    s.label(143, 20, u","_s);
    s.label(22, 120, u"A"_s);
    s.label(43, 128, u"D"_s);
    s.label(72, 62, u"B"_s);
    s.vector(63, 100, u"P"_s);
    s.label(115, 107, u"y"_s);
    s.label(135, 141, u"x"_s);
    s.label(13, 32, u"R"_s, u"B"_s);
    s.label(20, 80, u"R"_s, u"D"_s);
    s.label(75, 120, u"R"_s, u"A"_s);
    s.font(kSymbolFace);
    s.label(148, 20, u"a."_s);
    s.label(30, 45, u"a"_s);
}
