// The equation control as a widget: key and mouse event lists in, text and
// caret out; painting, focus, colours and accessibility.
#include "eqedit/teqedit.h"
#include "platform/colours.h"
#include "messagecapture.h"

#include <QAccessible>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QStaticText>
#include <QVBoxLayout>
#include <QtTest>
#include <algorithm>
#include <stdexcept>
#include <variant>


namespace {

// Counts paint events of a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void giveFocus(TEqEdit& w)
{
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.setFocus();
    QTRY_VERIFY(w.hasCaret());
}

// Rows of pixels where something other than white or the frame was drawn.
int inkedPixels(const QImage& img, const QRect& area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(img.pixel(x, y)) < 128)
                ++n;
    return n;
}

// What the control must show: the frame's four lines, then each glyph of the
// visible layout drawn on its own at its box in the control's fonts, clipped
// to the inside of the frame, then the caret; painted into an image of
// `format`.
QImage paintedGlyphByGlyph(const TEqEdit& w, QImage::Format format)
{
    QImage img(w.size(), format);
    QPainter p(&img);
    const QRect all = img.rect();
    const QPalette& pal = w.palette();
    p.fillRect(all, w.BackColor());
    p.setPen(pal.color(QPalette::Active, QPalette::Mid));
    p.drawLine(all.topLeft(), all.topRight());
    p.drawLine(all.topLeft(), all.bottomLeft());
    p.setPen(pal.color(QPalette::Active, QPalette::Light));
    p.drawLine(all.bottomLeft(), all.bottomRight());
    p.drawLine(all.topRight(), all.bottomRight());
    const int b = TEqEdit::BevelWidth;
    const QRect area = all.adjusted(b, b, -b, -b);
    p.setClipRect(area);
    const QColor ink = pal.color(QPalette::Active, QPalette::WindowText);
    p.setPen(ink);
    const FontEqMetrics metrics(w.font());
    for (const EqGlyph& g : w.model().visibleLayout().glyphs) {
        QStaticText glyph{QString(g.ch)};
        glyph.setTextFormat(Qt::PlainText);
        p.setFont(metrics.font(g.reduced));
        p.drawStaticText(area.topLeft() + QPoint(g.x, g.y), glyph);
    }
    if (w.caretShown())
        p.fillRect(w.caretRect(), ink);
    return img;
}

// The control drawn into a pixmap (as grab() does) and into images of two
// formats, each against the picture above; empty when all agree.
QString differenceFromGlyphByGlyph(TEqEdit& w)
{
    QStringList differences;
    const QImage grabbed = w.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (grabbed != paintedGlyphByGlyph(w, QImage::Format_ARGB32_Premultiplied))
        differences << QStringLiteral("pixmap");
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_RGB888}) {
        QImage rendered(w.size(), format);
        w.render(&rendered);
        if (rendered != paintedGlyphByGlyph(w, format))
            differences << QStringLiteral("image of format %1").arg(int(format));
    }
    return differences.join(QStringLiteral(", "));
}

} // namespace

class TestTEqEdit : public QObject {
    Q_OBJECT
private slots:
    void defaults();
    void keyEvents_data();
    void keyEvents();
    void scrolledViewDrawsEveryCharacterAsTheFormulaDoes_data();
    void scrolledViewDrawsEveryCharacterAsTheFormulaDoes();
    void onKeyPressSeesTypedCharacters();
    void onKeyDownComesFirstAndMayReplaceTheKey();
    void onMouseDownComesBeforeTheCaretMoves();
    void faultInKeyHandlerIsReported();
    void tabMovesTheFocus();
    void caretFollowsTheLevel_data();
    void caretFollowsTheLevel();
    void focusOutRemovesTheCaret();
    void caretWidthRepaints();
    void coloursRepaintOnlyOnChange();
    void narrowControlScrolls();
    void clickPlacesTheCaret();
    void resetByBlankAndPressAtOrigin();
    void disabledIsDrawnLikeEnabled();
    void samplesRender_data();
    void samplesRender();
    void showsItsLayoutAfterEveryStep_data();
    void showsItsLayoutAfterEveryStep();
};

void TestTEqEdit::defaults()
{
    TEqEdit w;
    QCOMPARE(w.size(), QSize(300, 27));
    QCOMPARE(w.font().pointSize(), 14);
    QCOMPARE(w.cursor().shape(), Qt::IBeamCursor);
    QVERIFY(w.focusPolicy() & Qt::TabFocus);
    QCOMPARE(w.CaretWidth(), 2);
    QCOMPARE(w.ForeColor(), QColor(Qt::black));
    QCOMPARE(w.BackColor(), buttonFaceColour());
    QCOMPARE(w.Equation(), QString());
    QCOMPARE(w.model().caretLimit(), 300 - 2 - 2);
    QCOMPARE(w.model().textLimit(), 300 - 2);
    // The properties are reachable by name as well.
    QVERIFY(w.setProperty("Equation", QStringLiteral("R!A#2")));
    QCOMPARE(w.Equation(), QStringLiteral("R!A#2"));
    QVERIFY(w.setProperty("CaretWidth", 4));
    QCOMPARE(w.property("CaretWidth").toInt(), 4);
}

void TestTEqEdit::keyEvents_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QTestEventList>("events");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("beeps");

    auto keys = [](std::initializer_list<std::variant<Qt::Key, const char*>> items) {
        QTestEventList list;
        for (const auto& item : items) {
            if (std::holds_alternative<Qt::Key>(item))
                list.addKeyClick(std::get<Qt::Key>(item));
            else
                list.addKeyClicks(QString::fromUtf8(std::get<const char*>(item)));
        }
        return list;
    };
    QTest::newRow("subscript") << "" << keys({"R", Qt::Key_Down, "A", Qt::Key_Up, "*"}) << "R!A@*" << 5 << 0;
    QTest::newRow("greek") << "" << keys({Qt::Key_F3, "f"}) << "~f" << 2 << 0;
    QTest::newRow("markers refused") << "" << keys({"a!#@"}) << "a" << 1 << 0;
    QTest::newRow("enter") << "ab" << keys({Qt::Key_Return, Qt::Key_Enter}) << "ab" << 0 << 0;
    QTest::newRow("home end") << "abc" << keys({Qt::Key_End, "d", Qt::Key_Home, "x"}) << "xabcd" << 1 << 0;
    QTest::newRow("delete") << "abc" << keys({Qt::Key_Right, Qt::Key_Delete}) << "ac" << 1 << 0;
    QTest::newRow("beeps") << "" << keys({Qt::Key_Backspace, Qt::Key_Left, Qt::Key_Home, Qt::Key_End,
                                          Qt::Key_Right, Qt::Key_Delete})
                           << "" << 0 << 6;
}

void TestTEqEdit::keyEvents()
{
    QFETCH(QString, start);
    QFETCH(QTestEventList, events);
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(int, beeps);
    TEqEdit w;
    int beeped = 0;
    w.setBeepHandler([&] { ++beeped; });
    w.SetEquation(start);
    events.simulate(&w);
    QCOMPARE(w.Equation(), text);
    QCOMPARE(w.model().caretIndex(), caret);
    QCOMPARE(beeped, beeps);
    QCOMPARE(w.model().caretX(), EqWidth(text.left(caret), level::Normal, FontEqMetrics(w.font())));
}

// However the view has scrolled, each shown character is drawn as in the
// whole formula: a Greek letter typed with a level marker between its '~' and
// the letter (F3, Down, a: a subscript alpha) stays Greek at the view's start.
void TestTEqEdit::scrolledViewDrawsEveryCharacterAsTheFormulaDoes_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QTestEventList>("events");
    QTestEventList typedPast;
    typedPast.addKeyClick(Qt::Key_F3);
    typedPast.addKeyClick(Qt::Key_Down);
    typedPast.addKeyClicks(QStringLiteral("aa"));
    QTest::newRow("typing past a subscript alpha") << 21 << typedPast;
    QTestEventList end;
    end.addKeyClicks(QStringLiteral("x"));
    for (int i = 0; i < 8; ++i) {
        end.addKeyClick(Qt::Key_F3);
        end.addKeyClick(Qt::Key_Down);
        end.addKeyClicks(QStringLiteral("a"));
        end.addKeyClick(Qt::Key_Up);
    }
    end.addKeyClick(Qt::Key_Home);
    end.addKeyClick(Qt::Key_End);
    QTest::newRow("End over subscript alphas") << 40 << end;
}

void TestTEqEdit::scrolledViewDrawsEveryCharacterAsTheFormulaDoes()
{
    QFETCH(int, width);
    QFETCH(QTestEventList, events);
    TEqEdit w;
    w.resize(width, 27);
    events.simulate(&w);
    const EqEditModel& m = w.model();
    QCOMPARE(m.brokenInvariant(), QString());
    const EqLayout whole = layoutEquation(m.equation(), level::Normal, FontEqMetrics(w.font()));
    for (const EqGlyph& shown : m.visibleLayout().glyphs) {
        const int index = m.firstVisible() - 1 + shown.index;
        const auto drawn = std::find_if(whole.glyphs.cbegin(), whole.glyphs.cend(),
                                        [index](const EqGlyph& g) { return g.index == index; });
        QVERIFY(drawn != whole.glyphs.cend());
        QCOMPARE(shown.ch, drawn->ch);
        QCOMPARE(shown.level, drawn->level);
    }
}

void TestTEqEdit::onKeyPressSeesTypedCharacters()
{
    TEqEdit w;
    QString seen;
    w.OnKeyPress = [&](QChar& c) { seen += c; };
    QTest::keyClicks(&w, QStringLiteral("a!"));
    QTest::keyClick(&w, Qt::Key_Down);
    QTest::keyClick(&w, Qt::Key_Return);
    QTest::keyClick(&w, Qt::Key_Backspace);
    QTest::keyClick(&w, Qt::Key_Left);
    QCOMPARE(seen, QStringLiteral("a!\r\b"));
    QCOMPARE(w.Equation(), QStringLiteral("a"));
    // A letter outside ASCII is typed like any other.
    QKeyEvent cyrillic(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("ж"));
    QApplication::sendEvent(&w, &cyrillic);
    QCOMPARE(w.Equation(), QStringLiteral("жa"));
    QCOMPARE(seen.back(), QChar(u'ж'));
}

void TestTEqEdit::onKeyDownComesFirstAndMayReplaceTheKey()
{
    TEqEdit w;
    QStringList order;
    QList<int> keys;
    w.OnKeyDown = [&](int& key, Qt::KeyboardModifiers) {
        order << QStringLiteral("down");
        keys << key;
        if (key == Qt::Key_Home)
            key = 0;            // swallowed: the caret stays
        else if (key == Qt::Key_End)
            key = Qt::Key_Left; // handled as Left
    };
    w.OnKeyPress = [&](QChar&) { order << QStringLiteral("press"); };
    QTest::keyClicks(&w, QStringLiteral("abc"));
    QTest::keyClick(&w, Qt::Key_Home);
    QCOMPARE(w.model().caretIndex(), 3);
    QTest::keyClick(&w, Qt::Key_End);
    QCOMPARE(w.model().caretIndex(), 2);
    QCOMPARE(keys, QList<int>({Qt::Key_A, Qt::Key_B, Qt::Key_C, Qt::Key_Home, Qt::Key_End}));
    QCOMPARE(order, QStringList({"down", "press", "down", "press", "down", "press", "down", "down"}));
    QCOMPARE(w.Equation(), QStringLiteral("abc"));
}

void TestTEqEdit::onMouseDownComesBeforeTheCaretMoves()
{
    TEqEdit w;
    w.SetEquation(QStringLiteral("WWW"));
    QTest::keyClick(&w, Qt::Key_End);
    int caretSeen = -1;
    QPoint at;
    Qt::MouseButton button = Qt::NoButton;
    w.OnMouseDown = [&](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
        caretSeen = w.model().caretIndex();
        at = QPoint(x, y);
        button = b;
    };
    QTest::mousePress(&w, Qt::RightButton, {}, QPoint(0, 7));
    QCOMPARE(caretSeen, 3);
    QCOMPARE(at, QPoint(0, 7));
    QCOMPARE(button, Qt::RightButton);
    QCOMPARE(w.model().caretIndex(), 0);
}

void TestTEqEdit::faultInKeyHandlerIsReported()
{
    MessageCapture capture;
    TEqEdit w;
    w.OnKeyPress = [](QChar&) { throw std::runtime_error("сбой"); };
    QTest::keyClicks(&w, QStringLiteral("ab"));
    QCOMPARE(capture.texts(), QStringList({QStringLiteral("сбой"), QStringLiteral("сбой")}));
    QCOMPARE(w.Equation(), QStringLiteral("ab"));
}

void TestTEqEdit::tabMovesTheFocus()
{
    QWidget form;
    auto* layout = new QVBoxLayout(&form);
    auto* first = new TEqEdit;
    auto* second = new TEqEdit;
    layout->addWidget(first);
    layout->addWidget(second);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    first->setFocus();
    QTRY_VERIFY(first->hasFocus());
    QTest::keyClick(first, Qt::Key_Tab);
    QTRY_VERIFY(second->hasFocus());
    QCOMPARE(first->Equation(), QString());
    // Arrows stay in the control.
    QTest::keyClicks(second, QStringLiteral("ab"));
    QTest::keyClick(second, Qt::Key_Left);
    QTest::keyClick(second, Qt::Key_Right);
    QVERIFY(second->hasFocus());
    QCOMPARE(second->model().caretIndex(), 2);
}

void TestTEqEdit::caretFollowsTheLevel_data()
{
    QTest::addColumn<QTestEventList>("events");
    QTest::addColumn<int>("level");
    QTestEventList none, sub, super, back;
    sub.addKeyClicks(QStringLiteral("F"));
    sub.addKeyClick(Qt::Key_Down);
    super.addKeyClicks(QStringLiteral("x"));
    super.addKeyClick(Qt::Key_Up);
    back.addKeyClicks(QStringLiteral("x"));
    back.addKeyClick(Qt::Key_Down);
    back.addKeyClicks(QStringLiteral("a"));
    back.addKeyClick(Qt::Key_Up);
    QTest::newRow("empty") << none << int(level::Normal);
    QTest::newRow("after subscript marker") << sub << int(level::Sub);
    QTest::newRow("after superscript marker") << super << int(level::Super);
    QTest::newRow("back on the line") << back << int(level::Normal);
}

void TestTEqEdit::caretFollowsTheLevel()
{
    QFETCH(QTestEventList, events);
    QFETCH(int, level);
    TEqEdit w;
    giveFocus(w);
    events.simulate(&w);
    const FontEqMetrics m(w.font());
    const int hn = m.zeroHeight(false), hs = m.zeroHeight(true);
    const QRect caret = w.caretRect();
    const int b = TEqEdit::BevelWidth;
    QCOMPARE(caret.width(), 2);
    QCOMPARE(caret.left(), b + w.model().caretX());
    if (level == level::Normal) {
        QCOMPARE(caret.top(), b);
        QCOMPARE(caret.height(), hn);
    } else {
        QCOMPARE(caret.height(), hs);
        QCOMPARE(caret.top(), b + (level == level::Sub ? hn - hs : 0));
    }
    // The caret is painted where it is said to be, as far as the inside of
    // the frame reaches (a tall system face makes it taller than that).
    const QImage img = w.grab().toImage();
    const QRect shown = caret & w.rect().adjusted(b, b, -b, -b);
    QCOMPARE(inkedPixels(img, shown), shown.width() * shown.height());
}

void TestTEqEdit::focusOutRemovesTheCaret()
{
    TEqEdit w;
    giveFocus(w);
    const int b = TEqEdit::BevelWidth;
    const QRect caret = w.caretRect() & w.rect().adjusted(b, b, -b, -b);
    QVERIFY(!caret.isEmpty());
    QCOMPARE(inkedPixels(w.grab().toImage(), caret), caret.width() * caret.height());
    w.clearFocus();
    QTRY_VERIFY(!w.hasCaret());
    QVERIFY(w.caretRect().isEmpty());
    QCOMPARE(inkedPixels(w.grab().toImage(), caret), 0);
}

void TestTEqEdit::caretWidthRepaints()
{
    TEqEdit w;
    giveFocus(w);
    PaintCounter counter;
    w.installEventFilter(&counter);
    w.SetCaretWidth(5);
    QTRY_VERIFY(counter.paints > 0);
    QCOMPARE(w.caretRect().width(), 5);
    QCOMPARE(w.model().caretLimit(), 300 - 5 - 2);
}

void TestTEqEdit::coloursRepaintOnlyOnChange()
{
    TEqEdit w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    PaintCounter counter;
    w.installEventFilter(&counter);
    w.SetBackColor(w.BackColor());
    w.SetForeColor(w.ForeColor());
    QTest::qWait(50);
    QCOMPARE(counter.paints, 0);
    w.SetBackColor(buttonHighlightColour() == w.BackColor() ? QColor(Qt::yellow) : buttonHighlightColour());
    QTRY_VERIFY(counter.paints > 0);
    const int before = counter.paints;
    w.SetForeColor(Qt::red);
    QTRY_VERIFY(counter.paints > before);
    QCOMPARE(w.ForeColor(), QColor(Qt::red));
}

void TestTEqEdit::narrowControlScrolls()
{
    TEqEdit w;
    w.resize(80, 27);
    const QString typed = QStringLiteral("abcdefghijklmnopqrst");
    for (QChar c : typed) {
        QTest::keyClicks(&w, QString(c));
        QVERIFY(w.model().caretX() < w.model().caretLimit());
    }
    QVERIFY(w.model().firstVisible() > 1);
    QCOMPARE(w.Equation(), typed);
    QTest::keyClick(&w, Qt::Key_Home);
    QCOMPARE(w.model().firstVisible(), 1);
    QVERIFY(typed.startsWith(w.model().visibleText()));
    QTest::keyClick(&w, Qt::Key_End);
    const int first = w.model().firstVisible();
    QVERIFY(first > 6);
    while (w.model().caretIndex() >= first - 1)
        QTest::keyClick(&w, Qt::Key_Left);
    QCOMPARE(w.model().firstVisible(), first - 5);
}

void TestTEqEdit::clickPlacesTheCaret()
{
    TEqEdit w;
    w.SetEquation(QStringLiteral("WWW"));
    const int ww = FontEqMetrics(w.font()).charWidth(QChar(u'W'), false);
    const int b = TEqEdit::BevelWidth;
    const std::pair<int, int> clicks[] = {
        {b + ww + ww / 2 - 2, 1}, {b + ww + (ww + 1) / 2 + 1, 2}, {b + 3 * ww + 40, 3}, {0, 0}};
    for (const auto& [x, caret] : clicks) {
        QTest::mousePress(&w, Qt::LeftButton, {}, QPoint(x, 10));
        QCOMPARE(w.model().caretIndex(), caret);
    }
}

void TestTEqEdit::resetByBlankAndPressAtOrigin()
{
    TEqEdit w;
    w.resize(90, 27);
    QTest::keyClicks(&w, QStringLiteral("F!kx@*cos(~a)+1234567"));
    QTest::keyClick(&w, Qt::Key_Left);
    QVERIFY(w.model().firstVisible() > 1);
    w.SetEquation(QStringLiteral(" "));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(0, 0), w.mapToGlobal(QPointF(0, 0)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &press);
    QCOMPARE(w.model().caretIndex(), 0);
    QCOMPARE(w.model().caretX(), 0);
    QCOMPARE(w.model().firstVisible(), 1);
    QCOMPARE(w.Equation(), QStringLiteral(" "));
}

void TestTEqEdit::disabledIsDrawnLikeEnabled()
{
    TEqEdit enabled, disabled;
    enabled.SetEquation(QStringLiteral("y = F*cos(~a)"));
    disabled.SetEquation(QStringLiteral("y = F*cos(~a)"));
    disabled.setEnabled(false);
    const QImage a = enabled.grab().toImage();
    QCOMPARE(disabled.grab().toImage(), a);
    QVERIFY(inkedPixels(a, a.rect().adjusted(1, 1, -1, -1)) > 50);
    // A disabled control takes no input.
    QTest::keyClicks(&disabled, QStringLiteral("z"));
    QCOMPARE(disabled.Equation(), QStringLiteral("y = F*cos(~a)"));
}

void TestTEqEdit::samplesRender_data()
{
    QTest::addColumn<QString>("formula");
    QTest::newRow("index and power") << "R!A#2";
    QTest::newRow("greek") << "y = F*cos(~a)-R!A@*sin(~b)";
    QTest::newRow("powers") << "4#(-2)@ + 5#(4-67)@";
    QTest::newRow("sum") << "~S F!kx@ = 0";
}

// Renders each formula (and writes it into the temporary folder to look at);
// every glyph box must hold ink, and index glyphs must lie in their band.
void TestTEqEdit::samplesRender()
{
    QFETCH(QString, formula);
    TEqEdit w;
    w.SetEquation(formula);
    const QImage img = w.grab().toImage();
    img.save(QDir::temp().filePath(QStringLiteral("eqedit_%1.png").arg(QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_'))));
    const FontEqMetrics m(w.font());
    const EqLayout layout = layoutEquation(formula, level::Normal, m);
    const int b = TEqEdit::BevelWidth;
    for (const EqGlyph& g : layout.glyphs) {
        if (g.ch == u' ')
            continue;
        const QRect box(b + g.x, b + g.y, g.width, g.height);
        QVERIFY2(inkedPixels(img, box.intersected(img.rect().adjusted(1, 1, -1, -1))) > 0,
                 qPrintable(QString(g.ch)));
        if (g.level == level::Sub)
            QCOMPARE(box.bottom(), b + m.zeroHeight(false) - 1);
    }
}

void TestTEqEdit::showsItsLayoutAfterEveryStep_data()
{
    // Each step is a key in braces, a change of the control in braces, or
    // text typed one character at a time; the picture is compared after
    // every key.
    QTest::addColumn<QString>("formula");
    QTest::addColumn<int>("width");
    QTest::addColumn<QStringList>("steps");
    const QString f = QStringLiteral("y = F!1@*cos(~a)-R!A@*sin(~b)+M!B@(F)#2@-4#(-2)@+5#(4-67)@+x");
    QTest::newRow("typing at the end, taking it back")
        << QString() << 300 << QStringList{"ab+c", "{Backspace}", "{Backspace}", "d"};
    QTest::newRow("indices and powers typed at the end")
        << QString() << 300 << QStringList{"F", "{Down}", "kx", "{Up}", "+q", "{Up}", "2", "{Down}", "-1"};
    QTest::newRow("Greek letters typed at the end")
        << QString() << 300 << QStringList{"cos(", "{F3}", "a", ")+", "{F3}", "{Down}", "b"};
    QTest::newRow("typing and deleting in the middle")
        << QStringLiteral("a+b+c") << 300
        << QStringList{"{End}", "{Left}", "{Left}", "x", "{Backspace}", "{Home}", "{Delete}", "z"};
    QTest::newRow("a long formula scrolls while typed")
        << QString() << 120 << QStringList{"abcdefghijklmnopqrstuvwxyz", "{Home}", "{End}", "{Left}"};
    QTest::newRow("the whole formula typed, then End, Home")
        << f << 300 << QStringList{"{End}", "+", "{Backspace}", "{Home}", "{Right}", "{Right}"};
    QTest::newRow("colours and font change under the same text")
        << QStringLiteral("R!A@+F#2") << 300
        << QStringList{"{background}", "{ink}", "{font}", "{End}", "z", "{resize}", "y"};
    QTest::newRow("the caret while focused")
        << QStringLiteral("a!b") << 300 << QStringList{"{focus}", "{End}", "c", "{Left}", "{Backspace}"};
}

void TestTEqEdit::showsItsLayoutAfterEveryStep()
{
    QFETCH(QString, formula);
    QFETCH(int, width);
    QFETCH(QStringList, steps);
    TEqEdit w;
    w.resize(width, 27);
    if (!formula.isEmpty())
        w.SetEquation(formula);
    QString difference = differenceFromGlyphByGlyph(w);
    QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("at the start: ") + difference));
    const QHash<QString, Qt::Key> keys{{"{Backspace}", Qt::Key_Backspace}, {"{Delete}", Qt::Key_Delete},
                                       {"{Left}", Qt::Key_Left},           {"{Right}", Qt::Key_Right},
                                       {"{Up}", Qt::Key_Up},               {"{Down}", Qt::Key_Down},
                                       {"{Home}", Qt::Key_Home},           {"{End}", Qt::Key_End},
                                       {"{F3}", Qt::Key_F3}};
    for (const QString& step : steps) {
        if (keys.contains(step)) {
            QTest::keyClick(&w, keys.value(step));
        } else if (step == u"{background}") {
            w.SetBackColor(QColor(255, 255, 160));
        } else if (step == u"{ink}") {
            QPalette pal = w.palette();
            pal.setColor(QPalette::Active, QPalette::WindowText, QColor(0, 0, 160));
            w.setPalette(pal);
        } else if (step == u"{font}") {
            QFont font = w.font();
            font.setPointSize(16);
            w.setFont(font);
        } else if (step == u"{resize}") {
            w.resize(width - 40, 27);
        } else if (step == u"{focus}") {
            giveFocus(w);
            w.setCaretIndex(0);
        } else {
            for (const QChar c : step) {
                QTest::keyClicks(&w, QString(c));
                difference = differenceFromGlyphByGlyph(w);
                QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("after typing %1 of %2: %3")
                                                              .arg(c)
                                                              .arg(step, difference)));
            }
            continue;
        }
        difference = differenceFromGlyphByGlyph(w);
        QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("after %1: %2").arg(step, difference)));
    }
}

QTEST_MAIN(TestTEqEdit)
#include "teqedit_qtest.moc"
