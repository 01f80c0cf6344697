// The schemes of the exercises: each drawn as the drawing lists of their
// description say (the lists replayed through the real primitives), the steps
// that have one, what they look like on a real picture and statement label,
// and the description a screen reader gives of each.
#include <QAccessible>
#include <QPainter>
#include <QRegularExpression>
#include <QtTest>

#include "drawing/canvaslabel.h"
#include "drawing/picturebox.h"
#include "drawing/sharedschemes.h"
#include "exercises/examplescript.h"
#include "exercises/kzsform.h"
#include "exercises/modules.h"
#include "exercises/schemes.h"
#include "exercises/taskscript.h"
#include "exercises/urform.h"
#include "platform/fonts.h"
#include "steplist.h"
#include "support/exercisetesting.h"
#include "tracecanvas.h"

using namespace Qt::StringLiterals;

namespace {

// The statement captions the schemes set.
const QString kExampleProblem = u"    Однородная горизонтальная балка AB опирается на наклонную плоскость и на острие в т. D. Поверхность балки  и наклонная плоскость абсолютно гладкие. Определить силу F, которая обеспечивает равновесие."_s;
const QString kTask0Problem = u"     Однородная колонна весом P опирается на вертикальную стену и на штифт в точке С. Поверхности горизонтальной балки и стены абсолютно гладкие. Весом балки пренебречь. На балку и колонну действуют пары сил с одинаковым по модулю моментом М. "_s;
const QString kTask0Parts = u"    На каждое из рассматриваемых тел дейст- вует произвольная плоская система сил. Си- ловая нагрузка и геометрические размеры ко- нструкции известны. Подумайте, можно ли ре- шить эту задачу ?"_s;
const QString kTask0Column = u"Подумайте, какие уравнения равновесия мож- но сейчас составить."_s;
const QString kTask1Problem = u"    Однородная горизонтальная балка AB опи- рается на наклонную плоскость в т. B и за- креплена цилиндрическим шарниром в т. A. Поверхность балки и наклонная плоскость абсолютно гладкие."_s;
const QString kTask2Problem = u"   К абсолютно твердому телу приложена не- которая система сил (красный цвет обозна- чает неизвестные силы, а пурпурный - задан- ные)."_s;
const QString kTask3Problem = u"    Изогнутая под прямым углом балка заде- лана в стенку в точке B. Связь в точке B пре- пятствует не только поступательному пере- мещению тела, но и повороту его вокруг этой точки. Реакция в т. B характеризуется силой и парой сил с моментом заделки."_s;
const QString kTask4Problem = u"   Здесь связи представлены нитями. Балка AK подвешена на двух нитях, которые в точке D связаны с третьей, привязанной к потолку. Силы реакции, действующие на балку в точ- ках A и B, направлены вдоль нитей."_s;

// How every scheme on the picture begins, and every scheme that clears the
// statement label.
const char* const kPictureOpening = R"~(
pen black
brush white
brush solid
fill box (0,0)-(280,160)
font "MsSansSerif"
)~";
const char* const kStatementOpening = R"~(
brush buttonface
brush solid
fill box (0,0)-(355,170)
pen black
font "MsSansSerif"
)~";

struct SchemeText {
    const char* name;
    int task; // -1: the worked example
    int firstStep, lastStep;
    const QString* caption;   // nullptr: the caption is left alone
    const char* picture;      // nullptr: the picture stays
    bool clearsStatement;
    const char* statement;    // nullptr: nothing drawn on the statement label
};

// Each scheme's drawing list, one element a line, in the order and the words
// of the scheme descriptions.  Where the frame's axis labels stand elsewhere
// than usual, the three labels are written out.
const SchemeText kSchemes[] = {
    // Worked-example scheme 1.
    {"ex_1", -1, 0, 0, &kExampleProblem,
     R"~(
axes
rectangle (60,100)-(220,95) grey filled
line (90,110)→(100,100)→(110,110)
arc in (180,95)-(220,135) from (240,115) to (240,80)
line (200,115)→(240,80) pen 2
rectangle (85,115)-(115,110) grey hatched
rectangle (200,120)-(250,115) grey hatched
arrow (140,100)→(140,120) magenta
arrow (30,97)→(58,97) magenta
vector "G" at (150,110)
vector "F" at (40,80)
label "y" at (15,15)
label "x" at (245,137)
label "O" at (9,141)
label "A" at (60,80)
label "C" at (140,80)
label "D" at (100,80)
label "B" at (214,80)
label "Дано : AB = 2b, AD = a," at (40,20)
vector "G" at (159,19)
label "," at (168,20)
label "  a" in Symbol (α) at (173,20)
label "  a" in Symbol (α) at (225,97)
)~",
     false, nullptr},
    // Worked-example scheme 2.
    {"ex_2", -1, 1, 2, nullptr,
     R"~(
axes
line (220,95)→(220,70)
arc in (200,80)-(240,120) from (220,70) to (190,70)
rectangle (60,100)-(220,95) grey filled
arrow (140,100)→(140,120) magenta
arrow (30,97)→(58,97) magenta
arrow (100,100)→(100,70) red
arrow (220,95)→(190,70) red
vector "G" at (150,110)
vector "F" at (40,80)
label "y" at (15,15)
label "x" at (245,137)
label "O" at (9,141)
label "A" at (60,80)
label "C" at (140,80)
label "R" sub "D" at (107,60)
label "R" sub "B" at (175,70)
label "B" at (220,100)
label "D" at (100,102)
label "a" in Symbol (α) at (205,66)
)~",
     true, R"~(
font size 12
label "Дано : AB = 2b, AD = a, " at (30,10)
vector "G" at (200,9)
label "Главный момент системы сил относительно" at (10,30)
label "точки D имеет вид :" at (10,50)
vector "L" sub "D" at (10,70)
label "=" at (40,70)
vector "M" sub "D" at (50,70)
bracketed vector "R" sub "D" at (75,70)
label "+" at (110,70)
vector "M" sub "D" at (120,70)
bracketed vector "F" at (145,70)
label "+" at (165,70)
vector "M" sub "D" at (175,70)
bracketed vector "G" at (200,70)
label "+" at (223,70)
vector "M" sub "D" at (233,70)
bracketed vector "R" sub "B" at (258,70)
label "." at (293,70)
label "(1)" at (320,70)
label "В (1) первое слагаемое имеет нулевой" at (10,100)
label "радиус-вектор; следовательно," at (10,120)
vector "M" sub "D" at (30,140)
bracketed vector "R" sub "D" at (55,140)
label "=" at (90,140)
label "0." at (100,140)
label "," at (215,9)
label "a." in Symbol (α.) at (220,9)
)~"},
    // Worked-example scheme 3.
    {"ex_3", -1, 3, 6, nullptr,
     nullptr,
     true, R"~(
label "Дано : AB = 2b, AD = a, " at (30,10)
vector "G" at (200,9)
label "," at (215,9)
label "В рассматриваемом случае главный вектор" at (10,30)
label "системы равен :" at (10,50)
vector "R" at (30,70)
label "=" at (50,70)
vector "F" at (60,70)
label "+" at (80,70)
vector "G" at (90,70)
label "+" at (110,70)
vector "R" sub "D" at (120,70)
label "+" at (150,70)
vector "R" sub "B" at (160,70)
label ";" at (185,70)
label "(1)" at (320,70)
label "Главный момент системы сил относительно" at (10,100)
label "точки D имеет вид :" at (10,120)
vector "L" sub "D" at (10,140)
label "=" at (40,140)
vector "M" sub "D" at (50,140)
bracketed vector "R" sub "D" at (75,140)
label "+" at (110,140)
vector "M" sub "D" at (120,140)
bracketed vector "F" at (145,140)
label "+" at (165,140)
vector "M" sub "D" at (175,140)
bracketed vector "G" at (200,140)
label "+" at (223,140)
vector "M" sub "D" at (233,140)
bracketed vector "R" sub "B" at (258,140)
label "." at (293,140)
label "(2)" at (320,140)
label "a." in Symbol (α.) at (220,9)
)~"},
    // Worked-example scheme 4.
    {"ex_4", -1, 7, 7, nullptr,
     nullptr,
     true, R"~(
label "Дано : AB = 2b, AD = a, " at (10,10)
vector "G" at (180,9)
label "," at (195,9)
label "X" at (30,35)
label "=" at (50,35)
label "F" at (60,35)
label "-" at (80,35)
label "R" sub "B" at (90,35)
label "sin" at (117,35)
label "=" at (157,35)
label "0" at (168,35)
label "Y" at (30,65)
label "=" at (50,65)
label "R" sub "D" at (60,65)
label "-" at (90,65)
label "G" at (100,65)
label "+" at (120,65)
label "R" sub "B" at (130,65)
label "cos" at (157,65)
label "=" at (197,65)
label "0" at (208,65)
label "(1)" at (240,65)
label "M" sub "D" at (30,95)
label "=" at (60,95)
label "R" sub "B" at (70,95)
label "(2b-a)cos" at (97,95)
label "-" at (180,95)
label "G(b-a) =0" at (190,95)
label "a." in Symbol (α.) at (200,9)
label "a" in Symbol (α) at (139,34)
label "a" in Symbol (α) at (183,64)
label "a" in Symbol (α) at (165,94)
label "S" in Symbol (Σ) at (10,35)
label "S" in Symbol (Σ) at (10,65)
label "S" in Symbol (Σ) at (10,95)
)~"},
    // Task 0, scheme 0.
    {"task0_0", 0, 0, 0, &kTask0Problem,
     R"~(
label "y" at (15,15)
label "x" at (245,137)
label "O" at (9,140)
label "A" at (25,105)
label "B" at (215,105)
label "C" at (95,95)
label "D" at (35,45)
vector "M" at (70,60)
vector "P" at (55,95)
vector "M" at (135,85)
label "Дано : AB = 4b, AC = b, DC = 2a," at (30,16)
vector "P" at (192,15)
label "," at (202,16)
vector "M" at (206,15)
label "," at (216,16)
label "a." in Symbol (α.) at (220,16)
label "a" in Symbol (α) at (31,68)
axes
line (30,120)→(50,120)
line (35,120)→(40,110)→(45,120)
line (205,120)→(210,110)→(215,120)
arc in (20,50)-(40,70) from (30,70) to (40,70)
line (40,110)→(210,110) pen 3
line (30,60)→(80,110) pen 3
rectangle (80,100)-(90,110) black filled
ellipse (37,107)-(43,113) white filled
ellipse (207,107)-(213,113) white filled
ellipse (32,120)-(38,126) white filled
ellipse (42,120)-(48,126) white filled
rectangle (20,45)-(30,90) grey hatched
rectangle (30,130)-(50,125) grey hatched
rectangle (200,120)-(220,130) grey hatched
arc in (40,70)-(80,110) from (60,70) to (40,90) magenta pen 2
arc in (140,90)-(180,130) from (160,90) to (160,130) magenta pen 2
arrow (50,80)→(50,100) magenta
arrow (60,70)→(65,70) magenta
arrow (160,128)→(165,128) magenta
)~",
     false, nullptr},
    // Task 0, scheme 5.
    {"task0_5", 0, 5, 5, &kTask0Parts,
     R"~(
axes
arc in (20,30)-(40,50) from (32,70) to (80,90)
dotted (30,40)-(30,70)
line (40,110)→(210,110) pen 3
line (30,40)→(80,90) pen 3
rectangle (80,100)-(90,110) black filled
arc in (40,50)-(80,90) from (60,50) to (40,70) magenta pen 2
arc in (140,90)-(180,130) from (160,90) to (160,130) magenta pen 2
arrow (50,60)→(50,80) magenta
arrow (60,50)→(65,50) magenta
arrow (30,40)→(50,40) red
arrow (80,90)→(80,70) red
arrow (80,90)→(60,90) red
arrow (40,110)→(40,90) red
arrow (80,106)→(100,106) red
arrow (80,107)→(80,127) red
arrow (210,110)→(210,90) red
arrow (210,110)→(230,110) red
arrow (160,128)→(165,128) magenta
axis labels
label "Дано : AB = 4b, AC = b, DC = 2a," at (30,16)
label "P" at (192,16)
label "," at (202,16)
label "M" at (206,16)
label "," at (216,16)
label "M" at (67,50)
label "P" at (37,74)
label "D" at (20,32)
label "R" sub "D" at (60,32)
label "Y" sub "C" at (87,70)
label "X" sub "C" at (50,88)
label "A" at (32,112)
label "B" at (215,112)
label "C" at (70,95)
label "M" at (135,85)
label "R" sub "A" at (20,90)
label "X" sub "C" at (102,87)
label "X" sub "B" at (222,87)
label "Y" sub "B" at (190,87)
label "Y" sub "C" at (88,119)
label "a." in Symbol (α.) at (220,16)
label "a" in Symbol (α) at (32,51)
)~",
     false, nullptr},
    // Task 0, scheme 7.
    {"task0_7", 0, 7, 7, &kTask0Column,
     R"~(
axes
arc in (20,30)-(40,50) from (32,70) to (80,90)
dotted (30,40)-(30,70)
line (30,40)→(80,90) pen 3
arc in (40,50)-(80,90) from (60,50) to (40,70) magenta pen 2
arrow (50,60)→(50,80) magenta
arrow (60,50)→(65,50) magenta
arrow (30,40)→(50,40) red
arrow (80,90)→(80,70) red
arrow (80,90)→(60,90) red
axis labels
label "Дано : DC = 2a, M, P(вес колонны)," at (30,16)
label "C" at (85,90)
label "M" at (67,50)
label "P" at (37,74)
label "D" at (20,32)
label "R" sub "D" at (60,32)
label "Y" sub "C" at (87,70)
label "X" sub "C" at (50,88)
label "a." in Symbol (α.) at (206,16)
label "a" in Symbol (α) at (32,51)
)~",
     false, nullptr},
    // Task 0, scheme 10.
    {"task0_10", 0, 10, 10, nullptr,
     R"~(
axes
line (40,110)→(210,110) pen 3
rectangle (80,100)-(90,110) black filled
arc in (140,90)-(180,130) from (160,90) to (160,130) magenta pen 2
arrow (40,110)→(40,90) red
arrow (80,106)→(100,106) red
arrow (80,107)→(80,127) red
arrow (210,110)→(210,90) red
arrow (210,110)→(230,110) red
arrow (160,128)→(165,128) magenta
axis labels
label "Дано : AB = 4b, AC = b, M." at (30,16)
label "A" at (32,112)
label "B" at (215,112)
label "C" at (70,95)
label "M" at (135,85)
label "R" sub "A" at (20,90)
label "X" sub "C" at (102,87)
label "X" sub "B" at (222,87)
label "Y" sub "B" at (190,87)
label "Y" sub "C" at (88,119)
)~",
     false, nullptr},
    // Task 1, scheme 0.
    {"task1_0", 1, 0, 0, &kTask1Problem,
     R"~(
axes
rectangle (60,100)-(220,95) grey filled
line (50,110)→(60,100)→(70,110)
arc in (180,95)-(220,135) from (240,115) to (240,80)
line (200,115)→(240,80) pen 2
rectangle (200,120)-(250,115) grey hatched
rectangle (45,115)-(75,110) grey hatched
ellipse (55,93)-(65,103) white filled
arc in (100,80)-(140,120) from (120,80) to (120,120) magenta pen 2
arrow (120,118)→(125,118) magenta
arrow (140,100)→(140,120) magenta
vector "P" at (150,110)
vector "M" at (126,70)
axis labels
label "A" at (60,79)
label "C" at (140,80)
label "B" at (214,80)
label "Дано : AB = 2b," at (40,20)
vector "M" at (119,19)
label "," at (127,20)
vector "P" at (131,19)
label "," at (138,20)
label "a." in Symbol (α.) at (141,20)
label "  a" in Symbol (α) at (222,98)
)~",
     false, nullptr},
    // Task 1, scheme 1.
    {"task1_1", 1, 1, 1, &kTask1Problem,
     R"~(
dotted (220,100)-(220,60)
arc in (200,80)-(240,120) from (220,70) to (190,70)
axes
rectangle (60,100)-(220,95) grey filled
arc in (100,80)-(140,120) from (120,80) to (120,120) magenta pen 2
arrow (120,118)→(125,118) magenta
arrow (140,100)→(140,120) magenta
arrow (220,95)→(190,70) red
arrow (60,97)→(80,97) red
arrow (60,97)→(60,77) red
vector "P" at (150,110)
vector "M" at (126,70)
axis labels
label "A" at (55,101)
label "C" at (140,80)
label "B" at (214,101)
label "R" sub "B" at (175,70)
label "X" sub "A" at (68,101)
label "Y" sub "A" at (65,70)
label "Дано : AB = 2b," at (40,20)
label "M" at (119,20)
label "," at (127,20)
label "P" at (131,20)
label "," at (138,20)
label "a." in Symbol (α.) at (141,20)
label "a" in Symbol (α) at (205,66)
)~",
     false, nullptr},
    // Task 1, scheme 2.
    {"task1_2", 1, 2, 2, nullptr,
     nullptr,
     true, R"~(
label "x :" at (30,20)
label "X" sub "A" at (48,20)
label "-" at (78,20)
label "R" sub "B" at (84,20)
label "sin" at (114,20)
label "a" in Symbol (α) at (136,20)
)~"},
    // Task 1, scheme 3.
    {"task1_3", 1, 3, 3, nullptr,
     nullptr,
     false, R"~(
label "y :" at (30,50)
label "Y" sub "A" at (48,50)
label "-" at (78,50)
label "P" at (86,50)
label "+" at (98,50)
label "R" sub "B" at (114,50)
label "cos" at (142,50)
label "a" in Symbol (α) at (167,49)
)~"},
    // Task 1, scheme 4.
    {"task1_4", 1, 4, 4, nullptr,
     nullptr,
     false, R"~(
label "M" sub "A" at (30,80)
label ":" at (60,80)
label "M" at (70,80)
label "-" at (90,80)
label "Pb" at (97,80)
label "+" at (120,80)
label "2bR" sub "B" at (130,80)
label "cos" at (175,80)
label "a" in Symbol (α) at (200,79)
)~"},
    // Task 2, scheme 0.
    {"task2_0", 2, 0, 0, &kTask2Problem,
     R"~(
ellipse (50,60)-(110,120) yellow filled
dotted (55,90)-(105,90)
arrow (80,90)→(80,150) magenta
arrow (50,90)→(50,30) magenta
arrow (110,90)→(140,90) red
arrow (110,90)→(110,55) red
arc in (90,70)-(130,110) from (95,50) to (110,120) red pen 3
arrow (110,110)→(115,110) red
vector "F" at (57,35)
vector "P" at (70,130)
label "Y" sub "B" at (115,50)
label "X" sub "B" at (135,70)
label "M" sub "B" at (115,113)
label "A" at (40,90)
label "B" at (115,75)
label "C" at (70,95) on yellow
label "Дано :" at (160,10)
vector "P" at (195,10)
label "=" at (205,10)
label "-" at (215,10)
vector "F" at (220,10)
label "." at (227,10)
label "a - радиус диска." at (160,25)
)~",
     false, nullptr},
    // Task 3, scheme 0.
    {"task3_0", 3, 0, 0, &kTask3Problem,
     R"~(
axes
arc in (130,100)-(170,140) from (150,100) to (120,90)
rectangle (20,50)-(40,80) grey hatched
polygon through (30,60), (160,60), (160,120), (150,120), (150,70), (30,70) grey filled
arrow (150,120)→(120,90) magenta
axis labels
label "Дано : AB = b, AC = a," at (60,20)
vector "F" at (173,19)
label "," at (179,20)
label "B" at (45,45)
label "A" at (150,45)
label "C" at (150,123)
vector "F" at (108,90)
label "a." in Symbol (α.) at (183,20)
label "a" in Symbol (α) at (136,88)
)~",
     false, nullptr},
    // Task 3, scheme 1.
    {"task3_1", 3, 1, 1, nullptr,
     R"~(
axes
arc in (130,100)-(170,140) from (150,100) to (120,90)
polygon through (30,60), (160,60), (160,120), (150,120), (150,70), (30,70) grey filled
arc in (25,50)-(55,80) from (35,40) to (40,80) red pen 2
arrow (40,79)→(45,79) red
arrow (150,120)→(120,90) magenta
arrow (40,65)→(70,65) red
arrow (40,65)→(40,35) red
axis labels
label "Дано : AB = b, AC = a," at (60,20)
label "F" at (173,20)
label "," at (179,20)
label "B" at (45,45)
label "A" at (150,45)
label "C" at (150,123)
label "F" at (108,90)
label "Y" sub "B" at (20,30)
label "X" sub "B" at (55,72)
label "M" sub "B" at (30,85)
arc in (25,50)-(55,80) from (35,40) to (40,80) red pen 1
label "a." in Symbol (α.) at (183,20)
label "a" in Symbol (α) at (136,88)
)~",
     false, nullptr},
    // Task 4, scheme 0.
    {"task4_0", 4, 0, 0, &kTask4Problem,
     R"~(
line (40,110)→(130,50)→(170,110)
line (130,50)→(130,30)
arc in (20,90)-(60,130) from (80,110) to (130,50)
arc in (150,90)-(190,130) from (130,50) to (130,110)
rectangle (40,110)-(220,120) grey filled
rectangle (110,20)-(150,30) grey hatched
arrow (130,120)→(130,140) magenta
label "Дано :" at (20,20)
vector "P" at (20,39)
label "-" at (27,40)
label "вес балки." at (35,40)
label "AO = a, OB = b." at (20,56)
label "A" at (27,110)
label "K" at (223,110)
label "B" at (170,121)
label "O" at (125,95)
label "D" at (125,58)
label "C" at (135,30)
vector "P" at (135,132)
label "a, b," in Symbol (α, β,) at (60,20)
label "a" in Symbol (α) at (70,93)
label "b" in Symbol (β) at (140,93)
)~",
     false, nullptr},
    // Task 4, scheme 1.
    {"task4_1", 4, 1, 1, &kTask4Problem,
     R"~(
line (10,90)→(10,150)→(80,150)
dotted (130,50)-(130,110)
arc in (20,90)-(60,130) from (80,110) to (130,50)
arc in (150,90)-(190,130) from (130,50) to (130,110)
rectangle (40,110)-(220,120) grey filled
arrow (130,120)→(130,140) magenta
arrow (40,110)→(70,90) red
arrow (170,110)→(154,85) red
arrow (130,50)→(100,70) red
arrow (130,50)→(146,75) red
arrow (130,50)→(130,20) red
label "Дано :" at (20,20)
vector "P" at (20,39)
label "-" at (27,40)
label "вес балки." at (35,40)
label "AO = a, OB = b." at (20,56)
label "y" at (15,85)
label "x" at (84,145)
label "A" at (27,110)
label "K" at (223,110)
label "B" at (170,121)
label "O" at (125,95)
label "D" at (125,58)
label "P" at (135,132)
label "T" sub "A" at (46,75)
label "T" sub "B" at (165,80)
label "T" sub "A" at (100,73)
label "T" sub "B" at (150,55)
label "T" sub "C" at (135,25)
label "a, b," in Symbol (α, β,) at (60,20)
label "a" in Symbol (α) at (70,93)
label "b" in Symbol (β) at (140,93)
)~",
     false, nullptr},
};

bool draw(int task, int step, const SchemeTarget& t)
{
    return task < 0 ? DrawExampleScheme(step, t) : DrawTaskScheme(task, step, t);
}

QString description(int task, int step)
{
    return task < 0 ? exampleSchemeDescription(step) : taskSchemeDescription(task, step);
}

// The scheme drawn at a step, or nullptr.
const SchemeText* schemeAt(int task, int step)
{
    for (const SchemeText& s : kSchemes)
        if (s.task == task && step >= s.firstStep && step <= s.lastStep)
            return &s;
    return nullptr;
}

// Traces both surfaces and records what the scheme asks of the window.
struct Traced {
    TraceCanvas picture{SurfaceKind::Picture};
    TraceCanvas statement{SurfaceKind::Label};
    QStringList captions;
    int shown = 0;
    SchemeTarget target()
    {
        return {picture, statement, [this](const QString& t) { captions << t; }, [this] { ++shown; }};
    }
    bool untouched() const
    {
        return picture.trace().isEmpty() && statement.trace().isEmpty() && captions.isEmpty() && shown == 0;
    }
    // Draws the scheme from its written list, as the window would.
    void replay(const SchemeText& s)
    {
        if (s.caption) {
            captions << *s.caption;
            statement.discardDrawing();
        }
        if (s.picture)
            runStepList(picture, QString::fromUtf8(kPictureOpening) + QString::fromUtf8(s.picture));
        if (s.statement)
            runStepList(statement,
                        (s.clearsStatement ? QString::fromUtf8(kStatementOpening) : QString()) +
                            QString::fromUtf8(s.statement),
                        kButtonFace);
        ++shown;
    }
};

// The first difference of two traces, for a readable failure.
QString firstDifference(const QStringList& actual, const QStringList& expected)
{
    for (qsizetype i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        const QString a = i < actual.size() ? actual[i] : QStringLiteral("<end>");
        const QString e = i < expected.size() ? expected[i] : QStringLiteral("<end>");
        if (a != e)
            return QStringLiteral("operation %1: drawn '%2', written '%3'").arg(i).arg(a, e);
    }
    return {};
}

// Arrow shafts in a trace: the lines of pen width 2, with colour, start and tip.
struct Shaft {
    std::uint32_t colour;
    QPoint from, to;
};
QList<Shaft> shafts(const QStringList& trace)
{
    QList<Shaft> out;
    static const QRegularExpression shaft(QStringLiteral("^line (\\d+) (\\d+) (\\d+) (\\d+) pen ([0-9A-F]{6}) 2 solid$"));
    for (const QString& entry : trace)
        if (const auto m = shaft.match(entry); m.hasMatch())
            out.append({m.captured(5).toUInt(nullptr, 16), QPoint(m.captured(1).toInt(), m.captured(2).toInt()),
                        QPoint(m.captured(3).toInt(), m.captured(4).toInt())});
    return out;
}

QRgb rgbOf(std::uint32_t bgr)
{
    return qRgb(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

// Draws a scheme (with the steps before it, as the window would) on a real
// picture and statement label.
struct Window {
    PictureBox picture{280, 160};
    CanvasLabel statement;
    Window()
    {
        statement.resize(355, 170);
        statement.setWordWrap(true);
    }
    SchemeTarget target()
    {
        return {picture.canvas(), statement.canvas(), [this](const QString& t) { statement.setText(t); },
                [this] { picture.show(); }};
    }
};

int inkRows(const QImage& image, int top, int bottom)
{
    int n = 0;
    for (int y = top; y <= bottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 100) {
                ++n;
                break;
            }
    return n;
}

QString accessibleDescription(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Description) : QString();
}

} // namespace

class SchemesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }

    // Each scheme, drawn after the schemes of its task before it, draws what
    // its list says with the state the lists leave: every line, shape and
    // text with its coordinates, pen, brush and font.
    void everySchemeDrawsItsList_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kSchemes)); ++i)
            QTest::newRow(kSchemes[i].name) << i;
    }
    void everySchemeDrawsItsList()
    {
        QFETCH(int, index);
        const int task = kSchemes[index].task;
        Traced drawn, written;
        for (int i = 0; i <= index; ++i) {
            if (kSchemes[i].task != task)
                continue;
            QVERIFY(draw(task, kSchemes[i].firstStep, drawn.target()));
            written.replay(kSchemes[i]);
        }
        QCOMPARE(drawn.shown, written.shown);
        QCOMPARE(drawn.captions, written.captions);
        const QString picture = firstDifference(drawn.picture.trace(), written.picture.trace());
        QVERIFY2(picture.isEmpty(), qPrintable(QStringLiteral("picture: ") + picture));
        const QString statement = firstDifference(drawn.statement.trace(), written.statement.trace());
        QVERIFY2(statement.isEmpty(), qPrintable(QStringLiteral("statement: ") + statement));
    }

    // Which steps draw which scheme; a step without one touches nothing and
    // has no description.
    void stepsMapToSchemes_data()
    {
        QTest::addColumn<int>("task");
        for (int task = -1; task <= 5; ++task)
            QTest::newRow(task < 0 ? "example" : qPrintable(QStringLiteral("task %1").arg(task))) << task;
    }
    void stepsMapToSchemes()
    {
        QFETCH(int, task);
        for (int step = -2; step <= 14; ++step) {
            const QString at = QStringLiteral("step %1").arg(step);
            const SchemeText* scheme = schemeAt(task, step);
            Traced drawn;
            QVERIFY2(draw(task, step, drawn.target()) == (scheme != nullptr), qPrintable(at));
            QVERIFY2(description(task, step).isEmpty() == (scheme == nullptr), qPrintable(at));
            if (!scheme) {
                QVERIFY2(drawn.untouched(), qPrintable(at + QStringLiteral(" touched a surface")));
                continue;
            }
            Traced written;
            written.replay(*scheme);
            QVERIFY2(drawn.picture.trace() == written.picture.trace(), qPrintable(at));
            QVERIFY2(drawn.statement.trace() == written.statement.trace(), qPrintable(at));
        }
    }

    // Every scheme has a description of its own, the same for every step
    // that shows the scheme.
    void everySchemeIsDescribed()
    {
        QStringList seen;
        for (const SchemeText& s : kSchemes) {
            const QString text = description(s.task, s.firstStep);
            QVERIFY2(text.size() > 40, s.name);
            QVERIFY2(!seen.contains(text), s.name);
            seen << text;
            for (int step = s.firstStep; step <= s.lastStep; ++step)
                QCOMPARE(description(s.task, step), text);
        }
    }

    // The windows' pictures tell a screen reader what they show, and the
    // description follows the scheme as the steps go on.
    void picturesDescribeTheirScheme()
    {
        ExerciseTestBed bed;
        TKzsForm kzs;
        for (int task = 0; task < 5; ++task) {
            kzs.show();
            kzs.FormActivate();
            Kzs::Task = task;
            Kzs::Step = -1;
            QString expected;
            QSet<QString> seen;
            for (int step = 0; step < kTaskFinishStep(task); ++step) {
                kzs.LClickClick();
                if (const SchemeText* s = schemeAt(task, step))
                    expected = description(task, s->firstStep);
                QCOMPARE(accessibleDescription(kzs.Sh), expected);
                seen.insert(expected);
            }
            QCOMPARE(seen.size(), int(std::count_if(std::begin(kSchemes), std::end(kSchemes),
                                                    [task](const SchemeText& s) { return s.task == task; })));
            kzs.close();
        }

        TUrForm ur;
        ur.show();
        ur.FormActivate();
        QCOMPARE(accessibleDescription(ur.Shema), exampleSchemeDescription(0));
        QString expected = exampleSchemeDescription(0);
        for (int step = 1; step < kExampleFinishStep; ++step) {
            ur.LClickClick(); // shows question `step` beside the scheme of step - 1
            if (schemeAt(-1, step - 1))
                expected = exampleSchemeDescription(step - 1);
            QCOMPARE(accessibleDescription(ur.Shema), expected);
        }
        QCOMPARE(expected, exampleSchemeDescription(7));
        ur.close();
    }

    // Task 2 draws the disc of the second basic-concepts picture in calls of
    // its own, with the body 20 px higher and the given data 140 px to the
    // right: the same pixels there, and white around them.
    void taskTwoShowsTheDiscOfTheReferencePage()
    {
        PictureBox reference(160, 185);
        DrawDiscWithCouple(reference.canvas());
        Window w;
        QVERIFY(DrawTaskScheme(2, 0, w.target()));
        QImage expected(w.picture.image().size(), w.picture.image().format());
        expected.fill(Qt::white);
        QPainter p(&expected);
        p.drawImage(QPoint(0, 25), reference.image(), QRect(0, 45, 160, 135));
        p.drawImage(QPoint(140, 0), reference.image(), QRect(0, 0, 140, 45));
        p.end();
        QCOMPARE(w.picture.image(), expected);
    }

    void taskOneEquationsAccumulate()
    {
        Window w;
        w.statement.setText(QStringLiteral(" "));
        QVERIFY(DrawTaskScheme(1, 2, w.target()));
        QImage one = w.statement.grabSurface();
        QVERIFY(inkRows(one, 18, 35) > 0);
        QCOMPARE(inkRows(one, 45, 100), 0);
        QVERIFY(DrawTaskScheme(1, 3, w.target()));
        QVERIFY(DrawTaskScheme(1, 4, w.target()));
        w.statement.repaint();
        const QImage three = w.statement.grabSurface();
        QVERIFY(inkRows(three, 18, 35) > 0);
        QVERIFY(inkRows(three, 48, 65) > 0);
        QVERIFY(inkRows(three, 78, 95) > 0);
        QCOMPARE(inkRows(three, 40, 46), 0);
        QCOMPARE(inkRows(three, 110, 169), 0);
    }

    void exampleSchemeThreeKeepsThePicture()
    {
        Window w;
        QVERIFY(DrawExampleScheme(1, w.target()));
        const QImage freed = w.picture.image();
        QVERIFY(DrawExampleScheme(3, w.target()));
        QCOMPARE(w.picture.image(), freed);
        QVERIFY(!DrawExampleScheme(9, w.target()));
        QCOMPARE(w.picture.image(), freed);
    }

    void arrowsShowTheirColours_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kSchemes)); ++i)
            if (kSchemes[i].picture)
                QTest::newRow(kSchemes[i].name) << i;
    }
    void arrowsShowTheirColours()
    {
        QFETCH(int, index);
        const SchemeText& s = kSchemes[index];
        Window w;
        QVERIFY(draw(s.task, s.firstStep, w.target()));
        const QImage image = w.picture.image();
        Traced written;
        written.replay(s);
        const QList<Shaft> arrows = shafts(written.picture.trace());
        QVERIFY(!arrows.isEmpty());
        for (const Shaft& a : arrows) {
            if (a.colour != 0x0000FF && a.colour != 0xFF00FF)
                continue;
            // Some pixel of the middle half of the shaft shows the arrow's colour.
            bool seen = false;
            for (int k = 25; k <= 75 && !seen; ++k) {
                const QPoint p = a.from + (a.to - a.from) * k / 100;
                seen = (image.pixel(p) | 0xFF000000u) == rgbOf(a.colour);
            }
            QVERIFY2(seen, qPrintable(QStringLiteral("arrow (%1,%2)->(%3,%4)")
                                          .arg(a.from.x())
                                          .arg(a.from.y())
                                          .arg(a.to.x())
                                          .arg(a.to.y())));
        }
    }

    void labelOnTheYellowDiscHasAYellowCell()
    {
        Window w;
        QVERIFY(DrawTaskScheme(2, 0, w.target()));
        const QImage image = w.picture.image();
        const int width = w.picture.canvas().TextWidth(QStringLiteral("C"));
        int yellow = 0, white = 0, dark = 0;
        for (int y = 96; y < 104; ++y)
            for (int x = 70; x < 70 + width; ++x) {
                const QRgb c = image.pixel(x, y) | 0xFF000000u;
                yellow += c == qRgb(255, 255, 0);
                white += c == qRgb(255, 255, 255);
                dark += qGray(c) < 128;
            }
        QVERIFY(yellow > 0);
        QVERIFY(dark > 0);
        QCOMPARE(white, 0);
    }

    void hatchShowsTheGroundBetweenItsLines()
    {
        Window w;
        QVERIFY(DrawTaskScheme(1, 0, w.target())); // ground strip (45,110)-(75,115)
        const QImage image = w.picture.image();
        int grey = 0, white = 0;
        for (int y = 111; y < 114; ++y)
            for (int x = 46; x < 74; ++x) {
                const QRgb c = image.pixel(x, y) | 0xFF000000u;
                grey += c == qRgb(128, 128, 128);
                white += c == qRgb(255, 255, 255);
            }
        QVERIFY(grey > 0);
        QVERIFY(white > grey);
        QCOMPARE(grey + white, 3 * 28);
    }

    void aNewProblemDiscardsTheEquationsDrawnOnTheLabel()
    {
        Window w;
        QVERIFY(DrawTaskScheme(1, 0, w.target()));
        QVERIFY(DrawTaskScheme(1, 2, w.target()));
        const QImage equations = w.statement.grabSurface();
        QVERIFY(DrawTaskScheme(1, 0, w.target())); // the same problem drawn again
        QVERIFY(w.statement.grabSurface() != equations);
        QCOMPARE(w.statement.text(), kTask1Problem);
    }
};

QTEST_MAIN(SchemesTest)
#include "schemes_qtest.moc"
