// Everything on screen whole: every window and every page of its page control
// is shown (offscreen, with the installed fonts), and every visible text,
// formula box, button title and tab row is checked against its box, against
// the others and against the window.  The checks read only geometry and
// fonts, so the table of windows below serves any language of the texts.
#include "eqedit/eqlayout.h"
#include "eqedit/teqedit.h"
#include "platform/about.h"
#include "platform/fonts.h"
#include "platform/language.h"
#include "platform/textfit.h"
#include "platform/translations.h"
#include "shell/startup.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QStyle>
#include <QTextLayout>
#include <QtTest>
#include <memory>

namespace {

// FreeType's setting in the environment as the process started, before the
// application object and the fonts.
struct Environment {
    bool set = false;
    QByteArray value;
};
Environment& startEnvironment()
{
    static Environment environment;
    return environment;
}
void rememberStartEnvironment()
{
    startEnvironment() = {qEnvironmentVariableIsSet("FREETYPE_PROPERTIES"), qgetenv("FREETYPE_PROPERTIES")};
}

// Pixels between the ink of two texts side by side, below which they run together.
constexpr int kThinBlank = 3;

// A painted rectangle in window coordinates and what painted it.
struct Painted {
    QRect rect;
    const QWidget* owner;
    QString what;
};

QString describe(const QWidget* w)
{
    QString text;
    if (auto* label = qobject_cast<const QLabel*>(w))
        text = label->text();
    else if (auto* box = qobject_cast<const TEqEdit*>(w))
        text = box->Equation();
    else if (auto* button = qobject_cast<const QAbstractButton*>(w))
        text = button->text();
    return QStringLiteral("%1 \"%2\"").arg(w->objectName(), text.left(40));
}

// The part of the window where `w` can be seen: its parents' boxes, up to the
// window, or up to the contents of a scroll box, which scroll up and down
// into view: there the box of the contents, as wide as the box's view.
QRect visibleArea(const QWidget* w, const QWidget* window)
{
    QRect area(QPoint(-100000, -100000), QSize(200000, 200000));
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget()) {
        const QWidget* holder = p->parentWidget();
        const bool scrolled = holder && qobject_cast<const QAbstractScrollArea*>(holder->parentWidget())
                           && holder == static_cast<const QAbstractScrollArea*>(holder->parentWidget())->viewport();
        if (scrolled) {
            const QRect view(holder->mapTo(window, QPoint(0, 0)), holder->size());
            const QRect contents(p->mapTo(window, QPoint(0, 0)), p->size());
            return area & QRect(view.left(), contents.top(), view.width(), contents.height());
        }
        area &= QRect(p->mapTo(window, QPoint(0, 0)), p->size());
    }
    return area & window->rect();
}

// A label's text as QLabel draws it: its height and widest line, and the ink
// of every character (and of the underline), in the label's coordinates.
struct LabelText {
    QList<QRect> ink;
    int widestLine = 0;
    int height = 0;
};

LabelText layOut(const QLabel* label)
{
    LabelText out;
    const QRect box = label->contentsRect();
    const QFont font = label->font();
    const QFontMetrics metrics(font);
    const Qt::Alignment align = QStyle::visualAlignment(label->layoutDirection(), label->alignment());
    const int flags = int(align) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
    out.height = metrics.boundingRect(box, flags, label->text()).height();
    // A paragraph set on the line grid of its face (platform/textfit.h).
    int pitch = metrics.lineSpacing();
    int firstBaseline = metrics.ascent();
    if (const auto* own = qobject_cast<const TextLabel*>(label); own && own->setsOwnLines()) {
        const LineGrid grid = own->lineGrid();
        pitch = grid.pitch;
        firstBaseline = grid.ascent;
        out.height = own->lineCount(box.width()) * pitch;
    }

    QTextLayout layout(label->text(), font);
    QTextOption option;
    option.setWrapMode(label->wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QList<QTextLine> lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(box.width());
        lines.append(line);
    }
    layout.endLayout();
    int top = box.top();
    if (align & Qt::AlignBottom)
        top += box.height() - out.height;
    else if (align & Qt::AlignVCenter)
        top += (box.height() - out.height) / 2;
    const QString text = label->text();
    for (int n = 0; n < lines.size(); ++n) {
        const QTextLine& line = lines[n];
        const int natural = qCeil(line.naturalTextWidth());
        out.widestLine = std::max(out.widestLine, natural);
        int left = box.left();
        if (align & Qt::AlignRight)
            left += box.width() - natural;
        else if (align & Qt::AlignHCenter)
            left += (box.width() - natural) / 2;
        const int baseline = top + n * pitch + firstBaseline;
        const int end = line.textStart() + line.textLength();
        for (int i = line.textStart(); i < end; ++i) {
            if (text.at(i).isSpace())
                continue;
            const QRect glyph = metrics.boundingRect(text.at(i));
            if (!glyph.isEmpty())
                out.ink.append(glyph.translated(left + qRound(line.cursorToX(i)), baseline));
        }
        if (font.underline() && natural > 0)
            out.ink.append(QRect(left, baseline + metrics.underlinePos(), natural, metrics.lineWidth()));
    }
    return out;
}

class Checker {
public:
    explicit Checker(QWidget* window) : m_window(window) {}

    void label(const QLabel* label)
    {
        if (label->text().trimmed().isEmpty() || label->textFormat() == Qt::RichText)
            return;
        const LabelText laid = layOut(label);
        const QRect box = label->contentsRect();
        if (!label->wordWrap() && laid.widestLine > box.width())
            fault(label, QStringLiteral("a line %1 px wide in a box %2 px wide").arg(laid.widestLine).arg(box.width()));
        if (label->wordWrap() && laid.height > box.height())
            fault(label, QStringLiteral("wrapped text %1 px high in a box %2 px high").arg(laid.height).arg(box.height()));
        if (label->wordWrap() && laid.widestLine > box.width())
            fault(label, QStringLiteral("a word runs past the box (%1 px of %2)").arg(laid.widestLine).arg(box.width()));
        for (const QRect& glyph : laid.ink)
            paint(label, QRect(label->mapTo(m_window, glyph.topLeft()), glyph.size()));
    }

    void formula(const TEqEdit* box)
    {
        const FontEqMetrics metrics(box->font());
        const EqLayout laid = layoutEquation(box->Equation(), level::Normal, metrics);
        const int room = box->width() - 2 * TEqEdit::BevelWidth;
        if (laid.width() > room)
            fault(box, QStringLiteral("formula %1 px wide in %2 px").arg(laid.width()).arg(room));
        // The ink of every glyph lies inside the bevel.
        const QRect inside = box->rect().adjusted(TEqEdit::BevelWidth, TEqEdit::BevelWidth, -TEqEdit::BevelWidth,
                                                  -TEqEdit::BevelWidth);
        for (const EqGlyph& g : laid.glyphs) {
            const QFontMetrics glyphMetrics(metrics.font(g.reduced));
            const QRect ink = glyphMetrics.boundingRect(g.ch).translated(
                inside.left() + g.x, inside.top() + g.y + glyphMetrics.ascent());
            if (!ink.isEmpty() && !inside.contains(ink)) {
                fault(box, QStringLiteral("glyph %1 cut by the box").arg(g.ch));
                break;
            }
        }
        paint(box, QRect(box->mapTo(m_window, QPoint(0, 0)), box->size()));
    }

    void button(const QAbstractButton* button)
    {
        if (button->text().isEmpty())
            return;
        const int needed = QFontMetrics(button->font()).horizontalAdvance(button->text()) + 4;
        if (needed > button->width())
            fault(button, QStringLiteral("title needs %1 px, the button has %2").arg(needed).arg(button->width()));
        within(button, QRect(button->mapTo(m_window, QPoint(0, 0)), button->size()));
    }

    // No two texts of different controls overlap or touch; side by side on a
    // line they keep at least a thin blank between them, or they read as one
    // word (except a label marked as completing the word before it).
    void checkOverlaps()
    {
        for (int a = 0; a < m_painted.size(); ++a)
            for (int b = a + 1; b < m_painted.size(); ++b) {
                const Painted& p = m_painted[a];
                const Painted& q = m_painted[b];
                if (p.owner == q.owner)
                    continue;
                const bool joined = p.owner->property("joinsPrevious").toBool()
                                 || q.owner->property("joinsPrevious").toBool();
                const int blank = joined ? 1 : kThinBlank;
                if (p.rect.adjusted(-blank, -1, blank, 1).intersects(q.rect))
                    m_faults << QStringLiteral("%1 and %2 overlap or touch").arg(p.what, q.what);
            }
    }

    QStringList faults() const { return m_faults; }

private:
    void paint(const QWidget* owner, const QRect& rect)
    {
        m_painted.append({rect, owner, describe(owner)});
        within(owner, rect);
    }

    void within(const QWidget* owner, const QRect& rect)
    {
        if (!visibleArea(owner, m_window).contains(rect))
            fault(owner, QStringLiteral("painted outside its window or page (%1,%2 %3x%4)")
                             .arg(rect.x())
                             .arg(rect.y())
                             .arg(rect.width())
                             .arg(rect.height()));
    }

    void fault(const QWidget* w, const QString& what) { m_faults << describe(w) + QStringLiteral(": ") + what; }

    QWidget* m_window;
    QList<Painted> m_painted;
    QStringList m_faults;
};

QWidget* windowOfClass(const QString& className)
{
    for (QWidget* w : createdWindows())
        if (QLatin1String(w->metaObject()->className()) == className)
            return w;
    return nullptr;
}

} // namespace

class FitTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        // Rows tagged "en: ..." run with the English texts, made before the windows.
        const bool english = QByteArray(QTest::currentDataTag()).startsWith("en: ");
        const Language language = english ? Language::English : Language::Russian;
        QCOMPARE(installProgramServices(language), language);
        startModules();
        createWindows();
    }
    void cleanup()
    {
        destroyWindows();
        stopModules();
    }

    void everythingFits_data();
    void everythingFits();
    void textsMeasureAsDesigned_data();
    void textsMeasureAsDesigned();
    void pointsAndPixels();
    void fontsDrawTheFaceTheirNameStandsFor_data();
    void fontsDrawTheFaceTheirNameStandsFor();
    void fontsLeaveTheEnvironmentAsFound_data();
    void fontsLeaveTheEnvironmentAsFound();
    void qtOwnTextsAreRussian();
};

void FitTest::everythingFits_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("page");   // -1: a window without pages
    struct Row {
        const char* window;
        int pages;
    };
    const Row windows[] = {
        {"TMainForm", 0},   {"TConsForm", 0},  {"TReshForm", 0},  {"TRepForm", 0},   {"TKontrForm", 0},
        {"TPonForm", 5},    {"TSvyazForm", 4}, {"THelpForm", 5},  {"TMetodForm", 0}, {"TUrForm", 0},
        {"TKzsForm", 0},    {"TMatrixForm", 0}, {"TMatrix2Form", 0}, {"TAskForm", 0},
        {"AboutWindow", 0},
    };
    for (const char* language : {"", "en: "})
        for (const Row& row : windows) {
            if (row.pages == 0)
                QTest::addRow("%s%s", language, row.window) << QString::fromLatin1(row.window) << -1;
            for (int page = 0; page < row.pages; ++page)
                QTest::addRow("%s%s page %d", language, row.window, page + 1)
                    << QString::fromLatin1(row.window) << page;
        }
}

void FitTest::everythingFits()
{
    QFETCH(QString, window);
    QFETCH(int, page);
    QWidget* w = windowOfClass(window);
    // The About window is made when asked for, not at start-up.
    std::unique_ptr<AboutWindow> about;
    if (!w && window == QLatin1String("AboutWindow")) {
        about = std::make_unique<AboutWindow>();
        w = about.get();
    }
    QVERIFY2(w, qPrintable(window));
    w->ensurePolished();
    if (page >= 0) {
        QObject* pages = w->findChild<QObject*>(QStringLiteral("PageControl1"));
        QVERIFY(pages);
        QVERIFY(page < pages->property("count").toInt());
        pages->setProperty("currentIndex", page);
    }
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QApplication::processEvents();

    Checker check(w);
    for (QWidget* child : w->findChildren<QWidget*>()) {
        if (!child->isVisible())
            continue;
        if (auto* label = qobject_cast<QLabel*>(child))
            check.label(label);
        else if (auto* box = qobject_cast<TEqEdit*>(child))
            check.formula(box);
        else if (auto* button = qobject_cast<QAbstractButton*>(child))
            check.button(button);
    }
    check.checkOverlaps();
    w->hide();
    const QStringList faults = check.faults();
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("\n") + faults.join(QLatin1Char('\n'))));
}

void FitTest::textsMeasureAsDesigned_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<int>("width");   // the box of an auto-sized label in the layout tables
    QTest::newRow("Сила") << QStringLiteral("Сила") << 17 << 40;
    QTest::newRow("Пара сил") << QStringLiteral("Пара сил") << 17 << 71;
    QTest::newRow("Замечание.") << QStringLiteral("Замечание.") << 17 << 89;
    QTest::newRow("2-я форма:") << QStringLiteral("2-я форма:") << 17 << 85;
    QTest::newRow("Проекция силы на ось") << QStringLiteral("Проекция силы на ось") << 17 << 173;
    QTest::newRow("Момент силы") << QStringLiteral("Момент силы") << 17 << 104;
    QTest::newRow("Уравнения равновесия ...")
        << QStringLiteral("Уравнения равновесия для плоской системы сил.") << 17 << 389;
}

void FitTest::textsMeasureAsDesigned()
{
    QFETCH(QString, text);
    QFETCH(int, pixels);
    QFETCH(int, width);
    const QFont arial = pixelFont(QStringLiteral("Arial"), pixels);
    // The widths are hinted Arial's as Windows' own rasteriser sets them, and
    // Liberation Sans's (same metrics, same hints) as FreeType's classic
    // interpreter sets them.  Another stack (Wine's rasteriser, a face of
    // other widths) is named, not failed.
    const QString family = QFontInfo(arial).family();
    const bool nativeWindows = QGuiApplication::platformName() == QLatin1String("windows");
    if (!(nativeWindows ? family == QLatin1String("Arial") : family == QLatin1String("Liberation Sans")))
        QSKIP(qPrintable(QStringLiteral("the widths are measured for Windows' Arial and FreeType's Liberation Sans, "
                                        "not for %1 on the %2 platform")
                             .arg(family, QGuiApplication::platformName())));
    const QFontMetrics metrics(arial);
    QCOMPARE(metrics.horizontalAdvance(text), width);
    // A widget's own font, unset but for its size, renders the same way.
    QLabel label;
    QFont font = label.font();
    font.setFamily(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    label.setFont(font);
    QCOMPARE(QFontMetrics(label.font()).horizontalAdvance(text), width);
}

void FitTest::pointsAndPixels()
{
    // Heights in pixels from the layout tables and the whole points the
    // desktop gives them at 96 dots per inch, both ways.
    const int table[][2] = {{19, 14}, {17, 13}, {16, 12}, {13, 10}, {12, 9}, {11, 8}};
    for (const auto& row : table) {
        QCOMPARE(pixelsToPoints(row[0]), row[1]);
        QCOMPARE(pointsToPixels(row[1]), row[0]);
    }
    // A formula font of 19 px is 14 pt and its indices, 4 pt smaller, 13 px.
    QCOMPARE(QFontInfo(pointFontForPixels(QStringLiteral("Arial"), 19)).pixelSize(), 19);
    QCOMPARE(QFontInfo(pointFont(QStringLiteral("Arial"), 10)).pixelSize(), 13);
}

void FitTest::fontsDrawTheFaceTheirNameStandsFor_data()
{
    QTest::addColumn<QString>("family");
    for (const char* family : {"Arial", "MS Sans Serif", "MsSansSerif", "Symbol", "Liberation Sans", "DejaVu Sans",
                               "Courier New"})
        QTest::newRow(family) << QString::fromLatin1(family);
}

// A font the program builds by a face's name draws what a font of that name
// alone draws after the substitutions: the same face, and for letters the
// face lacks, the same fallback faces.
void FitTest::fontsDrawTheFaceTheirNameStandsFor()
{
    QFETCH(QString, family);
    installFontSubstitutions();
    const QString sample = QStringLiteral("Проекция силы Fx = 12,5 αβγ ∑ ⊥ ∡ ⇒ ≈");
    for (const bool bold : {false, true}) {
        QFont named(family);
        named.setPixelSize(17);
        named.setBold(bold);
        named = withDesignedAdvances(named);
        const QFont ours = pixelFont(family, 17, bold);
        QCOMPARE(QFontInfo(ours).family(), QFontInfo(named).family());
        QCOMPARE(QFontInfo(ours).bold(), QFontInfo(named).bold());
        QCOMPARE(QFontMetrics(ours).height(), QFontMetrics(named).height());
        for (const QChar c : sample)
            QVERIFY2(QFontMetrics(ours).horizontalAdvance(c) == QFontMetrics(named).horizontalAdvance(c),
                     qPrintable(QStringLiteral("%1 (bold: %2)").arg(c).arg(bold)));
    }
}

void FitTest::fontsLeaveTheEnvironmentAsFound_data()
{
    QTest::addColumn<bool>("ownSetting");   // false: the environment the test started with
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("as started") << false << QByteArray();
    QTest::newRow("another setting") << true << QByteArray("cff:no-stem-darkening=0");
    QTest::newRow("an interpreter") << true << QByteArray("truetype:interpreter-version=40");
}

// The FreeType setting the fonts ask for (textsMeasureAsDesigned shows that
// it was read) is gone from the environment once they are installed, so that
// programs started from this one do not inherit it; a setting of the user's
// own stays as it was.
void FitTest::fontsLeaveTheEnvironmentAsFound()
{
    QFETCH(bool, ownSetting);
    QFETCH(QByteArray, value);
    const char* const name = "FREETYPE_PROPERTIES";
    if (ownSetting)
        qputenv(name, value);
    installFontSubstitutions();
    const bool setAfter = qEnvironmentVariableIsSet(name);
    const QByteArray valueAfter = qgetenv(name);
    if (startEnvironment().set)
        qputenv(name, startEnvironment().value);
    else
        qunsetenv(name);
    QCOMPARE(setAfter, ownSetting || startEnvironment().set);
    QCOMPARE(valueAfter, ownSetting ? value : startEnvironment().value);
}

void FitTest::qtOwnTextsAreRussian()
{
    // Start-up loads Qt's own translations: the edit boxes' context menus, the
    // standard buttons.
    QVERIFY(QFile::exists(qtTranslationsFile()));
    QCOMPARE(QCoreApplication::translate("QLineEdit", "Select All"), QStringLiteral("Выделить всё"));
}

QTEST_MAIN_WRAPPER(FitTest, rememberStartEnvironment(); QTEST_MAIN_SETUP())
#include "fit_qtest.moc"
