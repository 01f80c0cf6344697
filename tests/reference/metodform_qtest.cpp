// The method window's "OK": the menu of the method of solving comes back at
// the method window's place.
#include "reference/metodform.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "shell/navigation.h"
#include "shell/reshform.h"

#include <QPushButton>
#include <QtTest>

class MetodFormTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void okBringsTheMenuBackAtItsPlace();
};

void MetodFormTest::okBringsTheMenuBackAtItsPlace()
{
    TMetodForm metod;
    TReshForm menu;
    MetodForm = &metod;
    ReshForm = &menu;
    connectWindows();
    metod.move(240, 170);
    metod.show();
    auto* ok = metod.findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    QVERIFY(ok);
    ok->click();
    QVERIFY(!metod.isVisible());
    QVERIFY(menu.isVisible());
    QCOMPARE(menu.pos(), QPoint(240, 170));
    menu.hide();
    ReshForm = nullptr;

    // Without the menu the window still just closes.
    metod.show();
    ok->click();
    QVERIFY(!metod.isVisible());
    MetodForm = nullptr;
}

QTEST_MAIN(MetodFormTest)
#include "metodform_qtest.moc"
