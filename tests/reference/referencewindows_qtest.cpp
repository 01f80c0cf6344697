// The reference windows: their pages, texts, equation boxes, pictures as they
// come out on screen, and what "OK" does.
#include "accessibletree.h"
#include "drawing/picturebox.h"
#include "eqedit/spokenformula.h"
#include "eqedit/teqedit.h"
#include "eqedit/teqeditaccessible.h"
#include "platform/accessibility.h"
#include "reference/helpform.h"
#include "reference/metodform.h"
#include "reference/pagebuilder.h"
#include "reference/ponform.h"
#include "reference/ponpictures.h"
#include "reference/svyazform.h"
#include "reference/svyazpictures.h"
#include "platform/fonts.h"
#include "platform/textfit.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include "platform/tabpages.h"
#include <QtTest>

#include <functional>
#include <memory>

namespace {

int countPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& match)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (match(image.pixelColor(x, y)))
                ++n;
    return n;
}

std::function<bool(QColor)> exactly(const QColor& colour)
{
    return [colour](QColor c) { return c.rgb() == colour.rgb(); };
}

QImage drawn(int width, int height, void (*draw)(Canvas&))
{
    PictureBox box(width, height);
    draw(box.canvas());
    return box.image();
}

// The child of `root` with the given object name and type, searched inside the
// named page when one is given.
template <class T>
T* child(QWidget* root, const QString& page, const QString& name)
{
    QWidget* scope = page.isEmpty() ? root : root->findChild<QWidget*>(page);
    return scope ? scope->findChild<T*>(name) : nullptr;
}

// What a page shows: its texts, formula boxes and pictures.
bool isContent(const QWidget* w)
{
    if (auto* label = qobject_cast<const QLabel*>(w))
        return !label->text().trimmed().isEmpty();
    return qobject_cast<const TEqEdit*>(w) || qobject_cast<const PictureBox*>(w);
}

} // namespace

class ReferenceWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void pagesAreReadAsShown_data();
    void pagesAreReadAsShown();

    void labelOnYellowShowsYellowCell();
    void forcesInTheirColours_data();
    void forcesInTheirColours();
    void hatchIsGrey();

    void windowFrames_data();
    void windowFrames();
    void tabTitles_data();
    void tabTitles();
    void texts_data();
    void texts();
    void equationBoxes_data();
    void equationBoxes();
    void picturesHaveAccessibleNames();
    void controlsStandWhereTheLayoutPutsThem_data();
    void controlsStandWhereTheLayoutPutsThem();

    void inlineControlsReadAsOneLine();
    void keyNameSitsInTheGap();
    void wrappedTextKeepsTheTablePitch();

    void okHidesAndKeepsThePage_data();
    void okHidesAndKeepsThePage();

    void tabsByKeyboard_data();
    void tabsByKeyboard();
    void tabsForScreenReader_data();
    void tabsForScreenReader();

private:
    std::unique_ptr<TPonForm> m_pon;
    std::unique_ptr<TSvyazForm> m_svyaz;
    std::unique_ptr<THelpForm> m_help;
    std::unique_ptr<TMetodForm> m_metod;

    QWidget* window(const QString& name) const;
};

void ReferenceWindowsTest::initTestCase()
{
    installFontSubstitutions();
    installAccessibility({TEqEditAccessibleFactory});
    m_pon = std::make_unique<TPonForm>();
    m_svyaz = std::make_unique<TSvyazForm>();
    m_help = std::make_unique<THelpForm>();
    m_metod = std::make_unique<TMetodForm>();
    // The contents are made when a window is first needed.
    for (QWidget* w : {static_cast<QWidget*>(m_pon.get()), static_cast<QWidget*>(m_svyaz.get()),
                       static_cast<QWidget*>(m_help.get()), static_cast<QWidget*>(m_metod.get())})
        w->ensurePolished();
}

void ReferenceWindowsTest::cleanupTestCase()
{
    m_metod.reset();
    m_help.reset();
    m_svyaz.reset();
    m_pon.reset();
}

QWidget* ReferenceWindowsTest::window(const QString& name) const
{
    if (name == QLatin1String("pon"))
        return m_pon.get();
    if (name == QLatin1String("svyaz"))
        return m_svyaz.get();
    if (name == QLatin1String("help"))
        return m_help.get();
    return m_metod.get();
}

void ReferenceWindowsTest::labelOnYellowShowsYellowCell()
{
    // "C" at the centre of the disc of page 1 is written at (85, 85) on yellow.
    const QImage image = drawn(160, 160, DrawImage1);
    const QRect cell(85, 86, 5, 9);
    QCOMPARE(countPixels(image, cell, exactly(Qt::white)), 0);
    QVERIFY(countPixels(image, cell, exactly(Qt::yellow)) > 0);
    // The letter itself is there: dark pixels inside the cell.
    QVERIFY(countPixels(image, cell, [](QColor c) { return c.lightness() < 100; }) > 0);
}

void ReferenceWindowsTest::forcesInTheirColours_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QColor>("colour");
    // Around the heads, which are filled in the arrow's colour.
    QTest::newRow("weight G magenta") << "Image1" << QRect(77, 134, 7, 6) << QColor(Qt::magenta);
    QTest::newRow("reaction R_B red") << "Image1" << QRect(114, 40, 6, 6) << QColor(Qt::red);
    QTest::newRow("reaction R_A red") << "Image1" << QRect(40, 40, 6, 6) << QColor(Qt::red);
    QTest::newRow("force F magenta") << "Image3" << QRect(30, 124, 6, 6) << QColor(Qt::magenta);
    QTest::newRow("reaction R_B of the plane red") << "Sh2" << QRect(190, 70, 6, 6) << QColor(Qt::red);
    QTest::newRow("weight P of the beam magenta") << "Sh4" << QRect(127, 134, 7, 6) << QColor(Qt::magenta);
}

void ReferenceWindowsTest::forcesInTheirColours()
{
    QFETCH(QString, picture);
    QFETCH(QRect, area);
    QFETCH(QColor, colour);
    QImage image;
    if (picture == QLatin1String("Image1"))
        image = drawn(160, 160, DrawImage1);
    else if (picture == QLatin1String("Image3"))
        image = drawn(160, 169, DrawImage3);
    else if (picture == QLatin1String("Sh2"))
        image = drawn(280, 160, DrawSh2);
    else
        image = drawn(280, 160, DrawSh4);
    QVERIFY(countPixels(image, area, exactly(colour)) >= 4);
}

void ReferenceWindowsTest::hatchIsGrey()
{
    // The hatched base of the inclined plane of Sh: (200,120)-(250,115).
    const QImage image = drawn(280, 160, DrawSh);
    const QRect inside(202, 116, 46, 3);
    QVERIFY(countPixels(image, inside, exactly(QColor(0x80, 0x80, 0x80))) > 0);
    // The gaps stay as they were: white.
    QVERIFY(countPixels(image, inside, exactly(Qt::white)) > 0);
    QCOMPARE(countPixels(image, inside, [](QColor c) { return c.rgb() != QColor(0x80, 0x80, 0x80).rgb()
                                                              && c.rgb() != QColor(Qt::white).rgb(); }),
             0);
}

void ReferenceWindowsTest::windowFrames_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("position"); // (-1, -1): centred
    QTest::newRow("basic concepts") << "pon" << "Основные понятия и сведения" << QSize(726, 531) << QPoint(-1, -1);
    QTest::newRow("constraints") << "svyaz" << "Виды связей" << QSize(702, 541) << QPoint(207, 128);
    QTest::newRow("help") << "help" << "Информация о системе" << QSize(554, 399) << QPoint(-1, -1);
    QTest::newRow("method") << "metod" << "Методика решения задач статики" << QSize(685, 446) << QPoint(169, 144);
}

void ReferenceWindowsTest::windowFrames()
{
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(QPoint, position);
    QWidget* w = this->window(window);
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(w->size(), size);
    QCOMPARE(w->minimumSize(), size);
    QCOMPARE(w->maximumSize(), size);
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    if (position.x() >= 0) {
        QCOMPARE(w->pos(), position);
    } else {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(qAbs(w->frameGeometry().center().x() - area.center().x()) <= 1);
        QVERIFY(qAbs(w->frameGeometry().center().y() - area.center().y()) <= 1);
    }
    QVERIFY(!w->isVisible());
}

void ReferenceWindowsTest::tabTitles_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("basic concepts") << "pon"
                                    << QStringList{"Определение силы", "Определение пары сил", "Проекция силы на ось",
                                                   "Момент силы отн. точки", "Уравнения равновесия"};
    QTest::newRow("constraints") << "svyaz"
                                 << QStringList{"Вращательный шарнир и катковая опора", "Гибкая связь",
                                                "Жесткое защемление", "Контакт с гладкой поверхностью"};
    QTest::newRow("help") << "help"
                          << QStringList{"Набор греческих букв", "Набор выражения, формулы",
                                         "Особенности набора формул", "Ответы на вопросы системы", "Клавиши"};
}

void ReferenceWindowsTest::tabTitles()
{
    QFETCH(QString, window);
    QFETCH(QStringList, titles);
    auto* pages = window == QLatin1String("pon")     ? m_pon->pages()
                  : window == QLatin1String("svyaz") ? m_svyaz->pages()
                                                     : m_help->pages();
    QStringList shown;
    for (int i = 0; i < pages->count(); ++i)
        shown << pages->tabText(i);
    QCOMPARE(shown, titles);
}

void ReferenceWindowsTest::texts_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("underlined");
    QTest::addColumn<bool>("wrapped");
    auto row = [](const char* window, const char* page, const char* name, const char* text, bool underlined = false,
                  bool wrapped = false) {
        QTest::addRow("%s %s %s", window, page, name)
            << QString::fromLatin1(window) << QString::fromLatin1(page) << QString::fromLatin1(name)
            << QString::fromUtf8(text) << underlined << wrapped;
    };
    // Basic concepts.
    row("pon", "", "Label1", "Сила", true);
    row("pon", "", "Label2", "- мера механического воздействия на материальное");
    row("pon", "", "Label4", "Это - векторная величина, характеризующаяся числен- ным значением, направлением и точкой приложения.", false, true);
    row("pon", "", "Label5", "В системе ВЕКТУМ-W заданные (активные) силы изображаются пурпурным цветом, а красный цвет соответствует тем силам, которые неизвестны (реакциям связей).", false, true);
    row("pon", "", "Label6", "Замечание.");
    row("pon", "", "Label8", "Пара сил", true);
    row("pon", "", "Label12", "Пара сил характеризуется моментом. Момент пары преставляет собой вектор, перпендикулярный плоскости пары, равный по модулю произведению модуля одной из сил пары на плечо пары и напрвленный в ту сторону, откуда вращение тела, которое стремится вызвать пара", false, true);
    row("pon", "", "Label14", "Проекция силы на ось", true);
    row("pon", "", "Label16", "произведению модуля силы на косинус угла, образован- ");
    row("pon", "", "Label20", "Момент силы", true);
    row("pon", "", "Label24", "В случае плоской системы сил проекцию вектора             на ось Oz можно вычислить так :", false, true);
    row("pon", "", "Label27", "Здесь F - модуль силы, h = r sin", false, true);
    row("pon", "", "Label28", "α", false, true);
    row("pon", "", "Label29", "- плечо.", false, true);
    row("pon", "", "Label7", "Уравнения равновесия для плоской системы сил.", true);
    row("pon", "", "Label33", "Решение каждой системы приводит к единому результату : ");
    row("pon", "", "Label38", "2-я форма:", true);
    row("pon", "", "Label41", "нельзя допускать, чтобы точки A, B, C лежали на одной прямой.");
    // Kinds of constraints: every text keeps its leading blanks.
    row("svyaz", "", "Label12", "   Здесь на балку AB наложены два вида связей:  в т. A  -  цилиндрический шарнир и в т. B - опора на абсолютно гладкую наклонную плоскость. ", false, true);
    row("svyaz", "", "Label7", "   Сила реакции, действующая на балку в т. B,  направлена ортогонально к наклонной плоскости, а реакцию в шарнире следует представить в виде двух составляющих.", false, true);
    row("svyaz", "", "Label8", "   Здесь связи представлены нитями. Балка AK подвешена на двух нитях, которые в точке D связаны с третьей, привязанной к потолку. Силы реакции, действующие на балку в точках A и B, направлены вдоль нитей.", false, true);
    row("svyaz", "", "Label9", "   Сила, натягивающая нить DC, также направлена вдоль нити.", false, true);
    row("svyaz", "", "Label10", "    Изогнутая под прямым углом балка заделана в стенку в точке B. Связь в точке B препятствует не только поступательному перемещению тела, но и повороту его вокруг этой точки. Реакция в т. B характеризуется силой и парой сил с  моментом заделки.", false, true);
    row("svyaz", "", "Label1", "Карандаш в стакане", false, true);
    row("svyaz", "", "Label2", "   Поскольку поверхности стенок стакана и карандаша абсолютно гладкие, то силы реакций, действующих на карандаш, будут направлены ортогонально к названным поверхностям.", false, true);
    // Method.
    row("metod", "", "Label1", "Методика решения задач статики", true);
    row("metod", "", "Label2", "             Методика решения задач базируется на основных аксиомах статики и сводится к следующей последовательности операций в процессе решения задач :", false, true);
    row("metod", "", "Label4", " Систему абсолютно твердых тел, находящихся в равновесии, освобождаем от");
    row("metod", "", "Label13", " Записываем и анализируем ");
    row("metod", "", "Label16", "или каждой выделенной группы тел.");
    // Help.
    row("help", "TabSheet1", "Label1", "     Для  набора греческой буквы следует предварительно нажать функциональную клавишу        , а затем - соответствующий этой букве аналог в латинском регистре.", false, true);
    row("help", "TabSheet1", "Label2", "F3");
    row("help", "TabSheet1", "Label4", "ω");
    row("help", "TabSheet1", "Label5", "--   w");
    row("help", "TabSheet1", "Label7", "--   f");
    row("help", "TabSheet1", "Label9", "--   e");
    row("help", "TabSheet1", "Label10", "ρ");
    row("help", "TabSheet1", "Label12", "π");
    row("help", "TabSheet1", "Label14", "μ");
    row("help", "TabSheet2", "Label3", "        При вводе формулы или выражения обратите внимание на то,   какие Вам нужны литеры - заглавные или строчные.", false, true);
    row("help", "TabSheet2", "Label5", "буквы \"M\" и \"B\" заглавные,");
    row("help", "TabSheet3", "Label4", "      4)При умножении между множителями обязательно пишется  звездочка :", false, true);
    row("help", "TabSheet4", "Label1", "    Для утвердительного ответа на вопрос необходимо ввести в поле ввода ", false, true);
}

void ReferenceWindowsTest::texts()
{
    QFETCH(QString, window);
    QFETCH(QString, page);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(bool, underlined);
    QFETCH(bool, wrapped);
    auto* label = child<QLabel>(this->window(window), page, name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->font().underline(), underlined);
    QCOMPARE(label->wordWrap(), wrapped);
    if (!wrapped) // a single line shows its whole text
        QVERIFY(QFontMetrics(label->font()).horizontalAdvance(text) <= label->width());
}

void ReferenceWindowsTest::equationBoxes_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("equation");
    auto row = [](const char* window, const char* page, const char* name, const char* equation) {
        QTest::addRow("%s %s %s", window, page, name) << QString::fromLatin1(window) << QString::fromLatin1(page)
                                                      << QString::fromLatin1(name) << QString::fromUtf8(equation);
    };
    row("pon", "", "EqEdit2", " F!x@ = F cos~a,   F!y@ = F cos(~a - ~p/2) = F sin~a");
    row("pon", "", "EqEdit1", "cos(~a - ~p) = - cos~g,   sin(~a - ~p) = - sin~g");
    row("pon", "", "EqEdit3", " F!x@ = - Fcos~g,   F!y@ = - Fsin~g");
    row("pon", "", "EqEdit4", "M!B@(F) = [r, F].");
    row("pon", "", "EqEdit5", "M!B@(F)");
    row("pon", "", "EqEdit6", "M!Bz@(F) = + Fh");
    row("pon", "", "EqEdit7", "M!Bz@(F) = - Fh");
    row("pon", "", "EqEdit8", "M!Oz@(F) = -h!1@F!1@ - h!2@F!2@, где F!1@ - Fcos~a,  h!1@ = 2R,  F!2@ = Fsin~a,  h!2@ = R.");
    row("pon", "", "EqEdit9", "1. ~S F!kx@ = 0,  ~S F!ky@ = 0,  ~S M!Az@(F!k@) = 0.");
    row("pon", "", "EqEdit10", "2. ~S F!kx@ = 0,   ~S M!Az@(F!k@) = 0, ~S M!Bz@(F!k@) = 0.");
    row("pon", "", "EqEdit11", "3. ~S M!Az@(F!k@) = 0,   ~S M!Bz@(F!k@) = 0, ~S M!Cz@(F!k@) = 0.");
    row("pon", "", "EqEdit12", "1. x: X!A@+Fsin~a= 0, y: Y!A@-Fcos~a= 0,  M!A@: M!A@-FR(2cos~a+sin~a)= 0.");
    row("pon", "", "EqEdit13", "2. x: X!A@+Fsin~a= 0,  M!A@: M!A@-FR(2cos~a+sin~a)= 0, M!B@: M!A@+RX!A@ - 2RY!A@ = 0. ");
    row("pon", "", "EqEdit14", "3. M!A@: M!A@-FR(2cos~a+sin~a)= 0, M!B@: M!A@+RX!A@ - 2RY!A@ = 0, M!O@: M!A@-FRsin~a-Y!A@2R= 0. ");
    row("pon", "", "EqEdit15", "X!A@= - Fsin~a,  Y!A@= Fcos~a,  M!A@= FR(2cos~a+sin~a).");
    row("help", "TabSheet2", "EqEdit1", " M!Bz ");
    row("help", "TabSheet2", "EqEdit2", " y = F*cos(~a)-R!A@*sin(~b)");
    row("help", "TabSheet3", "EqEdit1", "     (   cos(X)  )#2@");
    row("help", "TabSheet3", "EqEdit2", "  R!A#2");
    row("help", "TabSheet3", "EqEdit3", "  4#(-2)@ + 5#(4-67)@");
    row("help", "TabSheet3", "EqEdit4", " 2*R!A@*cos(~a)");
    row("help", "TabSheet4", "EqEdit1", "   Y");
    row("help", "TabSheet4", "EqEdit2", "   N");
}

void ReferenceWindowsTest::equationBoxes()
{
    QFETCH(QString, window);
    QFETCH(QString, page);
    QFETCH(QString, name);
    QFETCH(QString, equation);
    auto* box = child<TEqEdit>(this->window(window), page, name);
    QVERIFY(box);
    QCOMPARE(box->Equation(), equation);
    QVERIFY(!box->isEnabled());
    QCOMPARE(box->BackColor(), QGuiApplication::palette().color(QPalette::Button));
}

namespace {
// Where a control stands against its place in the layout tables.
enum Placement {
    AtItsPlace,   // exactly there
    Pushed,       // continues the line of the text before it: as far right as needed for a thin blank
    Below,        // continues the paragraph above it: as far down as needed to start below it
    Baseline,     // a letter set on the baseline of the text before it
};
} // namespace

// Every text, picture and equation box of the basic concepts and kinds of
// constraints pages stands on its page where the layout tables put it (left,
// top, width, height); a box may only grow, so that nothing of its text is cut.
void ReferenceWindowsTest::controlsStandWhereTheLayoutPutsThem_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<int>("placement");
    struct Row {
        const char* window;
        const char* name;
        QRect geometry;
        Placement placement = AtItsPlace;
    };
    const Row rows[] = {
        {"pon", "Image1", {16, 16, 160, 160}}, {"pon", "Label1", {184, 24, 40, 19}},
        {"pon", "Label2", {232, 24, 413, 25}}, {"pon", "Label3", {185, 40, 440, 17}},
        {"pon", "Label4", {185, 56, 440, 49}}, {"pon", "Label5", {185, 144, 455, 85}},
        {"pon", "Label6", {184, 120, 89, 19}}, {"pon", "Image2", {16, 16, 160, 185}},
        {"pon", "Label8", {184, 19, 71, 19}}, {"pon", "Label9", {256, 19, 385, 25}, Pushed},
        {"pon", "Label10", {185, 40, 440, 17}}, {"pon", "Label11", {185, 56, 440, 25}},
        {"pon", "Label12", {185, 80, 450, 134}}, {"pon", "Label13", {185, 175, 448, 49}, Below},
        {"pon", "Image3", {16, 16, 160, 169}}, {"pon", "Label14", {184, 11, 173, 19}},
        {"pon", "Label15", {360, 11, 281, 25}}, {"pon", "Label16", {185, 32, 440, 17}},
        {"pon", "Label17", {185, 48, 440, 41}}, {"pon", "Label18", {185, 128, 448, 41}},
        {"pon", "Label19", {185, 224, 72, 25}}, {"pon", "EqEdit2", {184, 97, 329, 24}},
        {"pon", "EqEdit1", {189, 172, 308, 24}}, {"pon", "EqEdit3", {261, 225, 212, 24}},
        {"pon", "Image4", {16, 16, 160, 160}}, {"pon", "Image5", {16, 192, 160, 160}},
        {"pon", "Label20", {184, 11, 104, 19}}, {"pon", "Label21", {296, 11, 353, 25}},
        {"pon", "Label22", {185, 32, 471, 17}}, {"pon", "Label23", {185, 48, 464, 41}},
        {"pon", "Label24", {185, 112, 456, 41}}, {"pon", "Label25", {289, 152, 352, 41}, Pushed},
        {"pon", "Label26", {289, 192, 352, 41}, Pushed}, {"pon", "Label27", {185, 232, 258, 25}},
        {"pon", "Label28", {433, 230, 16, 25}, Baseline}, {"pon", "Label29", {446, 232, 64, 25}, Pushed},
        {"pon", "Label30", {185, 272, 448, 89}}, {"pon", "EqEdit4", {344, 73, 113, 24}},
        {"pon", "EqEdit5", {576, 112, 87, 17}}, {"pon", "EqEdit6", {184, 160, 103, 25}},
        {"pon", "EqEdit7", {184, 200, 103, 25}}, {"pon", "EqEdit8", {90, 380, 527, 24}},
        {"pon", "Image6", {16, 16, 190, 160}}, {"pon", "Label7", {216, 8, 389, 19}},
        {"pon", "Label31", {216, 32, 414, 25}}, {"pon", "Label33", {109, 376, 465, 25}},
        {"pon", "Label35", {16, 184, 99, 19}}, {"pon", "Label36", {128, 184, 529, 25}},
        {"pon", "Label37", {16, 208, 337, 25}}, {"pon", "Label38", {16, 232, 85, 19}},
        {"pon", "Label39", {104, 232, 529, 25}}, {"pon", "Label40", {16, 256, 85, 19}},
        {"pon", "Label41", {104, 256, 529, 25}}, {"pon", "Label42", {16, 376, 89, 19}},
        {"pon", "EqEdit9", {216, 57, 305, 24}}, {"pon", "EqEdit10", {216, 97, 337, 24}},
        {"pon", "EqEdit11", {216, 137, 361, 24}}, {"pon", "EqEdit12", {16, 281, 489, 24}},
        {"pon", "EqEdit13", {16, 313, 553, 24}}, {"pon", "EqEdit14", {16, 345, 617, 24}},
        {"pon", "EqEdit15", {16, 401, 364, 24}}, {"svyaz", "Label12", {17, 184, 616, 41}},
        {"svyaz", "Sh", {16, 16, 280, 160}}, {"svyaz", "Label7", {17, 224, 616, 65}},
        {"svyaz", "Sh2", {352, 16, 280, 160}}, {"svyaz", "Sh3", {16, 16, 280, 160}},
        {"svyaz", "Sh4", {352, 16, 280, 160}}, {"svyaz", "Label8", {17, 184, 616, 65}},
        {"svyaz", "Label9", {17, 248, 616, 25}}, {"svyaz", "Label10", {17, 184, 616, 89}},
        {"svyaz", "Sh5", {16, 16, 280, 160}}, {"svyaz", "Sh6", {352, 16, 280, 160}},
        {"svyaz", "Im", {32, 16, 200, 160}}, {"svyaz", "Im2", {424, 16, 200, 160}},
        {"svyaz", "Label1", {249, 24, 160, 25}}, {"svyaz", "Label2", {17, 184, 616, 89}},
    };
    for (const Row& r : rows)
        QTest::addRow("%s %s", r.window, r.name) << QString::fromLatin1(r.window) << QString::fromLatin1(r.name)
                                                  << r.geometry << int(r.placement);
}

void ReferenceWindowsTest::controlsStandWhereTheLayoutPutsThem()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(int, placement);
    auto* control = child<QWidget>(this->window(window), QString(), name);
    QVERIFY(control);
    const QRect at = control->geometry();
    switch (placement) {
    case AtItsPlace: QCOMPARE(at.topLeft(), geometry.topLeft()); break;
    case Pushed:
        QCOMPARE(at.y(), geometry.y());
        QVERIFY2(at.x() >= geometry.x() && at.x() <= geometry.x() + 8, qPrintable(QString::number(at.x())));
        break;
    case Below:
        QCOMPARE(at.x(), geometry.x());
        QVERIFY2(at.y() >= geometry.y() && at.y() <= geometry.y() + 8, qPrintable(QString::number(at.y())));
        break;
    case Baseline:
        QVERIFY2(at.x() >= geometry.x() && at.x() <= geometry.x() + 8, qPrintable(QString::number(at.x())));
        QVERIFY2(std::abs(at.y() - geometry.y()) <= 4, qPrintable(QString::number(at.y())));
        break;
    }
    QVERIFY2(at.width() >= geometry.width() && at.height() >= geometry.height(),
             qPrintable(QStringLiteral("%1 x %2").arg(at.width()).arg(at.height())));
}

void ReferenceWindowsTest::picturesHaveAccessibleNames()
{
    const QStringList pon{"Image1", "Image2", "Image3", "Image4", "Image5", "Image6"};
    const QStringList svyaz{"Sh", "Sh2", "Sh3", "Sh4", "Sh5", "Sh6", "Im", "Im2"};
    for (const QString& name : pon) {
        auto* picture = m_pon->findChild<PictureBox*>(name);
        QVERIFY2(picture, qPrintable(name));
        QVERIFY(picture->accessibleName().startsWith(QStringLiteral("Схема: ")));
    }
    for (const QString& name : svyaz) {
        auto* picture = m_svyaz->findChild<PictureBox*>(name);
        QVERIFY2(picture, qPrintable(name));
        QVERIFY(picture->accessibleName().startsWith(QStringLiteral("Схема: ")));
    }
    // Drawn at creation: none of the pictures is still blank.
    for (auto* picture : m_pon->findChildren<PictureBox*>() + m_svyaz->findChildren<PictureBox*>()) {
        const QImage image = picture->image();
        QVERIFY2(countPixels(image, image.rect(), [](QColor c) { return c != Qt::white; }) > 100,
                 qPrintable(picture->objectName()));
    }
}

void ReferenceWindowsTest::wrappedTextKeepsTheTablePitch()
{
    // Lines of 17-px Arial lie 19 px apart, as on Windows, whatever the
    // desktop's own line spacing: the baseline 15 px below the line's top.
    const LineGrid grid = windowsLineGrid(textFont());
    QCOMPARE(grid.pitch, 19);
    QCOMPARE(grid.ascent, 15);
    // So the end of the sentence on the couple, below its five lines, sits
    // where the table puts it.
    auto* couple = m_pon->findChild<TextLabel*>(QStringLiteral("Label12"));
    auto* end = m_pon->findChild<QLabel*>(QStringLiteral("Label13"));
    QVERIFY(couple && end);
    QCOMPARE(couple->lineCount(couple->contentsRect().width()), 5);
    QCOMPARE(couple->heightForWidth(couple->width()), 5 * 19);
    QCOMPARE(end->y(), 175);
}

void ReferenceWindowsTest::inlineControlsReadAsOneLine()
{
    // "Здесь F - модуль силы, h = r sin", the alpha and "- плечо." on one line.
    auto* before = m_pon->findChild<QLabel*>(QStringLiteral("Label27"));
    auto* alpha = m_pon->findChild<QLabel*>(QStringLiteral("Label28"));
    auto* after = m_pon->findChild<QLabel*>(QStringLiteral("Label29"));
    QVERIFY(before && alpha && after);
    const QFontMetrics b(before->font()), a(alpha->font()), c(after->font());
    QCOMPARE(before->y() + b.ascent(), alpha->y() + a.ascent());
    QCOMPARE(before->y() + b.ascent(), after->y() + c.ascent());
    QVERIFY(before->x() + b.horizontalAdvance(before->text()) <= alpha->x() + 1);
    QVERIFY(alpha->x() + a.horizontalAdvance(alpha->text()) <= after->x() + 2);
    QVERIFY(b.horizontalAdvance(before->text()) <= before->width()); // one line, not wrapped

    // The end of the sentence on the couple starts below the lines above it.
    auto* couple = m_pon->findChild<QLabel*>(QStringLiteral("Label12"));
    auto* end = m_pon->findChild<QLabel*>(QStringLiteral("Label13"));
    QVERIFY(couple && end);
    QVERIFY(end->y() >= couple->y() + couple->heightForWidth(couple->width()));

    // The formula M_B(F) sits in the run of blanks of Label24.
    auto* sentence = m_pon->findChild<QLabel*>(QStringLiteral("Label24"));
    auto* formula = m_pon->findChild<TEqEdit*>(QStringLiteral("EqEdit5"));
    QVERIFY(sentence && formula);
    const QFontMetrics s(sentence->font());
    const QString text = sentence->text();
    const int blanks = int(text.indexOf(QStringLiteral("             ")));
    QVERIFY(blanks > 0);
    const int gapStart = sentence->x() + s.horizontalAdvance(text.left(blanks));
    const int gapEnd = gapStart + s.horizontalAdvance(QString(13, QLatin1Char(' ')));
    QVERIFY2(gapStart <= formula->x() + 2 && formula->x() < gapEnd,
             qPrintable(QStringLiteral("gap %1..%2, formula at %3").arg(gapStart).arg(gapEnd).arg(formula->x())));
    QCOMPARE(formula->y(), sentence->y());
}

void ReferenceWindowsTest::keyNameSitsInTheGap()
{
    // The paragraph drawn alone is blank where "F3" is placed.
    QWidget* page = m_help->findChild<QWidget*>(QStringLiteral("TabSheet1"));
    auto* paragraph = child<QLabel>(page, QString(), QStringLiteral("Label1"));
    auto* key = child<QLabel>(page, QString(), QStringLiteral("Label2"));
    QVERIFY(paragraph && key);
    QCOMPARE(key->palette().color(QPalette::WindowText), QColor(Qt::blue));
    const QRect inParagraph = key->geometry().translated(-paragraph->pos());
    QVERIFY(paragraph->rect().contains(inParagraph));
    const QImage image = paragraph->grab().toImage();
    const QColor background = image.pixelColor(inParagraph.topLeft());
    QCOMPARE(countPixels(image, inParagraph, [&](QColor c) { return c != background; }), 0);
    // ... and the line it sits on has text on both sides.
    const QRect left(0, inParagraph.top(), inParagraph.left(), inParagraph.height());
    const QRect right(inParagraph.right() + 1, inParagraph.top(), image.width() - inParagraph.right() - 1,
                      inParagraph.height());
    QVERIFY(countPixels(image, left, [&](QColor c) { return c != background; }) > 0);
    QVERIFY(countPixels(image, right, [&](QColor c) { return c != background; }) > 0);
}

void ReferenceWindowsTest::okHidesAndKeepsThePage_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("page");
    QTest::newRow("basic concepts") << "pon" << 3;
    QTest::newRow("constraints") << "svyaz" << 2;
    QTest::newRow("help") << "help" << 1;
}

void ReferenceWindowsTest::okHidesAndKeepsThePage()
{
    QFETCH(QString, window);
    QFETCH(int, page);
    auto* dialog = qobject_cast<QDialog*>(this->window(window));
    QVERIFY(dialog);
    auto* pages = dialog->findChild<TabPages*>(QStringLiteral("PageControl1"));
    QVERIFY(pages);
    QCOMPARE(pages->currentIndex(), 0); // the first page at creation
    auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());

    // Shown modally: OK ends the modal loop with the window hidden.
    QTimer::singleShot(0, dialog, [&] {
        pages->setCurrentIndex(page);
        ok->click();
    });
    dialog->exec();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));

    dialog->show();
    QCOMPARE(pages->currentIndex(), page);
    ok->click();
    QVERIFY(!dialog->isVisible());
    pages->setCurrentIndex(0);
}

void ReferenceWindowsTest::tabsByKeyboard_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("onTab");   // the key goes to the current tab, else to the page
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("to");
    const int ctrl = Qt::ControlModifier;
    QTest::newRow("Ctrl+Tab: next page") << "pon" << 0 << false << int(Qt::Key_Tab) << ctrl << 1;
    QTest::newRow("Ctrl+Tab on the last page: the first") << "pon" << 4 << false << int(Qt::Key_Tab) << ctrl << 0;
    QTest::newRow("Ctrl+Shift+Tab on the first: the last")
        << "svyaz" << 0 << false << int(Qt::Key_Backtab) << (ctrl | int(Qt::ShiftModifier)) << 3;
    QTest::newRow("Ctrl+PgDown: next page") << "help" << 1 << false << int(Qt::Key_PageDown) << ctrl << 2;
    QTest::newRow("Ctrl+PgUp: previous page") << "help" << 1 << false << int(Qt::Key_PageUp) << ctrl << 0;
    QTest::newRow("Right on a tab: the next tab") << "pon" << 2 << true << int(Qt::Key_Right) << 0 << 3;
    QTest::newRow("Left on the first tab stays") << "pon" << 0 << true << int(Qt::Key_Left) << 0 << 0;
    QTest::newRow("Down on a tab: the next tab") << "help" << 2 << true << int(Qt::Key_Down) << 0 << 3;
    QTest::newRow("End: the last tab") << "svyaz" << 0 << true << int(Qt::Key_End) << 0 << 3;
    QTest::newRow("Home: the first tab") << "help" << 3 << true << int(Qt::Key_Home) << 0 << 0;
}

void ReferenceWindowsTest::tabsByKeyboard()
{
    QFETCH(QString, window);
    QFETCH(int, from);
    QFETCH(bool, onTab);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, to);
    auto* pages = this->window(window)->findChild<TabPages*>(QStringLiteral("PageControl1"));
    QVERIFY(pages);
    pages->setCurrentIndex(from);
    QWidget* target = onTab ? static_cast<QWidget*>(pages->tabButton(from)) : pages->currentWidget();
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(pages->currentIndex(), to);
    // The current tab alone is a stop of the focus chain.
    for (int i = 0; i < pages->count(); ++i)
        QCOMPARE(pages->tabButton(i)->focusPolicy(), i == to ? Qt::TabFocus : Qt::NoFocus);
    pages->setCurrentIndex(0);
}

void ReferenceWindowsTest::tabsForScreenReader_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("current");
    QTest::newRow("basic concepts") << "pon" << 3;
    QTest::newRow("constraints") << "svyaz" << 0;
    QTest::newRow("help") << "help" << 2;
}

void ReferenceWindowsTest::tabsForScreenReader()
{
    QFETCH(QString, window);
    QFETCH(int, current);
    auto* pages = this->window(window)->findChild<TabPages*>(QStringLiteral("PageControl1"));
    QVERIFY(pages);
    pages->setCurrentIndex(current);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(pages->tabStrip());
    QVERIFY(list);
    QCOMPARE(list->role(), QAccessible::PageTabList);
    QCOMPARE(list->childCount(), pages->count());
    for (int i = 0; i < pages->count(); ++i) {
        QAccessibleInterface* tab = list->child(i);
        QVERIFY(tab);
        QCOMPARE(tab->role(), QAccessible::PageTab);
        QCOMPARE(tab->text(QAccessible::Name), pages->tabText(i));
        QCOMPARE(bool(tab->state().selected), i == current);
    }
    // Pressing a tab by its action shows its page.
    const int other = (current + 1) % pages->count();
    QAccessibleActionInterface* action = list->child(other)->actionInterface();
    QVERIFY(action);
    action->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(pages->currentIndex(), other);
    pages->setCurrentIndex(0);
}

void ReferenceWindowsTest::pagesAreReadAsShown_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("way");
    for (const char* window : {"pon", "svyaz", "help"})
        for (const char* way : {"mouse", "keyboard", "reopening"})
            QTest::addRow("%s by %s", window, way) << window << way;
}

// After every way of showing a page, a screen reader finds in the window
// exactly what is shown: every text, formula box and picture of that page,
// none of another page, each object showing; the page's objects come in
// reading order (none lies wholly above the one before it); formula boxes are
// read in words, pictures by their descriptions.
void ReferenceWindowsTest::pagesAreReadAsShown()
{
    QFETCH(QString, window);
    QFETCH(QString, way);
    QWidget* w = this->window(window);
    auto* pages = w->findChild<TabPages*>(QStringLiteral("PageControl1"));
    QVERIFY(pages);
    pages->setCurrentIndex(0);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    for (int index = 0; index < pages->count(); ++index) {
        if (way == QLatin1String("mouse")) {
            QTest::mouseClick(pages->tabButton(index), Qt::LeftButton);
        } else if (way == QLatin1String("keyboard")) {
            pages->tabButton(pages->currentIndex())->setFocus();
            if (index > 0)
                QTest::keyClick(pages->tabButton(pages->currentIndex()), Qt::Key_Right);
        } else {
            w->hide();
            pages->setCurrentIndex(index);
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
        }
        QCOMPARE(pages->currentIndex(), index);
        const QList<QAccessibleInterface*> all = accessibleTree(QAccessible::queryAccessibleInterface(w));
        QList<QWidget*> found;
        for (QAccessibleInterface* a : all) {
            QVERIFY2(!a->state().invisible, qPrintable(a->text(QAccessible::Name)));
            if (a->object() && a->object()->isWidgetType())
                found.append(static_cast<QWidget*>(a->object()));
        }
        QWidget* page = pages->widget(index);
        QList<QWidget*> shown;
        for (int other = 0; other < pages->count(); ++other)
            for (QWidget* item : pages->widget(other)->findChildren<QWidget*>()) {
                if (!isContent(item))
                    continue;
                const qsizetype times = found.count(item);
                QCOMPARE(times, qsizetype(other == index ? 1 : 0));
                if (other == index)
                    shown.append(item);
            }
        QVERIFY(!shown.isEmpty());
        QWidget* before = nullptr;
        for (QWidget* item : found) {
            if (!shown.contains(item))
                continue;
            const QRect at(item->mapTo(page, QPoint(0, 0)), item->size());
            if (before) {
                const QRect last(before->mapTo(page, QPoint(0, 0)), before->size());
                QVERIFY2(at.bottom() >= last.top(), qPrintable(item->objectName() + " before " + before->objectName()));
            }
            before = item;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(item);
            if (auto* box = qobject_cast<TEqEdit*>(item)) {
                const QString words = spokenFormula(box->Equation());
                QVERIFY(!words.isEmpty());
                QCOMPARE(a->text(QAccessible::Name), words);
                QCOMPARE(a->textInterface()->text(0, -1), words);
            } else if (qobject_cast<PictureBox*>(item)) {
                QCOMPARE(a->role(), QAccessible::Graphic);
                QVERIFY(a->text(QAccessible::Name).size() > 10);
            }
        }
    }
    w->hide();
    pages->setCurrentIndex(0);
}

QTEST_MAIN(ReferenceWindowsTest)
#include "referencewindows_qtest.moc"
