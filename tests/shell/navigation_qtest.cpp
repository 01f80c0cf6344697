// Moving through the program: the main window and the four mode menus.
#include "windowfixture.h"

#include "exercises/kzsform.h"
#include "shell/kontrform.h"
#include "shell/mainform.h"
#include "platform/forms.h"
#include "shell/repform.h"
#include "shell/startup.h"
#include "solver/forms/askform.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QWindow>

namespace {
const QString kSolve = QStringLiteral("Решение системы линейных уравнений");
const QString kEntranceText = QStringLiteral(
    "    Прежде чем Вы приступите к вычислению матрицы, Вам придется ответить на несколько тестовых "
    "вопросов. При пяти неправильных ответах КОНТРОЛЕР прекращает работу и вызывает РЕПЕТИТОР.");

// Shows window alone, at a place none of the windows starts at.
void showAloneAt(QWidget* window, QPoint place)
{
    hideAllWindows();
    window->show();
    window->move(place);
}
} // namespace

class NavigationTest : public WindowsTestCase {
    Q_OBJECT
private slots:
    void everyButtonLeadsWhereItShould_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("modal");   // shown modally over a menu that stays

        QTest::newRow("main: consultant") << "MainForm" << "КОНСУЛЬТАНТ" << "ConsForm" << false;
        QTest::newRow("main: tutor") << "MainForm" << "РЕПЕТИТОР" << "RepForm" << false;
        QTest::newRow("main: examiner") << "MainForm" << "КОНТРОЛЕР" << "KontrForm" << false;

        QTest::newRow("cons: help") << "ConsForm" << "Информация о работе с системой ВЕКТУМ-W" << "HelpForm" << true;
        QTest::newRow("cons: method") << "ConsForm" << "Методика решения задач" << "ReshForm" << false;
        QTest::newRow("cons: constraints") << "ConsForm" << "Виды связей" << "SvyazForm" << true;
        QTest::newRow("cons: back")
            << "ConsForm" << "Завершение работы с подсистемой КОНСУЛЬТАНТ" << "MainForm" << false;

        QTest::newRow("resh: concepts") << "ReshForm" << "Основные понятия и сведения" << "PonForm" << true;
        QTest::newRow("resh: method") << "ReshForm" << "Методика решения задач статики" << "MetodForm" << false;
        QTest::newRow("resh: back") << "ReshForm" << "Завершение обзора" << "ConsForm" << false;

        QTest::newRow("rep: example")
            << "RepForm" << "Знакомство с примерами составления уравнений равновесия" << "UrForm" << false;
        QTest::newRow("rep: task") << "RepForm" << "Решение контрольной задачи по статике" << "KzsForm" << false;
        QTest::newRow("rep: back") << "RepForm" << "Завершение работы с подсистемой РЕПЕТИТОР" << "MainForm" << false;

        QTest::newRow("kontr: back")
            << "KontrForm" << "Завершение работы с подсистемой КОНТРОЛЕР" << "MainForm" << false;
    }
    void everyButtonLeadsWhereItShould()
    {
        QFETCH(QString, from);
        QFETCH(QString, button);
        QFETCH(QString, to);
        QFETCH(bool, modal);
        QWidget* source = windowNamed(from);
        QWidget* target = windowNamed(to);
        QVERIFY(source && target);
        MessageCapture capture;

        // Moved first, as a user may drag a menu before leaving it.
        const QPoint place(131, 77);
        showAloneAt(source, place);
        QCOMPARE(source->pos(), place);
        QPushButton* b = buttonOf(source, button);
        QVERIFY(b);

        if (modal) {
            bool sourceVisibleUnder = false;
            QWidget* shown = runClosingModal([b] { QTest::mouseClick(b, Qt::LeftButton); },
                                             [&](QWidget*) { sourceVisibleUnder = source->isVisible(); });
            QCOMPARE(shown, target);
            QVERIFY(sourceVisibleUnder);
            QCOMPARE(visibleWindows(), QList<QWidget*>{source});
            QCOMPARE(source->pos(), place);
        } else {
            QTest::mouseClick(b, Qt::LeftButton);
            QCOMPARE(visibleWindows(), QList<QWidget*>{target});
            QCOMPARE(target->pos(), place);
        }
        QVERIFY(capture.boxes.isEmpty());
    }

    void examinerGateAnnouncesTheTestUntilItIsPassed()
    {
        MessageCapture capture;
        bool taskShownBeforeBox = false;
        capture.onBox = [&](const ShownMessage&) { taskShownBeforeBox = taskShownBeforeBox || KzsForm->isVisible(); };
        for (int attempt = 1; attempt <= 3; ++attempt) {
            const QPoint place(40 + 10 * attempt, 60 + 5 * attempt);
            showAloneAt(KontrForm, place);
            ExamMode = false;
            QTest::mouseClick(buttonOf(KontrForm, kSolve), Qt::LeftButton);

            QCOMPARE(capture.boxes.size(), attempt);
            const ShownMessage& box = capture.boxes.last();
            QCOMPARE(box.icon, QMessageBox::Warning);
            QCOMPARE(box.title, QStringLiteral("КОНТРОЛЕР"));
            QCOMPARE(box.text, kEntranceText);
            QVERIFY(!taskShownBeforeBox);
            QVERIFY(ExamMode);
            QCOMPARE(visibleWindows(), QList<QWidget*>{KzsForm});
            QCOMPARE(KzsForm->pos(), place);
        }

        // The order choice keeps its own place, wherever the menu stands.
        ExamPassed = true;
        QPoint askPlace;
        for (int attempt = 1; attempt <= 2; ++attempt) {
            AskForm->hide();
            showAloneAt(KontrForm, QPoint(150 + 20 * attempt, 90));
            ExamMode = false;
            QTest::mouseClick(buttonOf(KontrForm, kSolve), Qt::LeftButton);
            QCOMPARE(capture.boxes.size(), 3);
            QVERIFY(!ExamMode);
            QCOMPARE(visibleWindows(), QList<QWidget*>{AskForm});
            QVERIFY(AskForm->pos() != KontrForm->pos());
            if (attempt == 1)
                askPlace = AskForm->pos();
            QCOMPARE(AskForm->pos(), askPlace);
        }
    }

    void tutorButtonClearsExamMode()
    {
        ExamMode = true;
        QTest::mouseClick(buttonOf(MainForm, QStringLiteral("РЕПЕТИТОР")), Qt::LeftButton);
        QVERIFY(!ExamMode);
        QVERIFY(RepForm->isVisible());
    }

    void menusRefuseTheDesktopsCloseRequest_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"ConsForm", "ReshForm", "RepForm", "KontrForm"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void menusRefuseTheDesktopsCloseRequest()
    {
        QFETCH(QString, name);
        QWidget* menu = windowNamed(name);
        showAloneAt(menu, QPoint(100, 100));
        QVERIFY(!(menu->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint
                                         | Qt::WindowMaximizeButtonHint | Qt::WindowSystemMenuHint)));
        QCloseEvent request;
        QCoreApplication::sendEvent(menu->windowHandle(), &request);
        QVERIFY(menu->isVisible());
    }

    // A window below the shell closed by the desktop leaves the way its own
    // exit does, so that a menu is always on screen.
    void windowsClosedByTheDesktopLeaveForAMenu_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("exam");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<bool>("atItsPlace");   // else the menu stays where it stands

        QTest::newRow("example") << "UrForm" << false << "RepForm" << true;
        QTest::newRow("task") << "KzsForm" << false << "RepForm" << true;
        QTest::newRow("entrance test") << "KzsForm" << true << "KontrForm" << true;
        QTest::newRow("order choice") << "AskForm" << true << "KontrForm" << false;
        QTest::newRow("order 6") << "MatrixForm" << true << "KontrForm" << false;
        QTest::newRow("order 9") << "Matrix2Form" << true << "KontrForm" << false;
    }
    void windowsClosedByTheDesktopLeaveForAMenu()
    {
        QFETCH(QString, name);
        QFETCH(bool, exam);
        QFETCH(QString, menu);
        QFETCH(bool, atItsPlace);
        QWidget* window = windowNamed(name);
        QWidget* back = windowNamed(menu);
        const QPoint menuPlace(20, 30);
        back->move(menuPlace);
        showAloneAt(window, QPoint(141, 87));
        ExamMode = exam;

        QCloseEvent request;
        QCoreApplication::sendEvent(window->windowHandle(), &request);

        QCOMPARE(visibleWindows(), QList<QWidget*>{back});
        QCOMPARE(back->pos(), atItsPlace ? QPoint(141, 87) : menuPlace);
        QCOMPARE(ExamMode, exam);
    }
};

SHELL_TEST_MAIN(NavigationTest)
#include "navigation_qtest.moc"
