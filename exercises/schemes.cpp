#include "exercises/schemes.h"

#include <QCoreApplication>
#include <QStringList>

#include <array>

#include "drawing/sharedschemes.h"
#include "drawing/sketch.h"

using namespace Qt::StringLiterals;

namespace {
// The texts written where they are used, translated with tr() in one context.
class SchemesTexts {
    Q_DECLARE_TR_FUNCTIONS(Schemes)
};

// The problem texts the schemes put into the statement label.
constexpr const char* kExampleProblem = QT_TRANSLATE_NOOP("Schemes", "    Однородная горизонтальная балка AB опирается на наклонную плоскость и на острие в т. D. Поверхность балки  и наклонная плоскость абсолютно гладкие. Определить силу F, которая обеспечивает равновесие.");
constexpr const char* kTask0Problem = QT_TRANSLATE_NOOP("Schemes", "     Однородная колонна весом P опирается на вертикальную стену и на штифт в точке С. Поверхности горизонтальной балки и стены абсолютно гладкие. Весом балки пренебречь. На балку и колонну действуют пары сил с одинаковым по модулю моментом М. ");
constexpr const char* kTask0Parts = QT_TRANSLATE_NOOP("Schemes", "    На каждое из рассматриваемых тел дейст- вует произвольная плоская система сил. Си- ловая нагрузка и геометрические размеры ко- нструкции известны. Подумайте, можно ли ре- шить эту задачу ?");
constexpr const char* kTask0Column = QT_TRANSLATE_NOOP("Schemes", "Подумайте, какие уравнения равновесия мож- но сейчас составить.");
constexpr const char* kTask1Problem = QT_TRANSLATE_NOOP("Schemes", "    Однородная горизонтальная балка AB опи- рается на наклонную плоскость в т. B и за- креплена цилиндрическим шарниром в т. A. Поверхность балки и наклонная плоскость абсолютно гладкие.");
constexpr const char* kTask2Problem = QT_TRANSLATE_NOOP("Schemes", "   К абсолютно твердому телу приложена не- которая система сил (красный цвет обозна- чает неизвестные силы, а пурпурный - задан- ные).");
constexpr const char* kTask3Problem = QT_TRANSLATE_NOOP("Schemes", "    Изогнутая под прямым углом балка заде- лана в стенку в точке B. Связь в точке B пре- пятствует не только поступательному пере- мещению тела, но и повороту его вокруг этой точки. Реакция в т. B характеризуется силой и парой сил с моментом заделки.");
constexpr const char* kTask4Problem = QT_TRANSLATE_NOOP("Schemes", "   Здесь связи представлены нитями. Балка AK подвешена на двух нитях, которые в точке D связаны с третьей, привязанной к потолку. Силы реакции, действующие на балку в точ- ках A и B, направлены вдоль нитей.");

// The scheme on the picture: the picture cleared, labels on white.
Sketch onPicture(Canvas& c)
{
    Sketch s(c);
    s.clearPicture();
    return s;
}

// The statement label covered (caption included) with the button face;
// labels on the button face.
Sketch clearedStatement(Canvas& c)
{
    Sketch s(c, kButtonFace);
    s.brush(kButtonFace);
    s.brushSolid();
    s.fillBox(0, 0, 355, 170);
    s.pen(bgr::Black);
    s.font(kSchemeFace);
    return s;
}

// Drawing on the statement label as it stands.
Sketch onStatement(Canvas& c)
{
    return Sketch(c, kButtonFace);
}

// A new problem text (a source text of the table above, translated here);
// what was drawn on the label belonged to the old one.
void setCaption(const SchemeTarget& t, const char* source)
{
    if (t.setCaption)
        t.setCaption(QCoreApplication::translate("Schemes", source));
    t.statement.discardDrawing();
}

// Worked example, the problem: beam AB on the knife edge D and the smooth
// inclined plane at B; the given forces G and F.
void exampleScheme1(const SchemeTarget& t)
{
    setCaption(t, kExampleProblem);
    Sketch s = onPicture(t.picture);
    s.axes();
    s.rectangle(60, 100, 220, 95, bgr::Grey, Fill::Solid);
    s.line({{90, 110}, {100, 100}, {110, 110}});
    s.arc(180, 95, 220, 135, 240, 115, 240, 80);
    s.line({{200, 115}, {240, 80}}, 2);
    s.rectangle(85, 115, 115, 110, bgr::Grey, Fill::Hatch);
    s.rectangle(200, 120, 250, 115, bgr::Grey, Fill::Hatch);
    s.arrow(140, 100, 140, 120, bgr::Magenta);
    s.arrow(30, 97, 58, 97, bgr::Magenta);
    s.vector(150, 110, u"G"_s);
    s.vector(40, 80, u"F"_s);
    s.axisLabels(137, 141);
    s.label(60, 80, u"A"_s);
    s.label(140, 80, u"C"_s);
    s.label(100, 80, u"D"_s);
    s.label(214, 80, u"B"_s);
    s.label(40, 20, SchemesTexts::tr("Дано : AB = 2b, AD = a,"));
    s.vector(159, 19, u"G"_s);
    s.label(168, 20, u","_s);
    s.symbol(173, 20, u"  a"_s);
    s.symbol(225, 97, u"  a"_s);
}

// Worked example, the beam freed: reactions R_D and R_B; the statement
// shows the moment about D (1) in 12-point type.
void exampleScheme2(const SchemeTarget& t)
{
    {
        Sketch s = onPicture(t.picture);
        s.axes();
        s.line({{220, 95}, {220, 70}});
        s.arc(200, 80, 240, 120, 220, 70, 190, 70);
        s.rectangle(60, 100, 220, 95, bgr::Grey, Fill::Solid);
        s.arrow(140, 100, 140, 120, bgr::Magenta);
        s.arrow(30, 97, 58, 97, bgr::Magenta);
        s.arrow(100, 100, 100, 70, bgr::Red);
        s.arrow(220, 95, 190, 70, bgr::Red);
        s.vector(150, 110, u"G"_s);
        s.vector(40, 80, u"F"_s);
        s.axisLabels(137, 141);
        s.label(60, 80, u"A"_s);
        s.label(140, 80, u"C"_s);
        s.label(107, 60, u"R"_s, u"D"_s);
        s.label(175, 70, u"R"_s, u"B"_s);
        s.label(220, 100, u"B"_s);
        s.label(100, 102, u"D"_s);
        s.symbol(205, 66, u"a"_s);
    }
    {
        Sketch s = clearedStatement(t.statement);
        s.fontSize(12);
        s.label(30, 10, SchemesTexts::tr("Дано : AB = 2b, AD = a, "));
        s.vector(200, 9, u"G"_s);
        s.label(10, 30, SchemesTexts::tr("Главный момент системы сил относительно"));
        s.label(10, 50, SchemesTexts::tr("точки D имеет вид :"));
        s.vector(10, 70, u"L"_s, u"D"_s);
        s.label(40, 70, u"="_s);
        s.vector(50, 70, u"M"_s, u"D"_s);
        s.bracketedVector(75, 70, u"R"_s, u"D"_s);
        s.label(110, 70, u"+"_s);
        s.vector(120, 70, u"M"_s, u"D"_s);
        s.bracketedVector(145, 70, u"F"_s);
        s.label(165, 70, u"+"_s);
        s.vector(175, 70, u"M"_s, u"D"_s);
        s.bracketedVector(200, 70, u"G"_s);
        s.label(223, 70, u"+"_s);
        s.vector(233, 70, u"M"_s, u"D"_s);
        s.bracketedVector(258, 70, u"R"_s, u"B"_s);
        s.label(293, 70, u"."_s);
        s.label(320, 70, u"(1)"_s);
        s.label(10, 100, SchemesTexts::tr("В (1) первое слагаемое имеет нулевой"));
        s.label(10, 120, SchemesTexts::tr("радиус-вектор; следовательно,"));
        s.vector(30, 140, u"M"_s, u"D"_s);
        s.bracketedVector(55, 140, u"R"_s, u"D"_s);
        s.label(90, 140, u"="_s);
        s.label(100, 140, u"0."_s);
        s.label(215, 9, u","_s);
        s.symbol(220, 9, u"a."_s);
    }
}

// Worked example: the main vector (1) and the moment about D (2).
void exampleScheme3(const SchemeTarget& t)
{
    Sketch s = clearedStatement(t.statement);
    s.label(30, 10, SchemesTexts::tr("Дано : AB = 2b, AD = a, "));
    s.vector(200, 9, u"G"_s);
    s.label(215, 9, u","_s);
    s.label(10, 30, SchemesTexts::tr("В рассматриваемом случае главный вектор"));
    s.label(10, 50, SchemesTexts::tr("системы равен :"));
    s.vector(30, 70, u"R"_s);
    s.label(50, 70, u"="_s);
    s.vector(60, 70, u"F"_s);
    s.label(80, 70, u"+"_s);
    s.vector(90, 70, u"G"_s);
    s.label(110, 70, u"+"_s);
    s.vector(120, 70, u"R"_s, u"D"_s);
    s.label(150, 70, u"+"_s);
    s.vector(160, 70, u"R"_s, u"B"_s);
    s.label(185, 70, u";"_s);
    s.label(320, 70, u"(1)"_s);
    s.label(10, 100, SchemesTexts::tr("Главный момент системы сил относительно"));
    s.label(10, 120, SchemesTexts::tr("точки D имеет вид :"));
    s.vector(10, 140, u"L"_s, u"D"_s);
    s.label(40, 140, u"="_s);
    s.vector(50, 140, u"M"_s, u"D"_s);
    s.bracketedVector(75, 140, u"R"_s, u"D"_s);
    s.label(110, 140, u"+"_s);
    s.vector(120, 140, u"M"_s, u"D"_s);
    s.bracketedVector(145, 140, u"F"_s);
    s.label(165, 140, u"+"_s);
    s.vector(175, 140, u"M"_s, u"D"_s);
    s.bracketedVector(200, 140, u"G"_s);
    s.label(223, 140, u"+"_s);
    s.vector(233, 140, u"M"_s, u"D"_s);
    s.bracketedVector(258, 140, u"R"_s, u"B"_s);
    s.label(293, 140, u"."_s);
    s.label(320, 140, u"(2)"_s);
    s.symbol(220, 9, u"a."_s);
}

// Worked example: the three scalar equilibrium equations (1).
void exampleScheme4(const SchemeTarget& t)
{
    Sketch s = clearedStatement(t.statement);
    s.label(10, 10, SchemesTexts::tr("Дано : AB = 2b, AD = a, "));
    s.vector(180, 9, u"G"_s);
    s.label(195, 9, u","_s);
    s.label(30, 35, u"X"_s);
    s.label(50, 35, u"="_s);
    s.label(60, 35, u"F"_s);
    s.label(80, 35, u"-"_s);
    s.label(90, 35, u"R"_s, u"B"_s);
    s.label(117, 35, u"sin"_s);
    s.label(157, 35, u"="_s);
    s.label(168, 35, u"0"_s);
    s.label(30, 65, u"Y"_s);
    s.label(50, 65, u"="_s);
    s.label(60, 65, u"R"_s, u"D"_s);
    s.label(90, 65, u"-"_s);
    s.label(100, 65, u"G"_s);
    s.label(120, 65, u"+"_s);
    s.label(130, 65, u"R"_s, u"B"_s);
    s.label(157, 65, u"cos"_s);
    s.label(197, 65, u"="_s);
    s.label(208, 65, u"0"_s);
    s.label(240, 65, u"(1)"_s);
    s.label(30, 95, u"M"_s, u"D"_s);
    s.label(60, 95, u"="_s);
    s.label(70, 95, u"R"_s, u"B"_s);
    s.label(97, 95, u"(2b-a)cos"_s);
    s.label(180, 95, u"-"_s);
    s.label(190, 95, u"G(b-a) =0"_s);
    s.symbol(200, 9, u"a."_s);
    s.symbol(139, 34, u"a"_s);
    s.symbol(183, 64, u"a"_s);
    s.symbol(165, 94, u"a"_s);
    s.symbol(10, 35, u"S"_s);
    s.symbol(10, 65, u"S"_s);
    s.symbol(10, 95, u"S"_s);
}

// Task 0, the problem: column DC against a wall and on the pin C of the
// beam AB (roller at A, pin at B); couples M and the weight P.
void task0Scheme0(const SchemeTarget& t)
{
    setCaption(t, kTask0Problem);
    Sketch s = onPicture(t.picture);
    s.axisLabels(137, 140);
    s.label(25, 105, u"A"_s);
    s.label(215, 105, u"B"_s);
    s.label(95, 95, u"C"_s);
    s.label(35, 45, u"D"_s);
    s.vector(70, 60, u"M"_s);
    s.vector(55, 95, u"P"_s);
    s.vector(135, 85, u"M"_s);
    s.label(30, 16, SchemesTexts::tr("Дано : AB = 4b, AC = b, DC = 2a,"));
    s.vector(192, 15, u"P"_s);
    s.label(202, 16, u","_s);
    s.vector(206, 15, u"M"_s);
    s.label(216, 16, u","_s);
    s.symbol(220, 16, u"a."_s);
    s.symbol(31, 68, u"a"_s);
    s.axes();
    s.line({{30, 120}, {50, 120}});
    s.line({{35, 120}, {40, 110}, {45, 120}});
    s.line({{205, 120}, {210, 110}, {215, 120}});
    s.arc(20, 50, 40, 70, 30, 70, 40, 70);
    s.line({{40, 110}, {210, 110}}, 3);
    s.line({{30, 60}, {80, 110}}, 3);
    s.rectangle(80, 100, 90, 110, bgr::Black, Fill::Solid);
    s.ellipse(37, 107, 43, 113, bgr::White, Fill::Solid);
    s.ellipse(207, 107, 213, 113, bgr::White, Fill::Solid);
    s.ellipse(32, 120, 38, 126, bgr::White, Fill::Solid);
    s.ellipse(42, 120, 48, 126, bgr::White, Fill::Solid);
    s.rectangle(20, 45, 30, 90, bgr::Grey, Fill::Hatch);
    s.rectangle(30, 130, 50, 125, bgr::Grey, Fill::Hatch);
    s.rectangle(200, 120, 220, 130, bgr::Grey, Fill::Hatch);
    s.arc(40, 70, 80, 110, 60, 70, 40, 90, bgr::Magenta, 2);
    s.arc(140, 90, 180, 130, 160, 90, 160, 130, bgr::Magenta, 2);
    s.arrow(50, 80, 50, 100, bgr::Magenta);
    s.arrow(60, 70, 65, 70, bgr::Magenta);
    s.arrow(160, 128, 165, 128, bgr::Magenta);
}

// Task 0, the system taken apart: every reaction component in red.
void task0Scheme5(const SchemeTarget& t)
{
    setCaption(t, kTask0Parts);
    Sketch s = onPicture(t.picture);
    s.axes();
    s.arc(20, 30, 40, 50, 32, 70, 80, 90);
    s.dotted(30, 40, 30, 70);
    s.line({{40, 110}, {210, 110}}, 3);
    s.line({{30, 40}, {80, 90}}, 3);
    s.rectangle(80, 100, 90, 110, bgr::Black, Fill::Solid);
    s.arc(40, 50, 80, 90, 60, 50, 40, 70, bgr::Magenta, 2);
    s.arc(140, 90, 180, 130, 160, 90, 160, 130, bgr::Magenta, 2);
    s.arrow(50, 60, 50, 80, bgr::Magenta);
    s.arrow(60, 50, 65, 50, bgr::Magenta);
    s.arrow(30, 40, 50, 40, bgr::Red);
    s.arrow(80, 90, 80, 70, bgr::Red);
    s.arrow(80, 90, 60, 90, bgr::Red);
    s.arrow(40, 110, 40, 90, bgr::Red);
    s.arrow(80, 106, 100, 106, bgr::Red);
    s.arrow(80, 107, 80, 127, bgr::Red);
    s.arrow(210, 110, 210, 90, bgr::Red);
    s.arrow(210, 110, 230, 110, bgr::Red);
    s.arrow(160, 128, 165, 128, bgr::Magenta);
    s.axisLabels();
    s.label(30, 16, SchemesTexts::tr("Дано : AB = 4b, AC = b, DC = 2a,"));
    s.label(192, 16, u"P"_s);
    s.label(202, 16, u","_s);
    s.label(206, 16, u"M"_s);
    s.label(216, 16, u","_s);
    s.label(67, 50, u"M"_s);
    s.label(37, 74, u"P"_s);
    s.label(20, 32, u"D"_s);
    s.label(60, 32, u"R"_s, u"D"_s);
    s.label(87, 70, u"Y"_s, u"C"_s);
    s.label(50, 88, u"X"_s, u"C"_s);
    s.label(32, 112, u"A"_s);
    s.label(215, 112, u"B"_s);
    s.label(70, 95, u"C"_s);
    s.label(135, 85, u"M"_s);
    s.label(20, 90, u"R"_s, u"A"_s);
    s.label(102, 87, u"X"_s, u"C"_s);
    s.label(222, 87, u"X"_s, u"B"_s);
    s.label(190, 87, u"Y"_s, u"B"_s);
    s.label(88, 119, u"Y"_s, u"C"_s);
    s.symbol(220, 16, u"a."_s);
    s.symbol(32, 51, u"a"_s);
}

// Task 0, the column alone with its forces.
void task0Scheme7(const SchemeTarget& t)
{
    setCaption(t, kTask0Column);
    Sketch s = onPicture(t.picture);
    s.axes();
    s.arc(20, 30, 40, 50, 32, 70, 80, 90);
    s.dotted(30, 40, 30, 70);
    s.line({{30, 40}, {80, 90}}, 3);
    s.arc(40, 50, 80, 90, 60, 50, 40, 70, bgr::Magenta, 2);
    s.arrow(50, 60, 50, 80, bgr::Magenta);
    s.arrow(60, 50, 65, 50, bgr::Magenta);
    s.arrow(30, 40, 50, 40, bgr::Red);
    s.arrow(80, 90, 80, 70, bgr::Red);
    s.arrow(80, 90, 60, 90, bgr::Red);
    s.axisLabels();
    s.label(30, 16, SchemesTexts::tr("Дано : DC = 2a, M, P(вес колонны),"));
    s.label(85, 90, u"C"_s);
    s.label(67, 50, u"M"_s);
    s.label(37, 74, u"P"_s);
    s.label(20, 32, u"D"_s);
    s.label(60, 32, u"R"_s, u"D"_s);
    s.label(87, 70, u"Y"_s, u"C"_s);
    s.label(50, 88, u"X"_s, u"C"_s);
    s.symbol(206, 16, u"a."_s);
    s.symbol(32, 51, u"a"_s);
}

// Task 0, the beam alone with its forces; the caption stays.
void task0Scheme10(const SchemeTarget& t)
{
    Sketch s = onPicture(t.picture);
    s.axes();
    s.line({{40, 110}, {210, 110}}, 3);
    s.rectangle(80, 100, 90, 110, bgr::Black, Fill::Solid);
    s.arc(140, 90, 180, 130, 160, 90, 160, 130, bgr::Magenta, 2);
    s.arrow(40, 110, 40, 90, bgr::Red);
    s.arrow(80, 106, 100, 106, bgr::Red);
    s.arrow(80, 107, 80, 127, bgr::Red);
    s.arrow(210, 110, 210, 90, bgr::Red);
    s.arrow(210, 110, 230, 110, bgr::Red);
    s.arrow(160, 128, 165, 128, bgr::Magenta);
    s.axisLabels();
    s.label(30, 16, SchemesTexts::tr("Дано : AB = 4b, AC = b, M."));
    s.label(32, 112, u"A"_s);
    s.label(215, 112, u"B"_s);
    s.label(70, 95, u"C"_s);
    s.label(135, 85, u"M"_s);
    s.label(20, 90, u"R"_s, u"A"_s);
    s.label(102, 87, u"X"_s, u"C"_s);
    s.label(222, 87, u"X"_s, u"B"_s);
    s.label(190, 87, u"Y"_s, u"B"_s);
    s.label(88, 119, u"Y"_s, u"C"_s);
}

// Task 1, the problem: bar AB on a pin at A, leaning on an inclined plane
// at B; the couple M and the weight P.
void task1Scheme0(const SchemeTarget& t)
{
    setCaption(t, kTask1Problem);
    DrawHingedBeamOnPlane(t.picture);
}

// Task 1, the bar freed: X_A, Y_A and R_B.
void task1Scheme1(const SchemeTarget& t)
{
    setCaption(t, kTask1Problem);
    DrawHingedBeamFreed(t.picture);
}

// Task 1, first equation line (projections on x), on a cleared statement.
void task1Scheme2(const SchemeTarget& t)
{
    Sketch s = clearedStatement(t.statement);
    s.label(30, 20, u"x :"_s);
    s.label(48, 20, u"X"_s, u"A"_s);
    s.label(78, 20, u"-"_s);
    s.label(84, 20, u"R"_s, u"B"_s);
    s.label(114, 20, u"sin"_s);
    s.symbol(136, 20, u"a"_s);
}

// Task 1, second equation line (projections on y), added below.
void task1Scheme3(const SchemeTarget& t)
{
    Sketch s = onStatement(t.statement);
    s.label(30, 50, u"y :"_s);
    s.label(48, 50, u"Y"_s, u"A"_s);
    s.label(78, 50, u"-"_s);
    s.label(86, 50, u"P"_s);
    s.label(98, 50, u"+"_s);
    s.label(114, 50, u"R"_s, u"B"_s);
    s.label(142, 50, u"cos"_s);
    s.symbol(167, 49, u"a"_s);
}

// Task 1, third equation line (moments about the hinge A), added below.
void task1Scheme4(const SchemeTarget& t)
{
    Sketch s = onStatement(t.statement);
    s.label(30, 80, u"M"_s, u"A"_s);
    s.label(60, 80, u":"_s);
    s.label(70, 80, u"M"_s);
    s.label(90, 80, u"-"_s);
    s.label(97, 80, u"Pb"_s);
    s.label(120, 80, u"+"_s);
    s.label(130, 80, u"2bR"_s, u"B"_s);
    s.label(175, 80, u"cos"_s);
    s.symbol(200, 79, u"a"_s);
}

// Task 2: the yellow disc with the given forces and the reaction at B.
void task2Scheme0(const SchemeTarget& t)
{
    setCaption(t, kTask2Problem);
    Sketch s = onPicture(t.picture);
    s.ellipse(50, 60, 110, 120, bgr::Yellow, Fill::Solid);
    s.dotted(55, 90, 105, 90);
    s.arrow(80, 90, 80, 150, bgr::Magenta);
    s.arrow(50, 90, 50, 30, bgr::Magenta);
    s.arrow(110, 90, 140, 90, bgr::Red);
    s.arrow(110, 90, 110, 55, bgr::Red);
    s.arc(90, 70, 130, 110, 95, 50, 110, 120, bgr::Red, 3);
    s.arrow(110, 110, 115, 110, bgr::Red);
    s.vector(57, 35, u"F"_s);
    s.vector(70, 130, u"P"_s);
    s.label(115, 50, u"Y"_s, u"B"_s);
    s.label(135, 70, u"X"_s, u"B"_s);
    s.label(115, 113, u"M"_s, u"B"_s);
    s.label(40, 90, u"A"_s);
    s.label(115, 75, u"B"_s);
    s.labelOn(70, 95, u"C"_s, bgr::Yellow);
    s.label(160, 10, SchemesTexts::tr("Дано :"));
    s.vector(195, 10, u"P"_s);
    s.label(205, 10, u"="_s);
    s.label(215, 10, u"-"_s);
    s.vector(220, 10, u"F"_s);
    s.label(227, 10, u"."_s);
    s.label(160, 25, SchemesTexts::tr("a - радиус диска."));
}

// Task 3, the problem: the bent beam built into the wall at B; the force F.
void task3Scheme0(const SchemeTarget& t)
{
    setCaption(t, kTask3Problem);
    DrawBentBeamInWall(t.picture);
}

// Task 3, the beam freed: X_B, Y_B and the moment M_B of the built-in end.
void task3Scheme1(const SchemeTarget& t)
{
    DrawBentBeamFreed(t.picture, FixingArc::Twice);
}

// Task 4, the problem: beam AK hung on threads meeting at D; the weight P.
void task4Scheme0(const SchemeTarget& t)
{
    setCaption(t, kTask4Problem);
    DrawBeamOnThreads(t.picture);
}

// Task 4, the threads replaced by their tensions.
void task4Scheme1(const SchemeTarget& t)
{
    setCaption(t, kTask4Problem);
    DrawBeamThreadTensions(t.picture);
}

// What each scheme shows, for a screen reader: whole sentences, read one
// after the other.  The schemes that only write into the statement area keep
// the picture of the scheme before them, so their descriptions repeat what the
// picture shows.
constexpr const char* kExampleBeamFreed = QT_TRANSLATE_NOOP("Schemes", "Балка AB освобождена от связей и изображена в осях x, y с началом O. Заданные силы показаны "
    "пурпурным цветом: вес G приложен в точке C и направлен вниз, сила F приложена к концу A и направлена "
    "вправо. Реакции связей показаны красным цветом: реакция R индекс D в точке D направлена вертикально "
    "вверх, реакция R индекс B в точке B перпендикулярна наклонной плоскости и составляет угол альфа с "
    "вертикалью.");
constexpr const char* kTask1Freed = QT_TRANSLATE_NOOP("Schemes", "Балка AB освобождена от связей: шарнир и наклонная плоскость убраны. Реакции показаны красным "
    "цветом: составляющие X индекс A вправо и Y индекс A вверх в точке A, реакция R индекс B в точке B "
    "перпендикулярна наклонной плоскости и составляет угол альфа с вертикальной пунктирной линией. "
    "Заданные нагрузки показаны пурпурным цветом: пара сил с моментом M и вес P в точке C.");
constexpr const char* kTask1X = QT_TRANSLATE_NOOP("Schemes", "Уравнение проекций на ось x: X индекс A минус R индекс B синус альфа.");
constexpr const char* kTask1Y = QT_TRANSLATE_NOOP("Schemes", "Уравнение проекций на ось y: Y индекс A минус P плюс R индекс B косинус альфа.");
constexpr const char* kTask1M = QT_TRANSLATE_NOOP("Schemes", "Уравнение моментов относительно точки A: M минус P b плюс 2 b R индекс B косинус альфа.");

// The sentences of a description, as source texts; unused places are null.
using Sentences = std::array<const char*, 4>;

QString describe(const Sentences& sentences)
{
    QStringList read;
    for (const char* sentence : sentences)
        if (sentence)
            read.append(QCoreApplication::translate("Schemes", sentence));
    return read.join(QLatin1Char(' '));
}

struct ExampleEntry {
    int firstStep;
    int lastStep;
    void (*scheme)(const SchemeTarget&);
    Sentences description;
};

constexpr ExampleEntry kExampleEntries[] = {
    {0, 0, exampleScheme1,
     {QT_TRANSLATE_NOOP("Schemes", "Схема задачи: однородная горизонтальная балка AB в осях x, y с началом O опирается на острие в "
     "точке D и на гладкую наклонную плоскость в точке B; плоскость наклонена к горизонту под углом "
     "альфа. Заданные силы показаны пурпурным цветом: вес G приложен в точке C и направлен вниз, сила F "
     "приложена к концу A и направлена вправо. Дано: AB = 2b, AD = a, вес G, угол альфа.")}},
    {1, 2, exampleScheme2,
     {kExampleBeamFreed,
      QT_TRANSLATE_NOOP("Schemes", "В поле условия записан главный момент системы сил относительно точки D: L индекс D равен "
      "сумме моментов относительно D сил R индекс D, F, G и R индекс B (1); первое слагаемое равно нулю, так как "
      "его радиус-вектор нулевой.")}},
    {3, 6, exampleScheme3,
     {kExampleBeamFreed,
      QT_TRANSLATE_NOOP("Schemes", "В поле условия записаны главный вектор системы: R равен сумме сил F, G, R индекс D и "
      "R индекс B (1), и главный момент системы сил относительно точки D: L индекс D равен сумме моментов "
      "относительно D сил R индекс D, F, G и R индекс B (2).")}},
    {7, 7, exampleScheme4,
     {kExampleBeamFreed,
      QT_TRANSLATE_NOOP("Schemes", "В поле условия записаны три уравнения равновесия (1). Сумма проекций на ось x: F минус "
      "R индекс B синус альфа равно нулю. Сумма проекций на ось y: R индекс D минус G плюс R индекс B "
      "косинус альфа равно нулю. Сумма моментов относительно точки D: R индекс B на (2b минус a) "
      "косинус альфа минус G на (b минус a) равно нулю.")}},
};

const ExampleEntry* exampleEntry(int step)
{
    for (const ExampleEntry& e : kExampleEntries)
        if (step >= e.firstStep && step <= e.lastStep)
            return &e;
    return nullptr;
}

struct TaskEntry {
    int task;
    int step;
    void (*scheme)(const SchemeTarget&);
    Sentences description;
};

constexpr TaskEntry kTaskEntries[] = {
    {0, 0, task0Scheme0,
     {QT_TRANSLATE_NOOP("Schemes", "Схема задачи: однородная колонна DC весом P опирается в точке D на гладкую вертикальную стену, "
     "с которой образует угол альфа, а в точке C на штифт горизонтальной балки AB. Балка AB лежит на "
     "катковой опоре в точке A и на шарнирно-неподвижной опоре в точке B. Заданные нагрузки показаны "
     "пурпурным цветом: вес колонны P и пары сил с моментом M на колонне и на балке. Дано: AB = 4b, "
     "AC = b, DC = 2a, P, M, угол альфа.")}},
    {0, 5, task0Scheme5,
     {QT_TRANSLATE_NOOP("Schemes", "Система расчленена: колонна DC изображена над балкой AB. Неизвестные реакции показаны красным "
     "цветом: реакция стены R индекс D в точке D; составляющие X индекс C и Y индекс C в точке C на "
     "колонне и противоположно направленные им на балке; реакция R индекс A катковой опоры в точке A; "
     "составляющие X индекс B и Y индекс B в точке B. Заданные пары сил с моментом M и вес колонны P "
     "показаны пурпурным цветом. Угол альфа между колонной и стеной отмечен в точке D.")}},
    {0, 7, task0Scheme7,
     {QT_TRANSLATE_NOOP("Schemes", "Колонна DC отдельно со всеми силами. Заданные вес P и пара сил с моментом M показаны пурпурным "
     "цветом; неизвестные реакции показаны красным цветом: R индекс D в точке D, X индекс C и Y индекс C "
     "в точке C. Угол альфа между колонной и стеной отмечен в точке D. Дано: DC = 2a, M, P (вес "
     "колонны), угол альфа.")}},
    {0, 10, task0Scheme10,
     {QT_TRANSLATE_NOOP("Schemes", "Балка AB отдельно со всеми силами. Заданная пара сил с моментом M показана пурпурным цветом; "
     "неизвестные силы показаны красным цветом: реакция R индекс A в точке A, составляющие X индекс B и "
     "Y индекс B в точке B и силы X индекс C и Y индекс C, с которыми колонна действует на балку в точке "
     "C. Дано: AB = 4b, AC = b, M.")}},
    {1, 0, task1Scheme0,
     {QT_TRANSLATE_NOOP("Schemes", "Схема задачи: однородная горизонтальная балка AB в осях x, y с началом O закреплена "
     "цилиндрическим шарниром в точке A и опирается в точке B на гладкую наклонную плоскость, "
     "наклоненную к горизонту под углом альфа. Заданные нагрузки показаны пурпурным цветом: пара сил с "
     "моментом M и вес P, приложенный в точке C и направленный вниз. Дано: AB = 2b, M, P, угол альфа.")}},
    {1, 1, task1Scheme1, {kTask1Freed}},
    {1, 2, task1Scheme2, {kTask1Freed, kTask1X}},
    {1, 3, task1Scheme3, {kTask1Freed, kTask1X, kTask1Y}},
    {1, 4, task1Scheme4, {kTask1Freed, kTask1X, kTask1Y, kTask1M}},
    {2, 0, task2Scheme0,
     {QT_TRANSLATE_NOOP("Schemes", "Желтый диск радиуса a с центром C и горизонтальным пунктирным диаметром AB. Заданные силы "
     "показаны пурпурным цветом: сила F приложена в точке A и направлена вверх, сила P приложена в "
     "центре C и направлена вниз, P = минус F. Неизвестная реакция в точке B показана красным цветом: "
     "составляющие X индекс B вправо и Y индекс B вверх и момент M индекс B, изображенный дугой со "
     "стрелкой.")}},
    {3, 0, task3Scheme0,
     {QT_TRANSLATE_NOOP("Schemes", "Схема задачи: балка, изогнутая под прямым углом, в осях x, y с началом O заделана в стену в точке "
     "B. Горизонтальная часть BA длиной b, вертикальная часть AC длиной a. Заданная сила F показана "
     "пурпурным цветом: она приложена в нижней точке C под углом альфа к вертикали. Дано: AB = b, "
     "AC = a, F, угол альфа.")}},
    {3, 1, task3Scheme1,
     {QT_TRANSLATE_NOOP("Schemes", "Балка освобождена от заделки: стена убрана, реакция заделки в точке B показана красным цветом: "
     "составляющие X индекс B вправо и Y индекс B вверх и момент заделки M индекс B, изображенный дугой "
     "со стрелкой. Заданная сила F в точке C под углом альфа к вертикали показана пурпурным цветом.")}},
    {4, 0, task4Scheme0,
     {QT_TRANSLATE_NOOP("Schemes", "Схема задачи: серая балка AK подвешена на двух нитях, идущих из точек A и B к узлу D; узел D "
     "привязан нитью DC к потолку в точке C. Нить из точки A образует с балкой угол альфа, нить из "
     "точки B угол бета. Заданный вес балки P показан пурпурным цветом: он приложен в точке O и направлен "
     "вниз. Дано: AO = a, OB = b, углы альфа и бета.")}},
    {4, 1, task4Scheme1,
     {QT_TRANSLATE_NOOP("Schemes", "Нити заменены силами натяжения, показанными красным цветом: T индекс A в точке A и T индекс B в "
     "точке B направлены вдоль нитей к узлу D; в узле D действуют T индекс A и T индекс B в обратную "
     "сторону и T индекс C вверх. Через узел D проведена пунктирная вертикаль, оси x и y изображены "
     "внизу слева. Вес балки P в точке O показан пурпурным цветом; отмечены углы альфа и бета.")}},
};

const TaskEntry* taskEntry(int task, int step)
{
    for (const TaskEntry& e : kTaskEntries)
        if (e.task == task && e.step == step)
            return &e;
    return nullptr;
}

} // namespace

namespace {
bool drawScheme(void (*scheme)(const SchemeTarget&), const SchemeTarget& target)
{
    if (!scheme)
        return false;
    if (target.showPicture)
        target.showPicture();
    scheme(target);
    return true;
}
} // namespace

bool DrawExampleScheme(int step, const SchemeTarget& target)
{
    const ExampleEntry* e = exampleEntry(step);
    return drawScheme(e ? e->scheme : nullptr, target);
}

bool DrawTaskScheme(int task, int step, const SchemeTarget& target)
{
    const TaskEntry* e = taskEntry(task, step);
    return drawScheme(e ? e->scheme : nullptr, target);
}

QString exampleSchemeDescription(int step)
{
    const ExampleEntry* e = exampleEntry(step);
    return e ? describe(e->description) : QString();
}

QString taskSchemeDescription(int task, int step)
{
    const TaskEntry* e = taskEntry(task, step);
    return e ? describe(e->description) : QString();
}
