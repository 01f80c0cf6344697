// What a screen reader is told when a solver window, opened from the order
// choice and thus a dialog, shows a solution: the solution alone, as a
// notification of its own, never the dialog with its labels again.
#include "messagecapture.h"
#include "platform/accessibility.h"
#include "platform/forms.h"
#include "solver/forms/askform.h"
#include "solver/forms/matrix2form.h"
#include "solver/forms/matrixform.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

struct Told {
    QObject* object;
    QAccessible::Event type;
    QString name;
};

// What the program tells a screen reader, in order (the offscreen platform
// has none: the events are observed).
QList<Told> g_told;

void record(QAccessibleEvent* e)
{
    QAccessibleInterface* iface = e->accessibleInterface();
    g_told.append({e->object(), e->type(), iface ? iface->text(QAccessible::Name) : QString()});
}

void click(QWidget& w, const QString& name)
{
    auto* b = w.findChild<QPushButton*>(name);
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton);
}

bool inTree(QAccessibleInterface* iface, const QObject* object)
{
    if (!iface)
        return false;
    if (iface->object() == object)
        return true;
    for (int i = 0; i < iface->childCount(); ++i)
        if (inTree(iface->child(i), object))
            return true;
    return false;
}

} // namespace

class SolverAccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        installAccessibility();
        setAccessibleEventObserver(record);
    }
    void cleanupTestCase() { setAccessibleEventObserver(nullptr); }

    void solutionIsAnnouncedAlone_data();
    void solutionIsAnnouncedAlone();
};

void SolverAccessibilityTest::solutionIsAnnouncedAlone_data()
{
    QTest::addColumn<QString>("order");
    QTest::addColumn<int>("n");
    QTest::newRow("order 6") << "Button1" << 6;
    QTest::newRow("order 9") << "Button2" << 9;
}

// Each press of "Считать" tells the screen reader one thing: a notification
// whose name holds every result, whose ancestors hold no window (a screen
// reader speaks a dialog around a notification with all its labels), and
// nothing about the window or its labels.  The results stay readable in the
// window itself.
void SolverAccessibilityTest::solutionIsAnnouncedAlone()
{
    QFETCH(QString, order);
    QFETCH(int, n);
    MessageCapture boxes;
    TAskForm ask;
    TMatrixForm six;
    TMatrix2Form nine;
    AskForm = &ask;
    MatrixForm = &six;
    Matrix2Form = &nine;
    ask.show();
    click(ask, order);
    SolverWindow& solver = n == 6 ? static_cast<SolverWindow&>(six) : nine;
    QVERIFY(solver.isVisible());
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&solver);
    QCOMPARE(window->role(), QAccessible::Dialog);

    const QList<QLineEdit*> results = solver.findChildren<QLineEdit*>(QRegularExpression(QStringLiteral("^X")));
    QCOMPARE(int(results.size()), n);
    for (int press = 1; press <= 2; ++press) {
        g_told.clear();
        click(solver, QStringLiteral("Button1"));
        QVERIFY(boxes.boxes.isEmpty());

        QList<Told> said;
        for (const Told& t : std::as_const(g_told)) {
            QVERIFY2(t.object != &solver, "the window is told again");
            QVERIFY2(!qobject_cast<QLabel*>(t.object), qPrintable(t.name));
            if (qobject_cast<Announcer*>(t.object) && t.type == QAccessible::ObjectShow)
                said.append(t);
        }
        QCOMPARE(int(said.size()), 1);
        for (QLineEdit* result : results) {
            QVERIFY(!result->text().isEmpty());
            QVERIFY2(said.front().name.contains(result->objectName() + QStringLiteral(" = ") + result->text()),
                     qPrintable(said.front().name));
        }
        QAccessibleInterface* announcement = QAccessible::queryAccessibleInterface(said.front().object);
        QCOMPARE(announcement->role(), QAccessible::Notification);
        for (QAccessibleInterface* up = announcement->parent(); up; up = up->parent()) {
            QVERIFY2(up->role() != QAccessible::Dialog && up->role() != QAccessible::Window,
                     qPrintable(up->text(QAccessible::Name)));
            QVERIFY(up->object() != &solver);
        }
        QVERIFY(!inTree(window, said.front().object));
        for (QLineEdit* result : results)
            QVERIFY(inTree(window, result));
    }
    solver.Button2Click();
}

QTEST_MAIN(SolverAccessibilityTest)
#include "solveraccessibility_qtest.moc"
