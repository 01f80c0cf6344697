// The evaluator as exposed by the control: it works on the control's own
// formula and variable list and never changes what the control shows.
#include "eqedit/teqedit.h"

#include <QtTest>

class TEqEditEvaluatorTest : public QObject {
    Q_OBJECT
private slots:
    void calculatesTheShownFormula_data();
    void calculatesTheShownFormula();
    void variablesBelongToEachControl();
    void comparesTheShownFormulaWithAnother_data();
    void comparesTheShownFormulaWithAnother();
    void twoFormulasLeaveTheShownOneAlone();
};

void TEqEditEvaluatorTest::calculatesTheShownFormula_data()
{
    QTest::addColumn<QString>("equation");
    QTest::addColumn<QString>("message");
    QTest::addColumn<double>("value");
    QTest::newRow("power of a variable") << "x#2@" << "" << 9.0;
    QTest::newRow("subscripted name") << "R!A#2@+x" << "" << 7.0;
    QTest::newRow("pi") << "~p*2" << "" << 2 * 3.141592653589793;
    QTest::newRow("reset blank") << " " << "Невозможно преобразовать строку ' ' в число." << -1.0;
    QTest::newRow("unknown function") << "foo(x)" << "Неизвестная функция foo" << 0.0;
}

void TEqEditEvaluatorTest::calculatesTheShownFormula()
{
    QFETCH(QString, equation);
    QFETCH(QString, message);
    QFETCH(double, value);
    TEqEdit edit;
    edit.AddVariable("x", 3);
    edit.AddVariable("R!A", 2);
    edit.SetEquation(equation);
    double result = -1;
    QCOMPARE(edit.CalculateEquation(result), message);
    QCOMPARE(result, value);
    QCOMPARE(edit.Equation(), equation);
}

void TEqEditEvaluatorTest::variablesBelongToEachControl()
{
    TEqEdit first;
    TEqEdit second;
    first.AddVariable("F", 10);
    QCOMPARE(first.GetVariable("F"), 10.0);
    QCOMPARE(second.GetVariable("F"), 0.0);
    QCOMPARE(second.GetVariable("pi"), 3.141592653589793);
    first.DeleteVariable("F");
    QCOMPARE(first.GetVariable("F"), 0.0);
}

void TEqEditEvaluatorTest::comparesTheShownFormulaWithAnother_data()
{
    QTest::addColumn<QString>("equation");
    QTest::addColumn<QString>("other");
    QTest::addColumn<bool>("equal");
    QTest::addColumn<QString>("message");
    QTest::newRow("commuted sum") << "a+b" << "b+a" << true << "";
    QTest::newRow("index order") << "X#2!A@" << "X!A@*X!A@" << true << "";
    QTest::newRow("small difference") << "a" << "a+0.001" << false << "";
    QTest::newRow("missing name") << "a" << "q" << false
                                  << "Невозможно вычислить одно или оба выражения при сравнении "
                                     "(Невозможно преобразовать строку 'q' в число.).";
}

void TEqEditEvaluatorTest::comparesTheShownFormulaWithAnother()
{
    QFETCH(QString, equation);
    QFETCH(QString, other);
    QFETCH(bool, equal);
    QFETCH(QString, message);
    TEqEdit edit;
    edit.AddVariable("a", 1);
    edit.AddVariable("b", 2);
    edit.AddVariable("X!A", 3);
    edit.SetEquation(equation);
    bool result = !equal;
    QCOMPARE(edit.CompareEquation(other, result), message);
    QCOMPARE(result, equal);
    QCOMPARE(edit.Equation(), equation);
}

void TEqEditEvaluatorTest::twoFormulasLeaveTheShownOneAlone()
{
    TEqEdit edit;
    edit.AddVariable("a", 1);
    edit.SetEquation("a*a");
    QString first = "a+a";
    QString second = "2*a";
    double v1 = 0;
    double v2 = 1;
    QCOMPARE(edit.CalculateTwoEquations(first, second, v1, v2), QString());
    QCOMPARE(v1, v2);
    QVERIFY(!first.contains('a'));
    QCOMPARE(edit.Equation(), QString("a*a"));
}

QTEST_MAIN(TEqEditEvaluatorTest)
#include "teqedit_evaluator_qtest.moc"
