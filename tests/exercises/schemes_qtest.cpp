// The schemes: each against its list of calls, the steps that have one, and
// what they look like on a real picture and statement label.
#include "drawing/canvaslabel.h"
#include "drawing/picturebox.h"
#include "drawing/recordingcanvas.h"
#include "exercises/schemes.h"
#include "platform/fonts.h"
#include "support/schemes_listings.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

// Records both surfaces and what the scheme asks of the window.
struct Recorder {
    RecordingCanvas picture{SurfaceKind::Picture};
    RecordingCanvas statement{SurfaceKind::Label};
    QStringList captions;
    int shown = 0;
    SchemeTarget target()
    {
        return {picture, statement, [this](const QString& t) { captions << t; }, [this] { ++shown; }};
    }
    bool untouched() const
    {
        return picture.calls().isEmpty() && statement.calls().isEmpty() && captions.isEmpty() && shown == 0;
    }
};

bool draw(int task, int step, const SchemeTarget& t)
{
    return task < 0 ? DrawExampleScheme(step, t) : DrawTaskScheme(task, step, t);
}

QStringList split(const QString& listing)
{
    return listing.isEmpty() ? QStringList() : listing.split(u'|');
}

// The first difference of two listings, for a readable failure.
QString firstDifference(const QStringList& actual, const QStringList& expected)
{
    for (qsizetype i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        const QString a = i < actual.size() ? actual[i] : QStringLiteral("<end>");
        const QString e = i < expected.size() ? expected[i] : QStringLiteral("<end>");
        if (a != e)
            return QStringLiteral("call %1: got '%2', expected '%3'").arg(i).arg(a, e);
    }
    return {};
}

// Which scheme (by listing name) a step maps to, or empty.
QString expectedScheme(int task, int step)
{
    if (task < 0) {
        if (step == 0)
            return QStringLiteral("ex_1");
        if (step >= 1 && step <= 2)
            return QStringLiteral("ex_2");
        if (step >= 3 && step <= 6)
            return QStringLiteral("ex_3");
        if (step == 7)
            return QStringLiteral("ex_4");
        return {};
    }
    for (const SchemeListing& l : schemeListings())
        if (l.task == task && l.step == step)
            return QString::fromLatin1(l.name);
    return {};
}

// Shafts of the arrows in a picture recording: colour, start and tip.
struct Shaft {
    std::uint32_t colour;
    QPoint from, to;
};
QList<Shaft> shafts(const QStringList& calls)
{
    QList<Shaft> out;
    static const QRegularExpression colour(QStringLiteral("^pen colour ([0-9A-F]{6})$"));
    static const QRegularExpression move(QStringLiteral("^move (\\d+) (\\d+)$"));
    static const QRegularExpression line(QStringLiteral("^line (\\d+) (\\d+)$"));
    for (qsizetype i = 0; i + 3 < calls.size(); ++i) {
        const auto c = colour.match(calls[i]);
        const auto m = move.match(calls[i + 2]);
        const auto l = line.match(calls[i + 3]);
        if (c.hasMatch() && calls[i + 1] == QLatin1String("pen width 2") && m.hasMatch() && l.hasMatch())
            out.append({c.captured(1).toUInt(nullptr, 16), QPoint(m.captured(1).toInt(), m.captured(2).toInt()),
                        QPoint(l.captured(1).toInt(), l.captured(2).toInt())});
    }
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

} // namespace

class SchemesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }

    void everySchemeDrawsItsList_data()
    {
        QTest::addColumn<int>("index");
        const auto listings = schemeListings();
        for (int i = 0; i < listings.size(); ++i)
            QTest::newRow(listings[i].name) << i;
    }
    void everySchemeDrawsItsList()
    {
        QFETCH(int, index);
        const SchemeListing l = schemeListings().at(index);
        Recorder r;
        QVERIFY(draw(l.task, l.step, r.target()));
        QCOMPARE(r.shown, 1);
        QCOMPARE(r.captions, l.caption.isEmpty() ? QStringList() : QStringList{l.caption});
        const QString pictureDiff = firstDifference(r.picture.calls(), split(l.picture));
        QVERIFY2(pictureDiff.isEmpty(), qPrintable(QStringLiteral("picture: ") + pictureDiff));
        const QString statementDiff = firstDifference(r.statement.calls(), split(l.statement));
        QVERIFY2(statementDiff.isEmpty(), qPrintable(QStringLiteral("statement: ") + statementDiff));
    }

    void stepsMapToSchemes_data()
    {
        QTest::addColumn<int>("task");
        for (int task = -1; task <= 5; ++task)
            QTest::newRow(task < 0 ? "example" : qPrintable(QStringLiteral("task %1").arg(task))) << task;
    }
    void stepsMapToSchemes()
    {
        QFETCH(int, task);
        const auto listings = schemeListings();
        for (int step = -2; step <= 14; ++step) {
            Recorder r;
            const bool drawn = draw(task, step, r.target());
            const QString name = expectedScheme(task, step);
            QVERIFY2(drawn == !name.isEmpty(), qPrintable(QStringLiteral("step %1").arg(step)));
            if (!drawn) {
                QVERIFY2(r.untouched(), qPrintable(QStringLiteral("step %1 touched a surface").arg(step)));
                continue;
            }
            const auto it = std::find_if(listings.begin(), listings.end(),
                                         [&](const SchemeListing& l) { return name == QLatin1String(l.name); });
            QVERIFY(it != listings.end());
            QCOMPARE(r.picture.calls(), split(it->picture));
            QCOMPARE(r.statement.calls(), split(it->statement));
        }
    }

    void taskOneEquationsAccumulate()
    {
        Recorder r;
        QVERIFY(DrawTaskScheme(1, 2, r.target()));
        QVERIFY(DrawTaskScheme(1, 3, r.target()));
        QVERIFY(DrawTaskScheme(1, 4, r.target()));
        const QStringList calls = r.statement.calls();
        QCOMPARE(calls.filter(QRegularExpression(QStringLiteral("^fill "))).size(), 1);
        QCOMPARE(calls.at(2), QStringLiteral("fill 0 0 355 170"));
        QVERIFY(calls.contains(QStringLiteral("text 30 20 \"x :\"")));
        QVERIFY(calls.contains(QStringLiteral("text 30 50 \"y :\"")));
        QVERIFY(calls.contains(QStringLiteral("text 30 80 \"M\"")));

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
        const auto listings = schemeListings();
        for (int i = 0; i < listings.size(); ++i)
            if (!listings[i].picture.isEmpty())
                QTest::newRow(listings[i].name) << i;
    }
    void arrowsShowTheirColours()
    {
        QFETCH(int, index);
        const SchemeListing l = schemeListings().at(index);
        Window w;
        QVERIFY(draw(l.task, l.step, w.target()));
        const QImage image = w.picture.image();
        const QList<Shaft> arrows = shafts(split(l.picture));
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
        QCOMPARE(w.statement.text(), schemeListings().at(8).caption);
    }
};

QTEST_MAIN(SchemesTest)
#include "schemes_qtest.moc"
