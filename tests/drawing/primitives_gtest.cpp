// The primitives through the recording canvas: their calls, coordinates and
// the state they leave.  The recording canvas measures 6 px per character.
#include "drawing/primitives.h"
#include "drawing/recordingcanvas.h"

#include <gtest/gtest.h>

namespace {

QString joined(const RecordingCanvas& c)
{
    return c.calls().join(u'|');
}

struct ArrowCase {
    const char* name;
    int x1, y1, x2, y2;
    QPoint first, second;
};

class ArrowHead : public testing::TestWithParam<ArrowCase> {};

TEST_P(ArrowHead, CornersTruncatedTowardZero)
{
    const ArrowCase& a = GetParam();
    RecordingCanvas c;
    DrawArrow(c, a.x1, a.y1, a.x2, a.y2, 0x0000FF);
    const QString polygon = QStringLiteral("polygon %1 %2 %3 %4 %5 %6")
                                .arg(a.x2)
                                .arg(a.y2)
                                .arg(a.first.x())
                                .arg(a.first.y())
                                .arg(a.second.x())
                                .arg(a.second.y());
    const QString expected = QStringLiteral("pen colour 0000FF|pen width 2|move %1 %2|line %3 %4|"
                                            "brush colour 0000FF|brush style solid|pen width 1|%5|"
                                            "brush style clear")
                                 .arg(a.x1)
                                 .arg(a.y1)
                                 .arg(a.x2)
                                 .arg(a.y2)
                                 .arg(polygon);
    EXPECT_EQ(joined(c).toStdString(), expected.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Arrows, ArrowHead,
    testing::Values(ArrowCase{"diagonal_up_left", 59, 59, 40, 40, {45, 41}, {41, 45}},
                    ArrowCase{"down_the_y_axis", 80, 80, 80, 140, {77, 135}, {83, 135}},
                    ArrowCase{"right", 30, 97, 58, 97, {53, 100}, {53, 94}},
                    ArrowCase{"left", 100, 50, 60, 50, {65, 47}, {65, 53}},
                    ArrowCase{"up", 100, 100, 100, 70, {103, 75}, {97, 75}},
                    ArrowCase{"down_right_short", 160, 128, 165, 128, {160, 131}, {160, 125}}),
    [](const testing::TestParamInfo<ArrowCase>& info) { return std::string(info.param.name); });

// A zero-length arrow has no direction: it must not compute a head from a
// division by zero, and it leaves the state a full arrow leaves.
TEST(ArrowOfZeroLength, DrawsNoHeadAndLeavesTheArrowState)
{
    RecordingCanvas c;
    DrawArrow(c, 10, 10, 10, 10, 0xFF00FF);
    EXPECT_FALSE(joined(c).contains(QStringLiteral("polygon")));
    EXPECT_EQ(c.pen(), (PenState{0xFF00FF, 1, PenStyle::Solid}));
    EXPECT_EQ(c.brush(), (BrushState{0xFF00FF, BrushStyle::Clear}));
}

TEST(DottedLine, DrawsDottedAndLeavesSolidPen)
{
    RecordingCanvas c;
    c.setBrushColour(0x00FFFF);
    c.setBrushStyle(BrushStyle::Hatch);
    c.clear();
    DrawDottedLine(c, 30, 40, 30, 70, 0x000000);
    EXPECT_EQ(joined(c).toStdString(),
              "pen width 0|pen colour 000000|pen style dotted|move 30 40|line 30 70|pen style solid");
    EXPECT_EQ(c.pen(), (PenState{0x000000, 0, PenStyle::Solid}));
    EXPECT_EQ(c.brush(), (BrushState{0x00FFFF, BrushStyle::Hatch}));
    EXPECT_EQ(c.position(), QPoint(30, 70));
}

struct LabelCase {
    const char* name;
    SurfaceKind kind;
    std::function<void(Canvas&)> draw;
    const char* calls; // after the common start of the label primitives
};

class LabelCalls : public testing::TestWithParam<LabelCase> {};

const char* const kLabelStart = "pen style solid|pen width 0|pen colour 000000|brush colour FFFFFF|";

TEST_P(LabelCalls, BarOverTheTextOnly)
{
    const LabelCase& l = GetParam();
    RecordingCanvas c(l.kind);
    l.draw(c);
    EXPECT_EQ(joined(c).toStdString(), std::string(kLabelStart) + l.calls);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, LabelCalls,
    testing::Values(
        LabelCase{"vector_on_picture", SurfaceKind::Picture,
                  [](Canvas& c) { DrawVectorLabel(c, 150, 110, QStringLiteral("G"), 0xFFFFFF); },
                  "text 150 111 \"G\"|move 155 110|line 149 110"},
        LabelCase{"vector_on_label", SurfaceKind::Label,
                  [](Canvas& c) { DrawVectorLabel(c, 150, 110, QStringLiteral("G"), 0xFFFFFF); },
                  "text 150 111 \"G\"|move 155 110|line 150 110"},
        LabelCase{"bracketed_vector", SurfaceKind::Label,
                  [](Canvas& c) { DrawBracketedVectorLabel(c, 145, 70, QStringLiteral("F"), 0xFFFFFF); },
                  "text 145 71 \"(F\"|text 157 71 \")\"|move 156 70|line 147 70"},
        LabelCase{"vector_with_subscript", SurfaceKind::Picture,
                  [](Canvas& c) {
                      DrawVectorLabelSub(c, 50, 70, QStringLiteral("M"), QStringLiteral("D"), 0xFFFFFF);
                  },
                  "text 50 71 \"M\"|move 55 70|line 50 70|move 56 70|text 56 76 \"D\""},
        LabelCase{"bracketed_vector_with_subscript", SurfaceKind::Label,
                  [](Canvas& c) {
                      DrawBracketedVectorLabelSub(c, 75, 70, QStringLiteral("R"), QStringLiteral("D"), 0xFFFFFF);
                  },
                  "text 75 71 \"(R\"|move 85 70|line 77 70|text 87 76 \"D\"|text 93 70 \")\""},
        LabelCase{"long_text_bar", SurfaceKind::Picture,
                  [](Canvas& c) { DrawVectorLabel(c, 10, 20, QStringLiteral("AB"), 0xFFFFFF); },
                  "text 10 21 \"AB\"|move 21 20|line 9 20"}),
    [](const testing::TestParamInfo<LabelCase>& info) { return std::string(info.param.name); });

TEST(LabelSub, LeavesThePenAloneAndWritesTheSubscriptLower)
{
    RecordingCanvas c;
    c.setPenColour(0x0000FF);
    c.setPenWidth(3);
    c.setPenStyle(PenStyle::Dotted);
    c.setBrushStyle(BrushStyle::Clear);
    c.clear();
    DrawLabelSub(c, 175, 70, QStringLiteral("R"), QStringLiteral("B"), 0x00FFFF);
    EXPECT_EQ(joined(c).toStdString(), "brush colour 00FFFF|text 175 70 \"R\"|text 181 76 \"B\"");
    EXPECT_EQ(c.pen(), (PenState{0x0000FF, 3, PenStyle::Dotted}));
    EXPECT_EQ(c.brush(), (BrushState{0x00FFFF, BrushStyle::Solid}));
    EXPECT_EQ(c.position(), QPoint(187, 76));
}

// The state each primitive leaves, from a surface whose pen and brush and font
// were set to something else first.
struct StateCase {
    const char* name;
    std::function<void(Canvas&)> draw;
    PenState pen;
    BrushState brush;
};

class StateAfter : public testing::TestWithParam<StateCase> {};

TEST_P(StateAfter, PenBrushAndFont)
{
    const StateCase& s = GetParam();
    RecordingCanvas c;
    c.setPenColour(0x123456);
    c.setPenWidth(3);
    c.setPenStyle(PenStyle::Dotted);
    c.setBrushColour(0x654321);
    c.setBrushStyle(BrushStyle::Clear);
    c.setFontFace(QStringLiteral("Symbol"));
    c.setFontSize(12);
    s.draw(c);
    EXPECT_EQ(c.pen(), s.pen);
    EXPECT_EQ(c.brush(), s.brush);
    EXPECT_EQ(c.font(), (FontState{QStringLiteral("Symbol"), 12}));
}

const QString kT = QStringLiteral("T");
const QString kS = QStringLiteral("A");

INSTANTIATE_TEST_SUITE_P(
    Primitives, StateAfter,
    testing::Values(
        StateCase{"arrow", [](Canvas& c) { DrawArrow(c, 1, 2, 30, 40, 0xFF00FF); },
                  {0xFF00FF, 1, PenStyle::Dotted}, {0xFF00FF, BrushStyle::Clear}},
        StateCase{"dotted", [](Canvas& c) { DrawDottedLine(c, 1, 2, 30, 40, 0x808080); },
                  {0x808080, 0, PenStyle::Solid}, {0x654321, BrushStyle::Clear}},
        StateCase{"vector", [](Canvas& c) { DrawVectorLabel(c, 1, 2, kT, 0xFFFFFF); },
                  {0, 0, PenStyle::Solid}, {0xFFFFFF, BrushStyle::Solid}},
        StateCase{"bracketed", [](Canvas& c) { DrawBracketedVectorLabel(c, 1, 2, kT, kButtonFace); },
                  {0, 0, PenStyle::Solid}, {kButtonFace, BrushStyle::Solid}},
        StateCase{"vector_sub", [](Canvas& c) { DrawVectorLabelSub(c, 1, 2, kT, kS, 0x00FFFF); },
                  {0, 0, PenStyle::Solid}, {0x00FFFF, BrushStyle::Solid}},
        StateCase{"bracketed_sub", [](Canvas& c) { DrawBracketedVectorLabelSub(c, 1, 2, kT, kS, 0xFFFFFF); },
                  {0, 0, PenStyle::Solid}, {0xFFFFFF, BrushStyle::Solid}},
        StateCase{"label_sub", [](Canvas& c) { DrawLabelSub(c, 1, 2, kT, kS, 0xFFFFFF); },
                  {0x123456, 3, PenStyle::Dotted}, {0xFFFFFF, BrushStyle::Solid}}),
    [](const testing::TestParamInfo<StateCase>& info) { return std::string(info.param.name); });

TEST(BrushColour, MakesAClearBrushSolidButKeepsTheHatch)
{
    RecordingCanvas c;
    c.setBrushStyle(BrushStyle::Clear);
    c.setBrushColour(0x808080);
    EXPECT_EQ(c.brush().style, BrushStyle::Solid);
    c.setBrushStyle(BrushStyle::Hatch);
    c.setBrushColour(0xFFFFFF);
    EXPECT_EQ(c.brush(), (BrushState{0xFFFFFF, BrushStyle::Hatch}));
}

TEST(RecordingCanvas, TextMovesThePositionByItsWidth)
{
    RecordingCanvas c;
    c.setFontSize(12);
    c.TextOut(10, 20, QStringLiteral("abc"));
    EXPECT_EQ(c.position(), QPoint(10 + 3 * RecordingCanvas::charWidth(12), 20));
    EXPECT_EQ(RecordingCanvas::charWidth(12), 9);
    c.LineTo(5, 6);
    EXPECT_EQ(c.position(), QPoint(5, 6));
}

} // namespace
