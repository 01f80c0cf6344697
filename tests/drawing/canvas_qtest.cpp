// The painter canvas on a real picture and on a label's surface.
#include "drawing/canvaslabel.h"
#include "drawing/paintercanvas.h"
#include "drawing/picturebox.h"
#include "platform/colours.h"
#include "platform/fonts.h"

#include <QtTest>

namespace {
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGrey = qRgb(128, 128, 128);
const QRgb kYellow = qRgb(255, 255, 0);

QRgb at(const QImage& image, int x, int y)
{
    return image.pixel(x, y) | 0xFF000000u;
}

int count(const QImage& image, const QRect& box, QRgb colour)
{
    int n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            n += at(image, x, y) == colour;
    return n;
}

// Dark pixels (text is drawn antialiased).
int ink(const QImage& image, const QRect& box)
{
    int n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            n += qGray(at(image, x, y)) < 128;
    return n;
}
} // namespace

class CanvasTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }

    void pictureStartsWhite()
    {
        PictureBox box(280, 160);
        const QImage image = box.image();
        QCOMPARE(image.size(), QSize(280, 160));
        QCOMPARE(count(image, image.rect(), kWhite), 280 * 160);
        QCOMPARE(box.canvas().kind(), SurfaceKind::Picture);
    }

    void lineExcludesEndPixel_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QPoint>("beforeEnd");
        QTest::newRow("right") << QPoint(10, 10) << QPoint(30, 10) << QPoint(29, 10);
        QTest::newRow("left") << QPoint(30, 10) << QPoint(10, 10) << QPoint(11, 10);
        QTest::newRow("down") << QPoint(10, 10) << QPoint(10, 30) << QPoint(10, 29);
        QTest::newRow("up") << QPoint(10, 30) << QPoint(10, 10) << QPoint(10, 11);
        QTest::newRow("diagonal") << QPoint(10, 10) << QPoint(30, 30) << QPoint(29, 29);
    }
    void lineExcludesEndPixel()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QPoint, beforeEnd);
        PictureBox box(40, 40);
        Canvas& c = box.canvas();
        c.MoveTo(from.x(), from.y());
        c.LineTo(to.x(), to.y());
        const QImage image = box.image();
        QCOMPARE(at(image, from.x(), from.y()), kBlack);
        QCOMPARE(at(image, beforeEnd.x(), beforeEnd.y()), kBlack);
        QCOMPARE(at(image, to.x(), to.y()), kWhite);
        QCOMPARE(c.position(), to);
    }

    void dottedPenLeavesGaps()
    {
        PictureBox box(60, 10);
        Canvas& c = box.canvas();
        c.setPenStyle(PenStyle::Dotted);
        c.MoveTo(0, 5);
        c.LineTo(60, 5);
        const QImage image = box.image();
        const int ink = count(image, QRect(0, 5, 60, 1), kBlack);
        QVERIFY(ink > 15);
        QVERIFY(ink < 45);
    }

    void rectangleCoversUpToTheSecondCornerLessOne()
    {
        PictureBox box(40, 40);
        Canvas& c = box.canvas();
        c.setBrushColour(0x808080);
        c.Rectangle(30, 25, 10, 5); // corners given the other way round
        const QImage image = box.image();
        QCOMPARE(at(image, 10, 5), kBlack);
        QCOMPARE(at(image, 29, 24), kBlack);
        QCOMPARE(at(image, 20, 15), kGrey);
        QCOMPARE(at(image, 30, 15), kWhite);
        QCOMPARE(at(image, 20, 25), kWhite);
        QCOMPARE(at(image, 9, 15), kWhite);
    }

    void hatchDrawsGreyLinesAndKeepsWhatLiesBeneath()
    {
        PictureBox box(60, 60);
        Canvas& c = box.canvas();
        c.setBrushColour(0x0000FF);
        c.FillRect(0, 0, 60, 60);
        c.setBrushColour(0x808080);
        c.setBrushStyle(BrushStyle::Hatch);
        c.setPenStyle(PenStyle::Solid);
        c.Rectangle(10, 10, 50, 50);
        const QImage image = box.image();
        const QRect inside(11, 11, 38, 38);
        const int grey = count(image, inside, kGrey);
        const int red = count(image, inside, kRed);
        QCOMPARE(grey + red, inside.width() * inside.height());
        // One diagonal every 8 pixels.
        QVERIFY(qAbs(grey - inside.width() * inside.height() / 8) <= inside.width());
        // Lines rise to the right: a grey pixel has grey neighbours down-left and up-right.
        for (int y = 12; y < 48; ++y)
            for (int x = 12; x < 48; ++x)
                if (at(image, x, y) == kGrey)
                    QCOMPARE(at(image, x + 1, y - 1), kGrey);
    }

    void ellipseOutlinedAndFilled()
    {
        PictureBox box(40, 40);
        Canvas& c = box.canvas();
        c.setBrushColour(0x00FFFF);
        c.Ellipse(0, 0, 40, 40);
        const QImage image = box.image();
        QCOMPARE(at(image, 20, 20), kYellow);
        QCOMPARE(at(image, 20, 0), kBlack);
        QCOMPARE(at(image, 1, 1), kWhite);
        c.setBrushStyle(BrushStyle::Clear);
        c.setBrushColour(0x000000);
        c.setBrushStyle(BrushStyle::Clear);
        c.Ellipse(10, 10, 30, 30);
        QCOMPARE(at(box.image(), 20, 20), kYellow);
    }

    void arcRunsCounterClockwise_data()
    {
        QTest::addColumn<QPoint>("start");
        QTest::addColumn<QPoint>("end");
        QTest::addColumn<QPoint>("drawn");
        QTest::addColumn<QPoint>("notDrawn");
        // Circle of the box (0,0)-(41,41), centre (20.5, 20.5), radius about 20.
        QTest::newRow("east to north") << QPoint(60, 20) << QPoint(20, -20) << QPoint(34, 6) << QPoint(6, 34);
        QTest::newRow("north to east") << QPoint(20, -20) << QPoint(60, 20) << QPoint(6, 34) << QPoint(34, 6);
        QTest::newRow("west to south") << QPoint(-20, 20) << QPoint(20, 60) << QPoint(6, 34) << QPoint(34, 34);
    }
    void arcRunsCounterClockwise()
    {
        QFETCH(QPoint, start);
        QFETCH(QPoint, end);
        QFETCH(QPoint, drawn);
        QFETCH(QPoint, notDrawn);
        PictureBox box(41, 41);
        box.canvas().Arc(0, 0, 41, 41, start.x(), start.y(), end.x(), end.y());
        const QImage image = box.image();
        const auto inkNear = [&](QPoint p) { return count(image, QRect(p - QPoint(2, 2), QSize(5, 5)), kBlack); };
        QVERIFY(inkNear(drawn) > 0);
        QCOMPARE(inkNear(notDrawn), 0);
    }

    void textFillsItsCellWhenTheBrushIsSolid_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("filled");
        QTest::newRow("solid") << int(BrushStyle::Solid) << true;
        QTest::newRow("clear") << int(BrushStyle::Clear) << false;
        QTest::newRow("hatch") << int(BrushStyle::Hatch) << false;
    }
    void textFillsItsCellWhenTheBrushIsSolid()
    {
        QFETCH(int, style);
        QFETCH(bool, filled);
        PictureBox box(60, 30);
        Canvas& c = box.canvas();
        c.setBrushColour(0x00FFFF);
        c.setBrushStyle(BrushStyle(style));
        c.TextOut(5, 5, QStringLiteral("C"));
        const int width = c.TextWidth(QStringLiteral("C"));
        QVERIFY(width > 0);
        QCOMPARE(c.position(), QPoint(5 + width, 5));
        const QImage image = box.image();
        const QRect cell(5, 5, width, 8);
        QVERIFY(ink(image, cell.adjusted(0, 0, 0, 6)) > 0);
        QCOMPARE(count(image, cell, kYellow) > 0, filled);
        QCOMPARE(count(image, cell, kWhite) > 0, !filled);
        QCOMPARE(at(image, 5 + width, 6), kWhite);
    }

    void symbolFaceDrawsGreekLettersInTheLatinFace()
    {
        PictureBox greek(40, 30);
        PictureBox latin(40, 30);
        greek.canvas().setFontFace(QStringLiteral("MsSansSerif"));
        greek.canvas().setFontFace(QStringLiteral("Symbol"));
        greek.canvas().TextOut(2, 2, QStringLiteral("ab"));
        latin.canvas().setFontFace(QStringLiteral("MsSansSerif"));
        latin.canvas().TextOut(2, 2, QStringLiteral("αβ"));
        QCOMPARE(greek.canvas().position(), latin.canvas().position());
        QCOMPARE(greek.image(), latin.image());
        PictureBox plain(40, 30);
        plain.canvas().TextOut(2, 2, QStringLiteral("ab"));
        QVERIFY(plain.image() != latin.image());
    }

    void fontSizeChangesTextWidth()
    {
        PictureBox box(10, 10);
        Canvas& c = box.canvas();
        const int small = c.TextWidth(QStringLiteral("Главный момент"));
        c.setFontSize(12);
        QVERIFY(c.TextWidth(QStringLiteral("Главный момент")) > small);
    }

    void sharpAtTwiceThePixelRatio()
    {
        QImage image(80, 80, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(2.0);
        image.fill(Qt::white);
        PainterCanvas c(SurfaceKind::Picture, [&]() -> QImage& { return image; }, {}, {});
        c.MoveTo(2, 3);
        c.LineTo(20, 3);
        // A one-pixel line covers exactly the two device rows of its logical row.
        QCOMPARE(at(image, 10, 5), kWhite);
        QCOMPARE(at(image, 10, 6), kBlack);
        QCOMPARE(at(image, 10, 7), kBlack);
        QCOMPARE(at(image, 10, 8), kWhite);
        QCOMPARE(at(image, 39, 6), kBlack);
        QCOMPARE(at(image, 40, 6), kWhite);
        c.setBrushColour(0x808080);
        c.setBrushStyle(BrushStyle::Hatch);
        c.FillRect(0, 8, 40, 40);
        // The hatch keeps its logical spacing of 8 pixels: 4 lines across 32 logical pixels.
        int lines = 0;
        for (int x = 16; x < 80; ++x)
            lines += at(image, x, 40) == kGrey && at(image, x - 1, 40) != kGrey;
        QCOMPARE(lines, 4);
    }

    void labelDrawingSurvivesRepaintsUntilDiscarded()
    {
        CanvasLabel label;
        label.resize(100, 40);
        label.setText(QStringLiteral("caption"));
        Canvas& c = label.canvas();
        QCOMPARE(c.kind(), SurfaceKind::Label);
        c.setPenColour(0x0000FF);
        c.MoveTo(0, 30);
        c.LineTo(100, 30);
        QCOMPARE(at(label.grabSurface(), 50, 30), kRed);
        label.repaint();
        QCOMPARE(at(label.grabSurface(), 50, 30), kRed);
        c.discardDrawing();
        QVERIFY(at(label.grabSurface(), 50, 30) != kRed);
    }

    void labelDrawingGoesWithANewCaption()
    {
        CanvasLabel label;
        label.resize(100, 40);
        label.setText(QStringLiteral("one"));
        label.canvas().setPenColour(0x0000FF);
        label.canvas().MoveTo(0, 30);
        label.canvas().LineTo(100, 30);
        label.setText(QStringLiteral("two"));
        QVERIFY(at(label.grabSurface(), 50, 30) != kRed);
        // Drawing after the change, through the same canvas, stays.
        Canvas& c = label.canvas();
        c.MoveTo(0, 35);
        label.setText(QStringLiteral("three"));
        c.LineTo(100, 35);
        QCOMPARE(at(label.grabSurface(), 50, 35), kRed);
    }

    void labelTextTakesTheLabelSizeUntilOneIsSet()
    {
        CanvasLabel label;
        label.setFont(pixelFont(QStringLiteral("MS Sans Serif"), 16));
        Canvas& c = label.canvas();
        QCOMPARE(c.font().points, 12);
        label.setFont(pointFont(QStringLiteral("MS Sans Serif"), 10));
        QCOMPARE(c.font().points, 10);
        c.setFontSize(9);
        label.setFont(pointFont(QStringLiteral("MS Sans Serif"), 14));
        QCOMPARE(label.canvas().font().points, 9);
    }

    void buttonFaceFillCoversTheCaption()
    {
        CanvasLabel label;
        label.resize(120, 40);
        label.setText(QStringLiteral("WWWWWWWW"));
        const QImage before = label.grabSurface();
        QVERIFY(ink(before, QRect(0, 0, 120, 20)) > 0);
        Canvas& c = label.canvas();
        c.setBrushColour(kButtonFace);
        c.FillRect(0, 0, 355, 170);
        const QImage after = label.grabSurface();
        const QRgb face = label.palette().color(QPalette::Button).rgb();
        QCOMPARE(count(after, after.rect(), face), after.width() * after.height());
    }
};

QTEST_MAIN(CanvasTest)
#include "canvas_qtest.moc"
