#include "reference/svyazform.h"

#include "reference/pagebuilder.h"
#include "reference/svyazpictures.h"
#include "platform/deferred.h"
#include "platform/fonts.h"
#include "platform/guard.h"
#include "platform/panels.h"
#include "platform/tabpages.h"
#include "platform/windows.h"

#include <QFrame>
#include <QPushButton>

using namespace reference;

namespace {

void buildHingePage(QWidget* p)
{
    addText(p, "Label12", {17, 184, 616, 41},
            TSvyazForm::tr("   Здесь на балку AB наложены два вида связей:  в т. A  -  цилиндрический шарнир и в т. "
                           "B - опора на абсолютно гладкую наклонную плоскость. "),
            Wrapped);
    addPicture(p, "Sh", {16, 16, 280, 160}, DrawSh,
               TSvyazForm::tr("Схема: балка AB на шарнире A и гладкой наклонной плоскости в точке B"));
    addText(p, "Label7", {17, 224, 616, 65},
            TSvyazForm::tr("   Сила реакции, действующая на балку в т. B,  направлена ортогонально к наклонной "
                           "плоскости, а реакцию в шарнире следует представить в виде двух составляющих."),
            Wrapped);
    addPicture(p, "Sh2", {352, 16, 280, 160}, DrawSh2,
               TSvyazForm::tr("Схема: балка AB, освобожденная от связей, с реакциями XA, YA и RB"));
}

void buildThreadPage(QWidget* p)
{
    addPicture(p, "Sh3", {16, 16, 280, 160}, DrawSh3,
               TSvyazForm::tr("Схема: балка AK, подвешенная на нитях, связанных в точке D"));
    addPicture(p, "Sh4", {352, 16, 280, 160}, DrawSh4,
               TSvyazForm::tr("Схема: натяжения нитей TA, TB и TC"));
    addText(p, "Label8", {17, 184, 616, 65},
            TSvyazForm::tr("   Здесь связи представлены нитями. Балка AK подвешена на двух нитях, которые в точке D "
                           "связаны с третьей, привязанной к потолку. Силы реакции, действующие на балку в точках "
                           "A и B, направлены вдоль нитей."),
            Wrapped);
    addText(p, "Label9", {17, 248, 616, 25},
            TSvyazForm::tr("   Сила, натягивающая нить DC, также направлена вдоль нити."), Wrapped);
}

void buildFixingPage(QWidget* p)
{
    addText(p, "Label10", {17, 184, 616, 89},
            TSvyazForm::tr("    Изогнутая под прямым углом балка заделана в стенку в точке B. Связь в точке B "
                           "препятствует не только поступательному перемещению тела, но и повороту его вокруг этой "
                           "точки. Реакция в т. B характеризуется силой и парой сил с  моментом заделки."),
            Wrapped);
    addPicture(p, "Sh5", {16, 16, 280, 160}, DrawSh5,
               TSvyazForm::tr("Схема: изогнутая балка, заделанная в стенку в точке B, с силой F"));
    addPicture(p, "Sh6", {352, 16, 280, 160}, DrawSh6,
               TSvyazForm::tr("Схема: реакции заделки XB, YB и момент MB"));
}

void buildContactPage(QWidget* p)
{
    addPicture(p, "Im", {32, 16, 200, 160}, DrawIm,
               TSvyazForm::tr("Схема: карандаш в стакане, точки опоры A, D и B"));
    addPicture(p, "Im2", {424, 16, 200, 160}, DrawIm2,
               TSvyazForm::tr("Схема: реакции RA, RD и RB, действующие на карандаш"));
    addText(p, "Label1", {249, 24, 160, 25}, TSvyazForm::tr("Карандаш в стакане"), Wrapped);
    addText(p, "Label2", {17, 184, 616, 89},
            TSvyazForm::tr("   Поскольку поверхности стенок стакана и карандаша абсолютно гладкие, то силы реакций, "
                           "действующих на карандаш, будут направлены ортогонально к названным поверхностям."),
            Wrapped);
}

} // namespace

TSvyazForm::TSvyazForm(QWidget* parent)
    : QDialog(parent)
{
    setupWindow(this, TSvyazForm::tr("Виды связей"), 702, 541, minimiseOnlyWindowFlags());
    setFont(pointFont(QStringLiteral("MS Sans Serif"), 8));
    move(207, 128);
    buildWhenPolished(this, [this] { buildContents(); });
}

void TSvyazForm::buildContents()
{
    const QFont arial12 = pixelFont(QStringLiteral("Arial"), 12);
    m_pages = new TabPages(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setFont(arial12);
    m_pages->setGeometry(8, 8, 687, 465);
    buildHingePage(addPage(m_pages, "TabSheet1", TSvyazForm::tr("Вращательный шарнир и катковая опора")));
    buildThreadPage(addPage(m_pages, "TabSheet2", TSvyazForm::tr("Гибкая связь")));
    buildFixingPage(addPage(m_pages, "TabSheet3", TSvyazForm::tr("Жесткое защемление")));
    buildContactPage(addPage(m_pages, "TabSheet4", TSvyazForm::tr("Контакт с гладкой поверхностью")));
    for (int i = 0; i < m_pages->count(); ++i)
        keepApart(m_pages->widget(i));
    m_pages->setCurrentIndex(0);

    QFrame* panel = raisedPanel(this, {8, 472, 687, 49});
    QPushButton* ok = okButton(panel, {288, 8, 121, 33}, arial12);
    connect(ok, &QPushButton::clicked, this, [this] { guarded([this] { BitBtn1Click(); }); });
}

void TSvyazForm::BitBtn1Click()
{
    accept();
}
