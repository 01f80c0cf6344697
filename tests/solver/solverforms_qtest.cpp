// The order choice and the two solver windows: key filter, number boxes, layout,
// focus order, solving and the messages, driven through key events and buttons.
#include "platform/forms.h"
#include "messagecapture.h"
#include "solver/forms/askform.h"
#include "solver/forms/matrix2form.h"
#include "solver/forms/matrixform.h"
#include "solver/forms/numberkey.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <optional>

namespace {

const QLocale kRussian(QLocale::Russian, QLocale::Russia);
const QLocale kC = QLocale::c();

QLocale localeNamed(const QString& name)
{
    return name == QLatin1String("ru") ? kRussian : kC;
}

// The boxes of a window by name, in reading order.
QStringList inputNames(int n)
{
    QStringList names;
    for (int k = 1; k <= n * n; ++k)
        names << QStringLiteral("Edit%1").arg(k);
    for (int k = 1; k <= n; ++k)
        names << (n == 9 && k == 9 ? QStringLiteral("BL") : QStringLiteral("B%1").arg(k));
    return names;
}

QStringList resultNames(int n)
{
    QStringList names;
    for (int k = 1; k <= n; ++k)
        names << (n == 9 && k == 9 ? QStringLiteral("XL") : QStringLiteral("X%1").arg(k));
    return names;
}

// A window with its contents, which are made when it is first shown or polished.
std::unique_ptr<SolverWindow> makeWindow(int n)
{
    std::unique_ptr<SolverWindow> w;
    if (n == 6)
        w = std::make_unique<TMatrixForm>();
    else
        w = std::make_unique<TMatrix2Form>();
    w->ensurePolished();
    return w;
}

QLineEdit* box(QWidget& w, const QString& name)
{
    w.ensurePolished();
    auto* e = w.findChild<QLineEdit*>(name);
    if (!e)
        qFatal("no box %s", qPrintable(name));
    return e;
}

QStringList resultTexts(QWidget& w, int n)
{
    QStringList texts;
    for (const QString& name : resultNames(n))
        texts << box(w, name)->text();
    return texts;
}

// Fills A and B of an order-n window; a, b row by row as box texts.
void fill(QWidget& w, int n, const QStringList& a, const QStringList& b)
{
    const QStringList names = inputNames(n);
    for (int k = 0; k < n * n; ++k)
        box(w, names[k])->setText(a[k]);
    for (int k = 0; k < n; ++k)
        box(w, names[n * n + k])->setText(b[k]);
}

QStringList identityTexts(int n)
{
    QStringList a;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            a << (i == j ? QStringLiteral("1") : QStringLiteral("0"));
    return a;
}

QStringList numbers(int from, int count, const QString& suffix = QString())
{
    QStringList out;
    for (int k = 0; k < count; ++k)
        out << QString::number(from + k) + suffix;
    return out;
}

void click(QWidget& w, const QString& button)
{
    w.ensurePolished();
    auto* b = w.findChild<QPushButton*>(button);
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

class SolverFormsTest : public QObject {
    Q_OBJECT

    std::optional<MessageCapture> capture;

private slots:
    void init()
    {
        capture.emplace();
        QLocale::setDefault(kC);
    }

    void cleanup()
    {
        capture.reset();
        QLocale::setDefault(kC);
        AskForm = nullptr;
        MatrixForm = nullptr;
        Matrix2Form = nullptr;
    }

    void filterNumberKey_data()
    {
        QTest::addColumn<QChar>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QChar>("expected");
        const QChar refused;
        QTest::newRow("digit") << QChar(u'7') << "12" << "C" << QChar(u'7');
        QTest::newRow("zero") << QChar(u'0') << "" << "ru" << QChar(u'0');
        QTest::newRow("nine") << QChar(u'9') << "-" << "ru" << QChar(u'9');
        QTest::newRow("backspace") << QChar(u'\b') << "3,5" << "ru" << QChar(u'\b');
        QTest::newRow("minus again") << QChar(u'-') << "--" << "C" << QChar(u'-');
        QTest::newRow("point becomes comma") << QChar(u'.') << "25" << "ru" << QChar(u',');
        QTest::newRow("comma stays comma") << QChar(u',') << "25" << "ru" << QChar(u',');
        QTest::newRow("point after comma") << QChar(u'.') << "2,5" << "ru" << refused;
        QTest::newRow("comma after comma") << QChar(u',') << "2,5" << "ru" << refused;
        QTest::newRow("a point is not the separator") << QChar(u'.') << "2.5" << "ru" << QChar(u',');
        QTest::newRow("point in C") << QChar(u'.') << "25" << "C" << QChar(u'.');
        QTest::newRow("comma becomes point") << QChar(u',') << "-4" << "C" << QChar(u'.');
        QTest::newRow("second point in C") << QChar(u'.') << "0.5" << "C" << refused;
        QTest::newRow("letter") << QChar(u'a') << "1" << "C" << refused;
        QTest::newRow("exponent") << QChar(u'e') << "1" << "C" << refused;
        QTest::newRow("plus") << QChar(u'+') << "" << "C" << refused;
        QTest::newRow("blank") << QChar(u' ') << "1" << "ru" << refused;
        QTest::newRow("cyrillic") << QChar(u'б') << "1" << "ru" << refused;
        QTest::newRow("other script digit") << QChar(u'٣') << "1" << "C" << refused;
        QTest::newRow("enter") << QChar(u'\r') << "1" << "C" << refused;
        QTest::newRow("ctrl+v") << QChar(0x16) << "1" << "C" << refused;
        QTest::newRow("ctrl+c") << QChar(0x03) << "1" << "C" << refused;
    }

    void filterNumberKey()
    {
        QFETCH(QChar, key);
        QFETCH(QString, text);
        QFETCH(QString, locale);
        QFETCH(QChar, expected);
        QCOMPARE(FilterNumberKey(text, key, localeNamed(locale)), expected);
    }

    void readNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::newRow("integer") << "12" << "C" << true << 12.0;
        QTest::newRow("negative decimal ru") << "-3,5" << "ru" << true << -3.5;
        QTest::newRow("negative decimal C") << "-3.5" << "C" << true << -3.5;
        QTest::newRow("leading separator") << ",25" << "ru" << true << 0.25;
        QTest::newRow("empty") << "" << "C" << false << 0.0;
        QTest::newRow("lone minus") << "-" << "ru" << false << 0.0;
        QTest::newRow("two minus signs") << "--5" << "C" << false << 0.0;
        QTest::newRow("minus inside") << "1-2" << "C" << false << 0.0;
        QTest::newRow("lone separator") << "," << "ru" << false << 0.0;
        QTest::newRow("point in ru") << "2.5" << "ru" << false << 0.0;
        QTest::newRow("group separator") << "1,000" << "C" << false << 0.0;
        QTest::newRow("letters") << "abc" << "C" << false << 0.0;
        QTest::newRow("beyond double") << "1e400" << "C" << false << 0.0;
        QTest::newRow("infinity") << "inf" << "C" << false << 0.0;
        QTest::newRow("not a number") << "nan" << "C" << false << 0.0;
    }

    void readNumber()
    {
        QFETCH(QString, text);
        QFETCH(QString, locale);
        QFETCH(bool, valid);
        QFETCH(double, value);
        const std::optional<double> read = ::readNumber(text, localeNamed(locale));
        QCOMPARE(read.has_value(), valid);
        if (valid)
            QCOMPARE(*read, value);
    }

    void formatResult_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero C") << 0.0 << "C" << "0.000";
        QTest::newRow("zero ru") << 0.0 << "ru" << "0,000";
        QTest::newRow("rounded") << -1.23456 << "ru" << "-1,235";
        QTest::newRow("negative zero") << -0.0 << "ru" << "0,000";
        QTest::newRow("rounds to zero") << -0.0004 << "C" << "0.000";
        QTest::newRow("rounds away from zero") << -0.0006 << "C" << "-0.001";
        QTest::newRow("wider than a box") << 12345.0 << "C" << "12345.000";
        QTest::newRow("no group separators") << 1234567.5 << "ru" << "1234567,500";
    }

    void formatResult()
    {
        QFETCH(double, value);
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        QCOMPARE(::formatResult(value, localeNamed(locale)), expected);
    }

    void layout_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<int>("bX");
        QTest::addColumn<int>("resultY");
        QTest::newRow("order 6") << 6 << QSize(481, 507) << QPoint(40, 160) << 384 << 384;
        QTest::newRow("order 9") << 9 << QSize(665, 604) << QPoint(40, 128) << 568 << 488;
    }

    void layout()
    {
        QFETCH(int, n);
        QFETCH(QSize, client);
        QFETCH(QPoint, origin);
        QFETCH(int, bX);
        QFETCH(int, resultY);
        auto w = makeWindow(n);
        QCOMPARE(w->windowTitle(), QStringLiteral("Решение системы AX = B"));
        QCOMPARE(w->size(), client);
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));

        const QStringList inputs = inputNames(n);
        for (int k = 0; k < n * n; ++k) {
            QLineEdit* e = box(*w, inputs[k]);
            const int row = k / n;
            const int col = k % n;
            QCOMPARE(e->geometry(), QRect(origin + QPoint(48 * col, 32 * row), QSize(41, 32)));
            QCOMPARE(e->text(), row == col ? QStringLiteral("1") : QStringLiteral("0"));
            QVERIFY(e->isEnabled());
            QVERIFY(!e->accessibleName().isEmpty());
        }
        for (int k = 0; k < n; ++k) {
            QLineEdit* e = box(*w, inputs[n * n + k]);
            QCOMPARE(e->geometry(), QRect(bX, origin.y() + 32 * k, 41, 32));
            QCOMPARE(e->text(), QStringLiteral("0"));
        }
        const QStringList results = resultNames(n);
        for (int k = 0; k < n; ++k) {
            QLineEdit* e = box(*w, results[k]);
            const int width = (n == 9 && k == 8) ? 49 : 41;
            QCOMPARE(e->geometry(), QRect(origin.x() + 48 * k, resultY, width, 32));
            QVERIFY(e->text().isEmpty());
            QVERIFY(!e->isEnabled());
            QVERIFY(!e->accessibleName().isEmpty());
        }
        QCOMPARE(w->findChild<QPushButton*>("Button1")->text(), QStringLiteral("Считать"));
        QCOMPARE(w->findChild<QPushButton*>("Button2")->text(), QStringLiteral("Выход"));

        QStringList labels;
        for (const QLabel* l : w->findChildren<QLabel*>())
            labels << l->text();
        QVERIFY(labels.contains(QStringLiteral("Уважаемый коллега !")));
        QVERIFY(labels.contains(QStringLiteral("Я рад помочь Вам решить систему %1 линейных алгебраических "
                                               "уравнений AX = B. Сообщите, пожалуйста, коэффициенты "
                                               "матрицы A и столбца B.")
                                    .arg(n)));
        QVERIFY(labels.contains(QStringLiteral("A")));
        QVERIFY(labels.contains(QStringLiteral("B")));
        QVERIFY(labels.contains(QStringLiteral("Вычисленные значения неизвестных")));
        // Nothing drawn outside the client area.
        for (const QWidget* child : w->findChildren<QWidget*>())
            QVERIFY2(w->rect().contains(child->geometry()), qPrintable(child->objectName()));
    }

    void enterWalksTheFocusOrder_data()
    {
        QTest::addColumn<int>("n");
        QTest::newRow("order 6") << 6;
        QTest::newRow("order 9") << 9;
    }

    void enterWalksTheFocusOrder()
    {
        QFETCH(int, n);
        auto w = makeWindow(n);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const QStringList inputs = inputNames(n);
        const QStringList before = [&] {
            QStringList t;
            for (const QString& name : inputs)
                t << box(*w, name)->text();
            return t;
        }();
        box(*w, inputs.first())->setFocus();
        QStringList visited;
        for (int k = 0; k < inputs.size(); ++k) {
            QWidget* focused = w->focusWidget();
            QVERIFY(focused);
            QTest::keyClick(focused, Qt::Key_Return);
            visited << w->focusWidget()->objectName();
        }
        QStringList expected = inputs.mid(1);
        expected << QStringLiteral("Button1");
        QCOMPARE(visited, expected);
        // Enter is not typed into the boxes.
        for (int k = 0; k < inputs.size(); ++k)
            QCOMPARE(box(*w, inputs[k])->text(), before[k]);
        // ... and on "Считать" it solves.
        QVERIFY(box(*w, resultNames(n).first())->text().isEmpty());
        QTest::keyClick(w->focusWidget(), Qt::Key_Return);
        QCOMPARE(resultTexts(*w, n), QStringList(n, QStringLiteral("0.000")));
    }

    void typingIsFiltered_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("decimal ru") << "ru" << "" << "2.5" << "2,5";
        QTest::newRow("second separator swallowed") << "ru" << "" << "2,5.," << "2,5";
        QTest::newRow("point after 25") << "ru" << "25" << "." << "25,";
        QTest::newRow("comma in C") << "C" << "" << "-1,25" << "-1.25";
        QTest::newRow("letters and blanks") << "C" << "" << "1a b2e+" << "12";
        QTest::newRow("double minus") << "C" << "" << "--" << "--";
    }

    void typingIsFiltered()
    {
        QFETCH(QString, locale);
        QFETCH(QString, start);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        QLocale::setDefault(localeNamed(locale));
        TMatrixForm w;
        QLineEdit* e = box(w, QStringLiteral("Edit2"));
        e->setText(start);
        e->end(false);
        QTest::keyClicks(e, keys);
        QCOMPARE(e->text(), expected);
    }

    void editingKeysStillWork()
    {
        TMatrixForm w;
        QLineEdit* e = box(w, QStringLiteral("B3"));
        e->setText(QStringLiteral("123"));
        e->end(false);
        QTest::keyClick(e, Qt::Key_Backspace);
        QCOMPARE(e->text(), QStringLiteral("12"));
        QTest::keyClick(e, Qt::Key_Home);
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClick(e, Qt::Key_Minus);
        QCOMPARE(e->text(), QStringLiteral("-2"));
    }

    void clipboardShortcutsDoNothing()
    {
        TMatrixForm w;
        QLineEdit* e = box(w, QStringLiteral("Edit5"));
        QApplication::clipboard()->setText(QStringLiteral("777"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("777"));
        e->setText(QStringLiteral("4"));
        e->selectAll();
        QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(e, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::keyClick(e, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(e, Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(e->text(), QStringLiteral("4"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("777"));
    }

    // Text reaches a box only as typed keys: no context menu to paste from,
    // and a drop or an input method's text is refused.  (The middle button's
    // paste of the X11 selection is refused the same way; the offscreen
    // platform has no selection to try it with.)
    void otherWaysOfPastingDoNothing_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("context menu") << "menu";
        QTest::newRow("drag and drop") << "drop";
        QTest::newRow("input method") << "input method";
    }

    void otherWaysOfPastingDoNothing()
    {
        QFETCH(QString, way);
        TMatrixForm w;
        w.show();
        QLineEdit* e = box(w, QStringLiteral("Edit5"));
        e->setText(QStringLiteral("12"));
        e->setFocus();
        QApplication::clipboard()->setText(QStringLiteral("abc"));
        if (way == QLatin1String("menu")) {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), e->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(e, &event);
            QWidget* menu = QApplication::activePopupWidget();
            if (menu)
                menu->close();
            QVERIFY2(!menu, "a context menu opened");
        } else if (way == QLatin1String("drop")) {
            QMimeData data;
            data.setText(QStringLiteral("abc"));
            QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(e, &event);
        } else {
            QInputMethodEvent event;
            event.setCommitString(QStringLiteral("abc"));
            QApplication::sendEvent(e, &event);
        }
        QCOMPARE(e->text(), QStringLiteral("12"));
    }

    void solvesFromTheBoxes_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("a");
        QTest::addColumn<QStringList>("b");
        QTest::addColumn<QStringList>("expected");
        for (int n : {6, 9}) {
            const QByteArray tag = "order " + QByteArray::number(n);
            QStringList zeros;
            QStringList zeroTexts;
            QStringList zeroTextsRu;
            for (int k = 0; k < n; ++k) {
                zeros << QStringLiteral("0");
                zeroTexts << QStringLiteral("0.000");
                zeroTextsRu << QStringLiteral("0,000");
            }
            QTest::newRow(tag + " initial contents C") << n << "C" << identityTexts(n) << zeros << zeroTexts;
            QTest::newRow(tag + " initial contents ru") << n << "ru" << identityTexts(n) << zeros << zeroTextsRu;
            QTest::newRow(tag + " identity, B = 1..n")
                << n << "ru" << identityTexts(n) << numbers(1, n) << numbers(1, n, QStringLiteral(",000"));
            // 2 on the diagonal and -1 beside it; B chosen so that x = 1, 2, ..., n.
            QStringList a;
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j)
                    a << (i == j ? QStringLiteral("2") : (std::abs(i - j) == 1 ? QStringLiteral("-1") : QStringLiteral("0")));
            QStringList b;
            for (int i = 0; i < n; ++i)
                b << QString::number(2 * (i + 1) - (i > 0 ? i : 0) - (i < n - 1 ? i + 2 : 0));
            QTest::newRow(tag + " tridiagonal") << n << "C" << a << b << numbers(1, n, QStringLiteral(".000"));
            // Rows in reverse: every step exchanges rows.
            QStringList reversed;
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j)
                    reversed << (i + j == n - 1 ? QStringLiteral("0,5") : QStringLiteral("0"));
            QStringList halves;
            QStringList expectedReversed;
            for (int i = 0; i < n; ++i) {
                halves << QStringLiteral("%1,5").arg(i);
                expectedReversed << ::formatResult(2 * (n - 1 - i + 0.5), kRussian);
            }
            QTest::newRow(tag + " anti-diagonal, decimals") << n << "ru" << reversed << halves << expectedReversed;
        }
        // B all zero but one entry.
        const auto zerosWith = [](int n, int k, const QString& value) {
            QStringList b;
            for (int i = 0; i < n; ++i)
                b << (i == k ? value : QStringLiteral("0"));
            return b;
        };
        QTest::newRow("result wider than its box")
            << 6 << "C" << identityTexts(6) << zerosWith(6, 0, QStringLiteral("12345"))
            << QStringList{"12345.000", "0.000", "0.000", "0.000", "0.000", "0.000"};
        QTest::newRow("negative result wider than its box")
            << 9 << "ru" << identityTexts(9) << zerosWith(9, 8, QStringLiteral("-1234,5"))
            << QStringList{"0,000", "0,000", "0,000", "0,000", "0,000", "0,000", "0,000", "0,000", "-1234,500"};
    }

    void solvesFromTheBoxes()
    {
        QFETCH(int, n);
        QFETCH(QString, locale);
        QFETCH(QStringList, a);
        QFETCH(QStringList, b);
        QFETCH(QStringList, expected);
        QLocale::setDefault(localeNamed(locale));
        auto w = makeWindow(n);
        fill(*w, n, a, b);
        click(*w, QStringLiteral("Button1"));
        QCOMPARE(capture->texts(), QStringList());
        QCOMPARE(resultTexts(*w, n), expected);
        // Each result is shown from its start, sign and leading digits first.
        for (const QString& name : resultNames(n))
            QCOMPARE(box(*w, name)->cursorPosition(), 0);
    }

    void badBoxStopsTheSolve_data()
    {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty grid box") << "Edit7" << "";
        QTest::newRow("empty B box") << "B6" << "";
        QTest::newRow("double minus") << "Edit1" << "--";
        QTest::newRow("minus inside") << "Edit36" << "1-2";
        QTest::newRow("lone separator") << "B1" << ",";
        QTest::newRow("pasted letters") << "Edit20" << "abc";
    }

    void badBoxStopsTheSolve()
    {
        QFETCH(QString, boxName);
        QFETCH(QString, text);
        QLocale::setDefault(kRussian);
        TMatrixForm w;
        fill(w, 6, identityTexts(6), numbers(1, 6));
        click(w, QStringLiteral("Button1"));
        const QStringList solved = resultTexts(w, 6);
        QCOMPARE(solved.first(), QStringLiteral("1,000"));

        fill(w, 6, identityTexts(6), numbers(11, 6));
        box(w, boxName)->setText(text);
        click(w, QStringLiteral("Button1"));
        QCOMPARE(capture->texts(), QStringList{QStringLiteral("Ошибка! Введены не все данные.")});
        QCOMPARE(capture->titles(), QStringList{QStringLiteral("ВЕКТУМ-W")});
        QCOMPARE(resultTexts(w, 6), solved);
        QCOMPARE(box(w, boxName)->text(), text);
    }

    void singularMatrixRewritesThePreviousSolution()
    {
        QLocale::setDefault(kRussian);
        TMatrix2Form w;
        QStringList singular = identityTexts(9);
        for (int j = 0; j < 9; ++j)
            singular[4 * 9 + j] = singular[2 * 9 + j];   // two identical rows

        // Nothing solved yet: zeros.
        fill(w, 9, singular, numbers(1, 9));
        click(w, QStringLiteral("Button1"));
        QCOMPARE(capture->texts(), QStringList{QStringLiteral("Ошибка! Матрица A является вырожденной.")});
        QCOMPARE(resultTexts(w, 9), QStringList(9, QStringLiteral("0,000")));

        fill(w, 9, identityTexts(9), numbers(1, 9));
        click(w, QStringLiteral("Button1"));
        const QStringList solved = resultTexts(w, 9);
        QCOMPARE(solved, numbers(1, 9, QStringLiteral(",000")));

        // The result boxes are written again, not merely left alone.
        box(w, QStringLiteral("X1"))->setText(QStringLiteral("stale"));
        box(w, QStringLiteral("XL"))->clear();
        capture->boxes.clear();
        fill(w, 9, singular, numbers(5, 9));
        click(w, QStringLiteral("Button1"));
        QCOMPARE(capture->texts(), QStringList{QStringLiteral("Ошибка! Матрица A является вырожденной.")});
        QCOMPARE(resultTexts(w, 9), solved);
    }

    void overflowKeepsThePreviousSolution()
    {
        TMatrixForm w;
        fill(w, 6, identityTexts(6), numbers(1, 6));
        click(w, QStringLiteral("Button1"));
        const QStringList solved = resultTexts(w, 6);

        // x1 = 1e300 / 1e-300 does not fit a double.
        QStringList a = identityTexts(6);
        a[0] = QStringLiteral("1e-300");
        QStringList b = numbers(1, 6);
        b[0] = QStringLiteral("1e300");
        fill(w, 6, a, b);
        click(w, QStringLiteral("Button1"));
        QCOMPARE(capture->boxes.size(), 1);
        QVERIFY(capture->boxes.first().text.startsWith(QStringLiteral("Ошибка!")));
        QCOMPARE(resultTexts(w, 6), solved);
        for (const QString& t : resultTexts(w, 6))
            QVERIFY(!t.contains(QStringLiteral("inf")) && !t.contains(QStringLiteral("nan")));
    }

    void valuesSurviveHidingAndShowing()
    {
        TMatrixForm w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QLineEdit* e = box(w, QStringLiteral("Edit1"));
        e->clear();
        QTest::keyClicks(e, QStringLiteral("4"));
        QTest::keyClicks(box(w, QStringLiteral("B1")), QStringLiteral("2"));   // B1 becomes "02"
        click(w, QStringLiteral("Button1"));
        QCOMPARE(box(w, QStringLiteral("X1"))->text(), QStringLiteral("0.500"));

        click(w, QStringLiteral("Button2"));
        QVERIFY(!w.isVisible());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(box(w, QStringLiteral("Edit1"))->text(), QStringLiteral("4"));
        QCOMPARE(box(w, QStringLiteral("B1"))->text(), QStringLiteral("02"));
        QCOMPARE(box(w, QStringLiteral("X1"))->text(), QStringLiteral("0.500"));
    }

    void orderChoice()
    {
        TAskForm ask;
        QCOMPARE(ask.windowTitle(), QStringLiteral("Выбор порядка системы"));
        QCOMPARE(ask.size(), QSize(364, 116));
        QCOMPARE(ask.findChild<QPushButton*>("Button1")->text(), QStringLiteral("6"));
        QCOMPARE(ask.findChild<QPushButton*>("Button2")->text(), QStringLiteral("9"));
        QVERIFY(ask.findChild<QPushButton*>("Button1")->y() < ask.findChild<QPushButton*>("Button2")->y());
        QCOMPARE(ask.findChild<QLabel*>("Label1")->text(), QStringLiteral("Систему какого порядка решаем ?"));
    }

    void orderChoiceOpensTheSolverWindow_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("n");
        QTest::newRow("6") << "Button1" << 6;
        QTest::newRow("9") << "Button2" << 9;
    }

    void orderChoiceOpensTheSolverWindow()
    {
        QFETCH(QString, button);
        QFETCH(int, n);
        TAskForm ask;
        TMatrixForm six;
        TMatrix2Form nine;
        AskForm = &ask;
        MatrixForm = &six;
        Matrix2Form = &nine;
        ask.show();
        click(ask, button);
        QVERIFY(!ask.isVisible());
        QCOMPARE(six.isVisible(), n == 6);
        QCOMPARE(nine.isVisible(), n == 9);
        SolverWindow& opened = n == 6 ? static_cast<SolverWindow&>(six) : nine;
        QVERIFY(opened.isModal());
        opened.Button2Click();
        QVERIFY(!opened.isVisible());
        QVERIFY(!opened.isModal());
    }

    void solverActivationClosesTheOrderChoice()
    {
        TAskForm ask;
        TMatrix2Form nine;
        AskForm = &ask;
        ask.show();
        nine.FormActivate();
        QVERIFY(!ask.isVisible());
    }
};

QTEST_MAIN(SolverFormsTest)
#include "solverforms_qtest.moc"
