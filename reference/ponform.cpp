#include "reference/ponform.h"

#include "eqedit/teqedit.h"
#include "reference/pagebuilder.h"
#include "reference/ponpictures.h"
#include "platform/deferred.h"
#include "platform/fonts.h"
#include "platform/guard.h"
#include "platform/panels.h"
#include "platform/tabpages.h"
#include "platform/windows.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

using namespace reference;

namespace {

const QString kArial = QStringLiteral("Arial");
const QString kSansSerif = QStringLiteral("MS Sans Serif");

void buildForcePage(QWidget* p)
{
    addPicture(p, "Image1", {16, 16, 160, 160}, DrawImage1,
               TPonForm::tr("Схема: диск C с весом G и реакциями R в точках A и B"));
    addText(p, "Label1", {184, 24, 40, 19}, TPonForm::tr("Сила"), Underlined);
    addText(p, "Label2", {232, 24, 413, 25}, TPonForm::tr("- мера механического воздействия на материальное"));
    addText(p, "Label3", {185, 40, 440, 17}, TPonForm::tr("тело со стороны каких-либо материальных объектов."));
    addText(p, "Label4", {185, 56, 440, 49},
            TPonForm::tr("Это - векторная величина, характеризующаяся числен- ным значением, направлением "
                           "и точкой приложения."),
            Wrapped);
    addText(p, "Label5", {185, 144, 455, 85},
            TPonForm::tr("В системе ВЕКТУМ-W заданные (активные) силы изображаются пурпурным цветом, а "
                           "красный цвет соответствует тем силам, которые неизвестны (реакциям связей)."),
            Wrapped);
    addText(p, "Label6", {184, 120, 89, 19}, TPonForm::tr("Замечание."));
}

void buildCouplePage(QWidget* p)
{
    addPicture(p, "Image2", {16, 16, 160, 185}, DrawImage2,
               TPonForm::tr("Схема: диск C с парой сил F и P и реакциями в точке B"));
    addText(p, "Label8", {184, 19, 71, 19}, TPonForm::tr("Пара сил"), Underlined);
    addText(p, "Label9", {256, 19, 385, 25}, TPonForm::tr("- система двух сил, приложенных к одному телу,"));
    addText(p, "Label10", {185, 40, 440, 17}, TPonForm::tr("равных по модулю и направленных в противоположные"));
    addText(p, "Label11", {185, 56, 440, 25}, TPonForm::tr("стороны."), Wrapped);
    QLabel* couple = addText(p, "Label12", {185, 80, 450, 134},
            TPonForm::tr("Пара сил характеризуется моментом. Момент пары преставляет собой вектор, "
                           "перпендикулярный плоскости пары, равный по модулю произведению модуля одной из сил "
                           "пары на плечо пары и напрвленный в ту сторону, откуда вращение тела, которое "
                           "стремится вызвать пара"),
            Wrapped);
    // The end of the same sentence: it starts on the line after the text above.
    QLabel* end = addText(p, "Label13", {185, 175, 448, 49},
                          TPonForm::tr("представляется происходящим против хода часовой стрелки."), Wrapped);
    const int below = couple->y() + couple->heightForWidth(couple->width());
    end->move(end->x(), std::max(end->y(), below));
}

void buildProjectionPage(QWidget* p)
{
    addPicture(p, "Image3", {16, 16, 160, 169}, DrawImage3,
               TPonForm::tr("Схема: сила F и её проекции на оси x и y, углы альфа и гамма"));
    addText(p, "Label14", {184, 11, 173, 19}, TPonForm::tr("Проекция силы на ось"), Underlined);
    addText(p, "Label15", {360, 11, 281, 25}, TPonForm::tr("- это скалярная величина, равная"));
    addText(p, "Label16", {185, 32, 440, 17},
            TPonForm::tr("произведению модуля силы на косинус угла, образован- "));
    addText(p, "Label17", {185, 48, 440, 41},
            TPonForm::tr("ного положительным направлением оси и направлением силы:"), Wrapped);
    addText(p, "Label18", {185, 128, 448, 41},
            TPonForm::tr("Если есть необходимость перейти к иному отсчету угла, то, учитывая соотношения"),
            Wrapped);
    addText(p, "Label19", {185, 224, 72, 25}, TPonForm::tr("получим:"), Wrapped);
    addEquation(p, "EqEdit2", {184, 97, 329, 24},
                QStringLiteral(" F!x@ = F cos~a,   F!y@ = F cos(~a - ~p/2) = F sin~a"), kArial, 17);
    addEquation(p, "EqEdit1", {189, 172, 308, 24},
                QStringLiteral("cos(~a - ~p) = - cos~g,   sin(~a - ~p) = - sin~g"), kArial, 17);
    addEquation(p, "EqEdit3", {261, 225, 212, 24}, QStringLiteral(" F!x@ = - Fcos~g,   F!y@ = - Fsin~g"),
                kArial, 17);
}

void buildMomentPage(QWidget* p)
{
    addPicture(p, "Image4", {16, 16, 160, 160}, DrawImage4,
               TPonForm::tr("Схема: момент силы F относительно полюса B, радиус-вектор r и плечо h"));
    addPicture(p, "Image5", {16, 192, 160, 160}, DrawImage5,
               TPonForm::tr("Схема: разложение силы F на составляющие F1 и F2 с плечами h1 и h2"));
    addText(p, "Label20", {184, 11, 104, 19}, TPonForm::tr("Момент силы"), Underlined);
    addText(p, "Label21", {296, 11, 353, 25}, TPonForm::tr("относительно полюса (точки В) - это вектор,"));
    addText(p, "Label22", {185, 32, 471, 17},
            TPonForm::tr("равный векторному произведению радиус-вектора r, прове-"));
    addText(p, "Label23", {185, 48, 464, 41},
            TPonForm::tr("денного из полюса в точку приложения силы, на вектор силы F:"), Wrapped);
    addText(p, "Label24", {185, 112, 456, 41},
            TPonForm::tr("В случае плоской системы сил проекцию вектора             на ось Oz можно вычислить "
                           "так :"),
            Wrapped);
    addText(p, "Label25", {289, 152, 352, 41},
            TPonForm::tr("- если сила стремится повернуть тело вокруг полюса против хода часовой стрелки"),
            Wrapped);
    addText(p, "Label26", {289, 192, 352, 41},
            TPonForm::tr("- если сила стремится повернуть тело вокруг полюса по ходу часовой стрелки"), Wrapped);

    // "Здесь F - модуль силы, h = r sin", the italic alpha and "- плечо." read
    // as one line: the alpha stands on the baseline of its neighbours.
    QLabel* before = addText(p, "Label27", {185, 232, 258, 25}, TPonForm::tr("Здесь F - модуль силы, h = r sin"),
                             Wrapped);
    QFont symbol = pixelFont(QStringLiteral("Symbol"), 17);
    QLabel* alpha = addText(p, "Label28", {433, 230, 16, 25}, greek(QStringLiteral("a")), Wrapped | Italic, symbol);
    alpha->setProperty("joinsPrevious", true);   // "sin" and the letter read as one word
    const QFontMetrics beforeMetrics(before->font());
    const QFontMetrics alphaMetrics(alpha->font());
    const int baseline = before->y() + beforeMetrics.ascent();
    const int alphaX = std::max(alpha->x(), before->x() + beforeMetrics.horizontalAdvance(before->text()));
    alpha->move(alphaX, baseline - alphaMetrics.ascent());
    QLabel* after = addText(p, "Label29", {446, 232, 64, 25}, TPonForm::tr("- плечо."), Wrapped);
    // The italic letter leans past its advance; a blank pixel or two keeps it off the dash.
    const int alphaRight = alphaX + std::max(alphaMetrics.horizontalAdvance(alpha->text()),
                                             alphaMetrics.boundingRect(alpha->text()).right() + 1);
    after->move(std::max(after->x(), alphaRight + 4), after->y());

    addText(p, "Label30", {185, 272, 448, 89},
            TPonForm::tr("Если вычисление затруднено, то момент силы относи- тельно точки может быть найден "
                           "следующим образом: сила F раскладывается на две составляющие так, чтобы легко было "
                           "найти для них плечи. Например:"),
            Wrapped);
    addEquation(p, "EqEdit4", {344, 73, 113, 24}, QStringLiteral("M!B@(F) = [r, F]."), kArial, 17);
    // Sits over the run of blanks of Label24, so that it reads as part of the sentence.
    addEquation(p, "EqEdit5", {576, 112, 87, 17}, QStringLiteral("M!B@(F)"),
                kSansSerif, 13);
    addEquation(p, "EqEdit6", {184, 160, 103, 25}, QStringLiteral("M!Bz@(F) = + Fh"), kArial, 17);
    addEquation(p, "EqEdit7", {184, 200, 103, 25}, QStringLiteral("M!Bz@(F) = - Fh"), kArial, 17);
    addEquation(p, "EqEdit8", {90, 380, 527, 24},
                TPonForm::tr("M!Oz@(F) = -h!1@F!1@ - h!2@F!2@, где F!1@ - Fcos~a,  h!1@ = 2R,  F!2@ = Fsin~a,  "
                               "h!2@ = R."),
                kSansSerif, 17);
}

void buildEquilibriumPage(QWidget* p)
{
    addPicture(p, "Image6", {16, 16, 190, 160}, DrawImage6,
               TPonForm::tr("Схема: стержень AC и диск O, сила F и реакции в заделке A"));
    addText(p, "Label7", {216, 8, 389, 19}, TPonForm::tr("Уравнения равновесия для плоской системы сил."),
            Underlined);
    addText(p, "Label31", {216, 32, 414, 25}, TPonForm::tr("Три основные формы записи уравнений равновесия :"));
    addText(p, "Label33", {109, 376, 465, 25},
            TPonForm::tr("Решение каждой системы приводит к единому результату : "));
    addText(p, "Label35", {16, 184, 99, 19}, TPonForm::tr("Ограничения"));
    addText(p, "Label36", {128, 184, 529, 25},
            TPonForm::tr("при использовании 2-й и 3-й форм уравнений (в противном случае"));
    addText(p, "Label37", {16, 208, 337, 25}, TPonForm::tr("уравнения окажутся линейно зависимыми) :"));
    addText(p, "Label38", {16, 232, 85, 19}, TPonForm::tr("2-я форма:"), Underlined);
    addText(p, "Label39", {104, 232, 529, 25},
            TPonForm::tr("нельзя допускать, чтобы прямая AB была перпендикулярна оси Ox;"));
    addText(p, "Label40", {16, 256, 85, 19}, TPonForm::tr("3-я форма:"), Underlined);
    addText(p, "Label41", {104, 256, 529, 25},
            TPonForm::tr("нельзя допускать, чтобы точки A, B, C лежали на одной прямой."));
    addText(p, "Label42", {16, 376, 89, 19}, TPonForm::tr("Замечание."));
    addEquation(p, "EqEdit9", {216, 57, 305, 24}, QStringLiteral("1. ~S F!kx@ = 0,  ~S F!ky@ = 0,  ~S M!Az@(F!k@) = 0."),
                kArial, 17);
    addEquation(p, "EqEdit10", {216, 97, 337, 24},
                QStringLiteral("2. ~S F!kx@ = 0,   ~S M!Az@(F!k@) = 0, ~S M!Bz@(F!k@) = 0."), kArial, 17);
    addEquation(p, "EqEdit11", {216, 137, 361, 24},
                QStringLiteral("3. ~S M!Az@(F!k@) = 0,   ~S M!Bz@(F!k@) = 0, ~S M!Cz@(F!k@) = 0."), kArial, 17);
    addEquation(p, "EqEdit12", {16, 281, 489, 24},
                QStringLiteral("1. x: X!A@+Fsin~a= 0, y: Y!A@-Fcos~a= 0,  M!A@: M!A@-FR(2cos~a+sin~a)= 0."), kArial, 17);
    addEquation(p, "EqEdit13", {16, 313, 553, 24},
                QStringLiteral("2. x: X!A@+Fsin~a= 0,  M!A@: M!A@-FR(2cos~a+sin~a)= 0, M!B@: M!A@+RX!A@ - 2RY!A@ = 0. "),
                kArial, 17);
    addEquation(p, "EqEdit14", {16, 345, 617, 24},
                QStringLiteral("3. M!A@: M!A@-FR(2cos~a+sin~a)= 0, M!B@: M!A@+RX!A@ - 2RY!A@ = 0, M!O@: "
                               "M!A@-FRsin~a-Y!A@2R= 0. "),
                kArial, 17);
    addEquation(p, "EqEdit15", {16, 401, 364, 24},
                QStringLiteral("X!A@= - Fsin~a,  Y!A@= Fcos~a,  M!A@= FR(2cos~a+sin~a)."), kArial, 17);
}

} // namespace

TPonForm::TPonForm(QWidget* parent)
    : QDialog(parent)
{
    setupWindow(this, TPonForm::tr("Основные понятия и сведения"), 726, 531, minimiseOnlyWindowFlags());
    setFont(pointFont(QStringLiteral("MS Sans Serif"), 8));
    centreOnDesktop(this);
    buildWhenPolished(this, [this] { buildContents(); });
}

void TPonForm::buildContents()
{
    m_pages = new TabPages(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setFont(pixelFont(QStringLiteral("Arial"), 12));
    m_pages->setGeometry(8, 8, 711, 465);
    buildForcePage(addPage(m_pages, "TabSheet1", TPonForm::tr("Определение силы")));
    buildCouplePage(addPage(m_pages, "TabSheet2", TPonForm::tr("Определение пары сил")));
    buildProjectionPage(addPage(m_pages, "TabSheet3", TPonForm::tr("Проекция силы на ось")));
    buildMomentPage(addPage(m_pages, "TabSheet4", TPonForm::tr("Момент силы отн. точки")));
    buildEquilibriumPage(addPage(m_pages, "TabSheet5", TPonForm::tr("Уравнения равновесия")));
    for (int i = 0; i < m_pages->count(); ++i)
        keepApart(m_pages->widget(i));
    m_pages->setCurrentIndex(0);

    QFrame* panel = raisedPanel(this, {8, 472, 705, 49});
    QPushButton* ok = okButton(panel, {304, 8, 121, 33}, font());
    connect(ok, &QPushButton::clicked, this, [this] { guarded([this] { BitBtn1Click(); }); });
}

void TPonForm::BitBtn1Click()
{
    accept();
}
