// Every scheme of the reference pages against its numbered drawing list: the
// scheme function and the list, replayed through the same primitives, must
// make the same calls on a recording canvas, in the same order.
#include "drawing/recordingcanvas.h"
#include "reference/ponpictures.h"
#include "reference/svyazpictures.h"
#include "steplist.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace {

struct Picture {
    const char* name;
    void (*draw)(Canvas&);
    const char* steps;
};

// The lists, one step per line, as the scheme descriptions give them.
const Picture kPictures[] = {
    {"Image1", DrawImage1, R"(
brush yellow
ellipse (50,50)–(110,110)
dotted (55,80)–(105,80) black
dotted (80,80)–(101,59) red
dotted (80,80)–(59,59) red
arrow (80,80)→(80,140) magenta
arrow (101,59)→(120,40) red
arrow (59,59)→(40,40) red
pen solid
pen black
brush yellow
pen width 0
arc in (65,65)–(95,95) from (110,80) to (110,50)
arc in (65,65)–(95,95) from (50,50) to (60,80)
vector "R" sub "B" at (125,35)
vector "R" sub "A" at (50,35)
vector "G" at (87,130)
label "C" at (85,85) on yellow
label "A" at (65,55) on yellow
label "B" at (85,55) on yellow
label "Дано :" at (20,10)
vector "G" at (80,9)
font "Symbol"
text ", a, b" (, α, β) at (90,10)
label "a" (α) at (56,65) on yellow
label "b" (β) at (96,65) on yellow
)"},
    {"Image2", DrawImage2, R"(
brush yellow
ellipse (50,80)–(110,140)
dotted (55,110)–(105,110) black
arrow (80,110)→(80,170) magenta
arrow (50,110)→(50,50) magenta
arrow (110,110)→(140,110) red
arrow (110,110)→(110,75) red
pen width 3
arc in (90,90)–(130,130) from (95,70) to (110,140)
arrow (110,130)→(115,130) red
vector "F" at (57,55)
vector "P" at (70,150)
label "Y" sub "B" at (115,70)
label "X" sub "B" at (135,90)
label "M" sub "B" at (115,133)
label "A" at (40,110)
label "B" at (115,95)
label "C" at (70,115) on yellow
label "Дано :" at (20,10)
vector "P" at (55,10)
label "=" at (65,10)
label "-" at (75,10)
vector "F" at (80,10)
label "." at (87,10)
label "a - радиус диска." at (20,25)
)"},
    {"Image3", DrawImage3, R"(
arc in (10,110)–(50,150) from (140,130) to (140,40)
arc in (90,20)–(130,60) from (140,40) to (30,130)
line (10,150)–(10,10)
line (10,150)–(140,150)
dotted (30,150)–(30,40) black
dotted (110,150)–(110,40) black
dotted (10,130)–(140,130) black
dotted (10,40)–(140,40) black
arrow (110,40)→(30,130) magenta
label "y" at (15,10)
label "x" at (140,147)
vector "F" at (45,90)
font "Symbol"
label "g" (γ) at (55,110)
label "a" (α) at (80,25)
)"},
    {"Image4", DrawImage4, R"(
line (60,130)–(30,130)–(30,100)
line (30,130)–(10,150)
brush yellow
ellipse (60,20)–(140,60)
arc in (90,30)–(110,50) from (90,20) to (80,60)
brush white
dotted (100,40)–(40,100) black
dotted (100,40)–(140,130) black
dotted (60,80)–(140,130) black
brush yellow
dotted (100,40)–(90,20) black
arrow (100,40)→(70,70) magenta
arrow (140,130)→(100,40) black
label "y" at (20,100)
label "x" at (55,131)
label "z" at (20,141)
label "B" at (130,130)
label "h" at (80,100)
vector "r" at (125,70)
vector "F" at (60,55)
label "A" at (110,30) on yellow
font "Symbol"
label "a" (α) at (81,32) on yellow
)"},
    {"Image5", DrawImage5, R"(
dotted (20,150)–(110,150) black
dotted (20,150)–(20,100) black
dotted (110,100)–(110,40) black
dotted (110,150)–(110,100) magenta
dotted (110,40)–(50,40) black
dotted (50,40)–(50,100) black
dotted (50,100)–(20,100) magenta
pen solid
pen black
brush yellow
ellipse (50,70)–(110,130)
rectangle (75,40)–(85,72)
arc in (100,90)–(120,110) from (50,110) to (20,150)
pen yellow
line (85,71)–(75,71)
font "Symbol"
label "a" (α) at (83,99) on yellow
dotted (80,130)–(80,40) black
dotted (50,100)–(110,100) magenta
arrow (110,100)→(20,150) magenta
arrow (25,100)→(20,100) magenta
arrow (110,145)→(110,150) magenta
font "MS Sans Serif"
label "O" at (70,25)
label "B" at (115,100)
label "A" at (65,57)
label "h" sub "2" at (90,20)
label "h" sub "1" at (35,65)
vector "F" at (60,135)
vector "F" sub "1" at (10,78)
vector "F" sub "2" at (117,140)
label "C" at (65,85) on yellow
label "Дано :" at (20,10)
vector "F" at (55,10)
label "," at (63,10)
label "R," at (70,10)
label "OA=R" at (100,10)
font "Symbol"
label "a," (α,) at (85,10)
)"},
    {"Image6", DrawImage6, R"(
line (150,140)–(20,140)–(20,30)
brush yellow
ellipse (90,50)–(150,110)
rectangle (50,75)–(92,85)
font "Symbol"
label "a" (α) at (123,67) on yellow
arc in (100,30)–(140,70) from (120,80) to (170,120)
pen yellow
line (91,75)–(91,85)
dotted (90,80)–(150,80) black
dotted (120,50)–(120,110) black
arrow (120,50)→(170,120) magenta
arrow (60,80)→(60,40) red
arrow (60,80)→(90,80) red
pen width 2
pen solid
arc in (40,60)–(80,100) from (50,30) to (60,150)
arrow (60,100)→(65,100) red
font "MS Sans Serif"
label "y" at (25,30)
label "x" at (145,141)
label "F" at (150,120)
label "B" at (110,36)
label "A" at (65,60)
label "Y" sub "A" at (68,40)
label "X" sub "A" at (73,87)
label "M" sub "A" at (60,107)
label "O" at (123,83) on yellow
label "C" at (95,67) on yellow
label "Дано :" at (20,10)
label "F" at (55,10)
label "," at (63,10)
label ", AC=CO=R" at (76,10)
font "Symbol"
label "a" (α) at (67,10)
)"},
    {"Sh", DrawSh, R"(
pen black
font "MsSansSerif"
brush solid
brush white
fill box (0,0)–(280,160) with the brush
brush gray
line (10,20)–(10,140)–(250,140)
rectangle (60,100)–(220,95)
line (50,110)–(60,100)–(70,110)
arc in (180,95)–(220,135) from (240,115) to (240,80)
pen width 2
line (200,115)–(240,80)
brush hatched (45°, lines rising to the right)
pen width 0
rectangle (200,120)–(250,115)
rectangle (45,115)–(75,110)
brush solid
brush white
ellipse (55,93)–(65,103)
pen magenta
pen width 2
arc in (100,80)–(140,120) from (120,80) to (120,120)
arrow (120,118)→(125,118) magenta
arrow (140,100)→(140,120) magenta
vector "P" at (150,110)
vector "M" at (126,70)
label "y" at (15,15)
label "x" at (245,138)
label "O" at (9,141)
label "A" at (60,79)
label "C" at (140,80)
label "B" at (214,80)
label "Дано : AB = 2b," at (40,20)
vector "M" at (119,19)
label "," at (127,20)
vector "P" at (131,19)
label "," at (138,20)
font "Symbol"
label "a." (α.) at (141,20)
label "  a" (  α) at (222,98)
)"},
    {"Sh2", DrawSh2, R"(
pen black
font "MsSansSerif"
brush solid
brush white
fill box (0,0)–(280,160) with the brush
dotted (220,100)–(220,60) black
arc in (200,80)–(240,120) from (220,70) to (190,70)
brush gray
line (10,20)–(10,140)–(250,140)
rectangle (60,100)–(220,95)
brush solid
brush white
pen magenta
pen width 2
arc in (100,80)–(140,120) from (120,80) to (120,120)
arrow (120,118)→(125,118) magenta
arrow (140,100)→(140,120) magenta
arrow (220,95)→(190,70) red
arrow (60,97)→(80,97) red
arrow (60,97)→(60,77) red
vector "P" at (150,110)
vector "M" at (126,70)
label "y" at (15,15)
label "x" at (245,138)
label "O" at (9,141)
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
font "Symbol"
label "a." (α.) at (141,20)
label "a" (α) at (205,66)
)"},
    {"Sh3", DrawSh3, R"(
pen black
font "MsSansSerif"
brush solid
brush white
fill box (0,0)–(280,160) with the brush
pen black
line (40,110)–(130,50)–(170,110)
line (130,50)–(130,30)
arc in (20,90)–(60,130) from (80,110) to (130,50)
arc in (150,90)–(190,130) from (130,50) to (130,110)
brush gray
rectangle (40,110)–(220,120)
brush hatched (45°, lines rising to the right)
rectangle (110,20)–(150,30)
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
font "Symbol"
label "a, b," (α, β,) at (60,20)
label "a" (α) at (70,93)
label "b" (β) at (140,93)
)"},
    {"Sh4", DrawSh4, R"(
pen black
font "MsSansSerif"
brush solid
brush white
fill box (0,0)–(280,160) with the brush
pen black
line (10,90)–(10,150)–(80,150)
dotted (130,50)–(130,110) black
arc in (20,90)–(60,130) from (80,110) to (130,50)
arc in (150,90)–(190,130) from (130,50) to (130,110)
brush gray
rectangle (40,110)–(220,120)
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
font "Symbol"
label "a, b," (α, β,) at (60,20)
label "a" (α) at (70,93)
label "b" (β) at (140,93)
)"},
    {"Sh5", DrawSh5, R"(
pen black
font "MsSansSerif"
brush solid
brush white
fill box (0,0)–(280,160) with the brush
pen black
line (10,20)–(10,140)–(250,140)
arc in (130,100)–(170,140) from (150,100) to (120,90)
brush gray
brush hatched (45°, lines rising to the right)
rectangle (20,50)–(40,80)
brush solid
polygon (30,60) (160,60) (160,120) (150,120) (150,70) (30,70)
arrow (150,120)→(120,90) magenta
label "y" at (15,15)
label "x" at (245,138)
label "O" at (9,141)
label "Дано : AB = b, AC = a," at (60,20)
vector "F" at (173,19)
label "," at (179,20)
label "B" at (45,45)
label "A" at (150,45)
label "C" at (150,123)
vector "F" at (108,90)
font "Symbol"
label "a." (α.) at (183,20)
label "a" (α) at (136,88)
)"},
    {"Sh6", DrawSh6, R"(
pen black
font "MsSansSerif"
brush solid
brush white
fill box (0,0)–(280,160) with the brush
line (10,20)–(10,140)–(250,140)
arc in (130,100)–(170,140) from (150,100) to (120,90)
brush gray
brush solid
polygon (30,60) (160,60) (160,120) (150,120) (150,70) (30,70)
pen red
pen width 2
arc in (25,50)–(55,80) from (35,40) to (40,80)
arrow (40,79)→(45,79) red
arrow (150,120)→(120,90) magenta
arrow (40,65)→(70,65) red
arrow (40,65)→(40,35) red
label "y" at (15,15)
label "x" at (245,138)
label "O" at (9,141)
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
font "Symbol"
label "a." (α.) at (183,20)
label "a" (α) at (136,88)
)"},
    {"Im", DrawIm, R"(
line (20,60)–(20,140)–(80,140)–(80,60)
line (30,60)–(30,130)–(70,130)–(70,60)
arc in (10,100)–(50,140) from (75,40) to (30,60)
brush gray
brush hatched (45°, lines rising to the right)
rectangle (10,140)–(90,150)
pen width 2
line (80,30)–(78,45)–(40,130)–(30,125)–(70,40)–(80,30)
arrow (56,80)→(56,110) magenta
label "Дано :" at (100,20)
vector "P" at (135,19)
label "," at (143,20)
label "A" at (22,120)
label "D" at (48,116)
label "B" at (72,62)
vector "P" at (60,110)
font "Symbol"
label "a." (α.) at (148,20)
label "a" (α) at (35,80)
)"},
    {"Im2", DrawIm2, R"(
line (110,110)–(110,140)–(140,140)
line (70,60)–(30,60)
arc in (40,30)–(100,90) from (30,40) to (30,61)
pen width 2
line (80,30)–(78,45)–(40,130)–(30,125)–(70,40)–(80,30)
arrow (56,80)→(56,110) magenta
arrow (30,125)→(70,125) red
arrow (40,130)→(40,90) red
arrow (70,60)→(30,40) red
label "Дано :" at (100,20)
label "P" at (135,20)
label "," at (143,20)
label "A" at (22,120)
label "D" at (43,128)
label "B" at (72,62)
vector "P" at (63,100)
label "y" at (115,107)
label "x" at (135,141)
label "R" sub "B" at (13,32)
label "R" sub "D" at (20,80)
label "R" sub "A" at (75,120)
font "Symbol"
label "a." (α.) at (148,20)
label "a" (α) at (30,45)
)"},
};

void PrintTo(const Picture& picture, std::ostream* out)
{
    *out << picture.name;
}

class SchemeList : public ::testing::TestWithParam<Picture> {};

TEST_P(SchemeList, DrawsItsNumberedListInOrder)
{
    const Picture& picture = GetParam();
    RecordingCanvas expected;
    const int steps = runStepList(expected, QString::fromUtf8(picture.steps));
    ASSERT_GT(steps, 0);

    RecordingCanvas actual;
    picture.draw(actual);

    const QStringList& want = expected.calls();
    const QStringList& got = actual.calls();
    const auto mismatch = std::mismatch(want.begin(), want.end(), got.begin(), got.end());
    if (mismatch.first != want.end() || mismatch.second != got.end()) {
        const auto at = mismatch.first - want.begin();
        ADD_FAILURE() << picture.name << ": call " << at << " differs: expected \""
                      << (mismatch.first != want.end() ? mismatch.first->toStdString() : "<end>")
                      << "\", drawn \""
                      << (mismatch.second != got.end() ? mismatch.second->toStdString() : "<end>") << "\"";
    }
    EXPECT_EQ(want.size(), got.size());
}

INSTANTIATE_TEST_SUITE_P(ReferencePictures, SchemeList, ::testing::ValuesIn(kPictures),
                         [](const ::testing::TestParamInfo<Picture>& info) { return std::string(info.param.name); });

} // namespace
